#include "classdata/klassensicherung.h"

#include "classdata/klassendatei.h"
#include "common/plattform.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kSicherungEndung = u".sicherung"_s;
const QString kZeitFormat = u"yyyyMMdd-HHmmss-zzz"_s;
const QString kVerlaufZeit = u"yyyy-MM-dd HH:mm:ss"_s;
constexpr qint64 kGrenzeVerlauf = 64LL * 1024 * 1024;

QString dateiname(const QString &klassenPfad)
{
    return QFileInfo(klassenPfad).fileName();
}

QString schluessel(const Schueler &s)
{
    return s.vorname + u'\t' + s.nachname;
}

// Zuordnung: je Schueler von b der passende von a (0: keiner). Erst ueber den Namen, sonst die
// gleiche Nummer, wenn dieser Schueler von a nicht schon per Namen zugeordnet ist.
std::array<int, kMaxSchueler + 1> zuordnen(const Klasse &a, const Klasse &b)
{
    std::array<int, kMaxSchueler + 1> zu{};
    QHash<QString, int> inA;
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        if (a.schueler(nr).hatNamen()) {
            inA.insert(schluessel(a.schueler(nr)), nr);
        }
    }
    QSet<int> vergeben;
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        if (const auto it = inA.constFind(schluessel(b.schueler(nr)));
            b.schueler(nr).hatNamen() && it != inA.cend()) {
            zu[nr] = *it;
            vergeben.insert(*it);
        }
    }
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        if (zu[nr] == 0 && !vergeben.contains(nr) && b.schueler(nr).hatNamen() &&
            a.schueler(nr).hatNamen() && !inA.contains(schluessel(b.schueler(nr)))) {
            zu[nr] = nr;
            vergeben.insert(nr);
        }
    }
    return zu;
}

QString feld(const QString &t)
{
    QString s = t;
    s.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
    return s;
}

} // namespace

QString fassungSichern(const QString &klassenPfad, const QByteArray &neu, const QDateTime &jetzt)
{
    const BytesErgebnis alt = bytesLesen(klassenPfad, 4 * kKlassenDateiGroesse);
    if (!alt.ok() || alt.bytes.size() < kKlassenDateiGroesse || alt.bytes == neu) {
        return {};
    }
    const QList<Sicherung> vorhanden = sicherungenAuflisten(klassenPfad);
    if (!vorhanden.isEmpty() &&
        bytesLesen(vorhanden.first().pfad, 4 * kKlassenDateiGroesse).bytes == alt.bytes) {
        return {};
    }
    const QString ordner = sicherungsOrdner(klassenPfad);
    const int e = plattform::ordnerAnlegen(ordner.chopped(1));
    const QString ziel =
        ordner + dateiname(klassenPfad) + u'.' + jetzt.toString(kZeitFormat) + kSicherungEndung;
    const DateiFehler f =
        e && e != EEXIST
            ? DateiFehler{DateiFehler::Art::Schreibfehler, ordner, e, {}, plattform::fehlerText(e)}
            : plattform::dauerhaftSchreiben(ziel, alt.bytes);
    if (!f.ok()) {
        return u"Die bisherige Fassung von "_s + dateiname(klassenPfad) +
               u" konnte nicht im Ordner "_s + ordner + u" gesichert werden ("_s + f.nummerText() +
               u"). Die Klasse wird trotzdem gespeichert; diese Fassung lässt sich aber später "
               "nicht wiederherstellen."_s;
    }
    const QList<Sicherung> alle = sicherungenAuflisten(klassenPfad);
    for (qsizetype i = kSicherungenJeKlasse; i < alle.size(); ++i) {
        plattform::dateiEntfernen(alle[i].pfad);
    }
    return {};
}

QList<Sicherung> sicherungenAuflisten(const QString &klassenPfad)
{
    const QString ordner = sicherungsOrdner(klassenPfad);
    const QString anfang = dateiname(klassenPfad) + u'.';
    QStringList namen;
    plattform::ordnerLesen(ordner, namen);
    QList<Sicherung> liste;
    for (const QString &name : namen) {
        if (!name.startsWith(anfang, Qt::CaseInsensitive) ||
            !name.endsWith(kSicherungEndung, Qt::CaseInsensitive)) {
            continue;
        }
        const QString zeit =
            name.mid(anfang.size(), name.size() - anfang.size() - kSicherungEndung.size());
        const QDateTime z = QDateTime::fromString(zeit, kZeitFormat);
        if (z.isValid()) {
            liste.append({ordner + name, z});
        }
    }
    std::sort(liste.begin(), liste.end(),
              [](const Sicherung &a, const Sicherung &b) { return a.zeit > b.zeit; });
    return liste;
}

int notenUnterschiede(const Klasse &a, const Klasse &b)
{
    const auto zu = zuordnen(a, b);
    int n = 0;
    QSet<int> getroffen;
    const auto noten = [](const Schueler &s, const Schueler *anders) {
        int z = 0;
        for (int art = 1; art <= kNotenarten; ++art) {
            for (int slot = 0; slot <= letzterSlot(art); ++slot) {
                z += s.note(art, slot) != (anders ? anders->note(art, slot) : QString()) ? 1 : 0;
            }
        }
        return z;
    };
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        if (!b.schueler(nr).hatNamen()) {
            continue;
        }
        if (zu[nr]) {
            getroffen.insert(zu[nr]);
        }
        n += noten(b.schueler(nr), zu[nr] ? &a.schueler(zu[nr]) : nullptr);
    }
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        if (a.schueler(nr).hatNamen() && !getroffen.contains(nr)) {
            n += noten(a.schueler(nr), nullptr);
        }
    }
    return n;
}

