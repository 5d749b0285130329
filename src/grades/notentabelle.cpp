#include "grades/notentabelle.h"

#include "classdata/klasse.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kStart[kNotenarten + 1] = {-1, 58, 15, 47, 36, 4};

bool istNotenSpalte(int spalte)
{
    return spalte >= kFesteSpalten && spalte < kSpalteGesamt &&
           spaltenInfo(spalte).typ == SpaltenInfo::Typ::Note;
}

// Ob in der Spalte irgendein Schueler der Klasse etwas stehen hat.
bool spalteLeer(const Klasse &klasse, int spalte)
{
    const SpaltenInfo info = spaltenInfo(spalte);
    if (info.typ != SpaltenInfo::Typ::Note) {
        return false;
    }
    const int n = klassenGroesse(klasse);
    for (int nr = 1; nr <= n; ++nr) {
        if (!klasse.schueler(nr).note(info.art, info.slot).isEmpty()) {
            return false;
        }
    }
    return true;
}

} // namespace

int startSpalte(int art)
{
    return (art >= 1 && art <= kNotenarten) ? kStart[art] : -1;
}

int durchschnittsSpalte(int art)
{
    return (art >= 1 && art <= kNotenarten) ? kStart[art] + letzteZenVonArtNr(art) + 1 : -1;
}

int notenSpalte(int art, int slot)
{
    pruefeIndex(art, 1, kNotenarten, "Notenart");
    pruefeIndex(slot, 0, letzteZenVonArtNr(art), "Slot");
    return kStart[art] + slot;
}

SpaltenInfo spaltenInfo(int spalte)
{
    pruefeIndex(spalte, 0, kTabellenSpalten - 1, "Spalte");
    using T = SpaltenInfo::Typ;
    switch (spalte) {
    case 0:
        return {T::Nummer};
    case 1:
        return {T::Vorname};
    case 2:
        return {T::Nachname};
    case 3:
        return {T::Klasse};
    case kSpalteGesamt:
        return {T::Gesamt};
    case kSpaltePunkte:
        return {T::Punkte};
    case kSpalteENote:
        return {T::ENote};
    case kSpalteGNote:
        return {T::GNote};
    default:
        break;
    }
    for (int art = 1; art <= kNotenarten; ++art) {
        const int start = kStart[art];
        const int ds = durchschnittsSpalte(art);
        if (spalte >= start && spalte < ds) {
            return {T::Note, art, spalte - start};
        }
        if (spalte == ds) {
            return {T::Durchschnitt, art, 0};
        }
    }
    throw Indexfehler("Spalte ohne Bedeutung");
}

std::array<int, kTabellenSpalten> spaltenBreiten(const Klasse &klasse, const QString &klassenname,
                                                 Ansicht ansicht, int ansichtArt,
                                                 const AnsichtsOptionen &optionen)
{
    std::array<int, kTabellenSpalten> breite{};
    breite.fill(25);
    qsizetype laengster = 20;
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        laengster = std::max(
            {laengster, klasse.schueler(nr).vorname.size(), klasse.schueler(nr).nachname.size()});
    }
    breite[1] = breite[2] = static_cast<int>(laengster) * 6;

    if (ansicht == Ansicht::Art || ansicht == Ansicht::Berechnungen) {
        for (int spalte = kFesteSpalten; spalte < kTabellenSpalten; ++spalte) {
            const SpaltenInfo info = spaltenInfo(spalte);
            const bool eigene = ansicht == Ansicht::Art && info.typ == SpaltenInfo::Typ::Note &&
                                info.art == ansichtArt;
            if (!eigene) {
                breite[spalte] = 0;
            }
        }
    }
    for (int art = 1; art <= kNotenarten; ++art) {
        breite[durchschnittsSpalte(art)] = optionen.durchschnitte ? 40 : 0;
    }
    constexpr int gesamtBreiten[4] = {100, 110, 70, 70};
    for (int i = 0; i < 4; ++i) {
        breite[kSpalteGesamt + i] = optionen.gesamt ? gesamtBreiten[i] : 0;
    }
    if (ansicht == Ansicht::Alle && !optionen.leerspalten) {
        std::array<bool, kTabellenSpalten> leer{};
        for (int spalte = kFesteSpalten; spalte < kSpalteGesamt; ++spalte) {
            leer[spalte] = spalteLeer(klasse, spalte);
        }
        for (int spalte = kFesteSpalten + 1; spalte < kSpalteGesamt; ++spalte) {
            const SpaltenInfo info = spaltenInfo(spalte);
            if (info.typ == SpaltenInfo::Typ::Note && info.slot > 0 && leer[spalte] &&
                leer[spalte - 1]) {
                breite[spalte] = 0;
            }
        }
    }
    if (klassenname.startsWith(u'L')) {
        breite[3] = 0;
    }
    return breite;
}

