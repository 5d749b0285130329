#include "classdata/klasse.h"

#include <string>

using namespace Qt::StringLiterals;

void indexfehlerWerfen(int index, int erster, int letzter, const char *was)
{
    throw Indexfehler(std::string("Index ausserhalb des Bereichs: ") + was + " " +
                      std::to_string(index) + " (erlaubt " + std::to_string(erster) + ".." +
                      std::to_string(letzter) + ")");
}

int letzterSlot(int art)
{
    return kSlotsBenutzt[pruefeIndex(art, 1, kNotenarten, "Notenart")] - 1;
}

QString &Klasse::datum(int art, int slot)
{
    return daten[pruefeIndex(slot, 0, kSlotsJeArt - 1, "Notenslot")]
                [pruefeIndex(art, 0, kNotenarten, "Notenart")];
}

const QString &Klasse::datum(int art, int slot) const
{
    return const_cast<Klasse *>(this)->datum(art, slot);
}

QString &Klasse::erlaeuterung(int art, int slot)
{
    return erlaeuterungen[pruefeIndex(slot, 0, kSlotsJeArt - 1, "Notenslot")]
                         [pruefeIndex(art, 0, kNotenarten, "Notenart")];
}

const QString &Klasse::erlaeuterung(int art, int slot) const
{
    return const_cast<Klasse *>(this)->erlaeuterung(art, slot);
}

qint16 &Klasse::gewicht(int art)
{
    return gewichte[pruefeIndex(art, 0, kNotenarten, "Notenart")];
}

qint16 Klasse::gewicht(int art) const
{
    return const_cast<Klasse *>(this)->gewicht(art);
}

Notenart &Klasse::notenart(int art)
{
    return notenarten[pruefeIndex(art, 0, kNotenarten, "Notenart")];
}

const Notenart &Klasse::notenart(int art) const
{
    return const_cast<Klasse *>(this)->notenart(art);
}

int klassenGroesse(const Klasse &klasse)
{
    int n = 0;
    while (n < kMaxSchueler && klasse.schueler(n + 1).hatNamen()) {
        ++n;
    }
    return n;
}

Notenart standardNotenart(int art)
{
    switch (pruefeIndex(art, 1, kNotenarten, "Notenart")) {
    case 1:
        return {u"Hausarbeiten"_s, u"&Hausarbeit"_s, u'H'};
    case 2:
        return {u"Mündliche Leistungen"_s, u"&Mündliche"_s, u'M'};
    case 3:
        return {u"Ordner"_s, u"&Ordner"_s, u'O'};
    case 4:
        return {u"Protokolle"_s, u"P&rotokolle"_s, u'P'};
    default:
        return {u"Tests, Klassenarbeiten usw."_s, u"&Tests"_s, u'T'};
    }
}

qint16 standardGewicht(int art)
{
    static constexpr qint16 gewichte[kNotenarten + 1] = {0, 1, 43, 4, 7, 45};
    return gewichte[pruefeIndex(art, 1, kNotenarten, "Notenart")];
}

bool standardNotenartenEinsetzen(Klasse &klasse)
{
    bool leer = false;
    for (int art = 1; art <= kNotenarten; ++art) {
        leer = leer || klasse.notenart(art).langname.isEmpty();
    }
    if (!leer) {
        return false;
    }
    for (int art = 1; art <= kNotenarten; ++art) {
        klasse.notenart(art) = standardNotenart(art);
        klasse.gewicht(art) = standardGewicht(art);
    }
    return true;
}
