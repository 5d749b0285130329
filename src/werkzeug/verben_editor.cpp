// Verben des Testeditors: Pruefen und Aufraeumen eines Tests, Fragebogen, Speichern unter den
// Angaben der Speicherabfrage, Bilder eines Tests.
#include "authoring/aufgaben.h"
#include "authoring/testbilder.h"
#include "authoring/testspeichern.h"
#include "common/ansitext.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "conduct/testname.h"
#include "settings/konfiguration.h"
#include "werkzeug/json.h"
#include "werkzeug/werkzeug.h"

#include <QFileInfo>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

std::optional<QStringList> testLesen(WerkzeugKontext &k, const QString &pfad)
{
    const ZeilenErgebnis g = ansiZeilenLesen(pfad);
    if (!g.ok()) {
        k.fehler << g.fehler.meldung() << Qt::endl;
        return std::nullopt;
    }
    return g.zeilen;
}

void zeilenAusgeben(WerkzeugKontext &k, const QStringList &zeilen)
{
    for (const QString &z : zeilen) {
        k.aus << z << Qt::endl;
    }
}

void warnungenAusgeben(WerkzeugKontext &k, const QStringList &zeilen)
{
    for (const QString &w : durchfuehrungsWarnungen(zeilen)) {
        k.fehler << u"Warnung: "_s << w << Qt::endl;
    }
}

int testPruefen(WerkzeugKontext &k)
{
    const bool schreiben = schalterNehmen(k.argumente, u"--schreiben"_s);
    if (k.argumente.size() != 1) {
        return 1;
    }
    std::optional<QStringList> zeilen = testLesen(k, k.argumente[0]);
    if (!zeilen) {
        return 2;
    }
    ungueltigeAbsaetzeLeeren(*zeilen);
    aufgabennummern_kontrollieren(*zeilen, k.r);
    warnungenAusgeben(k, *zeilen);
    if (schreiben && !Test_speichern(*zeilen, k.argumente[0], k.r)) {
        return 2;
    }
    zeilenAusgeben(k, *zeilen);
    return 0;
}

int fragebogenVerb(WerkzeugKontext &k)
{
    if (k.argumente.size() != 1) {
        return 1;
    }
    const std::optional<QStringList> zeilen = testLesen(k, k.argumente[0]);
    if (!zeilen) {
        return 2;
    }
    zeilenAusgeben(k, fragebogen(*zeilen));
    return 0;
}

int testSpeichern(WerkzeugKontext &k)
{
    const std::optional<QString> basis = optionNehmen(k.argumente, u"--basis"_s);
    SpeicherAngaben a;
    a.klasse = optionNehmen(k.argumente, u"--klasse"_s).value_or(u"..."_s);
    a.fach = optionNehmen(k.argumente, u"--fach"_s).value_or(u"..."_s);
    a.nummer = optionNehmen(k.argumente, u"--nummer"_s).value_or(u"..."_s);
    a.thema = optionNehmen(k.argumente, u"--thema"_s).value_or(u"..."_s);
    if (!basis || k.argumente.size() != 2) {
        return 1;
    }
    a.schuljahr = k.argumente[1];
    Einstellungen e;
    if (!basisEinstellungenLaden(*basis, e, k.r)) {
        return 2;
    }
    std::optional<QStringList> zeilen = testLesen(k, k.argumente[0]);
    if (!zeilen) {
        return 2;
    }
    // Ein neues, plausibles Thema kommt wie im Fenster in die Themenliste.
    QStringList themen = themenLesen(e.basisOrdner, k.r);
    if (!themen.contains(a.thema) && neuThemenEintragOK(a.thema)) {
        themaUebernehmen(e.basisOrdner, themen, a.thema, k.r);
    }
    ungueltigeAbsaetzeLeeren(*zeilen);
    aufgabennummern_kontrollieren(*zeilen, k.r);
    warnungenAusgeben(k, *zeilen);
    const QString ziel = testSpeichernUnter(
        *zeilen, a, e.basisOrdner, QFileInfo(k.argumente[0]).absoluteFilePath(), u".__A"_s, k.r);
    if (ziel.isEmpty()) {
        return 2;
    }
    k.aus << ziel << Qt::endl;
    return 0;
}

int bilder(WerkzeugKontext &k)
{
    const std::optional<QString> basis = optionNehmen(k.argumente, u"--basis"_s);
    if (!basis || k.argumente.size() != 2 || k.argumente[0].isEmpty() ||
        k.argumente[1].size() != 8) {
        return 1;
    }
    Einstellungen e;
    if (!basisEinstellungenLaden(*basis, e, k.r)) {
        return 2;
    }
    const TestPfade p{e.basisOrdner, k.argumente[0], k.argumente[1]};
    const std::optional<QStringList> zeilen = testLesen(k, p.vorlage(u'A'));
    if (!zeilen) {
        return 2;
    }
    const auto alle = bilderSuchen(*zeilen, p.bilderOrdner());
    JsonSchreiber j;
    j.objektAnfang();
    int ab = 0;
    for (int n = 1; n <= kBilderFragen; ++n) {
        const int i = fragezeileSuchen(*zeilen, n, ab);
        if (i < 0) {
            break;
        }
        ab = i + 1;
        j.schluessel(QString::number(n)).objektAnfang();
        for (int s = 0; s < 4; ++s) {
            j.schluessel(QString(QChar(u'a' + s)));
            if (alle[n][s].isEmpty()) {
                j.wertNull();
            } else {
                j.wert(QFileInfo(alle[n][s]).fileName());
            }
        }
        j.objektEnde();
    }
    j.objektEnde();
    k.aus << j.text() << Qt::endl;
    return 0;
}

const VerbRegistrierung v1("test-pruefen",
                           "test-pruefen DATEI [--schreiben]   Aufraeumen, Neunummerierung und "
                           "Pruefung wie beim Speichern im Editor",
                           &testPruefen);
const VerbRegistrierung v2("fragebogen",
                           "fragebogen VORLAGE                Fragebogen (Kopf und Fragen)",
                           &fragebogenVerb);
const VerbRegistrierung v3("test-speichern",
                           "test-speichern QUELLE --basis ORDNER SCHULJAHR --klasse K --fach FACH "
                           "--nummer N --thema THEMA   wie die Speicherabfrage",
                           &testSpeichern);
const VerbRegistrierung v4("bilder",
                           "bilder --basis ORDNER SCHULJAHR TESTKUERZEL   Bilddateien je Frage "
                           "als JSON",
                           &bilder);

} // namespace
