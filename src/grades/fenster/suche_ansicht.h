#pragma once
// Die Schuelersuche: ein Formular wie die Einzelschueleransicht (Namensteile, Geschlecht, Noten
// in bestimmten Slots, "und"/"oder"); danach zeigt die Klassenliste nur die Klassen mit einem
// passenden Schueler, bis die Suche beendet wird.

#include "classdata/schuelersuche.h"

#include <QGroupBox>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class PruefGitter;
class Klassensitzung;
class Rueckfragen;

class SuchAnsicht : public QGroupBox
{
    Q_OBJECT
public:
    SuchAnsicht(Klassensitzung &sitzung, Rueckfragen &rueckfragen);

    // Speicherabfrage, dann das leere Formular im Modus "oder".
    void starten();
    // "Suche starten": Kriterien uebernehmen, die Klassenliste zeigt die Treffer.
    void SchuelerSucheStarten();
    void schuelerSucheBeenden();
    bool aktiv() const { return suchmodus; }
    SuchKriterien kriterien() const;
    // Die Klassenliste im Suchmodus; nullopt ausserhalb.
    std::optional<QStringList> klassenliste();

    // Eigene Namen: die Felder der Einzelschueleransicht heissen wie im Datensatz.
    QLineEdit *EVorname = nullptr;
    QLineEdit *ENachname = nullptr;
    QLineEdit *EGeschl = nullptr;
    QLineEdit *EZusatz = nullptr;
    PruefGitter *SGNotenArt[6] = {};
    QRadioButton *RBUnd = nullptr;
    QRadioButton *RBOder = nullptr;
    QPushButton *BOKSchueler = nullptr;
    QPushButton *BAbbrechenSchueler = nullptr;

signals:
    void anzeigen();
    void fertig();                 // Formular zu, die Suche gilt weiter
    void klassenlisteGewuenscht(); // die Treffer zeigen
    void beendet();                // Suchmodus aus

private:
    Klassensitzung &s;
    Rueckfragen &r;
    bool suchmodus = false;
    bool gesucht = false;
    SuchKriterien gesuchtMit;
};
