#pragma once
// Speichern eines Tests aus dem Editor: Angaben der Speicherabfrage (Schuljahr, Klasse, Fach,
// Nummer, Thema), Kopfzeilen 2 und 3, Zielpfad, Schreiben und der Fragebogen zum Drucken.

#include "conduct/testname.h"

#include <QString>
#include <QStringList>

class Rueckfragen;

struct SpeicherAngaben
{
    QString schuljahr = QStringLiteral("...");
    QString klasse = QStringLiteral("..."); // wie getippt: "10a", "81"
    QString fach = QStringLiteral("...");   // Eintrag des Fachfeldes: "Physik (P)"
    QString nummer = QStringLiteral("..."); // "1".."9", "A".."H"
    QString thema = QStringLiteral("...");  // "Unfa- Unfallverhuetung"

    QString testKuerzel() const { return testKuerzelBilden(klasse, fach, nummer, thema); }
    TestPfade pfade(const QString &basisOrdner) const
    {
        return TestPfade{basisOrdner, schuljahr, testKuerzel()};
    }
};

// Klasse so, wie der Lehrer sie tippt, aus dem Klassenkuerzel ("0a" -> "10a", "0." -> "10").
QString klasseAusKuerzel(const QString &code);

// Vorbelegung aus einer Katalogzeile; faecher und themen sind die Eintraege der Felder.
SpeicherAngaben angabenAusKatalogzeile(const QString &zeile, const QStringList &faecher);

// Meldung fuer ein noch nicht gewaehltes Feld (Fach, Nummer, Klasse, Thema, Schuljahr); leer,
// wenn alles angegeben ist. feld erhaelt den Namen des Feldes ("fach", "nummer", ...).
QString angabenFehler(const SpeicherAngaben &a, QString *feld = nullptr);

// Kopfzeilen des Tests: Fach, Nummer, Klasse und Gruppe; "Thema: " + Thema ab dem 7. Zeichen.
QString kopfzeileTest(const SpeicherAngaben &a);
QString kopfzeileThema(const SpeicherAngaben &a);
// Setzt die Zeilen 2 und 3 (0-basiert); ein kuerzeres Dokument wird vorher aufgefuellt.
void kopfzeilenSetzen(QStringList &zeilen, const SpeicherAngaben &a);

// Schreibt die Zeilen atomar (CP1252, CR LF) und legt die Ordner an. false nach der Meldung
// "Der Test  ... konnte nicht gespeichert werden!". Liegt neben einer Vorlage A (".__A") schon
// eine Vorlage B, wird sie aus der neuen A in ihrer bisherigen Antwortfolge neu geschrieben (mit
// dieser Folge wurde ausgeteilt); geht das nicht, bleibt sie mit einer Warnung, wie sie ist.
bool Test_speichern(const QStringList &zeilen, const QString &pfad, Rueckfragen &r);

// Speichern unter den Angaben: fragt, bevor ein anderer vorhandener Test ersetzt wird, und nimmt
// die Bilder mit, wenn sich der Ordner aendert. Ergebnis: der geschriebene Pfad, leer sonst.
QString testSpeichernUnter(QStringList &zeilen, const SpeicherAngaben &a,
                           const QString &basisOrdner, const QString &bisherigerPfad,
                           const QString &endung, Rueckfragen &r);

// Fragebogen: Kopf und Fragezeilen mit ihrem Fortsetzungstext, ohne Antworten.
QStringList fragebogen(const QStringList &zeilen);

// Text, den die Codepage der Testdatei nicht fassen kann: Meldung mit dem Zeichen.
QString nichtDarstellbarMeldung(const QString &zeichen);
