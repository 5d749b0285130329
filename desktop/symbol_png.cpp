// Schreibt das Programmsymbol als PNG in den ueblichen Groessen fuer das Anwendungsmenue.
// Aufruf: mivo_symbol ZIELORDNER   (legt ZIELORDNER/NxN.png an)

#include "app/fenster/Willkommensbild.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: mivo_symbol ZIELORDNER\n");
        return 1;
    }
    const QString ziel = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(ziel);
    const QIcon symbol = Willkommensbild::symbol();
    for (const int n : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString name = QString::number(n) + QLatin1Char('x') + QString::number(n);
        QPixmap bild = symbol.pixmap(n, n);
        if (bild.width() != n) {
            bild = bild.scaled(n, n, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        if (!bild.save(ziel + QLatin1Char('/') + name + QLatin1String(".png"))) {
            std::fprintf(stderr, "Konnte %s nicht schreiben\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
