// RTF-Schreiber: Codeseite 1252 mit \'hh, alles andere als \uN mit "?" als Ersatz (\uc1).
// Jeder Lauf steht in einer eigenen Gruppe mit allen Zeichenformaten, jeder Absatz beginnt mit
// \pard und seinen Absatzformaten, so dass jedes Textprogramm ihn ohne Vorwissen liest.
// Hintergruende gehen als \chcbpat (Textverarbeitungen) und \cb (Rich-Edit-Steuerelemente).

#include "common/ansitext.h"
#include "common/rtf/rtf.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

class Schreiber
{
public:
    explicit Schreiber(const QTextDocument &doc)
        : doc(doc)
    {
        standardFamilie = doc.defaultFont().family();
        if (standardFamilie.isEmpty()) {
            standardFamilie = u"Arial"_s;
        }
        standardGroesse = doc.defaultFont().pointSizeF();
        if (standardGroesse <= 0) {
            standardGroesse = 12;
        }
        schriften.push_back(standardFamilie);
    }

    QByteArray schreiben();

private:
    QString familie(const QTextCharFormat &f) const
    {
        const QStringList fam = f.fontFamilies().toStringList();
        if (!fam.isEmpty() && !fam.first().isEmpty()) {
            return fam.first();
        }
        return standardFamilie;
    }
    int schriftIndex(const QString &name)
    {
        const auto i = std::find(schriften.begin(), schriften.end(), name);
        if (i != schriften.end()) {
            return int(i - schriften.begin());
        }
        schriften.push_back(name);
        return int(schriften.size()) - 1;
    }
    int farbIndex(const QColor &c)
    {
        const QRgb rgb = c.rgb() & 0xFFFFFF;
        const auto i = std::find(farben.begin(), farben.end(), rgb);
        if (i != farben.end()) {
            return int(i - farben.begin()) + 1;
        }
        farben.push_back(rgb);
        return int(farben.size());
    }
    static bool hatPinsel(const QTextCharFormat &f, int eigenschaft)
    {
        return f.hasProperty(eigenschaft) && f.brushProperty(eigenschaft).style() != Qt::NoBrush;
    }
    void sammeln();
    void zeichenformat(QByteArray &aus, const QTextCharFormat &f);
    void absatzformat(QByteArray &aus, const QTextBlockFormat &f);
    static void text(QByteArray &aus, QStringView t);

    const QTextDocument &doc;
    QString standardFamilie;
    qreal standardGroesse = 12;
    std::vector<QString> schriften;
    std::vector<QRgb> farben; // Index 0 der Tabelle ist "automatisch"
};

void Schreiber::sammeln()
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        schriftIndex(familie(b.charFormat()));
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            schriftIndex(familie(f));
            if (hatPinsel(f, QTextFormat::ForegroundBrush)) {
                farbIndex(f.foreground().color());
            }
            if (hatPinsel(f, QTextFormat::BackgroundBrush)) {
                farbIndex(f.background().color());
            }
        }
    }
}

void Schreiber::text(QByteArray &aus, QStringView t)
{
    for (const QChar c : t) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            aus += '\\';
            aus += char(u);
        } else if (u == u'\t') {
            aus += "\\tab ";
        } else if (u == QChar::LineSeparator) {
            aus += "\\line ";
        } else if (u >= 0x20 && u < 0x7F) {
            aus += char(u);
        } else if (u < 0x20 || u == QChar::ObjectReplacementCharacter ||
                   u == QChar::ParagraphSeparator) {
            continue;
        } else if (const auto b = ansiKodieren(QStringView(&c, 1)); b && u != 0x7F) {
            aus += "\\'";
            aus +=
                QByteArray::number(static_cast<unsigned char>(b->at(0)), 16).rightJustified(2, '0');
        } else {
            aus += "\\u";
            aus += QByteArray::number(u >= 0x8000 ? int(u) - 65536 : int(u));
            aus += '?';
        }
    }
}

