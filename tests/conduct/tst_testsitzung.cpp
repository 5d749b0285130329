// Die Sitzung der Testauswahl ohne Fenster: Ablaeufe aus Waehlen, Austeilen, Einsammeln,
// Zurueckziehen, Benoten, Zurueckgeben und Moduswechsel; geprueft wird, welche Schritte danach
// moeglich sind, wie das Fenster sie zeigt.
#include "common/ansitext.h"
#include "common/ordner.h"
#include "conduct/benotungslauf.h"
#include "conduct/testsitzung.h"
#include "conduct/testsperre.h"
#include "settings/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kJahr = u"2024-25"_s;
const QString kCode = u"7xP1Bspl"_s;
const QString kZweiter = u"7xP2Bspl"_s; // gleiche Klasse, nie ausgeteilt
const QString kAlt = u"2023-24"_s;

QStringList moeglich(const Testsitzung::Moeglichkeiten &m)
{
    QStringList l;
    const std::pair<bool, QString> alle[] = {{m.namensfelder, u"namen"_s},
                                             {m.schuljahr, u"schuljahr"_s},
                                             {m.bereitStellen, u"bereit"_s},
                                             {m.rueckgabeNurLesen, u"nurLesen"_s},
                                             {m.benoten, u"benoten"_s},
                                             {m.drucken, u"drucken"_s},
                                             {m.druckenEmpfohlen, u"druckRahmen"_s}};
    for (const auto &[an, name] : alle) {
        if (an) {
            l << name;
        }
    }
    return l;
}

} // namespace

class TestTestsitzung : public QObject
{
    Q_OBJECT
    Testordner t;
    Einstellungen e;
    FesteUhr uhr{QDateTime(QDate(2024, 11, 5), QTime(9, 30))};
    FolgeZufall zufall{{1, 2, 0, 0, 3, 1, 1, 0}};
    std::unique_ptr<Testsperre> fremd; // Sperre eines anderen Schreibers

    TestPfade pfade(const QString &jahr, const QString &code) const
    {
        return {e.basisOrdner, jahr, code};
    }

    // Ein Schritt, wie das Fenster ihn an die Sitzung gibt. false: der Schritt hat abgebrochen.
    bool schritt(Testsitzung &s, SkriptRueckfragen &r, const QString &was)
    {
        const TestPfade test = pfade(kJahr, kCode);
        if (was == u"konstruktion") {
            s.modusSetzen(Testsitzung::Modus::Konstruktion);
            return true;
        }
        if (was == u"durchfuehrung") {
            s.modusSetzen(Testsitzung::Modus::Durchfuehrung);
            return true;
        }
        if (was == u"rueckgabe") {
            s.modusSetzen(Testsitzung::Modus::Rueckgabe);
            return true;
        }
        if (was == u"waehlen" || was == u"waehlen2" || was == u"waehlenAlt") {
            const TestPfade t = was == u"waehlen"    ? test
                                : was == u"waehlen2" ? pfade(kJahr, kZweiter)
                                                     : pfade(kAlt, kCode);
            if (!s.waehlen(t)) {
                return false;
            }
            s.klasseZurWahlLaden(!s.konstruktion());
            return true;
        }
        if (was == u"benennen") { // ins Klassenfeld getippt: Kuerzel mit Platzhaltern
            s.benennen(pfade(kJahr, u"7x......"_s));
            return true;
        }
        if (was == u"festlegen") {
            s.festlegenFallsMoeglich();
            return s.festgelegt();
        }
        if (was == u"kopien") {
            r.antworte(Rueckfragen::Knopf::Ok); // "Kopien fertig gestellt"
            if (!s.klasseFuerTestLaden(true)) {
                return false;
            }
            const Kopien k = s.kopienAnfertigen();
            return k == Kopien::Neu || k == Kopien::Vorhanden;
        }
        if (was == u"austeilen") {
            return s.bereitstellen(false);
        }
        if (was == u"zurueckgeben") {
            return s.bereitstellen(true);
        }
        if (was == u"abgeben") { // ein Schueler gibt seine Kopie ab, wie das Schuelerprogramm
            const QString name = dateienNachMuster(test.kopienOrdner(), u"*"_s).value(0);
            const QString eingang = e.abgabeOrdner + e.lehrername + u"DropBox/"_s;
            return !name.isEmpty() && QDir().mkpath(eingang) &&
                   QFile::copy(test.kopienOrdner() + name, eingang + name);
        }
        if (was == u"einsammeln") {
            for (int takt = 0; takt < 5; ++takt) {
                if (s.einsammeln().eingesammelt) {
                    return true;
                }
            }
            return false;
        }
        if (was == u"zurueckziehen") {
            return s.zurueckziehen();
        }
        if (was == u"benoten") {
            Benotungslauf lauf;
            return s.benoten(QString(), lauf) == Ablauf::Ok;
        }
        if (was == u"druck") {
            s.druckEinrichten();
            return true;
        }
        if (was == u"ordnerWeg") {
            return QDir(test.testOrdner()).removeRecursively();
        }
        if (was == u"klasseWeg") {
            return QFile::remove(test.schuljahrOrdner() + u"L-7x-Ph.DTA"_s);
        }
        if (was == u"sperren") {
            fremd = std::make_unique<Testsperre>(test);
            return fremd->versuchen();
        }
        qFatal("unbekannter Schritt %s", qPrintable(was));
    }

private slots:
    void initTestCase()
    {
        setzeAbgabeRuhezeitMs(0);
        setzeTestsperreWartezeitMs(0);
    }

