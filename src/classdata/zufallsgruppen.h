#pragma once
// Zufallsgruppen: die geladene Klasse wird in Gruppen der gewaehlten Groesse gelost, auf Wunsch
// Maedchen und Jungen getrennt. Das Ergebnis ist nur die Liste der Eintraege fuer die vierspaltige
// Anzeige; an der Klasse wird nichts geaendert.

#include <QList>
#include <QString>

class Klasse;
class Zufall;

struct GruppenEintrag
{
    QString text;
    bool weiblich = false; // Eintrag einer Schuelerin (dunkelrot gezeichnet)
    bool operator==(const GruppenEintrag &) const = default;
};

inline constexpr int kKleinsteGruppe = 2;
inline constexpr int kGroessteGruppe = 20;

// Der Eintrag eines Schuelers: "Vorname Nachname", in Kursen " (Klasse)", immer zwei Blanks am
// Ende.
QString gruppenEintragText(const QString &vorname, const QString &nachname, const QString &klasse,
                           bool istKurs);

// Lost die Gruppen (Gruppengroesse 2..20, sonst keine Eintraege). Der Aufrufer setzt die Saat
// der Zufallsquelle (im Programm je Losung aus der Uhr). Mit Trennung werden Schueler, die
// weder "w" noch "m" sind, nicht gelost; ohne Maedchen oder ohne Jungen entfaellt der Durchgang.
QList<GruppenEintrag> zufallsgruppenLosen(const Klasse &klasse, bool istKurs, int gruppenGroesse,
                                          bool jungenMaedchenTrennung, Zufall &zufall);
