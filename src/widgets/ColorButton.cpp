#include "widgets/ColorButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <qdrawutil.h>

namespace {
constexpr int kBreite = 70;
constexpr int kHoehe = 46;
} // namespace

TColorButton::TColorButton(QWidget *eltern)
    : TColorButton(QString(), eltern)
{}

TColorButton::TColorButton(const QString &text, QWidget *eltern)
    : QPushButton(text, eltern)
{
    foreColor = palette().color(QPalette::ButtonText);
    resize(kBreite, kHoehe);
    setAttribute(Qt::WA_Hover);
}

void TColorButton::setBackColor(const QColor &c)
{
    if (c != backColor) {
        backColor = c;
        update();
    }
}

void TColorButton::setForeColor(const QColor &c)
{
    if (c != foreColor) {
        foreColor = c;
        update();
    }
}

void TColorButton::setHoverColor(const QColor &c)
{
    if (c != hoverColor) {
        hoverColor = c;
        update();
    }
}

QSize TColorButton::sizeHint() const
{
    const QSize noetig = fontMetrics().size(Qt::TextShowMnemonic, text());
    return {std::max(kBreite, noetig.width() + 24), std::max(kHoehe, noetig.height() + 16)};
}

QSize TColorButton::minimumSizeHint() const
{
    return sizeHint();
}

void TColorButton::enterEvent(QEnterEvent *ereignis)
{
    mausDarueber = true;
    gemerkteFarbe = backColor;
    setBackColor(hoverColor);
    QPushButton::enterEvent(ereignis);
}

void TColorButton::leaveEvent(QEvent *ereignis)
{
    if (mausDarueber) {
        mausDarueber = false;
        setBackColor(gemerkteFarbe);
    }
    QPushButton::leaveEvent(ereignis);
}

void TColorButton::changeEvent(QEvent *ereignis)
{
    if (ereignis->type() == QEvent::EnabledChange || ereignis->type() == QEvent::FontChange) {
        update();
    }
    QPushButton::changeEvent(ereignis);
}

void TColorButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette &pal = palette();
    const QRect item = rect();
    QRect r = item;
    const bool gedrueckt = isDown() || isChecked();
    const bool standard = isDefault();

    // 1. Rahmen fuer Standardknopf oder Fokus
    if (standard || hasFocus()) {
        p.setPen(QPen(pal.color(QPalette::WindowText), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    // 2. gedrueckt: flacher Schattenrahmen, sonst der erhabene Knopfrahmen
    if (gedrueckt) {
        p.setPen(QPen(pal.color(QPalette::Dark), 1));
        p.setBrush(pal.color(QPalette::Button));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
        // 3. Inhalt um ein Pixel nach rechts unten
        r.translate(1, 1);
    } else {
        QPalette rahmen = pal;
        if (!isEnabled()) {
            rahmen.setCurrentColorGroup(QPalette::Disabled);
        }
        qDrawWinButton(&p, r, rahmen, false, nullptr);
        r.adjust(2, 2, -2, -2);
    }
    // 4. Flaeche
    p.fillRect(r, backColor);

    // 5. Beschriftung
    p.setBackgroundMode(Qt::TransparentMode);
    p.setFont(font());
    if (isEnabled()) {
        p.setPen(foreColor);
        p.drawText(r, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, text());
    } else {
        // Graviert: heller Schatten versetzt, darueber die dunkle Schrift.
        const QSize groesse = fontMetrics().size(Qt::TextShowMnemonic | Qt::TextSingleLine, text());
        const QRect ort(
            QPoint((r.width() - groesse.width()) / 2, (r.height() - groesse.height()) / 2),
            groesse);
        p.setPen(pal.color(QPalette::Light));
        p.drawText(ort.translated(1, 1), Qt::TextShowMnemonic | Qt::TextSingleLine, text());
        p.setPen(pal.color(QPalette::Disabled, QPalette::Dark));
        p.drawText(ort, Qt::TextShowMnemonic | Qt::TextSingleLine, text());
    }
    // 6. Fokusrechteck beim Standardknopf
    if (standard && hasFocus()) {
        QStyleOptionFocusRect o;
        o.initFrom(this);
        o.rect = item.adjusted(4, 4, -4, -4);
        o.backgroundColor = backColor;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
    }
}
