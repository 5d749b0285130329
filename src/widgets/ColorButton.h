#pragma once
// Knopf mit selbst gezeichneter Flaeche: Flaechen-, Schrift- und Hover-Farbe waehlbar.

#include <QColor>
#include <QPushButton>

class TColorButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QColor HoverColor READ HoverColor WRITE setHoverColor)

public:
    explicit TColorButton(QWidget *eltern = nullptr);
    explicit TColorButton(const QString &text, QWidget *eltern = nullptr);

    QColor BackColor() const { return backColor; }
    QColor ForeColor() const { return foreColor; }
    QColor HoverColor() const { return hoverColor; }
    // Nur eine Aenderung zeichnet neu.
    void setBackColor(const QColor &c);
    void setForeColor(const QColor &c);
    void setHoverColor(const QColor &c);

    // Eigene Groesse: mindestens 70 x 46, gross genug fuer die Beschriftung.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *) override;
    void enterEvent(QEnterEvent *) override;
    void leaveEvent(QEvent *) override;
    void changeEvent(QEvent *) override;

private:
    QColor backColor{Qt::white};
    QColor foreColor;
    QColor hoverColor{Qt::white};
    QColor gemerkteFarbe; // Flaechenfarbe beim Eintritt der Maus
    bool mausDarueber = false;
};
