#pragma once
// Die Klassenverwaltung im Notenfenster: neue Klasse, Schueler in eine andere Klasse verschieben,
// Klasse loeschen, Export, Zufallsgruppen, Schuelersuche, Notenlisten verschieben und der
// Schnelldruck der Tabelle. Haengt sich mit eigenen Knoepfen und Menuepunkten in das Fenster ein;
// gerechnet wird in classdata/ und grades/.

#include "grades/listenverschiebung.h"

#include <QObject>

#include <functional>
#include <optional>

class QPrinter;
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
    void notenlisteVerschiebenMenue();
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

    // "Notenliste verschieben" in der Einzellistenansicht.
    void BNotenlisteVerschiebenClick();
    bool verschiebungOffen() const { return verschiebung.has_value(); }

    bool suchmodus() const;

    // Der Druckdialog; false: abgebrochen. Tests setzen hier einen PDF-Drucker ein.
    std::function<bool(QPrinter &)> druckDialog;

    NeueKlasseAnsicht *neueKlasseAnsicht = nullptr;
    ZufallsgruppenAnsicht *zufallsgruppenAnsicht = nullptr;
    SuchAnsicht *suchAnsicht = nullptr;
    QPushButton *BNeueKlasse = nullptr;
    QPushButton *BSchuelerVerschieben = nullptr;
    QPushButton *BNotenlisteVerschieben = nullptr;

signals:
    // "Klasse in neues Schuljahr versetzen" im Menue des Notenfensters: das Hauptfenster zeigt
    // den Versetzungsdialog.
    void versetzungGewuenscht();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void zielmodusBeenden();
    void verschiebungBeenden();
    void verschiebungAbschliessenBei(int zeile);
    bool zielArtPruefen(int art);

    TFZensurenbearbeitung &f;
    // Beobachtete Objekte, nur zum Vergleichen (beim Abbau des Fensters schon zerstoert).
    const QObject *klassenListe = nullptr;
    const QObject *klassenListeFlaeche = nullptr;
    const QObject *spaltenListe = nullptr;
    const QObject *spaltenListeFlaeche = nullptr;
    const QObject *artKnopf[6] = {};
    bool imZielmodus = false;
    bool gruppenGewuenscht = false;
    std::optional<Verschiebung> verschiebung;
};
