#pragma once
// Enter auf einem Knopf mit Fokus drueckt ihn, auch wenn er kein Standardknopf ist. Die
// Konfigurationsdialoge haben keinen Standardknopf, damit Enter in einem Feld nichts ausloest.

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

inline bool eingabetasteDruecktFokusknopf(const QWidget *fenster, const QKeyEvent *e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (!enter || (e->modifiers() & ~Qt::KeypadModifier)) {
        return false;
    }
    auto *knopf = qobject_cast<QPushButton *>(fenster->focusWidget());
    if (knopf == nullptr || !knopf->isEnabled()) {
        return false;
    }
    knopf->click();
    return true;
}
