// Regeln des Testeditors: Nummerierung, Punkte, neue Frage, Antworten tauschen, Schreibmarke,
// Warnungen der Durchfuehrung und Fragebogen.

#include "authoring/aufgaben.h"
#include "authoring/testspeichern.h"
#include "conduct/testdokument.h"
#include "unterstuetzung/skriptrueckfragen.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList kopf()
{
    return {u"Multiple-Choice-Test"_s,
            u"----"_s,
            u"Physik- Test Nr. 1          Kl.: 7x       Gruppe: A"_s,
            u"Thema: Beispiel"_s,
            u"----"_s,
            QString()};
}

QStringList frage(const QString &nr, const QString &text, int richtig = 1, int punkte = 2)
{
    QStringList b{nr + u")\t"_s + text};
    for (int i = 0; i < 4; ++i) {
        const QString p = i == richtig ? QString::number(punkte) : QString();
        b << p + u'\t' + QChar(u'a' + i) + u") Antwort "_s + QString::number(i + 1);
    }
    return b << QString();
}

QStringList test(int fragen)
{
    QStringList z = kopf();
    for (int q = 1; q <= fragen; ++q) {
        z << frage(QString::number(q), u"Frage "_s + QString::number(q));
    }
    return z;
}

} // namespace

class TstAufgaben : public QObject
{
    Q_OBJECT
private slots:
    void nummerieren_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QStringList>("fragezeilen"); // erwartet nach der Neunummerierung
        QTest::addColumn<QString>("meldung");         // Anfang der Informationsmeldung

        QStringList fehlt = test(2);
        fehlt[12] = u")\tOhne Nummer"_s;
        QTest::newRow("Nummer fehlt")
            << fehlt << QStringList{u"1)\tFrage 1"_s, u"2)\tOhne Nummer"_s}
            << u"Achtung: Nummerierungsfehler nach Aufgabe 1:"_s;

        QStringList zwoelf = test(10);
        zwoelf[60] = u"12)\tFrage 10"_s;
        QStringList erwartet;
        for (int q = 1; q <= 10; ++q) {
            erwartet << QString::number(q) + u")\tFrage "_s + QString::number(q);
        }
        QTest::newRow("12 nach 9")
            << zwoelf << erwartet << u"Achtung: Nummerierungsfehler nach Aufgabe 9:"_s;

        // Eine Fragezeile ueber 255 Zeichen verliert beim Neunummerieren nichts.
        QStringList lang = test(1);
        lang[6] = u"7)\t"_s + QString(400, u'x');
        QTest::newRow("lange Frage") << lang << QStringList{u"1)\t"_s + QString(400, u'x')}
                                     << u"Achtung: Nummerierungsfehler nach Aufgabe 0:"_s;

