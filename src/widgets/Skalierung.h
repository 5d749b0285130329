#pragma once
// Wendet den Skalierungsfaktor auf ein Fenster an: Schriften, feste Groessen und Abstaende.
// Die Anordnung selbst uebernehmen die Layouts.

#include "settings/skalierung.h"

class QWidget;

// Faktor in Prozent fuer den freien Bereich des Bildschirms, auf dem das Fenster erscheint.
int fensterSkalierung(const QWidget *fenster, Fensterfamilie familie);
// Skaliert Schriften, gesetzte Mindest-/Hoechstgroessen und Layoutabstaende um prozent / 100.
void fensterSkalieren(QWidget *fenster, int prozent);
