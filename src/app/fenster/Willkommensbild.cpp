#include "app/fenster/Willkommensbild.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal kB = 900;
constexpr qreal kH = 700;
constexpr qreal kKopf = 140; // Hoehe der Ueberschrift ueber der Zeichnung

const QColor kNoten(255, 255, 225);
const QColor kKonstruktion(220, 240, 250);
const QColor kDurchfuehrung(240, 245, 240);
const QColor kRueckgabe(220, 195, 195);
const QColor kTinte(40, 60, 110);
const QColor kRot(190, 30, 30);

void schatten(QPainter &p, const QRectF &r, qreal radius)
{
    for (int i = 6; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 10));
        p.drawRoundedRect(r.translated(i * 0.9, i * 1.2), radius + i, radius + i);
    }
}

void haken(QPainter &p, QPointF o, qreal g, const QColor &farbe)
{
    QPainterPath pfad;
    pfad.moveTo(o + QPointF(0, g * 0.55));
    pfad.lineTo(o + QPointF(g * 0.38, g * 0.95));
    pfad.lineTo(o + QPointF(g * 1.1, -g * 0.1));
    p.setPen(QPen(farbe, g * 0.22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pfad);
}

// Der Testbogen mit einer Frage und vier Antworten.
void testbogen(QPainter &p)
{
    p.save();
    p.translate(70, 70);
    p.rotate(-4);
    const QRectF blatt(0, 0, 300, 380);
    schatten(p, blatt, 4);
    p.setPen(QPen(QColor(180, 190, 200), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(blatt, 4, 4);
    p.fillRect(QRectF(0, 0, 300, 54), kKonstruktion);
    p.setPen(kTinte);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(19);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(18, 0, 280, 54), Qt::AlignVCenter, QStringLiteral("Test 7x  ·  Physik"));
    f.setBold(false);
    f.setPixelSize(15);
    p.setFont(f);
    p.drawText(QRectF(18, 70, 270, 44), Qt::TextWordWrap,
               QStringLiteral("5. Welche Farbe haben Rettungszeichen?"));
    const QStringList antworten{QStringLiteral("a)  rot"), QStringLiteral("b)  grün"),
                                QStringLiteral("c)  gelb"), QStringLiteral("d)  blau")};
    for (int i = 0; i < 4; ++i) {
        const qreal y = 134 + i * 46;
        const QRectF kaestchen(22, y, 24, 24);
        p.setPen(QPen(QColor(120, 130, 150), 1.5));
        p.setBrush(i == 1 ? QColor(225, 245, 225) : QColor(Qt::white));
        p.drawRoundedRect(kaestchen, 4, 4);
        p.setPen(kTinte);
        p.drawText(QRectF(60, y, 220, 24), Qt::AlignVCenter, antworten[i]);
    }
    haken(p, QPointF(24, 177), 24, QColor(0, 140, 60));
    // Punkteleiste unten
    p.setPen(QPen(QColor(200, 205, 215), 1));
    for (int i = 0; i < 3; ++i) {
        p.drawLine(QPointF(22, 330 + i * 14), QPointF(280 - i * 40, 330 + i * 14));
    }
    p.restore();
}

// Das Notenbuch mit Zensuren.
void notenbuch(QPainter &p)
{
    p.save();
    p.translate(420, 60);
    p.rotate(3);
    const QRectF buch(0, 0, 400, 250);
    schatten(p, buch, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(155, 0, 0));
    p.drawRoundedRect(buch.adjusted(-8, -8, 8, 8), 8, 8);
    p.setBrush(kNoten);
    p.drawRoundedRect(buch, 4, 4);
    // Gitter
    p.setPen(QPen(QColor(210, 200, 150), 1));
    for (int z = 1; z < 6; ++z) {
        p.drawLine(QPointF(0, z * 41.0), QPointF(400, z * 41.0));
    }
    for (qreal x : {150.0, 212.0, 274.0, 336.0}) {
        p.drawLine(QPointF(x, 0), QPointF(x, 250));
    }
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(16);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(155, 0, 0));
    p.drawText(QRectF(10, 0, 140, 41), Qt::AlignVCenter, QStringLiteral("Klasse 7x"));
    const QStringList koepfe{QStringLiteral("HA"), QStringLiteral("Mü"), QStringLiteral("Te"),
                             QStringLiteral("Ø")};
    for (int i = 0; i < 4; ++i) {
        p.drawText(QRectF(150 + i * 62, 0, 62, 41), Qt::AlignCenter, koepfe[i]);
    }
    f.setBold(false);
    p.setFont(f);
    const QStringList namen{QStringLiteral("Albrecht, L."), QStringLiteral("Bauer, J."),
                            QStringLiteral("Celik, M."), QStringLiteral("Dorn, S.")};
    const QStringList noten{QStringLiteral("2+"), QStringLiteral("1-"), QStringLiteral("2"),
                            QStringLiteral("2+"), QStringLiteral("3"),  QStringLiteral("2-"),
                            QStringLiteral("1"),  QStringLiteral("2"),  QStringLiteral("1"),
                            QStringLiteral("3+"), QStringLiteral("3"),  QStringLiteral("3")};
    for (int z = 0; z < 4; ++z) {
        p.setPen(kTinte);
        p.drawText(QRectF(10, 41 + z * 41.0, 140, 41), Qt::AlignVCenter, namen[z]);
        for (int s = 0; s < 3; ++s) {
            p.setPen(s == 2 ? kRot : kTinte);
            p.drawText(QRectF(150 + s * 62, 41 + z * 41.0, 62, 41), Qt::AlignCenter,
                       noten[z * 3 + s]);
        }
    }
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(155, 0, 0));
    const QStringList schnitt{QStringLiteral("1,9"), QStringLiteral("2,4"), QStringLiteral("1,3"),
                              QStringLiteral("3,0")};
    for (int z = 0; z < 4; ++z) {
        p.drawText(QRectF(336, 41 + z * 41.0, 64, 41), Qt::AlignCenter, schnitt[z]);
    }
    p.restore();
}

