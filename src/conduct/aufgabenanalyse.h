#pragma once
// Aufgabenanalyse eines benoteten Tests, fuer den Lehrer (nie an die Schueler zurueckgegeben):
//
//   Loesungsquote   Anteil der gewerteten Schueler, die die Punkte der Frage erhielten
//   Trennschaerfe   Pearson-Korrelation zwischen "Frage geloest" (1/0) und der Zahl der uebrigen
//                   geloesten Fragen (korrigierte Trennschaerfe); leer ohne Streuung einer Seite
//   Antwortanteile  a, b, c, d und "keine" (kein oder mehr als ein Kreuz), in den Buchstaben der
//                   Gruppe A; eine Antwort der Gruppe B zaehlt bei der A-Antwort gleichen Textes
//   KR-20           k/(k-1) * (1 - Summe p(1-p) / Var(X)), X = geloeste Fragen je Schueler,
//                   Var mit Divisor n; leer bei k < 2 oder Var(X) = 0
//
// Gewertet sind die Schueler mit benoteter Kopie, die weder krank noch in der falschen Gruppe sind.

#include "conduct/testdokument.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class Rueckfragen;
struct TestPfade;

inline constexpr int kAntwortKeine = 4; // Index von "keine" in den Antwortanteilen

// Die Antworten eines gewerteten Schuelers.
struct Antwortbogen
{
    std::array<qint8, kMaxFragen + 1> wahl{}; // 0..3 = a..d (Gruppe A), kAntwortKeine
    std::array<bool, kMaxFragen + 1> geloest{};
};

struct Fragenanalyse
{
    QString nr;
    QChar loesung; // richtiger Buchstabe in Gruppe A, leer ohne Loesungszeile
    std::optional<double> loesungsquote;
    std::optional<double> trennschaerfe;
    std::array<std::optional<double>, 5> antworten{}; // a, b, c, d, keine
};

struct Aufgabenanalyse
{
    int schueler = 0;
    std::optional<double> kr20;
    QList<Fragenanalyse> fragen;
};

// Ordnet jede Antwort der B-Vorlage der A-Antwort gleichen Textes zu (Leerraum am Rand zaehlt
// nicht); eine Antwort ohne passenden Text behaelt ihren Buchstaben.
Buchstabenzuordnung gruppeBZuordnung(const QStringList &vorlageA, const QStringList &vorlageB);

// Schluessel der Gruppe A und Zuordnung der Gruppe B, aus beiden Vorlagen des Tests gelesen.
// ok false: eine Vorlage war nicht lesbar; dann gelten gleiche Buchstaben.
struct AnalyseVorlagen
{
    bool ok = false;
    Loesung schluesselA;
    Buchstabenzuordnung zuordnungB{};
};
AnalyseVorlagen analyseVorlagenLesen(const TestPfade &test);

// Der Bogen aus den Kreuzen einer Kopie und ihren Punkten; zuordnung fuehrt die Buchstaben der
// Kopie auf die der Gruppe A zurueck (nullptr: gleiche Buchstaben).
Antwortbogen antwortbogen(const Kreuze &kreuze, const Einzelergebnis &ergebnis, int fragen,
                          const Buchstabenzuordnung *zuordnung);

// schluessel: Fragenummern, Zahl der Fragen und Loesungen der Gruppe A.
Aufgabenanalyse aufgabenanalyseBerechnen(const Loesung &schluessel,
                                         const QList<Antwortbogen> &boegen);

// Der Text von "Aufgabenanalyse.Doc" (Zeilen ohne Zeilenende).
QStringList aufgabenanalyseZeilen(const Aufgabenanalyse &a, const QString &testname);
QString aufgabenanalysePfad(const TestPfade &test); // "Aufgabenanalyse.Doc" in "T3-Benot"
// Ueberschrift der Analyse: die letzten 16 Zeichen des Testordners.
QString aufgabenanalyseTitel(const TestPfade &test);

// Deutsche Zahl: Anteil als Prozent ohne Nachkommastelle ("83 %"), sonst zwei Nachkommastellen.
QString prozentText(const std::optional<double> &anteil);
QString kennzahlText(const std::optional<double> &wert);
