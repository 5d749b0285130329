#pragma once
// "Ausgabe/ Druck (Ø) über Textprogramm" im Notenfenster: Vorlage und Dateiname waehlen, waehrend
// des Fuellens die Tabelle verbergen und den Wartehinweis zeigen, danach das Dokument mit dem
// Textprogramm des Desktops oeffnen. Gefuellt wird in grades/klassennoten.h.

class Oeffner;
class TFZensurenbearbeitung;

// false: abgebrochen oder fehlgeschlagen (gemeldet).
bool klassennotenUeberTextprogramm(TFZensurenbearbeitung &fenster);

// Das Oeffnen des fertigen Dokuments; Tests setzen hier ihren Oeffner ein, nullptr stellt das
// Oeffnen ueber den Desktop wieder her.
void klassennotenOeffnerSetzen(Oeffner *oeffner);
