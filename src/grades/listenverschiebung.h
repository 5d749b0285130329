#pragma once
// Notenlisten verschieben: eine Spalte (Slot) einer Notenart mit Datum, Erlaeuterung und allen
// Noten an eine andere Stelle derselben oder einer anderen Notenart. Erst wird die Quellspalte
// geschlossen, dann die Zielspalte geoeffnet; so ist eine Verschiebung innerhalb einer Art eine
// Umordnung, und die Quellart laeuft nie ueber.

#include <QString>
#include <QStringList>

class Klasse;
class Rueckfragen;

// Die zwischengespeicherte Quellspalte.
struct Verschiebung
{
    int quellArt = 0;
    int quellSpalte = 0;
    QString datum;
    QString erlaeuterung;
    QStringList noten; // Schueler 1..n der Klasse
};

Verschiebung verschiebungBeginnen(const Klasse &klasse, int art, int spalte);

// Ob in die Zielart verschoben werden kann; eine andere, volle Art wird mit Meldung abgelehnt
// (die Verschiebung endet dann).
bool zielArtMoeglich(const Klasse &klasse, const Verschiebung &v, int zielArt, Rueckfragen &r);

// Schliesst die Quellspalte: die folgenden Spalten ruecken nach links, die letzte wird geleert.
void quellSpalteAuffuellen(Klasse &klasse, int art, int spalte);
// Macht Spalte t frei: die belegten Spalten t..n-1 ruecken nach rechts. false, wenn dafuer kein
// Platz ist (die Art ist voll).
bool zielSpalteFreiMachen(Klasse &klasse, int art, int t);
void zwischenListeInsZielKopieren(Klasse &klasse, const Verschiebung &v, int art, int t);

// Schliesst die Verschiebung ab (Quelle schliessen, Ziel oeffnen und fuellen) und meldet den
// Erfolg. false ohne Aenderung, wenn Zielart oder -spalte ungueltig sind oder die Zielart voll ist.
bool verschiebungAbschliessen(Klasse &klasse, const Verschiebung &v, int zielArt, int zielSpalte,
                              Rueckfragen &r);

// Hinweis des Menuebefehls, wenn keine Einzelliste offen ist.
QString verschiebenHinweis();
