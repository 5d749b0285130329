// Die Testauswahl mit echten Fenstern (offscreen), jeweils neben der Logik allein als Faktor:
// Neufuellen der Liste bei einer Filteraenderung (10 Schuljahre x 300 Tests), ein Takt des
// Einsammelns mit 40 wartenden Abgaben, "Tests benoten" bis das Notenfenster die Noten zeigt
// (40 Schueler x 40 Fragen).

#include "bench_hilfe.h"
#include "bench_testdaten.h"

#include "classdata/klassendatei.h"
#include "common/ansitext.h"
#include "common/oeffner.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "conduct/benotung.h"
#include "conduct/einsammeln.h"
#include "conduct/fenster/SchuelerdatenFormUnit.h"
#include "conduct/katalog.h"
#include "conduct/verteilung.h"
#include "grades/fenster/Zensurenbearbeitung.h"
#include "outside/schuelerprogramm.h"
#include "settings/konfiguration.h"
#include "unterstuetzung/testumgebung.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {

class KeinOeffner final : public Oeffner
{
public:
    bool oeffnen(const QString &) override { return true; }
    bool programmStarten(const QString &, const QStringList &) override { return true; }
};

// Basisordner mit Einstellungen, Klasse L-7x-P (40) und dem Test 7xP1Mech im Jahr 2024-25.
struct Umgebung
{
    Testordner t;
    Einstellungen e;
    bench::JaRueckfragen r;
    KeinOeffner o;
    FesteUhr uhr{QDateTime(QDate(2024, 11, 5), QTime(9, 30))};
    StdZufall zufall{1};
    Klasse klasse = bench::klasse40();
    TestPfade test;
    std::unique_ptr<TSchuelerdatenEingabefenster> f;

    Umgebung()
    {
        e.basisOrdner = e.programmOrdner = t.pfad();
        e.ausgabeOrdner = t.pfad() + u"aus/"_s;
        e.abgabeOrdner = t.pfad() + u"ab/"_s;
        e.rueckgabeOrdner = t.pfad() + u"rueck/"_s;
        e.lehrername = u"Meier/"_s;
        test = {t.pfad(), u"2024-25"_s, u"7xP1Mech"_s};
        QDir().mkpath(test.testOrdner());
        ansiZeilenSchreiben(test.vorlage(u'A'), bench::vorlage40(u"Mechanik"_s));
        dateiSchreiben(test.schuljahrOrdner() + u"L-7x-P.DTA"_s, *klasseAlsBytes(klasse));
        f = std::make_unique<TSchuelerdatenEingabefenster>(e, r, o, uhr, zufall);
    }
    QString name(int nr) const
    {
        const Schueler &s = klasse.schueler(nr);
        return schuelerprogramm::persoenlicherDateiname(s.vorname, s.nachname, u"7x"_s);
    }
    QString dropbox() const { return e.abgabeOrdner + e.lehrername + u"DropBox/"_s; }
    // Durchfuehrung im Fenster beginnen wie die Lehrkraft: Test waehlen, bereitstellen.
    void durchfuehren()
    {
        f->modusZeigen(Testauswahl::Layout::Durchfuehrung, false);
        f->ListBoxThemenMitErklaerungClick(0);
        f->BTestBereitStellenClick();
        f->TimerTestsMitnehmen.stop(); // die Messung ruft die Takte selbst
    }
    // Jede Kopie ausgefuellt (jede zweite Antwortzeile angekreuzt) in den Abgabeordner.
    QList<QByteArray> abgaben() const
    {
        QList<QByteArray> l;
        for (int nr = 1; nr <= 40; ++nr) {
            QStringList z = ansiZeilenLesen(test.kopienOrdner() + name(nr)).zeilen;
            for (qsizetype i = 10; i < z.size(); i += 2) {
                if (z[i].startsWith(u'\t') && z[i].size() > 2 && z[i][2] == u')') {
                    z[i] = u'x' + z[i];
                }
            }
            l << z.join(u"\r\n"_s).toLatin1();
        }
        return l;
    }
};

