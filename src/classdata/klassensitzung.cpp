#include "classdata/klassensitzung.h"

#include "classdata/klassendatei.h"
#include "classdata/klassensperre.h"
#include "common/ordner.h"
#include "common/plattform.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"

#include <QDateTime>
#include <QFileInfo>

using namespace Qt::StringLiterals;

Klassensitzung::Klassensitzung(Rueckfragen &r, QObject *eltern)
    : QObject(eltern)
    , r(r)
    , sperre(std::make_unique<Klassensperre>())
{}

Klassensitzung::~Klassensitzung() = default;

void Klassensitzung::setzeSchuljahr(const QString &basisOrdner, const QString &schuljahr)
{
    jahr = schuljahr;
    ordner = schuljahrOrdner(basisOrdner, schuljahr);
    emit schuljahrGewechselt();
}

bool Klassensitzung::laden(const QString &eintrag)
{
    if (!eintrag.toUpper().contains(u"DTA"_s)) {
        return false;
    }
    const QString neuerPfad = ordner + eintrag;
    // Die neue Sperre ersetzt die alte erst, wenn die Klasse gelesen ist; dieselbe Klasse noch
    // einmal zu laden, ist kein Oeffnen durch eine andere Instanz.
    const bool dieselbe = sperre->pfad() == neuerPfad;
    if (dieselbe) {
        sperre->schliessen();
    }
    auto neueSperre = std::make_unique<Klassensperre>();
    neueSperre->oeffnen(neuerPfad, r);
    Klasse neu;
    if (!klasseLadenAusDatei(neuerPfad, neu, r)) {
        if (dieselbe) {
            sperre = std::move(neueSperre);
        }
        return false;
    }
    sperre = std::move(neueSperre);
    // Nur wer die Sperre haelt, bietet ein liegen gebliebenes Journal an: so stellen zwei
    // Instanzen dasselbe nie zweimal her.
    JournalLesung fortsetzen;
    const bool wiederhergestellt =
        sperre->haeltSperre() &&
        journalAnbieten(neuerPfad, klassennameAusEintrag(eintrag), neu, fortsetzen);
    klasse = std::move(neu);
    istGeaendert = wiederhergestellt;
    oeffnen(neuerPfad, klassennameAusEintrag(eintrag), wiederhergestellt ? &fortsetzen : nullptr);
    return true;
}

namespace {

QByteArray alsBytes(const Klasse &k)
{
    return klasseAlsBytes(k).value_or(QByteArray());
}

} // namespace

bool Klassensitzung::journalAnbieten(const QString &pfad, const QString &name, Klasse &neu,
                                     JournalLesung &fortsetzen)
{
    JournalLesung l = journalLesen(pfad);
    const QString journal = journalPfad(pfad);
    const auto beiseite = [&](const QString &meldung, const QString &grund) {
        const QString ziel = journalBeiseiteLegen(pfad, grund);
        r.warnung(meldung + (ziel.isEmpty() ? u" Es bleibt liegen."_s
                                            : u" Es liegt jetzt unter "_s + ziel + u'.'));
    };
    switch (l.zustand) {
    case JournalLesung::Zustand::Fehlt:
        return false;
    case JournalLesung::Zustand::Unlesbar:
    case JournalLesung::Zustand::OhneKopf:
        beiseite(journalVerlustMeldung(pfad, l), u"beschaedigt"_s);
        return false;
    case JournalLesung::Zustand::Gelesen:
        break;
    }
    const QByteArray datei = alsBytes(neu);
    const QString eigenerName = QFileInfo(pfad).fileName();
    const bool fremderName = l.klassendatei.compare(eigenerName, Qt::CaseInsensitive) != 0;
    // Ein Journal mit anderem Namen gehoert zu dieser Klasse nur, wenn es auf genau dieser
    // Fassung der Datei aufbaut (die Klasse wurde umbenannt, ohne gespeichert zu werden).
    if (fremderName && l.ausgang != datei) {
        beiseite(u"Das Journal "_s + journal + u" gehört zur Klasse "_s + l.klassendatei +
                     u", nicht zu "_s + eigenerName + u". Seine "_s +
                     QString::number(l.eintraege.size()) +
                     u" Eingaben werden hier nicht übernommen."_s,
                 u"fremd"_s);
        return false;
    }
    if (l.eintraege.isEmpty()) {
        plattform::dateiEntfernen(journal);
        return false;
    }
    const std::optional<Klasse> stand = klasseAusBytes(l.stand);
    if (!stand) {
        beiseite(journalVerlustMeldung(pfad, l), u"beschaedigt"_s);
        return false;
    }
    QString text = wiederherstellenFrage(name, l);
    if (const QString verlust = journalVerlustMeldung(pfad, l); !verlust.isEmpty()) {
        text = verlust + u"\r\n\r\n"_s + text;
    }
    if (!fremderName && l.ausgang != datei) {
        text = u"Die Klassendatei wurde gespeichert, nachdem diese Eingaben begonnen hatten "
               "(von einem anderen Programm). Beim Wiederherstellen gilt die Klasse, wie sie "
               "nach der letzten Eingabe hier war.\r\n\r\n"_s +
               text;
    }
    if (r.frage(Rueckfragen::Art::Frage, text, Rueckfragen::Knoepfe::JaNein) !=
            Rueckfragen::Knopf::Ja &&
        r.frage(Rueckfragen::Art::Warnung,
                u"Sollen die "_s + QString::number(l.eintraege.size()) +
                    u" ungespeicherten Eingaben wirklich endgültig verworfen werden?"_s,
                Rueckfragen::Knoepfe::JaNein) == Rueckfragen::Knopf::Ja) {
        plattform::dateiEntfernen(journal);
        return false;
    }
    neu = *stand;
    fortsetzen = std::move(l);
    return true;
}

