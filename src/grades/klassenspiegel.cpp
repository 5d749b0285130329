#include "grades/klassenspiegel.h"

#include "grades/notenmodell.h"

KlassenSpiegel klassenSpiegel(const QStringList &noten)
{
    KlassenSpiegel s;
    double summe = 0.0;
    int gezaehlt = 0;
    for (const QString &n : noten) {
        if (n.isEmpty() || n[0] < u'1' || n[0] > u'6') {
            continue;
        }
        const int ziffer = n[0].unicode() - u'0';
        ++s.anzahl[ziffer - 1];
        ++gezaehlt;
        summe += ziffer;
        if (n.size() == 2 && n[1] == u'-') {
            summe += 0.33333;
        } else if (n.size() == 2 && n[1] == u'+') {
            summe -= 0.33333;
        }
    }
    if (summe > 0.0 && gezaehlt > 0) {
        s.schnitt = QString::number(summe / gezaehlt, 'f', 1).replace(u'.', u',');
    }
    return s;
}

KlassenSpiegel ausgabeKlassenSpiegelE(const QStringList &eNoten)
{
    return klassenSpiegel(eNoten);
}

KlassenSpiegel ausgabeKlassenSpiegelG(const QStringList &eNoten)
{
    QStringList gNoten;
    gNoten.reserve(eNoten.size());
    for (const QString &n : eNoten) {
        gNoten.append(gNoteAusZen(n));
    }
    return klassenSpiegel(gNoten);
}
