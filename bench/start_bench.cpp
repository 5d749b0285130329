// Startzeit des Lehrerprogramms: vom Prozessstart bis die Uebersicht mit geladenen Einstellungen
// gezeichnet ist, neben der Zeit eines nackten Qt-Programms, das ein Fenster zeigt.
// Jede Messung ist ein eigener Prozess (dieses Programm mit "--kind ..."), Median ueber die Laeufe.
#include "app/fenster/Anwendung.h"
#include "app/konfiguration.h"
#include "bench_hilfe.h"
#include "common/ansitext.h"
#include "common/oeffner.h"
#include "common/ordner.h"
#include "common/uhr.h"
#include "unterstuetzung/skriptrueckfragen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int kLaeufe = 15;

class KeinOeffner final : public Oeffner
{
public:
    bool oeffnen(const QString &) override { return false; }
    bool programmStarten(const QString &, const QStringList &) override { return false; }
};

// Meldet "bereit", sobald gezeichnet wurde und die Bedingung erfuellt ist.
class Zeichenwaechter final : public QObject
{
public:
    explicit Zeichenwaechter(std::function<bool()> bedingung)
        : bedingung(std::move(bedingung))
    {
        takt.setInterval(1);
        connect(&takt, &QTimer::timeout, this, &Zeichenwaechter::pruefen);
        takt.start();
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            gezeichnet = true;
            pruefen();
        }
        return QObject::eventFilter(o, e);
    }

private:
    void pruefen()
    {
        if (gezeichnet && bedingung()) {
            takt.stop();
            std::printf("bereit\n");
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
    }
    std::function<bool()> bedingung;
    QTimer takt;
    bool gezeichnet = false;
};

int kindProgramm(int argc, char **argv, const QString &basis, bool mitEinstellungen)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Mivo-Zuzovuvavev"_s);
    Einstellungen e;
    e.programmOrdner = basis;
    SkriptRueckfragen r;
    KeinOeffner o;
    SystemUhr uhr;
    Konfiguration k(e, r);
    Umgebung u{e, k, r, o, uhr};
    Zeichenwaechter waechter([&] { return !mitEinstellungen || !e.basisOrdner.isEmpty(); });
    app.installEventFilter(&waechter);
    Anwendung a(u);
    a.starten();
    const int rc = QApplication::exec();
    if (!r.protokoll.isEmpty()) {
        std::fprintf(stderr, "Unerwartete Meldung: %s\n", qPrintable(r.protokoll[0].text));
        return 1;
    }
    return rc;
}

int kindLeer(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget w;
    w.resize(800, 600);
    Zeichenwaechter waechter([] { return true; });
    app.installEventFilter(&waechter);
    w.show();
    return QApplication::exec();
}

// Laufzeit eines Kindprozesses bis zur Zeile "bereit" in Sekunden; negativ bei Fehler.
double messeKind(const QStringList &argumente)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer uhr;
    uhr.start();
    p.start(QCoreApplication::applicationFilePath(), argumente);
    while (p.waitForReadyRead(10000)) {
        if (p.readAll().contains("bereit")) {
            const double s = uhr.nsecsElapsed() / 1e9;
            p.waitForFinished(5000);
            return s;
        }
    }
    p.kill();
    p.waitForFinished();
    return -1;
}

// Ein eingerichteter Basisordner: zweiter Start, keine Meldungen.
bool basisAnlegen(const QString &basis)
{
    if (!baumKopieren(QStringLiteral(MIVO_BASIS), basis, true)) {
        return false;
    }
    QStringList zeilen = ansiZeilenLesen(basis + kLehrerCfName).zeilen;
    wertNachKopfSetzen(zeilen, Kopf::programmOrdner, basis + kSchulserverOrdnerName + u"/"_s);
    wertNachKopfSetzen(zeilen, Kopf::lehrerKlassenOrdner, basis);
    const QString cf = basis + kSchulserverOrdnerName + u"/"_s + kSchuelerCfName;
    QStringList schule = ansiZeilenLesen(cf).zeilen;
    wertNachKopfSetzen(schule, Kopf::schule, u"Gesamtschule Köln-Süd/"_s);
    return ansiZeilenSchreiben(basis + kLehrerCfName, zeilen).ok() &&
           ansiZeilenSchreiben(cf, schule).ok();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 3 && qstrcmp(argv[1], "--kind") == 0) {
        if (qstrcmp(argv[2], "programm") == 0 && argc >= 4) {
            return kindProgramm(argc, argv, QString::fromLocal8Bit(argv[3]), true);
        }
        if (qstrcmp(argv[2], "erstes-bild") == 0 && argc >= 4) {
            return kindProgramm(argc, argv, QString::fromLocal8Bit(argv[3]), false);
        }
        return kindLeer(argc, argv);
    }
    QCoreApplication app(argc, argv);
    setzePauseVorNeuschreibenMs(200);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir tmp;
    const QString basis = mitTrenner(tmp.path());
    if (!basisAnlegen(basis)) {
        std::fprintf(stderr, "Basisordner %s fehlt\n", MIVO_BASIS);
        return 1;
    }
    std::vector<double> programm, erstesBild, leer;
    for (int i = 0; i < kLaeufe; ++i) {
        const double p = messeKind({u"--kind"_s, u"programm"_s, basis});
        const double b = messeKind({u"--kind"_s, u"erstes-bild"_s, basis});
        const double l = messeKind({u"--kind"_s, u"leer"_s});
        if (p < 0 || b < 0 || l < 0) {
            std::fprintf(stderr, "Ein Lauf ist nicht fertig geworden.\n");
            return 1;
        }
        programm.push_back(p);
        erstesBild.push_back(b);
        leer.push_back(l);
    }
    const auto median = [](std::vector<double> v) {
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        return v[v.size() / 2];
    };
    const double mp = median(programm), mb = median(erstesBild), ml = median(leer);
    std::printf("Plattform: %s, %d Laeufe je Programm (Median)\n",
                qEnvironmentVariable("QT_QPA_PLATFORM", u"xcb"_s).toUtf8().constData(), kLaeufe);
    std::printf("Start bis Uebersicht gezeichnet (Einstellungen geladen): %7.1f ms\n", mp * 1e3);
    std::printf("Start bis zum ersten Bild der Uebersicht:                 %7.1f ms\n", mb * 1e3);
    std::printf("Nacktes Qt-Programm mit einem Fenster:                   %7.1f ms\n", ml * 1e3);
    std::printf("Faktor Uebersicht mit Einstellungen / nackt: %.2f\n", mp / ml);
    std::printf("Faktor erstes Bild / nackt:                  %.2f\n", mb / ml);
    return 0;
}
