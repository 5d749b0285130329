#pragma once
// Benotung eines ausgefüllten Lückentests gegen seine Urdatei.
//
// Benotete Datei: "Lückentest mit Benotung und Korrektur" / 37 "=" / leer /
// "Von  G  Lücken wurden  R  richtig ausgefüllt." / leer /
// "Das entspricht einem Trefferquotienten von  0,75 ." / leer /
// "Erreichte Note:  2   (nach P-Normtabelle.xls)" bzw. "(nach den Standardanteilen)" / leer /
// 68 "-" / leer / der ausgefüllte Text mit "<Eintrag $NN= Richtig>" / die Eintragsliste mit
// "\t=" (richtig) bzw. "\t\t>   Richtig" (falsch), Tabstopps bei 200 pt und 240 pt.

#include "conduct/normtabelle.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QTextDocument;

inline const QString kBenotetUeberschrift = QStringLiteral("Lückentest mit Benotung und Korrektur");
inline const QString kBenotetKopfAusgefuellt =
    QStringLiteral("Ausgefüllte Lückenwörter\t\t>   Richtige Lösung");

struct RichtigeWoerter
{
    QMap<int, QString> wort; // Nummer -> richtiges Wort
    int gesamt = 0;          // Nummer der letzten gelesenen Zeile
};

// Liest die richtigen Wörter aus den Zeilen der Urdatei; nullopt, wenn der Abschnitt fehlt.
std::optional<RichtigeWoerter> richtigeLWzaehlen(const QStringList &urZeilen);

// Prüft die Einträge der ausgefüllten Datei (im Dokument) und hängt die Kennzeichen an.
// Ergebnis: Zahl der richtigen Einträge; -1, wenn der Abschnitt fehlt. eintraege: Zahl der
// gelesenen Eintragszeilen.
int schAntwortenChecken(QTextDocument &doc, const RichtigeWoerter &r, int *eintraege = nullptr);

// Setzt "= Richtig" vor das ">" jeder Lücke "<... $NN>" im Text. Ergebnis: Zahl der Lücken.
int richtigeLWInSchDateiEintragen(QTextDocument &doc, const RichtigeWoerter &r);

// Ersetzt den Kopf der Eintragsliste und setzt die Tabstopps bis zur ersten Leerzeile.
void zeilenFormatieren(QTextDocument &doc);

// Die Note zum Anteil richtiger Lücken, wie ein Auswahltest mit gleichem Anteil sie bekäme.
QString lueckentestNote(int richtig, int gesamt, const Normtabelle &norm);

struct LueckenBenotung
{
    QString fehler; // leer: benotet
    int gesamt = 0;
    int richtig = 0;
    std::unique_ptr<QTextDocument> dokument;
};

// Benotet die ausgefüllte Datei (ausgefuellt, Name für Meldungen) gegen die Urdatei. Die
// Notenzeile nennt die Normtabelle (ihr Dateiname in tabelle; leer: die Standardanteile).
LueckenBenotung lueckentestBenoten(const QTextDocument &urdatei, const QString &urName,
                                   const QTextDocument &ausgefuellt, const QString &ausName,
                                   const Normtabelle &norm, const QString &tabelle = {});
