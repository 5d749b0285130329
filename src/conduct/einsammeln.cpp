#include "conduct/einsammeln.h"

#include "common/ansitext.h"
#include "common/fremdordner.h"
#include "common/ordner.h"
#include "common/plattform.h"
#include "common/rueckfragen.h"
#include "conduct/testdokument.h"
#include "conduct/testsperre.h"
#include "conduct/verteilung.h"
#include "outside/abgabe.h"
#include "outside/schuelerprogramm.h"
#include "settings/konfiguration.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

#include <cerrno>

using namespace Qt::StringLiterals;
namespace sp = schuelerprogramm;
using namespace abgabepruefung;

namespace {

const QString kStoerungSchluessel = u"\x01stoerung"_s;

void einmalMelden(Einsammlung &z, const QString &schluessel, const QString &text, Rueckfragen &r)
{
    if (!z.abgewiesen.contains(schluessel)) {
        z.abgewiesen.insert(schluessel);
        r.warnung(text);
    }
}

// Ein beiseite gelegter Eintrag, der keine Abgabe ist: eine Verknuepfung (auch ein zweiter harter
// Verweis) wird entfernt, nie ihr Ziel; Dateien und Ordner bleiben.
void verknuepfungEntfernen(const QString &pfad)
{
    const plattform::Eintrag e = plattform::eintrag(pfad);
    if (e.typ == plattform::Eintrag::Typ::Verknuepfung ||
        (e.typ == plattform::Eintrag::Typ::Datei && e.verweise > 1)) {
        plattform::dateiEntfernen(pfad);
    }
}

class Schritt
{
public:
    Schritt(const TestPfade &test, const Einstellungen &e, Einsammlung &z, const Uhr &uhr,
            Rueckfragen &r)
        : test(test)
        , z(z)
        , uhr(uhr)
        , r(r)
        , eingang(sp::abgabeEingang(e.abgabeOrdner, e.lehrername))
        , ziel(test.abgabenOrdner())
        , muster(musterAusdruck(sp::abgabeMuster(test.klassenkuerzel())))
    {}

    // Sammelt hoechstens max Abgaben ein; die Namen in *namen (wenn gesetzt).
    Einsammelschritt ausfuehren(bool *frischUebergangen, int max, QStringList *namen);

private:
    // Die verlorene Verbindung: einmal gemeldet, der Schritt endet ohne Aenderung.
    Einsammelschritt stoerung(const QString &pfad, int nummer)
    {
        z.stoerung = plattform::serverUnerreichbarMeldung(pfad, nummer);
        einmalMelden(z, kStoerungSchluessel, z.stoerung, r);
        Einsammelschritt s;
        s.stoerung = z.stoerung;
        return s;
    }
    void abweisen(const QString &name, const QString &grund)
    {
        einmalMelden(z, name,
                     u"Die abgegebene Datei "_s + eingang + name + u' ' + grund +
                         u" und wird nicht eingesammelt."_s,
                     r);
    }
    // Gemeldet wird erst ein wiederholter Fehlschlag: ein Schuelerrechner, der die Datei einen
    // Augenblick noch offen haelt, ist beim naechsten Versuch fertig.
    void nichtEingesammelt(const QString &name, const QString &grund)
    {
        const bool wiederholt = z.nichtEingesammelt.contains(name);
        z.nichtEingesammelt.insert(name, grund);
        if (wiederholt) {
            abweisen(name, grund);
        }
    }
    // Schreibt die beiseite gelegte Abgabe dauerhaft nach "T2-Ausge". Laesst sie sich nicht
    // nehmen, bleibt sie beiseite liegen fuer den naechsten Schritt.
    enum class Genommen { Ja, Fremd, Fehler };
    Genommen nehmen(const QString &beiseite, const QString &name, Einsammelschritt &s);
    // Zaehlt die Abgabe; ihre Protokollzeile und das Loeschen im Abgabeordner folgen in
    // abschliessen.
    Einsammelschritt eingesammelt(const QString &name, const QString &beiseite);
    // Fuer alle Abgaben des Schritts: "T2-Ausge" auf die Platte, die Protokollzeilen in einem
    // Schreiben, dann erst die beiseite gelegten Abgaben loeschen. Ein Abbruch dazwischen doppelt
    // hoechstens Protokollzeilen (die Abgabe wird wieder aufgenommen), verliert aber keine.
    void abschliessen();
    Einsammelschritt sammeln(bool *frischUebergangen, int max, QStringList *namen);
    QList<std::pair<int, QString>> fertig; // Zaehlnummer, beiseite gelegte Datei
    bool trennlinie = false;