// Lueckentext-Streifen.
void lueckentext(QPainter &p)
{
    p.save();
    p.translate(430, 345);
    p.rotate(-2);
    const QRectF streifen(0, 0, 380, 62);
    schatten(p, streifen, 6);
    p.setPen(QPen(QColor(190, 200, 190), 1));
    p.setBrush(kDurchfuehrung);
    p.drawRoundedRect(streifen, 6, 6);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(16);
    p.setFont(f);
    p.setPen(kTinte);
    p.drawText(QRectF(16, 0, 80, 62), Qt::AlignVCenter, QStringLiteral("Strom"));
    p.drawText(QRectF(200, 0, 80, 62), Qt::AlignVCenter, QStringLiteral("nur im"));
    p.setPen(QPen(QColor(0, 128, 128), 2));
    p.drawLine(QPointF(76, 40), QPointF(186, 40));
    p.drawLine(QPointF(262, 40), QPointF(360, 40));
    p.setPen(QColor(0, 128, 128));
    f.setItalic(true);
    p.setFont(f);
    p.drawText(QRectF(76, 8, 110, 30), Qt::AlignCenter, QStringLiteral("fließt"));
    p.restore();
}

// Schulnetz: Lehrer-PC, Server, Schueler-PCs.
void bildschirm(QPainter &p, QPointF mitte, qreal g, const QColor &farbe)
{
    const QRectF schirm(mitte.x() - g, mitte.y() - g * 0.7, 2 * g, g * 1.3);
    p.setPen(QPen(QColor(60, 70, 90), 2));
    p.setBrush(QColor(60, 70, 90));
    p.drawRoundedRect(schirm, 3, 3);
    p.fillRect(schirm.adjusted(4, 4, -4, -4), farbe);
    p.drawLine(QPointF(mitte.x(), schirm.bottom()), QPointF(mitte.x(), schirm.bottom() + g * 0.3));
    p.drawLine(QPointF(mitte.x() - g * 0.5, schirm.bottom() + g * 0.3),
               QPointF(mitte.x() + g * 0.5, schirm.bottom() + g * 0.3));
}

