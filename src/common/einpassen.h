#pragma once
// Fenster in den freien Bereich des Bildschirms einpassen, mit dem Rahmen der Fensterverwaltung.

#include <QMargins>
#include <QRect>

// frei: verfuegbarer Bereich des Bildschirms (ohne Leisten), in globalen Koordinaten;
// rahmen: Rahmen und Titelleiste der Fensterverwaltung um den Inhalt;
// fenster: gewuenschter Inhaltsbereich (ohne Rahmen).
// Ergebnis: der Inhaltsbereich, dessen Rahmen ganz im freien Bereich liegt. Das Fenster bleibt,
// wo es ist, solange es passt; sonst wird es nur so weit verschoben und verkleinert wie noetig.
// Passt es trotz allem nicht (Mindestgroesse), bleibt die linke obere Ecke mit Titelleiste und
// Menue sichtbar. Ein leerer freier Bereich aendert nichts.
QRect fensterEinpassen(const QRect &frei, const QMargins &rahmen, const QRect &fenster);
