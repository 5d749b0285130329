#pragma once
// Die Fenster der Arbeitsmodi, so wie das Hauptfenster sie umschaltet. Jedes Fenster meldet sich
// beim Hauptfenster an; solange eines fehlt, bleiben die Befehle, die es brauchen, gesperrt.

#include <QColor>
#include <QString>

class QWidget;

// Farben der Arbeitsmodi.
namespace Farbe {
inline const QColor notenverwaltung(255, 255, 225);
inline const QColor konstruktion(220, 240, 250);
inline const QColor durchfuehrung(240, 245, 240);
inline const QColor rueckgabe(220, 195, 195);
inline const QColor rueckgabeKnopf(240, 230, 230);
inline const QColor dunkelrot(155, 0, 0);
} // namespace Farbe

// Hinweis an Befehlen, deren Fenster (noch) nicht angemeldet ist.
inline const QString kFensterFehlt =
    QStringLiteral("Dieses Arbeitsfenster ist in dieser Programmversion noch nicht enthalten.");

// Befehle des Hauptmenues, die andere Fenster in ihren eigenen Menues weiterreichen.
enum class Hauptbefehl {
    Anfangskonfiguration,
    Testkonfiguration,
    KonfigurationsdateiBearbeiten,
    ThemenlisteBearbeiten,
    FaecherlisteBearbeiten,
    Bedienungsanleitung,
    ProgrammInfo,
};

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
    // Wie notenverwaltungZeigen, dann die Klassenliste ("Klasse öffnen" und Verwandte).
    virtual void klassenwahlZeigen() { notenverwaltungZeigen(); }
};
