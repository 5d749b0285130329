#include "conduct/verteilung.h"

#include "classdata/klasse.h"
#include "common/ansitext.h"
#include "common/fremdordner.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/uhr.h"
#include "conduct/testsperre.h"
#include "outside/schuelerprogramm.h"
#include "settings/konfiguration.h"

#include <QFile>
#include <QHash>

using namespace Qt::StringLiterals;
namespace sp = schuelerprogramm;

QString klassenMuster(const QString &testKuerzel)
{
    const QString code = testKuerzel.left(2);
    const QChar fach = testKuerzel.size() > 2 ? testKuerzel[2] : QChar(u'.');
    if (fach == kKursbuchstabe) {
        const QString stufe = klassenPraefix(code) == u"1"_s ? u'1' + code.left(1) : code.left(1);
        return u"K-"_s + stufe + u'-' + code.mid(1, 1);
    }
    // Klasse "7" (Kuerzel "7.") heisst in der Klassendatei "L-7-...".
    QString klasse = klasseAnzeige(code);
    if (klasse.endsWith(u'.')) {
        klasse.chop(1);
    }
    return u"L-"_s + klasse + u'-' + fach;
}

QString klassenDateiErmitteln(const TestPfade &test, Rueckfragen &r, bool melden)
{
    const QString ordner = test.schuljahrOrdner();
    const QString muster = klassenMuster(test.testKuerzel);
    const QStringList treffer = dateienNachMuster(ordner, muster + u"*.DTA"_s);
    if (treffer.size() == 1) {
        return ordner + treffer[0];
    }
    if (treffer.size() > 1) {
        return r.dateiZumOeffnen(u"Auswahl der Klassendatei für die Testdurchführung"_s, ordner,
                                 u"Alle Klassen- u. Kurs-Dateien (*.DTA)|*.DTA"_s);
    }
    if (melden) {
        r.fehler(u"Achtung: Es wurde keine Klasse ("_s + muster + u"...) gefunden! "_s +
                 u"Die Testdurchführung ist nicht möglich."_s);
    }
    return {};
}

std::optional<QString> namenskonflikt(const Klasse &klasse, const QString &klassenkuerzel)
{
    QHash<QString, int> vergeben;
    const int n = klassenGroesse(klasse);
    for (int nr = 1; nr <= n; ++nr) {
        const Schueler &s = klasse.schueler(nr);
        const QString datei = sp::persoenlicherDateiname(s.vorname, s.nachname, klassenkuerzel);
        const QString wer =
            u"Nr. "_s + QString::number(nr) + u" ("_s + s.vorname + u' ' + s.nachname + u')';
        if (!sp::dateinameTauglich(datei)) {
            return u"Der Name von Schüler "_s + wer + u" ergibt keinen gültigen Dateinamen (\""_s +
                   datei + u"\"). Bitte den Namen in der Klassendatei ändern. "_s +
                   u"Die Testdurchführung wird abgebrochen."_s;
        }
        const QString schluessel = datei.toUpper();
        if (const auto it = vergeben.constFind(schluessel); it != vergeben.constEnd()) {
            const Schueler &a = klasse.schueler(*it);
            return u"Die Schüler Nr. "_s + QString::number(*it) + u" ("_s + a.vorname + u' ' +
                   a.nachname + u") und "_s + wer + u" erhielten dieselbe Testdatei \""_s + datei +
                   u"\" und würden sich gegenseitig überschreiben. Bitte einen der Namen in der "
                   "Klassendatei unterscheidbar machen. Die Testdurchführung wird abgebrochen."_s;
        }
        vergeben.insert(schluessel, nr);
    }
    return std::nullopt;
}

// ---- Protokoll ----------------------------------------------------------------------------

namespace {

bool istTrennlinie(const QString &z)
{
    return !z.isEmpty() && z.count(u'-') == z.size();
}

} // namespace

std::optional<int> protokollZaehlen(const TestPfade &test)
{
    if (!istGewoehnlicheDatei(test.protokollDatei())) {
        return std::nullopt;
    }
    const ZeilenErgebnis g = ansiZeilenLesen(test.protokollDatei());
    int n = 0;
    for (const QString &z : g.zeilen) {
        if (!z.isEmpty() && !istTrennlinie(z)) {
            ++n;
        }
    }
    return n;
}

