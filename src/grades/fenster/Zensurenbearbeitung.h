#pragma once
// Das Notenfenster: Klassenauswahl, die eine Klasse im Speicher, die Klassen-Notentabelle, die
// Einzellistenansicht mit Klassenspiegeln, die Einzelschueleransicht und der Editor der
// Notenarten. Das Fenster besitzt die Klasse; gerechnet wird in der Logik (grades/, classdata/).

#include "app/konfiguration.h"
#include "classdata/klasse.h"
#include "classdata/klassenverwaltung.h"
#include "grades/einzelliste.h"
#include "grades/notentabelle.h"

#include <QMainWindow>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QFrame;
class Rueckfragen;
class Uhr;
class ZenListeGesamt;
class EinzellistenAnsicht;
class EinzelschuelerAnsicht;
class NotenartenAnsicht;
class Klassenwerkzeuge;

class TFZensurenbearbeitung : public QMainWindow
{
    Q_OBJECT
public:
    TFZensurenbearbeitung(Einstellungen &einstellungen, Rueckfragen &rueckfragen, const Uhr &uhr,
                          QWidget *eltern = nullptr);
    ~TFZensurenbearbeitung() override;

    // Die Klasse im Speicher und was zu ihr gehoert.
    Klasse klasse;
    QString pfad;        // Ordner + Name + ".DTA"
    QString klassenname; // ohne Endung, in LKlasse
    QString schuljahr;   // gewaehltes Schuljahr, z. B. "2016-17"
    QString klassenToken;
    bool klasseOffen = false;
    int schuelerNr = 1;

    Rueckfragen &r;
    const Uhr &uhr;

    // Optionen aus Mivo-Kl-cf.txt und aktuelles Schuljahr, sobald die Einstellungen geladen sind.
    void einstellungenUebernehmen();

    // Vor allem, was die Klasse fallen laesst: 0 weiter, -1 abbrechen.
    int speicherAbfrage();
    // "Aus&wahl Klasse/ Kurs": Klassenliste des gewaehlten Schuljahres.
    void BKlassenwahlClick();
    // Laedt einen Eintrag der Klassenliste; oeffnen: die Liste schliesst sich danach.
    bool klasseLaden(const QString &eintrag, bool oeffnen);
    // Vorschau eines Eintrags (laedt nur, wenn es eine andere Klasse ist) und Oeffnen.
    void vorschau(const QString &eintrag);
    void klasseOeffnen(const QString &eintrag);
    bool BKlasseSpeichernClick();
    void ZenListeGesamtNeuAufbauen();
    // "Klasse löschen": die Klassendatei nach Rueckfrage loeschen.
    void KlasseLoeschenClick();

    // Ansichten der Tabelle.
    void zeigeArt(int art);
    void BAlleZenClick();
    void BDurchschnitteClick();

    // Testnoten einer Benotung uebernehmen: die Klasse (Eintrag der Klassenliste im gewaehlten
    // Schuljahr) wird geladen und die Einzellistenansicht wartet auf Notenart und neue Liste.
    bool ZenAusBenotungEintragen(const QString &klassenEintrag,
                                 const QList<Benotungsergebnis> &ergebnisse);

    // Welche Ansicht gerade offen ist.
    enum class Unteransicht { Tabelle, Einzelliste, Einzelschueler, Notenarten };
    Unteransicht unteransicht() const;

    SortierOptionen sortierOptionen() const;
    void sortieren();
    // Zellenwert der Tabelle pruefen und in die Klasse schreiben.
    bool zellwertUebernehmen(int spalte, int zeile, const QString &text);

    // Nach Aenderungen in einer Unteransicht: Tabelle neu, zurueck zur Tabelle.
    void unteransichtSchliessen();
    void knoepfeFreigeben(bool frei);
    void notenartKnoepfeOhneKaufmannsUnd(bool ohne);
    void zenArtButtonsFuellen();

