// Lücken im Text und die Lückentabelle: Farben, Läufe, Markieren, Entfernen, Alternativen.

#include "cloze/luecken.h"
#include "lueckenhilfe.h"

#include <QTextCursor>

using namespace Qt::StringLiterals;

class TestLuecken : public QObject
{
    Q_OBJECT

private slots:
    void farbenJeArt_data();
    void farbenJeArt();
    void laeufeUndNummern_data();
    void laeufeUndNummern();
    void tabelleEinfuegenEntfernen();
    void markierenAbgewiesen_data();
    void markierenAbgewiesen();
    void hundertsteLueckeAbgewiesen();
    void markierenVorVorhandenen();
    void entfernenNummeriertUm();
    void alternativen_data();
    void alternativen();
    void wortzeichen_data();
    void wortzeichen();
    void sortierung();
    void fuellenHaeltAnfaenge();
    void alternativenFolgenDemWort();
};

void TestLuecken::farbenJeArt_data()
{
    QTest::addColumn<QString>("quelle");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("hintergrund");
    QTest::addColumn<QChar>("art");
    QTest::newRow("A") << u"Ein [A:Hund]"_s << QColor(1, 1, 1) << QColor(215, 255, 215)
                       << QChar(u'A');
    QTest::newRow("F") << u"Ein [F:Hund]"_s << QColor(2, 1, 1) << QColor(255, 204, 204)
                       << QChar(u'F');
    QTest::newRow("E") << u"Ein [E:Hund|Kater]"_s << QColor(3, 1, 1) << QColor(204, 255, 255)
                       << QChar(u'E');
}

void TestLuecken::farbenJeArt()
{
    QFETCH(QString, quelle);
    QFETCH(QColor, text);
    QFETCH(QColor, hintergrund);
    QFETCH(QChar, art);
    Lueckentabelle tab;
    const auto doc = quelleLaden(quelle, tab);
    QVERIFY(doc);
    // Die Farben überstehen das Schreiben und Lesen der Datei genau.
    const auto gelesen = ueberRtf(*doc);
    const QList<RtfLauf> l = rtfLaeufe(*gelesen);
    QCOMPARE(l.size(), 2);
    QCOMPARE(l[1].text, u"Hund"_s);
    QCOMPARE(l[1].farbe, text);
    QCOMPARE(l[1].hintergrund.value_or(QColor()), hintergrund);
    QCOMPARE(tab[1].art, art);
    QCOMPARE(tab[1].start, 4);
    QCOMPARE(tab[1].wort, u"Hund"_s);
    QCOMPARE(lueckenLaeufe(*gelesen).size(), 1);
}

void TestLuecken::laeufeUndNummern_data()
{
    QTest::addColumn<QString>("quelle");
    QTest::addColumn<QStringList>("woerter");
    QTest::newRow("Reihenfolge") << u"x [A:eins] y [F:zwei]\nz [E:drei|vier]"_s
                                 << QStringList{u"eins"_s, u"zwei"_s, u"drei"_s};
    QTest::newRow("nur ein Komma dazwischen")
        << u"x [A:eins],[A:zwei]"_s << QStringList{u"eins"_s, u"zwei"_s};
    QTest::newRow("keine Lücken") << u"Nur Text."_s << QStringList{};
}

void TestLuecken::laeufeUndNummern()
{
    QFETCH(QString, quelle);
    QFETCH(QStringList, woerter);
    Lueckentabelle tab;
    const auto doc = quelleLaden(quelle, tab);
    QVERIFY(doc);
    QStringList gefunden;
    for (const LueckenLauf &l : lueckenLaeufe(*doc)) {
        gefunden << l.text;
    }
    QCOMPARE(gefunden, woerter);
    QCOMPARE(tab.anzahl(), woerter.size());
    for (int n = 1; n <= woerter.size(); ++n) {
        QCOMPARE(tab[n].wort, woerter[n - 1]);
    }
}

void TestLuecken::tabelleEinfuegenEntfernen()
{
    Lueckentabelle tab;
    for (int n = 1; n <= 100; ++n) {
        tab[n].art = kArtA;
        tab[n].wort = QString::number(n);
    }
    tab[3].alternativen[0] = u"alt"_s;
    tab.einfuegen(3);
    QCOMPARE(tab[3].art, QChar(kArtFrei));
    QVERIFY(tab[3].alternativen[0].isEmpty());
    QCOMPARE(tab[4].wort, u"3"_s);
    QCOMPARE(tab[4].alternativen[0], u"alt"_s);
    QCOMPARE(tab[100].wort, u"99"_s); // 100 fällt weg
    tab.entfernen(3);
    QCOMPARE(tab[3].wort, u"3"_s);
    QCOMPARE(tab[99].wort, u"99"_s);
    QCOMPARE(tab[100].art, QChar(kArtFrei));
    // Außerhalb 1..100 wird nichts verändert.
    tab[0].wort = u"x"_s;
    tab[101].wort = u"x"_s;
    QCOMPARE(tab[1].wort, u"1"_s);
    QCOMPARE(tab[100].wort, QString());
}

