#include "app/fenster/Anwendung.h"

#include "app/fenster/Skalierung.h"
#include "app/fenster/Willkommensbild.h"

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
    hauptfenster.setzeKonfigDialogeVorhanden(true);

    // Das Notenfenster bittet um Modi; vorher hat es selbst die Speicherabfrage gestellt.
    QObject::connect(&notenfenster, &TFZensurenbearbeitung::modusGewuenscht, &hauptfenster,
                     [this](Modus modus, bool rueckgabe) {
                         if (modus == kModusUebersicht) {
                             notenfenster.hide();
                         }
                         hauptfenster.modusWechseln(modus, rueckgabe);
                     });
    QObject::connect(&notenfenster, &TFZensurenbearbeitung::hauptbefehlGewuenscht, &hauptfenster,
                     &TMainForm::hauptbefehl);
    QObject::connect(&hauptfenster, &TMainForm::testauswahlGemeldet, &notenfenster,
                     &TFZensurenbearbeitung::setzeTestfunktionenVorhanden);
    QObject::connect(&notenfenster, &TFZensurenbearbeitung::programmBeenden, &hauptfenster,
                     [this] { hauptfenster.programmBeenden(); });
    QObject::connect(&notenfenster, &TFZensurenbearbeitung::versetzungGewuenscht, &hauptfenster,
                     [this] {
                         notenfenster.hide();
                         hauptfenster.modusWechseln(kModusUebersicht);
                         versetzungZeigen();
                     });

    notenfenster.setzeSkalierung(fensterSkalierung(&notenfenster, Fensterfamilie::Notenverwaltung));
    fensterSkalieren(&versetzung, fensterSkalierung(&versetzung, Fensterfamilie::Standard));
    versetzung.hide();
    QObject::connect(&versetzung, &TFVersetzung::zurUebersicht, &hauptfenster, [this] {
        versetzung.hide();
        hauptfenster.modusWechseln(kModusUebersicht);
    });

    // Die Konfigurationsdialoge kennen das Hauptfenster nicht.
    QObject::connect(&hauptfenster, &TMainForm::anfangsKonfigurationGewuenscht, &anfangsKonf,
                     [this] { anfangsKonf.oeffnen(); });
    QObject::connect(&anfangsKonf, &TFormAnfangsKonf::mivoProgrammOrdnerGelesen, &konf,
                     &TFormKonf::setzeMivoProgrammOrdner);
    QObject::connect(&anfangsKonf, &TFormAnfangsKonf::gespeichert, &hauptfenster,
                     &TMainForm::schulnameZeigen);
    QObject::connect(&hauptfenster, &TMainForm::testKonfigurationGewuenscht, &konf,
                     &TFormKonf::menueBefehl);
    QObject::connect(&konf, &TFormKonf::modusGewuenscht, &hauptfenster,
                     [this](Modus modus, bool rueckgabe) {
                         // Ohne Testauswahl bleibt der Probelauf beim Schuelerprogramm.
                         if (hauptfenster.testauswahlVorhanden()) {
                             hauptfenster.modusWechseln(modus, rueckgabe);
                         }
                     });
    // Lueckentest: die Testauswahl oeffnet es mit neuerTest/testOeffnen; bis sie sich hier
    // anmeldet, fuehrt "Zurueck zur Testauswahl" in die Uebersicht.
    fensterSkalieren(&lueckentest, fensterSkalierung(&lueckentest, Fensterfamilie::Testauswahl));
    lueckentest.hide();
    QObject::connect(&lueckentest, &TFLueckentest::zurTestauswahl, &hauptfenster, [this] {
        lueckentest.hide();
        hauptfenster.modusWechseln(kModusUebersicht);
    });
    QObject::connect(&lueckentest, &TFLueckentest::programmBeenden, &hauptfenster,
                     [this] { hauptfenster.programmBeenden(); });
    hauptfenster.befehlAnbinden("KlasseinneuesSchuljahrversetzen1", [this] {
        if (!hauptfenster.anfangsMsgGezeigt()) {
            versetzungZeigen();
        }
    });
    hauptfenster.befehlAnbinden("NeueKlasseanlegen1",
                                [this] { imNotenfenster(&TFZensurenbearbeitung::neueKlasse); });
    hauptfenster.befehlAnbinden("Schlersuchen1",
                                [this] { imNotenfenster(&TFZensurenbearbeitung::schuelerSuchen); });
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

void Anwendung::imNotenfenster(void (TFZensurenbearbeitung::*befehl)())
{
    hauptfenster.NotenverwaltungClick();
    if (notenfenster.isVisible()) {
        (notenfenster.*befehl)();
    }
}

void Anwendung::NotenverwaltungAnbindung::notenverwaltungZeigen()
{
    // Ohne Klasse: aktuelles Schuljahr, Standard-Notenarten, der Fokus auf "Neue Klasse".
    f.show();
    f.raise();
    f.activateWindow();
    if (!f.sitzung.offen()) {
        f.ohneKlasseBeginnen();
    }
}

void Anwendung::NotenverwaltungAnbindung::klassenwahlZeigen()
{
    f.BKlassenwahlClick();
}

void Anwendung::starten()
{
    hauptfenster.show();
}
