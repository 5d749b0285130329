#pragma once
// Das Schuelerprogramm Mivo: Klasse eingeben, Test und eigenen Namen waehlen, Test bearbeiten
// und abgeben; zurueckgegebene Tests ansehen und, wenn erlaubt, speichern.
// Seiten: Start (Klasse) -> Auswahl (Test, Name) -> Test bzw. Rueckgabe.

#include "outside/abgabe.h"
#include "outside/schuelerseite.h"
#include "outside/testbogen.h"

#include <QMainWindow>
#include <QSet>

#include <optional>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTextBrowser;
class Rueckfragen;
class TTestansicht;

class TMivo : public QMainWindow
{
    Q_OBJECT
public:
    TMivo(const schuelerseite::Konfig &konfig, Rueckfragen &r, QWidget *eltern = nullptr);

    enum Seite { Start = 0, Auswahl = 1, Test = 2, Rueckgabe = 3 };
    int seite() const;
    // Der bearbeitete Bogen (fuer Tests), sonst nullptr.
    const schuelerseite::Testbogen *bogen() const { return bogenOffen ? &*bogenOffen : nullptr; }

    // Knoepfe der Seiten; Tests finden sie auch ueber objectName.
    void BTestHolenClick();
    void BRueckgabeClick();
    void BWeiterClick();
    void abgebenClick();
    void sichernClick();

protected:
    void closeEvent(QCloseEvent *ereignis) override;

private:
    void aufbauen();
    QWidget *startSeite();
    QWidget *auswahlSeite();
    QWidget *rueckgabeSeite();
    void klassenAnbieten();
    void klasseSuchen(schuelerseite::Art art);
    void testGewaehlt();
    void testOeffnen(const schuelerseite::Eintrag &e);
    void rueckgabeOeffnen(const schuelerseite::Eintrag &e);
    void zwischenstandSichern();
    // klasseLeeren nach einer Abgabe: der Naechste am Rechner beginnt ohne Klasse.
    void zurStartseite(bool klasseLeeren = false);

    schuelerseite::Konfig k;
    Rueckfragen &r;
    schuelerseite::Art art = schuelerseite::Art::Test;
    QList<schuelerseite::Bereitgestellt> angebote;
    QList<schuelerseite::Eintrag> namen;
    std::optional<schuelerseite::Bereitgestellt> gewaehlt;
    std::optional<schuelerseite::Eintrag> schueler;
    std::optional<schuelerseite::Testbogen> bogenOffen;
    std::optional<schuelerseite::RueckgabeDokument> dokument;
    bool abgegeben = false;
    bool ordnerWarnungGezeigt = false;
    // Abgaben dieses Fensters (Signaldatei + Dateiname), auch ohne erreichbaren eigenen Ordner.
    QSet<QString> abgegebenHier;

    QStackedWidget *seiten = nullptr;
    QComboBox *CBoxKlasse = nullptr;
    QPushButton *BTestHolen = nullptr;
    QPushButton *BRueckgabe = nullptr;
    QLabel *LAuswahl = nullptr;
    QListWidget *LBoxTests = nullptr;
    QListWidget *LBoxNamen = nullptr;
    QPushButton *BWeiter = nullptr;
    QPushButton *BZurueck = nullptr;
    TTestansicht *testansicht = nullptr;
    QTextBrowser *RERueckgabe = nullptr;
    QListWidget *LBoxBilder = nullptr;
    QLabel *LRueckgabeHinweis = nullptr;
    QLabel *LLegende = nullptr;
    QPushButton *BSpeichern = nullptr;
    QPushButton *BFertig = nullptr;
};
