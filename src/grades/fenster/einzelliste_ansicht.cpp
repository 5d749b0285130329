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

bool EinzellistenAnsicht::offen() const
{
    return isVisibleTo(parentWidget());
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
    if (!einzellisteAnsichtMoeglich(s.klasse, r)) {
        return;
    }
    s.eingabenAbschliessen();
    emit anzeigen();
    s.sortieren();
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
        r.piep();
        return;
    }
    if (verschiebung && !verschiebungZielArt(neueArt)) {
        return;
    }
    art = neueArt;
    LNotenart->setText(s.klasse.notenart(art).langname);
    const QStringList zeilen = listenAuswahlZeilen(s.klasse, art);
    LBZenHinweise->clear();
    LBZenHinweise->addItems(zeilen);
    LBZenHinweise->setFixedHeight((static_cast<int>(zeilen.size()) + 2) *
                                  LBZenHinweise->fontMetrics().height());
    LBZenHinweise->show();
    LBZenHinweise->setCurrentRow(0);
    LBZenHinweise->setFocus();
    if (!liste && !zeilen.isEmpty()) {
        // Vorschau der ersten Liste in den Feldern.
        const Einzelliste erste = einzellisteOeffnen(s.klasse, art, 0, uhr);
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
    if (testnotenModus && !testnotenSlotOk(s.klasse, art, slot, r)) {
        return;
    }
    // Die Testnoten gehoeren nur in die Liste, die mit OK bestaetigt wird: eine zuvor gewaehlte
    // (verworfene) Liste wird nicht geschrieben.
    if (testnotenModus) {
        liste.reset();
        datumFalsch = false;
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
    liste = einzellisteOeffnen(s.klasse, art, slot, uhr);
    if (testnotenModus) {
        benotungsZenInEinzelliste(s.klasse, *liste, testErgebnisse);
        s.geaendertMelden();
    }
    listeAnzeigen();
    LBZenHinweise->hide();
    if (testnotenModus) {
        EZenHinweise->setFocus();
    } else {
        SGEinzellisteLinks->setFocus();
        SGEinzellisteLinks->setCurrentCell(kKopf, punkte ? 4 : 5);
    }
}

void EinzellistenAnsicht::listeAnzeigen()
{
    datumFalsch = false;
    datumDerListe = liste->datum;
    const QString nummer = QString(s.klasse.notenart(art).taste) + QString::number(liste->slot + 1);
    ENotenNr->setText(nummer);
    {
        const QSignalBlocker a(EZenDatum);
        const QSignalBlocker b(EZenHinweise);
        EZenDatum->setText(liste->datum);
        EZenHinweise->setText(liste->erlaeuterung);
    }
    LNotenart->setText(s.klasse.notenart(art).langname);
    SGEinzellisteLinks->zelle(0, 5, nummer);
    SGEinzellisteRechts->zelle(0, 5, nummer);
    gitterFreigeben(true);
    gitterFuellen();
    // Die Zeile ueber der Ansicht nennt die Liste, die gerade bearbeitet wird.
    emit listeGezeigt(liste->erlaeuterung, nummer + u":  "_s + liste->datum);
}

void EinzellistenAnsicht::namenFuellen()
{
    const int n = klassenGroesse(s.klasse);
    links = linkeHaelfte(n);
    SGEinzellisteLinks->setRowCount(kKopf + links);
    SGEinzellisteRechts->setRowCount(kKopf + n - links);
    const bool kurs = !s.name().startsWith(u'L');
    for (PruefGitter *g : {SGEinzellisteLinks, SGEinzellisteRechts}) {
        g->setColumnHidden(3, !kurs);
        g->zelle(0, 5, QString());
    }
    for (int nr = 1; nr <= n; ++nr) {
        PruefGitter *g = nr <= links ? SGEinzellisteLinks : SGEinzellisteRechts;
        const int zeile = kKopf + (nr <= links ? nr - 1 : nr - links - 1);
        const Schueler &sch = s.klasse.schueler(nr);
        g->zelle(zeile, 0, QString::number(nr));
        g->zelle(zeile, 1, sch.vorname);
        g->zelle(zeile, 2, sch.nachname);
        g->zelle(zeile, 3, sch.klasse);
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
    const int n = klassenGroesse(s.klasse);
    for (int nr = 1; nr <= n; ++nr) {
        PruefGitter *g = nr <= links ? SGEinzellisteLinks : SGEinzellisteRechts;
        const int zeile = kKopf + (nr <= links ? nr - 1 : nr - links - 1);
        const QString note =
            liste && nr - 1 < liste->noten.size() ? liste->noten[nr - 1] : QString();
        const NotenZelle z = zelleAusZensur(note);
        const bool bearbeitbar = liste.has_value() && !keineAenderung;
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
        r.piep();
        return false;
    }
    const bool neu = liste->noten[nr - 1] != z->zensur;
    liste->noten[nr - 1] = z->zensur;
    gitter->zelle(zeile, 4, z->punkte, true);
    gitter->zelle(zeile, 5, z->zensur, true);
    gitter->zelle(zeile, 6, z->gNote);
    ausgabeKlassenSpiegel();
    if (neu) {
        s.geaendertMelden();
    }
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
        r.piep();
        EZenDatum->setFocus();
        return false;
    }
    einzellistenDaten_nach_suk(s.klasse, *liste);
    s.geaendertMelden();
    return true;
}

void EinzellistenAnsicht::BNeueNoteClick()
{
    if (art < 1 || art > kNotenarten) {
        r.piep();
        return;
    }
    if (vorhandeneNoten(s.klasse, art) > letzteZenVonArtNr(art)) {
        return;
    }
    if (!listeZurueckschreiben()) {
        return;
    }
    const std::optional<Einzelliste> neu = neueNote(s.klasse, art, uhr);
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
        r.piep();
        return;
    }
    if (!listeZurueckschreiben()) {
        return;
    }
    testnotenModus = false;
    const int slot = nachbarSlot(s.klasse, art, liste->slot, -1);
    liste.reset();
    listeWaehlen(slot);
}

