// Testdokument: Schluessel, Gruppe B, persoenliche Kopie, Kreuze, benotete Kopie.
#include "conduct/testdokument.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList kKopf{u"Multiple-Choice-Test"_s,
                        u"----------"_s,
                        u"Physik- Test Nr. 1          Kl.: 7x       Gruppe: A"_s,
                        u"Thema: Optik"_s,
                        u"----------"_s,
                        QString()};

// Frage n mit vier Antworten; richtig ist 'loesung' mit 'punkte' Punkten.
QStringList frage(int n, QChar loesung, int punkte)
{
    QStringList z{QString::number(n) + u")\tFrage "_s + QString::number(n)};
    for (QChar b : u"abcd"_s) {
        const QString zeile = u'\t' + QString(b) + u") Antwort "_s + b;
        z << (b == loesung ? QString::number(punkte) + zeile : zeile);
    }
    z << QString();
    return z;
}

QStringList vorlage(int fragen)
{
    QStringList z = kKopf;
    for (int n = 1; n <= fragen; ++n) {
        z << frage(n, u"abcd"_s[n % 4], 1 + n % 9);
    }
    return z;
}

} // namespace

class TestTestdokument : public QObject
{
    Q_OBJECT
private slots:
    void schluessel_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("fragen");
        QTest::addColumn<int>("punkteMax");
        QTest::newRow("10 Fragen, 9 dann 10") << vorlage(10) << true << 10 << 47;
        QTest::newRow("40 Fragen") << vorlage(40) << true << 40 << 194;
        QTest::newRow("41. Frage") << vorlage(41) << false << 0 << 0;
        QStringList luecke = vorlage(3);
        luecke[kKopf.size() + 6] = u"3)\tFrage"_s;
        QTest::newRow("Nummer springt") << luecke << false << 0 << 0;
        QStringList buchstabe = vorlage(2);
        buchstabe << u"a) Antwort ohne Tab"_s;
        QTest::newRow("Buchstabe an Stelle 1") << buchstabe << false << 0 << 0;
        QStringList klammer = vorlage(1);
        klammer << u")\tweg"_s;
        QTest::newRow("Klammer an Stelle 1") << klammer << false << 0 << 0;
        QStringList null = vorlage(1);
        null[kKopf.size() + 2] = u"0\tb) Antwort b"_s;
        QTest::newRow("Punkte 0: kein Schluessel") << null << true << 1 << 0;
    }
    void schluessel()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(bool, ok);
        const std::optional<Loesung> l = loesungAusZeilen(zeilen);
        QCOMPARE(l.has_value(), ok);
        if (ok) {
            QFETCH(int, fragen);
            QFETCH(int, punkteMax);
            QCOMPARE(l->fragen, fragen);
            QCOMPARE(int(l->punkteMax), punkteMax);
            QCOMPARE(l->aufgabenNr[fragen], QString::number(fragen));
        }
    }

    void schluesselDerVorlage()
    {
        const std::optional<Loesung> l = loesungAusZeilen(vorlage(10));
        QCOMPARE(l->loesung[1], u"b"_s);
        QCOMPARE(l->maxPunkte[1], qint16(2));
        QCOMPARE(l->loesung[10], u"c"_s);
        QCOMPARE(l->aufgabenNr[10], u"10"_s);
    }

    void gruppeB()
    {
        SkriptRueckfragen r;
        FolgeZufall z({3, 0, 1, 0}); // Frage 1: d, a, c, b
        const std::optional<QStringList> b = gruppeBZeilen(vorlage(1), z, r);
        QVERIFY(b);
        QVERIFY(r.protokoll.isEmpty());
        QCOMPARE(b->at(2), u"Physik- Test Nr. 1          Kl.: 7x       Gruppe: B"_s);
        const int f = int(kKopf.size());
        QCOMPARE(b->at(f), u"1)\tFrage 1"_s);
        QCOMPARE(b->at(f + 1), u"\ta) Antwort d"_s);
        QCOMPARE(b->at(f + 2), u"\tb) Antwort a"_s);
        QCOMPARE(b->at(f + 3), u"\tc) Antwort c"_s);
        QCOMPARE(b->at(f + 4), u"2\td) Antwort b"_s); // Punkte bleiben an der richtigen Antwort
        const std::optional<Loesung> l = loesungAusZeilen(*b);
        QCOMPARE(l->loesung[1], u"d"_s);
        QCOMPARE(l->maxPunkte[1], qint16(2));
    }

    void gruppeBFehler_data()
    {
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QString>("inhalt");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Gruppenzeile")
            << 2 << u"Physik Gruppe: B"_s
            << u"Die Gruppenangabe im A-Test ist falsch und muss angepasst "
               "werden!\r\nDie 3. Zeile im A-Test muss mit dem Buchstaben  "
               "'A'  enden.\r\nDie Durchführung wird abgebrochen."_s;
        QTest::newRow("Reihenfolge")
            << 14 << u"\ta) doppelt"_s
            << u"   Die Reihenfolge der a-b-c-d - Nummerierung der Antworten "
               "in\r\n   Aufgabe 2 ist falsch! "_s;
        QTest::newRow("zwei Loesungen")
            << 16 << u"1\td) Antwort d"_s
            << u"   Die Angabe der Punktezahl in Aufgabe 2 ist falsch."_s;
    }
    void gruppeBFehler()
    {
        QFETCH(int, zeile);
        QFETCH(QString, inhalt);
        QFETCH(QString, meldung);
        QStringList a = vorlage(2);
        a[zeile] = inhalt;
        SkriptRueckfragen r;
        FolgeZufall z({});
        QVERIFY(!gruppeBZeilen(a, z, r));
        QCOMPARE(r.meldungen(), QStringList{meldung});
    }

    // Antworten nicht a) bis c)/d) der Reihe nach: die Aufgaben werden genannt; ein leeres d)
    // heisst drei Antworten.
    void antwortfolge_data()
    {
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QString>("inhalt");
        QTest::addColumn<QList<int>>("fehler");
        QTest::newRow("vier Antworten") << 0 << QString() << QList<int>{};
        QTest::newRow("d leer") << 16 << u"\td)"_s << QList<int>{};
        QTest::newRow("d leer mit Leerzeichen") << 16 << u"\td)  "_s << QList<int>{};
        QTest::newRow("c leer") << 15 << u"\tc)"_s << QList<int>{2};
        QTest::newRow("c fehlt") << 15 << u"\td) Antwort d"_s << QList<int>{2};
        QTest::newRow("b doppelt") << 15 << u"\tb) Antwort b"_s << QList<int>{2};
        QTest::newRow("Leerzeile statt d") << 10 << QString() << QList<int>{1};
    }
    void antwortfolge()
    {
        QFETCH(int, zeile);
        QFETCH(QString, inhalt);
        QFETCH(QList<int>, fehler);
        QStringList a = vorlage(2);
        if (zeile > 0) {
            a[zeile] = inhalt;
        }
        QCOMPARE(antwortfolgeFehler(a), fehler);
        QCOMPARE(antwortfolgeWarnung(a).isEmpty(), fehler.isEmpty());
    }

    void persoenlicheKopie_()
    {
        const QStringList a = vorlage(10);
        const Loesung l = *loesungAusZeilen(a);
        const QStringList k = persoenlicheKopie(a, l, u"Karl"_s, u"Schmidtbauer"_s);
        QCOMPARE(k[0], u" Name:  Karl Schmidtbauer"_s);
        QCOMPARE(k[5], u"Aufgabe \t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\tges."_s);
        QCOMPARE(k[6], u"max. P.   \t2\t3\t4\t5\t6\t7\t8\t9\t1\t2\t47"_s);
        QCOMPARE(k[7], a[1]);
        QCOMPARE(k[9], u"1)\t[2 P] Frage 1"_s);
        QCOMPARE(k[11], u"\tb) Antwort b"_s); // Punkteziffer entfernt
        QVERIFY(k.contains(u"10)\t[2 P] Frage 10"_s));
        QCOMPARE(k.size(), a.size() + 3);
        const QStringList p = persoenlicheKopie(a, l, u"Karl"_s, u"Schmidtbauer"_s, true);
        QCOMPARE(p[0], u"krank:     Name:  Karl Schmidtbauer"_s);
        QCOMPARE(p.mid(1), k.mid(1));
    }

    void kreuze_data()
    {
        QTest::addColumn<QStringList>("antworten"); // die vier Antwortzeilen von Frage 1
        QTest::addColumn<QString>("antwort");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<bool>("falsch");
        const QStringList leer{u"\ta) A"_s, u"\tb) B"_s, u"\tc) C"_s, u"\td) D"_s};
        auto mit = [&](int i, const QString &z) {
            QStringList l = leer;
            l[i] = z;
            return l;
        };
        QTest::newRow("kein Kreuz") << leer << QString() << 0 << false;
        QTest::newRow("x an Stelle 1") << mit(1, u"x\tb) B"_s) << u"b"_s << 1 << false;
        for (const QString &k : {u"+"_s, u"X"_s, u"Y"_s, u"y"_s}) {
            QTest::newRow(qPrintable(k)) << mit(2, k + u"\tc) C"_s) << u"c"_s << 1 << false;
        }
        QTest::newRow("Kreuz ersetzt Tab") << mit(3, u"xd) D"_s) << u"d"_s << 1 << false;
        QTest::newRow("x an Stelle 2") << mit(1, u" x\tb) B"_s) << u"b"_s << 1 << true;
        QStringList zwei = mit(0, u"x\ta) A"_s);
        zwei[2] = u"x\tc) C"_s;
        QTest::newRow("zwei Kreuze: spaeteres gilt") << zwei << u"c"_s << 2 << false;
        QTest::newRow("Klammer im Antworttext")
            << mit(2, u"x\tc) f(x) = 2x"_s) << u"c"_s << 1 << false;
    }
    void kreuze()
    {
        QFETCH(QStringList, antworten);
        QStringList kopie = kKopf;
        kopie << u"1)\tX-Strahlen sind ..."_s << antworten;
        const Kreuze k = kreuzeEinlesen(kopie);
        QTEST(k.antwort[1], "antwort");
        QTEST(int(k.kreuzAnzahl[1]), "anzahl");
        QTEST(k.falschPositioniert, "falsch");
    }

    void zuVieleFragen()
    {
        const Kreuze k = kreuzeEinlesen(vorlage(60));
        QVERIFY(k.zuVieleFragen);
    }

    void benoteteKopie_()
    {
        const QStringList a = vorlage(2);
        const Loesung l = *loesungAusZeilen(a);
        QStringList kopie = persoenlicheKopie(a, l, u"Karl"_s, u"Schmidtbauer"_s);
        // Frage 1 richtig (b), Frage 2 falsch (a statt c)
        kopie[11] = u"x"_s + kopie[11];
        kopie[16] = u"x"_s + kopie[16];
        Einzelergebnis e;
        e.punkte[1] = 2;
        e.punkteGesamt = 2;
        e.noteE = u"4-"_s;
        e.noteG = u"4+"_s;
        e.notenpunkteText = u"4"_s;
        const QStringList g = benoteteKopie(kopie, l, e);
        QCOMPARE(g.mid(0, 7), kopie.mid(0, 7));
        QCOMPARE(g[7], u"Ergebnis\t2\t0\t2"_s);
        QCOMPARE(g[8], QString(66, u'='));
        QCOMPARE(g[9], u"Dein Testergebnis:      Notenpunkte: 4,         Note (E/G): 4-/4+"_s);
        QCOMPARE(g[10], QString(66, u'='));
        QCOMPARE(g[11], kopie[7]);
        QCOMPARE(g[14], u"\ta) Antwort a"_s);
        QCOMPARE(g[15], u"=x\tb) Antwort b"_s);
        QCOMPARE(g[20], u"x\ta) Antwort a"_s);
        QCOMPARE(g[22], u"=\tc) Antwort c"_s);
        e.krank = true;
        QCOMPARE(benoteteKopie(kopie, l, e)[9], u"Dein Testergebnis:     Nicht teilgenommen"_s);
    }
};

QTEST_GUILESS_MAIN(TestTestdokument)
#include "test_testdokument.moc"
