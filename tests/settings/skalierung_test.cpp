#include "settings/skalierung.h"

#include <QTest>

class SkalierungTest : public QObject
{
    Q_OBJECT
private slots:
    void faktor_data();
    void faktor();
    void rundeGerade_data();
    void rundeGerade();
};

Q_DECLARE_METATYPE(Fensterfamilie)

void SkalierungTest::faktor_data()
{
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("hoehe");
    QTest::addColumn<double>("ppi");
    QTest::addColumn<Fensterfamilie>("familie");
    QTest::addColumn<int>("prozent");
    const auto S = Fensterfamilie::Standard;
    const auto T = Fensterfamilie::Testauswahl;
    const auto N = Fensterfamilie::Notenverwaltung;

    // Hoehe = Entwurfshoehe, je Familie und Punktdichte
    QTest::newRow("1280x1024 96 Haupt") << 1280 << 1024 << 96.0 << S << 125;
    QTest::newRow("1280x1024 120 Haupt") << 1280 << 1024 << 120.0 << S << 100;
    QTest::newRow("1280x1024 144 Haupt") << 1280 << 1024 << 144.0 << S << 80;
    QTest::newRow("1280x1024 96 Auswahl") << 1280 << 1024 << 96.0 << T << 120;
    QTest::newRow("1280x1024 144 Auswahl") << 1280 << 1024 << 144.0 << T << 80;
    QTest::newRow("1280x1024 96 Noten") << 1280 << 1024 << 96.0 << N << 123;
    QTest::newRow("1280x1024 144 Noten") << 1280 << 1024 << 144.0 << N << 93;
    QTest::newRow("P knapp bei 96") << 1280 << 1024 << 105.9 << S << 125;
    QTest::newRow("P ohne Zeile bleibt 100") << 1280 << 1024 << 72.0 << S << 100;
    // Hoehe groesser
    QTest::newRow("1920x1080 96 Haupt") << 1920 << 1080 << 96.0 << S << 132;
    QTest::newRow("1920x1080 120 Haupt") << 1920 << 1080 << 120.0 << S << 100;
    QTest::newRow("1920x1080 144 Haupt") << 1920 << 1080 << 144.0 << S << 84;
    QTest::newRow("1920x1080 96 Auswahl") << 1920 << 1080 << 96.0 << T << 127;
    QTest::newRow("1920x1080 120 Noten") << 1920 << 1080 << 120.0 << N << 100;
    QTest::newRow("1920x1080 144 Noten") << 1920 << 1080 << 144.0 << N << 100;
    // Hoehe kleiner
    QTest::newRow("1024x768 120 Haupt") << 1024 << 768 << 120.0 << S << 75;
    QTest::newRow("1024x768 96 Haupt") << 1024 << 768 << 96.0 << S << 94;
    QTest::newRow("1280x768 144 Auswahl") << 1280 << 768 << 144.0 << T << 56;
    QTest::newRow("1366x768 120 Auswahl") << 1366 << 768 << 120.0 << T << 72;
    QTest::newRow("1366x768 144 Noten") << 1366 << 768 << 144.0 << N << 71;
    QTest::newRow("Noten 120 breit") << 1100 << 700 << 120.0 << N << 66;
    QTest::newRow("Noten 120 schmal") << 1000 << 700 << 120.0 << N << 48;
    // Breite ist knapper
    QTest::newRow("W=A 96") << 1280 << 1200 << 96.0 << S << 100;
    QTest::newRow("W=A 120") << 1280 << 1200 << 120.0 << S << 76;
    QTest::newRow("W>A 96") << 1600 << 1400 << 96.0 << S << 125;
    QTest::newRow("W>A 120") << 1600 << 1400 << 120.0 << S << 100;
    QTest::newRow("W<A 120") << 1024 << 1024 << 120.0 << S << 80;
    QTest::newRow("W<A 96") << 1024 << 1024 << 96.0 << S << 75;
    QTest::newRow("W<A ohne Zeile") << 1024 << 1024 << 200.0 << S << 100;
    // Halbe Prozente zur geraden Zahl
    QTest::newRow("62,5 -> 62") << 1280 << 512 << 96.0 << S << 62;
    QTest::newRow("102,5 -> 102") << 1312 << 2048 << 96.0 << S << 102;
    QTest::newRow("107,5 -> 108") << 1376 << 2048 << 96.0 << S << 108;
    // Hochformat und Unsinn: nie null oder negativ
    QTest::newRow("Hochformat 96") << 600 << 1024 << 96.0 << S << kSkalierungMin;
    QTest::newRow("W=A riesige Dichte") << 1280 << 1300 << 400.0 << S << kSkalierungMin;
    QTest::newRow("Bildschirm 0") << 0 << 0 << 96.0 << S << 100;
}

void SkalierungTest::faktor()
{
    QFETCH(int, breite);
    QFETCH(int, hoehe);
    QFETCH(double, ppi);
    QFETCH(Fensterfamilie, familie);
    QFETCH(int, prozent);
    QCOMPARE(Bildschirmaufloesung_beliebig(breite, hoehe, ppi, familie), prozent);
}

void SkalierungTest::rundeGerade_data()
{
    QTest::addColumn<long long>("zaehler");
    QTest::addColumn<long long>("nenner");
    QTest::addColumn<long long>("ergebnis");
    QTest::newRow("0,5") << 1LL << 2LL << 0LL;
    QTest::newRow("1,5") << 3LL << 2LL << 2LL;
    QTest::newRow("2,5") << 5LL << 2LL << 2LL;
    QTest::newRow("2,4") << 12LL << 5LL << 2LL;
    QTest::newRow("2,6") << 13LL << 5LL << 3LL;
    QTest::newRow("-2,5") << -5LL << 2LL << -2LL;
    QTest::newRow("-1,5") << -3LL << 2LL << -2LL;
    QTest::newRow("-2,6") << -13LL << 5LL << -3LL;
}

void SkalierungTest::rundeGerade()
{
    QFETCH(long long, zaehler);
    QFETCH(long long, nenner);
    QFETCH(long long, ergebnis);
    QCOMPARE(::rundeGerade(zaehler, nenner), ergebnis);
}

QTEST_GUILESS_MAIN(SkalierungTest)
#include "skalierung_test.moc"
