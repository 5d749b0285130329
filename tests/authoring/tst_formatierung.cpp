// Anzeigeformate eines Testdokuments: Kopfzeilen, Fragezeilen, Einzuege.

#include "authoring/formatierung.h"
#include "common/rtf/rtf.h"
#include "common/rtf/zeilenmodell.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

const QStringList kTest = {
    u"Multiple-Choice-Test"_s,
    u"-----------"_s,
    u"Physik- Test Nr. 1          Kl.: 7x       Gruppe: A"_s,
    u"Thema: Beispieltest"_s,
    u"-----------"_s,
    QString(),
    u"1)\tWas tust du zuerst?"_s,
    u"\ta) Ich lösche es."_s,
    u"2\tb) Ich sage Bescheid."_s,
    u"\tc) Nichts."_s,
    u"\td) Fenster auf."_s,
    QString(),
    u"Ein Kommentar zwischen den Aufgaben"_s,
    u"10)\tZweistellig?"_s,
};

QTextCharFormat formatDerZeile(QTextDocument &doc, int z)
{
    QTextCursor c(doc.findBlockByNumber(z));
    c.movePosition(QTextCursor::NextCharacter);
    return c.charFormat();
}

// Einzug in Punkt: erste Zeile, Folgezeilen (beide vom Rand aus).
QPair<qreal, qreal> einzug(QTextDocument &doc, int z)
{
    const QTextBlockFormat f = doc.findBlockByNumber(z).blockFormat();
    return {qRound(pixelZuPunkt(f.leftMargin() + f.textIndent()) * 100) / 100.0,
            qRound(pixelZuPunkt(f.leftMargin()) * 100) / 100.0};
}

} // namespace

