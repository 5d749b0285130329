#pragma once
// Der eine Druckweg aller Fenster: Druckdialog von Qt (Drucker oder PDF-Datei), Wartehinweis im
// Fenster, Druck, Meldung bei einem Druckerfehler. Tests und Bildschirmfotos ersetzen den Dialog
// ueber setzeDialog (z. B. PDF-Ausgabe in eine Datei).

#include <QList>
#include <QMarginsF>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;
class QTextDocument;
class QWidget;
class Rueckfragen;

namespace druck {

// Fuellt den Drucker (Ziel, Ausrichtung) und sagt, ob gedruckt werden soll.
using Dialog = std::function<bool(QPrinter &)>;
// Ersetzt den Druckdialog fuer alle folgenden Drucke; ein leerer Dialog stellt QPrintDialog wieder
// her.
void setzeDialog(Dialog dialog);

// Zeichnet den ganzen Auftrag; neue Seiten legt er selbst an (drucker.newPage()).
// false, wenn nicht gezeichnet werden konnte.
using Zeichner = std::function<bool(QPainter &, QPrinter &)>;

struct Auftrag
{
    QString titel;                     // Name des Druckauftrags
    QString wartetext;                 // leer: kein Wartehinweis
    bool querformat = false;           // Vorgabe im Dialog
    bool auswahlSeitenbereich = false; // Seitenbereich im Dialog waehlbar
    int hinweisNachlaufMs = 0;         // so lange bleibt der Wartehinweis nach dem Druck stehen
};

// Druckdialog, Wartehinweis, Zeichnen. false: abgebrochen oder fehlgeschlagen (dann gemeldet).
bool drucken(QWidget *fenster, const Auftrag &auftrag, const Zeichner &zeichner, Rueckfragen &r);

// Zeichnet Dokumente hintereinander, jedes ab einer neuen Seite, mit Raendern in Zoll vom
// Papierrand (links, oben, rechts, unten). Die Dokumente bleiben unveraendert.
bool dokumenteZeichnen(QPainter &maler, QPrinter &drucker,
                       const QList<const QTextDocument *> &dokumente, const QMarginsF &raenderZoll);

// Kurzform: Dokumente drucken.
bool dokumenteDrucken(QWidget *fenster, const Auftrag &auftrag,
                      const QList<const QTextDocument *> &dokumente, const QMarginsF &raenderZoll,
                      Rueckfragen &r);

} // namespace druck
