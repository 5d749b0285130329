#include "app/fenster/Anwendung.h"

#include "app/fenster/Skalierung.h"
#include "app/fenster/Willkommensbild.h"
#include "authoring/fenster/TestEditor.h"
#include "classdata/fenster/klassenwerkzeuge.h"
#include "common/rueckfragen.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QProxyStyle>
#include <QStyleFactory>

using namespace Qt::StringLiterals;

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
    , zufall(quint32(QDateTime::currentMSecsSinceEpoch()))
    , testauswahl(umgebung.e, umgebung.r, umgebung.o, umgebung.uhr, zufall)
    , notenfenster(umgebung.e, umgebung.r, umgebung.uhr)
    , versetzung(umgebung.e, umgebung.r, umgebung.uhr, &hauptfenster)
    , konf(umgebung, &hauptfenster)
    , anfangsKonf(umgebung, &hauptfenster)
{
    hauptfenster.setzeNotenverwaltung(&notenverwaltung);
    testauswahlAnbinden(umgebung.r);
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

void Anwendung::testauswahlAnbinden(Rueckfragen &r)
{
    fensterSkalieren(&testauswahl, fensterSkalierung(&testauswahl, Fensterfamilie::Testauswahl));
    testauswahl.hide();
    hauptfenster.setzeTestauswahl(&testauswahl);
    QObject::connect(&testauswahl, &TSchuelerdatenEingabefenster::modusGewuenscht, &hauptfenster,
                     [this](Modus modus, bool rueckgabe) {
                         switch (modus) {
                         case kModusKonstruktionsauswahl:
                             hauptfenster.TestKonstruierenClick();
                             break;
                         case kModusDurchfuehrung:
                             if (rueckgabe) {
                                 hauptfenster.TestrueckgabeClick();
                             } else {
                                 hauptfenster.TestsBereitStellenHolen();
                             }
                             break;
                         default:
                             testauswahl.hide();
                             hauptfenster.FormEinstellung(kModusUebersicht);
                             hauptfenster.show();
                         }
                     });
    QObject::connect(&testauswahl, &TSchuelerdatenEingabefenster::notenverwaltungGewuenscht,
                     &hauptfenster, [this] {
                         testauswahl.hide();
                         hauptfenster.NotenverwaltungClick();
                     });
    QObject::connect(&testauswahl, &TSchuelerdatenEingabefenster::programmEndeGewuenscht,
                     &hauptfenster, [this] { hauptfenster.programmBeenden(); });
    QObject::connect(&testauswahl, &TSchuelerdatenEingabefenster::testBearbeiten, &hauptfenster,
                     [this, &r](const QString &pfad, bool alsVorlage, bool neu) {
                         TestEditor *editor = hauptfenster.editor();
                         if (!editor) {
                             r.information(u"Der Testeditor ist in dieser Programmversion noch "
                                           u"nicht enthalten."_s);
                             return;
                         }
                         const SpeicherAngaben &a = testauswahl.editorAngaben();
                         if (neu) {
                             editor->neuerTest(pfad, a);
                         } else if (alsVorlage) {
                             editor->alsVorlageOeffnen(pfad, testauswahl.neuerTestZiel(), a);
                         } else {
                             editor->testOeffnen(pfad, a);
                         }
                     });
    // Bis das Lueckentext-Fenster da ist, sagt das Programm es offen.
    QObject::connect(&testauswahl, &TSchuelerdatenEingabefenster::lueckentestOeffnen, &hauptfenster,
                     [&r] {
                         r.information(u"Das Lückentext-Fenster ist in dieser Programmversion "
                                       u"noch nicht enthalten."_s);
                     });
    QObject::connect(
        &testauswahl, &TSchuelerdatenEingabefenster::testnotenUebernehmen, &notenfenster,
        [this](const QString &klassenDatei, const QList<Benotungsergebnis> &noten) {
            notenverwaltung.notenverwaltungZeigen();
            if (!notenfenster.ZenAusBenotungEintragen(QFileInfo(klassenDatei).fileName(), noten)) {
                // Die Klasse liess sich nicht laden: zurueck zur Testauswahl.
                notenfenster.hide();
                testauswahl.show();
            }
        });
    QObject::connect(&notenfenster, &TFZensurenbearbeitung::klasseGeoeffnet, &testauswahl,
                     [this] { testauswahl.setzeGeladeneKlasse(notenfenster.klassenname); });
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
