#include "common/rtf/zeilenmodell.h"

#include "common/rtf/rtf.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

int Zeilenmodell::anzahl() const
{
    const int bloecke = doc.blockCount();
    if (bloecke == 1 && doc.firstBlock().length() <= 1) {
        return 0;
    }
    return bloecke;
}

QString Zeilenmodell::zeile(int n) const
{
    if (n < 0 || n >= anzahl()) {
        return {};
    }
    return doc.findBlockByNumber(n).text();
}

QStringList Zeilenmodell::alle() const
{
    QStringList z;
    const int a = anzahl();
    z.reserve(a);
    for (QTextBlock b = doc.begin(); b.isValid() && z.size() < a; b = b.next()) {
        z.append(b.text());
    }
    return z;
}

QTextCursor Zeilenmodell::auswahl(int n) const
{
    if (n < 0 || n >= anzahl()) {
        return {};
    }
    const QTextBlock b = doc.findBlockByNumber(n);
    QTextCursor c(b);
    c.setPosition(b.position());
    c.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
    return c;
}

bool Zeilenmodell::ersetzen(int n, const QString &text)
{
    QTextCursor c = auswahl(n);
    if (c.isNull()) {
        return false;
    }
    const QTextBlock b = doc.findBlockByNumber(n);
    QTextCharFormat f = b.charFormat();
    if (b.length() > 1) {
        QTextCursor erstes(b);
        erstes.movePosition(QTextCursor::NextCharacter);
        f = erstes.charFormat();
    }
    c.insertText(text, f);
    return true;
}

bool Zeilenmodell::einfuegen(int n, const QString &text)
{
    const int a = anzahl();
    if (n < 0 || n > a) {
        return false;
    }
    if (a == 0) {
        QTextCursor c(&doc);
        c.insertText(text);
        return true;
    }
    if (n == a) {
        const QTextBlock letzter = doc.lastBlock();
        QTextCursor c(letzter);
        c.movePosition(QTextCursor::EndOfBlock);
        c.insertBlock(QTextBlockFormat(), c.charFormat());
        c.insertText(text);
        return true;
    }
    const QTextBlock b = doc.findBlockByNumber(n);
    QTextCursor c(b);
    const QTextCharFormat f = b.charFormat();
    // Der Inhalt von Zeile n rutscht mit seinem Absatzformat in den neuen Block.
    c.insertBlock(b.blockFormat(), f);
    // Der neue Block steht hinter dem Cursor; der Text gehoert in den Block davor.
    c.movePosition(QTextCursor::PreviousBlock);
    c.setBlockFormat(QTextBlockFormat());
    c.insertText(text, f);
    return true;
}

bool Zeilenmodell::loeschen(int n)
{
    const int a = anzahl();
    if (n < 0 || n >= a) {
        return false;
    }
    const QTextBlock b = doc.findBlockByNumber(n);
    QTextCursor c(b);
    if (n + 1 < a) {
        // Zeile mit ihrer Absatzmarke
        c.setPosition(b.position());
        c.setPosition(b.next().position(), QTextCursor::KeepAnchor);
    } else if (n > 0) {
        // letzte Zeile: die Absatzmarke davor geht mit
        c.setPosition(b.previous().position() + b.previous().length() - 1);
        c.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
    } else {
        c.select(QTextCursor::Document);
    }
    c.removeSelectedText();
    return true;
}

void Zeilenmodell::setzeAlle(const QStringList &zeilen)
{
    doc.clear();
    if (zeilen.isEmpty()) {
        return;
    }
    QTextCursor c(&doc);
    c.beginEditBlock();
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (i > 0) {
            c.insertBlock();
        }
        c.insertText(zeilen[i]);
    }
    c.endEditBlock();
}

QList<RtfLauf> rtfLaeufe(const QTextDocument &doc)
{
    QList<RtfLauf> liste;
    const qreal standardGroesse =
        doc.defaultFont().pointSizeF() > 0 ? doc.defaultFont().pointSizeF() : 12;
    int nr = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next(), ++nr) {
        bool erster = true;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            const QTextCharFormat f = fr.charFormat();
            RtfLauf l;
            l.absatz = nr;
            l.text = fr.text();
            if (f.hasProperty(QTextFormat::ForegroundBrush) &&
                f.foreground().style() != Qt::NoBrush) {
                l.farbe = f.foreground().color();
            }
            if (f.hasProperty(QTextFormat::BackgroundBrush) &&
                f.background().style() != Qt::NoBrush) {
                l.hintergrund = f.background().color();
            }
            l.fett = f.fontWeight() >= QFont::DemiBold;
            l.kursiv = f.fontItalic();
            l.unterstrichen = f.fontUnderline();
            l.groesse = f.fontPointSize() > 0 ? f.fontPointSize() : standardGroesse;
            if (!erster && liste.last().gleichesFormat(l)) {
                liste.last().text += l.text;
            } else {
                liste.append(l);
            }
            erster = false;
        }
    }
    return liste;
}
