#pragma once
// Ausgabe der Klassennoten ueber ein Textprogramm: Auswahl der Vorlage und des Dateinamens, das
// Fuellen der Vorlage mit der Notentabelle in Druckform (textvorlage.h) und das Speichern.
// Geschrieben wird nur ein fertig gefuelltes Dokument, atomar; bei jedem Fehler bleibt eine
// vorhandene Datei unter dem gewaehlten Namen unberuehrt. Vorlagen im alten .doc-Format werden
// mit LibreOffice (ohne Fenster) nach .docx umgewandelt, wenn es installiert ist.

#include "grades/notenmodell.h"
#include "grades/textvorlage.h"

#include <QDate>
#include <QString>

#include <optional>

class Klasse;
class Rueckfragen;

// Zelle (spalte, zeile) der Notentabelle in Druckform: Kopfzeile, Gewichte, Namen und Werte.
Zellenquelle druckform(const Klasse &klasse, NotenAnzeige anzeige);

// "Klasse: L-7x-Ph" fuer eine Klasse (Name beginnt mit "L"), sonst "Kurs: ...".
QString klasseKursText(const QString &klassenname);

// Vorschlag fuer den Ausgabenamen: Klassendatei ohne ".DTA" mit der ganzen Endung der Vorlage
// (".docx", ".odt"; eine .doc-Vorlage ergibt ".docx").
QString ausgabeVorschlag(const QString &klassenPfad, const QString &vorlage);
// Endung des geschriebenen Dokuments zur Vorlage: "docx" oder "odt".
QString ausgabeEndung(const QString &vorlage);

struct KlassennotenWahl
{
    QString vorlage;
    QString ziel;
};
// Ob ziel die Vorlage selbst ist (gleicher Pfad ohne Ruecksicht auf Gross-/Kleinschreibung oder
// dieselbe Datei); dann meldet es und sagt true.
bool zielIstVorlage(const KlassennotenWahl &wahl, Rueckfragen &r);

// Die beiden Dateidialoge. nullopt: abgebrochen, oder der Ausgabename ist die Vorlage selbst
// (dann gemeldet).
std::optional<KlassennotenWahl> klassennotenDialoge(const QString &programmOrdner,
                                                    const QString &klassenPfad, Rueckfragen &r);

// Fuellt die Vorlage und schreibt das Dokument atomar nach ziel. false nach einer Meldung, die
// Datei und Ursache nennt; dann ist nichts geschrieben.
bool klassennotenSchreiben(const KlassennotenWahl &wahl, const Klasse &klasse,
                           const QString &klassenname, NotenAnzeige anzeige, const QDate &heute,
                           Rueckfragen &r);

// Wandelt eine .doc-Datei mit LibreOffice nach .docx um; nullopt nach einer Meldung.
// programm: leer sucht "soffice" bzw. "libreoffice" im Suchpfad.
std::optional<QByteArray> docUmwandeln(const QString &pfad, Rueckfragen &r,
                                       const QString &programm = QString());
