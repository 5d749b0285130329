// Aufbau der Testauswahl: Namens- und Filterfeld, Testliste mit Vorschau, Knopfspalte mit
// Schrittrahmen, Listen der Durchfuehrung bzw. Sitzplan, Navigation und Fenstermenue.
#include "conduct/fenster/SchuelerdatenFormUnit.h"
#include "conduct/fenster/schrittrahmen.h"
#include "conduct/fenster/sitzplan.h"
#include "conduct/testname.h"
#include "widgets/ColorButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QColor kGruen(0, 128, 0);
const QColor kBlau(0, 0, 255);

template<typename T>
T *benannt(T *w, const QString &name)
{
    w->setObjectName(name);
    return w;
}

QPushButton *knopf(const QString &name, const QString &text)
{
    auto *b = benannt(new QPushButton(text), name);
    b->setMinimumHeight(44);
    b->setAutoDefault(false);
    return b;
}

QLabel *hinweis(const QString &text)
{
    auto *l = new QLabel(text);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    l->setFont(f);
    l->setWordWrap(true);
    return l;
}

} // namespace

void TSchuelerdatenEingabefenster::oberflaecheAufbauen()
{
    auto *zentrum = new QWidget;
    auto *gesamt = new QVBoxLayout(zentrum);
    gesamt->setContentsMargins(6, 4, 6, 6);
    gesamt->setSpacing(4);

    PMenueUeberschrift = benannt(new QFrame, u"PMenueUeberschrift"_s);
    PMenueUeberschrift->setAutoFillBackground(true);
    auto *kopf = new QVBoxLayout(PMenueUeberschrift);
    kopf->setContentsMargins(8, 4, 8, 2);
    LTestFilter = benannt(new QLabel, u"LTestFilter"_s);
    QFont titel = LTestFilter->font();
    titel.setPointSizeF(titel.pointSizeF() * 1.4);
    titel.setBold(true);
    LTestFilter->setFont(titel);
    kopf->addWidget(LTestFilter);
    SFarblinieMenue2 = benannt(new QFrame, u"SFarblinieMenue2"_s);
    SFarblinieMenue2->setFixedHeight(3);
    SFarblinieMenue2->setAutoFillBackground(true);
    kopf->addWidget(SFarblinieMenue2);
    gesamt->addWidget(PMenueUeberschrift);

    PKlassenTestAuswahl = benannt(new QWidget, u"PKlassenTestAuswahl"_s);
    PKlassenTestAuswahl->setAutoFillBackground(true);
    auto *auswahl = new QGridLayout(PKlassenTestAuswahl);
    auswahl->setContentsMargins(4, 4, 4, 4);
    auswahl->addWidget(namensfeldAufbauen(), 0, 0, 1, 2);
    auswahl->addWidget(listeAufbauen(), 1, 0);
    auswahl->addWidget(knopfspalteAufbauen(), 1, 1, 2, 1, Qt::AlignTop);
    auswahl->addWidget(unterbereichAufbauen(), 2, 0);
    auswahl->setRowStretch(1, 3);
    auswahl->setRowStretch(2, 2);
    auswahl->setColumnStretch(0, 1);
    gesamt->addWidget(PKlassenTestAuswahl, 1);

    auto *navigation = new QHBoxLayout;
    BUebersicht = benannt(new TColorButton(u"Zurück zur Übersicht"_s), u"BUebersicht"_s);
    BDurchfuehrungKonstruktion =
        benannt(new TColorButton(u"<  zur Testkonstruktion"_s), u"BDurchfuehrungKonstruktion"_s);
    BDurchfuehrungRueckgabe =
        benannt(new TColorButton(u"zur Testdurchführung  >"_s), u"BDurchfuehrungRueckgabe"_s);
    for (TColorButton *b : {BUebersicht, BDurchfuehrungKonstruktion, BDurchfuehrungRueckgabe}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(200);
    }
    navigation->addWidget(BUebersicht);
    navigation->addStretch(1);
    navigation->addWidget(BDurchfuehrungKonstruktion);
    navigation->addWidget(BDurchfuehrungRueckgabe);
    gesamt->addLayout(navigation);
    setCentralWidget(zentrum);

    PWartehinweisBenotung = benannt(new QLabel(this), u"PWartehinweisBenotung"_s);
    PWartehinweisBenotung->setStyleSheet(
        u"QLabel { background: rgb(255,255,225); border: 2px "
        u"solid rgb(155,0,0); padding: 16px; font-weight: bold; }"_s);
    PWartehinweisBenotung->hide();

    connect(BUebersicht, &QPushButton::clicked, this, [this] { BUebersichtClick(); });
    connect(BDurchfuehrungKonstruktion, &QPushButton::clicked, this,
            [this] { BDurchfuehrungKonstruktionClick(); });
    connect(BDurchfuehrungRueckgabe, &QPushButton::clicked, this,
            [this] { BDurchfuehrungRueckgabeClick(); });
    menueAufbauen();
}

