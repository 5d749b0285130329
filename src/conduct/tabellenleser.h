#pragma once
// Liest aus einer Tabellenkalkulationsdatei die Werte einer Spalte auf dem Blatt "Tabelle1"
// (Name ohne Ruecksicht auf Gross-/Kleinschreibung, an beliebiger Stelle der Mappe).
// Ein Zellwert ist seine Zahl, seine ganze Zahl, das gespeicherte Ergebnis seiner Formel oder sein
// Text, wenn der eine Zahl ist ("0,98", "0.98", "98 %"); alles andere ist nicht lesbar.
// Erkannt wird das Format am Inhalt: BIFF8 (.xls, OLE2-Verbunddatei), Office Open XML (.xlsx),
// OpenDocument (.ods). Alles ist begrenzt: keine Eingabe liest ausserhalb ihrer Daten.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

inline const QString kNormBlatt = QStringLiteral("Tabelle1");
inline constexpr qint64 kGrenzeTabelle = 32 * 1024 * 1024;

struct SpaltenWerte
{
    std::vector<std::optional<double>> werte; // je Zeile erste..letzte
    QString fehler;                           // leer, wenn die Datei gelesen werden konnte
};

// zeile/spalte 1-basiert wie im Tabellenprogramm (Spalte D = 4).
SpaltenWerte spalteLesen(const QByteArray &datei, const QString &blatt, int spalte, int ersteZeile,
                         int letzteZeile);

// Die einzelnen Leser (fuer Tests und Fuzzing).
SpaltenWerte spalteAusXls(const QByteArray &datei, const QString &blatt, int spalte, int von,
                          int bis);
SpaltenWerte spalteAusXlsx(const QByteArray &datei, const QString &blatt, int spalte, int von,
                           int bis);
SpaltenWerte spalteAusOds(const QByteArray &datei, const QString &blatt, int spalte, int von,
                          int bis);

// Eine Zahl aus Text: Dezimalkomma oder -punkt, ein "%" am Ende teilt durch 100.
std::optional<double> zahlAusText(const QString &text);
