// Verben fuer den Testablauf: Schluessel einer Vorlage, Katalog, Austeilen, Einsammeln, Benoten.
// Alle arbeiten auf einem Basisordner (--basis) mit den Einstellungen wie beim Programmstart;
// --heute yyyy-mm-dd legt das Datum fest.
#include "classdata/klassendatei.h"
#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "common/uhr.h"
#include "common/zufall.h"
#include "conduct/benotung.h"
#include "conduct/einsammeln.h"
#include "conduct/katalog.h"
#include "conduct/testdokument.h"
#include "conduct/verteilung.h"
#include "settings/konfiguration.h"
#include "werkzeug/analyse_json.h"
#include "werkzeug/json.h"
#include "werkzeug/werkzeug.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

struct Umgebung
{
    Einstellungen e;
    std::optional<QDate> heute;
};

// Nimmt --basis und --heute und laedt die Einstellungen; nullopt nach einer Meldung.
std::optional<Umgebung> umgebungLaden(WerkzeugKontext &k)
{
    Umgebung u;
    const std::optional<QString> basis = optionNehmen(k.argumente, u"--basis"_s);
    if (!basis) {
        k.fehler << u"--basis ORDNER fehlt"_s << Qt::endl;
        return std::nullopt;
    }
    if (!heuteNehmen(k, u.heute) || !basisEinstellungenLaden(*basis, u.e, k.r)) {
        return std::nullopt;
    }
    return u;
}

int ablaufCode(Ablauf a)
{
    return a == Ablauf::Ok ? 0 : a == Ablauf::ProgrammEnde ? 3 : 2;
}

int schluessel(WerkzeugKontext &k)
{
    if (k.argumente.size() != 1) {
        return 1;
    }
    const ZeilenErgebnis g = ansiZeilenLesen(k.argumente[0]);
    if (!g.ok()) {
        k.fehler << g.fehler.meldung() << Qt::endl;
        return 2;
    }
    const std::optional<Loesung> l = loesungAusZeilen(g.zeilen);
    if (!l) {
        k.r.fehler(kNummerierungsfehler);
        return 3;
    }
    JsonSchreiber j;
    j.objektAnfang().schluessel(u"fragen"_s).feldAnfang();
    for (int q = 1; q <= l->fragen; ++q) {
        j.objektAnfang();
        j.schluessel(u"nr"_s).wert(l->aufgabenNr[q]);
        j.schluessel(u"punkte"_s).wert(qint64(l->maxPunkte[q]));
        j.schluessel(u"loesung"_s).wert(l->loesung[q]);
        j.objektEnde();
    }
    j.feldEnde().schluessel(u"punkteMax"_s).wert(qint64(l->punkteMax)).objektEnde();
    k.aus << j.text() << Qt::endl;
    return 0;
}

int katalog(WerkzeugKontext &k)
{
    std::optional<Umgebung> u = umgebungLaden(k);
    if (!u) {
        return 2;
    }
    const QString jahr = optionNehmen(k.argumente, u"--schuljahr"_s).value_or(u"..."_s);
    const QString filter = optionNehmen(k.argumente, u"--filter"_s).value_or(u"........"_s);
    const std::optional<TestArt> art =
        testArtAusText(optionNehmen(k.argumente, u"--art"_s).value_or(u"Alle"_s));
    if (!art || filter.size() != 8 || !k.argumente.isEmpty()) {
        return 1;
    }
    QStringList themen = themenLesen(u->e.basisOrdner, k.r);
    const Katalog kat = vorhandeneTestsEinlesen(u->e.basisOrdner, jahr, filter, *art, themen, k.r);
    for (const QString &zeile : kat.zeilen) {
        k.aus << zeile << Qt::endl;
    }
    return 0;
}

// Schuljahr und Testkuerzel aus den Argumenten; die Klasse aus --klasse oder wie im Fenster.
struct Testwahl
{
    TestPfade test;
    Klasse klasse;
};

std::optional<Testwahl> testWaehlen(WerkzeugKontext &k, const Umgebung &u)
{
    const std::optional<QString> klassenDatei = optionNehmen(k.argumente, u"--klasse"_s);
    if (k.argumente.size() != 2 || !istSchuljahrOrdnerName(k.argumente[0]) ||
        !kuerzelVollstaendig(k.argumente[1])) {
        return std::nullopt;
    }
    Testwahl w;
    w.test = {u.e.basisOrdner, k.argumente[0], k.argumente[1]};
    const QString pfad = klassenDatei ? *klassenDatei : klassenDateiErmitteln(w.test, k.r, true);
    if (pfad.isEmpty()) {
        // Mehrere passende Klassendateien: ohne Dateidialog muss --klasse waehlen.
        if (!dateienNachMuster(w.test.schuljahrOrdner(),
                               klassenMuster(w.test.testKuerzel) + u"*.DTA"_s)
                 .isEmpty()) {
            k.fehler << u"Mehrere Klassendateien passen; bitte --klasse DATEI.DTA angeben."_s
                     << Qt::endl;
        }
        return std::nullopt;
    }
    if (!klasseLadenAusDatei(pfad, w.klasse, k.r)) {
        return std::nullopt;
    }
    return w;
}

