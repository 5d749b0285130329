#include "classdata/zufallsgruppen.h"
#include "grades/klassenbau.h"
#include "unterstuetzung/testumgebung.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Kurzform der Eintraege: Gruppennummer, "w"/"m" fuer Schuelerinnen und Schueler, "_" Trennlinie,
// "b" 14 Blanks (Leer- oder Platzhaltereintrag), "f" Fueller (12 Blanks).
QString kurz(const QList<GruppenEintrag> &eintraege)
{
    QStringList teile;
    for (const GruppenEintrag &e : eintraege) {
        if (e.text == QString(14, u'_')) {
            teile.append(u"_"_s);
        } else if (e.text == QString(14, u' ')) {
            teile.append(u"b"_s);
        } else if (e.text == QString(12, u' ')) {
            teile.append(u"f"_s);
        } else if (e.text.endsWith(u"  "_s)) {
            teile.append(e.weiblich ? u"w"_s : u"m"_s);
        } else {
            teile.append(e.text);
        }
    }
    return teile.join(u' ');
}

Klasse klasse(int maedchen, int jungen, int ohne = 0)
{
    Klasse k;
    for (int i = 0; i < maedchen; ++i) {
        schuelerAnhaengen(k, u"W"_s + QString::number(i), u"N"_s, u"w"_s, u"9a"_s);
    }
    for (int i = 0; i < jungen; ++i) {
        schuelerAnhaengen(k, u"M"_s + QString::number(i), u"N"_s, u"m"_s, u"9b"_s);
    }
    for (int i = 0; i < ohne; ++i) {
        schuelerAnhaengen(k, u"X"_s + QString::number(i), u"N"_s, u""_s);
    }
    return k;
}

QList<int> folge(int n, int wiederholungen = 1)
{
    QList<int> f;
    for (int w = 0; w < wiederholungen; ++w) {
        for (int i = 0; i < n; ++i) {
            f.append(i);
        }
    }
    return f;
}

} // namespace

class ZufallsgruppenTest : public QObject
{
    Q_OBJECT

private slots:
    void losungen_data()
    {
        QTest::addColumn<int>("maedchen");
        QTest::addColumn<int>("jungen");
        QTest::addColumn<int>("ohne");
        QTest::addColumn<int>("groesse");
        QTest::addColumn<bool>("trennung");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("25 zu 4 ohne Trennung")
            << 0 << 25 << 0 << 4 << false
            << u"1 m m m m _ b 2 m m m m _ b f f 3 m m m m _ b 4 m m m m _ b 5 m m m m _ b "
               u"6 m m m m _ b 7 m"_s;
        QTest::newRow("10 Maedchen, 12 Jungen zu 4 getrennt")
            << 10 << 12 << 0 << 4 << true
            << u"1 w w w w _ b 2 w w w w _ b f f 3 w w b b _ b 4 m m m m _ b 5 m m m m _ b "
               u"6 m m m m _ b"_s;
        QTest::newRow("Groesse 2 ohne Leereintrag")
            << 3 << 3 << 0 << 2 << false << u"1 w w _ 2 w m _ 3 m m _"_s;
        QTest::newRow("getrennt ohne Maedchen")
            << 0 << 5 << 0 << 3 << true << u"1 m m m _ b 2 m m"_s;
        QTest::newRow("getrennt ohne Jungen")
            << 4 << 0 << 0 << 3 << true << u"1 w w w _ b 2 w b b _ b"_s;
        QTest::newRow("getrennt, Geschlecht fehlt")
            << 2 << 2 << 2 << 2 << true << u"1 w w _ 2 m m _"_s;
        QTest::newRow("getrennt, nur ohne Geschlecht") << 0 << 0 << 3 << 2 << true << u"1"_s;
        QTest::newRow("ohne Trennung, Geschlecht fehlt zaehlt mit")
            << 1 << 0 << 1 << 2 << false << u"1 w m _"_s;
        QTest::newRow("leere Klasse") << 0 << 0 << 0 << 4 << false << u"1"_s;
    }
    void losungen()
    {
        QFETCH(int, maedchen);
        QFETCH(int, jungen);
        QFETCH(int, ohne);
        QFETCH(int, groesse);
        QFETCH(bool, trennung);
        const Klasse k = klasse(maedchen, jungen, ohne);
        // Die Folge erschoepft sich; danach liefert die Quelle nur noch 0, die Losung endet
        // trotzdem.
        FolgeZufall zufall(folge(maedchen + jungen + ohne, 2));
        QTEST(kurz(zufallsgruppenLosen(k, false, groesse, trennung, zufall)), "erwartet");
    }

    void reihenfolgeAusDerZufallsquelle()
    {
        Klasse k;
        for (const QString &v : {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s}) {
            schuelerAnhaengen(k, v, u"Zorn"_s, u"m"_s, u"9c"_s);
        }
        FolgeZufall zufall({3, 3, 1, 0, 4, 2});
        const auto e = zufallsgruppenLosen(k, true, 5, false, zufall);
        QStringList namen;
        for (int i = 1; i <= 5; ++i) {
            namen.append(e[i].text);
        }
        QCOMPARE(namen, (QStringList{u"D Zorn (9c)  "_s, u"B Zorn (9c)  "_s, u"A Zorn (9c)  "_s,
                                     u"E Zorn (9c)  "_s, u"C Zorn (9c)  "_s}));
    }

    void keineFuellerBeiZweiergruppenNach33()
    {
        const Klasse k = klasse(0, 40);
        FolgeZufall zufall(folge(40));
        const QStringList teile = kurz(zufallsgruppenLosen(k, false, 2, false, zufall)).split(u' ');
        int schueler = 0;
        for (const QString &t : teile) {
            schueler += t == u"m"_s ? 1 : 0;
            QVERIFY2(!(t == u"f"_s && schueler >= 33), "Fueller nach 33 Schuelern");
        }
        QCOMPARE(schueler, 40);
        QVERIFY(teile.contains(u"f"_s));
        QCOMPARE(teile.last(), u"_"_s);
    }

    void ungueltigeGroesse()
    {
        FolgeZufall zufall({});
        QVERIFY(zufallsgruppenLosen(klasse(2, 2), false, 1, false, zufall).isEmpty());
        QVERIFY(zufallsgruppenLosen(klasse(2, 2), false, 21, false, zufall).isEmpty());
    }

    void eintragText()
    {
        QCOMPARE(gruppenEintragText(u"Anna"_s, u"Abel"_s, u"9b"_s, true), u"Anna Abel (9b)  "_s);
        QCOMPARE(gruppenEintragText(u"Anna"_s, u"Abel"_s, u"9b"_s, false), u"Anna Abel  "_s);
    }
};

QTEST_GUILESS_MAIN(ZufallsgruppenTest)
#include "zufallsgruppen_test.moc"
