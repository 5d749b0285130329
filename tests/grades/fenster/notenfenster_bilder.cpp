// Bildschirmfotos des Notenfensters fuer beide Beispielklassen: Tabelle (alle Spalten und
// Punkte), Einzelliste mit Klassenspiegeln, Einzelschueler, Notenarten.
// Aufruf: mivo_notenfenster_bilder <Zielordner> <Basisordner mit "2016-17 Beispiele">
#include "common/ordner.h"
#include "grades/fenster/Zensurenbearbeitung.h"
#include "grades/fenster/einzelliste_ansicht.h"
#include "grades/fenster/einzelschueler_ansicht.h"
#include "grades/fenster/notenarten_ansicht.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "settings/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPixmap>
#include <QScrollBar>
#include <QStackedWidget>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void warte()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}

void bild(QWidget &fenster, const QString &ziel, const QString &name)
{
    warte();
    fenster.grab().save(ziel + u"notenfenster-"_s + name + u".png"_s);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: mivo_notenfenster_bilder <Zielordner> <Basisordner>\n");
        return 2;
    }
    const QString ziel = mitTrenner(QString::fromLocal8Bit(argv[1]));
    const QString basis = mitTrenner(QString::fromLocal8Bit(argv[2]));
    ordnerAnlegen(ziel);
    ordnerAnlegen(basis + u"2016-17"_s);
    for (const QString &name : {u"L-7x-Ph.DTA"_s, u"K-9-Inx.DTA"_s}) {
        dateiKopieren(basis + u"2016-17 Beispiele/"_s + name, basis + u"2016-17/"_s + name, false);
    }
    Einstellungen e;
    e.programmOrdner = basis;
    e.basisOrdner = basis;
    SkriptRueckfragen r;
    FesteUhr uhr(QDateTime(QDate(2017, 2, 10), QTime(10, 0)));
    TFZensurenbearbeitung f(e, r, uhr);
    f.resize(1280, 1000);
    f.show();
    warte();

    for (const QString &eintrag : {u"L-7x-Ph.DTA"_s, u"K-9-Inx.DTA"_s}) {
        const QString name = eintrag.chopped(4);
        f.BKlassenwahlClick();
        bild(f, ziel, name + u"-klassenliste"_s);
        if (!f.sitzung.laden(eintrag)) {
            std::fprintf(stderr, "%s laesst sich nicht laden\n", qPrintable(eintrag));
            return 1;
        }
        bild(f, ziel, name + u"-tabelle-alle"_s);
        // Schmal und gerollt: Namen und Kopfzeilen bleiben stehen.
        f.resize(900, 600);
        warte();
        f.tabelle->horizontalScrollBar()->setValue(f.tabelle->horizontalScrollBar()->maximum());
        f.tabelle->verticalScrollBar()->setValue(f.tabelle->verticalScrollBar()->maximum());
        bild(f, ziel, name + u"-tabelle-gerollt"_s);
        f.resize(1280, 1000);
        f.ChBPunkteZensuren->setChecked(true);
        bild(f, ziel, name + u"-tabelle-punkte"_s);
        f.ChBPunkteZensuren->setChecked(false);
        f.BDurchschnitteClick();
        bild(f, ziel, name + u"-tabelle-berechnungen"_s);
        f.BAlleZenClick();
        f.einzelliste->oeffnenMitListe(5, 0);
        bild(f, ziel, name + u"-einzelliste"_s);
        f.einzelliste->BEinzellisteAbbrechenClick();
        f.einzelschueler->BEinzelschuelerClick(1);
        bild(f, ziel, name + u"-einzelschueler"_s);
        f.einzelschueler->BAbbrechenSchuelerClick();
        f.notenarten->oeffnen();
        bild(f, ziel, name + u"-notenarten"_s);
        f.notenarten->abbrechen();
        f.sitzung.schliessen(); // nichts speichern
    }
    std::printf("Bilder des Notenfensters in %s\n", qPrintable(ziel));
    return 0;
}
