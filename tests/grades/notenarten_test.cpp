#include "grades/klassenbau.h"
#include "grades/notenarten.h"
#include "unterstuetzung/skriptrueckfragen.h"

#include <QTest>

using namespace Qt::StringLiterals;

class NotenartenTest : public QObject
{
    Q_OBJECT

private slots:
    void freieBuchstaben()
    {
        NotenartenFelder f = standardFelder();
        QCOMPARE(restlicheZuweisungsbuchstabenBerechnen(f), u"FJQXY"_s);
        f[0].kurzform = u"Haus&arbeit"_s; // A ist Navigationstaste: nicht in der Menge
        f[1].kurzform = u"&k&l"_s;
        QCOMPARE(restlicheZuweisungsbuchstabenBerechnen(f), u"FHJMQXY"_s);
    }

    void kurzformAendern_data()
    {
        QTest::addColumn<QString>("kurzform");
        QTest::addColumn<QString>("eigener");
        QTest::addColumn<QString>("ergebnis");
        QTest::addColumn<QString>("taste"); // Anzeige der Taste, "-" = unveraendert
        QTest::addColumn<QString>("meldung");
        const QString vergebenA =
            u"Der Buchstabe  'A'  ist als Navigationstaste schon vergeben.\r\n\r\n"
            u"Eine Übersicht über die noch zur Verfügung stehenden Buchstaben erhalten Sie, "
            u"wenn Sie mit der Maus über das Feld einer Kurzform fahren."_s;
        QTest::newRow("eigener Buchstabe H")
            << u"&Hausarbeit"_s << u"H"_s << u"&Hausarbeit"_s << u"H"_s << QString();
        QTest::newRow("A ist vergeben")
            << u"&Ausarbeit"_s << u"H"_s << u"Ausarbeit"_s << u"-"_s << vergebenA;
        QTest::newRow("a mitten") << u"Haus&arbeit"_s << u"H"_s << u"Hausarbeit"_s << u"-"_s
                                  << vergebenA;
        QTest::newRow("F ist frei") << u"&fein"_s << u""_s << u"&fein"_s << u"f"_s << QString();
        // C, G, K, L, S gehoeren den Befehlstasten der Tabelle, auch als eigener Buchstabe.
        QTest::newRow("K ist Tabellentaste") << u"&kurz"_s << u""_s << u"kurz"_s << u"-"_s
                                             << QString(vergebenA).replace(u"'A'"_s, u"'K'"_s);
        QTest::newRow("eigenes S ist Tabellentaste")
            << u"&Schulaufg"_s << u"S"_s << u"Schulaufg"_s << u"-"_s
            << QString(vergebenA).replace(u"'A'"_s, u"'S'"_s);
        QTest::newRow("M gehoert Art 2") << u"&Mathe"_s << u"H"_s << u"Mathe"_s << u"-"_s
                                         << QString(vergebenA).replace(u"'A'"_s, u"'M'"_s);
        QTest::newRow("& am Ende wartet")
            << u"Test&"_s << u""_s << u"Test&"_s << u"-"_s << QString();
        QTest::newRow("leer") << u""_s << u"H"_s << u""_s << u""_s << QString();
        QTest::newRow("nur &") << u"&"_s << u"H"_s << u"&"_s << u""_s << QString();
        QTest::newRow("Ziffer") << u"&1a"_s << u""_s << u"1a"_s << u"-"_s
                                << QString(vergebenA).replace(u"'A'"_s, u"'1'"_s);
    }
    void kurzformAendern()
    {
        QFETCH(QString, kurzform);
        QFETCH(QString, eigener);
        QFETCH(QString, ergebnis);
        QFETCH(QString, taste);
        QFETCH(QString, meldung);
        SkriptRueckfragen r;
        QString anzeige = u"-"_s;
        const QString frei = restlicheZuweisungsbuchstabenBerechnen(standardFelder());
        QCOMPARE(kurzformGeaendert(kurzform, eigener, frei, r, &anzeige), ergebnis);
        QCOMPARE(anzeige, taste);
        QCOMPARE(r.meldungen(), meldung.isEmpty() ? QStringList{} : QStringList{meldung});
    }

