// Die Unteransichten des Notenfensters, ihre Signale und das Menue.
#include "grades/fenster/Zensurenbearbeitung.h"

#include "classdata/klassendatei.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "common/uhr.h"
#include "grades/fenster/einzelliste_ansicht.h"
#include "grades/fenster/einzelschueler_ansicht.h"
#include "grades/fenster/klassenwerkzeuge.h"
#include "grades/fenster/neueklasse_ansicht.h"
#include "grades/fenster/notenarten_ansicht.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "grades/fenster/suche_ansicht.h"
#include "grades/fenster/zufallsgruppen_ansicht.h"
#include "grades/listenverschiebung.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QScrollArea>
#include <QStackedWidget>

using namespace Qt::StringLiterals;

namespace {

// Rollbereich einer Unteransicht: die Ansicht ist so sichtbar wie ihre Seite im Stapel, damit
// sie wie ohne Rahmen erkennt, ob sie gerade gezeigt wird.
class Rollrahmen final : public QScrollArea
{
public:
    explicit Rollrahmen(QWidget *ansicht)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(ansicht);
        ansicht->hide();
    }
    void setVisible(bool sichtbar) override
    {
        widget()->setVisible(sichtbar);
        QScrollArea::setVisible(sichtbar);
    }
};

} // namespace

void TFZensurenbearbeitung::ansichtenAufbauen()
{
    tabelle = new ZenListeGesamt(PAnsichten);
    tabelle->setzeKlasse(&sitzung.klasse, QString());
    tabelle->setzeUhr(&uhr);
    tabelle->installEventFilter(this);
    tabelle->uebernehmen = [this](int spalte, int zeile, const QString &text) {
        return zellwertUebernehmen(spalte, zeile, text);
    };
    einzelliste = new EinzellistenAnsicht(sitzung, r, uhr);
    einzelschueler = new EinzelschuelerAnsicht(sitzung, r);
    notenarten = new NotenartenAnsicht(sitzung, r);
    neueKlasseAnsicht = new NeueKlasseAnsicht(sitzung, einstellungen, r, uhr);
    suchAnsicht = new SuchAnsicht(sitzung, r);
    zufallsgruppenAnsicht = new ZufallsgruppenAnsicht(sitzung);
    for (QWidget *w :
         std::initializer_list<QWidget *>{tabelle, einzelliste, einzelschueler, notenarten,
                                          neueKlasseAnsicht, suchAnsicht, zufallsgruppenAnsicht}) {
        if (w == tabelle) {
            PAnsichten->addWidget(w);
            continue;
        }
        // Die Tabelle rollt selbst; die Unteransichten rollen im Rahmen, wenn das Fenster
        // kleiner ist als ihre Gitter, statt es ueber den Bildschirm hinaus zu vergroessern.
        PAnsichten->addWidget(new Rollrahmen(w));
    }
    PAnsichten->setCurrentWidget(tabelle);
}

