#pragma once
// Die Klassenverwaltung im Notenfenster: neue Klasse, Schueler in eine andere Klasse verschieben,
// Klasse loeschen, Export, Zufallsgruppen, Schuelersuche und der Schnelldruck der Tabelle. Haengt
// sich mit eigenen Knoepfen und Menuepunkten in das Fenster ein; gerechnet wird in classdata/ und
// grades/.

#include <QObject>

class QPushButton;
class NeueKlasseAnsicht;
class ZufallsgruppenAnsicht;
class SuchAnsicht;
class TFZensurenbearbeitung;

class Klassenwerkzeuge : public QObject
{
    Q_OBJECT
public:
    explicit Klassenwerkzeuge(TFZensurenbearbeitung &fenster);

    // Menuebefehle (auch fuer das Hauptmenue).
    void neueKlasse();
    void klasseLoeschen();
    void klassendatenExportieren();
    void zufallsgruppen();
    void schuelerSuchen();
    // Taste "d" in der Tabelle: Rueckfrage Textprogramm / Konzeptdruck.
    void klassenDruck();
    // "Schnelldruck der sichtbaren Notentabelle": Druckdialog und Schnelldruck.
    void schnelldruck();
    // "Ausgabe/ Druck (Ø) über Textprogramm".
    void ausgabeUeberTextprogramm();

    // "Schüler verschieben" in der Einzelschueleransicht: Zielmodus an bzw. aus.
    void BSchuelerVerschiebenClick();
    bool zielmodus() const { return imZielmodus; }
    // Im Zielmodus: Klick auf einen Eintrag der Klassenliste.
    void zielKlasseGewaehlt(const QString &eintrag);

    bool suchmodus() const;

    NeueKlasseAnsicht *neueKlasseAnsicht = nullptr;
    ZufallsgruppenAnsicht *zufallsgruppenAnsicht = nullptr;
    SuchAnsicht *suchAnsicht = nullptr;
    QPushButton *BNeueKlasse = nullptr;
    QPushButton *BSchuelerVerschieben = nullptr;

signals:
    // "Klasse in neues Schuljahr versetzen" im Menue des Notenfensters: das Hauptfenster zeigt
    // den Versetzungsdialog.
    void versetzungGewuenscht();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void zielmodusBeenden();

    TFZensurenbearbeitung &f;
    // Beobachtete Objekte, nur zum Vergleichen (beim Abbau des Fensters schon zerstoert).
    const QObject *fensterObjekt = nullptr;
    const QObject *klassenListe = nullptr;
    const QObject *klassenListeFlaeche = nullptr;
    bool imZielmodus = false;
    bool gruppenGewuenscht = false;
};
