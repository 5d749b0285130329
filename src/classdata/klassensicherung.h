#pragma once
// Gespeicherte Fassungen und Notenverlauf einer Klasse, im Ordner "Klassensicherung" neben den
// Klassendateien (sicherungsOrdner). Beides folgt dem Dateinamen der Klasse und dem
// Schuljahresordner: ein neues Schuljahr beginnt einen neuen Verlauf.
//
// Fassung: "NAME.DTA.JJJJMMTT-HHMMSS-zzz.sicherung", die ersetzte Klassendatei Byte fuer Byte;
// je Klasse bleiben die neuesten kSicherungenJeKlasse.
//
// Verlauf: "NAME.DTA.verlauf", Text (CP1252, CR LF), eine Notenaenderung je Zeile, Felder durch
// Tabulator getrennt:
//   Zeit (JJJJ-MM-TT HH:MM:SS) | Rechner | Nachname | Vorname | Notenart 1..5 | Slot ab 1 |
//   Datum der Liste | Erlaeuterung | alte Note | neue Note | Herkunft (Journal-Kennung:Nummer)
// Geschrieben wird beim Speichern aus dem Journal; die Herkunft verhindert doppelte Zeilen, wenn
// ein Speichern vor dem Entfernen des Journals abbrach.

#include "classdata/klasse.h"
#include "classdata/klassenjournal.h"
#include "common/ansitext.h"

#include <QDateTime>
#include <QList>
#include <QString>

inline constexpr int kSicherungenJeKlasse = 50;

struct Sicherung
{
    QString pfad;
    QDateTime zeit;
};

// Legt die Fassung der Datei klassenPfad, die gleich ersetzt (oder geloescht) wird, als Sicherung
// ab; nichts, wenn es keine Datei gibt, sie gleich neu ist oder der neuesten Sicherung gleicht.
// Aeltere als die letzten kSicherungenJeKlasse werden entfernt. Leer: gelungen; sonst die Meldung.
QString fassungSichern(const QString &klassenPfad, const QByteArray &neu, const QDateTime &jetzt);
// Die Sicherungen einer Klasse, neueste zuerst.
QList<Sicherung> sicherungenAuflisten(const QString &klassenPfad);
// Wie viele Noten sich unterscheiden; Schueler werden ueber ihren Namen zugeordnet (sonst ueber
// ihre Nummer), Noten eines Schuelers, den es nur in einer Klasse gibt, zaehlen alle.
int notenUnterschiede(const Klasse &a, const Klasse &b);

struct Notenaenderung
{
    QDateTime zeit;
    QString rechner;
    QString nachname;
    QString vorname;
    int art = 0;
    int slot = 0; // ab 0
    QString datum;
    QString erlaeuterung;
    QString alt;
    QString neu;
    QString herkunft;
};

QString verlaufPfad(const QString &klassenPfad);
// Die Notenaenderungen zwischen zwei Staenden (ohne Zeit, Rechner, Herkunft).
QList<Notenaenderung> notenaenderungen(const Klasse &vorher, const Klasse &nachher);
// Die Notenaenderungen aller heilen Eintraege eines Journals, aelteste zuerst.
QList<Notenaenderung> journalAenderungen(const JournalLesung &l);
// Haengt an den Verlauf an, was dort noch nicht steht (nach Herkunft).
DateiFehler verlaufAnhaengen(const QString &klassenPfad, const QList<Notenaenderung> &neu);
// Der Verlauf, aelteste zuerst; unlesbare Zeilen werden uebergangen.
QList<Notenaenderung> verlaufLesen(const QString &klassenPfad);
