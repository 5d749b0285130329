#include "authoring/aufgaben.h"

#include "authoring/formatierung.h"
#include "common/rueckfragen.h"
#include "common/zufall.h"
#include "conduct/testdokument.h"

using namespace Qt::StringLiterals;

namespace {

bool ziffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}
bool ziffer19(QChar c)
{
    return c >= u'1' && c <= u'9';
}

// Stelle (0-basiert) des ")" einer Fragezeile im Block, -1 wenn die Zeile keine ist: vor dem ")"
// an Stelle 1 bis 3 stehen nur Ziffern. So wird eine Antwortzeile nach einer irrtuemlichen
// Leerzeile nie zur Frage.
int klammerDerFrage(const QString &z)
{
    for (int p = 0; p < 3 && p < z.size(); ++p) {
        if (z[p] == u')') {
            return p;
        }
        if (!ziffer(z[p])) {
            return -1;
        }
    }
    return -1;
}

QString nummerierungsMeldung(int a)
{
    return u"Achtung: Nummerierungsfehler nach Aufgabe "_s + QString::number(a) +
           u": Neunummerierung durchgeführt!\r\n"_s +
           u"Wenn der Aufgabe mit der neuen Nummer Bilder zugeordnet sind, "_s +
           u"müssen die entsprechen Bilddateien mit dem Explorerprogramm umbenannt werden."_s;
}

// Punktepruefung einer Fragezeile; meldet und merkt die Frage, wenn Punkte fehlen.
void punktePruefen(const QStringList &zeilen, int i, int nummer, Pruefergebnis &e, Rueckfragen &r)
{
    if (hatPunkte(zeilen, i)) {
        return;
    }
    r.fehler(u"In Aufgabe "_s + QString::number(nummer) + u" fehlt die Angabe der Punkte!"_s);
    e.punkteFehlenBei = nummer;
    e.zeileFehlendePunkte = std::min<int>(i + 4, int(zeilen.size()) - 1);
}

// Buchstabe einer Antwortzeile an der Stelle, der ")" folgt; 0 ohne.
int buchstabenStelle(const QString &z)
{
    for (int p = 1; p <= 3 && p + 1 < z.size(); ++p) {
        if (z[p] >= u'a' && z[p] <= u'd' && z[p + 1] == u')') {
            return p;
        }
    }
    return 0;
}

bool antwortTauschen(QStringList &zeilen, int zeile, int richtung)
{
    if (zeile < 0 || zeile >= zeilen.size()) {
        return false;
    }
    const int nachbar = zeile + richtung;
    const int p = buchstabenStelle(zeilen[zeile]);
    if (p == 0 || nachbar < 0 || nachbar >= zeilen.size()) {
        return false;
    }
    const QChar x = zeilen[zeile][p];
    const QChar y = QChar(x.unicode() + richtung);
    // Nur mit der Antwort des naechsten Buchstabens derselben Frage.
    const int q = buchstabenStelle(zeilen[nachbar]);
    if (y < u'a' || y > u'd' || q == 0 || zeilen[nachbar][q] != y) {
        return false;
    }
    const QString z = zeilen[zeile], n = zeilen[nachbar];
    zeilen[zeile] = n.left(q) + x + n.mid(q + 1);
    zeilen[nachbar] = z.left(p) + y + z.mid(p + 1);
    return true;
}

class NullZufall final : public Zufall
{
public:
    int zahl(int) override { return 0; }
};

} // namespace

void ungueltigeAbsaetzeLeeren(QStringList &zeilen)
{
    for (QString &z : zeilen) {
        if (z.isEmpty()) {
            continue;
        }
        int tabs = 0;
        while (tabs < z.size() && tabs < 100 && z[tabs] == u'\t') {
            ++tabs;
        }
        if (tabs == z.size()) {
            z.clear();
        }
    }
}

int aufgaben_neu_nummerieren(QStringList &zeilen, QList<int> *fragezeilen)
{
    int n = 0;
    int i = 0;
    const int anzahl = int(zeilen.size());
    while (true) {
        while (i < anzahl && !zeilen[i].isEmpty()) {
            ++i;
        }
        if (++i >= anzahl) {
            break;
        }
        QString &z = zeilen[i];
        const int k = klammerDerFrage(z);
        if (k < 0) {
            continue;
        }
        ++n;
        z = QString::number(n) + z.mid(k);
        if (fragezeilen) {
            fragezeilen->append(i);
        }
    }
    return n;
}

bool hatPunkte(const QStringList &zeilen, int i)
{
    for (int j = i + 1; j <= i + 4 && j < zeilen.size(); ++j) {
        if (!zeilen[j].isEmpty() && ziffer19(zeilen[j][0])) {
            return true;
        }
    }
    return false;
}

