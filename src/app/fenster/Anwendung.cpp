#include "app/fenster/Anwendung.h"

#include "app/fenster/Willkommensbild.h"
#include "authoring/fenster/TestEditor.h"
#include "common/rueckfragen.h"
#include "grades/fenster/klassenwerkzeuge.h"
#include "widgets/Einpassung.h"
#include "widgets/Skalierung.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

using namespace Qt::StringLiterals;

namespace {

// Ein Symbol des Grundstils, erst beim ersten Gebrauch geholt. Das Symbol des
// Erweiterungsknopfs jeder Menueleiste laedt sonst schon beim Programmstart die
// Bildformat-Module, fuer einen Knopf, der fast nie erscheint.
class SpaetesStilSymbol final : public QIconEngine
{
public:
    SpaetesStilSymbol(const QStyle *stil, QStyle::StandardPixmap art, Qt::LayoutDirection richtung)
        : stil(stil)
        , art(art)
        , richtung(richtung)
    {}
    void paint(QPainter *p, const QRect &r, QIcon::Mode m, QIcon::State s) override
    {
        symbol().paint(p, r, Qt::AlignCenter, m, s);
    }
    QSize actualSize(const QSize &g, QIcon::Mode m, QIcon::State s) override
    {
        return symbol().actualSize(g, m, s);
    }
    QPixmap pixmap(const QSize &g, QIcon::Mode m, QIcon::State s) override
    {
        return symbol().pixmap(g, m, s);
    }
    QPixmap scaledPixmap(const QSize &g, QIcon::Mode m, QIcon::State s, qreal faktor) override
    {
        return symbol().pixmap(g / faktor, faktor, m, s);
    }
    QList<QSize> availableSizes(QIcon::Mode m, QIcon::State s) override
    {
        return symbol().availableSizes(m, s);
    }
    bool isNull() override { return false; }
    QIconEngine *clone() const override { return new SpaetesStilSymbol(*this); }

private:
    const QIcon &symbol()
    {
        if (!geholt) {
            geholt = true;
            if (stil) {
                QStyleOption o;
                o.direction = richtung;
                echt = stil->standardIcon(art, &o, nullptr);
            }
        }
        return echt;
    }
    QPointer<const QStyle> stil;
    QStyle::StandardPixmap art;
    Qt::LayoutDirection richtung;
    bool geholt = false;
    QIcon echt;
};

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
    QIcon standardIcon(StandardPixmap art, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        if (art == SP_ToolBarHorizontalExtensionButton ||
            art == SP_ToolBarVerticalExtensionButton) {
            const Qt::LayoutDirection richtung = option   ? option->direction
                                                 : widget ? widget->layoutDirection()
                                                          : QGuiApplication::layoutDirection();
            return QIcon(new SpaetesStilSymbol(baseStyle(), art, richtung));
        }
        return QProxyStyle::standardIcon(art, option, widget);
    }
};

} // namespace

Anwendung::Aussehen::Aussehen()
{
    if (!dynamic_cast<MivoStil *>(QApplication::style())) {
        QApplication::setStyle(new MivoStil);
    }
    QApplication::setWindowIcon(Willkommensbild::symbol());
    Bildschirmeinpassung::anmelden();
}

Anwendung::Anwendung(Umgebung &umgebung)
    : hauptfenster(umgebung)
    , zufall(quint32(QDateTime::currentMSecsSinceEpoch()))
    , testauswahl(umgebung.e, umgebung.r, umgebung.o, umgebung.uhr, zufall)
    , notenfenster(umgebung.e, umgebung.r, umgebung.uhr)
    , konf(umgebung, &hauptfenster)
    , anfangsKonf(umgebung, &hauptfenster)
    , lueckentest(umgebung.e, umgebung.r)
    , u(umgebung)
{
    hauptfenster.setzeNotenverwaltung(&notenverwaltung);
    testauswahlAnbinden();
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
    // Die Testauswahl hat sich schon oben angemeldet, bevor das Notenfenster zuhoerte.
    notenfenster.setzeTestfunktionenVorhanden(hauptfenster.testauswahlVorhanden());
    QObject::connect(&notenfenster, &TFZensurenbearbeitung::programmBeenden, &hauptfenster,
                     [this] { hauptfenster.programmBeenden(); });
    QObject::connect(&notenfenster, &TFZensurenbearbeitung::versetzungGewuenscht, &hauptfenster,
                     [this] {
                         notenfenster.hide();
                         hauptfenster.modusWechseln(kModusUebersicht);
                         versetzungZeigen();
                     });

    notenfenster.setzeSkalierung(fensterSkalierung(&notenfenster, Fensterfamilie::Notenverwaltung));

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
    lueckentest.setzeSkalierung(fensterSkalierung(&lueckentest, Fensterfamilie::Testauswahl));
    lueckentest.hide();
    QObject::connect(&lueckentest, &TFLueckentest::zurTestauswahl, &hauptfenster, [this] {
        lueckentest.hide();
        hauptfenster.modusWechseln(kModusKonstruktionsauswahl);
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

void Anwendung::testauswahlAnbinden()
{
    testauswahl.setzeSkalierung(fensterSkalierung(&testauswahl, Fensterfamilie::Testauswahl));
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
                     [this](const QString &pfad, bool alsVorlage, bool neu) {
                         // Der Editor entsteht hier beim ersten Oeffnen eines Tests.
                         TestEditor *editor = hauptfenster.editor();
                         const SpeicherAngaben &a = testauswahl.editorAngaben();
                         if (neu) {
                             editor->neuerTest(pfad, a);
                         } else if (alsVorlage) {
                             editor->alsVorlageOeffnen(pfad, testauswahl.neuerTestZiel(), a);
                         } else {
                             editor->testOeffnen(pfad, a);
                         }
                     });
    QObject::connect(&testauswahl, &TSchuelerdatenEingabefenster::lueckentestOeffnen, &lueckentest,
                     [this](const QString &pfad, bool neu) {
                         if (neu ? lueckentest.neuerTest(pfad) : lueckentest.testOeffnen(pfad)) {
                             testauswahl.hide();
                             lueckentest.show();
                             lueckentest.raise();
                         }
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
}

TFVersetzung &Anwendung::versetzung()
{
    if (!versetzungsdialog) {
        versetzungsdialog = std::make_unique<TFVersetzung>(u.e, u.r, u.uhr, &hauptfenster);
        TFVersetzung *v = versetzungsdialog.get();
        fensterSkalieren(v, fensterSkalierung(v, Fensterfamilie::Standard));
        v->hide();
        QObject::connect(v, &TFVersetzung::zurUebersicht, &hauptfenster, [this, v] {
            v->hide();
            hauptfenster.modusWechseln(kModusUebersicht);
        });
    }
    return *versetzungsdialog;
}

void Anwendung::versetzungZeigen()
{
    notenfenster.hide();
    TFVersetzung &v = versetzung();
    // Die Einstellungen sind erst nach dem Start geladen: Listen jetzt fuellen.
    v.CBoxSchuljahrClick();
    v.show();
    v.raise();
    v.activateWindow();
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
