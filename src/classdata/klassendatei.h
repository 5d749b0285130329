#pragma once
// Die Klassendatei (.DTA): ein einziger Datensatz von genau 28408 Bytes, little-endian,
// string[N] = Laengenbyte + N Zeichenbytes (CP1252); Bytes hinter der Laenge sind bedeutungslos.
//
//     0  18880  40 Schueler zu je 472 Bytes
// 18880   1386  Notendaten:        [Slot 0..20][Art 0..5] string[10], Eintrag bei 18880 + 66 s + 11
// a 20266   7686  Erlaeuterungen:    [Slot 0..20][Art 0..5] string[60], Eintrag bei 20266 + 366 s +
// 61 a 27952     12  Gewichte:          6 x int16, Prozent 27964    444  Notenarten:        6 x 74
// Bytes
//
// Schueler (472 Bytes):  0 Klasse string[8] | 9 Nachname string[20] | 30 Vorname string[20] |
//   51 + 63 (a-1) + 3 s  Note der Art a (1..5), Slot s (0..20) string[2] | 366 int16 reserviert |
//   368 Zusatz string[100] | 469 Geschlecht string[1] | 471 Byte reserviert
// Notenart (74 Bytes): 0 Langname string[60] | 61 Kurzform string[11] | 73 Taste (ein Zeichen)
//
// Ein Laengenbyte ueber N wird auf N begrenzt; eine laengere Datei liefert ihre ersten 28408 Bytes.

#include "classdata/klasse.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class Rueckfragen;

inline constexpr qsizetype kKlassenDateiGroesse = 28408;
inline constexpr qsizetype kSchuelerGroesse = 472;

// Zerlegt genau kKlassenDateiGroesse Bytes (laengere werden abgeschnitten); nullopt, wenn zu kurz.
std::optional<Klasse> klasseAusBytes(QByteArrayView bytes);
// nullopt, wenn ein Text ein in CP1252 nicht darstellbares Zeichen enthaelt (es steht in *fremd).
// Zu lange Texte werden auf die Feldlaenge gekuerzt.
std::optional<QByteArray> klasseAlsBytes(const Klasse &klasse, QString *fremd = nullptr);

// Warum die Klasse keine sein kann, die das Programm geschrieben hat; leer, wenn sie es sein kann.
// Unplausibel ist ein Gewicht der Notenarten 1..5 ausserhalb 0..100 oder mehr als
// kHoechstensFremdeNoten Notenfelder, die weder leer noch "1+".."6-", "/" oder "GF" sind.
QString unplausiblesFeld(const Klasse &klasse);
inline constexpr int kHoechstensFremdeNoten = 8;
// Dasselbe Urteil auf den Bytes der Datei (false auch, wenn sie zu kurz ist), ohne sie zu zerlegen.
bool klassenBytesPlausibel(QByteArrayView bytes);

// Liest die Klasse; bei Fehler (auch bei einer Datei, die keine Klasse sein kann, siehe
// unplausiblesFeld) Meldung "Die Datei <pfad>  kann nicht gelesen werden!" und false, klasse
// bleibt dann unveraendert.
bool klassenlisteLesen(const QString &pfad, Klasse &klasse, Rueckfragen &r);
// Schreibt die Klasse atomar; bei Fehler Meldung und false, die Datei bleibt, wie sie war.
bool klassenlisteSchreiben(const QString &pfad, const Klasse &klasse, Rueckfragen &r);

// Wie geladen: Standard-Notenarten eingesetzt, wenn ein Langname fehlt.
bool klasseLadenAusDatei(const QString &pfad, Klasse &klasse, Rueckfragen &r);

// Speichert in basis + schuljahr + "/" + name + ".DTA"; legt den Schuljahresordner bei Bedarf an.
bool klasseInSchuljahrSpeichern(const QString &basisOrdner, const QString &schuljahr,
                                const QString &klassenname, const Klasse &klasse, Rueckfragen &r);

// Klassenkuerzel aus dem Dateinamen ab dem 3. Zeichen: 3 Zeichen, wenn das 3. Zeichen "1" ist
// ("L-10a-Ph" -> "10a"), sonst 2 ("L-7x-Ph" -> "7x", "K-9-Inx" -> "9-").
QString klassenKuerzel(const QString &dateiname);
// Dateiname ohne die letzten 4 Zeichen (".DTA").
QString klassennameAusEintrag(const QString &eintrag);

// Die Klassendateien eines Ordners (Gross-/Kleinschreibung der Endung egal) in Listenfolge:
// einstellige Jahrgaenge vor zweistelligen, sonst alphabetisch ohne Ruecksicht auf
// Gross-/Kleinschreibung.
QStringList klassenDateienAuflisten(const QString &ordner);
void klassenlisteSortieren(QStringList &eintraege);

// Die Eintraege der Klassenliste fuer ein Schuljahr; ohne Klassen die eine Zeile
// "Keine Klassen vorh." und, wenn es das aktuelle Schuljahr ist, der Hinweis dazu.
QStringList klassenwahl(const QString &basisOrdner, const QString &schuljahr,
                        const QString &aktuellesSchuljahr, Rueckfragen &r);
inline const QString kKeineKlassen = QStringLiteral("Keine Klassen vorh.");
