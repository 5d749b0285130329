#include "grades/klassenspiegel.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

using Anzahlen = QList<int>;

class KlassenspiegelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English)); }

    void spiegel_data()
    {
        QTest::addColumn<QStringList>("noten");
        QTest::addColumn<Anzahlen>("anzahl");
        QTest::addColumn<QString>("schnitt");
        QTest::newRow("2- 2 3+") << QStringList{u"2-"_s, u"2"_s, u"3+"_s}
                                 << Anzahlen{0, 2, 1, 0, 0, 0} << u"2,3"_s;
        QTest::newRow("Fehlzeichen zaehlen nicht")
            << QStringList{u"/"_s, u"1"_s, u""_s, u"GF"_s, u"6"_s} << Anzahlen{1, 0, 0, 0, 0, 1}
            << u"3,5"_s;
        QTest::newRow("nur Fehlzeichen")
            << QStringList{u"/"_s, u""_s} << Anzahlen{0, 0, 0, 0, 0, 0} << u""_s;
        QTest::newRow("leer") << QStringList{} << Anzahlen{0, 0, 0, 0, 0, 0} << u""_s;
        QTest::newRow("1+") << QStringList{u"1+"_s} << Anzahlen{1, 0, 0, 0, 0, 0} << u"0,7"_s;
        QTest::newRow("ganze Zahl mit Stelle")
            << QStringList{u"4"_s} << Anzahlen{0, 0, 0, 1, 0, 0} << u"4,0"_s;
    }
    void spiegel()
    {
        QFETCH(QStringList, noten);
        QFETCH(Anzahlen, anzahl);
        QFETCH(QString, schnitt);
        const KlassenSpiegel s = klassenSpiegel(noten);
        QCOMPARE(Anzahlen(s.anzahl.begin(), s.anzahl.end()), anzahl);
        QCOMPARE(s.schnitt, schnitt);
    }

    void gNiveau()
    {
        // G-Noten: "2" -> "1", "4-" -> "4+", "/" bleibt "/".
        const KlassenSpiegel g = ausgabeKlassenSpiegelG({u"2"_s, u"4-"_s, u"/"_s});
        QCOMPARE(Anzahlen(g.anzahl.begin(), g.anzahl.end()), (Anzahlen{1, 0, 0, 1, 0, 0}));
        QCOMPARE(g.schnitt, u"2,3"_s);
        QCOMPARE(ausgabeKlassenSpiegelE({u"2"_s, u"4-"_s}).schnitt, u"3,2"_s);
    }
};

QTEST_GUILESS_MAIN(KlassenspiegelTest)
#include "klassenspiegel_test.moc"
