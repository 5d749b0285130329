#include "grades/fenster/Zensurenbearbeitung.h"

#include "classdata/fenster/klassenwerkzeuge.h"
#include "classdata/fenster/suche_ansicht.h"
#include "classdata/klassendatei.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "common/uhr.h"
#include "grades/fenster/einzelliste_ansicht.h"
#include "grades/fenster/einzelschueler_ansicht.h"
#include "grades/fenster/notenarten_ansicht.h"
#include "grades/fenster/notentabelle_ansicht.h"
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

TFZensurenbearbeitung::TFZensurenbearbeitung(Einstellungen &einstellungen, Rueckfragen &rueckfragen,
                                             Uhr &uhr, QWidget *eltern)
    : QMainWindow(eltern)
    , r(rueckfragen)
    , uhr(uhr)
    , einstellungen(einstellungen)
    , konfiguration(einstellungen, rueckfragen)
{
    setObjectName(u"FZensurenbearbeitung"_s);
    setWindowTitle(u"Notenbearbeitung"_s);
    oberflaecheAufbauen();
    menueAufbauen();

    optionenWerdenGesetzt = true;
    optionenAnwenden(konfiguration.einstellenOptionen());
    optionenWerdenGesetzt = false;

    schuljahr = aktuellesSchuljahr(uhr.heute());
    CBoxSchuljahr->setCurrentText(schuljahr);
    klassenOrdner = schuljahrOrdner(einstellungen.basisOrdner, schuljahr);
    klassenMenuesFreigeben(false);
    PAnsichten->hide();
    LBoxKlassen->hide();
    werkzeuge = new Klassenwerkzeuge(*this);
    resize(1280, 1000);
}

