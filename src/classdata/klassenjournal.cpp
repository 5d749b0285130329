#include "classdata/klassenjournal.h"

#include "classdata/klassendatei.h"
#include "common/ordner.h"
#include "common/plattform.h"

#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QSysInfo>

#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kGrenzeJournal = 256LL * 1024 * 1024;
constexpr int kSatzKopf = 7; // "MJ" + Typ + Laenge
constexpr int kSatzRest = 4; // CRC-32
// Luecken bis zu dieser Laenge zwischen zwei Aenderungen werden mitgeschrieben (ein Stueck kostet
// 4 Bytes Verwaltung).
constexpr int kLueckeUeberbruecken = 4;

quint32 crc32(QByteArrayView daten)
{
    static const auto tabelle = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[i] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (const char b : daten) {
        c = tabelle[(c ^ quint8(b)) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

void u16(QByteArray &a, quint32 w)
{
    a.append(char(w & 0xFF)).append(char((w >> 8) & 0xFF));
}
void u32(QByteArray &a, quint32 w)
{
    u16(a, w & 0xFFFF);
    u16(a, w >> 16);
}
void i64(QByteArray &a, qint64 w)
{
    u32(a, quint32(quint64(w) & 0xFFFFFFFFu));
    u32(a, quint32(quint64(w) >> 32));
}
void text(QByteArray &a, const QString &t)
{
    const QByteArray b = t.toUtf8().left(1000);
    u16(a, quint32(b.size()));
    a.append(b);
}

// Liest little-endian aus einem Puffer; jeder Zugriff hinter das Ende setzt kaputt.
struct Leser
{
    QByteArrayView b;
    qsizetype pos = 0;
    bool kaputt = false;
    bool hat(qsizetype n)
    {
        if (pos + n > b.size()) {
            kaputt = true;
            return false;
        }
        return true;
    }
    quint32 u16()
    {
        if (!hat(2)) {
            return 0;
        }
        const quint32 w = quint8(b[pos]) | quint32(quint8(b[pos + 1])) << 8;
        pos += 2;
        return w;
    }
    quint32 u32()
    {
        const quint32 lo = u16();
        return lo | u16() << 16;
    }
    qint64 i64()
    {
        const quint64 lo = u32();
        return qint64(lo | quint64(u32()) << 32);
    }
    QByteArray bytes(qsizetype n)
    {
        if (!hat(n)) {
            return {};
        }
        QByteArray a = b.sliced(pos, n).toByteArray();
        pos += n;
        return a;
    }
    QString text() { return QString::fromUtf8(bytes(u16())); }
};

QByteArray satz(char typ, const QByteArray &nutz)
{
    QByteArray s;
    s.reserve(kSatzKopf + nutz.size() + kSatzRest);
    s.append("MJ", 2).append(typ);
    u32(s, quint32(nutz.size()));
    s.append(nutz);
    u32(s, crc32(QByteArrayView(s).sliced(2)));
    return s;
}

QByteArray eintragSatz(quint32 nummer, qint64 zeitMs, const QList<JournalStueck> &stuecke)
{
    QByteArray n;
    u32(n, nummer);
    i64(n, zeitMs);
    u16(n, quint32(stuecke.size()));
    for (const JournalStueck &s : stuecke) {
        u16(n, quint32(s.anfang));
        u16(n, quint32(s.bytes.size()));
        n.append(s.bytes);
    }
    return satz('E', n);
}

QString zeitText(qint64 ms, const QString &format)
{
    return QLocale(QLocale::German).toString(QDateTime::fromMSecsSinceEpoch(ms), format);
}

} // namespace

QString journalPfad(const QString &klassenPfad)
{
    return klassenPfad + kJournalEndung;
}

QString sicherungsOrdner(const QString &klassenPfad)
{
    return klassenPfad.left(klassenPfad.lastIndexOf(kTrenner) + 1) + kSicherungsordner + kTrenner;
}

JournalLesung journalZerlegen(const QByteArray &bytes)
{
    JournalLesung l;
    l.dateiLaenge = bytes.size();
    l.zustand = JournalLesung::Zustand::OhneKopf;
    qsizetype pos = 0;
    bool kopf = false;
    while (pos < bytes.size()) {
        const qsizetype rest = bytes.size() - pos;
        if (rest < kSatzKopf + kSatzRest) {
            l.unvollstaendig = bytes[pos] == 'M';
            break;
        }
        if (bytes[pos] != 'M' || bytes[pos + 1] != 'J') {
            break;
        }
        Leser kopfLeser{QByteArrayView(bytes).sliced(pos + 3, 4)};
        const qint64 laenge = kopfLeser.u32();
        if (laenge > rest - kSatzKopf - kSatzRest) {
            // Ein Satz, der ueber das Ende hinausreicht, ist beim Schreiben abgebrochen worden
            // (sofern die angegebene Laenge plausibel ist).
            l.unvollstaendig = laenge <= 2 * kKlassenDateiGroesse + 4096;
            break;
        }
        const QByteArrayView geprueft = QByteArrayView(bytes).sliced(pos + 2, 5 + laenge);
        Leser crcLeser{QByteArrayView(bytes).sliced(pos + kSatzKopf + laenge, 4)};
        if (crc32(geprueft) != crcLeser.u32()) {
            // Bis zum Dateiende reichend: ein Satz, dessen Bytes nicht mehr alle ankamen.
            l.unvollstaendig = pos + kSatzKopf + laenge + kSatzRest == bytes.size();
            break;
        }
        const char typ = bytes[pos + 2];
        Leser n{QByteArrayView(bytes).sliced(pos + kSatzKopf, laenge)};
        if (!kopf) {
            if (typ != 'K') {
                break;
            }
            l.kennung = n.bytes(16);
            l.beginnMs = n.i64();
            l.klassendatei = n.text();
            l.rechner = n.text();
            l.ausgang = n.bytes(kKlassenDateiGroesse);
            if (n.kaputt) {
                break;
            }
            l.stand = l.ausgang;
            kopf = true;
            l.zustand = JournalLesung::Zustand::Gelesen;
        } else {
            if (typ != 'E') {
                break;
            }
            JournalEintrag e;
            e.nummer = n.u32();
            e.zeitMs = n.i64();
            const int stuecke = int(n.u16());
            for (int i = 0; i < stuecke && !n.kaputt; ++i) {
                JournalStueck s;
                s.anfang = int(n.u16());
                s.bytes = n.bytes(n.u16());
                e.stuecke.append(s);
            }
            if (n.kaputt || e.nummer != quint32(l.eintraege.size() + 1)) {
                break;
            }
            eintragAnwenden(l.stand, e);
            l.eintraege.append(std::move(e));
        }
        pos += kSatzKopf + laenge + kSatzRest;
        l.gueltig = pos;
    }
    return l;
}

JournalLesung journalLesen(const QString &klassenPfad)
{
    const QString pfad = journalPfad(klassenPfad);
    if (plattform::eintrag(pfad).typ == plattform::Eintrag::Typ::Fehlt) {
        return {};
    }
    const BytesErgebnis b = plattform::ohneVerknuepfungLesen(pfad, kGrenzeJournal);
    if (!b.fehler.ok()) {
        JournalLesung l;
        l.zustand = JournalLesung::Zustand::Unlesbar;
        l.fehler = b.fehler.nummer;
        return l;
    }
    return journalZerlegen(b.bytes);
}

void eintragAnwenden(QByteArray &stand, const JournalEintrag &e)
{
    for (const JournalStueck &s : e.stuecke) {
        const qsizetype n = std::min<qsizetype>(s.bytes.size(), stand.size() - s.anfang);
        if (s.anfang < stand.size() && n > 0) {
            std::copy_n(s.bytes.constData(), n, stand.data() + s.anfang);
        }
    }
}

QList<JournalStueck> unterschiede(const QByteArray &alt, const QByteArray &neu)
{
    QList<JournalStueck> stuecke;
    const qsizetype n = neu.size();
    qsizetype i = 0;
    while (i < n) {
        if (i < alt.size() && alt[i] == neu[i]) {
            ++i;
            continue;
        }
        const qsizetype anfang = i;
        qsizetype ende = i + 1; // hinter der letzten Aenderung
        qsizetype j = ende;
        while (j < n) {
            if (j >= alt.size() || alt[j] != neu[j]) {
                ende = ++j;
            } else if (j - ende >= kLueckeUeberbruecken) {
                break;
            } else {
                ++j;
            }
        }
        // Ein Stueck hat hoechstens 65535 Bytes (die ganze Klasse passt in eins).
        stuecke.append({int(anfang), neu.mid(anfang, std::min<qsizetype>(ende - anfang, 65535))});
        i = std::max(ende, anfang + 1);
    }
    return stuecke;
}

void Klassenjournal::beginnen(const QString &klassenPfad, const QByteArray &stand)
{
    pfad = journalPfad(klassenPfad);
    klassendatei = QFileInfo(klassenPfad).fileName();
    zuletzt = stand;
    anfang = stand;
    laenge = 0;
    nummer = 0;
    kennung.clear();
}

void Klassenjournal::fortsetzen(const QString &klassenPfad, const JournalLesung &l)
{
    pfad = journalPfad(klassenPfad);
    klassendatei = QFileInfo(klassenPfad).fileName();
    zuletzt = l.stand;
    anfang = l.ausgang;
    laenge = l.gueltig;
    nummer = quint32(l.eintraege.size());
    kennung = l.kennung;
}

void Klassenjournal::beenden()
{
    pfad.clear();
    zuletzt.clear();
    anfang.clear();
    laenge = 0;
    nummer = 0;
}

DateiFehler Klassenjournal::eintragen(const QByteArray &neu, qint64 zeitMs)
{
    DateiFehler f;
    f.pfad = pfad;
    if (!aktiv() || neu == zuletzt) {
        return f;
    }
    QByteArray daten;
    if (laenge == 0) {
        kennung.resize(16);
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(kennung.data()), 4);
        QByteArray k = kennung;
        i64(k, zeitMs);
        text(k, klassendatei);
        text(k, QSysInfo::machineHostName());
        k.append(zuletzt.leftJustified(kKlassenDateiGroesse, '\0', true));
        daten = satz('K', k);
        nummer = 0;
    }
    daten.append(eintragSatz(nummer + 1, zeitMs, unterschiede(zuletzt, neu)));
    if (const int e = plattform::dauerhaftAnhaengen(pfad, daten, laenge)) {
        f.art = plattform::istVerbindungsfehler(e) ? DateiFehler::Art::Unerreichbar
                                                   : DateiFehler::Art::Schreibfehler;
        f.nummer = e;
        f.grund = plattform::fehlerText(e);
        if (laenge == 0) {
            nummer = 0;
        }
        return f;
    }
    laenge += daten.size();
    ++nummer;
    zuletzt = neu;
    return f;
}

void Klassenjournal::gespeichert(const QByteArray &stand)
{
    if (!pfad.isEmpty()) {
        plattform::dateiEntfernen(pfad);
    }
    zuletzt = stand;
    anfang = stand;
    laenge = 0;
    nummer = 0;
}

QString wiederherstellenFrage(const QString &klassenname, const JournalLesung &l)
{
    const qint64 erste = l.eintraege.isEmpty() ? l.beginnMs : l.eintraege.first().zeitMs;
    const qint64 letzte = l.eintraege.isEmpty() ? l.beginnMs : l.eintraege.last().zeitMs;
    const int n = int(l.eintraege.size());
    return u"Für die Klasse "_s + klassenname + u" gibt es "_s + QString::number(n) +
           (n == 1 ? u" ungespeicherte Eingabe vom "_s : u" ungespeicherte Eingaben vom "_s) +
           zeitText(erste, u"dd.MM.yyyy"_s) + u" (letzte um "_s + zeitText(letzte, u"HH:mm:ss"_s) +
           u" Uhr). Wiederherstellen?"_s;
}

QString journalVerlustMeldung(const QString &klassenPfad, const JournalLesung &l)
{
    const QString pfad = journalPfad(klassenPfad);
    switch (l.zustand) {
    case JournalLesung::Zustand::Fehlt:
        return {};
    case JournalLesung::Zustand::Unlesbar:
        return u"Das Journal "_s + pfad +
               u" der ungespeicherten Eingaben kann nicht gelesen werden ("_s +
               plattform::fehlerText(l.fehler) +
               u"). Die Klasse wird ohne diese Eingaben geöffnet; das Journal bleibt liegen."_s;
    case JournalLesung::Zustand::OhneKopf:
        return u"Das Journal "_s + pfad +
               u" ist von Anfang an beschädigt; es enthält keine lesbaren Eingaben. Die Klasse "
               "wird ohne sie geöffnet."_s;
    case JournalLesung::Zustand::Gelesen:
        break;
    }
    if (!l.verworfeneBytes()) {
        return {};
    }
    const QString vorher = l.eintraege.size() == 1
                               ? u" Wiederhergestellt wird die eine Eingabe davor."_s
                               : u" Wiederhergestellt werden die "_s +
                                     QString::number(l.eintraege.size()) + u" Eingaben davor."_s;
    if (l.unvollstaendig) {
        return u"Der letzte Eintrag im Journal "_s + pfad +
               u" ist unvollständig: das Programm wurde beendet, während er geschrieben wurde. "
               "Diese eine Eingabe war noch nicht bestätigt und fehlt."_s +
               vorher;
    }
    return u"Das Journal "_s + pfad + u" ist ab Byte "_s + QString::number(l.gueltig) +
           u" beschädigt; "_s + QString::number(l.dateiLaenge - l.gueltig) +
           u" Bytes dahinter (eine oder mehrere Eingaben) werden nicht übernommen."_s + vorher;
}

QString journalBeiseiteLegen(const QString &klassenPfad, const QString &grund)
{
    const QString ordner = sicherungsOrdner(klassenPfad);
    plattform::ordnerAnlegen(ordner.chopped(1));
    const QString ziel = ordner + QFileInfo(klassenPfad).fileName() + kJournalEndung + u'-' +
                         grund + u'-' +
                         QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss-zzz"_s);
    if (plattform::umbenennenOhneErsetzen(journalPfad(klassenPfad), ziel) != 0) {
        return {};
    }
    return ziel;
}
