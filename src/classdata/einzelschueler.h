#pragma once
// Einzelne Schueler in der Einzelansicht: Felder pruefen und uebernehmen, neuen Schueler anlegen,
// Schueler nach Rueckfrage loeschen, Verschieben erlauben.

#include "classdata/klassenverwaltung.h"

#include <QString>

class Klasse;
class Rueckfragen;

// Beim Verlassen von EVorname bzw. ENachname: erster Buchstabe gross, im Vornamen alle Blanks
// entfernt.
QString vornameFeldVerlassen(const QString &text);
QString nachnameFeldVerlassen(const QString &text);
// Beim Verlassen von EGeschl: alles ausser "m" und "w" wird leer.
QString geschlechtFeldVerlassen(const QString &text);

// Ob ein neuer Schueler vollstaendig ist; sonst die Meldung (der Fokus geht auf den Vornamen).
bool neuenSchuelerPruefen(const SchuelerFelder &felder, Rueckfragen &r);

// "Neuer Schüler": die Felder des gezeigten Schuelers nr werden uebernommen, die Schueler
// sortiert, und der neue Platz (Klassengroesse + 1, Noten geleert) wird geliefert. 0, wenn die
// Klasse schon 40 Schueler hat (mit Meldung).
int neuenSchuelerAnlegen(Klasse &klasse, int nr, const SchuelerFelder &felder,
                         const SortierOptionen &sortierung, Rueckfragen &r);

// "Schüler löschen": fragt (fuer einen unfertigen neuen Schueler "Neu-Eingabe abbrechen?") und
// entfernt den Schueler bei Ja.
bool schuelerLoeschenNachRueckfrage(Klasse &klasse, int nr, bool neuerSchueler, Rueckfragen &r);

// Ob "Schüler verschieben" in den Zielmodus wechseln darf: nicht im Suchmodus und nicht mit
// unvollstaendigem neuen Schueler.
bool verschiebenMoeglich(bool suchmodus, bool neuerSchueler, const SchuelerFelder &felder,
                         Rueckfragen &r);