QWidget *TSchuelerdatenEingabefenster::namensfeldAufbauen()
{
    PHauptTestAngaben = benannt(new QWidget, u"PHauptTestAngaben"_s);
    auto *g = new QGridLayout(PHauptTestAngaben);
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(1);

    CBoxKlasse = benannt(new QComboBox, u"CBoxKlasse"_s);
    CBoxKlasse->setEditable(true);
    CBoxKlasse->setInsertPolicy(QComboBox::NoInsert);
    CBoxKlasse->addItems(klassenAuswahl());
    CBoxKlasse->setMinimumContentsLength(4);
    CBoxFach = benannt(new QComboBox, u"CBoxFach"_s);
    CBoxFach->setEditable(true);
    CBoxFach->setInsertPolicy(QComboBox::NoInsert);
    CBoxFach->setMinimumContentsLength(14);
    CBoxTestNr = benannt(new QComboBox, u"CBoxTestNr"_s);
    CBoxTestNr->addItem(u"..."_s);
    for (const QChar c : kTestnummern) {
        CBoxTestNr->addItem(QString(c));
    }
    CBoxThema = benannt(new QComboBox, u"CBoxThema"_s);
    CBoxThema->setEditable(true);
    CBoxThema->setInsertPolicy(QComboBox::NoInsert);
    CBoxThema->setMinimumContentsLength(28);
    CBoxSchuljahr = benannt(new QComboBox, u"CBoxSchuljahr"_s);
    CBoxSchuljahr->setMinimumContentsLength(7);
    CBoxAktSchuljahr = benannt(new QCheckBox(u"Akt."_s), u"CBoxAktSchuljahr"_s);
    CBoxAlleSchuljahre = benannt(new QCheckBox(u"Alle"_s), u"CBoxAlleSchuljahre"_s);
    CBoxTestArt = benannt(new QComboBox, u"CBoxTestArt"_s);
    CBoxTestArt->addItems({u"Alle"_s, u"Multiple Choice"_s, u"Lückentext"_s, u"Grafiklegende"_s});
    LgefundenPlusEins = benannt(new QLabel, u"LgefundenPlusEins"_s);
    LgefundenPlusEins->setMinimumWidth(24);
    LgefundenPlusEins->setToolTip(u"Vorgeschlagene Nummer des neuen Tests"_s);
    BFilterLoeschen = knopf(u"BFilterLoeschen"_s, u"Alle Filter löschen (.)"_s);
    BFilterLoeschen->setMinimumHeight(0);
    LThema = benannt(new QLabel(u"Thema"_s), u"LThema"_s);

    g->addWidget(new QLabel(u"Klasse"_s), 0, 0);
    g->addWidget(new QLabel(u"Fach"_s), 0, 1);
    g->addWidget(new QLabel(u"Nr."_s), 0, 2, 1, 2);
    g->addWidget(LThema, 0, 4);
    g->addWidget(new QLabel(u"Schuljahr"_s), 0, 5, 1, 3);
    g->addWidget(new QLabel(u"Testart"_s), 0, 8);
    g->addWidget(CBoxKlasse, 1, 0);
    g->addWidget(CBoxFach, 1, 1);
    g->addWidget(CBoxTestNr, 1, 2);
    g->addWidget(LgefundenPlusEins, 1, 3);
    g->addWidget(CBoxThema, 1, 4);
    g->addWidget(CBoxSchuljahr, 1, 5);
    g->addWidget(CBoxAktSchuljahr, 1, 6);
    g->addWidget(CBoxAlleSchuljahre, 1, 7);
    g->addWidget(CBoxTestArt, 1, 8);
    g->addWidget(BFilterLoeschen, 1, 9);
    g->addWidget(hinweis(u"(Kerngruppe 8.1 als 81 eingeben)"_s), 2, 0, 1, 2);
    g->addWidget(hinweis(u"4 Buchstaben Themenkürzel, dann 1 Minus- und 1 Leerzeichen, dann das "
                         u"ausführliche Thema"_s),
                 2, 4, 1, 5);
    g->setColumnStretch(4, 1);

    connect(CBoxKlasse, &QComboBox::editTextChanged, this,
            [this](const QString &t) { klassentextGeaendert(t); });
    for (QComboBox *b : {CBoxFach, CBoxTestNr}) {
        connect(b, &QComboBox::currentIndexChanged, this, [this] { dateinamen_neu(); });
    }
    connect(CBoxThema, &QComboBox::currentIndexChanged, this, [this] { dateinamen_neu(); });
    // Getippte Fach- und Themenangaben werden beim Verlassen des Feldes geprueft. Den Fokus
    // haelt das Feld selbst (seine Zeile leitet ihn dorthin um), also kommt dort das Verlassen an.
    for (QComboBox *b : {CBoxFach, CBoxThema}) {
        b->installEventFilter(this);
        b->lineEdit()->installEventFilter(this);
    }
    connect(CBoxSchuljahr, &QComboBox::currentIndexChanged, this, [this] { schuljahrGewaehlt(); });
    connect(CBoxAktSchuljahr, &QCheckBox::clicked, this, [this](bool an) {
        if (an) {
            CBoxAlleSchuljahre->setChecked(false);
            schuljahrGewaehlt();
        }
    });
    connect(CBoxAlleSchuljahre, &QCheckBox::clicked, this, [this](bool an) {
        if (an) {
            CBoxAktSchuljahr->setChecked(false);
            CBoxSchuljahr->setCurrentIndex(0);
        }
    });
    connect(CBoxTestArt, &QComboBox::currentIndexChanged, this, [this] { testArtGewaehlt(); });
    connect(BFilterLoeschen, &QPushButton::clicked, this, [this] { FilterLoeschen(); });
    return PHauptTestAngaben;
}

