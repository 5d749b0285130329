// Das Schuelerprogramm: einen Test mit 40 Aufgaben und 40 Bildern oeffnen, alle Bilder so
// laden, wie die Testansicht sie zeigt, 40 Kreuze setzen und abgeben. Daneben die einfache
// Datei-E/A derselben Bytes (Kopie und Bilder lesen, Abgabe schreiben), im selben Lauf gemessen.
#include "bench_hilfe.h"

#include "common/ansitext.h"
#include "common/ordner.h"
#include "outside/abgabe.h"
#include "outside/schuelerprogramm.h"
#include "outside/schuelerseite.h"
#include "outside/testbogen.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>

using namespace Qt::StringLiterals;
using namespace schuelerseite;

namespace {

struct Aufbau
{
    Testordner t;
    Konfig k;
    Bereitgestellt test;
    QString kopie;
    QString bilder;
    QStringList bildDateien;

    Aufbau()
    {
        const QString s = t.pfad();
        k.ausgabeOrdner = s + u"aus/"_s;
        k.abgabeOrdner = s + u"ab/"_s;
        k.rueckgabeOrdner = k.ausgabeOrdner;
        k.schuelerOrdner = s + u"schueler/"_s;
        QDir().mkpath(k.abgabeOrdner);
        QDir().mkpath(k.schuelerOrdner);
        test.lehrer = u"Meier"_s;
        test.klassenkuerzel = u"7x"_s;
        test.testKuerzel = u"7xP1Bspl"_s;
        test.ordner = schuelerprogramm::ausgabeKlassenOrdner(k.ausgabeOrdner, u"Meier/"_s, u"7x"_s);
        test.signalDatei = k.ausgabeOrdner + u"7x-Meier-7xP1Bspl.tmp"_s;
        bilder = test.ordner + u"Bilder/"_s;
        QDir().mkpath(bilder);
        dateiSchreiben(test.signalDatei, "2024-11-05\r\n");

        QStringList z{u" Name:  Lena Albrecht"_s, QString(70, u'-'),
                      u"Physik- Test Nr. 1          Kl.: 7x       Gruppe: A"_s,
                      u"Thema: Mechanik"_s, QString(70, u'-')};
        for (int q = 1; q <= 40; ++q) {
            z << QString::number(q) + u")\t[2 P] Welche Aussage über die Größe Nr. "_s +
                     QString::number(q) + u" trifft zu?"_s;
            z << u"\ta) 1 Das Bild zeigt es"_s;
            for (QChar b : u"bcd"_s) {
                z << u'\t' + QString(b) + u") Eine mögliche Antwort mit etwas Text"_s;
            }
            z << QString();
            // Ein Foto-aehnliches Bild 640 x 480 je Aufgabe.
            QImage bild(640, 480, QImage::Format_RGB32);
            QPainter p(&bild);
            QLinearGradient verlauf(0, 0, 640, 480);
            verlauf.setColorAt(0, QColor::fromHsv(q * 9, 200, 220));
            verlauf.setColorAt(1, QColor::fromHsv(q * 9 + 120, 120, 90));
            p.fillRect(bild.rect(), verlauf);
            p.drawText(bild.rect(), Qt::AlignCenter, u"Bild "_s + QString::number(q));
            p.end();
            const QString name = QString::number(q).rightJustified(2, u'0') + u"-1 Foto.jpg"_s;
            bild.save(bilder + name, "JPG", 85);
            bildDateien << name;
        }
        kopie = test.ordner + u"Albrecht.L7x"_s;
        ansiZeilenSchreiben(kopie, z);
    }
};

Aufbau &aufbau()
{
    static Aufbau a;
    return a;
}

double einfacheEA()
{
    Aufbau &a = aufbau();
    const QString ziel = a.k.abgabeOrdner + u"einfach.L7x"_s;
    return bench::medianSekunden([&] {
        QByteArray b = bench::einfachLesen(a.kopie);
        for (const QString &n : std::as_const(a.bildDateien)) {
            benchmark::DoNotOptimize(bench::einfachLesen(a.bilder + n));
        }
        bench::einfachSchreiben(ziel, b);
    });
}

// Oeffnen, Bilder finden (und dekodieren), 40 Kreuze, Abgabe.
void oeffnenUndAbgeben(bool dekodieren)
{
    Aufbau &a = aufbau();
    QString meldung;
    std::optional<Testbogen> b = Testbogen::lesen(a.kopie, meldung);
    for (int q = 0; q < b->anzahl(); ++q) {
        const Frage &f = b->fragen()[q];
        const QString datei =
            dateienNachMuster(a.bilder, bildMuster(f.nummer, f.antworten[0].bildziffer)).value(0);
        if (dekodieren) {
            QImageReader leser(a.bilder + datei);
            const QImage bild = leser.read();
            benchmark::DoNotOptimize(
                bild.scaled(180, 120, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        } else {
            benchmark::DoNotOptimize(bytesLesen(a.bilder + datei));
        }
        b->waehlen(q, q % 4);
    }
    abgeben(a.k, a.test, u"Albrecht.L7x"_s, b->ausgefuellt());
}

void BM_OeffnenBilderAbgeben(benchmark::State &state)
{
    const double ea = einfacheEA();
    bench::messen(state, ea, [] { oeffnenUndAbgeben(true); });
}

void BM_OeffnenAbgebenOhneDekodieren(benchmark::State &state)
{
    const double ea = einfacheEA();
    bench::messen(state, ea, [] { oeffnenUndAbgeben(false); });
}

} // namespace

BENCHMARK(BM_OeffnenBilderAbgeben)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OeffnenAbgebenOhneDekodieren)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return bench::mitQtAusfuehren<QGuiApplication>(argc, argv);
}