void schulnetz(QPainter &p)
{
    const QPointF server(215, 485);
    p.setPen(QPen(QColor(120, 140, 170), 2.5, Qt::DashLine));
    const QList<QPointF> schueler{QPointF(90, 485), QPointF(340, 485)};
    for (const QPointF &s : schueler) {
        p.drawLine(server, s);
    }
    p.setPen(QPen(QColor(60, 70, 90), 2));
    p.setBrush(QColor(150, 165, 190));
    p.drawRoundedRect(QRectF(server.x() - 18, server.y() - 30, 36, 60), 4, 4);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(235, 240, 250), 2));
        p.drawLine(QPointF(server.x() - 10, server.y() - 18 + i * 14),
                   QPointF(server.x() + 10, server.y() - 18 + i * 14));
    }
    bildschirm(p, schueler[0], 26, kRueckgabe);
    bildschirm(p, schueler[1], 26, kKonstruktion);
}

void ueberschrift(QPainter &p)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(46);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(30, 50, 110));
    p.drawText(QRectF(0, 28, kB, 60), Qt::AlignCenter, QStringLiteral("Willkommen!"));
    f.setBold(false);
    f.setPixelSize(19);
    p.setFont(f);
    p.setPen(QColor(90, 100, 120));
    p.drawText(QRectF(0, 88, kB, 34), Qt::AlignCenter,
               QStringLiteral("Notenbuch  ·  Multiple-Choice-Tests im Schulnetz  ·  Lückentests"));
}

} // namespace

Willkommensbild::Willkommensbild(QWidget *eltern)
    : QWidget(eltern)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(300, 180);
}

QSize Willkommensbild::sizeHint() const
{
    return {int(kB), int(kH)};
}

void Willkommensbild::zeichnen(QPainter &p, const QRectF &ziel)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Hintergrund ueber die ganze Flaeche, die Zeichnung mittig mit festem Seitenverhaeltnis.
    QLinearGradient verlauf(ziel.topLeft(), ziel.bottomLeft());
    verlauf.setColorAt(0, QColor(232, 244, 252));
    verlauf.setColorAt(0.75, QColor(248, 251, 254));
    verlauf.setColorAt(1, Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(verlauf);
    p.drawRoundedRect(ziel, 18, 18);

    // Waagerecht mittig, senkrecht im oberen Drittel des freien Platzes.
    const qreal faktor = std::min(ziel.width() / kB, ziel.height() / kH);
    const qreal frei = ziel.height() - kH * faktor;
    p.translate(ziel.center().x() - kB * faktor / 2, ziel.top() + frei / 3);
    p.scale(faktor, faktor);
    // Vier Farbbaender der Arbeitsmodi
    const QColor modi[] = {kNoten, kKonstruktion, kDurchfuehrung, kRueckgabe};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(modi[i].darker(104));
        p.drawRoundedRect(QRectF(24 + i * 218, kH - 14, 200, 6), 3, 3);
    }
    ueberschrift(p);
    p.translate(0, kKopf);
    schulnetz(p);
    testbogen(p);
    notenbuch(p);
    lueckentext(p);
    haken(p, QPointF(820, 330), 34, QColor(0, 140, 60));
    p.restore();
}

QIcon Willkommensbild::symbol()
{
    QIcon icon;
    for (int groesse : {16, 32, 48, 64, 128}) {
        QPixmap bild(groesse, groesse);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(groesse / 64.0, groesse / 64.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 50, 110));
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(14, 10, 36, 44), 3, 3);
        p.setBrush(kKonstruktion);
        p.drawRect(QRectF(14, 10, 36, 9));
        haken(p, QPointF(20, 30), 22, QColor(0, 150, 70));
        p.end();
        icon.addPixmap(bild);
    }
    return icon;
}

void Willkommensbild::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    zeichnen(p, rect());
}
