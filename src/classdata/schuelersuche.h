#pragma once
// Schuelersuche in allen Klassendateien eines Schuljahres: Teile von Vor- und Nachname und
// Geschlecht (Teiltext, Gross-/Kleinschreibung zaehlt) und Noten in bestimmten Slots (genau
// gleich).

#include "classdata/klasse.h"

#include <QString>
#include <QStringList>

class Rueckfragen;

struct SuchKriterien
{
    Schueler muster;  // Vorname, Nachname, Geschlecht, Zusatz (nicht verglichen) und Noten
    bool und = false; // "und": alle Kriterien; "oder": mindestens eines
};

inline const QString kKeinenSchuelerGefunden = QStringLiteral("Keinen Schüler gef.");

bool schuelerPasst(const Schueler &schueler, const SuchKriterien &k);
// Ob irgendein Schuelerplatz 1..40 passt. Im Modus "und" ohne jedes Kriterium passt jeder Platz.
bool klasseEnthaeltSuchSchueler(const Klasse &klasse, const SuchKriterien &k);
// Liest die Datei in eine eigene Klasse (die Klasse des Fensters bleibt unberuehrt);
// eine unlesbare Datei enthaelt niemanden.
bool klasseEnthaeltSuchSchueler(const QString &pfad, const SuchKriterien &k, Rueckfragen &r);

// Die Klassenliste im Suchmodus: die Dateien des Ordners mit passendem Schueler, in Listenfolge;
// ohne Treffer die eine Zeile "Keinen Schüler gef.".
QStringList suchKlassenListe(const QString &schuljahrOrdner, const SuchKriterien &k,
                             Rueckfragen &r);
