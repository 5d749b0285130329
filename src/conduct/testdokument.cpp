#include "conduct/testdokument.h"

#include "common/ansitext.h"
#include "common/rueckfragen.h"
#include "common/zufall.h"
#include "outside/schuelerprogramm.h"

using namespace Qt::StringLiterals;

namespace {

bool istZiffer(QChar c, char von = '0')
{
    return c >= QChar(QLatin1Char(von)) && c <= u'9';
}

bool istAntwortBuchstabe(QChar c)
{
    return c >= u'a' && c <= u'd';
}

// Nummerntext einer Fragezeile ("7" oder "12").
QString fragenummer(const QString &zeile)
{
    return zeichenAn(zeile, 2) == u')' ? zeile.left(1) : zeile.left(2);
}

const QString kBuchstaben = QStringLiteral("abcd");

// Die vier Zeilen ab zeilen[ab]: stehen a) bis d) in dieser Folge (Buchstabe an Stelle 2 oder
// 3), und wie viele davon sind Loesungszeilen?
struct Antwortblock
{
    QStringList vier;
    bool reihenfolgeOk = true;
    int loesungszeilen = 0;
};

Antwortblock antwortblock(const QStringList &zeilen, qsizetype ab)
{
    Antwortblock b;
    for (int i = 0; i < 4; ++i) {
        const QString z = ab + i < zeilen.size() ? zeilen[ab + i] : QString();
        b.vier << z;
        if (zeichenAn(z, 2) != kBuchstaben[i] && zeichenAn(z, 3) != kBuchstaben[i]) {
            b.reihenfolgeOk = false;
        }
        if (istZiffer(zeichenAn(z, 1), '1')) {
            ++b.loesungszeilen;
        }
    }
    return b;
}

// Die Antwortzeile mit dem Buchstaben ihres neuen Platzes; die Loesungszeile behaelt ihre Punkte.
QString mitBuchstabe(QString z, int platz)
{
    z[istAntwortBuchstabe(zeichenAn(z, 2)) ? 1 : 2] = kBuchstaben[platz];
    return z;
}

} // namespace

bool istFragezeile(const QString &zeile)
{
    if (zeile.size() < 3) {
        return false;
    }
    return zeile[1] == u')' || (istZiffer(zeile[0]) && istZiffer(zeile[1]) && zeile[2] == u')');
}

std::optional<Loesung> loesungAusZeilen(const QStringList &zeilen)
{
    Loesung l;
    int q = 0;
    for (const QString &z : zeilen) {
        if (z.size() < 3) {
            continue;
        }
        const QChar c1 = z[0], c2 = z[1], c3 = z[2], c4 = zeichenAn(z, 4);
        if (c1 == u')') {
            return std::nullopt;
        }
        // Fragezeilen; eine 41. Frage ist ein Nummerierungsfehler.
        if (c2 == u')' || (istZiffer(c1) && istZiffer(c2) && c3 == u')')) {
            if (++q > kMaxFragen) {
                return std::nullopt;
            }
            const QString nr = fragenummer(z);
            bool ok = false;
            if (nr.toInt(&ok) != q || !ok || !istZiffer(nr.back())) {
                return std::nullopt;
            }
            l.aufgabenNr[q] = nr;
        }
        // Eine Loesungszeile vor der ersten Frage gehoert zu keiner Frage.
        if (istZiffer(c1, '1') && c4 == u')' && q >= 1) {
            l.maxPunkte[q] = qint16(c1.digitValue());
            l.loesung[q] = QString(c3);
        }
    }
    l.fragen = q;
    for (int i = 1; i <= kMaxFragen; ++i) {
        l.punkteMax = qint16(l.punkteMax + l.maxPunkte[i]);
    }
    return l;
}

Ablauf loesungEinlesen(const QString &vorlage, Loesung &loesung, Rueckfragen &r)
{
    const ZeilenErgebnis gelesen = ansiZeilenLesen(vorlage);
    if (!gelesen.ok()) {
        r.fehler(gelesen.fehler.meldung());
        return Ablauf::Abgebrochen;
    }
    const std::optional<Loesung> l = loesungAusZeilen(gelesen.zeilen);
    if (!l) {
        r.fehler(kNummerierungsfehler);
        return Ablauf::ProgrammEnde;
    }
    loesung = *l;
    return Ablauf::Ok;
}

