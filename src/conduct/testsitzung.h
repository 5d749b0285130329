#pragma once
// Der gewaehlte Test der Testauswahl und seine Durchfuehrung: Modus, Kuerzel und Ordner, ob er
// gewaehlt und festgelegt ist, die Klasse dazu, ob er ausgeteilt (bzw. zurueckgegeben) ist, die
// bereitgestellten und die eingesammelten Tests. Was jetzt moeglich ist, entscheidet allein
// moeglichkeiten(); das Fenster fragt sie und hoert auf geaendert(). Die Sitzung kennt kein
// Fenster.

#include "classdata/klasse.h"
#include "conduct/auswahlregeln.h"
#include "conduct/einsammeln.h"
#include "conduct/testdokument.h"
#include "conduct/testname.h"
#include "conduct/verteilung.h"

#include <QObject>
#include <QStringList>

struct Benotungslauf;
class Rueckfragen;
class Uhr;
class Zufall;
struct Einstellungen;

class Testsitzung : public QObject
{
    Q_OBJECT
public:
    enum class Modus { Konstruktion, Durchfuehrung, Rueckgabe };

    // Was die Knoepfe der Durchfuehrung und Rueckgabe jetzt tun koennen.
    struct Moeglichkeiten
    {
        bool namensfelder = true;   // Klasse, Fach, Nummer, Thema, Testart, Filter, Testliste
        bool schuljahr = true;      // Schuljahreswahl
        bool bereitStellen = false; // austeilen bzw. zurueckgeben mit Speichern
        bool rueckgabeNurLesen = false;
        bool benoten = false;
        bool drucken = false;          // Druck einrichten
        bool druckenEmpfohlen = false; // gruener Rahmen um "Drucken"
        bool operator==(const Moeglichkeiten &) const = default;
    };

    Testsitzung(const Einstellungen &e, Rueckfragen &r, const Uhr &uhr, Zufall &zufall,
                QObject *eltern = nullptr);

    Modus modus() const { return modusWert; }
    bool konstruktion() const { return modusWert == Modus::Konstruktion; }
    bool rueckgabe() const { return modusWert == Modus::Rueckgabe; }
    bool gewaehlt() const { return istGewaehlt; }
    bool festgelegt() const { return istFestgelegt; }
    // Ausgeteilt (Durchfuehrung) bzw. zurueckgegeben (Rueckgabe), noch nicht zurueckgezogen.
    bool laeuft() const { return istLaufend; }
    bool druckEingerichtet() const { return druckBereit; }
    const TestPfade &test() const { return testWert; }
    // Klassendatei des Tests; leer: keine gefunden oder nicht lesbar.
    const QString &klassenDatei() const { return klassenPfad; }
    const Klasse &klasse() const { return klasseWert; }
    bool klasseGeladen() const { return klasseDa; }
    const Einsammlung &einsammlung() const { return sammlung; }
    // Die bereitgestellten Tests des laufenden Schritts, ihr Ordner, ob mit Bildern.
    const QStringList &bereitgestellt() const { return liste; }
    const QString &bereitstellungsOrdner() const { return zielOrdner; }
    bool mitBildern() const { return bilder; }
    // Ein Abgabeprotokoll lag beim letzten Blick auf die Platte vor.
    bool protokollVorhanden() const { return protokollDa; }

    Moeglichkeiten moeglichkeiten() const;

    // Neuer Modus; die Wahl und der eingerichtete Druck verfallen. Ein laufender Schritt wird
    // vorher zurueckgezogen: er gehoert zum alten Modus.
    void modusSetzen(Modus m);
    // Der Test, den die Namensfelder benennen (auch mit Platzhaltern); keine Wahl.
    void benennen(const TestPfade &t);
    void auswahlVerwerfen();
    // Waehlt einen Test der Liste. false: sein Ordner fehlt (gemeldet), nichts gewaehlt.
    bool waehlen(const TestPfade &t);
    // Nach waehlen: im aktuellen Schuljahr die Klasse laden (melden: Fehler zeigen) und den
    // Sitzplan schreiben, solange der Test nicht ausgeteilt ist.
    void klasseZurWahlLaden(bool melden);
    // Laedt die Klasse des Tests frisch. false: keine oder nicht lesbar.
    bool klasseFuerTestLaden(bool melden);
    void festlegen(bool an);
    // Festgelegt ist nur ein gewaehlter, vollstaendig benannter Test des aktuellen Schuljahres.
    void festlegenFallsMoeglich();
    void druckEinrichten();

    // Durchfuehrung: Namen der Klasse pruefen und die Kopien anfertigen.
    Kopien kopienAnfertigen();
    // Austeilen bzw. zurueckgeben (speichern: mit Speichern). false: gemeldet, nichts laeuft.
    bool bereitstellen(bool speichern);
    // Ein Takt der Durchfuehrung.
    Einsammelschritt einsammeln();
    // Ein Takt der Rueckgabe: die zurueckgegebenen Dokumente.
    QStringList zurueckgegebene() const;
    // Beendet den laufenden Schritt. false: die Testsperre ist belegt (gemeldet), er laeuft weiter.
    bool zurueckziehen();
    // Ohne laufenden Schritt: Reste einer frueheren Bereitstellung entfernen. true: war leer.
    bool resteLoeschen();
    // Benotet mit der Normtabelle (leer: abgebrochen, Standardanteile).
    Ablauf benoten(const QString &normtabelle, Benotungslauf &lauf);
    // Stand auf der Platte neu lesen (Protokoll der Abgaben).
    void auffrischen();

signals:
    // Modus, Wahl, Klasse, Lauf oder Abgaben haben sich geaendert: moeglichkeiten() neu fragen.
    void geaendert();

private:
    const Einstellungen &e;
    Rueckfragen &r;
    const Uhr &uhr;
    Zufall &zufall;

    Modus modusWert = Modus::Konstruktion;
    bool istGewaehlt = false;
    bool istFestgelegt = false;
    bool istLaufend = false;
    bool druckBereit = false;
    bool protokollDa = false; // ein Abgabeprotokoll liegt vor: es gibt etwas zu benoten
    TestPfade testWert;
    QString klassenPfad;
    Klasse klasseWert;
    bool klasseDa = false;
    Klassenwahl klassenwahl;
    Einsammlung sammlung;
    QStringList liste;
    QString zielOrdner;
    bool bilder = false;
};
