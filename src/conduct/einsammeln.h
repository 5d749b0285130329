#pragma once
// Einsammeln der abgegebenen Tests aus dem Abgabeordner ("DropBox") nach "T2-Ausge".
// Der Abgabeordner wird von Schuelern beschrieben; jeder Eintrag dort ist fremd:
// - Verknuepfungen, Ordner, Geraete, zu grosse Dateien und untaugliche Namen werden einmal
//   gemeldet und liegen gelassen, bis sie taugen;
// - eine Abgabe wird erst geprueft (ohne Verknuepfung geoeffnet, Text, gehoert zu diesem Test),
//   dann im Abgabeordner unter einem neuen Namen beiseite genommen, ueber ihren Deskriptor
//   gelesen und noch einmal geprueft und dauerhaft nach "T2-Ausge" geschrieben (eine fruehere
//   Abgabe desselben Schuelers wird dabei in einem Schritt ersetzt); erst dann wird sie im
//   Abgabeordner geloescht. Was ein abgebrochener Schritt beiseite gelegt hat, nimmt der naechste
//   auf;
// - eine Abgabe, die sich nicht nehmen laesst (Lesefehler, verlorene Verbindung), bleibt liegen
//   und wird genannt; Benoten und Beenden melden sie, statt den Schueler als fehlend zu fuehren;
// - Abgaben eines anderen Tests der Klasse bleiben liegen (einmal gemeldet).
// Alles geschieht unter der Testsperre.

#include "conduct/abgabepruefung.h"
#include "conduct/testname.h"

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

class Rueckfragen;
class Uhr;
struct Einstellungen;

inline constexpr int kMaxGesammelt = 50;

// Zustand einer Durchfuehrung (vom Fenster gehalten, beim Bereitstellen neu angelegt).
struct Einsammlung
{
    QStringList abgegeben; // Namen ohne die letzten zwei Zeichen, in Abgabefolge
    QStringList gesammelt; // gezaehlte Dateinamen, hoechstens 50
    int zaehler = 0;       // gezaehlte Abgaben
    bool ersteAbgabe = true;
    QSet<QString> abgewiesen; // gemeldete Eintraege des Abgabeordners (nur einmal melden)
    QMap<QString, QString> nichtEingesammelt; // Abgaben dieses Tests, die liegen blieben: Grund
    QString stoerung; // Meldung der verlorenen Verbindung im letzten Schritt; leer: erreichbar
    bool aufgeraeumt = false; // Reste abgebrochener Laeufe in "T2-Ausge" entfernt
};

struct Einsammelschritt
{
    bool eingesammelt = false;
    bool belegt = false; // ein anderes Programm haelt die Testsperre; naechster Schritt versucht es
    QString name;        // Dateiname der eingesammelten Abgabe
    QString verschobenNach;
    QString stoerung; // die Verbindung zum Schulserver ist verloren (gemeldet)
};

// Ein Zeitgeberschritt: hoechstens eine Abgabe. Haelt ein anderes Programm die Testsperre,
// geschieht ohne Meldung nichts (belegt).
Einsammelschritt testsMitnehmen(const TestPfade &test, const Einstellungen &e, Einsammlung &z,
                                const Uhr &uhr, Rueckfragen &r);

struct Leerung
{
    bool ok = false;   // false: Testsperre belegt (gemeldet), nichts geschehen
    QStringList namen; // eingesammelte Dateinamen in Folge
    QString verschobenNach;
    QString offen; // leer, wenn keine Abgabe dieses Tests liegen blieb; sonst die Meldung
};
// Sammelt ein, bis der Abgabeordner keine Abgabe dieses Tests mehr enthaelt (dieselben Pruefungen,
// Meldungen und Protokollzeilen wie testsMitnehmen). Vor jedem Ende einer Durchfuehrung aufrufen.
Leerung alleAbgabenEinsammeln(const TestPfade &test, const Einstellungen &e, Einsammlung &z,
                              const Uhr &uhr, Rueckfragen &r);
// Dasselbe fuer einen Aufrufer, der die Testsperre schon haelt.
Leerung abgabenLeerenGesperrt(const TestPfade &test, const Einstellungen &e, Einsammlung &z,
                              const Uhr &uhr, Rueckfragen &r);

// Leer, wenn im Abgabeordner keine Abgabe dieses Tests mehr liegt (auch keine beiseite
// gelegte); sonst die Meldung, die jede nennt, mit Grund, oder die verlorene Verbindung.
QString abgabenOffen(const TestPfade &test, const Einstellungen &e, const Einsammlung &z);
// Ob ein Schuelerprogramm gerade eine Abgabe dieser Klasse schreibt (Zwischenname, juenger als
// die Ruhezeit).
bool abgabeImEntstehen(const TestPfade &test, const Einstellungen &e);

struct Beendigung
{
    bool ok = false;      // false: Testsperre belegt (gemeldet), nichts geschehen
    bool warLeer = false; // der Ausgabeordner war schon leer
    QStringList eingesammelt;
    QString offen; // Abgaben, die liegen blieben (gemeldet)
};
// "Bereit gestellte Tests loeschen": sammelt alle wartenden Abgaben ein, zieht die bereitgestellten
// Tests zurueck und sammelt, was inzwischen noch kam.
Beendigung durchfuehrungBeenden(const TestPfade &test, const Einstellungen &e, Einsammlung &z,
                                const Uhr &uhr, Rueckfragen &r);
