// Klassendatei laden und speichern, Klassen eines Ordners auflisten; jeweils neben einfacher E/A.
#include "bench_hilfe.h"

#include "classdata/klassendatei.h"
#include "classdata/klassenjournal.h"
#include "classdata/klassensitzung.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

Klasse volleKlasse()
{
    Klasse k;
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        Schueler &s = k.schueler(nr);
        s.nachname = u"Nachname%1"_s.arg(nr);
        s.vorname = u"Vorname"_s;
        s.geschlecht = nr % 2 ? u"m"_s : u"w"_s;
        for (int art = 1; art <= kNotenarten; ++art) {
            for (int slot = 0; slot <= letzterSlot(art); ++slot) {
                s.note(art, slot) = u"2-"_s;
            }
        }
    }
    standardNotenartenEinsetzen(k);
    return k;
}

void klasseLaden(benchmark::State &state)
{
    Testordner o;
    SkriptRueckfragen r;
    const QString pfad = o.datei(u"L-7x-Ph.DTA"_s);
    klassenlisteSchreiben(pfad, volleKlasse(), r);
    const double ea =
        bench::medianSekunden([&] { benchmark::DoNotOptimize(bench::einfachLesen(pfad)); });
    bench::messen(state, ea, [&] {
        Klasse k;
        benchmark::DoNotOptimize(klassenlisteLesen(pfad, k, r));
    });
}

void klasseSpeichern(benchmark::State &state)
{
    Testordner o;
    SkriptRueckfragen r;
    const QString pfad = o.datei(u"L-7x-Ph.DTA"_s);
    const Klasse k = volleKlasse();
    const QByteArray bytes = klasseAlsBytes(k).value();
    const double ea = bench::medianSekunden([&] { bench::einfachSchreiben(pfad, bytes); });
    bench::messen(state, ea, [&] { benchmark::DoNotOptimize(klassenlisteSchreiben(pfad, k, r)); });
}

void klassenAuflisten(benchmark::State &state)
{
    Testordner o;
    SkriptRueckfragen r;
    const Klasse k = volleKlasse();
    QDir().mkpath(o.datei(u"2016-17"_s));
    for (int i = 0; i < 60; ++i) {
        klassenlisteSchreiben(
            o.datei(u"2016-17/L-%1%2-Ph.DTA"_s.arg(5 + i % 9).arg(QChar(u'a' + i / 9))), k, r);
    }
    // einfache E/A: dieselben Eintraege ungefiltert und unsortiert aufzaehlen
    const double ea = bench::medianSekunden([&] {
        benchmark::DoNotOptimize(QDir(o.datei(u"2016-17"_s)).entryList(QDir::Files, QDir::NoSort));
    });
    if (klassenwahl(o.pfad(), u"2016-17"_s, u"2026-27"_s, r).size() != 60) {
        state.SkipWithError("Klassen fehlen");
    }
    bench::messen(state, ea, [&] {
        benchmark::DoNotOptimize(klassenwahl(o.pfad(), u"2016-17"_s, u"2026-27"_s, r));
    });
}

// Eine bestaetigte Eingabe (eine Note aendern, geaendertMelden: Stand der Klasse bilden,
// Unterschied suchen, anhaengen, fsync) neben einem nackten dauerhaften Anhaengen derselben
// Bytes (open, write, fsync, close).
void eingabeInsJournal(benchmark::State &state)
{
    Testordner o;
    SkriptRueckfragen r;
    QDir().mkpath(o.datei(u"2016-17"_s));
    klassenlisteSchreiben(o.datei(u"2016-17/L-7x-Ph.DTA"_s), volleKlasse(), r);
    Klassensitzung s{r};
    s.setzeSchuljahr(o.pfad(), u"2016-17"_s);
    s.laden(u"L-7x-Ph.DTA"_s);
    const QString journal = journalPfad(s.pfad());
    int i = 0;
    const auto eingabe = [&] {
        ++i;
        s.klasse.schueler(i % kMaxSchueler + 1).note(i % kNotenarten + 1, i % 10) =
            (i / kMaxSchueler) % 2 ? u"1"_s : u"4-"_s;
        if (!s.geaendertMelden()) {
            state.SkipWithError("Journal nicht geschrieben");
        }
    };
    // Groesse eines Eintrags (ohne den Kopf des ersten)
    eingabe();
    const qint64 nachErster = QFileInfo(journal).size();
    eingabe();
    const QByteArray gleicheBytes(QFileInfo(journal).size() - nachErster, 'x');
    const QByteArray nackt = QFile::encodeName(o.datei(u"nackt"_s));
    const double ea = bench::medianSekunden([&] {
        const int fd = ::open(nackt.constData(), O_WRONLY | O_CREAT | O_APPEND, 0666);
        benchmark::DoNotOptimize(
            ::write(fd, gleicheBytes.constData(), size_t(gleicheBytes.size())));
        ::fsync(fd);
        ::close(fd);
    });
    bench::messen(state, ea, eingabe);
    state.counters["bytes"] = double(gleicheBytes.size());
}

} // namespace

BENCHMARK(eingabeInsJournal)->Unit(benchmark::kMicrosecond);
BENCHMARK(klasseLaden)->Unit(benchmark::kMicrosecond);
BENCHMARK(klasseSpeichern)->Unit(benchmark::kMicrosecond);
BENCHMARK(klassenAuflisten)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
