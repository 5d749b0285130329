// Konfigurationsdateien: Lesen und Schreiben einzelner Abschnitte, Optionen, Laden beim Start.
#include "settings/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>
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
        // Meldung einer unbrauchbaren Ordnerangabe ohne den festen Schluss; %O ist der Testordner
        // (ohne Trenner am Ende), %D die gelesene Datei.
        QTest::addColumn<QString>("meldung");
        QTest::newRow("einfach") << crlf({"[Schule]", "Gesamtschule Nord\\"}) << u"[Schule]"_s
                                 << u"Gesamtschule Nord\\/"_s << QString();
        QTest::newRow("trenner angehaengt") << crlf({"[Test-Ausgabe]", "/srv/aus"})
                                            << u"[Test-Ausgabe]"_s << u"/srv/aus/"_s << QString();
        QTest::newRow("trenner vorhanden") << crlf({"[Test-Ausgabe]", "/srv/aus/"})
                                           << u"[Test-Ausgabe]"_s << u"/srv/aus/"_s << QString();
        QTest::newRow("zweimal, letzter gewinnt") << crlf({"[Schule]", "A", "x", "[Schule]", "B"})
                                                  << u"[Schule]"_s << u"B/"_s << QString();
        QTest::newRow("zweimal, letzter leer")
            << crlf({"[Schule]", "A", "[Schule]", ""}) << u"[Schule]"_s << u"A/"_s << QString();
        QTest::newRow("leerer wert")
            << crlf({"[Schule]", ""}) << u"[Schule]"_s << QString() << QString();
        QTest::newRow("ordnerkonfiguration") << crlf({"[Ordnerkonfiguration]", "2"})
                                             << u"[Ordnerkonfiguration]"_s << u"2/"_s << QString();
        QTest::newRow("kopf als wert")
            << crlf({"[Test-Ausgabe]", "[Test-Abgabe]", "/srv/ab"}) << u"[Test-Ausgabe]"_s
            << QString()
            << u"In der Datei %D, Zeile 2, steht unter [Test-Ausgabe] keine brauchbare "
               "Ordnerangabe („[Test-Abgabe]“): sie ist kein vollständiger Pfad"_s;
        QTest::newRow("kopf als wert wird nicht gesehen")
            << crlf({"[Test-Ausgabe]", "[Test-Abgabe]", "/srv/ab"}) << u"[Test-Abgabe]"_s
            << QString() << QString();
        QTest::newRow("kopf in letzter zeile")
            << QByteArray("x\r\n[Schule]") << u"[Schule]"_s << QString() << QString();
        QTest::newRow("gross/klein zaehlt")
            << crlf({"[schule]", "A"}) << u"[Schule]"_s << QString() << QString();
        QTest::newRow("keine leerzeichen entfernt")
            << crlf({"[Schule] ", "A"}) << u"[Schule]"_s << QString() << QString();
        QTest::newRow("nur lf") << QByteArray("[Schule]\nA\n") << u"[Schule]"_s << u"A/"_s
                                << QString();
        QTest::newRow("umlaut cp1252") << crlf({"[Schule]", "G\xfcnter-Grass-Schule"})
                                       << u"[Schule]"_s << u"Günter-Grass-Schule/"_s << QString();
        QTest::newRow("fehlt") << crlf({"[Test-Abgabe]", "x"}) << u"[Schule]"_s << QString()
                               << QString();
        const QString anfang = u"In der Datei %D, Zeile 2, steht unter "_s;
        QTest::newRow("ordner relativ")
            << crlf({"[Test-Rueckgabe]", "Rueckgabe"}) << u"[Test-Rueckgabe]"_s << QString()
            << anfang + u"[Test-Rueckgabe] keine brauchbare Ordnerangabe („Rueckgabe“): sie ist "
                        "kein vollständiger Pfad"_s;
        QTest::newRow("windows-pfad")
            << crlf({"[Test-Abgabe]", "H:\\Schule\\Abgabe\\"}) << u"[Test-Abgabe]"_s << QString()
            << anfang +
                   u"[Test-Abgabe] keine brauchbare Ordnerangabe („H:\\Schule\\Abgabe\\“): sie "
                   "ist kein vollständiger Pfad"_s;
        QTest::newRow("programmordner relativ")
            << crlf({"[Mivo-Programm-Ordner]", "Mivo"}) << u"[Mivo-Programm-Ordner]"_s << QString()
            << anfang + u"[Mivo-Programm-Ordner] keine brauchbare Ordnerangabe („Mivo“): sie ist "
                        "kein vollständiger Pfad"_s;
        QTest::newRow("steuerzeichen")
            << crlf({"[Test-Ausgabe]", "%O/aus\x1b[2J"}) << u"[Test-Ausgabe]"_s << QString()
            << anfang + u"[Test-Ausgabe] keine brauchbare Ordnerangabe („%O/aus\\x1B[2J“): sie "
                        "enthält Steuerzeichen oder nicht druckbare Zeichen"_s;
        QTest::newRow("wurzel") << crlf({"[Test-Rueckgabe]", "/"}) << u"[Test-Rueckgabe]"_s
                                << QString()
                                << anfang +
                                       u"[Test-Rueckgabe] keine brauchbare Ordnerangabe („/“): "
                                       "sie nennt die Wurzel des Dateisystems"_s;
        QTest::newRow("elternordner fehlt")
            << crlf({"[Test-Ausgabe]", "%O/fehlt/aus"}) << u"[Test-Ausgabe]"_s << QString()
            << anfang + u"[Test-Ausgabe] keine brauchbare Ordnerangabe („%O/fehlt/aus“): weder "
                        "der Ordner noch der Ordner darüber existiert"_s;
        QTest::newRow("ordner fehlt, elternordner da")
            << crlf({"[Test-Ausgabe]", "%O/aus"}) << u"[Test-Ausgabe]"_s << u"%O/aus/"_s
            << QString();
        QTest::newRow("backslash am ende ist trenner")
            << crlf({"[Test-Ausgabe]", "%O\\"}) << u"[Test-Ausgabe]"_s << u"%O/"_s << QString();
    }
    void lesen()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, kopf);
        QFETCH(QString, wert);
        QFETCH(QString, meldung);
        Umgebung u;
        const QString ordner = u.o.pfad().chopped(1);
        const QString datei = u.o.datei(u"Mivo-cf.txt"_s);
        u.o.schreibe(u"Mivo-cf.txt"_s, inhalt.replace("%O", QFile::encodeName(ordner)));
        QCOMPARE(u.k.leseAusDateiDenOrdner(datei, kopf), wert.replace(u"%O"_s, ordner));
        if (meldung.isEmpty()) {
            QVERIFY(u.r.protokoll.isEmpty());
            QVERIFY(u.e.ordnerFehler.isEmpty());
            return;
        }
        // Unbrauchbar: gemeldet mit Datei und Zeile, fuer die Schritte gemerkt, nichts angelegt.
        meldung.replace(u"%O"_s, ordner).replace(u"%D"_s, datei);
        QCOMPARE(u.r.protokoll.size(), 1);
        QCOMPARE(u.r.protokoll[0].art, Rueckfragen::Art::Fehler);
        QVERIFY2(
            u.r.protokoll[0].text.startsWith(meldung + u". Dieser Ordner wird nicht benutzt"_s),
            qPrintable(u.r.protokoll[0].text));
        QVERIFY(u.e.ordnerFehler.value(kopf).startsWith(meldung));
        QCOMPARE(QDir(ordner).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{u"Mivo-cf.txt"_s});
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

    void unveraendertWirdNichtGeschrieben()
    {
        // Der Start schreibt jedes Mal den Basisordner; steht er schon da, bleibt die Datei
        // unberuehrt.
        Umgebung u;
        const QString pfad = u.o.datei(u"Mivo-cf.txt"_s);
        u.o.schreibe(u"Mivo-cf.txt"_s, QByteArray("[Schule]\nA\n"));
        QFile::setPermissions(pfad, QFile::ReadOwner);
        u.k.schreibeInDateiDenOrdner(pfad, u"A"_s, u"[Schule]"_s);
        QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(u.r.protokoll.isEmpty());
        QVERIFY(u.e.speicherErfolg);
        QCOMPARE(u.o.lies(u"Mivo-cf.txt"_s), QByteArray("[Schule]\nA\n"));
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