void TestLuecken::markierenAbgewiesen_data()
{
    QTest::addColumn<int>("anfang");
    QTest::addColumn<int>("ende");
    QTest::addColumn<QString>("meldung");
    // Text: "Der Hund, <b> $5 und ... sowie Katze jagt Maus." mit Hund als Lücke 1 und Katze mit
    // der Alternative Kater.
    QTest::newRow("leer") << 10 << 10 << u"kein Wort"_s;
    QTest::newRow("Komma direkt nach Lücke") << 8 << 12 << u"berührt"_s;
    QTest::newRow("ragt in Lücke") << 6 << 9 << u"berührt"_s;
    QTest::newRow("erstes Wort") << 0 << 3 << u"erste Wort"_s;
    QTest::newRow("spitze Klammern") << 10 << 13 << u"<, > und $"_s;
    QTest::newRow("Dollar") << 14 << 16 << u"<, > und $"_s;
    QTest::newRow("drei Punkte mit Wort") << 17 << 24 << u"<, > und $"_s;
    QTest::newRow("Wort einer Lücke") << 37 << 41 << u"Doppelauswahl"_s;
    QTest::newRow("Alternative einer Lücke") << 42 << 47 << u"Doppelauswahl"_s;
    QTest::newRow("über zwei Zeilen") << 44 << 53 << u"in einer Zeile"_s;
}

void TestLuecken::markierenAbgewiesen()
{
    QFETCH(int, anfang);
    QFETCH(int, ende);
    QFETCH(QString, meldung);
    Lueckentabelle tab;
    const auto doc = quelleLaden(
        u"Der [A:Hund], <b> $5 und ... sowie [E:Katze|Kater] Hund Kater.\nNoch eine Zeile."_s, tab);
    QVERIFY(doc);
    QCOMPARE(doc->toPlainText().mid(37, 4), u"Hund"_s);
    const QByteArray vorher = rtfSchreiben(*doc);
    const QString f = lueckeMarkieren(*doc, tab, anfang, ende, kArtA);
    QVERIFY2(f.contains(meldung), qPrintable(f));
    QCOMPARE(rtfSchreiben(*doc), vorher);
    QCOMPARE(tab.anzahl(), 2);
    QCOMPARE(tab[2].wort, u"Katze"_s);
    QCOMPARE(tab[2].alternativen[0], u"Kater"_s);
}

void TestLuecken::hundertsteLueckeAbgewiesen()
{
    QString quelle = u"Anfang"_s;
    for (int i = 1; i <= 99; ++i) {
        quelle += u" [A:w%1]"_s.arg(i);
    }
    quelle += u" hundert"_s;
    Lueckentabelle tab;
    const auto doc = quelleLaden(quelle, tab);
    QVERIFY(doc);
    QCOMPARE(tab.anzahl(), 99);
    const int pos = int(doc->toPlainText().indexOf(u"hundert"_s));
    const QString f = lueckeMarkieren(*doc, tab, pos, pos + 7, kArtF);
    QVERIFY2(f.contains(u"höchstens 99"_s), qPrintable(f));
    QCOMPARE(lueckenLaeufe(*doc).size(), 99);
}

void TestLuecken::markierenVorVorhandenen()
{
    Lueckentabelle tab;
    const auto doc = quelleLaden(u"Ein Hund und [E:Katze|Kater] und [F:Maus]"_s, tab);
    QVERIFY(doc);
    QVERIFY(lueckeMarkieren(*doc, tab, 4, 8, kArtA).isEmpty());
    QCOMPARE(tab.anzahl(), 3);
    QCOMPARE(tab[1].wort, u"Hund"_s);
    QCOMPARE(tab[1].art, QChar(kArtA));
    QCOMPARE(tab[2].wort, u"Katze"_s);
    QCOMPARE(tab[2].alternativen[0], u"Kater"_s); // die Alternativen wandern mit
    QCOMPARE(tab[3].wort, u"Maus"_s);
    QCOMPARE(tab[3].start, int(doc->toPlainText().indexOf(u"Maus"_s)));
}

void TestLuecken::entfernenNummeriertUm()
{
    Lueckentabelle tab;
    const auto doc = quelleLaden(u"x [A:a1] [E:a2|b2] [F:a3] [E:a4|b4] [A:a5] Ende"_s, tab);
    QVERIFY(doc);
    QVERIFY(lueckeEntfernen(*doc, tab, 2));
    QCOMPARE(tab.anzahl(), 4);
    QStringList w;
    for (int n = 1; n <= 4; ++n) {
        w << tab[n].wort;
    }
    QCOMPARE(w, (QStringList{u"a1"_s, u"a3"_s, u"a4"_s, u"a5"_s}));
    QCOMPARE(tab[3].alternativen[0], u"b4"_s);
    QCOMPARE(lueckenLaeufe(*doc).size(), 4);
    // Der frühere Lückentext ist schwarz auf weiß und darf wieder markiert werden.
    QVERIFY(lueckeMarkieren(*doc, tab, 5, 7, kArtF).isEmpty());
    QCOMPARE(tab[2].wort, u"a2"_s);
    QCOMPARE(tab[2].art, QChar(kArtF));
}

