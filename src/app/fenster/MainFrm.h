#pragma once
// Hauptfenster: Uebersicht mit den vier Arbeitsmodi, Hauptmenue, Start der Einstellungen.

#include "settings/uebersicht.h"
#include "widgets/Modusfenster.h"
#include "widgets/Umgebung.h"

#include <QColor>
#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>

class QAbstractButton;
class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;
class TColorButton;
class Willkommensbild;
class TestEditor;

class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TMainForm(Umgebung &umgebung, QWidget *eltern = nullptr);

    // Fenster der anderen Teile, in der Reihenfolge ihrer Erzeugung angemeldet.
    void setzeTestauswahl(Testauswahl *fenster);
    void setzeNotenverwaltung(Notenverwaltung *fenster);
    // Die beiden Konfigurationsdialoge sind da; ihre Menuebefehle melden sich mit Signalen.
    void setzeKonfigDialogeVorhanden(bool da);
    // Gibt einen Menuebefehl frei, dessen Ziel jetzt gebaut ist, und verbindet ihn.
    void befehlAnbinden(const char *name, const std::function<void()> &wirkung);

    void FormEinstellung(int modus);
    // Bitte eines Fensters um einen Arbeitsmodus: wie die Modusknoepfe (mit Sperre ohne Klassen).
    void modusWechseln(Modus modus, bool rueckgabe = false);
    // Ein Befehl aus Optionen oder Hilfe, den ein anderes Fenster weiterreicht.
    void hauptbefehl(Hauptbefehl befehl);
    bool anfangsMsgGezeigt();
    void buttonFarbenFestlegen();
    void schulnameZeigen();
    // Sofortiges, geordnetes Ende.
    void programmBeenden();

    // Befehle der Modusknoepfe, auch fuer Menue und Konfiguration.
    void NotenverwaltungClick();
    void TestKonstruierenClick();
    void TestsBereitStellenHolen();
    void TestrueckgabeClick();
    void InfoClick();

    int skalierung() const { return prozent; }
    bool rueckgabeModus() const { return rueckgabe; }
    bool ersterDurchgang() const { return ersterLayoutDurchgang; }
    bool testauswahlVorhanden() const { return testauswahl != nullptr; }
    // Der Testeditor (Modus 3); die Testauswahl oeffnet darin Tests. Er entsteht beim ersten
    // Gebrauch, damit der Programmstart nicht auf ihn wartet.
    TestEditor *editor();

signals:
    // Die Testauswahl hat sich an- oder abgemeldet.
    void testauswahlGemeldet(bool da);
    void anfangsKonfigurationGewuenscht();
    void testKonfigurationGewuenscht();

protected:
    void showEvent(QShowEvent *) override;
    void hideEvent(QHideEvent *) override;
    void closeEvent(QCloseEvent *) override;
    bool event(QEvent *) override;
    void keyPressEvent(QKeyEvent *) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void uebersichtAufbauen();
    // Arbeitsflaeche (Uebersicht, spaeter der Editor) und die Menuebefehle des Editors;
    // "*Editor offen*": erst die Speicherabfrage, dann die Aktion.
    void arbeitsflaecheAufbauen();
    bool editorAbfrage(int nachSpeichernAktion);
    void editorVerlassen(int nachSpeichernAktion);
    QAbstractButton *uebersichtsKnopf(const QKeyEvent *ereignis) const;
    int uebersichtsBreite() const;
    void menueAufbauen();
    void FormShow();
    void TimerAfterShowMainTimer();
    void klassenMenueEinstellen(bool editor);
    void verfuegbarkeitAktualisieren();
    void aufUebersichtZurueck();
    void AnfangsKonfiguration1Click();
    void KonfigurationfrTestfunktionen1Click();
    QAction *befehl(QMenu *menue, const QString &text, const char *name, bool verfuegbar);
    void aktivieren(QAction *a, bool an);
    void leisteEinstellen(int punkte, const QColor &hintergrund);

    Umgebung &u;
    Testauswahl *testauswahl = nullptr;
    Notenverwaltung *notenverwaltung = nullptr;
    TestEditor *testEditor = nullptr;
    bool konfigDialogeDa = false;

    int prozent = 100;
    bool ersterLayoutDurchgang = true;
    bool imFormShow = false;
    bool rueckgabe = false;
    bool editorSichtbar = false;
    bool uebersichtGezeichnet = false;
    int warteTakte = 0;

    QTimer TimerAfterShowMain;

    QWidget *PUebersicht = nullptr;
    QLabel *LTitel = nullptr;
    QLabel *LSchulname = nullptr;
    QLabel *LVersion = nullptr;
    Willkommensbild *ImageWillkommen = nullptr;
    QWidget *PButtonleiste = nullptr;
    TColorButton *BNotenverwaltung = nullptr;
    TColorButton *BTestKonstruieren = nullptr;
    TColorButton *BTestDurchfuehrung = nullptr;
    TColorButton *BTestRueckgabe = nullptr;
    QPushButton *BInfo = nullptr;
    QPushButton *BProgrammende = nullptr;

    // Menue
    QAction *NeueKlasseanlegen1 = nullptr;
    QAction *Klasseffnen1 = nullptr;
    QMenu *Klasseverndern1 = nullptr;
    QAction *Klassendatenexportieren1 = nullptr;
    QAction *KlasseinneuesSchuljahrversetzen1 = nullptr;
    QAction *Zufallsgruppen1 = nullptr;
    QAction *Schlersuchen1 = nullptr;
    QAction *Klasselschen1 = nullptr;
    QAction *ZurKlassenverwaltungwechseln1 = nullptr;
    QAction *ZurbersichtWechseln1 = nullptr;
    QAction *Testvorlagedrucken1 = nullptr;
    QAction *Testspeichernwievorliegend1 = nullptr;
    QAction *Testspeichernunter1 = nullptr;
    QAction *Testkonstruieren1 = nullptr;
    QAction *Testdurchfuehrung1 = nullptr;
    QAction *Testrueckgabe1 = nullptr;
    QAction *AnfangsKonfiguration1 = nullptr;
    QAction *KonfigurationfrTestfunktionen1 = nullptr;
    QAction *Beenden1 = nullptr;
    // In der Reihenfolge von Hauptbefehl.
    std::array<QAction *, 7> hauptbefehle{};
};
