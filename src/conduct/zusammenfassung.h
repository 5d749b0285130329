#pragma once
// Die Klassenansicht eines benoteten Tests: Treffer je Frage, Punkte je Note, Notenspiegel und
// Durchschnitt der E-Noten; eingetragen in jede benotete Kopie und in "Zusammenfassung.Doc"
// (ANSI-Text mit CR LF und TAB).

#include "conduct/benotungslauf.h"
#include "conduct/testname.h"

#include <QString>
#include <QStringList>

// Sortiert die Ergebnisse der Plaetze 1..Klassengroesse nach Nachname (8 Zeichen) und Initiale,
// Byte fuer Byte in ANSI; ohne Kopie (leere Namen) zuerst.
void zusammenfassungSortieren(Benotungslauf &lauf);

// Durchschnitt der E-Noten mit einer Nachkommastelle und Komma ("2,3"); "0,0" ohne gezaehlte Note.
QString durchschnittText(const Benotungslauf &lauf);

// Die Klassenzeilen fuer eine Datei mit der Zeile 2 zeile2.
QStringList trefferZeilen(const Benotungslauf &lauf, const QString &zeile2);
QStringList klassenblock(const Benotungslauf &lauf, const QString &zeile2);

// Die benotete Kopie mit den Klassenzeilen (vor ihrer Zeile 9 und 12, Zeile 2 der Kopie als
// Trennlinie).
QStringList mitKlassenzeilen(const QStringList &benotet, const Benotungslauf &lauf);

// "Zusammenfassung.Doc": kopf sind die Zeilen 1-7 der ersten benoteten Kopie, zeile2 die Zeile 2
// der letzten.
QStringList zusammenfassungZeilen(const TestPfade &test, const Benotungslauf &lauf,
                                  const QStringList &kopf, const QString &zeile2);