    void init()
    {
        fremd.reset();
        QDir(t.pfad()).removeRecursively();
        QDir().mkpath(t.pfad());
        e.basisOrdner = e.programmOrdner = t.pfad() + u"basis/"_s;
        e.ausgabeOrdner = t.pfad() + u"server/aus/"_s;
        e.abgabeOrdner = t.pfad() + u"server/ab/"_s;
        e.rueckgabeOrdner = t.pfad() + u"server/rueck/"_s;
        e.lehrername = u"Meier/"_s;
        const QString beispiel =
            QStringLiteral(MIVO_QUELLE "/basisordner/2016-17 Beispiele/7xP1Bspl");
        const TestPfade test = pfade(kJahr, kCode);
        const TestPfade zweiter = pfade(kJahr, kZweiter);
        const TestPfade alt = pfade(kAlt, kCode);
        QVERIFY(baumKopieren(beispiel, test.testOrdner()));
        QVERIFY(baumKopieren(beispiel, alt.testOrdner()));
        QVERIFY(baumKopieren(beispiel, zweiter.testOrdner()));
        QVERIFY(QFile::rename(zweiter.testOrdner() + kCode + u".__A"_s, zweiter.vorlage(u'A')));
        QVERIFY(dateiKopieren(QStringLiteral(MIVO_BASIS "/2016-17 Beispiele/L-7x-Ph.DTA"),
                              test.schuljahrOrdner() + u"L-7x-Ph.DTA"_s));
    }

