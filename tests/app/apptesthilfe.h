#pragma once
// Hilfen fuer die Tests der Anwendungsschale: ausgelieferter Basisordner, aufzeichnender Oeffner.

#include "common/ansitext.h"
#include "common/oeffner.h"
#include "common/ordner.h"
#include "settings/konfiguration.h"

#include <QStringList>

// Kopiert den ausgelieferten Basisordner (mit den erzeugten Beispielklassen) nach ziel.
inline void basisordnerAnlegen(const QString &ziel)
{
    baumKopieren(QStringLiteral(MIVO_BASISORDNER), ziel, true);
    baumKopieren(QStringLiteral(MIVO_BASISORDNER_ERZEUGT), ziel, true);
    baumLoeschen(ziel + QStringLiteral("quellen"));
}

// Der Wert unter einem Kopf einer Konfigurationsdatei, wie er auf der Platte steht.
inline QString wertInDatei(const QString &datei, const QString &kopf)
{
    return wertNachKopf(ansiZeilenLesen(datei).zeilen, kopf).value_or(QStringLiteral("<fehlt>"));
}

inline void wertInDateiSetzen(const QString &datei, const QString &kopf, const QString &wert)
{
    QStringList zeilen = ansiZeilenLesen(datei).zeilen;
    wertNachKopfSetzen(zeilen, kopf, wert);
    ansiZeilenSchreiben(datei, zeilen);
}

class TestOeffner final : public Oeffner
{
public:
    bool oeffnen(const QString &pfad) override
    {
        geoeffnet.append(pfad);
        return gelingt;
    }
    bool programmStarten(const QString &programm, const QStringList &argumente) override
    {
        gestartet.append(programm);
        startArgumente.append(argumente);
        return gelingt;
    }
    QStringList geoeffnet;
    QStringList gestartet;
    QList<QStringList> startArgumente;
    bool gelingt = true;
};
