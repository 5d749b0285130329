// Eine Klasse in zwei Programminstanzen: die zweite erfaehrt es, kein Speichern ueberschreibt
// stillschweigend die Fassung der anderen.
#include "classdata/klassendatei.h"
#include "classdata/klassensperre.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Klasse klasseMit(const QString &nachname)
{
    Klasse k;
    k.schueler(1).nachname = nachname;
    k.schueler(1).vorname = u"Lena"_s;
    return k;
}

QString nachname(const QString &pfad)
{
    SkriptRueckfragen r;
    Klasse k;
    return klassenlisteLesen(pfad, k, r) ? k.schueler(1).nachname : QString();
}

} // namespace

class TstKlassensperre : public QObject
{
    Q_OBJECT

private slots:
    void zweiInstanzen()
    {
        Testordner t;
        const QString pfad = t.datei(u"L-7x-Ph.DTA"_s);
        SkriptRueckfragen r;
        QVERIFY(klassenlisteSchreiben(pfad, klasseMit(u"Albrecht"_s), r));

        Klassensperre erste, zweite;
        SkriptRueckfragen r1, r2;
        QVERIFY(erste.oeffnen(pfad, r1));
        QVERIFY(r1.meldungen().isEmpty());
        QVERIFY(!zweite.oeffnen(pfad, r2));
        QCOMPARE(r2.meldungen().size(), 1);
        QVERIFY(r2.meldungen()[0].startsWith(u"Die Klasse L-7x-Ph ist bereits geöffnet"_s));

        // Die erste speichert ohne Frage; die zweite wird gefragt und ueberschreibt bei "Nein"
        // nichts.
        QVERIFY(erste.speichern(klasseMit(u"Bauer"_s), r1));
        QVERIFY(r1.fragen().isEmpty());
        r2.antworte(Rueckfragen::Knopf::Nein);
        QVERIFY(!zweite.speichern(klasseMit(u"Becker"_s), r2));
        QVERIFY(r2.fragen()[0].startsWith(u"Die Datei "_s + pfad +
                                          u" wurde seit dem Öffnen von einem anderen Programm "
                                          "gespeichert."_s));
        QCOMPARE(nachname(pfad), u"Bauer"_s);

        // Die erste schliesst: die zweite bekommt die Sperre, wird aber wegen der neueren Datei
        // noch einmal gefragt; "Ja" ueberschreibt, danach speichert sie ohne Frage.
        erste.schliessen();
        r2.leeren();
        r2.antworte(Rueckfragen::Knopf::Ja);
        QVERIFY(zweite.speichern(klasseMit(u"Becker"_s), r2));
        QCOMPARE(r2.fragen().size(), 1);
        QVERIFY(zweite.haeltSperre());
        QVERIFY(zweite.speichern(klasseMit(u"Brandt"_s), r2));
        QCOMPARE(r2.fragen().size(), 1);
        QCOMPARE(nachname(pfad), u"Brandt"_s);

        // Ein anderes Programm ohne Sperre (Klassenverwaltung, Werkzeug) schreibt dazwischen:
        // auch der Halter der Sperre wird gefragt.
        QVERIFY(klassenlisteSchreiben(pfad, klasseMit(u"Engel"_s), r));
        QVERIFY(!zweite.speichern(klasseMit(u"Fischer"_s), r2));
        QCOMPARE(r2.fragen().size(), 2);
        QCOMPARE(nachname(pfad), u"Engel"_s);
    }

    void offenBeiDerAnderen()
    {
        Testordner t;
        const QString pfad = t.datei(u"L-7x-Ph.DTA"_s);
        SkriptRueckfragen r;
        QVERIFY(klassenlisteSchreiben(pfad, klasseMit(u"Albrecht"_s), r));
        Klassensperre erste, zweite;
        QVERIFY(erste.oeffnen(pfad, r));
        QVERIFY(!zweite.oeffnen(pfad, r));
        // Unveraenderte Datei, aber die andere haelt sie offen: gefragt wird trotzdem.
        r.leeren();
        QVERIFY(!zweite.speichern(klasseMit(u"Bauer"_s), r));
        QCOMPARE(r.fragen().size(), 1);
        QVERIFY(r.fragen()[0].startsWith(u"Die Klasse L-7x-Ph ist noch in einem anderen Programm "
                                         "geöffnet"_s));
        QCOMPARE(nachname(pfad), u"Albrecht"_s);
    }

    void resteEinesAbgebrochenenSpeicherns()
    {
        Testordner t;
        const QString pfad = t.datei(u"L-7x-Ph.DTA"_s);
        SkriptRueckfragen r;
        QVERIFY(klassenlisteSchreiben(pfad, klasseMit(u"Albrecht"_s), r));
        t.schreibe(u"L-7x-Ph.DTA.Xy12Ab"_s, QByteArray(kKlassenDateiGroesse, 'x'));
        t.schreibe(u"L-7x-Bio.DTA.Xy12Ab"_s, "fremd");
        Klassensperre s;
        QVERIFY(s.oeffnen(pfad, r));
        QVERIFY(s.speichern(klasseMit(u"Bauer"_s), r));
        QVERIFY(!QFile::exists(t.datei(u"L-7x-Ph.DTA.Xy12Ab"_s)));
        QVERIFY(QFile::exists(t.datei(u"L-7x-Bio.DTA.Xy12Ab"_s)));
        // Die eigene Sperre ist kein Rest: sie haelt auch nach dem Speichern.
        Klassensperre andere;
        QVERIFY(!andere.oeffnen(pfad, r));
        andere.schliessen();
        s.schliessen();
        QVERIFY(!QFile::exists(pfad + kKlassensperreEndung));
    }
};

QTEST_GUILESS_MAIN(TstKlassensperre)
#include "tst_klassensperre.moc"