bool antwortenMischen(const QStringList &zeilen, qsizetype ab, const QString &frage,
                      QStringList &ziel, Zufall &zufall, Rueckfragen &r)
{
    const Antwortblock b = antwortblock(zeilen, ab);
    if (!b.reihenfolgeOk) {
        r.fehler(
            u"   Die Reihenfolge der a-b-c-d - Nummerierung der Antworten in\r\n   Aufgabe "_s +
            frage + u" ist falsch! "_s);
    }
    if (b.loesungszeilen != 1) {
        r.fehler(u"   Die Angabe der Punktezahl in Aufgabe "_s + frage + u" ist falsch."_s);
    }
    if (!b.reihenfolgeOk || b.loesungszeilen != 1) {
        return false;
    }
    // Gleichverteilt unter den noch nicht geschriebenen Zeilen ziehen.
    QList<int> offen{0, 1, 2, 3};
    for (int platz = 0; platz < 4; ++platz) {
        ziel << mitBuchstabe(b.vier[offen.takeAt(zufall.zahl(int(offen.size())))], platz);
    }
    return true;
}

std::optional<QStringList> gruppeBZeilen(const QStringList &zeilenA, Zufall &zufall, Rueckfragen &r)
{
    if (zeilenA.size() < 3 || !zeilenA[2].endsWith(u'A')) {
        r.fehler(u"Die Gruppenangabe im A-Test ist falsch und muss angepasst werden!\r\n"
                 "Die 3. Zeile im A-Test muss mit dem Buchstaben  'A'  enden.\r\n"
                 "Die Durchführung wird abgebrochen."_s);
        return std::nullopt;
    }
    QStringList b;
    b.reserve(zeilenA.size());
    for (qsizetype i = 0; i < zeilenA.size(); ++i) {
        const QString &z = zeilenA[i];
        b << (i == 2 ? z.chopped(1) + u'B' : z);
        if (istFragezeile(z)) {
            if (!antwortenMischen(zeilenA, i + 1, fragenummer(z), b, zufall, r)) {
                return std::nullopt;
            }
            i += 4;
        }
    }
    return b;
}

std::optional<QStringList> gruppeBInFolge(const QStringList &zeilenA,
                                          const Buchstabenzuordnung &folge, int fragen)
{
    if (zeilenA.size() < 3 || !zeilenA[2].endsWith(u'A') || fragen > kMaxFragen) {
        return std::nullopt;
    }
    QStringList b;
    b.reserve(zeilenA.size());
    int q = 0;
    for (qsizetype i = 0; i < zeilenA.size(); ++i) {
        const QString &z = zeilenA[i];
        b << (i == 2 ? z.chopped(1) + u'B' : z);
        if (!istFragezeile(z)) {
            continue;
        }
        if (++q > fragen) {
            return std::nullopt;
        }
        const Antwortblock block = antwortblock(zeilenA, i + 1);
        std::array<bool, 4> genommen{};
        for (const qint8 a : folge[q]) {
            if (a < 0 || a > 3 || genommen[a]) {
                return std::nullopt;
            }
            genommen[a] = true;
        }
        if (!block.reihenfolgeOk || block.loesungszeilen != 1) {
            return std::nullopt;
        }
        for (int platz = 0; platz < 4; ++platz) {
            b << mitBuchstabe(block.vier[folge[q][platz]], platz);
        }
        i += 4;
    }
    if (q != fragen) {
        return std::nullopt;
    }
    return b;
}

QString namensZeile(const QString &vorname, const QString &nachname)
{
    return u" Name:  "_s + vorname + u' ' + nachname;
}

