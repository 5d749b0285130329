#pragma once
// Die Testauswahl "Festlegen der Testbezeichnung": Tests benennen, finden, oeffnen, loeschen,
// austeilen, einsammeln, benoten, zurueckgeben und drucken. Einmal beim Start erzeugt; das
// Hauptfenster zeigt es in Konstruktion, Durchfuehrung oder Rueckgabe. Gerechnet wird in der
// Logik (conduct/); den gewaehlten Test und seine Durchfuehrung haelt die Testsitzung, die auch
// entscheidet, welche Schritte moeglich sind. Das Fenster ruft sie und zeigt die Ergebnisse. Um
// einen anderen Modus, den Editor oder das Notenfenster bittet es mit Signalen. Die
// Steuerelemente entstehen erst beim ersten Zeigen (modusZeigen oder show); bis dahin sind ihre
// Zeiger leer.

#include "authoring/testspeichern.h"
#include "classdata/klasse.h"
#include "conduct/auswahlregeln.h"
#include "conduct/einsammeln.h"
#include "conduct/katalog.h"
#include "conduct/testname.h"
#include "conduct/testsitzung.h"
#include "grades/benotungsergebnis.h"
#include "settings/uebersicht.h"
#include "widgets/Modusfenster.h"

#include <QList>
#include <QMainWindow>
#include <QTimer>

class AufgabenanalyseAnsicht;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTextEdit;
class Oeffner;
class Rueckfragen;
class SGSitzplan;
class Schrittrahmen;
class TColorButton;
class Uhr;
class Zufall;
struct Einstellungen;

class TSchuelerdatenEingabefenster : public QMainWindow, public Testauswahl
{
    Q_OBJECT
public:
    TSchuelerdatenEingabefenster(Einstellungen &e, Rueckfragen &r, Oeffner &o, const Uhr &uhr,
                                 Zufall &zufall, QWidget *eltern = nullptr);
    ~TSchuelerdatenEingabefenster() override;

    // Skalierung in Prozent; angewandt, sobald die Steuerelemente entstehen.
    void setzeSkalierung(int prozent) { skalierung = prozent; }
    void setVisible(bool sichtbar) override;

    // Testauswahl
    QWidget *fenster() override { return this; }
    void modusZeigen(Layout layout, bool alleSchuljahre) override;

    // Fach- und Themenliste neu laden (beim Zeigen fuer Durchfuehrung und Rueckgabe).
    void FachUndThemenDateiLesen();
    // Knoepfe fuer Durchfuehrung und Rueckgabe nach der Testwahl.
    void weitergabeEinstellungen();
    // Den gewaehlten oder neuen Test im Editor oeffnen (Enter).
    void festlegen_bestaetigt();
    void labelEinstellungTestKlasse();
    // Klasse, die das Notenfenster gerade zeigt (fuer die Ueberschrift der Testliste).
    void setzeGeladeneKlasse(const QString &name);

    // Zustand, wie ihn Editor, Hauptfenster und Tests abfragen.
    bool konstruktionsModus() const { return sitzung.konstruktion(); }
    bool rueckgabeModus() const { return sitzung.rueckgabe(); }
    bool testGewaehlt() const { return sitzung.gewaehlt(); }
    bool testFestgelegt() const { return sitzung.festgelegt(); }
    bool durchfuehrungLaeuft() const { return sitzung.laeuft(); }
    enum class NeuArt { Keine, NeuerTest, AufVorlage };
    NeuArt neuArt() const { return neu; }
    const TestPfade &gewaehlterTest() const { return sitzung.test(); }
    // Pfad (Kuerzel + ".__A"), unter dem ein neuer Test gespeichert wird.
    QString neuerTestZiel() const { return zielPfad; }
    // Benennung des Tests, den testBearbeiten meldet (fuer die Speicherabfrage des Editors).
    const SpeicherAngaben &editorAngaben() const { return angaben; }

