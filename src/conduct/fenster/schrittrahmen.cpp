#include "conduct/fenster/schrittrahmen.h"

#include <QAbstractButton>
#include <QVBoxLayout>

Schrittrahmen::Schrittrahmen(QAbstractButton *knopf, const QString &rahmenName, const QColor &farbe,
                             QWidget *eltern)
    : QWidget(eltern)
    , k(knopf)
    , rahmenFlaeche(new QFrame(this))
{
    rahmenFlaeche->setObjectName(rahmenName);
    rahmenFlaeche->setAutoFillBackground(true);
    setzeFarbe(farbe);
    rahmenFlaeche->hide();
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(4, 4, 4, 4);
    l->addWidget(knopf);
    knopf->raise();
}

void Schrittrahmen::setzeFarbe(const QColor &farbe)
{
    QPalette p = rahmenFlaeche->palette();
    p.setColor(QPalette::Window, farbe);
    rahmenFlaeche->setPalette(p);
}

void Schrittrahmen::knopfZeigen(bool an)
{
    k->setVisible(an);
    setVisible(an);
}

void Schrittrahmen::resizeEvent(QResizeEvent *ereignis)
{
    QWidget::resizeEvent(ereignis);
    rahmenFlaeche->setGeometry(rect());
    rahmenFlaeche->lower();
}
