// Notenliste verschieben in der Einzellistenansicht: die offene Liste wird Quelle, das Ziel sind
// eine Notenart (Knopf oben) und eine Zeile der Listenauswahl.
#include "classdata/klassensitzung.h"
#include "common/rueckfragen.h"
#include "grades/fenster/einzelliste_ansicht.h"
#include "grades/notenmodell.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QString kVerschiebenKnopf = u"Notenliste verschieben"_s;
const QString kZielAufforderung =
    u"Bitte oben das Ziel\nder Verschiebung\nauswählen.\n(Notenart und "
    u"Nr.)\n\nZum Abbrechen\nnochmal hier\nklicken"_s;

} // namespace

void EinzellistenAnsicht::BNotenlisteVerschiebenClick()
{
    if (verschiebung) {
        verschiebungBeenden();
        LBZenHinweise->hide();
        return;
    }
    // Nur mit offener Liste (Auswahl verborgen) und gewaehlter Notenart.
    if (!liste || LBZenHinweise->isVisible() || art < 1 || !EZenHinweise->isVisible()) {
        return;
    }
    // Eine geloeschte Liste gibt es nicht mehr: das Zurueckschreiben liesse die spaeteren Listen
    // nachruecken, verschoben wuerde die naechste, und OK loeschte danach noch eine.
    if (liste->geloescht) {
        r.piep();
        return;
    }
    if (!listeZurueckschreiben()) {
        return;
    }
    verschiebung = verschiebungBeginnen(s.klasse, art, liste->slot);
    BNotenlisteVerschieben->setText(kZielAufforderung);
    BNotenlisteVerschieben->setMinimumHeight(150);
    Label3->setText(u"Zielnummer für das Verschieben angeben:"_s);
}

void EinzellistenAnsicht::verschiebungBeenden()
{
    verschiebung.reset();
    if (BNotenlisteVerschieben != nullptr) {
        BNotenlisteVerschieben->setText(kVerschiebenKnopf);
        BNotenlisteVerschieben->setMinimumHeight(0);
    }
    Label3->setText(u"Auswahl der Noten"_s);
}

bool EinzellistenAnsicht::verschiebungZielArt(int zielArt)
{
    if (zielArtMoeglich(s.klasse, *verschiebung, zielArt, r)) {
        return true;
    }
    const int quelle = verschiebung->quellArt;
    verschiebungBeenden();
    art = quelle;
    return false;
}

void EinzellistenAnsicht::verschiebungInSpalte(int t)
{
    const Verschiebung v = *verschiebung;
    verschiebungBeenden();
    LBZenHinweise->hide();
    if (!verschiebungAbschliessen(s.klasse, v, art, t, r)) {
        return;
    }
    s.geaendertMelden();
    liste = einzellisteOeffnen(s.klasse, art, t, uhr);
    listeAnzeigen();
}
