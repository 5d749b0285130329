#pragma once
// Export der Klassendaten als Semikolon-Textdatei fuer eine Tabellenkalkulation: ANSI (CP1252),
// Zeilenende CR LF, jedes Feld (auch das letzte) gefolgt von ";", ohne Anfuehrungszeichen.
// Kopfzeile: Nachname; Vorname; Klasse; je Notenart Taste + Slot 0..letzter, Taste + "-DS".
// Je Schueler: Namen, Klasse, die Noten wie gespeichert und der Durchschnitt der Art ("2,3"; 0).

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class Klasse;
class Rueckfragen;

// Die Zeilen ohne Zeilenende.
QStringList exportZeilen(const Klasse &klasse);
// Die Datei Byte fuer Byte; nullopt, wenn ein Zeichen in CP1252 nicht darstellbar ist.
std::optional<QByteArray> exportBytes(const Klasse &klasse);

// Schreibt den Export nach pfad; bei Fehler die Meldung des Dateifehlers und false.
bool exportSchreiben(const Klasse &klasse, const QString &pfad, Rueckfragen &r);

// Der Menuebefehl "Klassendaten exportieren (.csv)": ohne geladene Klasse der Hinweis, sonst
// Speicherdialog (Vorschlag: Pfad der Klassendatei ohne ".DTA" + "- Export"), Schreiben, Meldung.
bool klassendatenExportieren(const Klasse &klasse, bool klasseGeladen, const QString &klassenPfad,
                             Rueckfragen &r);
