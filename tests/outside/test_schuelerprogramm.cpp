// Namen und Ordner, die das Schuelerprogramm erwartet.
#include "outside/schuelerprogramm.h"

#include <QTest>

using namespace Qt::StringLiterals;
namespace sp = schuelerprogramm;

class TestSchuelerprogramm : public QObject
{
    Q_OBJECT
private slots:
    void namen()
    {
        QCOMPARE(sp::persoenlicherDateiname(u"Karl"_s, u"Schmidtbauer"_s, u"7x"_s),
                 u"Schmidtb.K7x"_s);
        QCOMPARE(sp::persoenlicherDateiname(u"Ön"_s, u"Öz"_s, u"0a"_s), u"Öz.Ö0a"_s);
        // Der Fuellpunkt einstelliger Klassen steht als "_" im Namen und im Abgabemuster.
        QCOMPARE(sp::persoenlicherDateiname(u"Karl"_s, u"Schmidtbauer"_s, u"7."_s),
                 u"Schmidtb.K7_"_s);
        QCOMPARE(sp::abgabeMuster(u"0."_s), u"*.?0_"_s);
        QVERIFY(
            sp::dateinameTauglich(sp::persoenlicherDateiname(u"Karl"_s, u"Schmidt"_s, u"0."_s)));
        QCOMPARE(sp::signalDateiname(u"7x"_s, u"Meier/"_s, u"7xP1Bspl"_s),
                 u"7x-Meier-7xP1Bspl.tmp"_s);
        QCOMPARE(sp::abgabeEingang(u"/s/ab/"_s, u"Meier/"_s), u"/s/ab/Meier/DropBox/"_s);
        QCOMPARE(sp::ausgabeKlassenOrdner(u"/s/aus/"_s, u"Meier/"_s, u"0a"_s),
                 u"/s/aus/Meier/0a/"_s);
    }

    void tauglich_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ok");
        QTest::newRow("normal") << u"Schmidtb.K7x"_s << true;
        QTest::newRow("Umlaut") << u"Müller.Ä7x"_s << true;
        QTest::newRow("Schraegstrich") << u"../etc.K7x"_s << false;
        QTest::newRow("Rueckstrich") << u"a\\b.K7x"_s << false;
        QTest::newRow("Doppelpunkt") << u"Pri:vat.K7x"_s << false;
        QTest::newRow("Stern") << u"a*.K7x"_s << false;
        QTest::newRow("Steuerzeichen") << u"a\tb.K7x"_s << false;
        QTest::newRow("Punkt am Ende") << u"Name.K7."_s << false;
        QTest::newRow("leer") << QString() << false;
        QTest::newRow("..") << u".."_s << false;
    }
    void tauglich()
    {
        QFETCH(QString, name);
        QTEST(sp::dateinameTauglich(name), "ok");
    }
};

QTEST_GUILESS_MAIN(TestSchuelerprogramm)
#include "test_schuelerprogramm.moc"