QString zellText(const Klasse &klasse, int spalte, int zeile, NotenAnzeige anzeige)
{
    const SpaltenInfo info = spaltenInfo(spalte);
    using T = SpaltenInfo::Typ;
    if (zeile == 0) {
        if (info.typ == T::Note) {
            return klasse.erlaeuterung(info.art, info.slot).left(10);
        }
        if (info.typ == T::Durchschnitt) {
            return ohneMarker(klasse.notenart(info.art).kurzform) + u"\n DS"_s;
        }
        return {};
    }
    const int nr = zeile - 2;
    if (nr < 1 || nr > klassenGroesse(klasse)) {
        return {};
    }
    switch (info.typ) {
    case T::Note: {
        const QString &note = klasse.schueler(nr).note(info.art, info.slot);
        if (anzeige == NotenAnzeige::Punkte) {
            const QString punkte = PuAusZen(note);
            return punkte.isEmpty() ? note : punkte; // "GF" bleibt sichtbar
        }
        return note;
    }
    case T::Durchschnitt: {
        const qint64 a = schnitt(klasse, nr, info.art);
        return a > 0 ? schnittText(a) : QString();
    }
    case T::Gesamt: {
        const float g = gesamtZensur(klasse, nr);
        return g == 0.0f ? QString() : gesamtText(g);
    }
    case T::Punkte:
        return notenPunkte(klasse, nr);
    case T::ENote:
        return E_Note(klasse, nr);
    case T::GNote:
        return G_Note(klasse, nr);
    default:
        return {};
    }
}

QString kopfText(const Klasse &klasse, int spalte)
{
    const SpaltenInfo info = spaltenInfo(spalte);
    using T = SpaltenInfo::Typ;
    switch (info.typ) {
    case T::Nummer:
        return u"Nr."_s;
    case T::Vorname:
        return u"Vorname"_s;
    case T::Nachname:
        return u"Nachname"_s;
    case T::Klasse:
        return u"Kl."_s;
    case T::Gesamt:
        return u"Gesamt"_s;
    case T::Punkte:
        return u"Notenpunkte\n(von 15)"_s;
    case T::ENote:
        return u"E-Note"_s;
    case T::GNote:
        return u"G-Note"_s;
    case T::Note:
        return QString(klasse.notenart(info.art).taste) + u'\n' + QString::number(info.slot + 1);
    case T::Durchschnitt:
        return QString(klasse.notenart(info.art).taste) + u"\nDS"_s;
    }
    return {};
}

QString gewichtText(const Klasse &klasse, int spalte)
{
    const SpaltenInfo info = spaltenInfo(spalte);
    if (info.typ != SpaltenInfo::Typ::Durchschnitt) {
        return {};
    }
    return QString::number(klasse.gewicht(info.art)) + u" %"_s;
}

QString namensText(const Klasse &klasse, int spalte, int zeile)
{
    const int nr = zeile - 2;
    if (nr < 1 || nr > klassenGroesse(klasse) || spalte < 0 || spalte > 3) {
        return {};
    }
    const Schueler &s = klasse.schueler(nr);
    switch (spalte) {
    case 0:
        return QString::number(nr);
    case 1:
        return s.vorname;
    case 2:
        return s.nachname;
    default:
        return s.klasse;
    }
}

bool slotBearbeitbar(const Klasse &klasse, int spalte)
{
    if (!istNotenSpalte(spalte)) {
        return false;
    }
    const SpaltenInfo info = spaltenInfo(spalte);
    return info.slot <= vorhandeneNoten(klasse, info.art);
}

QString slotDatumText(const Klasse &klasse, int art, int slot)
{
    const int nummer = slot + 1;
    return QString(klasse.notenart(art).taste) + QString::number(nummer) + u":  "_s +
           (nummer < 10 ? u" "_s : QString()) + klasse.datum(art, slot);
}

KopfHinweis kopfHinweis(const Klasse &klasse, int spalte, const QDate &heute)
{
    const SpaltenInfo info = spaltenInfo(spalte);
    const QChar taste = info.art >= 1 ? klasse.notenart(info.art).taste : QChar();
    if (info.typ == SpaltenInfo::Typ::Durchschnitt) {
        return {QString(taste) + u":  Durchschnittsnote"_s, {}};
    }
    if (info.typ != SpaltenInfo::Typ::Note) {
        return {};
    }
    const int vorhanden = vorhandeneNoten(klasse, info.art);
    const QString nummer = QString(taste) + QString::number(info.slot + 1) + u": "_s;
    if (info.slot < vorhanden) {
        return {klasse.erlaeuterung(info.art, info.slot),
                nummer + klasse.datum(info.art, info.slot)};
    }
    if (info.slot == vorhanden) {
        return {u"neu"_s, nummer + heute.toString(u"yyyy-MM-dd"_s)};
    }
    return {u"Erst die leeren Spalten weiter links auffüllen!"_s, {}};
}

QString namensHinweis(const Klasse &klasse, int zeile)
{
    const int nr = zeile - 2;
    const int n = klassenGroesse(klasse);
    if (nr >= 1 && nr <= n) {
        return klasse.schueler(nr).vorname + u' ' + klasse.schueler(nr).nachname;
    }
    if (nr == n + 1 && nr <= kMaxSchueler) {
        return u"Neue(r) Schüler(in)"_s;
    }
    return {};
}

std::optional<QString> zellwertAlsNote(const QString &wert, NotenAnzeige anzeige)
{
    if (!notenEingabeOk(wert, anzeige)) {
        return std::nullopt;
    }
    return anzeige == NotenAnzeige::Punkte ? zenAusPu(wert) : wert;
}

bool noteInKlasseSchreiben(Klasse &klasse, int spalte, int zeile, const QString &note)
{
    const int nr = zeile - 2;
    if (zeile <= 2 || spalte <= 3 || nr > kMaxSchueler || !istNotenSpalte(spalte)) {
        return false;
    }
    const SpaltenInfo info = spaltenInfo(spalte);
    klasse.schueler(nr).note(info.art, info.slot) = note.left(kLaengeNote);
    return true;
}
