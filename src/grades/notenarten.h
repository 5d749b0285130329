#pragma once
// Namen, Kurzformen, Tasten und Gewichte der fuenf Notenarten (Editor "Bezeichnungen und
// Gewichtungen") und die Verwaltung der Buchstaben, die eine Kurzform als Taste beanspruchen kann.

#include <QString>

#include <array>

class Klasse;
class Rueckfragen;

// Fest vergebene Navigationstasten und die Buchstaben, die Kurzformen mit "&" beanspruchen koennen.
// C, G, K, L und S sind Befehlstasten der Tabelle (Schuljahr, Gesamtspalten, keine Aenderung,
// Leerspalten, Speichern) und gehen ihnen vor: sie sind nicht zuweisbar.
inline constexpr char16_t kNavigationstasten[] = u"ABDEINPUVWZ";
inline constexpr char16_t kTabellenTasten[] = u"CGKLS";
inline constexpr char16_t kZuweisbareBuchstaben[] = u"FHJMOQRTXY";

// Die Editorfelder einer Notenart.
struct NotenartFelder
{
    QString langname;
    QString kurzform;
    QString gewicht; // Text des Gewichtsfeldes
};
using NotenartenFelder = std::array<NotenartFelder, 5>; // Art 1..5 an Index 0..4

NotenartenFelder bezeichnungenUndGewichteFuellen(const Klasse &klasse);
// "Standardwerte laden": die Standardwerte in den Feldern (gespeichert wird erst mit OK).
NotenartenFelder standardFelder();

// Der Buchstabe nach dem ersten "&" einer Kurzform, gross; leer ohne "&" oder ohne Zeichen danach.
QString kurzformBuchstabe(const QString &kurzform);
// Die noch freien Buchstaben: die zuweisbaren ohne die von einer Kurzform beanspruchten.
QString restlicheZuweisungsbuchstabenBerechnen(const NotenartenFelder &felder);

// Solange das Kopieren eingeschaltet ist: Kurzform = die ersten 10 Zeichen des Langnamens,
// Tastenanzeige = sein erstes Zeichen.
QString kurzformAusLangname(const QString &langname);
QString tastenAnzeigeAusLangname(const QString &langname);

// Taste einer Notenart aus ihrer Kurzform: das Zeichen nach einem fuehrenden "&", sonst das erste
// Zeichen; ein Blank, wenn es keines gibt.
QChar tasteAusKurzform(const QString &kurzform);

// Aenderung einer Kurzform im Editor. Beansprucht sie mit "&" einen Buchstaben, der weder frei
// noch der eigene (beim Betreten des Feldes) ist, wird das "&" entfernt und gemeldet.
// Ergebnis: die (ggf. berichtigte) Kurzform; *tastenAnzeige erhaelt die neue Anzeige der Taste,
// wenn die Kurzform leer ist oder mit "&" beginnt (sonst bleibt sie unveraendert).
QString kurzformGeaendert(const QString &kurzform, const QString &eigenerBuchstabe,
                          const QString &freieBuchstaben, Rueckfragen &r,
                          QString *tastenAnzeige = nullptr);
void msgBuchstabeSchonVergeben(const QString &buchstabe, Rueckfragen &r);
// Der Hinweis auf gespeicherte Kurzformen, deren "&"-Buchstabe eine Befehlstaste der Tabelle ist
// (die Taste waehlt dann nicht die Notenart); leer, wenn keine.
QString tabellenTastenHinweis(const NotenartenFelder &felder);

// Der Hinweistext der Kurzformfelder mit den freien Buchstaben.
QString kurzformHinweis(const QString &freieBuchstaben);

// Die Anzeige der Gewichtssumme.
struct ProzentAnzeige
{
    enum class Farbe { Keine, Blau, Rot };
    QString summe;   // leer, wenn ein Feld leer ist oder keine ganze Zahl >= 0 enthaelt
    QString hinweis; // "Es fehlen:", "zu viel:" oder leer (bei genau 100 verborgen)
    QString rest;    // z. B. "5 %"
    Farbe farbe = Farbe::Keine;
};
ProzentAnzeige prozentSumme(const NotenartenFelder &felder);

// OK im Editor: nur wenn die Summenanzeige genau "100" zeigt (sonst Piep, false). Speichert
// Langnamen (60), Kurzformen (11), Tasten und Gewichte in die Klasse.
bool bezeichnungenUndGewichteNach_suk(Klasse &klasse, const NotenartenFelder &felder,
                                      Rueckfragen &r);

// Beschriftung ohne ihr erstes "&" (Knoepfe waehrend der Einzellistenansicht).
QString ohneErstesKaufmannsUnd(const QString &beschriftung);
