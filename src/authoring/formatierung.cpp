#include "authoring/formatierung.h"

#include "common/rtf/rtf.h"
#include "common/rtf/zeilenmodell.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

bool ziffer19(QChar c)
{
    return c >= u'1' && c <= u'9';
}

// Haengender Einzug der Antwortzeilen nach der Schriftgroesse des Steuerelements.
qreal antworteinzug(int schriftgroesse)
{
    if (schriftgroesse == 8) {
        return 45;
    }
    if (schriftgroesse == 10) {
        return 47;
    }
    return 50;
}

} // namespace

QFont editorSchrift()
{
    return QFont(u"Arial"_s, 10);
}

bool istFragezeile(QStringView z)
{
    return z.size() >= 2 && ziffer19(z[0]) && (z[1] == u')' || (z.size() >= 3 && z[2] == u')'));
}

bool istAntwortzeile(QStringView z)
{
    const QStringView teil = z.mid(1, 5);
    for (const QStringView m : {u"a)", u"b)", u"c)", u"d)"}) {
        if (teil.contains(m)) {
            return true;
        }
    }
    return false;
}

void einzugSetzen(QTextDocument &doc, int zeile, qreal erste, qreal folge)
{
    if (zeile < 0 || zeile >= doc.blockCount()) {
        return;
    }
    QTextCursor c(doc.findBlockByNumber(zeile));
    QTextBlockFormat f = c.blockFormat();
    const qreal anfang = std::max<qreal>(0, erste);
    const qreal links = std::max<qreal>(0, anfang + folge);
    f.setLeftMargin(punktZuPixel(links));
    f.setTextIndent(punktZuPixel(anfang - links));
    c.setBlockFormat(f);
}

void richEdit_formatiereZeile(QTextDocument &doc, int zeile, const QString &stichwort,
                              int kopfgrenze)
{
    const Zeilenmodell zeilen(doc);
    QTextCursor c = zeilen.auswahl(zeile);
    if (c.isNull()) {
        return;
    }
    auto stil = [&c](bool fett, bool unterstrichen) {
        QTextCharFormat f;
        f.setFontWeight(fett ? QFont::Bold : QFont::Normal);
        f.setFontUnderline(unterstrichen);
        f.setFontItalic(false);
        f.setFontStrikeOut(false);
        c.mergeCharFormat(f);
        // Auch die Absatzmarke, damit eine leere Zeile beim Tippen den Stil traegt.
        QTextCursor marke(c.block());
        marke.mergeBlockCharFormat(f);
    };
    if (stichwort == u"fett"_s) {
        stil(true, false);
    } else if (stichwort == u"unterstrichen"_s) {
        stil(false, true);
    } else if (stichwort == u"rot"_s) {
        QTextCharFormat f;
        f.setForeground(QColor(255, 0, 0));
        c.mergeCharFormat(f);
        QTextCursor(c.block()).mergeBlockCharFormat(f);
    }
    if (zeile < kopfgrenze) {
        einzugSetzen(doc, zeile, 0, 0);
    } else {
        einzugSetzen(doc, zeile, 10, 45);
    }
    if (istFragezeile(zeilen.zeile(zeile))) {
        einzugSetzen(doc, zeile, 0, 35);
        stil(false, true);
    }
}

void schriftFormatieren(QTextDocument &doc, int kopfgrenze)
{
    const int anzahl = Zeilenmodell(doc).anzahl();
    QTextCursor klammer(&doc);
    klammer.beginEditBlock();
    for (int z = 0; z < anzahl; ++z) {
        if (z == 2 || z == 3) {
            richEdit_formatiereZeile(doc, z, u"fett"_s, kopfgrenze);
        } else if (z == 1 || z == 4) {
            richEdit_formatiereZeile(doc, z, u"rot"_s, kopfgrenze);
        }
    }
    for (int z = 0; z < anzahl; ++z) {
        richEdit_formatiereZeile(doc, z, u"alle absaetze einruecken"_s, kopfgrenze);
    }
    klammer.endEditBlock();
}

void absatzformatierung(QTextDocument &doc)
{
    const Zeilenmodell zeilen(doc);
    const int anzahl = zeilen.anzahl();
    const qreal c = antworteinzug(doc.defaultFont().pointSize());
    QTextCursor klammer(&doc);
    klammer.beginEditBlock();
    for (const int z : {2, 3}) {
        QTextCursor s = zeilen.auswahl(z);
        if (!s.isNull()) {
            QTextCharFormat f;
            f.setFontPointSize(12);
            s.mergeCharFormat(f);
            QTextCursor(s.block()).mergeBlockCharFormat(f);
        }
    }
    for (int z = 0; z < anzahl; ++z) {
        if (istAntwortzeile(zeilen.zeile(z))) {
            einzugSetzen(doc, z, -c, c);
        }
    }
    klammer.endEditBlock();
}