    void summe_data()
    {
        QTest::addColumn<QStringList>("gewichte");
        QTest::addColumn<QString>("summe");
        QTest::addColumn<QString>("hinweis");
        QTest::addColumn<QString>("rest");
        QTest::addColumn<int>("farbe");
        using F = ProzentAnzeige::Farbe;
        QTest::newRow("95") << QStringList{u"1"_s, u"43"_s, u"4"_s, u"7"_s, u"40"_s} << u"95"_s
                            << u"Es fehlen:"_s << u"5 %"_s << int(F::Blau);
        QTest::newRow("100") << QStringList{u"1"_s, u"43"_s, u"4"_s, u"7"_s, u"45"_s} << u"100"_s
                             << u""_s << u""_s << int(F::Keine);
        QTest::newRow("120") << QStringList{u"20"_s, u"20"_s, u"20"_s, u"20"_s, u"40"_s} << u"120"_s
                             << u"zu viel:"_s << u"20 %"_s << int(F::Rot);
        QTest::newRow("leeres Feld") << QStringList{u"20"_s, u""_s, u"20"_s, u"20"_s, u"40"_s}
                                     << u""_s << u""_s << u""_s << int(F::Keine);
        QTest::newRow("keine Zahl") << QStringList{u"20"_s, u"x"_s, u"20"_s, u"20"_s, u"40"_s}
                                    << u""_s << u""_s << u""_s << int(F::Keine);
        QTest::newRow("negativ") << QStringList{u"-20"_s, u"40"_s, u"20"_s, u"20"_s, u"40"_s}
                                 << u""_s << u""_s << u""_s << int(F::Keine);
    }
    void summe()
    {
        QFETCH(QStringList, gewichte);
        NotenartenFelder f = standardFelder();
        for (int i = 0; i < 5; ++i) {
            f[i].gewicht = gewichte[i];
        }
        const ProzentAnzeige a = prozentSumme(f);
        QTEST(a.summe, "summe");
        QTEST(a.hinweis, "hinweis");
        QTEST(a.rest, "rest");
        QTEST(int(a.farbe), "farbe");

        // OK nur bei genau 100.
        Klasse k = standardKlasse();
        SkriptRueckfragen r;
        QCOMPARE(bezeichnungenUndGewichteNach_suk(k, f, r), a.summe == u"100"_s);
        QCOMPARE(r.pieptoene, a.summe == u"100"_s ? 0 : 1);
    }

    void okSpeichert()
    {
        Klasse k = standardKlasse();
        NotenartenFelder f = bezeichnungenUndGewichteFuellen(k);
        QCOMPARE(f[3].kurzform, u"P&rotokolle"_s);
        QCOMPARE(f[4].gewicht, u"45"_s);
        f[0] = {u"Klassenarbeiten"_s + QString(60, u'x'), u"&Klassenarbeit"_s, u"50"_s};
        f[1].gewicht = u"35"_s;
        f[4].gewicht = u"-4"_s;
        SkriptRueckfragen r;
        QVERIFY(!bezeichnungenUndGewichteNach_suk(k, f, r));
        QCOMPARE(k.gewicht(1), qint16(1));
        f[4].gewicht = u"-4"_s.mid(1);
        QVERIFY(bezeichnungenUndGewichteNach_suk(k, f, r));
        QCOMPARE(k.notenart(1).langname.size(), 60);
        QCOMPARE(k.notenart(1).kurzform, u"&Klassenarb"_s);
        QCOMPARE(k.notenart(1).taste, QChar(u'K'));
        QCOMPARE(k.notenart(4).taste, QChar(u'P'));
        QCOMPARE(k.gewicht(1), qint16(50));
        QCOMPARE(k.gewicht(5), qint16(4));
        QCOMPARE(tasteAusKurzform(u""_s), QChar(u' '));
        QCOMPARE(tasteAusKurzform(u"&"_s), QChar(u' '));
    }

    void hinweis()
    {
        const QStringList zeilen = kurzformHinweis(u"XCF"_s).split(u'\n');
        QCOMPARE(zeilen.size(), 6 + 3 + 1 + 2 + 11);
        QCOMPARE(zeilen.mid(5, 5),
                 (QStringList{u""_s, u"      C"_s, u"      F"_s, u"      X"_s, u""_s}));
        QCOMPARE(zeilen.at(11), QString(80, u'-'));
        QCOMPARE(zeilen.last(), u"  Z - führt zurück zur Übersicht des Programms."_s);
    }

    void knoepfeOhneKaufmannsUnd()
    {
        QCOMPARE(ohneErstesKaufmannsUnd(u"P&rotokolle"_s), u"Protokolle"_s);
        QCOMPARE(ohneErstesKaufmannsUnd(u"&A&B"_s), u"A&B"_s);
        QCOMPARE(ohneErstesKaufmannsUnd(u"Alle"_s), u"Alle"_s);
    }
};

QTEST_GUILESS_MAIN(NotenartenTest)
#include "notenarten_test.moc"
