#pragma once
// Benoten einer Klasse: jede Kopie in "T2-Ausge" wird Frage fuer Frage bewertet (volle Punkte nur
// fuer genau ein Kreuz auf der richtigen Antwort), ueber die Normtabelle benotet und als benotete
// Kopie nach "T3-Benot" geschrieben; danach die Klassenzeilen und die Zusammenfassung.
// Eine fehlende Kopie wird gemeldet und uebergangen. Eine Kopie, die sich nicht benoten laesst
// (Verknuepfung, zu gross, binaer, mehr als 40 Fragen, nicht die ausgeteilte), haelt den ganzen
// Lauf an: kein Schueler verliert still seine Note.

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
// den Inhalt von "T3-Benot" gemeinsam.
//
// Welcher Schluessel: immer der der aktuellen Vorlage A (Punkte, richtige Antwort), in der
// Antwortfolge, die der Schueler bekam. Massgeblich ist seine Kopie in "T1-Kopie": die abgegebene
// muss ihr in Fragezeilen und Antworten (ab dem Buchstaben, also ohne Kreuze) gleichen, sonst
// stammt sie aus einer frueheren Austeilung oder einem anderen Test. Ein Platzhalter ("krank:")
// ist selbst eine ausgeteilte Kopie und wird nicht verglichen. Die Folge einer Kopie der Gruppe A
// ist die von A; die einer anderen Kopie ergibt sich je Frage aus gleichen Antworttexten, zuerst
// gegen die ausgeteilte Kopie eines Schuelers der Gruppe A (sie traegt die Texte der Austeilung,
// auch wenn der Lehrer A seither berichtigt hat), dann gegen A selbst; eine einzelne geaenderte
// Antwort ist die uebrige. Die Vorlage B wird dazu nicht gebraucht: nach einem abgebrochenen
// neuen Austeilen kann sie eine andere Folge haben als die Kopien.
//
// Abgebrochen mit Meldung, nichts geschrieben: unbrauchbare Vorlage A (ohne Aufgaben, ohne
// Loesungszeile), keine einzige benotbare Kopie, oder eine Kopie, die sich nicht benoten laesst
// (unlesbar, zu gross, mehr als 40 Fragen, nicht die ausgeteilte, ohne ausgeteilte Kopie, Zahl der
// Aufgaben oder Antworten passen nicht mehr zu A); eine Meldung nennt alle diese Schueler mit
// Grund. ProgrammEnde bei einem Nummerierungsfehler der Vorlage.
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
