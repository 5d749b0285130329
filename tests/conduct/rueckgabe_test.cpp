// Rueckgabe benoteter Tests: Rueckgabeordner, Dokumente, "sp-ind.txt", Bilder, Signaldatei,
// Liste, Zuruecknehmen und die Seitenraender des Druckens.

#include "common/ansitext.h"
#include "common/rtf/rtf.h"
#include "common/rtf/zeilenmodell.h"
#include "conduct/rueckgabe.h"
#include "settings/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

QStringList benoteteKopie(const QString &vorname, const QString &nachname)
{
    return {u" Name:  "_s + vorname + u' ' + nachname,
            u"----------------------------------------"_s,
            u"Physik- Test Nr. 1          Kl.: 7x       Gruppe: A"_s,
            u"Thema: Beispieltest zur Unfallverhütung"_s,
            u"----------------------------------------"_s,
            u"Aufgabe\t1\t2\tges."_s,
            u"max. P.   \t2\t1\t3"_s,
            u"Ergebnis\t2\t0\t2"_s,
            u"Kl.-Treffer\t2\t1"_s,
            u"----------------------------------------"_s,
            u"=================================================================="_s,
            u"Dein Testergebnis:      Notenpunkte: 10,         Note (E/G): 2/1"_s,
            u"=================================================================="_s,
            QString(),
            u"1)\t[2 P] Was tust du zuerst, wenn ein Feuer ausbricht?"_s,
            u"\ta) Ich lösche es."_s,
            u"=x\tb) Ich sage der Lehrkraft Bescheid."_s,
            u"\tc) Nichts."_s,
            u"\td) Fenster auf."_s};
}

struct Aufbau
{
    Testordner ordner;
    Einstellungen e;
    TestPfade test;
    Aufbau()
    {
        e.basisOrdner = ordner.pfad();
        e.rueckgabeOrdner = ordner.pfad() + u"Server/Rueckgabe/"_s;
        e.lehrername = u"Meier/"_s;
        test = TestPfade{e.basisOrdner, u"2016-17"_s, u"7xP1Bspl"_s};
        QVERIFY(QDir().mkpath(test.benotetOrdner()));
        QVERIFY(QDir().mkpath(test.bilderOrdner()));
        QVERIFY(ansiZeilenSchreiben(test.benotetOrdner() + u"Schmidtb.K7x"_s,
                                    benoteteKopie(u"Karl"_s, u"Schmidtbauer"_s))
                    .ok());
        QVERIFY(ansiZeilenSchreiben(test.benotetOrdner() + u"Öztürk.A7x"_s,
                                    benoteteKopie(u"Ayşe"_s.replace(u'ş', u's'), u"Öztürk"_s))
                    .ok());
        QVERIFY(ansiZeilenSchreiben(test.benotetOrdner() + u"Zusammenfassung.Doc"_s,
                                    {u"Ergebnisse aller Schüler"_s})
                    .ok());
        dateiSchreiben(test.bilderOrdner() + u"01-1.jpg"_s, "bild");
    }
    QString ziel() const { return e.rueckgabeOrdner + u"Meier/7x/"_s; }
};