void TFZensurenbearbeitung::ansichtenVerbinden()
{
    const auto seite = [this](auto *ansicht, Unteransicht art) {
        using A = std::remove_pointer_t<decltype(ansicht)>;
        connect(ansicht, &A::anzeigen, this, [this, art] { zeige(art); });
        connect(ansicht, &A::fertig, this, [this] { zeige(Unteransicht::Tabelle); });
    };
    seite(einzelliste, Unteransicht::Einzelliste);
    seite(einzelschueler, Unteransicht::Einzelschueler);
    seite(notenarten, Unteransicht::Notenarten);
    seite(neueKlasseAnsicht, Unteransicht::NeueKlasse);
    seite(suchAnsicht, Unteransicht::Suche);
    seite(zufallsgruppenAnsicht, Unteransicht::Zufallsgruppen);

    // Wurden die Gruppen ohne Klasse verlangt, fuehrt "Beenden" zurueck zur Klassenliste; die
    // Gruppen aendern nichts, also ohne Speicherabfrage.
    connect(zufallsgruppenAnsicht, &ZufallsgruppenAnsicht::fertig, this, [this] {
        if (gruppenMitListe) {
            gruppenMitListe = false;
            sitzung.schliessen();
            BKlassenwahlClick();
        }
    });
    connect(einzelliste, &EinzellistenAnsicht::datumGeaendert, LZenDatum, &QLabel::setText);
    connect(einzelschueler, &EinzelschuelerAnsicht::schuelerGezeigt, this,
            [this](const QString &name) {
                LZenErlaeuterung->setText(name);
                LZenDatum->clear();
            });
    connect(einzelliste, &EinzellistenAnsicht::listeGezeigt, this,
            [this](const QString &erlaeuterung, const QString &datum) {
                LZenErlaeuterung->setText(erlaeuterung);
                LZenDatum->setText(datum);
            });
    connect(einzelliste, &EinzellistenAnsicht::befehlsTaste, this, [this](QChar b) {
        QKeyEvent taste(QEvent::KeyPress, 0, Qt::NoModifier, QString(b));
        QCoreApplication::sendEvent(this, &taste);
    });
    connect(neueKlasseAnsicht, &NeueKlasseAnsicht::ueberschrift, LKlasse, &QLabel::setText);
    connect(suchAnsicht, &SuchAnsicht::klassenlisteGewuenscht, this,
            &TFZensurenbearbeitung::BKlassenwahlClick);
    connect(suchAnsicht, &SuchAnsicht::beendet, this, [this] {
        LBoxKlassen->hide();
        zeige(Unteransicht::Tabelle);
    });
    connect(einzelschueler, &EinzelschuelerAnsicht::zielmodusGeaendert, this, [this](bool an) {
        listeFuerZiel = an;
        if (!an) {
            LBoxKlassen->hide();
            return;
        }
        klassenlisteZeigen(klassenwahl(einstellungen.basisOrdner, sitzung.schuljahr(),
                                       aktuellesSchuljahr(uhr.heute()), r));
    });

    connect(werkzeuge, &Klassenwerkzeuge::neueKlasseGewuenscht, this,
            &TFZensurenbearbeitung::neueKlasse);
    connect(werkzeuge, &Klassenwerkzeuge::sucheGewuenscht, this,
            &TFZensurenbearbeitung::schuelerSuchen);
    connect(werkzeuge, &Klassenwerkzeuge::zufallsgruppenGewuenscht, this,
            &TFZensurenbearbeitung::zufallsgruppen);
    connect(werkzeuge, &Klassenwerkzeuge::klassenlisteGewuenscht, this,
            &TFZensurenbearbeitung::BKlassenwahlClick);
    connect(werkzeuge, &Klassenwerkzeuge::versetzungGewuenscht, this,
            &TFZensurenbearbeitung::versetzungGewuenscht);

    connect(tabelle, &ZenListeGesamt::befehlsTaste, this, &TFZensurenbearbeitung::befehlsTaste);
    connect(tabelle, &ZenListeGesamt::escGedrueckt, this, &TFZensurenbearbeitung::escTaste);
    connect(tabelle, &ZenListeGesamt::currentCellChanged, this,
            [this](int zeile, int spalte) { zelleGewaehlt(zeile, spalte); });
    connect(tabelle, &ZenListeGesamt::cellClicked, this,
            [this](int zeile, int spalte) { zelleGeklickt(zeile, spalte); });
    connect(tabelle, &ZenListeGesamt::kopfZelleGeklickt, this,
            &TFZensurenbearbeitung::kopfZelleGeklickt);
    connect(tabelle, &ZenListeGesamt::namensZelleGeklickt, this,
            &TFZensurenbearbeitung::namensZelleGeklickt);
    connect(tabelle, &ZenListeGesamt::hinweis, this,
            [this](const QString &erlaeuterung, const QString &datum) {
                LZenErlaeuterung->setText(erlaeuterung);
                LZenDatum->setText(datum);
            });
}