QWidget *TSchuelerdatenEingabefenster::listeAufbauen()
{
    auto *w = new QWidget;
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(0, 4, 0, 0);
    l->setSpacing(2);
    auto *zeile = new QHBoxLayout;
    LVorhandeneTests = benannt(new QLabel(u"Test/ Klasse auswählen:"_s), u"LVorhandeneTests"_s);
    QFont fett = LVorhandeneTests->font();
    fett.setBold(true);
    LVorhandeneTests->setFont(fett);
    zeile->addWidget(LVorhandeneTests, 1);
    zeile->addWidget(hinweis(u"KK,F,N,TTTT (.__A)"_s));
    l->addLayout(zeile);

    ListBoxThemenMitErklaerung = benannt(new QListWidget, u"ListBoxThemenMitErklaerung"_s);
    QFont fest(u"Monospace"_s);
    fest.setStyleHint(QFont::TypeWriter);
    ListBoxThemenMitErklaerung->setFont(fest);
    ListBoxThemenMitErklaerung->viewport()->installEventFilter(this);
    connect(ListBoxThemenMitErklaerung, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *i) {
                ListBoxThemenMitErklaerungClick(ListBoxThemenMitErklaerung->row(i));
            });
    // Mit den Pfeiltasten erreicht und Enter gedrueckt: der Eintrag gilt als gewaehlt, bevor
    // die Eingabetaste beim Fenster ankommt (das ihn dann oeffnet).
    connect(ListBoxThemenMitErklaerung, &QListWidget::activated, this,
            [this](const QModelIndex &i) {
                if (!sitzung.gewaehlt() || gewaehlteZeile != i.row()) {
                    ListBoxThemenMitErklaerungClick(i.row());
                }
            });
    l->addWidget(ListBoxThemenMitErklaerung, 1);

    auto *marken = new QHBoxLayout;
    LkopiertfuerSchueler = benannt(new QLabel, u"LkopiertfuerSchueler"_s);
    LMitBildern = benannt(new QLabel(u"mit Bildern"_s), u"LMitBildern"_s);
    LAusgegeben = benannt(new QLabel(u"ausgegeben"_s), u"LAusgegeben"_s);
    LAusgegeben->setStyleSheet(u"color: rgb(0,128,0); font-weight: bold"_s);
    LMitBildern->hide();
    LAusgegeben->hide();
    marken->addWidget(LkopiertfuerSchueler);
    marken->addWidget(LMitBildern);
    marken->addWidget(LAusgegeben);
    marken->addStretch(1);
    l->addLayout(marken);
    return w;
}

