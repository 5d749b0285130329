// RTF-Leser. Ein Durchgang ueber die Bytes ohne Rekursion: Gruppen liegen auf einem Stapel
// mit fester Obergrenze, \bin wird nur innerhalb der vorhandenen Bytes uebersprungen, jeder
// Schritt verbraucht mindestens ein Byte.
//
// Gelesen werden: Kopf (\rtf1 \ansi \ansicpg \deff, \mac \pc \pca), Schrift- und Farbtabelle,
// Absaetze (\par \pard \line, Tabellenzellen \cell \row als Absaetze), \tab, Zeichenformate
// (\b \i \ul \ulnone \strike \fs \f \cf \highlight \cb \chcbpat \plain), Absatzformate (\li \fi
// \ri \sb \sa \ql \qc \qr \qj \tx \tqr \tqc \tqdec \sl \slmult), \'hh in der Codeseite des
// Dokuments bzw. der Schrift, \uN mit \ucN, \{ \} \\ und die benannten Sonderzeichen. Jedes
// unbekannte Ziel ({\*\...}, Formatvorlagen, Infoblock, Bilder, Formen, Kopf- und Fusszeilen)
// wird uebersprungen; unbekannte Steuerwoerter werden uebergangen.

#include "common/ansitext.h"
#include "common/rtf/rtf.h"
#include "common/rtf/rtfwoerter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <map>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;
using namespace rtfintern;

namespace {

constexpr int kMaxFarben = 32767;
constexpr int kMaxSchriften = 4096;
constexpr int kMaxNamenslaenge = 256;

enum class Ziel { Text, Schrifttabelle, Farbtabelle, Ueberspringen };

struct Gruppe
{
    Zeichenformat z;
    Absatzformat a;
    Ziel ziel = Ziel::Text;
    int uc = 1;
};

struct Schrift
{
    QString name;
    int codeseite = 0; // 0: die des Dokuments
};

class Leser
{
public:
    Leser(QByteArrayView daten, QTextDocument &doc)
        : d(daten)
        , doc(doc)
        , cursor(&doc)
    {}
    RtfLeseErgebnis lesen();

private:
    // Zerlegung
    void steuerwort(QByteArrayView wort, bool hatZahl, qint64 zahl);
    void steuersymbol(char c);
    void textbyte(char b);

    // Ausgabe
    void rohLeeren();
    void text(const QString &t);
    void zeichen(QChar c) { text(QString(c)); }
    void laufLeeren();
    void absatzEnde();
    void neuerBlockFallsAusstehend();
    QTextCharFormat zeichenformat(const Zeichenformat &z) const;

    Gruppe &g() { return stapel.back(); }

    QByteArrayView d;
    qsizetype pos = 0;
    QTextDocument &doc;
    QTextCursor cursor;
    std::vector<Gruppe> stapel;
    QString fehler;
    bool abbruch = false;
    bool ende = false;

    int codeseite = 1252;
    int standardSchrift = 0;
    std::map<int, Schrift> schriften;
    int aktSchrift = 0; // in der Schrifttabelle
    std::vector<std::optional<QColor>> farben;
    int rot = 0, gruen = 0, blau = 0;
    bool farbeGesetzt = false;

    QByteArray roh; // noch nicht dekodierte Textbytes
    int rohCodeseite = 1252;
    int ucUebrig = 0; // noch zu ueberspringende Ersatzzeichen nach \uN

