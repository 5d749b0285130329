// Regeln der Testauswahl ohne Fenster: Klassentext, Listenueberschrift, Sitzplan, Klassenwahl.
#include "conduct/auswahlregeln.h"
#include "conduct/testname.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestAuswahlregeln : public QObject
{
    Q_OBJECT
private slots:
    void klassentext_data()
    {
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<QString>("neu");
        QTest::addColumn<QString>("ergebnis"); // "<abgelehnt>": der vorige Text bleibt
        const QString nein = u"<abgelehnt>"_s;
        QTest::newRow("Ziffer ueber ...") << u"..."_s << u"...7"_s << u"7"_s;
        QTest::newRow("Ziffer vor ...") << u"..."_s << u"8..."_s << u"8"_s;
        QTest::newRow("7a") << u"7"_s << u"7a"_s << u"7a"_s;
        QTest::newRow("81 Kerngruppe") << u"8"_s << u"81"_s << u"81"_s;
        QTest::newRow("70 abgelehnt") << u"7"_s << u"70"_s << nein;
        QTest::newRow("7A gross abgelehnt") << u"7"_s << u"7A"_s << nein;
        QTest::newRow("2 abgelehnt") << u"..."_s << u"2"_s << nein;
        QTest::newRow("3 abgelehnt") << u"..."_s << u"3"_s << nein;
        QTest::newRow("Kleinbuchstabe abgelehnt") << u"..."_s << u"a"_s << nein;
        QTest::newRow("10") << u"1"_s << u"10"_s << u"10"_s;
        QTest::newRow("13") << u"1"_s << u"13"_s << u"13"_s;
        QTest::newRow("14 abgelehnt") << u"1"_s << u"14"_s << nein;
        QTest::newRow("10a") << u"10"_s << u"10a"_s << u"10a"_s;
        QTest::newRow("10- abgelehnt") << u"10"_s << u"10-"_s << nein;
        QTest::newRow("7ab zu lang") << u"7a"_s << u"7ab"_s << nein;
        QTest::newRow("leer") << u"7"_s << u""_s << u"..."_s;
        QTest::newRow("Punkt") << u"7"_s << u"7."_s << u"..."_s;
        QTest::newRow("falscher Anfang") << u"..."_s << u"0"_s << u"..."_s;
        QTest::newRow("Grossbuchstabe") << u"..."_s << u"X"_s << u"..."_s;
    }
    void klassentext()
    {
        QFETCH(QString, vorher);
        QFETCH(QString, neu);
        QFETCH(QString, ergebnis);
        QCOMPARE(klassentextPruefen(vorher, neu).value_or(u"<abgelehnt>"_s), ergebnis);
    }

    void ueberschrift_data()
    {
        QTest::addColumn<bool>("fest");
        QTest::addColumn<QString>("kuerzel");
        QTest::addColumn<QString>("klasse");
        QTest::addColumn<QString>("geladen");
        QTest::addColumn<QString>("text");
        QTest::newRow("nicht festgelegt")
            << false << u"7xP1Bspl"_s << u"L-7x-Ph"_s << QString() << u"Test/ Klasse auswählen:"_s;
        QTest::newRow("Klasse") << true << u"7xP1Bspl"_s << u"L-7x-Ph"_s << QString()
                                << u"Testauswahl:     7xP1Bspl    (Klasse  L-7x-Ph)"_s;
        QTest::newRow("Oberstufe mit 1") << true << u"0aM2Bruc"_s << u"L-10a-M"_s << QString()
                                         << u"Testauswahl:    10aM2Bruc    (Klasse  L-10a-M)"_s;
        QTest::newRow("Kurs") << true << u"9IK1Info"_s << u"K-9-I"_s << QString()
                              << u"Testauswahl:     9IK1Info    (Kurs   K-9-I)"_s;
        QTest::newRow("keine Klasse") << true << u"7xP1Bspl"_s << u"---"_s << u"L-8a-M"_s
                                      << u"Testauswahl:     7xP1Bspl    (Klasse/Kurs: ?)"_s;
        QTest::newRow("nur Platzhalter")
            << true << u"........"_s << u"---"_s << QString() << u"Test/ Klasse auswählen:"_s;
        QTest::newRow("andere geladen") << true << u"7xP1Bspl"_s << u"X"_s << u"L-8a-M"_s
                                        << u"Testauswahl:     7xP1Bspl    (L-8a-M)"_s;
    }
    void ueberschrift()
    {
        QFETCH(bool, fest);
        QFETCH(QString, kuerzel);
        QFETCH(QString, klasse);
        QFETCH(QString, geladen);
        QFETCH(QString, text);
        QCOMPARE(testlistenUeberschrift(fest, kuerzel, klasse, geladen), text);
    }

    void sitzplan_data()
    {
        QTest::addColumn<int>("spalten");
        QTest::addColumn<int>("schritte");
        QTest::addColumn<int>("ergebnis");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("gekuerzt");
        // 50 / Spalten gerundet: 8 -> 6, 4 -> 12,5 -> 12, 3 -> 17, 11 -> 5.
        QTest::newRow("8 Spalten") << 8 << 0 << 8 << u"Gruenewald"_s << u"Gruene."_s;
        QTest::newRow("kurz bleibt") << 8 << 0 << 8 << u"Bauer"_s << u"Bauer"_s;
        QTest::newRow("nie ueber 11") << 11 << 1 << 11 << u"Gruenewald"_s << u"Gruen."_s;
        QTest::newRow("nie unter 1") << 1 << -3 << 1 << u"Gruenewald"_s << u"Gruenewald"_s;
        QTest::newRow("halb zur geraden")
            << 5 << -1 << 4 << u"Maximilian-Alexander"_s << u"Maximilian-A."_s;
        QTest::newRow("3 Spalten")
            << 4 << -1 << 3 << u"Maximilian-Alexander"_s << u"Maximilian-Alexan."_s;
    }
    void sitzplan()
    {
        QFETCH(int, spalten);
        QFETCH(int, schritte);
        QFETCH(int, ergebnis);
        QFETCH(QString, name);
        QFETCH(QString, gekuerzt);
        const int neu = sitzplanSpalten(spalten, schritte);
        QCOMPARE(neu, ergebnis);
        QCOMPARE(sitzplanNameKuerzen(name, neu), gekuerzt);
        QCOMPARE(sitzplanZeilen(25, 8), 5);
        QCOMPARE(sitzplanZeilen(40, 8), 7);
    }

    // Mehrere passende Klassendateien: einmal fragen, dann die Wahl behalten.
    void klassenwahlEinmalJeTest()
    {
        Testordner t;
        const TestPfade test{t.pfad(), u"2024-25"_s, u"7xP1Bspl"_s};
        t.schreibe(u"2024-25/L-7x-Ph.DTA"_s, "x");
        t.schreibe(u"2024-25/L-7x-Ph2.DTA"_s, "x");
        SkriptRueckfragen r;
        r.dateiAntwort(t.pfad() + u"2024-25/L-7x-Ph2.DTA"_s);
        Klassenwahl w;
        QCOMPARE(w.ermitteln(test, r, true), t.pfad() + u"2024-25/L-7x-Ph2.DTA"_s);
        QCOMPARE(w.ermitteln(test, r, true), t.pfad() + u"2024-25/L-7x-Ph2.DTA"_s);
        QCOMPARE(r.dateiDialogTitel.size(), 1);
        // Ein anderer Test fragt selbst.
        r.dateiAntwort(t.pfad() + u"2024-25/L-7x-Ph.DTA"_s);
        QCOMPARE(w.ermitteln({t.pfad(), u"2024-25"_s, u"7xP2Bspl"_s}, r, true),
                 t.pfad() + u"2024-25/L-7x-Ph.DTA"_s);
        QCOMPARE(r.dateiDialogTitel.size(), 2);
        // Verschwindet die gewaehlte Datei, wird wieder gefragt; Abbruch gibt keine Klasse.
        QFile::remove(t.pfad() + u"2024-25/L-7x-Ph2.DTA"_s);
        t.schreibe(u"2024-25/L-7x-Ph3.DTA"_s, "x");
        r.dateiAntwort(QString());
        QCOMPARE(w.ermitteln(test, r, true), QString());
        QCOMPARE(r.dateiDialogTitel.size(), 3);
    }
};

QTEST_MAIN(TestAuswahlregeln)
#include "test_auswahlregeln.moc"