TFZensurenbearbeitung::~TFZensurenbearbeitung() = default;

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
    ChBLeerspaltenZeigen = haken(u"ChBLeerspaltenZeigen"_s, u"Leere Spalten zeigen"_s);
    ChBKeineAenderung = haken(u"ChBKeineAenderung"_s, u"Keine Änderung"_s);
    ChBVornamenSortierung = haken(u"ChBVornamenSortierung"_s, u"Nach Vornamen sortieren"_s);
    ChBPunkteZensuren = haken(u"ChBPunkteZensuren"_s, u"Punkte zeigen"_s);
    ChBKursSortierung = haken(u"ChBKursSortierung"_s, u"Kurs nach Klassen"_s);
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
    connect(CBoxSchuljahr, &QComboBox::currentTextChanged, this,
            [this] { schuljahrGewaehlt(); });
    connect(CBoxAktSchuljahr, &QCheckBox::clicked, this, [this](bool an) {
        if (an) {
            CBoxSchuljahr->setCurrentText(aktuellesSchuljahr(uhr.heute()));
        }
        schuljahrGewaehlt();
    });
    connect(LBoxKlassen, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (zeile >= 0 && LBoxKlassen->isVisible()) {
            klasseLaden(LBoxKlassen->item(zeile)->text(), false);
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
    const auto punkt = [this](QMenu *menue, const QString &name, const QString &text,
                              auto &&aktion, bool frei = true) {
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
          nichts, false);
    punkt(klassenMenue, u"KlasseinneuesSchuljahrversetzen1"_s,
          u"Klasse in neues Schuljahr &versetzen"_s, nichts, false);
    punkt(klassenMenue, u"Zufallsgruppen1"_s, u"Zufallsgruppen"_s, nichts, false);
    punkt(klassenMenue, u"Schlersuchen1"_s, u"Schüler suchen"_s, nichts, false);
    punkt(klassenMenue, u"Klasselschen1"_s, u"Klasse löschen"_s, nichts, false);

    QMenu *notenMenue = menuBar()->addMenu(u"Notenbearbeitung"_s);
    punkt(notenMenue, u"NotenbearbeitungKlasseauswhlen1"_s,
          u"Notenbearbeitung/ Klasse auswählen"_s, [this] { BKlassenwahlClick(); });
    punkt(notenMenue, u"Notenbearbeitungeinzelneschueler1"_s,
          u"Notenbearbeitung/ einzelne Schüler"_s, nichts, false);
    punkt(notenMenue, u"NotenverschiebenineandereKategorie1"_s, u"Notenliste verschieben"_s,
          nichts, false);
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
    for (const QString &text : {u"1. Anfangskonfiguration"_s, u"2. Konfiguration für Testfunktionen"_s,
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
}

// --- Optionen ---------------------------------------------------------------------------------

void TFZensurenbearbeitung::optionenAnwenden(const TabellenOptionen &o)
{
    CBoxJungenMaedchen->setCurrentIndex(o.jungenMaedchenSortierung);
    CHBDurchschnitte->setChecked(o.durchschnitte);
    ChBLeerspaltenZeigen->setChecked(o.leerspalten);
    ChBKeineAenderung->setChecked(o.keineAenderung);
    ChBVornamenSortierung->setChecked(o.vornamensortierung);
    ChBPunkteZensuren->setChecked(o.punktedarstellung);
    ChBGesamtb->setChecked(o.gesamtberechnung);
    optionGeaendert();
}

void TFZensurenbearbeitung::optionGeaendert()
{
    tabelle->bearbeitungAbschliessen();
    tabelle->optionen.durchschnitte = CHBDurchschnitte->isChecked();
    tabelle->optionen.gesamt = ChBGesamtb->isChecked();
    tabelle->optionen.leerspalten = ChBLeerspaltenZeigen->isChecked();
    tabelle->keineAenderung = ChBKeineAenderung->isChecked();
    tabelle->vornamenSortierung = ChBVornamenSortierung->isChecked();
    tabelle->setEditTriggers(tabelle->keineAenderung
                                 ? QAbstractItemView::NoEditTriggers
                                 : QAbstractItemView::DoubleClicked
                                       | QAbstractItemView::AnyKeyPressed
                                       | QAbstractItemView::EditKeyPressed);
    punkteAnzeigeSetzen(ChBPunkteZensuren->isChecked());
    if (klassenGroesse(klasse) > 0) {
        if (einzelliste->offen()) {
            einzelliste->neuFuellen(); // sortiert selbst, mit der offenen Liste
        } else {
            sortieren();
        }
        tabelle->fuellen();
        tabelle->spaltenbreite();
    }
    if (!optionenWerdenGesetzt) {
        TabellenOptionen o;
        o.jungenMaedchenSortierung = CBoxJungenMaedchen->currentIndex();
        o.durchschnitte = CHBDurchschnitte->isChecked();
        o.leerspalten = ChBLeerspaltenZeigen->isChecked();
        o.keineAenderung = ChBKeineAenderung->isChecked();
        o.vornamensortierung = ChBVornamenSortierung->isChecked();
        o.punktedarstellung = ChBPunkteZensuren->isChecked();
        o.gesamtberechnung = ChBGesamtb->isChecked();
        konfiguration.schreibeOptionen(o);
    }
}

void TFZensurenbearbeitung::punkteAnzeigeSetzen(bool punkte)
{
    tabelle->anzeige = punkte ? NotenAnzeige::Punkte : NotenAnzeige::Zensuren;
    LPunkteAnzeige->setText(punkte ? u"Punkte"_s : u"Zensuren(E)"_s);
    PRotesRechteck_PunkteAnzeige->setStyleSheet(
        punkte ? u"#PRotesRechteck_PunkteAnzeige { border: 2px solid rgb(200,0,0); }"_s
               : u"#PRotesRechteck_PunkteAnzeige { border: 2px solid transparent; }"_s);
}

SortierOptionen TFZensurenbearbeitung::sortierOptionen() const
{
    SortierOptionen s;
    s.vornamenSortierung = ChBVornamenSortierung->isChecked();
    s.kursSortierung = ChBKursSortierung->isChecked();
    s.jungenMaedchen = CBoxJungenMaedchen->currentIndex();
    return s;
}

void TFZensurenbearbeitung::sortieren()
{
    sortiereSchuelerliste(klasse, sortierOptionen());
}

// --- Schuljahr und Klassenliste ---------------------------------------------------------------

void TFZensurenbearbeitung::schuljahrGewaehlt()
{
    schuljahr = CBoxSchuljahr->currentText();
    klassenOrdner = schuljahrOrdner(einstellungen.basisOrdner, schuljahr);
    CBoxAktSchuljahr->setChecked(schuljahr == aktuellesSchuljahr(uhr.heute()));
    if (LBoxKlassen->isVisible()) {
        BKlassenwahlClick();
    }
}

void TFZensurenbearbeitung::BKlassenwahlClick()
{
    if (klasseOffen && !LBoxKlassen->isVisible() && speicherAbfrage() < 0) {
        return;
    }
    if (unteransicht() != Unteransicht::Tabelle) {
        PAnsichten->setCurrentWidget(tabelle);
        knoepfeFreigeben(true);
    }
    QStringList eintraege =
        klassenwahl(einstellungen.basisOrdner, schuljahr, aktuellesSchuljahr(uhr.heute()), r);
    if (const auto gefunden = werkzeuge->suchAnsicht->klassenliste()) {
        eintraege = *gefunden;
    }
    const QSignalBlocker sperre(LBoxKlassen);
    LBoxKlassen->clear();
    LBoxKlassen->addItems(eintraege);
    LBoxKlassen->show();
    LBoxKlassen->setCurrentRow(0);
    LBoxKlassen->setFocus();
}

bool TFZensurenbearbeitung::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == LBoxKlassen->viewport()) {
        if (ereignis->type() == QEvent::MouseMove) {
            auto *maus = static_cast<QMouseEvent *>(ereignis);
            if (maus->buttons() & Qt::LeftButton) {
                QListWidgetItem *eintrag = LBoxKlassen->itemAt(maus->position().toPoint());
                if (eintrag != nullptr && eintrag != LBoxKlassen->currentItem()) {
                    LBoxKlassen->setCurrentItem(eintrag);
                }
                return true;
            }
        } else if (ereignis->type() == QEvent::MouseButtonRelease) {
            auto *maus = static_cast<QMouseEvent *>(ereignis);
            QListWidgetItem *eintrag = LBoxKlassen->itemAt(maus->position().toPoint());
            if (eintrag != nullptr && maus->button() == Qt::LeftButton) {
                LBoxKlassen->setCurrentItem(eintrag);
                QTimer::singleShot(0, this, [this, text = eintrag->text()] {
                    klasseLaden(text, true);
                });
            }
        }
    } else if (objekt == LBoxKlassen && ereignis->type() == QEvent::KeyPress) {
        auto *taste = static_cast<QKeyEvent *>(ereignis);
        if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
            if (LBoxKlassen->currentItem() != nullptr) {
                klasseLaden(LBoxKlassen->currentItem()->text(), true);
            }
            return true;
        }
        if (taste->key() == Qt::Key_Escape) {
            LBoxKlassen->hide();
            if (klassenGroesse(klasse) > 0) {
                tabelle->setFocus();
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

bool TFZensurenbearbeitung::klasseLaden(const QString &eintrag, bool oeffnen)
{
    if (!eintrag.toUpper().contains(u"DTA"_s)) {
        return false;
    }
    const QString neuerPfad = klassenOrdner + eintrag;
    Klasse neu;
    if (!klasseLadenAusDatei(neuerPfad, neu, r)) {
        return false;
    }
    klasse = std::move(neu);
    pfad = neuerPfad;
    klassenname = klassennameAusEintrag(eintrag);
    klassenToken = klassenKuerzel(eintrag);
    LKlasse->setText(klassenname);
    tabelle->setzeKlasse(&klasse, klassenname);
    schuelerNr = 1;
    einzelschueler->klasseGewechselt();
    ZenListeGesamtNeuAufbauen();
    LZenErlaeuterung->clear();
    LZenDatum->clear();
    klassenMenuesFreigeben(true);
    if (tabelle->rowCount() > 3) {
        const QSignalBlocker sperre(tabelle);
        tabelle->setCurrentCell(3, kFesteSpalten);
    }
    if (oeffnen) {
        LBoxKlassen->hide();
        tabelle->setFocus();
        emit klasseGeoeffnet();
    }
    return true;
}

void TFZensurenbearbeitung::ZenListeGesamtNeuAufbauen()
{
    sortieren();
    zenArtButtonsFuellen();
    tabelle->ansicht = Ansicht::Alle;
    tabelle->fuellen();
    tabelle->spaltenbreite();
    ansichtsKnoepfeFaerben();
    PAnsichten->setCurrentWidget(tabelle);
    PAnsichten->show();
    klasseOffen = true;
}

void TFZensurenbearbeitung::zenArtButtonsFuellen()
{
    for (int art = 1; art <= kNotenarten; ++art) {
        kategorieBeschriftung[art] = klasse.notenart(art).kurzform;
        BZenKat[art]->setText(kategorieBeschriftung[art]);
    }
}

bool TFZensurenbearbeitung::BKlasseSpeichernClick()
{
    tabelle->bearbeitungAbschliessen();
    einzelschueler->feldUebernehmen();
    const int punkt = pfad.lastIndexOf(u'.');
    if (!klasseOffen || punkt < 0 || pfad.size() - punkt - 1 != 3) {
        return false;
    }
    LBoxKlassen->hide();
    BKlasseSpeichern->setText(u"Gespeichert!"_s);
    ordnerAnlegen(pfad.left(pfad.lastIndexOf(kTrenner) + 1));
    const bool ok = klassenlisteSchreiben(pfad, klasse, r);
    if (!ok) {
        BKlasseSpeichern->setText(u"&Speichern"_s);
        return false;
    }
    QTimer::singleShot(1000, BKlasseSpeichern,
                       [this] { BKlasseSpeichern->setText(u"&Speichern"_s); });
    return true;
}

int TFZensurenbearbeitung::speicherAbfrage()
{
    if (!klasseOffen) {
        return 0;
    }
    tabelle->bearbeitungAbschliessen();
    const auto antwort = r.frage(Rueckfragen::Art::Frage,
                                 u"Soll die bearbeitete Datei gespeichert werden?"_s,
                                 Rueckfragen::Knoepfe::JaNeinAbbrechen);
    if (antwort == Rueckfragen::Knopf::Ja) {
        // Misslingt das Speichern, bleibt die Klasse offen: nichts darf verloren gehen.
        if (!BKlasseSpeichernClick()) {
            return -1;
        }
    } else if (antwort != Rueckfragen::Knopf::Nein) {
        return -1;
    }
    klasseSchliessen();
    return 0;
}

void TFZensurenbearbeitung::klasseSchliessen()
{
    klasseOffen = false;
    tabelle->leeren();
    loescheAlleSchueler(klasse);
    klassenMenuesFreigeben(false);
    PAnsichten->setCurrentWidget(tabelle);
    PAnsichten->hide();
    knoepfeFreigeben(true);
}

// --- Ansichten --------------------------------------------------------------------------------

TFZensurenbearbeitung::Unteransicht TFZensurenbearbeitung::unteransicht() const
{
    QWidget *w = PAnsichten->currentWidget();
    if (w == einzelliste) {
        return Unteransicht::Einzelliste;
    }
    if (w == einzelschueler) {
        return Unteransicht::Einzelschueler;
    }
    if (w == notenarten) {
        return Unteransicht::Notenarten;
    }
    return Unteransicht::Tabelle;
}

void TFZensurenbearbeitung::zeigeArt(int art)
{
    if (unteransicht() == Unteransicht::Einzelliste) {
        einzelliste->artGewaehlt(art);
        aktuelleArt = art;
        return;
    }
    if (unteransicht() != Unteransicht::Tabelle) {
        return;
    }
    tabelle->bearbeitungAbschliessen();
    aktuelleArt = art;
    tabelle->ansicht = Ansicht::Art;
    tabelle->ansichtArt = art;
    tabelle->spaltenbreite();
    ansichtsKnoepfeFaerben();
    const int zeile = std::max(tabelle->currentRow(), 3);
    if (tabelle->rowCount() > zeile) {
        tabelle->setCurrentCell(zeile, startSpalte(art));
    }
    tabelle->setFocus();
}

void TFZensurenbearbeitung::BAlleZenClick()
{
    if (unteransicht() != Unteransicht::Tabelle) {
        return;
    }
    tabelle->bearbeitungAbschliessen();
    tabelle->ansicht = Ansicht::Alle;
    tabelle->spaltenbreite();
    ansichtsKnoepfeFaerben();
    tabelle->setFocus();
}

void TFZensurenbearbeitung::BDurchschnitteClick()
{
    if (unteransicht() != Unteransicht::Tabelle) {
        return;
    }
    tabelle->bearbeitungAbschliessen();
    tabelle->ansicht = Ansicht::Berechnungen;
    CHBDurchschnitte->setChecked(true);
    tabelle->spaltenbreite();
    ansichtsKnoepfeFaerben();
    tabelle->setFocus();
}

void TFZensurenbearbeitung::ansichtsKnoepfeFaerben()
{
    const QString normalAnsicht = u"QPushButton { background: rgb(255,255,225); }"_s;
    const QString gewaehltAnsicht = u"QPushButton { background: rgb(215,230,215); }"_s;
    const QString gewaehltArt = u"QPushButton { background: rgb(220,240,250); }"_s;
    for (int art = 1; art <= kNotenarten; ++art) {
        const bool gewaehlt = tabelle->ansicht == Ansicht::Art && tabelle->ansichtArt == art;
        BZenKat[art]->setStyleSheet(gewaehlt ? gewaehltArt : QString());
    }
    BAlleZen->setStyleSheet(tabelle->ansicht == Ansicht::Alle ? gewaehltAnsicht : normalAnsicht);
    BDurchschnitte->setStyleSheet(tabelle->ansicht == Ansicht::Berechnungen ? gewaehltAnsicht
                                                                             : normalAnsicht);
}

void TFZensurenbearbeitung::notenartKnoepfeOhneKaufmannsUnd(bool ohne)
{
    for (int art = 1; art <= kNotenarten; ++art) {
        BZenKat[art]->setText(ohne ? ohneErstesKaufmannsUnd(kategorieBeschriftung[art])
                                   : kategorieBeschriftung[art]);
    }
    BAlleZen->setText(ohne ? u"Alle"_s : u"&Alle"_s);
    BDurchschnitte->setText(ohne ? u"Berechnungen"_s : u"&Berechnungen"_s);
}

void TFZensurenbearbeitung::unteransichtSchliessen()
{
    notenartKnoepfeOhneKaufmannsUnd(false);
    knoepfeFreigeben(true);
    PAnsichten->setCurrentWidget(tabelle);
    if (klassenGroesse(klasse) > 0 || klasseOffen) {
        sortieren();
        zenArtButtonsFuellen();
        tabelle->setzeKlasse(&klasse, klassenname);
        tabelle->fuellen();
        tabelle->spaltenbreite();
    }
    tabelle->setFocus();
}

// --- Tabelle ----------------------------------------------------------------------------------

bool TFZensurenbearbeitung::zellwertUebernehmen(int spalte, int zeile, const QString &text)
{
    const int nr = zeile - 2;
    const std::optional<QString> note = zellwertAlsNote(text, tabelle->anzeige);
    if (!note || nr < 1 || nr > klassenGroesse(klasse) || !slotBearbeitbar(klasse, spalte)) {
        r.piep();
        QTimer::singleShot(0, tabelle, [this, zeile, spalte] {
            if (zeile < tabelle->rowCount()) {
                tabelle->setCurrentCell(zeile, spalte);
            }
        });
        return false;
    }
    noteInKlasseSchreiben(klasse, spalte, zeile, *note);
    klasseOffen = true;
    sortieren();
    tabelle->fuellen();
    tabelle->spaltenbreite();
    return true;
}

void TFZensurenbearbeitung::zelleGewaehlt(int zeile, int spalte)
{
    if (zeile < kFesteZeilen || spalte < kFesteSpalten || klassenGroesse(klasse) == 0) {
        return;
    }
    const SpaltenInfo info = spaltenInfo(spalte);
    if (info.typ != SpaltenInfo::Typ::Note) {
        return;
    }
    aktuelleArt = info.art;
    const int vorhanden = vorhandeneNoten(klasse, info.art);
    if (info.slot > vorhanden) {
        LZenErlaeuterung->setText(u"Bitte erst die Spalten weiter links auffüllen!"_s);
        LZenDatum->clear();
        return;
    }
    LZenErlaeuterung->setText(klasse.erlaeuterung(info.art, info.slot));
    LZenDatum->setText(slotDatumText(klasse, info.art, info.slot));
}

void TFZensurenbearbeitung::zelleGeklickt(int zeile, int spalte)
{
    if (zeile < kFesteZeilen || spalte < kFesteSpalten || klassenGroesse(klasse) == 0) {
        return;
    }
    klasseOffen = true;
    const SpaltenInfo info = spaltenInfo(spalte);
    if (info.typ != SpaltenInfo::Typ::Note) {
        return;
    }
    if (info.slot == vorhandeneNoten(klasse, info.art)) {
        klasse.erlaeuterung(info.art, info.slot) = u"neu"_s;
        klasse.datum(info.art, info.slot) = uhr.heute().toString(u"yyyy-MM-dd"_s);
        tabelle->item(0, spalte)->setText(u"neu"_s);
    }
    zelleGewaehlt(zeile, spalte);
}

void TFZensurenbearbeitung::kopfZelleGeklickt(int spalte)
{
    if (klassenGroesse(klasse) == 0 || spalte < kFesteSpalten) {
        r.piep();
        return;
    }
    const SpaltenInfo info = spaltenInfo(spalte);
    if (info.typ != SpaltenInfo::Typ::Note || info.slot > vorhandeneNoten(klasse, info.art)) {
        r.piep();
        return;
    }
    aktuelleArt = info.art;
    einzelliste->oeffnenMitListe(info.art, info.slot);
}

void TFZensurenbearbeitung::namensZelleGeklickt(int zeile)
{
    const int nr = zeile - 2;
    if (nr < 1 || nr > klassenGroesse(klasse) + 1) {
        return;
    }
    einzelschueler->BEinzelschuelerClick(nr);
}

// --- Tasten -----------------------------------------------------------------------------------

void TFZensurenbearbeitung::befehlsTaste(QChar buchstabe)
{
    if (unteransicht() != Unteransicht::Tabelle || LBoxKlassen->isVisible()) {
        return;
    }
    switch (buchstabe.unicode()) {
    case u'c':
        CBoxSchuljahr->setFocus();
        CBoxSchuljahr->showPopup();
        return;
    case u'd':
        werkzeuge->klassenDruck();
        return;
    case u'g':
        ChBGesamtb->toggle();
        return;
    case u'k':
        ChBKeineAenderung->toggle();
        return;
    case u'l':
        ChBLeerspaltenZeigen->toggle();
        return;
    case u'p':
        ChBPunkteZensuren->toggle();
        return;
    case u's':
        BKlasseSpeichernClick();
        return;
    case u'u':
        CHBDurchschnitte->toggle();
        return;
    case u'v':
        ChBVornamenSortierung->toggle();
        return;
    case u'w':
        BKlassenwahlClick();
        return;
    case u'z':
        zurUebersichtWechseln();
        return;
    default:
        break;
    }
    // Sonst die Taste eines Knopfes mit "&" vor dem Buchstaben (Notenarten, Alle, Berechnungen,
    // Einzelliste, Bezeichnungen).
    const QString marke = u"&"_s + buchstabe;
    for (QPushButton *b : findChildren<QPushButton *>()) {
        if (b->isVisible() && b->isEnabled() && b->text().contains(marke, Qt::CaseInsensitive)) {
            b->click();
            return;
        }
    }
}

void TFZensurenbearbeitung::escTaste()
{
    if (LBoxKlassen->isVisible()) {
        LBoxKlassen->hide();
        return;
    }
    if (unteransicht() == Unteransicht::Tabelle) {
        zurUebersichtWechseln();
    }
}

void TFZensurenbearbeitung::keyPressEvent(QKeyEvent *ereignis)
{
    if (ereignis->key() == Qt::Key_Escape) {
        if (unteransicht() == Unteransicht::Einzelliste) {
            einzelliste->escTaste();
            return;
        }
        if (unteransicht() == Unteransicht::Notenarten) {
            notenarten->abbrechen();
            return;
        }
        escTaste();
        return;
    }
    if ((ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter)
        && unteransicht() == Unteransicht::Notenarten) {
        notenarten->ok();
        return;
    }
    if (unteransicht() == Unteransicht::Einzelliste && !ereignis->text().isEmpty()) {
        const QChar b = ereignis->text()[0].toLower();
        if (b == u'k') {
            ChBKeineAenderung->toggle();
            return;
        }
        if (b == u'p') {
            ChBPunkteZensuren->toggle();
            return;
        }
        if (b == u'v') {
            ChBVornamenSortierung->toggle();
            return;
        }
    }
    QMainWindow::keyPressEvent(ereignis);
}

void TFZensurenbearbeitung::zurUebersichtWechseln()
{
    if (speicherAbfrage() < 0) {
        return;
    }
    emit zurUebersicht();
}

void TFZensurenbearbeitung::testFunktionWaehlen(int schritt)
{
    if (speicherAbfrage() < 0) {
        return;
    }
    emit testFunktion(schritt);
}

void TFZensurenbearbeitung::closeEvent(QCloseEvent *ereignis)
{
    if (speicherAbfrage() < 0) {
        ereignis->ignore();
        return;
    }
    ereignis->accept();
    emit programmBeenden();
}

bool TFZensurenbearbeitung::ZenAusBenotungEintragen(const QString &klassenEintrag,
                                                    const QList<BenotungsErgebnis> &ergebnisse)
{
    if (speicherAbfrage() < 0) {
        return false;
    }
    if (!klasseLaden(klassenEintrag, true)) {
        return false;
    }
    einzelliste->testnotenEmpfangen(ergebnisse);
    return true;
}
