// Die Klassensitzung ohne Fenster: Laden, Speichern, Speicherabfrage und ihre Signale.
#include "classdata/klassendatei.h"
#include "classdata/klassensitzung.h"
#include "common/ansitext.h"
#include "common/ordner.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Klasse beispielKlasse(const QString &nachname)
{
    Klasse k;
    k.schueler(1).vorname = u"Max"_s;
    k.schueler(1).nachname = nachname;
    k.schueler(1).geschlecht = u"m"_s;
    return k;
}

struct Umgebung
{
    Testordner ordner;
    SkriptRueckfragen r;
    Klassensitzung s{r};

    Umgebung()
    {
        setzePauseVorNeuschreibenMs(0);
        ordnerAnlegen(ordner.datei(u"2016-17"_s));
        SkriptRueckfragen still;
        klassenlisteSchreiben(ordner.datei(u"2016-17/L-7a-Ph.DTA"_s), beispielKlasse(u"Alt"_s),
                              still);
        s.setzeSchuljahr(ordner.pfad(), u"2016-17"_s);
    }
    QString nachnameInDatei(const QString &name)
    {
        Klasse k;
        SkriptRueckfragen still;
        if (!klassenlisteLesen(ordner.datei(u"2016-17/"_s + name), k, still)) {
            return u"(unlesbar)"_s;
        }
        return k.schueler(1).nachname;
    }
};

} // namespace

class KlassensitzungTest : public QObject
{
    Q_OBJECT
private slots:
    void ladenSetztNameKuerzelUndOeffnet();
    void ladenVerweigert_data();
    void ladenVerweigert();
    void speicherAbfrage_data();
    void speicherAbfrage();
    void offeneEingabenKommenVorDemSpeichernInDieDatei();
    void ohneKlasseKeineFrage();
};

void KlassensitzungTest::ladenSetztNameKuerzelUndOeffnet()
{
    Umgebung u;
    QSignalSpy geoeffnet(&u.s, &Klassensitzung::geoeffnet);
    QVERIFY(u.s.laden(u"L-7a-Ph.DTA"_s));
    QCOMPARE(geoeffnet.count(), 1);
    QVERIFY(u.s.offen());
    QVERIFY(!u.s.geaendert());
    QCOMPARE(u.s.name(), u"L-7a-Ph"_s);
    QCOMPARE(u.s.kuerzel(), u"7a"_s);
    QCOMPARE(u.s.pfad(), u.ordner.datei(u"2016-17/L-7a-Ph.DTA"_s));
    QCOMPARE(u.s.groesse(), 1);
}

void KlassensitzungTest::ladenVerweigert_data()
{
    QTest::addColumn<QString>("eintrag");
    QTest::addColumn<QByteArray>("inhalt"); // leer: keine Datei anlegen
    QTest::addColumn<int>("meldungen");
    QTest::newRow("kein Klasseneintrag") << u"Keine Klassen vorh."_s << QByteArray() << 0;
    QTest::newRow("zu kurze Datei") << u"L-8b-Ma.DTA"_s << QByteArray(100, 'x') << 1;
    QTest::newRow("fehlende Datei") << u"L-9c-De.DTA"_s << QByteArray() << 1;
}

void KlassensitzungTest::ladenVerweigert()
{
    QFETCH(QString, eintrag);
    QFETCH(QByteArray, inhalt);
    QFETCH(int, meldungen);
    Umgebung u;
    if (!inhalt.isEmpty()) {
        u.ordner.schreibe(u"2016-17/"_s + eintrag, inhalt);
    }
    QVERIFY(u.s.laden(u"L-7a-Ph.DTA"_s));
    u.s.klasse.schueler(1).nachname = u"Getippt"_s;
    u.s.geaendertMelden();
    QSignalSpy geoeffnet(&u.s, &Klassensitzung::geoeffnet);

    QVERIFY(!u.s.laden(eintrag));
    // Die offene Klasse bleibt, wie sie war, samt ungespeicherter Aenderung.
    QCOMPARE(geoeffnet.count(), 0);
    QCOMPARE(u.r.meldungen().size(), meldungen);
    QVERIFY(u.s.offen());
    QVERIFY(u.s.geaendert());
    QCOMPARE(u.s.name(), u"L-7a-Ph"_s);
    QCOMPARE(u.s.klasse.schueler(1).nachname, u"Getippt"_s);
}

