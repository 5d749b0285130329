// Das Notenfenster mit einer vollen Klasse von 40 (jeder Slot belegt): Oeffnen (Laden,
// Sortieren, Fuellen, Spaltenbreiten) und eine Zelleneingabe mit Neusortieren und Neufuellen,
// jeweils neben der Zeit der Logik allein (dieselben Schritte ohne Fenster) als Faktor.

#include "bench_hilfe.h"

#include "classdata/klassendatei.h"
#include "classdata/klassenverwaltung.h"
#include "common/ansitext.h"
#include "grades/fenster/Zensurenbearbeitung.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "grades/notentabelle.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <random>

using namespace Qt::StringLiterals;

namespace {

const QStringList kNoten{u"1+"_s, u"1"_s,  u"1-"_s, u"2+"_s, u"2"_s, u"2-"_s, u"3+"_s, u"3"_s,
                         u"3-"_s, u"4+"_s, u"4"_s,  u"4-"_s, u"5"_s, u"6"_s,  u"/"_s};

Klasse volleKlasse()
{
    std::mt19937 zufall(11);
    Klasse k;
    standardNotenartenEinsetzen(k);
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        Schueler &s = k.schueler(nr);
        s.vorname = u"Vorname"_s + QString::number(zufall() % 1000);
        s.nachname = u"Nachname"_s + QString::number(zufall() % 1000);
        s.geschlecht = nr % 2 ? u"m"_s : u"w"_s;
        for (int art = 1; art <= kNotenarten; ++art) {
            for (int slot = 0; slot <= letzterSlot(art); ++slot) {
                s.note(art, slot) = kNoten[static_cast<qsizetype>(zufall() % kNoten.size())];
                k.datum(art, slot) = u"2017-01-01"_s;
                k.erlaeuterung(art, slot) = u"Erlaeuterung "_s + QString::number(slot);
            }
        }
    }
    return k;
}

// Was die Tabelle zeigt, ohne Fenster: alle Zelltexte und die Spaltenbreiten.
qsizetype tabelleOhneFenster(const Klasse &k)
{
    qsizetype zeichen = 0;
    const int zeilen = klassenGroesse(k) + 4;
    for (int spalte = 0; spalte < kTabellenSpalten; ++spalte) {
        for (int zeile = 0; zeile < zeilen; ++zeile) {
            const QString text = zeile == 1   ? kopfText(k, spalte)
                                 : zeile == 2 ? gewichtText(k, spalte)
                                 : (zeile > 2 && spalte < kFesteSpalten)
                                     ? namensText(k, spalte, zeile)
                                     : zellText(k, spalte, zeile, NotenAnzeige::Zensuren);
            zeichen += text.size();
        }
    }
    AnsichtsOptionen o;
    o.durchschnitte = o.gesamt = true;
    zeichen += spaltenBreiten(k, u"L-9z-Ma"_s, Ansicht::Alle, 0, o)[1];
    return zeichen;
}

struct Umgebung
{
    Testordner ordner;
    Einstellungen e;
    SkriptRueckfragen r;
    FesteUhr uhr{QDateTime(QDate(2017, 2, 10), QTime(10, 0))};
    std::unique_ptr<TFZensurenbearbeitung> f;

    Umgebung()
    {
        e.programmOrdner = ordner.pfad();
        e.basisOrdner = ordner.pfad();
        ordner.schreibe(u"Mivo-Kl-cf.txt"_s,
                        "[Durchschnitte]\r\nX\r\n[Gesamtberechnung]\r\nX\r\n[Leerspalten]\r\n\r\n");
        QDir().mkpath(ordner.datei(u"2016-17"_s));
        klassenlisteSchreiben(ordner.datei(u"2016-17/L-9z-Ma.DTA"_s), volleKlasse(), r);
        f = std::make_unique<TFZensurenbearbeitung>(e, r, uhr);
        f->resize(1280, 1000);
        f->show();
    }
};

void klasseOeffnen(benchmark::State &state)
{
    Umgebung u;
    const QString pfad = u.ordner.datei(u"2016-17/L-9z-Ma.DTA"_s);
    const double logik = bench::medianSekunden([&] {
        Klasse k;
        klasseLadenAusDatei(pfad, k, u.r);
        sortiereSchuelerliste(k, SortierOptionen{});
        benchmark::DoNotOptimize(tabelleOhneFenster(k));
    });
    bench::messen(state, logik, [&] {
        u.f->sitzung.laden(u"L-9z-Ma.DTA"_s);
        QCoreApplication::processEvents();
    });
    state.SetLabel("Faktor = Fenster / Logik allein");
}
BENCHMARK(klasseOeffnen)->Unit(benchmark::kMillisecond);

void zelleEingeben(benchmark::State &state)
{
    Umgebung u;
    u.f->sitzung.laden(u"L-9z-Ma.DTA"_s);
    Klasse k = u.f->sitzung.klasse;
    int i = 0;
    const double logik = bench::medianSekunden([&] {
        ++i;
        noteInKlasseSchreiben(k, 4, 3 + i % 40, kNoten[i % kNoten.size()]);
        sortiereSchuelerliste(k, SortierOptionen{});
        benchmark::DoNotOptimize(tabelleOhneFenster(k));
    });
    bench::messen(state, logik, [&] {
        ++i;
        u.f->tabelle->uebernehmen(4, 3 + i % 40, kNoten[i % kNoten.size()]);
        QCoreApplication::processEvents();
    });
    state.SetLabel("Faktor = Fenster / Logik allein");
}
BENCHMARK(zelleEingeben)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    setzePauseVorNeuschreibenMs(0);
    return bench::mitQtAusfuehren<QApplication>(argc, argv);
}
