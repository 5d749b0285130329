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
    roh.resize(0); // behaelt den Speicher fuer das naechste Textstueck
    text(t);
}

void Leser::text(QStringView t)
{
    if (stapel.empty()) {
        return;
    }
    Gruppe &gr = g();
    switch (gr.ziel) {
    case Ziel::Ueberspringen:
        return;
    case Ziel::Schrifttabelle: {
        tabellenGeaendert();
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
        tabellenGeaendert();
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
    // Steuerzeichen aus \uN oder fremden Codeseiten wuerden im Dokument neue Bloecke (auch
    // U+FDD0/U+FDD1, Anfang und Ende eines Rahmens) oder Objekte anlegen; nur der Tabulator
    // bleibt.
    const auto verboten = [](QChar x) {
        return (x.unicode() < 0x20 && x != u'\t') || x == QChar::ParagraphSeparator ||
               x == QChar::ObjectReplacementCharacter || x.unicode() == 0xFDD0 ||
               x.unicode() == 0xFDD1;
    };
    for (const QChar c : t) {
        if (verboten(c)) {
            QString sauber = t.toString();
            sauber.removeIf(verboten);
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
    absatzNeu = true;
    absatzMarkenformat = zeichenformat(g().z);
    absatzLeer = true;
}

void Leser::laufLeeren()
{
    if (lauf.isEmpty()) {
        return;
    }
    absatzLaeufe.push_back({lauf, zeichenformat(laufFormat)});
    lauf.resize(0);
}

void Leser::absatzEnde()
{
    neuerBlockFallsAusstehend();
    if (abbruch) {
        return;
    }
    laufLeeren();
    if (absatzLeer) {
        // Das Format eines leeren Absatzes (Schriftgroesse der Absatzmarke) bleibt erhalten.
        const QTextCharFormat marke = zeichenformat(g().z);
        absatzAusgeben(absatzBlockformat(g().a), &marke);
    } else {
        absatzAusgeben(absatzBlockformat(g().a), nullptr);
    }
    absatzAusstehend = true;
}

void Leser::absatzAusgeben(const QTextBlockFormat &format, const QTextCharFormat *leereMarke)
{
    if (absatzNeu) {
        // Die Marke eines neuen leeren Absatzes traegt schon ihr Format.
        blockAusgeben(format, absatzMarkenformat);
        absatzNeu = false;
    } else {
        // Der erste Block des Dokuments besteht schon; vor ihm steht nichts aus.
        stueckLeeren();
        cursor.setBlockFormat(format);
        if (leereMarke) {
            cursor.setBlockCharFormat(*leereMarke);
        }
        blockformatAmCursor = format;
    }
    for (const Lauf &l : absatzLaeufe) {
        laufAusgeben(l.text, l.format);
    }
    absatzLaeufe.clear();
}

void Leser::blockAusgeben(const QTextBlockFormat &format, const QTextCharFormat &marke)
{
    if (format == blockformatAmCursor && (stueck.isEmpty() || marke == stueckFormat)) {
        if (stueck.isEmpty()) {
            stueckFormat = marke;
        }
        stueck += QChar::ParagraphSeparator;
        return;
    }
    stueckLeeren();
    cursor.insertBlock(format, marke);
    blockformatAmCursor = format;
}

void Leser::laufAusgeben(const QString &t, const QTextCharFormat &format)
{
    if (!stueck.isEmpty() && !(format == stueckFormat)) {
        stueckLeeren();
    }
    if (stueck.isEmpty()) {
        stueckFormat = format;
    }
    stueck += t;
}

void Leser::stueckLeeren()
{
    if (stueck.isEmpty()) {
        return;
    }
    cursor.insertText(stueck, stueckFormat);
    stueck.resize(0);
}

QTextBlockFormat Leser::absatzBlockformat(const Absatzformat &a)
{
    if (!letztesBlockformat || !(letztesBlockformat->first == a)) {
        letztesBlockformat.emplace(a, blockformat(a));
    }
    return letztesBlockformat->second;
}

QTextCharFormat Leser::zeichenformat(const Zeichenformat &z)
{
    for (const auto &[gemerkt, format] : zeichenformate) {
        if (gemerkt == z) {
            return format;
        }
    }
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
    // Ein Dokument hat wenige verschiedene Formate; mehr als diese werden neu gebildet.
    if (zeichenformate.size() < 16) {
        zeichenformate.emplace_back(z, f);
    }
    return f;
}

} // namespace rtfintern
