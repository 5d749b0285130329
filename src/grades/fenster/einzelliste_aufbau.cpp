// Aufbau der Einzellistenansicht: Gitter, Listenauswahl, Knoepfe und ihre Verbindungen.
#include "grades/fenster/einzelliste_ansicht.h"

#include "classdata/klassensitzung.h"
#include "common/rueckfragen.h"
#include "common/uhr.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "grades/klassenspiegel.h"
#include "grades/notenmodell.h"
#include "grades/notentabelle.h"
#include "widgets/pruefgitter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kKopf = EinzellistenAnsicht::kKopf;

PruefGitter *neuesSchuelerGitter(QWidget *eltern, const QString &name)
{
    auto *g = new PruefGitter(kKopf, 7, eltern);
    g->setObjectName(name);
    constexpr int breiten[7] = {28, 105, 120, 32, 40, 40, 40};
    for (int s = 0; s < 7; ++s) {
        g->setColumnWidth(s, breiten[s]);
    }
    const QString kopf[7] = {u"Nr."_s, u"Vorname"_s, u"Nachname"_s, u"Kl."_s,
                             u"Pu"_s,  u"N(E)"_s,    u"N(G)"_s};
    for (int s = 0; s < 7; ++s) {
        g->zelle(1, s, kopf[s]);
    }
    g->setRowHeight(0, 20);
    g->setRowHeight(1, 22);
    g->setRowHeight(2, 4);
    g->setMinimumWidth(300);
    return g;
}

PruefGitter *neuerSpiegel(QWidget *eltern, const QString &name, const QString &kopf)
{
    auto *g = new PruefGitter(9, 2, eltern);
    g->setObjectName(name);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int s = 0; s < 2; ++s) {
        g->setColumnWidth(s, 42);
    }
    for (int z = 0; z < 9; ++z) {
        g->setRowHeight(z, 30);
    }
    g->zelle(0, 0, kopf);
    g->zelle(0, 1, u"Sch"_s);
    for (int z = 1; z <= 6; ++z) {
        g->zelle(z, 0, QString::number(z));
    }
    g->zelle(8, 0, u"DS"_s);
    g->setFixedSize(2 * 42 + 4, 9 * 30 + 4);
    g->setFocusPolicy(Qt::NoFocus);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return g;
}

} // namespace