QStringList dateien(const QString &ordner)
{
    return QDir(ordner).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestRueckgabe : public QObject
{
    Q_OBJECT

private slots:
    void namen_data()
    {
        QTest::addColumn<QString>("persoenlich");
        QTest::addColumn<QString>("dokument");
        QTest::newRow("einfach") << u"Schmidtb.K7x"_s
                                 << u"Mivo-Test 2026-12-07 7xP1Bspl- Schmidtb.K- benotet.Doc"_s;
        QTest::newRow("kurzer Name")
            << u"Li.A7x"_s << u"Mivo-Test 2026-12-07 7xP1Bspl- Li.A- benotet.Doc"_s;
        QTest::newRow("Name mit Bindestrich")
            << u"Meyer-Lu.P7x"_s << u"Mivo-Test 2026-12-07 7xP1Bspl- Meyer-Lu.P- benotet.Doc"_s;
    }
    void namen()
    {
        QFETCH(QString, persoenlich);
        QFETCH(QString, dokument);
        QCOMPARE(rueckgabeDokumentName(QDate(2026, 12, 7), u"7xP1Bspl"_s, persoenlich), dokument);
        QCOMPARE(rueckgabeAnzeigename(dokument), persoenlich.chopped(2));
    }

    void zurueckgebenMitSpeichern()
    {
        Aufbau a;
        SkriptRueckfragen r;
        const FesteUhr uhr(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        const Rueckgabe g = testZurueckgeben(a.test, a.e, true, uhr, r);
        QVERIFY2(g.ok, qPrintable(r.meldungen().join(u'\n')));
        QCOMPARE(r.meldungen(), QStringList());
        QCOMPARE(g.zielOrdner, a.ziel());
        QCOMPARE(g.liste, (QStringList{u"Schmidtb.K"_s, u"Öztürk.A"_s}));
        QVERIFY(g.mitBildern);
        // Die Zusammenfassung mit den Ergebnissen aller Schueler wird nicht zurueckgegeben.
        QCOMPARE(dateien(a.ziel()),
                 (QStringList{
                     u"Bilder"_s, u"Mivo-Test 2026-12-07 7xP1Bspl- Schmidtb.K- benotet.Doc"_s,
                     u"Mivo-Test 2026-12-07 7xP1Bspl- Öztürk.A- benotet.Doc"_s, u"sp-ind.txt"_s}));
        QCOMPARE(QFileInfo(a.ziel() + u"sp-ind.txt"_s).size(), 0);
        QCOMPARE(dateiInhalt(a.ziel() + u"Bilder/01-1.jpg"_s), QByteArray("bild"));
        QCOMPARE(g.signalDatei, a.e.rueckgabeOrdner + u"7x-Meier-7xP1Bspl.tmp"_s);
        QCOMPARE(dateiInhalt(g.signalDatei), QByteArray("2026-12-07\r\n"));
        QCOMPARE(zurueckgegebeneDokumente(a.test, a.e),
                 (QStringList{u"Schmidtb.K"_s, u"Öztürk.A"_s}));

        // Das Dokument: Text der benoteten Kopie, mit den Formaten des Editors.
        QTextDocument doc;
        QCOMPARE(rtfDateiLaden(
                     a.ziel() + u"Mivo-Test 2026-12-07 7xP1Bspl- Schmidtb.K- benotet.Doc"_s, doc),
                 QString());
        QCOMPARE(Zeilenmodell(doc).alle(), benoteteKopie(u"Karl"_s, u"Schmidtbauer"_s));
        auto format = [&doc](int z) {
            QTextCursor c(doc.findBlockByNumber(z));
            c.movePosition(QTextCursor::NextCharacter);
            return c.charFormat();
        };
        QCOMPARE(format(1).foreground().color(), QColor(255, 0, 0));
        QCOMPARE(format(3).fontWeight(), int(QFont::Bold));
        QVERIFY(format(14).fontUnderline());
        QVERIFY(!format(15).fontUnderline());
        // Der lange Kopf der Schuelerkopien bleibt ohne Einzug, die Antworten ruecken ein.
        QCOMPARE(doc.findBlockByNumber(11).blockFormat().leftMargin(), 0.0);
        QCOMPARE(pixelZuPunkt(doc.findBlockByNumber(14).blockFormat().leftMargin()), 35.0);
    }

    // Zweimal zurueckgeben, zuletzt nur lesend: es liegen nur die neuen Dokumente da, und
    // "sp-ind.txt" ist weg.
    void zweimalZuletztNurLesen()
    {
        Aufbau a;
        SkriptRueckfragen r;
        QVERIFY(
            testZurueckgeben(a.test, a.e, true, FesteUhr(QDateTime(QDate(2026, 12, 7), {})), r).ok);
        const Rueckgabe g =
            testZurueckgeben(a.test, a.e, false, FesteUhr(QDateTime(QDate(2026, 12, 8), {})), r);
        QVERIFY(g.ok);
        QCOMPARE(
            dateien(a.ziel()),
            (QStringList{u"Bilder"_s, u"Mivo-Test 2026-12-08 7xP1Bspl- Schmidtb.K- benotet.Doc"_s,
                         u"Mivo-Test 2026-12-08 7xP1Bspl- Öztürk.A- benotet.Doc"_s}));
    }

    // Im Rueckgabeordner liegt auch Fremdes (eine Notiz, die Rueckgabe eines anderen Tests, ein
    // fremdes Bild): Zurueckgeben und Zuruecknehmen loeschen nur, was die Rueckgabe schrieb.
    void fremdesBleibt()
    {
        Aufbau a;
        SkriptRueckfragen r;
        QVERIFY(
            testZurueckgeben(a.test, a.e, true, FesteUhr(QDateTime(QDate(2026, 12, 7), {})), r).ok);
        const QString anderer = u"Mivo-Test 2026-12-01 7xP2Elek- Schmidtb.K- benotet.Doc"_s;
        dateiSchreiben(a.ziel() + u"notiz.txt"_s, "fremd");
        dateiSchreiben(a.ziel() + anderer, "anderer Test");
        dateiSchreiben(a.ziel() + u"Bilder/02-1.jpg"_s, "fremdes Bild");
        const Rueckgabe g =
            testZurueckgeben(a.test, a.e, false, FesteUhr(QDateTime(QDate(2026, 12, 8), {})), r);
        QVERIFY2(g.ok, qPrintable(r.meldungen().join(u'\n')));
        QCOMPARE(dateien(a.ziel()),
                 (QStringList{u"Bilder"_s, anderer,
                              u"Mivo-Test 2026-12-08 7xP1Bspl- Schmidtb.K- benotet.Doc"_s,
                              u"Mivo-Test 2026-12-08 7xP1Bspl- Öztürk.A- benotet.Doc"_s,
                              u"notiz.txt"_s}));
        QCOMPARE(dateien(a.ziel() + u"Bilder"_s), (QStringList{u"01-1.jpg"_s, u"02-1.jpg"_s}));
        QCOMPARE(zurueckgegebeneDokumente(a.test, a.e),
                 (QStringList{u"Schmidtb.K"_s, u"Öztürk.A"_s}));

        QVERIFY(!rueckgabeZuruecknehmen(a.test, a.e, r));
        QVERIFY(!QFileInfo::exists(g.signalDatei));
        QCOMPARE(dateien(a.ziel()), (QStringList{u"Bilder"_s, anderer, u"notiz.txt"_s}));
        QCOMPARE(dateien(a.ziel() + u"Bilder"_s), QStringList{u"02-1.jpg"_s});
        QCOMPARE(dateiInhalt(a.ziel() + u"notiz.txt"_s), QByteArray("fremd"));
        QVERIFY(rueckgabeZuruecknehmen(a.test, a.e, r));
        QCOMPARE(r.meldungen(), QStringList());
    }

    // Was nicht vollstaendig zurueckgegeben werden kann, wird den Schuelern nicht gezeigt, und
    // die Meldung nennt, was fehlt. Eine unlesbare Kopie haelt alles an (die fruehere Rueckgabe
    // bleibt, wie sie war); scheitert das Schreiben, ist auch die fruehere nicht mehr sichtbar.
    void unvollstaendig_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Kopie unlesbar") << u"unlesbar"_s << u"Es wurde nichts zurückgegeben."_s;
        QTest::newRow("Dokument nicht schreibbar")
            << u"ordner"_s
            << u"fehlt: Mivo-Test 2026-12-08 7xP1Bspl- Öztürk.A- benotet.Doc.\r\nDie "
               "Signaldatei wurde nicht geschrieben"_s;
    }
    void unvollstaendig()
    {
        QFETCH(QString, fall);
        QFETCH(QString, meldung);
        Aufbau a;
        SkriptRueckfragen r;
        QVERIFY(
            testZurueckgeben(a.test, a.e, true, FesteUhr(QDateTime(QDate(2026, 12, 7), {})), r).ok);
        if (fall == u"unlesbar"_s) {
            dateiSchreiben(a.test.benotetOrdner() + u"Kaputt.X7x"_s, QByteArray("Name\0\0", 6));
        } else {
            QVERIFY(QDir().mkpath(a.ziel() +
                                  u"Mivo-Test 2026-12-08 7xP1Bspl- Öztürk.A- benotet.Doc"_s));
        }
        const QStringList vorher = dateien(a.ziel());
        const Rueckgabe g =
            testZurueckgeben(a.test, a.e, false, FesteUhr(QDateTime(QDate(2026, 12, 8), {})), r);
        QVERIFY(!g.ok);
        QVERIFY2(r.letzteMeldung().contains(meldung), qPrintable(r.letzteMeldung()));
        QCOMPARE(r.protokoll.last().art, Rueckfragen::Art::Fehler);
        if (fall == u"unlesbar"_s) {
            QVERIFY(r.letzteMeldung().contains(u"Kaputt.X7x"_s));
            QCOMPARE(dateien(a.ziel()), vorher); // nichts angeruehrt, die alte bleibt sichtbar
            QVERIFY(QFileInfo::exists(a.e.rueckgabeOrdner + u"7x-Meier-7xP1Bspl.tmp"_s));
        } else {
            QVERIFY(!QFileInfo::exists(a.e.rueckgabeOrdner + u"7x-Meier-7xP1Bspl.tmp"_s));
        }
    }

    // Ohne benotete Kopie: Meldung, und ein frueher zurueckgegebener Test bleibt liegen.
    void ohneBenoteteKopien()
    {
        Aufbau a;
        SkriptRueckfragen r;
        QVERIFY(
            testZurueckgeben(a.test, a.e, true, FesteUhr(QDateTime(QDate(2026, 12, 7), {})), r).ok);
        const QStringList vorher = dateien(a.ziel());
        TestPfade leer{a.e.basisOrdner, u"2016-17"_s, u"7xP2Elek"_s};
        QVERIFY(QDir().mkpath(leer.benotetOrdner()));
        dateiSchreiben(leer.benotetOrdner() + u"Zusammenfassung.Doc"_s, "x");
        const Rueckgabe g =
            testZurueckgeben(leer, a.e, true, FesteUhr(QDateTime(QDate(2026, 12, 9), {})), r);
        QVERIFY(!g.ok);
        QCOMPARE(r.letzteMeldung(), u"Achtung: Die Datei(en) konnte(n) nicht kopiert werden!"_s);
        QCOMPARE(dateien(a.ziel()), vorher);
    }

    void ordnerNichtAnlegbar()
    {
        Aufbau a;
        dateiSchreiben(a.e.rueckgabeOrdner.chopped(1), "eine Datei, wo ein Ordner sein soll");
        SkriptRueckfragen r;
        QVERIFY(!testZurueckgeben(a.test, a.e, true, FesteUhr(QDateTime(QDate(2026, 12, 7), {})), r)
                     .ok);
        QCOMPARE(r.letzteMeldung(),
                 u"Der Bereitstellungsordner konnte nicht korrekt erstellt werden!"_s);
    }

    // Eine unbrauchbare Ordnerangabe wird nie relativ zum Arbeitsordner benutzt: die Rueckgabe
    // weigert sich mit der Meldung, die Datei und Zeile nennt, legt nichts an und loescht nichts.
    void unbrauchbarerRueckgabeordner()
    {
        Aufbau a;
        Testordner arbeit;
        arbeit.schreibe(u"Rueckgabe/Meier/7x/fremd.txt"_s, "gehört jemand anderem");
        const QString server = a.ordner.pfad() + u"Server/"_s;
        QVERIFY(QDir().mkpath(server));
        a.ordner.schreibe(u"Mivo-Kl-cf.txt"_s, "[Mivo-Programm-Ordner]\r\n" +
                                                   QFile::encodeName(server) +
                                                   "\r\n[Lehrername]\r\nMeier\r\n"
                                                   "[Lehrer-Klassen-Ordner]\r\n" +
                                                   QFile::encodeName(a.ordner.pfad()) + "\r\n");
        dateiSchreiben(server + u"Mivo-cf.txt"_s,
                       "[Test-Ausgabe]\r\n" + QFile::encodeName(server) + "\r\n[Test-Abgabe]\r\n" +
                           QFile::encodeName(server) + "\r\n[Test-Rueckgabe]\r\nRueckgabe\r\n");
        Einstellungen e;
        e.programmOrdner = a.ordner.pfad();
        SkriptRueckfragen r;
        Konfiguration k(e, r);
        const QString vorher = QDir::currentPath();
        QVERIFY(QDir::setCurrent(arbeit.pfad()));
        const bool geladen = k.einstellungenLaden();
        const Rueckgabe g =
            testZurueckgeben(a.test, e, true, FesteUhr(QDateTime(QDate(2026, 12, 7), {})), r);
        QVERIFY(QDir::setCurrent(vorher));
        QVERIFY(geladen);
        QVERIFY(!g.ok);
        const QString meldung = u"In der Datei "_s + server +
                                u"Mivo-cf.txt, Zeile 6, steht unter [Test-Rueckgabe] keine "
                                "brauchbare Ordnerangabe („Rueckgabe“): sie ist kein "
                                "vollständiger Pfad. Dieser Ordner wird nicht benutzt"_s;
        QVERIFY2(r.letzteMeldung().startsWith(meldung), qPrintable(r.letzteMeldung()));
        QCOMPARE(dateien(arbeit.pfad()), QStringList{u"Rueckgabe"_s});
        QCOMPARE(dateien(arbeit.pfad() + u"Rueckgabe/Meier/7x/"_s), QStringList{u"fremd.txt"_s});
        QCOMPARE(dateien(server), QStringList{u"Mivo-cf.txt"_s});
    }

    void zuruecknehmen()
    {
        Aufbau a;
        SkriptRueckfragen r;
        const Rueckgabe g =
            testZurueckgeben(a.test, a.e, true, FesteUhr(QDateTime(QDate(2026, 12, 7), {})), r);
        QVERIFY(g.ok);
        QVERIFY(!rueckgabeZuruecknehmen(a.test, a.e, r));
        QCOMPARE(dateien(a.ziel()), QStringList());
        QVERIFY(!QFileInfo::exists(g.signalDatei));
        QCOMPARE(zurueckgegebeneDokumente(a.test, a.e), QStringList());
        QVERIFY(rueckgabeZuruecknehmen(a.test, a.e, r));
        // Die benoteten Kopien im Testordner bleiben.
        QCOMPARE(dateien(a.test.benotetOrdner()).size(), 3);
    }

    void druckkopie()
    {
        Aufbau a;
        QTextDocument doc;
        QCOMPARE(benoteteKopieLaden(a.test.benotetOrdner() + u"Schmidtb.K7x"_s, doc, true),
                 QString());
        QTextCursor c(doc.findBlockByNumber(2));
        c.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(c.charFormat().fontPointSize(), 12.0);
        QCOMPARE(c.charFormat().fontWeight(), int(QFont::Bold));
        const QString fehlt = a.test.benotetOrdner() + u"Fehlt.X7x"_s;
        QVERIFY(benoteteKopieLaden(fehlt, doc, true).contains(fehlt));
    }

    void druckbereich_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<double>("links");
        QTest::addColumn<double>("oben");
        QTest::addColumn<int>("l");
        QTest::addColumn<int>("o");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("u");
        // Seite 4960 x 7016, Versatz 100 / 50, rechter Rand 0, unterer Rand wie oben.
        QTest::newRow("600 dpi, Testraender")
            << 600.0 << kRandLinks << kRandOben << 320 << 130 << 4860 << 6786;
        QTest::newRow("halbe Pixel zur geraden Zahl")
            << 125.0 << 0.5 << 0.5 << -38 << 12 << 4860 << 6904;
        QTest::newRow("ohne Raender") << 300.0 << 0.0 << 0.0 << -100 << -50 << 4860 << 6966;
    }
    void druckbereich()
    {
        QFETCH(double, dpi);
        QFETCH(double, links);
        QFETCH(double, oben);
        QFETCH(int, l);
        QFETCH(int, o);
        QFETCH(int, r);
        QFETCH(int, u);
        const Seitenmasse s{dpi, dpi, 4960, 7016, 100, 50};
        const Druckrechteck d = ::druckbereich(s, oben, oben, kRandRechts, links);
        QCOMPARE(d, (Druckrechteck{l, o, r, u}));
    }
};

QTEST_MAIN(TestRueckgabe)
#include "rueckgabe_test.moc"
