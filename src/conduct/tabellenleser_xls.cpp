// BIFF8-Arbeitsmappe (.xls): libgsf oeffnet die OLE2-Verbunddatei, die wenigen noetigen Saetze
// liest dieser eigene Leser. Ein Satz ist: Typ (u16), Laenge (u16), Daten; alles little-endian.
//
//   0x0085 BOUNDSHEET8  Position des Blattes im Strom (u32), Zustand, Art, Name
//   (ShortXLUnicodeString) 0x00FC SST          gemeinsame Texte, fortgesetzt in 0x003C CONTINUE
//   0x0809 BOF / 0x000A EOF  Anfang und Ende eines Teilstroms
//   0x0203 NUMBER       Zeile, Spalte, XF, double
//   0x027E RK           Zeile, Spalte, XF, RK-Zahl
//   0x00BD MULRK        Zeile, erste Spalte, n x (XF, RK), letzte Spalte
//   0x00FD LABELSST     Zeile, Spalte, XF, Index in SST
//   0x0204 LABEL        Zeile, Spalte, XF, XLUnicodeString
//   0x0006 FORMULA      Zeile, Spalte, XF, 8 Bytes Ergebnis (0xFFFF in Byte 6-7: kein double;
//                       Byte 0 = 0 Text im folgenden STRING-Satz 0x0207)
// glib vor Qt: Qt definiert "signals" als Makro, glib nutzt den Namen als Feld.
#include <gsf/gsf.h>

#include "conduct/tabellenleser.h"

#include <cstring>
#include <mutex>

using namespace Qt::StringLiterals;

