#include "conduct/testsitzung.h"

#include "classdata/klassendatei.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "common/uhr.h"
#include "conduct/benotung.h"
#include "conduct/rueckgabe.h"

#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

Testsitzung::Testsitzung(const Einstellungen &e, Rueckfragen &r, const Uhr &uhr, Zufall &zufall,
                         QObject *eltern)
    : QObject(eltern)
    , e(e)
    , r(r)
    , uhr(uhr)
    , zufall(zufall)
{}

Testsitzung::Moeglichkeiten Testsitzung::moeglichkeiten() const
{
    Moeglichkeiten m;
    m.namensfelder = !istLaufend;
    m.schuljahr = konstruktion() && !istLaufend;
    // Austeilen und Benoten brauchen die Klasse; ohne sie misslaenge der Schritt.
    const bool frei = istGewaehlt && !istLaufend && !konstruktion() && klasseDa;
    m.bereitStellen = frei;
    m.rueckgabeNurLesen = frei && rueckgabe();
    // Zu benoten ist, was protokolliert oder in diesem Lauf eingesammelt wurde.
    m.benoten = istGewaehlt && modusWert == Modus::Durchfuehrung && klasseDa &&
                (protokollDa || (istLaufend && sammlung.zaehler > 0));
    m.drucken = istGewaehlt && rueckgabe();
    m.druckenEmpfohlen = m.drucken && !druckBereit;
    return m;
}

void Testsitzung::modusSetzen(Modus m)
{
    if (istLaufend) {
        zurueckziehen();
    }
    modusWert = m;
    druckBereit = false;
    istGewaehlt = false;
    emit geaendert();
}

void Testsitzung::benennen(const TestPfade &t)
{
    testWert = t;
    istGewaehlt = false;
    emit geaendert();
}

void Testsitzung::auswahlVerwerfen()
{
    istGewaehlt = false;
    emit geaendert();
}

bool Testsitzung::waehlen(const TestPfade &t)
{
    testWert = t;
    // Die Klasse des vorigen Tests gilt nicht fuer diesen.
    klassenPfad.clear();
    klasseDa = false;
    protokollDa = false;
    if (!istEchterOrdner(testWert.testOrdner())) {
        // Der Ordner ist verschwunden, seit die Liste gefuellt wurde.
        istGewaehlt = false;
        r.fehler(u"Die Test-Datei: "_s + testWert.testOrdner() + u"\r\nwurde nicht gefunden!"_s);
        emit geaendert();
        return false;
    }
    istGewaehlt = true;
    emit geaendert();
    return true;
}

void Testsitzung::klasseZurWahlLaden(bool melden)
{
    if (!istGewaehlt || testWert.schuljahr != aktuellesSchuljahr(uhr.heute())) {
        return;
    }
    klasseFuerTestLaden(melden);
    protokollDa = protokollZaehlen(testWert).has_value();
    // Der Sitzplan folgt der Klasse, solange der Test noch nicht ausgeteilt ist: nach dem
    // Austeilen muss er zu den Gruppen passen, die wirklich ausgegeben wurden.
    if (klasseDa && !istGewoehnlicheDatei(testWert.gruppenDatei())) {
        sitzplanSchreiben(testWert, klasseWert);
    }
    emit geaendert();
}

bool Testsitzung::klasseFuerTestLaden(bool melden)
{
    klassenPfad = klassenwahl.ermitteln(testWert, r, melden);
    klasseDa = false;
    if (!klassenPfad.isEmpty()) {
        Klasse k;
        if (klasseLadenAusDatei(klassenPfad, k, r)) {
            klasseWert = std::move(k);
            klasseDa = true;
        } else {
            klassenPfad.clear();
        }
    }
    emit geaendert();
    return klasseDa;
}

void Testsitzung::festlegen(bool an)
{
    istFestgelegt = an;
    emit geaendert();
}

void Testsitzung::festlegenFallsMoeglich()
{
    festlegen(istGewaehlt && testWert.schuljahr == aktuellesSchuljahr(uhr.heute()) &&
              kuerzelVollstaendig(testWert.testKuerzel));
}

void Testsitzung::druckEinrichten()
{
    druckBereit = true;
    emit geaendert();
}

Kopien Testsitzung::kopienAnfertigen()
{
    if (const std::optional<QString> konflikt =
            namenskonflikt(klasseWert, testWert.klassenkuerzel())) {
        r.fehler(*konflikt);
        return Kopien::Abgebrochen;
    }
    return ::kopienAnfertigen(testWert, klasseWert, zufall, r);
}

bool Testsitzung::bereitstellen(bool speichern)
{
    if (!istGewaehlt || istLaufend) {
        return false;
    }
    if (rueckgabe()) {
        const Rueckgabe g = testZurueckgeben(testWert, e, speichern, uhr, r);
        if (!g.ok) {
            return false;
        }
        liste = g.liste;
        zielOrdner = g.zielOrdner;
        bilder = g.mitBildern;
    } else {
        const Bereitstellung b = testBereitStellen(testWert, e, uhr, r);
        if (!b.ok) {
            return false;
        }
        liste = b.liste;
        zielOrdner = b.zielOrdner;
        bilder = b.mitBildern;
    }
    sammlung = Einsammlung{};
    istLaufend = true;
    emit geaendert();
    return true;
}

Einsammelschritt Testsitzung::einsammeln()
{
    if (!istLaufend || rueckgabe()) {
        return {};
    }
    const Einsammelschritt s = testsMitnehmen(testWert, e, sammlung, uhr, r);
    if (s.eingesammelt) {
        emit geaendert();
    }
    return s;
}

QStringList Testsitzung::zurueckgegebene() const
{
    return istLaufend && rueckgabe() ? zurueckgegebeneDokumente(testWert, e) : QStringList();
}

bool Testsitzung::zurueckziehen()
{
    if (!istLaufend) {
        return true;
    }
    if (rueckgabe()) {
        rueckgabeZuruecknehmen(testWert, e, r);
    } else if (!durchfuehrungBeenden(testWert, e, sammlung, uhr, r).ok) {
        // Wartende Abgaben einsammeln, zurueckziehen, nachsammeln; alles unter der Testsperre.
        return false;
    }
    istLaufend = false;
    liste.clear();
    bilder = false;
    protokollDa = protokollZaehlen(testWert).has_value();
    emit geaendert();
    return true;
}

bool Testsitzung::resteLoeschen()
{
    if (!istGewaehlt || istLaufend) {
        return false;
    }
    const bool warLeer = rueckgabe() ? rueckgabeZuruecknehmen(testWert, e, r)
                                     : bereitgestellteTestsLoeschen(testWert, e);
    auffrischen();
    return warLeer;
}

Ablauf Testsitzung::benoten(const QString &normtabelle, Benotungslauf &lauf)
{
    if (!istGewaehlt || istLaufend || !klasseDa) {
        return Ablauf::Abgebrochen;
    }
    const Ablauf a =
        benotungStarten(testWert, e, klasseWert, std::optional(normtabelle), uhr.heute(), lauf, r);
    auffrischen();
    return a;
}

void Testsitzung::auffrischen()
{
    protokollDa = protokollZaehlen(testWert).has_value();
    emit geaendert();
}