QStringList persoenlicheKopie(const QStringList &vorlage, const Loesung &l, const QString &vorname,
                              const QString &nachname, bool platzhalter)
{
    QStringList aus;
    aus.reserve(vorlage.size() + 3);
    int q = 0;
    auto punkte = [&] { return QString::number(q <= kMaxFragen ? l.maxPunkte[q] : 0); };
    auto tabellenzeilen = [&] {
        QString nummern = u"Aufgabe "_s, maxima = u"max. P.   "_s;
        for (int i = 1; i <= l.fragen; ++i) {
            nummern += u'\t' + l.aufgabenNr[i];
            maxima += u'\t' + QString::number(l.maxPunkte[i]);
        }
        aus << nummern + u"\tges."_s << maxima + u'\t' + QString::number(l.punkteMax)
            << aus.value(1);
    };
    for (qsizetype i = 0; i < vorlage.size(); ++i) {
        const QString &z = vorlage[i];
        const QChar c1 = zeichenAn(z, 1), c2 = zeichenAn(z, 2), c3 = zeichenAn(z, 3);
        if (i == 0) {
            aus << (platzhalter ? kKrankPraefix : QString()) + namensZeile(vorname, nachname);
        } else if (istZiffer(c1, '1') && c2 == u')' && z.size() >= 3) {
            ++q;
            aus << z.left(3) + u'[' + punkte() + u" P] "_s + z.mid(3);
        } else if (istZiffer(c1, '1') && istZiffer(c2) && c3 == u')') {
            ++q;
            aus << z.left(4) + u'[' + punkte() + u" P] "_s + z.mid(4);
        } else if (istZiffer(c1) && zeichenAn(z, 4) == u')') {
            aus << z.mid(1);
        } else {
            aus << z;
        }
        if (i == 4) {
            tabellenzeilen();
        }
    }
    if (vorlage.size() < 5) {
        tabellenzeilen();
    }
    return aus;
}

QStringList fragezeilen(const QStringList &zeilen)
{
    QStringList aus;
    for (const QString &z : zeilen) {
        if (istFragezeile(z)) {
            aus << z;
        }
    }
    return aus;
}

bool passtZurVorlage(const QStringList &kopie, const QStringList &vorlage, const Loesung &loesung)
{
    const QStringList erwartet = fragezeilen(persoenlicheKopie(vorlage, loesung, {}, {}));
    return !erwartet.isEmpty() && fragezeilen(kopie) == erwartet;
}

QStringList aufgabenUndAntworten(const QStringList &kopie)
{
    QStringList aus;
    for (qsizetype i = 0; i < kopie.size(); ++i) {
        if (!istFragezeile(kopie[i])) {
            continue;
        }
        aus << kopie[i];
        for (qsizetype j = i + 1; j <= i + 4; ++j) {
            const QString z = kopie.value(j);
            const int p = antwortStelle(z, 2);
            aus << (p > 0 ? z.mid(p - 1) : z);
        }
    }
    return aus;
}

Antworten antwortenJeFrage(const QStringList &zeilen)
{
    Antworten a{};
    int q = 0;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (!istFragezeile(zeilen[i])) {
            continue;
        }
        if (++q > kMaxFragen) {
            break;
        }
        for (int j = 0; j < 4; ++j) {
            const QString z = zeilen.value(i + 1 + j);
            const int p = antwortStelle(z, 2);
            Antwort &w = a[q][j];
            w.buchstabe = p > 0 ? z[p - 1] : QChar();
            w.text = (p > 0 ? z.mid(p + 1) : z).trimmed();
            w.loesung = istZiffer(zeichenAn(z, 1), '1') && zeichenAn(z, 4) == u')';
        }
    }
    return a;
}

QList<int> antwortfolgeFehler(const QStringList &zeilen)
{
    const Antworten a = antwortenJeFrage(zeilen);
    const int fragen = int(std::min<qsizetype>(fragezeilen(zeilen).size(), kMaxFragen));
    QList<int> fehler;
    for (int q = 1; q <= fragen; ++q) {
        for (int j = 0; j < 4; ++j) {
            const Antwort &w = a[size_t(q)][size_t(j)];
            if (w.buchstabe != QChar(u'a' + j) || (j < 3 && w.text.isEmpty())) {
                fehler << q;
                break;
            }
        }
    }
    return fehler;
}

QString antwortfolgeWarnung(const QStringList &zeilen)
{
    const QList<int> fehler = antwortfolgeFehler(zeilen);
    if (fehler.isEmpty()) {
        return {};
    }
    QStringList nummern;
    for (const int q : fehler) {
        nummern << QString::number(q);
    }
    return (fehler.size() == 1 ? u"Achtung: Bei Aufgabe "_s : u"Achtung: Bei den Aufgaben "_s) +
           nummern.join(u", "_s) +
           u" stehen die Antworten nicht der Reihe nach als a) bis c) oder a) bis d) da "
           "(nur d) darf leer bleiben; dann hat die Aufgabe drei Antworten). Die Schüler sehen "
           "die Aufgabe so, wie sie in der Vorlage steht. Bitte die Testvorlage prüfen."_s;
}

