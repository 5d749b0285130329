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

#include "common/rtf/rtfleser.h"

#include <QTextDocument>

#include <algorithm>
#include <cctype>

using namespace Qt::StringLiterals;

namespace rtfintern {

namespace {

// Ein Byte, das textbyte nur an roh anhaengt: kein Steuerbyte, keine Klammer, kein Backslash.
bool istEinfachesTextbyte(char c)
{
    return static_cast<unsigned char>(c) >= 0x20 && c != '\\' && c != '{' && c != '}';
}

} // namespace

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
                tabellenGeaendert();
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
            // Gewoehnliche Textbytes in einem Stueck: ein Byte nach dem anderen kostete bei
            // einem Dokument von 1 MiB spuerbar.
            qsizetype ende = pos + 1;
            while (ende < d.size() && istEinfachesTextbyte(d[ende])) {
                ++ende;
            }
            const QByteArrayView bytes = d.sliced(pos, ende - pos);
            pos = ende;
            if (!stapel.empty()) {
                textbytes(bytes);
            }
        }
    }
    rohLeeren();
    laufLeeren();
    if (!abbruch) {
        if (!absatzAusstehend) {
            absatzAusgeben(absatzBlockformat(stapel.empty() ? letztesAbsatzformat : g().a),
                           nullptr);
        }
        stueckLeeren();
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

void Leser::textbytes(QByteArrayView bytes)
{
    // Wie textbyte fuer jedes Byte; Ersatzzeichen nach \uN einzeln, der Rest am Stueck.
    while (!bytes.isEmpty() && (ucUebrig > 0 || !istEinfachesTextbyte(bytes.front()))) {
        textbyte(bytes.front());
        bytes = bytes.sliced(1);
    }
    if (bytes.isEmpty() || g().ziel == Ziel::Ueberspringen) {
        return;
    }
    textbyte(bytes.front());
    roh.append(bytes.sliced(1));
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
        tabellenGeaendert();
        return;
    default:
        break;
    }
    if (gr.ziel == Ziel::Schrifttabelle) {
        tabellenGeaendert();
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
        tabellenGeaendert();
        break;
    default:
        formatWort(e.wort, n, hatZahl, z, a);
        break;
    }
}

} // namespace rtfintern

RtfLeseErgebnis rtfLesen(QByteArrayView rtf, QTextDocument &doc)
{
    // Das Einlesen soll keinen Rueckgaengig-Verlauf anlegen (Zeit und Speicher).
    const bool rueckgaengig = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    rtfintern::Leser l(rtf, doc);
    const RtfLeseErgebnis e = l.lesen();
    doc.setUndoRedoEnabled(rueckgaengig);
    return e;
}
