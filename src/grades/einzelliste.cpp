#include "grades/einzelliste.h"

#include "classdata/klasse.h"
#include "common/rueckfragen.h"
#include "common/uhr.h"
#include "grades/notenmodell.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString taste(const Klasse &klasse, int art)
{
    const QChar t = klasse.notenart(art).taste;
    return t.isNull() ? QString() : QString(t);
}

// Nummer ab 1, einstellige mit vorangestelltem Blank.
QString nummerZweistellig(int slot)
{
    return QString::number(slot + 1).rightJustified(2, u' ');
}

} // namespace

bool einzellisteAnsichtMoeglich(const Klasse &klasse, Rueckfragen &r)
{
    if (klassenGroesse(klasse) == 0) {
        r.information(u"Bitte erst eine(n) Klasse/Kurs wählen oder neu eröffnen!"_s);
        return false;
    }
    return true;
}

void testnotenHinweis(Rueckfragen &r)
{
    r.information(u"Bitte oben wählen, in welche Notenkategorie die Testnoten eingetragen werden "
                  u"sollen und anschließend eine neue Liste wählen!"_s);
}

int linkeHaelfte(int groesse)
{
    return (groesse + 1) / 2;
}

QStringList listenAuswahlZeilen(const Klasse &klasse, int art)
{
    if (art < 1 || art > kNotenarten) {
        return {};
    }
    const QString t = taste(klasse, art);
    const int belegt = vorhandeneNoten(klasse, art);
    QStringList zeilen;
    for (int slot = 0; slot < belegt; ++slot) {
        zeilen.append(t + nummerZweistellig(slot) + u": "_s + klasse.datum(art, slot) + u":  "_s +
                      klasse.erlaeuterung(art, slot));
    }
    if (belegt <= letzteZenVonArtNr(art)) {
        zeilen.append(t + QString::number(belegt + 1) + u':' + QString(24, u' ') + u"neu"_s);
    }
    return zeilen;
}

Einzelliste einzellisteOeffnen(const Klasse &klasse, int art, int slot, const Uhr &uhr)
{
    pruefeIndex(art, 1, kNotenarten, "Notenart");
    pruefeIndex(slot, 0, letzteZenVonArtNr(art), "Notenslot");
    Einzelliste liste;
    liste.art = art;
    liste.slot = slot;
    if (slot < vorhandeneNoten(klasse, art)) {
        liste.datum = klasse.datum(art, slot);
        liste.erlaeuterung = klasse.erlaeuterung(art, slot);
    } else {
        liste.datum = uhr.heute().toString(u"yyyy-MM-dd"_s);
        liste.erlaeuterung = u"neu"_s;
    }
    const int groesse = klassenGroesse(klasse);
    for (int nr = 1; nr <= groesse; ++nr) {
        liste.noten.append(klasse.schueler(nr).note(art, slot));
    }
    return liste;
}

std::optional<Einzelliste> neueNote(const Klasse &klasse, int art, const Uhr &uhr)
{
    if (art < 1 || art > kNotenarten) {
        return std::nullopt;
    }
    const int slot = vorhandeneNoten(klasse, art);
    if (slot > letzteZenVonArtNr(art)) {
        return std::nullopt;
    }
    Einzelliste liste;
    liste.art = art;
    liste.slot = slot;
    liste.datum = uhr.heute().toString(u"yyyy-MM-dd"_s);
    liste.erlaeuterung = klasse.erlaeuterung(art, slot);
    liste.noten = QStringList(klassenGroesse(klasse));
    return liste;
}

int nachbarSlot(const Klasse &klasse, int art, int slot, int richtung)
{
    if (art < 1 || art > kNotenarten) {
        return slot;
    }
    const int belegt = vorhandeneNoten(klasse, art);
    const int letzteZeile = belegt <= letzteZenVonArtNr(art) ? belegt : belegt - 1;
    return std::clamp(slot + (richtung < 0 ? -1 : 1), 0, letzteZeile);
}

NotenZelle zelleAusZensur(const QString &zensur)
{
    return {PuAusZen(zensur), zensur, gNoteAusZen(zensur)};
}

std::optional<NotenZelle> zelleAusEingabe(int spalte, const QString &wert)
{
    if (spalte == 4) {
        if (!notenEingabeOk(wert, NotenAnzeige::Punkte)) {
            return std::nullopt;
        }
        const QString zensur = zenAusPu(wert);
        return NotenZelle{wert, zensur, gNoteAusZen(zensur)};
    }
    if (spalte == 5 && notenEingabeOk(wert, NotenAnzeige::Zensuren)) {
        return zelleAusZensur(wert);
    }
    return std::nullopt;
}

bool datumEingabeOk(const QString &datum, Rueckfragen &r)
{
    if (datum.isEmpty()) {
        return true;
    }
    bool ok = datum.size() == 10;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        ok = ok && datum[i] >= u'0' && datum[i] <= u'9';
    }
    if (!ok) {
        r.warnung(u"Das Datum muss im Format  yyyy-mm-tt  eingegeben werden!"_s);
    }
    return ok;
}

void leereNotenFuellenMit(Einzelliste &liste, const QString &note)
{
    for (QString &n : liste.noten) {
        if (n.isEmpty()) {
            n = note;
        }
    }
}

