// Aufgabenanalyse einer vollen Klasse (40 Schueler x 40 Fragen), berechnet und als Text gesetzt,
// neben dem einfachen Schreiben und Lesen der fertigen "Aufgabenanalyse.Doc".
#include "bench_hilfe.h"

#include "common/ansitext.h"
#include "conduct/aufgabenanalyse.h"

#include <QTemporaryDir>

#include <random>

using namespace Qt::StringLiterals;

namespace {

struct Klassenlauf
{
    Loesung schluessel;
    QList<Antwortbogen> boegen;
};

Klassenlauf volleKlasse()
{
    Klassenlauf k;
    k.schluessel.fragen = kMaxFragen;
    std::mt19937 zufall(7);
    for (int q = 1; q <= kMaxFragen; ++q) {
        k.schluessel.aufgabenNr[q] = QString::number(q);
        k.schluessel.loesung[q] = QString(QChar(u'a' + q % 4));
    }
    for (int s = 0; s < 40; ++s) {
        Antwortbogen b;
        for (int q = 1; q <= kMaxFragen; ++q) {
            b.wahl[q] = qint8(zufall() % 5);
            b.geloest[q] = b.wahl[q] == q % 4;
        }
        k.boegen << b;
    }
    return k;
}

void aufgabenanalyse(benchmark::State &state)
{
    const Klassenlauf k = volleKlasse();
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(u"Aufgabenanalyse.Doc"_s);
    const QByteArray bytes = ansiZeilenAlsBytes(
        aufgabenanalyseZeilen(aufgabenanalyseBerechnen(k.schluessel, k.boegen), u"Test"_s));
    const double ea = bench::medianSekunden([&] {
        bench::einfachSchreiben(pfad, bytes);
        benchmark::DoNotOptimize(bench::einfachLesen(pfad));
    });
    bench::messen(state, ea, [&] {
        const Aufgabenanalyse a = aufgabenanalyseBerechnen(k.schluessel, k.boegen);
        benchmark::DoNotOptimize(ansiZeilenAlsBytes(aufgabenanalyseZeilen(a, u"Test"_s)));
    });
}
BENCHMARK(aufgabenanalyse)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
