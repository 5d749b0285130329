// versetzen QUELLE.DTA ZIELORDNER: versetzt eine Klasse ohne Noten in den Zielordner
// (eine vorhandene Datei wird ueberschrieben) und gibt den neuen Pfad aus.

#include "classdata/klasse.h"
#include "classdata/klassensperre.h"
#include "classdata/klassenversetzung.h"
#include "werkzeug/werkzeug.h"

#include <QTextStream>

namespace {

int versetzen(WerkzeugKontext &k)
{
    if (k.argumente.size() != 2) {
        return 1;
    }
    Klasse klasse;
    Klassensperre sperre; // eine Zielklasse, die ein anderes Programm offen haelt, bleibt
    const QString pfad = klasseVersetzen(k.argumente[0], k.argumente[1], klasse, k.r, &sperre);
    if (pfad.isEmpty()) {
        return 2;
    }
    k.aus << pfad << Qt::endl;
    return 0;
}

const VerbRegistrierung
    verb("versetzen", "versetzen QUELLE.DTA ZIELORDNER   Klasse ins folgende Schuljahr versetzen",
         &versetzen);

} // namespace