void TestLuecken::alternativen_data()
{
    QTest::addColumn<QString>("alternative");
    QTest::addColumn<int>("vorhanden");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("neu") << u"Ratte"_s << 0 << QString();
    QTest::newRow("Wort einer Lücke") << u"Hund"_s << 0 << u"Doppeleingabe"_s;
    QTest::newRow("eigenes Wort") << u"Maus"_s << 0 << u"Doppeleingabe"_s;
    QTest::newRow("schon Alternative") << u"Laus"_s << 0 << u"Doppeleingabe"_s;
    QTest::newRow("Marke") << u"$05>"_s << 0 << u"<, > und $"_s;
    QTest::newRow("Platzhalter") << kPlatzhalter << 0 << u"<, > und $"_s;
    QTest::newRow("zehnte") << u"Ratte"_s << 8 << u"höchstens 9"_s;
    QTest::newRow("neunte") << u"Ratte"_s << 7 << QString();
}

void TestLuecken::alternativen()
{
    QFETCH(QString, alternative);
    QFETCH(int, vorhanden);
    QFETCH(QString, meldung);
    Lueckentabelle tab;
    const auto doc = quelleLaden(u"Der [A:Hund] und die [E:Maus|Laus]."_s, tab);
    QVERIFY(doc);
    for (int i = 0; i < vorhanden; ++i) {
        QVERIFY(alternativeHinzufuegen(tab, 2, u"x%1"_s.arg(i)).isEmpty());
    }
    const QString f = alternativeHinzufuegen(tab, 2, alternative);
    if (meldung.isEmpty()) {
        QVERIFY2(f.isEmpty(), qPrintable(f));
        QCOMPARE(falscheAlternativen(tab[2]).last(), alternative);
    } else {
        QVERIFY2(f.contains(meldung), qPrintable(f));
        QCOMPARE(falscheAlternativen(tab[2]).size(), 1 + vorhanden);
    }
}

void TestLuecken::wortzeichen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("wort");
    QTest::newRow("Café ganz") << u"Im Café sitzen"_s << 4 << u"Café"_s;
    QTest::newRow("Umlaute") << u"x Größe, y"_s << 3 << u"Größe"_s;
    QTest::newRow("Symbole") << u"a 3+4=7"_s << 3 << u"3+4"_s;
    QTest::newRow("Komma allein") << u"a, b"_s << 1 << u","_s;
}

void TestLuecken::wortzeichen()
{
    QFETCH(QString, text);
    QFETCH(int, pos);
    QFETCH(QString, wort);
    QTextDocument doc(text);
    const auto [a, e] = wortUm(doc, pos);
    QCOMPARE(text.mid(a, e - a), wort);
}

void TestLuecken::sortierung()
{
    QList<std::pair<QString, int>> w{
        {u"Zebra"_s, 1}, {u"äpfel"_s, 2}, {u"Apfel"_s, 3}, {u"apfel"_s, 4}, {u"Birne"_s, 5}};
    lueckenwoerterSortieren(w);
    QStringList s;
    for (const auto &p : w) {
        s << p.first;
    }
    // deutsch: ä steht bei a; ohne Groß-/Kleinschreibung, Gleichstand nach Nummer
    QCOMPARE(s, (QStringList{u"Apfel"_s, u"apfel"_s, u"äpfel"_s, u"Birne"_s, u"Zebra"_s}));
}

void TestLuecken::fuellenHaeltAnfaenge()
{
    Lueckentabelle tab;
    const auto doc = quelleLaden(u"x [A:Hund] y [F:Katze] z"_s, tab);
    QVERIFY(doc);
    QVERIFY(lueckeFuellen(*doc, tab, 1, u"Elefant"_s));
    QCOMPARE(doc->toPlainText(), u"x Elefant y Katze z"_s);
    QCOMPARE(tab[1].wort, u"Elefant"_s);
    QCOMPARE(tab[2].start, 12);
    QCOMPARE(lueckenLaeufe(*doc)[0].art, QChar(kArtA));
}

// Verschmelzen zwei Lücken (der Leerraum dazwischen fehlt), rücken die Alternativen nicht nach
// Nummern auf: Maus behält Ratte und Laus, die verschmolzene Lücke erbt keine.
void TestLuecken::alternativenFolgenDemWort()
{
    Lueckentabelle tab;
    const auto doc = quelleLaden(u"Der [A:Hund] [F:Katze] und die [E:Maus|Ratte|Laus]."_s, tab);
    QVERIFY(doc);
    QTextCursor c(doc.get());
    c.setPosition(8);
    c.deleteChar();
    QCOMPARE(lueckenAlleNeuBestimmen(*doc, tab), 2);
    QCOMPARE(tab[1].wort, u"HundKatze"_s);
    QVERIFY(falscheAlternativen(tab[1]).isEmpty());
    QCOMPARE(tab[2].wort, u"Maus"_s);
    QCOMPARE(falscheAlternativen(tab[2]), (QStringList{u"Ratte"_s, u"Laus"_s}));
}

QTEST_MAIN(TestLuecken)
#include "tst_luecken.moc"
