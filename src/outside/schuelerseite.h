#pragma once
// Die Seite des Schuelerprogramms: Mivo-cf.txt lesen, bereitgestellte Tests und Rueckgaben einer
// Klasse finden (nur solange ihre Signaldatei da ist), die Kopien und Namen darin auflisten.
// Liest nur; in die Ausgabe- und Rueckgabeordner schreibt das Schuelerprogramm nie.
// Meldungen sind an Schueler gerichtet: kurz, in Du-Form, mit dem Ordner, wo es hilft.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace schuelerseite {

inline const QString kKonfigName = QStringLiteral("Mivo-cf.txt");

// Die Ordner aus Mivo-cf.txt, jeweils mit Trenner am Ende; schule ohne Trenner.
struct Konfig
{
    QString ausgabeOrdner;
    QString abgabeOrdner;
    QString rueckgabeOrdner;
    QString schuelerOrdner;
    QString schule;
    // Meldungen unbrauchbarer Angaben (der Ordner ist dann leer): ohne Rueckgabeordner gibt es
    // keine Rueckgaben, ohne eigenen Ordner keinen Zwischenstand; Tests gehen trotzdem.
    QString rueckgabeFehler;
    QString schuelerFehler;
};

struct KonfigErgebnis
{
    std::optional<Konfig> konfig;
    QString meldung; // gesetzt, wenn konfig fehlt
};

// Liest Mivo-cf.txt mit den Regeln der Konfigurationsdateien: Kopfzeile exakt, Wert in der
// Zeile darunter, der letzte nicht leere Wert gewinnt, Ordnerwerte enden mit dem Trenner und
// werden geprueft (ordnerAngabeFehler). Ohne brauchbaren Ausgabe- oder Abgabeordner ist Mivo
// nicht eingerichtet.
KonfigErgebnis konfigLesen(const QString &pfad);

// Klassenkuerzel aus der getippten Klasse ("10a" -> "0a", "7" -> "7."); leer, wenn der Text
// keine Klasse sein kann.
QString klassenkuerzelAusEingabe(const QString &eingabe);

enum class Art { Test, Rueckgabe };

// Ein bereitgestellter Test (oder eine Rueckgabe), gefunden ueber seine Signaldatei.
struct Bereitgestellt
{
    Art art = Art::Test;
    QString klassenkuerzel;
    QString lehrer; // ohne Trenner
    QString testKuerzel;
    QString datum;       // "yyyy-mm-dd" aus der Signaldatei, leer wenn unlesbar
    QString signalDatei; // voller Pfad
    QString ordner;      // Klassenordner mit Trenner
    QString thema;       // aus Zeile 4 einer Kopie bzw. eines zurueckgegebenen Dokuments
};

// Ein echter Ordner (keine Verknuepfung), auch wenn die Angabe mit dem Trenner endet.
bool echterOrdner(const QString &ordner);

// Der Lehrername, wie ihn die Ordnerangaben brauchen (mit Trenner).
QString lehrerMitTrenner(const Bereitgestellt &b);

// Die Klassenkuerzel, fuer die im Transferordner gerade etwas bereitgestellt ist.
QStringList klassenMitSignal(const QString &transferOrdner);

struct Suche
{
    QList<Bereitgestellt> gefunden;
    // Signaldateien ohne passenden Ordnerinhalt (Ordner fehlt, leer, oder andere Art).
    int ohneOrdner = 0;
};
// Tests (Art::Test) oder Rueckgaben der Klasse, nach Datum (neueste zuerst). Ob der Klassenordner
// Tests oder Rueckgaben enthaelt, entscheidet sein Inhalt: Ausgabe- und Rueckgabeordner duerfen
// derselbe Ordner sein.
Suche bereitgestellteSuchen(const QString &transferOrdner, const QString &klassenkuerzel, Art art);

// Ein Test gilt nur als bereitgestellt, solange seine Signaldatei besteht.
bool nochBereitgestellt(const Bereitgestellt &b);

// Eine persoenliche Kopie (oder ein zurueckgegebenes Dokument) mit dem Namen aus Zeile 1.
struct Eintrag
{
    QString datei;    // Dateiname: die Identitaet des Schuelers
    QString vorname;  // leer, wenn die Namenszeile fehlt
    QString nachname; // sonst der Teil des Dateinamens vor dem Punkt
    QString anzeige() const;
};

struct EintragsListe
{
    QList<Eintrag> eintraege; // nach Nachname, dann Vorname sortiert
    QStringList unlesbar;     // Dateinamen, die nicht gelesen werden konnten
};

// Die persoenlichen Kopien im Ausgabeordner der Klasse ("*.?" + Klassenkuerzel).
EintragsListe kopienAuflisten(const Bereitgestellt &b);
// Die zurueckgegebenen Dokumente eines Tests im Rueckgabeordner der Klasse.
EintragsListe rueckgabenAuflisten(const Bereitgestellt &b);

// Zerlegt " Name:  Vorname Nachname" (auch mit "krank:" davor) mit Hilfe des Anfangs des
// Nachnamens (die ersten 8 Zeichen, wie im persoenlichen Dateinamen).
Eintrag eintragAusNamenszeile(const QString &datei, const QString &nachnamenAnfang,
                              const QString &zeile);

} // namespace schuelerseite
