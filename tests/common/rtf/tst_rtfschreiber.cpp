// RTF-Schreiber: Rundlauf ueber ein Dokument mit allen Merkmalen, Zeichen ausserhalb von
// CP1252, und die Gegenprobe mit LibreOffice, wo es installiert ist.

#include "common/rtf/rtf.h"
#include "common/rtf/zeilenmodell.h"
#include "unterstuetzung/testumgebung.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

// Ein Dokument mit jedem Merkmal, das Leser und Schreiber tragen.
void allesDokument(QTextDocument &doc)
{
    doc.setDefaultFont(QFont(u"Arial"_s, 10));
    QTextCursor c(&doc);
    QTextBlockFormat kopf;
    kopf.setAlignment(Qt::AlignHCenter);
    c.setBlockFormat(kopf);
    QTextCharFormat fett;
    fett.setFontWeight(QFont::Bold);
    fett.setFontPointSize(12);
    fett.setForeground(QColor(255, 0, 0));
    c.insertText(u"Klassenarbeit {Nr. 1} \\ Grüße € „x“"_s, fett);

    QTextBlockFormat einzug;
    einzug.setLeftMargin(punktZuPixel(45));
    einzug.setTextIndent(punktZuPixel(-35));
    einzug.setRightMargin(20);
    einzug.setTopMargin(4);
    einzug.setBottomMargin(8);
    einzug.setTabPositions({QTextOption::Tab(40, QTextOption::LeftTab),
                            QTextOption::Tab(120, QTextOption::RightTab),
                            QTextOption::Tab(200, QTextOption::CenterTab)});
    einzug.setLineHeight(140, QTextBlockFormat::ProportionalHeight);
    c.insertBlock(einzug);
    QTextCharFormat unter;
    unter.setFontUnderline(true);
    unter.setFontFamilies({u"Courier New"_s});
    c.insertText(u"1)\tFrage"_s, unter);
    QTextCharFormat schlicht;
    c.insertText(u" und "_s, schlicht);
    QTextCharFormat luecke;
    luecke.setForeground(QColor(2, 1, 1));
    luecke.setBackground(QColor(255, 204, 204));
    c.insertText(u"Lücke"_s, luecke);
    QTextCharFormat luecke2 = luecke;
    luecke2.setForeground(QColor(3, 1, 1));
    luecke2.setBackground(QColor(204, 255, 255));
    c.insertText(u"Wort"_s, luecke2);
    QTextCharFormat kursiv;
    kursiv.setFontItalic(true);
    kursiv.setFontStrikeOut(true);
    kursiv.setFontPointSize(8.5);
    kursiv.setForeground(QColor(0, 0, 0));
    c.insertText(u"Zeile"_s + QChar::LineSeparator + u"zwei ≠ Ωmega 😀"_s, kursiv);

    QTextBlockFormat fest;
    fest.setLineHeight(20, QTextBlockFormat::FixedHeight);
    fest.setAlignment(Qt::AlignRight);
    c.insertBlock(fest);
    QTextBlockFormat mindest;
    mindest.setLineHeight(16, QTextBlockFormat::MinimumHeight);
    mindest.setAlignment(Qt::AlignJustify);
    c.insertBlock(mindest);
    c.insertText(u"Ende"_s, schlicht);
}

struct Merkmale
{
    QString text;
    QStringList laeufe;
    QStringList absaetze;
};

Merkmale merkmale(const QTextDocument &doc)
{
    Merkmale m;
    m.text = doc.toPlainText();
    for (const RtfLauf &l : rtfLaeufe(doc)) {
        m.laeufe << u"%1|%2|%3|%4|%5%6%7|%8"_s.arg(l.absatz)
                        .arg(l.text, l.farbe.isValid() ? l.farbe.name() : u"auto"_s,
                             l.hintergrund ? l.hintergrund->name() : u"-"_s)
                        .arg(l.fett)
                        .arg(l.kursiv)
                        .arg(l.unterstrichen)
                        .arg(l.groesse);
    }
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat f = b.blockFormat();
        QString tabs;
        for (const auto &t : f.tabPositions()) {
            tabs += u"%1:%2,"_s.arg(pixelZuTwips(t.position)).arg(int(t.type));
        }
        m.absaetze << u"%1 %2 %3 %4 %5 %6 %7 %8 %9"_s.arg(pixelZuTwips(f.leftMargin()))
                          .arg(pixelZuTwips(f.textIndent()))
                          .arg(pixelZuTwips(f.rightMargin()))
                          .arg(pixelZuTwips(f.topMargin()))
                          .arg(pixelZuTwips(f.bottomMargin()))
                          .arg(int(f.alignment() & Qt::AlignHorizontal_Mask))
                          .arg(tabs)
                          .arg(f.lineHeightType())
                          .arg(f.lineHeight());
    }
    return m;
}

} // namespace

