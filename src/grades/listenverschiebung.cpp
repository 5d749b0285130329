#include "grades/listenverschiebung.h"

#include "classdata/klasse.h"
#include "common/rueckfragen.h"
#include "grades/notenmodell.h"

using namespace Qt::StringLiterals;

namespace {

void spalteKopieren(Klasse &klasse, int art, int von, int nach)
{
    klasse.datum(art, nach) = klasse.datum(art, von);
    klasse.erlaeuterung(art, nach) = klasse.erlaeuterung(art, von);
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        Schueler &s = klasse.schueler(nr);
        s.note(art, nach) = s.note(art, von);
    }
}

void spalteLeeren(Klasse &klasse, int art, int spalte)
{
    klasse.datum(art, spalte).clear();
    klasse.erlaeuterung(art, spalte).clear();
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        klasse.schueler(nr).note(art, spalte).clear();
    }
}

bool gueltig(int art, int spalte)
{
    return art >= 1 && art <= kNotenarten && spalte >= 0 && spalte <= letzteZenVonArtNr(art);
}

} // namespace

Verschiebung verschiebungBeginnen(const Klasse &klasse, int art, int spalte)
{
    pruefeIndex(art, 1, kNotenarten, "Notenart");
    pruefeIndex(spalte, 0, letzteZenVonArtNr(art), "Notenspalte");
    Verschiebung v;
    v.quellArt = art;
    v.quellSpalte = spalte;
    v.datum = klasse.datum(art, spalte);
    v.erlaeuterung = klasse.erlaeuterung(art, spalte);
    const int groesse = klassenGroesse(klasse);
    for (int nr = 1; nr <= groesse; ++nr) {
        v.noten.append(klasse.schueler(nr).note(art, spalte));
    }
    return v;
}

bool zielArtMoeglich(const Klasse &klasse, const Verschiebung &v, int zielArt, Rueckfragen &r)
{
    if (zielArt < 1 || zielArt > kNotenarten) {
        return false;
    }
    if (zielArt != v.quellArt &&
        vorhandeneNoten(klasse, zielArt) == letzteZenVonArtNr(zielArt) + 1) {
        r.information(
            u"Ein Verschieben in diese Notenart ist nicht möglich, weil alle Spalten voll sind!"_s);
        return false;
    }
    return true;
}

void quellSpalteAuffuellen(Klasse &klasse, int art, int spalte)
{
    const int letzte = letzteZenVonArtNr(art);
    for (int t = spalte; t < letzte; ++t) {
        spalteKopieren(klasse, art, t + 1, t);
    }
    spalteLeeren(klasse, art, letzte);
}

bool zielSpalteFreiMachen(Klasse &klasse, int art, int t)
{
    const int n = vorhandeneNoten(klasse, art);
    if (n == 0 || t >= n) {
        return true;
    }
    if (n > letzteZenVonArtNr(art)) {
        return false;
    }
    for (int spalte = n - 1; spalte >= t; --spalte) {
        spalteKopieren(klasse, art, spalte, spalte + 1);
    }
    return true;
}

void zwischenListeInsZielKopieren(Klasse &klasse, const Verschiebung &v, int art, int t)
{
    klasse.datum(art, t) = v.datum;
    klasse.erlaeuterung(art, t) = v.erlaeuterung;
    const int n = static_cast<int>(std::min<qsizetype>(v.noten.size(), kMaxSchueler));
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        klasse.schueler(nr).note(art, t) = nr <= n ? v.noten[nr - 1] : QString();
    }
}

bool verschiebungAbschliessen(Klasse &klasse, const Verschiebung &v, int zielArt, int zielSpalte,
                              Rueckfragen &r)
{
    if (!gueltig(v.quellArt, v.quellSpalte) || !gueltig(zielArt, zielSpalte)) {
        return false;
    }
    Klasse neu = klasse;
    quellSpalteAuffuellen(neu, v.quellArt, v.quellSpalte);
    if (!zielSpalteFreiMachen(neu, zielArt, zielSpalte)) {
        r.information(
            u"Ein Verschieben in diese Notenart ist nicht möglich, weil alle Spalten voll sind!"_s);
        return false;
    }
    zwischenListeInsZielKopieren(neu, v, zielArt, zielSpalte);
    klasse = std::move(neu);
    r.warnung(u"Die Einzelliste ist erfolgreich verschoben worden."_s);
    return true;
}

QString verschiebenHinweis()
{
    return u"Zum Verschieben zunächst die Spaltenüberschrift einer Notenliste und dann den Button "
           u"'Notenliste verschieben' anklicken."_s;
}
