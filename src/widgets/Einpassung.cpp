#include "widgets/Einpassung.h"

#include "common/einpassen.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

// Schaetzung vor dem ersten gezeigten Fenster: eher zu gross als zu klein.
QMargins gesehenerRahmen(4, 32, 4, 8);

// Beim Zeigen gewuenschter und eingepasster Inhaltsbereich: ist das Fenster seither nicht
// bewegt worden, wird mit dem echten Rahmen noch einmal vom Wunsch aus eingepasst (oben am
// Bildschirm bleibt dann oben, statt um die geschaetzte Titelleiste tiefer).
const char *const kWunsch = "mivoEinpassenWunsch";
const char *const kGesetzt = "mivoEinpassenGesetzt";

QMargins rahmenVon(const QWidget *fenster)
{
    const QRect aussen = fenster->frameGeometry();
    const QRect innen = fenster->geometry();
    return {innen.left() - aussen.left(), innen.top() - aussen.top(),
            aussen.right() - innen.right(), aussen.bottom() - innen.bottom()};
}

QMargins rahmenFuer(const QWidget *fenster)
{
    if (fenster->windowFlags().testFlag(Qt::FramelessWindowHint)) {
        return {};
    }
    const QMargins rahmen = rahmenVon(fenster);
    if (!rahmen.isNull()) {
        gesehenerRahmen = rahmen;
        return rahmen;
    }
    return gesehenerRahmen;
}

const QScreen *bildschirmVon(const QWidget *fenster)
{
    if (const QScreen *s = QGuiApplication::screenAt(fenster->geometry().center())) {
        return s;
    }
    return fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
}

bool einzupassen(const QWidget *w)
{
    const Qt::WindowType art = w->windowType();
    return w->isWindow() && (art == Qt::Window || art == Qt::Dialog) && !w->isMaximized() &&
           !w->isFullScreen();
}

// platzDerVerwaltung: die Fensterverwaltung waehlt den Platz, nur die Groesse zaehlt.
QRect einpassen(QWidget *fenster, const QRect &wunsch, bool platzDerVerwaltung)
{
    const QScreen *bildschirm = bildschirmVon(fenster);
    const QRect alt = fenster->geometry();
    if (!bildschirm) {
        return alt;
    }
    // Kleiner als seine Mindestgroesse wird ein Fenster nicht; dann bleibt die linke obere Ecke
    // sichtbar (die Inhalte rollen oder brechen um, damit es nicht dazu kommt).
    QRect neu = fensterEinpassen(bildschirm->availableGeometry(), rahmenFuer(fenster), wunsch);
    if (platzDerVerwaltung) {
        neu.moveTopLeft(alt.topLeft());
    }
    if (neu != alt) {
        if (neu.topLeft() == alt.topLeft()) {
            fenster->resize(neu.size());
        } else {
            fenster->setGeometry(neu);
        }
    }
    return fenster->geometry();
}

void nachZeigen(QWidget *fenster)
{
    if (!fenster->isVisible() || !einzupassen(fenster)) {
        return;
    }
    const QRect gesetzt = fenster->property(kGesetzt).toRect();
    const QRect wunsch = fenster->property(kWunsch).toRect();
    const bool unbewegt = gesetzt.isValid() && wunsch.isValid() && fenster->geometry() == gesetzt;
    const QRect neu = einpassen(fenster, unbewegt ? wunsch : fenster->geometry(), false);
    fenster->setProperty(kGesetzt, unbewegt ? neu : QRect());
}

} // namespace

void fensterEinpassen(QWidget *fenster)
{
    fensterEinpassen(fenster, fenster->geometry());
}

void fensterEinpassen(QWidget *fenster, const QRect &wunsch)
{
    const QRect gesetzt = einpassen(fenster, wunsch, false);
    // Kennt man den Rahmen noch nicht, passt das Nachpruefen nach dem Zeigen vom Wunsch aus ein.
    fenster->setProperty(kWunsch, wunsch);
    fenster->setProperty(kGesetzt, gesetzt);
}

void Bildschirmeinpassung::anmelden()
{
    static bool angemeldet = false;
    if (!angemeldet && qApp) {
        angemeldet = true;
        qApp->installEventFilter(new Bildschirmeinpassung(qApp));
    }
}

bool Bildschirmeinpassung::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const QEvent::Type art = ereignis->type();
    if ((art != QEvent::Show && art != QEvent::Resize) || !objekt->isWidgetType()) {
        return QObject::eventFilter(objekt, ereignis);
    }
    auto *w = static_cast<QWidget *>(objekt);
    if (!einzupassen(w)) {
        return QObject::eventFilter(objekt, ereignis);
    }
    const QPointer<QWidget> spaeter(w);
    if (art == QEvent::Show) {
        const QRect wunsch = w->geometry();
        // Ohne gesetzten Platz waehlt ihn die Fensterverwaltung: vorerst nur die Groesse.
        const QRect gesetzt = einpassen(w, wunsch, !w->testAttribute(Qt::WA_Moved));
        w->setProperty(kWunsch, wunsch);
        w->setProperty(kGesetzt, w->testAttribute(Qt::WA_Moved) ? gesetzt : QRect());
        // Nach dem Zeigen hat die Fensterverwaltung Rahmen und Platz vergeben.
        for (int ms : {100, 500, 1500}) {
            QTimer::singleShot(ms, this, [spaeter] {
                if (spaeter) {
                    nachZeigen(spaeter);
                }
            });
        }
    } else if (w->isVisible()) {
        // Waechst ein gezeigtes Fenster durch seinen Inhalt ueber den Bildschirm hinaus, wird es
        // wieder eingepasst; Verkleinern und Verschieben bleiben der Lehrkraft ueberlassen.
        const auto *groesse = static_cast<QResizeEvent *>(ereignis);
        const QSize alt = groesse->oldSize();
        if (alt.isValid() &&
            (groesse->size().width() > alt.width() || groesse->size().height() > alt.height())) {
            QTimer::singleShot(0, this, [spaeter] {
                if (spaeter && spaeter->isVisible() && einzupassen(spaeter)) {
                    einpassen(spaeter, spaeter->geometry(), false);
                }
            });
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}
