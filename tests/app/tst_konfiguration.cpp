// Konfigurationsdateien: Lesen und Schreiben einzelner Abschnitte, Optionen, Laden beim Start.
#include "app/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray crlf(std::initializer_list<const char *> zeilen)
{
    QByteArray b;
    for (const char *z : zeilen) {
        b += z;
        b += "\r\n";
    }
    return b;
}

const QString fataleMeldung =
    u"Die Datei  Mivo-Kl-cf.txt  wurde nicht gefunden. Diese Konfigurationsdatei sollte sich aber "
    "immer in dem Ordner befinden, in dem auch das Hauptprogramm und die anderen Dateien des "
    "Basisordners liegen (s. Bedienungsanleitung), und sollte die wichtigsten Angaben "
    "enthalten.\r\n"
    "Das Programm sollte ohne die dazugehörige Konfigurationsdatei nicht verwendet werden \r\n"
    "und wird daher beendet."_s;

struct Umgebung
{
    Testordner o;
    Einstellungen e;
    SkriptRueckfragen r;
    Konfiguration k{e, r};
    Umgebung() { e.programmOrdner = o.pfad(); }
};

} // namespace

class TestKonfiguration : public QObject
{
    Q_OBJECT

private slots:
    void lesen_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("kopf");
        QTest::addColumn<QString>("wert");
        QTest::newRow("einfach") << crlf({"[Schule]", "Gesamtschule Nord\\"}) << u"[Schule]"_s
                                 << u"Gesamtschule Nord\\/"_s;
        QTest::newRow("trenner angehaengt")
            << crlf({"[Test-Ausgabe]", "/srv/aus"}) << u"[Test-Ausgabe]"_s << u"/srv/aus/"_s;
        QTest::newRow("trenner vorhanden")
            << crlf({"[Test-Ausgabe]", "/srv/aus/"}) << u"[Test-Ausgabe]"_s << u"/srv/aus/"_s;
        QTest::newRow("zweimal, letzter gewinnt")
            << crlf({"[Schule]", "A", "x", "[Schule]", "B"}) << u"[Schule]"_s << u"B/"_s;
        QTest::newRow("zweimal, letzter leer")
            << crlf({"[Schule]", "A", "[Schule]", ""}) << u"[Schule]"_s << u"A/"_s;
        QTest::newRow("leerer wert") << crlf({"[Schule]", ""}) << u"[Schule]"_s << QString();
        QTest::newRow("ordnerkonfiguration")
            << crlf({"[Ordnerkonfiguration]", "2"}) << u"[Ordnerkonfiguration]"_s << u"2/"_s;
        QTest::newRow("kopf als wert") << crlf({"[Test-Ausgabe]", "[Test-Abgabe]", "/srv/ab"})
                                       << u"[Test-Ausgabe]"_s << u"[Test-Abgabe]/"_s;
        QTest::newRow("kopf als wert wird nicht gesehen")
            << crlf({"[Test-Ausgabe]", "[Test-Abgabe]", "/srv/ab"}) << u"[Test-Abgabe]"_s
            << QString();
        QTest::newRow("kopf in letzter zeile")
            << QByteArray("x\r\n[Schule]") << u"[Schule]"_s << QString();
        QTest::newRow("gross/klein zaehlt")
            << crlf({"[schule]", "A"}) << u"[Schule]"_s << QString();
        QTest::newRow("keine leerzeichen entfernt")
            << crlf({"[Schule] ", "A"}) << u"[Schule]"_s << QString();
        QTest::newRow("nur lf") << QByteArray("[Schule]\nA\n") << u"[Schule]"_s << u"A/"_s;
        QTest::newRow("umlaut cp1252") << crlf({"[Schule]", "G\xfcnter-Grass-Schule"})
                                       << u"[Schule]"_s << u"Günter-Grass-Schule/"_s;
        QTest::newRow("fehlt") << crlf({"[Test-Abgabe]", "x"}) << u"[Schule]"_s << QString();
    }
    void lesen()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, kopf);
        QFETCH(QString, wert);
        Umgebung u;
        u.o.schreibe(u"Mivo-cf.txt"_s, inhalt);
        QCOMPARE(u.k.leseAusDateiDenOrdner(u.o.datei(u"Mivo-cf.txt"_s), kopf), wert);
        QVERIFY(u.r.protokoll.isEmpty());
    }

    void lesenFehlendeSchuelerdatei()
    {
        Umgebung u;
        QCOMPARE(u.k.leseAusDateiDenOrdner(u.o.datei(u"Mivo-cf.txt"_s), u"[Test-Ausgabe]"_s),
                 QString());
        QVERIFY(u.e.schulKonfigFehlt);
        QCOMPARE(u.r.protokoll.size(), 1);
        QCOMPARE(u.r.protokoll[0].art, Rueckfragen::Art::Warnung);
        const QString text = u.r.protokoll[0].text;
        QVERIFY(text.contains(u"Mivo-cf.txt"_s));
        QVERIFY(text.contains(u"Optionen  >   2. Konfiguration für Testfunktionen"_s));
        QVERIFY(text.contains(u"Bedienungsanleitung"_s));
        // andere Abschnitte derselben fehlenden Datei bleiben still
        u.r.leeren();
        u.k.leseAusDateiDenOrdner(u.o.datei(u"Mivo-cf.txt"_s), u"[Test-Abgabe]"_s);
        QVERIFY(u.r.protokoll.isEmpty());
    }

    void lesenFehlendeLehrerdatei()
    {
        Umgebung u;
        u.k.leseAusDateiDenOrdner(u.e.lehrerCfDatei(), u"[Mivo-Programm-Ordner]"_s);
        QVERIFY(u.e.programmEndet);
        QCOMPARE(u.r.meldungen(), QStringList{fataleMeldung});
        QCOMPARE(u.r.protokoll[0].art, Rueckfragen::Art::Fehler);
    }

    void lesenUnlesbar_data()
    {
        QTest::addColumn<bool>("ordner");
        QTest::newRow("binaer") << false;
        QTest::newRow("ordner") << true;
    }
    void lesenUnlesbar()
    {
        QFETCH(bool, ordner);
        Umgebung u;
        const QString pfad = u.o.datei(u"Mivo-cf.txt"_s);
        if (ordner) {
            u.o.schreibe(u"Mivo-cf.txt/x"_s, "x");
        } else {
            u.o.schreibe(u"Mivo-cf.txt"_s, QByteArray("[Schule]\r\n\0\0", 12));
        }
        QCOMPARE(u.k.leseAusDateiDenOrdner(pfad, u"[Schule]"_s), QString());
        QCOMPARE(u.r.meldungen(), QStringList{u"Die Datei "_s + pfad +
                                              u" existiert, aber sie lässt sich nicht lesen!"_s});
        QVERIFY(!u.e.schulKonfigFehlt);
    }

    void schreiben_data()
    {
        QTest::addColumn<QByteArray>("vorher");
        QTest::addColumn<QString>("kopf");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<QByteArray>("nachher");
        QTest::newRow("ersetzt") << crlf({"x", "[Schule]", "Alt/", "y"}) << u"[Schule]"_s
                                 << u"Neu/"_s << crlf({"x", "[Schule]", "Neu/", "y"});
        QTest::newRow("jedes vorkommen")
            << crlf({"[Schule]", "A", "[Schule]", "B"}) << u"[Schule]"_s << u"C"_s
            << crlf({"[Schule]", "C", "[Schule]", "C"});
        QTest::newRow("lf wird crlf") << QByteArray("[Schule]\nA\nz") << u"[Schule]"_s << u"B"_s
                                      << crlf({"[Schule]", "B", "z"});
        QTest::newRow("kopf fehlt, nichts eingefuegt")
            << crlf({"[Schule]", "A"}) << u"[Lehrername]"_s << u"B"_s << crlf({"[Schule]", "A"});
        QTest::newRow("kopf in letzter zeile bekommt wertzeile")
            << crlf({"x", "[Schule]"}) << u"[Schule]"_s << u"B/"_s << crlf({"x", "[Schule]", "B/"});
        QTest::newRow("wertzeile sieht aus wie kopf")
            << crlf({"[Test-Ausgabe]", "[Test-Abgabe]", "x"}) << u"[Test-Abgabe]"_s << u"y"_s
            << crlf({"[Test-Ausgabe]", "[Test-Abgabe]", "x"});
        QTest::newRow("umlaut") << crlf({"[Schule]", ""}) << u"[Schule]"_s
                                << u"Schule am Mühlenweg/"_s
                                << crlf({"[Schule]", "Schule am M\xfchlenweg/"});
    }
    void schreiben()
    {
        QFETCH(QByteArray, vorher);
        QFETCH(QString, kopf);
        QFETCH(QString, wert);
        QFETCH(QByteArray, nachher);
        Umgebung u;
        u.o.schreibe(u"Mivo-cf.txt"_s, vorher);
        u.k.schreibeInDateiDenOrdner(u.o.datei(u"Mivo-cf.txt"_s), wert, kopf);
        QCOMPARE(u.o.lies(u"Mivo-cf.txt"_s), nachher);
        QVERIFY(u.e.speicherErfolg);
        QVERIFY(u.r.protokoll.isEmpty());
    }

    void schreibenFehlendeDatei()
    {
        Umgebung u;
        const QString pfad = u.o.datei(u"Mivo-cf.txt"_s);
        u.k.schreibeInDateiDenOrdner(pfad, u"x"_s, u"[Schule]"_s);
        QVERIFY(!QFile::exists(pfad));
        QVERIFY(!u.e.speicherErfolg);
        QCOMPARE(
            u.r.meldungen(),
            QStringList{u"Die Datei "_s + pfad + u" wurde nicht gefunden!\r\n"_s +
                        u"Es sollte versucht werden die 2. Konfiguration zuerst durchzuführen."_s});
        QCOMPARE(u.r.protokoll[0].art, Rueckfragen::Art::Warnung);
    }

    void schreibenSchreibgeschuetzt()
    {
        Umgebung u;
        const QString pfad = u.o.datei(u"Mivo-cf.txt"_s);
        u.o.schreibe(u"Mivo-cf.txt"_s, crlf({"[Schule]", "A"}));
        QFile::setPermissions(pfad, QFile::ReadOwner);
        u.k.schreibeInDateiDenOrdner(pfad, u"B"_s, u"[Schule]"_s);
        QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(u.o.lies(u"Mivo-cf.txt"_s), crlf({"[Schule]", "A"}));
        QVERIFY(!u.e.speicherErfolg);
        QCOMPARE(u.r.meldungen(),
                 QStringList{u"Die Datei "_s + pfad + u" konnte nicht geschrieben werden!"_s});
    }

    void schreibenBinaerBleibtUnveraendert()
    {
        Umgebung u;
        const QByteArray binaer("[Schule]\r\nA\r\n\0\x01\x02", 15);
        u.o.schreibe(u"Mivo-cf.txt"_s, binaer);
        u.k.schreibeInDateiDenOrdner(u.o.datei(u"Mivo-cf.txt"_s), u"B"_s, u"[Schule]"_s);
        QCOMPARE(u.o.lies(u"Mivo-cf.txt"_s), binaer);
        QVERIFY(!u.e.speicherErfolg);
        QCOMPARE(u.r.meldungen().size(), 1);
    }

    void optionen()
    {
        Umgebung u;
        u.o.schreibe(u"Mivo-Kl-cf.txt"_s,
                     crlf({"[Jungen-Maedchen-Sortierung]", "1", "[Durchschnitte]", "X",
                           "[Leerspalten]", "x", "[Keine Aenderung]", "X ", "[Vornamensortierung]",
                           "", "[Punktedarstellung]", "X", "[Gesamtberechnung]", "X", "fremd"}));
        TabellenOptionen o = u.k.einstellenOptionen();
        QCOMPARE(o.jungenMaedchenSortierung, 1);
        QVERIFY(o.durchschnitte);
        QVERIFY(!o.leerspalten); // nur "X" genau
        QVERIFY(!o.keineAenderung);
        QVERIFY(!o.vornamensortierung);
        QVERIFY(o.punktedarstellung);
        QVERIFY(o.gesamtberechnung);

        o.jungenMaedchenSortierung = 0;
        o.durchschnitte = false;
        o.vornamensortierung = true;
        u.k.schreibeOptionen(o);
        QCOMPARE(u.o.lies(u"Mivo-Kl-cf.txt"_s),
                 crlf({"[Jungen-Maedchen-Sortierung]", "0", "[Durchschnitte]", "", "[Leerspalten]",
                       "", "[Keine Aenderung]", "", "[Vornamensortierung]", "X",
                       "[Punktedarstellung]", "X", "[Gesamtberechnung]", "X", "fremd"}));
        QCOMPARE(u.k.einstellenOptionen(), o);
        QVERIFY(u.r.protokoll.isEmpty());
    }

    void sortierungUngueltig_data()
    {
        QTest::addColumn<QByteArray>("wert");
        QTest::newRow("text") << QByteArray("abc");
        QTest::newRow("leer") << QByteArray("");
        QTest::newRow("zu gross") << QByteArray("7");
        QTest::newRow("negativ") << QByteArray("-1");
    }
    void sortierungUngueltig()
    {
        QFETCH(QByteArray, wert);
        Umgebung u;
        u.o.schreibe(u"Mivo-Kl-cf.txt"_s, "[Jungen-Maedchen-Sortierung]\r\n" + wert + "\r\n");
        QCOMPARE(u.k.einstellenOptionen().jungenMaedchenSortierung, 2);
    }

    void optionenOhneDateiLeerenNichts()
    {
        Umgebung u;
        TabellenOptionen o;
        o.durchschnitte = true;
        u.k.schreibeOptionen(o);
        QVERIFY(!QFile::exists(u.e.lehrerCfDatei()));
        QVERIFY(!u.e.speicherErfolg);
        QCOMPARE(u.r.meldungen(),
                 QStringList{u"Fataler Fehler: Die Datei "_s + u.e.lehrerCfDatei() +
                             u" fehlt oder lässt sich nicht lesen!"_s});
    }
};

QTEST_GUILESS_MAIN(TestKonfiguration)
#include "tst_konfiguration.moc"
