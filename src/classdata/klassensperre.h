#pragma once
// Eine Klassendatei, die eine Programminstanz geoeffnet hat. Die Sperre (Pfad + ".sperre",
// Sperrdatei) zeigt anderen Instanzen, auch auf anderen Rechnern, dass die Klasse offen ist. Eine
// zweite Instanz darf die Klasse trotzdem oeffnen, erfaehrt es aber ("... ist bereits geöffnet"),
// und kein Speichern ueberschreibt stillschweigend eine Fassung, die ein anderes Programm seit dem
// Oeffnen geschrieben hat: dann wird gefragt.
//
// Ablauf der Klassensitzung: oeffnen(pfad) vor dem Laden, speichern(klasse) statt
// klassenlisteSchreiben, schliessen() beim Verwerfen der Klasse (oder Zerstoeren).

#include "classdata/klasse.h"
#include "common/sperrdatei.h"

#include <QByteArray>
#include <QString>

#include <memory>

class Rueckfragen;

inline const QString kKlassensperreEndung = QStringLiteral(".sperre");
// Eine Sperre eines anderen Rechners gilt nach 12 Stunden als verwaist; eine Sperre eines
// beendeten Programms auf diesem Rechner sofort.
inline constexpr int kKlassensperreVerwaistMs = 12 * 60 * 60 * 1000;

class Klassensperre
{
public:
    Klassensperre() = default;
    ~Klassensperre();
    Klassensperre(const Klassensperre &) = delete;
    Klassensperre &operator=(const Klassensperre &) = delete;

    // Vor dem Laden: sperrt die Klasse fuer diese Instanz und merkt den Stand der Datei. Hat eine
    // andere Instanz sie geoeffnet, Meldung und false; geladen werden darf sie trotzdem (beim
    // Speichern wird dann gefragt). Eine vorher geoeffnete Klasse wird geschlossen.
    bool oeffnen(const QString &pfad, Rueckfragen &r);
    // Fuer Programme ohne Fenster, die die Klasse nur schreiben: wie oeffnen, aber haelt eine
    // andere Instanz sie offen (oder laesst sich die Sperre nicht anlegen), Meldung, dass nichts
    // geschrieben wird, false und keine Sperre; dann darf nichts geschrieben werden.
    bool alleinOeffnen(const QString &pfad, Rueckfragen &r);
    // Speichert die Klasse (klassenlisteSchreiben). Hat ein anderes Programm die Datei seit dem
    // Oeffnen oder letzten Speichern geschrieben oder haelt eine andere Instanz sie offen, wird
    // gefragt; nur "Ja" ueberschreibt. Reste eines unterbrochenen Speicherns derselben Datei werden
    // entfernt, wenn diese Instanz die Sperre haelt. false: nicht gespeichert (gemeldet oder
    // abgelehnt), die Klasse im Speicher bleibt.
    bool speichern(const Klasse &klasse, Rueckfragen &r);
    // Gibt die Sperre frei.
    void schliessen();

    bool istGeoeffnet() const { return !datei.isEmpty(); }
    bool haeltSperre() const { return gehalten; }
    QString pfad() const { return datei; }

private:
    // Schliesst die vorige Klasse, merkt den Stand der Datei und versucht die Sperre.
    bool anfangen(const QString &pfad);
    bool sperreHolen();
    QString werHaelt() const;
    QString datei;
    std::unique_ptr<Sperrdatei> sperre;
    bool gehalten = false;
    QByteArray stand; // Inhalt der Datei beim Oeffnen bzw. nach dem letzten Speichern
};
