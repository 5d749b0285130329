#include "common/rtf/rtfwoerter.h"

#include "common/ansitext.h"
#include "common/rtf/rtf.h"

#include <QStringDecoder>
#include <QTextBlockFormat>

#include <QChar>

#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace rtfintern {

namespace {

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

// FNV-1a; die Woerter sind kurz.
std::size_t streuwert(std::string_view w)
{
    std::uint32_t h = 2166136261u;
    for (const char c : w) {
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return h;
}

// Dieselben Woerter in einer offenen Streutafel ohne Knoten: ein Dokument hat ein Steuerwort je
// wenige Bytes, das Nachschlagen in der unordered_map kostete spuerbar.
struct Worttafel
{
    static constexpr std::size_t kGroesse = 1024; // Zweierpotenz, weit ueber der Zahl der Woerter
    std::array<std::string_view, kGroesse> namen{};
    std::array<WortEintrag, kGroesse> eintraege{};
};

const Worttafel &worttafel()
{
    static const Worttafel tafel = [] {
        Worttafel t;
        for (const auto &[name, eintrag] : woerter()) {
            std::size_t i = streuwert(name) & (Worttafel::kGroesse - 1);
            while (!t.namen[i].empty()) {
                i = (i + 1) & (Worttafel::kGroesse - 1);
            }
            t.namen[i] = name;
            t.eintraege[i] = eintrag;
        }
        return t;
    }();
    return tafel;
}

} // namespace

WortEintrag nachschlagen(QByteArrayView w)
{
    const Worttafel &t = worttafel();
    const std::string_view wort(w.data(), std::size_t(w.size()));
    for (std::size_t i = streuwert(wort) & (Worttafel::kGroesse - 1); !t.namen[i].empty();
         i = (i + 1) & (Worttafel::kGroesse - 1)) {
        if (t.namen[i] == wort) {
            return t.eintraege[i];
        }
    }
    return WortEintrag{Wort::Unbekannt};
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

void formatWort(Wort w, int n, bool hatZahl, Zeichenformat &z, Absatzformat &a)
{
    const bool an = !hatZahl || n != 0;
    switch (w) {
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
        break;
    }
}

QString Dekodierer::dekodieren(const QByteArray &bytes, int cp)
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

QTextBlockFormat blockformat(const Absatzformat &a)
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

} // namespace rtfintern
