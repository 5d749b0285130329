// Fenster und Dialoge liegen nach dem Zeigen ganz im freien Bereich des Bildschirms, samt
// Rahmen; was passt, bleibt, wo es ist. Hinweisfenster bleiben unberuehrt.
#include "widgets/Einpassung.h"

#include <QDialog>
#include <QMainWindow>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QRect frei()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

bool drin(const QWidget &w)
{
    return frei().contains(w.frameGeometry());
}

QString text(const QRect &r)
{
    return u"%1,%2 %3x%4"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

void warte()
{
    QTest::qWait(150);
}

} // namespace

class EinpassungTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Bildschirmeinpassung::anmelden(); }
    void beimZeigen_data();
    void beimZeigen();
    void hinweisfensterBleibt();
    void wachsenUeberDenRand();
};

void EinpassungTest::beimZeigen_data()
{
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<QRect>("wunsch"); // relativ zum freien Bereich
    QTest::addColumn<bool>("bleibt");
    const int b = frei().width(), h = frei().height();
    for (bool dialog : {false, true}) {
        const char *art = dialog ? "Dialog" : "Fenster";
        QTest::addRow("%s passt", art) << dialog << QRect(100, 100, 300, 200) << true;
        QTest::addRow("%s oben ohne Titelleiste", art) << dialog << QRect(50, 0, 300, 200) << false;
        QTest::addRow("%s rechts hinaus", art) << dialog << QRect(b - 100, 100, 300, 200) << false;
        QTest::addRow("%s unten hinaus", art) << dialog << QRect(100, h - 100, 300, 200) << false;
        QTest::addRow("%s negativ", art) << dialog << QRect(-80, -50, 300, 200) << false;
        QTest::addRow("%s groesser als der Bildschirm", art)
            << dialog << QRect(0, 0, b + 300, h + 300) << false;
    }
}

void EinpassungTest::beimZeigen()
{
    QFETCH(bool, dialog);
    QFETCH(QRect, wunsch);
    QFETCH(bool, bleibt);
    std::unique_ptr<QWidget> w;
    if (dialog) {
        w = std::make_unique<QDialog>();
    } else {
        w = std::make_unique<QMainWindow>();
    }
    const QRect gewuenscht = wunsch.translated(frei().topLeft());
    w->setGeometry(gewuenscht);
    w->show();
    warte();
    const QRect ist = w->geometry();
    QVERIFY2(drin(*w), qPrintable(text(w->frameGeometry())));
    if (bleibt) {
        QCOMPARE(ist, gewuenscht);
    } else {
        QVERIFY(ist != gewuenscht);
        // Nur so weit wie noetig: die Groesse bleibt, wo sie passt; ganz zu gross fuellt es den
        // freien Bereich.
        const QSize rahmen = w->frameGeometry().size() - ist.size();
        if (gewuenscht.width() + rahmen.width() <= frei().width()) {
            QCOMPARE(ist.width(), gewuenscht.width());
        } else {
            QCOMPARE(w->frameGeometry().width(), frei().width());
        }
        if (gewuenscht.height() + rahmen.height() <= frei().height()) {
            QCOMPARE(ist.height(), gewuenscht.height());
        } else {
            QCOMPARE(w->frameGeometry().height(), frei().height());
        }
    }
}

void EinpassungTest::hinweisfensterBleibt()
{
    QWidget hinweis(nullptr, Qt::ToolTip);
    const QRect halbDraussen(frei().right() - 50, frei().bottom() - 20, 300, 200);
    hinweis.setGeometry(halbDraussen);
    hinweis.show();
    warte();
    QCOMPARE(hinweis.geometry(), halbDraussen);
}

// Waechst ein Fenster durch seinen Inhalt, wird es wieder eingepasst; verkleinert bleibt es.
void EinpassungTest::wachsenUeberDenRand()
{
    QMainWindow w;
    const QRect anfang = QRect(100, 100, 300, 200).translated(frei().topLeft());
    w.setGeometry(anfang);
    w.show();
    warte();
    QCOMPARE(w.geometry(), anfang);
    w.resize(frei().width() + 500, 250);
    warte();
    QVERIFY2(drin(w), qPrintable(text(w.frameGeometry())));
    QCOMPARE(w.height(), 250);
    w.setGeometry(anfang);
    warte();
    QCOMPARE(w.geometry(), anfang);
}

QTEST_MAIN(EinpassungTest)
#include "einpassung_test.moc"
