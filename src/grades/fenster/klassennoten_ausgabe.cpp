#include "grades/fenster/klassennoten_ausgabe.h"

#include "classdata/klassensitzung.h"
#include "common/rueckfragen.h"
#include "common/uhr.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "grades/klassennoten.h"
#include "settings/konfiguration.h"
#include "widgets/QtOeffner.h"

#include <QLabel>

#include <memory>
#include <optional>

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

bool klassennotenUeberTextprogramm(Klassensitzung &s, const QString &programmOrdner,
                                   ZenListeGesamt *tabelle, Rueckfragen &r, const Uhr &uhr)
{
    // Eine eben getippte Note gehoert schon in die Ausgabe.
    s.eingabenAbschliessen();
    const std::optional<KlassennotenWahl> wahl = klassennotenDialoge(programmOrdner, s.pfad(), r);
    if (!wahl) {
        return false;
    }
    const NotenAnzeige anzeige = tabelle != nullptr ? tabelle->anzeige : NotenAnzeige::Zensuren;
    bool geschrieben = false;
    {
        std::optional<Warten> warten;
        if (tabelle != nullptr) {
            warten.emplace(tabelle->window(), tabelle);
        }
        geschrieben = klassennotenSchreiben(*wahl, s.klasse, s.name(), anzeige, uhr.heute(), r);
    }
    if (!geschrieben) {
        return false;
    }
    if (!oeffner().oeffnen(wahl->ziel)) {
        r.fehler(u"Das Textprogramm konnte nicht geöffnet werden!\r\nDas Dokument wurde "_s
                 u"gespeichert unter:  "_s +
                 wahl->ziel + u"\r\nEs kann von dort mit einem Textprogramm geöffnet werden."_s);
    }
    return true;
}
