// Startzeit des Lehrerprogramms: vom Prozessstart bis die Uebersicht mit geladenen Einstellungen
// gezeichnet ist, neben der Zeit eines nackten Qt-Programms, das ein Fenster zeigt. Dazu das
// erste Zeigen der Notenverwaltung und der Testauswahl nach dem Start (Modusknopf bis gezeichnet),
// denn ihre Steuerelemente entstehen erst dann.
// Jede Messung ist ein eigener Prozess (dieses Programm mit "--kind ..."), Median ueber die Laeufe.
#include "app/fenster/Anwendung.h"
#include "bench_hilfe.h"
#include "common/ansitext.h"
#include "common/oeffner.h"
#include "common/ordner.h"
#include "common/schuljahr.h"
#include "common/uhr.h"
#include "settings/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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

// Die Zeile "bereit" (mit dem Messwert des Kindes dahinter) fuer den Elternprozess, dann Ende.
void bereitMelden(const QByteArray &wert = {})
{
    std::printf("bereit%s%s\n", wert.isEmpty() ? "" : " ", wert.constData());
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

// Ruft danach (Vorgabe: "bereit" melden und enden), sobald gezeichnet wurde und die Bedingung
// erfuellt ist.
class Zeichenwaechter final : public QObject
{
public:
    explicit Zeichenwaechter(std::function<bool()> bedingung)
        : Zeichenwaechter(std::move(bedingung), [] { bereitMelden(); })
    {}
    Zeichenwaechter(std::function<bool()> bedingung, std::function<void()> danach)
        : bedingung(std::move(bedingung))
        , danach(std::move(danach))
    {
        takt.setInterval(1);
        connect(&takt, &QTimer::timeout, this, &Zeichenwaechter::pruefen);
        takt.start();
    }
    // Nur das Zeichnen in diesem Fenster zaehlt (Vorgabe: jedes).
    QWidget *nurFenster = nullptr;

    bool eventFilter(QObject *o, QEvent *e) override
    {
        const auto *w = qobject_cast<QWidget *>(o);
        if (e->type() == QEvent::Paint && (!nurFenster || (w && w->window() == nurFenster))) {
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
            gezeichnet = false;
            bedingung = [] { return false; };
            danach();
        }
    }
    std::function<bool()> bedingung;
    std::function<void()> danach;
    QTimer takt;
    bool gezeichnet = false;
};

// Das Lehrerprogramm in einem Kindprozess, mit Einstellungen und Rueckfragen ohne Fenster.
struct Kind
{
    Kind(int &argc, char **argv, const QString &basis)
        : app(argc, argv)
    {
        QApplication::setApplicationName(u"Mivo-Zuzovuvavev"_s);
        e.programmOrdner = basis;
    }
    // Laeuft bis zum Ende; eine unerwartete Meldung ist ein Fehler.
    int ausfuehren()
    {
        const int rc = QApplication::exec();
        if (!r.protokoll.isEmpty()) {
            std::fprintf(stderr, "Unerwartete Meldung: %s\n", qPrintable(r.protokoll[0].text));
            return 1;
        }
        return rc;
    }
    QApplication app;
    Einstellungen e;
    SkriptRueckfragen r;
    KeinOeffner o;
    SystemUhr uhr;
    Konfiguration k{e, r};
    Umgebung u{e, k, r, o, uhr};
};

int kindProgramm(int argc, char **argv, const QString &basis, bool mitEinstellungen)
{
    Kind kind(argc, argv, basis);
    Einstellungen &e = kind.e;
    QApplication &app = kind.app;
    Zeichenwaechter waechter([&] { return !mitEinstellungen || !e.basisOrdner.isEmpty(); });
    app.installEventFilter(&waechter);
    Anwendung a(kind.u);
    a.starten();
    return kind.ausfuehren();
}

// Nach dem Start (Einstellungen geladen) ein Modusknopf; meldet "bereit <ms>", sobald das
// Fenster des Modus gezeichnet ist.
int kindErstesZeigen(int argc, char **argv, const QString &basis, bool noten)
{
    Kind kind(argc, argv, basis);
    Einstellungen &e = kind.e;
    QApplication &app = kind.app;
    Anwendung a(kind.u);
    QWidget *ziel = noten ? static_cast<QWidget *>(&a.notenfenster) : &a.testauswahl;
    QElapsedTimer zeit;
    bool geklickt = false;
    const auto gezeichnet = [&] { bereitMelden(QByteArray::number(zeit.nsecsElapsed() / 1e6)); };
    Zeichenwaechter fenster([&] { return geklickt && ziel->isVisible(); }, gezeichnet);
    fenster.nurFenster = ziel;
    // Der Klick erst nach dem Zeichnen der Uebersicht, im naechsten Durchgang der Schleife.
    const auto klicken = [&] {
        QTimer::singleShot(0, &a.hauptfenster, [&] {
            app.installEventFilter(&fenster);
            geklickt = true;
            zeit.start();
            if (noten) {
                a.hauptfenster.NotenverwaltungClick();
            } else {
                a.hauptfenster.TestKonstruierenClick();
            }
        });
    };
    Zeichenwaechter start([&] { return !e.basisOrdner.isEmpty(); }, klicken);
    app.installEventFilter(&start);
    a.starten();
    return kind.ausfuehren();
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

// Die Zahl, die ein Kindprozess hinter "bereit " meldet (Millisekunden); negativ bei Fehler.
double kindWert(const QStringList &argumente)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), argumente);
    QByteArray gelesen;
    while (p.waitForReadyRead(10000)) {
        gelesen += p.readAll();
        const qsizetype i = gelesen.indexOf("bereit ");
        if (i >= 0 && gelesen.indexOf('\n', i) > i) {
            p.waitForFinished(5000);
            return gelesen.mid(i + 7, gelesen.indexOf('\n', i) - i - 7).toDouble();
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
        if ((qstrcmp(argv[2], "noten") == 0 || qstrcmp(argv[2], "auswahl") == 0) && argc >= 4) {
            return kindErstesZeigen(argc, argv, QString::fromLocal8Bit(argv[3]),
                                    qstrcmp(argv[2], "noten") == 0);
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
    // Die Modi verlangen eine Klasse im aktuellen Schuljahr; der Start selbst sucht keine.
    QTemporaryDir tmpKlasse;
    const QString basisKlasse = mitTrenner(tmpKlasse.path());
    const QString jahr = basisKlasse + aktuellesSchuljahr(QDate::currentDate()) + u"/"_s;
    if (!basisAnlegen(basisKlasse) || !QDir().mkpath(jahr) ||
        !QFile::copy(basisKlasse + u"2016-17 Beispiele/L-7x-Ph.DTA"_s, jahr + u"L-7x-Ph.DTA"_s)) {
        std::fprintf(stderr, "Basisordner mit Klasse nicht angelegt\n");
        return 1;
    }
    std::vector<double> programm, erstesBild, leer, noten, auswahl;
    for (int i = 0; i < kLaeufe; ++i) {
        const double p = messeKind({u"--kind"_s, u"programm"_s, basis});
        const double b = messeKind({u"--kind"_s, u"erstes-bild"_s, basis});
        const double l = messeKind({u"--kind"_s, u"leer"_s});
        const double n = kindWert({u"--kind"_s, u"noten"_s, basisKlasse});
        const double a = kindWert({u"--kind"_s, u"auswahl"_s, basisKlasse});
        if (p < 0 || b < 0 || l < 0 || n < 0 || a < 0) {
            std::fprintf(stderr, "Ein Lauf ist nicht fertig geworden.\n");
            return 1;
        }
        programm.push_back(p);
        erstesBild.push_back(b);
        leer.push_back(l);
        noten.push_back(n);
        auswahl.push_back(a);
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
    std::printf("Erstes Zeigen der Notenverwaltung (Knopf bis gezeichnet): %7.1f ms\n",
                median(noten));
    std::printf("Erstes Zeigen der Testauswahl (Knopf bis gezeichnet):     %7.1f ms\n",
                median(auswahl));
    return 0;
}
