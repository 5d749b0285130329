// Testeditor: Aufraeumen, Pruefen, Neunummerieren und Formatieren eines Tests mit 40 Fragen
// (neben dem Lesen und Schreiben seiner Bytes); Laden eines Tests mit 40 Bildern (neben dem
// blossen Dekodieren derselben JPEG-Dateien).

#include "authoring/aufgaben.h"
#include "authoring/formatierung.h"
#include "authoring/testbilder.h"
#include "bench_hilfe.h"
#include "common/ansitext.h"
#include "common/ordner.h"

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

// 40 Fragen; in Frage q verweist Antwort a) auf Bild 1. Die Nummern sind verschoben, damit das
// Neunummerieren wirklich arbeitet.
QStringList test40()
{
    QStringList z{u"Multiple-Choice-Test"_s,
                  QString(70, u'-'),
                  u"Physik- Test Nr. 1          Kl.: 7x       Gruppe: A"_s,
                  u"Thema: Unfallverhütung"_s,
                  QString(70, u'-'),
                  QString()};
    for (int q = 1; q <= 40; ++q) {
        z << QString::number(q == 7 ? 70 : q) + u")\tWas gilt für die Frage Nummer "_s +
                 QString::number(q) + u", wenn der Text etwas länger ist?"_s
          << u"\ta) 1 Bild"_s << u"2\tb) Die richtige Antwort mit Ä und ß"_s
          << u"\tc) Eine falsche Antwort"_s << u"\td) Noch eine falsche Antwort\t\t"_s << QString();
    }
    return z;
}

void neunummerierenUndFormatieren(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(u"t.__A"_s);
    const QStringList zeilen = test40();
    ansiZeilenSchreiben(pfad, zeilen);
    const double ea =
        bench::medianSekunden([&] { bench::einfachSchreiben(pfad, bench::einfachLesen(pfad)); });
    bench::messen(state, ea, [&] {
        QStringList z = zeilen;
        SammelRueckfragen r;
        ungueltigeAbsaetzeLeeren(z);
        aufgabennummern_kontrollieren(z, r);
        QTextDocument doc;
        doc.setDefaultFont(editorSchrift());
        doc.setPlainText(z.join(u'\n'));
        schriftFormatieren(doc, kKopfgrenzeKonstruktion);
        absatzformatierung(doc);
        benchmark::DoNotOptimize(doc.blockCount());
    });
}

void test40Bilder(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString bilder = dir.filePath(u"Bilder/"_s);
    ordnerAnlegen(bilder);
    QImage bild(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            bild.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
        }
    }
    QStringList dateien;
    for (int q = 1; q <= 40; ++q) {
        const QString d =
            bilder + (q < 10 ? u"0"_s : QString()) + QString::number(q) + u"-1 Bild.jpg"_s;
        bild.save(d, "JPG", 85);
        dateien << d;
    }
    QStringList zeilen = test40();
    SammelRueckfragen r;
    aufgaben_neu_nummerieren(zeilen);
    const double dekodieren = bench::medianSekunden(
        [&] {
            for (const QString &d : dateien) {
                QImage i(d);
                benchmark::DoNotOptimize(i.width());
            }
        },
        5);
    bench::messen(state, dekodieren, [&] {
        Bildspeicher s;
        s.allesLaden(zeilen, bilder, r);
        benchmark::DoNotOptimize(s.bilderGeladen());
    });
    state.counters["ea_us"] = dekodieren * 1e6; // hier: nur Dekodieren der 40 JPEG-Dateien
}

} // namespace

BENCHMARK(neunummerierenUndFormatieren)->Unit(benchmark::kMillisecond);
BENCHMARK(test40Bilder)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return bench::mitQtAusfuehren<QGuiApplication>(argc, argv);
}
