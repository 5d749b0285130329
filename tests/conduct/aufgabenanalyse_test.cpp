// Aufgabenanalyse: von Hand gerechnete kleine Klassen, Grenzfaelle ohne Streuung, Gruppe B.
#include "conduct/aufgabenanalyse.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

using Matrix = QList<QList<int>>; // je Schueler: geloest 1/0 je Frage

Loesung schluessel(int fragen)
{
    Loesung l;
    l.fragen = fragen;
    for (int q = 1; q <= fragen; ++q) {
        l.aufgabenNr[q] = QString::number(q);
        l.loesung[q] = u"a"_s;
        l.maxPunkte[q] = 1;
    }
    return l;
}

QList<Antwortbogen> boegen(const Matrix &m)
{
    QList<Antwortbogen> b;
    for (const QList<int> &zeile : m) {
        Antwortbogen bogen;
        for (qsizetype q = 0; q < zeile.size(); ++q) {
            bogen.geloest[q + 1] = zeile[q] != 0;
            bogen.wahl[q + 1] = zeile[q] != 0 ? 0 : kAntwortKeine;
        }
        b << bogen;
    }
    return b;
}

// NaN steht fuer "leer".
double wert(const std::optional<double> &w)
{
    return w ? *w : std::nan("");
}

bool gleich(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || std::abs(a - b) < 1e-12;
}

const double leer = std::nan("");

} // namespace

class AufgabenanalyseTest : public QObject
{
    Q_OBJECT
private slots:
    void kennzahlen_data()
    {
        QTest::addColumn<Matrix>("matrix");
        QTest::addColumn<QList<double>>("quoten");
        QTest::addColumn<QList<double>>("trennschaerfen");
        QTest::addColumn<double>("kr20");

        // X = 3, 2, 1, 0: Var 1,25; Summe p(1-p) = 10/16; KR-20 = 3/2 (1 - 0,5).
        QTest::newRow("Treppe") << Matrix{{1, 1, 1}, {1, 1, 0}, {1, 0, 0}, {0, 0, 0}}
                                << QList<double>{0.75, 0.5, 0.25}
                                << QList<double>{std::sqrt(3.0 / 11.0), 1 / std::sqrt(2.0),
                                                 std::sqrt(3.0 / 11.0)}
                                << 0.75;
        // Frage 1 von allen geloest: keine Streuung, Trennschaerfe leer; Frage 2 gegenlaeufig.
        QTest::newRow("ohne Streuung und negativ")
            << Matrix{{1, 0, 1}, {1, 1, 0}, {1, 0, 1}, {1, 1, 0}} << QList<double>{1.0, 0.5, 0.5}
            << QList<double>{leer, -1.0, -1.0} // X = 2 fuer alle: Var(X) = 0, KR-20 leer.
            << leer;
        // Nur eine Frage: KR-20 leer, Trennschaerfe leer (die uebrigen Fragen streuen nicht).
        QTest::newRow("eine Frage")
            << Matrix{{1}, {0}} << QList<double>{0.5} << QList<double>{leer} << leer;
        // Zwei gleiche Fragen, zwei Schueler: X = 2, 0; Var 1; Summe pq 0,5; KR-20 = 2 (1 - 0,5).
        QTest::newRow("zwei Schueler")
            << Matrix{{1, 1}, {0, 0}} << QList<double>{0.5, 0.5} << QList<double>{1.0, 1.0} << 1.0;
        QTest::newRow("niemand gewertet")
            << Matrix{} << QList<double>{leer, leer} << QList<double>{leer, leer} << leer;
    }
    void kennzahlen()
    {
        QFETCH(Matrix, matrix);
        QFETCH(QList<double>, quoten);
        QFETCH(QList<double>, trennschaerfen);
        QFETCH(double, kr20);
        const Aufgabenanalyse a =
            aufgabenanalyseBerechnen(schluessel(int(quoten.size())), boegen(matrix));
        QCOMPARE(a.schueler, matrix.size());
        QCOMPARE(a.fragen.size(), quoten.size());
        for (qsizetype q = 0; q < quoten.size(); ++q) {
            QVERIFY2(gleich(wert(a.fragen[q].loesungsquote), quoten[q]),
                     qPrintable(a.fragen[q].nr));
            QVERIFY2(gleich(wert(a.fragen[q].trennschaerfe), trennschaerfen[q]),
                     qPrintable(QString::number(wert(a.fragen[q].trennschaerfe))));
        }
        QVERIFY2(gleich(wert(a.kr20), kr20), qPrintable(QString::number(wert(a.kr20))));
    }

