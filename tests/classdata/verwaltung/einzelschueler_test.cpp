#include "classdata/einzelschueler.h"
#include "grades/klassenbau.h"
#include "unterstuetzung/skriptrueckfragen.h"

#include <QTest>

using namespace Qt::StringLiterals;

class EinzelschuelerTest : public QObject
{
    Q_OBJECT

private slots:
    void felderVerlassen()
    {
        QCOMPARE(vornameFeldVerlassen(u"hans peter"_s), u"Hanspeter"_s);
        QCOMPARE(nachnameFeldVerlassen(u"özdemir"_s), u"Özdemir"_s);
        QCOMPARE(geschlechtFeldVerlassen(u"M"_s), QString());
        QCOMPARE(geschlechtFeldVerlassen(u"w"_s), u"w"_s);
    }

    void neuerSchueler()
    {
        Klasse k = standardKlasse();
        schuelerAnhaengen(k, u"Zeno"_s, u"Zorn"_s);
        schuelerAnhaengen(k, u"Anna"_s, u"Abel"_s, u"w"_s);
        k.schueler(3).note(1, 0) = u"5"_s; // Rest hinter der Klassengroesse
        SkriptRueckfragen r;
        const SchuelerFelder felder{u"Zeno"_s, u"Zorn"_s, u"9a"_s, u"Sport"_s, u""_s};
        QCOMPARE(neuenSchuelerAnlegen(k, 1, felder, SortierOptionen{false, false, 2}, r), 3);
        QCOMPARE(k.schueler(1).nachname, u"Abel"_s);
        QCOMPARE(k.schueler(2).zusatz, u"Sport"_s);
        QCOMPARE(k.schueler(2).geschlecht, u"m"_s); // leeres Geschlechtsfeld aendert nichts
        QCOMPARE(k.schueler(3).note(1, 0), QString());

        QVERIFY(!neuenSchuelerPruefen(SchuelerFelder{u"A"_s, u""_s, u""_s, u""_s, u"m"_s}, r));
        QCOMPARE(r.letzteMeldung(),
                 u"Vorname, Nachname und die Angabe des Geschlechts dürfen nicht leer bleiben!\r\n"
                 u"Zum Löschen des neuen Schülers den Button \"Schüler löschen\" klicken!"_s);

        Klasse voll;
        for (int i = 1; i <= kMaxSchueler; ++i) {
            schuelerAnhaengen(voll, u"V"_s + QString::number(i), u"N"_s);
        }
        r.leeren();
        QCOMPARE(neuenSchuelerAnlegen(voll, 0, {}, {}, r), 0);
        QCOMPARE(r.meldungen().size(), 1);
        QCOMPARE(klassenGroesse(voll), 40);
    }

    void loeschenUndVerschieben()
    {
        Klasse k = standardKlasse();
        schuelerAnhaengen(k, u"Anna"_s, u"Abel"_s, u"w"_s);
        schuelerAnhaengen(k, u"Bert"_s, u"Berg"_s);
        SkriptRueckfragen r;
        r.antworte(Rueckfragen::Knopf::Nein).antworte(Rueckfragen::Knopf::Ja);
        QVERIFY(!schuelerLoeschenNachRueckfrage(k, 1, false, r));
        QVERIFY(schuelerLoeschenNachRueckfrage(k, 3, true, r));
        QCOMPARE(r.fragen(), (QStringList{u"Soll der Schüler/ die Schülerin:  Anna Abel  wirklich "
                                          u"mit allen Noten und Daten gelöscht werden?"_s,
                                          u"Neu-Eingabe abbrechen?"_s}));
        QCOMPARE(klassenGroesse(k), 2);

        QVERIFY(!verschiebenMoeglich(true, false, {}, r));
        QCOMPARE(r.letzteMeldung(), u"Das Verschieben von Schülern in eine andere Klasse ist nicht "
                                    u"möglich, während der Suchmodus aktiv ist."_s);
        QVERIFY(verschiebenMoeglich(false, false, {}, r));
        QVERIFY(!verschiebenMoeglich(false, true, {}, r));
    }
};

QTEST_GUILESS_MAIN(EinzelschuelerTest)
#include "einzelschueler_test.moc"