void listeNeuFuellen(benchmark::State &state)
{
    Umgebung u;
    QStringList themen{u"..."_s};
    for (int j = 0; j < 10; ++j) {
        const QString jahr = schuljahrText(2015 + j);
        for (int n = 0; n < 300; ++n) {
            const QString thema = u"T"_s + QString::number(n).rightJustified(3, u'0');
            const QString code =
                QString::number(5 + n % 5) + u"aP"_s + QString::number(1 + (n / 5) % 9) + thema;
            const QString ordner = u.t.pfad() + jahr + u'/' + code + u'/';
            QDir().mkpath(ordner);
            ansiZeilenSchreiben(ordner + code + u".__A"_s,
                                bench::vorlage40(u"Ein Thema Nummer "_s + QString::number(n)));
            if (j == 0) {
                themen << thema + u"- Thema"_s;
            }
        }
    }
    ansiZeilenSchreiben(u.t.pfad() + u"Mivo-Themenliste.txt"_s, themen);
    u.f->modusZeigen(Testauswahl::Layout::Konstruktion, true);
    // Logik allein, ohne und mit gemerkten Vorlagen (wie das Fenster sie haelt).
    const double ohneSpeicher = bench::medianSekunden(
        [&] {
            QStringList t = themen;
            benchmark::DoNotOptimize(vorhandeneTestsEinlesen(u.t.pfad(), u"..."_s, u"........"_s,
                                                             TestArt::Alle, t, u.r));
        },
        5);
    Vorlagenspeicher speicher;
    const double logik = bench::medianSekunden(
        [&] {
            QStringList t = themen;
            benchmark::DoNotOptimize(vorhandeneTestsEinlesen(u.t.pfad(), u"..."_s, u"........"_s,
                                                             TestArt::Alle, t, u.r, &speicher));
        },
        5);
    state.counters["ohne_speicher_us"] = ohneSpeicher * 1e6;
    // Filterwechsel, der die ganze Liste zeigt: Testart "Alle" <-> "Multiple Choice".
    int i = 0;
    bench::messen(state, logik, [&] {
        u.f->CBoxTestArt->setCurrentIndex(++i % 2);
        QCoreApplication::processEvents();
    });
    state.counters["eintraege"] = u.f->ListBoxThemenMitErklaerung->count();
    state.SetLabel("ea_us = Logik allein; Faktor = Fenster / Logik");
}
BENCHMARK(listeNeuFuellen)->Unit(benchmark::kMillisecond);

void einsammelTakt(benchmark::State &state)
{
    Umgebung u;
    u.durchfuehren();
    const QList<QByteArray> abgaben = u.abgaben();
    QDir().mkpath(u.dropbox());
    const auto auffuellen = [&] {
        for (int nr = 1; nr <= 40; ++nr) {
            if (!QFileInfo::exists(u.dropbox() + u.name(nr))) {
                dateiSchreiben(u.dropbox() + u.name(nr), abgaben[nr - 1]);
            }
        }
    };
    auffuellen();
    Einsammlung z;
    const double logik = bench::medianSekunden([&] {
        const Einsammelschritt s = testsMitnehmen(u.test, u.e, z, u.uhr, u.r);
        dateiSchreiben(u.dropbox() + s.name, abgaben[0]); // wieder 40 wartend
    });
    auffuellen();
    bench::messen(state, logik, [&] {
        u.f->TestsMitnehmen();
        QCoreApplication::processEvents();
        state.PauseTiming();
        auffuellen();
        state.ResumeTiming();
    });
    state.SetLabel("ea_us = Logik allein (mit Nachlegen); Faktor = Fenster / Logik");
}
BENCHMARK(einsammelTakt)->Unit(benchmark::kMillisecond);

void benotenBisNotenfenster(benchmark::State &state)
{
    Umgebung u;
    u.durchfuehren();
    const QList<QByteArray> abgaben = u.abgaben();
    for (int nr = 1; nr <= 40; ++nr) {
        dateiSchreiben(u.test.abgabenOrdner() + u.name(nr), abgaben[nr - 1]);
    }
    TFZensurenbearbeitung noten(u.e, u.r, u.uhr);
    noten.einstellungenUebernehmen();
    int gezeigt = 0;
    QObject::connect(u.f.get(), &TSchuelerdatenEingabefenster::testnotenUebernehmen, &noten,
                     [&](const QString &klassenDatei, const QList<Benotungsergebnis> &e) {
                         noten.show();
                         if (noten.ZenAusBenotungEintragen(QFileInfo(klassenDatei).fileName(), e)) {
                             ++gezeigt;
                         }
                     });
    const double logik = bench::medianSekunden(
        [&] {
            Benotungslauf lauf;
            benotungStarten(u.test, u.e, u.klasse, QString(), u.uhr.heute(), lauf, u.r);
        },
        9);
    bench::messen(state, logik, [&] {
        u.f->BBenotenClick();
        QCoreApplication::processEvents();
    });
    if (gezeigt == 0) {
        state.SkipWithError("Das Notenfenster hat keine Noten bekommen");
    }
    state.SetLabel("ea_us = Logik allein; Faktor = Fenster / Logik");
}
BENCHMARK(benotenBisNotenfenster)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    setzePauseVorNeuschreibenMs(0);
    setzeAbgabeRuhezeitMs(0);
    return bench::mitQtAusfuehren<QApplication>(argc, argv);
}
