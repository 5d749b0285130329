#pragma once
// Das Lückentest-Fenster: Lehreransicht (Lücken markieren, Text bearbeiten, Urdatei speichern
// und laden), Schülertestdatei erzeugen, Schüleransicht (Lücken füllen, ausgefüllte Datei
// speichern) und Benotung. Alle Dateien liegen im Ordner des Tests neben seiner Urdatei.

#include "cloze/lueckensitzung.h"

#include <QTextDocument>
#include <QWidget>

#include <memory>

class LueckenEdit;
class QButtonGroup;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QTextEdit;
class QWheelEvent;
class Rueckfragen;
struct Einstellungen;

class TFLueckentest : public QWidget
{
    Q_OBJECT

public:
    TFLueckentest(const Einstellungen &e, Rueckfragen &r, QWidget *eltern = nullptr);
    ~TFLueckentest() override;

    // Skalierung in Prozent; angewandt, sobald die Steuerelemente entstehen (beim ersten Zeigen
    // oder Oeffnen eines Tests). Bis dahin sind ihre Zeiger leer.
    void setzeSkalierung(int prozent) { skalierung = prozent; }
    void setVisible(bool sichtbar) override;

    // Neuer Lückentest für die Urdatei eines Testordners: leerer Text, Textbearbeitung.
    // false, wenn der Benutzer einen ungespeicherten Text behalten will.
    bool neuerTest(const QString &urdateiPfad);
    // Öffnet eine vorhandene Urdatei ("._LA") in der Lehreransicht.
    bool testOeffnen(const QString &urdateiPfad);

    using Ansicht = Lueckensitzung::Ansicht;
    using Modus = Lueckensitzung::Modus;
    Ansicht ansicht() const { return sitz.ansicht(); }
    Modus modus() const { return sitz.modus(); }
    bool ungespeichert() const { return sitz.geaendert(); }
    const Lueckentabelle &tabelle() const { return sitz.listen.tabelle; }
    QString urdateiPfad() const { return sitz.urdateiPfad(); }
    QString ordnerDatei(const QString &name) const { return sitz.ordnerDatei(name); }
    // Der offene Lückentest; das Fenster zeigt ihn.
    Lueckensitzung &sitzung() { return sitz; }

    // Knöpfe
    void BUrdateiSpeichernClick();
    void BUrdateiLadenClick();
    void BSchuelerTestDateiErzeugenClick();
    void SchTestDateiDarstellenClick();
    void BSchuelertestdateiSpeichernClick();
    void BSchTestBenotenClick();
    void BEndeClick();

    // Die drei Registrierungen für die Auswahl im Text (Knöpfe und Kontextmenü), und das
    // Entfernen der Lücke am Cursor.
    void auswahlRegistrieren(QChar art);
    void lueckeAmCursorEntfernen();
    // Das Kontextmenü des Textes an der Stelle p (Koordinaten von re1->viewport()); nullptr,
    // wo es keines gibt. Der Aufrufer gibt es frei.
    QMenu *kontextmenueBauen(const QPoint &p);
    // Zoomfaktor des Textes: Schriftgröße von re1 zur Grundgröße 12 pt.
    double zoomFaktor() const;

    // Steuerelemente mit ihren Namen
    QLabel *LTitel = nullptr;
    QLabel *LModus = nullptr;
    QLabel *LF1 = nullptr;
    QLabel *LModus2 = nullptr;
    QLabel *LNochLueckenOffen = nullptr;
    LueckenEdit *re1 = nullptr;
    QTextEdit *re2 = nullptr;
    QGroupBox *PListeRechts = nullptr;
    QGroupBox *RG_LW_Nr = nullptr;
    QListWidget *LBoxLWSchAL = nullptr;
    QListWidget *LBoxLWSchEL = nullptr;
    QListWidget *LBoxLWSchFL = nullptr;
    QGroupBox *GBoxAuswahlLW = nullptr;
    QListWidget *LBSchAuswahl = nullptr;
    QListWidget *LBSchAuswahlEL = nullptr;
    QLineEdit *EEinzelListenFenster = nullptr;
    QFrame *PRoteLinie = nullptr;
    QPushButton *BUrdateiSpeichern = nullptr;
    QPushButton *BUrdateiLaden = nullptr;
    QPushButton *BSchuelerTestDateiErzeugen = nullptr;
    QPushButton *BSchTestDateiDarstellen = nullptr;
    QPushButton *BSchuelertestdateiSpeichern = nullptr;
    QPushButton *BSchTestBenoten = nullptr;
    QPushButton *BEnde = nullptr;
    QPushButton *BZurTestauswahl = nullptr;
    QPushButton *BAuswahlLW = nullptr;
    QPushButton *BFreiesLW = nullptr;
    QPushButton *BEinzellistenLW = nullptr;
    QPushButton *BLueckeEntfernen = nullptr;

signals:
    void zurTestauswahl();
    void programmBeenden();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    // Baut die Steuerelemente beim ersten Bedarf (einmal); LueckentestAufbau.cpp.
    void aufbauen();
    void oberflaecheAufbauen();
    // Antworten auf die Signale der Sitzung.
    void geleertZeigen();
    void dokumentZeigen();
    void modusZeigen();
    void zustandAktualisieren();
    void listenFuellen();
    void sprungGruppeSetzen(int anzahl);
    void offeneLueckenAnzeigen();
    void auswahlSchliessen();
    // Anzeige (LueckentestAnzeige.cpp): rote Linie, zeilenweises Rollen, Mausrad, Ziehen des
    // Auswahlkastens.
    void roteLinie(int position);
    void lueckeZeigen(int position, int laenge);
    void zeileInSicht(int position);
    bool anzeigeEreignis(QObject *o, QEvent *e);
    bool radAmText(QWheelEvent *e);
    QString hinweisAn(int position) const;

    // Lehreransicht (LueckentestLehrer.cpp)
    bool lehrerMaus(QMouseEvent *e);
    bool lehrerTaste(QKeyEvent *e);
    bool schutzVerletzt(int anfang, int ende);
    void registrierenFragen(int anfang, int ende, QChar art);
    void entfernenFragen(int n);
    void alternativenOeffnen(int n);
    void alternativeEingabe();
    void alternativeKorrigieren(QListWidgetItem *item);
    void kontextmenue(const QPoint &p);
    void navigationsKlick(QListWidgetItem *item);
    void sprungKlick(int k);

    // Schüleransicht (LueckentestSchueler.cpp)
    bool schuelerMaus(QMouseEvent *e);
    void schuelerAuswahlOeffnen(int n);
    void wortEinsetzen(const QString &wort);
    void freiesWortEingabe();
    bool eingabeTaste(QKeyEvent *e);
    void navigationFaerben();
    QStringList aWoerter() const;

    bool eventFilter(QObject *o, QEvent *e) override;

    const Einstellungen &e;
    Rueckfragen &r;
    Lueckensitzung sitz;
    bool aufgebaut = false;
    int skalierung = 100;
    int offeneLuecke = 0;       // Nummer der Lücke, deren Auswahl offen ist
    int alternativenLuecke = 0; // Lehreransicht: E-Lücke, deren Alternativen eingegeben werden
    QButtonGroup *sprung = nullptr;
    QGridLayout *sprungRaster = nullptr;
    QPointF ziehPunkt; // globale Mausstelle beim Ziehen des Auswahlkastens
};
