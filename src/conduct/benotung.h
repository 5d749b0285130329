#pragma once
// Benoten einer Klasse: jede Kopie in "T2-Ausge" wird Frage fuer Frage bewertet (volle Punkte nur
// fuer genau ein Kreuz auf der richtigen Antwort), ueber die Normtabelle benotet und als benotete
// Kopie nach "T3-Benot" geschrieben; danach die Klassenzeilen und die Zusammenfassung.
// Eine unbrauchbare Kopie (fehlt, Verknuepfung, zu gross, binaer, mehr als 40 Fragen) wird mit
// einer Meldung uebergangen; die anderen Schueler werden benotet.

#include "classdata/klasse.h"
#include "conduct/aufgabenanalyse.h"
#include "conduct/normtabelle.h"
#include "conduct/testdokument.h"
#include "conduct/testname.h"
#include "grades/benotungsergebnis.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

class Rueckfragen;
struct Einstellungen;

// Uebergabe an das Notenbuch, eine je Klassenplatz.

struct Gruppeneintrag
{
    QString nachname, vorname, gruppe;
};

struct Benotungslauf
{
    int klassenGroesse = 0;
    Normtabelle norm = standardNormtabelle();
    std::array<Benotungsergebnis, kMaxSchueler + 1> ergebnisse{}; // Plaetze 1..40
    std::array<qint16, kMaxFragen + 1> klassenTreffer{};
    std::array<qint16, kNormZeilen> notenZaehler{};
    std::array<bool, kMaxSchueler + 1> falschPositioniert{};
    std::array<bool, kMaxSchueler + 1> gruppenFehler{};
    std::array<bool, kMaxSchueler + 1>
        benotet{};                     // Plaetze, deren Kopie in diesem Lauf benotet wurde
    Loesung loesung;                   // Schluessel der zuletzt gelesenen Vorlage
    QString datum;                     // "yyyy-mm-dd"
    QString thema;                     // Zeile 4 der Kopie, Zeichen 8 bis 67
    QList<Antwortbogen> antwortboegen; // der gewerteten Schueler
    Aufgabenanalyse analyse;
};

// Je drei Zeilen (Vorname, Nachname, Gruppe) ein Eintrag, hoechstens 40; Namen auf 20 Zeichen.
std::array<Gruppeneintrag, kMaxSchueler + 1> gruppenTabelle(const QStringList &zeilen);
// Liest die Gruppendatei (hoechstens 40 Eintraege) und meldet fehlende Kopien.
std::array<Gruppeneintrag, kMaxSchueler + 1> gruppenDateiPruefen(const TestPfade &test,
                                                                 Rueckfragen &r);

// kopfPruefen: krank, wenn "KRANK" (gross geschrieben) in Zeilen 1-3 steht; Gruppenfehler, wenn
// Zeile 3 nicht mit dem Gruppenbuchstaben endet.
struct Kopfbefund
{
    bool krank = false;
    bool gruppenFehler = false;
};
Kopfbefund kopfPruefen(const QStringList &kopie, const QString &gruppe);

// Punkte je Frage und Note. antwort und kreuzAnzahl stammen aus der eben gelesenen Kopie.
Einzelergebnis punkteUndNoteBerechnen(const Loesung &l, const Kreuze &k, const Normtabelle &norm,
                                      std::array<qint16, kMaxFragen + 1> &klassenTreffer);

// Der ganze Lauf nach dem Einlesen der Normtabelle. ProgrammEnde bei einem Nummerierungsfehler
// einer Vorlage.
Ablauf testsBenoten(const TestPfade &test, const Klasse &klasse, const Normtabelle &norm,
                    const QDate &heute, Benotungslauf &lauf, Rueckfragen &r);

// "Tests benoten" nach der Rueckfrage des Fensters: zieht die bereitgestellten Tests zurueck, liest
// die Normtabelle (ohne Angabe ueber den Dateidialog; abgebrochen oder unlesbar: Standardanteile
// mit Meldung) und benotet die Klasse.
Ablauf benotungStarten(const TestPfade &test, const Einstellungen &e, const Klasse &klasse,
                       const std::optional<QString> &normtabelle, const QDate &heute,
                       Benotungslauf &lauf, Rueckfragen &r);

// Meldet falsch gesetzte Kreuze und Gruppenfehler mit den Platznummern.
void fehlerMelden(const Benotungslauf &lauf, Rueckfragen &r);
