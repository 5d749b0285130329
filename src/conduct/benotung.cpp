#include "conduct/benotung.h"

#include "classdata/klasse.h"
#include "common/ansitext.h"
#include "common/fremdordner.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/uhr.h"
#include "conduct/einsammeln.h"
#include "conduct/testsperre.h"
#include "conduct/verteilung.h"
#include "conduct/zusammenfassung.h"
#include "outside/schuelerprogramm.h"
#include "settings/konfiguration.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

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
    // Nur der Platzhalter, den das Austeilen schreibt: ein Schueler namens Krankl nimmt teil.
    k.krank = kopie.value(0).startsWith(u"krank:"_s, Qt::CaseInsensitive);
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

namespace {

struct Gruppenvorlage
{
    QStringList zeilen;
    Loesung loesung;
};

// Liest und prueft die Vorlage, bevor irgendetwas geschrieben wird.
Ablauf vorlagePruefen(const QString &pfad, Gruppenvorlage &v, Rueckfragen &r)
{
    const ZeilenErgebnis g = ansiZeilenLesen(pfad);
    if (!g.ok()) {
        r.fehler(g.fehler.meldung() + u" Es wird nichts benotet."_s);
        return Ablauf::Abgebrochen;
    }
    const std::optional<Loesung> l = loesungAusZeilen(g.zeilen);
    if (!l) {
        r.fehler(kNummerierungsfehler);
        return Ablauf::ProgrammEnde;
    }
    if (l->fragen == 0) {
        r.fehler(u"Die Testvorlage "_s + pfad +
                 u" enthält keine Aufgaben. Es wird nichts benotet; die bisherigen benoteten "
                 "Kopien bleiben unverändert."_s);
        return Ablauf::Abgebrochen;
    }
    for (int q = 1; q <= l->fragen; ++q) {
        if (l->loesung[q].isEmpty() || l->maxPunkte[q] < 1) {
            r.fehler(u"In der Testvorlage "_s + pfad + u" fehlt bei Aufgabe "_s +
                     QString::number(q) +
                     u" die Lösungszeile (die Punktezahl 1 bis 9 vor der richtigen Antwort). "
                     "Es wird nichts benotet; die bisherigen benoteten Kopien bleiben "
                     "unverändert."_s);
            return Ablauf::Abgebrochen;
        }
    }
    v = {g.zeilen, *l};
    return Ablauf::Ok;
}

// Der Schluessel der Vorlage A in der Antwortfolge einer ausgeteilten Kopie.
struct KopienSchluessel
{
    Loesung loesung;           // Buchstaben der Kopie; Nummern und Punkte wie in A
    Buchstabenzuordnung folge; // Stelle der Kopie -> Stelle in A
};

// Eine Kopie der Gruppe A (Zeile 3 endet mit "A") hat die Folge von A. Jede andere wird je Frage
// ueber gleiche Antworttexte zugeordnet: zuerst einer Kopie der Gruppe A derselben Austeilung
// (bezugA; sie traegt noch die Texte, die ausgeteilt wurden), dann der Vorlage A selbst; eine
// einzelne seither geaenderte Antwort ergibt sich als die uebrige. nullopt mit Grund, wenn die
// Zahl der Aufgaben nicht mehr die der Vorlage ist oder eine Frage offen bleibt.
std::optional<KopienSchluessel> schluesselDerKopie(const QStringList &ausgeteilt,
                                                   const Gruppenvorlage &a,
                                                   const Antworten &antwortenA,
                                                   const Antworten *bezugA, QString &grund)
{
    const int fragen = int(fragezeilen(ausgeteilt).size());
    if (fragen != a.loesung.fragen) {
        grund = u"die Testvorlage hat jetzt "_s + QString::number(a.loesung.fragen) +
                u" Aufgaben, die ausgeteilte Kopie "_s + QString::number(fragen) + u'.';
        return std::nullopt;
    }
    KopienSchluessel k{a.loesung, gleicheBuchstaben()};
    if (ausgeteilt.value(2).endsWith(u'A')) {
        return k;
    }
    const Antworten kopie = antwortenJeFrage(ausgeteilt);
    for (int q = 1; q <= fragen; ++q) {
        std::optional<std::array<qint8, 4>> z;
        if (bezugA != nullptr) {
            z = antwortenZuordnen((*bezugA)[q], kopie[q], false);
        }
        if (!z) {
            z = antwortenZuordnen(antwortenA[q], kopie[q], false);
        }
        int stelle = -1;
        for (int i = 0; z && i < 4; ++i) {
            if (antwortenA[q][(*z)[i]].loesung) {
                stelle = i;
            }
        }
        if (stelle < 0 || kopie[q][stelle].buchstabe.isNull()) {
            grund = u"die Antworten von Aufgabe "_s + QString::number(q) +
                    u" der ausgeteilten Kopie lassen sich denen der Testvorlage nicht mehr "
                    "zuordnen."_s;
            return std::nullopt;
        }
        k.folge[q] = *z;
        k.loesung.loesung[q] = QString(kopie[q][stelle].buchstabe);
    }
    return k;
}

// Eine Kopie in einem Ordner des Tests, ohne einer Verknuepfung zu folgen; fehlt sie: Fehlt.
ZeilenErgebnis kopieLesen(const QString &ordner, const QString &name)
{
    const QString gefunden = sp::dateinameTauglich(name) ? dateiOhneFall(ordner, name) : QString();
    if (gefunden.isEmpty()) {
        ZeilenErgebnis e;
        e.fehler.art = DateiFehler::Art::Fehlt;
        e.fehler.pfad = ordner + name;
        return e;
    }
    return ansiZeilenOhneVerknuepfungLesen(ordner + gefunden, sp::kGrenzeAbgabe);
}

// Eine Meldung fuer alle Schueler, deren Kopie sich nicht benoten liess; gleiche Gruende
// zusammen.
QString nichtBenotetMeldung(const QList<std::pair<QString, QString>> &meldungen)
{
    QStringList gruende;
    QList<QStringList> namen;
    for (const auto &[wer, grund] : meldungen) {
        const qsizetype i = gruende.indexOf(grund);
        if (i < 0) {
            gruende << grund;
            namen.append({wer});
        } else {
            namen[i] << wer;
        }
    }
    QString text;
    for (qsizetype i = 0; i < gruende.size(); ++i) {
        text +=
            namen[i].join(u", "_s) +
            (namen[i].size() == 1 ? u" wurde nicht benotet: "_s : u" wurden nicht benotet: "_s) +
            gruende[i] + u"\r\n"_s;
    }
    return text + u"\r\nDamit keine Note fehlt, wird nichts benotet; die bisherigen benoteten "
                  "Kopien bleiben unverändert."_s;
}

} // namespace

