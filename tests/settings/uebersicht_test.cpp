#include "app/apptesthilfe.h"
#include "settings/konfiguration.h"
#include "settings/uebersicht.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QTest>

using namespace Qt::StringLiterals;

class UebersichtTest : public QObject
{
    Q_OBJECT
private slots:
    void anfangsMeldung_data();
    void anfangsMeldung();
    void anfangsMeldungText();
    void anleitung();
    void schuelerCf_data();
    void schuelerCf();
    void version();
};

void UebersichtTest::anfangsMeldung_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<bool>("gesperrt");
    QTest::newRow("leer") << QString() << true;
    QTest::newRow("Klasse") << u"2024-25/L-7x-Ph.DTA"_s << false;
    QTest::newRow("kleine Endung") << u"2024-25/l-7x-ph.dta"_s << false;
    QTest::newRow("anderes Schuljahr") << u"2023-24/L-7x-Ph.DTA"_s << true;
    QTest::newRow("andere Endung") << u"2024-25/L-7x-Ph.txt"_s << true;
    QTest::newRow("Ordner namens .DTA") << u"2024-25/X.DTA/a"_s << true;
}

void UebersichtTest::anfangsMeldung()
{
    QFETCH(QString, datei);
    QFETCH(bool, gesperrt);
    Testordner t;
    if (!datei.isEmpty()) {
        t.schreibe(datei, "x");
    }
    SkriptRueckfragen r;
    QCOMPARE(anfangsMsgGezeigt(t.pfad(), QDate(2024, 10, 1), r), gesperrt);
    QCOMPARE(r.meldungen().size(), gesperrt ? 1 : 0);
}

void UebersichtTest::anfangsMeldungText()
{
    QCOMPARE(::anfangsMeldungText(),
             u"Um die Programmfunktionen zu initialisieren muss zuerst der Menübefehl \r\n\r\n"_s
             u"             Optionen  >  2) Konfiguration für Testfunktionen \r\n\r\n"_s
             u"aufgerufen werden. Damit werden automatisch 2 Beispielklassen und 1 Beispieltest "_s
             u"bereit gestellt,\r\nauch wenn Sie dabei den Probetestlauf nicht durchführen."_s);
}

void UebersichtTest::anleitung()
{
    Testordner t;
    QCOMPARE(bedienungsanleitungSuchen(t.pfad()), QString());
    t.schreibe(u"Mivo-Zuzovuvavev Bedienungsanleitung.txt"_s, "x");
    QCOMPARE(bedienungsanleitungSuchen(t.pfad()), QString());
    t.schreibe(u"mivo-zuzovuvavev bedienungsanleitung 2.PDF"_s, "x");
    t.schreibe(u"Mivo-Zuzovuvavev Bedienungsanleitung 3.pdf"_s, "x");
    QCOMPARE(bedienungsanleitungSuchen(t.pfad()),
             t.pfad() + u"mivo-zuzovuvavev bedienungsanleitung 2.PDF"_s);
}

void UebersichtTest::schuelerCf_data()
{
    QTest::addColumn<QString>("ordner");
    QTest::addColumn<bool>("laufwerkC");
    QTest::addColumn<bool>("geoeffnet");
    QTest::newRow("Schulserver") << u"Mivo-Dateien (Schulserver)"_s << false << true;
    QTest::newRow("Laufwerk C") << u"C:\\Program Files (x86)\\Mivo\\"_s << true << false;
    QTest::newRow("leer") << QString() << false << false;
}

void UebersichtTest::schuelerCf()
{
    QFETCH(QString, ordner);
    QFETCH(bool, laufwerkC);
    QFETCH(bool, geoeffnet);
    Testordner t;
    basisordnerAnlegen(t.pfad());
    Einstellungen e;
    e.programmOrdner = t.pfad();
    SkriptRueckfragen r;
    Konfiguration k(e, r);
    TestOeffner o;
    const QString wert = ordner.startsWith(u"Mivo"_s) ? t.pfad() + ordner : ordner;
    wertInDateiSetzen(e.lehrerCfDatei(), Kopf::programmOrdner, wert);

    schuelerCfEinsehen(e, k, r, o);
    QCOMPARE(r.meldungen().join(u"|"_s).contains(u"System-Laufwerk C:"_s), laufwerkC);
    QCOMPARE(o.geoeffnet.size(), geoeffnet ? 1 : 0);
    if (geoeffnet) {
        QCOMPARE(o.geoeffnet.constFirst(), mitTrenner(wert) + kSchuelerCfName);
    } else {
        // Was nicht da ist, wird gemeldet statt still nicht geoeffnet.
        QVERIFY(r.letzteMeldung().contains(u"wurde nicht gefunden!"_s));
    }
}

void UebersichtTest::version()
{
    QCOMPARE(programmVersion(), QStringLiteral(MIVO_VERSION));
    QCOMPARE(fensterTitel(), QStringLiteral(MIVO_VERSION) + u"  Mivo-Zuzovuvavev"_s);
    QCOMPARE(versionsSchild(), QStringLiteral(MIVO_VERSION).left(3));
    QVERIFY(
        infoText().startsWith(u"Mivo-Zuzovuvavev\r\nVersion "_s + QStringLiteral(MIVO_VERSION)));
}

QTEST_GUILESS_MAIN(UebersichtTest)
#include "uebersicht_test.moc"
