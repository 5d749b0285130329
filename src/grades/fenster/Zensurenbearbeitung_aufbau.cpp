// Aufbau des Notenfensters: Steuerelemente, Anordnung und Menue.
#include "grades/fenster/Zensurenbearbeitung.h"

#include "classdata/klassendatei.h"
#include "classdata/klassenexport.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "common/uhr.h"
#include "grades/fenster/einzelliste_ansicht.h"
#include "grades/fenster/einzelschueler_ansicht.h"
#include "grades/fenster/notenarten_ansicht.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "grades/listenverschiebung.h"
#include "grades/notenarten.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

void TFZensurenbearbeitung::oberflaecheAufbauen()
{
    auto *mitte = new QWidget(this);
    setCentralWidget(mitte);
    auto *senkrecht = new QVBoxLayout(mitte);
    senkrecht->setContentsMargins(6, 4, 6, 4);
    senkrecht->setSpacing(4);

    const auto knopf = [this](const QString &name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    const auto haken = [this](const QString &name, const QString &text) {
        auto *c = new QCheckBox(text, this);
        c->setObjectName(name);
        c->setFocusPolicy(Qt::NoFocus);
        return c;
    };

    // Zeile 1: Klasse waehlen, Schuljahr, Speichern, Name der Klasse.
    auto *zeile1 = new QHBoxLayout;
    BKlassenwahl = knopf(u"BKlassenwahl"_s, u"Aus&wahl Klasse/ Kurs"_s);
    CBoxSchuljahr = new QComboBox(this);
    CBoxSchuljahr->setObjectName(u"CBoxSchuljahr"_s);
    CBoxSchuljahr->addItems(schuljahrListe());
    CBoxSchuljahr->setMaxVisibleItems(20);
    CBoxAktSchuljahr = haken(u"CBoxAktSchuljahr"_s, u"Aktuelles Schuljahr"_s);
    BKlasseSpeichern = knopf(u"BKlasseSpeichern"_s, u"&Speichern"_s);
    LKlasse = new QLabel(this);
    LKlasse->setObjectName(u"LKlasse"_s);
    QFont gross = LKlasse->font();
    gross.setPointSize(14);
    gross.setBold(true);
    LKlasse->setFont(gross);
    zeile1->addWidget(BKlassenwahl);
    zeile1->addWidget(new QLabel(u"Schuljahr:"_s, this));
    zeile1->addWidget(CBoxSchuljahr);
    zeile1->addWidget(CBoxAktSchuljahr);
    zeile1->addWidget(BKlasseSpeichern);
    zeile1->addSpacing(20);
    zeile1->addWidget(LKlasse);
    zeile1->addStretch(1);
    senkrecht->addLayout(zeile1);

    // Zeile 2: Ansichten und Unteransichten.
    auto *zeile2 = new QHBoxLayout;
    for (int art = 1; art <= kNotenarten; ++art) {
        BZenKat[art] = knopf(u"BZenKat%1"_s.arg(art), QString());
        zeile2->addWidget(BZenKat[art]);
        connect(BZenKat[art], &QPushButton::clicked, this, [this, art] { zeigeArt(art); });
    }
    BAlleZen = knopf(u"BAlleZen"_s, u"&Alle"_s);
    BDurchschnitte = knopf(u"BDurchschnitte"_s, u"&Berechnungen"_s);
    BeinzelListe = knopf(u"BeinzelListe"_s, u"&Einzelliste"_s);
    BEinzelSchueler = knopf(u"BEinzelSchueler"_s, u"Sch&üler"_s);
    BBezeichnungenUndGewichtungen =
        knopf(u"BBezeichnungenUndGewichtungen"_s, u"Beze&ichnungen und Gewichtungen"_s);
    zeile2->addWidget(BAlleZen);
    zeile2->addWidget(BDurchschnitte);
    zeile2->addSpacing(12);
    zeile2->addWidget(BeinzelListe);
    zeile2->addWidget(BEinzelSchueler);
    zeile2->addWidget(BBezeichnungenUndGewichtungen);
    zeile2->addStretch(1);
    senkrecht->addLayout(zeile2);

    // Zeile 3: Optionen der Tabelle.
    auto *zeile3 = new QHBoxLayout;
    CHBDurchschnitte = haken(u"CHBDurchschnitte"_s, u"Durchschnitte"_s);
    ChBGesamtb = haken(u"ChBGesamtb"_s, u"Gesamtnoten"_s);
    ChBLeerspaltenZeigen = haken(u"ChBLeerspaltenZeigen"_s, u"Leerspalten"_s);
    ChBKeineAenderung = haken(u"ChBKeineAenderung"_s, u"Keine Änderung"_s);
    ChBVornamenSortierung = haken(u"ChBVornamenSortierung"_s, u"Vornamensortierung"_s);
    ChBPunkteZensuren = haken(u"ChBPunkteZensuren"_s, u"Punkte"_s);
    ChBKursSortierung = haken(u"ChBKursSortierung"_s, u"Kurssortierung"_s);
    CBoxJungenMaedchen = new QComboBox(this);
    CBoxJungenMaedchen->setObjectName(u"CBoxJungenMaedchen"_s);
    CBoxJungenMaedchen->addItems({u"Ju/ Mä"_s, u"Mä/ Ju"_s, u"Ju-Mä Mix"_s});
    CBoxJungenMaedchen->setFocusPolicy(Qt::NoFocus);
    for (QWidget *w : std::initializer_list<QWidget *>{
             CHBDurchschnitte, ChBGesamtb, ChBLeerspaltenZeigen, ChBKeineAenderung,
             ChBVornamenSortierung, ChBPunkteZensuren, ChBKursSortierung, CBoxJungenMaedchen}) {
        zeile3->addWidget(w);
    }
    PRotesRechteck_PunkteAnzeige = new QFrame(this);
    PRotesRechteck_PunkteAnzeige->setObjectName(u"PRotesRechteck_PunkteAnzeige"_s);
    PRotesRechteck_PunkteAnzeige->setStyleSheet(
        u"#PRotesRechteck_PunkteAnzeige { border: 2px solid rgb(200,0,0); }"_s);
    auto *rahmenInhalt = new QHBoxLayout(PRotesRechteck_PunkteAnzeige);
    rahmenInhalt->setContentsMargins(6, 1, 6, 1);
    LPunkteAnzeige = new QLabel(u"Zensuren(E)"_s, PRotesRechteck_PunkteAnzeige);
    LPunkteAnzeige->setObjectName(u"LPunkteAnzeige"_s);
    rahmenInhalt->addWidget(LPunkteAnzeige);
    zeile3->addWidget(PRotesRechteck_PunkteAnzeige);
    zeile3->addStretch(1);
    senkrecht->addLayout(zeile3);

    // Zeile 4: Datum und Erlaeuterung der gewaehlten Spalte.
    auto *zeile4 = new QHBoxLayout;
    LZenDatum = new QLabel(this);
    LZenDatum->setObjectName(u"LZenDatum"_s);
    LZenDatum->setMinimumWidth(160);
    LZenErlaeuterung = new QLabel(this);
    LZenErlaeuterung->setObjectName(u"LZenErlaeuterung"_s);
    QFont fett = LZenDatum->font();
    fett.setBold(true);
    LZenDatum->setFont(fett);
    LZenErlaeuterung->setFont(fett);
    // Lange Erlaeuterungen duerfen das Fenster nicht verbreitern.
    LZenErlaeuterung->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    zeile4->addWidget(LZenDatum);
    zeile4->addWidget(LZenErlaeuterung, 1);
    senkrecht->addLayout(zeile4);

    // Hauptbereich: Klassenliste links, daneben Tabelle oder Unteransicht.
    auto *haupt = new QHBoxLayout;
    LBoxKlassen = new QListWidget(this);
    LBoxKlassen->setObjectName(u"LBoxKlassen"_s);
    LBoxKlassen->setFixedWidth(200);
    LBoxKlassen->setToolTip(
        u"Für eine Voransicht einfach mit gedrückter Maustaste über die Dateinamen fahren..."_s);
    LBoxKlassen->viewport()->installEventFilter(this);
    LBoxKlassen->installEventFilter(this);
    haupt->addWidget(LBoxKlassen);

    PAnsichten = new QStackedWidget(this);
    PAnsichten->setObjectName(u"PAnsichten"_s);
    tabelle = new ZenListeGesamt(PAnsichten);
    tabelle->setzeKlasse(&klasse, QString());
    tabelle->setzeUhr(&uhr);
    tabelle->installEventFilter(this);
    tabelle->uebernehmen = [this](int spalte, int zeile, const QString &text) {
        return zellwertUebernehmen(spalte, zeile, text);
    };
    einzelliste = new EinzellistenAnsicht(*this);
    einzelschueler = new EinzelschuelerAnsicht(*this);
    notenarten = new NotenartenAnsicht(*this);
    PAnsichten->addWidget(tabelle);
    PAnsichten->addWidget(einzelliste);
    PAnsichten->addWidget(einzelschueler);
    PAnsichten->addWidget(notenarten);
    haupt->addWidget(PAnsichten, 1);
    senkrecht->addLayout(haupt, 1);

    connect(BKlassenwahl, &QPushButton::clicked, this, [this] { BKlassenwahlClick(); });
    connect(BKlasseSpeichern, &QPushButton::clicked, this, [this] { BKlasseSpeichernClick(); });
    connect(CBoxSchuljahr, &QComboBox::currentTextChanged, this, [this] { schuljahrGewaehlt(); });
    connect(CBoxAktSchuljahr, &QCheckBox::clicked, this, [this](bool an) {
        if (an) {
            CBoxSchuljahr->setCurrentText(aktuellesSchuljahr(uhr.heute()));
        }
        schuljahrGewaehlt();
    });
    connect(LBoxKlassen, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (zeile >= 0 && LBoxKlassen->isVisible()) {
            vorschau(LBoxKlassen->item(zeile)->text());
        }
    });
    connect(BAlleZen, &QPushButton::clicked, this, [this] { BAlleZenClick(); });
    connect(BDurchschnitte, &QPushButton::clicked, this, [this] { BDurchschnitteClick(); });
    connect(BeinzelListe, &QPushButton::clicked, this,
            [this] { einzelliste->nachEinzelListeUmschalten(aktuelleArt); });
    connect(BEinzelSchueler, &QPushButton::clicked, this,
            [this] { einzelschueler->BEinzelschuelerClick(1); });
    connect(BBezeichnungenUndGewichtungen, &QPushButton::clicked, this,
            [this] { notenarten->umschalten(); });

    for (QCheckBox *c : {CHBDurchschnitte, ChBGesamtb, ChBLeerspaltenZeigen, ChBKeineAenderung,
                         ChBVornamenSortierung, ChBPunkteZensuren, ChBKursSortierung}) {
        connect(c, &QCheckBox::toggled, this, [this] { optionGeaendert(); });
    }
    connect(CBoxJungenMaedchen, &QComboBox::currentIndexChanged, this,
            [this] { optionGeaendert(); });

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
    const auto punkt = [this](QMenu *menue, const QString &name, const QString &text, auto &&aktion,
                              bool frei = true) {
        QAction *a = menue->addAction(text);
        a->setObjectName(name);
        a->setEnabled(frei);
        connect(a, &QAction::triggered, this, aktion);
        return a;
    };
    const auto nichts = [] {};
    QMenu *klassenMenue = menuBar()->addMenu(u"Klasse/ Kurs/Lerngruppe"_s);
    punkt(klassenMenue, u"NeueKlasse1"_s, u"Neue Klasse"_s, nichts, false);
    punkt(klassenMenue, u"Klasseffnen1"_s, u"Klasse öffnen"_s, [this] { BKlassenwahlClick(); });
    QMenu *veraendern = klassenMenue->addMenu(u"Klasse (Schüler) verändern"_s);
    punkt(veraendern, u"Nameneingabe1"_s, u"Nameneingabe"_s, [this] {
        if (klassenGroesse(klasse) == 0) {
            BKlassenwahlClick();
            return;
        }
        einzelschueler->BEinzelschuelerClick(klassenGroesse(klasse) + 1);
    });
    punkt(veraendern, u"Namenlschen1"_s, u"Namen löschen"_s, nichts, false);
    punkt(veraendern, u"Namennderung1"_s, u"Namenänderung"_s, nichts, false);
    punkt(veraendern, u"SchlerinandereKlasseverschieben1"_s,
          u"Schüler in andere Klasse verschieben"_s, [this] {
              if (klassenGroesse(klasse) == 0) {
                  BKlassenwahlClick();
                  return;
              }
              r.information(u"Zum Verschieben eines Schülers eine Klasse auswählen und den Namen "
                            u"anklicken! "_s);
          });
    punkt(klassenMenue, u"Klassendatenexportieren1"_s, u"Klassendaten exportieren (.csv)"_s,
          [this] {
              tabelle->bearbeitungAbschliessen();
              klassendatenExportieren(klasse, klassenGroesse(klasse) > 0, pfad, r);
          });
    punkt(klassenMenue, u"KlasseinneuesSchuljahrversetzen1"_s,
          u"Klasse in neues Schuljahr &versetzen"_s, nichts, false);
    punkt(klassenMenue, u"Zufallsgruppen1"_s, u"Zufallsgruppen"_s, nichts, false);
    punkt(klassenMenue, u"Schlersuchen1"_s, u"Schüler suchen"_s, nichts, false);
    punkt(klassenMenue, u"Klasselschen1"_s, u"Klasse löschen"_s, [this] { KlasseLoeschenClick(); });

    QMenu *notenMenue = menuBar()->addMenu(u"Notenbearbeitung"_s);
    punkt(notenMenue, u"NotenbearbeitungKlasseauswhlen1"_s, u"Notenbearbeitung/ Klasse auswählen"_s,
          [this] { BKlassenwahlClick(); });
    punkt(notenMenue, u"Notenbearbeitungeinzelneschueler1"_s,
          u"Notenbearbeitung/ einzelne Schüler"_s, nichts, false);
    punkt(notenMenue, u"NotenverschiebenineandereKategorie1"_s, u"Notenliste verschieben"_s,
          [this] { r.information(verschiebenHinweis()); });
    punkt(notenMenue, u"NotenlschenganzeKlasse1"_s, u"Noten löschen/ ganze Klasse"_s, nichts);
    punkt(notenMenue, u"AusgabeinDatei1"_s, u"Ausgabe/ Druck (Ø) über Textprogramm"_s, nichts,
          false);
    punkt(notenMenue, u"Drucken1"_s, u"Schnelldruck der sichtbaren Notentabelle"_s, nichts, false);

    QMenu *testMenue = menuBar()->addMenu(u"Tests (Alle Schritte)"_s);
    const QString testPunkte[4] = {u"1. Test konstruieren/ bearbeiten/ drucken"_s,
                                   u"2. Testdurchführung"_s, u"3. Tests korrigieren/ benoten"_s,
                                   u"4. Testrückgabe/ Tests drucken"_s};
    for (int schritt = 1; schritt <= 4; ++schritt) {
        punkt(testMenue, u"Test%1"_s.arg(schritt), testPunkte[schritt - 1],
              [this, schritt] { testFunktionWaehlen(schritt); });
    }
    QMenu *optionenMenue = menuBar()->addMenu(u"Optionen"_s);
    for (const QString &text :
         {u"1. Anfangskonfiguration"_s, u"2. Konfiguration für Testfunktionen"_s,
          u"Konfigurationsdatei bearbeiten"_s, u"Themenliste bearbeiten"_s,
          u"Fächerliste bearbeiten"_s}) {
        optionenMenue->addAction(text)->setEnabled(false);
    }
    QMenu *hilfe = menuBar()->addMenu(u"Hilfe"_s);
    hilfe->addAction(u"Bedienungsanleitung lesen"_s)->setEnabled(false);
    hilfe->addAction(u"Programm-Info"_s)->setEnabled(false);
    QAction *beenden = menuBar()->addAction(u"Be&enden"_s);
    beenden->setObjectName(u"Beenden1"_s);
    connect(beenden, &QAction::triggered, this, [this] { close(); });
}

