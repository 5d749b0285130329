#include "grades/fenster/klassennoten_ausgabe.h"

#include "app/fenster/QtOeffner.h"
#include "app/konfiguration.h"
#include "common/rueckfragen.h"
#include "common/uhr.h"
#include "grades/fenster/Zensurenbearbeitung.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "grades/klassennoten.h"

#include <QLabel>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

Oeffner *eingesetzterOeffner = nullptr;

Oeffner &oeffner()
{
    static QtOeffner desktop;
    return eingesetzterOeffner != nullptr ? *eingesetzterOeffner : desktop;
}

// Wartehinweis ueber dem Fenster, solange er lebt; die Tabelle ist so lange verborgen.
class Warten
{
public:
    Warten(QWidget *fenster, QWidget *tabelle)
        : tabelle(tabelle)
    {
        PWartehinweis = std::make_unique<QLabel>(fenster);
        PWartehinweis->setObjectName(u"PWartehinweis"_s);
        auto *LWartehinweis = new QLabel(
            u"Bitte warten:  Der Transfer der Noten in das Textprogramm dauert einige Sekunden."_s,
            PWartehinweis.get());
        LWartehinweis->setObjectName(u"LWartehinweis"_s);
        PWartehinweis->setStyleSheet(
            u"QLabel#PWartehinweis { background: rgb(255,255,225); border: 2px solid "
            u"rgb(155,0,0); } QLabel#LWartehinweis { font-weight: bold; }"_s);
        LWartehinweis->adjustSize();
        PWartehinweis->resize(LWartehinweis->width() + 24, LWartehinweis->height() + 24);
        LWartehinweis->move(12, 12);
        PWartehinweis->move((fenster->width() - PWartehinweis->width()) / 2,
                            (fenster->height() - PWartehinweis->height()) / 3);
        tabelle->hide();
        PWartehinweis->show();
        PWartehinweis->repaint();
    }
    ~Warten() { tabelle->show(); }

private:
    QWidget *tabelle;
    std::unique_ptr<QLabel> PWartehinweis;
};

} // namespace

void klassennotenOeffnerSetzen(Oeffner *o)
{
    eingesetzterOeffner = o;
}

bool klassennotenUeberTextprogramm(TFZensurenbearbeitung &f)
{
    // Eine eben getippte Note gehoert schon in die Ausgabe.
    f.tabelle->bearbeitungAbschliessen();
    const std::optional<KlassennotenWahl> wahl =
        klassennotenDialoge(f.einstellungenRef().programmOrdner, f.pfad, f.r);
    if (!wahl) {
        return false;
    }
    bool geschrieben = false;
    {
        const Warten warten(&f, f.tabelle);
        geschrieben = klassennotenSchreiben(*wahl, f.klasse, f.klassenname, f.tabelle->anzeige,
                                            f.uhr.heute(), f.r);
    }
    if (!geschrieben) {
        return false;
    }
    if (!oeffner().oeffnen(wahl->ziel)) {
        f.r.fehler(u"Das Textprogramm konnte nicht geöffnet werden!"_s);
    }
    return true;
}
