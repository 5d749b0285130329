#pragma once
// Ein Notengitter mit Pruefung jeder Eingabe: ein getippter Wert geht beim Verlassen der Zelle an
// uebernehmen; verweigert dieser ihn, behaelt die Zelle ihren alten Wert. Buchstaben sind keine
// Noteneingabe, sie gehen als Befehlstaste an das Fenster.

#include <QTableWidget>

#include <functional>

class PruefGitter : public QTableWidget
{
    Q_OBJECT
public:
    PruefGitter(int zeilen, int spalten, QWidget *eltern = nullptr);

    // (Zeile, Spalte, Text) -> angenommen?
    std::function<bool(int, int, const QString &)> uebernehmen;
    // Schliesst eine offene Bearbeitung und uebernimmt ihren Wert; false: verweigert.
    bool bearbeitungAbschliessen();
    // Setzt Text und Bearbeitbarkeit einer Zelle.
    void zelle(int zeile, int spalte, const QString &text, bool bearbeitbar = false);
    QString text(int zeile, int spalte) const;
    // Tab wandert Zelle fuer Zelle durch die bearbeitbaren Zellen; erst in der letzten (Shift+Tab:
    // der ersten) geht der Fokus zum naechsten (vorigen) Feld der Ansicht.
    void setzeTabZellenweise(bool an) { tabZellenweise = an; }

signals:
    void befehlsTaste(QChar buchstabe);
    void amEndeVerlassen(); // Pfeil nach unten / Enter in der letzten Zeile

protected:
    void keyPressEvent(QKeyEvent *ereignis) override;
    void mousePressEvent(QMouseEvent *ereignis) override;
    void keyboardSearch(const QString &) override {}
    bool focusNextPrevChild(bool vor) override;
    void focusInEvent(QFocusEvent *ereignis) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hinweis) override;

private:
    friend class PruefDelegate;
    QWidget *offenerEditor = nullptr;
    bool letzteUebernahmeOk = true;
    bool tabZellenweise = false;
    // Naechste (vorige) bearbeitbare Zelle in Lesereihenfolge, ungueltig am Rand.
    QModelIndex tabZiel(bool vor) const;
};
