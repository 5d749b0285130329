// Treiber fuer die Abbruchprobe des Journals: oeffnet eine Klasse in einer Klassensitzung und
// gibt Noten ein, wie die Fenster es tun (Wert setzen, geaendertMelden). Nach jeder bestaetigten
// Eingabe schreibt er ihre Nummer auf die Standardausgabe; der Test beendet ihn mit SIGKILL.
//   mivo_journaltreiber BASISORDNER SCHULJAHR KLASSENDATEI EINGABEN
#include "classdata/klassensitzung.h"
#include "journalprobe.h"
#include "unterstuetzung/skriptrueckfragen.h"

#include <QCoreApplication>

#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 5) {
        return 2;
    }
    SkriptRueckfragen r;
    Klassensitzung s{r};
    s.setzeSchuljahr(a[1], a[2]);
    if (!s.laden(a[3])) {
        return 3;
    }
    const int n = a[4].toInt();
    for (int i = 1; i <= n; ++i) {
        journalprobeEingabe(s.klasse, i);
        if (!s.geaendertMelden()) {
            return 4;
        }
        const QByteArray zeile = QByteArray::number(i) + '\n';
        if (::write(1, zeile.constData(), size_t(zeile.size())) != zeile.size()) {
            return 5;
        }
    }
    return 0;
}