Buchstabenzuordnung gleicheBuchstaben()
{
    Buchstabenzuordnung z{};
    for (auto &frage : z) {
        frage = {0, 1, 2, 3};
    }
    return z;
}

std::optional<std::array<qint8, 4>>
antwortenZuordnen(const std::array<Antwort, 4> &a, const std::array<Antwort, 4> &b, bool mitLoesung)
{
    std::array<qint8, 4> z{-1, -1, -1, -1};
    std::array<bool, 4> vergeben{};
    for (int ib = 0; ib < 4; ++ib) {
        for (int ia = 0; ia < 4; ++ia) {
            if (!vergeben[ia] && a[ia].text == b[ib].text &&
                (!mitLoesung || a[ia].loesung == b[ib].loesung)) {
                z[ib] = qint8(ia);
                vergeben[ia] = true;
                break;
            }
        }
    }
    int offenB = -1, offenA = -1, offen = 0;
    for (int i = 0; i < 4; ++i) {
        if (z[i] < 0) {
            offenB = i;
            ++offen;
        }
        if (!vergeben[i]) {
            offenA = i;
        }
    }
    if (offen > 1) {
        return std::nullopt;
    }
    if (offen == 1) {
        z[offenB] = qint8(offenA);
    }
    return z;
}

int antwortStelle(const QString &zeile, int erste)
{
    for (int p = erste; p <= 12 && p < zeile.size(); ++p) {
        if (zeile[p] == u')') {
            return p;
        }
    }
    return 0;
}

Kreuze kreuzeEinlesen(const QStringList &kopie)
{
    Kreuze k;
    int q = 0;
    for (const QString &z : kopie) {
        if (z.size() < 3) {
            continue;
        }
        const bool frage = istFragezeile(z);
        if (frage && ++q > kMaxFragen) {
            k.zuVieleFragen = true;
            return k;
        }
        if (q < 1) {
            continue;
        }
        bool markiert = schuelerprogramm::istKreuz(z[0]);
        // Ein Kreuz an Stelle 2 bis 4 zaehlt mit Hinweis; Fragezeilen tragen nie ein Kreuz.
        if (!markiert && !frage) {
            for (int p = 2; p <= 4; ++p) {
                const QChar c = zeichenAn(z, p);
                if (c == u'X' || c == u'x') {
                    markiert = true;
                    k.falschPositioniert = true;
                    break;
                }
            }
        }
        // Nur das erste Zeichen vor ")" ist der Buchstabe; "f(x)" im Antworttext zaehlt nicht.
        if (markiert) {
            if (const int p = antwortStelle(z, 2)) {
                k.antwort[q] = QString(z[p - 1]);
                ++k.kreuzAnzahl[q];
            }
        }
    }
    return k;
}

QStringList benoteteKopie(const QStringList &kopie, const Loesung &l, const Einzelergebnis &e)
{
    const QString gleich(66, u'=');
    auto ergebniszeilen = [&] {
        QString zeile = u"Ergebnis"_s;
        for (int i = 1; i <= l.fragen; ++i) {
            zeile += u'\t' + QString::number(e.punkte[i]);
        }
        zeile += u'\t' + QString::number(e.punkteGesamt);
        const QString text = e.krank
                                 ? u"Dein Testergebnis:     Nicht teilgenommen"_s
                                 : u"Dein Testergebnis:      Notenpunkte: "_s + e.notenpunkteText +
                                       u",         Note (E/G): "_s + e.noteE + u'/' + e.noteG;
        return QStringList{zeile, gleich, text, gleich};
    };
    QStringList aus;
    aus.reserve(kopie.size() + 4);
    int lange = 0, q = 0;
    bool eingefuegt = false;
    for (const QString &z : kopie) {
        if (z.size() >= 3 && ++lange == 8) {
            aus << ergebniszeilen();
            eingefuegt = true;
        }
        if (istFragezeile(z)) {
            ++q;
        }
        const int p = q >= 1 ? antwortStelle(z, 1) : 0;
        const bool richtig =
            p > 0 && q <= kMaxFragen && !l.loesung[q].isEmpty() && z[p - 1] == l.loesung[q][0];
        aus << (richtig ? u'=' + z : z);
    }
    if (!eingefuegt) {
        aus << ergebniszeilen();
    }
    return aus;
}
