// Bildschirmfotos aller Fenster der Anwendungsschale fuer "make screenshots".
// Aufruf: mivo_bildschirmfotos <Zielordner> <frischer Basisordner>
// Laeuft mit den echten Fenstern und Meldungsfenstern; jede Meldung wird fotografiert und
// mit ihrem Abbruch- bzw. OK-Knopf geschlossen.
#include "app/fenster/Anwendung.h"
#include "app/fenster/Willkommensbild.h"
#include "common/oeffner.h"
#include "common/ordner.h"
#include "common/uhr.h"
#include "settings/konfiguration.h"
#include "settings/uebersicht.h"
#include "widgets/QtRueckfragen.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QString zielOrdner;
QStringList meldungsNamen; // Namen der naechsten Meldungen, in ihrer Reihenfolge
int fotos = 0;

void speichern(const QPixmap &bild, const QString &name)
{
    const QString datei = zielOrdner + name + u".png"_s;
    if (bild.save(datei)) {
        std::printf("%s\n", qPrintable(datei));
        ++fotos;
    } else {
        std::fprintf(stderr, "Konnte %s nicht speichern\n", qPrintable(datei));
    }
}

void warte(int ms)
{
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

void foto(QWidget *w, const QString &name)
{
    w->raise();
    warte(250);
    speichern(w->grab(), name);
}

// Schaut nach offenen Meldungen: fotografiert den Bildschirm und schliesst sie.
void meldungenBehandeln()
{
    static QPointer<QMessageBox> gesehen;
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) {
        return;
    }
    if (box != gesehen) {
        gesehen = box; // erst beim naechsten Takt, wenn sie gezeichnet ist
        return;
    }
    const QString name =
        meldungsNamen.isEmpty() ? u"meldung-%1"_s.arg(fotos) : meldungsNamen.takeFirst();
    speichern(box->screen()->grabWindow(0), name);
    QAbstractButton *knopf = box->escapeButton() ? box->escapeButton() : box->buttons().first();
    knopf->click();
}

class NurAufzeichnen final : public Oeffner
{
public:
    bool oeffnen(const QString &) override { return true; }
    bool programmStarten(const QString &, const QStringList &) override { return true; }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAnwendungsTitel);
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: %s <Zielordner> <Basisordner>\n", argv[0]);
        return 2;
    }
    zielOrdner = mitTrenner(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    QDir().mkpath(zielOrdner);

    Einstellungen e;
    e.programmOrdner = mitTrenner(QDir(QString::fromLocal8Bit(argv[2])).absolutePath());
    QtRueckfragen r;
    NurAufzeichnen o;
    SystemUhr uhr;
    Konfiguration k(e, r);
    Umgebung u{e, k, r, o, uhr};

    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, &meldungenBehandeln);
    takt.start(80);

    meldungsNamen = {u"01-erster-start-willkommen"_s, u"02-erster-start-schulkonfig-fehlt"_s};
    Anwendung a(u);
    a.starten();
    while (e.basisOrdner.isEmpty() && !e.programmEndet) {
        warte(50);
    }
    TMainForm &haupt = a.hauptfenster;
    foto(&haupt, u"03-uebersicht-erster-start"_s);

    // Ohne Klassen sperrt die Uebersicht alles Weitere (hier ueber das Menue).
    meldungsNamen = {u"04-sperre-ohne-klassen"_s};
    haupt.findChild<QAction *>(u"Testkonstruieren1"_s)->setEnabled(true);
    haupt.TestKonstruierenClick();

    // Konfiguration fuer Testfunktionen: Rueckfall auf 1, Go 1 mit Probelauf-Frage.
    meldungsNamen = {u"05-konfiguration-ordner-nicht-gefunden"_s,
                     u"06-konfiguration-probelauf-frage"_s};
    haupt.findChild<QAction *>(u"KonfigurationfrTestfunktionen1"_s)->trigger();
    foto(&a.konf, u"07-konfiguration-1"_s);
    meldungsNamen = {u"08-konfiguration-2-hinweis"_s};
    a.konf.findChild<QRadioButton *>(u"RadioButton2"_s)->click();
    foto(&a.konf, u"09-konfiguration-2"_s);
    meldungsNamen = {u"10-konfiguration-3-hinweis"_s};
    a.konf.findChild<QRadioButton *>(u"RadioButton3"_s)->click();
    foto(&a.konf, u"11-konfiguration-3"_s);
    a.konf.hide();

    // Anfangskonfiguration mit Umlauten; der Lehrername wird bereinigt.
    haupt.findChild<QAction *>(u"AnfangsKonfiguration1"_s)->trigger();
    a.anfangsKonf.findChild<QLineEdit *>(u"ESchulName"_s)->setText(u"Gesamtschule Köln-Süd"_s);
    auto *lehrer = a.anfangsKonf.findChild<QLineEdit *>(u"ELehrerName"_s);
    lehrer->setText(u"Jörg-Müller"_s);
    a.anfangsKonf.ELehrerNameExit();
    foto(&a.anfangsKonf, u"12-anfangskonfiguration"_s);
    meldungsNamen = {u"13-anfangskonfiguration-gespeichert"_s};
    a.anfangsKonf.BOKClick();
    foto(&haupt, u"14-uebersicht"_s);

    meldungsNamen = {u"15-info"_s};
    haupt.InfoClick();

    speichern(Willkommensbild::symbol().pixmap(128, 128), u"16-programmsymbol"_s);

    std::printf("%d Bilder\n", fotos);
    return fotos >= 16 ? 0 : 1;
}
