// RTF laden und speichern (1 MiB) und die Rueckgabe einer Klasse von 40 benoteten Kopien,
// jeweils neben der einfachen Datei-E/A derselben Bytes.

#include "authoring/formatierung.h"
#include "bench_hilfe.h"
#include "common/ansitext.h"
#include "common/rtf/rtf.h"
#include "common/rtf/zeilenmodell.h"
#include "conduct/rueckgabe.h"
#include "settings/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

QStringList kopie(int nr)
{
    QStringList z{u" Name:  Karl Schüler%1"_s.arg(nr),
                  u"----------------------------------------------------------------------"_s,
                  u"Physik- Test Nr. 1          Kl.: 7x       Gruppe: A"_s,
                  u"Thema: Beispieltest zur Unfallverhütung"_s,
                  u"----------------------------------------------------------------------"_s,
                  u"Aufgabe\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\tges."_s,
                  u"max. P.   \t2\t1\t3\t2\t1\t3\t2\t1\t3\t2\t20"_s,
                  u"Ergebnis\t2\t0\t3\t2\t0\t3\t2\t1\t0\t2\t15"_s,
                  u"Kl.-Treffer\t20\t11\t30\t12\t19\t25\t31\t8\t17\t22"_s,
                  u"----------------------------------------------------------------------"_s,
                  u"=================================================================="_s,
                  u"Dein Testergebnis:      Notenpunkte: 10,         Note (E/G): 2/1"_s,
                  u"=================================================================="_s,
                  QString()};
    for (int q = 1; q <= 10; ++q) {
        z << u"%1)\t[2 P] Was tust du zuerst, wenn im Fachraum ein Feuer ausbricht? (€ „ß“)"_s.arg(
                 q)
          << u"\ta) Ich lösche es sofort selbst."_s << u"=x\tb) Ich sage der Lehrkraft Bescheid."_s
          << u"\tc) Ich packe in Ruhe meine Sachen."_s << u"\td) Ich öffne alle Fenster."_s
          << QString();
    }
    return z;
}

// Ein formatiertes Dokument von wenigstens 1 MiB RTF mit Lueckenfarben.
void grossesDokument(QTextDocument &doc)
{
    doc.setDefaultFont(editorSchrift());
    QStringList zeilen;
    for (int i = 0; zeilen.size() < 11000; ++i) {
        zeilen << kopie(i);
    }
    Zeilenmodell(doc).setzeAlle(zeilen);
    schriftFormatieren(doc, kKopfgrenzeDurchfuehrung);
    QTextCharFormat luecke;
    luecke.setForeground(QColor(1, 1, 1));
    luecke.setBackground(QColor(215, 255, 215));
    for (int z = 15; z < zeilen.size(); z += 6) {
        QTextCursor c = Zeilenmodell(doc).auswahl(z);
        if (c.selectedText().size() < 12) {
            continue;
        }
        c.setPosition(c.selectionStart() + 4);
        c.setPosition(c.position() + 6, QTextCursor::KeepAnchor);
        c.mergeCharFormat(luecke);
    }
}

struct Daten
{
    Testordner ordner;
    QTextDocument doc;
    QByteArray rtf;
    QString pfad;
    Daten()
    {
        grossesDokument(doc);
        rtf = rtfSchreiben(doc);
        pfad = ordner.datei(u"gross.rtf"_s);
        ordner.schreibe(u"gross.rtf"_s, rtf);
    }
};

Daten &daten()
{
    static Daten d;
    return d;
}

void rtfLaden(benchmark::State &state)
{
    Daten &d = daten();
    const double ea = bench::medianSekunden([&] { bench::einfachLesen(d.pfad); });
    const double je = bench::messen(state, ea, [&] {
        QTextDocument doc;
        rtfDateiLaden(d.pfad, doc);
        benchmark::DoNotOptimize(doc.blockCount());
    });
    state.counters["bytes"] = double(d.rtf.size());
    state.counters["mb_s"] = je > 0 ? double(d.rtf.size()) / je / 1e6 : 0.0;
}

void rtfSpeichern(benchmark::State &state)
{
    Daten &d = daten();
    const QString einfach = d.ordner.datei(u"einfach.rtf"_s);
    const QString ziel = d.ordner.datei(u"ziel.rtf"_s);
    const double ea = bench::medianSekunden([&] { bench::einfachSchreiben(einfach, d.rtf); });
    bench::messen(state, ea, [&] { rtfDateiSpeichern(ziel, d.doc); });
    state.counters["bytes"] = double(d.rtf.size());
}

void klasseZurueckgeben(benchmark::State &state)
{
    Testordner ordner;
    Einstellungen e;
    e.basisOrdner = ordner.pfad();
    e.rueckgabeOrdner = ordner.pfad() + u"Rueckgabe/"_s;
    e.lehrername = u"Meier/"_s;
    const TestPfade test{e.basisOrdner, u"2016-17"_s, u"7xP1Bspl"_s};
    QDir().mkpath(test.benotetOrdner());
    QStringList quellen;
    for (int s = 1; s <= 40; ++s) {
        const QString name = u"Schuel%1.K7x"_s.arg(s, 2, 10, QChar(u'0'));
        ansiZeilenSchreiben(test.benotetOrdner() + name, kopie(s));
        quellen << test.benotetOrdner() + name;
    }
    SkriptRueckfragen r;
    const FesteUhr uhr(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
    testZurueckgeben(test, e, true, uhr, r);
    // Einfache E/A: die 40 Kopien lesen und 40 Dateien der erzeugten Groesse schreiben.
    QList<QByteArray> ausgaben;
    const QString ziel = e.rueckgabeOrdner + u"Meier/7x/"_s;
    for (const QString &n : QDir(ziel).entryList({u"Mivo*"_s}, QDir::Files)) {
        ausgaben << bench::einfachLesen(ziel + n);
    }
    const double ea = bench::medianSekunden(
        [&] {
            for (const QString &q : quellen) {
                benchmark::DoNotOptimize(bench::einfachLesen(q));
            }
            for (int i = 0; i < ausgaben.size(); ++i) {
                bench::einfachSchreiben(ordner.datei(u"ea%1"_s.arg(i)), ausgaben[i]);
            }
        },
        11);
    bench::messen(state, ea, [&] { testZurueckgeben(test, e, true, uhr, r); });
    state.counters["dokumente"] = double(ausgaben.size());
}

} // namespace

BENCHMARK(rtfLaden)->Unit(benchmark::kMillisecond);
BENCHMARK(rtfSpeichern)->Unit(benchmark::kMillisecond);
BENCHMARK(klasseZurueckgeben)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return bench::mitQtAusfuehren<QGuiApplication>(argc, argv);
}
