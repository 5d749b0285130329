#pragma once
// Datum und Uhrzeit fuer Schuljahr, Notendaten, Signaldateien und Protokolle.

#include <QDateTime>

class Uhr
{
public:
    virtual ~Uhr() = default;
    virtual QDateTime jetzt() const = 0;
    QDate heute() const { return jetzt().date(); }
};

class SystemUhr final : public Uhr
{
public:
    QDateTime jetzt() const override { return QDateTime::currentDateTime(); }
};
