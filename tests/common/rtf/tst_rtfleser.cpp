// RTF-Leser: Text und Formate aus handgeschriebenem RTF, aus Dateien echter Schreiber
// (LibreOffice, Rich-Edit-Steuerelement) und aus beschaedigten Daten.

#include "common/rtf/rtf.h"
#include "common/rtf/zeilenmodell.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

QByteArray rtf(const QByteArray &rumpf)
{
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}"
           "{\\colortbl ;\\red255\\green0\\blue0;\\red1\\green1\\blue1;}" +
           rumpf + "}";
}

QString testdatei(const QString &name)
{
    return QStringLiteral(MIVO_TESTDATEN) + u"/rtf/"_s + name;
}

} // namespace

class TestRtfLeser : public QObject
{
    Q_OBJECT

private slots:
    void text_data()
    {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<QStringList>("zeilen");

        QTest::newRow("absaetze, letzte Absatzmarke zaehlt nicht")
            << rtf("a\\par b\\par") << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("ohne letzte Absatzmarke") << rtf("a\\par b") << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("leerer Absatz am Ende")
            << rtf("a\\par\\par") << QStringList{u"a"_s, QString()};
        QTest::newRow("maskierte Zeichen") << rtf("\\{x\\} \\\\ y") << QStringList{u"{x} \\ y"_s};
        QTest::newRow("Steuerwort mit Zahl und Leerzeichen als Trenner")
            << rtf("\\fs20 ab\\b0 c") << QStringList{u"abc"_s};
        QTest::newRow("tab und line")
            << rtf("a\\tab b\\line c") << QStringList{u"a\tb"_s + QChar::LineSeparator + u"c"_s};
        QTest::newRow("cp1252 hex") << rtf("\\'fc\\'df\\'80\\'84\\'93") << QStringList{u"üß€„“"_s};
        QTest::newRow("rohe 8-Bit-Bytes") << rtf("K\xf6ln") << QStringList{u"Köln"_s};
        QTest::newRow("ansicpg1251")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cc\\'e8\\'f0}") << QStringList{u"Мир"_s};
        QTest::newRow("Schrift mit fcharset204")
            << QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial "
                          "Cyr;}}\\'fc\\f1\\'fc}")
            << QStringList{u"üь"_s};
        QTest::newRow("unicode mit Ersatzzeichen")
            << rtf("\\u8364\\'80 \\u8800?x") << QStringList{u"€ ≠x"_s};
        QTest::newRow("uc0 ohne Ersatz") << rtf("\\uc0\\u8364 x") << QStringList{u"€x"_s};
        QTest::newRow("uc2 zwei Ersatzzeichen") << rtf("\\uc2\\u8364 EUx") << QStringList{u"€x"_s};
        QTest::newRow("negatives u") << rtf("\\u-3913?") << QStringList{QString(QChar(0xF0B7))};
        QTest::newRow("uc gilt nur in der Gruppe")
            << rtf("{\\uc2\\u8364 EU}\\u8364 Ex") << QStringList{u"€€x"_s};
        QTest::newRow("Ersatz endet an der Gruppe")
            << rtf("{\\uc3\\u8364 E}x") << QStringList{u"€x"_s};
        QTest::newRow("unbekannte Ziele")
            << rtf("{\\*\\unbekannt x}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}"
                   "{\\header Kopf}{\\footer Fuss}{\\*\\generator G;}a")
            << QStringList{u"a"_s};
        QTest::newRow("Bild mit bin") << rtf("a{\\pict\\bin4 }{}\\}b") << QStringList{u"ab"_s};
        QTest::newRow("shp und nonshppict")
            << rtf("{\\shp{\\*\\shpinst{\\sp{\\sn x}{\\sv y}}}}{\\nonshppict{\\pict 00}}z")
            << QStringList{u"z"_s};
        QTest::newRow("Feld: nur das Ergebnis")
            << rtf("{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt Link}}")
            << QStringList{u"Link"_s};
        QTest::newRow("Tabellenzellen werden Absaetze")
            << rtf("\\trowd\\cellx1000\\cellx2000 a\\cell b\\cell\\row c\\par")
            << QStringList{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("Schrifttabelle ohne innere Gruppen")
            << QByteArray("{\\rtf1\\ansi{\\fonttbl\\f0\\fswiss Helvetica;\\f1 Times;}x}")
            << QStringList{u"x"_s};
        QTest::newRow("Steuerzeichen aus u legen keine Absaetze an")
            << rtf("\\uc0 a\\u10 b\\u8233 c\\u65532 d\\u9 e\\'0a") << QStringList{u"abcd\te"_s};
        QTest::newRow("Rahmenzeichen aus u legen keine Absaetze an")
            << rtf("\\uc0 a\\u64976 b\\u64977 c") << QStringList{u"abc"_s};
        QTest::newRow("Text nach der aeusseren Gruppe wird nicht gelesen")
            << QByteArray("{\\rtf1 a}b") << QStringList{u"a"_s};
        QTest::newRow("Zeilenenden im RTF sind kein Text")
            << rtf("a\r\nb\nc\\\r\nd") << QStringList{u"abc"_s, u"d"_s};
    }
    void text()
    {
        QFETCH(QByteArray, daten);
        QFETCH(QStringList, zeilen);
        QTextDocument doc;
        const RtfLeseErgebnis e = rtfLesen(daten, doc);
        QVERIFY2(e.ok(), qPrintable(e.fehler));
        QCOMPARE(e.hinweis, QString());
        QCOMPARE(Zeilenmodell(doc).alle(), zeilen);
    }

    void zeichenformate()
    {
        QTextDocument doc;
        const QByteArray daten =
            rtf("\\fs20 n{\\b f}{\\i k}{\\ul u\\ulnone n}{\\uld d}{\\strike s}{\\cf1 r}{\\cf2 g}"
                "{\\cf9 x}{\\highlight1 h}{\\cb2 c}{\\chcbpat1 p}{\\b\\cf1\\plain q}");
        QVERIFY(rtfLesen(daten, doc).ok());
        const QList<RtfLauf> l = rtfLaeufe(doc);
        auto lauf = [&l](const QString &t) {
            for (const RtfLauf &x : l) {
                if (x.text == t) {
                    return x;
                }
            }
            qWarning() << "kein Lauf" << t;
            return RtfLauf{};
        };
        QCOMPARE(lauf(u"n"_s).groesse, 10.0);
        QVERIFY(lauf(u"f"_s).fett);
        QVERIFY(lauf(u"k"_s).kursiv);
        QVERIFY(lauf(u"u"_s).unterstrichen);
        QVERIFY(lauf(u"d"_s).unterstrichen);
        QCOMPARE(lauf(u"r"_s).farbe, QColor(255, 0, 0));
        // Lueckenfarben unterscheiden sich in einer Einheit und muessen genau ankommen.
        QCOMPARE(lauf(u"g"_s).farbe, QColor(1, 1, 1));
        QVERIFY(!lauf(u"x"_s).farbe.isValid()); // Index hinter der Tabelle: automatisch
        QCOMPARE(lauf(u"h"_s).hintergrund, std::optional<QColor>(QColor(255, 0, 0)));
        QCOMPARE(lauf(u"c"_s).hintergrund, std::optional<QColor>(QColor(1, 1, 1)));
        QCOMPARE(lauf(u"p"_s).hintergrund, std::optional<QColor>(QColor(255, 0, 0)));
        const RtfLauf q = lauf(u"q"_s);
        QVERIFY(!q.fett && !q.farbe.isValid());
        QCOMPARE(q.groesse, 12.0);
        // Durchgestrichen steht nicht im Lauf; am Dokument pruefen.
        bool durch = false;
        for (auto it = doc.begin().begin(); !it.atEnd(); ++it) {
            if (it.fragment().text() == u"s"_s) {
                durch = it.fragment().charFormat().fontStrikeOut();
            }
        }
        QVERIFY(durch);
    }

    void absatzformate()
    {
        QTextDocument doc;
        QVERIFY(
            rtfLesen(rtf("\\pard\\li900\\fi-450\\ri300\\tx567\\tqr\\tx2000\\sl360\\slmult1 a\\par"
                         "\\sl-300\\slmult0 b\\par\\pard c\\par"),
                     doc)
                .ok());
        const QTextBlockFormat a = doc.findBlockByNumber(0).blockFormat();
        QCOMPARE(a.leftMargin(), 60.0);
        QCOMPARE(a.textIndent(), -30.0);
        QCOMPARE(a.rightMargin(), 20.0);
        QCOMPARE(a.tabPositions().size(), 2);
        QCOMPARE(a.tabPositions()[0].position, 567 / 15.0);
        QCOMPARE(a.tabPositions()[0].type, QTextOption::LeftTab);
        QCOMPARE(a.tabPositions()[1].type, QTextOption::RightTab);
        QCOMPARE(a.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
        QCOMPARE(a.lineHeight(), 150.0);
        const QTextBlockFormat b = doc.findBlockByNumber(1).blockFormat();
        QCOMPARE(b.leftMargin(), 60.0); // ohne \pard bleibt der Einzug
        QCOMPARE(b.lineHeightType(), int(QTextBlockFormat::FixedHeight));
        QCOMPARE(b.lineHeight(), 20.0);
        const QTextBlockFormat c = doc.findBlockByNumber(2).blockFormat();
        QCOMPARE(c.leftMargin(), 0.0);
        QVERIFY(c.tabPositions().isEmpty());
    }

    void schlechteDaten_data()
    {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<QString>("fehlerTeil");  // leer: gelesen
        QTest::addColumn<QString>("hinweisTeil"); // leer: kein Hinweis
        QTest::addColumn<QString>("text");

        QTest::newRow("kein RTF") << QByteArray("Hallo Welt") << u"kein RTF"_s << QString()
                                  << QString();
        QTest::newRow("leer") << QByteArray() << u"kein RTF"_s << QString() << QString();
        QTest::newRow("100000 oeffnende Klammern")
            << QByteArray("{\\rtf1 ") + QByteArray(100000, '{') << u"verschachtelt"_s << QString()
            << QString();
        QTest::newRow("abgeschnitten") << QByteArray("{\\rtf1 Hallo {\\b We") << QString()
                                       << u"unvollständig"_s << u"Hallo We"_s;
        QTest::newRow("bin laenger als die Daten")
            << QByteArray("{\\rtf1 ab{\\pict\\bin99999999999 xyz}}") << QString() << u"\\bin"_s
            << u"ab"_s;
        QTest::newRow("bin negativ")
            << QByteArray("{\\rtf1 a\\bin-5 b}") << QString() << QString() << u"ab"_s;
        QTest::newRow("ueberzaehlige schliessende Klammer")
            << QByteArray("{\\rtf1 a}}b") << QString() << QString() << u"a"_s;
        QTest::newRow("abgeschnittenes hex")
            << QByteArray("{\\rtf1 a\\'f") << QString() << u"unvollständig"_s << u"a"_s;
        QTest::newRow("riesige Zahl")
            << QByteArray("{\\rtf1 \\fs99999999999999999999 a\\cf-99999 b}") << QString()
            << QString() << u"ab"_s;
        QTest::newRow("langes Steuerwort")
            << QByteArray("{\\rtf1 \\") + QByteArray(5000, 'x') + " a}" << QString() << QString()
            << u"a"_s;
        QTest::newRow("zu gross") << QByteArray("{\\rtf1 ") + QByteArray(kRtfMaxBytes, 'x') + "}"
                                  << u"zu groß"_s << QString() << QString();
        QTest::newRow("Farbindex hinter der Tabelle")
            << rtf("{\\cf200\\highlight300 a}") << QString() << QString() << u"a"_s;
    }
    void schlechteDaten()
    {
        QFETCH(QByteArray, daten);
        QFETCH(QString, fehlerTeil);
        QFETCH(QString, hinweisTeil);
        QFETCH(QString, text);
        QTextDocument doc;
        doc.setPlainText(u"vorher"_s);
        const RtfLeseErgebnis e = rtfLesen(daten, doc);
        if (fehlerTeil.isEmpty()) {
            QVERIFY2(e.ok(), qPrintable(e.fehler));
        } else {
            QVERIFY2(e.fehler.contains(fehlerTeil), qPrintable(e.fehler));
        }
        if (hinweisTeil.isEmpty()) {
            QCOMPARE(e.hinweis, QString());
        } else {
            QVERIFY2(e.hinweis.contains(hinweisTeil), qPrintable(e.hinweis));
        }
        QCOMPARE(doc.toPlainText(), text);
    }

    void zuVieleAbsaetze()
    {
        QTextDocument doc;
        QByteArray daten = "{\\rtf1 ";
        for (int i = 0; i <= kRtfMaxAbsaetze; ++i) {
            daten += "\\par ";
        }
        daten += "x}";
        const RtfLeseErgebnis e = rtfLesen(daten, doc);
        QVERIFY(e.fehler.contains(u"Absätze"_s));
        QCOMPARE(doc.blockCount(), 1);
    }

    // LibreOffice schreibt keine \ansicpg, jedes Nicht-ASCII-Zeichen als \uN mit einem Byte Ersatz,
    // eine Farbtabelle mit automatischem ersten Eintrag und Hintergruende als \chcbpat.
    void libreOfficeDatei()
    {
        QTextDocument doc;
        QString hinweis;
        QCOMPARE(rtfDateiLaden(testdatei(u"lo-farben.rtf"_s), doc, &hinweis), QString());
        QCOMPARE(hinweis, QString());
        QCOMPARE(Zeilenmodell(doc).alle(),
                 (QStringList{u"Grüße aus Köln: 5 € für Äpfel, „Öl“ und ß."_s, u"Rot und Blau"_s,
                              u"Der Hund bellt, die Katze miaut, das Pferd wiehert."_s,
                              u"Aufgabe\t1\t12"_s, u"Fett unterstrichen und grün kursiv"_s,
                              QString(), u"Ende ≠ Anfang"_s}));
        const QList<RtfLauf> l = rtfLaeufe(doc);
        QStringList gesehen;
        for (const RtfLauf &x : l) {
            const QString hg = x.hintergrund ? x.hintergrund->name() : u"-"_s;
            gesehen << x.text + u"|"_s + (x.farbe.isValid() ? x.farbe.name() : u"auto"_s) + u"|"_s +
                           hg;
        }
        QVERIFY(gesehen.contains(u"Rot|#ff0000|-"_s));
        QVERIFY(gesehen.contains(u"Blau|#0000ff|-"_s));
        QVERIFY(gesehen.contains(u"Hund|#010101|#d7ffd7"_s));
        QVERIFY(gesehen.contains(u"Katze|#020101|#ffcccc"_s));
        QVERIFY(gesehen.contains(u"Pferd|#030101|#ccffff"_s));
        QVERIFY(gesehen.contains(u" und |auto|-"_s));
        for (const RtfLauf &x : l) {
            if (x.text == u"Fett unterstrichen"_s) {
                QVERIFY(x.fett && x.unterstrichen);
                QCOMPARE(x.groesse, 14.0);
            }
        }
        const QTextBlockFormat tab = doc.findBlockByNumber(3).blockFormat();
        QCOMPARE(pixelZuTwips(tab.leftMargin()), 1134);
        QCOMPARE(pixelZuTwips(tab.textIndent()), -567);
        QCOMPARE(tab.tabPositions().size(), 2);
        QCOMPARE(tab.tabPositions()[1].type, QTextOption::RightTab);
    }

    // Tabellenzellen werden Absaetze, die Zeilenenden der Tabelle legen keine leeren an.
    void libreOfficeTabelle()
    {
        QTextDocument doc;
        QCOMPARE(rtfDateiLaden(testdatei(u"lo-tabelle.rtf"_s), doc), QString());
        QCOMPARE(Zeilenmodell(doc).alle(),
                 (QStringList{u"Vor der Tabelle"_s, u"Name"_s, u"Note"_s, u"Müller"_s, u"2+"_s,
                              u"Nach der Tabelle"_s}));
        const QList<RtfLauf> l = rtfLaeufe(doc);
        QCOMPARE(l[4].text, u"2+"_s);
        QCOMPARE(l[4].farbe, QColor(1, 1, 1));
        QCOMPARE(l[4].hintergrund, std::optional<QColor>(QColor(215, 255, 215)));
    }

    // Das Rich-Edit-Steuerelement schreibt \ansicpg1252, \'hh und \highlight.
    void richEditDatei()
    {
        QTextDocument doc;
        QCOMPARE(rtfDateiLaden(testdatei(u"richedit-farben.rtf"_s), doc), QString());
        QCOMPARE(Zeilenmodell(doc).alle(),
                 (QStringList{u"Grüße rot und Lücke, 5 €."_s, u"1)\tFrage mit zweiter Lücke"_s,
                              u"Ende"_s}));
        const QList<RtfLauf> l = rtfLaeufe(doc);
        QCOMPARE(l[3].text, u"Lücke"_s);
        QCOMPARE(l[3].farbe, QColor(1, 1, 1));
        QCOMPARE(l[3].hintergrund, std::optional<QColor>(QColor(215, 255, 215)));
        QCOMPARE(l[4].hintergrund, std::nullopt);
        QCOMPARE(doc.findBlockByNumber(1).blockFormat().textIndent(), -60.0);
    }

    void dateischicht()
    {
        QTextDocument doc;
        const QString fehlt = rtfDateiLaden(testdatei(u"gibt-es-nicht.rtf"_s), doc);
        QVERIFY(fehlt.contains(u"gibt-es-nicht.rtf"_s));
        const QString keinRtf = rtfDateiLaden(testdatei(u"lo-farben.fodt"_s), doc);
        QVERIFY(keinRtf.contains(u"lo-farben.fodt"_s));
        QVERIFY(keinRtf.contains(u"kein RTF"_s));
        // Einer Verknuepfung wird nicht gefolgt.
        QTemporaryDir ordner;
        const QString link = ordner.filePath(u"link.rtf"_s);
        QVERIFY(QFile::link(testdatei(u"lo-farben.rtf"_s), link));
        QVERIFY(rtfDateiLaden(link, doc).contains(u"Verknüpfung"_s));
    }
};

QTEST_MAIN(TestRtfLeser)
#include "tst_rtfleser.moc"