EinzellistenAnsicht::EinzellistenAnsicht(Klassensitzung &sitzung, Rueckfragen &rueckfragen,
                                         const Uhr &uhr)
    : QGroupBox(u"Einzelliste"_s)
    , s(sitzung)
    , r(rueckfragen)
    , uhr(uhr)
{
    setObjectName(u"GBEinzelliste"_s);
    auto *senkrecht = new QVBoxLayout(this);

    auto *kopf = new QHBoxLayout;
    LNotenart = new QLabel(this);
    LNotenart->setObjectName(u"LNotenart"_s);
    QFont fett = LNotenart->font();
    fett.setBold(true);
    fett.setPointSize(12);
    LNotenart->setFont(fett);
    auto *auswaehlen = new QPushButton(u"&Auswählen"_s, this);
    auswaehlen->setObjectName(u"BZenAuswaehlen"_s);
    ENotenNr = new QLineEdit(this);
    ENotenNr->setObjectName(u"ENotenNr"_s);
    ENotenNr->setReadOnly(true);
    ENotenNr->setFixedWidth(50);
    EZenDatum = new QLineEdit(this);
    EZenDatum->setObjectName(u"EZenDatum"_s);
    EZenDatum->setFixedWidth(100);
    EZenHinweise = new QLineEdit(this);
    EZenHinweise->setObjectName(u"EZenHinweise"_s);
    EZenHinweise->setMaxLength(kLaengeErlaeuterung);
    kopf->addWidget(LNotenart);
    kopf->addWidget(auswaehlen);
    kopf->addWidget(new QLabel(u"Nr.:"_s, this));
    kopf->addWidget(ENotenNr);
    kopf->addWidget(new QLabel(u"Datum:"_s, this));
    kopf->addWidget(EZenDatum);
    kopf->addWidget(new QLabel(u"Erläuterung:"_s, this));
    kopf->addWidget(EZenHinweise, 1);
    senkrecht->addLayout(kopf);

    Label3 = new QLabel(u"Auswahl der Noten"_s, this);
    Label3->setObjectName(u"Label3"_s);
    LBZenHinweise = new QListWidget(this);
    LBZenHinweise->setObjectName(u"LBZenHinweise"_s);
    QFont fest(u"DejaVu Sans Mono"_s);
    fest.setStyleHint(QFont::Monospace);
    LBZenHinweise->setFont(fest);
    LBZenHinweise->installEventFilter(this);
    senkrecht->addWidget(Label3);
    senkrecht->addWidget(LBZenHinweise);

    auto *mitte = new QHBoxLayout;
    SGEinzellisteLinks = neuesSchuelerGitter(this, u"SGEinzellisteLinks"_s);
    SGEinzellisteRechts = neuesSchuelerGitter(this, u"SGEinzellisteRechts"_s);
    SGKlassenSpiegelE = neuerSpiegel(this, u"SGKlassenSpiegelE"_s, u"N(E)"_s);
    SGKlassenSpiegelG = neuerSpiegel(this, u"SGKlassenSpiegelG"_s, u"N(G)"_s);
    mitte->addWidget(SGEinzellisteLinks, 1);
    mitte->addWidget(SGEinzellisteRechts, 1);
    auto *spiegel = new QVBoxLayout;
    auto *spiegelZeile = new QHBoxLayout;
    spiegelZeile->addWidget(SGKlassenSpiegelE);
    spiegelZeile->addWidget(SGKlassenSpiegelG);
    spiegel->addWidget(new QLabel(u"Klassenspiegel"_s, this));
    spiegel->addLayout(spiegelZeile);
    spiegel->addStretch(1);
    mitte->addLayout(spiegel);
    senkrecht->addLayout(mitte, 1);

    auto *knoepfe = new QHBoxLayout;
    const auto knopf = [this, knoepfe](const QString &name, const QString &text, auto aktion) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, aktion);
        knoepfe->addWidget(b);
        return b;
    };
    knopf(u"BNeueNote"_s, u"&Neue Note"_s, [this] { BNeueNoteClick(); });
    knopf(u"BVorherigeEL"_s, u"&Vorherige"_s, [this] { BVorherigeELClick(); });
    knopf(u"BNaecsteEL"_s, u"N&ächste"_s, [this] { BNaecsteELClick(); });
    knopf(u"BLeereNotenFuellen"_s, u"Alle leeren Noten füllen"_s,
          [this] { BLeereNotenFuellenClick(); });
    knopf(u"BEinzelListeLoeschen"_s, u"Einzelliste löschen"_s,
          [this] { BEinzelListeLoeschenClick(); });
    BNotenlisteVerschieben = knopf(u"BNotenlisteVerschieben"_s, u"Notenliste verschieben"_s,
                                   [this] { BNotenlisteVerschiebenClick(); });
    knoepfe->addStretch(1);
    knopf(u"BOKEinzelliste"_s, u"Ok (Einzellistenansicht beenden)"_s,
          [this] { BOKEinzellisteClick(); });
    knopf(u"BEinzellisteAbbrechen"_s, u"Abbrechen"_s, [this] { BEinzellisteAbbrechenClick(); });
    senkrecht->addLayout(knoepfe);

    connect(auswaehlen, &QPushButton::clicked, this, [this] { artGewaehlt(art); });
    connect(LBZenHinweise, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *eintrag) { listeWaehlen(LBZenHinweise->row(eintrag)); });
    EZenDatum->installEventFilter(this);
    EZenHinweise->installEventFilter(this);
    connect(EZenDatum, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (liste) {
            liste->datum = text;
        }
    });
    connect(EZenHinweise, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (liste) {
            liste->erlaeuterung = text;
        }
    });
    for (PruefGitter *g : {SGEinzellisteLinks, SGEinzellisteRechts}) {
        g->uebernehmen = [this, g](int zeile, int spalte, const QString &text) {
            return zelleUebernehmen(g, zeile, spalte, text);
        };
        connect(g, &PruefGitter::befehlsTaste, this, &EinzellistenAnsicht::befehlsTaste);
        connect(g, &QTableWidget::currentCellChanged, this, [this, g](int zeile, int spalte) {
            if (spalte == 6 || (zeile >= kKopf && spalte >= 0 && spalte < 4)) {
                g->setCurrentCell(zeile, punkte ? 4 : 5);
            }
        });
        connect(g, &QTableWidget::cellClicked, this, [this] { ausgabeKlassenSpiegel(); });
    }
    connect(SGEinzellisteLinks, &PruefGitter::amEndeVerlassen, this, [this] {
        if (SGEinzellisteRechts->rowCount() > kKopf) {
            SGEinzellisteRechts->setFocus();
            SGEinzellisteRechts->setCurrentCell(kKopf, SGEinzellisteLinks->currentColumn());
        }
    });
    // Das Journal haelt die offene Liste fest, wie sie zu sehen ist (erst OK schreibt sie in die
    // Klasse); eine zum Loeschen vorgemerkte Liste gilt erst mit OK.
    s.offeneEingabenSetzen(this, [this](Klasse &k) {
        if (!liste || liste->geloescht || liste->noten.size() > klassenGroesse(k)) {
            return;
        }
        Einzelliste l = *liste;
        if (datumFalsch) {
            l.datum = k.datum(l.art, l.slot);
        }
        einzellistenDaten_nach_suk(k, l);
    });
}