    QString lauf;
    Zeichenformat laufFormat;
    Absatzformat letztesAbsatzformat; // des zuletzt beschriebenen Absatzes
    bool absatzAusstehend = false;
    bool absatzLeer = true;
    int absaetze = 1;
    Dekodierer dekodierer;
};

RtfLeseErgebnis Leser::lesen()
{
    RtfLeseErgebnis erg;
    doc.clear();
    qsizetype start = 0;
    if (d.startsWith("\xEF\xBB\xBF")) {
        start = 3;
    }
    while (start < d.size() &&
           (d[start] == ' ' || d[start] == '\r' || d[start] == '\n' || d[start] == '\t')) {
        ++start;
    }
    if (d.size() > kRtfMaxBytes) {
        erg.fehler = u"Die Daten sind zu groß (mehr als %1 MiB)."_s.arg(kRtfMaxBytes >> 20);
        return erg;
    }
    if (!d.sliced(start).startsWith("{\\rtf")) {
        erg.fehler = u"Die Daten sind kein RTF (sie beginnen nicht mit \"{\\rtf\")."_s;
        return erg;
    }
    pos = start;
    cursor.beginEditBlock();
    while (pos < d.size() && !abbruch && !ende) {
        const char c = d[pos];
        if (c == '{') {
            ++pos;
            rohLeeren();
            ucUebrig = 0;
            if (int(stapel.size()) >= kRtfMaxTiefe) {
                fehler = u"Die Daten sind zu tief verschachtelt (mehr als %1 Gruppen)."_s.arg(
                    kRtfMaxTiefe);
                abbruch = true;
                break;
            }
            stapel.push_back(stapel.empty() ? Gruppe{} : stapel.back());
        } else if (c == '}') {
            ++pos;
            rohLeeren();
            ucUebrig = 0;
            if (stapel.empty()) {
                ende = true;
                break;
            }
            if (g().ziel == Ziel::Farbtabelle && farbeGesetzt) {
                // letzter Eintrag ohne abschliessendes ';'
                if (int(farben.size()) < kMaxFarben) {
                    farben.emplace_back(QColor(rot, gruen, blau));
                }
                farbeGesetzt = false;
            }
            stapel.pop_back();
            if (stapel.empty()) {
                ende = true;
            }
        } else if (c == '\\') {
            ++pos;
            if (pos >= d.size()) {
                break;
            }
            const char n = d[pos];
            if ((n >= 'a' && n <= 'z') || (n >= 'A' && n <= 'Z')) {
                const qsizetype wa = pos;
                while (pos < d.size() &&
                       ((d[pos] >= 'a' && d[pos] <= 'z') || (d[pos] >= 'A' && d[pos] <= 'Z'))) {
                    ++pos;
                }
                const QByteArrayView wort = d.sliced(wa, std::min<qsizetype>(pos - wa, 32));
                bool hatZahl = false;
                bool negativ = false;
                qint64 zahl = 0;
                if (pos + 1 < d.size() && d[pos] == '-' && d[pos + 1] >= '0' && d[pos + 1] <= '9') {
                    negativ = true;
                    ++pos;
                }
                while (pos < d.size() && d[pos] >= '0' && d[pos] <= '9') {
                    hatZahl = true;
                    if (zahl < 100000000000LL) {
                        zahl = zahl * 10 + (d[pos] - '0');
                    }
                    ++pos;
                }
                if (negativ) {
                    zahl = -zahl;
                }
                if (pos < d.size() && d[pos] == ' ') {
                    ++pos;
                }
                if (stapel.empty()) {
                    continue;
                }
                steuerwort(wort, hatZahl, zahl);
            } else {
                ++pos;
                if (!stapel.empty()) {
                    steuersymbol(n);
                }
            }
        } else {
            ++pos;
            if (!stapel.empty()) {
                textbyte(c);
            }
        }
    }
    rohLeeren();
    laufLeeren();
    if (!abbruch && !absatzAusstehend) {
        cursor.setBlockFormat(blockformat(stapel.empty() ? letztesAbsatzformat : g().a));
    }
    cursor.endEditBlock();
    if (abbruch) {
        doc.clear();
        erg.fehler = fehler;
        return erg;
    }
    if (!fehler.isEmpty()) {
        erg.hinweis = fehler;
    } else if (!stapel.empty()) {
        erg.hinweis = u"Die RTF-Daten sind unvollständig: %1 Gruppe(n) nicht geschlossen."_s.arg(
            stapel.size());
    }
    // Die Standardschrift des Dokuments ist die \deff-Schrift.
    if (const auto it = schriften.find(standardSchrift);
        it != schriften.end() && !it->second.name.isEmpty()) {
        QFont f = doc.defaultFont();
        f.setFamilies({it->second.name});
        doc.setDefaultFont(f);
    }
    return erg;
}

void Leser::textbyte(char b)
{
    if (b == '\r' || b == '\n') {
        return;
    }
    if (g().ziel == Ziel::Ueberspringen) {
        return;
    }
    if (ucUebrig > 0) {
        --ucUebrig;
        return;
    }
    if (b == '\t') {
        rohLeeren();
        zeichen(u'\t');
        return;
    }
    if (static_cast<unsigned char>(b) < 0x20) {
        return;
    }
    int cp = codeseite;
    const Zeichenformat &z = g().z;
    const int idx = z.schrift >= 0 ? z.schrift : standardSchrift;
    if (g().ziel == Ziel::Text) {
        const auto it = schriften.find(idx);
        if (it != schriften.end() && it->second.codeseite != 0) {
            cp = it->second.codeseite;
        }
    }
    if (cp != rohCodeseite) {
        rohLeeren();
        rohCodeseite = cp;
    }
    roh.append(b);
}

void Leser::steuersymbol(char c)
{
    if (c == '\'') {
        // \'hh: ein Byte in der Codeseite
        if (pos + 2 > d.size()) {
            pos = d.size();
            return;
        }
        const int hi = QByteArray::fromRawData(d.data() + pos, 2).toInt(nullptr, 16);
        const bool gueltig = std::isxdigit(static_cast<unsigned char>(d[pos])) &&
                             std::isxdigit(static_cast<unsigned char>(d[pos + 1]));
        pos += 2;
        if (!gueltig || g().ziel == Ziel::Ueberspringen) {
            return;
        }
        if (ucUebrig > 0) {
            --ucUebrig;
            return;
        }
        textbyte(static_cast<char>(hi));
        return;
    }
    rohLeeren();
    if (g().ziel == Ziel::Ueberspringen) {
        return;
    }
    switch (c) {
    case '*':
        g().ziel = Ziel::Ueberspringen;
        return;
    case '\\':
    case '{':
    case '}':
        if (ucUebrig > 0) {
            --ucUebrig;
            return;
        }
        zeichen(QLatin1Char(c));
        return;
    case '~':
        zeichen(QChar(0x00A0));
        return;
    case '_':
        zeichen(QChar(0x2011));
        return;
    case '\r':
    case '\n':
        absatzEnde();
        return;
    default:
        return; // \- \| \: und Unbekanntes
    }
}

void Leser::steuerwort(QByteArrayView w, bool hatZahl, qint64 zahl)
{
    const WortEintrag e = nachschlagen(w);
    if (e.wort == Wort::Bin) {
        // Binaerdaten: nur so weit ueberspringen, wie Bytes da sind.
        const qint64 n = hatZahl && zahl > 0 ? zahl : 0;
        if (n > d.size() - pos) {
            pos = d.size();
            fehler = u"Die RTF-Daten sind unvollständig: \\bin verlangt mehr Bytes, als da sind."_s;
        } else {
            pos += n;
        }
        return;
    }
    rohLeeren();
    Gruppe &gr = g();
    if (gr.ziel == Ziel::Ueberspringen) {
        return;
    }
    if (ucUebrig > 0 && e.wort != Wort::U) {
        --ucUebrig;
        return;
    }
    const int n = int(std::clamp<qint64>(zahl, -2000000000LL, 2000000000LL));
    Zeichenformat &z = gr.z;
    Absatzformat &a = gr.a;

    switch (e.wort) {
    case Wort::Ueberspringen:
        gr.ziel = Ziel::Ueberspringen;
        return;
    case Wort::Fonttbl:
        gr.ziel = Ziel::Schrifttabelle;
        return;
    case Wort::Colortbl:
        gr.ziel = Ziel::Farbtabelle;
        farben.clear();
        farbeGesetzt = false;
        return;
    default:
        break;
    }
    if (gr.ziel == Ziel::Schrifttabelle) {
        if (e.wort == Wort::F) {
            aktSchrift = n;
            if (int(schriften.size()) < kMaxSchriften || schriften.count(n)) {
                schriften[n] = Schrift{};
            }
        } else if (e.wort == Wort::Fcharset && schriften.count(aktSchrift)) {
            schriften[aktSchrift].codeseite = codeseiteZuZeichensatz(n);
        } else if (e.wort == Wort::Cpg && schriften.count(aktSchrift) && n > 0) {
            schriften[aktSchrift].codeseite = n;
        }
        return;
    }
    if (gr.ziel == Ziel::Farbtabelle) {
        const int wert = std::clamp(n, 0, 255);
        if (e.wort == Wort::Red) {
            rot = wert;
            farbeGesetzt = true;
        } else if (e.wort == Wort::Green) {
            gruen = wert;
            farbeGesetzt = true;
        } else if (e.wort == Wort::Blue) {
            blau = wert;
            farbeGesetzt = true;
        }
        return;
    }

    switch (e.wort) {
    case Wort::U: {
        ucUebrig = 0;
        const int wert = n < 0 ? n + 65536 : n;
        if (wert > 0 && wert <= 0xFFFF) {
            zeichen(QChar(char16_t(wert)));
        }
        ucUebrig = gr.uc;
        break;
    }
    case Wort::Uc:
        gr.uc = std::clamp(n, 0, 10);
        break;
    case Wort::Par:
    case Wort::Zelle:
        absatzEnde();
        break;
    case Wort::Zeile:
        if (!absatzAusstehend && !absatzLeer) {
            absatzEnde();
        }
        break;
    case Wort::Zeichen:
        zeichen(QChar(e.zeichen));
        break;
    case Wort::Ansicpg:
        if (n > 0) {
            codeseite = n;
        }
        break;
    case Wort::Ansi:
        codeseite = 1252;
        break;
    case Wort::Mac:
        codeseite = 10000;
        break;
    case Wort::Pc:
        codeseite = 437;
        break;
    case Wort::Pca:
        codeseite = 850;
        break;
    case Wort::Deff:
        standardSchrift = n;
        break;
    default:
        formatWort(e.wort, n, hatZahl, z, a);
        break;
    }
}

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

} // namespace

RtfLeseErgebnis rtfLesen(QByteArrayView rtf, QTextDocument &doc)
{
    // Das Einlesen soll keinen Rueckgaengig-Verlauf anlegen (Zeit und Speicher).
    const bool rueckgaengig = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    Leser l(rtf, doc);
    const RtfLeseErgebnis e = l.lesen();
    doc.setUndoRedoEnabled(rueckgaengig);
    return e;
}
