#pragma once
// Anzeigeformate eines Testdokuments im Editor: fette und rote Kopfzeilen, unterstrichene
// Fragezeilen, Einzuege. Sie werden nie gespeichert, sondern aus dem Zeileninhalt berechnet.
// Zeilen sind die Absaetze des Dokuments, gezaehlt ab 0.

#include <QFont>
#include <QString>
#include <QStringView>

class QTextDocument;

// Kopfzeilen ohne Einzug: 6 bei der Testkonstruktion, 22 bei Durchfuehrung und Rueckgabe
// (die Schuelerkopien tragen einen laengeren Kopf).
inline constexpr int kKopfgrenzeKonstruktion = 6;
inline constexpr int kKopfgrenzeDurchfuehrung = 22;

// Schrift des Editors, auch die der zurueckgegebenen Dokumente.
QFont editorSchrift();

// Nicht leer, Ziffer 1-9 an Position 1, ")" an Position 2 oder 3.
bool istFragezeile(QStringView zeile);
// Die Zeichen an den Positionen 2 bis 6 enthalten "a)", "b)", "c)" oder "d)".
bool istAntwortzeile(QStringView zeile);

// Stichwoerter "fett", "unterstrichen", "rot"; jedes andere setzt keinen Zeichenstil.
// Ein Stil (fett, unterstrichen) ersetzt den vorigen, die Farbe bleibt davon unberuehrt.
void richEdit_formatiereZeile(QTextDocument &doc, int zeile, const QString &stichwort,
                              int kopfgrenze);
// Zeilen 2 und 3 fett, 1 und 4 rot, dann jede Zeile mit ihren Einzuegen.
void schriftFormatieren(QTextDocument &doc, int kopfgrenze);
// Zeilen 2 und 3 in 12 pt, haengender Einzug aller Antwortzeilen nach der Schriftgroesse.
void absatzformatierung(QTextDocument &doc);

// Einzug wie beim Steuerelement, in Punkt: die erste Zeile beginnt bei erste (nie links vom
// Rand), die Folgezeilen stehen um folge weiter rechts als die erste.
void einzugSetzen(QTextDocument &doc, int zeile, qreal erste, qreal folge);
