// Mivo-Zuzovuvavev: Start des Lehrerprogramms.
#include "app/fenster/Anwendung.h"
#include "app/fenster/Fehlergrenze.h"
#include "app/fenster/QtOeffner.h"
#include "app/fenster/QtRueckfragen.h"
#include "app/konfiguration.h"
#include "app/uebersetzung.h"
#include "app/uebersicht.h"
#include "common/uhr.h"

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
    QtOeffner oeffner;
    SystemUhr uhr;
    Konfiguration konfiguration(einstellungen, rueckfragen);
    Umgebung umgebung{einstellungen, konfiguration, rueckfragen, oeffner, uhr};

    Anwendung anwendung(umgebung);
    anwendung.starten();
    const int ergebnis = QApplication::exec();
    app.setzeRueckfragen(nullptr); // die Rueckfragen enden vor der Anwendung
    return ergebnis;
}