void Klassensitzung::journalBeginnen(const JournalLesung *fortsetzen)
{
    ohneJournalGemeldet = false;
    if (!sperre->haeltSperre()) {
        journalSchreiber.beenden();
    } else if (fortsetzen) {
        journalSchreiber.fortsetzen(dateiPfad, *fortsetzen);
    } else {
        journalSchreiber.beginnen(dateiPfad, alsBytes(klasse));
    }
}

void Klassensitzung::uebernehmen(const Klasse &neu, const QString &pfad, const QString &name)
{
    auto neueSperre = std::make_unique<Klassensperre>();
    neueSperre->oeffnen(pfad, r);
    sperre = std::move(neueSperre);
    klasse = neu;
    istGeaendert = true;
    oeffnen(pfad, name);
}

void Klassensitzung::oeffnen(const QString &pfad, const QString &name,
                             const JournalLesung *fortsetzen)
{
    dateiPfad = pfad;
    klassenname = name;
    klassenToken = klassenKuerzel(name + u".DTA"_s);
    schuelerNr = 1;
    istOffen = true;
    sortieren();
    journalBeginnen(fortsetzen);
    emit geoeffnet();
}

bool Klassensitzung::speichern()
{
    eingabenAbschliessen();
    const int punkt = dateiPfad.lastIndexOf(u'.');
    if (!istOffen || punkt < 0 || dateiPfad.size() - punkt - 1 != 3) {
        return false;
    }
    ordnerAnlegen(dateiPfad.left(dateiPfad.lastIndexOf(kTrenner) + 1));
    if (sperre->pfad() != dateiPfad) {
        sperre->oeffnen(dateiPfad, r);
    }
    const QByteArray neu = alsBytes(klasse);
    if (const QString m = fassungSichern(dateiPfad, neu, QDateTime::currentDateTime());
        !m.isEmpty()) {
        r.warnung(m);
    }
    if (!sperre->speichern(klasse, r)) {
        return false; // gemeldet oder abgelehnt; die Klasse bleibt offen und ungespeichert
    }
    istGeaendert = false;
    if (journalSchreiber.aktiv()) {
        // Erst in den Verlauf, dann wird das Journal entfernt.
        const QList<Notenaenderung> aenderungen = journalAenderungen(journalLesen(dateiPfad));
        if (const DateiFehler f = verlaufAnhaengen(dateiPfad, aenderungen); !f.ok()) {
            r.warnung(u"Die Klasse ist gespeichert, aber der Notenverlauf "_s + f.pfad +
                      u" lässt sich nicht fortschreiben ("_s + f.nummerText() + u"). "_s +
                      QString::number(aenderungen.size()) +
                      u" Notenänderungen fehlen deshalb im Verlauf."_s);
        }
        journalSchreiber.gespeichert(neu);
    }
    emit gespeichert();
    return true;
}

int Klassensitzung::speicherAbfrage()
{
    if (!istOffen) {
        return 0;
    }
    eingabenAbschliessen();
    // Gefragt wird auch ohne Aenderung: der Lehrer entscheidet, nicht ein Merker.
    const auto antwort =
        r.frage(Rueckfragen::Art::Frage, u"Soll die bearbeitete Datei gespeichert werden?"_s,
                Rueckfragen::Knoepfe::JaNeinAbbrechen);
    if (antwort == Rueckfragen::Knopf::Ja) {
        if (!speichern()) {
            return -1; // nichts darf verloren gehen
        }
    } else if (antwort != Rueckfragen::Knopf::Nein) {
        return -1;
    } else if (journalSchreiber.aktiv()) {
        plattform::dateiEntfernen(journalSchreiber.datei()); // verworfen: der Lehrer will sie nicht
    }
    schliessen();
    return 0;
}

