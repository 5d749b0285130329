#pragma once
// Regeln des Testauswahlfensters, die ohne Fenster gelten: Pruefung des Klassentextes,
// Ueberschrift der Testliste, Sitzplan-Raster und die Klassenwahl einer Sitzung.

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

struct TestPfade;
class Rueckfragen;

// Neuer Text des Klassenfeldes nach einer Eingabe; nullopt: abgelehnt, der vorige Text bleibt.
// "..." vor einer getippten Ziffer "1".."9" wird durch die Ziffer ersetzt; leer, ein "." oder
// ein falscher Anfang ergeben "...".
std::optional<QString> klassentextPruefen(const QString &vorher, const QString &neu);

// Ueberschrift von LVorhandeneTests. klasse: Name der gefundenen Klassendatei ohne Endung
// ("L-7x-Ph", "K-9-I...") oder "---"; geladen: die im Notenfenster geladene Klasse.
QString testlistenUeberschrift(bool festgelegt, const QString &testKuerzel, const QString &klasse,
                               const QString &geladen);

// Sitzplan: 1..11 Spalten, Vorgabe 8.
inline constexpr int kSitzplanSpaltenMin = 1;
inline constexpr int kSitzplanSpaltenMax = 11;
inline constexpr int kSitzplanSpaltenVorgabe = 8;
int sitzplanSpalten(int spalten, int radSchritte);
// Name auf 50 / Spalten Zeichen (gerundet) gekuerzt, mit "." wenn gekuerzt.
QString sitzplanNameKuerzen(const QString &name, int spalten);
// Zeilen des Rasters: Schueler / Spalten + 2 (Gruppenzeile und Rest).
int sitzplanZeilen(int schueler, int spalten);

// Die Klassendatei eines Tests, einmal je Test und Sitzung gewaehlt: bei mehreren passenden
// Dateien fragt der Dateidialog nur beim ersten Mal (und wieder, wenn die gewaehlte Datei fehlt).
class Klassenwahl
{
public:
    QString ermitteln(const TestPfade &test, Rueckfragen &r, bool melden);
    void vergessen() { gewaehlt.clear(); }

private:
    QHash<QString, QString> gewaehlt; // Schuljahr + Kuerzel -> Pfad
};
