#pragma once
// Die Klasse im Speicher: 40 Schuelerdatensaetze mit ihren Noten, Datum und Erlaeuterung jedes
// Notentermins, Namen, Tasten und Gewichte der fuenf Notenarten. Alle Indizes werden geprueft:
// ein Verstoss wirft Indexfehler, die Operation wird abgebrochen, nie wird ausserhalb geschrieben.

#include <QString>

#include <array>
#include <stdexcept>

inline constexpr int kMaxSchueler = 40;
inline constexpr int kNotenarten = 5;  // Notenarten 1..5; Index 0 bleibt ungenutzt
inline constexpr int kSlotsJeArt = 21; // Slots 0..20 im Datensatz
inline constexpr int kSlotsBenutzt[kNotenarten + 1] = {0, 10, 20, 10, 10, 10};

// Feldlaengen der string[N]-Felder
inline constexpr int kLaengeKlasse = 8;
inline constexpr int kLaengeName = 20;
inline constexpr int kLaengeNote = 2;
inline constexpr int kLaengeZusatz = 100;
inline constexpr int kLaengeGeschlecht = 1;
inline constexpr int kLaengeDatum = 10;
inline constexpr int kLaengeErlaeuterung = 60;
inline constexpr int kLaengeLangname = 60;
inline constexpr int kLaengeKurzform = 11;

class Indexfehler : public std::out_of_range
{
public:
    using std::out_of_range::out_of_range;
};

[[noreturn]] void indexfehlerWerfen(int index, int erster, int letzter, const char *was);
// Prueft einen Index gegen [erster, letzter]; wirft Indexfehler. Inline: die Klassendatei greift
// beim Lesen und Schreiben ueber 10000-mal zu.
inline int pruefeIndex(int index, int erster, int letzter, const char *was)
{
    if (index < erster || index > letzter) [[unlikely]] {
        indexfehlerWerfen(index, erster, letzter, was);
    }
    return index;
}

// Letzter benutzbarer Slot einer Notenart (9 bzw. 19 fuer Art 2).
int letzterSlot(int art);

struct Schueler
{
    QString klasse; // eigene Klasse, in Kursen z. B. "9b"
    QString nachname;
    QString vorname;
    qint16 reserviert = 0;
    QString zusatz;
    QString geschlecht; // "m" oder "w"
    quint8 reserviertByte = 0;

    QString &note(int art, int slot)
    {
        return noten[pruefeIndex(art, 0, kNotenarten, "Notenart")]
                    [pruefeIndex(slot, 0, kSlotsJeArt - 1, "Notenslot")];
    }
    const QString &note(int art, int slot) const
    {
        return const_cast<Schueler *>(this)->note(art, slot);
    }
    bool hatNamen() const { return !vorname.isEmpty() || !nachname.isEmpty(); }

private:
    std::array<std::array<QString, kSlotsJeArt>, kNotenarten + 1> noten{};
};

struct Notenart
{
    QString langname; // "Erlaeuterung der Notenart"
    QString kurzform; // Beschriftung mit "&" vor der Taste, z. B. "P&rotokolle"
    QChar taste;
    bool operator==(const Notenart &) const = default;
};

class Klasse
{
public:
    Schueler &schueler(int nr) // 1..40
    {
        return schuelerFeld[pruefeIndex(nr, 1, kMaxSchueler, "Schueler") - 1];
    }
    const Schueler &schueler(int nr) const { return const_cast<Klasse *>(this)->schueler(nr); }
    QString &datum(int art, int slot); // art 0..5, slot 0..20
    const QString &datum(int art, int slot) const;
    QString &erlaeuterung(int art, int slot);
    const QString &erlaeuterung(int art, int slot) const;
    qint16 &gewicht(int art); // art 0..5, Prozent
    qint16 gewicht(int art) const;
    Notenart &notenart(int art); // art 0..5
    const Notenart &notenart(int art) const;

private:
    std::array<Schueler, kMaxSchueler> schuelerFeld{};
    std::array<std::array<QString, kNotenarten + 1>, kSlotsJeArt> daten{};
    std::array<std::array<QString, kNotenarten + 1>, kSlotsJeArt> erlaeuterungen{};
    std::array<qint16, kNotenarten + 1> gewichte{};
    std::array<Notenart, kNotenarten + 1> notenarten{};
};

// Zahl der fuehrenden Schueler mit Vor- oder Nachnamen (0..40).
int klassenGroesse(const Klasse &klasse);

// Die Standard-Notenarten und -Gewichte.
Notenart standardNotenart(int art);
qint16 standardGewicht(int art);
// Ist einer der fuenf Langnamen leer, werden alle fuenf Notenarten und Gewichte durch die
// Standardwerte ersetzt. Ergebnis: ob ersetzt wurde.
bool standardNotenartenEinsetzen(Klasse &klasse);
