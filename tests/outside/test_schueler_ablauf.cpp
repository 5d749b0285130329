// Lehrkraft und Klasse zusammen: die Lehrerlogik teilt den Beispieltest an die Beispielklasse
// aus, 25 Schuelersitzungen geben zufaellig, aber reproduzierbar gewaehlte Kreuze ab, waehrend
// die Einsammlung laeuft; nach dem Benoten zeigt jede benotete Kopie genau die gewaehlten
// Antworten. Dazu das Rennen einer 1-MiB-Abgabe gegen eine Einsammlung in der Schleife.
#include "classdata/klassendatei.h"
#include "common/ansitext.h"
#include "common/ordner.h"
#include "conduct/benotung.h"
#include "conduct/einsammeln.h"
#include "conduct/verteilung.h"
#include "outside/abgabe.h"
#include "outside/schuelerprogramm.h"
#include "outside/schuelerseite.h"
#include "outside/testbogen.h"
#include "settings/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <atomic>
#include <random>
#include <thread>

using namespace Qt::StringLiterals;
using namespace schuelerseite;

namespace {

const QString kJahr = u"2024-25"_s;
const QString kCode = u"7xP1Bspl"_s;

// Die Kreuze einer benoteten Kopie je Aufgabe: Buchstabe der angekreuzten Antwortzeile
// ("x..." oder, bei richtiger Antwort, "=x..."), leer ohne Kreuz, "?" bei mehreren.
QStringList kreuzeDerBenotetenKopie(const QStringList &zeilen)
{
    QStringList kreuze;
    for (const QString &z : zeilen) {
        if (istFragezeile(z)) {
            kreuze << QString();
            continue;
        }
        const QString ohneGleich = z.startsWith(u'=') ? z.mid(1) : z;
        if (kreuze.isEmpty() || !ohneGleich.startsWith(u'x') || ohneGleich.size() < 4 ||
            ohneGleich[3] != u')') {
            continue;
        }
        kreuze.back() = kreuze.back().isEmpty() ? QString(ohneGleich[2]) : u"?"_s;
    }
    return kreuze;
}

} // namespace

class TestSchuelerAblauf : public QObject
{
    Q_OBJECT
    Testordner t;
    Einstellungen e;
    Konfig k;
    TestPfade test;
    Klasse klasse;
    FesteUhr uhr{QDateTime(QDate(2024, 11, 5), QTime(9, 30))};

    void einrichten(Testordner &o, Einstellungen &e, Konfig &k, TestPfade &test)
    {
        e.basisOrdner = e.programmOrdner = o.pfad() + u"basis/"_s;
        const QString server = o.pfad() + u"basis/Mivo-Dateien (Schulserver)/"_s;
        e.ausgabeOrdner = k.ausgabeOrdner = server + u"Ausgabe/"_s;
        e.abgabeOrdner = k.abgabeOrdner = server + u"Abgabe/"_s;
        e.rueckgabeOrdner = k.rueckgabeOrdner = server + u"Rueckgabe/"_s;
        k.schuelerOrdner = server + u"Schueler/"_s;
        QDir().mkpath(k.schuelerOrdner);
        QDir().mkpath(k.abgabeOrdner);
        e.lehrername = u"Meier/"_s;
        test = {e.basisOrdner, kJahr, kCode};
    }

private slots:
    void initTestCase()
    {
        einrichten(t, e, k, test);
        QVERIFY(baumKopieren(QStringLiteral(MIVO_QUELLE "/basisordner/2016-17 Beispiele/7xP1Bspl"),
                             test.testOrdner()));
        QVERIFY(dateiKopieren(QStringLiteral(MIVO_BASIS "/2016-17 Beispiele/L-7x-Ph.DTA"),
                              test.schuljahrOrdner() + u"L-7x-Ph.DTA"_s));
        SkriptRueckfragen r;
        QVERIFY(klasseLadenAusDatei(klassenDateiErmitteln(test, r, true), klasse, r));
        r.antworte(Rueckfragen::Knopf::Ok);
        StdZufall zufall(7);
        QCOMPARE(kopienAnfertigen(test, klasse, zufall, r), Kopien::Neu);
        QVERIFY(testBereitStellen(test, e, uhr, r).ok);
        QVERIFY(r.meldungen().isEmpty());
    }

