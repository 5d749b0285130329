// Klassennoten in die ausgelieferte Vorlage (.docx und .odt) fuer eine volle Klasse von 40, im
// Speicher gefuellt, neben dem einfachen Lesen der Vorlage und Schreiben des Ergebnisses.
#include "bench_hilfe.h"

#include "classdata/klasse.h"
#include "grades/klassennoten.h"
#include "grades/notenarten.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

Klasse volleKlasse()
{
    Klasse k;
    standardNotenartenEinsetzen(k);
    for (int nr = 1; nr <= 40; ++nr) {
        Schueler &s = k.schueler(nr);
        s.vorname = u"Vorname"_s + QString::number(nr);
        s.nachname = u"Nachname"_s + QString::number(nr);
        for (int art = 1; art <= 5; ++art) {
            for (int slot = 0; slot < 6; ++slot) {
                s.note(art, slot) = QString::number(1 + (nr + art + slot) % 6);
            }
        }
    }
    return k;
}

void fuellen(benchmark::State &state, const QString &endung)
{
    const QString vorlage = QStringLiteral(MIVO_BASISQUELLE) + u"/Klassennoten-Vorlage."_s + endung;
    const QByteArray bytes = bench::einfachLesen(vorlage);
    const Klasse k = volleKlasse();
    const Vorlagenfuellung f{u"05.11.2024"_s, u"Klasse: L-7x-Ph"_s, 40,
                             druckform(k, NotenAnzeige::Zensuren)};
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(u"aus."_s + endung);
    const QByteArray ergebnis = vorlageFuellen(bytes, f).dokument;
    const double ea = bench::medianSekunden([&] {
        benchmark::DoNotOptimize(bench::einfachLesen(vorlage));
        bench::einfachSchreiben(ziel, ergebnis);
    });
    bench::messen(state, ea, [&] { benchmark::DoNotOptimize(vorlageFuellen(bytes, f)); });
}

void docx(benchmark::State &state)
{
    fuellen(state, u"docx"_s);
}
void odt(benchmark::State &state)
{
    fuellen(state, u"odt"_s);
}
BENCHMARK(docx)->Unit(benchmark::kMillisecond);
BENCHMARK(odt)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
