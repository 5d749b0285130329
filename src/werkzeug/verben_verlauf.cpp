// verlauf KLASSE.DTA [--schueler N]: der Notenverlauf der Klasse als JSON, neueste Aenderung
// zuerst; mit --schueler nur der Schueler mit der Nummer N in der Klassendatei.
#include "classdata/klassendatei.h"
#include "classdata/klassensicherung.h"
#include "common/rueckfragen.h"
#include "werkzeug/json.h"
#include "werkzeug/werkzeug.h"

#include <QTextStream>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

int verlauf(WerkzeugKontext &k)
{
    const std::optional<QString> schueler = optionNehmen(k.argumente, u"--schueler"_s);
    if (k.argumente.size() != 1) {
        return 1;
    }
    const QString pfad = k.argumente[0];
    Klasse klasse;
    if (!klasseLadenAusDatei(pfad, klasse, k.r)) {
        return 2;
    }
    QList<Notenaenderung> liste = verlaufLesen(pfad);
    if (schueler) {
        bool zahl = false;
        const int nr = schueler->toInt(&zahl);
        if (!zahl || nr < 1 || nr > klassenGroesse(klasse)) {
            k.fehler << u"Keinen Schüler Nummer "_s << *schueler << u" in "_s << pfad << Qt::endl;
            return 2;
        }
        const Schueler &s = klasse.schueler(nr);
        liste.removeIf([&](const Notenaenderung &a) {
            return a.vorname != s.vorname || a.nachname != s.nachname;
        });
    }
    // Neueste zuerst; gleiche Zeiten (Sekunden) in umgekehrter Folge des Eintragens.
    std::reverse(liste.begin(), liste.end());
    std::stable_sort(
        liste.begin(), liste.end(),
        [](const Notenaenderung &a, const Notenaenderung &b) { return a.zeit > b.zeit; });
    JsonSchreiber j;
    j.feldAnfang();
    for (const Notenaenderung &a : liste) {
        j.objektAnfang();
        j.schluessel(u"zeit"_s).wert(a.zeit.toString(u"yyyy-MM-ddTHH:mm:ss"_s));
        j.schluessel(u"rechner"_s).wert(a.rechner);
        j.schluessel(u"nachname"_s).wert(a.nachname);
        j.schluessel(u"vorname"_s).wert(a.vorname);
        j.schluessel(u"notenart"_s).wert(qint64(a.art));
        j.schluessel(u"notenartName"_s).wert(klasse.notenart(a.art).langname);
        j.schluessel(u"liste"_s).wert(qint64(a.slot + 1));
        j.schluessel(u"datum"_s).wert(a.datum);
        j.schluessel(u"erlaeuterung"_s).wert(a.erlaeuterung);
        j.schluessel(u"alt"_s).wert(a.alt);
        j.schluessel(u"neu"_s).wert(a.neu);
        j.objektEnde();
    }
    j.feldEnde();
    k.aus << j.text() << Qt::endl;
    return 0;
}

const VerbRegistrierung verb("verlauf",
                             "verlauf DATEI.DTA [--schueler N]   Notenverlauf als JSON, neueste "
                             "Aenderung zuerst",
                             &verlauf);

} // namespace
