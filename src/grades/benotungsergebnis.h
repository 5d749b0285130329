#pragma once
// Ergebnis eines Schuelers aus der Testbenotung, wie es ins Notenbuch uebernommen wird:
// zugeordnet ueber die Initiale und die ersten 8 Zeichen des Nachnamens.

#include <QString>

struct Benotungsergebnis
{
    QString initiale; // erstes Zeichen des Vornamens
    QString nachname; // erste 8 Zeichen
    QString noteE;    // Notentext, "/" (abwesend) oder "GF" (falsche Gruppe)
    qint16 punkte = -1; // -1: keine Kopie
};