    // Gruppe B hat die Antworten gemischt; gezaehlt wird in den Buchstaben der Gruppe A.
    void gruppeB()
    {
        const QStringList vorlageA{u"Kopf"_s,         u"1)\tHauptstadt?"_s, u"\ta) Bonn"_s,
                                   u"2\tb) Berlin"_s, u"\tc) Köln"_s,       u"\td) Trier"_s,
                                   u"2)\tZwei?"_s,    u"1\ta) zwei"_s,      u"\tb) drei"_s,
                                   u"\tc) vier"_s,    u"\td) fünf"_s};
        const QStringList vorlageB{u"Kopf"_s,      u"1)\tHauptstadt?"_s, u"\ta) Trier"_s,
                                   u"\tb) Köln"_s, u"2\tc) Berlin"_s,    u"\td) Bonn"_s,
                                   u"2)\tZwei?"_s, u"\ta) fünf"_s,       u"\tb) vier"_s,
                                   u"\tc) drei"_s, u"1\td) zwei"_s};
        const Buchstabenzuordnung z = gruppeBZuordnung(vorlageA, vorlageB);
        QCOMPARE(z[1], (std::array<qint8, 4>{3, 2, 1, 0}));
        QCOMPARE(z[2], (std::array<qint8, 4>{3, 2, 1, 0}));

        // A: richtig, richtig. B: "Berlin" (c) richtig, "drei" (c) falsch. Dritter: B mit zwei
        // Kreuzen bei Frage 1 (keine) und "zwei" (d) richtig.
        auto kreuze = [](QString f1, int n1, QString f2, int n2) {
            Kreuze k;
            k.antwort[1] = f1;
            k.kreuzAnzahl[1] = qint16(n1);
            k.antwort[2] = f2;
            k.kreuzAnzahl[2] = qint16(n2);
            return k;
        };
        auto ergebnis = [](int p1, int p2) {
            Einzelergebnis e;
            e.punkte[1] = qint16(p1);
            e.punkte[2] = qint16(p2);
            return e;
        };
        const QList<Antwortbogen> b{
            antwortbogen(kreuze(u"b"_s, 1, u"a"_s, 1), ergebnis(2, 1), 2, nullptr),
            antwortbogen(kreuze(u"c"_s, 1, u"c"_s, 1), ergebnis(2, 0), 2, &z),
            antwortbogen(kreuze(u"a"_s, 2, u"d"_s, 1), ergebnis(0, 1), 2, &z),
        };
        Loesung l = schluessel(2);
        l.loesung[1] = u"b"_s;
        const Aufgabenanalyse a = aufgabenanalyseBerechnen(l, b);
        QCOMPARE(a.schueler, 3);
        QCOMPARE(a.fragen[0].loesung, u'b');
        const std::array<double, 5> frage1{0, 2.0 / 3, 0, 0, 1.0 / 3};
        const std::array<double, 5> frage2{2.0 / 3, 1.0 / 3, 0, 0, 0};
        for (size_t i = 0; i < 5; ++i) {
            QVERIFY(gleich(wert(a.fragen[0].antworten[i]), frage1[i]));
            QVERIFY(gleich(wert(a.fragen[1].antworten[i]), frage2[i]));
        }
        QVERIFY(gleich(wert(a.fragen[0].loesungsquote), 2.0 / 3));
        QVERIFY(gleich(wert(a.fragen[1].loesungsquote), 2.0 / 3));
    }

    // Gleiche Texte in einer Frage vergeben jede A-Antwort nur einmal; ein fremder Text behaelt
    // seinen Buchstaben.
    void zuordnungGrenzfaelle()
    {
        const QStringList a{u"1)\tF"_s, u"\ta) ja"_s, u"1\tb) ja"_s, u"\tc) x"_s, u"\td) y"_s};
        const QStringList b{u"1)\tF"_s, u"1\ta) ja"_s, u"\tb) ja"_s, u"\tc) neu"_s, u"\td) x"_s};
        const Buchstabenzuordnung z = gruppeBZuordnung(a, b);
        QCOMPARE(z[1], (std::array<qint8, 4>{0, 1, 2, 2}));
    }

    void dokument()
    {
        const Aufgabenanalyse a = aufgabenanalyseBerechnen(
            schluessel(3), boegen({{1, 1, 1}, {1, 1, 0}, {1, 0, 0}, {0, 0, 0}}));
        const QStringList z = aufgabenanalyseZeilen(a, u"2024-25/7xP1Bspl"_s);
        QVERIFY(z.contains(u"Gewertete Schüler: 4"_s));
        QVERIFY(z.contains(u"Zuverlässigkeit (KR-20): 0,75"_s));
        QVERIFY(z.contains(u"1\ta\t75 %\t0,52\t75 %\t0 %\t0 %\t0 %\t25 %"_s));
    }
};

QTEST_GUILESS_MAIN(AufgabenanalyseTest)
#include "aufgabenanalyse_test.moc"
