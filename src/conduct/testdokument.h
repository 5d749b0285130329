#pragma once
// Das Multiple-Choice-Testdokument: ANSI-Text, eine Zeile je Frage oder Antwort, Stellen 1-basiert.
// Jede Zeile wird an ihren ersten vier Zeichen erkannt; Zeilen unter 3 Zeichen zaehlen nie:
//
//   ")" an Stelle 1            Nummerierungsfehler
//   ")" an Stelle 2            Frage, einstellig ("7)")
//   Ziffer, Ziffer, ")"        Frage, zweistellig ("12)")
//   "1".."9", ?, Buchst., ")"  Loesungszeile: Punkte an Stelle 1, richtiger Buchstabe an Stelle 3
//   ?, "a".."d", ")"           gewoehnliche Antwort
//   alles andere               wird unveraendert durchgereicht
//
// Zeilen 1-5 sind der Kopf (Zeile 3 endet mit dem Gruppenbuchstaben, Zeile 4 ist "Thema: ...").
// Auf jede Frage folgen ihre vier Antworten a) bis d), genau eine davon die Loesungszeile.

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class Rueckfragen;
class Zufall;

inline constexpr int kMaxFragen = 40;

// Schluessel einer Vorlage; Felder 1..40, Index 0 bleibt leer.
struct Loesung
{
    std::array<QString, kMaxFragen + 1> aufgabenNr{};
    std::array<qint16, kMaxFragen + 1> maxPunkte{};
    std::array<QString, kMaxFragen + 1> loesung{};
    qint16 punkteMax = 0;
    int fragen = 0; // Zahl der Fragezeilen
};

// Zeichen an der 1-basierten Stelle p, sonst 0.
inline QChar zeichenAn(const QString &zeile, int p)
{
    return p >= 1 && p <= zeile.size() ? zeile[p - 1] : QChar();
}
bool istFragezeile(const QString &zeile);

inline const QString kNummerierungsfehler = QStringLiteral(
    "Bitte die Nummerierung der Testaufgaben kontrollieren !\r\n"
    "(Testkonstruktion am besten im Mivo-Zuzovuvavev erledigen!\r\n"
    "Das Programm wird abgebrochen. Bitte neu starten und die Testkonstruktion aufrufen.");

// Schluessel aus den Zeilen; nullopt bei einem Nummerierungsfehler (auch bei einer 41. Frage).
std::optional<Loesung> loesungAusZeilen(const QStringList &zeilen);

enum class Ablauf {
    Ok,
    Abgebrochen,  // gemeldet, nichts weiter geschehen
    ProgrammEnde, // gemeldet; das Programm endet geordnet
};

// Liest die Vorlage. Nicht lesbar: Meldung, Abgebrochen. Nummerierungsfehler: Meldung,
// ProgrammEnde.
Ablauf loesungEinlesen(const QString &vorlage, Loesung &loesung, Rueckfragen &r);

// Gruppe-B-Vorlage aus den Zeilen der Gruppe-A-Vorlage; nullopt nach einer Meldung.
std::optional<QStringList> gruppeBZeilen(const QStringList &zeilenA, Zufall &zufall,
                                         Rueckfragen &r);
// Prueft und mischt die vier Antwortzeilen ab zeilen[ab] (0-basiert) und haengt sie an ziel an.
bool antwortenMischen(const QStringList &zeilen, qsizetype ab, const QString &frage,
                      QStringList &ziel, Zufall &zufall, Rueckfragen &r);

// Namenszeile einer persoenlichen Kopie: " Name:  Vorname Nachname".
QString namensZeile(const QString &vorname, const QString &nachname);
inline const QString kKrankPraefix = QStringLiteral("krank:    ");

// Persoenliche Kopie aus der Vorlage der Gruppe des Schuelers; als Platzhalter mit "krank:    ".
QStringList persoenlicheKopie(const QStringList &vorlage, const Loesung &loesung,
                              const QString &vorname, const QString &nachname,
                              bool platzhalter = false);

