#pragma once
// Die Klassenbefehle des Notenfensters als Aktionen: neue Klasse, versetzen, Zufallsgruppen,
// Schuelersuche, Export, Klasse loeschen, Ausgabe und Schnelldruck. Der Handler besitzt seine
// Aktionen und fuehrt aus, was die Sitzung allein kann; was eine Ansicht braucht, meldet er mit
// einem Signal. Das Fenster setzt die Aktionen in Menue und Knoepfe und schaltet sie frei.

#include <QObject>

#include <functional>

class QAction;
class Klassensitzung;
struct Einstellungen;
class Rueckfragen;
class Uhr;
class ZenListeGesamt;

class Klassenwerkzeuge : public QObject
{
    Q_OBJECT
public:
    Klassenwerkzeuge(Klassensitzung &sitzung, const Einstellungen &einstellungen,
                     Rueckfragen &rueckfragen, const Uhr &uhr, QObject *eltern = nullptr);

    // Die Tabelle, die der Schnelldruck druckt; gehoert dem Fenster.
    void setzeTabelle(ZenListeGesamt *t) { tabelle = t; }

    // Taste "d" in der Tabelle: Rueckfrage Textprogramm / Konzeptdruck.
    void klassenDruck();
    // "Schnelldruck der sichtbaren Notentabelle": Druckdialog und Schnelldruck.
    void schnelldruck();
    // "Ausgabe/ Druck (Ø) über Textprogramm".
    void ausgabeUeberTextprogramm();
    void klasseLoeschen();
    void klassendatenExportieren();
    // "Klasse aus Sicherung wiederherstellen…": Fassung waehlen, sie wird die offene Klasse.
    void sicherungWiederherstellen();
    // "Verlauf": die Notenaenderungen, beginnend mit dem, was verlaufStart nennt.
    void verlaufZeigen();
    // Womit der Verlauf beginnt: Schuelernummer (> 0) oder Notenart und Slot; vom Fenster gesetzt.
    struct VerlaufStart
    {
        int schuelerNr = 0;
        int art = 0;
        int slot = 0;
    };
    std::function<VerlaufStart()> verlaufStart;

    // Die Aktionen (objectName = Name des Menuebefehls).
    QAction *NeueKlasse1 = nullptr;
    QAction *KlasseinneuesSchuljahrversetzen1 = nullptr;
    QAction *Zufallsgruppen1 = nullptr;
    QAction *Schlersuchen1 = nullptr;
    QAction *Klassendatenexportieren1 = nullptr;
    QAction *Klasselschen1 = nullptr;
    QAction *AusgabeinDatei1 = nullptr;
    QAction *Drucken1 = nullptr;
    QAction *KlasseausSicherung1 = nullptr;
    QAction *Verlauf1 = nullptr;

signals:
    void neueKlasseGewuenscht();
    void zufallsgruppenGewuenscht();
    void sucheGewuenscht();
    // Nach der Speicherabfrage: das Hauptfenster zeigt den Versetzungsdialog.
    void versetzungGewuenscht();
    // Ohne Klasse geht es nicht: erst die Klassenliste.
    void klassenlisteGewuenscht();

private:
    QAction *aktion(const QString &name, const QString &text);
    bool klasseDa();

    Klassensitzung &s;
    const Einstellungen &e;
    Rueckfragen &r;
    const Uhr &uhr;
    ZenListeGesamt *tabelle = nullptr;
};
