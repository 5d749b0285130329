#pragma once
// Kleine Helfer, um Testklassen im Speicher aufzubauen.

#include "classdata/klasse.h"

#include <QString>
#include <QStringList>

#include <initializer_list>

// Haengt einen Schueler an (naechster freier Platz) und liefert seine Nummer.
inline int schuelerAnhaengen(Klasse &k, const QString &vorname, const QString &nachname,
                             const QString &geschlecht = QStringLiteral("m"),
                             const QString &klasse = QString())
{
    const int nr = klassenGroesse(k) + 1;
    Schueler &s = k.schueler(nr);
    s.vorname = vorname;
    s.nachname = nachname;
    s.geschlecht = geschlecht;
    s.klasse = klasse;
    return nr;
}

// Setzt die Noten einer Art ab Slot 0.
inline void notenSetzen(Klasse &k, int nr, int art, const QStringList &noten)
{
    for (int slot = 0; slot < noten.size(); ++slot) {
        k.schueler(nr).note(art, slot) = noten[slot];
    }
}

inline void gewichteSetzen(Klasse &k, std::initializer_list<int> gewichte)
{
    int art = 1;
    for (int w : gewichte) {
        k.gewicht(art++) = static_cast<qint16>(w);
    }
}

// Eine Klasse mit den Standard-Notenarten und -Gewichten.
inline Klasse standardKlasse()
{
    Klasse k;
    standardNotenartenEinsetzen(k);
    return k;
}
