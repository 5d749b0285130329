#pragma once
// "Ausgabe/ Druck (Ø) über Textprogramm" im Notenfenster: Vorlage und Dateiname waehlen, waehrend
// des Fuellens die Tabelle verbergen und den Wartehinweis zeigen, danach das Dokument mit dem
// Textprogramm des Desktops oeffnen. Gefuellt wird in grades/klassennoten.h.

#include <QString>

class Klassensitzung;
class Oeffner;
class Rueckfragen;
class Uhr;
class ZenListeGesamt;

// Die Klasse der Sitzung in der Anzeige der Tabelle (Zensuren oder Punkte); die Vorlagen liegen im
// Programmordner. false: abgebrochen oder fehlgeschlagen (gemeldet).
bool klassennotenUeberTextprogramm(Klassensitzung &sitzung, const QString &programmOrdner,
                                   ZenListeGesamt *tabelle, Rueckfragen &r, const Uhr &uhr);

// Das Oeffnen des fertigen Dokuments; Tests setzen hier ihren Oeffner ein, nullptr stellt das
// Oeffnen ueber den Desktop wieder her.
void klassennotenOeffnerSetzen(Oeffner *oeffner);
