#pragma once
// Ein farbiger Rahmen 4 Pixel um einen Knopf, der den naechsten sinnvollen Schritt zeigt.
// Der Halter nimmt den Knopf mit 4 Pixel Rand auf; der Rahmen liegt hinter dem Knopf und wird
// gezeigt oder verborgen, ohne dass sich die Anordnung verschiebt.

#include <QColor>
#include <QFrame>

class QAbstractButton;

class Schrittrahmen : public QWidget
{
    Q_OBJECT
public:
    Schrittrahmen(QAbstractButton *knopf, const QString &rahmenName, const QColor &farbe,
                  QWidget *eltern = nullptr);

    QFrame *rahmen() const { return rahmenFlaeche; }
    QAbstractButton *knopf() const { return k; }
    void setzeFarbe(const QColor &farbe);
    // Knopf (mit Halter) zeigen; der Rahmen bleibt, wie er ist.
    void knopfZeigen(bool an);
    void rahmenZeigen(bool an) { rahmenFlaeche->setVisible(an); }

protected:
    void resizeEvent(QResizeEvent *) override;

private:
    QAbstractButton *k;
    QFrame *rahmenFlaeche;
};
