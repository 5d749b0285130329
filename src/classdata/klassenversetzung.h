#pragma once
// Versetzung in das folgende Schuljahr: die Klassendatei wird mit allen Schuelerdaten, aber ohne
// Noten, Daten und Erlaeuterungen unter dem Namen mit der naechsten Jahrgangsstufe in den Ordner
// des folgenden Schuljahres geschrieben.

#include <QString>
#include <QStringList>

class Klasse;
class Klassensperre;
class Rueckfragen;

inline const QString kKeineKlasse = QStringLiteral("Keine Klasse");

// Das Schuljahr nach "2016-17" ("2017-18"); leer nach dem letzten der Liste oder bei falscher Form.
QString folgeSchuljahr(const QString &schuljahr);

// Der Dateiname in der naechsten Stufe: "L-7x-Ph.DTA" -> "L-8x-Ph.DTA", "K-9-Inx.DTA" ->
// "K-10-Inx.DTA", "L-10a-De.DTA" -> "L-11a-De.DTA". Der Rest des Namens bleibt immer ganz.
QString versetzterName(const QString &dateiname);

// Loescht alle Noten aller 40 Schueler und Datum und Erlaeuterung jedes benutzten Slots.
void notenLoeschen(Klasse &klasse);

// Die Eintraege einer Versetzungsliste: die Klassendateien des Ordners oder "Keine Klasse".
QStringList versetzungsListe(const QString &schuljahrOrdner);

// Versetzt die Klassendatei quellPfad in den Ordner zielOrdner (wird angelegt). Gibt es dort schon
// eine Datei des neuen Namens, wird nur nach "Ja" ueberschrieben. klasse haelt danach die
// versetzte Klasse ohne Noten. Ergebnis: der geschriebene Pfad, leer wenn nichts geschrieben wurde.
// Mit sperre wird nur geschrieben, wenn kein anderes Programm die Zielklasse offen haelt
// (Klassensperre::alleinOeffnen).
QString klasseVersetzen(const QString &quellPfad, const QString &zielOrdner, Klasse &klasse,
                        Rueckfragen &r, Klassensperre *sperre = nullptr);

// "Alle Klassen versetzen": jede Klasse der Liste des endenden Jahres, erste bis letzte.
// Ergebnis: die geschriebenen Pfade.
QStringList alleKlassenVersetzen(const QString &endOrdner, const QString &folgeOrdner,
                                 Klasse &klasse, Rueckfragen &r);

// Loescht eine Klassendatei des folgenden Jahres ohne Rueckfrage; eine fehlende ist kein Fehler.
bool klasseImFolgejahrLoeschen(const QString &folgeOrdner, const QString &eintrag);

// Klick in die Liste des folgenden Jahres: loescht erst nach "Ja" auf "Soll die Klasse <name> im
// Schuljahr <jahr> gelöscht werden?". "Keine Klasse" fragt nicht. Ergebnis: ob geloescht wurde.
bool klasseImFolgejahrLoeschenNachFrage(const QString &folgeOrdner, const QString &folgeSchuljahr,
                                        const QString &eintrag, Rueckfragen &r);
// "Alle Klassen löschen": eine Rueckfrage fuer alle Klassendateien des Ordners, nach "Ja" werden
// sie von der letzten zur ersten geloescht. Ergebnis: Zahl der geloeschten.
int alleKlassenImFolgejahrLoeschen(const QString &folgeOrdner, const QString &folgeSchuljahr,
                                   Rueckfragen &r);
