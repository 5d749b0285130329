#pragma once
// Schnelldruck ("Konzeptdruck") eines Gitters: jede sichtbare Zelle als Rechteck mit ihrem Text,
// Spalte fuer Spalte. Die festen Kopfzeilen und Namensspalten der Notentabelle stehen auf jeder
// Seite; was nicht auf die Seite passt, wird verkleinert oder geht auf weiteren Seiten weiter.

class QPainter;
class QPrinter;
class QTableWidget;
class Rueckfragen;

// Kleinster Massstab, auf den die Tabelle fuer die Seitenbreite verkleinert wird; darunter waere
// sie nicht mehr lesbar und wird in Streifen von Spalten geteilt.
inline constexpr double kKleinsterDruckMassstab = 0.5;

// Zeichnet das Gitter mit dem geoeffneten Maler auf den Drucker. Laengen (auch Bildschirmpixel des
// Gitters) werden als laenge * Aufloesung / 72 * skala umgerechnet, waagrecht mit der waagrechten,
// senkrecht mit der senkrechten Aufloesung. Ist die Tabelle breiter als die Seite, wird sie bis auf
// kKleinsterDruckMassstab verkleinert, danach in Streifen geteilt (jeder mit den Namensspalten);
// Schuelerzeilen, die nicht mehr auf die Seite passen, kommen auf die naechste (mit den
// Kopfzeilen). mitLinien: jede Zelle umrandet. false, wenn nicht gedruckt werden konnte.
bool GridDruck(const QTableWidget &gitter, QPainter &maler, QPrinter &drucker, int linkerRand,
               double skala, int obererRand, bool mitLinien = true);

// Druckdialog (ueber den einen Druckweg, im Querformat, wenn die Tabelle breiter als hoch ist),
// Wartehinweis und Schnelldruck der Tabelle (Rand links 20, Skala 0,7, oben 50). Ein
// Druckerfehler wird gemeldet. false: abgebrochen oder fehlgeschlagen.
bool tabelleDrucken(QTableWidget &tabelle, Rueckfragen &r);
