#pragma once
// Das Journal einer offenen Klasse ("KLASSE.DTA.journal" neben der Klassendatei): jede
// bestaetigte Eingabe wird als Aenderung der Bytes der Klassendatei angehaengt und auf die Platte
// gebracht, bevor das Fenster sie als erledigt zeigt. Speichern beginnt das Journal neu; nach
// einem Absturz stellt es die Klasse her, wie sie nach der letzten bestaetigten Eingabe war. Die
// Klassendatei selbst bleibt, wie sie ist.
//
// Aufbau: eine Folge von Saetzen
//   "MJ" | Typ (1 Byte) | Laenge der Nutzdaten (uint32) | Nutzdaten | CRC-32 ueber Typ, Laenge und
//   Nutzdaten (uint32); Zahlen little-endian.
// Typ 'K' (Kopf, genau einmal, zuerst): Kennung (16 Bytes, zufaellig je Journal) | Beginn (int64,
//   ms seit 1970 UTC) | Klassendateiname, Rechner (je Laenge uint16 + UTF-8) | Ausgangsstand
//   (die 28408 Bytes der Klasse, wie sie vor der ersten Eingabe war).
// Typ 'E' (Eingabe): Nummer (uint32, 1, 2, ...) | Zeit (int64, ms seit 1970 UTC) | Zahl der Stuecke
//   (uint16) | je Stueck Anfang (uint16), Laenge (uint16), die neuen Bytes.
// Ein Satz gilt nur vollstaendig und mit stimmender Pruefsumme; gelesen wird bis zum ersten
// unvollstaendigen oder beschaedigten Satz, denn jede Eingabe baut auf der vorigen auf.

#include "common/ansitext.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

class Rueckfragen;

inline const QString kJournalEndung = QStringLiteral(".journal");
QString journalPfad(const QString &klassenPfad);

struct JournalStueck
{
    int anfang = 0;
    QByteArray bytes;
};

struct JournalEintrag
{
    quint32 nummer = 0;
    qint64 zeitMs = 0;
    QList<JournalStueck> stuecke;
};

struct JournalLesung
{
    enum class Zustand {
        Fehlt,    // kein Journal
        Gelesen,  // Kopf gelesen; die Eintraege bis zur ersten Beschaedigung
        Unlesbar, // Datei nicht lesbar
        OhneKopf, // kein lesbarer Kopf: nichts wiederherstellbar
    };
    Zustand zustand = Zustand::Fehlt;
    QByteArray kennung;
    qint64 beginnMs = 0;
    QString klassendatei; // Dateiname der Klasse, fuer die das Journal geschrieben wurde
    QString rechner;
    QByteArray ausgang; // Stand vor der ersten Eingabe
    QByteArray stand;   // Stand nach dem letzten heilen Eintrag
    QList<JournalEintrag> eintraege;
    qint64 gueltig = 0;          // Bytes bis zum Ende des letzten heilen Satzes
    qint64 dateiLaenge = 0;      // Bytes der Datei
    bool unvollstaendig = false; // hinter dem letzten heilen Satz steht ein abgebrochener Satz
    int fehler = 0;              // errno bei Unlesbar

    bool verworfeneBytes() const { return dateiLaenge > gueltig; }
};

// Zerlegt die Bytes eines Journals (ohne Dateizugriff; Grundlage fuer Tests und Fuzzing).
JournalLesung journalZerlegen(const QByteArray &bytes);
JournalLesung journalLesen(const QString &klassenPfad);

// Wendet die Stuecke eines Eintrags auf einen Stand an (Stuecke ausserhalb werden abgeschnitten).
void eintragAnwenden(QByteArray &stand, const JournalEintrag &e);
// Die Stuecke, die alt in neu verwandeln (Folgen geaenderter Bytes; nahe Luecken werden
// ueberbrueckt).
QList<JournalStueck> unterschiede(const QByteArray &alt, const QByteArray &neu);

// Der Schreiber des Journals einer offenen Klasse. Haelt den zuletzt eingetragenen Stand; die
// Datei entsteht mit der ersten Eingabe.
class Klassenjournal
{
public:
    // Beginnt ein neues Journal zum Stand stand (nach Oeffnen oder Speichern); eine vorhandene
    // Datei wird mit der ersten Eingabe ersetzt.
    void beginnen(const QString &klassenPfad, const QByteArray &stand);
    // Schreibt hinter dem letzten heilen Satz eines gelesenen Journals weiter (nach dem
    // Wiederherstellen); ein abgebrochener Rest dahinter wird mit der naechsten Eingabe ersetzt.
    void fortsetzen(const QString &klassenPfad, const JournalLesung &l);
    // Kein Journal (keine Klasse offen, oder eine andere Instanz haelt die Sperre).
    void beenden();

    // Traegt den neuen Stand ein, wenn er sich vom zuletzt eingetragenen unterscheidet, und kehrt
    // erst zurueck, wenn er auf der Platte ist. Ein Fehler (Fehlernummer in DateiFehler) laesst
    // den eingetragenen Stand unveraendert: die naechste Eingabe traegt beide Aenderungen ein.
    DateiFehler eintragen(const QByteArray &neu, qint64 zeitMs);
    // Nach dem Speichern: die Datei wird entfernt, der gespeicherte Stand ist der neue Ausgang.
    void gespeichert(const QByteArray &stand);

    bool aktiv() const { return !pfad.isEmpty(); }
    const QString &datei() const { return pfad; }
    int eintraege() const { return int(nummer); }
    const QByteArray &stand() const { return zuletzt; }
    const QByteArray &ausgang() const { return anfang; }

private:
    QString pfad;
    QString klassendatei;
    QByteArray zuletzt;
    QByteArray anfang;
    QByteArray kennung;
    qint64 laenge = 0; // gueltige Laenge der Datei; 0: noch keine Datei (Kopf fehlt)
    quint32 nummer = 0;
};

// Der Satz "Für die Klasse … gibt es N ungespeicherte Eingaben vom … (letzte um …).
// Wiederherstellen?"
QString wiederherstellenFrage(const QString &klassenname, const JournalLesung &l);
// Was von einem Journal nicht uebernommen wird; leer, wenn alles heil ist.
QString journalVerlustMeldung(const QString &klassenPfad, const JournalLesung &l);
// Legt ein Journal, das nicht uebernommen wird, in den Sicherungsordner (nie verloren).
// Ergebnis: der neue Pfad, leer wenn das nicht ging (dann bleibt es liegen).
QString journalBeiseiteLegen(const QString &klassenPfad, const QString &grund);

// Der Ordner der Sicherungen neben den Klassendateien: Ordner der Klasse + "Klassensicherung/".
inline const QString kSicherungsordner = QStringLiteral("Klassensicherung");
QString sicherungsOrdner(const QString &klassenPfad);