bool protokollSchreiben(const TestPfade &test, const Uhr &uhr, int nummer, bool trennlinie)
{
    return protokollSchreiben(test, uhr, QList<int>{nummer}, trennlinie);
}

bool protokollSchreiben(const TestPfade &test, const Uhr &uhr, const QList<int> &nummern,
                        bool trennlinie)
{
    // Unter der Testsperre ganz neu geschrieben statt angehaengt (O_APPEND haelt auf einem
    // Schulserver nicht): keine Zeile geht verloren, eine Verknuepfung wird nie beschrieben.
    QStringList zeilen;
    if (trennlinie) {
        zeilen << QString(47, u'-');
    }
    for (const int nummer : nummern) {
        zeilen << uhr.jetzt().toString(u"dd.MM.yyyy, hh:mm"_s) + u" Uhr"_s + u": Abgabe  "_s +
                      QString::number(nummer) + u". Sch."_s;
    }
    const BytesErgebnis alt = ohneVerknuepfungLesen(test.protokollDatei());
    if (!alt.ok() && alt.fehler.art != DateiFehler::Art::Fehlt) {
        return false;
    }
    return ohneVerknuepfungSchreiben(test.protokollDatei(), alt.bytes + ansiZeilenAlsBytes(zeilen))
        .ok();
}

bool protokollLoeschen(const TestPfade &test)
{
    return dateiLoeschen(test.protokollDatei());
}

// ---- Vorlagen und Kopien ------------------------------------------------------------------

namespace {

void dateiNichtGeoeffnet(const QString &pfad, Rueckfragen &r)
{
    r.warnung(u"Achtung, die Datei  "_s + pfad + u"  konnte nicht geöffnet werden!"_s);
}

} // namespace

Ablauf gruppeBVorlageErzeugen(const TestPfade &test, Zufall &zufall, Rueckfragen &r)
{
    const QString ordner = test.testOrdner();
    if (!istEchterOrdner(ordner)) {
        r.fehler(u"Das Verzeichnis  \""_s + ordner + u"\"  wurde nicht gefunden !"_s +
                 u" Das Programm wird beendet ! "_s);
        return Ablauf::ProgrammEnde;
    }
    for (const QString &unter : {test.kopienOrdner(), test.abgabenOrdner(), test.benotetOrdner()}) {
        ordnerAnlegen(unter);
    }
    const QString a = test.vorlage(u'A'), b = test.vorlage(u'B');
    if (!istGewoehnlicheDatei(a)) {
        dateiNichtGeoeffnet(a, r);
        return Ablauf::Abgebrochen;
    }
    if (QFile::exists(b)) {
        const auto antwort = r.frage(
            Rueckfragen::Art::Frage,
            u"Die Testdatei-Vorlage für Gruppe B existiert schon.\r\n"
            " Wenn diese Datei neu erstellt werden soll, so wird die alte Vorlage für die Gruppe B "
            "überschrieben. \r\n\r\n"
            "Testdatei-Vorlage für Gruppe  B  vor dem Anfertigen der Kopien neu erzeugen? \r\n"
            "(Die vorhandene Testdatei-Vorlage\r\n"_s +
                b + u"   wird nach   \r\n"_s + test.sicherungB() + u"   gesichert.)"_s,
            Rueckfragen::Knoepfe::JaNein);
        if (antwort != Rueckfragen::Knopf::Ja) {
            return Ablauf::Ok;
        }
        dateiKopieren(b, test.sicherungB(), true);
    }
    const ZeilenErgebnis gelesen = ansiZeilenLesen(a);
    if (!gelesen.ok()) {
        r.fehler(gelesen.fehler.meldung());
        return Ablauf::Abgebrochen;
    }
    const std::optional<QStringList> zeilenB = gruppeBZeilen(gelesen.zeilen, zufall, r);
    if (!zeilenB) {
        return Ablauf::Abgebrochen;
    }
    const DateiFehler f = ansiZeilenSchreiben(b, *zeilenB);
    if (!f.ok()) {
        r.fehler(f.meldung());
        return Ablauf::Abgebrochen;
    }
    return Ablauf::Ok;
}

