#include "classdata/klassendatei.h"
#include "classdata/klassenversetzung.h"
#include "grades/klassenbau.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Klasse klasseMitNoten()
{
    Klasse k = standardKlasse();
    k.notenart(3).langname = u"Eigenes"_s;
    schuelerAnhaengen(k, u"Anna"_s, u"Abel"_s, u"w"_s, u"9b"_s);
    schuelerAnhaengen(k, u"Bert"_s, u"Berg"_s);
    k.schueler(1).zusatz = u"Sport"_s;
    k.schueler(2).reserviert = 5;
    for (int art = 1; art <= kNotenarten; ++art) {
        for (int slot = 0; slot <= letzterSlot(art); ++slot) {
            k.datum(art, slot) = u"2016-09-12"_s;
            k.erlaeuterung(art, slot) = u"Test"_s;
            k.schueler(1).note(art, slot) = u"2+"_s;
            k.schueler(2).note(art, slot) = u"/"_s;
        }
    }
    return k;
}

} // namespace

class KlassenversetzungTest : public QObject
{
    Q_OBJECT

private slots:
    void namen_data()
    {
        QTest::addColumn<QString>("alt");
        QTest::addColumn<QString>("neu");
        QTest::newRow("7 -> 8") << u"L-7x-Ph.DTA"_s << u"L-8x-Ph.DTA"_s;
        QTest::newRow("9 -> 10 Kurs") << u"K-9-Inx.DTA"_s << u"K-10-Inx.DTA"_s;
        QTest::newRow("10 -> 11") << u"L-10a-De.DTA"_s << u"L-11a-De.DTA"_s;
        QTest::newRow("9 -> 10 langer Rest bleibt") << u"L-9b-Bio.DTA"_s << u"L-10b-Bio.DTA"_s;
        QTest::newRow("9 -> 10 kurzer Rest") << u"L-9b-B.DTA"_s << u"L-10b-B.DTA"_s;
        QTest::newRow("12 -> 13") << u"L-12a-Ph.DTA"_s << u"L-13a-Ph.DTA"_s;
        QTest::newRow("13 -> 14") << u"K-13-aPh.dta"_s << u"K-14-aPh.dta"_s;
        QTest::newRow("4 -> 5") << u"L-4a-Mu.DTA"_s << u"L-5a-Mu.DTA"_s;
    }
    void namen()
    {
        QFETCH(QString, alt);
        QTEST(versetzterName(alt), "neu");
    }

    void folgejahr_data()
    {
        QTest::addColumn<QString>("jahr");
        QTest::addColumn<QString>("folge");
        QTest::newRow("2016-17") << u"2016-17"_s << u"2017-18"_s;
        QTest::newRow("2099-00") << u"2099-00"_s << u"2100-01"_s;
        QTest::newRow("letztes") << u"2498-99"_s << u""_s;
        QTest::newRow("...") << u"..."_s << u""_s;
    }
    void folgejahr()
    {
        QFETCH(QString, jahr);
        QTEST(folgeSchuljahr(jahr), "folge");
    }

