#pragma once
// Das Notenfenster: Klassenliste, Klassen-Notentabelle und die Unteransichten (Einzelliste,
// Einzelschueler, Notenarten, neue Klasse, Suche, Zufallsgruppen). Die Klasse gehoert der
// Klassensitzung; das Fenster schaltet als einziges die Unteransichten um und berechnet in
// zustandAktualisieren() jeden Freigabezustand seiner Knoepfe und Menuepunkte.

#include "classdata/klassensitzung.h"
#include "grades/benotungsergebnis.h"
#include "grades/notentabelle.h"
#include "settings/konfiguration.h"
#include "settings/uebersicht.h"
#include "widgets/Modusfenster.h"

#include <QMainWindow>
#include <QSet>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QStackedWidget;
class QFrame;
class Rueckfragen;
class Uhr;
class ZenListeGesamt;
class EinzellistenAnsicht;
class EinzelschuelerAnsicht;
class NotenartenAnsicht;
class NeueKlasseAnsicht;
class SuchAnsicht;
class ZufallsgruppenAnsicht;
class Klassenwerkzeuge;

class TFZensurenbearbeitung : public QMainWindow
{
    Q_OBJECT
public:
    TFZensurenbearbeitung(Einstellungen &einstellungen, Rueckfragen &rueckfragen, const Uhr &uhr,
                          QWidget *eltern = nullptr);
    ~TFZensurenbearbeitung() override;

    // Die offene Klasse.
    Klassensitzung sitzung;

    // Skalierung in Prozent; angewandt, sobald die Steuerelemente entstehen (beim ersten Zeigen
    // oder Befehl).
    void setzeSkalierung(int prozent) { skalierung = prozent; }
    void setVisible(bool sichtbar) override;

    // Optionen aus Mivo-Kl-cf.txt und aktuelles Schuljahr, sobald die Einstellungen geladen sind.
    void einstellungenUebernehmen();

    // "Aus&wahl Klasse/ Kurs": Speicherabfrage, dann die Klassenliste des gewaehlten Schuljahres.
    void BKlassenwahlClick();
    bool BKlasseSpeichernClick();
    // Die Ansichten der Tabelle.
    void zeigeArt(int art);
    void BAlleZenClick();
    void BDurchschnitteClick();

    // Testnoten einer Benotung uebernehmen: die Klasse (Eintrag der Klassenliste im gewaehlten
    // Schuljahr) wird geladen und die Einzellistenansicht wartet auf Notenart und neue Liste.
    bool ZenAusBenotungEintragen(const QString &klassenEintrag,
                                 const QList<Benotungsergebnis> &ergebnisse);

    // Die Unteransichten; genau eine ist sichtbar.
    enum class Unteransicht {
        Tabelle,
        Einzelliste,
        Einzelschueler,
        Notenarten,
        NeueKlasse,
        Suche,
        Zufallsgruppen
    };
    Unteransicht unteransicht() const { return aktuell; }

    // Befehle, die das Hauptmenue in diesem Fenster ausfuehrt.
    void neueKlasse();
    void schuelerSuchen();
    void zufallsgruppen();
    void nameneingabe();
    // Beginn ohne Klasse: Einstellungen, aktuelles Schuljahr, Fokus auf "Neue Klasse".
    void ohneKlasseBeginnen();
    // Die Testfenster sind angemeldet: die Punkte unter "Tests (Alle Schritte)" werden frei.
    void setzeTestfunktionenVorhanden(bool da);

signals:
    // Bitte an das Hauptfenster, in einen Arbeitsmodus zu wechseln (nach der Speicherabfrage).
    void modusGewuenscht(Modus modus, bool rueckgabe = false);
    void versetzungGewuenscht();
    // Ein Befehl aus Optionen oder Hilfe, den das Hauptfenster ausfuehrt.
    void hauptbefehlGewuenscht(Hauptbefehl befehl);
    void programmBeenden();

protected:
    void closeEvent(QCloseEvent *ereignis) override;
    void keyPressEvent(QKeyEvent *ereignis) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void aufbauen();
    // Der eine Umschalter: zeigt die Unteransicht und berechnet die Zustaende neu.
    void zeige(Unteransicht ansicht);
    // Jeder Freigabe- und Sichtbarkeitszustand aus Sitzung und Unteransicht.
    void zustandAktualisieren();

    void oberflaecheAufbauen();
    void ansichtenAufbauen();
    void menueAufbauen();
    void ansichtenVerbinden();
    void sitzungVerbinden();
    void optionenAnwenden(const TabellenOptionen &o);
    void optionGeaendert();
    void punkteAnzeigeSetzen(bool punkte);
    void befehlsTaste(QChar buchstabe);
    void escTaste();
    void zurUebersichtWechseln();
    // "Zurück zur Übersicht": in der Schuelersuche beendet er die Suche.
    void zurueckKnopf();
    void modusNachSpeicherabfrage(Modus modus, bool rueckgabe);
    void ansichtsKnoepfeFaerben();
    void zelleGewaehlt(int zeile, int spalte);
    void zelleGeklickt(int zeile, int spalte);
    void kopfZelleGeklickt(int spalte);
    void namensZelleGeklickt(int zeile);
    bool zellwertUebernehmen(int spalte, int zeile, const QString &text);
    void schuljahrGewaehlt();
    void vorschau(const QString &eintrag);
    void klasseOeffnen(const QString &eintrag);
    bool laden(const QString &eintrag);
    void klasseGeoeffnet();
    void klasseGeschlossen();
    void tabelleNeuAufbauen();
    void zenArtButtonsFuellen();
    void klassenlisteZeigen(const QStringList &eintraege);
    void klasseLoeschen();
    bool klassenlisteTaste(QKeyEvent *taste); // true: verbraucht

    Einstellungen &einstellungen;
    Rueckfragen &r;
    const Uhr &uhr;
    Konfiguration konfiguration;
    bool aufgebaut = false;
    int skalierung = 100;
    bool optionenWerdenGesetzt = false;
    int aktuelleArt = 0;
    Unteransicht aktuell = Unteransicht::Tabelle;
    // Die Klassenliste waehlt eine Klasse oder (beim Verschieben) das Ziel eines Schuelers.
    bool listeFuerZiel = false;
    QSet<QString> unlesbar; // Eintraege der Liste, deren Lesefehler schon gemeldet ist
    bool gruppenGewuenscht = false;
    bool gruppenMitListe = false; // "Beenden" fuehrt dann zurueck zur Klassenliste //
                                  // Zufallsgruppen, sobald eine Klasse offen ist
    QString kategorieBeschriftung[kNotenarten + 1];

public:
    // Steuerelemente (objectName = Name); Tests finden sie auch ueber den Namen.
    QPushButton *BKlassenwahl = nullptr;
    QPushButton *BNeueKlasse = nullptr;
    QPushButton *BZurueck = nullptr;
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
    NeueKlasseAnsicht *neueKlasseAnsicht = nullptr;
    SuchAnsicht *suchAnsicht = nullptr;
    ZufallsgruppenAnsicht *zufallsgruppenAnsicht = nullptr;
    Klassenwerkzeuge *werkzeuge = nullptr;

private:
    // Menuepunkte, deren Zustand zustandAktualisieren() setzt.
    QList<QAction *> klassenAktionen;  // brauchen eine offene Klasse in der Tabelle
    QList<QAction *> tabellenAktionen; // nur, solange keine Unteransicht offen ist
    QAction *Nameneingabe1 = nullptr;
    QAction *ZurUebersicht1 = nullptr;
    QList<QAction *> testAktionenListe;
    bool testfunktionenDa = false;
};