namespace {

struct Gruppenvorlage
{
    QStringList zeilen;
    Loesung loesung;
};

// Beide Vorlagen mit ihrem Schluessel; Meldungen wie beim Austeilen.
std::optional<Ablauf> vorlagenLaden(const TestPfade &test, int anzahl, Gruppenvorlage (&g)[2],
                                    Rueckfragen &r)
{
    for (int i = 0; i < 2 && i < anzahl; ++i) {
        const QString pfad = test.vorlage(i == 0 ? u'A' : u'B');
        if (!istGewoehnlicheDatei(pfad)) {
            dateiNichtGeoeffnet(pfad, r);
            return Ablauf::Abgebrochen;
        }
        const Ablauf a = loesungEinlesen(pfad, g[i].loesung, r);
        if (a != Ablauf::Ok) {
            return a;
        }
        g[i].zeilen = ansiZeilenLesen(pfad).zeilen;
    }
    return std::nullopt;
}

// Schreibt alle Kopien (bzw. Platzhalter) in einen neuen Ordner und tauscht ihn dann in einem
// Schritt gegen "T1-Kopie" (bzw. "T2-Ausge"): ein abgebrochenes Austeilen hinterlaesst nie
// alte und neue Kopien gemischt.
bool durchgang(const TestPfade &test, const Klasse &klasse, const Gruppenvorlage (&g)[2],
               bool platzhalter, Rueckfragen &r)
{
    const QString ziel = platzhalter ? test.abgabenOrdner() : test.kopienOrdner();
    QStringList gruppen;
    QList<std::pair<QString, QByteArray>> dateien;
    const int n = klassenGroesse(klasse);
    for (int nr = 1; nr <= n; ++nr) {
        const Schueler &s = klasse.schueler(nr);
        const int gi = (nr % 2 == 1) ? 0 : 1;
        const QStringList kopie =
            persoenlicheKopie(g[gi].zeilen, g[gi].loesung, s.vorname, s.nachname, platzhalter);
        DateiFehler f;
        const QByteArray bytes = ansiZeilenAlsBytes(kopie, &f);
        if (!f.ok()) {
            f.pfad =
                ziel + sp::persoenlicherDateiname(s.vorname, s.nachname, test.klassenkuerzel());
            r.fehler(u"Die Testkopie von Schüler Nr. "_s + QString::number(nr) + u" ("_s +
                     s.vorname + u' ' + s.nachname + u") wurde nicht geschrieben. "_s +
                     f.meldung() + u" Die Testdurchführung wird abgebrochen."_s);
            return false;
        }
        dateien.append(
            {sp::persoenlicherDateiname(s.vorname, s.nachname, test.klassenkuerzel()), bytes});
        gruppen << s.vorname << s.nachname << (gi == 0 ? u"A"_s : u"B"_s);
    }
    // "T2-Ausge" nimmt Dateien der Schueler auf: einer Verknuepfung wird nie gefolgt.
    QString fehler;
    if (!ordnerErsetzen(ziel, dateien, &fehler)) {
        r.fehler(fehler + u" Die Testdurchführung wird abgebrochen; die bisherigen Kopien bleiben "
                          "unverändert."_s);
        return false;
    }
    const DateiFehler f = ansiZeilenSchreiben(test.gruppenDatei(), gruppen);
    if (!f.ok()) {
        r.fehler(f.meldung());
        return false;
    }
    return true;
}

} // namespace

Bearbeitet protokollSuchenMitMeldung(const TestPfade &test, Rueckfragen &r)
{
    const std::optional<int> bearbeitet = protokollZaehlen(test);
    if (!bearbeitet) {
        return Bearbeitet::Weiter;
    }
    const auto antwort = r.frage(
        Rueckfragen::Art::Frage,
        u"Dieser Test ("_s + test.testKuerzel + u") wurde bereits von "_s +
            QString::number(*bearbeitet) +
            u" Schülern bearbeitet!\r\n"
            "Beim Kopieren für diesen Klassensatz werden alle bearbeiteten Tests gelöscht!"
            "\r\n\r\n\r\nWählen Sie:\r\n\r\n"
            "- Abbrechen:    Gesamte Testdurchführung abbrechen\r\n\r\n"
            "- Nein:    Testdurchführung/ Bereits ausgefüllte Test bleiben erhalten, sofern\r\n"
            "               sie nicht (von Testwiederholern) nochmals ausgefüllt werden.\r\n"
            "               (Verwendet werden die bereits vorhandenen Testkopien.)\r\n\r\n"
            "- Ja:      Testdurchführung/ Alle bereits ausgefüllten Tests werden gelöscht!\r\n"
            "               (Dazu werden neue Testkopien erstellt.)"_s,
        Rueckfragen::Knoepfe::JaNeinAbbruch);
    if (antwort == Rueckfragen::Knopf::Nein) {
        return Bearbeitet::Vorhandene;
    }
    return antwort == Rueckfragen::Knopf::Ja ? Bearbeitet::Weiter : Bearbeitet::Abbruch;
}

