#pragma once
// Anpassung der Fenster an den Bildschirm: aus Bildschirmgroesse, Punktdichte und Fensterfamilie
// der Skalierungsfaktor in Prozent gegenueber dem Entwurf (1280 x 1024).

inline constexpr int kEntwurfBreite = 1280;
inline constexpr int kEntwurfHoehe = 1024;

// Die Familien unterscheiden sich nur, wenn die Hoehe die knappere Abmessung ist.
enum class Fensterfamilie {
    Standard,        // Hauptfenster, Konfiguration, Speicherabfrage, Versetzung
    Testauswahl,     // Testauswahl, Durchfuehrung, Rueckgabe
    Notenverwaltung, // Notenverwaltung
};

inline constexpr int kSkalierungMin = 30;
inline constexpr int kSkalierungMax = 300;

// breite, hoehe: Bildschirm in Pixeln; ppi: Punktdichte des Fensters. Ergebnis in Prozent,
// halbe Prozente gerundet zur geraden Zahl, begrenzt auf kSkalierungMin..kSkalierungMax.
int Bildschirmaufloesung_beliebig(int breite, int hoehe, double ppi, Fensterfamilie familie,
                                  int entwurfBreite = kEntwurfBreite,
                                  int entwurfHoehe = kEntwurfHoehe);

// Rundet zaehler / nenner (nenner > 0) zur naechsten ganzen Zahl, halbe zur geraden.
long long rundeGerade(long long zaehler, long long nenner);
