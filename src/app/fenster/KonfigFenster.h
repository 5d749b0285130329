#pragma once
// Konfiguration fuer Testfunktionen: wo das Schuelerprogramm liegt und welche Transferordner es
// mit diesem Programm teilt. Drei Ordnerkonfigurationen, Probelauf mit Beispieldateien.

#include "settings/testkonfiguration.h"
#include "settings/uebersicht.h"
#include "widgets/Umgebung.h"

#include <QDialog>
#include <QPointer>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWindow;

class TFormKonf : public QDialog
{
    Q_OBJECT
public:
    TFormKonf(Umgebung &umgebung, QWidget *eltern = nullptr);

    // Die Steuerelemente entstehen beim ersten Zeigen (oeffnen, show) oder mit
    // setzeMivoProgrammOrdner; die Befehle darunter setzen sie voraus.
    void setVisible(bool sichtbar) override;

    // Menuebefehl: zeigen (FormShow) und aktivieren (FormActivate).
    void oeffnen();
    // Der Menuebefehl des Hauptfensters: oeffnen, bei Ordnerkonfiguration 1 gleich "Go" 1.
    void menueBefehl();
    void FormShow();
    void FormActivate();

    // benutzer: vom Benutzer angeklickt (dann erscheint der Hinweis).
    void RadioButton1Click(bool benutzer);
    void RadioButton2Click(bool benutzer);
    void RadioButton3Click(bool benutzer);
    void BGo1Click();
    void BGo2Click();
    void BGo3Click();
    void BOKClick();

    KonfigFelder felder() const;
    void felderSetzen(const KonfigFelder &f);
    void setzeMivoProgrammOrdner(const QString &ordner);
    bool eingerichtet() const { return einrichtungsMarke; }
    // Gezeigte Speicherbestaetigung 1..3, 0 fuer keine.
    int bestaetigung() const;

    // Wartezeit zwischen Start des Schuelerprogramms und Rueckkehr nach vorn.
    int probelaufWartezeitMs = 3000;

signals:
    // Der Probelauf fuehrt in die Testdurchfuehrung.
    void modusGewuenscht(Modus modus, bool rueckgabe);

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    // Baut die Steuerelemente beim ersten Bedarf (einmal); KonfigFensterAufbau.cpp.
    void aufbauen();
    void oberflaecheAufbauen();
    void zuruecksetzen(QRadioButton *behalten);
    void bestaetigungZeigen(int n);
    void auswaehlen(int n);
    void aussuchen(QLineEdit *feld, bool neuerOrdnerErlaubt);
    void probelaufStarten();

    Umgebung &u;
    TestKonfiguration logik;
    bool aufgebaut = false;
    bool einrichtungsMarke = false;
    bool aktivierungErledigt = false;
    QPointer<QWindow> letztesFenster;

    QButtonGroup *gruppe = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QPushButton *BGo1 = nullptr;
    QPushButton *BGo2 = nullptr;
    QPushButton *BGo3 = nullptr;
    QLabel *PGespeichert1 = nullptr;
    QLabel *PGespeichert2 = nullptr;
    QLabel *PGespeichert3 = nullptr;
    QLineEdit *EMivoProgrammOrdner = nullptr;
    QLineEdit *EAusgabeOrdner = nullptr;
    QLineEdit *EAbgabeOrdner = nullptr;
    QLineEdit *ERueckgabeOrdner = nullptr;
    QLineEdit *ESchuelerOrdner = nullptr;
    QPushButton *BMivoProgrammOrdnerAussuchen = nullptr;
    QPushButton *BAusgabeOrdnerAussuchen = nullptr;
    QPushButton *BAbgabeOrdnerAussuchen = nullptr;
    QPushButton *BRueckgabeOrdnerAussuchen = nullptr;
    QPushButton *BOK = nullptr;
    QPushButton *BAbbrechen = nullptr;
};
