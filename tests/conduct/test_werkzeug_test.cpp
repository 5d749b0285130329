// Die Verben des Testablaufs in mivo-werkzeug auf einem Basisordner.
#include "common/ansitext.h"
#include "common/ordner.h"
#include "unterstuetzung/testumgebung.h"
#include "werkzeug/werkzeug.h"

#include <QDir>
#include <QTest>
#include <QTextStream>

using namespace Qt::StringLiterals;

class TestWerkzeugTest : public QObject
{
    Q_OBJECT
    Testordner t;
    QString basis;

    int aufruf(const QStringList &argumente, QString *aus = nullptr, QString *fehler = nullptr)
    {
        QString a, f;
        QTextStream sa(&a), sf(&f);
        const int ergebnis = werkzeugAusfuehren(argumente, sa, sf);
        if (aus) {
            *aus = a;
        }
        if (fehler) {
            *fehler = f;
        }
        return ergebnis;
    }

private slots:
    void initTestCase()
    {
        basis = t.pfad() + u"basis/"_s;
        QVERIFY(baumKopieren(QStringLiteral(MIVO_BASIS), basis));
        QDir().mkpath(basis + u"2024-25"_s);
        QVERIFY(dateiKopieren(basis + u"2016-17 Beispiele/L-7x-Ph.DTA"_s,
                              basis + u"2024-25/L-7x-Ph.DTA"_s));
        QVERIFY(
            baumKopieren(basis + u"2016-17 Beispiele/7xP1Bspl"_s, basis + u"2024-25/7xP1Bspl"_s));
        // Lehrer- und Schuelerkonfiguration wie nach der Einrichtung.
        QVERIFY(ansiZeilenSchreiben(basis + u"Mivo-Kl-cf.txt"_s,
                                    {u"[Mivo-Programm-Ordner]"_s,
                                     basis + u"Mivo-Dateien (Schulserver)/"_s, u"[Lehrername]"_s,
                                     u"Meier/"_s, u"[Lehrer-Klassen-Ordner]"_s, basis})
                    .ok());
        QVERIFY(ansiZeilenSchreiben(basis + u"Mivo-Dateien (Schulserver)/Mivo-cf.txt"_s,
                                    {u"[Test-Ausgabe]"_s, t.pfad() + u"aus/"_s, u"[Test-Abgabe]"_s,
                                     t.pfad() + u"ab/"_s, u"[Test-Rueckgabe]"_s,
                                     t.pfad() + u"rueck/"_s})
                    .ok());
    }

    void schluessel()
    {
        QString aus;
        QCOMPARE(aufruf({u"schluessel"_s, basis + u"2024-25/7xP1Bspl/7xP1Bspl.__A"_s}, &aus), 0);
        QVERIFY(aus.startsWith(
            u"{\"fragen\": [{\"nr\": \"1\", \"punkte\": 2, \"loesung\": \"b\"}, "_s));
        QVERIFY(aus.trimmed().endsWith(u"], \"punkteMax\": 17}"_s));
        t.schreibe(u"kaputt.__A"_s, "Titel\r\n1)\tA\r\n3)\tB\r\n");
        QString fehler;
        QCOMPARE(aufruf({u"schluessel"_s, t.datei(u"kaputt.__A"_s)}, nullptr, &fehler), 3);
        QVERIFY(fehler.contains(u"Bitte die Nummerierung der Testaufgaben kontrollieren !"_s));
    }

