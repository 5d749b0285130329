#include "grades/klassenbau.h"
#include "grades/listenverschiebung.h"
#include "grades/notenmodell.h"
#include "unterstuetzung/skriptrueckfragen.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Art art erhaelt belegte Spalten mit den Erlaeuterungen namen (Noten "1", "2", ... je Spalte).
void spaltenAnlegen(Klasse &k, int art, const QStringList &namen)
{
    for (int spalte = 0; spalte < namen.size(); ++spalte) {
        k.erlaeuterung(art, spalte) = namen[spalte];
        k.datum(art, spalte) = u"2017-01-"_s + QString::number(10 + spalte);
        k.schueler(1).note(art, spalte) = QString::number(spalte % 6 + 1);
        k.schueler(2).note(art, spalte) = u"/"_s;
    }
}

// Die Erlaeuterungen der Spalten 0..letzte, nachgeprueft gegen Noten und Datum der Spalte.
QStringList spalten(const Klasse &k, int art)
{
    QStringList ergebnis;
    for (int spalte = 0; spalte <= letzteZenVonArtNr(art); ++spalte) {
        ergebnis.append(k.erlaeuterung(art, spalte) + u'|' + k.datum(art, spalte).right(2) + u'|' +
                        k.schueler(1).note(art, spalte));
    }
    while (!ergebnis.isEmpty() && ergebnis.last() == u"||"_s) {
        ergebnis.removeLast();
    }
    return ergebnis;
}

Klasse grundklasse()
{
    Klasse k = standardKlasse();
    schuelerAnhaengen(k, u"Anna"_s, u"Abel"_s, u"w"_s);
    schuelerAnhaengen(k, u"Bert"_s, u"Berg"_s);
    return k;
}

} // namespace

class ListenverschiebungTest : public QObject
{
    Q_OBJECT

private slots:
    void innerhalbDerArt()
    {
        Klasse k = grundklasse();
        spaltenAnlegen(k, 1, {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s});
        SkriptRueckfragen r;
        const Verschiebung v = verschiebungBeginnen(k, 1, 2);
        QVERIFY(zielArtMoeglich(k, v, 1, r));
        QVERIFY(verschiebungAbschliessen(k, v, 1, 0, r));
        QCOMPARE(spalten(k, 1),
                 (QStringList{u"c|12|3"_s, u"a|10|1"_s, u"b|11|2"_s, u"d|13|4"_s, u"e|14|5"_s}));
        QCOMPARE(k.schueler(2).note(1, 0), u"/"_s);
        QCOMPARE(r.meldungen(),
                 QStringList{u"Die Einzelliste ist erfolgreich verschoben worden."_s});
    }

    void inAndereArt()
    {
        Klasse k = grundklasse();
        spaltenAnlegen(k, 2, {u"einzige"_s});
        spaltenAnlegen(k, 3, {u"x"_s, u"y"_s});
        SkriptRueckfragen r;
        const Verschiebung v = verschiebungBeginnen(k, 2, 0);
        QVERIFY(verschiebungAbschliessen(k, v, 3, 1, r));
        QCOMPARE(vorhandeneNoten(k, 2), 0);
        QVERIFY(spalten(k, 2).isEmpty());
        QCOMPARE(spalten(k, 3), (QStringList{u"x|10|1"_s, u"einzige|10|1"_s, u"y|11|2"_s}));
    }

    void hinterDieLetzteSpalte()
    {
        Klasse k = grundklasse();
        spaltenAnlegen(k, 1, {u"a"_s});
        spaltenAnlegen(k, 3, {u"x"_s, u"y"_s});
        SkriptRueckfragen r;
        QVERIFY(verschiebungAbschliessen(k, verschiebungBeginnen(k, 1, 0), 3, 2, r));
        QCOMPARE(spalten(k, 3), (QStringList{u"x|10|1"_s, u"y|11|2"_s, u"a|10|1"_s}));
    }

    void volleArt()
    {
        Klasse k = grundklasse();
        QStringList zehn;
        for (int i = 0; i < 10; ++i) {
            zehn.append(QString(QChar(u'a' + i)));
        }
        spaltenAnlegen(k, 1, zehn);
        spaltenAnlegen(k, 3, {u"x"_s});
        SkriptRueckfragen r;
        const Verschiebung v = verschiebungBeginnen(k, 3, 0);
        QVERIFY(!zielArtMoeglich(k, v, 1, r));
        QCOMPARE(
            r.meldungen(),
            QStringList{
                u"Ein Verschieben in diese Notenart ist nicht möglich, weil alle Spalten voll sind!"_s});
        // Auch am Ende unmittelbar gerufen aendert sich nichts.
        const Klasse vorher = k;
        QVERIFY(!verschiebungAbschliessen(k, v, 1, 3, r));
        QCOMPARE(spalten(k, 1), spalten(vorher, 1));
        QCOMPARE(spalten(k, 3), spalten(vorher, 3));

        // Innerhalb der vollen Art ist Umordnen moeglich, auch an die letzte Stelle.
        const Verschiebung innen = verschiebungBeginnen(k, 1, 0);
        QVERIFY(zielArtMoeglich(k, innen, 1, r));
        QVERIFY(verschiebungAbschliessen(k, innen, 1, 9, r));
        QCOMPARE(spalten(k, 1).first(), u"b|11|2"_s);
        QCOMPARE(spalten(k, 1).last(), u"a|10|1"_s);
        QCOMPARE(k.erlaeuterung(1, 10), QString()); // nie ueber den letzten Slot hinaus
    }

    void kategorie2Bis19()
    {
        Klasse k = grundklasse();
        spaltenAnlegen(k, 2, {u"m0"_s});
        spaltenAnlegen(k, 5, {u"t0"_s});
        k.erlaeuterung(2, 19) = u"m19"_s;
        k.schueler(1).note(2, 19) = u"4"_s;
        SkriptRueckfragen r;
        QVERIFY(verschiebungAbschliessen(k, verschiebungBeginnen(k, 2, 19), 5, 0, r));
        QCOMPARE(spalten(k, 5), (QStringList{u"m19||4"_s, u"t0|10|1"_s}));
        QCOMPARE(k.erlaeuterung(2, 19), QString());
        QVERIFY(!verschiebungAbschliessen(k, verschiebungBeginnen(k, 2, 0), 6, 0, r));
    }
};

QTEST_GUILESS_MAIN(ListenverschiebungTest)
#include "listenverschiebung_test.moc"
