#pragma once
// Die Einzelschueleransicht "Schülerdaten": persoenliche Angaben und alle Noten eines Schuelers
// mit Durchschnitten, Gewichten und Gesamtnoten; neue Schueler aufnehmen und Schueler loeschen.

#include "classdata/klassenverwaltung.h"

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;
class PruefGitter;
class Klassensitzung;
class Rueckfragen;

class EinzelschuelerAnsicht : public QGroupBox
{
    Q_OBJECT
public:
    EinzelschuelerAnsicht(Klassensitzung &sitzung, Rueckfragen &rueckfragen);

    // Knopf "Sch&üler" bzw. Klick auf einen Namen: oeffnen mit Schueler nr (Klassengroesse + 1:
    // neuer Schueler); ist die Ansicht offen, schliesst sie wie OK.
    void BEinzelschuelerClick(int nr);
    void ladeSchueler(int nr);
    void ladeNoten(int nr);
    void SGSchGesamtNotenFuellen();
    bool BNaechsterSchuelerClick();
    bool BVorherigerSchuelerClick();
    bool BOKSchuelerClick();
    void BAbbrechenSchuelerClick();
    bool BNeuenSchuelerClick();
    void BSchuelerLoeschenClick();
    // Die Felder des gezeigten Schuelers in die Klasse (vor dem Speichern).
    void feldUebernehmen();
    // Eine andere Klasse: auch die Warnung vor bearbeiteten Tests gilt wieder.
    void klasseGewechselt()
    {
        neuerSchueler = false;
        testWarnungGezeigt = false;
    }

    // "Schüler verschieben": Zielmodus an bzw. aus; das Fenster zeigt dafuer die Klassenliste.
    void BSchuelerVerschiebenClick();
    void zielmodusBeenden();
    bool zielmodus() const { return imZielmodus; }
    // Im Zielmodus: die gewaehlte Klassendatei.
    void zielKlasseGewaehlt(const QString &zielPfad);

    bool offen() const;
    bool suchmodus = false; // vom Fenster: in der Suche wird nicht verschoben
    bool neuerSchueler = false;
    bool testWarnungGezeigt = false;

    QLineEdit *EVorname = nullptr;
    QLineEdit *ENachname = nullptr;
    QLineEdit *EKlasse = nullptr;
    QLineEdit *EZusatz = nullptr;
    QLineEdit *EGeschl = nullptr;
    QLabel *LSchNr = nullptr;
    QLabel *LNeuerSchueler = nullptr;
    PruefGitter *SGNotenArt[6] = {};
    QLabel *LNotenArt[6] = {};
    QLabel *LNotenSchnitt[6] = {};
    QLabel *LGew[6] = {};
    PruefGitter *SGSchGesamtNoten = nullptr;
    QPushButton *BSchuelerVerschieben = nullptr;

signals:
    void anzeigen();
    void fertig();
    void zielmodusGeaendert(bool an);
    // Der gezeigte Schueler (Vor- und Nachname) fuer die Zeile ueber der Ansicht.
    void schuelerGezeigt(const QString &name);

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    bool neuerSchuelerUnvollstaendig();
    SchuelerFelder felder() const;
    // Ein Personenfeld wurde mit gueltigem Inhalt verlassen: ins Journal damit.
    void feldImJournal();
    bool feldVerlassen = false;
    void felderSpeichern();
    void schliessen();
    bool noteUebernehmen(int art, int zeile, int spalte, const QString &text);

    Klassensitzung &s;
    Rueckfragen &r;
    bool imZielmodus = false;
};
