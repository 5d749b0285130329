// Aufbau der Klassen-Notentabelle ohne Fenster: Spalten, Sichtbarkeit, Hinweise, Eingaben.
#include "grades/notentabelle.h"

#include "klassenbau.h"

#include <QTest>

using namespace Qt::StringLiterals;

class NotentabelleTest : public QObject
{
    Q_OBJECT
private slots:
    void spalten_data();
    void spalten();
    void leereSpaltenVerborgen();
    void ansichten();
    void bearbeitbarUndHinweise();
    void punkteAnzeige();
};

void NotentabelleTest::spalten_data()
{
    QTest::addColumn<int>("spalte");
    QTest::addColumn<int>("typ");
    QTest::addColumn<int>("art");
    QTest::addColumn<int>("slot");
    using T = SpaltenInfo::Typ;
    QTest::newRow("Nr") << 0 << int(T::Nummer) << 0 << 0;
    QTest::newRow("Kl.") << 3 << int(T::Klasse) << 0 << 0;
    QTest::newRow("T1") << 4 << int(T::Note) << 5 << 0;
    QTest::newRow("T10") << 13 << int(T::Note) << 5 << 9;
    QTest::newRow("T DS") << 14 << int(T::Durchschnitt) << 5 << 0;
    QTest::newRow("M1") << 15 << int(T::Note) << 2 << 0;
    QTest::newRow("M20") << 34 << int(T::Note) << 2 << 19;
    QTest::newRow("M DS") << 35 << int(T::Durchschnitt) << 2 << 0;
    QTest::newRow("P1") << 36 << int(T::Note) << 4 << 0;
    QTest::newRow("P DS") << 46 << int(T::Durchschnitt) << 4 << 0;
    QTest::newRow("O1") << 47 << int(T::Note) << 3 << 0;
    QTest::newRow("O DS") << 57 << int(T::Durchschnitt) << 3 << 0;
    QTest::newRow("H1") << 58 << int(T::Note) << 1 << 0;
    QTest::newRow("H DS") << 68 << int(T::Durchschnitt) << 1 << 0;
    QTest::newRow("Gesamt") << 69 << int(T::Gesamt) << 0 << 0;
    QTest::newRow("G-Note") << 72 << int(T::GNote) << 0 << 0;
}

void NotentabelleTest::spalten()
{
    QFETCH(int, spalte);
    QFETCH(int, typ);
    QFETCH(int, art);
    QFETCH(int, slot);
    const SpaltenInfo info = spaltenInfo(spalte);
    QCOMPARE(int(info.typ), typ);
    if (info.typ == SpaltenInfo::Typ::Note) {
        QCOMPARE(info.art, art);
        QCOMPARE(info.slot, slot);
        QCOMPARE(notenSpalte(art, slot), spalte);
    } else if (info.typ == SpaltenInfo::Typ::Durchschnitt) {
        QCOMPARE(info.art, art);
        QCOMPARE(durchschnittsSpalte(art), spalte);
    }
    QVERIFY_THROWS_EXCEPTION(Indexfehler, spaltenInfo(73));
}

// Ohne Noten in Art 2 bleibt Spalte 15 (leer, fuer die naechste Note) sichtbar, 16..34 nicht.
void NotentabelleTest::leereSpaltenVerborgen()
{
    Klasse k = standardKlasse();
    const int nr = schuelerAnhaengen(k, u"Anna"_s, u"Berg"_s, u"w"_s);
    notenSetzen(k, nr, 5, {u"2"_s, u"3"_s});
    AnsichtsOptionen o;
    auto b = spaltenBreiten(k, u"L-7x-Ph"_s, Ansicht::Alle, 0, o);
    QCOMPARE(b[15], 25);
    for (int s = 16; s <= 34; ++s) {
        QCOMPARE(b[s], 0);
    }
    QCOMPARE(b[4], 25);
    QCOMPARE(b[5], 25);
    QCOMPARE(b[6], 25); // erste freie Spalte der Tests
    QCOMPARE(b[7], 0);
    QCOMPARE(b[3], 0);  // Klasse "L"
    QCOMPARE(b[14], 0); // Durchschnitte aus
    o.leerspalten = true;
    b = spaltenBreiten(k, u"K-9-Inx"_s, Ansicht::Alle, 0, o);
    QCOMPARE(b[16], 25);
    QCOMPARE(b[3], 25);
    // Die Namensspalten: 6 Pixel je Zeichen des laengsten Namens, mindestens 20 Zeichen.
    QCOMPARE(b[1], 120);
    k.schueler(nr).nachname = u"Abcdefghijklmnopqrstuvw"_s.left(20);
    k.schueler(2).vorname = u"Xaver"_s; // hinter der Klasse, zaehlt trotzdem
    QCOMPARE(spaltenBreiten(k, u"L"_s, Ansicht::Alle, 0, o)[2], 120);
}