QWidget *TSchuelerdatenEingabefenster::knopfspalteAufbauen()
{
    auto *w = new QWidget;
    auto *g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    g->setSpacing(0);
    const auto rahmen = [w](QAbstractButton *b, const QString &name, const QColor &farbe) {
        auto *r = new Schrittrahmen(b, name, farbe, w);
        r->setObjectName(name + u"Halter"_s);
        return r;
    };
    BNeuenTest = knopf(u"BNeuenTest"_s, u"Neuen Test"_s);
    BNeuAufVorlage = knopf(u"BNeuAufVorlage"_s, u"Neu/ Themenvorlage"_s);
    BNeuAlleVorlagen = knopf(u"BNeuAlleVorlagen"_s, u"Neu/ alle Vorlagen"_s);
    BVorhandenenTestOeffnen = knopf(u"BVorhandenenTestOeffnen"_s, u"Test öffnen"_s);
    BTestLoeschen = knopf(u"BTestLoeschen"_s, u"Test löschen"_s);
    BSitzplan = knopf(u"BSitzplan"_s, u"Sitzplan\n(erst Test auswählen)"_s);
    BTestBereitStellen =
        knopf(u"BTestBereitStellen"_s, u"Kopieren, bereit stellen /\nDurchführung beginnen"_s);
    BTestBereitStellen->setMinimumHeight(52);
    BTestRueckgabeNurLesen = knopf(u"BTestRueckgabeNurLesen"_s, u"Testrückgabe/ nur lesen"_s);
    BBereitgestellteTestsLoeschen =
        knopf(u"BBereitgestellteTestsLoeschen"_s, u"Bereit gestellte Tests löschen"_s);
    BBenoten = knopf(u"BBenoten"_s, u"Tests benoten"_s);
    BDrucken = knopf(u"BDrucken"_s, u"Drucken"_s);
    BAlleDrucken = knopf(u"BAlleDrucken"_s, u"Alle drucken"_s);
    BEinzelDruck = knopf(u"BEinzelDruck"_s, u"<-- Druckauswahl"_s);
    BZusammenfassungDrucken = knopf(u"BZusammenfassungDrucken"_s, u"Zusammenfassung drucken"_s);
    for (QPushButton *b :
         {BNeuenTest, BNeuAufVorlage, BNeuAlleVorlagen, BVorhandenenTestOeffnen, BTestLoeschen,
          BSitzplan, BTestBereitStellen, BTestRueckgabeNurLesen, BBereitgestellteTestsLoeschen,
          BBenoten, BDrucken, BAlleDrucken, BEinzelDruck, BZusammenfassungDrucken}) {
        b->setMinimumWidth(190);
    }

    PHBlauerRahmenNeuenTest = rahmen(BNeuenTest, u"PHBlauerRahmenNeuenTest"_s, kBlau);
    PHBlauerRahmenNeutestaufVorlage =
        rahmen(BNeuAufVorlage, u"PHBlauerRahmenNeutestaufVorlage"_s, kBlau);
    PHBlauerRahmenNeutestAlleVorlagen =
        rahmen(BNeuAlleVorlagen, u"PHBlauerRahmenNeutestAlleVorlagen"_s, kBlau);
    PGruenerRahmenVorhTestOeffnen =
        rahmen(BVorhandenenTestOeffnen, u"PGruenerRahmenVorhTestOeffnen"_s, kGruen);
    PGruenerRahmenTestLoeschen = rahmen(BTestLoeschen, u"PGruenerRahmenTestLoeschen"_s, kGruen);
    PGruenerRahmenSitzplan = rahmen(BSitzplan, u"PGruenerRahmenSitzplan"_s, kGruen);
    PGruenerRahmenDurchfuehrung =
        rahmen(BTestBereitStellen, u"PGruenerRahmenDurchfuehrung"_s, kGruen);
    PGruenerRahmenTestRueckgabeNurLesen =
        rahmen(BTestRueckgabeNurLesen, u"PGruenerRahmenTestRueckgabeNurLesen"_s, kGruen);
    auto *loeschenHalter = rahmen(BBereitgestellteTestsLoeschen, u"PRahmenLoeschen"_s, kGruen);
    PGruenerRahmenBenotung = rahmen(BBenoten, u"PGruenerRahmenBenotung"_s, kGruen);
    PGruenerRahmenDrucken = rahmen(BDrucken, u"PGruenerRahmenDrucken"_s, kGruen);
    PGruenerRahmenAlleDrucken = rahmen(BAlleDrucken, u"PGruenerRahmenAlleDrucken"_s, kGruen);
    PGruenerRahmenEinzelDruck = rahmen(BEinzelDruck, u"PGruenerRahmenEinzelDruck"_s, kGruen);
    auto *zusammenfassungHalter =
        rahmen(BZusammenfassungDrucken, u"PRahmenZusammenfassung"_s, kGruen);

    int zeile = 0;
    for (Schrittrahmen *r :
         {PHBlauerRahmenNeuenTest, PHBlauerRahmenNeutestaufVorlage,
          PHBlauerRahmenNeutestAlleVorlagen, PGruenerRahmenVorhTestOeffnen,
          PGruenerRahmenTestLoeschen, PGruenerRahmenDurchfuehrung,
          PGruenerRahmenTestRueckgabeNurLesen, loeschenHalter, PGruenerRahmenBenotung,
          PGruenerRahmenDrucken, PGruenerRahmenAlleDrucken, PGruenerRahmenEinzelDruck,
          zusammenfassungHalter, PGruenerRahmenSitzplan}) {
        g->addWidget(r, zeile++, 0);
    }
    g->setRowStretch(zeile, 1);

    connect(BNeuenTest, &QPushButton::clicked, this, [this] { NeuenTestClick(); });
    connect(BNeuAufVorlage, &QPushButton::clicked, this, [this] { BNeuAufVorlageClick(); });
    connect(BNeuAlleVorlagen, &QPushButton::clicked, this, [this] { BNeuAlleVorlagenClick(); });
    connect(BVorhandenenTestOeffnen, &QPushButton::clicked, this, [this] { TestOeffnenClick(); });
    connect(BTestLoeschen, &QPushButton::clicked, this, [this] { BTestLoeschenClick(); });
    connect(BSitzplan, &QPushButton::clicked, this, [this] { BSitzplanClick(); });
    connect(BTestBereitStellen, &QPushButton::clicked, this, [this] { BTestBereitStellenClick(); });
    connect(BTestRueckgabeNurLesen, &QPushButton::clicked, this,
            [this] { BTestRueckgabeNurLesenClick(); });
    connect(BBereitgestellteTestsLoeschen, &QPushButton::clicked, this,
            [this] { BBereitgestellteTestsLoeschenClick(); });
    connect(BBenoten, &QPushButton::clicked, this, [this] { BBenotenClick(); });
    connect(BDrucken, &QPushButton::clicked, this, [this] { BDruckenClick(); });
    connect(BAlleDrucken, &QPushButton::clicked, this, [this] { BAlleDruckenClick(); });
    connect(BEinzelDruck, &QPushButton::clicked, this, [this] { BEinzelDruckClick(); });
    connect(BZusammenfassungDrucken, &QPushButton::clicked, this,
            [this] { BZusammenfassungDruckenClick(); });
    return w;
}