void TFZensurenbearbeitung::menueAufbauen()
{
    const auto punkt = [this](QMenu *menue, const QString &name, const QString &text,
                              auto &&aktion) {
        QAction *a = menue->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, aktion);
        return a;
    };
    const auto gesperrt = [](QMenu *menue, const QString &name, const QString &text) {
        QAction *a = menue->addAction(text);
        a->setObjectName(name);
        a->setEnabled(false);
        return a;
    };
    Klassenwerkzeuge &w = *werkzeuge;
    QMenu *klassenMenue = menuBar()->addMenu(u"Klasse/ Kurs/Lerngruppe"_s);
    klassenMenue->addAction(w.NeueKlasse1);
    QAction *oeffnen =
        punkt(klassenMenue, u"Klasseffnen1"_s, u"Klasse öffnen"_s, [this] { BKlassenwahlClick(); });
    QMenu *veraendern = klassenMenue->addMenu(u"Klasse (Schüler) verändern"_s);
    Nameneingabe1 =
        punkt(veraendern, u"Nameneingabe1"_s, u"Nameneingabe"_s, [this] { nameneingabe(); });
    const auto namenHinweis = [this](const QString &hinweis) {
        return [this, hinweis] {
            if (sitzung.groesse() == 0) {
                BKlassenwahlClick();
                return;
            }
            r.information(hinweis);
        };
    };
    QAction *namenLoeschen =
        punkt(veraendern, u"Namenlschen1"_s, u"Namen löschen"_s,
              namenHinweis(u"Zum Löschen eines Schülers erst den Namen und dann den Löschen-Buton "
                           u"anklicken! "_s));
    QAction *namenAendern =
        punkt(veraendern, u"Namennderung1"_s, u"Namenänderung"_s,
              namenHinweis(u"Zum Ändern von Schülerdaten den Namen anklicken! "_s));
    QAction *verschieben = punkt(veraendern, u"SchlerinandereKlasseverschieben1"_s,
                                 u"Schüler in andere Klasse verschieben"_s, [this] {
                                     if (sitzung.groesse() == 0) {
                                         BKlassenwahlClick();
                                         return;
                                     }
                                     r.information(u"Zum Verschieben eines Schülers eine Klasse "
                                                   u"auswählen und den Namen anklicken! "_s);
                                 });
    klassenMenue->addAction(w.Klassendatenexportieren1);
    klassenMenue->addAction(w.KlasseinneuesSchuljahrversetzen1);
    klassenMenue->addAction(w.Zufallsgruppen1);
    klassenMenue->addAction(w.Schlersuchen1);
    disconnect(w.Klasselschen1, nullptr, &w, nullptr);
    connect(w.Klasselschen1, &QAction::triggered, this, &TFZensurenbearbeitung::klasseLoeschen);
    klassenMenue->addAction(w.Klasselschen1);
    klassenMenue->addSeparator();
    klassenMenue->addAction(w.KlasseausSicherung1);
    klassenMenue->addAction(w.Verlauf1);
    w.verlaufStart = [this] {
        Klassenwerkzeuge::VerlaufStart start;
        if (einzelschueler->offen()) {
            start.schuelerNr = sitzung.schuelerNr;
        } else if (einzelliste->offen() && einzelliste->liste) {
            start.art = einzelliste->liste->art;
            start.slot = einzelliste->liste->slot;
        }
        return start;
    };

    QMenu *notenMenue = menuBar()->addMenu(u"Notenbearbeitung"_s);
    QAction *auswahl =
        punkt(notenMenue, u"NotenbearbeitungKlasseauswhlen1"_s,
              u"Notenbearbeitung/ Klasse auswählen"_s, [this] { BKlassenwahlClick(); });
    gesperrt(notenMenue, u"Notenbearbeitungeinzelneschueler1"_s,
             u"Notenbearbeitung/ einzelne Schüler"_s);
    QAction *listeVerschieben =
        punkt(notenMenue, u"NotenverschiebenineandereKategorie1"_s, u"Notenliste verschieben"_s,
              [this] { r.information(verschiebenHinweis()); });
    gesperrt(notenMenue, u"NotenlschenganzeKlasse1"_s, u"Noten löschen/ ganze Klasse"_s);
    notenMenue->addAction(w.AusgabeinDatei1);
    notenMenue->addAction(w.Drucken1);

    QMenu *testMenue = menuBar()->addMenu(u"Tests (Alle Schritte)"_s);
    testMenue->setToolTipsVisible(true);
    const QString testPunkte[4] = {u"1. Test konstruieren/ bearbeiten/ drucken"_s,
                                   u"2. Testdurchführung"_s, u"3. Tests korrigieren/ benoten"_s,
                                   u"4. Testrückgabe/ Tests drucken"_s};
    const Modus testModus[4] = {kModusKonstruktionsauswahl, kModusDurchfuehrung,
                                kModusDurchfuehrung, kModusDurchfuehrung};
    QList<QAction *> testAktionen;
    for (int schritt = 1; schritt <= 4; ++schritt) {
        const Modus m = testModus[schritt - 1];
        const bool rueckgabe = schritt == 4;
        testAktionen.append(
            punkt(testMenue, u"Test%1"_s.arg(schritt), testPunkte[schritt - 1],
                  [this, m, rueckgabe] { modusNachSpeicherabfrage(m, rueckgabe); }));
    }
    // Wie im Hauptfenster ausserhalb des Editors: zur Auswahl des Tests, der gedruckt werden soll.
    testMenue->addSeparator();
    testAktionen.append(
        punkt(testMenue, u"Testvorlagedrucken1"_s, u"Testvorlage drucken"_s,
              [this] { modusNachSpeicherabfrage(kModusKonstruktionsauswahl, false); }));
    // Optionen und Hilfe sind Befehle des Hauptfensters; die Konfiguration verlaesst die Klasse.
    const auto weiter = [this, &punkt](QMenu *menue, const QString &name, const QString &text,
                                       Hauptbefehl befehl, bool verlaesst) {
        return punkt(menue, name, text, [this, befehl, verlaesst] {
            if (verlaesst && sitzung.speicherAbfrage() < 0) {
                return;
            }
            emit hauptbefehlGewuenscht(befehl);
        });
    };
    QMenu *optionenMenue = menuBar()->addMenu(u"Optionen"_s);
    weiter(optionenMenue, u"AnfangsKonfiguration1"_s, u"1. Anfangskonfiguration"_s,
           Hauptbefehl::Anfangskonfiguration, true);
    weiter(optionenMenue, u"KonfigurationfrTestfunktionen1"_s,
           u"2. Konfiguration für Testfunktionen"_s, Hauptbefehl::Testkonfiguration, true);
    weiter(optionenMenue, u"Konfigurationsdateibearbeiten1"_s, u"Konfigurationsdatei bearbeiten"_s,
           Hauptbefehl::KonfigurationsdateiBearbeiten, false);
    weiter(optionenMenue, u"Themenlistebearbeiten1"_s, u"Themenliste bearbeiten"_s,
           Hauptbefehl::ThemenlisteBearbeiten, false);
    weiter(optionenMenue, u"Fcherlistebearbeiten1"_s, u"Fächerliste bearbeiten"_s,
           Hauptbefehl::FaecherlisteBearbeiten, false);
    QMenu *hilfe = menuBar()->addMenu(u"Hilfe"_s);
    weiter(hilfe, u"Bedienungsanleitunglesen1"_s, u"Bedienungsanleitung lesen"_s,
           Hauptbefehl::Bedienungsanleitung, false);
    weiter(hilfe, u"ProgrammInfo1"_s, u"Programm-Info"_s, Hauptbefehl::ProgrammInfo, false);
    ZurUebersicht1 = menuBar()->addAction(u"Zurück zur Übersicht"_s);
    ZurUebersicht1->setObjectName(u"ZurUebersicht1"_s);
    connect(ZurUebersicht1, &QAction::triggered, this, &TFZensurenbearbeitung::zurueckKnopf);
    QAction *beenden = menuBar()->addAction(u"Be&enden"_s);
    beenden->setObjectName(u"Beenden1"_s);
    connect(beenden, &QAction::triggered, this, [this] { close(); });

    // Export und Loeschen sagen ohne Klasse selbst, was zu tun ist.
    klassenAktionen = {w.AusgabeinDatei1, w.Drucken1, listeVerschieben, w.Verlauf1};
    tabellenAktionen = {w.NeueKlasse1,     oeffnen,
                        Nameneingabe1,     namenLoeschen,
                        namenAendern,      verschieben,
                        w.Zufallsgruppen1, w.KlasseinneuesSchuljahrversetzen1,
                        auswahl,           w.Klassendatenexportieren1,
                        w.Klasselschen1,   w.KlasseausSicherung1};
    testAktionenListe = testAktionen;
}
