#pragma once
// Benoten einer Klasse: jede Kopie in "T2-Ausge" wird Frage fuer Frage bewertet (volle Punkte nur
// fuer genau ein Kreuz auf der richtigen Antwort), ueber die Normtabelle benotet und als benotete
// Kopie nach "T3-Benot" geschrieben; danach die Klassenzeilen und die Zusammenfassung.
// Eine unbrauchbare Kopie (fehlt, Verknuepfung, zu gross, binaer, mehr als 40 Fragen, anderer
// Test) wird mit einer Meldung uebergangen; die anderen Schueler werden benotet.

#include "classdata/klasse.h"
#include "conduct/benotungslauf.h"
#include "conduct/normtabelle.h"
#include "conduct/testdokument.h"
#include "conduct/testname.h"
#include "grades/benotungsergebnis.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

class Rueckfragen;
class Uhr;
struct Einsammlung;
struct Einstellungen;

// Uebergabe an das Notenbuch, eine je Klassenplatz.

struct Gruppeneintrag
{
    QString nachname, vorname, gruppe;
};

// Je drei Zeilen (Vorname, Nachname, Gruppe) ein Eintrag, hoechstens 40; Namen auf 20 Zeichen.
std::array<Gruppeneintrag, kMaxSchueler + 1> gruppenTabelle(const QStringList &zeilen);
// Liest die Gruppendatei (hoechstens 40 Eintraege) und meldet fehlende Kopien.
std::array<Gruppeneintrag, kMaxSchueler + 1> gruppenDateiPruefen(const TestPfade &test,
                                                                 Rueckfragen &r);

// kopfPruefen: krank, wenn Zeile 1 mit "krank:" beginnt (der Platzhalter des Austeilens, ohne
// Ruecksicht auf Gross-/Kleinschreibung); Gruppenfehler, wenn Zeile 3 nicht mit dem
// Gruppenbuchstaben endet.
struct Kopfbefund
{
    bool krank = false;
    bool gruppenFehler = false;
};
Kopfbefund kopfPruefen(const QStringList &kopie, const QString &gruppe);

// Punkte je Frage und Note. antwort und kreuzAnzahl stammen aus der eben gelesenen Kopie.
Einzelergebnis punkteUndNoteBerechnen(const Loesung &l, const Kreuze &k, const Normtabelle &norm,
                                      std::array<qint16, kMaxFragen + 1> &klassenTreffer);

// Der ganze Lauf nach dem Einlesen der Normtabelle; der Aufrufer haelt die Testsperre. Erst wird
// alles geprueft und im Speicher gebaut, dann ersetzen die benoteten Kopien und die Zusammenfassung
// den Inhalt von "T3-Benot" gemeinsam. Eine unbrauchbare Vorlage (ohne Aufgaben, ohne
// Loesungszeile) oder keine einzige benotbare Kopie: Meldung, Abgebrochen, nichts geschrieben.
// Eine Kopie, die nicht zur Vorlage passt, wird genannt und nicht benotet. ProgrammEnde bei einem
// Nummerierungsfehler einer Vorlage.
Ablauf testsBenoten(const TestPfade &test, const Klasse &klasse, const Normtabelle &norm,
                    const QDate &heute, Benotungslauf &lauf, Rueckfragen &r);

// "Tests benoten" nach der Rueckfrage des Fensters: waehlt die Normtabelle (ohne Angabe ueber den
// Dateidialog; abgebrochen oder unlesbar: Standardanteile mit Meldung), nimmt die Testsperre
// (belegt: Meldung, Abgebrochen), sammelt alle wartenden Abgaben ein (z und uhr wie beim
// Zeitgeber), zieht die bereitgestellten Tests zurueck, sammelt noch einmal und benotet die Klasse.
Ablauf benotungStarten(const TestPfade &test, const Einstellungen &e, const Klasse &klasse,
                       const std::optional<QString> &normtabelle, const Uhr &uhr, Einsammlung &z,
                       Benotungslauf &lauf, Rueckfragen &r);
// Dasselbe mit einem frischen Einsammelzustand und dem Tag heute.
Ablauf benotungStarten(const TestPfade &test, const Einstellungen &e, const Klasse &klasse,
                       const std::optional<QString> &normtabelle, const QDate &heute,
                       Benotungslauf &lauf, Rueckfragen &r);

// Meldet falsch gesetzte Kreuze und Gruppenfehler mit den Platznummern.
void fehlerMelden(const Benotungslauf &lauf, Rueckfragen &r);
