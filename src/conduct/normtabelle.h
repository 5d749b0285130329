#pragma once
// Die Normtabelle: 18 Zeilen aus E-Note, G-Note, Notenpunkten und dem Anteil der Hoechstpunktzahl,
// ab dem die Zeile erreicht ist. Die Anteile stehen in einer Tabelle je Fach (Blatt "Tabelle1",
// Spalte D, Zeilen 4-21); ohne lesbare Tabelle gelten die Standardanteile.

#include <QString>

#include <array>

class Rueckfragen;

inline constexpr int kNormZeilen = 18;

struct NormZeile
{
    QString noteE;
    QString noteG;
    int notenpunkte = 0;
    double anteil = 0.0;
};
using Normtabelle = std::array<NormZeile, kNormZeilen>;

Normtabelle standardNormtabelle();

// rnd(punkteMax x anteil): gerechnet mit dem Dezimalwert des Anteils (der kuerzesten Dezimalzahl,
// die wieder denselben double ergibt), halbe Werte zur geraden Zahl. 25 x 0,70 = 17,5 -> 18.
int schwelle(int punkteMax, double anteil);

// Wert einer E-Note in Dritteln: "2" = 6, "2+" = 5, "2-" = 7; -1 fuer anderes ("/", "GF", "").
int notenwertDrittel(const QString &noteE);

// programmOrdner + "Normtabellen" + Trenner + Fachbuchstabe + "-Normtabelle.xls"
QString normtabellenOrdner(const QString &programmOrdner);
QString normtabelleVorschlag(const QString &programmOrdner, QChar fach);

// Fragt nach der Datei (Dateidialog); leer: abgebrochen, dann ist die Warnung schon gezeigt.
QString normtabelleWaehlen(const QString &programmOrdner, QChar fach, Rueckfragen &r);
// Liest die Anteile; jeder Fehler fuehrt mit Meldung zu den Standardanteilen.
Normtabelle normTabelleEinlesen(const QString &pfad, Rueckfragen &r);
// Ohne Meldung; nullopt mit Grund in *grund.
std::optional<Normtabelle> normTabelleAusBytes(const QByteArray &bytes, QString *grund = nullptr);
