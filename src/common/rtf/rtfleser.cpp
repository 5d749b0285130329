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

#include <QHash>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <array>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxFarben = 32767;
constexpr int kMaxSchriften = 4096;
constexpr int kMaxNamenslaenge = 256;

struct Zeichenformat
{
    int schrift = -1; // Index der Schrifttabelle; -1: \deff
    int halbpunkte = 24;
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    bool durchgestrichen = false;
    int farbe = 0;       // Index der Farbtabelle; 0: automatisch
    int hintergrund = 0; // Index der Farbtabelle; 0: keiner
    bool operator==(const Zeichenformat &) const = default;
};

struct Absatzformat
{
    int links = 0; // Twips
    int erste = 0;
    int rechts = 0;
    int vorher = 0;
    int nachher = 0;
    int abstand = 0; // \sl
    bool mehrfach = false;
    Qt::Alignment ausrichtung = Qt::AlignLeft;
    QTextOption::TabType tabArt = QTextOption::LeftTab; // fuer den naechsten \tx
    QList<QTextOption::Tab> tabs;
};

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

enum class Wort {
    Unbekannt,
    Ueberspringen,
    Bin,
    U,
    Uc,
    Par,
    Zelle,
    Zeile,
    Line,
    Tab,
    Zeichen,
    Ansicpg,
    Ansi,
    Mac,
    Pc,
    Pca,
    Deff,
    Plain,
    B,
    I,
    Ulnone,
    Ul,
    Strike,
    Fs,
    F,
    Cf,
    Hintergrund,
    Pard,
    Li,
    Fi,
    Ri,
    Sb,
    Sa,
    Sl,
    Slmult,
    Ql,
    Qc,
    Qr,
    Qj,
    Tqr,
    Tqc,
    Tqdec,
    Tx,
    Fonttbl,
    Colortbl,
    Fcharset,
    Cpg,
    Red,
    Green,
    Blue,
};

struct WortEintrag
{
    Wort wort;
    char16_t zeichen = 0; // fuer Wort::Zeichen
};

