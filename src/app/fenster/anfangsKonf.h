#pragma once
// Grundlegende Konfiguration: Name der Schule und Nachname der Lehrkraft.

#include "settings/testkonfiguration.h"
#include "widgets/Umgebung.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

class TFormAnfangsKonf : public QDialog
{
    Q_OBJECT
public:
    TFormAnfangsKonf(Umgebung &umgebung, QWidget *eltern = nullptr);

    // Die Steuerelemente entstehen beim ersten Zeigen.
    void setVisible(bool sichtbar) override;
    // Menuebefehl: Werte lesen und zeigen.
    void oeffnen();
    void ELehrerNameExit();
    void BOKClick();

signals:
    // Beim Oeffnen gelesen: der Ordner des Schuelerprogramms (fuer die Testkonfiguration).
    void mivoProgrammOrdnerGelesen(const QString &ordner);
    // Schule und Lehrkraft sind gespeichert.
    void gespeichert();

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void aufbauen();

    Umgebung &u;
    TestKonfiguration logik;

    QLineEdit *ESchulName = nullptr;
    QLineEdit *ELehrerName = nullptr;
    QPushButton *BOK = nullptr;
    QPushButton *BAbbrechen = nullptr;
};
