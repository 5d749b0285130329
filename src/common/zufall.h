#pragma once
// Zufallsquelle (Antwortreihenfolge der Gruppe B, Zufallsgruppen).

#include <QtGlobal>

#include <random>

class Zufall
{
public:
    virtual ~Zufall() = default;
    // Gleichverteilt in 0 .. grenze-1; grenze >= 1.
    virtual int zahl(int grenze) = 0;
};

class StdZufall final : public Zufall
{
public:
    explicit StdZufall(quint32 saat)
        : generator(saat)
    {}
    int zahl(int grenze) override
    {
        return std::uniform_int_distribution<int>(0, grenze - 1)(generator);
    }

private:
    std::mt19937 generator;
};