Ablauf testsBenoten(const TestPfade &test, const Klasse &klasse, const Normtabelle &norm,
                    const QDate &heute, Benotungslauf &lauf, Rueckfragen &r)
{
    lauf = Benotungslauf{};
    lauf.norm = norm;
    lauf.datum = heute.toString(u"yyyy-MM-dd"_s);
    lauf.klassenGroesse = klassenGroesse(klasse);
    ordnerTauschAufraeumen(test.benotetOrdner());
    if (lauf.klassenGroesse == 0) {
        r.fehler(u"Die Klassendatei des Tests enthält keine Schüler. Es wird nichts benotet."_s);
        return Ablauf::Abgebrochen;
    }
    const std::array<Gruppeneintrag, kMaxSchueler + 1> gruppen = gruppenDateiPruefen(test, r);
    Gruppenvorlage vorlageA;
    if (const Ablauf a = vorlagePruefen(test.vorlage(u'A'), vorlageA, r); a != Ablauf::Ok) {
        return a;
    }
    lauf.loesung = vorlageA.loesung;
    const Antworten antwortenA = antwortenJeFrage(vorlageA.zeilen);
    auto dateiname = [&](int nr) {
        const Schueler &s = klasse.schueler(nr);
        return sp::persoenlicherDateiname(s.vorname, s.nachname, test.klassenkuerzel());
    };
    // Bezug fuer die Antwortfolge: die erste ausgeteilte Kopie der Gruppe A, erst bei Bedarf
    // gelesen.
    bool bezugGesucht = false;
    std::optional<Antworten> bezugA;
    auto bezug = [&]() -> const Antworten * {
        for (int nr = 1; !bezugGesucht && nr <= lauf.klassenGroesse; ++nr) {
            const ZeilenErgebnis k = kopieLesen(test.kopienOrdner(), dateiname(nr));
            if (k.ok() && k.zeilen.value(2).endsWith(u'A')) {
                bezugA = antwortenJeFrage(k.zeilen);
                break;
            }
        }
        bezugGesucht = true;
        return bezugA ? &*bezugA : nullptr;
    };

    // Erst alles im Speicher: benotete Kopien, Zusammenfassung und Aufgabenanalyse ersetzen den
    // vorigen Lauf gemeinsam oder gar nicht.
    std::array<QStringList, kMaxSchueler + 1> benotet{};
    std::array<QString, kMaxSchueler + 1> namen{};
    QList<std::pair<QString, QString>> nichtBenotet;
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
        const QString name = dateiname(nr);
        const ZeilenErgebnis kopie = kopieLesen(test.abgabenOrdner(), name);
        if (kopie.fehler.art == DateiFehler::Art::Fehlt) {
            r.warnung(u"  Datei  "_s + kopie.fehler.pfad + u"  nicht da!  "_s);
            continue;
        }
        const QString wer = s.vorname + u' ' + s.nachname + u" ("_s + name + u')';
        if (!kopie.ok()) {
            nichtBenotet.append({wer, kopie.fehler.meldung()});
            continue;
        }
        const Kreuze kreuze = kreuzeEinlesen(kopie.zeilen);
        if (kreuze.zuVieleFragen) {
            nichtBenotet.append({wer, u"die abgegebene Kopie enthält mehr als "_s +
                                          QString::number(kMaxFragen) + u" Aufgaben."_s});
            continue;
        }
        const Kopfbefund kopf = kopfPruefen(kopie.zeilen, gruppe);
        // Abgegeben werden darf nur die Kopie, die der Schueler zuletzt bekam; der Platzhalter ist
        // selbst eine ausgeteilte Kopie ohne Kreuze.
        QStringList ausgeteilt = kopie.zeilen;
        if (!kopf.krank) {
            const ZeilenErgebnis k1 = kopieLesen(test.kopienOrdner(), name);
            if (!k1.ok()) {
                nichtBenotet.append(
                    {wer, u"ohne die ausgeteilte Kopie in T1-Kopie lässt sich die abgegebene "
                          "nicht prüfen. "_s +
                              k1.fehler.meldung()});
                continue;
            }
            const QStringList soll = aufgabenUndAntworten(k1.zeilen);
            if (soll.isEmpty() || aufgabenUndAntworten(kopie.zeilen) != soll) {
                nichtBenotet.append(
                    {wer, u"die abgegebene Kopie gehört zu einer früheren Austeilung oder zu "
                          "einem anderen Test (ihre Aufgaben oder die Reihenfolge ihrer Antworten "
                          "weichen von der ausgeteilten Kopie in T1-Kopie ab)."_s});
                continue;
            }
            ausgeteilt = k1.zeilen;
        }
        QString grund;
        const std::optional<KopienSchluessel> schluessel =
            schluesselDerKopie(ausgeteilt, vorlageA, antwortenA, bezug(), grund);
        if (!schluessel) {
            nichtBenotet.append({wer, grund});
            continue;
        }
        const Loesung &l = schluessel->loesung;
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
        benotet[nr] = benoteteKopie(kopie.zeilen, l, e);
        namen[nr] = name;
        for (int zeile = 0; zeile < kNormZeilen; ++zeile) {
            if (norm[size_t(zeile)].noteE == e.noteE) {
                ++lauf.notenZaehler[size_t(zeile)];
                break;
            }
        }
        lauf.benotet[nr] = true;
        if (!kopf.krank && !kopf.gruppenFehler) {
            lauf.antwortboegen << antwortbogen(kreuze, e, l.fragen, &schluessel->folge);
        }
        lauf.ergebnisse[nr] = {s.vorname.left(1), s.nachname.left(8), e.noteE, e.punkteGesamt};
    }
    if (!nichtBenotet.isEmpty()) {
        r.fehler(nichtBenotetMeldung(nichtBenotet));
        return Ablauf::Abgebrochen;
    }
    if (std::find(lauf.benotet.begin(), lauf.benotet.end(), true) == lauf.benotet.end()) {
        r.fehler(u"Für keinen Schüler der Klasse liegt eine benotbare Kopie in "_s +
                 test.abgabenOrdner() +
                 u". Passen Klassendatei und Test zusammen? Es wird nichts benotet; die "
                 "bisherigen benoteten Kopien bleiben unverändert."_s);
        return Ablauf::Abgebrochen;
    }
    zusammenfassungSortieren(lauf);
    fehlerMelden(lauf, r);

    QList<std::pair<QString, QByteArray>> dateien;
    QStringList kopf;
    QString letzteZeile2;
    for (int nr = 1; nr <= lauf.klassenGroesse; ++nr) {
        if (!lauf.benotet[nr]) {
            continue;
        }
        if (kopf.isEmpty()) {
            kopf = benotet[nr].mid(0, 7);
        }
        letzteZeile2 = benotet[nr].value(1);
        DateiFehler f;
        f.pfad = test.benotetOrdner() + namen[nr];
        dateien.append({namen[nr], ansiZeilenAlsBytes(mitKlassenzeilen(benotet[nr], lauf), &f)});
        if (!f.ok()) {
            r.fehler(f.meldung() + u" Es wird nichts benotet."_s);
            return Ablauf::Abgebrochen;
        }
    }
    DateiFehler f;
    f.pfad = test.zusammenfassung();
    dateien.append({QFileInfo(test.zusammenfassung()).fileName(),
                    ansiZeilenAlsBytes(zusammenfassungZeilen(test, lauf, kopf, letzteZeile2), &f)});
    lauf.analyse = aufgabenanalyseBerechnen(vorlageA.loesung, lauf.antwortboegen);
    DateiFehler fa;
    fa.pfad = aufgabenanalysePfad(test);
    dateien.append(
        {QFileInfo(fa.pfad).fileName(),
         ansiZeilenAlsBytes(aufgabenanalyseZeilen(lauf.analyse, aufgabenanalyseTitel(test)), &fa)});
    QString fehler = f.ok() ? fa.meldung() : f.meldung();
    // Was die Benotung schreibt (benotete Kopien der Klasse, auch frueherer Laeufe,
    // Zusammenfassung, Aufgabenanalyse, Arbeitsdatei), wird ersetzt; alles andere im Ordner gehoert
    // der Lehrkraft (etwa eine bearbeitete Zusammenfassung) und bleibt.
    const QRegularExpression kopienMuster(
        QRegularExpression::wildcardToRegularExpression(sp::abgabeMuster(test.klassenkuerzel())),
        QRegularExpression::CaseInsensitiveOption);
    const auto gehoertDerLehrkraft = [&](const QString &name) {
        return !kopienMuster.match(name).hasMatch() &&
               name.compare(u"temp-zusfg.Doc"_s, Qt::CaseInsensitive) != 0;
    };
    if (!f.ok() || !fa.ok() ||
        !ordnerErsetzen(test.benotetOrdner(), dateien, &fehler, gehoertDerLehrkraft)) {
        r.fehler(fehler + u" Die benoteten Kopien wurden nicht geschrieben; die bisherigen bleiben "
                          "unverändert."_s);
        return Ablauf::Abgebrochen;
    }
    return Ablauf::Ok;
}

