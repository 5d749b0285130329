// Laden der Einstellungen beim Programmstart mit den Meldungen, die der Benutzer sieht.
#include "settings/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray lehrerCf(const QString &programm, const QString &lehrer, const QString &basis)
{
    return (u"[Mivo-Programm-Ordner]\r\n"_s + programm + u"\r\n[Lehrername]\r\n"_s + lehrer +
            u"\r\n[Lehrer-Klassen-Ordner]\r\n"_s + basis +
            u"\r\n[Ordnerkonfiguration]\r\n2\r\n[Durchschnitte]\r\nX\r\n"_s)
        .toLatin1();
}

const QByteArray schuelerCf = "[Test-Ausgabe]\r\n/srv/Ausgabe\r\n[Test-Abgabe]\r\n/srv/Abgabe/\r\n"
                              "[Test-Rueckgabe]\r\n/srv/Ausgabe\r\n[Schueler]\r\nH:/\r\n"
                              "[Schule]\r\nGesamtschule Nord/\r\n";

struct Start
{
    Testordner o;
    Einstellungen e;
    SkriptRueckfragen r;
    Konfiguration k{e, r};
    Start() { e.programmOrdner = o.pfad(); }
};

} // namespace

class TestStartladen : public QObject
{
    Q_OBJECT

private slots:
    void vollstaendigeKonfiguration()
    {
        Start s;
        s.o.schreibe(u"Mivo-Kl-cf.txt"_s,
                     lehrerCf(s.o.pfad() + u"server"_s, u"Meier"_s, s.o.pfad()));
        s.o.schreibe(u"server/Mivo-cf.txt"_s, schuelerCf);
        QVERIFY(s.k.einstellungenLaden());
        QVERIFY(s.r.protokoll.isEmpty());
        QCOMPARE(s.e.lehrername, u"Meier/"_s);
        QCOMPARE(s.e.basisOrdner, s.o.pfad());
        QCOMPARE(s.e.ordnerkonfiguration, u"2"_s);
        QCOMPARE(s.e.schuelerCfDatei, s.o.pfad() + u"server/Mivo-cf.txt"_s);
        QCOMPARE(s.e.ausgabeOrdner, u"/srv/Ausgabe/"_s);
        QCOMPARE(s.e.abgabeOrdner, u"/srv/Abgabe/"_s);
        QCOMPARE(s.e.rueckgabeOrdner, u"/srv/Ausgabe/"_s);
        QCOMPARE(s.e.schulname, u"Gesamtschule Nord/"_s);
        QCOMPARE(s.e.schulnameAnzeige(), u"Gesamtschule Nord"_s);
        QVERIFY(!s.e.schulKonfigFehlt);
    }

    void ersterStart()
    {
        Start s;
        s.o.schreibe(u"Mivo-Kl-cf.txt"_s, lehrerCf(s.o.pfad() + u"server"_s, QString(), QString()));
        s.o.schreibe(u"server/Mivo-cf.txt"_s, schuelerCf);
        QVERIFY(s.k.einstellungenLaden());
        QCOMPARE(s.r.meldungen(), QStringList{Konfiguration::willkommenstext(s.o.pfad())});
        QCOMPARE(s.r.protokoll[0].art, Rueckfragen::Art::Information);
        QCOMPARE(s.e.lehrername, u"/"_s);
        QCOMPARE(s.e.basisOrdner, s.o.pfad());
        QVERIFY(s.o.lies(u"Mivo-Kl-cf.txt"_s)
                    .contains("[Lehrer-Klassen-Ordner]\r\n" + s.o.pfad().toUtf8() + "\r\n"));
    }

