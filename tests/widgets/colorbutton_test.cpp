#include "widgets/ColorButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class ZaehlKnopf final : public TColorButton
{
public:
    using TColorButton::TColorButton;
    int gezeichnet = 0;

protected:
    void paintEvent(QPaintEvent *e) override
    {
        ++gezeichnet;
        TColorButton::paintEvent(e);
    }
};

void rein(QWidget *w)
{
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(w, &e);
}

void raus(QWidget *w)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}

// Anteil der Pixel in genau dieser Farbe.
double anteil(const QImage &bild, const QColor &farbe)
{
    qsizetype n = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            n += bild.pixelColor(x, y).rgb() == farbe.rgb();
        }
    }
    return double(n) / (bild.width() * bild.height());
}

} // namespace

class ColorButtonTest : public QObject
{
    Q_OBJECT
private slots:
    void vorgaben();
    void hoverFarben();
    void farbwechselUnterDerMaus();
    void zeichnen();
    void deaktiviertGraviert();
    void nurAenderungZeichnetNeu();
};

void ColorButtonTest::vorgaben()
{
    TColorButton b;
    QCOMPARE(b.size(), QSize(70, 46));
    QCOMPARE(b.BackColor(), QColor(Qt::white));
    QCOMPARE(b.HoverColor(), QColor(Qt::white));
    QCOMPARE(b.ForeColor(), b.palette().color(QPalette::ButtonText));
    QVERIFY(b.sizeHint().width() >= 70 && b.sizeHint().height() >= 46);
    // Eine lange Beschriftung bekommt ihren Platz.
    TColorButton lang(u"Test konstruieren bzw. &bearbeiten"_s);
    QVERIFY(lang.sizeHint().width() >
            lang.fontMetrics().horizontalAdvance(u"Test konstruieren bzw. bearbeiten"_s));
}

void ColorButtonTest::hoverFarben()
{
    TColorButton b(u"&Notenverwaltung"_s);
    b.setBackColor(QColor(255, 255, 225));
    b.setHoverColor(QColor(10, 20, 30));
    rein(&b);
    QCOMPARE(b.BackColor(), QColor(10, 20, 30));
    raus(&b);
    QCOMPARE(b.BackColor(), QColor(255, 255, 225));
    // Ein Verlassen ohne Eintritt aendert nichts.
    raus(&b);
    QCOMPARE(b.BackColor(), QColor(255, 255, 225));
}

void ColorButtonTest::farbwechselUnterDerMaus()
{
    TColorButton b;
    b.setBackColor(Qt::red);
    rein(&b);
    b.setBackColor(Qt::blue);
    QCOMPARE(b.BackColor(), QColor(Qt::blue));
    raus(&b);
    QCOMPARE(b.BackColor(), QColor(Qt::red));
}

void ColorButtonTest::zeichnen()
{
    TColorButton b(u"Test&rückgabe"_s);
    b.resize(200, 60);
    b.setBackColor(QColor(220, 195, 195));
    b.setForeColor(QColor(0, 0, 255));
    const QImage bild = b.grab().toImage();
    QCOMPARE(bild.pixelColor(8, 8), QColor(220, 195, 195));
    QVERIFY(anteil(bild, QColor(220, 195, 195)) > 0.6);
    QVERIFY(anteil(bild, QColor(0, 0, 255)) > 0.0);

    rein(&b);
    const QImage hover = b.grab().toImage();
    QCOMPARE(hover.pixelColor(8, 8), QColor(Qt::white));

    // Gedrueckt: der Inhalt rueckt ein Pixel nach rechts unten.
    raus(&b);
    b.setDown(true);
    const QImage gedrueckt = b.grab().toImage();
    QCOMPARE(gedrueckt.pixelColor(2, 2), QColor(220, 195, 195));
    QVERIFY(gedrueckt.pixelColor(1, 1) != QColor(220, 195, 195));
}

void ColorButtonTest::deaktiviertGraviert()
{
    TColorButton b(u"Test&durchführung u. Benotung"_s);
    b.resize(300, 60);
    b.setBackColor(QColor(240, 245, 240));
    b.setForeColor(QColor(0, 0, 255));
    b.setEnabled(false);
    const QImage bild = b.grab().toImage();
    QCOMPARE(bild.pixelColor(8, 8), QColor(240, 245, 240));
    QCOMPARE(anteil(bild, QColor(0, 0, 255)), 0.0);
    // Schrift in Hell und Dunkel ist zu sehen.
    QVERIFY(anteil(bild, b.palette().color(QPalette::Light)) > 0.0);
}

void ColorButtonTest::nurAenderungZeichnetNeu()
{
    ZaehlKnopf b(u"&Info"_s);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    QTRY_VERIFY(b.gezeichnet > 0);
    QTest::qWait(20);
    b.gezeichnet = 0;
    b.setBackColor(b.BackColor());
    b.setForeColor(b.ForeColor());
    b.setHoverColor(b.HoverColor());
    QTest::qWait(50);
    QCOMPARE(b.gezeichnet, 0);
    b.setBackColor(Qt::green);
    QTRY_COMPARE(b.gezeichnet, 1);
}

QTEST_MAIN(ColorButtonTest)
#include "colorbutton_test.moc"
