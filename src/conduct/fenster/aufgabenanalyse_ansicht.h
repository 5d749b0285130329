#pragma once
// Die Aufgabenanalyse eines eben benoteten Tests: eine Zeile je Frage, nach Schwierigkeit gefaerbt
// (leicht gruen, schwer rot), kaum trennende Fragen mit orangefarbener Trennschaerfe; druckbar.
// Eigenstaendig: das Auswahlfenster legt sie an und ruft nach dem Benoten zeigen() auf.

#include "conduct/aufgabenanalyse.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;
class QTableWidget;
class QTextDocument;
class Rueckfragen;

class AufgabenanalyseAnsicht : public QWidget
{
    Q_OBJECT
public:
    explicit AufgabenanalyseAnsicht(Rueckfragen &r, QWidget *eltern = nullptr);
    ~AufgabenanalyseAnsicht() override;

    // Fuellt Kopfzeile und Tabelle; testname steht in Kopf und Druck (z. B. "2024-25/7xP1Bspl").
    void zeigen(const Aufgabenanalyse &analyse, const QString &testname = QString());
    // Druckdialog und Druck der Analyse; false: abgebrochen oder Druckerfehler (gemeldet).
    bool drucken();
    // Das Druckdokument (fuer Druck und Tests); gehoert der Ansicht.
    const QTextDocument &druckdokument();

    // Gross genug fuer alle Spalten und Zeilen (das Einpassen begrenzt auf den Bildschirm).
    QSize sizeHint() const override;

    // Schwierigkeitsstufe einer Loesungsquote: 1 leicht (> 80 %), -1 schwer (< 30 %), sonst 0.
    static int stufe(const std::optional<double> &loesungsquote);

    QLabel *LKopf = nullptr;
    QTableWidget *SGAnalyse = nullptr;
    QPushButton *BDrucken = nullptr;
    QPushButton *BSchliessen = nullptr;

signals:
    void fertig(); // "Schließen"

private:
    Rueckfragen &r;
    Aufgabenanalyse analyse;
    QString testname;
    std::unique_ptr<QTextDocument> dokument;
};
