#pragma once
// Schnelldruck ("Konzeptdruck") eines Gitters: jede sichtbare Zelle als Rechteck mit ihrem Text,
// Spalte fuer Spalte, alle Zeilen auf einer Seite, ohne Seitenumbruch.

#include <functional>

class QPrinter;
class QTableWidget;
class Rueckfragen;

// Zeichnet das Gitter auf den Drucker. Laengen (auch Bildschirmpixel des Gitters) werden als
// laenge * Aufloesung / 72 * skala umgerechnet, waagrecht mit der waagrechten, senkrecht mit der
// senkrechten Aufloesung. mitLinien: jede Zelle umrandet. false, wenn nicht gedruckt werden konnte.
bool GridDruck(const QTableWidget &gitter, QPrinter &drucker, int linkerRand, double skala,
               int obererRand, bool mitLinien = true);

// Druckdialog, Wartehinweis und Schnelldruck der Tabelle (Rand links 20, Skala 0,7, oben 50).
// dialog: nullptr zeigt den Druckdialog von Qt. Ein Druckerfehler wird gemeldet.
bool tabelleDrucken(QTableWidget &tabelle, const std::function<bool(QPrinter &)> &dialog,
                    Rueckfragen &r);
