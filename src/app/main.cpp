// Mivo-Zuzovuvavev: Start des Lehrerprogramms.
#include "app/fenster/QtRueckfragen.h"
#include "app/konfiguration.h"
#include "common/ordner.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mivo-Zuzovuvavev"));
    QApplication::setApplicationVersion(QStringLiteral(MIVO_VERSION));

    Einstellungen einstellungen;
    einstellungen.programmOrdner = mitTrenner(QApplication::applicationDirPath());
    QtRueckfragen rueckfragen;
    Konfiguration konfiguration(einstellungen, rueckfragen);

    // Bis das Hauptfenster da ist, endet der Start nach dem Laden der Einstellungen.
    return konfiguration.einstellungenLaden() ? 0 : 1;
}