// Die Fragezeilen einer Kopie in Dateifolge.
QStringList fragezeilen(const QStringList &zeilen);
// Gehoert die Kopie zu dieser Vorlage? Ihre Fragezeilen muessen genau die sein, die das Austeilen
// aus der Vorlage schreibt (Text, Nummer, Punkte, Zahl der Fragen). Eine Kopie eines anderen Tests,
// einer geaenderten Vorlage oder eine leere Datei passt nicht.
bool passtZurVorlage(const QStringList &kopie, const QStringList &vorlage, const Loesung &loesung);

// Die Fragezeilen und die vier Antworten jeder Frage ab ihrem Buchstaben ("b) Text"), ohne
// Kreuze davor: darin gleicht eine ausgefuellte Kopie der ausgeteilten.
QStringList aufgabenUndAntworten(const QStringList &kopie);

// Die vier Zeilen nach jeder Fragezeile einer Vorlage oder Kopie: Buchstabe, Text hinter ")"
// ohne Leerraum am Rand, und ob es die Loesungszeile ist (nur in Vorlagen erkennbar).
struct Antwort
{
    QChar buchstabe; // leer, wenn die Zeile keine Antwortzeile ist
    QString text;
    bool loesung = false;
};
using Antworten = std::array<std::array<Antwort, 4>, kMaxFragen + 1>; // Fragen 1..40
Antworten antwortenJeFrage(const QStringList &zeilen);
// Die Nummern der Aufgaben einer Vorlage, deren Antworten nicht der Reihe nach a) bis c) oder a)
// bis d) sind (eine leere d) heisst: drei Antworten; eine leere a) bis c) ist ein Fehler).
QList<int> antwortfolgeFehler(const QStringList &zeilen);
// Die Warnung dazu fuer die Lehrkraft; leer, wenn alle Aufgaben stimmen.
QString antwortfolgeWarnung(const QStringList &zeilen);

// Je Frage 1..40 fuer die Stellen a..d einer Kopie oder Vorlage die Stelle (0..3) derselben
// Antwort in der Vorlage der Gruppe A.
using Buchstabenzuordnung = std::array<std::array<qint8, 4>, kMaxFragen + 1>;
Buchstabenzuordnung gleicheBuchstaben();

// Ordnet die vier Antworten b den vier Antworten a zu (Ergebnis[i] = Stelle in a): zuerst nach
// gleichem Text (mitLoesung: und gleicher Loesungszeile); bleibt dann genau eine uebrig, gehoert
// sie zur letzten freien. nullopt, wenn zwei oder mehr Antworten keinen gleichen Text finden.
std::optional<std::array<qint8, 4>> antwortenZuordnen(const std::array<Antwort, 4> &a,
                                                      const std::array<Antwort, 4> &b,
                                                      bool mitLoesung);

// Gruppe-B-Vorlage aus der Gruppe-A-Vorlage in einer gegebenen Antwortfolge (folge[q][i] = die
// A-Stelle, die an B-Stelle i steht), sonst wie gruppeBZeilen. nullopt, wenn A fuer eine Frage
// keine vier Antwortzeilen a) bis d) hat oder ihre Zahl nicht die der Folge ist.
std::optional<QStringList> gruppeBInFolge(const QStringList &zeilenA,
                                          const Buchstabenzuordnung &folge, int fragen);

// Kreuze einer ausgefuellten Kopie.
struct Kreuze
{
    std::array<QString, kMaxFragen + 1> antwort{};
    std::array<qint16, kMaxFragen + 1> kreuzAnzahl{};
    bool falschPositioniert = false;
    bool zuVieleFragen = false; // mehr als 40 Fragezeilen: nicht auswertbar
};
Kreuze kreuzeEinlesen(const QStringList &kopie);

// Stelle p (2..12) des Antwortbuchstabens einer Zeile: das erste Zeichen, dem ")" folgt; 0 ohne.
int antwortStelle(const QString &zeile, int erste = 2);

struct Einzelergebnis
{
    std::array<qint16, kMaxFragen + 1> punkte{};
    qint16 punkteGesamt = 0;
    bool krank = false;
    QString noteE, noteG, notenpunkteText;
};

// Die benotete Kopie: vier Zeilen vor der 8. Zeile mit mindestens 3 Zeichen, "=" vor jeder
// richtigen Antwort ab der ersten Frage.
QStringList benoteteKopie(const QStringList &kopie, const Loesung &loesung,
                          const Einzelergebnis &ergebnis);
