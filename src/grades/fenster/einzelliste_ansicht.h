#pragma once
// Die Einzellistenansicht: ein Notentermin der ganzen Klasse in zwei Schuelergittern, die
// Listenauswahl, Datum und Erlaeuterung, daneben die Klassenspiegel der E- und G-Noten. Auch
// Testnoten einer Benotung kommen hier an.

#include "grades/einzelliste.h"
#include "grades/listenverschiebung.h"

#include <QGroupBox>

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class PruefGitter;
class Klassensitzung;
class Rueckfragen;
class Uhr;

class EinzellistenAnsicht : public QGroupBox
{
    Q_OBJECT
public:
    static constexpr int kKopf = 3; // Kopfzeilen der Schuelergitter

    EinzellistenAnsicht(Klassensitzung &sitzung, Rueckfragen &rueckfragen, const Uhr &uhr);

    // Knopf "&Einzelliste": offen -> schliessen wie OK, sonst oeffnen.
    void nachEinzelListeUmschalten(int art);
    void oeffnen(int art);
    // Klick auf eine Kopfzelle der Tabelle: gleich diese Liste.
    void oeffnenMitListe(int art, int slot);
    void artGewaehlt(int art);
    void listeWaehlen(int slot);
    bool BOKEinzellisteClick();
    void BEinzellisteAbbrechenClick();
    void BNeueNoteClick();
    void BVorherigeELClick();
    void BNaecsteELClick();
    void BLeereNotenFuellenClick();
    void BEinzelListeLoeschenClick();
    void escTaste();
    // Notenliste verschieben: Start bzw. Abbruch mit dem Knopf, Ziel ueber Notenart und Auswahl.
    void BNotenlisteVerschiebenClick();
    bool verschiebungLaeuft() const { return verschiebung.has_value(); }
    void neuFuellen(); // nach neuer Sortierung
    void testnotenEmpfangen(const QList<Benotungsergebnis> &ergebnisse);
    void ausgabeKlassenSpiegel();
    // Vor dem Speichern: eine offene Liste geht in die Klasse, damit keine getippte Note verloren
    // geht.
    void offeneListeSichern();
    // Die Klasse wird verworfen: die Ansicht vergisst ihre Liste, ohne zu schreiben.
    void verwerfen();

    bool offen() const;
    bool testnotenModus = false;
    std::optional<Einzelliste> liste; // die offene Liste
    int art = 0;

    // Darstellung, vom Fenster gesetzt: Punkte statt Zensuren, keine Aenderung erlaubt.
    bool punkte = false;
    bool keineAenderung = false;

    PruefGitter *SGEinzellisteLinks = nullptr;
    PruefGitter *SGEinzellisteRechts = nullptr;
    PruefGitter *SGKlassenSpiegelE = nullptr;
    PruefGitter *SGKlassenSpiegelG = nullptr;
    QListWidget *LBZenHinweise = nullptr;
    QLineEdit *ENotenNr = nullptr;
    QLineEdit *EZenDatum = nullptr;
    QLineEdit *EZenHinweise = nullptr;
    QLabel *LNotenart = nullptr;
    QLabel *Label3 = nullptr;

signals:
    void anzeigen(); // die Ansicht will gezeigt werden
    void fertig();   // zurueck zur Tabelle
    void datumGeaendert(const QString &text);
    void listeGezeigt(const QString &erlaeuterung, const QString &datum);
    void befehlsTaste(QChar buchstabe); // Taste ohne Bedeutung in den Gittern

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
    // Klicks auf gesperrte Gitter kommen hier an.
    void mousePressEvent(QMouseEvent *ereignis) override;

private:
    void schliessen();
    void verschiebungBeenden();
    // false: die Notenart ist kein moegliches Ziel (die Verschiebung ist beendet).
    bool verschiebungZielArt(int zielArt);
    void verschiebungInSpalte(int t);
    void gitterFuellen();
    void namenFuellen();
    void gitterFreigeben(bool frei);
    bool listeZurueckschreiben(); // false: das Datum ist verweigert, nichts geschrieben
    void listeAnzeigen();
    bool zelleUebernehmen(PruefGitter *gitter, int zeile, int spalte, const QString &text);
    int schuelerNummer(const PruefGitter *gitter, int zeile) const;

    Klassensitzung &s;
    Rueckfragen &r;
    const Uhr &uhr;
    QList<Benotungsergebnis> testErgebnisse;
    QString datumBeimBetreten;
    QString erlaeuterungBeimBetreten;
    int links = 0;            // Schueler im linken Gitter
    bool datumFalsch = false; // das Datumsfeld wurde mit einem verweigerten Wert verlassen
    QString datumDerListe;    // das Datum der Liste beim Oeffnen
    std::optional<Verschiebung> verschiebung;
    QPushButton *BNotenlisteVerschieben = nullptr;
};