Kopien kopienAnfertigen(const TestPfade &test, const Klasse &klasse, Zufall &zufall, Rueckfragen &r)
{
    Testsperre sperre(test);
    if (!sperre.sperren(r)) {
        return Kopien::Abgebrochen;
    }
    switch (protokollSuchenMitMeldung(test, r)) {
    case Bearbeitet::Weiter:
        break;
    case Bearbeitet::Vorhandene:
        return Kopien::Vorhanden;
    case Bearbeitet::Abbruch:
        return Kopien::Abgebrochen;
    }
    if (const std::optional<QString> konflikt = namenskonflikt(klasse, test.klassenkuerzel())) {
        r.fehler(*konflikt);
        return Kopien::Abgebrochen;
    }
    switch (gruppeBVorlageErzeugen(test, zufall, r)) {
    case Ablauf::Ok:
        break;
    case Ablauf::Abgebrochen:
        return Kopien::Abgebrochen;
    case Ablauf::ProgrammEnde:
        return Kopien::ProgrammEnde;
    }
    const int n = klassenGroesse(klasse);
    Gruppenvorlage g[2];
    if (const std::optional<Ablauf> fehler = vorlagenLaden(test, std::max(n, 1), g, r)) {
        return *fehler == Ablauf::ProgrammEnde ? Kopien::ProgrammEnde : Kopien::Abgebrochen;
    }
    if (const QString warnung = antwortfolgeWarnung(g[0].zeilen); !warnung.isEmpty()) {
        r.warnung(warnung);
    }
    if (!durchgang(test, klasse, g, false, r)) {
        return Kopien::Abgebrochen;
    }
    if (r.frage(Rueckfragen::Art::Information,
                u"Kopien fertig gestellt ("_s + QString::number(n) +
                    u" Sch.).\r\nZum Starten der Testdurchführung den OK-Button klicken. "_s,
                Rueckfragen::Knoepfe::OkAbbruch) != Rueckfragen::Knopf::Ok) {
        return Kopien::Abgebrochen;
    }
    sitzplanSchreiben(test, klasse);
    if (!durchgang(test, klasse, g, true, r)) {
        return Kopien::Abgebrochen;
    }
    protokollLoeschen(test);
    return Kopien::Neu;
}

bool sitzplanSchreiben(const TestPfade &test, const Klasse &klasse)
{
    QStringList zeilen{u" Sitzplan:  Klasse "_s + klasseAnzeige(test.klassenkuerzel()),
                       u"A\tB\tA\tB\tA\tB\tA\tB"_s};
    QStringList reihe;
    const int n = klassenGroesse(klasse);
    for (int nr = 1; nr <= n; ++nr) {
        const Schueler &s = klasse.schueler(nr);
        reihe << (s.nachname + u", "_s + s.vorname).left(42);
        if (nr % 8 == 0 || nr == n) {
            zeilen << reihe.join(u'\t');
            reihe.clear();
        }
    }
    return ansiZeilenSchreiben(test.sitzplanDatei(), zeilen).ok();
}

QStringList sitzplanLesen(const TestPfade &test)
{
    const ZeilenErgebnis g = ansiZeilenLesen(test.sitzplanDatei(), 64 * 1024);
    QStringList namen;
    for (qsizetype i = 2; i < g.zeilen.size() && namen.size() < kMaxSchueler; ++i) {
        for (const QString &n : g.zeilen[i].split(u'\t')) {
            if (namen.size() < kMaxSchueler) {
                namen << n;
            }
        }
    }
    return namen;
}

// ---- Bereitstellen ------------------------------------------------------------------------