    void willkommenstextWortgetreu()
    {
        const QString t = Konfiguration::willkommenstext(u"/home/l/Mivo/"_s);
        QVERIFY(t.startsWith(
            u"Willkommen beim Mivo-Zuzovuvavev!  \r\n===============================\r\n\r\n"_s));
        QVERIFY(t.contains(u"(Standardvorgabe): \r\n     /home/l/Mivo/.\r\nSämtliche Daten"_s));
        QVERIFY(t.contains(u"'mitnehmen'), denken Sie daran"_s));
        QVERIFY(t.contains(u"auf den Schulserver. \r\n\r\n\r\nAuf Ihren PC"_s));
        QVERIFY(t.endsWith(
            u"gleich die beiden Konfigurationsroutinen auf:\r\n\tOptionen  >  2. "
            "Konfiguration für Testfunktionen,\r\n\tOptionen  >  1. Anfangskonfiguration."_s));
    }

    void basisordnerVerschoben()
    {
        Start s;
        s.o.schreibe(u"Mivo-Kl-cf.txt"_s,
                     lehrerCf(s.o.pfad() + u"server"_s, u"Meier"_s, u"/mnt/alt/Klassen/"_s));
        s.o.schreibe(u"server/Mivo-cf.txt"_s, schuelerCf);
        QVERIFY(s.k.einstellungenLaden());
        QCOMPARE(s.r.meldungen().size(), 1);
        QVERIFY(s.r.meldungen()[0].startsWith(
            u"In der Konfigurationsdatei  Mivo-Kl-cf.txt  ist als Basisordner"_s));
        QVERIFY(s.r.meldungen()[0].contains(u"\r\n\r\nDie Konfiguration des Programms"_s));
        QCOMPARE(s.e.basisOrdner, s.o.pfad());
        QVERIFY(s.o.lies(u"Mivo-Kl-cf.txt"_s)
                    .contains("[Lehrer-Klassen-Ordner]\r\n" + s.o.pfad().toUtf8() + "\r\n"));
    }

    void lehrerdateiFehlt()
    {
        Start s;
        QVERIFY(!s.k.einstellungenLaden());
        QVERIFY(s.e.programmEndet);
        QCOMPARE(s.r.meldungen().size(), 1); // danach nichts mehr
        QVERIFY(
            s.r.meldungen()[0].startsWith(u"Die Datei  Mivo-Kl-cf.txt  wurde nicht gefunden."_s));
        QVERIFY(s.o.lies(u"Mivo-Kl-cf.txt"_s).isEmpty());
    }

    void schuelerdateiFehlt()
    {
        Start s;
        s.o.schreibe(u"Mivo-Kl-cf.txt"_s,
                     lehrerCf(s.o.pfad() + u"gibtsnicht"_s, u"Meier"_s, s.o.pfad()));
        QVERIFY(s.k.einstellungenLaden());
        QVERIFY(s.e.schulKonfigFehlt);
        QCOMPARE(s.r.meldungen().size(), 1);
        QVERIFY(s.r.meldungen()[0].contains(u"Mivo-cf.txt"_s));
        QVERIFY(s.e.ausgabeOrdner.isEmpty());
        QVERIFY(s.e.schulname.isEmpty());
        QCOMPARE(s.e.schulnameAnzeige(), QString());
    }

    void schuelerprogrammOrdnerLeer()
    {
        // Ohne Eintrag gilt Mivo-cf.txt als nicht gefunden, nie als Datei im Arbeitsordner.
        Start s;
        s.o.schreibe(u"Mivo-Kl-cf.txt"_s, lehrerCf(QString(), u"Meier"_s, s.o.pfad()));
        QVERIFY(s.k.einstellungenLaden());
        QVERIFY(s.e.schulKonfigFehlt);
        QVERIFY(s.e.schuelerCfDatei.isEmpty());
        QCOMPARE(s.r.meldungen().size(), 1);
        QVERIFY(s.r.meldungen()[0].contains(u"noch kein Mivo-Programm-Ordner eingetragen"_s));
    }
};

QTEST_GUILESS_MAIN(TestStartladen)
#include "tst_startladen.moc"
