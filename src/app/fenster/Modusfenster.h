#pragma once
// Die Fenster der Arbeitsmodi, so wie das Hauptfenster sie umschaltet. Jedes Fenster meldet sich
// beim Hauptfenster an; solange eines fehlt, bleiben die Befehle, die es brauchen, gesperrt.

class QWidget;

// Testauswahl fuer Konstruktion, Durchfuehrung und Rueckgabe.
class Testauswahl
{
public:
    enum class Layout { Konstruktion, Durchfuehrung, Rueckgabe };
    virtual ~Testauswahl() = default;
    virtual QWidget *fenster() = 0;
    // Zeigt das Fenster im Layout des Modus; die Fach- und Themenlisten werden neu geladen.
    // alleSchuljahre: Konstruktion mit allen Schuljahren; sonst nur das aktuelle, nicht waehlbar.
    virtual void modusZeigen(Layout layout, bool alleSchuljahre) = 0;
};

// Notenverwaltung.
class Notenverwaltung
{
public:
    virtual ~Notenverwaltung() = default;
    virtual QWidget *fenster() = 0;
    // Zeigt das Fenster mit seinen Farben, aktuelles Schuljahr angekreuzt.
    virtual void notenverwaltungZeigen() = 0;
};
