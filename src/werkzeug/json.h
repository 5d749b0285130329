#pragma once
// Kleiner JSON-Schreiber mit fester Schluesselfolge (QJsonObject sortiert die Schluessel).

#include <QString>

class JsonSchreiber
{
public:
    JsonSchreiber &objektAnfang();
    JsonSchreiber &objektEnde();
    JsonSchreiber &feldAnfang();
    JsonSchreiber &feldEnde();
    JsonSchreiber &schluessel(const QString &name);
    JsonSchreiber &wert(const QString &text);
    JsonSchreiber &wert(qint64 zahl);
    JsonSchreiber &wert(double zahl);
    JsonSchreiber &wertNull();
    JsonSchreiber &roh(const QString &json); // bereits fertiges JSON als Wert

    const QString &text() const { return ausgabe; }
    static QString zeichenkette(const QString &text);

private:
    void vorWert();
    QString ausgabe;
    bool erstesElement = true;
    bool nachSchluessel = false;
};