class TestFormatierung : public QObject
{
    Q_OBJECT

private slots:
    void zeilenarten_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<bool>("frage");
        QTest::addColumn<bool>("antwort");
        QTest::newRow("Frage einstellig") << u"1)\tText"_s << true << false;
        QTest::newRow("Frage zweistellig") << u"12)\tText"_s << true << false;
        QTest::newRow("Frage mit Null vorn") << u"0)\tText"_s << false << false;
        QTest::newRow("nur Nummer") << u"9)"_s << true << false;
        QTest::newRow("Klammer an Stelle 4") << u"123)"_s << false << false;
        QTest::newRow("Antwort") << u"\ta) Text"_s << false << true;
        QTest::newRow("Schluesselantwort") << u"2\tb) Text"_s << false << true;
        QTest::newRow("markierte Antwort") << u"=x\td) Text"_s << false << true;
        QTest::newRow("Buchstabe zu weit hinten") << u"\t\t\t\t\ta)"_s << false << false;
        QTest::newRow("e) ist keine Antwort") << u"\te) Text"_s << false << false;
        QTest::newRow("leer") << QString() << false << false;
    }
    void zeilenarten()
    {
        QFETCH(QString, zeile);
        QFETCH(bool, frage);
        QFETCH(bool, antwort);
        QCOMPARE(istFragezeile(zeile), frage);
        QCOMPARE(istAntwortzeile(zeile), antwort);
    }

    void schriftFormatieren_data()
    {
        QTest::addColumn<int>("kopfgrenze");
        QTest::newRow("Konstruktion") << kKopfgrenzeKonstruktion;
        QTest::newRow("Rueckgabe") << kKopfgrenzeDurchfuehrung;
    }
    void schriftFormatieren()
    {
        QFETCH(int, kopfgrenze);
        QTextDocument doc;
        Zeilenmodell(doc).setzeAlle(kTest);
        ::schriftFormatieren(doc, kopfgrenze);

        QCOMPARE(formatDerZeile(doc, 1).foreground().color(), QColor(255, 0, 0));
        QCOMPARE(formatDerZeile(doc, 4).foreground().color(), QColor(255, 0, 0));
        QCOMPARE(formatDerZeile(doc, 2).fontWeight(), int(QFont::Bold));
        QCOMPARE(formatDerZeile(doc, 3).fontWeight(), int(QFont::Bold));
        QVERIFY(!formatDerZeile(doc, 0).hasProperty(QTextFormat::ForegroundBrush));
        QCOMPARE(formatDerZeile(doc, 0).fontWeight(), int(QFont::Normal));

        // Fragezeilen: unterstrichen, haengend um 35 pt, auch unterhalb der Kopfgrenze.
        for (const int z : {6, 13}) {
            QVERIFY(formatDerZeile(doc, z).fontUnderline());
            QCOMPARE(einzug(doc, z), qMakePair(0.0, 35.0));
        }
        QVERIFY(!formatDerZeile(doc, 7).fontUnderline());
        // Andere Zeilen: im Kopf ohne Einzug, sonst 10 pt und Folgezeilen 45 pt weiter.
        const QPair<qreal, qreal> rumpf =
            kopfgrenze > 12 ? qMakePair(0.0, 0.0) : qMakePair(10.0, 55.0);
        QCOMPARE(einzug(doc, 0), qMakePair(0.0, 0.0));
        QCOMPARE(einzug(doc, 5), qMakePair(0.0, 0.0));
        QCOMPARE(einzug(doc, 7), rumpf);
        QCOMPARE(einzug(doc, 12), rumpf);
        // Der Text bleibt, wie er war.
        QCOMPARE(Zeilenmodell(doc).alle(), kTest);
    }

    void stilErsetztStil()
    {
        QTextDocument doc;
        Zeilenmodell(doc).setzeAlle(kTest);
        richEdit_formatiereZeile(doc, 3, u"rot"_s, kKopfgrenzeKonstruktion);
        richEdit_formatiereZeile(doc, 3, u"fett"_s, kKopfgrenzeKonstruktion);
        richEdit_formatiereZeile(doc, 3, u"unterstrichen"_s, kKopfgrenzeKonstruktion);
        const QTextCharFormat f = formatDerZeile(doc, 3);
        QVERIFY(f.fontUnderline());
        QCOMPARE(f.fontWeight(), int(QFont::Normal));
        QCOMPARE(f.foreground().color(), QColor(255, 0, 0)); // die Farbe ist kein Stil
        // Zeilen ausserhalb des Dokuments aendern nichts.
        richEdit_formatiereZeile(doc, 99, u"fett"_s, kKopfgrenzeKonstruktion);
        richEdit_formatiereZeile(doc, -1, u"fett"_s, kKopfgrenzeKonstruktion);
        QCOMPARE(Zeilenmodell(doc).alle(), kTest);
    }

    void absatzformatierung_data()
    {
        QTest::addColumn<int>("schriftgroesse");
        QTest::addColumn<qreal>("haengend");
        QTest::newRow("8 pt") << 8 << 45.0;
        QTest::newRow("10 pt") << 10 << 47.0;
        QTest::newRow("12 pt") << 12 << 50.0;
        QTest::newRow("9 pt") << 9 << 50.0;
    }
    void absatzformatierung()
    {
        QFETCH(int, schriftgroesse);
        QFETCH(qreal, haengend);
        QTextDocument doc;
        doc.setDefaultFont(QFont(u"Arial"_s, schriftgroesse));
        Zeilenmodell(doc).setzeAlle(kTest);
        ::absatzformatierung(doc);
        for (const int z : {7, 8, 9, 10}) {
            QCOMPARE(einzug(doc, z), qMakePair(0.0, haengend));
        }
        QCOMPARE(einzug(doc, 6), qMakePair(0.0, 0.0));
        QCOMPARE(formatDerZeile(doc, 2).fontPointSize(), 12.0);
        QCOMPARE(formatDerZeile(doc, 3).fontPointSize(), 12.0);
        QVERIFY(!formatDerZeile(doc, 4).hasProperty(QTextFormat::FontPointSize));
    }
};

QTEST_MAIN(TestFormatierung)
#include "tst_formatierung.moc"