    // Schritte des Ablaufs (auch fuer Tests und Messungen).
    void ListBoxThemenMitErklaerungClick(int zeile);
    void BTestBereitStellenClick();
    void BTestRueckgabeNurLesenClick();
    void TestsMitnehmen(); // ein Takt des Zeitgebers
    void BBereitgestellteTestsLoeschenClick();
    void BBenotenClick();
    void BDruckenClick();
    void BAlleDruckenClick();
    void BEinzelDruckClick();
    void BZusammenfassungDruckenClick();
    void NeuenTestClick();
    void BNeuAufVorlageClick();
    void BNeuAlleVorlagenClick();
    void neuAufVorlage(QPushButton *knopf, const QString &filter);
    void TestOeffnenClick();
    void BTestLoeschenClick();
    void FilterLoeschen();
    void BUebersichtClick();
    void BDurchfuehrungKonstruktionClick();
    void BDurchfuehrungRueckgabeClick();
    void BSitzplanClick();
    // Vorschau eines Listeneintrags (Maustaste gedrueckt) und ihr Ende.
    void vorschauZeigen(int zeile);
    void vorschauBeenden();

    // Der gewaehlte Test und seine Durchfuehrung; entscheidet, welche Schritte moeglich sind.
    Testsitzung sitzung;
    QTimer TimerTestsMitnehmen;

    // Steuerelemente (objectName = Name).
    QFrame *PMenueUeberschrift = nullptr;
    QLabel *LTestFilter = nullptr;
    QFrame *SFarblinieMenue2 = nullptr;
    QWidget *PHauptTestAngaben = nullptr;
    QWidget *PKlassenTestAuswahl = nullptr;
    QComboBox *CBoxKlasse = nullptr;
    QComboBox *CBoxFach = nullptr;
    QComboBox *CBoxTestNr = nullptr;
    QComboBox *CBoxThema = nullptr;
    QLabel *LThema = nullptr;
    QComboBox *CBoxSchuljahr = nullptr;
    QCheckBox *CBoxAktSchuljahr = nullptr;
    QCheckBox *CBoxAlleSchuljahre = nullptr;
    QComboBox *CBoxTestArt = nullptr;
    QLabel *LgefundenPlusEins = nullptr;
    QPushButton *BFilterLoeschen = nullptr;
    QLabel *LVorhandeneTests = nullptr;
    QListWidget *ListBoxThemenMitErklaerung = nullptr;
    QLabel *LkopiertfuerSchueler = nullptr;
    QLabel *LMitBildern = nullptr;
    QLabel *LAusgegeben = nullptr;
    QTextEdit *RichEdit_Test_Schnellansicht = nullptr;
    QPushButton *BitBtnVorschauBeenden = nullptr;
    QPushButton *BitBtnMausrollenHinweis = nullptr;
    QPushButton *BNeuenTest = nullptr;
    QPushButton *BNeuAufVorlage = nullptr;
    QPushButton *BNeuAlleVorlagen = nullptr;
    QPushButton *BVorhandenenTestOeffnen = nullptr;
    QPushButton *BTestLoeschen = nullptr;
    QPushButton *BTestBereitStellen = nullptr;
    QPushButton *BTestRueckgabeNurLesen = nullptr;
    QPushButton *BBereitgestellteTestsLoeschen = nullptr;
    QPushButton *BBenoten = nullptr;
    QPushButton *BDrucken = nullptr;
    QPushButton *BAlleDrucken = nullptr;
    QPushButton *BEinzelDruck = nullptr;
    QPushButton *BZusammenfassungDrucken = nullptr;
    QPushButton *BSitzplan = nullptr;
    SGSitzplan *Sitzplan = nullptr;
    QWidget *PListenDurchfuehrung = nullptr; // bereitgestellt | abgegeben
    QListWidget *ListBoxBereitgestellt = nullptr;
    QLabel *LBereitgestellt = nullptr;
    QLabel *LZahlBereitgestellt = nullptr;
    QListWidget *ListBoxTestAbgabe = nullptr;
    QLabel *LTestAbgegebenVon = nullptr;
    QLabel *LAnzahlAbgegebenerTests = nullptr;
    QLabel *LBereitst_Ordner = nullptr;
    QLabel *LTestabgabeordner = nullptr;
    QLabel *LVerschobenNach = nullptr;
    QLabel *LAusgefuellteVorhanden = nullptr;
    TColorButton *BUebersicht = nullptr;
    TColorButton *BDurchfuehrungKonstruktion = nullptr;
    TColorButton *BDurchfuehrungRueckgabe = nullptr;
    QLabel *PWartehinweisBenotung = nullptr;
    // Nach dem Benoten: die Aufgabenanalyse des Tests in einem eigenen Fenster (beim ersten Mal
    // angelegt).
    AufgabenanalyseAnsicht *FAufgabenanalyse = nullptr;
    // Schrittrahmen (gruen: naechster Schritt, blau: neuer Test).
    Schrittrahmen *PGruenerRahmenSitzplan = nullptr;
    Schrittrahmen *PGruenerRahmenVorhTestOeffnen = nullptr;
    Schrittrahmen *PGruenerRahmenTestLoeschen = nullptr;
    Schrittrahmen *PGruenerRahmenDurchfuehrung = nullptr;
    Schrittrahmen *PGruenerRahmenBenotung = nullptr;
    Schrittrahmen *PGruenerRahmenTestRueckgabeNurLesen = nullptr;
    Schrittrahmen *PGruenerRahmenDrucken = nullptr;
    Schrittrahmen *PGruenerRahmenAlleDrucken = nullptr;
    Schrittrahmen *PGruenerRahmenEinzelDruck = nullptr;
    Schrittrahmen *PHBlauerRahmenNeuenTest = nullptr;
    Schrittrahmen *PHBlauerRahmenNeutestaufVorlage = nullptr;
    Schrittrahmen *PHBlauerRahmenNeutestAlleVorlagen = nullptr;

signals:
    // Bitte an das Hauptfenster; rueckgabe nur mit kModusDurchfuehrung.
    void modusGewuenscht(Modus modus, bool rueckgabe = false);
    void notenverwaltungGewuenscht();
    void programmEndeGewuenscht();
    // Editor: pfad ist die Vorlage (".__A"); neu: leerer Test, Ziel ist neuerTestZiel();
    // alsVorlage: die Vorlage wird unter neuerTestZiel() gespeichert.
    void testBearbeiten(const QString &pfad, bool alsVorlage, bool neu);
    // Lueckentext-Fenster auf dem Master ("._LA").
    void lueckentestOeffnen(const QString &pfad, bool neu);
    // Nach der Benotung: das Notenfenster nimmt die Noten fuer die Klasse (Pfad der .DTA).
    void testnotenUebernehmen(const QString &klassenDatei,
                              const QList<Benotungsergebnis> &ergebnisse);

protected:
    void closeEvent(QCloseEvent *) override;
    void keyPressEvent(QKeyEvent *) override;
    void mouseReleaseEvent(QMouseEvent *) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    // Baut die Steuerelemente beim ersten Bedarf (einmal).
    void aufbauen();
    void oberflaecheAufbauen();
    QWidget *namensfeldAufbauen();
    QWidget *listeAufbauen();
    QWidget *knopfspalteAufbauen();
    QWidget *unterbereichAufbauen();
    void menueAufbauen();
    void farbenSetzen(const QColor &flaeche, const QColor &linie);
    void listenLayout(bool gross);