QWidget *TSchuelerdatenEingabefenster::unterbereichAufbauen()
{
    auto *w = new QWidget;
    auto *stapel = new QGridLayout(w);
    stapel->setContentsMargins(0, 0, 0, 0);

    // Listen der Durchfuehrung: bereitgestellt | abgegeben.
    auto *listen = benannt(new QWidget, u"PListenDurchfuehrung"_s);
    PListenDurchfuehrung = listen;
    auto *g = new QGridLayout(listen);
    g->setContentsMargins(0, 0, 0, 0);
    LBereitgestellt = benannt(new QLabel(u"Bereit gestellt:"_s), u"LBereitgestellt"_s);
    LZahlBereitgestellt = benannt(new QLabel(u"0"_s), u"LZahlBereitgestellt"_s);
    ListBoxBereitgestellt = benannt(new QListWidget, u"ListBoxBereitgestellt"_s);
    LTestAbgegebenVon = benannt(new QLabel(u"Abgegebene Tests:"_s), u"LTestAbgegebenVon"_s);
    LAnzahlAbgegebenerTests = benannt(new QLabel(u"0"_s), u"LAnzahlAbgegebenerTests"_s);
    ListBoxTestAbgabe = benannt(new QListWidget, u"ListBoxTestAbgabe"_s);
    LBereitst_Ordner = benannt(new QLabel, u"LBereitst_Ordner"_s);
    LTestabgabeordner = benannt(new QLabel, u"LTestabgabeordner"_s);
    LVerschobenNach = benannt(new QLabel, u"LVerschobenNach"_s);
    LAusgefuellteVorhanden =
        benannt(new QLabel(u"Ausgefüllte vorhanden"_s), u"LAusgefuellteVorhanden"_s);
    LAusgefuellteVorhanden->setStyleSheet(u"color: rgb(0,128,0); font-weight: bold"_s);
    LAusgefuellteVorhanden->hide();
    for (QLabel *l : {LBereitst_Ordner, LTestabgabeordner, LVerschobenNach}) {
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->setMinimumWidth(80);
        l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    auto *k1 = new QHBoxLayout;
    k1->addWidget(LBereitgestellt);
    k1->addWidget(LZahlBereitgestellt);
    k1->addStretch(1);
    auto *k2 = new QHBoxLayout;
    k2->addWidget(LTestAbgegebenVon);
    k2->addWidget(LAnzahlAbgegebenerTests);
    k2->addStretch(1);
    k2->addWidget(LAusgefuellteVorhanden);
    g->addLayout(k1, 0, 0);
    g->addLayout(k2, 0, 1);
    g->addWidget(ListBoxBereitgestellt, 1, 0);
    g->addWidget(ListBoxTestAbgabe, 1, 1);
    g->addWidget(LBereitst_Ordner, 2, 0);
    g->addWidget(LTestabgabeordner, 2, 1);
    g->addWidget(LVerschobenNach, 3, 0, 1, 2);
    connect(ListBoxTestAbgabe, &QListWidget::itemSelectionChanged, this, [this] {
        if (sitzung.druckEingerichtet() && !ListBoxTestAbgabe->selectedItems().isEmpty()) {
            BEinzelDruck->setText(u"Ausgewählte drucken"_s);
        }
    });

    Sitzplan = new SGSitzplan;
    Sitzplan->hide();

    auto *vorschau = new QWidget;
    vorschau->setObjectName(u"PVorschau"_s);
    auto *v = new QVBoxLayout(vorschau);
    v->setContentsMargins(0, 0, 0, 0);
    RichEdit_Test_Schnellansicht = benannt(new QTextEdit, u"RichEdit_Test_Schnellansicht"_s);
    RichEdit_Test_Schnellansicht->setReadOnly(true);
    auto *vk = new QHBoxLayout;
    BitBtnVorschauBeenden = knopf(u"BitBtnVorschauBeenden"_s, u"Vorschau beenden"_s);
    BitBtnMausrollenHinweis = knopf(u"BitBtnMausrollenHinweis"_s, u"(Mausrolle: Scroll/ Zoom)"_s);
    BitBtnMausrollenHinweis->setFlat(true);
    BitBtnVorschauBeenden->setMinimumHeight(0);
    BitBtnMausrollenHinweis->setMinimumHeight(0);
    vk->addWidget(BitBtnVorschauBeenden);
    vk->addWidget(BitBtnMausrollenHinweis);
    vk->addStretch(1);
    v->addLayout(vk);
    v->addWidget(RichEdit_Test_Schnellansicht, 1);
    vorschau->hide();
    connect(BitBtnVorschauBeenden, &QPushButton::clicked, this, [this] { vorschauBeenden(); });

    // Alle drei in derselben Zelle: die Vorschau liegt ueber Listen und Sitzplan.
    stapel->addWidget(listen, 0, 0);
    stapel->addWidget(Sitzplan, 0, 0);
    stapel->addWidget(vorschau, 0, 0);
    return w;
}

void TSchuelerdatenEingabefenster::menueAufbauen()
{
    // Die Eintraege fuehren die Befehle des Hauptfensters aus.
    QMenu *tests = menuBar()->addMenu(u"&Tests (Alle Schritte)"_s);
    tests->setObjectName(u"Tests1"_s);
    connect(tests->addAction(u"1. Test konstruieren/ bearbeiten"_s), &QAction::triggered, this,
            [this] {
                if (durchfuehrungsAbbruchFrage()) {
                    emit modusGewuenscht(kModusKonstruktionsauswahl);
                }
            });
    connect(tests->addAction(u"2. Testdurchführung, 3. Tests korrigieren/ benoten"_s),
            &QAction::triggered, this, [this] {
                if (durchfuehrungsAbbruchFrage()) {
                    emit modusGewuenscht(kModusDurchfuehrung, false);
                }
            });
    connect(tests->addAction(u"4. Testrückgabe/ Tests drucken"_s), &QAction::triggered, this,
            [this] {
                if (durchfuehrungsAbbruchFrage()) {
                    emit modusGewuenscht(kModusDurchfuehrung, true);
                }
            });
    // Wie im Hauptfenster ausserhalb des Editors: in die Konstruktion, dort wird der Test gewaehlt
    // und im Editor gedruckt.
    tests->addSeparator();
    QAction *vorlageDrucken = tests->addAction(u"Testvorlage drucken"_s);
    vorlageDrucken->setObjectName(u"Testvorlagedrucken1"_s);
    connect(vorlageDrucken, &QAction::triggered, this, [this] {
        if (durchfuehrungsAbbruchFrage()) {
            emit modusGewuenscht(kModusKonstruktionsauswahl);
        }
    });
    QMenu *noten = menuBar()->addMenu(u"N&otenbearbeitung"_s);
    connect(noten->addAction(u"Notenbearbeitung/ Klasse auswählen"_s), &QAction::triggered, this,
            [this] {
                if (durchfuehrungsAbbruchFrage()) {
                    emit notenverwaltungGewuenscht();
                }
            });
    QMenu *fenster = menuBar()->addMenu(u"&Fenster"_s);
    connect(fenster->addAction(u"Zur Übersicht wechseln"_s), &QAction::triggered, this,
            [this] { BUebersichtClick(); });
    fenster->addSeparator();
    connect(fenster->addAction(u"Be&enden"_s), &QAction::triggered, this, [this] { close(); });
}

void TSchuelerdatenEingabefenster::farbenSetzen(const QColor &flaeche, const QColor &linie)
{
    for (QWidget *w : {static_cast<QWidget *>(PMenueUeberschrift), PKlassenTestAuswahl}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, flaeche);
        w->setPalette(p);
    }
    QPalette p = SFarblinieMenue2->palette();
    p.setColor(QPalette::Window, linie);
    SFarblinieMenue2->setPalette(p);
}

void TSchuelerdatenEingabefenster::listenLayout(bool gross)
{
    auto *g = static_cast<QGridLayout *>(PKlassenTestAuswahl->layout());
    g->setRowStretch(1, gross ? 3 : 2);
    g->setRowStretch(2, gross ? 2 : 3);
}
