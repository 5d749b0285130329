// Schwere Wege des Testablaufs: Benoten einer Klasse (40 Schueler x 40 Fragen), Austeilen an
// 40 Schueler, Katalog ueber 10 Schuljahre x 300 Tests. Daneben die einfache Datei-E/A derselben
// Bytes, im selben Lauf gemessen.
#include "bench_hilfe.h"
#include "bench_testdaten.h"

#include "classdata/klasse.h"
#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/schuljahr.h"
#include "common/uhr.h"
#include "conduct/benotung.h"
#include "conduct/einsammeln.h"
#include "conduct/katalog.h"
#include "conduct/testsperre.h"
#include "conduct/verteilung.h"
#include "outside/schuelerprogramm.h"
#include "settings/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>

#include <array>
#include <chrono>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Beantwortet jede Frage zustimmend und vergisst Meldungen.
struct Klassentest
{
    Testordner t;
    TestPfade test;
    Klasse klasse = bench::klasse40();
    bench::JaRueckfragen r;

    Klassentest()
    {
        test = {t.pfad(), u"2024-25"_s, u"7xP1Mech"_s};
        QDir().mkpath(test.testOrdner());
        ansiZeilenSchreiben(test.vorlage(u'A'),
                            bench::vorlage40(u"Mechanik: Kräfte und Bewegungen"_s));
    }
    QString name(int nr) const
    {
        const Schueler &s = klasse.schueler(nr);
        return schuelerprogramm::persoenlicherDateiname(s.vorname, s.nachname,
                                                        test.klassenkuerzel());
    }
};

void benoten(benchmark::State &state)
{
    Klassentest k;
    StdZufall zufall(1);
    kopienAnfertigen(k.test, k.klasse, zufall, k.r);
    // Ausgefuellt: jede zweite Zeile mit einem Kreuz an Stelle 1.
    for (int nr = 1; nr <= 40; ++nr) {
        QStringList z = ansiZeilenLesen(k.test.kopienOrdner() + k.name(nr)).zeilen;
        for (qsizetype i = 10; i < z.size(); i += 2) {
            if (z[i].startsWith(u'\t') && z[i].size() > 2 && z[i][2] == u')') {
                z[i] = u'x' + z[i];
            }
        }
        ansiZeilenSchreiben(k.test.abgabenOrdner() + k.name(nr), z);
    }
    Benotungslauf lauf;
    testsBenoten(k.test, k.klasse, standardNormtabelle(), QDate(2024, 11, 5), lauf, k.r);
    // Einfache E/A: jede Abgabe lesen, die benotete Kopie schreiben, lesen, wieder schreiben.
    const double ea = bench::medianSekunden([&] {
        for (int nr = 1; nr <= 40; ++nr) {
            bench::einfachLesen(k.test.abgabenOrdner() + k.name(nr));
            const QString ziel = k.test.benotetOrdner() + k.name(nr);
            const QByteArray b = bench::einfachLesen(ziel);
            bench::einfachSchreiben(ziel, b);
            bench::einfachLesen(ziel);
            bench::einfachSchreiben(ziel, b);
        }
    });
    bench::messen(state, ea, [&] {
        testsBenoten(k.test, k.klasse, standardNormtabelle(), QDate(2024, 11, 5), lauf, k.r);
    });
}
BENCHMARK(benoten)->Unit(benchmark::kMillisecond);

void austeilen(benchmark::State &state)
{
    Klassentest k;
    StdZufall zufall(1);
    kopienAnfertigen(k.test, k.klasse, zufall, k.r);
    const QByteArray kopie = bench::einfachLesen(k.test.kopienOrdner() + k.name(1));
    const double ea = bench::medianSekunden([&] {
        bench::einfachLesen(k.test.vorlage(u'A'));
        bench::einfachSchreiben(k.test.vorlage(u'B'), bench::einfachLesen(k.test.vorlage(u'B')));
        bench::einfachLesen(k.test.vorlage(u'B'));
        for (int nr = 1; nr <= 40; ++nr) {
            bench::einfachSchreiben(k.test.kopienOrdner() + k.name(nr), kopie);
            bench::einfachSchreiben(k.test.abgabenOrdner() + k.name(nr), kopie);
        }
    });
    bench::messen(state, ea, [&] { kopienAnfertigen(k.test, k.klasse, zufall, k.r); });
}
BENCHMARK(austeilen)->Unit(benchmark::kMillisecond);