void Schreiber::zeichenformat(QByteArray &aus, const QTextCharFormat &f)
{
    aus += "\\plain\\f" + QByteArray::number(schriftIndex(familie(f)));
    const qreal pt = f.fontPointSize() > 0 ? f.fontPointSize() : standardGroesse;
    aus += "\\fs" + QByteArray::number(qRound(pt * 2));
    if (f.fontWeight() >= QFont::DemiBold) {
        aus += "\\b";
    }
    if (f.fontItalic()) {
        aus += "\\i";
    }
    if (f.fontUnderline()) {
        aus += "\\ul";
    }
    if (f.fontStrikeOut()) {
        aus += "\\strike";
    }
    if (hatPinsel(f, QTextFormat::ForegroundBrush)) {
        aus += "\\cf" + QByteArray::number(farbIndex(f.foreground().color()));
    } else {
        aus += "\\cf0";
    }
    if (hatPinsel(f, QTextFormat::BackgroundBrush)) {
        const QByteArray n = QByteArray::number(farbIndex(f.background().color()));
        aus += "\\chcbpat" + n + "\\cb" + n;
    }
    aus += ' ';
}

void Schreiber::absatzformat(QByteArray &aus, const QTextBlockFormat &f)
{
    aus += "\\pard";
    auto laenge = [&](const char *wort, qreal pixel) {
        const int twips = pixelZuTwips(pixel);
        if (twips != 0) {
            aus += wort + QByteArray::number(twips);
        }
    };
    laenge("\\li", f.leftMargin());
    laenge("\\fi", f.textIndent());
    laenge("\\ri", f.rightMargin());
    laenge("\\sb", f.topMargin());
    laenge("\\sa", f.bottomMargin());
    const Qt::Alignment al = f.alignment() & Qt::AlignHorizontal_Mask;
    if (al & Qt::AlignHCenter) {
        aus += "\\qc";
    } else if (al & Qt::AlignRight) {
        aus += "\\qr";
    } else if (al & Qt::AlignJustify) {
        aus += "\\qj";
    }
    for (const QTextOption::Tab &t : f.tabPositions()) {
        switch (t.type) {
        case QTextOption::RightTab:
            aus += "\\tqr";
            break;
        case QTextOption::CenterTab:
            aus += "\\tqc";
            break;
        case QTextOption::DelimiterTab:
            aus += "\\tqdec";
            break;
        case QTextOption::LeftTab:
            break;
        }
        aus += "\\tx" + QByteArray::number(pixelZuTwips(t.position));
    }
    if (f.hasProperty(QTextFormat::LineHeightType)) {
        switch (f.lineHeightType()) {
        case QTextBlockFormat::ProportionalHeight:
            aus +=
                "\\sl" + QByteArray::number(qRound(f.lineHeight() * 240.0 / 100.0)) + "\\slmult1";
            break;
        case QTextBlockFormat::MinimumHeight:
            aus += "\\sl" + QByteArray::number(pixelZuTwips(f.lineHeight())) + "\\slmult0";
            break;
        case QTextBlockFormat::FixedHeight:
            aus += "\\sl-" + QByteArray::number(pixelZuTwips(f.lineHeight())) + "\\slmult0";
            break;
        default:
            break;
        }
    }
}

QByteArray Schreiber::schreiben()
{
    sammeln();
    QByteArray rumpf;
    rumpf.reserve(doc.characterCount() * 2 + 1024);
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        absatzformat(rumpf, b.blockFormat());
        if (b.length() <= 1) {
            zeichenformat(rumpf, b.charFormat());
            rumpf.chop(1);
        }
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            rumpf += '{';
            zeichenformat(rumpf, fr.charFormat());
            text(rumpf, fr.text());
            rumpf += '}';
        }
        rumpf += "\\par\r\n";
    }

    QByteArray aus = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031\r\n{\\fonttbl";
    for (std::size_t i = 0; i < schriften.size(); ++i) {
        aus += "{\\f" + QByteArray::number(qsizetype(i)) + "\\fnil\\fcharset0 ";
        text(aus, schriften[i]);
        aus += ";}";
    }
    aus += "}\r\n{\\colortbl ;";
    for (const QRgb c : farben) {
        aus += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) +
               "\\blue" + QByteArray::number(qBlue(c)) + ';';
    }
    aus += "}\r\n\\viewkind4\\uc1\r\n";
    aus += rumpf;
    aus += "}\r\n";
    return aus;
}

} // namespace

QByteArray rtfSchreiben(const QTextDocument &doc)
{
    Schreiber s(doc);
    return s.schreiben();
}
