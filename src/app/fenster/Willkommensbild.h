#pragma once
// Das Begruessungsbild der Uebersicht, als Vektorzeichnung: Testbogen, Notenbuch, Lueckentext
// und Schulnetz. Skaliert mit dem Platz, Seitenverhaeltnis bleibt.

#include <QIcon>
#include <QWidget>

class Willkommensbild : public QWidget
{
    Q_OBJECT
public:
    explicit Willkommensbild(QWidget *eltern = nullptr);
    QSize sizeHint() const override;

    // Zeichnet das Bild in ein Rechteck beliebiger Groesse (auch fuer Bilddateien).
    static void zeichnen(QPainter &p, const QRectF &ziel);
    // Programmsymbol: Haken auf einem Testbogen.
    static QIcon symbol();

protected:
    void paintEvent(QPaintEvent *) override;
};
