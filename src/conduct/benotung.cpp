#include "conduct/benotung.h"

#include "app/konfiguration.h"
#include "classdata/klasse.h"
#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "conduct/einsammeln.h"
#include "conduct/verteilung.h"
#include "conduct/zusammenfassung.h"
#include "outside/schuelerprogramm.h"

using namespace Qt::StringLiterals;
namespace sp = schuelerprogramm;

std::array<Gruppeneintrag, kMaxSchueler + 1> gruppenTabelle(const QStringList &zeilen)
{
    std::array<Gruppeneintrag, kMaxSchueler + 1> tabelle{};
    for (int i = 1; i <= kMaxSchueler && 3 * i <= zeilen.size(); ++i) {
        tabelle[i] = {zeilen[3 * i - 2].left(kLaengeName), zeilen[3 * i - 3].left(kLaengeName),
                      zeilen[3 * i - 1]};
    }
    return tabelle;
}

std::array<Gruppeneintrag, kMaxSchueler + 1> gruppenDateiPruefen(const TestPfade &test,
                                                                 Rueckfragen &r)
{
    std::array<Gruppeneintrag, kMaxSchueler + 1> tabelle{};
    const ZeilenErgebnis g = ansiZeilenLesen(test.gruppenDatei(), 1024 * 1024);
    if (!g.ok()) {
        r.warnung(u"Achtung, die Datei für die Gruppeneinteilung der Klasse "_s +
                  test.klassenkuerzel() + u"  konnte nicht korrekt gelesen werden!"_s);
    }
    tabelle = gruppenTabelle(g.zeilen);
    for (int i = 1; i <= kMaxSchueler; ++i) {
        const Gruppeneintrag &e = tabelle[i];
        if (e.nachname.isEmpty() && e.vorname.isEmpty() && e.gruppe.isEmpty()) {
            continue;
        }
        const QString name =
            sp::persoenlicherDateiname(e.vorname, e.nachname, test.klassenkuerzel());
        if (!sp::dateinameTauglich(name) || dateiOhneFall(test.abgabenOrdner(), name).isEmpty()) {
            r.warnung(u"Achtung: Es fehlt die Datei: "_s + test.abgabenOrdner() + name + u" !"_s);
        }
    }
    return tabelle;
}

Kopfbefund kopfPruefen(const QStringList &kopie, const QString &gruppe)
{
    Kopfbefund k;
    for (int i = 0; i < 3 && i < kopie.size(); ++i) {
        if (kopie[i].toUpper().contains(u"KRANK"_s)) {
            k.krank = true;
        }
    }
    const QString zeile3 = kopie.value(2);
    k.gruppenFehler = zeile3.isEmpty() || zeile3.right(1) != gruppe;
    return k;
}

Einzelergebnis punkteUndNoteBerechnen(const Loesung &l, const Kreuze &k, const Normtabelle &norm,
                                      std::array<qint16, kMaxFragen + 1> &klassenTreffer)
{
    Einzelergebnis e;
    for (int q = 1; q <= kMaxFragen; ++q) {
        if (k.antwort[q] == l.loesung[q] && k.kreuzAnzahl[q] < 2) {
            e.punkte[q] = l.maxPunkte[q];
            ++klassenTreffer[q];
            e.punkteGesamt = qint16(e.punkteGesamt + e.punkte[q]);
        }
    }
    e.noteE = u"6"_s;
    e.noteG = u"6"_s;
    e.notenpunkteText = u"0"_s;
    // Zeilen 17 bis 1; die beste erreichte Zeile gilt. Zeile 18 wird nie geprueft.
    for (int zeile = kNormZeilen - 1; zeile >= 1; --zeile) {
        const NormZeile &n = norm[size_t(zeile - 1)];
        if (e.punkteGesamt >= schwelle(l.punkteMax, n.anteil)) {
            e.noteE = n.noteE;
            e.noteG = n.noteG;
            e.notenpunkteText = QString::number(n.notenpunkte);
        }
    }
    return e;
}