    // Klassenverwaltung (neue Klasse, Verschieben, Suche, Zufallsgruppen, Export, Druck).
    Klassenwerkzeuge *werkzeuge = nullptr;
    Einstellungen &einstellungenRef() { return einstellungen; }
    void klassenMenuesEin(bool frei) { klassenMenuesFreigeben(frei); }
    void klasseVerwerfen() { klasseSchliessen(); }

signals:
    void klasseGeoeffnet(); // eine Klasse der Liste wurde geoeffnet
    void zurUebersicht();
    void testFunktion(int schritt); // 1 konstruieren, 2 durchfuehren, 3 benoten, 4 zurueckgeben
    void programmBeenden();

protected:
    void closeEvent(QCloseEvent *ereignis) override;
    void keyPressEvent(QKeyEvent *ereignis) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void oberflaecheAufbauen();
    void menueAufbauen();
    void optionenAnwenden(const TabellenOptionen &o);
    void optionGeaendert();
    void punkteAnzeigeSetzen(bool punkte);
    void befehlsTaste(QChar buchstabe);
    void escTaste();
    void zurUebersichtWechseln();
    void ansichtsKnoepfeFaerben();
    void zelleGewaehlt(int zeile, int spalte);
    void zelleGeklickt(int zeile, int spalte);
    void kopfZelleGeklickt(int spalte);
    void namensZelleGeklickt(int zeile);
    void klasseSchliessen();
    void schuljahrGewaehlt();
    void klassenMenuesFreigeben(bool frei);
    void testFunktionWaehlen(int schritt);

    Einstellungen &einstellungen;
    Konfiguration konfiguration;
    bool optionenWerdenGesetzt = false;
    int aktuelleArt = 0;
    QString klassenOrdner; // Ordner der Liste: Basis + Schuljahr + Trenner

public:
    // Steuerelemente (objectName = Name).
    QPushButton *BKlassenwahl = nullptr;
    QPushButton *BKlasseSpeichern = nullptr;
    QComboBox *CBoxSchuljahr = nullptr;
    QCheckBox *CBoxAktSchuljahr = nullptr;
    QListWidget *LBoxKlassen = nullptr;
    QLabel *LKlasse = nullptr;
    QLabel *LZenDatum = nullptr;
    QLabel *LZenErlaeuterung = nullptr;
    QPushButton *BZenKat[kNotenarten + 1] = {};
    QPushButton *BAlleZen = nullptr;
    QPushButton *BDurchschnitte = nullptr;
    QPushButton *BeinzelListe = nullptr;
    QPushButton *BEinzelSchueler = nullptr;
    QPushButton *BBezeichnungenUndGewichtungen = nullptr;
    QCheckBox *CHBDurchschnitte = nullptr;
    QCheckBox *ChBGesamtb = nullptr;
    QCheckBox *ChBLeerspaltenZeigen = nullptr;
    QCheckBox *ChBKeineAenderung = nullptr;
    QCheckBox *ChBVornamenSortierung = nullptr;
    QCheckBox *ChBPunkteZensuren = nullptr;
    QCheckBox *ChBKursSortierung = nullptr;
    QComboBox *CBoxJungenMaedchen = nullptr;
    QFrame *PRotesRechteck_PunkteAnzeige = nullptr;
    QLabel *LPunkteAnzeige = nullptr;
    QStackedWidget *PAnsichten = nullptr;
    ZenListeGesamt *tabelle = nullptr;
    EinzellistenAnsicht *einzelliste = nullptr;
    EinzelschuelerAnsicht *einzelschueler = nullptr;
    NotenartenAnsicht *notenarten = nullptr;
    QList<QAction *> klassenAktionen; // brauchen eine geladene Klasse

private:
    QString kategorieBeschriftung[kNotenarten + 1];
    QString alleBeschriftung;
    QString berechnungenBeschriftung;
};
