#pragma once
// Abgeben, Zwischenstand und Rueckgabe auf der Seite des Schuelerprogramms.
//
// Abgabe: die ausgefuellte Kopie entsteht im Abgabeordner unter einem Zwischennamen, den das
// Muster der Einsammlung ("*.?" + Klassenkuerzel) nie trifft, und wird erst vollstaendig auf
// den persoenlichen Dateinamen umbenannt. Die Einsammlung nimmt so nie eine halbe Datei; eine
// zweite Abgabe ersetzt die erste. Der eigene Ordner des Schuelers ([Schueler]) haelt den
// Zwischenstand und eine Kopie jeder Abgabe.

#include "outside/schuelerseite.h"

#include <QByteArray>
#include <QString>

namespace schuelerseite {

// Zwischenname im Abgabeordner: endet mit "~", passt also auf kein Abgabemuster.
QString abgabeZwischenname(const QString &datei);

struct AbgabeErgebnis
{
    enum class Art {
        Abgegeben,
        TestBeendet,  // Signaldatei fehlt: die Lehrkraft hat den Test beendet
        NichtMoeglich // Abgabeordner fehlt oder ist nicht beschreibbar
    };
    Art art = Art::NichtMoeglich;
    QString meldung; // fuer den Schueler
    QString ziel;    // Pfad der Abgabe
};

AbgabeErgebnis abgeben(const Konfig &k, const Bereitgestellt &test, const QString &datei,
                       const QByteArray &ausgefuellt);

// Der eigene Ordner, wenn er erreichbar ist (absolut, echter Ordner); sonst leer.
QString eigenerOrdner(const Konfig &k);
// Dateien im eigenen Ordner; leer, wenn er nicht erreichbar ist.
QString zwischenstandPfad(const Konfig &k, const Bereitgestellt &test, const QString &datei);
QString abgabeKopiePfad(const Konfig &k, const Bereitgestellt &test, const QString &datei);
// Schreibt atomar; leer bei Erfolg, sonst die Meldung fuer den Schueler.
QString imEigenenOrdnerSichern(const QString &pfad, const QByteArray &bytes);

// Das zurueckgegebene Dokument eines Schuelers.
struct RueckgabeDokument
{
    QString pfad;
    QString name;
    QString bilderOrdner; // mit Trenner; leer ohne "Bilder"
    bool speichernErlaubt = false;
};
RueckgabeDokument rueckgabeDokument(const Bereitgestellt &rueckgabe, const Eintrag &e);
// Bilder einer Rueckgabe: je Datei kGrenzeFremdeDatei, zusammen hoechstens so viel.
inline constexpr qint64 kGrenzeBilderGesamt = 64 * 1024 * 1024;

// Kopiert das Dokument in den eigenen Ordner (nur mit "sp-ind.txt"), seine Bilder in den Ordner
// rueckgabeBilderOrdner daneben. Leer bei Erfolg, sonst die Meldung; *ziel erhaelt den Pfad.
QString rueckgabeSpeichern(const Konfig &k, const RueckgabeDokument &d, QString *ziel = nullptr);
// "<eigener>Mivo-Test ... benotet Bilder/": je Dokument ein Ordner, damit sich die Bilder
// verschiedener Tests nicht ueberschreiben.
QString rueckgabeBilderOrdner(const QString &eigener, const RueckgabeDokument &d);

} // namespace schuelerseite
