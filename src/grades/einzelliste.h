#pragma once
// Einzellisten: ein Notentermin der ganzen Klasse (ein Slot einer Notenart) mit Datum,
// Erlaeuterung und einer Note je Schueler. Das Fenster haelt die offene Liste; in die Klasse
// geschrieben wird erst mit OK, "Neue Note", "Vorherige" oder "Nächste".

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Klasse;
class Rueckfragen;
class Uhr;

// Die offene Einzelliste.
struct Einzelliste
{
    int art = 0;  // 1..5
    int slot = 0; // 0..letzter benutzbarer Slot der Art
    QString datum;
    QString erlaeuterung;
    QStringList noten; // Note (E-Niveau) je Schueler 1..n, Index 0 = Schueler 1
    bool geloescht = false;
};

// Beschriftung von LNotenart, solange keine Notenart gewaehlt ist.
inline const QString kNotenartWaehlen = QStringLiteral("Bitte oben die Notenart wählen.");

// Ob die Einzellistenansicht geoeffnet werden kann: nur mit Schuelern, sonst die Meldung.
bool einzellisteAnsichtMoeglich(const Klasse &klasse, Rueckfragen &r);
// Der Hinweis, wenn Testnoten eingetragen werden sollen.
void testnotenHinweis(Rueckfragen &r);

// Zahl der Schueler im linken Gitter: n / 2 aufgerundet (7 -> 4, 8 -> 4).
int linkeHaelfte(int groesse);

// Die Zeilen der Listenauswahl: je belegtem Slot "H 1: 2016-09-12:  Referat", dann, wenn die Art
// noch einen freien Slot hat, "H3:" + 24 Blanks + "neu". Leer fuer eine Art ausserhalb 1..5.
QStringList listenAuswahlZeilen(const Klasse &klasse, int art);
// Zeile t (ab 0) der Auswahl meint Slot t.

// Oeffnet Slot slot der Art: ein belegter Slot mit seinem Datum und seiner Erlaeuterung, ein
// freier ("neu") mit dem heutigen Datum und der Erlaeuterung "neu". Die Noten kommen aus der
// Klasse.
Einzelliste einzellisteOeffnen(const Klasse &klasse, int art, int slot, const Uhr &uhr);

// "Neue Note": der erste freie Slot der Art mit heutigem Datum, der gespeicherten Erlaeuterung
// des Slots und leeren Noten; nullopt, wenn die Art voll oder ungueltig ist.
std::optional<Einzelliste> neueNote(const Klasse &klasse, int art, const Uhr &uhr);

// "Vorherige"/"Nächste": der Slot daneben, nicht unter 0 und nicht ueber die "neu"-Zeile hinaus.
int nachbarSlot(const Klasse &klasse, int art, int slot, int richtung);

// Die Zellen einer Gitterzeile: Punkte (Spalte 4), Zensur (5), G-Note (6).
struct NotenZelle
{
    QString punkte;
    QString zensur;
    QString gNote;
};
NotenZelle zelleAusZensur(const QString &zensur);
// Eingabe in Spalte 4 (Punkte) oder 5 (Zensur); nullopt, wenn der Wert dort nicht erlaubt ist
// (das Fenster piept und stellt den alten Wert wieder her).
std::optional<NotenZelle> zelleAusEingabe(int spalte, const QString &wert);

// Das Datumsfeld: leer oder genau 10 Zeichen mit Ziffern an 1..4, 6..7 und 9..10; sonst die
// Meldung.
bool datumEingabeOk(const QString &datum, Rueckfragen &r);

// "Alle leeren Notenfelder füllen": fragt die Pauschalnote (Zensurmodus) und setzt sie bei jedem
// Schueler der offenen Liste ohne Note. Ungueltige Eingabe piept; Abbruch aendert nichts.
bool leereNotenFuellen(Einzelliste &liste, Rueckfragen &r);
void leereNotenFuellenMit(Einzelliste &liste, const QString &note);

// "Einzelliste löschen": nach Rueckfrage Datum, Erlaeuterung und alle Noten leeren und die Liste
// als geloescht markieren.
bool einzellisteLoeschen(Einzelliste &liste, Rueckfragen &r);

// Die Pruefung vor OK; false (mit Piep und Meldung): die Ansicht bleibt offen.
bool einzellisteOkPruefen(const Einzelliste &liste, bool erlaeuterungSichtbar, Rueckfragen &r);

// Schreibt die offene Liste in die Klasse; eine geloeschte Liste wird geleert geschrieben und die
// spaeteren Listen der Art ruecken um einen Slot nach links.
void einzellistenDaten_nach_suk(Klasse &klasse, const Einzelliste &liste);
// Spaetere Listen ab Slot slot + 1 ruecken nach links, der letzte Slot wird geleert.
void listenNachLinksRuecken(Klasse &klasse, int art, int slot);
// Die Beschriftung LZenDatum: Taste + (Slot + 1) + ": " + Blank bei einstelliger Nummer + Datum.
QString zenDatumText(const Klasse &klasse, int art, int slot);

// Ein Ergebnis einer Testbenotung: erster Buchstabe des Vornamens, die ersten 8 Zeichen des
// Nachnamens und die Note ("1+" .. "6", "/" oder "GF").
struct BenotungsErgebnis
{
    QString initial;
    QString nachname8;
    QString note;
};

// Im Testnotenmodus muss eine neue Spalte gewaehlt werden; sonst Piep und Meldung.
bool testnotenSlotOk(const Klasse &klasse, int art, int slot, Rueckfragen &r);
// Jeder Schueler, dessen Initial und erste 8 Nachnamenzeichen zu einem Ergebnis passen, erhaelt
// dessen Note (bei mehreren passenden gilt das letzte).
void benotungsZenInEinzelliste(const Klasse &klasse, Einzelliste &liste,
                               const QList<BenotungsErgebnis> &ergebnisse);
