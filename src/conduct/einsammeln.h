#pragma once
// Einsammeln der abgegebenen Tests: ein Schritt nimmt hoechstens eine Datei aus dem Abgabeordner
// ("DropBox") und verschiebt sie nach "T2-Ausge". Das Fenster ruft den Schritt mit seinem Takt auf.
// Der Abgabeordner wird von Schuelern beschrieben: Verknuepfungen, Ordner, zu grosse Dateien und
// untaugliche Namen werden einmal gemeldet und liegen gelassen, bis sie taugen; die anderen werden
// eingesammelt.

#include "conduct/testname.h"

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
};

struct Einsammelschritt
{
    bool eingesammelt = false;
    QString name; // Dateiname der eingesammelten Abgabe
    QString verschobenNach;
};

Einsammelschritt testsMitnehmen(const TestPfade &test, const Einstellungen &e, Einsammlung &z,
                                const Uhr &uhr, Rueckfragen &r);

// Der Name einer Datei in ordner, die ohne Ruecksicht auf Gross-/Kleinschreibung name heisst;
// leer, wenn es keine gibt. Verknuepfungen werden nicht gefunden.
QString dateiOhneFall(const QString &ordner, const QString &name);
