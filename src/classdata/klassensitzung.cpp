#include "classdata/klassensitzung.h"

#include "classdata/klassendatei.h"
#include "classdata/klassensperre.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"

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
    klasse = std::move(neu);
    istGeaendert = false;
    oeffnen(neuerPfad, klassennameAusEintrag(eintrag));
    return true;
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

void Klassensitzung::oeffnen(const QString &pfad, const QString &name)
{
    dateiPfad = pfad;
    klassenname = name;
    klassenToken = klassenKuerzel(name + u".DTA"_s);
    schuelerNr = 1;
    istOffen = true;
    sortieren();
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
    if (!sperre->speichern(klasse, r)) {
        return false; // gemeldet oder abgelehnt; die Klasse bleibt offen und ungespeichert
    }
    istGeaendert = false;
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
    }
    schliessen();
    return 0;
}

void Klassensitzung::schliessen()
{
    sperre->schliessen();
    istOffen = false;
    istGeaendert = false;
    loescheAlleSchueler(klasse);
    schuelerNr = 1;
    emit geschlossen();
}

bool Klassensitzung::dateiLoeschen()
{
    if (!klassendateiLoeschen(klasse, istOffen, dateiPfad, r)) {
        return false;
    }
    schliessen();
    dateiPfad.clear();
    klassenname.clear();
    klassenToken.clear();
    return true;
}

void Klassensitzung::geaendertMelden()
{
    istGeaendert = true;
    emit geaendertGemeldet();
}

void Klassensitzung::setzeSortierung(const SortierOptionen &s)
{
    sortierOptionen = s;
}
