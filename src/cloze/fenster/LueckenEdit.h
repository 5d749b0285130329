#pragma once
// Das Textfeld des Lückentests (re1): meldet Maus und Tasten dem Fenster, bevor es selbst etwas
// tut, nimmt nur schlichten Text auf (kein Ziehen, keine Formate aus der Zwischenablage) und hat
// keine Rücknahme, damit keine Lückenfarbe an der Lückentabelle vorbei verschwindet.

#include <QTextEdit>

#include <functional>

class LueckenEdit final : public QTextEdit
{
    Q_OBJECT

public:
    explicit LueckenEdit(QWidget *eltern = nullptr);

    // true: das Fenster hat das Ereignis erledigt (verschluckt).
    std::function<bool(QMouseEvent *)> mausGedrueckt;
    std::function<bool(QMouseEvent *)> mausLosgelassen;
    std::function<bool(QKeyEvent *)> taste;
    // Text des Hinweises an einer Textposition; leer: kein Hinweis.
    std::function<QString(int)> hinweis;
    // Darf die Zwischenablage hier eingefügt werden? (Schutz der Lücken)
    std::function<bool()> einfuegenErlaubt;

    // Neues, leeres Dokument ohne Rücknahme; das alte wird gelöscht.
    void neuesDokument();
    // Übernimmt neu (ohne Rücknahme); das alte Dokument wird gelöscht.
    void dokumentSetzen(QTextDocument *neu);
    // Zeigt doc, ohne es zu übernehmen (es gehört der Sitzung); ein eigenes altes wird gelöscht.
    void dokumentZeigen(QTextDocument *doc);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool event(QEvent *e) override;
    bool canInsertFromMimeData(const QMimeData *quelle) const override;
    void insertFromMimeData(const QMimeData *quelle) override;
};
