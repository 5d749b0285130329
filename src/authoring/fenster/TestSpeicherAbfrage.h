#pragma once
// Speicherabfrage des Testeditors: legt Schuljahr, Klasse, Fach, Testnummer und Thema fest und
// zeigt Ordner und Dateinamen, unter denen der Test gespeichert wird. Ohne Blockieren gezeigt;
// die Antwort kommt als Signal.

#include "authoring/testspeichern.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QFrame;
struct Umgebung;

class TFTestSpeicherabfrage : public QDialog
{
    Q_OBJECT
public:
    explicit TFTestSpeicherabfrage(Umgebung &umgebung, QWidget *eltern = nullptr);

    // Listen neu laden und Felder vorbelegen.
    void vorbelegen(const SpeicherAngaben &angaben);
    SpeicherAngaben angaben() const;
    QString aktuellesSchuljahr() const;
    int vorhandeneAnzahl() const { return vorhandene; }
    QString vorhandeneListe() const;

    void DnAnzeigeAktualisieren();
    void vorhandeneTestsAnzeigen();

signals:
    void speichern(const SpeicherAngaben &angaben);
    void nichtSpeichern();
    void abgebrochen();

protected:
    void reject() override;

private:
    void speichernClick();
    void klasseBearbeitet(const QString &text);

    Umgebung &u;
    QComboBox *CBoxSchuljahrAbf = nullptr;
    QCheckBox *CBoxAktSchuljahrAbf = nullptr;
    QComboBox *CBoxKlasseAbf = nullptr;
    QComboBox *CBoxFachAbf = nullptr;
    QComboBox *CBoxTestNrAbf = nullptr;
    QComboBox *CBoxThemaAbf = nullptr;
    QFrame *PVorhanden = nullptr;
    QLabel *Lgefunden = nullptr;
    QLabel *LOrdnername = nullptr;
    QLabel *LTestDateiname = nullptr;
    QPushButton *BSpeichern = nullptr;
    QPushButton *BNichtSpeichern = nullptr;
    QPushButton *BAbbrechen = nullptr;
    QStringList themen;
    int vorhandene = 0;
    bool fuellen = false;
};
