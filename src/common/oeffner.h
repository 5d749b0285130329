#pragma once
// Oeffnen mit dem zugeordneten Programm des Desktops und Starten anderer Programme.

#include <QString>
#include <QStringList>

class Oeffner
{
public:
    virtual ~Oeffner() = default;
    virtual bool oeffnen(const QString &pfad) = 0;
    virtual bool programmStarten(const QString &programm, const QStringList &argumente) = 0;
};
