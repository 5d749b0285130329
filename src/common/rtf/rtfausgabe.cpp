// Ausgabe des RTF-Lesers: Textbytes in der Codeseite dekodieren, Text der Schrift- und
// Farbtabelle zuordnen, Laeufe mit ihrem Zeichenformat und Absaetze mit ihrem Absatzformat in das
// Dokument schreiben. Steuerzeichen, die im Dokument Bloecke oder Objekte anlegen wuerden, fallen
// weg; die Zahl der Absaetze ist begrenzt.

#include "common/rtf/rtfleser.h"

#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace rtfintern {

void Leser::rohLeeren()
{
    if (roh.isEmpty()) {
        return;
    }
    const QString t = dekodierer.dekodieren(roh, rohCodeseite);
    roh.clear();
    text(t);
}

void Leser::text(const QString &t)
{
    if (stapel.empty()) {
        return;
    }
    Gruppe &gr = g();
    switch (gr.ziel) {
    case Ziel::Ueberspringen:
        return;
    case Ziel::Schrifttabelle: {
        auto it = schriften.find(aktSchrift);
        if (it == schriften.end()) {
            return;
        }
        for (const QChar c : t) {
            if (c == u';') {
                it->second.name = it->second.name.trimmed();
                aktSchrift = -1;
                return;
            }
            if (it->second.name.size() < kMaxNamenslaenge) {
                it->second.name.append(c);
            }
        }
        return;
    }
    case Ziel::Farbtabelle:
        for (const QChar c : t) {
            if (c == u';') {
                if (int(farben.size()) < kMaxFarben) {
                    farben.push_back(farbeGesetzt ? std::optional<QColor>(QColor(rot, gruen, blau))
                                                  : std::nullopt);
                }
                rot = gruen = blau = 0;
                farbeGesetzt = false;
            }
        }
        return;
    case Ziel::Text:
        break;
    }
    if (t.isEmpty()) {
        return;
    }
    // Steuerzeichen aus \uN oder fremden Codeseiten wuerden im Dokument neue Bloecke oder
    // Objekte anlegen; nur der Tabulator bleibt.
    for (const QChar c : t) {
        if ((c.unicode() < 0x20 && c != u'\t') || c == QChar::ParagraphSeparator ||
            c == QChar::ObjectReplacementCharacter) {
            QString sauber = t;
            sauber.removeIf([](QChar x) {
                return (x.unicode() < 0x20 && x != u'\t') || x == QChar::ParagraphSeparator ||
                       x == QChar::ObjectReplacementCharacter;
            });
            if (sauber.isEmpty()) {
                return;
            }
            text(sauber);
            return;
        }
    }
    neuerBlockFallsAusstehend();
    if (abbruch) {
        return;
    }
    if (!lauf.isEmpty() && !(laufFormat == gr.z)) {
        laufLeeren();
    }
    laufFormat = gr.z;
    letztesAbsatzformat = gr.a;
    lauf += t;
    absatzLeer = false;
}

void Leser::neuerBlockFallsAusstehend()
{
    if (!absatzAusstehend) {
        return;
    }
    absatzAusstehend = false;
    if (++absaetze > kRtfMaxAbsaetze) {
        fehler = u"Die Daten haben zu viele Absätze (mehr als %1)."_s.arg(kRtfMaxAbsaetze);
        abbruch = true;
        return;
    }
    cursor.insertBlock(QTextBlockFormat(), zeichenformat(g().z));
    absatzLeer = true;
}

void Leser::laufLeeren()
{
    if (lauf.isEmpty()) {
        return;
    }
    cursor.insertText(lauf, zeichenformat(laufFormat));
    lauf.clear();
}

void Leser::absatzEnde()
{
    neuerBlockFallsAusstehend();
    if (abbruch) {
        return;
    }
    laufLeeren();
    cursor.setBlockFormat(blockformat(g().a));
    if (absatzLeer) {
        // Das Format eines leeren Absatzes (Schriftgroesse der Absatzmarke) bleibt erhalten.
        cursor.setBlockCharFormat(zeichenformat(g().z));
    }
    absatzAusstehend = true;
}

QTextCharFormat Leser::zeichenformat(const Zeichenformat &z) const
{
    QTextCharFormat f;
    const int idx = z.schrift >= 0 ? z.schrift : standardSchrift;
    const auto it = schriften.find(idx);
    if (it != schriften.end() && !it->second.name.isEmpty()) {
        f.setFontFamilies(QStringList{it->second.name});
    }
    f.setFontPointSize(z.halbpunkte / 2.0);
    if (z.fett) {
        f.setFontWeight(QFont::Bold);
    }
    if (z.kursiv) {
        f.setFontItalic(true);
    }
    if (z.unterstrichen) {
        f.setFontUnderline(true);
    }
    if (z.durchgestrichen) {
        f.setFontStrikeOut(true);
    }
    if (z.farbe > 0 && z.farbe < int(farben.size()) && farben[z.farbe]) {
        f.setForeground(*farben[z.farbe]);
    }
    if (z.hintergrund > 0 && z.hintergrund < int(farben.size()) && farben[z.hintergrund]) {
        f.setBackground(*farben[z.hintergrund]);
    }
    return f;
}

} // namespace rtfintern