void EinzellistenAnsicht::BNaecsteELClick()
{
    if (art < 1 || art > kNotenarten || !liste) {
        r.piep();
        return;
    }
    // Nach dem Loeschen ist die naechste Liste beim Zurueckschreiben auf diesen Platz nachgerueckt.
    const int ab = liste->geloescht ? liste->slot - 1 : liste->slot;
    if (!listeZurueckschreiben()) {
        return;
    }
    testnotenModus = false;
    const int slot = nachbarSlot(s.klasse, art, ab, 1);
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
    const auto vorher = liste->noten;
    if (!leereNotenFuellen(*liste, r)) {
        return;
    }
    // Die Pauschalnote steht sofort im Datensatz: "Abbrechen" verwirft nur, was getippt wurde.
    for (int nr = 1; nr <= liste->noten.size(); ++nr) {
        QString &imDatensatz = s.klasse.schueler(nr).note(art, liste->slot);
        if (vorher[nr - 1].isEmpty() && imDatensatz.isEmpty()) {
            imDatensatz = liste->noten[nr - 1];
        }
    }
    s.geaendertMelden();
    gitterFuellen();
}

void EinzellistenAnsicht::BEinzelListeLoeschenClick()
{
    if (!liste) {
        return;
    }
    if (einzellisteLoeschen(*liste, r)) {
        listeAnzeigen();
    }
}

bool EinzellistenAnsicht::BOKEinzellisteClick()
{
    SGEinzellisteLinks->bearbeitungAbschliessen();
    SGEinzellisteRechts->bearbeitungAbschliessen();
    if (liste) {
        if (datumFalsch) {
            r.piep();
            EZenDatum->setFocus();
            return false;
        }
        if (!einzellisteOkPruefen(*liste, EZenHinweise->isVisible(), r)) {
            return false;
        }
        einzellistenDaten_nach_suk(s.klasse, *liste);
        s.geaendertMelden();
        // Die Zeile ueber der Tabelle nennt die bestaetigte Liste mit der eben getippten
        // Erlaeuterung, nicht mehr "neu".
        emit listeGezeigt(s.klasse.erlaeuterung(liste->art, liste->slot),
                          zenDatumText(s.klasse, liste->art, liste->slot));
    }
    // Bestaetigte Testnoten kommen sofort in die Klassendatei: ein spaeteres "Nein" in der
    // Speicherabfrage verliert sonst den ganzen Test.
    const bool testnotenBestaetigt = testnotenModus && liste.has_value();
    schliessen();
    if (testnotenBestaetigt) {
        s.speichern();
    }
    return true;
}

void EinzellistenAnsicht::BEinzellisteAbbrechenClick()
{
    if (testnotenModus && liste) {
        einzellisteLoeschen(*liste, r);
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
    emit fertig();
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
        Klasse kopie = s.klasse;
        for (int nr = 1; nr <= liste->noten.size(); ++nr) {
            kopie.schueler(nr).note(art, liste->slot) = liste->noten[nr - 1];
        }
        sortiereSchuelerliste(kopie, s.sortierung());
        s.sortieren();
        for (int nr = 1; nr <= liste->noten.size(); ++nr) {
            liste->noten[nr - 1] = kopie.schueler(nr).note(art, liste->slot);
        }
    } else {
        s.sortieren();
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
    testnotenHinweis(r);
}

void EinzellistenAnsicht::mousePressEvent(QMouseEvent *ereignis)
{
    const QPoint stelle = ereignis->position().toPoint();
    for (PruefGitter *g : {SGEinzellisteLinks, SGEinzellisteRechts}) {
        if (!g->isEnabled() && g->isVisible() && g->geometry().contains(stelle)) {
            r.piep();
            return;
        }
    }
    QGroupBox::mousePressEvent(ereignis);
}

bool EinzellistenAnsicht::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == EZenDatum && ereignis->type() == QEvent::FocusOut && liste) {
        liste->datum = EZenDatum->text();
        datumFalsch = !datumEingabeOk(EZenDatum->text(), r);
        if (datumFalsch) {
            QTimer::singleShot(0, EZenDatum, [this] { EZenDatum->setFocus(); });
        } else {
            s.geaendertMelden();
        }
    } else if (objekt == EZenHinweise && ereignis->type() == QEvent::FocusOut && liste) {
        s.geaendertMelden();
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
