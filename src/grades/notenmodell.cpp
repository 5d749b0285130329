#include "grades/notenmodell.h"

#include "classdata/klasse.h"

#include <QLocale>

#include <cmath>

using namespace Qt::StringLiterals;

const std::array<NotenTabellenZeile, kNotenTabellenZeilen> kNotenTabelle = {{
    {u"1+", 15, 0.84, u"1+"},
    {u"1", 14, 1.12, u"1+"},
    {u"1-", 13, 1.5, u"1+"},
    {u"2+", 12, 1.84, u"1+"},
    {u"2", 11, 2.12, u"1"},
    {u"2-", 10, 2.5, u"1-"},
    {u"3+", 9, 2.84, u"2+"},
    {u"3", 8, 3.12, u"2"},
    {u"3-", 7, 3.5, u"2-"},
    {u"4+", 6, 3.84, u"3+"},
    {u"4", 5, 4.12, u"3"},
    {u"4-", 4, 4.5, u"4+"},
    {u"5+", 3, 4.84, u"4"},
    {u"5", 2, 5.12, u"5+"},
    {u"5-", 1, 5.5, u"5"},
    {u"6", 0, 5.84, u"6"},
    {u"6", 0, 6.12, u"6"},
    {u"6", 0, 6.5, u"6"},
}};

namespace {

int zeileNachZensur(QStringView zensur)
{
    for (int k = 0; k < kNotenTabellenZeilen; ++k) {
        if (kNotenTabelle[k].zensur == zensur) {
            return k;
        }
    }
    return -1;
}

int zeileNachPunkten(QStringView punkte)
{
    for (int k = 0; k < kNotenTabellenZeilen; ++k) {
        if (QString::number(kNotenTabelle[k].punkte) == punkte) {
            return k;
        }
    }
    return -1;
}

// Summe in Einheiten von 1/10000; die Tendenz 3333,3 wird nach jeder Addition zur naechsten
// ganzen Zahl gerundet (Haelften zur geraden). Die Summe ist davor immer ganz, der Nachkommateil
// also ,3 bzw. ,7 und nie eine Haelfte: +3333,3 ergibt genau +3333, -3333,3 genau -3333.
class Schnittrechner
{
public:
    void nimm(QStringView note)
    {
        if (!noteZaehlt(note)) {
            return;
        }
        summe += qint64(note[0].unicode() - u'0') * 10000;
        ++anzahl;
        if (note.size() == 2) {
            if (note[1] == u'+') {
                summe -= 3333;
            } else if (note[1] == u'-') {
                summe += 3333;
            }
        }
    }

    // Zehntel = summe / anzahl * 10 / 10000, Haelften zur geraden Zahl; ganzzahlig gerechnet.
    qint64 ergebnis() const
    {
        if (anzahl == 0) {
            return 0;
        }
        const qint64 teiler = anzahl * 1000;
        qint64 q = summe / teiler;
        qint64 rest = summe % teiler;
        if (rest < 0) {
            rest += teiler;
            --q;
        }
        if (2 * rest > teiler || (2 * rest == teiler && (q % 2) != 0)) {
            ++q;
        }
        return q * 1000;
    }

private:
    qint64 summe = 0;
    qint64 anzahl = 0;
};

// Ob nr ein Schueler der Klasse ist (1..Klassengroesse).
bool inKlasse(const Klasse &klasse, int nr)
{
    if (nr < 1 || nr > kMaxSchueler) {
        return false;
    }
    for (int i = 1; i <= nr; ++i) {
        if (!klasse.schueler(i).hatNamen()) {
            return false;
        }
    }
    return true;
}

qint64 schnittDerArt(const Schueler &s, int art)
{
    Schnittrechner r;
    for (int slot = 0; slot <= letzteZenVonArtNr(art); ++slot) {
        r.nimm(s.note(art, slot));
    }
    return r.ergebnis();
}

QString zeilenFeld(int k, QStringView NotenTabellenZeile::*feld)
{
    return k < 0 ? QString() : (kNotenTabelle[k].*feld).toString();
}

} // namespace

int letzteZenVonArtNr(int art)
{
    if (art < 1 || art > kNotenarten) {
        return 0;
    }
    return kSlotsBenutzt[art] - 1;
}

int vorhandeneNoten(const Klasse &klasse, int art)
{
    if (art < 1 || art > kNotenarten) {
        return 0;
    }
    const int groesse = klassenGroesse(klasse);
    int hoechste = -1;
    for (int nr = 1; nr <= groesse; ++nr) {
        const Schueler &s = klasse.schueler(nr);
        for (int slot = letzteZenVonArtNr(art); slot > hoechste; --slot) {
            if (!s.note(art, slot).isEmpty()) {
                hoechste = slot;
                break;
            }
        }
    }
    return hoechste + 1;
}