    void ganzeKlasse()
    {
        // Die Schueler finden den Test ueber die getippte Klasse.
        const Suche s =
            bereitgestellteSuchen(k.ausgabeOrdner, klassenkuerzelAusEingabe(u"7x"_s), Art::Test);
        QCOMPARE(s.gefunden.size(), 1);
        const Bereitgestellt angebot = s.gefunden[0];
        QCOMPARE(angebot.thema, u"Beispieltest zur Unfallverhütung"_s);
        const EintragsListe namen = kopienAuflisten(angebot);
        QCOMPARE(namen.eintraege.size(), 25);
        QVERIFY(namen.unlesbar.isEmpty());
        QCOMPARE(namen.eintraege[0].anzeige(), u"Albrecht, Lena"_s);

        std::mt19937 zufall(20241105);
        QHash<QString, QStringList> gewaehlt; // Dateiname -> Buchstabe je Aufgabe
        SkriptRueckfragen lehrer;
        Einsammlung z;
        int eingesammelt = 0;
        for (const Eintrag &schueler : namen.eintraege) {
            QString meldung;
            std::optional<Testbogen> b = Testbogen::lesen(angebot.ordner + schueler.datei, meldung);
            QVERIFY2(b, qPrintable(meldung));
            QStringList buchstaben;
            for (int q = 0; q < b->anzahl(); ++q) {
                // Je Aufgabe: nichts, eine Antwort, oder erst eine und dann eine andere.
                const int wurf = int(zufall() % 6);
                if (wurf >= 1) {
                    b->waehlen(q, int(zufall() % 4));
                }
                if (wurf == 5) {
                    b->waehlen(q, int(zufall() % 4));
                }
                const int a = b->fragen()[q].gewaehlt;
                buchstaben << (a < 0 ? QString() : QString(QChar(u'a' + a)));
            }
            gewaehlt.insert(schueler.datei, buchstaben);
            const AbgabeErgebnis ab = abgeben(k, angebot, schueler.datei, b->ausgefuellt());
            QCOMPARE(ab.art, AbgabeErgebnis::Art::Abgegeben);
            // Die Einsammlung laeuft waehrenddessen im Takt.
            if (zufall() % 2 == 0 && testsMitnehmen(test, e, z, uhr, lehrer).eingesammelt) {
                ++eingesammelt;
            }
        }
        while (testsMitnehmen(test, e, z, uhr, lehrer).eingesammelt) {
            ++eingesammelt;
        }
        QCOMPARE(eingesammelt, 25);
        QCOMPARE(z.zaehler, 25);
        QVERIFY(lehrer.meldungen().isEmpty());

        Benotungslauf lauf;
        QCOMPARE(
            testsBenoten(test, klasse, standardNormtabelle(), QDate(2024, 11, 5), lauf, lehrer),
            Ablauf::Ok);
        QVERIFY2(lehrer.meldungen().isEmpty(), qPrintable(lehrer.meldungen().join(u'\n')));
        for (auto it = gewaehlt.cbegin(); it != gewaehlt.cend(); ++it) {
            const ZeilenErgebnis g = ansiZeilenLesen(test.benotetOrdner() + it.key());
            QVERIFY2(g.ok(), qPrintable(it.key()));
            QCOMPARE(kreuzeDerBenotetenKopie(g.zeilen), it.value());
            QVERIFY(!g.zeilen[0].startsWith(u"krank"_s));
        }
    }

    // Eine 1-MiB-Abgabe wird immer wieder abgegeben, waehrend die Einsammlung in der Schleife
    // laeuft: im Testordner landet nie eine angeschnittene Datei.
    void rennen()
    {
        Testordner o;
        Einstellungen e2;
        Konfig k2;
        TestPfade t2;
        einrichten(o, e2, k2, t2);
        // Eingesammelt wird nur, was zu diesem Test gehoert: die Vorlage liegt im Testordner.
        QDir().mkpath(t2.testOrdner());
        QVERIFY(dateiKopieren(test.vorlage(u'A'), t2.vorlage(u'A')));
        Bereitgestellt angebot;
        angebot.lehrer = u"Meier"_s;
        angebot.klassenkuerzel = u"7x"_s;
        angebot.testKuerzel = kCode;
        angebot.signalDatei = k2.ausgabeOrdner + u"7x-Meier-7xP1Bspl.tmp"_s;
        QDir().mkpath(k2.ausgabeOrdner);
        dateiSchreiben(angebot.signalDatei, "2024-11-05\r\n");

        // Eine echte Kopie, mit einer Fuellzeile auf fast 1 MiB gebracht, bei jeder Abgabe anders
        // gefuellt und mit Endmarke.
        const QByteArray kopie =
            ansiZeilenAlsBytes(ansiZeilenLesen(test.kopienOrdner() + u"Albrecht.L7x"_s).zeilen);
        auto abgabe = [&kopie](int runde) {
            QByteArray b = kopie;
            b += QByteArray(qsizetype(schuelerprogramm::kGrenzeAbgabe) - 16 - kopie.size(),
                            char('a' + runde % 26));
            b += "\r\nENDE " + QByteArray::number(runde).rightJustified(6, '0') + "\r\n";
            return b;
        };
        std::atomic<bool> fertig = false;
        std::atomic<int> fehler = 0;
        std::thread schueler([&] {
            for (int runde = 0; runde < 40; ++runde) {
                if (abgeben(k2, angebot, u"Albrecht.L7x"_s, abgabe(runde)).art !=
                    AbgabeErgebnis::Art::Abgegeben) {
                    ++fehler;
                }
            }
            fertig = true;
        });
        SkriptRueckfragen r;
        Einsammlung z;
        int genommen = 0;
        auto pruefen = [&] {
            const QByteArray da = dateiInhalt(t2.abgabenOrdner() + u"Albrecht.L7x"_s);
            const int runde = da.right(8).left(6).toInt();
            QCOMPARE(da, abgabe(runde));
        };
        while (!fertig) {
            if (testsMitnehmen(t2, e2, z, uhr, r).eingesammelt) {
                ++genommen;
                pruefen();
            }
        }
        schueler.join();
        if (testsMitnehmen(t2, e2, z, uhr, r).eingesammelt) {
            ++genommen;
        }
        pruefen();
        QCOMPARE(fehler.load(), 0);
        QVERIFY(genommen >= 1);
        QVERIFY2(r.meldungen().isEmpty(), qPrintable(r.meldungen().join(u'\n')));
        // Nach dem letzten Einsammeln bleibt im Abgabeordner nichts zurueck.
        QVERIFY(QDir(schuelerprogramm::abgabeEingang(k2.abgabeOrdner, u"Meier/"_s))
                    .entryList(QDir::Files | QDir::Hidden)
                    .isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSchuelerAblauf)
#include "test_schueler_ablauf.moc"