void NotentabelleTest::ansichten()
{
    Klasse k = standardKlasse();
    schuelerAnhaengen(k, u"Anna"_s, u"Berg"_s);
    AnsichtsOptionen o;
    o.durchschnitte = true;
    o.gesamt = true;
    auto b = spaltenBreiten(k, u"L"_s, Ansicht::Art, 2, o);
    for (int s = 15; s <= 34; ++s) {
        QCOMPARE(b[s], 25); // auch leere Spalten der gewaehlten Art
    }
    QCOMPARE(b[4], 0);
    QCOMPARE(b[58], 0);
    QCOMPARE(b[35], 40);
    QCOMPARE(b[69], 100);
    QCOMPARE(b[70], 110);
    QCOMPARE(b[72], 70);
    b = spaltenBreiten(k, u"L"_s, Ansicht::Berechnungen, 0, o);
    QCOMPARE(b[4], 0);
    QCOMPARE(b[15], 0);
    QCOMPARE(b[14], 40);
    QCOMPARE(b[1], 120);
    o.gesamt = false;
    QCOMPARE(spaltenBreiten(k, u"L"_s, Ansicht::Berechnungen, 0, o)[71], 0);
}

void NotentabelleTest::bearbeitbarUndHinweise()
{
    Klasse k = standardKlasse();
    const int nr = schuelerAnhaengen(k, u"Anna"_s, u"Berg"_s);
    notenSetzen(k, nr, 1, {u"2"_s, u"3"_s});
    k.datum(1, 0) = u"2016-09-05"_s;
    k.erlaeuterung(1, 0) = u"Hausaufgabe Dichte"_s;
    QVERIFY(slotBearbeitbar(k, 58));
    QVERIFY(slotBearbeitbar(k, 60)); // erster freier Slot
    QVERIFY(!slotBearbeitbar(k, 61));
    QVERIFY(!slotBearbeitbar(k, 68)); // Durchschnitt
    QVERIFY(!slotBearbeitbar(k, 2));
    const QDate heute(2017, 2, 10);
    QCOMPARE(kopfHinweis(k, 58, heute).erlaeuterung, u"Hausaufgabe Dichte"_s);
    QCOMPARE(kopfHinweis(k, 58, heute).datum, u"H1: 2016-09-05"_s);
    QCOMPARE(kopfHinweis(k, 60, heute).erlaeuterung, u"neu"_s);
    QCOMPARE(kopfHinweis(k, 60, heute).datum, u"H3: 2017-02-10"_s);
    QCOMPARE(kopfHinweis(k, 61, heute).erlaeuterung,
             u"Erst die leeren Spalten weiter links auffüllen!"_s);
    QCOMPARE(kopfHinweis(k, 68, heute).erlaeuterung, u"H:  Durchschnittsnote"_s);
    QCOMPARE(slotDatumText(k, 1, 0), u"H1:   2016-09-05"_s);
    k.datum(2, 11) = u"2017-01-01"_s;
    QCOMPARE(slotDatumText(k, 2, 11), u"M12:  2017-01-01"_s);
    QCOMPARE(namensHinweis(k, 3), u"Anna Berg"_s);
    QCOMPARE(namensHinweis(k, 4), u"Neue(r) Schüler(in)"_s);
    QCOMPARE(zellText(k, 58, 0, NotenAnzeige::Zensuren), u"Hausaufgab"_s);
    QCOMPARE(zellText(k, 68, 0, NotenAnzeige::Zensuren), u"Hausarbeit\n DS"_s);
    QCOMPARE(kopfText(k, 59), u"H\n2"_s);
    QCOMPARE(gewichtText(k, 14), u"45 %"_s);
    QCOMPARE(zellText(k, 68, 3, NotenAnzeige::Zensuren), u"2,5"_s);
}

void NotentabelleTest::punkteAnzeige()
{
    Klasse k = standardKlasse();
    const int nr = schuelerAnhaengen(k, u"Anna"_s, u"Berg"_s);
    notenSetzen(k, nr, 5, {u"2-"_s, u"/"_s, u"GF"_s});
    QCOMPARE(zellText(k, 4, 3, NotenAnzeige::Punkte), u"10"_s);
    QCOMPARE(zellText(k, 5, 3, NotenAnzeige::Punkte), u"/"_s);
    QCOMPARE(zellText(k, 6, 3, NotenAnzeige::Punkte), u"GF"_s);
    QCOMPARE(zellwertAlsNote(u"10"_s, NotenAnzeige::Punkte), std::optional(u"2-"_s));
    QCOMPARE(zellwertAlsNote(u"2-"_s, NotenAnzeige::Punkte), std::nullopt);
    QCOMPARE(zellwertAlsNote(u"0"_s, NotenAnzeige::Punkte), std::optional(u"6"_s));
    QCOMPARE(zellwertAlsNote(u"7"_s, NotenAnzeige::Zensuren), std::nullopt);
    // Nur Schuelerzeilen und Slotspalten werden geschrieben.
    QVERIFY(!noteInKlasseSchreiben(k, 14, 3, u"1"_s));
    QVERIFY(!noteInKlasseSchreiben(k, 4, 2, u"1"_s));
    QVERIFY(!noteInKlasseSchreiben(k, 2, 3, u"1"_s));
    QVERIFY(noteInKlasseSchreiben(k, 7, 3, u"1"_s));
    QCOMPARE(k.schueler(nr).note(5, 3), u"1"_s);
}

QTEST_GUILESS_MAIN(NotentabelleTest)
#include "notentabelle_test.moc"