    // Namensfeld und Liste
    void dateinamen_neu();
    void klassentextGeaendert(const QString &text);
    void schuljahrGewaehlt();
    void testArtGewaehlt();
    void auswahlVerwerfen();
    SpeicherAngaben angabenAusFeldern() const;
    void kopienAnzeigen();
    void sitzplanLaden();
    void festlegenFallsMoeglich();
    QString gewaehlteKlasseName() const;
    // Knoepfe, Rahmen und Namensfelder nach sitzung.moeglichkeiten().
    void knoepfeEinstellen();

    // Laufende Durchfuehrung beenden? false: abgebrochen.
    bool durchfuehrungsAbbruchFrage();
    void zurueckziehen();
    bool bereitstellen(bool speichern);
    void druckListeFuellen();
    void kopienDrucken(const QStringList &eintraege);

    Einstellungen &e;
    Rueckfragen &r;
    Oeffner &o;
    const Uhr &uhr;
    Zufall &zufall;

    bool aufgebaut = false;
    int skalierung = 100;
    bool fuellt = false; // Felder werden vom Programm gesetzt
    // Fach- oder Themenfeld, das mit gedrueckter Maustaste verlassen wurde: geprueft wird nach
    // dem Loslassen (eine Rueckfrage mitten im Klick schluckte ihn) oder vom Knopf zuerst.
    QComboBox *offenesFeld = nullptr;
    void fachVerlassen();
    void themaVerlassen();
    void feldPruefenFallsOffen();
    NeuArt neu = NeuArt::Keine;
    QString zielPfad;
    SpeicherAngaben angaben;
    int gewaehlteZeile = -1;
    QString geladeneKlasse;
    QStringList faecher;
    QStringList themen;
    QStringList katalog;
    Vorlagenspeicher vorlagen; // Zeile 4 der Vorlagen, fuer schnelles Neufiltern
    QString klassentextVorher = QStringLiteral("...");
    int vorschauZeile = -1;
};
