#pragma once
// Ein Schreiber je Test: Austeilen, Einsammeln, Benoten und Zurueckgeben eines Tests halten die
// Sperre "Testablauf.sperre" im Testordner (Sperrdatei: ein Ordner mit dem Inhaber).
// Programmfenster und mivo-werkzeug sperren gleich, auch auf verschiedenen Rechnern, wenn der
// Testordner geteilt ist. Eine Sperre eines beendeten Programms auf demselben Rechner gilt sofort
// als verwaist, eine fremde nach zehn Minuten.

#include "conduct/testname.h"

#include <QString>

#include <memory>

class Rueckfragen;
class Sperrdatei;

inline const QString kTestsperreName = QStringLiteral("Testablauf.sperre");
inline constexpr int kTestsperreVerwaistMs = 10 * 60 * 1000;

// Wie lange ein zweiter Schreiber wartet, bevor er abgewiesen wird (Standard 3 s; Tests kuerzer).
int testsperreWartezeitMs();
void setzeTestsperreWartezeitMs(int ms);

class Testsperre
{
public:
    explicit Testsperre(const TestPfade &test);
    ~Testsperre(); // gibt frei
    Testsperre(const Testsperre &) = delete;
    Testsperre &operator=(const Testsperre &) = delete;

    // Wartet kurz auf einen anderen Schreiber; gelingt es nicht, Meldung und false. Gibt es den
    // Testordner nicht, ist nichts zu schuetzen: true ohne Sperrdatei (der Vorgang meldet selbst).
    bool sperren(Rueckfragen &r);
    // Ohne Warten und ohne Meldung (Zeitgeberschritt des Einsammelns).
    bool versuchen();
    void freigeben();
    bool gesperrt() const { return gehalten; }

    // Die Meldung an einen abgewiesenen zweiten Schreiber.
    QString belegtMeldung() const;

private:
    bool holen(int wartezeitMs);
    TestPfade test;
    std::unique_ptr<Sperrdatei> datei;
    bool gehalten = false;
};