        // Eine irrtuemliche Leerzeile im Block macht die Antwort danach nicht zur Frage.
        QStringList leer = test(2);
        leer.insert(8, QString());
        QTest::newRow("Leerzeile im Block")
            << leer << QStringList{u"1)\tFrage 1"_s, u"2)\tFrage 2"_s} << QString();
    }
    void nummerieren()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(QStringList, fragezeilen);
        QFETCH(QString, meldung);
        SkriptRueckfragen r;
        const Pruefergebnis e = aufgabennummern_kontrollieren(zeilen, r);
        QStringList gefunden;
        for (const QString &z : zeilen) {
            if (istFragezeile(z)) {
                gefunden << z;
            }
        }
        QCOMPARE(gefunden, fragezeilen);
        QCOMPARE(e.fragenAnzahl, fragezeilen.size());
        QCOMPARE(e.nummerierungsfehler, !meldung.isEmpty());
        if (!meldung.isEmpty()) {
            QVERIFY(r.meldungen().value(0).startsWith(meldung));
        }
        // Was der Editor schreibt, nimmt die Durchfuehrung an.
        QVERIFY(loesungAusZeilen(zeilen).has_value());
    }

    void punkte_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<int>("fehlenBei");
        QTest::addColumn<int>("caretZeile");

        QTest::newRow("Punkte 2 bei b") << test(2) << 0 << -1;
        QStringList ohne = test(2);
        ohne[14] = u"\tb) Antwort 2"_s;
        QTest::newRow("Frage 2 ohne") << ohne << 2 << 16;
        // Eine Punkteziffer in der fuenften Zeile nach der Frage zaehlt nicht.
        QStringList fuenfte = test(1);
        fuenfte[8] = u"\tb) Antwort 2"_s;
        fuenfte.insert(7, u"Zusatz"_s);
        fuenfte[11] = u"3\td) Antwort 4"_s;
        QTest::newRow("fuenfte Zeile") << fuenfte << 1 << 10;
    }
    void punkte()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(int, fehlenBei);
        QFETCH(int, caretZeile);
        SkriptRueckfragen r;
        const Pruefergebnis e = aufgabennummern_kontrollieren(zeilen, r);
        QCOMPARE(e.punkteFehlenBei, fehlenBei);
        QCOMPARE(e.zeileFehlendePunkte, caretZeile);
        if (fehlenBei > 0) {
            QCOMPARE(r.letzteMeldung(), u"In Aufgabe "_s + QString::number(fehlenBei) +
                                            u" fehlt die Angabe der Punkte!"_s);
        } else {
            QVERIFY(r.meldungen().isEmpty());
        }
    }

    void aufraeumen()
    {
        QStringList z{u"a"_s, u"\t\t\t"_s, u"\t x"_s, QString()};
        ungueltigeAbsaetzeLeeren(z);
        QCOMPARE(z, (QStringList{u"a"_s, QString(), u"\t x"_s, QString()}));
    }

    void neueFrage_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("nach drei Fragen") << test(3) << u"4)\t?"_s;
        QStringList ohneLeer = test(3);
        ohneLeer.removeLast();
        QTest::newRow("ohne Leerzeile am Ende") << ohneLeer << u"4)\t?"_s;
        QTest::newRow("leere Vorlage") << kopf() << u"1)\t?"_s;
    }
    void neueFrage()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(QString, erwartet);
        SkriptRueckfragen r;
        const int i = neueFrageRan(zeilen, r);
        QCOMPARE(zeilen[i], erwartet);
        QCOMPARE(zeilen.mid(i + 1),
                 (QStringList{u"\ta) "_s, u"\tb) "_s, u"\tc) "_s, u"\td) "_s, QString()}));
        QVERIFY(zeilen[i - 1].isEmpty());
        // Ein zweites F8 zaehlt weiter, statt die Nummer zu wiederholen.
        const int j = neueFrageRan(zeilen, r);
        QCOMPARE(zeilen[j].left(zeilen[j].indexOf(u')')).toInt(), erwartet.left(1).toInt() + 1);
    }

    void verschieben_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<bool>("runter");
        QTest::addColumn<QStringList>("erwartet"); // leer: unveraendert

        const QStringList paris{u"1)\tHauptstadt?"_s, u"\ta) Berlin"_s, u"2\tb) Paris"_s,
                                u"\tc) Rom"_s,        u"\td) 4 Bild"_s, QString()};
        QTest::newRow("F3 auf a") << paris << 1 << false << QStringList();
        QTest::newRow("F4 auf d") << paris << 4 << true << QStringList();
        QTest::newRow("F4 auf b mit Punkten")
            << paris << 2 << true
            << QStringList{u"1)\tHauptstadt?"_s, u"\ta) Berlin"_s, u"\tb) Rom"_s,
                           u"2\tc) Paris"_s,     u"\td) 4 Bild"_s, QString()};
        QTest::newRow("F3 auf d mit Bild")
            << paris << 4 << false
            << QStringList{u"1)\tHauptstadt?"_s, u"\ta) Berlin"_s, u"2\tb) Paris"_s,
                           u"\tc) 4 Bild"_s,     u"\td) Rom"_s,    QString()};
        const QStringList drei{u"1)\tF?"_s, u"\ta) x"_s, u"1\tb) y"_s,
                               u"\tc) z"_s, QString(),   u"2)\tG?"_s};
        QTest::newRow("F4 auf c bei drei Antworten") << drei << 3 << true << QStringList();
        QTest::newRow("F3 auf der Fragezeile") << paris << 0 << false << QStringList();
    }
    void verschieben()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(int, zeile);
        QFETCH(bool, runter);
        QFETCH(QStringList, erwartet);
        QStringList z = zeilen;
        const bool ok = runter ? antwort_nach_unten(z, zeile) : antwort_nach_oben(z, zeile);
        QCOMPARE(ok, !erwartet.isEmpty());
        QCOMPARE(z, erwartet.isEmpty() ? zeilen : erwartet);
    }

    void schreibmarke_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QString>("wahl");
        QTest::addColumn<QString>("ziffer");
        QTest::newRow("Antwort") << u"\tb) 2 Mond"_s << u"b"_s << u"2"_s;
        QTest::newRow("richtige mit Punkten") << u"3\tc) 1 Sonne"_s << u"c"_s << u"1"_s;
        QTest::newRow("Frage") << u"5)\tWas?"_s << u"x"_s << u"s"_s;
        QTest::newRow("zu kurz") << u"\ta)"_s << u"x"_s << u"x"_s;
    }
    void schreibmarke()
    {
        QFETCH(QString, zeile);
        QFETCH(QString, wahl);
        QFETCH(QString, ziffer);
        QCOMPARE(QString(akt_wahl(zeile)), wahl);
        QCOMPARE(QString(buchst_5(zeile)), ziffer);
    }

    void aktNr()
    {
        const QStringList z = test(10);
        QCOMPARE(akt_nr(z, 3), u"00"_s);
        QCOMPARE(akt_nr(z, 6), u"01"_s);
        QCOMPARE(akt_nr(z, 16), u"02"_s);
        QCOMPARE(akt_nr(z, 62), u"10"_s);
    }

    void warnungen_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QString>("enthaelt"); // leer: keine Warnung
        QTest::newRow("gut") << test(3) << QString();
        QTest::newRow("41 Fragen") << test(41) << u"41 Aufgaben"_s;
        QStringList folge = test(2);
        folge[15] = u"\tb) vertauscht"_s;
        QTest::newRow("Buchstaben") << folge << u"Reihenfolge"_s;
        QStringList zweiP = test(2);
        zweiP[7] = u"1\ta) auch richtig"_s;
        QTest::newRow("zwei Punkteangaben") << zweiP << u"Punktezahl in Aufgabe 1"_s;
    }
    void warnungen()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(QString, enthaelt);
        const QString w = durchfuehrungsWarnungen(zeilen).join(u'\n');
        if (enthaelt.isEmpty()) {
            QVERIFY2(w.isEmpty(), qPrintable(w));
        } else {
            QVERIFY2(w.contains(enthaelt), qPrintable(w));
        }
    }

    void fragebogenOhneAntworten()
    {
        QStringList z = test(2);
        z.insert(7, u"und ihre Fortsetzung"_s); // zweite Zeile der Frage 1
        z.insert(13, u"Kommentar"_s);           // nach der Leerzeile zwischen den Fragen
        const QStringList b = fragebogen(z);
        QCOMPARE(b.mid(0, 6), kopf());
        QCOMPARE(b.mid(6), (QStringList{u"1)\tFrage 1und ihre Fortsetzung"_s + u"Kommentar"_s,
                                        u"2)\tFrage 2"_s}));
    }
};

QTEST_GUILESS_MAIN(TstAufgaben)
#include "tst_aufgaben.moc"
