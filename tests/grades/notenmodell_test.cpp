#include "grades/klassenbau.h"
#include "grades/notenmodell.h"

#include <QLocale>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

class NotenmodellTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Die Anzeige haengt nie vom Gebietsschema der Maschine ab.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void schnittDerNoten_data()
    {
        QTest::addColumn<QStringList>("noten");
        QTest::addColumn<qint64>("erwartet");
        QTest::newRow("2 und 3") << QStringList{u"2"_s, u"3"_s} << qint64(25000);
        QTest::newRow("1,25 -> 1,2 (Haelfte zur geraden)")
            << QStringList{u"1"_s, u"1"_s, u"1"_s, u"2"_s} << qint64(12000);
        QTest::newRow("1,75 -> 1,8 (Haelfte zur geraden)")
            << QStringList{u"1"_s, u"2"_s, u"2"_s, u"2"_s} << qint64(18000);
        QTest::newRow("1 und 2-") << QStringList{u"1"_s, u"2-"_s} << qint64(17000);
        QTest::newRow("1+ allein") << QStringList{u"1+"_s} << qint64(7000);
        QTest::newRow("6- allein") << QStringList{u"6-"_s} << qint64(63000);
        QTest::newRow("dreimal 2+") << QStringList{u"2+"_s, u"2+"_s, u"2+"_s} << qint64(17000);
        QTest::newRow("2+ und 2- heben sich auf") << QStringList{u"2+"_s, u"2-"_s} << qint64(20000);
        QTest::newRow("nur Fehlzeichen") << QStringList{u"/"_s, u"/"_s} << qint64(0);
        QTest::newRow("GF zaehlt nicht") << QStringList{u"GF"_s, u"2"_s} << qint64(20000);
        QTest::newRow("Luecken") << QStringList{u""_s, u"2"_s, u""_s, u"4"_s} << qint64(30000);
        QTest::newRow("keine Note") << QStringList{} << qint64(0);
        QTest::newRow("7 ist keine Note") << QStringList{u"7"_s, u"2"_s} << qint64(20000);
        QTest::newRow("0 ist keine Note") << QStringList{u"0"_s} << qint64(0);
    }
    void schnittDerNoten()
    {
        QFETCH(QStringList, noten);
        QFETCH(qint64, erwartet);
        QCOMPARE(schnittAusNoten(noten), erwartet);

        // Dasselbe ueber die Klasse in Art 2 (20 Slots).
        Klasse k = standardKlasse();
        schuelerAnhaengen(k, u"Anna"_s, u"Berg"_s, u"w"_s);
        notenSetzen(k, 1, 2, noten);
        QCOMPARE(schnitt(k, 1, 2), erwartet);
    }

    void schnittNurBenutzteSlotsUndGueltigeIndizes()
    {
        Klasse k = standardKlasse();
        schuelerAnhaengen(k, u"Anna"_s, u"Berg"_s, u"w"_s);
        k.schueler(1).note(1, 9) = u"2"_s;
        k.schueler(1).note(1, 10) = u"6"_s; // nie benutzter Slot zaehlt nicht
        k.schueler(1).note(2, 19) = u"4"_s;
        QCOMPARE(schnitt(k, 1, 1), qint64(20000));
        QCOMPARE(schnitt(k, 1, 2), qint64(40000));
        QCOMPARE(schnitt(k, 1, 0), qint64(0));
        QCOMPARE(schnitt(k, 1, 6), qint64(0));
        QCOMPARE(schnitt(k, 0, 1), qint64(0));
        // Schueler hinter der Klassengroesse
        k.schueler(3).note(1, 0) = u"1"_s;
        QCOMPARE(schnitt(k, 3, 1), qint64(0));
        QCOMPARE(schnitt(k, 41, 1), qint64(0));
        QCOMPARE(gesamtZensur(k, 41), 0.0f);
    }

    void gesamtUndAbgeleitete_data()
    {
        QTest::addColumn<QList<int>>("gewichte");
        QTest::addColumn<QStringList>("notenJeArt"); // eine Note je Art 1..5 ("" = keine)
        QTest::addColumn<QString>("gesamt");
        QTest::addColumn<QString>("punkte");
        QTest::addColumn<QString>("eNote");
        QTest::addColumn<QString>("gNote");

        QTest::newRow("nur 1+") << QList<int>{1, 43, 4, 7, 45}
                                << QStringList{u"1+"_s, u"1+"_s, u"1+"_s, u"1+"_s, u"1+"_s}
                                << u"0,7"_s << u"15"_s << u"1+"_s << u"1+"_s;
        QTest::newRow("gewichtete Art nur mit /")
            << QList<int>{1, 43, 4, 7, 45} << QStringList{u"2"_s, u"2"_s, u"2"_s, u"2"_s, u"/"_s}
            << u""_s << u""_s << u""_s << u""_s;
        QTest::newRow("Art mit Gewicht 0 ohne Noten")
            << QList<int>{0, 50, 0, 0, 50} << QStringList{u""_s, u"2"_s, u""_s, u""_s, u"3"_s}
            << u"2,5"_s << u"10"_s << u"2-"_s << u"1-"_s;
        QTest::newRow("Gewicht 0 mit Noten zaehlt nicht")
            << QList<int>{0, 100, 0, 0, 0} << QStringList{u"6"_s, u"2"_s, u""_s, u""_s, u""_s}
            << u"2"_s << u"11"_s << u"2"_s << u"1"_s;
        QTest::newRow("float nahe 1,12 liegt ueber der Grenze")
            << QList<int>{88, 12, 0, 0, 0} << QStringList{u"1"_s, u"2"_s, u""_s, u""_s, u""_s}
            << u"1,1"_s << u"13"_s << u"1-"_s << u"1+"_s;
        QTest::newRow("float nahe 2,12 liegt unter der Grenze")
            << QList<int>{88, 12, 0, 0, 0} << QStringList{u"2"_s, u"3"_s, u""_s, u""_s, u""_s}
            << u"2,1"_s << u"11"_s << u"2"_s << u"1"_s;
        QTest::newRow("Summe 120 hebt ueber 6,5")
            << QList<int>{20, 20, 20, 20, 40} << QStringList{u"6"_s, u"6"_s, u"6"_s, u"6"_s, u"6"_s}
            << u"7,2"_s << u""_s << u""_s << u""_s;
        QTest::newRow("Summe 80 wird nicht normiert")
            << QList<int>{0, 40, 0, 0, 40} << QStringList{u""_s, u"4"_s, u""_s, u""_s, u"4"_s}
            << u"3,2"_s << u"7"_s << u"3-"_s << u"2-"_s;
        QTest::newRow("negatives Gewicht")
            << QList<int>{0, -100, 0, 0, 0} << QStringList{u""_s, u"2"_s, u""_s, u""_s, u""_s}
            << u"-2"_s << u""_s << u""_s << u""_s;
    }
    void gesamtUndAbgeleitete()
    {
        QFETCH(QList<int>, gewichte);
        QFETCH(QStringList, notenJeArt);
        QFETCH(QString, gesamt);
        QFETCH(QString, punkte);
        QFETCH(QString, eNote);
        QFETCH(QString, gNote);

        Klasse k = standardKlasse();
        schuelerAnhaengen(k, u"Anna"_s, u"Berg"_s, u"w"_s);
        for (int art = 1; art <= kNotenarten; ++art) {
            k.gewicht(art) = static_cast<qint16>(gewichte[art - 1]);
            notenSetzen(k, 1, art, {notenJeArt[art - 1]});
        }
        const float g = gesamtZensur(k, 1);
        QCOMPARE(g == 0.0f ? QString() : gesamtText(g), gesamt);
        QCOMPARE(notenPunkte(k, 1), punkte);
        QCOMPARE(E_Note(k, 1), eNote);
        QCOMPARE(G_Note(k, 1), gNote);
    }

    void gesamtWirdNachJederArtAufFloatGerundet()
    {
        // 1,0 * 88 % und 2,0 * 12 %: nach Art 1 float(0,88), nach Art 2 der float, der 1,12 am
        // naechsten liegt; derselbe Wert in double gerechnet laege genau auf der Grenze.
        Klasse k = standardKlasse();
        schuelerAnhaengen(k, u"Anna"_s, u"Berg"_s, u"w"_s);
        gewichteSetzen(k, {88, 12, 0, 0, 0});
        notenSetzen(k, 1, 1, {u"1"_s});
        notenSetzen(k, 1, 2, {u"2"_s});
        QCOMPARE(gesamtZensur(k, 1), 1.12f);
        QCOMPARE(double(gesamtZensur(k, 1)), 1.1200000047683716);
    }

    void notenBaender_data()
    {
        QTest::addColumn<float>("gesamt");
        QTest::addColumn<QString>("punkte");
        QTest::addColumn<QString>("eNote");
        QTest::addColumn<QString>("gNote");
        QTest::newRow("0 keine") << 0.0f << u""_s << u""_s << u""_s;
        QTest::newRow("negativ keine") << -0.5f << u""_s << u""_s << u""_s;
        QTest::newRow("0,1") << 0.1f << u"15"_s << u"1+"_s << u"1+"_s;
        QTest::newRow("0,84f unter 0,84") << 0.84f << u"15"_s << u"1+"_s << u"1+"_s;
        QTest::newRow("1,12f ueber 1,12") << 1.12f << u"13"_s << u"1-"_s << u"1+"_s;
        QTest::newRow("1,5 genau") << 1.5f << u"13"_s << u"1-"_s << u"1+"_s;
        QTest::newRow("2,12f unter 2,12") << 2.12f << u"11"_s << u"2"_s << u"1"_s;
        QTest::newRow("2,5 genau") << 2.5f << u"10"_s << u"2-"_s << u"1-"_s;
        QTest::newRow("3,5 genau") << 3.5f << u"7"_s << u"3-"_s << u"2-"_s;
        QTest::newRow("4,5 genau") << 4.5f << u"4"_s << u"4-"_s << u"4+"_s;
        QTest::newRow("5,5 genau") << 5.5f << u"1"_s << u"5-"_s << u"5"_s;
        QTest::newRow("5,84f ueber 5,84") << 5.84f << u"0"_s << u"6"_s << u"6"_s;
        QTest::newRow("6,5 genau") << 6.5f << u"0"_s << u"6"_s << u"6"_s;
        QTest::newRow("knapp ueber 6,5") << std::nextafter(6.5f, 7.0f) << u""_s << u""_s << u""_s;
    }
    void notenBaender()
    {
        QFETCH(float, gesamt);
        QFETCH(QString, punkte);
        QFETCH(QString, eNote);
        QFETCH(QString, gNote);
        QCOMPARE(punkteAusGesamt(gesamt), punkte);
        QCOMPARE(eNoteAusGesamt(gesamt), eNote);
        QCOMPARE(gNoteAusGesamt(gesamt), gNote);
    }

    void umrechnungen_data()
    {
        QTest::addColumn<QString>("richtung");
        QTest::addColumn<QString>("ein");
        QTest::addColumn<QString>("aus");
        QTest::newRow("Pu 0 -> 6") << u"zenAusPu"_s << u"0"_s << u"6"_s;
        QTest::newRow("Pu 15 -> 1+") << u"zenAusPu"_s << u"15"_s << u"1+"_s;
        QTest::newRow("Pu 11 -> 2") << u"zenAusPu"_s << u"11"_s << u"2"_s;
        QTest::newRow("Pu /") << u"zenAusPu"_s << u"/"_s << u"/"_s;
        QTest::newRow("Pu leer") << u"zenAusPu"_s << u""_s << u""_s;
        QTest::newRow("Pu 16") << u"zenAusPu"_s << u"16"_s << u""_s;
        QTest::newRow("Pu 05") << u"zenAusPu"_s << u"05"_s << u""_s;
        QTest::newRow("Zen 6 -> 0") << u"PuAusZen"_s << u"6"_s << u"0"_s;
        QTest::newRow("Zen 1+ -> 15") << u"PuAusZen"_s << u"1+"_s << u"15"_s;
        QTest::newRow("Zen 3- -> 7") << u"PuAusZen"_s << u"3-"_s << u"7"_s;
        QTest::newRow("Zen /") << u"PuAusZen"_s << u"/"_s << u"/"_s;
        QTest::newRow("Zen leer") << u"PuAusZen"_s << u""_s << u""_s;
        QTest::newRow("Zen GF") << u"PuAusZen"_s << u"GF"_s << u""_s;
        QTest::newRow("G 2 -> 1") << u"gNoteAusZen"_s << u"2"_s << u"1"_s;
        QTest::newRow("G 4- -> 4+") << u"gNoteAusZen"_s << u"4-"_s << u"4+"_s;
        QTest::newRow("G 5 -> 5+") << u"gNoteAusZen"_s << u"5"_s << u"5+"_s;
        QTest::newRow("G /") << u"gNoteAusZen"_s << u"/"_s << u"/"_s;
        QTest::newRow("G leer") << u"gNoteAusZen"_s << u""_s << u""_s;
        QTest::newRow("G 1++") << u"gNoteAusZen"_s << u"1++"_s << u""_s;
    }
    void umrechnungen()
    {
        QFETCH(QString, richtung);
        QFETCH(QString, ein);
        QFETCH(QString, aus);
        const QString ist = richtung == u"zenAusPu"_s   ? zenAusPu(ein)
                            : richtung == u"PuAusZen"_s ? PuAusZen(ein)
                                                        : gNoteAusZen(ein);
        QCOMPARE(ist, aus);
    }

    void eingabePruefung_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("zensur");
        QTest::addColumn<bool>("punkte");
        QTest::newRow("leer") << u""_s << true << true;
        QTest::newRow("/") << u"/"_s << true << true;
        QTest::newRow("1+") << u"1+"_s << true << false;
        QTest::newRow("6") << u"6"_s << true << true;
        QTest::newRow("6-") << u"6-"_s << false << false;
        QTest::newRow("15") << u"15"_s << false << true;
        QTest::newRow("0") << u"0"_s << false << true;
        QTest::newRow("16") << u"16"_s << false << false;
        QTest::newRow("7") << u"7"_s << false << true;
        QTest::newRow("1++") << u"1++"_s << false << false;
        QTest::newRow("GF") << u"GF"_s << false << false;
        QTest::newRow("Leerzeichen") << u" 1"_s << false << false;
        QTest::newRow("00") << u"00"_s << false << false;
    }
    void eingabePruefung()
    {
        QFETCH(QString, text);
        QFETCH(bool, zensur);
        QFETCH(bool, punkte);
        QCOMPARE(notenEingabeOk(text, NotenAnzeige::Zensuren), zensur);
        QCOMPARE(notenEingabeOk(text, NotenAnzeige::Punkte), punkte);
    }

    void vorhandeneNotenJeArt()
    {
        Klasse k = standardKlasse();
        QCOMPARE(vorhandeneNoten(k, 1), 0);
        schuelerAnhaengen(k, u"Anna"_s, u"Berg"_s, u"w"_s);
        schuelerAnhaengen(k, u"Ben"_s, u"Corr"_s);
        QCOMPARE(vorhandeneNoten(k, 1), 0);
        k.schueler(2).note(1, 3) = u"/"_s;
        k.schueler(1).note(1, 1) = u"2"_s;
        QCOMPARE(vorhandeneNoten(k, 1), 4);
        k.schueler(1).note(1, 10) = u"2"_s; // ungenutzter Slot
        QCOMPARE(vorhandeneNoten(k, 1), 4);
        k.schueler(4).note(1, 8) = u"2"_s; // hinter der Klassengroesse
        QCOMPARE(vorhandeneNoten(k, 1), 4);
        k.schueler(2).note(2, 19) = u"1"_s;
        QCOMPARE(vorhandeneNoten(k, 2), 20);
        QCOMPARE(vorhandeneNoten(k, 0), 0);
        QCOMPARE(vorhandeneNoten(k, 6), 0);
    }

    void kleinigkeiten()
    {
        QCOMPARE(letzteZenVonArtNr(1), 9);
        QCOMPARE(letzteZenVonArtNr(2), 19);
        QCOMPARE(letzteZenVonArtNr(5), 9);
        QCOMPARE(letzteZenVonArtNr(0), 0);
        QCOMPARE(letzteZenVonArtNr(6), 0);
        QCOMPARE(ohneMarker(u"P&rotokolle"_s), u"Protokolle"_s);
        QCOMPARE(ohneMarker(u"&&A&"_s), u"A"_s);
    }

    void anzeigeTexte_data()
    {
        QTest::addColumn<qint64>("schnittWert");
        QTest::addColumn<QString>("schnittAnzeige");
        QTest::newRow("2,3") << qint64(23000) << u"2,3"_s;
        QTest::newRow("2") << qint64(20000) << u"2"_s;
        QTest::newRow("0,7") << qint64(7000) << u"0,7"_s;
        QTest::newRow("6,3") << qint64(63000) << u"6,3"_s;
        QTest::newRow("nur drei Zeichen") << qint64(12345) << u"1,2"_s;
    }
    void anzeigeTexte()
    {
        QFETCH(qint64, schnittWert);
        QFETCH(QString, schnittAnzeige);
        QCOMPARE(schnittText(schnittWert), schnittAnzeige);
    }

    void gesamtAnzeige_data()
    {
        QTest::addColumn<float>("gesamt");
        QTest::addColumn<QString>("text");
        QTest::newRow("2,25 -> 2,2") << 2.25f << u"2,2"_s;
        QTest::newRow("2,35f -> 2,3") << 2.35f << u"2,3"_s;
        QTest::newRow("2,45f -> 2,5") << 2.45f << u"2,5"_s;
        QTest::newRow("3 ganz") << 3.0f << u"3"_s;
        QTest::newRow("0,7") << 0.7f << u"0,7"_s;
    }
    void gesamtAnzeige()
    {
        QFETCH(float, gesamt);
        QFETCH(QString, text);
        QCOMPARE(gesamtText(gesamt), text);
    }
};

QTEST_GUILESS_MAIN(NotenmodellTest)
#include "notenmodell_test.moc"
