// Schüleransicht: Lücken füllen aus Liste, Einzelliste oder Eingabefeld, offene Lücken zählen,
// ausgefüllte Datei speichern.

#include "cloze/fenster/LueckenEdit.h"
#include "cloze/fenster/Lueckentest.h"
#include "common/rtf/rtf.h"
#include "common/rueckfragen.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using namespace Qt::StringLiterals;

void TFLueckentest::SchTestDateiDarstellenClick()
{
    sitz.schuelerdateiLaden();
}

QStringList TFLueckentest::aWoerter() const
{
    return sitz.schuelerAWoerter;
}

bool TFLueckentest::schuelerMaus(QMouseEvent *ev)
{
    if (ev->button() != Qt::LeftButton) {
        return true;
    }
    const QTextCursor c = re1->cursorForPosition(ev->position().toPoint());
    int pos = c.position();
    if (pos > 0 && ev->position().x() < re1->cursorRect(c).left()) {
        --pos;
    }
    const int n = lueckeAnPosition(lueckenLaeufe(*re1->document()), pos);
    auswahlSchliessen();
    if (n > 0) {
        schuelerAuswahlOeffnen(n);
    }
    return true;
}

void TFLueckentest::schuelerAuswahlOeffnen(int n)
{
    const QList<LueckenLauf> laeufe = lueckenLaeufe(*re1->document());
    if (n < 1 || n > laeufe.size()) {
        return;
    }
    const LueckenLauf &l = laeufe[n - 1];
    lueckeZeigen(l.start, l.laenge);
    offeneLuecke = n;
    const QRect ort = re1->cursorRect();
    const QPoint p = re1->viewport()->mapTo(this, ort.topLeft());
    const QChar art = sitz.listen.tabelle[n].art;
    if (art == kArtF) {
        EEinzelListenFenster->setText(l.text);
        EEinzelListenFenster->selectAll();
        const int breite = std::max(240, 10 * int(l.text.size()) + 20);
        EEinzelListenFenster->setGeometry(
            std::clamp(p.x() - breite / 2, 0, std::max(0, width() - breite)),
            std::max(0, p.y() - 40), breite, EEinzelListenFenster->sizeHint().height());
        EEinzelListenFenster->show();
        EEinzelListenFenster->raise();
        EEinzelListenFenster->setFocus();
        return;
    }
    QListWidget *liste = art == kArtE ? LBSchAuswahlEL : LBSchAuswahl;
    LBSchAuswahl->setVisible(art != kArtE);
    LBSchAuswahlEL->setVisible(art == kArtE);
    liste->clear();
    if (art == kArtE) {
        for (const QString &a : sitz.listen.tabelle[n].alternativen) {
            if (!a.isEmpty() && a != l.text) {
                liste->addItem(a);
            }
        }
    } else {
        liste->addItems(freieAWoerter(sitz.listen.tabelle, sitz.schuelerAWoerter));
    }
    liste->addItem(kPlatzhalter);
    const int hoehe = GBoxAuswahlLW->height();
    int oben = p.y() - ort.height() - hoehe;
    if (oben < 0) {
        oben = std::min(p.y() + ort.height() + 10, std::max(0, height() - hoehe));
    }
    GBoxAuswahlLW->move(std::clamp(p.x() - GBoxAuswahlLW->width() / 2, 0,
                                   std::max(0, width() - GBoxAuswahlLW->width())),
                        oben);
    GBoxAuswahlLW->show();
    GBoxAuswahlLW->raise();
    liste->setFocus();
}

void TFLueckentest::wortEinsetzen(const QString &wort)
{
    const int n = offeneLuecke;
    if (n < 1) {
        return;
    }
    const QString f = sitz.eintragen(n, wort);
    if (!f.isEmpty()) {
        r.warnung(f);
        return;
    }
    sprungGruppeSetzen(sitz.offeneLuecken());
    offeneLueckenAnzeigen();
    navigationFaerben();
    auswahlSchliessen();
    QTextCursor c = re1->textCursor();
    c.clearSelection();
    re1->setTextCursor(c);
    re1->setFocus();
}

void TFLueckentest::freiesWortEingabe()
{
    QString text = EEinzelListenFenster->text();
    // Ein Punkt zu viel vor oder hinter dem Platzhalter gilt als Platzhalter.
    if (text == kPlatzhalter + u'.' || text == u'.' + kPlatzhalter) {
        text = kPlatzhalter;
    }
    if (text.isEmpty()) {
        auswahlSchliessen();
        return;
    }
    wortEinsetzen(text);
}

void TFLueckentest::navigationFaerben()
{
    QStringList benutzt;
    QStringList freie;
    const QList<LueckenLauf> laeufe = lueckenLaeufe(*re1->document());
    for (qsizetype i = 0; i < laeufe.size(); ++i) {
        benutzt << laeufe[i].text;
        if (sitz.listen.tabelle[int(i + 1)].art == kArtF && laeufe[i].text != kPlatzhalter) {
            freie << laeufe[i].text;
        }
    }
    for (int i = 0; i < LBoxLWSchAL->count(); ++i) {
        QListWidgetItem *it = LBoxLWSchAL->item(i);
        it->setBackground(benutzt.contains(it->text()) ? lueckenHintergrund(kArtA)
                                                       : QColor(0xDD, 0xDD, 0xDD));
    }
    for (int i = 0; i < LBoxLWSchEL->count(); ++i) {
        QListWidgetItem *it = LBoxLWSchEL->item(i);
        it->setBackground(benutzt.contains(it->text()) ? lueckenHintergrund(kArtE)
                                                       : QColor(255, 255, 255));
    }
    LBoxLWSchFL->clear();
    LBoxLWSchFL->addItems(freie);
}

void TFLueckentest::BSchuelertestdateiSpeichernClick()
{
    sitz.eintraegeSpeichern();
}

bool TFLueckentest::eingabeTaste(QKeyEvent *ev)
{
    QLineEdit *f = EEinzelListenFenster;
    if (ev->key() == Qt::Key_Return || ev->key() == Qt::Key_Enter) {
        if (alternativenLuecke > 0) {
            alternativeEingabe();
        } else {
            freiesWortEingabe();
        }
        return true;
    }
    if (ev->key() == Qt::Key_Escape) {
        auswahlSchliessen();
        re1->setFocus();
        return true;
    }
    if (f->text() == kAlternativenAufforderung && !ev->text().isEmpty()) {
        f->clear();
        return false;
    }
    if (f->text() == u"."_s && ev->text() == u"."_s) {
        f->setText(kPlatzhalter);
        return true;
    }
    if (f->text() == kPlatzhalter &&
        (ev->key() == Qt::Key_Backspace || ev->key() == Qt::Key_Delete)) {
        f->clear();
        return true;
    }
    return false;
}

bool TFLueckentest::eventFilter(QObject *o, QEvent *ev)
{
    if (anzeigeEreignis(o, ev)) {
        return true;
    }
    if (o == EEinzelListenFenster) {
        if (ev->type() == QEvent::KeyPress) {
            return eingabeTaste(static_cast<QKeyEvent *>(ev));
        }
        if (ev->type() == QEvent::MouseButtonPress &&
            EEinzelListenFenster->text() == kAlternativenAufforderung) {
            EEinzelListenFenster->clear();
        }
    }
    return QWidget::eventFilter(o, ev);
}
