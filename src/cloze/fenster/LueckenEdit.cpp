#include "cloze/fenster/LueckenEdit.h"

#include <QHelpEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>

LueckenEdit::LueckenEdit(QWidget *eltern)
    : QTextEdit(eltern)
{
    setAcceptDrops(false);
    setAcceptRichText(false);
    neuesDokument();
}

void LueckenEdit::neuesDokument()
{
    auto *neu = new QTextDocument(this);
    neu->setDefaultFont(font());
    dokumentSetzen(neu);
}

void LueckenEdit::dokumentSetzen(QTextDocument *neu)
{
    neu->setParent(this);
    dokumentZeigen(neu);
}

void LueckenEdit::dokumentZeigen(QTextDocument *doc)
{
    // Das Anfangsdokument gehört dem Steuerelement, das es beim Wechsel selbst löscht.
    QTextDocument *alt = document();
    const bool eigenes = alt && alt != doc && alt->parent() == this;
    doc->setUndoRedoEnabled(false);
    setDocument(doc);
    if (eigenes) {
        delete alt;
    }
}

void LueckenEdit::mousePressEvent(QMouseEvent *e)
{
    if (mausGedrueckt && mausGedrueckt(e)) {
        return;
    }
    QTextEdit::mousePressEvent(e);
}

void LueckenEdit::mouseReleaseEvent(QMouseEvent *e)
{
    QTextEdit::mouseReleaseEvent(e);
    if (mausLosgelassen) {
        mausLosgelassen(e);
    }
}

void LueckenEdit::mouseDoubleClickEvent(QMouseEvent *e)
{
    // Ein Doppelklick ist hier zwei Klicks; die Wortauswahl trifft das Fenster selbst.
    mousePressEvent(e);
}

void LueckenEdit::keyPressEvent(QKeyEvent *e)
{
    if (taste && taste(e)) {
        return;
    }
    QTextEdit::keyPressEvent(e);
}

bool LueckenEdit::event(QEvent *e)
{
    if (e->type() == QEvent::ToolTip && hinweis) {
        auto *h = static_cast<QHelpEvent *>(e);
        const int pos = cursorForPosition(viewport()->mapFromGlobal(h->globalPos())).position();
        const QString text = hinweis(pos);
        if (text.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(h->globalPos(), text, this, {}, 6000);
        }
        return true;
    }
    return QTextEdit::event(e);
}

bool LueckenEdit::canInsertFromMimeData(const QMimeData *quelle) const
{
    return quelle->hasText();
}

void LueckenEdit::insertFromMimeData(const QMimeData *quelle)
{
    if (!quelle->hasText() || (einfuegenErlaubt && !einfuegenErlaubt())) {
        return;
    }
    // Nur schlichter Text, im Format der Umgebung ohne Lückenfarbe.
    QTextCursor c = textCursor();
    QTextCharFormat f = c.charFormat();
    f.clearForeground();
    f.clearBackground();
    c.insertText(quelle->text(), f);
}
