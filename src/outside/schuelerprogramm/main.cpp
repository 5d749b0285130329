// Das Schuelerprogramm Mivo. Es liest Mivo-cf.txt aus seinem eigenen Ordner, gleich in welchem
// Arbeitsordner es gestartet wird. "--minimiert" startet es als Symbol (Probelauf).
#include "app/fenster/QtRueckfragen.h"
#include "outside/schuelerprogramm/Mivo.h"
#include "outside/schuelerseite.h"

#include <QApplication>
#include <QDir>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Mivo"_s);
    QtRueckfragen r;
    const QString cf =
        QDir(QApplication::applicationDirPath()).filePath(schuelerseite::kKonfigName);
    const schuelerseite::KonfigErgebnis k = schuelerseite::konfigLesen(cf);
    if (!k.konfig) {
        r.fehler(k.meldung);
        return 1;
    }
    TMivo fenster(*k.konfig, r);
    r.setzeEltern(&fenster);
    if (app.arguments().contains(u"--minimiert"_s)) {
        fenster.showMinimized();
    } else {
        fenster.show();
    }
    return app.exec();
}
