#include "classdata/klassendatei.h"
#include "classdata/schuelersuche.h"
#include "grades/klassenbau.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QTest>

using namespace Qt::StringLiterals;

class SchuelersucheTest : public QObject
{
    Q_OBJECT

    Testordner ordner;

private slots:
    void initTestCase()
    {
        SkriptRueckfragen r;
        Klasse a = standardKlasse();
        schuelerAnhaengen(a, u"Anna"_s, u"Abel"_s, u"w"_s);
        a.schueler(1).note(5, 0) = u"1"_s;
        Klasse b = standardKlasse();
        schuelerAnhaengen(b, u"Andreas"_s, u"Berg"_s, u"m"_s);
        schuelerAnhaengen(b, u"Hans"_s, u"Mann"_s, u"m"_s);
        b.schueler(2).note(5, 0) = u"1+"_s;
        b.schueler(2).note(2, 19) = u"3-"_s;
        QVERIFY(klassenlisteSchreiben(ordner.datei(u"L-7a-De.DTA"_s), a, r));
        QVERIFY(klassenlisteSchreiben(ordner.datei(u"L-10b-De.DTA"_s), b, r));
        QVERIFY(klassenlisteSchreiben(ordner.datei(u"K-9-aIn.DTA"_s), standardKlasse(), r));
    }

    void suche_data()
    {
        QTest::addColumn<bool>("und");
        QTest::addColumn<QString>("vorname");
        QTest::addColumn<QString>("geschlecht");
        QTest::addColumn<QString>("note5_0");
        QTest::addColumn<QString>("note2_19");
        QTest::addColumn<QStringList>("erwartet");
        const QStringList keiner{u"Keinen Schüler gef."_s};
        QTest::newRow("oder an: nur Hans")
            << false << u"an"_s << u""_s << u""_s << u""_s << QStringList{u"L-10b-De.DTA"_s};
        QTest::newRow("und Note 1 genau")
            << true << u""_s << u""_s << u"1"_s << u""_s << QStringList{u"L-7a-De.DTA"_s};
        QTest::newRow("und ohne Kriterium: alle")
            << true << u""_s << u""_s << u""_s << u""_s
            << QStringList{u"K-9-aIn.DTA"_s, u"L-7a-De.DTA"_s, u"L-10b-De.DTA"_s};
        QTest::newRow("oder ohne Kriterium: keine")
            << false << u""_s << u""_s << u""_s << u""_s << keiner;
        QTest::newRow("und Ann und m: keine")
            << true << u"Ann"_s << u"m"_s << u""_s << u""_s << keiner;
        QTest::newRow("oder Ann oder m") << false << u"Ann"_s << u"m"_s << u""_s << u""_s
                                         << QStringList{u"L-7a-De.DTA"_s, u"L-10b-De.DTA"_s};
        QTest::newRow("und M19 und 1+")
            << true << u""_s << u""_s << u"1+"_s << u"3-"_s << QStringList{u"L-10b-De.DTA"_s};
        QTest::newRow("und M19 falsch") << true << u""_s << u""_s << u"1+"_s << u"3"_s << keiner;
    }
    void suche()
    {
        QFETCH(bool, und);
        QFETCH(QString, vorname);
        QFETCH(QString, geschlecht);
        QFETCH(QString, note5_0);
        QFETCH(QString, note2_19);
        SuchKriterien k;
        k.und = und;
        k.muster.vorname = vorname;
        k.muster.geschlecht = geschlecht;
        k.muster.note(5, 0) = note5_0;
        k.muster.note(2, 19) = note2_19;
        k.muster.zusatz = u"wird nicht verglichen"_s;
        SkriptRueckfragen r;
        QTEST(suchKlassenListe(ordner.pfad(), k, r), "erwartet");
        QVERIFY(r.protokoll.isEmpty());
    }

    void unlesbareDatei()
    {
        Testordner t;
        t.schreibe(u"L-5a-Mu.DTA"_s, "kurz");
        SuchKriterien k;
        k.und = true;
        SkriptRueckfragen r;
        QCOMPARE(suchKlassenListe(t.pfad(), k, r), QStringList{u"Keinen Schüler gef."_s});
        QCOMPARE(r.meldungen().size(), 1);
    }
};

QTEST_GUILESS_MAIN(SchuelersucheTest)
#include "schuelersuche_test.moc"