bool leereNotenFuellen(Einzelliste &liste, Rueckfragen &r)
{
    const auto note = r.textEingabe(
        u"Befüllen aller leeren Notenfelder dieser Einzelliste:"_s,
        u"Wenn alle leeren Notenfelder dieser Einzelliste mit einer Note gefüllt werden sollen, "
        u"dann bitte hier die Pauschalnote (Zensur auf E-Niveau) eingeben und ok-Button drücken: "_s,
        QString());
    if (!note) {
        return false;
    }
    if (!notenEingabeOk(*note, NotenAnzeige::Zensuren)) {
        r.piep();
        return false;
    }
    leereNotenFuellenMit(liste, *note);
    return true;
}

bool einzellisteLoeschen(Einzelliste &liste, Rueckfragen &r)
{
    if (r.frage(Rueckfragen::Art::Frage, u"Diese Einzelliste wirklich löschen?"_s,
                Rueckfragen::Knoepfe::JaNein) != Rueckfragen::Knopf::Ja) {
        return false;
    }
    liste.datum.clear();
    liste.erlaeuterung.clear();
    for (QString &n : liste.noten) {
        n.clear();
    }
    liste.geloescht = true;
    return true;
}

bool einzellisteOkPruefen(const Einzelliste &liste, bool erlaeuterungSichtbar, Rueckfragen &r)
{
    if (liste.art < 1 || liste.art > kNotenarten || liste.geloescht || !erlaeuterungSichtbar) {
        return true;
    }
    const bool hatNoten = std::any_of(liste.noten.begin(), liste.noten.end(),
                                      [](const QString &n) { return !n.isEmpty(); });
    if (!hatNoten) {
        return true;
    }
    if (liste.erlaeuterung.isEmpty() || liste.erlaeuterung == u"neu"_s) {
        r.piep();
        r.warnung(u"Das Feld für die Notenbeschreibung muss ausgefüllt werden."_s);
        return false;
    }
    if (liste.datum.isEmpty()) {
        r.piep();
        r.warnung(u"Das Feld Notendatum muss ausgefüllt werden."_s);
        return false;
    }
    return true;
}

void einzellistenDaten_nach_suk(Klasse &klasse, const Einzelliste &liste)
{
    pruefeIndex(liste.art, 1, kNotenarten, "Notenart");
    pruefeIndex(liste.slot, 0, letzteZenVonArtNr(liste.art), "Notenslot");
    klasse.datum(liste.art, liste.slot) =
        liste.geloescht ? QString() : liste.datum.left(kLaengeDatum);
    klasse.erlaeuterung(liste.art, liste.slot) = liste.erlaeuterung.left(kLaengeErlaeuterung);
    const int n = static_cast<int>(std::min<qsizetype>(liste.noten.size(), kMaxSchueler));
    for (int nr = 1; nr <= n; ++nr) {
        klasse.schueler(nr).note(liste.art, liste.slot) = liste.noten[nr - 1].left(kLaengeNote);
    }
    if (liste.geloescht) {
        listenNachLinksRuecken(klasse, liste.art, liste.slot);
    }
}

void listenNachLinksRuecken(Klasse &klasse, int art, int slot)
{
    const int letzter = letzteZenVonArtNr(art);
    for (int t = slot; t < letzter; ++t) {
        klasse.erlaeuterung(art, t) = klasse.erlaeuterung(art, t + 1);
        klasse.datum(art, t) = klasse.datum(art, t + 1);
        klasse.erlaeuterung(art, t + 1).clear();
        klasse.datum(art, t + 1).clear();
        for (int nr = 1; nr <= kMaxSchueler; ++nr) {
            Schueler &s = klasse.schueler(nr);
            s.note(art, t) = s.note(art, t + 1);
            s.note(art, t + 1).clear();
        }
    }
}

QString zenDatumText(const Klasse &klasse, int art, int slot)
{
    return taste(klasse, art) + QString::number(slot + 1) + u": "_s +
           (slot + 1 < 10 ? u" "_s : QString()) + klasse.datum(art, slot);
}

bool testnotenSlotOk(const Klasse &klasse, int art, int slot, Rueckfragen &r)
{
    if (slot < vorhandeneNoten(klasse, art)) {
        r.piep();
        r.warnung(u"Zum Eintrag der Testzensuren muss eine neue (leere) Spalte gewählt werden!"_s);
        return false;
    }
    return true;
}

void benotungsZenInEinzelliste(const Klasse &klasse, Einzelliste &liste,
                               const QList<BenotungsErgebnis> &ergebnisse)
{
    const int n = static_cast<int>(std::min<qsizetype>(liste.noten.size(), kMaxSchueler));
    for (int nr = 1; nr <= n; ++nr) {
        const Schueler &s = klasse.schueler(nr);
        const QString initial = s.vorname.left(1);
        const QString nachname8 = s.nachname.left(8);
        for (const BenotungsErgebnis &e : ergebnisse) {
            if (e.initial == initial && e.nachname8 == nachname8) {
                liste.noten[nr - 1] = e.note.left(kLaengeNote);
            }
        }
    }
}