namespace {

quint16 u16(const uchar *p)
{
    return quint16(p[0] | (p[1] << 8));
}
quint32 u32(const uchar *p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}
double f64(const uchar *p)
{
    quint64 bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = (bits << 8) | p[i];
    }
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

double rkWert(quint32 rk)
{
    double d;
    if (rk & 0x02) {
        d = double(qint32(rk) >> 2);
    } else {
        const quint64 bits = quint64(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&d, &bits, sizeof d);
    }
    return (rk & 0x01) ? d / 100.0 : d;
}

struct Satz
{
    quint16 typ = 0;
    const uchar *daten = nullptr;
    int laenge = 0;
};

// Laeuft ueber die Saetze ab einer Position; bleibt am Ende oder bei einem abgeschnittenen Satz
// stehen.
class Satzleser
{
public:
    Satzleser(const QByteArray &strom, qint64 ab)
        : s(strom)
        , pos(ab)
    {}
    bool naechster(Satz &satz)
    {
        if (pos < 0 || pos + 4 > s.size()) {
            return false;
        }
        const uchar *p = reinterpret_cast<const uchar *>(s.constData()) + pos;
        satz.typ = u16(p);
        satz.laenge = u16(p + 2);
        if (pos + 4 + satz.laenge > s.size()) {
            return false;
        }
        satz.daten = p + 4;
        pos += 4 + satz.laenge;
        return true;
    }
    qint64 position() const { return pos; }

private:
    const QByteArray &s;
    qint64 pos;
};

// Liest ueber die Grenzen von SST und CONTINUE hinweg.
class Stueckleser
{
public:
    explicit Stueckleser(std::vector<Satz> teile)
        : stuecke(std::move(teile))
    {}
    bool ende() const { return i >= stuecke.size(); }
    bool byte(uchar &b)
    {
        weiter();
        if (ende()) {
            return false;
        }
        b = stuecke[i].daten[off++];
        return true;
    }
    bool wort(quint16 &w)
    {
        uchar a, b;
        if (!byte(a) || !byte(b)) {
            return false;
        }
        w = quint16(a | (b << 8));
        return true;
    }
    bool dwort(quint32 &w)
    {
        quint16 a, b;
        if (!wort(a) || !wort(b)) {
            return false;
        }
        w = quint32(a) | (quint32(b) << 16);
        return true;
    }
    bool ueberspringen(quint64 n)
    {
        while (n > 0) {
            weiter();
            if (ende()) {
                return false;
            }
            const quint64 rest = quint64(stuecke[i].laenge - off);
            const quint64 schritt = std::min(rest, n);
            off += int(schritt);
            n -= schritt;
        }
        return true;
    }
    // Zeichen eines Textes; an jeder Stueckgrenze steht ein neues Options-Byte.
    bool zeichen(int anzahl, bool breit, QString &text)
    {
        text.reserve(anzahl);
        for (int n = 0; n < anzahl;) {
            if (off >= stuecke[i].laenge) {
                ++i;
                off = 0;
                if (ende() || stuecke[i].laenge < 1) {
                    return false;
                }
                breit = stuecke[i].daten[off++] & 0x01;
            }
            const int breite = breit ? 2 : 1;
            if (off + breite > stuecke[i].laenge) {
                return false;
            }
            const uchar *p = stuecke[i].daten + off;
            text += breit ? QChar(u16(p)) : QChar(QLatin1Char(char(p[0])));
            off += breite;
            ++n;
        }
        return true;
    }

private:
    void weiter()
    {
        while (i < stuecke.size() && off >= stuecke[i].laenge) {
            ++i;
            off = 0;
        }
    }
    std::vector<Satz> stuecke;
    size_t i = 0;
    int off = 0;
};

std::vector<QString> sstLesen(std::vector<Satz> teile)
{
    std::vector<QString> texte;
    if (teile.empty() || teile[0].laenge < 8) {
        return texte;
    }
    const quint32 anzahl = u32(teile[0].daten + 4);
    teile[0].daten += 8;
    teile[0].laenge -= 8;
    Stueckleser l(std::move(teile));
    for (quint32 n = 0; n < anzahl && !l.ende(); ++n) {
        quint16 cch;
        uchar flags;
        if (!l.wort(cch) || !l.byte(flags)) {
            break;
        }
        quint16 laeufe = 0;
        quint32 ext = 0;
        if ((flags & 0x08) && !l.wort(laeufe)) {
            break;
        }
        if ((flags & 0x04) && !l.dwort(ext)) {
            break;
        }
        QString text;
        if (!l.zeichen(cch, flags & 0x01, text)) {
            break;
        }
        texte.push_back(text);
        if (!l.ueberspringen(quint64(laeufe) * 4 + ext)) {
            break;
        }
    }
    return texte;
}

// XLUnicodeString (cch u16, Flags, Zeichen) bzw. ShortXLUnicodeString (cch u8, Flags, Zeichen).
std::optional<QString> einfacherText(const uchar *p, int laenge, bool kurz)
{
    const int kopf = kurz ? 2 : 3;
    if (laenge < kopf) {
        return std::nullopt;
    }
    const int cch = kurz ? p[0] : u16(p);
    const bool breit = p[kopf - 1] & 0x01;
    if (kopf + cch * (breit ? 2 : 1) > laenge) {
        return std::nullopt;
    }
    QString t;
    for (int i = 0; i < cch; ++i) {
        t += breit ? QChar(u16(p + kopf + 2 * i)) : QChar(QLatin1Char(char(p[kopf + i])));
    }
    return t;
}

// Der Strom "Workbook" der Verbunddatei; leer, wenn es ihn nicht gibt.
std::optional<QByteArray> arbeitsmappe(const QByteArray &datei, QString &fehler)
{
    static std::once_flag einmal;
    std::call_once(einmal, [] {
        gsf_init();
        // Klagen ueber beschaedigte Dateien gehen nicht auf stderr; der Aufrufer meldet selbst.
        g_log_set_handler(
            "libgsf:msole", GLogLevelFlags(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING),
            [](const gchar *, GLogLevelFlags, const gchar *, gpointer) {}, nullptr);
    });
    GsfInput *ein = gsf_input_memory_new(reinterpret_cast<const guint8 *>(datei.constData()),
                                         datei.size(), FALSE);
    if (!ein) {
        fehler = u"keine OLE2-Verbunddatei"_s;
        return std::nullopt;
    }
    GError *err = nullptr;
    GsfInfile *ole = gsf_infile_msole_new(ein, &err);
    g_object_unref(ein);
    if (!ole) {
        if (err) {
            g_error_free(err);
        }
        fehler = u"keine OLE2-Verbunddatei"_s;
        return std::nullopt;
    }
    GsfInput *strom = gsf_infile_child_by_name(ole, "Workbook");
    g_object_unref(ole);
    if (!strom) {
        fehler = u"kein BIFF8-Arbeitsmappenstrom"_s;
        return std::nullopt;
    }
    const gsf_off_t groesse = gsf_input_size(strom);
    std::optional<QByteArray> bytes;
    if (groesse < 0 || groesse > kGrenzeTabelle) {
        fehler = u"Arbeitsmappe zu groß"_s;
    } else {
        QByteArray b(qsizetype(groesse), '\0');
        if (groesse == 0 ||
            gsf_input_read(strom, size_t(groesse), reinterpret_cast<guint8 *>(b.data()))) {
            bytes = std::move(b);
        } else {
            fehler = u"Arbeitsmappe nicht lesbar"_s;
        }
    }
    g_object_unref(strom);
    return bytes;
}

} // namespace