    // Hilfe auf stdout mit Erfolg; ein Verb mit --help liest keine Datei dieses Namens.
    void hilfe_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("aufruf");
        QTest::newRow("--help") << QStringList{u"--help"_s} << u"Aufruf:\n"_s;
        QTest::newRow("-h") << QStringList{u"-h"_s} << u"Aufruf:\n"_s;
        QTest::newRow("schluessel --help")
            << QStringList{u"schluessel"_s, u"--help"_s} << u"Aufruf: mivo-werkzeug schluessel"_s;
        QTest::newRow("benoten --help")
            << QStringList{u"benoten"_s, u"--basis"_s, basis, u"--help"_s}
            << u"Aufruf: mivo-werkzeug benoten"_s;
    }
    void hilfe()
    {
        QFETCH(QStringList, argumente);
        QString aus, fehler;
        QCOMPARE(aufruf(argumente, &aus, &fehler), 0);
        QFETCH(QString, aufruf);
        QVERIFY2(aus.startsWith(aufruf), qPrintable(aus));
        QVERIFY(fehler.isEmpty());
        // Ohne Verb bleibt es ein falscher Aufruf.
        QCOMPARE(this->aufruf({}, &aus, &fehler), 1);
        QVERIFY(aus.isEmpty() && fehler.startsWith(u"Aufruf:"_s));
    }

    void ablauf()
    {
        QString aus;
        QCOMPARE(aufruf({u"katalog"_s, u"--basis"_s, basis, u"--schuljahr"_s, u"2024-25"_s}, &aus),
                 0);
        QCOMPARE(aus, u" 7xP1Bspl   Beispieltest zur Unfallverhütung"_s + QString(23, u' ') +
                          u"2024-25\n"_s);
        QCOMPARE(aufruf({u"durchfuehren"_s, u"--basis"_s, basis, u"2024-25"_s, u"7xP1Bspl"_s,
                         u"--zufall"_s, u"5"_s, u"--heute"_s, u"2024-11-05"_s},
                        &aus),
                 0);
        QCOMPARE(aus.split(u'\n', Qt::SkipEmptyParts).size(), 25);
        QCOMPARE(ansiZeilenLesen(t.pfad() + u"aus/7x-Meier-7xP1Bspl.tmp"_s).zeilen,
                 QStringList{u"2024-11-05"_s});
        // Zwei Schueler geben ab: einer alles richtig (Gruppe A), einer nichts angekreuzt.
        QStringList kopie = ansiZeilenLesen(t.pfad() + u"aus/Meier/7x/Albrecht.L7x"_s).zeilen;
        const QString loesung = u"bbbbababbb"_s;
        int q = 0;
        for (QString &z : kopie) {
            if (z.size() > 2 && z[0].isDigit() && (z[1] == u')' || z[2] == u')')) {
                ++q;
            } else if (q >= 1 && z.startsWith(u'\t') && z.size() > 2 && z[1] == loesung[q - 1]) {
                z = u'x' + z;
            }
        }
        QDir().mkpath(t.pfad() + u"ab/Meier/DropBox"_s);
        QVERIFY(ansiZeilenSchreiben(t.pfad() + u"ab/Meier/DropBox/Albrecht.L7x"_s, kopie).ok());
        // Bauer (Gruppe B, Antworten gemischt) kreuzt bei Frage 1 die falsche A-Antwort a) an.
        QStringList bauer = ansiZeilenLesen(t.pfad() + u"aus/Meier/7x/Bauer.J7x"_s).zeilen;
        bool gekreuzt = false;
        for (QString &z : bauer) {
            if (z.endsWith(u") Ich lösche es sofort selbst."_s)) {
                z = u'x' + z;
                gekreuzt = true;
            }
        }
        QVERIFY(gekreuzt);
        QVERIFY(ansiZeilenSchreiben(t.pfad() + u"ab/Meier/DropBox/Bauer.J7x"_s, bauer).ok());
        QCOMPARE(aufruf({u"einsammeln"_s, u"--basis"_s, basis, u"2024-25"_s, u"7xP1Bspl"_s}, &aus),
                 0);
        QCOMPARE(aus, u"Albrecht.L7x\nBauer.J7x\n"_s);
        QString fehler;
        QCOMPARE(
            aufruf({u"benoten"_s, u"--basis"_s, basis, u"2024-25"_s, u"7xP1Bspl"_s}, &aus, &fehler),
            0);
        QVERIFY2(!fehler.contains(u"Standardwerte"_s), qPrintable(fehler));
        QVERIFY(aus.startsWith(
            u"{\"punkteMax\": 17, \"ergebnisse\": [{\"initiale\": \"L\", \"nachname\": "
            "\"Albrecht\", \"note\": \"1+\", \"punkte\": 17}, {\"initiale\": \"J\", \"nachname\": "
            "\"Bauer\", \"note\": \"6\", \"punkte\": 0}, {\"initiale\": \"M\", \"nachname\": "
            "\"Becker\", \"note\": \"/\", \"punkte\": 0}, "_s));
        // Aufgabenanalyse der zwei gewerteten Schueler (die Fehlenden zaehlen nicht): jede Frage
        // von einem geloest, Trennschaerfe 1; Frage 1 in A-Buchstaben b) und a).
        QVERIFY2(aus.contains(u"\"aufgabenanalyse\": {\"schueler\": 2, \"kr20\": "_s),
                 qPrintable(aus));
        QVERIFY2(aus.contains(u"\"fragen\": [{\"nr\": 1, \"loesungsquote\": 0.5, "
                              "\"trennschaerfe\": 1, \"antworten\": {\"a\": 0.5, \"b\": 0.5, "
                              "\"c\": 0, \"d\": 0, \"keine\": 0}}, "_s),
                 qPrintable(aus));
        const QStringList analyse =
            ansiZeilenLesen(basis + u"2024-25/7xP1Bspl/T3-Benot/Aufgabenanalyse.Doc"_s).zeilen;
        QVERIFY(analyse.contains(u"Gewertete Schüler: 2"_s));
        QVERIFY(analyse.contains(u"1\tb\t50 %\t1,00\t50 %\t50 %\t0 %\t0 %\t0 %"_s));
        // Benoten zieht die bereitgestellten Tests zurueck.
        QVERIFY(!QFile::exists(t.pfad() + u"aus/7x-Meier-7xP1Bspl.tmp"_s));
    }
};

QTEST_GUILESS_MAIN(TestWerkzeugTest)
#include "test_werkzeug_test.moc"
