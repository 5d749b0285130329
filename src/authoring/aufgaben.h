#pragma once
// Regeln des Testeditors auf den Zeilen eines Multiple-Choice-Testdokuments: Nummerierung,
// Aufraeumen, Punktepruefung, neue Frage, Antworten verschieben und der Zusammenhang der
// Schreibmarke. Zeilen zaehlen ab 0, Zeichenstellen ab 1.
//
// Ein Block beginnt nach einer leeren Zeile. Seine erste Zeile ist eine Frage, wenn vor ")" an
// Stelle 1 bis 3 nur Ziffern stehen ("7)", "12)", ")" ohne Nummer).

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include "common/rueckfragen.h"

// Sammelt Meldungen, statt sie zu zeigen; Fragen werden mit Nein beantwortet.
class SammelRueckfragen final : public RueckfragenOhneAuswahl
{
public:
    QStringList texte;
    void melde(Art, const QString &text) override { texte << text.trimmed(); }
    Knopf frage(Art, const QString &text, Knoepfe) override
    {
        texte << text.trimmed();
        return Knopf::Nein;
    }
    void piep() override {}
};

// Zeilen, die nur Tabulatoren enthalten, werden leer.
void ungueltigeAbsaetzeLeeren(QStringList &zeilen);

// Nummeriert die Fragen ab 1 neu; gibt die Zahl der Fragen zurueck. Jede Fragezeile bleibt ganz
// erhalten. fragezeilen (wenn gegeben) erhaelt die Indizes der Fragezeilen.
int aufgaben_neu_nummerieren(QStringList &zeilen, QList<int> *fragezeilen = nullptr);

struct Pruefergebnis
{
    int fragenAnzahl = 0;
    int punkteFehlenBei = 0;      // letzte Frage ohne Punkte, 0 wenn keine
    int zeileFehlendePunkte = -1; // vierte Antwortzeile dieser Frage (fuer die Schreibmarke)
    bool nummerierungsfehler = false;
};

// Die Frage in Zeile i hat Punkte, wenn eine der Zeilen i+1 bis i+4 mit einer Ziffer 1-9 beginnt.
bool hatPunkte(const QStringList &zeilen, int i);

// Prueft Nummern und Punkte, meldet Fehler und nummeriert immer neu.
Pruefergebnis aufgabennummern_kontrollieren(QStringList &zeilen, Rueckfragen &r);

// Haengt eine neue Frage mit vier Antworten an (vorher Pruefung und, wenn noetig, eine Leerzeile).
// Ergebnis: Index der neuen Fragezeile.
int neueFrageRan(QStringList &zeilen, Rueckfragen &r, Pruefergebnis *pruefung = nullptr);

// Schreibmarke: Antwortzeile (Stellen 2-6 enthalten "a)".."d)", Zeile laenger als 3 Zeichen).
bool in_wahlzeile(const QString &zeile);
// Buchstabe der Antwort oder 'x'.
QChar akt_wahl(const QString &zeile);
// Nummer der Frage zur Zeile als zwei Ziffern, "00" ohne Frage.
QString akt_nr(const QStringList &zeilen, int zeile);
// Index der Fragezeile zur Zeile (Zeile nach der vorigen Leerzeile), -1 ohne Frage.
int fragezeileZu(const QStringList &zeilen, int zeile);
// Bildziffer: fuenftes Zeichen, sechstes bei fuehrender Punkteziffer; 'x' wenn zu kurz.
QChar buchst_5(const QString &zeile);

// Tauscht die Texte der Antwort in Zeile zeile mit ihrer oberen bzw. unteren Nachbarin derselben
// Frage; Punkteziffer und Bildverweis wandern mit dem Text, die Buchstaben bleiben. false, wenn
// nichts zu tauschen ist.
bool antwort_nach_oben(QStringList &zeilen, int zeile);
bool antwort_nach_unten(QStringList &zeilen, int zeile);

// Was die Testdurchfuehrung an diesen Zeilen abweisen wuerde, als Saetze; leer, wenn nichts.
QStringList durchfuehrungsWarnungen(const QStringList &zeilen);
