#include "grades/einzelliste.h"
#include "grades/klassenbau.h"
#include "grades/notenmodell.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const FesteUhr kHeute(QDateTime(QDate(2017, 3, 14), QTime(9, 30)));

// Klasse mit drei Schuelern und vier Listen in Art 1 (Slots 0..3).
Klasse klasseMitVierListen()
{
    Klasse k = standardKlasse();
    schuelerAnhaengen(k, u"Anna"_s, u"Abel"_s, u"w"_s);
    schuelerAnhaengen(k, u"Bert"_s, u"Berg"_s);
    schuelerAnhaengen(k, u"Carl"_s, u"Cohn"_s);
    for (int slot = 0; slot < 4; ++slot) {
        k.datum(1, slot) = u"2016-09-1"_s + QString::number(slot);
        k.erlaeuterung(1, slot) = u"Liste "_s + QString::number(slot + 1);
        for (int nr = 1; nr <= 3; ++nr) {
            k.schueler(nr).note(1, slot) = QString::number(slot + 1);
        }
    }
    return k;
}

QStringList listenInhalt(const Klasse &k, int art)
{
    QStringList inhalt;
    for (int slot = 0; slot <= letzteZenVonArtNr(art); ++slot) {
        QString z = k.datum(art, slot) + u'|' + k.erlaeuterung(art, slot);
        for (int nr = 1; nr <= klassenGroesse(k); ++nr) {
            z += u'|' + k.schueler(nr).note(art, slot);
        }
        inhalt.append(z);
    }
    return inhalt;
}

} // namespace

class EinzellisteTest : public QObject
{
    Q_OBJECT

private slots:
    void ansichtNurMitSchuelern()
    {
        SkriptRueckfragen r;
        QVERIFY(!einzellisteAnsichtMoeglich(standardKlasse(), r));
        QCOMPARE(r.meldungen(),
                 QStringList{u"Bitte erst eine(n) Klasse/Kurs wählen oder neu eröffnen!"_s});
        QVERIFY(einzellisteAnsichtMoeglich(klasseMitVierListen(), r));
    }