namespace {

// Entfernt aus dem Ausgabeordner der Klasse nur, was ein Bereitstellen dort schreibt: die
// persoenlichen Kopien ("*.?" + Klassenkuerzel), Reste ihres unterbrochenen Schreibens und den
// Ordner "Bilder". Was andere dort ablegten, bleibt.
void ausgabeRaeumen(const QString &ordner, const QString &code)
{
    QStringList kopien = dateienNachMuster(ordner, sp::abgabeMuster(code));
    speicherresteEntfernen(ordner, kopien);
    for (const QString &name : std::as_const(kopien)) {
        dateiLoeschen(ordner + name);
    }
    baumLoeschen(ordner + sp::kBilderOrdner);
}

} // namespace

Bereitstellung testBereitStellen(const TestPfade &test, const Einstellungen &e, const Uhr &uhr,
                                 Rueckfragen &r)
{
    Bereitstellung b;
    Testsperre sperre(test);
    if (!sperre.sperren(r)) {
        return b;
    }
    const QString code = test.klassenkuerzel();
    if (e.ausgabeOrdner.isEmpty()) {
        r.fehler(
            e.ordnerFehlt(Kopf::testAusgabe,
                          u"Der Bereitstellungsordner konnte nicht korrekt erstellt werden!"_s));
        return b;
    }
    b.zielOrdner = sp::ausgabeKlassenOrdner(e.ausgabeOrdner, e.lehrername, code);
    if (!ordnerAnlegen(b.zielOrdner) || !istEchterOrdner(b.zielOrdner)) {
        r.fehler(u"Der Bereitstellungsordner konnte nicht korrekt erstellt werden!"_s);
        return b;
    }
    ausgabeRaeumen(b.zielOrdner, code);
    // Nur die persoenlichen Kopien; Reste eines unterbrochenen Speicherns bleiben zurueck.
    const QStringList dateien = dateienNachMuster(test.kopienOrdner(), sp::abgabeMuster(code));
    if (dateien.isEmpty()) {
        r.fehler(u"Achtung: Die Datei(en) konnte(n) nicht kopiert werden!"_s);
        return b;
    }
    for (const QString &name : dateien) {
        b.liste << name.chopped(std::min<qsizetype>(2, name.size()));
        if (!dateiKopieren(test.kopienOrdner() + name, b.zielOrdner + name, true)) {
            b.nichtKopiert << name;
        }
    }
    if (!b.nichtKopiert.isEmpty()) {
        r.fehler(u"Diese Testkopien konnten nicht in den Bereitstellungsordner "_s + b.zielOrdner +
                 u" geschrieben werden: "_s + b.nichtKopiert.join(u", "_s) +
                 u". Diese Schüler finden ihren Test nicht."_s);
    }
    if (istEchterOrdner(test.bilderOrdner())) {
        b.mitBildern = baumKopieren(test.bilderOrdner(), b.zielOrdner + sp::kBilderOrdner, true);
    }
    b.signalDatei = e.ausgabeOrdner + sp::signalDateiname(code, e.lehrername, test.testKuerzel);
    if (!ansiZeilenOhneVerknuepfungSchreiben(b.signalDatei, {uhr.heute().toString(u"yyyy-MM-dd"_s)})
             .ok()) {
        r.fehler(u"Der Übergabe-Ordner auf dem Schulserver kann nicht beschrieben werden!"_s);
        return b;
    }
    b.ok = true;
    return b;
}

bool bereitgestellteTestsLoeschen(const TestPfade &test, const Einstellungen &e)
{
    const QString code = test.klassenkuerzel();
    const QString ordner = sp::ausgabeKlassenOrdner(e.ausgabeOrdner, e.lehrername, code);
    const bool leer = dateienNachMuster(ordner, u"*"_s).isEmpty();
    // Zuerst die Signaldatei: ab da nimmt kein Schuelerprogramm eine Abgabe mehr an.
    if (!e.ausgabeOrdner.isEmpty()) {
        dateiLoeschen(e.ausgabeOrdner + sp::signalDateiname(code, e.lehrername, test.testKuerzel));
    }
    if (!e.ausgabeOrdner.isEmpty() && istEchterOrdner(ordner)) {
        ausgabeRaeumen(ordner, code);
    }
    return leer;
}
