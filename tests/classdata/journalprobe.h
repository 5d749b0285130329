#pragma once
// Die Eingaben der Abbruchprobe: Eingabe i setzt eine Note, in fester Folge ueber 20 Schueler,
// fuenf Notenarten und zehn Slots; Treiber und Test rechnen dieselbe Folge nach.

#include "classdata/klasse.h"

#include <QStringList>

inline constexpr int kProbeSchueler = 20;

inline Klasse journalprobeKlasse()
{
    Klasse k;
    for (int nr = 1; nr <= kProbeSchueler; ++nr) {
        Schueler &s = k.schueler(nr);
        s.vorname = QStringLiteral("Max");
        s.nachname = QStringLiteral("Schueler%1").arg(nr, 2, 10, QLatin1Char('0'));
        s.geschlecht = QStringLiteral("m");
    }
    standardNotenartenEinsetzen(k);
    return k;
}

inline void journalprobeEingabe(Klasse &k, int i)
{
    static const QStringList noten = {
        QStringLiteral("1+"), QStringLiteral("1"),  QStringLiteral("1-"), QStringLiteral("2+"),
        QStringLiteral("2"),  QStringLiteral("2-"), QStringLiteral("3+"), QStringLiteral("3"),
        QStringLiteral("3-"), QStringLiteral("4+"), QStringLiteral("4"),  QStringLiteral("5"),
        QStringLiteral("6"),  QStringLiteral("/")};
    const int c = (i - 1) % (kProbeSchueler * kNotenarten * 10);
    k.schueler(c % kProbeSchueler + 1)
        .note((c / kProbeSchueler) % kNotenarten + 1, c / (kProbeSchueler * kNotenarten)) =
        noten[(i * 7) % noten.size()];
}