    void ablaeufe_data()
    {
        QTest::addColumn<QStringList>("schritte");
        QTest::addColumn<bool>("letzterOk"); // Ergebnis des letzten Schritts
        QTest::addColumn<QStringList>("moeglich");
        QTest::addColumn<bool>("gewaehlt");
        QTest::addColumn<bool>("laeuft");

        const QStringList namen{u"namen"_s};
        const QStringList ausgeteilt{u"durchfuehrung"_s, u"waehlen"_s, u"kopien"_s, u"austeilen"_s};
        const QStringList eingesammelt = ausgeteilt + QStringList{u"abgeben"_s, u"einsammeln"_s};
        const QStringList benotet = eingesammelt + QStringList{u"zurueckziehen"_s, u"benoten"_s};
        const QStringList zurueck = benotet + QStringList{u"rueckgabe"_s, u"waehlen"_s};

        QTest::newRow("Durchführung, nichts gewählt: nur die Namensfelder")
            << QStringList{u"durchfuehrung"_s} << true << namen << false << false;
        QTest::newRow("Konstruktion: auch das Schuljahr, keine Durchführung")
            << QStringList{u"konstruktion"_s, u"waehlen"_s} << true
            << QStringList{u"namen"_s, u"schuljahr"_s} << true << false;
        QTest::newRow("gewählt mit Klasse: austeilen, noch nichts zu benoten")
            << QStringList{u"durchfuehrung"_s, u"waehlen"_s} << true
            << QStringList{u"namen"_s, u"bereit"_s} << true << false;
        QTest::newRow("Klassendatei fehlt: weder austeilen noch benoten")
            << QStringList{u"klasseWeg"_s, u"durchfuehrung"_s, u"waehlen"_s} << true << namen
            << true << false;
        QTest::newRow("Rückgabe, Testordner fehlt: nichts gewählt, nichts zu drucken")
            << QStringList{u"rueckgabe"_s, u"ordnerWeg"_s, u"waehlen"_s} << false << namen << false
            << false;
        QTest::newRow("Test eines früheren Schuljahres: keine Klasse, nicht festgelegt")
            << QStringList{u"durchfuehrung"_s, u"waehlenAlt"_s, u"festlegen"_s} << false << namen
            << true << false;
        QTest::newRow("aktueller Test wird festgelegt")
            << QStringList{u"durchfuehrung"_s, u"waehlen"_s, u"festlegen"_s} << true
            << QStringList{u"namen"_s, u"bereit"_s} << true << false;
        QTest::newRow("ausgeteilt: Felder gesperrt, kein zweites Austeilen")
            << ausgeteilt << true << QStringList{} << true << true;
        QTest::newRow("Abgabe eingesammelt: benoten möglich")
            << eingesammelt << true << QStringList{u"benoten"_s} << true << true;
        QTest::newRow("zurückgezogen: austeilen und benoten, Schuljahr bleibt fest")
            << eingesammelt + QStringList{u"zurueckziehen"_s} << true
            << QStringList{u"namen"_s, u"bereit"_s, u"benoten"_s} << true << false;
        QTest::newRow("Testsperre belegt: Zurückziehen scheitert, der Test bleibt ausgeteilt")
            << eingesammelt + QStringList{u"sperren"_s, u"zurueckziehen"_s} << false
            << QStringList{u"benoten"_s} << true << true;
        QTest::newRow("anderer Test gewählt: dessen Abgaben fehlen, nichts zu benoten")
            << eingesammelt + QStringList{u"zurueckziehen"_s, u"waehlen2"_s} << true
            << QStringList{u"namen"_s, u"bereit"_s} << true << false;
        QTest::newRow("anderer Test benannt: die Wahl verfällt")
            << eingesammelt + QStringList{u"zurueckziehen"_s, u"benennen"_s} << true << namen
            << false << false;
        QTest::newRow("Rückgabe gewählt: zurückgeben, nur lesen, drucken")
            << zurueck << true
            << QStringList{u"namen"_s, u"bereit"_s, u"nurLesen"_s, u"drucken"_s, u"druckRahmen"_s}
            << true << false;
        QTest::newRow("Rückgabe früheres Schuljahr: ohne Klasse nur drucken")
            << QStringList{u"rueckgabe"_s, u"waehlenAlt"_s} << true
            << QStringList{u"namen"_s, u"drucken"_s, u"druckRahmen"_s} << true << false;
        QTest::newRow("zurückgegeben: Felder gesperrt, drucken bleibt")
            << zurueck + QStringList{u"zurueckgeben"_s} << true
            << QStringList{u"drucken"_s, u"druckRahmen"_s} << true << true;
        QTest::newRow("Rückgabe zurückgenommen: alles wieder möglich")
            << zurueck + QStringList{u"zurueckgeben"_s, u"zurueckziehen"_s} << true
            << QStringList{u"namen"_s, u"bereit"_s, u"nurLesen"_s, u"drucken"_s, u"druckRahmen"_s}
            << true << false;
        QTest::newRow("Druck eingerichtet: kein Rahmen mehr um Drucken")
            << QStringList{u"rueckgabe"_s, u"waehlen"_s, u"druck"_s} << true
            << QStringList{u"namen"_s, u"bereit"_s, u"nurLesen"_s, u"drucken"_s} << true << false;
        QTest::newRow("neuer Modus: Wahl und Druck verfallen")
            << QStringList{u"rueckgabe"_s, u"waehlen"_s, u"druck"_s, u"rueckgabe"_s, u"waehlen"_s}
            << true
            << QStringList{u"namen"_s, u"bereit"_s, u"nurLesen"_s, u"drucken"_s, u"druckRahmen"_s}
            << true << false;
        QTest::newRow("zurückgegeben, zur Konstruktion: die Rückgabe ist zurückgenommen")
            << zurueck + QStringList{u"zurueckgeben"_s, u"konstruktion"_s} << true
            << QStringList{u"namen"_s, u"schuljahr"_s} << false << false;
        QTest::newRow("ausgeteilt, zur Rückgabe: die Durchführung ist beendet")
            << eingesammelt + QStringList{u"rueckgabe"_s, u"waehlen"_s} << true
            << QStringList{u"namen"_s, u"bereit"_s, u"nurLesen"_s, u"drucken"_s, u"druckRahmen"_s}
            << true << false;
    }

    void ablaeufe()
    {
        QFETCH(QStringList, schritte);
        QFETCH(bool, letzterOk);
        QFETCH(QStringList, moeglich);
        QFETCH(bool, gewaehlt);
        QFETCH(bool, laeuft);

        SkriptRueckfragen r;
        Testsitzung s(e, r, uhr, zufall);
        QSignalSpy geaendert(&s, &Testsitzung::geaendert);
        bool ok = true;
        for (const QString &was : schritte) {
            QVERIFY2(ok, qPrintable(r.meldungen().join(u'\n'))); // nur der letzte darf scheitern
            // Das Fenster zeigt nur, was geaendert() meldet.
            const Testsitzung::Moeglichkeiten vorher = s.moeglichkeiten();
            geaendert.clear();
            ok = schritt(s, r, was);
            QVERIFY2(s.moeglichkeiten() == vorher || !geaendert.isEmpty(), qPrintable(was));
        }
        QVERIFY2(ok == letzterOk, qPrintable(r.meldungen().join(u'\n')));
        QCOMPARE(::moeglich(s.moeglichkeiten()), moeglich);
        QCOMPARE(s.gewaehlt(), gewaehlt);
        QCOMPARE(s.laeuft(), laeuft);
        // Bereit liegt etwas genau waehrend eines Laufs (ausgeteilt oder zurueckgegeben).
        const QStringList bereit =
            dateienNachMuster(e.ausgabeOrdner + e.lehrername + u"7x/"_s, u"*"_s) +
            dateienNachMuster(e.rueckgabeOrdner + e.lehrername + u"7x/"_s, u"*"_s);
        QCOMPARE(!bereit.isEmpty(), laeuft);
    }
};

QTEST_GUILESS_MAIN(TestTestsitzung)
#include "tst_testsitzung.moc"
