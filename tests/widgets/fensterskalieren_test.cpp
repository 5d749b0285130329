// Skalieren eines fertig aufgebauten Fensters: Schriften, feste Groessen und Gitterzellen.
#include "widgets/Skalierung.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

class TestFensterSkalieren : public QObject
{
    Q_OBJECT
private slots:
    // Ein Gitter fester Groesse behaelt seine Zellen: Spalten und Zeilen wachsen wie der Rahmen.
    void gitterWaechstMitSeinenZellen_data()
    {
        QTest::addColumn<int>("prozent");
        QTest::newRow("132 %") << 132;
        QTest::newRow("94 %") << 94;
        QTest::newRow("75 %") << 75;
    }
    void gitterWaechstMitSeinenZellen()
    {
        QFETCH(int, prozent);
        QWidget fenster;
        auto *layout = new QVBoxLayout(&fenster);
        auto *gitter = new QTableWidget(2, 10, &fenster);
        layout->addWidget(gitter);
        for (int s = 0; s < 10; ++s) {
            gitter->setColumnWidth(s, 34);
        }
        for (int z = 0; z < 2; ++z) {
            gitter->setRowHeight(z, 26);
        }
        gitter->setFixedSize(10 * 34 + 4, 2 * 26 + 4);
        const qreal schrift = gitter->font().pointSizeF();

        fensterSkalieren(&fenster, prozent);

        int breite = 0;
        for (int s = 0; s < 10; ++s) {
            breite += gitter->columnWidth(s);
        }
        const int hoehe = gitter->rowHeight(0) + gitter->rowHeight(1);
        // Die Zellen fuellen den skalierten Rahmen bis auf Rundungsreste je Zelle.
        QVERIFY2(std::abs(gitter->width() - 4 - breite) <= 10,
                 qPrintable(QStringLiteral("%1 / %2").arg(gitter->width()).arg(breite)));
        QVERIFY(std::abs(gitter->height() - 4 - hoehe) <= 2);
        QCOMPARE(gitter->columnWidth(0), int(std::lround(34 * prozent / 100.0)));
        QVERIFY(std::abs(fenster.font().pointSizeF() - schrift * prozent / 100.0) < 0.01);
    }
};

QTEST_MAIN(TestFensterSkalieren)
#include "fensterskalieren_test.moc"
