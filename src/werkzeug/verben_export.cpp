// export DATEI.DTA ZIEL: schreibt den Klassendatenexport wie das Programm.

#include "classdata/klassendatei.h"
#include "grades/klassenexport.h"
#include "werkzeug/werkzeug.h"

#include <QTextStream>

namespace {

int exportieren(WerkzeugKontext &k)
{
    if (k.argumente.size() != 2) {
        return 1;
    }
    Klasse klasse;
    if (!klasseLadenAusDatei(k.argumente[0], klasse, k.r)) {
        return 2;
    }
    return exportSchreiben(klasse, k.argumente[1], k.r) ? 0 : 2;
}

const VerbRegistrierung
    verb("export", "export DATEI.DTA ZIEL              Klassendaten als Semikolondatei exportieren",
         &exportieren);

} // namespace
