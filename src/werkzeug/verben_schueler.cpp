// Die Schuelerseite ohne Fenster, mit derselben Logik wie Mivo: bereitgestellte Tests auflisten,
// mit gegebenen Kreuzen abgeben, eine Rueckgabe lesen und speichern. --cf nennt die Mivo-cf.txt.
// Rueckgabe 3 bei schueler-abgeben: der Test ist beendet (Signaldatei fehlt).
#include "common/ansitext.h"
#include "common/rtf/rtf.h"
#include "common/rueckfragen.h"
#include "conduct/rueckgabe.h"
#include "outside/abgabe.h"
#include "outside/schuelerseite.h"
#include "outside/testbogen.h"
#include "werkzeug/json.h"
#include "werkzeug/werkzeug.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextStream>

using namespace Qt::StringLiterals;
using namespace schuelerseite;

namespace {

std::optional<Konfig> konfigNehmen(WerkzeugKontext &k)
{
    const std::optional<QString> cf = optionNehmen(k.argumente, u"--cf"_s);
    if (!cf) {
        return std::nullopt;
    }
    const KonfigErgebnis e = konfigLesen(*cf);
    if (!e.konfig) {
        k.r.fehler(e.meldung);
    }
    return e.konfig;
}

// Der bereitgestellte Test (oder die Rueckgabe) der Klasse mit diesem Testkuerzel.
std::optional<Bereitgestellt> angebotFinden(const Konfig &konfig, const QString &klasse,
                                            const QString &test, Art art)
{
    const QString kuerzel = klassenkuerzelAusEingabe(klasse);
    const QString ordner = art == Art::Test ? konfig.ausgabeOrdner : konfig.rueckgabeOrdner;
    for (const Bereitgestellt &b : bereitgestellteSuchen(ordner, kuerzel, art).gefunden) {
        if (b.testKuerzel.compare(test, Qt::CaseInsensitive) == 0) {
            return b;
        }
    }
    return std::nullopt;
}

int tests(WerkzeugKontext &k)
{
    const std::optional<Konfig> konfig = konfigNehmen(k);
    if (!konfig) {
        return k.argumente.size() == 1 ? 2 : 1;
    }
    if (k.argumente.size() != 1) {
        return 1;
    }
    const QString kuerzel = klassenkuerzelAusEingabe(k.argumente[0]);
    if (kuerzel.isEmpty()) {
        k.fehler << u"Keine Klasse: "_s << k.argumente[0] << Qt::endl;
        return 2;
    }
    JsonSchreiber j;
    j.feldAnfang();
    for (const Bereitgestellt &b :
         bereitgestellteSuchen(konfig->ausgabeOrdner, kuerzel, Art::Test).gefunden) {
        j.objektAnfang();
        j.schluessel(u"lehrer"_s).wert(b.lehrer);
        j.schluessel(u"test"_s).wert(b.testKuerzel);
        j.schluessel(u"datum"_s).wert(b.datum);
        j.schluessel(u"thema"_s).wert(b.thema);
        j.schluessel(u"kopien"_s).wert(qint64(kopienAuflisten(b).eintraege.size()));
        j.objektEnde();
    }
    j.feldEnde();
    k.aus << j.text() << Qt::endl;
    return 0;
}

struct Auswahl
{
    Konfig konfig;
    QString klasse, test, datei;
};

std::optional<Auswahl> auswahlNehmen(WerkzeugKontext &k)
{
    const std::optional<Konfig> konfig = konfigNehmen(k);
    const auto klasse = optionNehmen(k.argumente, u"--klasse"_s);
    const auto test = optionNehmen(k.argumente, u"--test"_s);
    const auto datei = optionNehmen(k.argumente, u"--datei"_s);
    if (!konfig || !klasse || !test || !datei) {
        return std::nullopt;
    }
    return Auswahl{*konfig, *klasse, *test, *datei};
}

int abgebenVerb(WerkzeugKontext &k)
{
    const std::optional<QString> kreuze = optionNehmen(k.argumente, u"--kreuze"_s);
    const std::optional<Auswahl> a = auswahlNehmen(k);
    if (!a || !kreuze || !k.argumente.isEmpty()) {
        return 1;
    }
    const std::optional<Bereitgestellt> b = angebotFinden(a->konfig, a->klasse, a->test, Art::Test);
    if (!b) {
        k.r.fehler(u"Der Test "_s + a->test + u" ist für die Klasse "_s + a->klasse +
                   u" nicht bereitgestellt."_s);
        return 3;
    }
    QString meldung;
    std::optional<Testbogen> bogen = Testbogen::lesen(b->ordner + a->datei, meldung);
    if (!bogen) {
        k.r.fehler(meldung);
        return 2;
    }
    static const QRegularExpression kreuz(u"^([0-9]{1,2})([a-dA-D])$"_s);
    for (const QString &teil : kreuze->split(u',', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = kreuz.match(teil.trimmed());
        const int frage = m.hasMatch() ? m.captured(1).toInt() : 0;
        if (frage < 1 || frage > bogen->anzahl()) {
            k.fehler << u"Kein Kreuz einer Aufgabe dieses Tests: "_s << teil << Qt::endl;
            return 1;
        }
        const int antwort = m.captured(2).toLower()[0].unicode() - u'a';
        if (bogen->fragen()[frage - 1].gewaehlt != antwort) {
            bogen->waehlen(frage - 1, antwort);
        }
    }
    const AbgabeErgebnis e = abgeben(a->konfig, *b, a->datei, bogen->ausgefuellt());
    k.r.melde(e.art == AbgabeErgebnis::Art::Abgegeben ? Rueckfragen::Art::Information
                                                      : Rueckfragen::Art::Fehler,
              e.meldung);
    if (e.art == AbgabeErgebnis::Art::Abgegeben) {
        k.aus << e.ziel << Qt::endl;
        return 0;
    }
    return e.art == AbgabeErgebnis::Art::TestBeendet ? 3 : 2;
}

int rueckgabeVerb(WerkzeugKontext &k)
{
    const bool speichern = schalterNehmen(k.argumente, u"--speichern"_s);
    const std::optional<Auswahl> a = auswahlNehmen(k);
    if (!a || !k.argumente.isEmpty()) {
        return 1;
    }
    if (a->konfig.rueckgabeOrdner.isEmpty() && !a->konfig.rueckgabeFehler.isEmpty()) {
        k.r.fehler(a->konfig.rueckgabeFehler);
        return 2;
    }
    const std::optional<Bereitgestellt> b =
        angebotFinden(a->konfig, a->klasse, a->test, Art::Rueckgabe);
    if (!b) {
        k.r.fehler(u"Für die Klasse "_s + a->klasse + u" ist der Test "_s + a->test +
                   u" nicht zurückgegeben."_s);
        return 2;
    }
    // --datei ist der persoenliche Dateiname; das Dokument traegt ihn ohne die letzten 2 Zeichen.
    const QString kurz = a->datei.chopped(std::min<qsizetype>(2, a->datei.size()));
    for (const Eintrag &e : rueckgabenAuflisten(*b).eintraege) {
        if (rueckgabeAnzeigename(e.datei).compare(kurz, Qt::CaseInsensitive) != 0) {
            continue;
        }
        const RueckgabeDokument d = rueckgabeDokument(*b, e);
        QTextDocument doc;
        const BytesErgebnis g = bytesLesen(d.pfad, kGrenzeFremdeDatei);
        if (!g.ok() || !rtfLesen(g.bytes, doc).ok()) {
            k.r.fehler(u"Das Dokument "_s + d.pfad + u" lässt sich nicht lesen."_s);
            return 2;
        }
        k.aus << doc.toPlainText() << Qt::endl;
        if (speichern) {
            QString ziel;
            const QString fehler = rueckgabeSpeichern(a->konfig, d, &ziel);
            if (!fehler.isEmpty()) {
                k.r.fehler(fehler);
                return 2;
            }
            k.fehler << u"Gespeichert: "_s << ziel << Qt::endl;
        }
        return 0;
    }
    k.r.fehler(u"Für "_s + a->datei + u" gibt es keinen zurückgegebenen Test."_s);
    return 2;
}

const VerbRegistrierung verbTests("schueler-tests",
                                  "schueler-tests --cf DATEI KLASSE   bereitgestellte Tests (JSON)",
                                  &tests);
const VerbRegistrierung
    verbAbgeben("schueler-abgeben",
                "schueler-abgeben --cf DATEI --klasse KLASSE --test TESTKUERZEL --datei "
                "PERSOENLICHER-DATEINAME --kreuze 1b,2c,4a   wie Mivo abgeben (3: Test beendet)",
                &abgebenVerb);
const VerbRegistrierung
    verbRueckgabe("schueler-rueckgabe",
                  "schueler-rueckgabe --cf DATEI --klasse KLASSE --test TESTKUERZEL --datei NAME "
                  "[--speichern]   zurueckgegebenen Test zeigen (und speichern)",
                  &rueckgabeVerb);

} // namespace