bool noteZaehlt(QStringView note)
{
    return !note.isEmpty() && note != u"/" && note[0] >= u'1' && note[0] <= u'6';
}

qint64 schnitt(const Klasse &klasse, int nr, int art)
{
    if (art < 1 || art > kNotenarten || !inKlasse(klasse, nr)) {
        return 0;
    }
    return schnittDerArt(klasse.schueler(nr), art);
}

qint64 schnittAusNoten(const QStringList &noten)
{
    Schnittrechner r;
    for (const QString &n : noten) {
        r.nimm(n);
    }
    return r.ergebnis();
}

float gesamtZensurSchritt(float g, qint64 schnitt, qint16 gewicht)
{
    // Erweiterte Genauigkeit, dann zurueck in float: volatile erzwingt die Rundung auf 32 Bit.
    const long double t = (static_cast<long double>(schnitt * gewicht) / 100.0L +
                           static_cast<long double>(g) * 10000.0L) /
                          10000.0L;
    volatile float ergebnis = static_cast<float>(t);
    return ergebnis;
}

float gesamtZensur(const Klasse &klasse, int nr)
{
    if (!inKlasse(klasse, nr)) {
        return 0.0f;
    }
    const Schueler &s = klasse.schueler(nr);
    float g = 0.0f;
    for (int art = 1; art <= kNotenarten; ++art) {
        const qint16 w = klasse.gewicht(art);
        const qint64 a = schnittDerArt(s, art);
        if (w != 0 && a == 0) {
            return 0.0f;
        }
        g = gesamtZensurSchritt(g, a, w);
    }
    return g;
}

int notenBand(float gesamt)
{
    const long double g = gesamt;
    if (!(g > 0.0L)) {
        return -1;
    }
    for (int k = 0; k < kNotenTabellenZeilen; ++k) {
        if (g <= static_cast<long double>(kNotenTabelle[k].obergrenze)) {
            return k;
        }
    }
    return -1;
}

QString punkteAusGesamt(float gesamt)
{
    const int k = notenBand(gesamt);
    return k < 0 ? QString() : QString::number(kNotenTabelle[k].punkte);
}

QString eNoteAusGesamt(float gesamt)
{
    return zeilenFeld(notenBand(gesamt), &NotenTabellenZeile::zensur);
}

QString gNoteAusGesamt(float gesamt)
{
    return zeilenFeld(notenBand(gesamt), &NotenTabellenZeile::gNote);
}

QString notenPunkte(const Klasse &klasse, int nr)
{
    return punkteAusGesamt(gesamtZensur(klasse, nr));
}

QString E_Note(const Klasse &klasse, int nr)
{
    return eNoteAusGesamt(gesamtZensur(klasse, nr));
}

QString G_Note(const Klasse &klasse, int nr)
{
    return gNoteAusGesamt(gesamtZensur(klasse, nr));
}

QString zenAusPu(QStringView punkte)
{
    if (punkte == u"/") {
        return u"/"_s;
    }
    return zeilenFeld(zeileNachPunkten(punkte), &NotenTabellenZeile::zensur);
}

QString PuAusZen(QStringView zensur)
{
    if (zensur == u"/") {
        return u"/"_s;
    }
    const int k = zeileNachZensur(zensur);
    return k < 0 ? QString() : QString::number(kNotenTabelle[k].punkte);
}

QString gNoteAusZen(QStringView zensur)
{
    if (zensur == u"/") {
        return u"/"_s;
    }
    return zeilenFeld(zeileNachZensur(zensur), &NotenTabellenZeile::gNote);
}

bool notenEingabeOk(QStringView text, NotenAnzeige anzeige)
{
    if (text.isEmpty() || text == u"/") {
        return true;
    }
    return anzeige == NotenAnzeige::Zensuren ? zeileNachZensur(text) >= 0
                                             : zeileNachPunkten(text) >= 0;
}

QString ohneMarker(QString text)
{
    return text.remove(u'&');
}

QString deutscheZahl(double wert)
{
    QString t = QString::number(wert, 'g', QLocale::FloatingPointShortest);
    if (t.contains(u'e')) {
        t = QString::number(wert, 'f', QLocale::FloatingPointShortest);
    }
    return t.replace(u'.', u',');
}

QString schnittText(qint64 schnitt)
{
    return deutscheZahl(static_cast<double>(schnitt) / 10000.0).left(3);
}

QString gesamtText(float gesamt)
{
    const auto zehntel =
        static_cast<qint64>(std::nearbyint(static_cast<long double>(gesamt) * 10.0L));
    return deutscheZahl(static_cast<double>(zehntel) / 10.0);
}
