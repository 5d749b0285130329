#pragma once
// Oeffnen mit dem Programm des Desktops (QDesktopServices) und Starten anderer Programme.

#include "common/oeffner.h"

class QtOeffner final : public Oeffner
{
public:
    // Pfad einer Datei oder Adresse mit "://" (Webseite).
    bool oeffnen(const QString &pfad) override;
    // Startet losgeloest im Ordner des Programms.
    bool programmStarten(const QString &programm, const QStringList &argumente) override;
};
