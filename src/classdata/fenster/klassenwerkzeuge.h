#pragma once
// Die Klassenbefehle des Notenfensters als Aktionen: neue Klasse, versetzen, Zufallsgruppen,
// Schuelersuche, Export, Klasse loeschen, Ausgabe und Schnelldruck. Der Handler besitzt seine
// Aktionen und fuehrt aus, was die Sitzung allein kann; was eine Ansicht braucht, meldet er mit
// einem Signal. Das Fenster setzt die Aktionen in Menue und Knoepfe und schaltet sie frei.

#include <QObject>

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

    // Die Aktionen (objectName = Name des Menuebefehls).
    QAction *NeueKlasse1 = nullptr;
    QAction *KlasseinneuesSchuljahrversetzen1 = nullptr;
    QAction *Zufallsgruppen1 = nullptr;
    QAction *Schlersuchen1 = nullptr;
    QAction *Klassendatenexportieren1 = nullptr;
    QAction *Klasselschen1 = nullptr;
    QAction *AusgabeinDatei1 = nullptr;
    QAction *Drucken1 = nullptr;

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
