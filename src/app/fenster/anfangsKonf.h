#pragma once
// Grundlegende Konfiguration: Name der Schule und Nachname der Lehrkraft.

#include "app/fenster/Umgebung.h"
#include "app/testkonfiguration.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class TFormKonf;
class TMainForm;

class TFormAnfangsKonf : public QDialog
{
    Q_OBJECT
public:
    TFormAnfangsKonf(Umgebung &umgebung, TMainForm *haupt);

    // Menuebefehl: Werte lesen und zeigen. konf erhaelt den Mivo-Programm-Ordner.
    void oeffnen(TFormKonf *konf);
    void ELehrerNameExit();
    void BOKClick();

private:
    Umgebung &u;
    TMainForm *haupt;
    TestKonfiguration logik;

    QLineEdit *ESchulName = nullptr;
    QLineEdit *ELehrerName = nullptr;
    QPushButton *BOK = nullptr;
    QPushButton *BAbbrechen = nullptr;
};
