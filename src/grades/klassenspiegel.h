#pragma once
// Der Klassenspiegel neben der Einzelliste: wie viele Schueler jede Note 1..6 haben und der
// Durchschnitt mit einer Nachkommastelle.

#include <QString>
#include <QStringList>

#include <array>

struct KlassenSpiegel
{
    std::array<int, 6> anzahl{}; // Noten 1..6 an Index 0..5
    QString schnitt;             // "2,3"; leer, wenn keine Note zaehlt
};

// Zaehlt die Noten nach ihrer ersten Ziffer 1..6; "-" zaehlt 0,33333 mehr, "+" 0,33333 weniger.
// "/", "GF" und leere Noten zaehlen nicht.
KlassenSpiegel klassenSpiegel(const QStringList &noten);
// Spiegel der E-Noten einer Liste und der zugehoerigen G-Noten.
KlassenSpiegel ausgabeKlassenSpiegelE(const QStringList &eNoten);
KlassenSpiegel ausgabeKlassenSpiegelG(const QStringList &eNoten);
