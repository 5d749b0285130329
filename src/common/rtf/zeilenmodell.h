#pragma once
// Die Zeilen eines Dokuments, wie das Rich-Edit-Steuerelement sie ohne Zeilenumbruch liefert:
// eine Zeile je Absatz, gezaehlt ab 0. Ein Dokument, das nur aus einem leeren Absatz besteht,
// hat keine Zeile (wie ein leeres Steuerelement). Zeilennummern ausserhalb des Bereichs
// aendern nichts (Ergebnis false) bzw. liefern einen leeren Text.

#include <QString>
#include <QStringList>
#include <QTextCursor>

class QTextDocument;
class QTextCharFormat;

class Zeilenmodell
{
public:
    explicit Zeilenmodell(QTextDocument &doc)
        : doc(doc)
    {}

    int anzahl() const;
    QString zeile(int n) const;
    QStringList alle() const;

    // Ersetzt den Text der Zeile; das Format ihres ersten Zeichens und ihr Absatzformat bleiben.
    bool ersetzen(int n, const QString &text);
    // Fuegt vor Zeile n ein; n == anzahl() haengt an. Das neue Zeichenformat ist das der
    // Nachbarzeile, ohne Absatzformat.
    bool einfuegen(int n, const QString &text);
    void anhaengen(const QString &text) { einfuegen(anzahl(), text); }
    bool loeschen(int n);
    // Ersetzt das ganze Dokument durch die Zeilen, ohne Formate.
    void setzeAlle(const QStringList &zeilen);

    // Cursor, der den Text der Zeile n ohne Absatzmarke auswaehlt; ungueltig ausserhalb.
    QTextCursor auswahl(int n) const;

private:
    QTextDocument &doc;
};