SpaltenWerte spalteAusXls(const QByteArray &datei, const QString &blatt, int spalte, int von,
                          int bis)
{
    SpaltenWerte e;
    e.werte.assign(size_t(std::max(0, bis - von + 1)), std::nullopt);
    const std::optional<QByteArray> strom = arbeitsmappe(datei, e.fehler);
    if (!strom) {
        return e;
    }
    // Globaler Teil: Blaetter und gemeinsame Texte.
    Satzleser globals(*strom, 0);
    Satz s;
    if (!globals.naechster(s) || s.typ != 0x0809 || s.laenge < 2 || u16(s.daten) != 0x0600) {
        e.fehler = u"keine BIFF8-Arbeitsmappe"_s;
        return e;
    }
    qint64 blattPos = -1;
    std::vector<Satz> sstTeile;
    bool inSst = false;
    while (globals.naechster(s) && s.typ != 0x000A) {
        if (s.typ == 0x0085 && s.laenge >= 8) {
            const std::optional<QString> name = einfacherText(s.daten + 6, s.laenge - 6, true);
            if (name && name->compare(blatt, Qt::CaseInsensitive) == 0 && s.daten[5] == 0 &&
                blattPos < 0) {
                blattPos = u32(s.daten);
            }
        }
        if (s.typ == 0x00FC) {
            sstTeile = {s};
            inSst = true;
        } else if (s.typ == 0x003C && inSst) {
            sstTeile.push_back(s);
        } else {
            inSst = false;
        }
    }
    if (blattPos < 0) {
        e.fehler = u"Blatt \""_s + blatt + u"\" fehlt"_s;
        return e;
    }
    const std::vector<QString> sst = sstLesen(sstTeile);

    Satzleser zellen(*strom, blattPos);
    if (!zellen.naechster(s) || s.typ != 0x0809) {
        e.fehler = u"Blatt \""_s + blatt + u"\" nicht lesbar"_s;
        return e;
    }
    const int zeile0 = von - 1, zeile1 = bis - 1, spalte0 = spalte - 1;
    auto setzen = [&](int zeile, int sp, std::optional<double> wert) {
        if (sp == spalte0 && zeile >= zeile0 && zeile <= zeile1) {
            e.werte[size_t(zeile - zeile0)] = wert;
        }
    };
    int tiefe = 1;
    int formelZeile = -1, formelSpalte = -1; // wartet auf STRING
    while (tiefe > 0 && zellen.naechster(s)) {
        const uchar *p = s.daten;
        const int n = s.laenge;
        if (s.typ == 0x0809) {
            ++tiefe;
            continue;
        }
        if (s.typ == 0x000A) {
            --tiefe;
            continue;
        }
        if (tiefe != 1) {
            continue;
        }
        if (s.typ != 0x0207) {
            formelZeile = -1;
        }
        switch (s.typ) {
        case 0x0203:
            if (n >= 14) {
                setzen(u16(p), u16(p + 2), f64(p + 6));
            }
            break;
        case 0x027E:
            if (n >= 10) {
                setzen(u16(p), u16(p + 2), rkWert(u32(p + 6)));
            }
            break;
        case 0x00BD:
            if (n >= 6) {
                const int erste = u16(p + 2);
                for (int i = 0; 4 + i * 6 + 6 <= n - 2; ++i) {
                    setzen(u16(p), erste + i, rkWert(u32(p + 4 + i * 6 + 2)));
                }
            }
            break;
        case 0x00FD:
            if (n >= 10) {
                const quint32 index = u32(p + 6);
                setzen(u16(p), u16(p + 2),
                       index < sst.size() ? zahlAusText(sst[index]) : std::nullopt);
            }
            break;
        case 0x0204:
            if (n >= 6) {
                const std::optional<QString> t = einfacherText(p + 6, n - 6, false);
                setzen(u16(p), u16(p + 2), t ? zahlAusText(*t) : std::nullopt);
            }
            break;
        case 0x0006:
            if (n >= 14) {
                if (u16(p + 12) != 0xFFFF) {
                    setzen(u16(p), u16(p + 2), f64(p + 6));
                } else {
                    setzen(u16(p), u16(p + 2), std::nullopt);
                    if (p[6] == 0) {
                        formelZeile = u16(p);
                        formelSpalte = u16(p + 2);
                    }
                }
            }
            break;
        case 0x0207:
            if (formelZeile >= 0) {
                const std::optional<QString> t = einfacherText(p, n, false);
                setzen(formelZeile, formelSpalte, t ? zahlAusText(*t) : std::nullopt);
                formelZeile = -1;
            }
            break;
        default:
            break;
        }
    }
    return e;
}