    void haelften_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("links");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("7") << 7 << 4;
        QTest::newRow("8") << 8 << 4;
        QTest::newRow("40") << 40 << 20;
    }
    void haelften()
    {
        QFETCH(int, n);
        QTEST(linkeHaelfte(n), "links");
    }

    void auswahlZeilen()
    {
        Klasse k = klasseMitVierListen();
        QCOMPARE(listenAuswahlZeilen(k, 1),
                 (QStringList{u"H 1: 2016-09-10:  Liste 1"_s, u"H 2: 2016-09-11:  Liste 2"_s,
                              u"H 3: 2016-09-12:  Liste 3"_s, u"H 4: 2016-09-13:  Liste 4"_s,
                              u"H5:                        neu"_s}));
        QCOMPARE(listenAuswahlZeilen(k, 2), QStringList{u"M1:                        neu"_s});
        k.schueler(2).note(2, 11) = u"2"_s;
        k.datum(2, 11) = u"2016-10-01"_s;
        QCOMPARE(listenAuswahlZeilen(k, 2).at(11), u"M12: 2016-10-01:  "_s);
        // Eine volle Art hat keine "neu"-Zeile.
        k.schueler(1).note(1, 9) = u"1"_s;
        QCOMPARE(listenAuswahlZeilen(k, 1).size(), 10);
        QVERIFY(listenAuswahlZeilen(k, 6).isEmpty());
        // Das Datum steht an den Zeichen 6..15.
        QCOMPARE(listenAuswahlZeilen(k, 1).at(0).mid(5, 10), u"2016-09-10"_s);
    }

    void oeffnenUndNeu()
    {
        Klasse k = klasseMitVierListen();
        const Einzelliste alt = einzellisteOeffnen(k, 1, 2, kHeute);
        QCOMPARE(alt.datum, u"2016-09-12"_s);
        QCOMPARE(alt.erlaeuterung, u"Liste 3"_s);
        QCOMPARE(alt.noten, (QStringList{u"3"_s, u"3"_s, u"3"_s}));
        const Einzelliste frei = einzellisteOeffnen(k, 1, 4, kHeute);
        QCOMPARE(frei.datum, u"2017-03-14"_s);
        QCOMPARE(frei.erlaeuterung, u"neu"_s);
        QCOMPARE(frei.noten, QStringList(3));

        k.erlaeuterung(1, 4) = u"alt gespeichert"_s;
        const auto neu = neueNote(k, 1, kHeute);
        QVERIFY(neu);
        QCOMPARE(neu->slot, 4);
        QCOMPARE(neu->erlaeuterung, u"alt gespeichert"_s);
        QCOMPARE(neu->datum, u"2017-03-14"_s);
        QVERIFY(!neueNote(k, 0, kHeute));
        for (int slot = 4; slot <= 9; ++slot) {
            k.schueler(1).note(1, slot) = u"2"_s;
        }
        QVERIFY(!neueNote(k, 1, kHeute));
    }

    void nachbarn()
    {
        const Klasse k = klasseMitVierListen();
        QCOMPARE(nachbarSlot(k, 1, 0, -1), 0);
        QCOMPARE(nachbarSlot(k, 1, 2, -1), 1);
        QCOMPARE(nachbarSlot(k, 1, 3, +1), 4); // die "neu"-Zeile
        QCOMPARE(nachbarSlot(k, 1, 4, +1), 4);
        QCOMPARE(nachbarSlot(k, 2, 0, +1), 0);
    }

    void zellen_data()
    {
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("punkte");
        QTest::addColumn<QString>("zensur");
        QTest::addColumn<QString>("gNote");
        QTest::newRow("1+ in Zensurspalte")
            << 5 << u"1+"_s << true << u"15"_s << u"1+"_s << u"1+"_s;
        QTest::newRow("11 in Punktespalte") << 4 << u"11"_s << true << u"11"_s << u"2"_s << u"1"_s;
        QTest::newRow("0 Punkte") << 4 << u"0"_s << true << u"0"_s << u"6"_s << u"6"_s;
        QTest::newRow("/ ") << 5 << u"/"_s << true << u"/"_s << u"/"_s << u"/"_s;
        QTest::newRow("leer") << 4 << u""_s << true << u""_s << u""_s << u""_s;
        QTest::newRow("15 als Zensur") << 5 << u"15"_s << false << u""_s << u""_s << u""_s;
        QTest::newRow("1+ als Punkte") << 4 << u"1+"_s << false << u""_s << u""_s << u""_s;
        QTest::newRow("GF getippt") << 5 << u"GF"_s << false << u""_s << u""_s << u""_s;
        QTest::newRow("1++") << 5 << u"1++"_s << false << u""_s << u""_s << u""_s;
        QTest::newRow("G-Spalte") << 6 << u"1"_s << false << u""_s << u""_s << u""_s;
    }
    void zellen()
    {
        QFETCH(int, spalte);
        QFETCH(QString, wert);
        QFETCH(bool, ok);
        const auto z = zelleAusEingabe(spalte, wert);
        QCOMPARE(z.has_value(), ok);
        if (z) {
            QTEST(z->punkte, "punkte");
            QTEST(z->zensur, "zensur");
            QTEST(z->gNote, "gNote");
        }
    }

    void datum_data()
    {
        QTest::addColumn<QString>("datum");
        QTest::addColumn<bool>("ok");
        QTest::newRow("leer") << u""_s << true;
        QTest::newRow("gut") << u"2016-09-12"_s << true;
        QTest::newRow("Trenner egal") << u"2016.09.12"_s << true;
        QTest::newRow("zu kurz") << u"2016-9-12"_s << false;
        QTest::newRow("Buchstabe") << u"2016-0x-12"_s << false;
        QTest::newRow("deutsch") << u"12.09.2016"_s << false;
    }
    void datum()
    {
        QFETCH(QString, datum);
        QFETCH(bool, ok);
        SkriptRueckfragen r;
        QCOMPARE(datumEingabeOk(datum, r), ok);
        QCOMPARE(r.meldungen(),
                 ok ? QStringList{}
                    : QStringList{u"Das Datum muss im Format  yyyy-mm-tt  eingegeben werden!"_s});
    }

    void listeLoeschenRuecktNachLinks()
    {
        Klasse k = klasseMitVierListen();
        Einzelliste liste = einzellisteOeffnen(k, 1, 1, kHeute);
        SkriptRueckfragen r;
        r.antworte(Rueckfragen::Knopf::Nein);
        QVERIFY(!einzellisteLoeschen(liste, r));
        QVERIFY(!liste.geloescht);
        r.antworte(Rueckfragen::Knopf::Ja);
        QVERIFY(einzellisteLoeschen(liste, r));
        QCOMPARE(r.fragen().last(), u"Diese Einzelliste wirklich löschen?"_s);
        QVERIFY(einzellisteOkPruefen(liste, true, r));
        einzellistenDaten_nach_suk(k, liste);
        QCOMPARE(vorhandeneNoten(k, 1), 3);
        const QStringList inhalt = listenInhalt(k, 1);
        QCOMPARE(inhalt.mid(0, 5),
                 (QStringList{u"2016-09-10|Liste 1|1|1|1"_s, u"2016-09-12|Liste 3|3|3|3"_s,
                              u"2016-09-13|Liste 4|4|4|4"_s, u"||||"_s, u"||||"_s}));
    }

    void letzteListeLoeschen()
    {
        Klasse k = klasseMitVierListen();
        for (int slot = 4; slot <= 9; ++slot) {
            k.schueler(3).note(1, slot) = u"5"_s;
            k.erlaeuterung(1, slot) = u"E"_s + QString::number(slot);
        }
        listenNachLinksRuecken(k, 1, 9);
        QCOMPARE(k.erlaeuterung(1, 9), u"E9"_s); // nichts rueckt nach, der Slot selbst bleibt
        listenNachLinksRuecken(k, 1, 0);
        QCOMPARE(k.erlaeuterung(1, 8), u"E9"_s);
        QCOMPARE(k.erlaeuterung(1, 9), QString());
        QCOMPARE(k.schueler(3).note(1, 9), QString());
        QCOMPARE(k.erlaeuterung(1, 10), QString());
    }

    void schreibenUndBeschriftung()
    {
        Klasse k = klasseMitVierListen();
        Einzelliste liste = einzellisteOeffnen(k, 1, 4, kHeute);
        liste.erlaeuterung =
            u"Referat über ein sehr langes Thema, das mehr als sechzig Zeichen hat"_s;
        liste.noten = {u"1+"_s, u""_s, u"/"_s};
        einzellistenDaten_nach_suk(k, liste);
        QCOMPARE(k.datum(1, 4), u"2017-03-14"_s);
        QCOMPARE(k.erlaeuterung(1, 4).size(), 60);
        QCOMPARE(k.schueler(1).note(1, 4), u"1+"_s);
        QCOMPARE(k.schueler(3).note(1, 4), u"/"_s);
        QCOMPARE(zenDatumText(k, 1, 4), u"H5:  2017-03-14"_s);
        k.datum(2, 11) = u"2016-10-01"_s;
        QCOMPARE(zenDatumText(k, 2, 11), u"M12: 2016-10-01"_s);
    }

    void pruefungVorOk_data()
    {
        QTest::addColumn<QString>("erlaeuterung");
        QTest::addColumn<QString>("datum");
        QTest::addColumn<QStringList>("noten");
        QTest::addColumn<QString>("meldung");
        const QString beschreibung =
            u"Das Feld für die Notenbeschreibung muss ausgefüllt werden."_s;
        QTest::newRow("neu mit Noten")
            << u"neu"_s << u"2017-03-14"_s << QStringList{u"2"_s} << beschreibung;
        QTest::newRow("leer mit Noten")
            << u""_s << u"2017-03-14"_s << QStringList{u"2"_s} << beschreibung;
        QTest::newRow("ohne Datum") << u"Test"_s << u""_s << QStringList{u"/"_s}
                                    << u"Das Feld Notendatum muss ausgefüllt werden."_s;
        QTest::newRow("neu ohne Noten") << u"neu"_s << u""_s << QStringList{u""_s} << QString();
        QTest::newRow("vollstaendig")
            << u"Test"_s << u"2017-03-14"_s << QStringList{u"2"_s} << QString();
    }
    void pruefungVorOk()
    {
        QFETCH(QString, erlaeuterung);
        QFETCH(QString, datum);
        QFETCH(QStringList, noten);
        QFETCH(QString, meldung);
        Einzelliste liste{1, 0, datum, erlaeuterung, noten, false};
        SkriptRueckfragen r;
        QCOMPARE(einzellisteOkPruefen(liste, true, r), meldung.isEmpty());
        QCOMPARE(r.meldungen(), meldung.isEmpty() ? QStringList{} : QStringList{meldung});
        QCOMPARE(r.pieptoene, meldung.isEmpty() ? 0 : 1);
        // Ohne sichtbares Erlaeuterungsfeld wird nicht geprueft.
        QVERIFY(einzellisteOkPruefen(liste, false, r));
    }

    void leereNotenFuellenNurLeere()
    {
        Einzelliste liste{1, 0, u""_s, u""_s, {u"2"_s, u""_s, u"/"_s, u""_s}, false};
        SkriptRueckfragen r;
        r.textAntwort(u"7"_s).textAntwort(std::nullopt).textAntwort(u"3-"_s);
        QVERIFY(!leereNotenFuellen(liste, r));
        QCOMPARE(r.pieptoene, 1);
        QVERIFY(!leereNotenFuellen(liste, r));
        QCOMPARE(r.pieptoene, 1);
        QVERIFY(leereNotenFuellen(liste, r));
        QCOMPARE(liste.noten, (QStringList{u"2"_s, u"3-"_s, u"/"_s, u"3-"_s}));
        QCOMPARE(r.fragen().first(),
                 u"Wenn alle leeren Notenfelder dieser Einzelliste mit einer Note gefüllt werden "
                 u"sollen, dann bitte hier die Pauschalnote (Zensur auf E-Niveau) eingeben und "
                 u"ok-Button drücken: "_s);
    }

    void testnoten()
    {
        Klasse k = standardKlasse();
        schuelerAnhaengen(k, u"Anna"_s, u"Mustermann"_s, u"w"_s);
        schuelerAnhaengen(k, u"Andreas"_s, u"Mustermannsen"_s);
        schuelerAnhaengen(k, u"Bert"_s, u"Berg"_s);
        schuelerAnhaengen(k, u"Carl"_s, u"Cohn"_s);
        k.schueler(1).note(5, 0) = u"2"_s;
        SkriptRueckfragen r;
        QVERIFY(!testnotenSlotOk(k, 5, 0, r));
        QCOMPARE(
            r.meldungen(),
            QStringList{
                u"Zum Eintrag der Testzensuren muss eine neue (leere) Spalte gewählt werden!"_s});
        QCOMPARE(r.pieptoene, 1);
        QVERIFY(testnotenSlotOk(k, 5, 1, r));

        Einzelliste liste = einzellisteOeffnen(k, 5, 1, kHeute);
        benotungsZenInEinzelliste(k, liste,
                                  {{u"A"_s, u"Musterma"_s, u"3"_s},
                                   {u"B"_s, u"Berg"_s, u"4"_s},
                                   {u"B"_s, u"Berg"_s, u"GF"_s},
                                   {u"C"_s, u"Cohnen"_s, u"1"_s},
                                   {u"c"_s, u"Cohn"_s, u"1"_s}});
        // Beide "A. Musterma..." erhalten die Note; das letzte passende Ergebnis gilt.
        QCOMPARE(liste.noten, (QStringList{u"3"_s, u"3"_s, u"GF"_s, u""_s}));
    }
};

QTEST_GUILESS_MAIN(EinzellisteTest)
#include "einzelliste_test.moc"
