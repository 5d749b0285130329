#pragma once
// Austeilen eines Tests: Klassendatei finden, Gruppe-B-Vorlage, persoenliche Kopien und
// Abwesenheits-Platzhalter, Gruppendatei, Sitzplan, Bereitstellung im Ausgabeordner mit
// Signaldatei, Zurueckziehen. Dazu das Protokoll der Abgaben "Testbearbeitung.ind".
//
// Gruppendatei (Kuerzel + "._GE"): je Schueler in Platzfolge drei Zeilen Vorname, Nachname,
// "A"/"B". Sitzplan (Kuerzel + "._SP"): " Sitzplan:  Klasse " + Klasse, die Gruppenzeile, dann je
// Zeile acht Zellen "Nachname, Vorname" (hoechstens 42 Zeichen), durch TAB getrennt.

#include "conduct/testdokument.h"
#include "conduct/testname.h"

#include <QString>
#include <QStringList>

#include <optional>

class Klasse;
class Rueckfragen;
class Uhr;
class Zufall;
struct Einstellungen;

// "L-7x-P" bzw. fuer Kurse (Fachbuchstabe "K") "K-9-I"; ohne "*.DTA".
QString klassenMuster(const QString &testKuerzel);
// Die Klassendatei des Tests im Schuljahresordner; mehrere Treffer: Dateidialog; keiner: leer,
// mit Meldung, wenn melden gesetzt ist.
QString klassenDateiErmitteln(const TestPfade &test, Rueckfragen &r, bool melden);

// Meldungstext, wenn zwei Schueler denselben persoenlichen Dateinamen bekaemen oder ein Name keinen
// brauchbaren Dateinamen ergibt; nullopt, wenn alles passt.
std::optional<QString> namenskonflikt(const Klasse &klasse, const QString &klassenkuerzel);

// Protokoll der Abgaben. nullopt: kein Protokoll; sonst die Zahl der Abgabezeilen.
std::optional<int> protokollZaehlen(const TestPfade &test);
bool protokollSchreiben(const TestPfade &test, const Uhr &uhr, int nummer, bool trennlinie);
// Mehrere Abgabezeilen in einem Schreiben.
bool protokollSchreiben(const TestPfade &test, const Uhr &uhr, const QList<int> &nummern,
                        bool trennlinie);
bool protokollLoeschen(const TestPfade &test);
// Gibt es ein Protokoll, wird gefragt, ob die bearbeiteten Tests geloescht werden sollen.
enum class Bearbeitet {
    Weiter,     // kein Protokoll oder "Ja": neue Kopien
    Vorhandene, // "Nein": die vorhandenen Kopien werden wieder bereitgestellt
    Abbruch,
};
Bearbeitet protokollSuchenMitMeldung(const TestPfade &test, Rueckfragen &r);

// Erzeugt die Gruppe-B-Vorlage (mit Rueckfrage, wenn sie schon da ist, und Sicherung ".SKB").
Ablauf gruppeBVorlageErzeugen(const TestPfade &test, Zufall &zufall, Rueckfragen &r);

enum class Kopien {
    Neu,       // Kopien, Platzhalter, Gruppendatei und Sitzplan frisch geschrieben
    Vorhanden, // "Nein" auf die Frage nach schon bearbeiteten Tests: vorhandene Kopien
    Abgebrochen,
    ProgrammEnde,
};
// Unter der Testsperre; ist sie belegt: Meldung, Abgebrochen.
Kopien kopienAnfertigen(const TestPfade &test, const Klasse &klasse, Zufall &zufall,
                        Rueckfragen &r);
bool sitzplanSchreiben(const TestPfade &test, const Klasse &klasse);
// Die Namen des Sitzplans (ohne die zwei Kopfzeilen), hoechstens 40; leer ohne Datei.
QStringList sitzplanLesen(const TestPfade &test);

struct Bereitstellung
{
    bool ok = false;
    QString zielOrdner;
    QStringList liste;        // Namen ohne die letzten zwei Zeichen
    QStringList nichtKopiert; // Kopien, die nicht geschrieben werden konnten (gemeldet)
    bool mitBildern = false;
    QString signalDatei;
};
// Leert den Ausgabeordner der Klasse, kopiert die persoenlichen Kopien aus "T1-Kopie" und
// "Bilder" hinein, schreibt zuletzt die Signaldatei. Unter der Testsperre.
Bereitstellung testBereitStellen(const TestPfade &test, const Einstellungen &e, const Uhr &uhr,
                                 Rueckfragen &r);
// Loescht Kopien, "Bilder" und Signaldatei. Ergebnis: ob der Ordner schon leer war. Sammelt nicht
// ein: das Ende einer Durchfuehrung ist durchfuehrungBeenden (einsammeln.h).
bool bereitgestellteTestsLoeschen(const TestPfade &test, const Einstellungen &e);
