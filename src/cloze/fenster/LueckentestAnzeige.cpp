// Anzeige im Lückentest: die rote Linie unter der bearbeiteten Zeile, zeilenweises Rollen zu
// einer Lücke, das Mausrad über dem Text, Ziehen des Auswahlkastens und Ausblenden des
// Eingabefeldes mit der rechten Maustaste.

#include "cloze/fenster/LueckenEdit.h"
#include "cloze/fenster/Lueckentest.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

constexpr double kGrundSchrift = 12.0; // Schriftgröße von re1 ohne Zoom
constexpr int kLinienAbstand = 20;     // rote Linie unter dem Zeilenanfang, bei Zoom 1
constexpr int kLinienHoehe = 4;

} // namespace

double TFLueckentest::zoomFaktor() const
{
    const double groesse = re1->font().pointSizeF();
    return groesse > 0 ? groesse / kGrundSchrift : 1.0;
}

void TFLueckentest::roteLinie(int position)
{
    QTextCursor c(re1->document());
    c.setPosition(position);
    c.movePosition(QTextCursor::StartOfLine);
    const int oben = re1->cursorRect(c).top();
    PRoteLinie->setGeometry(0, oben + qRound(kLinienAbstand * zoomFaktor()),
                            re1->viewport()->width(), kLinienHoehe);
    PRoteLinie->show();
    PRoteLinie->raise();
}

void TFLueckentest::zeileInSicht(int position)
{
    QTextCursor c(re1->document());
    c.setPosition(position);
    const QRect zeile = re1->cursorRect(c);
    QScrollBar *rollen = re1->verticalScrollBar();
    const int sicht = re1->viewport()->height();
    if (zeile.top() < 0) {
        // Oberhalb: die Zeile kommt an den unteren Rand der Ansicht.
        rollen->setValue(rollen->value() + zeile.bottom() + 1 - sicht);
    } else if (zeile.bottom() >= sicht) {
        // Unterhalb: von unten herein, eine Zeile weiter als nötig.
        rollen->setValue(rollen->value() + zeile.bottom() + 1 + zeile.height() - sicht);
    }
}

void TFLueckentest::lueckeZeigen(int position, int laenge)
{
    zeileInSicht(position);
    QTextCursor c(re1->document());
    c.setPosition(position);
    c.setPosition(position + laenge, QTextCursor::KeepAnchor);
    re1->setTextCursor(c); // die Zeile ist schon sichtbar: kein weiteres Rollen
    roteLinie(position);
}

bool TFLueckentest::radAmText(QWheelEvent *ev)
{
    if (GBoxAuswahlLW->isVisible()) {
        // Eine offene Auswahlliste rollt statt des Textes.
        QListWidget *liste = LBSchAuswahl->isVisible() ? LBSchAuswahl : LBSchAuswahlEL;
        QWheelEvent weiter(liste->viewport()->mapFromGlobal(ev->globalPosition()),
                           ev->globalPosition(), ev->pixelDelta(), ev->angleDelta(), ev->buttons(),
                           ev->modifiers(), ev->phase(), ev->inverted());
        QCoreApplication::sendEvent(liste->viewport(), &weiter);
        return true;
    }
    PRoteLinie->hide();
    EEinzelListenFenster->hide();
    return false;
}

bool TFLueckentest::anzeigeEreignis(QObject *o, QEvent *ev)
{
    if (o == re1->viewport() && ev->type() == QEvent::Wheel) {
        return radAmText(static_cast<QWheelEvent *>(ev));
    }
    const bool druck = ev->type() == QEvent::MouseButtonPress;
    const bool bewegung = ev->type() == QEvent::MouseMove;
    if (!druck && !bewegung) {
        return false;
    }
    const auto *maus = static_cast<QMouseEvent *>(ev);
    if (o == GBoxAuswahlLW && druck && maus->button() == Qt::LeftButton) {
        // Verschluckt: sonst schlösse der Klick auf den Fensterhintergrund den Kasten.
        ziehPunkt = maus->globalPosition();
        return true;
    }
    if (o == GBoxAuswahlLW && bewegung && (maus->buttons() & Qt::LeftButton)) {
        const QPoint weg = (maus->globalPosition() - ziehPunkt).toPoint();
        GBoxAuswahlLW->move(GBoxAuswahlLW->pos() + weg);
        ziehPunkt += QPointF(weg);
        return true;
    }
    if (o == EEinzelListenFenster && bewegung && (maus->buttons() & Qt::RightButton)) {
        EEinzelListenFenster->hide();
        return true;
    }
    return false;
}
