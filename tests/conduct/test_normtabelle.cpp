// Normtabelle: Schwellen, Notenwerte und das Lesen der Tabellen, wie sie ein Tabellenprogramm
// schreibt.
#include "common/ansitext.h"
#include "common/ordner.h"
#include "conduct/benotung.h"
#include "conduct/normtabelle.h"
#include "conduct/tabellenleser.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestNormtabelle : public QObject
{
    Q_OBJECT
private slots:
    void schwellen_data()
    {
        QTest::addColumn<int>("punkteMax");
        QTest::addColumn<double>("anteil");
        QTest::addColumn<int>("schwelle");
        QTest::newRow("19,6 -> 20") << 20 << 0.98 << 20;
        QTest::newRow("10,0") << 20 << 0.50 << 10;
        QTest::newRow("3,0") << 20 << 0.15 << 3;
        QTest::newRow("12,5 -> 12") << 25 << 0.50 << 12;
        QTest::newRow("17,5 -> 18") << 25 << 0.70 << 18;
        QTest::newRow("31,5 -> 32") << 45 << 0.70 << 32;
        QTest::newRow("0,3 x 35 = 10,5 -> 10") << 35 << 0.30 << 10;
        QTest::newRow("Artefakt 0,1+0,2") << 10 << 0.1 + 0.2 << 3;
        QTest::newRow("0") << 20 << 0.0 << 0;
        QTest::newRow("negativ") << 20 << -0.125 << -2;
        QTest::newRow("ueber 1") << 20 << 1.5 << 30;
        QTest::newRow("riesig") << 20 << 1e300 << std::numeric_limits<int>::max();
    }
    void schwellen()
    {
        QFETCH(int, punkteMax);
        QFETCH(double, anteil);
        QTEST(schwelle(punkteMax, anteil), "schwelle");
    }

    // 20 Fragen zu je einem Punkt, die ersten 'richtig' richtig angekreuzt.
    void noten_data()
    {
        QTest::addColumn<int>("richtig");
        QTest::addColumn<QString>("noteE");
        QTest::addColumn<QString>("noteG");
        QTest::addColumn<QString>("punkte");
        QTest::newRow("20") << 20 << u"1+"_s << u"1+"_s << u"15"_s;
        QTest::newRow("19") << 19 << u"1"_s << u"1+"_s << u"14"_s;
        QTest::newRow("10") << 10 << u"4-"_s << u"4+"_s << u"4"_s;
        QTest::newRow("9") << 9 << u"5+"_s << u"4"_s << u"3"_s;
        QTest::newRow("3") << 3 << u"5-"_s << u"5"_s << u"1"_s;
        QTest::newRow("2") << 2 << u"6"_s << u"6"_s << u"0"_s;
        QTest::newRow("0") << 0 << u"6"_s << u"6"_s << u"0"_s;
    }
    void noten()
    {
        QFETCH(int, richtig);
        Loesung l;
        Kreuze k;
        for (int q = 1; q <= 20; ++q) {
            l.aufgabenNr[q] = QString::number(q);
            l.maxPunkte[q] = 1;
            l.loesung[q] = u"c"_s;
            k.antwort[q] = q <= richtig ? u"c"_s : u"a"_s;
            k.kreuzAnzahl[q] = 1;
        }
        l.fragen = 20;
        l.punkteMax = 20;
        k.kreuzAnzahl[1] = richtig > 0 ? 1 : 2; // doppelt angekreuzt zaehlt nie
        std::array<qint16, kMaxFragen + 1> treffer{};
        const Einzelergebnis e = punkteUndNoteBerechnen(l, k, standardNormtabelle(), treffer);
        QCOMPARE(int(e.punkteGesamt), richtig);
        QTEST(e.noteE, "noteE");
        QTEST(e.noteG, "noteG");
        QTEST(e.notenpunkteText, "punkte");
        QCOMPARE(int(treffer[1]), richtig > 0 ? 1 : 0);
        // Fragen ohne Schluessel und ohne Kreuz zaehlen nichts zur Punktzahl.
        QCOMPARE(int(e.punkte[21]), 0);
    }

    void kopf_data()
    {
        QTest::addColumn<QStringList>("kopf");
        QTest::addColumn<bool>("krank");
        QTest::addColumn<bool>("gruppenFehler");
        QTest::newRow("Platzhalter")
            << QStringList{u"krank:     Name:  A B"_s, u"--"_s, u"Gruppe: A"_s} << true << false;
        QTest::newRow("abgegeben")
            << QStringList{u" Name:  A B"_s, u"--"_s, u"Gruppe: A"_s} << false << false;
        // Nur der Platzhalter des Austeilens zaehlt, nicht ein Name, der "krank" enthaelt.
        QTest::newRow("Name mit krank")
            << QStringList{u" Name:  Frank Krankl"_s, u"--"_s, u"Gruppe: A"_s} << false << false;
        QTest::newRow("Platzhalter gross")
            << QStringList{u"KRANK:     Name:  A B"_s, u"--"_s, u"Gruppe: A"_s} << true << false;
        QTest::newRow("krank in Zeile 2")
            << QStringList{u" Name:  A B"_s, u"krank:"_s, u"Gruppe: A"_s} << false << false;
        QTest::newRow("falsche Gruppe")
            << QStringList{u" Name:  A B"_s, u"--"_s, u"Gruppe: B"_s} << false << true;
        QTest::newRow("zu kurz") << QStringList{u" Name:  A B"_s} << false << true;
    }
    void kopf()
    {
        QFETCH(QStringList, kopf);
        const Kopfbefund b = kopfPruefen(kopf, u"A"_s);
        QTEST(b.krank, "krank");
        QTEST(b.gruppenFehler, "gruppenFehler");
    }

    void notenwerte_data()
    {
        QTest::addColumn<QString>("note");
        QTest::addColumn<int>("drittel");
        QTest::newRow("2+") << u"2+"_s << 5;
        QTest::newRow("2") << u"2"_s << 6;
        QTest::newRow("2-") << u"2-"_s << 7;
        QTest::newRow("6") << u"6"_s << 18;
        QTest::newRow("/") << u"/"_s << -1;
        QTest::newRow("GF") << u"GF"_s << -1;
        QTest::newRow("leer") << QString() << -1;
    }
    void notenwerte()
    {
        QFETCH(QString, note);
        QTEST(notenwertDrittel(note), "drittel");
    }

    void zahlen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("wert"); // NaN: keine Zahl
        QTest::newRow("Komma") << u"0,84"_s << 0.84;
        QTest::newRow("Punkt") << u" 0.5 "_s << 0.5;
        QTest::newRow("Prozent") << u"61 %"_s << 0.61;
        QTest::newRow("Wort") << u"gut"_s << qQNaN();
        QTest::newRow("leer") << QString() << qQNaN();
        QTest::newRow("unendlich") << u"inf"_s << qQNaN();
    }
    void zahlen()
    {
        QFETCH(QString, text);
        QFETCH(double, wert);
        const std::optional<double> z = zahlAusText(text);
        QCOMPARE(z.has_value(), !qIsNaN(wert));
        if (z) {
            QCOMPARE(*z, wert);
        }
    }

    // Von LibreOffice geschriebene Tabellen: ein Blatt vor "Tabelle1", Prozentformat, Formeln mit
    // Zahl- und Textergebnis, Text mit Komma und Prozentzeichen, leere Textzellen daneben.
    void lesen_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<bool>("ok");
        for (const QString &endung : {u"xls"_s, u"xlsx"_s, u"ods"_s}) {
            QTest::newRow(qPrintable(u"gemischt."_s + endung))
                << u"Normtabelle-gemischt."_s + endung << true;
            QTest::newRow(qPrintable(u"unlesbar."_s + endung))
                << u"Normtabelle-unlesbar."_s + endung << false;
        }
    }
    void lesen()
    {
        QFETCH(QString, datei);
        QFETCH(bool, ok);
        const QString pfad = QStringLiteral(MIVO_TESTDATEN "/conduct/") + datei;
        SkriptRueckfragen r;
        const Normtabelle t = normTabelleEinlesen(pfad, r);
        if (!ok) {
            QCOMPARE(r.meldungen(),
                     QStringList{u"Die Normtabelle:  "_s + pfad +
                                 u"\r\nkonnte nicht gelesen werden! Es werden die Standardwerte "
                                 "geladen."_s});
            QCOMPARE(t[0].anteil, 0.98);
            return;
        }
        QVERIFY2(r.protokoll.isEmpty(), qPrintable(r.letzteMeldung()));
        const double erwartet[kNormZeilen] = {0.97, 0.93, 0.89, 0.84, 0.79, 0.74, 0.69, 0.65, 0.61,
                                              0.57, 0.53, 0.49, 0.39, 0.29, 0.14, 0,    0,    0};
        for (int i = 0; i < kNormZeilen; ++i) {
            QCOMPARE(schwelle(100, t[size_t(i)].anteil), schwelle(100, erwartet[i]));
        }
        QCOMPARE(t[0].noteE, u"1+"_s);
        QCOMPARE(t[12].noteG, u"4"_s);
    }

    void ausgelieferteTabelle()
    {
        const BytesErgebnis b =
            bytesLesen(QStringLiteral(MIVO_QUELLE "/basisordner/Normtabellen/P-Normtabelle.xls"));
        QVERIFY(b.ok());
        QString grund;
        const std::optional<Normtabelle> t = normTabelleAusBytes(b.bytes, &grund);
        QVERIFY2(t, qPrintable(grund));
        for (int i = 0; i < kNormZeilen; ++i) {
            QCOMPARE(t->at(size_t(i)).anteil, standardNormtabelle()[size_t(i)].anteil);
        }
    }

    void kaputt_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray xls =
            dateiInhalt(QStringLiteral(MIVO_TESTDATEN "/conduct/Normtabelle-gemischt.xls"));
        const QByteArray xlsx =
            dateiInhalt(QStringLiteral(MIVO_TESTDATEN "/conduct/Normtabelle-gemischt.xlsx"));
        QTest::newRow("leer") << QByteArray();
        QTest::newRow("Text") << QByteArray("Note;Anteil\r\n1+;0,98\r\n");
        QTest::newRow("xls halbiert") << xls.left(xls.size() / 2);
        QTest::newRow("xls nur Kopf") << xls.left(512);
        QTest::newRow("xlsx halbiert") << xlsx.left(xlsx.size() / 2);
    }
    void kaputt()
    {
        QFETCH(QByteArray, bytes);
        QString grund;
        QVERIFY(!normTabelleAusBytes(bytes, &grund));
        QVERIFY(!grund.isEmpty());
    }

    void blattFehlt()
    {
        const QByteArray xls =
            dateiInhalt(QStringLiteral(MIVO_TESTDATEN "/conduct/Normtabelle-gemischt.xls"));
        const SpaltenWerte s = spalteLesen(xls, u"Tabelle2"_s, 4, 4, 21);
        QCOMPARE(s.fehler, u"Blatt \"Tabelle2\" fehlt"_s);
    }

    void abgebrochen()
    {
        SkriptRueckfragen r;
        QVERIFY(normtabelleWaehlen(u"/p/"_s, u'M', r).isEmpty());
        QCOMPARE(r.dateiDialogTitel,
                 QStringList{u"Auswahl der Normtabelle für die Benotung des Tests"_s});
        QCOMPARE(r.meldungen(),
                 QStringList{u"Die Datei  \r\n/p/Normtabellen/M-Normtabelle.xls\r\nkann nicht "
                             "geöffnet werden. Es werden die Standardwerte geladen."_s});
        QCOMPARE(r.dateiDialogOrdner, QStringList{u"/p/Normtabellen/"_s});
        // Gibt es die Tabelle des Faches, schlaegt der Dialog sie vor.
        Testordner t;
        QVERIFY(ordnerAnlegen(t.pfad() + u"Normtabellen"_s));
        dateiSchreiben(t.pfad() + u"Normtabellen/P-Normtabelle.xls"_s, "x");
        r.dateiDialogOrdner.clear();
        normtabelleWaehlen(t.pfad(), u'P', r);
        QCOMPARE(r.dateiDialogOrdner, QStringList{t.pfad() + u"Normtabellen/P-Normtabelle.xls"_s});
    }
};

QTEST_GUILESS_MAIN(TestNormtabelle)
#include "test_normtabelle.moc"
