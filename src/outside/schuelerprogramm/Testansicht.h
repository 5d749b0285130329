#pragma once
// Die Ansicht, in der ein Schueler seinen Test bearbeitet: eine Aufgabe mit ihren vier Antworten
// und deren Bildern, ganz mit der Tastatur bedienbar:
//   Pfeil hoch/runter   Antwort waehlen (ueber die Aufgabengrenze hinweg)
//   Pfeil links/rechts, Bild hoch/runter, Eingabe   vorige/naechste Aufgabe
//   a-d oder 1-4   diese Antwort ankreuzen;  x oder Leertaste   die markierte Antwort ankreuzen
//   Strg+Plus/Minus   Schrift groesser/kleiner
// Dieselbe Antwort noch einmal nimmt das Kreuz weg. Jede Aenderung meldet "geaendert", damit der
// Zwischenstand gesichert wird.

#include "outside/testbogen.h"

#include <QWidget>

#include <array>

class QLabel;
class QListWidget;
class QPushButton;

class TTestansicht : public QWidget
{
    Q_OBJECT
public:
    explicit TTestansicht(QWidget *eltern = nullptr);

    // Zeigt den Bogen; bilderOrdner endet mit dem Trenner (leer: keine Bilder).
    void zeigen(schuelerseite::Testbogen *bogen, const QString &name, const QString &bilderOrdner);
    int aktuelleFrage() const { return frage; }
    int markierteAntwort() const { return antwort; }
    void geheZuFrage(int i);
    int schriftgroesse() const { return groesse; }
    void setzeSchriftgroesse(int punkt);

    QPushButton *BAbgeben = nullptr;
    QPushButton *BSichern = nullptr;

signals:
    void geaendert();
    void abgebenGewuenscht();
    void sichernGewuenscht();

protected:
    void keyPressEvent(QKeyEvent *ereignis) override;
    void resizeEvent(QResizeEvent *ereignis) override;

private:
    void aufbauen();
    void ankreuzen(int a);
    void bewegen(int schritt);
    void aktualisieren();
    void bilderZeigen();

    schuelerseite::Testbogen *bogen = nullptr;
    QString bilder;
    int frage = 0;
    int antwort = 0;
    int groesse = 13;

    QLabel *LKopf = nullptr;
    QLabel *LName = nullptr;
    QListWidget *LBoxFragen = nullptr;
    QLabel *LFrage = nullptr;
    std::array<QPushButton *, 4> BAntwort{};
    std::array<QLabel *, 4> LBild{};
    QLabel *LOffen = nullptr;
    QLabel *LHilfe = nullptr;
    QPushButton *BVorherige = nullptr;
    QPushButton *BNaechste = nullptr;
    QPushButton *BKleiner = nullptr;
    QPushButton *BGroesser = nullptr;
};
