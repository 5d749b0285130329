#pragma once
// Jede Messung steht neben der Zeit der einfachen Datei-E/A derselben Bytes, im selben Lauf
// gemessen: Zaehler "ea_us" (Mikrosekunden je einfacher E/A) und "faktor" (Laufzeit / E/A).

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

using Uhr = std::chrono::steady_clock;

// Median der Dauer von f in Sekunden.
template<typename F>
double medianSekunden(F &&f, int laeufe = 31)
{
    std::vector<double> zeiten;
    zeiten.reserve(laeufe);
    for (int i = 0; i < laeufe; ++i) {
        const auto start = Uhr::now();
        f();
        zeiten.push_back(std::chrono::duration<double>(Uhr::now() - start).count());
    }
    std::nth_element(zeiten.begin(), zeiten.begin() + laeufe / 2, zeiten.end());
    return zeiten[laeufe / 2];
}

inline QByteArray einfachLesen(const QString &pfad)
{
    QFile f(pfad);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

inline void einfachSchreiben(const QString &pfad, const QByteArray &bytes)
{
    QFile f(pfad);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

// Laeuft die Benchmark-Schleife mit f und setzt die Zaehler gegenueber eaSekunden; Ergebnis:
// Sekunden je Lauf.
template<typename F>
double messen(benchmark::State &state, double eaSekunden, F &&f)
{
    const auto start = Uhr::now();
    for (auto _ : state) {
        f();
    }
    const double je =
        std::chrono::duration<double>(Uhr::now() - start).count() / double(state.iterations());
    state.counters["ea_us"] = eaSekunden * 1e6;
    state.counters["faktor"] = eaSekunden > 0 ? je / eaSekunden : 0.0;
    return je;
}

// Fuehrt die Messungen in einer Qt-Anwendung (QGuiApplication oder QApplication) aus, ohne
// Bildschirm, wenn keine Plattform vorgegeben ist.
template<typename Anwendung>
int mitQtAusfuehren(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Anwendung app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
