#pragma once
// Lückentext als schlichter Text: Lücken stehen als [A:Hund], [F:Katze] oder
// [E:Maus|Ratte|Laus] (das erste Wort einer Einzelliste ist das richtige). Jede Zeile wird ein
// Absatz. Für das Werkzeug, Tests und Messungen.

#include "cloze/luecken.h"

#include <QString>

class QTextDocument;

// Füllt doc und tab; leer bei Erfolg, sonst die Meldung (mit der Lückennummer).
QString lueckentextAusQuelle(const QString &quelle, QTextDocument &doc, Lueckentabelle &tab);
