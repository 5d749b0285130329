#include "conduct/einsammeln.h"

#include "app/konfiguration.h"
#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "conduct/verteilung.h"
#include "outside/schuelerprogramm.h"

#include <QDir>
#include <QFileInfo>

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

} // namespace

Einsammelschritt testsMitnehmen(const TestPfade &test, const Einstellungen &e, Einsammlung &z,
                                const Uhr &uhr, Rueckfragen &r)
{
    Einsammelschritt s;
    if (e.abgabeOrdner.isEmpty()) {
        return s;
    }
    const QString eingang = sp::abgabeEingang(e.abgabeOrdner, e.lehrername);
    ordnerAnlegen(sp::abgabeLehrerOrdner(e.abgabeOrdner, e.lehrername));
    ordnerAnlegen(eingang);
    // Ein Abgabeordner, der selbst eine Verknuepfung ist, fuehrt anderswohin: nichts einsammeln.
    if (!istEchterOrdner(eingang.chopped(1))) {
        if (!z.abgewiesen.contains(eingang)) {
            z.abgewiesen.insert(eingang);
            r.warnung(u"Der Abgabeordner "_s + eingang +
                      u" ist kein gewöhnlicher Ordner; es wird nichts eingesammelt."_s);
        }
        return s;
    }
    const QString ziel = test.abgabenOrdner();
    ordnerAnlegen(ziel);

    // Alle Eintraege, die auf das Muster passen, Verknuepfungen und Ordner eingeschlossen.
    const QFileInfoList kandidaten = QDir(eingang).entryInfoList(
        {sp::abgabeMuster(test.klassenkuerzel())},
        QDir::Files | QDir::Dirs | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &info : kandidaten) {
        // Gemeldet wird einmal; geprueft wird bei jedem Schritt, damit eine ersetzte Abgabe
        // oder ein spaeter gelingendes Verschieben doch noch eingesammelt wird.
        const QString name = info.fileName();
        if (const QString grund = abweisungsgrund(info); !grund.isEmpty()) {
            if (!z.abgewiesen.contains(name)) {
                z.abgewiesen.insert(name);
                r.warnung(u"Die abgegebene Datei "_s + eingang + name + u' ' + grund +
                          u" und wird nicht eingesammelt."_s);
            }
            continue;
        }
        // Eine fruehere Abgabe desselben Schuelers wird ersetzt, auch in anderer Schreibweise.
        for (QString alt = dateiOhneFall(ziel, name); !alt.isEmpty();
             alt = dateiOhneFall(ziel, name)) {
            if (!dateiLoeschen(ziel + alt)) {
                break;
            }
        }
        if (!dateiVerschieben(eingang + name, ziel + name, true)) {
            if (!z.abgewiesen.contains(name)) {
                z.abgewiesen.insert(name);
                r.warnung(u"Die abgegebene Datei "_s + eingang + name + u" konnte nicht nach "_s +
                          ziel + u" verschoben werden."_s);
            }
            continue;
        }
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