void TFZensurenbearbeitung::klassenMenuesFreigeben(bool frei)
{
    for (QPushButton *b : {BKlasseSpeichern, BAlleZen, BDurchschnitte, BeinzelListe,
                           BEinzelSchueler, BBezeichnungenUndGewichtungen}) {
        b->setEnabled(frei);
    }
    for (int art = 1; art <= kNotenarten; ++art) {
        BZenKat[art]->setEnabled(frei);
    }
    for (QAction *a : klassenAktionen) {
        a->setEnabled(frei);
    }
}

void TFZensurenbearbeitung::knoepfeFreigeben(bool frei)
{
    for (QPushButton *b : {BKlassenwahl, BKlasseSpeichern, BBezeichnungenUndGewichtungen}) {
        b->setEnabled(frei);
    }
    CBoxSchuljahr->setEnabled(frei);
    CBoxAktSchuljahr->setEnabled(frei);
    // Die Einzelliste sortiert bei geaenderten Optionen selbst; in den anderen Unteransichten
    // bleiben die Optionen fest.
    const bool optionenFrei = frei || unteransicht() == Unteransicht::Einzelliste;
    for (QWidget *w : std::initializer_list<QWidget *>{
             CHBDurchschnitte, ChBGesamtb, ChBLeerspaltenZeigen, ChBKeineAenderung,
             ChBVornamenSortierung, ChBPunkteZensuren, ChBKursSortierung, CBoxJungenMaedchen}) {
        w->setEnabled(optionenFrei);
    }
}
