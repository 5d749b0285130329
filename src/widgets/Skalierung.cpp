#include "widgets/Skalierung.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QTableView>
#include <QWidget>

namespace {

int mal(int wert, int prozent)
{
    return int(rundeGerade(static_cast<long long>(wert) * prozent, 100));
}

void schriftSkalieren(QWidget *w, int prozent)
{
    QFont f = w->font();
    if (f.pointSizeF() > 0) {
        f.setPointSizeF(f.pointSizeF() * prozent / 100.0);
    } else if (f.pixelSize() > 0) {
        f.setPixelSize(std::max(1, mal(f.pixelSize(), prozent)));
    }
    w->setFont(f);
}

void groessenSkalieren(QWidget *w, int prozent)
{
    const QSize min = w->minimumSize();
    if (!min.isNull()) {
        w->setMinimumSize(mal(min.width(), prozent), mal(min.height(), prozent));
    }
    const QSize max = w->maximumSize();
    const int gross = QWIDGETSIZE_MAX;
    w->setMaximumSize(max.width() == gross ? gross : mal(max.width(), prozent),
                      max.height() == gross ? gross : mal(max.height(), prozent));
    // Gesetzte Spaltenbreiten und Zeilenhoehen wachsen mit, sonst passen Gitter fester Groesse
    // nicht mehr zu ihren Zellen.
    if (auto *t = qobject_cast<QTableView *>(w)) {
        for (QHeaderView *kopf : {t->horizontalHeader(), t->verticalHeader()}) {
            QList<int> groessen;
            for (int i = 0; i < kopf->count(); ++i) {
                groessen << mal(kopf->sectionSize(i), prozent);
            }
            // Setzt auch alle Abschnitte auf die neue Vorgabe; die eigenen kommen danach.
            kopf->setDefaultSectionSize(mal(kopf->defaultSectionSize(), prozent));
            for (int i = 0; i < kopf->count(); ++i) {
                kopf->resizeSection(i, groessen[i]);
            }
        }
    }
    if (QLayout *l = w->layout()) {
        const QMargins m = l->contentsMargins();
        l->setContentsMargins(mal(m.left(), prozent), mal(m.top(), prozent),
                              mal(m.right(), prozent), mal(m.bottom(), prozent));
        if (l->spacing() >= 0) {
            l->setSpacing(mal(l->spacing(), prozent));
        }
    }
}

} // namespace

int fensterSkalierung(const QWidget *fenster, Fensterfamilie familie)
{
    const QScreen *bildschirm = fenster->screen();
    if (!bildschirm) {
        bildschirm = QGuiApplication::primaryScreen();
    }
    if (!bildschirm) {
        return 100;
    }
    // Leisten des Desktops nehmen dem Fenster Platz: es zaehlt der freie Bereich.
    const QSize g = bildschirm->availableGeometry().size();
    return Bildschirmaufloesung_beliebig(g.width(), g.height(), bildschirm->logicalDotsPerInch(),
                                         familie);
}

void fensterSkalieren(QWidget *fenster, int prozent)
{
    if (prozent == 100) {
        return;
    }
    // Eigene Schriften der Kinder zuerst; die uebrigen erben die des Fensters.
    const QList<QWidget *> kinder = fenster->findChildren<QWidget *>();
    for (QWidget *k : kinder) {
        if (k->testAttribute(Qt::WA_SetFont)) {
            schriftSkalieren(k, prozent);
        }
        groessenSkalieren(k, prozent);
    }
    schriftSkalieren(fenster, prozent);
    groessenSkalieren(fenster, prozent);
}