    const TestPfade &test;
    Einsammlung &z;
    const Uhr &uhr;
    Rueckfragen &r;
    const QString eingang, ziel;
    const QRegularExpression muster;
    Vorlage v;
};

Schritt::Genommen Schritt::nehmen(const QString &beiseite, const QString &name, Einsammelschritt &s)
{
    const BytesErgebnis b = ohneVerknuepfungLesen(beiseite, sp::kGrenzeAbgabe);
    if (b.fehler.art == DateiFehler::Art::Unerreichbar) {
        s = stoerung(beiseite, b.fehler.nummer);
        return Genommen::Fehler;
    }
    if (const QString grund = inhaltsgrund(b, v, ausgeteilteKopie(test, name)); !grund.isEmpty()) {
        if (istLesefehler(b)) {
            nichtEingesammelt(name, grund);
            return Genommen::Fehler;
        }
        return Genommen::Fremd;
    }
    const QString vorhanden = dateiOhneFall(ziel, name);
    // Der Ordner wird einmal fuer alle Abgaben des Schritts synchronisiert (abschliessen).
    const DateiFehler f = plattform::dauerhaftSchreiben(
        ziel + (vorhanden.isEmpty() ? name : vorhanden), b.bytes, false);
    if (f.art == DateiFehler::Art::Unerreichbar) {
        s = stoerung(ziel, f.nummer);
        return Genommen::Fehler;
    }
    if (!f.ok()) {
        nichtEingesammelt(name,
                          u"konnte nicht nach "_s + ziel + u" verschoben werden: "_s + f.meldung());
        return Genommen::Fehler;
    }
    return Genommen::Ja;
}

Einsammelschritt Schritt::eingesammelt(const QString &name, const QString &beiseite)
{
    Einsammelschritt s;
    z.abgewiesen.remove(name);
    z.nichtEingesammelt.remove(name);
    s.eingesammelt = true;
    s.name = name;
    s.verschobenNach = ziel;
    z.abgegeben << name.chopped(2);
    bool schonGezaehlt = false;
    for (const QString &g : z.gesammelt) {
        schonGezaehlt = schonGezaehlt || g.compare(name, Qt::CaseInsensitive) == 0;
    }
    if (!schonGezaehlt) {
        ++z.zaehler;
        if (z.gesammelt.size() < kMaxGesammelt) {
            z.gesammelt << name;
        }
    }
    if (fertig.isEmpty()) {
        trennlinie = z.ersteAbgabe;
    }
    z.ersteAbgabe = false;
    fertig.append({z.zaehler, beiseite});
    return s;
}

void Schritt::abschliessen()
{
    if (fertig.isEmpty()) {
        return;
    }
    plattform::ordnerSynchronisieren(ziel);
    QList<int> nummern;
    for (const auto &[nummer, beiseite] : std::as_const(fertig)) {
        nummern << nummer;
    }
    protokollSchreiben(test, uhr, nummern, trennlinie);
    for (const auto &[nummer, beiseite] : std::as_const(fertig)) {
        plattform::dateiEntfernen(beiseite);
    }
    fertig.clear();
}

Einsammelschritt Schritt::ausfuehren(bool *frischUebergangen, int max, QStringList *gesammelt)
{
    const Einsammelschritt s = sammeln(frischUebergangen, max, gesammelt);
    abschliessen();
    return s;
}

Einsammelschritt Schritt::sammeln(bool *frischUebergangen, int max, QStringList *gesammelt)
{
    int anzahl = 0;
    Einsammelschritt letzter;
    // Eine Abgabe ist genommen: zaehlen und merken; true, wenn es genug sind.
    const auto genug = [&](const QString &name, const QString &beiseite) {
        letzter = eingesammelt(name, beiseite);
        if (gesammelt) {
            *gesammelt << name;
        }
        return ++anzahl >= max;
    };
    Einsammelschritt s;
    ordnerAnlegen(eingang);
    const plattform::Eintrag ordner = plattform::eintrag(eingang.chopped(1));
    if (ordner.fehler) {
        return stoerung(eingang, ordner.fehler);
    }
    // Ein Abgabeordner, der selbst eine Verknuepfung ist, fuehrt anderswohin: nichts einsammeln.
    if (ordner.typ != plattform::Eintrag::Typ::Ordner) {
        einmalMelden(z, eingang,
                     u"Der Abgabeordner "_s + eingang +
                         u" ist kein gewöhnlicher Ordner; es wird nichts eingesammelt."_s,
                     r);
        return s;
    }
    const std::optional<Vorlage> vorlage = vorlageLesen(test);
    if (!vorlage) {
        const QString pfad = test.vorlage(u'A');
        einmalMelden(z, pfad,
                     u"Die Testvorlage "_s + pfad +
                         u" lässt sich nicht lesen oder enthält keine Aufgaben; ohne sie "
                         "lässt sich keine Abgabe diesem Test zuordnen. Es wird nichts "
                         "eingesammelt."_s,
                     r);
        return s;
    }
    v = *vorlage;
    if (!z.aufgeraeumt) {
        // Reste abgebrochener Laeufe: ein halber Ordnertausch des Austeilens, Temporaerdateien
        // eines abgebrochenen Schreibens ("NAME.XXXXXX").
        ordnerTauschAufraeumen(ziel);
        QStringList alle, namen;
        plattform::ordnerLesen(ziel, alle);
        for (const QString &n : std::as_const(alle)) {
            if (n.size() > 7 && passtAufMuster(n.chopped(7), muster)) {
                namen << n.chopped(7);
            }
        }
        namen << QFileInfo(test.protokollDatei()).fileName();
        speicherresteEntfernen(ziel, namen);
        z.aufgeraeumt = true;
    }
    ordnerAnlegen(ziel);
    QStringList namen;
    if (const int nummer = plattform::ordnerLesen(eingang, namen)) {
        return stoerung(eingang, nummer);
    }
    z.stoerung.clear();
    z.abgewiesen.remove(kStoerungSchluessel);

    // Zuerst, was ein abgebrochener Schritt beiseite gelegt hat, die aelteste zuerst: eine
    // spaetere Abgabe desselben Schuelers liegt wieder unter ihrem Namen und gewinnt danach.
    QList<std::pair<qint64, QString>> beiseite;
    for (const QString &n : namen) {
        if (!beiseiteAbgabe(n, muster).isEmpty()) {
            beiseite.append({plattform::eintrag(eingang + n).geaendertMs, n});
        }
    }
    std::sort(beiseite.begin(), beiseite.end());
    for (const auto &[zeit, n] : beiseite) {
        const QString name = beiseiteAbgabe(n, muster);
        const plattform::Eintrag info = plattform::eintrag(eingang + n);
        if (info.fehler) {
            return stoerung(eingang + n, info.fehler);
        }
        QString grund = abweisungsgrund(name, info);
        if (grund.isEmpty()) {
            switch (nehmen(eingang + n, name, s)) {
            case Genommen::Ja:
                if (genug(name, eingang + n)) {
                    return letzter;
                }
                continue;
            case Genommen::Fehler:
                if (!s.stoerung.isEmpty()) {
                    return s;
                }
                continue;
            case Genommen::Fremd:
                grund = u"gehört nicht zu diesem Test"_s;
                break;
            }
        }
        verknuepfungEntfernen(eingang + n);
        abweisen(n, grund);
    }

    std::sort(namen.begin(), namen.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    for (const QString &name : std::as_const(namen)) {
        if (!passtAufMuster(name, muster)) {
            continue;
        }
        // Gemeldet wird einmal; geprueft wird bei jedem Schritt, damit eine ersetzte Abgabe
        // oder ein spaeter gelingendes Verschieben doch noch eingesammelt wird.
        const plattform::Eintrag info = plattform::eintrag(eingang + name);
        if (info.fehler) {
            return stoerung(eingang + name, info.fehler);
        }
        if (info.typ == plattform::Eintrag::Typ::Fehlt) {
            continue;
        }
        if (const QString grund = abweisungsgrund(name, info); !grund.isEmpty()) {
            abweisen(name, grund);
            continue;
        }
        // Erst an Ort und Stelle pruefen: Abgaben anderer Tests werden nicht angeruehrt.
        const BytesErgebnis vorab = ohneVerknuepfungLesen(eingang + name, sp::kGrenzeAbgabe);
        if (vorab.fehler.art == DateiFehler::Art::Unerreichbar) {
            return stoerung(eingang + name, vorab.fehler.nummer);
        }
        if (vorab.fehler.art == DateiFehler::Art::Fehlt) {
            continue; // eben genommen oder zurueckgezogen
        }
        if (const QString grund = inhaltsgrund(vorab, v, ausgeteilteKopie(test, name));
            !grund.isEmpty()) {
            if (frisch(info)) {
                if (frischUebergangen) {
                    *frischUebergangen = true;
                }
                continue;
            }
            if (istLesefehler(vorab)) {
                nichtEingesammelt(name, grund);
            } else {
                abweisen(name, grund);
            }
            continue;
        }
        // Beiseite nehmen (ein Umbenennen nimmt eine Verknuepfung als solche mit) und das
        // Genommene selbst noch einmal pruefen: dazwischen kann der Eintrag getauscht worden sein.
        const QString weg = eingang + beiseiteName(name);
        if (const int nummer = plattform::umbenennen(eingang + name, weg)) {
            if (nummer == ENOENT) {
                continue; // verschwunden: zurueckgezogen oder von einem anderen Programm genommen
            }
            if (plattform::istVerbindungsfehler(nummer)) {
                return stoerung(eingang + name, nummer);
            }
            nichtEingesammelt(name, u"konnte nicht nach "_s + ziel + u" verschoben werden ("_s +
                                        plattform::fehlerText(nummer) + u')');
            continue;
        }
        switch (nehmen(weg, name, s)) {
        case Genommen::Ja:
            if (genug(name, weg)) {
                return letzter;
            }
            continue;
        case Genommen::Fehler:
            // Liegt beiseite und wird beim naechsten Schritt wieder aufgenommen.
            if (!s.stoerung.isEmpty()) {
                return s;
            }
            continue;
        case Genommen::Fremd:
            // Dazwischen getauscht: zuruecklegen, wenn der Name frei ist; eine Verknuepfung, die
            // nicht zurueck kann, wird entfernt (nie ihr Ziel), anderes bleibt liegen.
            if (plattform::umbenennenOhneErsetzen(weg, eingang + name) != 0) {
                verknuepfungEntfernen(weg);
                abweisen(name, u"wurde beim Einsammeln ausgetauscht"_s);
            }
            continue;
        }
    }
    return anzahl > 0 ? letzter : s;
}

Einsammelschritt schritt(const TestPfade &test, const Einstellungen &e, Einsammlung &z,
                         const Uhr &uhr, Rueckfragen &r, bool *frischUebergangen = nullptr,
                         int max = 1, QStringList *gesammelt = nullptr)
{
    if (e.abgabeOrdner.isEmpty()) {
        if (e.ordnerFehler.contains(Kopf::testAbgabe)) {
            einmalMelden(z, Kopf::testAbgabe, e.ordnerFehler.value(Kopf::testAbgabe), r);
        }
        return {};
    }
    ordnerAnlegen(sp::abgabeLehrerOrdner(e.abgabeOrdner, e.lehrername));
    return Schritt(test, e, z, uhr, r).ausfuehren(frischUebergangen, max, gesammelt);
}

// Obergrenze der Schritte einer Leerung: ein Abgabeordner, in den ohne Ende geschrieben wird,
// haelt das Programm nicht fest.
constexpr int kMaxLeerungsschritte = 1000;
constexpr int kLeerungsanlaeufe = 3;
constexpr int kAnlaufPauseMs = 200;

} // namespace

Einsammelschritt testsMitnehmen(const TestPfade &test, const Einstellungen &e, Einsammlung &z,
                                const Uhr &uhr, Rueckfragen &r)
{
    // Ohne wartende Abgabe keine Sperre: der Zeitgeber laeuft die ganze Stunde.
    if (!e.abgabeOrdner.isEmpty()) {
        const QString eingang = sp::abgabeEingang(e.abgabeOrdner, e.lehrername);
        if (istEchterOrdner(eingang) &&
            QDir(eingang)
                .entryList({sp::abgabeMuster(test.klassenkuerzel()), u".*"_s + kBeiseiteEndung},
                           QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
                .isEmpty()) {
            return {};
        }
    }
    Testsperre sperre(test);
    if (!sperre.versuchen()) {
        Einsammelschritt s;
        s.belegt = true;
        return s;
    }
    return schritt(test, e, z, uhr, r);
}

Leerung abgabenLeerenGesperrt(const TestPfade &test, const Einstellungen &e, Einsammlung &z,
                              const Uhr &uhr, Rueckfragen &r)
{
    Leerung l;
    l.ok = true;
    // Liegt danach noch etwas (nach der letzten Auflistung angekommen, oder eben nicht zu nehmen),
    // bekommt es weitere Anlaeufe, bevor es als liegen geblieben gilt.
    for (int anlauf = 0; anlauf < kLeerungsanlaeufe; ++anlauf) {
        if (anlauf > 0) {
            QThread::msleep(kAnlaufPauseMs);
        }
        int gewartet = 0;
        for (int i = 0; i < kMaxLeerungsschritte; ++i) {
            bool frisch = false;
            // Alles, was eine Auflistung zeigt, in einem Schritt; dann nachsehen, was dazukam.
            const Einsammelschritt s =
                schritt(test, e, z, uhr, r, &frisch, kMaxLeerungsschritte, &l.namen);
            if (!s.stoerung.isEmpty()) {
                break;
            }
            if (s.eingesammelt) {
                l.verschobenNach = s.verschobenNach;
                continue;
            }
            // Eine Abgabe wird vielleicht gerade noch geschrieben: kurz auf sie warten.
            if ((!frisch && !abgabeImEntstehen(test, e)) || gewartet >= abgabeRuhezeitMs()) {
                break;
            }
            QThread::msleep(100);
            gewartet += 100;
        }
        l.offen = abgabenOffen(test, e, z);
        if (l.offen.isEmpty() || !z.stoerung.isEmpty()) {
            break;
        }
    }
    return l;
}

bool abgabeImEntstehen(const TestPfade &test, const Einstellungen &e)
{
    if (e.abgabeOrdner.isEmpty()) {
        return false;
    }
    const QString eingang = sp::abgabeEingang(e.abgabeOrdner, e.lehrername);
    const QRegularExpression muster = musterAusdruck(sp::abgabeMuster(test.klassenkuerzel()));
    QStringList namen;
    plattform::ordnerLesen(eingang, namen);
    for (const QString &n : std::as_const(namen)) {
        const QString teil = schuelerseite::abgabeZwischenname(QString());
        const QString anfang = teil.left(1), ende = teil.mid(1);
        if (n.startsWith(anfang) && n.endsWith(ende) &&
            passtAufMuster(n.mid(anfang.size()).chopped(ende.size()), muster) &&
            frisch(plattform::eintrag(eingang + n))) {
            return true;
        }
    }
    return false;
}

QString abgabenOffen(const TestPfade &test, const Einstellungen &e, const Einsammlung &z)
{
    if (!z.stoerung.isEmpty()) {
        return z.stoerung;
    }
    if (e.abgabeOrdner.isEmpty()) {
        return {};
    }
    const QString eingang = sp::abgabeEingang(e.abgabeOrdner, e.lehrername);
    QStringList namen;
    if (const int nummer = plattform::ordnerLesen(eingang, namen)) {
        return nummer == ENOENT ? QString() : plattform::serverUnerreichbarMeldung(eingang, nummer);
    }
    const std::optional<Vorlage> v = vorlageLesen(test);
    if (!v) {
        return {};
    }
    const QRegularExpression muster = musterAusdruck(sp::abgabeMuster(test.klassenkuerzel()));
    QStringList offen;
    for (const QString &n : std::as_const(namen)) {
        const QString beiseite = beiseiteAbgabe(n, muster);
        const QString name = beiseite.isEmpty() ? n : beiseite;
        if (beiseite.isEmpty() && !passtAufMuster(n, muster)) {
            continue;
        }
        const plattform::Eintrag info = plattform::eintrag(eingang + n);
        if (info.fehler) {
            return plattform::serverUnerreichbarMeldung(eingang + n, info.fehler);
        }
        if (!abweisungsgrund(name, info).isEmpty()) {
            continue;
        }
        const BytesErgebnis b = ohneVerknuepfungLesen(eingang + n, sp::kGrenzeAbgabe);
        if (b.fehler.art == DateiFehler::Art::Unerreichbar) {
            return plattform::serverUnerreichbarMeldung(eingang + n, b.fehler.nummer);
        }
        if (b.fehler.art == DateiFehler::Art::Fehlt ||
            (!inhaltsgrund(b, *v, ausgeteilteKopie(test, name)).isEmpty() && !istLesefehler(b))) {
            continue; // inzwischen genommen, oder keine Abgabe dieses Tests
        }
        const QString grund = z.nichtEingesammelt.value(name);
        const QString eintrag =
            name + u" ("_s + (grund.isEmpty() ? u"liegt noch im Abgabeordner"_s : grund) + u')';
        if (!offen.contains(eintrag)) {
            offen << eintrag;
        }
    }
    if (offen.isEmpty()) {
        return {};
    }
    return u"Diese Abgaben konnten nicht aus "_s + eingang + u" eingesammelt werden:\r\n"_s +
           offen.join(u"\r\n"_s) +
           u"\r\nDie Abgaben bleiben dort erhalten. Bitte die Ursache beheben und dann noch "
           "einmal versuchen."_s;
}

Leerung alleAbgabenEinsammeln(const TestPfade &test, const Einstellungen &e, Einsammlung &z,
                              const Uhr &uhr, Rueckfragen &r)
{
    Testsperre sperre(test);
    if (!sperre.sperren(r)) {
        return {};
    }
    return abgabenLeerenGesperrt(test, e, z, uhr, r);
}

Beendigung durchfuehrungBeenden(const TestPfade &test, const Einstellungen &e, Einsammlung &z,
                                const Uhr &uhr, Rueckfragen &r)
{
    Beendigung b;
    Testsperre sperre(test);
    if (!sperre.sperren(r)) {
        return b;
    }
    b.eingesammelt = abgabenLeerenGesperrt(test, e, z, uhr, r).namen;
    b.warLeer = bereitgestellteTestsLoeschen(test, e);
    const Leerung danach = abgabenLeerenGesperrt(test, e, z, uhr, r);
    b.eingesammelt << danach.namen;
    b.offen = danach.offen;
    if (!b.offen.isEmpty()) {
        r.fehler(b.offen);
    }
    b.ok = true;
    return b;
}
