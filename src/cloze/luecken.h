#pragma once
// Lücken im Arbeitstext und die Lückentabelle.
//
// Eine Lücke ist im Text nur an der Textfarbe ihrer Zeichen zu erkennen: (1,1,1) Auswahl-,
// (2,1,1) freies, (3,1,1) Einzellisten-Lückenwort. Eine Lücke ist eine größte Strecke
// lückenfarbiger Zeichen innerhalb eines Absatzes, gleich welcher Art; gezählt wird ab 1 in
// Textreihenfolge. Eintrag n der Tabelle beschreibt die n-te Lücke.

#include <QChar>
#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class QTextDocument;
class QTextCharFormat;

inline constexpr int kLueckenEintraege = 100;
// Listennummern sind zweistellig: mehr Lücken lassen sich nicht zurücklesen.
inline constexpr int kMaxLuecken = 99;
inline constexpr int kMaxAlternativen = 10;
inline constexpr int kMaxFalscheAlternativen = 9;
inline constexpr int kMaxListenzeichen = 300;

inline const QString kFreiMarke = QStringLiteral("...");
inline const QString kPlatzhalter = QStringLiteral("...............");
inline const QString kAlternativenAufforderung =
    QStringLiteral("Hier die falschen Lückenwörter für die Einzelliste eintragen...");

// Art einer Lücke: 'A', 'F', 'E', '-' für einen freien Eintrag.
inline constexpr char16_t kArtA = u'A';
inline constexpr char16_t kArtF = u'F';
inline constexpr char16_t kArtE = u'E';
inline constexpr char16_t kArtFrei = u'-';

QColor lueckenTextfarbe(QChar art);
QColor lueckenHintergrund(QChar art);
// Art zur Textfarbe eines Formats; '-', wenn es keine Lückenfarbe ist.
QChar artAusFormat(const QTextCharFormat &f);
// Format mit den Farben der Art (bzw. schwarz auf weiß für '-'), sonst wie basis.
QTextCharFormat lueckenFormat(QTextCharFormat basis, QChar art);

struct LueckenEintrag
{
    QChar art = kArtFrei;
    std::array<QString, kMaxAlternativen> alternativen;
    int start = -1;
    QString wort;
};

class Lueckentabelle
{
public:
    // n von 1 bis 100; außerhalb liefert die Tabelle einen leeren Ersatzeintrag, in den
    // geschrieben werden darf, ohne dass es wirkt.
    LueckenEintrag &operator[](int n);
    const LueckenEintrag &operator[](int n) const;
    static bool gueltig(int n) { return n >= 1 && n <= kLueckenEintraege; }

    void alleLueckenLeer();
    // Einträge k..99 rücken eins hinauf (100 fällt weg); Eintrag k ist danach leer.
    void einfuegen(int k);
    // Einträge k+1..100 rücken eins hinab; Eintrag 100 wird leer.
    void entfernen(int k);
    // Belegte Einträge von vorn.
    int anzahl() const;
    // Ist text Wort oder Alternative einer belegten Lücke (außer ausser)?
    bool wortVergeben(const QString &text, int ausser = 0) const;

private:
    std::array<LueckenEintrag, kLueckenEintraege> eintraege;
    LueckenEintrag ersatz;
};

struct LueckenLauf
{
    int start = 0; // Position im Dokument
    int laenge = 0;
    QChar art; // Art des ersten Zeichens
    QString text;
    int ende() const { return start + laenge; }
};

// Alle Lücken des Dokuments in Textreihenfolge; geht die Formate fragmentweise durch.
QList<LueckenLauf> lueckenLaeufe(const QTextDocument &doc);
// Nummer (ab 1) der Lücke, in der die Position liegt; 0, wenn keine.
int lueckeAnPosition(const QList<LueckenLauf> &laeufe, int pos);

