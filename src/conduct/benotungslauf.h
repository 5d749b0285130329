#pragma once
// Was ein Benotungslauf ueber die Klasse sammelt: Ergebnisse je Platz, Treffer je Frage,
// Notenzaehler und Befunde. Benotung und Zusammenfassung teilen ihn.

#include "classdata/klasse.h"
#include "conduct/aufgabenanalyse.h"
#include "conduct/normtabelle.h"
#include "conduct/testdokument.h"
#include "grades/benotungsergebnis.h"

#include <QString>

#include <array>

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
    QList<Antwortbogen> antwortboegen; // der gewerteten Schueler (nicht krank, richtige Gruppe)
    Aufgabenanalyse analyse;
};