QString verlaufPfad(const QString &klassenPfad)
{
    return sicherungsOrdner(klassenPfad) + dateiname(klassenPfad) + u".verlauf"_s;
}

QList<Notenaenderung> notenaenderungen(const Klasse &vorher, const Klasse &nachher)
{
    QList<Notenaenderung> liste;
    const auto zu = zuordnen(vorher, nachher);
    static const Schueler leer;
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        const Schueler &s = nachher.schueler(nr);
        if (!s.hatNamen()) {
            continue;
        }
        const Schueler &v = zu[nr] ? vorher.schueler(zu[nr]) : leer;
        for (int art = 1; art <= kNotenarten; ++art) {
            for (int slot = 0; slot <= letzterSlot(art); ++slot) {
                if (s.note(art, slot) == v.note(art, slot)) {
                    continue;
                }
                Notenaenderung a;
                a.nachname = s.nachname;
                a.vorname = s.vorname;
                a.art = art;
                a.slot = slot;
                a.datum = nachher.datum(art, slot);
                a.erlaeuterung = nachher.erlaeuterung(art, slot);
                a.alt = v.note(art, slot);
                a.neu = s.note(art, slot);
                liste.append(a);
            }
        }
    }
    return liste;
}

QList<Notenaenderung> journalAenderungen(const JournalLesung &l)
{
    QList<Notenaenderung> liste;
    if (l.zustand != JournalLesung::Zustand::Gelesen) {
        return liste;
    }
    QByteArray stand = l.ausgang;
    std::optional<Klasse> vorher = klasseAusBytes(stand);
    const QString kennung = QString::fromLatin1(l.kennung.toHex());
    for (const JournalEintrag &e : l.eintraege) {
        eintragAnwenden(stand, e);
        std::optional<Klasse> nachher = klasseAusBytes(stand);
        if (vorher && nachher) {
            for (Notenaenderung a : notenaenderungen(*vorher, *nachher)) {
                a.zeit = QDateTime::fromMSecsSinceEpoch(e.zeitMs);
                a.rechner = l.rechner;
                a.herkunft = kennung + u':' + QString::number(e.nummer);
                liste.append(a);
            }
        }
        vorher = std::move(nachher);
    }
    return liste;
}

DateiFehler verlaufAnhaengen(const QString &klassenPfad, const QList<Notenaenderung> &neu)
{
    DateiFehler f;
    const QString pfad = verlaufPfad(klassenPfad);
    f.pfad = pfad;
    if (neu.isEmpty()) {
        return f;
    }
    QSet<QString> vorhanden;
    for (const Notenaenderung &a : verlaufLesen(klassenPfad)) {
        vorhanden.insert(a.herkunft);
    }
    QStringList zeilen;
    for (const Notenaenderung &a : neu) {
        if (!a.herkunft.isEmpty() && vorhanden.contains(a.herkunft)) {
            continue;
        }
        zeilen << QStringList{a.zeit.toString(kVerlaufZeit),
                              feld(a.rechner),
                              feld(a.nachname),
                              feld(a.vorname),
                              QString::number(a.art),
                              QString::number(a.slot + 1),
                              feld(a.datum),
                              feld(a.erlaeuterung),
                              feld(a.alt),
                              feld(a.neu),
                              a.herkunft}
                      .join(u'\t');
    }
    if (zeilen.isEmpty()) {
        return f;
    }
    // Ein Rechnername ausserhalb von CP1252 darf den Verlauf nicht verhindern.
    QByteArray daten;
    for (const QString &z : zeilen) {
        daten += ansiKodieren(z).value_or(z.toLatin1()) + "\r\n";
    }
    const int e = plattform::ordnerAnlegen(sicherungsOrdner(klassenPfad).chopped(1));
    const plattform::Eintrag alt = plattform::eintrag(pfad);
    // Eine beim Anhaengen abgebrochene letzte Zeile bleibt fuer sich (und wird uebergangen).
    if (alt.groesse > 0 && !bytesLesen(pfad, kGrenzeVerlauf).bytes.endsWith('\n')) {
        daten.prepend("\r\n");
    }
    const int nummer =
        e && e != EEXIST ? e : plattform::dauerhaftAnhaengen(pfad, daten, alt.groesse);
    if (nummer) {
        f.art = plattform::istVerbindungsfehler(nummer) ? DateiFehler::Art::Unerreichbar
                                                        : DateiFehler::Art::Schreibfehler;
        f.nummer = nummer;
        f.grund = plattform::fehlerText(nummer);
    }
    return f;
}

QList<Notenaenderung> verlaufLesen(const QString &klassenPfad)
{
    QList<Notenaenderung> liste;
    const BytesErgebnis b = bytesLesen(verlaufPfad(klassenPfad), kGrenzeVerlauf);
    if (!b.ok()) {
        return liste;
    }
    for (const QString &zeile : zeilenAufteilen(ansiDekodieren(b.bytes))) {
        const QStringList t = zeile.split(u'\t');
        if (t.size() < 11) {
            continue;
        }
        Notenaenderung a;
        a.zeit = QDateTime::fromString(t[0], kVerlaufZeit);
        a.rechner = t[1];
        a.nachname = t[2];
        a.vorname = t[3];
        a.art = t[4].toInt();
        a.slot = t[5].toInt() - 1;
        a.datum = t[6];
        a.erlaeuterung = t[7];
        a.alt = t[8];
        a.neu = t[9];
        a.herkunft = t[10];
        if (a.zeit.isValid() && a.art >= 1 && a.art <= kNotenarten && a.slot >= 0 &&
            a.slot <= letzterSlot(a.art)) {
            liste.append(a);
        }
    }
    return liste;
}
