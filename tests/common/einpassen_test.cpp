#include "common/einpassen.h"

#include <QTest>

class EinpassenTest : public QObject
{
    Q_OBJECT
private slots:
    void einpassen_data();
    void einpassen();
};

void EinpassenTest::einpassen_data()
{
    QTest::addColumn<QRect>("frei");
    QTest::addColumn<QMargins>("rahmen");
    QTest::addColumn<QRect>("fenster");
    QTest::addColumn<QRect>("erwartet");
    const QRect klein(0, 0, 1366, 768);
    const QMargins r(1, 22, 1, 5); // Titelleiste 22, Rand 1, Griffleiste unten 5

    QTest::newRow("passt, bleibt")
        << klein << r << QRect(100, 100, 800, 600) << QRect(100, 100, 800, 600);
    QTest::newRow("passt genau mit Rahmen")
        << klein << r << QRect(1, 22, 1364, 741) << QRect(1, 22, 1364, 741);
    // Oben am Bildschirm in voller Hoehe: die Titelleiste lag darueber, der Rand darunter.
    QTest::newRow("oben, volle Hoehe ohne Rahmen")
        << klein << r << QRect(283, 0, 800, 768) << QRect(283, 22, 800, 741);
    QTest::newRow("groesser als der Bildschirm")
        << klein << r << QRect(214, 22, 1280, 1000) << QRect(85, 22, 1280, 741);
    QTest::newRow("breiter als der Bildschirm")
        << klein << r << QRect(0, 30, 2000, 500) << QRect(1, 30, 1364, 500);
    QTest::newRow("rechts hinaus")
        << klein << r << QRect(1000, 100, 600, 400) << QRect(765, 100, 600, 400);
    QTest::newRow("unten hinaus") << klein << r << QRect(100, 500, 600, 400)
                                  << QRect(100, 363, 600, 400);
    QTest::newRow("rechts unten knapp: ein Pixel zu weit")
        << klein << r << QRect(765, 363, 601, 401) << QRect(764, 362, 601, 401);
    QTest::newRow("negative Position")
        << klein << r << QRect(-50, -30, 400, 300) << QRect(1, 22, 400, 300);
    QTest::newRow("ohne Rahmen, ganzer Bereich")
        << klein << QMargins() << QRect(0, 0, 1366, 768) << QRect(0, 0, 1366, 768);
    QTest::newRow("negativer Rahmen zaehlt als keiner")
        << klein << QMargins(-3, -3, -3, -3) << QRect(-5, 0, 1366, 768) << QRect(0, 0, 1366, 768);
    // Leiste oben: der freie Bereich beginnt nicht bei 0.
    QTest::newRow("Leiste oben") << QRect(0, 28, 1600, 872) << r << QRect(0, 0, 1600, 900)
                                 << QRect(1, 50, 1598, 845);
    // Zweiter Bildschirm rechts und links vom ersten.
    QTest::newRow("zweiter Bildschirm rechts")
        << QRect(1920, 0, 1366, 768) << r << QRect(1900, 10, 500, 400) << QRect(1921, 22, 500, 400);
    QTest::newRow("zweiter Bildschirm rechts, zu gross")
        << QRect(1920, 0, 1366, 768) << r << QRect(2500, 100, 1280, 1000)
        << QRect(2005, 22, 1280, 741);
    QTest::newRow("Bildschirm links vom ersten")
        << QRect(-1280, 0, 1280, 1024) << r << QRect(-100, 50, 400, 300)
        << QRect(-401, 50, 400, 300);
    // Unsinn: nie Groesse null, die Titelleiste bleibt sichtbar.
    QTest::newRow("Rahmen groesser als der Bereich")
        << QRect(0, 0, 10, 10) << r << QRect(0, 0, 300, 200) << QRect(1, 22, 8, 1);
    QTest::newRow("leerer Bereich aendert nichts")
        << QRect() << r << QRect(-50, -30, 4000, 3000) << QRect(-50, -30, 4000, 3000);
}

void EinpassenTest::einpassen()
{
    QFETCH(QRect, frei);
    QFETCH(QMargins, rahmen);
    QFETCH(QRect, fenster);
    QFETCH(QRect, erwartet);
    const QRect ergebnis = fensterEinpassen(frei, rahmen, fenster);
    QCOMPARE(ergebnis, erwartet);
    // Unabhaengig von der Rechnung: der Rahmen liegt im freien Bereich, wenn er hineinpasst.
    if (frei.width() > 300 && frei.height() > 300) {
        QVERIFY2(frei.contains(ergebnis.marginsAdded(rahmen)), "Rahmen ausserhalb");
    }
}

QTEST_APPLESS_MAIN(EinpassenTest)
#include "einpassen_test.moc"