namespace {

// Nimmt die erste Fehlermeldung einer Pruefung auf, statt sie zu zeigen.
class ErsteMeldung final : public RueckfragenOhneAuswahl
{
public:
    void melde(Art, const QString &t) override
    {
        if (text.isEmpty()) {
            text = t;
        }
    }
    Knopf frage(Art, const QString &, Knoepfe) override { return Knopf::Nein; }
    void piep() override {}
    QString text;
};

// Was das Benoten braucht und vor dem Zurueckziehen da sein muss: Schueler in der Klasse und
// eine brauchbare Vorlage A. Leer, wenn alles da ist, sonst die Meldung.
QString benotungsvoraussetzung(const TestPfade &test, const Klasse &klasse)
{
    if (klassenGroesse(klasse) == 0) {
        return u"Die Klassendatei des Tests enthält keine Schüler. Es wird nichts benotet."_s;
    }
    // Benotet wird mit dem Schluessel der Vorlage A; B wird dazu nicht gebraucht.
    ErsteMeldung m;
    Gruppenvorlage v;
    if (vorlagePruefen(test.vorlage(u'A'), v, m) != Ablauf::Ok) {
        return m.text + u" Der Test bleibt bereitgestellt."_s;
    }
    return {};
}

// Der Tag einer Uhr, die sonst die Systemzeit liefert.
class TagesUhr final : public Uhr
{
public:
    explicit TagesUhr(QDate tag)
        : tag(tag)
    {}
    QDateTime jetzt() const override { return QDateTime(tag, QTime::currentTime()); }

private:
    QDate tag;
};

} // namespace

