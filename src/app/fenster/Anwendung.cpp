#include "app/fenster/Anwendung.h"

#include "app/fenster/Skalierung.h"
#include "app/fenster/Willkommensbild.h"
#include "classdata/fenster/klassenwerkzeuge.h"

#include <QApplication>
#include <QCheckBox>
#include <QProxyStyle>
#include <QStyleFactory>

namespace {

// Hinweise erscheinen nach 300 ms.
class MivoStil final : public QProxyStyle
{
public:
    MivoStil()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {}
    int styleHint(StyleHint hinweis, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *rueckgabe) const override
    {
        if (hinweis == SH_ToolTip_WakeUpDelay) {
            return 300;
        }
        return QProxyStyle::styleHint(hinweis, option, widget, rueckgabe);
    }
};

} // namespace

Anwendung::Aussehen::Aussehen()
{
    if (!dynamic_cast<MivoStil *>(QApplication::style())) {
        QApplication::setStyle(new MivoStil);
    }
    QApplication::setWindowIcon(Willkommensbild::symbol());
}

Anwendung::Anwendung(Umgebung &umgebung)
    : hauptfenster(umgebung)
    , notenfenster(umgebung.e, umgebung.r, umgebung.uhr)
    , versetzung(umgebung.e, umgebung.r, umgebung.uhr, &hauptfenster)
    , konf(umgebung, &hauptfenster)
    , anfangsKonf(umgebung, &hauptfenster)
    , lueckentest(umgebung.e, umgebung.r)
{
    hauptfenster.setzeNotenverwaltung(&notenverwaltung);
    hauptfenster.setzeKonfigDialoge(&konf, &anfangsKonf);

    QObject::connect(&notenfenster, &TFZensurenbearbeitung::zurUebersicht, &hauptfenster, [this] {
        notenfenster.hide();
        hauptfenster.FormEinstellung(1);
        hauptfenster.show();
    });
    QObject::connect(&notenfenster, &TFZensurenbearbeitung::testFunktion, &hauptfenster,
                     [this](int schritt) {
                         switch (schritt) {
                         case 1:
                             hauptfenster.TestKonstruierenClick();
                             break;
                         case 4:
                             hauptfenster.TestrueckgabeClick();
                             break;
                         default:
                             hauptfenster.TestsBereitStellenHolen();
                         }
                     });
    QObject::connect(&notenfenster, &TFZensurenbearbeitung::programmBeenden, &hauptfenster,
                     [this] { hauptfenster.programmBeenden(); });

    fensterSkalieren(&notenfenster,
                     fensterSkalierung(&notenfenster, Fensterfamilie::Notenverwaltung));
    fensterSkalieren(&versetzung, fensterSkalierung(&versetzung, Fensterfamilie::Standard));
    versetzung.hide();
    QObject::connect(&versetzung, &TFVersetzung::zurUebersicht, &hauptfenster, [this] {
        versetzung.hide();
        hauptfenster.FormEinstellung(1);
        hauptfenster.show();
    });
    QObject::connect(notenfenster.werkzeuge, &Klassenwerkzeuge::versetzungGewuenscht, &hauptfenster,
                     [this] {
                         notenfenster.hide();
                         hauptfenster.FormEinstellung(1);
                         hauptfenster.show();
                         versetzungZeigen();
                     });
    // Lueckentest: die Testauswahl oeffnet es mit neuerTest/testOeffnen; bis sie sich hier
    // anmeldet, fuehrt "Zurueck zur Testauswahl" in die Uebersicht.
    fensterSkalieren(&lueckentest, fensterSkalierung(&lueckentest, Fensterfamilie::Testauswahl));
    lueckentest.hide();
    QObject::connect(&lueckentest, &TFLueckentest::zurTestauswahl, &hauptfenster, [this] {
        lueckentest.hide();
        hauptfenster.FormEinstellung(1);
        hauptfenster.show();
    });
    QObject::connect(&lueckentest, &TFLueckentest::programmBeenden, &hauptfenster,
                     [this] { hauptfenster.programmBeenden(); });
    hauptfenster.befehlAnbinden("KlasseinneuesSchuljahrversetzen1", [this] {
        if (!hauptfenster.anfangsMsgGezeigt()) {
            versetzungZeigen();
        }
    });
    hauptfenster.befehlAnbinden("NeueKlasseanlegen1",
                                [this] { imNotenfenster(&Klassenwerkzeuge::neueKlasse); });
    hauptfenster.befehlAnbinden("Schlersuchen1",
                                [this] { imNotenfenster(&Klassenwerkzeuge::schuelerSuchen); });
}

void Anwendung::versetzungZeigen()
{
    notenfenster.hide();
    // Die Einstellungen sind erst nach dem Start geladen: Listen jetzt fuellen.
    versetzung.CBoxSchuljahrClick();
    versetzung.show();
    versetzung.raise();
    versetzung.activateWindow();
}

void Anwendung::imNotenfenster(void (Klassenwerkzeuge::*werkzeug)())
{
    hauptfenster.NotenverwaltungClick();
    if (notenfenster.isVisible()) {
        (notenfenster.werkzeuge->*werkzeug)();
    }
}

void Anwendung::NotenverwaltungAnbindung::notenverwaltungZeigen()
{
    // Mit angekreuztem aktuellem Schuljahr; ohne offene Klasse gleich die Klassenliste.
    if (!f.klasseOffen) {
        f.einstellungenUebernehmen();
    }
    if (!f.CBoxAktSchuljahr->isChecked()) {
        f.CBoxAktSchuljahr->setChecked(true);
    }
    f.show();
    f.raise();
    f.activateWindow();
    if (!f.klasseOffen) {
        f.BKlassenwahlClick();
    }
}

void Anwendung::starten()
{
    hauptfenster.show();
}
