// Lückentest: ein Text von 20 Seiten mit 99 Lücken. Gemessen werden das Markieren aller Lücken
// samt Schreiben der Urdatei und das Speichern der Urdatei aus dem markierten Text (alle Lücken
// neu bestimmen, Marken setzen, Listen anhängen, schreiben); "faktor" ist das Verhältnis zum
// Schreiben derselben RTF-Datei allein.

#include "bench_hilfe.h"
#include "cloze/lueckendateien.h"
#include "common/rtf/rtf.h"
#include "unterstuetzung/testumgebung.h"

#include <QGuiApplication>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

struct Daten
{
    Testordner ordner;
    QTextDocument schlicht;                  // ohne Lücken
    std::unique_ptr<QTextDocument> markiert; // mit 99 Lücken
    Lueckentabelle tab;
    QList<std::pair<int, int>> stellen;
    QByteArray urRtf;
    double rtfAllein = 0;
    Daten()
    {
        // 20 Seiten zu je 40 Zeilen mit rund 75 Zeichen.
        QStringList zeilen;
        for (int z = 0; z < 800; ++z) {
            zeilen << u"Zeile %1: Die Schülerinnen und Schüler prüfen, ob der Versuch gelingt."_s
                          .arg(z);
        }
        const QString text = zeilen.join(u'\n');
        schlicht.setPlainText(text);
        for (int i = 0; i < 99; ++i) {
            // Jedes Wort nur einmal: die Zeilennummer macht es eindeutig.
            const int zeile = 5 + i * 8;
            const QString wort = u"%1:"_s.arg(zeile);
            const int pos = int(text.indexOf(u"Zeile "_s + wort)) + 6;
            stellen.append({pos, pos + int(wort.size()) - 1});
        }
        std::unique_ptr<QTextDocument> d(schlicht.clone());
        markieren(*d, tab);
        QString fehler;
        const auto ur = urdateiErzeugen(*d, tab, fehler);
        urRtf = rtfSchreiben(*ur);
        markiert = std::move(d);
        const QString ziel = ordner.datei(u"allein.rtf"_s);
        rtfAllein = bench::medianSekunden([&] { rtfDateiSpeichern(ziel, *ur); }, 11);
    }
    void markieren(QTextDocument &d, Lueckentabelle &t) const
    {
        t.alleLueckenLeer();
        const QString arten = u"AFE"_s;
        for (int i = 0; i < stellen.size(); ++i) {
            lueckeMarkieren(d, t, stellen[i].first, stellen[i].second, arten[i % 3]);
            if (i % 3 == 2) {
                alternativeHinzufuegen(t, i + 1, u"Falsch%1"_s.arg(i));
            }
        }
    }
};

Daten &daten()
{
    static Daten d;
    return d;
}

void markierenUndUrdateiSchreiben(benchmark::State &state)
{
    Daten &d = daten();
    const QString ziel = d.ordner.datei(u"T._LA"_s);
    bench::messen(state, d.rtfAllein, [&] {
        std::unique_ptr<QTextDocument> doc(d.schlicht.clone());
        Lueckentabelle tab;
        d.markieren(*doc, tab);
        QString fehler;
        rtfDateiSpeichern(ziel, *urdateiErzeugen(*doc, tab, fehler));
    });
    state.counters["luecken"] = double(lueckenLaeufe(*d.markiert).size());
    state.counters["bytes"] = double(d.urRtf.size());
}

void urdateiSpeichern(benchmark::State &state)
{
    Daten &d = daten();
    const QString ziel = d.ordner.datei(u"U._LA"_s);
    Lueckentabelle tab = d.tab;
    bench::messen(state, d.rtfAllein, [&] {
        QString fehler;
        rtfDateiSpeichern(ziel, *urdateiErzeugen(*d.markiert, tab, fehler));
    });
}

} // namespace

BENCHMARK(markierenUndUrdateiSchreiben)->Unit(benchmark::kMillisecond);
BENCHMARK(urdateiSpeichern)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return bench::mitQtAusfuehren<QGuiApplication>(argc, argv);
}