int durchfuehren(WerkzeugKontext &k)
{
    std::optional<Umgebung> u = umgebungLaden(k);
    if (!u) {
        return 2;
    }
    const std::optional<QString> zufallsAngabe = optionNehmen(k.argumente, u"--zufall"_s);
    const quint32 saat =
        zufallsAngabe ? zufallsAngabe->toUInt() : quint32(QDateTime::currentMSecsSinceEpoch());
    std::optional<Testwahl> w = testWaehlen(k, *u);
    if (!w) {
        return 2;
    }
    StdZufall zufall(saat);
    switch (kopienAnfertigen(w->test, w->klasse, zufall, k.r)) {
    case Kopien::Neu:
    case Kopien::Vorhanden:
        break;
    case Kopien::Abgebrochen:
        return 2;
    case Kopien::ProgrammEnde:
        return 3;
    }
    const WerkzeugUhr uhr(u->heute);
    const Bereitstellung b = testBereitStellen(w->test, u->e, uhr, k.r);
    for (const QString &name : b.liste) {
        k.aus << name << Qt::endl;
    }
    return b.ok && b.nichtKopiert.isEmpty() ? 0 : 2;
}

int einsammeln(WerkzeugKontext &k)
{
    std::optional<Umgebung> u = umgebungLaden(k);
    if (!u) {
        return 2;
    }
    if (k.argumente.size() != 2 || !istSchuljahrOrdnerName(k.argumente[0]) ||
        k.argumente[1].size() != 8) {
        return 1;
    }
    const TestPfade test{u->e.basisOrdner, k.argumente[0], k.argumente[1]};
    const WerkzeugUhr uhr(u->heute);
    Einsammlung z;
    const Leerung l = alleAbgabenEinsammeln(test, u->e, z, uhr, k.r);
    for (const QString &name : l.namen) {
        k.aus << name << Qt::endl;
    }
    // Eine Abgabe, die liegen blieb, oder ein unerreichbarer Server: kein Erfolg.
    if (l.ok && !l.offen.isEmpty()) {
        k.r.fehler(l.offen);
        return 2;
    }
    return l.ok ? 0 : 2;
}

int benoten(WerkzeugKontext &k)
{
    std::optional<Umgebung> u = umgebungLaden(k);
    if (!u) {
        return 2;
    }
    const std::optional<QString> tabelle = optionNehmen(k.argumente, u"--normtabelle"_s);
    std::optional<Testwahl> w = testWaehlen(k, *u);
    if (!w) {
        return 2;
    }
    // Ohne --normtabelle die vorgeschlagene Tabelle des Faches, sonst wie ein abgebrochener Dialog.
    const QString vorschlag = normtabelleVorschlag(u->e.programmOrdner, w->test.fachbuchstabe());
    std::optional<QString> norm = tabelle;
    if (!norm && QFileInfo::exists(vorschlag)) {
        norm = vorschlag;
    }
    const WerkzeugUhr uhr(u->heute);
    Benotungslauf lauf;
    Einsammlung z;
    const Ablauf a = benotungStarten(w->test, u->e, w->klasse, norm, uhr, z, lauf, k.r);
    if (a != Ablauf::Ok) {
        return ablaufCode(a);
    }
    JsonSchreiber j;
    j.objektAnfang().schluessel(u"punkteMax"_s).wert(qint64(lauf.loesung.punkteMax));
    j.schluessel(u"ergebnisse"_s).feldAnfang();
    for (int nr = 1; nr <= lauf.klassenGroesse; ++nr) {
        const Benotungsergebnis &e = lauf.ergebnisse[nr];
        j.objektAnfang();
        j.schluessel(u"initiale"_s).wert(e.initiale);
        j.schluessel(u"nachname"_s).wert(e.nachname);
        j.schluessel(u"note"_s).wert(e.noteE);
        j.schluessel(u"punkte"_s).wert(qint64(e.punkte));
        j.objektEnde();
    }
    j.feldEnde().schluessel(u"aufgabenanalyse"_s);
    aufgabenanalyseJson(j, lauf.analyse);
    j.objektEnde();
    k.aus << j.text() << Qt::endl;
    return 0;
}

const VerbRegistrierung
    v1("schluessel", "schluessel VORLAGE                Schluessel einer Testvorlage als JSON",
       &schluessel);
const VerbRegistrierung v2("katalog",
                           "katalog --basis ORDNER [--schuljahr JJJJ-JJ|...] [--filter KUERZEL] "
                           "[--art ART]   vorhandene Tests",
                           &katalog);
const VerbRegistrierung v3("durchfuehren",
                           "durchfuehren --basis ORDNER SCHULJAHR TESTKUERZEL [--zufall N] "
                           "[--klasse DATEI.DTA] [--heute JJJJ-MM-TT]   Test austeilen",
                           &durchfuehren);
const VerbRegistrierung v4("einsammeln",
                           "einsammeln --basis ORDNER SCHULJAHR TESTKUERZEL   abgegebene Tests "
                           "einsammeln",
                           &einsammeln);
const VerbRegistrierung v5("benoten",
                           "benoten --basis ORDNER SCHULJAHR TESTKUERZEL [--normtabelle DATEI] "
                           "[--klasse DATEI.DTA]   Tests benoten",
                           &benoten);

} // namespace
