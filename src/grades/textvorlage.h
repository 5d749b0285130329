#pragma once
// Fuellt eine Textvorlage (.docx oder .odt, am Inhalt erkannt) mit der Notentabelle, ganz im
// Speicher; geschrieben wird erst das fertige Dokument.
//
// Die Vorlage traegt irgendwo die Marken "$Datum" und "$Klasse/Kurs" (auch ueber mehrere
// Formatierungsstuecke verteilt, auch in Kopf- und Fusszeilen) und als erste Tabelle eine Tabelle
// mit genau 12 Spalten: Zeilen 1 und 2 sind Kopfzeilen, ab Zeile 3 eine Zeile je Schueler.
// Eine Kopfzelle, die mit einem Verweis "$SS$ZZ" beginnt (Spalte und Zeile der Notentabelle,
// zweistellig, ab 0 gezaehlt), bekommt den Text dieser Zelle; der Verweis in Zeile 2 waehlt
// zugleich die Spalte der Notentabelle, deren Schuelerwerte die Dokumentspalte fuellen. Leere
// Kopfzellen und Kopfzellen mit anderem Text waehlen keine Spalte; ein Verweis ausserhalb der
// Notentabelle ergibt leeren Text und waehlt keine Spalte. Uebrige Vorlagenzeilen der ersten
// Tabelle entfallen, fehlende werden im Format der letzten Zeile angefuegt. Alles ausserhalb der
// Marken und der ersten Tabelle bleibt unveraendert.

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

inline constexpr int kVorlagenSpalten = 12;
inline constexpr qint64 kGrenzeVorlage = 32 * 1024 * 1024;

// Text der Zelle (spalte, zeile) der Notentabelle in Druckform; nullopt ausserhalb der Tabelle.
using Zellenquelle = std::function<std::optional<QString>(int spalte, int zeile)>;

struct Vorlagenfuellung
{
    QString datum;      // fuer "$Datum"
    QString klasseKurs; // fuer "$Klasse/Kurs"
    int schueler = 0;   // Schuelerzeilen 3 .. schueler + 2 der Notentabelle
    Zellenquelle zelle;
};

enum class Vorlagenformat { Keins, Docx, Odt };
// Erkennt das Format am Inhalt (ZIP mit word/document.xml bzw. OpenDocument-Text).
Vorlagenformat vorlagenformat(const QByteArray &datei);

struct Fuellergebnis
{
    QByteArray dokument;
    QString fehler; // leer bei Erfolg; sonst ein Satz ueber die Ursache, ohne Dateinamen
    bool ok() const { return fehler.isEmpty(); }
};
Fuellergebnis vorlageFuellen(const QByteArray &vorlage, const Vorlagenfuellung &fuellung);

// Ein Verweis "$SS$ZZ" am Anfang eines Zelltextes (Leerraum davor zaehlt nicht).
struct Zellverweis
{
    int spalte = 0;
    int zeile = 0;
};
std::optional<Zellverweis> zellverweis(const QString &text);

// Die Zellen der ersten Tabelle eines Dokuments als Text (fuer Tests und Pruefungen):
// je Zeile die Texte der Zellen, Zeilenumbrueche als "\n"; leer ohne Tabelle.
QList<QStringList> ersteTabelle(const QByteArray &dokument);
// Der ganze Text des Hauptdokuments, Absaetze durch "\n" getrennt.
QString dokumentText(const QByteArray &dokument);
