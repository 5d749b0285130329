// Das Notenfenster bei der Arbeit: Ansichten, Zellen der Tabelle, Tasten, Moduswechsel.
#include "grades/fenster/Zensurenbearbeitung.h"

#include "classdata/klassendatei.h"
#include "common/ordner.h"
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

// --- Ansichten --------------------------------------------------------------------------------

void TFZensurenbearbeitung::zeigeArt(int art)
{
    if (aktuell == Unteransicht::Einzelliste) {
        einzelliste->artGewaehlt(art);
        aktuelleArt = einzelliste->art;
        return;
    }
    if (aktuell != Unteransicht::Tabelle) {
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
    if (aktuell != Unteransicht::Tabelle) {
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
    if (aktuell != Unteransicht::Tabelle) {
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

// --- Tabelle ----------------------------------------------------------------------------------

bool TFZensurenbearbeitung::zellwertUebernehmen(int spalte, int zeile, const QString &text)
{
    const int nr = zeile - 2;
    const std::optional<QString> note = zellwertAlsNote(text, tabelle->anzeige);
    if (!note || nr < 1 || nr > sitzung.groesse() || !slotBearbeitbar(sitzung.klasse, spalte)) {
        r.piep();
        QTimer::singleShot(0, tabelle, [this, zeile, spalte] {
            if (zeile < tabelle->rowCount()) {
                tabelle->setCurrentCell(zeile, spalte);
            }
        });
        return false;
    }
    // Eine Note in der ersten freien Spalte beginnt die Liste wie ein Klick: "neu" und heute.
    const SpaltenInfo info = spaltenInfo(spalte);
    if (!note->isEmpty() && info.slot == vorhandeneNoten(sitzung.klasse, info.art)) {
        QString &erlaeuterung = sitzung.klasse.erlaeuterung(info.art, info.slot);
        QString &datum = sitzung.klasse.datum(info.art, info.slot);
        if (erlaeuterung.isEmpty()) {
            erlaeuterung = u"neu"_s;
        }
        if (datum.isEmpty()) {
            datum = uhr.heute().toString(u"yyyy-MM-dd"_s);
        }
    }
    noteInKlasseSchreiben(sitzung.klasse, spalte, zeile, *note);
    sitzung.geaendertMelden();
    sitzung.sortieren();
    tabelle->fuellen();
    tabelle->spaltenbreite();
    return true;
}

void TFZensurenbearbeitung::zelleGewaehlt(int zeile, int spalte)
{
    if (zeile < kFesteZeilen || spalte < kFesteSpalten || sitzung.groesse() == 0) {
        return;
    }
    const SpaltenInfo info = spaltenInfo(spalte);
    if (info.typ != SpaltenInfo::Typ::Note) {
        return;
    }
    aktuelleArt = info.art;
    const int vorhanden = vorhandeneNoten(sitzung.klasse, info.art);
    if (info.slot > vorhanden) {
        LZenErlaeuterung->setText(u"Bitte erst die Spalten weiter links auffüllen!"_s);
        LZenDatum->clear();
        return;
    }
    LZenErlaeuterung->setText(sitzung.klasse.erlaeuterung(info.art, info.slot));
    LZenDatum->setText(slotDatumText(sitzung.klasse, info.art, info.slot));
}

void TFZensurenbearbeitung::zelleGeklickt(int zeile, int spalte)
{
    if (zeile < kFesteZeilen || spalte < kFesteSpalten || sitzung.groesse() == 0) {
        return;
    }
    sitzung.geaendertMelden();
    const SpaltenInfo info = spaltenInfo(spalte);
    if (info.typ != SpaltenInfo::Typ::Note) {
        return;
    }
    if (info.slot == vorhandeneNoten(sitzung.klasse, info.art)) {
        sitzung.klasse.erlaeuterung(info.art, info.slot) = u"neu"_s;
        sitzung.klasse.datum(info.art, info.slot) = uhr.heute().toString(u"yyyy-MM-dd"_s);
        tabelle->item(0, spalte)->setText(u"neu"_s);
    }
    zelleGewaehlt(zeile, spalte);
}

void TFZensurenbearbeitung::kopfZelleGeklickt(int spalte)
{
    if (sitzung.groesse() == 0 || spalte < kFesteSpalten) {
        r.piep();
        return;
    }
    const SpaltenInfo info = spaltenInfo(spalte);
    if (info.typ != SpaltenInfo::Typ::Note ||
        info.slot > vorhandeneNoten(sitzung.klasse, info.art)) {
        r.piep();
        return;
    }
    aktuelleArt = info.art;
    einzelliste->oeffnenMitListe(info.art, info.slot);
}

void TFZensurenbearbeitung::namensZelleGeklickt(int zeile)
{
    const int nr = zeile - 2;
    if (nr < 1 || nr > sitzung.groesse() + 1) {
        return;
    }
    einzelschueler->BEinzelschuelerClick(nr);
}

// --- Tasten -----------------------------------------------------------------------------------

void TFZensurenbearbeitung::befehlsTaste(QChar buchstabe)
{
    if (aktuell != Unteransicht::Tabelle || LBoxKlassen->isVisible()) {
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
    // Sonst die Taste eines der Knoepfe mit "&" vor dem Buchstaben.
    const QString marke = u"&"_s + buchstabe;
    for (QPushButton *b :
         {BZenKat[1], BZenKat[2], BZenKat[3], BZenKat[4], BZenKat[5], BAlleZen, BDurchschnitte,
          BeinzelListe, BEinzelSchueler, BBezeichnungenUndGewichtungen, BNeueKlasse}) {
        if (b->isVisible() && b->isEnabled() && b->text().contains(marke, Qt::CaseInsensitive)) {
            b->click();
            return;
        }
    }
}

void TFZensurenbearbeitung::zurueckKnopf()
{
    if (suchAnsicht->aktiv()) {
        suchAnsicht->schuelerSucheBeenden();
        return;
    }
    if (aktuell == Unteransicht::Tabelle) {
        LBoxKlassen->hide();
        zurUebersichtWechseln();
    }
}

void TFZensurenbearbeitung::escTaste()
{
    // Esc beendet den Zielmodus des Verschiebens, wo auch immer der Fokus steht.
    if (einzelschueler->zielmodus()) {
        einzelschueler->zielmodusBeenden();
        return;
    }
    if (LBoxKlassen->isVisible()) {
        LBoxKlassen->hide();
        return;
    }
    if (aktuell == Unteransicht::Tabelle) {
        zurUebersichtWechseln();
    }
}

void TFZensurenbearbeitung::keyPressEvent(QKeyEvent *ereignis)
{
    if (ereignis->key() == Qt::Key_Escape) {
        if (aktuell == Unteransicht::Einzelliste) {
            einzelliste->escTaste();
            return;
        }
        switch (aktuell) {
        case Unteransicht::Einzelliste:
            break;
        case Unteransicht::Notenarten:
            notenarten->abbrechen();
            return;
        case Unteransicht::NeueKlasse:
            neueKlasseAnsicht->BAbbrechenNeueKlasse();
            return;
        case Unteransicht::Zufallsgruppen:
            zufallsgruppenAnsicht->BZufallsgruppenBeendenClick();
            return;
        case Unteransicht::Suche:
            suchAnsicht->schuelerSucheBeenden();
            return;
        case Unteransicht::Einzelschueler:
        case Unteransicht::Tabelle:
            break;
        }
        escTaste();
        return;
    }
    // Ohne Klasse ist die Tabelle verborgen; ihre Befehlstasten (etwa "w") gelten trotzdem.
    const bool mitSteuerung = ereignis->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (aktuell == Unteransicht::Tabelle && !sitzung.offen() && !mitSteuerung &&
        !ereignis->text().isEmpty() && ereignis->text()[0].isLetter()) {
        befehlsTaste(ereignis->text()[0].toLower());
        return;
    }
    if ((ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) &&
        aktuell == Unteransicht::Notenarten) {
        notenarten->ok();
        return;
    }
    if (aktuell == Unteransicht::Einzelliste && !ereignis->text().isEmpty()) {
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
    modusNachSpeicherabfrage(kModusUebersicht, false);
}

void TFZensurenbearbeitung::modusNachSpeicherabfrage(Modus modus, bool rueckgabe)
{
    if (sitzung.speicherAbfrage() < 0) {
        return;
    }
    emit modusGewuenscht(modus, rueckgabe);
}

void TFZensurenbearbeitung::closeEvent(QCloseEvent *ereignis)
{
    if (sitzung.speicherAbfrage() < 0) {
        ereignis->ignore();
        return;
    }
    ereignis->accept();
    emit programmBeenden();
}