Pruefergebnis aufgabennummern_kontrollieren(QStringList &zeilen, Rueckfragen &r)
{
    Pruefergebnis e;
    int a = 0;
    for (int i = 2; i < zeilen.size(); ++i) {
        const QString &z = zeilen[i];
        if (z.isEmpty()) {
            continue;
        }
        if (z[0] == u')') {
            r.information(nummerierungsMeldung(a));
            e.nummerierungsfehler = true;
            aufgaben_neu_nummerieren(zeilen);
            punktePruefen(zeilen, i, a + 1, e, r);
            break;
        }
        int nummer = -1;
        if (zeichenAn(z, 2) == u')' && ziffer(z[0])) {
            nummer = z[0].digitValue();
        } else if (zeichenAn(z, 3) == u')' && ziffer(z[0]) && ziffer(z[1])) {
            nummer = z.left(2).toInt();
        } else {
            continue;
        }
        if (nummer != a + 1) {
            r.information(nummerierungsMeldung(a));
            e.nummerierungsfehler = true;
            break;
        }
        punktePruefen(zeilen, i, nummer, e, r);
        a = nummer;
    }
    e.fragenAnzahl = aufgaben_neu_nummerieren(zeilen);
    return e;
}

int neueFrageRan(QStringList &zeilen, Rueckfragen &r, Pruefergebnis *pruefung)
{
    const Pruefergebnis e = aufgabennummern_kontrollieren(zeilen, r);
    if (pruefung) {
        *pruefung = e;
    }
    // Ohne Leerzeile davor begaenne die neue Frage keinen Block und bliebe ungezaehlt.
    if (!zeilen.isEmpty() && !zeilen.last().isEmpty()) {
        zeilen << QString();
    }
    const int frage = int(zeilen.size());
    zeilen << QString::number(e.fragenAnzahl + 1) + u")\t?"_s << u"\ta) "_s << u"\tb) "_s
           << u"\tc) "_s << u"\td) "_s << QString();
    return frage;
}

bool in_wahlzeile(const QString &zeile)
{
    return zeile.size() > 3 && istAntwortzeile(zeile);
}

QChar akt_wahl(const QString &zeile)
{
    if (!in_wahlzeile(zeile)) {
        return u'x';
    }
    QChar w = u'x';
    for (int p = 2; p <= 4; ++p) {
        const QChar c = zeichenAn(zeile, p);
        if (c >= u'a' && c <= u'd') {
            w = c;
        }
    }
    return w;
}

int fragezeileZu(const QStringList &zeilen, int zeile)
{
    if (zeile < 0 || zeile >= zeilen.size()) {
        return -1;
    }
    int i = zeile;
    while (i > 0 && !zeilen[i - 1].isEmpty()) {
        --i;
    }
    return klammerDerFrage(zeilen[i]) > 0 ? i : -1;
}

QString akt_nr(const QStringList &zeilen, int zeile)
{
    const int i = fragezeileZu(zeilen, zeile);
    if (i < 0) {
        return u"00"_s;
    }
    const QString nr = zeilen[i].left(klammerDerFrage(zeilen[i]));
    return nr.size() == 1 ? u'0' + nr : nr;
}

QChar buchst_5(const QString &zeile)
{
    const int p = !zeile.isEmpty() && ziffer19(zeile[0]) ? 6 : 5;
    return p <= zeile.size() ? zeile[p - 1] : u'x';
}

bool antwort_nach_oben(QStringList &zeilen, int zeile)
{
    return antwortTauschen(zeilen, zeile, -1);
}

bool antwort_nach_unten(QStringList &zeilen, int zeile)
{
    return antwortTauschen(zeilen, zeile, +1);
}

QStringList durchfuehrungsWarnungen(const QStringList &zeilen)
{
    QStringList w;
    int fragen = 0;
    for (const QString &z : zeilen) {
        if (z.size() >= 3 && istFragezeile(z)) {
            ++fragen;
        }
    }
    if (fragen > kMaxFragen) {
        w << u"Der Test hat "_s + QString::number(fragen) +
                 u" Aufgaben; durchgeführt werden können höchstens "_s +
                 QString::number(kMaxFragen) + u'.';
    } else if (!loesungAusZeilen(zeilen)) {
        w << u"Die Aufgabennummern sind nicht fortlaufend oder eine Fragezeile ist fehlerhaft."_s;
    }
    // Die Pruefungen beim Erzeugen der Gruppe B (Antwortreihenfolge, genau eine Punkteangabe).
    SammelRueckfragen s;
    NullZufall z;
    gruppeBZeilen(zeilen, z, s);
    w << s.texte;
    return w;
}