// Steuerwoerter, die der Leser kennt; alle anderen werden uebergangen.
const std::unordered_map<std::string_view, WortEintrag> &woerter()
{
    static const std::unordered_map<std::string_view, WortEintrag> tabelle = [] {
        std::unordered_map<std::string_view, WortEintrag> t;
        // Ziele, deren Inhalt kein sichtbarer Text ist.
        for (const char *z : {"stylesheet",
                              "info",
                              "pict",
                              "shp",
                              "shpinst",
                              "shppict",
                              "nonshppict",
                              "object",
                              "header",
                              "headerl",
                              "headerr",
                              "headerf",
                              "footer",
                              "footerl",
                              "footerr",
                              "footerf",
                              "footnote",
                              "annotation",
                              "atnid",
                              "atnauthor",
                              "fldinst",
                              "xe",
                              "tc",
                              "txe",
                              "rxe",
                              "listtable",
                              "revtbl",
                              "rsidtbl",
                              "filetbl",
                              "themedata",
                              "generator",
                              "pgdsctbl",
                              "private",
                              "pn",
                              "comment",
                              "author",
                              "operator",
                              "title",
                              "subject",
                              "keywords",
                              "doccomm",
                              "buptim",
                              "creatim",
                              "revtim",
                              "printim",
                              "bkmkstart",
                              "bkmkend",
                              "template",
                              "userprops",
                              "xmlnstbl",
                              "ftnsep",
                              "ftnsepc",
                              "aftnsep",
                              "aftnsepc",
                              "ftncn",
                              "aftncn",
                              "datastore",
                              "latentstyles",
                              "colorschememapping",
                              "listoverridetable",
                              "mmathPr",
                              "wgrffmtfilter",
                              "objdata",
                              "company",
                              "manager",
                              "category",
                              "hlinkbase",
                              "nextfile",
                              "password",
                              "docvar",
                              "datafield"}) {
            t[z] = {Wort::Ueberspringen};
        }
        for (const char *z : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                              "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd",
                              "ulthldash", "ululdbwave", "ulw", "ulwave"}) {
            t[z] = {Wort::Ul};
        }
        const std::pair<const char *, char16_t> zeichen[] = {
            {"emdash", 0x2014},    {"endash", 0x2013},
            {"bullet", 0x2022},    {"lquote", 0x2018},
            {"rquote", 0x2019},    {"ldblquote", 0x201C},
            {"rdblquote", 0x201D}, {"emspace", 0x2003},
            {"enspace", 0x2002},   {"line", QChar::LineSeparator},
            {"tab", u'\t'},
        };
        for (const auto &[name, c] : zeichen) {
            t[name] = {Wort::Zeichen, c};
        }
        const std::pair<const char *, Wort> rest[] = {
            {"bin", Wort::Bin},
            {"u", Wort::U},
            {"uc", Wort::Uc},
            {"par", Wort::Par},
            {"cell", Wort::Zelle},
            {"nestcell", Wort::Zelle},
            {"row", Wort::Zeile},
            {"nestrow", Wort::Zeile},
            {"ansicpg", Wort::Ansicpg},
            {"ansi", Wort::Ansi},
            {"mac", Wort::Mac},
            {"pc", Wort::Pc},
            {"pca", Wort::Pca},
            {"deff", Wort::Deff},
            {"plain", Wort::Plain},
            {"b", Wort::B},
            {"i", Wort::I},
            {"ulnone", Wort::Ulnone},
            {"strike", Wort::Strike},
            {"striked", Wort::Strike},
            {"fs", Wort::Fs},
            {"f", Wort::F},
            {"cf", Wort::Cf},
            {"highlight", Wort::Hintergrund},
            {"cb", Wort::Hintergrund},
            {"chcbpat", Wort::Hintergrund},
            {"pard", Wort::Pard},
            {"li", Wort::Li},
            {"fi", Wort::Fi},
            {"ri", Wort::Ri},
            {"sb", Wort::Sb},
            {"sa", Wort::Sa},
            {"sl", Wort::Sl},
            {"slmult", Wort::Slmult},
            {"ql", Wort::Ql},
            {"qc", Wort::Qc},
            {"qr", Wort::Qr},
            {"qj", Wort::Qj},
            {"tqr", Wort::Tqr},
            {"tqc", Wort::Tqc},
            {"tqdec", Wort::Tqdec},
            {"tx", Wort::Tx},
            {"tb", Wort::Tx},
            {"fonttbl", Wort::Fonttbl},
            {"colortbl", Wort::Colortbl},
            {"fcharset", Wort::Fcharset},
            {"cpg", Wort::Cpg},
            {"red", Wort::Red},
            {"green", Wort::Green},
            {"blue", Wort::Blue},
        };
        for (const auto &[name, w] : rest) {
            t[name] = {w};
        }
        return t;
    }();
    return tabelle;
}

WortEintrag nachschlagen(QByteArrayView w)
{
    const auto &t = woerter();
    const auto it = t.find(std::string_view(w.data(), std::size_t(w.size())));
    return it == t.end() ? WortEintrag{Wort::Unbekannt} : it->second;
}

int codeseiteZuZeichensatz(qint64 zeichensatz)
{
    switch (zeichensatz) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return 0;
    }
}

bool istDoppelbyte(int cp)
{
    return cp == 932 || cp == 936 || cp == 949 || cp == 950;
}

