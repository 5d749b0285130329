// Mivo-Zuzovuvavev: Start des Lehrerprogramms.
#include "app/basisordner.h"
#include "app/fenster/Anwendung.h"
#include "app/fenster/Fehlergrenze.h"
#include "app/uebersetzung.h"
#include "common/ordner.h"
#include "common/uhr.h"
#include "settings/konfiguration.h"
#include "settings/uebersicht.h"
#include "widgets/QtOeffner.h"
#include "widgets/QtRueckfragen.h"

#include <QDir>
#include <QTimer>

namespace {

// MIVO_STARTBILD=DATEI: sobald die Uebersicht gezeichnet ist, ihr Bild nach DATEI und Ende
// (Pruefung einer Installation ohne Bildschirm).
void startbildVormerken()
{
    const QString datei = qEnvironmentVariable("MIVO_STARTBILD");
    if (datei.isEmpty()) {
        return;
    }
    QTimer::singleShot(1500, qApp, [datei] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QStringLiteral("MainForm") && w->isVisible()) {
                QApplication::exit(w->grab().save(datei) ? 0 : 3);
                return;
            }
        }
        QApplication::exit(4);
    });
}

} // namespace

int main(int argc, char **argv)
{
    Fehlergrenze app(argc, argv);
    QApplication::setApplicationName(kAnwendungsTitel);
    QApplication::setApplicationVersion(programmVersion());
    // Ohne die Uebersetzung sprechen nur die Dialoge von Qt englisch; das Programm laeuft weiter.
    qtUebersetzungLaden(app);
    // Das Programm endet nur geordnet ueber das Hauptfenster, nie weil gerade kein Fenster
    // sichtbar ist (z. B. beim Schliessen einer Meldung beim Modewechsel).
    QApplication::setQuitOnLastWindowClosed(false);

    Einstellungen einstellungen;
    QtRueckfragen rueckfragen;
    app.setzeRueckfragen(&rueckfragen);

    // Installiert: eigener Basisordner der Lehrkraft aus der ausgelieferten Vorlage. Im
    // Bauordner ist der Programmordner der Basisordner, ausser ein anderer wird genannt.
    const QString programm = QApplication::applicationDirPath();
    const std::optional<Installation> installation = installationErkennen(programm);
    const QString basisUmgebung = qEnvironmentVariable(qPrintable(kBasisordnerUmgebung));
    if (installation || basisordnerGewaehlt(app.arguments(), basisUmgebung)) {
        const QString vorlage = installation ? installation->vorlage : mitTrenner(programm);
        const BasisErgebnis basis = basisordnerEinrichten(
            vorlage, basisordnerWahl(app.arguments(), basisUmgebung, QDir::homePath()));
        if (basis.ordner.isEmpty()) {
            qCritical("%s", qPrintable(basis.fehler));
            if (qEnvironmentVariableIsEmpty("MIVO_STARTBILD")) {
                rueckfragen.fehler(basis.fehler);
            }
            app.setzeRueckfragen(nullptr);
            return 1;
        }
        einstellungen.programmOrdner = basis.ordner;
        if (installation) {
            einstellungen.installierteVorlage = installation->vorlage;
            einstellungen.installierterSchuelerOrdner = installation->schuelerOrdner;
        } else {
            einstellungen.installierterSchuelerOrdner =
                mitTrenner(programm) + kSchulserverOrdnerName + u'/';
        }
        QDir::setCurrent(basis.ordner);
    }
    QtOeffner oeffner;
    SystemUhr uhr;
    Konfiguration konfiguration(einstellungen, rueckfragen);
    Umgebung umgebung{einstellungen, konfiguration, rueckfragen, oeffner, uhr};

    Anwendung anwendung(umgebung);
    anwendung.starten();
    startbildVormerken();
    const int ergebnis = QApplication::exec();
    app.setzeRueckfragen(nullptr); // die Rueckfragen enden vor der Anwendung
    return ergebnis;
}
