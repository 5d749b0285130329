#pragma once
// Hilfen fuer Tests: feste Uhr, vorgegebene Zufallsfolge, Dateien anlegen und vergleichen.

#include "common/uhr.h"
#include "common/zufall.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

class FesteUhr final : public Uhr
{
public:
    explicit FesteUhr(QDateTime zeit)
        : zeit(std::move(zeit))
    {}
    QDateTime jetzt() const override { return zeit; }
    QDateTime zeit;
};

// Liefert die vorgegebenen Zahlen der Reihe nach (jeweils modulo grenze), danach 0.
class FolgeZufall final : public Zufall
{
public:
    explicit FolgeZufall(QList<int> folge)
        : folge(std::move(folge))
    {}
    int zahl(int grenze) override
    {
        const int z = position < folge.size() ? folge[position++] : 0;
        return ((z % grenze) + grenze) % grenze;
    }

private:
    QList<int> folge;
    qsizetype position = 0;
};

// Ein temporaerer Ordner mit Trenner am Ende; die Pause vor dem Neuschreiben wird auf 0 gesetzt.
class Testordner
{
public:
    Testordner();
    QString pfad() const; // endet mit "/"
    QString datei(const QString &relativ) const { return pfad() + relativ; }
    void schreibe(const QString &relativ, const QByteArray &inhalt) const;
    QByteArray lies(const QString &relativ) const;

private:
    QTemporaryDir dir;
};

QByteArray dateiInhalt(const QString &pfad);
void dateiSchreiben(const QString &pfad, const QByteArray &inhalt);