void KlassensitzungTest::speicherAbfrage_data()
{
    QTest::addColumn<Rueckfragen::Knopf>("antwort");
    QTest::addColumn<bool>("schreibbar");
    QTest::addColumn<int>("ergebnis");
    QTest::addColumn<QString>("inDatei");

    QTest::newRow("Ja speichert und schliesst") << Rueckfragen::Knopf::Ja << true << 0 << u"Neu"_s;
    QTest::newRow("Nein verwirft") << Rueckfragen::Knopf::Nein << true << 0 << u"Alt"_s;
    QTest::newRow("Abbrechen behaelt") << Rueckfragen::Knopf::Abbrechen << true << -1 << u"Alt"_s;
    // Misslingt das Speichern, darf die Klasse nicht verloren gehen.
    QTest::newRow("Ja, Schreiben misslingt") << Rueckfragen::Knopf::Ja << false << -1 << u"Alt"_s;
}

void KlassensitzungTest::speicherAbfrage()
{
    QFETCH(Rueckfragen::Knopf, antwort);
    QFETCH(bool, schreibbar);
    QFETCH(int, ergebnis);
    QFETCH(QString, inDatei);
    Umgebung u;
    QVERIFY(u.s.laden(u"L-7a-Ph.DTA"_s));
    u.s.klasse.schueler(1).nachname = u"Neu"_s;
    u.s.geaendertMelden();
    if (!schreibbar) {
        // An der Stelle der Datei liegt ein Ordner: das Schreiben misslingt.
        QFile::remove(u.ordner.datei(u"2016-17/L-7a-Ph.DTA"_s));
        ordnerAnlegen(u.ordner.datei(u"2016-17/L-7a-Ph.DTA/"_s));
    }
    QSignalSpy geschlossen(&u.s, &Klassensitzung::geschlossen);
    QSignalSpy gespeichert(&u.s, &Klassensitzung::gespeichert);
    u.r.antworte(antwort);

    QCOMPARE(u.s.speicherAbfrage(), ergebnis);
    QCOMPARE(u.r.fragen(), QStringList{u"Soll die bearbeitete Datei gespeichert werden?"_s});
    const bool bleibtOffen = ergebnis < 0;
    QCOMPARE(u.s.offen(), bleibtOffen);
    QCOMPARE(geschlossen.count(), bleibtOffen ? 0 : 1);
    QCOMPARE(gespeichert.count(), antwort == Rueckfragen::Knopf::Ja && schreibbar ? 1 : 0);
    if (bleibtOffen) {
        QVERIFY(u.s.geaendert());
        QCOMPARE(u.s.klasse.schueler(1).nachname, u"Neu"_s);
    } else {
        QCOMPARE(u.s.groesse(), 0);
    }
    if (schreibbar) {
        QCOMPARE(u.nachnameInDatei(u"L-7a-Ph.DTA"_s), inDatei);
    } else {
        QCOMPARE(u.r.meldungen().size(), 1); // "... kann nicht geschrieben werden!"
    }
}

void KlassensitzungTest::offeneEingabenKommenVorDemSpeichernInDieDatei()
{
    Umgebung u;
    QVERIFY(u.s.laden(u"L-7a-Ph.DTA"_s));
    // Eine Ansicht haelt einen getippten, noch nicht uebernommenen Wert.
    QObject::connect(&u.s, &Klassensitzung::eingabenUebernehmen, &u.s, [&] {
        u.s.klasse.schueler(1).nachname = u"Getippt"_s;
        u.s.geaendertMelden();
    });
    QVERIFY(u.s.speichern());
    QVERIFY(!u.s.geaendert());
    QCOMPARE(u.nachnameInDatei(u"L-7a-Ph.DTA"_s), u"Getippt"_s);
}

void KlassensitzungTest::ohneKlasseKeineFrage()
{
    Umgebung u;
    QCOMPARE(u.s.speicherAbfrage(), 0);
    QVERIFY(!u.s.speichern());
    QVERIFY(u.r.protokoll.isEmpty());
}

QTEST_GUILESS_MAIN(KlassensitzungTest)
#include "tst_klassensitzung.moc"