// Trägt Art, Anfang und Wort jeder Lücke des Textes in die Tabelle ein, freie Einträge dahinter
// werden zurückgesetzt. Die Alternativen folgen dem Wort, nie der bloßen Nummer: eine Lücke mit
// neuem Wort erhält die des Eintrags mit diesem Wort oder keine. Ergebnis: Zahl der Lücken.
int lueckenAlleNeuBestimmen(const QTextDocument &doc, Lueckentabelle &tab);
// Trägt Lücke n ein; false, wenn es sie nicht gibt.
bool lueckeRegistrieren(const QTextDocument &doc, Lueckentabelle &tab, int n);

// Zeichen eines Lückenworts: alle Buchstaben und Ziffern und die Zeichen $ % & * + - / < > §.
bool istWortzeichen(QChar c);
// Das Wort um pos in seinem Absatz: [anfang, ende). Auf einem Nicht-Wortzeichen nur dieses.
std::pair<int, int> wortUm(const QTextDocument &doc, int pos);

// Was in einer Lücke nicht stehen darf: "...", der Platzhalter, "<", ">", "$", Zeilenwechsel.
// Leer, wenn der Text erlaubt ist, sonst die Meldung.
QString lueckenTextPruefen(const QString &text);

// Dürfte [anfang, ende) eine Lücke werden? Leer, wenn ja, sonst die Meldung.
QString lueckeMarkierenPruefen(const QTextDocument &doc, const Lueckentabelle &tab, int anfang,
                               int ende);
// Markiert [anfang, ende) als Lücke der Art und trägt sie ein. Leer bei Erfolg, sonst die Meldung;
// dann bleiben Text und Tabelle unverändert.
QString lueckeMarkieren(QTextDocument &doc, Lueckentabelle &tab, int anfang, int ende, QChar art);
// Nimmt Lücke n aus Text und Tabelle (der Text wird schwarz auf weiß).
bool lueckeEntfernen(QTextDocument &doc, Lueckentabelle &tab, int n);
// Hängt eine falsche Alternative an Lücke n an. Leer bei Erfolg, sonst die Meldung.
QString alternativeHinzufuegen(Lueckentabelle &tab, int n, const QString &text);
// Nimmt die Alternative aus Lücke n; die folgenden rücken auf.
bool alternativeEntfernen(Lueckentabelle &tab, int n, const QString &text);
// Die falschen Alternativen von Lücke n (ohne das richtige Wort).
QStringList falscheAlternativen(const LueckenEintrag &e);

// Berührt eine Bearbeitung von [anfang, ende] eine Lücke? Geprüft wird das Zeichenformat an jeder
// Einfügestelle von anfang bis ende, also das Zeichen vor ihr.
bool bereichBeruehrtLuecke(const QList<LueckenLauf> &laeufe, int anfang, int ende);
inline const QString kLueckenSchutzMeldung = QStringLiteral(
    "Textteile, die eine Lücke einschließen, können weder kopiert noch \n"
    "ausgeschnitten werden. Auch das Einfügen von Text in markierte \n"
    "Lücken ist nicht möglich.\n"
    "\n"
    "Verändern von Text in eine Lückenmarkierung: \n"
    "1. Zum Modus 'Lückenbearbeitung' wechseln ( <F1> drücken ).\n"
    "2. Die betreffende Lücke anklicken und löschen\n"
    "3. Zum Modus 'Textbearbeitung' wechseln ( <F1> drücken ).\n"
    "4. Den betreffenden Text verändern \n"
    "5. Im Modus 'Lückenbearbeitung' mit der Maus eine neue \n"
    "    Lückenmarkierung setzen.");

// Schülersicht: ersetzt den Text von Lücke n (Format bleibt) und das Wort des Eintrags.
bool lueckeFuellen(QTextDocument &doc, Lueckentabelle &tab, int n, const QString &wort);

// Sortierung der Wortlisten: deutsch, ohne Groß-/Kleinschreibung, bei Gleichheit nach Nummer.
void lueckenwoerterSortieren(QList<std::pair<QString, int>> &woerter);