class TestRtfSchreiber : public QObject
{
    Q_OBJECT

private slots:
    void rundlauf()
    {
        QTextDocument doc;
        allesDokument(doc);
        const QByteArray rtf = rtfSchreiben(doc);
        QTextDocument zurueck;
        const RtfLeseErgebnis e = rtfLesen(rtf, zurueck);
        QVERIFY2(e.ok() && e.hinweis.isEmpty(), qPrintable(e.fehler + e.hinweis));
        const Merkmale vorher = merkmale(doc);
        const Merkmale nachher = merkmale(zurueck);
        QCOMPARE(nachher.text, vorher.text);
        QCOMPARE(nachher.laeufe, vorher.laeufe);
        QCOMPARE(nachher.absaetze, vorher.absaetze);
        // Und ein zweites Mal: bytegleich.
        QCOMPARE(rtfSchreiben(zurueck), rtf);
    }

    void nurAsciiUndCodeseite()
    {
        QTextDocument doc;
        Zeilenmodell(doc).setzeAlle({u"Grüße €"_s, u"Ωmega 😀"_s});
        const QByteArray rtf = rtfSchreiben(doc);
        for (const char b : rtf) {
            QVERIFY(static_cast<unsigned char>(b) < 0x80);
        }
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QVERIFY(rtf.contains("Gr\\'fc\\'dfe \\'80"));
        QVERIFY(rtf.contains("\\u937?mega"));
        // Zeichen ausserhalb der Grundebene als zwei Ersatzpaare, das obere negativ.
        QVERIFY(rtf.contains("\\u-10179?\\u-8704?"));
    }

    void leereAbsaetzeBleiben()
    {
        QTextDocument doc;
        Zeilenmodell(doc).setzeAlle({u"a"_s, QString(), QString(), u"b"_s, QString()});
        QTextDocument zurueck;
        QVERIFY(rtfLesen(rtfSchreiben(doc), zurueck).ok());
        QCOMPARE(Zeilenmodell(zurueck).alle(),
                 (QStringList{u"a"_s, QString(), QString(), u"b"_s, QString()}));
    }

    // Gegenprobe: LibreOffice liest unser RTF mit demselben Text und denselben Farben.
    void libreOfficeLiestUns()
    {
        const QString soffice = QStandardPaths::findExecutable(u"soffice"_s);
        if (soffice.isEmpty()) {
            QSKIP("soffice ist nicht installiert: Gegenprobe mit LibreOffice übersprungen");
        }
        Testordner ordner;
        QTextDocument doc;
        allesDokument(doc);
        ordner.schreibe(u"probe.rtf"_s, rtfSchreiben(doc));
        auto umwandeln = [&](const QString &ziel) {
            QProcess p;
            p.setWorkingDirectory(ordner.pfad());
            p.start(soffice, {u"-env:UserInstallation=file://"_s + ordner.pfad() + u"profil"_s,
                              u"--headless"_s, u"--convert-to"_s, ziel, u"--outdir"_s,
                              ordner.pfad(), ordner.datei(u"probe.rtf"_s)});
            return p.waitForFinished(180000) && p.exitCode() == 0;
        };
        QVERIFY(umwandeln(u"txt:Text (encoded):UTF8"_s));
        QString text = QString::fromUtf8(ordner.lies(u"probe.txt"_s));
        if (text.startsWith(QChar(0xFEFF))) {
            text.remove(0, 1);
        }
        QStringList zeilen = text.split(u'\n');
        for (QString &z : zeilen) {
            if (z.endsWith(u'\r')) {
                z.chop(1);
            }
        }
        while (!zeilen.isEmpty() && zeilen.last().isEmpty()) {
            zeilen.removeLast();
        }
        // LibreOffice gibt den Zeilenumbruch im Absatz als Zeilenende aus.
        QStringList erwartet;
        for (const QString &z : Zeilenmodell(doc).alle()) {
            erwartet << z.split(QChar::LineSeparator);
        }
        QCOMPARE(zeilen, erwartet);

        QVERIFY(umwandeln(u"fodt"_s));
        const QString xml = QString::fromUtf8(ordner.lies(u"probe.fodt"_s));
        for (const QString &merkmal :
             {u"fo:color=\"#ff0000\""_s, u"fo:color=\"#020101\""_s, u"fo:color=\"#030101\""_s,
              u"fo:background-color=\"#ffcccc\""_s, u"fo:background-color=\"#ccffff\""_s,
              u"fo:font-weight=\"bold\""_s, u"style:text-underline-style=\"solid\""_s,
              u"fo:font-style=\"italic\""_s, u"style:text-line-through-style=\"solid\""_s,
              u"fo:font-size=\"12pt\""_s, u"fo:font-size=\"8.5pt\""_s, u"style:type=\"right\""_s,
              u"style:type=\"center\""_s, u"fo:text-align=\"center\""_s}) {
            QVERIFY2(xml.contains(merkmal), qPrintable(merkmal));
        }
        // 45 pt Einzug, erste Zeile 35 pt weiter links
        bool einzug = false;
        const QRegularExpression re(u"fo:margin-left=\"([0-9.]+)(in|cm)\""_s);
        for (auto it = re.globalMatch(xml); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const double zoll = m.captured(1).toDouble() / (m.captured(2) == u"cm"_s ? 2.54 : 1.0);
            einzug = einzug || qAbs(zoll * 72 - 45) < 0.1;
        }
        QVERIFY(einzug);
    }
};

QTEST_MAIN(TestRtfSchreiber)
#include "tst_rtfschreiber.moc"