Ablauf benotungStarten(const TestPfade &test, const Einstellungen &e, const Klasse &klasse,
                       const std::optional<QString> &normtabelle, const Uhr &uhr, Einsammlung &z,
                       Benotungslauf &lauf, Rueckfragen &r)
{
    // Der Dateidialog vor der Sperre: waehrend der Lehrer waehlt, wartet niemand.
    const QString pfad =
        normtabelle ? *normtabelle : normtabelleWaehlen(e.programmOrdner, test.fachbuchstabe(), r);
    Testsperre sperre(test);
    if (!sperre.sperren(r)) {
        return Ablauf::Abgebrochen;
    }
    ordnerTauschAufraeumen(test.kopienOrdner());
    ordnerTauschAufraeumen(test.abgabenOrdner());
    // Erst pruefen, was das Benoten braucht: eine unbrauchbare Vorlage oder Klasse beendet den
    // Test nicht fuer Schueler, die noch schreiben.
    if (const QString mangel = benotungsvoraussetzung(test, klasse); !mangel.isEmpty()) {
        r.fehler(mangel);
        return Ablauf::Abgebrochen;
    }
    const Normtabelle norm = pfad.isEmpty() ? standardNormtabelle() : normTabelleEinlesen(pfad, r);
    // Was bis zum Klingeln abgegeben wurde, wird noch eingesammelt; danach zurueckziehen (zuerst
    // die Signaldatei) und einsammeln, was dazwischen kam, auch was gerade noch geschrieben wird:
    // ein Schuelerprogramm, das nach seinem Umbenennen die Signaldatei nicht mehr findet, nimmt
    // seine Abgabe zurueck und sagt es dem Schueler. Jede bestaetigte Abgabe wird so benotet.
    abgabenLeerenGesperrt(test, e, z, uhr, r);
    bereitgestellteTestsLoeschen(test, e);
    const Leerung l = abgabenLeerenGesperrt(test, e, z, uhr, r);
    // Eine Abgabe, die liegen blieb, wuerde als fehlend benotet: nichts schreiben, sie nennen.
    if (!l.offen.isEmpty()) {
        r.fehler(l.offen + u"\r\nEs wurde nichts benotet."_s);
        return Ablauf::Abgebrochen;
    }
    return testsBenoten(test, klasse, norm, uhr.heute(), lauf, r);
}

Ablauf benotungStarten(const TestPfade &test, const Einstellungen &e, const Klasse &klasse,
                       const std::optional<QString> &normtabelle, const QDate &heute,
                       Benotungslauf &lauf, Rueckfragen &r)
{
    Einsammlung z;
    return benotungStarten(test, e, klasse, normtabelle, TagesUhr(heute), z, lauf, r);
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
