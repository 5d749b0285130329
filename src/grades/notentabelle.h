#pragma once
// Aufbau der Klassen-Notentabelle ohne Fenster: die 73 Spalten und ihre Bedeutung, die Texte der
// Zellen, welche Spalten in welcher Ansicht sichtbar sind, welche Zellen bearbeitet werden duerfen,
// die Hinweise der Kopfzellen.
//
// Zeilen: 0 Erlaeuterungen, 1 Kopfzeile, 2 Gewichte, Schueler n in Zeile n + 2.
// Spalten: 0 Nr., 1 Vorname, 2 Nachname, 3 Kl., dann je Art die Slots und der Durchschnitt
// (Art 5: 4..14, Art 2: 15..35, Art 4: 36..46, Art 3: 47..57, Art 1: 58..68), 69 Gesamt,
// 70 Notenpunkte, 71 E-Note, 72 G-Note.

#include "grades/notenmodell.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class Klasse;

inline constexpr int kTabellenSpalten = 73;
inline constexpr int kFesteZeilen = 3;
inline constexpr int kFesteSpalten = 4;
inline constexpr int kSpalteGesamt = 69;
inline constexpr int kSpaltePunkte = 70;
inline constexpr int kSpalteENote = 71;
inline constexpr int kSpalteGNote = 72;

// Erste Spalte der Art 1..5 (58, 15, 47, 36, 4); -1 sonst.
int startSpalte(int art);
// Durchschnittsspalte: Start + letzter Slot + 1.
int durchschnittsSpalte(int art);

struct SpaltenInfo
{
    enum class Typ {
        Nummer,
        Vorname,
        Nachname,
        Klasse,
        Note,
        Durchschnitt,
        Gesamt,
        Punkte,
        ENote,
        GNote
    };
    Typ typ = Typ::Nummer;
    int art = 0;  // bei Note und Durchschnitt
    int slot = 0; // bei Note
};
// Bedeutung einer Spalte; wirft Indexfehler ausserhalb 0..72.
SpaltenInfo spaltenInfo(int spalte);
// Spalte des Slots einer Art.
int notenSpalte(int art, int slot);

enum class Ansicht { Art, Alle, Berechnungen };

struct AnsichtsOptionen
{
    bool durchschnitte = false;
    bool gesamt = false;
    bool leerspalten = false;
};

// Breite jeder Spalte in Pixeln, 0 = verborgen. ansichtArt gilt fuer Ansicht::Art.
std::array<int, kTabellenSpalten> spaltenBreiten(const Klasse &klasse, const QString &klassenname,
                                                 Ansicht ansicht, int ansichtArt,
                                                 const AnsichtsOptionen &optionen);

// Text einer Zelle ab Zeile 0 wie auf dem Bildschirm: Erlaeuterungen in Zeile 0, Noten (bzw.
// Punkte), Durchschnitte und Gesamtspalten in den Schuelerzeilen. Namen, Kopfzeile und Gewichte
// bleiben leer, sie zeichnet die Tabelle selbst (kopfText, gewichtText, namensText).
QString zellText(const Klasse &klasse, int spalte, int zeile, NotenAnzeige anzeige);
// Kopfzeile: "Nr.", "Vorname", ..., Taste + Zeilenumbruch + Slotnummer, Taste + "\nDS".
QString kopfText(const Klasse &klasse, int spalte);
// Gewichtszeile: Gewicht + " %" ueber den Durchschnittsspalten, sonst leer.
QString gewichtText(const Klasse &klasse, int spalte);
// Spalten 0..3 einer Schuelerzeile (nur Schueler 1..Klassengroesse).
QString namensText(const Klasse &klasse, int spalte, int zeile);

// Ob eine Notenzelle bearbeitet werden darf: Slotspalte links vom oder am ersten freien Slot.
bool slotBearbeitbar(const Klasse &klasse, int spalte);

// "T 3:  2016-10-04": Taste + Slotnummer ab 1 + ":  " + Blank bei einstelliger Nummer + Datum.
QString slotDatumText(const Klasse &klasse, int art, int slot);

// Hinweis ueber einer Kopfzelle (Zeilen 0..2) bzw. ueber einer Namenszelle.
struct KopfHinweis
{
    QString erlaeuterung;
    QString datum;
};
KopfHinweis kopfHinweis(const Klasse &klasse, int spalte, const QDate &heute);
QString namensHinweis(const Klasse &klasse, int zeile);

// Der in eine Zelle getippte Wert als Notentext fuer die Klasse; nullopt, wenn er in der Anzeige
// nicht erlaubt ist.
std::optional<QString> zellwertAlsNote(const QString &wert, NotenAnzeige anzeige);
// Schreibt eine Note in die Klasse (nur Schuelerzeilen und Slotspalten).
bool noteInKlasseSchreiben(Klasse &klasse, int spalte, int zeile, const QString &note);
