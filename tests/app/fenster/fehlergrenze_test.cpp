// Eine Ausnahme aus der Logik, ausgeloest in einem Slot, beendet nicht das Programm: die
// Fehlergrenze zeigt die Fehlermeldung, der Vorgang ist abgebrochen, das Fenster bedienbar.
#include "app/fenster/Fehlergrenze.h"
#include "classdata/klasse.h"
#include "unterstuetzung/skriptrueckfragen.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class FehlergrenzeTest : public QObject
{
    Q_OBJECT
public:
    explicit FehlergrenzeTest(Fehlergrenze &app)
        : app(app)
    {}

private slots:
    void ausnahmeWirdGemeldet_data();
    void ausnahmeWirdGemeldet();

private:
    Fehlergrenze &app;
};

void FehlergrenzeTest::ausnahmeWirdGemeldet_data()
{
    QTest::addColumn<bool>("ueberZeitgeber");
    QTest::newRow("Knopfdruck") << false;
    QTest::newRow("Zeitgeber") << true;
}

void FehlergrenzeTest::ausnahmeWirdGemeldet()
{
    QFETCH(bool, ueberZeitgeber);
    SkriptRueckfragen r;
    app.setzeRueckfragen(&r);
    Klasse klasse;
    int danach = 0;
    QPushButton knopf(u"Schüler 41"_s);
    // Der Slot ruft die Logik mit einem Platz ausserhalb 1..40: sie wirft Indexfehler.
    QObject::connect(&knopf, &QPushButton::clicked, &knopf, [&] {
        klasse.schueler(41).nachname = u"Zuviel"_s;
        ++danach; // wird nie erreicht: der Vorgang ist abgebrochen
    });
    knopf.show();
    QVERIFY(QTest::qWaitForWindowExposed(&knopf));

    for (int mal = 1; mal <= 2; ++mal) {
        if (ueberZeitgeber) {
            QTimer::singleShot(0, &knopf, [&] { klasse.schueler(0); });
            QTest::qWait(20);
        } else {
            QTest::mouseClick(&knopf, Qt::LeftButton);
        }
        // Jedes Mal eine Meldung; das Programm laeuft weiter und der Knopf bleibt bedienbar.
        QCOMPARE(r.meldungen().size(), mal);
        QCOMPARE(r.protokoll.last().art, Rueckfragen::Art::Fehler);
        QVERIFY2(r.letzteMeldung().startsWith(
                     u"Der Vorgang wurde wegen eines Programmfehlers abgebrochen:"_s),
                 qPrintable(r.letzteMeldung()));
        QVERIFY(r.letzteMeldung().contains(u"Index ausserhalb des Bereichs: Schueler"_s));
    }
    QCOMPARE(danach, 0);
    QVERIFY(!klasse.schueler(1).hatNamen());
    app.setzeRueckfragen(nullptr);
}

int main(int argc, char **argv)
{
    Fehlergrenze app(argc, argv);
    FehlergrenzeTest test(app);
    return QTest::qExec(&test, argc, argv);
}

#include "fehlergrenze_test.moc"
