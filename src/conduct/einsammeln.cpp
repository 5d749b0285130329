#include "conduct/einsammeln.h"

#include "app/konfiguration.h"
#include "common/ansitext.h"
#include "common/fremdordner.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "conduct/testdokument.h"
#include "conduct/testsperre.h"
#include "conduct/verteilung.h"
#include "outside/schuelerprogramm.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>

using namespace Qt::StringLiterals;
namespace sp = schuelerprogramm;

QString dateiOhneFall(const QString &ordner, const QString &name)
{
    if (istGewoehnlicheDatei(ordner + name)) {
        return name;
    }
    const QStringList alle = QDir(ordner).entryList(
        QDir::Files | QDir::NoSymLinks | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &n : alle) {
        if (n.compare(name, Qt::CaseInsensitive) == 0) {
            return n;
        }
    }
    return {};
}

namespace {
int ruhezeitMs = 2000;
} // namespace

int abgabeRuhezeitMs()
{
    return ruhezeitMs;
}

void setzeAbgabeRuhezeitMs(int ms)
{
    ruhezeitMs = ms;
}

namespace {

// Eine Abgabe, die gerade eingesammelt wird, liegt unter diesem Namen im Abgabeordner. Er passt
// auf kein Abgabemuster; bricht das Einsammeln ab, legt der naechste Schritt sie zurueck.
const QString kBeiseiteEndung = u".wird-eingesammelt"_s;

QString beiseiteName(const QString &name)
{
    return u'.' + name + kBeiseiteEndung;
}

// Grund, warum ein Eintrag des Abgabeordners nicht eingesammelt wird; leer, wenn er taugt.
QString abweisungsgrund(const QFileInfo &info)
{
    if (info.isSymLink()) {
        return u"ist eine Verknüpfung"_s;
    }
    if (info.isDir()) {
        return u"ist ein Ordner"_s;
    }
    if (!info.isFile()) {
        return u"ist keine gewöhnliche Datei"_s;
    }
    if (info.size() > sp::kGrenzeAbgabe) {
        return u"ist größer als 1 MiB"_s;
    }
    const QString name = info.fileName();
    if (!sp::dateinameTauglich(name) || !ansiDarstellbar(name)) {
        return u"hat einen Namen, den nicht jedes Dateisystem annimmt"_s;
    }
    return {};
}

struct Vorlage
{
    QStringList zeilen;
    Loesung loesung;
};

// Gelesen wird ueber einen ohne Verknuepfung geoeffneten Deskriptor; Grund leer, wenn die Abgabe
// zu diesem Test gehoert.
QString inhaltsgrund(const BytesErgebnis &b, const Vorlage &v)
{
    switch (b.fehler.art) {
    case DateiFehler::Art::Keiner:
        break;
    case DateiFehler::Art::Verknuepfung:
        return u"ist eine Verknüpfung"_s;
    case DateiFehler::Art::IstOrdner:
        return u"ist ein Ordner"_s;
    case DateiFehler::Art::ZuGross:
        return u"ist größer als 1 MiB"_s;
    case DateiFehler::Art::KeinText:
        return u"ist keine gewöhnliche Datei"_s;
    default:
        return u"lässt sich nicht lesen (Fehler "_s + QString::number(b.fehler.nummer) + u')';
    }
    if (b.bytes.isEmpty()) {
        return u"ist leer"_s;
    }
    const ZeilenErgebnis z = ansiZeilenAus(b);
    if (!z.ok()) {
        return u"ist keine Textdatei"_s;
    }
    if (!passtZurVorlage(z.zeilen, v.zeilen, v.loesung)) {
        return u"gehört nicht zu diesem Test (ihre Aufgaben stimmen nicht mit der Testvorlage "
               "überein)"_s;
    }
    return {};
}

void einmalMelden(Einsammlung &z, const QString &schluessel, const QString &text, Rueckfragen &r)
{
    if (!z.abgewiesen.contains(schluessel)) {
        z.abgewiesen.insert(schluessel);
        r.warnung(text);
    }
}

// Legt beiseite genommene Abgaben eines abgebrochenen Einsammelns unter ihren Namen zurueck.
void beiseiteZuruecklegen(const QString &eingang)
{
    const QStringList reste = QDir(eingang).entryList(
        {u".*"_s + kBeiseiteEndung}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString &rest : reste) {
        const QString name = rest.mid(1).chopped(kBeiseiteEndung.size());
        eintragUmbenennen(eingang + rest, eingang + name, false);
    }
}

Einsammelschritt schritt(const TestPfade &test, const Einstellungen &e, Einsammlung &z,
                         const Uhr &uhr, Rueckfragen &r, bool *frischUebergangen = nullptr)
{
    Einsammelschritt s;
    if (e.abgabeOrdner.isEmpty()) {
        if (e.ordnerFehler.contains(Kopf::testAbgabe)) {
            einmalMelden(z, Kopf::testAbgabe, e.ordnerFehler.value(Kopf::testAbgabe), r);
        }
        return s;
    }
    const QString eingang = sp::abgabeEingang(e.abgabeOrdner, e.lehrername);
    ordnerAnlegen(sp::abgabeLehrerOrdner(e.abgabeOrdner, e.lehrername));
    ordnerAnlegen(eingang);
    // Ein Abgabeordner, der selbst eine Verknuepfung ist, fuehrt anderswohin: nichts einsammeln.
    if (!istEchterOrdner(eingang.chopped(1))) {
        einmalMelden(z, eingang,
                     u"Der Abgabeordner "_s + eingang +
                         u" ist kein gewöhnlicher Ordner; es wird nichts eingesammelt."_s,
                     r);
        return s;
    }
    Vorlage v;
    {
        const QString pfad = test.vorlage(u'A');
        const ZeilenErgebnis g = ansiZeilenLesen(pfad);
        const std::optional<Loesung> l = g.ok() ? loesungAusZeilen(g.zeilen) : std::nullopt;
        if (!l || l->fragen == 0) {
            einmalMelden(z, pfad,
                         u"Die Testvorlage "_s + pfad +
                             u" lässt sich nicht lesen oder enthält keine Aufgaben; ohne sie "
                             "lässt sich keine Abgabe diesem Test zuordnen. Es wird nichts "
                             "eingesammelt."_s,
                         r);
            return s;
        }
        v = {g.zeilen, *l};
    }
    const QString ziel = test.abgabenOrdner();
    ordnerAnlegen(ziel);
    beiseiteZuruecklegen(eingang);

    // Alle Eintraege, die auf das Muster passen, Verknuepfungen und Ordner eingeschlossen.
    const QFileInfoList kandidaten = QDir(eingang).entryInfoList(
        {sp::abgabeMuster(test.klassenkuerzel())},
        QDir::Files | QDir::Dirs | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &info : kandidaten) {
        // Gemeldet wird einmal; geprueft wird bei jedem Schritt, damit eine ersetzte Abgabe
        // oder ein spaeter gelingendes Verschieben doch noch eingesammelt wird.
        const QString name = info.fileName();
        const auto abweisen = [&](const QString &grund) {
            einmalMelden(z, name,
                         u"Die abgegebene Datei "_s + eingang + name + u' ' + grund +
                             u" und wird nicht eingesammelt."_s,
                         r);
        };
        if (const QString grund = abweisungsgrund(info); !grund.isEmpty()) {
            abweisen(grund);
            continue;
        }
        // Erst an Ort und Stelle pruefen: Abgaben anderer Tests werden nicht angeruehrt.
        if (const QString grund =
                inhaltsgrund(ohneVerknuepfungLesen(eingang + name, sp::kGrenzeAbgabe), v);
            !grund.isEmpty()) {
            if (info.lastModified().msecsTo(QDateTime::currentDateTime()) < ruhezeitMs) {
                if (frischUebergangen) {
                    *frischUebergangen = true;
                }
                continue;
            }
            abweisen(grund);
            continue;
        }
        // Beiseite nehmen (ein Umbenennen nimmt eine Verknuepfung als solche mit) und das
        // Genommene selbst noch einmal pruefen: dazwischen kann der Eintrag getauscht worden sein.
        const QString beiseite = eingang + beiseiteName(name);
        if (!eintragUmbenennen(eingang + name, beiseite, false)) {
            const int nummer = errno;
            // Verschwunden: ein anderes Programm hat sie genommen; das ist kein Fehler.
            if (QFileInfo(eingang + name).exists() || QFileInfo(eingang + name).isSymLink()) {
                abweisen(u"konnte nicht nach "_s + ziel + u" verschoben werden (Fehler "_s +
                         QString::number(nummer) + u")"_s);
            }
            continue;
        }
        const BytesErgebnis b = ohneVerknuepfungLesen(beiseite, sp::kGrenzeAbgabe);
        const QString grund = inhaltsgrund(b, v);
        const DateiFehler f =
            grund.isEmpty() ? ohneVerknuepfungSchreiben(ziel + (dateiOhneFall(ziel, name).isEmpty()
                                                                    ? name
                                                                    : dateiOhneFall(ziel, name)),
                                                        b.bytes)
                            : DateiFehler{};
        if (!grund.isEmpty() || !f.ok()) {
            // Zuruecklegen; ein getauschter fremder Eintrag, der nicht mehr zurueck kann, geht.
            const bool frisch = QFileInfo(beiseite).lastModified().msecsTo(
                                    QDateTime::currentDateTime()) < ruhezeitMs;
            if (!eintragUmbenennen(beiseite, eingang + name, false) && !grund.isEmpty() &&
                !frisch) {
                QFile::remove(beiseite);
            }
            if (!grund.isEmpty() && frisch) {
                if (frischUebergangen) {
                    *frischUebergangen = true;
                }
                continue;
            }
            abweisen(grund.isEmpty()
                         ? u"konnte nicht nach "_s + ziel + u" verschoben werden: "_s + f.meldung()
                         : grund);
            continue;
        }
        QFile::remove(beiseite);
        z.abgewiesen.remove(name);
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
        protokollSchreiben(test, uhr, z.zaehler, z.ersteAbgabe);
        z.ersteAbgabe = false;
        return s;
    }
    return s;
}

// Obergrenze der Schritte einer Leerung: ein Abgabeordner, in den ohne Ende geschrieben wird,
// haelt das Programm nicht fest.
constexpr int kMaxLeerungsschritte = 1000;

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
    int gewartet = 0;
    for (int i = 0; i < kMaxLeerungsschritte; ++i) {
        bool frisch = false;
        const Einsammelschritt s = schritt(test, e, z, uhr, r, &frisch);
        if (s.eingesammelt) {
            l.namen << s.name;
            l.verschobenNach = s.verschobenNach;
            continue;
        }
        // Eine Abgabe wird vielleicht gerade noch geschrieben: kurz auf sie warten.
        if (!frisch || gewartet >= ruhezeitMs) {
            break;
        }
        QThread::msleep(100);
        gewartet += 100;
    }
    return l;
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
    b.eingesammelt << abgabenLeerenGesperrt(test, e, z, uhr, r).namen;
    b.ok = true;
    return b;
}
