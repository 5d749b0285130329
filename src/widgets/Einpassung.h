#pragma once
// Haelt Fenster und Dialoge ganz auf dem Bildschirm: Rahmen und Titelleiste eingerechnet.

#include <QObject>

class QRect;
class QWidget;

// Passt ein Fenster in den freien Bereich seines Bildschirms ein. Den Rahmen kennt man erst,
// wenn die Fensterverwaltung das Fenster gezeigt hat; bis dahin gilt der zuletzt gesehene
// Rahmen oder eine Schaetzung.
void fensterEinpassen(QWidget *fenster);
// Ebenso fuer einen gewuenschten Inhaltsbereich (ohne Rahmen), z. B. oben in voller Hoehe.
void fensterEinpassen(QWidget *fenster, const QRect &wunsch);

// Passt jedes Fenster und jeden Dialog beim Zeigen ein und noch einmal, sobald der Rahmen
// bekannt ist. Einmal an der Anwendung anmelden.
class Bildschirmeinpassung final : public QObject
{
public:
    using QObject::QObject;
    static void anmelden();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
};
