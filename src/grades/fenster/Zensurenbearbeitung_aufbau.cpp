// Aufbau des Notenfensters: Steuerelemente, Anordnung und Menue.
#include "grades/fenster/Zensurenbearbeitung.h"

#include "classdata/klassendatei.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "common/uhr.h"
#include "grades/fenster/einzelliste_ansicht.h"
#include "grades/fenster/einzelschueler_ansicht.h"
#include "grades/fenster/notenarten_ansicht.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "grades/klassenexport.h"
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

#include <algorithm>

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
    BNeueKlasse = knopf(u"BNeueKlasse"_s, u"&Neue Klasse"_s);
    // Im Suchmodus traegt der erste Knopf zwei Zeilen. Breite und Zeilenhoehe stehen dafuer von
    // Anfang an bereit, sonst springen beim Suchen die Knoepfe daneben und darunter.
    {
        QPushButton zweizeilig(u"Schülersuche/\nweiter suchen"_s);
        zweizeilig.setFont(BKlassenwahl->font());
        const QSize zwei = zweizeilig.sizeHint();
        BKlassenwahl->setMinimumWidth(std::max(zwei.width(), BKlassenwahl->sizeHint().width()));
        auto *stuetze = new QWidget(this);
        stuetze->setObjectName(u"Zeile1Hoehe"_s);
        stuetze->setFixedSize(0, zwei.height());
        zeile1->addWidget(stuetze);
    }
    zeile1->addWidget(BKlassenwahl);
    zeile1->addWidget(BNeueKlasse);
    zeile1->addWidget(new QLabel(u"Schuljahr:"_s, this));
    zeile1->addWidget(CBoxSchuljahr);
    zeile1->addWidget(CBoxAktSchuljahr);
    zeile1->addWidget(BKlasseSpeichern);
    zeile1->addSpacing(20);
    zeile1->addWidget(LKlasse);
    zeile1->addStretch(1);
    BZurueck = knopf(u"BZurueck"_s, u"Zurück zur Übersicht"_s);
    zeile1->addWidget(BZurueck);
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
    haupt->addWidget(PAnsichten, 1);
    senkrecht->addLayout(haupt, 1);

    connect(BKlassenwahl, &QPushButton::clicked, this, [this] { BKlassenwahlClick(); });
    connect(BZurueck, &QPushButton::clicked, this, &TFZensurenbearbeitung::zurueckKnopf);
    connect(BNeueKlasse, &QPushButton::clicked, this, [this] { neueKlasse(); });
    connect(BKlasseSpeichern, &QPushButton::clicked, this, [this] { BKlasseSpeichernClick(); });
    connect(CBoxSchuljahr, &QComboBox::currentTextChanged, this, [this] { schuljahrGewaehlt(); });
    connect(CBoxAktSchuljahr, &QCheckBox::clicked, this, [this](bool an) {
        if (an) {
            const QSignalBlocker sperre(CBoxSchuljahr);
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
    tabelle->setEditTriggers(tabelle->keineAenderung ? QAbstractItemView::NoEditTriggers
                                                     : QAbstractItemView::DoubleClicked |
                                                           QAbstractItemView::AnyKeyPressed |
                                                           QAbstractItemView::EditKeyPressed);
    einzelliste->keineAenderung = tabelle->keineAenderung;
    punkteAnzeigeSetzen(ChBPunkteZensuren->isChecked());

    SortierOptionen s;
    s.vornamenSortierung = ChBVornamenSortierung->isChecked();
    s.kursSortierung = ChBKursSortierung->isChecked();
    s.jungenMaedchen = CBoxJungenMaedchen->currentIndex();
    sitzung.setzeSortierung(s);
    if (sitzung.groesse() > 0) {
        if (einzelliste->offen()) {
            einzelliste->neuFuellen(); // sortiert selbst, mit der offenen Liste
        } else {
            sitzung.sortieren();
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
    einzelliste->punkte = punkte;
    LPunkteAnzeige->setText(punkte ? u"Punkte"_s : u"Zensuren(E)"_s);
    PRotesRechteck_PunkteAnzeige->setStyleSheet(
        punkte ? u"#PRotesRechteck_PunkteAnzeige { border: 2px solid rgb(200,0,0); }"_s
               : u"#PRotesRechteck_PunkteAnzeige { border: 2px solid transparent; }"_s);
}