QByteArray codeseitenName(int cp)
{
    switch (cp) {
    case 10000:
        return "macintosh";
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "EUC-KR";
    case 950:
        return "Big5";
    default:
        return "windows-" + QByteArray::number(cp);
    }
}

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
    QTextBlockFormat absatzformat(const Absatzformat &a) const;
    QString dekodieren(const QByteArray &bytes, int cp);

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
    QHash<int, std::array<char16_t, 256>> tabellen;
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
        cursor.setBlockFormat(absatzformat(stapel.empty() ? letztesAbsatzformat : g().a));
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
    const bool an = !hatZahl || n != 0;
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
    case Wort::Plain:
        z = Zeichenformat{};
        break;
    case Wort::B:
        z.fett = an;
        break;
    case Wort::I:
        z.kursiv = an;
        break;
    case Wort::Ulnone:
        z.unterstrichen = false;
        break;
    case Wort::Ul:
        z.unterstrichen = an;
        break;
    case Wort::Strike:
        z.durchgestrichen = an;
        break;
    case Wort::Fs:
        z.halbpunkte = hatZahl && n > 0 ? std::min(n, 3276) : 24;
        break;
    case Wort::F:
        z.schrift = n;
        break;
    case Wort::Cf:
        z.farbe = n;
        break;
    case Wort::Hintergrund:
        z.hintergrund = n;
        break;
    case Wort::Pard:
        a = Absatzformat{};
        break;
    case Wort::Li:
        a.links = n;
        break;
    case Wort::Fi:
        a.erste = n;
        break;
    case Wort::Ri:
        a.rechts = n;
        break;
    case Wort::Sb:
        a.vorher = n;
        break;
    case Wort::Sa:
        a.nachher = n;
        break;
    case Wort::Sl:
        a.abstand = n;
        break;
    case Wort::Slmult:
        a.mehrfach = an;
        break;
    case Wort::Ql:
        a.ausrichtung = Qt::AlignLeft;
        break;
    case Wort::Qc:
        a.ausrichtung = Qt::AlignHCenter;
        break;
    case Wort::Qr:
        a.ausrichtung = Qt::AlignRight;
        break;
    case Wort::Qj:
        a.ausrichtung = Qt::AlignJustify;
        break;
    case Wort::Tqr:
        a.tabArt = QTextOption::RightTab;
        break;
    case Wort::Tqc:
        a.tabArt = QTextOption::CenterTab;
        break;
    case Wort::Tqdec:
        a.tabArt = QTextOption::DelimiterTab;
        break;
    case Wort::Tx:
        if (a.tabs.size() < 64 && n >= 0) {
            a.tabs.append(
                QTextOption::Tab(twipsZuPixel(n), a.tabArt,
                                 a.tabArt == QTextOption::DelimiterTab ? QChar(u',') : QChar()));
        }
        a.tabArt = QTextOption::LeftTab;
        break;
    default:
        break; // unbekannt oder nur in Tabellen von Bedeutung
    }
}

QString Leser::dekodieren(const QByteArray &bytes, int cp)
{
    if (cp == 1252) {
        return ansiDekodieren(bytes);
    }
    if (istDoppelbyte(cp)) {
        QStringDecoder dec(codeseitenName(cp).constData(), QStringConverter::Flag::Stateless);
        if (dec.isValid()) {
            return dec.decode(bytes);
        }
        return ansiDekodieren(bytes);
    }
    auto it = tabellen.find(cp);
    if (it == tabellen.end()) {
        std::array<char16_t, 256> t{};
        QStringDecoder dec(codeseitenName(cp).constData(), QStringConverter::Flag::Stateless);
        for (int b = 0; b < 256; ++b) {
            QString s;
            if (dec.isValid()) {
                s = dec.decode(QByteArray(1, char(b)));
            }
            t[b] = s.size() == 1 ? s[0].unicode()
                                 : ansiDekodieren(QByteArray(1, char(b)))[0].unicode();
        }
        it = tabellen.insert(cp, t);
    }
    QString s(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        s[i] = QChar((*it)[static_cast<unsigned char>(bytes[i])]);
    }
    return s;
}

void Leser::rohLeeren()
{
    if (roh.isEmpty()) {
        return;
    }
    const QString t = dekodieren(roh, rohCodeseite);
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
    cursor.setBlockFormat(absatzformat(g().a));
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

QTextBlockFormat Leser::absatzformat(const Absatzformat &a) const
{
    QTextBlockFormat f;
    if (a.links != 0) {
        f.setLeftMargin(twipsZuPixel(a.links));
    }
    if (a.erste != 0) {
        f.setTextIndent(twipsZuPixel(a.erste));
    }
    if (a.rechts != 0) {
        f.setRightMargin(twipsZuPixel(a.rechts));
    }
    if (a.vorher != 0) {
        f.setTopMargin(twipsZuPixel(a.vorher));
    }
    if (a.nachher != 0) {
        f.setBottomMargin(twipsZuPixel(a.nachher));
    }
    if (a.ausrichtung != Qt::AlignLeft) {
        f.setAlignment(a.ausrichtung);
    }
    if (!a.tabs.isEmpty()) {
        f.setTabPositions(a.tabs);
    }
    if (a.abstand != 0) {
        if (a.mehrfach && a.abstand > 0) {
            f.setLineHeight(a.abstand * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
        } else if (a.abstand > 0) {
            f.setLineHeight(twipsZuPixel(a.abstand), QTextBlockFormat::MinimumHeight);
        } else {
            f.setLineHeight(twipsZuPixel(-qint64(a.abstand)), QTextBlockFormat::FixedHeight);
        }
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