void Klassensitzung::schliessen()
{
    journalSchreiber.beenden();
    sperre->schliessen();
    istOffen = false;
    istGeaendert = false;
    loescheAlleSchueler(klasse);
    schuelerNr = 1;
    emit geschlossen();
}

bool Klassensitzung::dateiLoeschen()
{
    // Die geloeschte Fassung bleibt als Sicherung; geloescht wird erst nach der Rueckfrage.
    if (istOffen) {
        if (const QString m = fassungSichern(dateiPfad, {}, QDateTime::currentDateTime());
            !m.isEmpty()) {
            r.warnung(m);
        }
    }
    if (!klassendateiLoeschen(klasse, istOffen, dateiPfad, r)) {
        return false;
    }
    if (journalSchreiber.aktiv()) {
        plattform::dateiEntfernen(journalSchreiber.datei());
    }
    schliessen();
    dateiPfad.clear();
    klassenname.clear();
    klassenToken.clear();
    return true;
}

bool Klassensitzung::geaendertMelden()
{
    istGeaendert = true;
    bool gesichert = true;
    if (journalSchreiber.aktiv()) {
        const DateiFehler f =
            journalSchreiber.eintragen(sichtbarerStand(), QDateTime::currentMSecsSinceEpoch());
        if (!f.ok()) {
            gesichert = false;
            r.fehler(u"Die Eingabe ist nicht gesichert: das Journal "_s + f.pfad +
                     u" lässt sich nicht schreiben ("_s + f.nummerText() +
                     u"). Sie steht nur im Speicher und ginge bei einem Absturz verloren. "
                     "Speichern Sie die Klasse, sobald die Ursache behoben ist."_s);
        }
    } else if (istOffen && !ohneJournalGemeldet) {
        ohneJournalGemeldet = true;
        r.warnung(u"Die Klasse "_s + klassenname +
                  u" ist in einem anderen Programm geöffnet; die Eingaben hier werden deshalb "
                  "nicht im Journal gegen einen Absturz gesichert. Speichern Sie zwischendurch."_s);
    }
    emit geaendertGemeldet();
    return gesichert;
}

void Klassensitzung::offeneEingabenSetzen(QObject *ansicht, std::function<void(Klasse &)> f)
{
    if (f) {
        if (!offeneEingaben.contains(ansicht)) {
            connect(ansicht, &QObject::destroyed, this,
                    [this, ansicht] { offeneEingaben.erase(ansicht); });
        }
        offeneEingaben[ansicht] = std::move(f);
    } else {
        offeneEingaben.erase(ansicht);
    }
}

QByteArray Klassensitzung::sichtbarerStand() const
{
    if (offeneEingaben.empty()) {
        return alsBytes(klasse);
    }
    Klasse kopie = klasse;
    for (const auto &[ansicht, f] : offeneEingaben) {
        f(kopie);
    }
    // Ein Zeichen, das die Datei nicht halten kann, wird an der Eingabe abgewiesen; kommt es
    // doch durch, haelt das Journal wenigstens die Klasse selbst fest.
    if (std::optional<QByteArray> b = klasseAlsBytes(kopie)) {
        return *b;
    }
    return alsBytes(klasse);
}

void Klassensitzung::setzeSortierung(const SortierOptionen &s)
{
    sortierOptionen = s;
}

QList<Sicherung> Klassensitzung::sicherungen() const
{
    return istOffen ? sicherungenAuflisten(dateiPfad) : QList<Sicherung>();
}

bool Klassensitzung::sicherungWiederherstellen(const QString &sicherungsPfad)
{
    if (!istOffen) {
        return false;
    }
    Klasse k;
    if (!klasseLadenAusDatei(sicherungsPfad, k, r)) {
        return false;
    }
    klasse = std::move(k);
    schuelerNr = 1;
    sortieren();
    geaendertMelden();
    emit geoeffnet();
    return true;
}

QList<Notenaenderung> Klassensitzung::verlauf() const
{
    QList<Notenaenderung> alle;
    if (!istOffen) {
        return alle;
    }
    alle = verlaufLesen(dateiPfad);
    if (journalSchreiber.aktiv()) {
        alle += journalAenderungen(journalLesen(dateiPfad));
    }
    // Neueste zuerst; gleiche Zeiten (Sekunden) in umgekehrter Folge des Eintragens.
    std::reverse(alle.begin(), alle.end());
    std::stable_sort(
        alle.begin(), alle.end(),
        [](const Notenaenderung &a, const Notenaenderung &b) { return a.zeit > b.zeit; });
    return alle;
}