Ablauf testsBenoten(const TestPfade &test, const Klasse &klasse, const Normtabelle &norm,
                    const QDate &heute, Benotungslauf &lauf, Rueckfragen &r)
{
    lauf = Benotungslauf{};
    lauf.norm = norm;
    lauf.datum = heute.toString(u"yyyy-MM-dd"_s);
    lauf.klassenGroesse = klassenGroesse(klasse);
    const std::array<Gruppeneintrag, kMaxSchueler + 1> gruppen = gruppenDateiPruefen(test, r);
    ordnerAnlegen(test.benotetOrdner());

    const AnalyseVorlagen analyseVorlagen = analyseVorlagenLesen(test);
    std::optional<Loesung> schluessel[2];
    QString gruppe = u"A"_s;
    for (int nr = 1; nr <= lauf.klassenGroesse; ++nr) {
        const Schueler &s = klasse.schueler(nr);
        for (int i = 1; i <= kMaxSchueler; ++i) {
            if (gruppen[i].nachname.toUpper() == s.nachname.left(kLaengeName).toUpper() &&
                gruppen[i].vorname.toUpper() == s.vorname.left(kLaengeName).toUpper() &&
                (gruppen[i].gruppe == u"A"_s || gruppen[i].gruppe == u"B"_s)) {
                gruppe = gruppen[i].gruppe;
                break;
            }
        }
        const QString name =
            sp::persoenlicherDateiname(s.vorname, s.nachname, test.klassenkuerzel());
        const QString gefunden =
            sp::dateinameTauglich(name) ? dateiOhneFall(test.abgabenOrdner(), name) : QString();
        const QString pfad = test.abgabenOrdner() + (gefunden.isEmpty() ? name : gefunden);
        if (gefunden.isEmpty()) {
            r.warnung(u"  Datei  "_s + pfad + u"  nicht da!  "_s);
            continue;
        }
        const ZeilenErgebnis kopie = ansiZeilenLesen(pfad, sp::kGrenzeAbgabe);
        if (!kopie.ok()) {
            r.warnung(kopie.fehler.meldung());
            continue;
        }
        const int gi = gruppe == u"B"_s ? 1 : 0;
        if (!schluessel[gi]) {
            Loesung l;
            const Ablauf a = loesungEinlesen(test.vorlage(gruppe[0]), l, r);
            if (a == Ablauf::ProgrammEnde) {
                return a;
            }
            if (a != Ablauf::Ok) {
                continue;
            }
            schluessel[gi] = l;
        }
        const Loesung &l = *schluessel[gi];
        lauf.loesung = l;
        const Kreuze kreuze = kreuzeEinlesen(kopie.zeilen);
        if (kreuze.zuVieleFragen) {
            r.warnung(u"Die Datei "_s + pfad + u" enthält mehr als "_s +
                      QString::number(kMaxFragen) + u" Aufgaben und wird nicht bewertet!"_s);
            continue;
        }
        const Kopfbefund kopf = kopfPruefen(kopie.zeilen, gruppe);
        lauf.falschPositioniert[nr] = kreuze.falschPositioniert;
        lauf.gruppenFehler[nr] = kopf.gruppenFehler;
        Einzelergebnis e = punkteUndNoteBerechnen(l, kreuze, norm, lauf.klassenTreffer);
        e.krank = kopf.krank;
        if (kopf.krank) {
            e.noteE = u"/"_s;
        }
        if (kopf.gruppenFehler) {
            e.noteE = u"GF"_s;
        }
        lauf.thema = kopie.zeilen.value(3).mid(7, 60);
        const QString ziel = test.benotetOrdner() + name;
        const DateiFehler f = ansiZeilenSchreiben(ziel, benoteteKopie(kopie.zeilen, l, e));
        if (!f.ok()) {
            r.fehler(f.meldung());
        }
        for (int zeile = 0; zeile < kNormZeilen; ++zeile) {
            if (norm[size_t(zeile)].noteE == e.noteE) {
                ++lauf.notenZaehler[size_t(zeile)];
                break;
            }
        }
        lauf.benotet[nr] = f.ok();
        if (f.ok() && !kopf.krank && !kopf.gruppenFehler) {
            lauf.antwortboegen << antwortbogen(kreuze, e, l.fragen,
                                               gi == 1 ? &analyseVorlagen.zuordnungB : nullptr);
        }
        lauf.ergebnisse[nr] = {s.vorname.left(1), s.nachname.left(8), e.noteE, e.punkteGesamt};
    }
    zusammenfassungSortieren(lauf);
    fehlerMelden(lauf, r);
    klassenspiegelEintragen(test, klasse, lauf, r);
    lauf.analyse = aufgabenanalyseBerechnen(
        analyseVorlagen.ok ? analyseVorlagen.schluesselA : lauf.loesung, lauf.antwortboegen);
    aufgabenanalyseSchreiben(test, lauf.analyse, r);
    return Ablauf::Ok;
}

Ablauf benotungStarten(const TestPfade &test, const Einstellungen &e, const Klasse &klasse,
                       const std::optional<QString> &normtabelle, const QDate &heute,
                       Benotungslauf &lauf, Rueckfragen &r)
{
    bereitgestellteTestsLoeschen(test, e);
    const QString pfad =
        normtabelle ? *normtabelle : normtabelleWaehlen(e.programmOrdner, test.fachbuchstabe(), r);
    const Normtabelle norm = pfad.isEmpty() ? standardNormtabelle() : normTabelleEinlesen(pfad, r);
    return testsBenoten(test, klasse, norm, heute, lauf, r);
}

void fehlerMelden(const Benotungslauf &lauf, Rueckfragen &r)
{
    QString kreuze, gruppen;
    for (int nr = 1; nr <= lauf.klassenGroesse; ++nr) {
        if (lauf.falschPositioniert[nr]) {
            kreuze += QString::number(nr) + u", "_s;
        }
        if (lauf.gruppenFehler[nr]) {
            gruppen += QString::number(nr) + u", "_s;
        }
    }
    if (!kreuze.isEmpty()) {
        r.warnung(u" Kreuze nicht korrekt positioniert von Schüler Nr.:  "_s + kreuze);
    }
    if (!gruppen.isEmpty()) {
        r.warnung(u"Guppenzuordnung stimmt nicht bei Schüler Nr.: "_s + gruppen);
    }
}