// Einsammeln von 40 wartenden Abgaben und Benoten, einmal unter der Testsperre (wie Fenster und
// Werkzeug), einmal ohne. Zaehler: Millisekunden je Lauf und "faktor" = mit / ohne; dazu der
// Zeitgeberweg, der je Abgabe einen Schritt mit eigener Sperre macht.
void sperre(benchmark::State &state)
{
    Klassentest k;
    Einstellungen e;
    e.basisOrdner = e.programmOrdner = k.t.pfad();
    e.abgabeOrdner = k.t.pfad() + u"server/ab/"_s;
    e.ausgabeOrdner = k.t.pfad() + u"server/aus/"_s;
    e.lehrername = u"Meier/"_s;
    StdZufall zufall(1);
    kopienAnfertigen(k.test, k.klasse, zufall, k.r);
    const QString eingang = schuelerprogramm::abgabeEingang(e.abgabeOrdner, e.lehrername);
    QDir().mkpath(eingang);
    std::array<QByteArray, 41> abgaben;
    for (int nr = 1; nr <= 40; ++nr) {
        QStringList z = ansiZeilenLesen(k.test.kopienOrdner() + k.name(nr)).zeilen;
        for (qsizetype i = 10; i < z.size(); i += 2) {
            if (z[i].startsWith(u'\t') && z[i].size() > 2 && z[i][2] == u')') {
                z[i] = u'x' + z[i];
            }
        }
        abgaben[size_t(nr)] = ansiZeilenAlsBytes(z);
    }
    const auto abgeben = [&] {
        for (int nr = 1; nr <= 40; ++nr) {
            bench::einfachSchreiben(eingang + k.name(nr), abgaben[size_t(nr)]);
        }
    };
    const SystemUhr uhr;
    using Zeit = std::chrono::steady_clock;
    const auto laufen = [&](int art) {
        abgeben();
        Einsammlung z;
        Benotungslauf lauf;
        const auto start = Zeit::now();
        if (art == 0) { // ohne Sperre
            abgabenLeerenGesperrt(k.test, e, z, uhr, k.r);
            testsBenoten(k.test, k.klasse, standardNormtabelle(), QDate(2024, 11, 5), lauf, k.r);
        } else if (art == 1) { // eine Sperre fuer Leeren und Benoten
            Testsperre s(k.test);
            s.sperren(k.r);
            abgabenLeerenGesperrt(k.test, e, z, uhr, k.r);
            testsBenoten(k.test, k.klasse, standardNormtabelle(), QDate(2024, 11, 5), lauf, k.r);
        } else { // Zeitgeber: je Abgabe ein Schritt mit eigener Sperre
            while (testsMitnehmen(k.test, e, z, uhr, k.r).eingesammelt) {
            }
            Testsperre s(k.test);
            s.sperren(k.r);
            testsBenoten(k.test, k.klasse, standardNormtabelle(), QDate(2024, 11, 5), lauf, k.r);
        }
        return std::chrono::duration<double>(Zeit::now() - start).count();
    };
    std::array<std::vector<double>, 3> zeiten;
    for (auto _ : state) {
        for (int art = 0; art < 3; ++art) {
            zeiten[size_t(art)].push_back(laufen(art));
        }
    }
    const auto median = [](std::vector<double> v) {
        std::nth_element(v.begin(), v.begin() + qsizetype(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    // Die Sperre allein (sperren und freigeben), im selben Lauf: auf einer belasteten Maschine
    // schwanken ganze Laeufe staerker als die Sperre kostet.
    std::vector<double> sperren;
    for (int i = 0; i < 201; ++i) {
        const auto start = Zeit::now();
        Testsperre s(k.test);
        s.sperren(k.r);
        s.freigeben();
        sperren.push_back(std::chrono::duration<double>(Zeit::now() - start).count());
    }
    const double ohne = median(zeiten[0]), mit = median(zeiten[1]), schritte = median(zeiten[2]);
    state.counters["sperre_us"] = median(sperren) * 1e6;
    state.counters["sperre_anteil"] = median(sperren) / ohne;
    state.counters["ohne_ms"] = ohne * 1e3;
    state.counters["mit_ms"] = mit * 1e3;
    state.counters["faktor"] = mit / ohne;
    state.counters["zeitgeber_faktor"] = schritte / ohne;
}
BENCHMARK(sperre)->Unit(benchmark::kMillisecond)->Iterations(31);

void katalog(benchmark::State &state)
{
    Testordner t;
    QStringList themen{u"..."_s};
    QStringList vorlagen;
    for (int j = 0; j < 10; ++j) {
        const QString jahr = schuljahrText(2015 + j);
        for (int n = 0; n < 300; ++n) {
            const QString thema = u"T"_s + QString::number(n).rightJustified(3, u'0');
            const QString code =
                QString::number(5 + n % 5) + u"aP"_s + QString::number(1 + (n / 5) % 9) + thema;
            const QString ordner = t.pfad() + jahr + u'/' + code + u'/';
            QDir().mkpath(ordner);
            QStringList z = bench::vorlage40(u"Mechanik: Kräfte und Bewegungen"_s);
            z[3] = u"Thema: Ein Thema Nummer "_s + QString::number(n);
            ansiZeilenSchreiben(ordner + code + u".__A"_s, z);
            vorlagen << ordner + code + u".__A"_s;
            if (j == 0) {
                themen << thema + u"- Thema"_s;
            }
        }
    }
    bench::JaRueckfragen r;
    const double ea = bench::medianSekunden(
        [&] {
            for (const QString &v : vorlagen) {
                QFile f(v);
                f.open(QIODevice::ReadOnly);
                f.read(16 * 1024);
            }
        },
        5);
    bench::messen(state, ea, [&] {
        vorhandeneTestsEinlesen(t.pfad(), u"..."_s, u"........"_s, TestArt::Alle, themen, r);
    });
}
BENCHMARK(katalog)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
