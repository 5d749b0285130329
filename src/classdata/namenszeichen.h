#pragma once
// Zeichen in Schuelernamen: was die Klassendatei (string-Felder in CP1252) aufnehmen kann und wie
// Namen aus Importdateien auf einfache Buchstaben gebracht werden.

#include <QString>
#include <QStringView>

// Umlaute und ß ausgeschrieben (Ä -> Ae, ß -> ss), Buchstaben mit Akzent, Haken oder Strich auf
// ihren Grundbuchstaben (É -> E, ë -> e, Ş -> S, Ł -> L), Ligaturen ausgeschrieben (Æ -> Ae,
// Œ -> Oe, Þ -> Th). Alle anderen Zeichen bleiben; nichts wird gekuerzt.
QString buchstabenVereinfachen(QStringView text);

// Die Meldung zum ersten Zeichen des Namens, das die Klassendatei nicht speichern kann; leer, wenn
// der Name ganz gespeichert werden kann.
QString namenszeichenFehler(QStringView name);
