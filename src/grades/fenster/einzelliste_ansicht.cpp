#include "grades/fenster/einzelliste_ansicht.h"

#include "common/rueckfragen.h"
#include "common/uhr.h"
#include "grades/fenster/Zensurenbearbeitung.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "grades/fenster/pruefgitter.h"
#include "grades/klassenspiegel.h"
#include "grades/notenmodell.h"
#include "grades/notentabelle.h"

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

constexpr int kKopf = 3; // Kopfzeilen der Schuelergitter

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

EinzellistenAnsicht::EinzellistenAnsicht(TFZensurenbearbeitung &fenster)
    : QGroupBox(u"Einzelliste"_s)
    , f(fenster)
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
        connect(g, &PruefGitter::befehlsTaste, this, [this](QChar b) {
            QKeyEvent taste(QEvent::KeyPress, 0, Qt::NoModifier, QString(b));
            QCoreApplication::sendEvent(&f, &taste);
        });
        connect(g, &QTableWidget::currentCellChanged, this, [this, g](int zeile, int spalte) {
            if (spalte == 6 || (zeile >= kKopf && spalte >= 0 && spalte < 4)) {
                g->setCurrentCell(zeile, f.tabelle->anzeige == NotenAnzeige::Punkte ? 4 : 5);
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
}

bool EinzellistenAnsicht::offen() const
{
    return f.PAnsichten->currentWidget() == this;
}

void EinzellistenAnsicht::nachEinzelListeUmschalten(int neueArt)
{
    if (offen()) {
        BOKEinzellisteClick();
        return;
    }
    oeffnen(neueArt);
}

void EinzellistenAnsicht::oeffnen(int neueArt)
{
    if (!einzellisteAnsichtMoeglich(f.klasse, f.r)) {
        return;
    }
    f.tabelle->bearbeitungAbschliessen();
    f.notenartKnoepfeOhneKaufmannsUnd(true);
    f.PAnsichten->setCurrentWidget(this);
    f.knoepfeFreigeben(false);
    f.sortieren();
    liste.reset();
    art = (neueArt >= 1 && neueArt <= kNotenarten) ? neueArt : 0;
    datumBeimBetreten = EZenDatum->text();
    erlaeuterungBeimBetreten = EZenHinweise->text();
    namenFuellen();
    ENotenNr->clear();
    if (art == 0) {
        LNotenart->setText(kNotenartWaehlen);
        LBZenHinweise->hide();
        gitterFreigeben(false);
        return;
    }
    artGewaehlt(art);
}

void EinzellistenAnsicht::oeffnenMitListe(int neueArt, int slot)
{
    oeffnen(neueArt);
    if (art == neueArt && art != 0) {
        listeWaehlen(slot);
    }
}

void EinzellistenAnsicht::artGewaehlt(int neueArt)
{
    if (neueArt < 1 || neueArt > kNotenarten) {
        f.r.piep();
        return;
    }
    if (verschiebung && !verschiebungZielArt(neueArt)) {
        return;
    }
    art = neueArt;
    LNotenart->setText(f.klasse.notenart(art).langname);
    const QStringList zeilen = listenAuswahlZeilen(f.klasse, art);
    LBZenHinweise->clear();
    LBZenHinweise->addItems(zeilen);
    LBZenHinweise->setFixedHeight((static_cast<int>(zeilen.size()) + 2) *
                                  LBZenHinweise->fontMetrics().height());
    LBZenHinweise->show();
    LBZenHinweise->setCurrentRow(0);
    LBZenHinweise->setFocus();
    if (!liste && !zeilen.isEmpty()) {
        // Vorschau der ersten Liste in den Feldern.
        const Einzelliste erste = einzellisteOeffnen(f.klasse, art, 0, f.uhr);
        EZenDatum->setText(erste.datum);
        EZenHinweise->setText(erste.erlaeuterung);
    }
}

void EinzellistenAnsicht::listeWaehlen(int slot)
{
    if (art < 1 || slot < 0 || slot > letzteZenVonArtNr(art)) {
        return;
    }
    if (verschiebung) {
        verschiebungInSpalte(slot);
        return;
    }
    if (testnotenModus && !testnotenSlotOk(f.klasse, art, slot, f.r)) {
        return;
    }
    // Die Auswahl zeigt die Listen noch vor dem Loeschen der offenen; geschrieben ruecken die
    // spaeteren nach, die gewaehlte steht dann einen Platz weiter links.
    const bool nachgerueckt = liste && liste->geloescht && liste->art == art && slot > liste->slot;
    // Eine schon offene Liste geht nicht verloren, wenn eine andere gewaehlt wird.
    if (!listeZurueckschreiben()) {
        return;
    }
    if (nachgerueckt) {
        --slot;
    }
    liste = einzellisteOeffnen(f.klasse, art, slot, f.uhr);
    if (testnotenModus) {
        benotungsZenInEinzelliste(f.klasse, *liste, testErgebnisse);
    }
    listeAnzeigen();
    LBZenHinweise->hide();
    if (testnotenModus) {
        EZenHinweise->setFocus();
    } else {
        SGEinzellisteLinks->setFocus();
        SGEinzellisteLinks->setCurrentCell(kKopf,
                                           f.tabelle->anzeige == NotenAnzeige::Punkte ? 4 : 5);
    }
}

void EinzellistenAnsicht::listeAnzeigen()
{
    datumFalsch = false;
    datumDerListe = liste->datum;
    const QString nummer = QString(f.klasse.notenart(art).taste) + QString::number(liste->slot + 1);
    ENotenNr->setText(nummer);
    {
        const QSignalBlocker a(EZenDatum);
        const QSignalBlocker b(EZenHinweise);
        EZenDatum->setText(liste->datum);
        EZenHinweise->setText(liste->erlaeuterung);
    }
    LNotenart->setText(f.klasse.notenart(art).langname);
    SGEinzellisteLinks->zelle(0, 5, nummer);
    SGEinzellisteRechts->zelle(0, 5, nummer);
    gitterFreigeben(true);
    gitterFuellen();
}

void EinzellistenAnsicht::namenFuellen()
{
    const int n = klassenGroesse(f.klasse);
    links = linkeHaelfte(n);
    SGEinzellisteLinks->setRowCount(kKopf + links);
    SGEinzellisteRechts->setRowCount(kKopf + n - links);
    const bool kurs = !f.klassenname.startsWith(u'L');
    for (PruefGitter *g : {SGEinzellisteLinks, SGEinzellisteRechts}) {
        g->setColumnHidden(3, !kurs);
        g->zelle(0, 5, QString());
    }
    for (int nr = 1; nr <= n; ++nr) {
        PruefGitter *g = nr <= links ? SGEinzellisteLinks : SGEinzellisteRechts;
        const int zeile = kKopf + (nr <= links ? nr - 1 : nr - links - 1);
        const Schueler &s = f.klasse.schueler(nr);
        g->zelle(zeile, 0, QString::number(nr));
        g->zelle(zeile, 1, s.vorname);
        g->zelle(zeile, 2, s.nachname);
        g->zelle(zeile, 3, s.klasse);
        for (int spalte = 4; spalte <= 6; ++spalte) {
            g->zelle(zeile, spalte, QString());
        }
    }
    ausgabeKlassenSpiegel();
}

int EinzellistenAnsicht::schuelerNummer(const PruefGitter *gitter, int zeile) const
{
    return zeile - kKopf + 1 + (gitter == SGEinzellisteRechts ? links : 0);
}

void EinzellistenAnsicht::gitterFuellen()
{
    const int n = klassenGroesse(f.klasse);
    for (int nr = 1; nr <= n; ++nr) {
        PruefGitter *g = nr <= links ? SGEinzellisteLinks : SGEinzellisteRechts;
        const int zeile = kKopf + (nr <= links ? nr - 1 : nr - links - 1);
        const QString note =
            liste && nr - 1 < liste->noten.size() ? liste->noten[nr - 1] : QString();
        const NotenZelle z = zelleAusZensur(note);
        const bool bearbeitbar = liste.has_value() && !f.tabelle->keineAenderung;
        g->zelle(zeile, 4, z.punkte, bearbeitbar);
        g->zelle(zeile, 5, z.zensur, bearbeitbar);
        g->zelle(zeile, 6, z.gNote);
    }
    ausgabeKlassenSpiegel();
}

void EinzellistenAnsicht::gitterFreigeben(bool frei)
{
    SGEinzellisteLinks->setEnabled(frei);
    SGEinzellisteRechts->setEnabled(frei);
    SGEinzellisteLinks->setVisible(frei || !testnotenModus);
    SGEinzellisteRechts->setVisible(frei || !testnotenModus);
}

bool EinzellistenAnsicht::zelleUebernehmen(PruefGitter *gitter, int zeile, int spalte,
                                           const QString &text)
{
    const int nr = schuelerNummer(gitter, zeile);
    if (!liste || zeile < kKopf || nr < 1 || nr > liste->noten.size()) {
        return false;
    }
    const std::optional<NotenZelle> z = zelleAusEingabe(spalte, text);
    if (!z) {
        f.r.piep();
        return false;
    }
    liste->noten[nr - 1] = z->zensur;
    gitter->zelle(zeile, 4, z->punkte, true);
    gitter->zelle(zeile, 5, z->zensur, true);
    gitter->zelle(zeile, 6, z->gNote);
    ausgabeKlassenSpiegel();
    return true;
}

void EinzellistenAnsicht::ausgabeKlassenSpiegel()
{
    const QStringList noten = liste ? liste->noten : QStringList();
    const KlassenSpiegel spiegel[2] = {ausgabeKlassenSpiegelE(noten),
                                       ausgabeKlassenSpiegelG(noten)};
    PruefGitter *gitter[2] = {SGKlassenSpiegelE, SGKlassenSpiegelG};
    for (int i = 0; i < 2; ++i) {
        for (int note = 1; note <= 6; ++note) {
            gitter[i]->zelle(
                note, 1, QString::number(spiegel[i].anzahl[static_cast<std::size_t>(note - 1)]));
        }
        gitter[i]->zelle(8, 1, spiegel[i].schnitt);
        gitter[i]->clearSelection();
    }
}

bool EinzellistenAnsicht::listeZurueckschreiben()
{
    SGEinzellisteLinks->bearbeitungAbschliessen();
    SGEinzellisteRechts->bearbeitungAbschliessen();
    if (!liste) {
        return true;
    }
    // Ein verweigertes Datum kommt nie in die Klasse.
    if (datumFalsch) {
        f.r.piep();
        EZenDatum->setFocus();
        return false;
    }
    einzellistenDaten_nach_suk(f.klasse, *liste);
    f.klasseOffen = true;
    return true;
}

void EinzellistenAnsicht::BNeueNoteClick()
{
    if (art < 1 || art > kNotenarten) {
        f.r.piep();
        return;
    }
    if (vorhandeneNoten(f.klasse, art) > letzteZenVonArtNr(art)) {
        return;
    }
    if (!listeZurueckschreiben()) {
        return;
    }
    const std::optional<Einzelliste> neu = neueNote(f.klasse, art, f.uhr);
    if (!neu) {
        return;
    }
    testnotenModus = false;
    liste = neu;
    listeAnzeigen();
    LBZenHinweise->hide();
    EZenHinweise->setFocus();
}

void EinzellistenAnsicht::BVorherigeELClick()
{
    if (art < 1 || art > kNotenarten || !liste) {
        f.r.piep();
        return;
    }
    if (!listeZurueckschreiben()) {
        return;
    }
    testnotenModus = false;
    const int slot = nachbarSlot(f.klasse, art, liste->slot, -1);
    liste.reset();
    listeWaehlen(slot);
}

void EinzellistenAnsicht::BNaecsteELClick()
{
    if (art < 1 || art > kNotenarten || !liste) {
        f.r.piep();
        return;
    }
    // Nach dem Loeschen ist die naechste Liste beim Zurueckschreiben auf diesen Platz nachgerueckt.
    const int ab = liste->geloescht ? liste->slot - 1 : liste->slot;
    if (!listeZurueckschreiben()) {
        return;
    }
    testnotenModus = false;
    const int slot = nachbarSlot(f.klasse, art, ab, 1);
    liste.reset();
    listeWaehlen(slot);
}

void EinzellistenAnsicht::BLeereNotenFuellenClick()
{
    if (!liste) {
        return;
    }
    SGEinzellisteLinks->bearbeitungAbschliessen();
    SGEinzellisteRechts->bearbeitungAbschliessen();
    if (leereNotenFuellen(*liste, f.r)) {
        gitterFuellen();
    }
}

void EinzellistenAnsicht::BEinzelListeLoeschenClick()
{
    if (!liste) {
        return;
    }
    if (einzellisteLoeschen(*liste, f.r)) {
        listeAnzeigen();
    }
}

bool EinzellistenAnsicht::BOKEinzellisteClick()
{
    SGEinzellisteLinks->bearbeitungAbschliessen();
    SGEinzellisteRechts->bearbeitungAbschliessen();
    if (liste) {
        if (datumFalsch) {
            f.r.piep();
            EZenDatum->setFocus();
            return false;
        }
        if (!einzellisteOkPruefen(*liste, EZenHinweise->isVisible(), f.r)) {
            return false;
        }
        einzellistenDaten_nach_suk(f.klasse, *liste);
        f.klasseOffen = true;
        f.LZenDatum->setText(zenDatumText(f.klasse, liste->art, liste->slot));
    }
    schliessen();
    return true;
}

void EinzellistenAnsicht::BEinzellisteAbbrechenClick()
{
    if (testnotenModus && liste) {
        einzellisteLoeschen(*liste, f.r);
    }
    EZenDatum->setText(datumBeimBetreten);
    EZenHinweise->setText(erlaeuterungBeimBetreten);
    schliessen();
}

void EinzellistenAnsicht::verwerfen()
{
    verschiebungBeenden();
    liste.reset();
    datumFalsch = false;
    testnotenModus = false;
    testErgebnisse.clear();
    LBZenHinweise->hide();
}

void EinzellistenAnsicht::schliessen()
{
    verwerfen();
    f.unteransichtSchliessen();
}

void EinzellistenAnsicht::offeneListeSichern()
{
    if (!offen() || !liste) {
        return;
    }
    if (datumFalsch) {
        liste->datum = datumDerListe;
        datumFalsch = false;
    }
    listeZurueckschreiben();
    // Eine geloeschte Liste ist jetzt geschrieben und die spaeteren sind nachgerueckt; ein
    // zweites Schreiben wuerde noch einmal ruecken.
    if (liste->geloescht) {
        schliessen();
    }
}

void EinzellistenAnsicht::escTaste()
{
    if (LBZenHinweise->isVisible()) {
        LBZenHinweise->hide();
        return;
    }
    BOKEinzellisteClick();
}

void EinzellistenAnsicht::neuFuellen()
{
    if (!offen()) {
        return;
    }
    // Die Noten der offenen Liste gehoeren zu Schuelern, nicht zu Zeilen. Eine Kopie der Klasse
    // mit der Liste wird gleich sortiert; die Klasse selbst bekommt die Liste erst mit OK.
    if (liste) {
        Klasse kopie = f.klasse;
        for (int nr = 1; nr <= liste->noten.size(); ++nr) {
            kopie.schueler(nr).note(art, liste->slot) = liste->noten[nr - 1];
        }
        sortiereSchuelerliste(kopie, f.sortierOptionen());
        f.sortieren();
        for (int nr = 1; nr <= liste->noten.size(); ++nr) {
            liste->noten[nr - 1] = kopie.schueler(nr).note(art, liste->slot);
        }
    } else {
        f.sortieren();
    }
    namenFuellen();
    if (liste) {
        gitterFuellen();
    }
}

void EinzellistenAnsicht::testnotenEmpfangen(const QList<Benotungsergebnis> &ergebnisse)
{
    testnotenModus = true;
    testErgebnisse = ergebnisse;
    oeffnen(0);
    testnotenHinweis(f.r);
}

void EinzellistenAnsicht::mousePressEvent(QMouseEvent *ereignis)
{
    const QPoint stelle = ereignis->position().toPoint();
    for (PruefGitter *g : {SGEinzellisteLinks, SGEinzellisteRechts}) {
        if (!g->isEnabled() && g->isVisible() && g->geometry().contains(stelle)) {
            f.r.piep();
            return;
        }
    }
    QGroupBox::mousePressEvent(ereignis);
}

bool EinzellistenAnsicht::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == EZenDatum && ereignis->type() == QEvent::FocusOut && liste) {
        liste->datum = EZenDatum->text();
        datumFalsch = !datumEingabeOk(EZenDatum->text(), f.r);
        if (datumFalsch) {
            QTimer::singleShot(0, EZenDatum, [this] { EZenDatum->setFocus(); });
        }
    } else if (objekt == EZenHinweise && ereignis->type() == QEvent::FocusIn) {
        if (EZenHinweise->text() == u"neu"_s) {
            EZenHinweise->clear();
        }
    } else if (objekt == LBZenHinweise && ereignis->type() == QEvent::KeyPress) {
        auto *taste = static_cast<QKeyEvent *>(ereignis);
        if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
            listeWaehlen(LBZenHinweise->currentRow());
            return true;
        }
        if (taste->key() == Qt::Key_Escape) {
            LBZenHinweise->hide();
            return true;
        }
    }
    return QGroupBox::eventFilter(objekt, ereignis);
}
