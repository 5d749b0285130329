#pragma once
// Die Klassen-Notentabelle ZenListeGesamt: 73 Spalten, drei Kopfzeilen, eine Zeile je Schueler und
// eine leere fuer einen neuen. Die Tabelle zeigt die Klasse des Fensters und meldet, was der
// Benutzer tut; was daraus folgt, entscheidet das Fenster.

#include "grades/notentabelle.h"

#include <QElapsedTimer>
#include <QTableWidget>

#include <functional>

class Klasse;
class Uhr;

class ZenListeGesamt : public QTableWidget
{
    Q_OBJECT
public:
    explicit ZenListeGesamt(QWidget *eltern = nullptr);

    // Die Klasse gehoert dem Fenster; nullptr: keine Klasse.
    void setzeKlasse(const Klasse *klasse, const QString &klassenname);
    // Die Uhr fuer "neu" und das heutige Datum in den Hinweisen; gehoert dem Fenster.
    void setzeUhr(const Uhr *u) { uhr = u; }

    // ZenListeGesamtFuellen: alle Zellen aus der Klasse, in der gewaehlten Anzeige.
    void fuellen();
    void leeren();
    // spaltenbreite: Zeilenhoehen, Spaltenbreiten, verborgene Spalten.
    void spaltenbreite();

    NotenAnzeige anzeige = NotenAnzeige::Zensuren;
    Ansicht ansicht = Ansicht::Alle;
    int ansichtArt = 0;
    AnsichtsOptionen optionen;
    bool keineAenderung = false;
    bool vornamenSortierung = false;

    // Prueft und uebernimmt einen getippten Wert (Spalte, Zeile, Text); false: verweigert, die
    // Zelle behaelt ihren Wert. Setzt das Fenster.
    std::function<bool(int, int, const QString &)> uebernehmen;

    // Beendet eine offene Bearbeitung und uebernimmt den getippten Wert (vor Speichern, Wechsel
    // der Ansicht, Schliessen), damit keine getippte Note verloren geht. false: Wert verweigert.
    bool bearbeitungAbschliessen();

    // Ein Doppelklick auf die Klassenliste oeffnet die Klasse; sein zweiter Klick trifft, wenn
    // die Liste schon zu ist, die Tabelle und darf dort nichts ausloesen.
    void zweitenKlickIgnorieren() { klickSperre.start(); }

signals:
    void befehlsTaste(QChar buchstabe);
    void escGedrueckt();
    void namensZelleGeklickt(int zeile);
    void kopfZelleGeklickt(int spalte);
    void zelleGewaehlt(int spalte, int zeile);
    void hinweis(const QString &erlaeuterung, const QString &datum);

protected:
    void keyPressEvent(QKeyEvent *ereignis) override;
    void mousePressEvent(QMouseEvent *ereignis) override;
    void mouseMoveEvent(QMouseEvent *ereignis) override;
    void wheelEvent(QWheelEvent *ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent *ereignis) override;
    void keyboardSearch(const QString &) override {}
    void resizeEvent(QResizeEvent *ereignis) override;
    void scrollTo(const QModelIndex &index, ScrollHint hinweis = EnsureVisible) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void zelleSetzen(int zeile, int spalte, const QString &text, bool bearbeitbar);
    void hinweisSetzen(int zeile, int spalte, const QString &text);
    void auswahlInSichtbareZeilen();
    void hinweisZeigen(const QModelIndex &index);
    // Die festen Zeilen 0..2 und Spalten 0..3 bleiben beim Rollen stehen: drei Ansichten
    // desselben Modells liegen ueber der Tabelle.
    QTableView *neueFesteAnsicht();
    void festeAnsichtenAnpassen();
    int festeBreite() const;
    int festeHoehe() const;
    QTableView *festeZeilen = nullptr;
    QTableView *festeSpalten = nullptr;
    QTableView *festeEcke = nullptr;
    bool spalteVerborgen(int spalte) const
    {
        return isColumnHidden(spalte) || columnWidth(spalte) == 0;
    }

    bool zweiterKlickGesperrt() const;
    QElapsedTimer klickSperre;
    const Klasse *klasse = nullptr;
    QString klassenname;
    const Uhr *uhr = nullptr;
    QDate heute() const;
};