    void eineKlasseVersetzen()
    {
        Testordner t;
        SkriptRueckfragen r;
        QDir().mkpath(t.datei(u"2016-17"_s));
        const QString quelle = t.datei(u"2016-17/L-9b-Bio.DTA"_s);
        QVERIFY(klassenlisteSchreiben(quelle, klasseMitNoten(), r));
        const QByteArray quelleVorher = t.lies(u"2016-17/L-9b-Bio.DTA"_s);

        Klasse speicher;
        const QString ziel = klasseVersetzen(quelle, t.datei(u"2017-18"_s), speicher, r);
        QCOMPARE(ziel, t.datei(u"2017-18/L-10b-Bio.DTA"_s));
        QVERIFY(r.protokoll.isEmpty());
        QCOMPARE(t.lies(u"2016-17/L-9b-Bio.DTA"_s), quelleVorher);

        Klasse neu;
        QVERIFY(klassenlisteLesen(ziel, neu, r));
        QCOMPARE(klassenGroesse(neu), 2);
        QCOMPARE(neu.schueler(1).vorname, u"Anna"_s);
        QCOMPARE(neu.schueler(1).klasse, u"9b"_s);
        QCOMPARE(neu.schueler(1).zusatz, u"Sport"_s);
        QCOMPARE(neu.schueler(2).reserviert, qint16(5));
        QCOMPARE(neu.notenart(3).langname, u"Eigenes"_s);
        for (int art = 1; art <= kNotenarten; ++art) {
            for (int slot = 0; slot < kSlotsJeArt; ++slot) {
                QVERIFY(neu.schueler(1).note(art, slot).isEmpty());
                QVERIFY(neu.schueler(2).note(art, slot).isEmpty());
                QVERIFY(neu.datum(art, slot).isEmpty());
                QVERIFY(neu.erlaeuterung(art, slot).isEmpty());
            }
        }
        QCOMPARE(klasseAlsBytes(speicher), klasseAlsBytes(neu));

        // Zweites Versetzen fragt; Nein behaelt die erste Kopie.
        Klasse geaendert = klasseMitNoten();
        geaendert.schueler(1).vorname = u"Anja"_s;
        QVERIFY(klassenlisteSchreiben(quelle, geaendert, r));
        const QByteArray ersteKopie = t.lies(u"2017-18/L-10b-Bio.DTA"_s);
        r.antworte(Rueckfragen::Knopf::Nein);
        QVERIFY(klasseVersetzen(quelle, t.datei(u"2017-18"_s), speicher, r).isEmpty());
        QCOMPARE(r.fragen(),
                 QStringList{u"Die Klassendatei existiert schon im Ordner des folgenden "
                             u"Schuljahres!\r\nSoll diese überschrieben werden?"_s});
        QCOMPARE(r.gestellteKnoepfe.last(), Rueckfragen::Knoepfe::JaNeinAbbruch);
        QCOMPARE(t.lies(u"2017-18/L-10b-Bio.DTA"_s), ersteKopie);
        r.antworte(Rueckfragen::Knopf::Ja);
        QCOMPARE(klasseVersetzen(quelle, t.datei(u"2017-18"_s), speicher, r), ziel);
        QVERIFY(klassenlisteLesen(ziel, neu, r));
        QCOMPARE(neu.schueler(1).vorname, u"Anja"_s);
    }

    void verschiedeneKlassenFallenNichtZusammen()
    {
        Testordner t;
        SkriptRueckfragen r;
        QDir().mkpath(t.datei(u"alt"_s));
        Klasse a = standardKlasse(), b = standardKlasse();
        schuelerAnhaengen(a, u"A"_s, u"A"_s);
        schuelerAnhaengen(b, u"B"_s, u"B"_s);
        QVERIFY(klassenlisteSchreiben(t.datei(u"alt/L-9b-Bio.DTA"_s), a, r));
        QVERIFY(klassenlisteSchreiben(t.datei(u"alt/L-9b-Bin.DTA"_s), b, r));
        Klasse speicher;
        const QStringList geschrieben =
            alleKlassenVersetzen(t.datei(u"alt"_s), t.datei(u"neu"_s), speicher, r);
        QCOMPARE(geschrieben,
                 (QStringList{t.datei(u"neu/L-10b-Bin.DTA"_s), t.datei(u"neu/L-10b-Bio.DTA"_s)}));
        QVERIFY(r.fragen().isEmpty());
        QCOMPARE(speicher.schueler(1).vorname, u"A"_s); // die zuletzt versetzte Klasse
    }

    void leeresJahr()
    {
        Testordner t;
        SkriptRueckfragen r;
        QDir().mkpath(t.datei(u"alt"_s));
        QCOMPARE(versetzungsListe(t.datei(u"alt"_s)), QStringList{u"Keine Klasse"_s});
        Klasse speicher;
        QVERIFY(alleKlassenVersetzen(t.datei(u"alt"_s), t.datei(u"neu"_s), speicher, r).isEmpty());
        QCOMPARE(r.meldungen(), QStringList{u"Die Datei "_s + t.datei(u"alt/Keine Klasse"_s) +
                                            u"  kann nicht gelesen werden!"_s});
        QVERIFY(!QFile::exists(t.datei(u"neu"_s)) || QDir(t.datei(u"neu"_s)).isEmpty());
    }

    void folgejahrLoeschen()
    {
        Testordner t;
        t.schreibe(u"L-8x-Ph.DTA"_s, "x");
        QVERIFY(klasseImFolgejahrLoeschen(t.pfad(), u"L-8x-Ph.DTA"_s));
        QVERIFY(!QFile::exists(t.datei(u"L-8x-Ph.DTA"_s)));
        QVERIFY(klasseImFolgejahrLoeschen(t.pfad(), u"L-8x-Ph.DTA"_s)); // fehlend: kein Fehler
        QVERIFY(!klasseImFolgejahrLoeschen(t.pfad(), u"Keine Klasse"_s));
    }
};

QTEST_GUILESS_MAIN(KlassenversetzungTest)
#include "klassenversetzung_test.moc"
