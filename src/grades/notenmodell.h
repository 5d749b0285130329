#pragma once
// Das Notenmodell: Notentexte, die 18-zeilige Notentabelle, Umrechnungen zwischen Zensur,
// Punkten und G-Note, Durchschnitt einer Notenart und gewichtete Gesamtzensur.
//
// Notentext: "1+" .. "6", "/" (fehlt, zaehlt nicht), leer (keine Note) oder "GF" (falsche
// Testgruppe, nur von der Testbenotung geschrieben, zaehlt nicht, wird nie als Eingabe angenommen).
// Durchschnitte sind ganze Zahlen in Einheiten von 1/10000 (immer ein Vielfaches von 1000),
// die Gesamtzensur ein 32-Bit-float; 0 heisst jeweils "keine".

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

class Klasse;

inline constexpr int kNotenTabellenZeilen = 18;

struct NotenTabellenZeile
{
    QStringView zensur; // E-Note
    qint16 punkte;
    double obergrenze; // obere Grenze der Gesamtzensur fuer diese Zeile (einschliesslich)
    QStringView gNote;
};

// Zeilen 16 und 17 wiederholen "6"/0, damit die Grenzen bis 6,5 reichen; eine Suche nach Text
// oder Punkten findet immer die erste passende Zeile.
extern const std::array<NotenTabellenZeile, kNotenTabellenZeilen> kNotenTabelle;

// Anzeige der Notentabelle: Zensuren oder Punkte.
enum class NotenAnzeige { Zensuren, Punkte };

// Letzter benutzbarer Slot: 9 fuer die Arten 1, 3, 4, 5; 19 fuer Art 2; 0 fuer alles andere.
int letzteZenVonArtNr(int art);

// Zahl der belegten Notenspalten einer Art: 1 + hoechster Slot, in dem irgendein Schueler der
// Klasse eine nicht leere Note hat; 0 ohne Noten, bei leerer Klasse oder Art ausserhalb 1..5.
int vorhandeneNoten(const Klasse &klasse, int art);

// Ob die Note in Durchschnitte eingeht: nicht leer, nicht "/", erstes Zeichen "1".."6".
bool noteZaehlt(QStringView note);

// Durchschnitt der Noten des Schuelers in Art 1..5, mal 10000, auf Zehntel gerundet (0 = keiner).
// 0 auch fuer eine Schuelernummer ausserhalb 1..Klassengroesse oder eine Art ausserhalb 1..5.
qint64 schnitt(const Klasse &klasse, int nr, int art);
// Der Durchschnitt einer Notenliste (Slots 0..letzter benutzbarer), unabhaengig vom Schueler.
qint64 schnittAusNoten(const QStringList &noten);

// Gewichtete Gesamtzensur des Schuelers (0 = keine, auch wenn eine gewichtete Art keine Noten hat).
float gesamtZensur(const Klasse &klasse, int nr);
// Ein Schritt der Gesamtzensur: g := (A * w / 100 + g * 10000) / 10000 in erweiterter Genauigkeit,
// zurueck in float gerundet.
float gesamtZensurSchritt(float g, qint64 schnitt, qint16 gewicht);

// Zeile k der Notentabelle zur Gesamtzensur: grenze[k-1] < g <= grenze[k] (grenze[-1] = 0);
// -1 fuer g <= 0 oder g > 6,5.
int notenBand(float gesamt);
QString punkteAusGesamt(float gesamt);
QString eNoteAusGesamt(float gesamt);
QString gNoteAusGesamt(float gesamt);

QString notenPunkte(const Klasse &klasse, int nr);
QString E_Note(const Klasse &klasse, int nr);
QString G_Note(const Klasse &klasse, int nr);

// Umrechnungen; "/" bleibt "/", kein Treffer (auch leerer Text) ergibt leer.
QString zenAusPu(QStringView punkte);
QString PuAusZen(QStringView zensur);
QString gNoteAusZen(QStringView zensur);

// Ob ein getippter Zellenwert in der Anzeige erlaubt ist: leer, "/" oder eine der 18 Zensuren
// bzw. Punktzahlen; genauer Vergleich.
bool notenEingabeOk(QStringView text, NotenAnzeige anzeige);

// Der Text ohne jedes "&" (Beschriftungen der Notenarten in Kopfzeilen und Drucken).
QString ohneMarker(QString text);

// Kuerzeste deutsche Dezimalschreibweise ("2,3", "2", "0,75"), unabhaengig vom Gebietsschema.
QString deutscheZahl(double wert);
// Anzeige eines Durchschnitts: die ersten 3 Zeichen von A / 10000 ("2,3", "2").
QString schnittText(qint64 schnitt);
// Anzeige der Gesamtzensur: auf Zehntel gerundet (Haelften zur geraden Nachbarzahl), "2,4".
QString gesamtText(float gesamt);
