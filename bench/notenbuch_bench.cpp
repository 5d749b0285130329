// Schuelersuche ueber ein Schuljahr, Export einer vollen Klasse, alle Durchschnitte und
// Gesamtzensuren einer Klasse von 40 - jeweils neben der einfachen E/A bzw. einer einfachen
// Schleife.

#include "bench_hilfe.h"

#include "classdata/klassendatei.h"
#include "classdata/schuelersuche.h"
#include "common/ansitext.h"
#include "grades/klassenexport.h"
#include "grades/notenmodell.h"
#include "unterstuetzung/skriptrueckfragen.h"

#include <QDir>
#include <QTemporaryDir>

#include <random>

using namespace Qt::StringLiterals;

namespace {

const QStringList kNoten{u"1+"_s, u"1"_s,  u"1-"_s, u"2+"_s, u"2"_s, u"2-"_s, u"3+"_s, u"3"_s,
                         u"3-"_s, u"4+"_s, u"4"_s,  u"4-"_s, u"5"_s, u"6"_s,  u"/"_s,  u""_s};

Klasse volleKlasse(std::mt19937 &zufall)
{
    Klasse k;
    standardNotenartenEinsetzen(k);
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        Schueler &s = k.schueler(nr);
        s.vorname = u"Vorname"_s + QString::number(zufall() % 1000);
        s.nachname = u"Nachname"_s + QString::number(zufall() % 1000);
        s.geschlecht = nr % 2 ? u"m"_s : u"w"_s;
        s.klasse = u"9b"_s;
        for (int art = 1; art <= kNotenarten; ++art) {
            for (int slot = 0; slot <= letzterSlot(art); ++slot) {
                s.note(art, slot) = kNoten[zufall() % kNoten.size()];
            }
        }
    }
    return k;
}

struct Schuljahr
{
    QTemporaryDir dir;
    QStringList pfade;

    Schuljahr()
    {
        std::mt19937 zufall(7);
        SkriptRueckfragen r;
        for (int i = 0; i < 60; ++i) {
            const QString pfad = dir.path() + u"/L-"_s + QString::number(5 + i % 8) +
                                 QChar(u'a' + i / 8) + u"-De.DTA"_s;
            klassenlisteSchreiben(pfad, volleKlasse(zufall), r);
            pfade.append(pfad);
        }
    }
};

void BM_SucheUeberSchuljahr(benchmark::State &state)
{
    static Schuljahr jahr;
    const double ea = bench::medianSekunden([&] {
        for (const QString &p : jahr.pfade) {
            benchmark::DoNotOptimize(bench::einfachLesen(p));
        }
    });
    SuchKriterien k;
    k.und = true;
    k.muster.vorname = u"Vorname99"_s;
    k.muster.note(5, 0) = u"1"_s;
    SkriptRueckfragen r;
    bench::messen(state, ea,
                  [&] { benchmark::DoNotOptimize(suchKlassenListe(jahr.dir.path(), k, r)); });
}
BENCHMARK(BM_SucheUeberSchuljahr)->Unit(benchmark::kMillisecond);

void BM_ExportVolleKlasse(benchmark::State &state)
{
    std::mt19937 zufall(11);
    const Klasse k = volleKlasse(zufall);
    QTemporaryDir dir;
    const QString pfad = dir.path() + u"/export.csv"_s;
    const QByteArray bytes = *exportBytes(k);
    const double ea = bench::medianSekunden([&] { bench::einfachSchreiben(pfad, bytes); });
    SkriptRueckfragen r;
    bench::messen(state, ea, [&] { exportSchreiben(k, pfad, r); });
}
BENCHMARK(BM_ExportVolleKlasse)->Unit(benchmark::kMicrosecond);

void BM_AlleDurchschnitteUndGesamtzensuren(benchmark::State &state)
{
    std::mt19937 zufall(13);
    const Klasse k = volleKlasse(zufall);
    // Vergleich: eine einfache Schleife, die jede Note einmal anfasst und ihre Ziffer addiert.
    const double schleife = bench::medianSekunden([&] {
        qint64 summe = 0;
        for (int nr = 1; nr <= kMaxSchueler; ++nr) {
            for (int art = 1; art <= kNotenarten; ++art) {
                for (int slot = 0; slot <= letzterSlot(art); ++slot) {
                    const QString &n = k.schueler(nr).note(art, slot);
                    summe += n.isEmpty() ? 0 : n[0].unicode();
                }
            }
        }
        benchmark::DoNotOptimize(summe);
    });
    bench::messen(state, schleife, [&] {
        for (int nr = 1; nr <= kMaxSchueler; ++nr) {
            for (int art = 1; art <= kNotenarten; ++art) {
                benchmark::DoNotOptimize(schnitt(k, nr, art));
            }
            benchmark::DoNotOptimize(gesamtZensur(k, nr));
        }
    });
}
BENCHMARK(BM_AlleDurchschnitteUndGesamtzensuren)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
