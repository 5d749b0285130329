#pragma once
// Der Sitzplan SGSitzplan: Schueler in Platzfolge, Gruppe A und B abwechselnd gefaerbt,
// Vorname ueber Nachname; das Mausrad aendert die Spaltenzahl (1..11).

#include <QStringList>
#include <QTableWidget>

class SGSitzplan : public QTableWidget
{
    Q_OBJECT
public:
    explicit SGSitzplan(QWidget *eltern = nullptr);

    // Namen wie im Sitzplan "Nachname, Vorname", hoechstens 40.
    void setzeNamen(const QStringList &namen);
    int spalten() const { return spaltenZahl; }
    void setzeSpalten(int spalten);

    static const QColor farbeA;
    static const QColor farbeB;

protected:
    void wheelEvent(QWheelEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void paintEvent(QPaintEvent *) override;

private:
    void fuellen();
    void masseSetzen();

    QStringList namen;
    int spaltenZahl = 8;
    int radRest = 0; // Winkel, der noch keinen ganzen Schritt ergibt
};
