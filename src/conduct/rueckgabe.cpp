#include "conduct/rueckgabe.h"

#include "authoring/formatierung.h"
#include "common/ansitext.h"
#include "common/fremdordner.h"
#include "common/ordner.h"
#include "common/rtf/rtf.h"
#include "common/rtf/zeilenmodell.h"
#include "common/rueckfragen.h"
#include "common/uhr.h"
#include "conduct/testsperre.h"
#include "outside/schuelerprogramm.h"
#include "settings/konfiguration.h"

#include <QDir>
#include <QTextDocument>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;
namespace sp = schuelerprogramm;

namespace {

const QString kEndung = u"- benotet.Doc"_s;

QString rueckgabeOrdnerDerKlasse(const TestPfade &test, const Einstellungen &e)
{
    return sp::rueckgabeKlassenOrdner(e.rueckgabeOrdner, e.lehrername, test.klassenkuerzel());
}

} // namespace

QString rueckgabeDokumentName(const QDate &datum, const QString &testKuerzel,
                              const QString &persoenlicherName)
{
    return u"Mivo-Test "_s + datum.toString(u"yyyy-MM-dd"_s) + u' ' + testKuerzel + u"- "_s +
           persoenlicherName.chopped(std::min<qsizetype>(2, persoenlicherName.size())) + kEndung;
}

QString rueckgabeAnzeigename(const QString &dokumentName)
{
    const qsizetype anfang = dokumentName.indexOf(u"- "_s);
    QString name = anfang < 0 ? dokumentName : dokumentName.mid(anfang + 2);
    if (name.endsWith(kEndung, Qt::CaseInsensitive)) {
        name.chop(kEndung.size());
    }
    return name;
}

QString benoteteKopieLaden(const QString &quelle, QTextDocument &doc, bool zumDrucken)
{
    const ZeilenErgebnis z = ansiZeilenLesen(quelle);
    if (!z.ok()) {
        return z.fehler.meldung();
    }
    const bool rueckgaengig = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.setDefaultFont(editorSchrift());
    Zeilenmodell(doc).setzeAlle(z.zeilen);
    if (zumDrucken) {
        absatzformatierung(doc);
    }
    schriftFormatieren(doc, kKopfgrenzeDurchfuehrung);
    doc.setUndoRedoEnabled(rueckgaengig);
    return {};
}

QString benoteteKopieUmwandeln(const QString &quelle, const QString &ziel)
{
    QTextDocument doc;
    const QString fehler = benoteteKopieLaden(quelle, doc, false);
    if (!fehler.isEmpty()) {
        return fehler;
    }
    // Der Rueckgabeordner ist ein Ordner der Schueler: einer Verknuepfung wird nie gefolgt.
    const DateiFehler f = ohneVerknuepfungSchreiben(ziel, rtfSchreiben(doc));
    return f.ok() ? QString() : f.meldung();
}

namespace {

const QString kMusterDokumente = u"Mivo-Test *"_s;

// Die persoenlichen Dateinamen der benoteten Kopien der Klasse.
QStringList benoteteKopien(const TestPfade &test)
{
    return dateienNachMuster(test.benotetOrdner(), sp::abgabeMuster(test.klassenkuerzel()));
}

// Die Dokumente, die eine Rueckgabe dieses Tests fuer diese Schueler geschrieben hat (an jedem
// Tag). Nur sie loescht die Rueckgabe wieder: im Rueckgabeordner liegt auch Fremdes.
QStringList eigeneDokumente(const QString &ordner, const QString &testKuerzel,
                            const QStringList &kopien)
{
    QStringList eigene;
    for (const QString &datei : dateienNachMuster(ordner, kMusterDokumente)) {
        const QDate datum = QDate::fromString(datei.mid(10, 10), u"yyyy-MM-dd"_s);
        if (!datum.isValid()) {
            continue;
        }
        for (const QString &kopie : kopien) {
            if (rueckgabeDokumentName(datum, testKuerzel, kopie)
                    .compare(datei, Qt::CaseInsensitive) == 0) {
                eigene << datei;
                break;
            }
        }
    }
    return eigene;
}

// Die Bilder des Tests: dieselben Namen liegen nach einer Rueckgabe in ihrem Ordner "Bilder".
QStringList bilderDesTests(const TestPfade &test)
{
    return istEchterOrdner(test.bilderOrdner()) ? dateienNachMuster(test.bilderOrdner(), u"*"_s)
                                                : QStringList();
}

} // namespace

Rueckgabe testZurueckgeben(const TestPfade &test, const Einstellungen &e, bool speichernErlaubt,
                           const Uhr &uhr, Rueckfragen &r)
{
    Rueckgabe g;
    Testsperre sperre(test);
    if (!sperre.sperren(r)) {
        return g;
    }
    ordnerTauschAufraeumen(test.benotetOrdner());
    const QString code = test.klassenkuerzel();
    if (e.rueckgabeOrdner.isEmpty()) {
        r.fehler(
            e.ordnerFehlt(Kopf::testRueckgabe,
                          u"Der Bereitstellungsordner konnte nicht korrekt erstellt werden!"_s));
        return g;
    }
    // Nur die benoteten Kopien der Klasse; die Zusammenfassung mit den Ergebnissen aller
    // Schueler gehoert nicht in einen Ordner, den alle Schueler lesen.
    const QStringList kopien = benoteteKopien(test);
    if (kopien.isEmpty()) {
        r.fehler(u"Achtung: Die Datei(en) konnte(n) nicht kopiert werden!"_s);
        return g;
    }

    // Erst alles lesen und umwandeln: was nicht gelingt, verhindert die ganze Rueckgabe, bevor
    // im Rueckgabeordner etwas geschieht.
    const QDate heute = uhr.heute();
    QList<std::pair<QString, QByteArray>> dokumente;
    QStringList fehler;
    for (const QString &name : kopien) {
        QTextDocument doc;
        const QString f = benoteteKopieLaden(test.benotetOrdner() + name, doc, false);
        if (!f.isEmpty()) {
            fehler << f;
            continue;
        }
        dokumente.append({rueckgabeDokumentName(heute, test.testKuerzel, name), rtfSchreiben(doc)});
        g.liste << name.chopped(std::min<qsizetype>(2, name.size()));
    }
    QList<std::pair<QString, QByteArray>> bilder;
    for (const QString &name : bilderDesTests(test)) {
        const BytesErgebnis b = ohneVerknuepfungLesen(test.bilderOrdner() + name,
                                                      std::numeric_limits<qint64>::max() - 1);
        if (!b.ok()) {
            fehler << b.fehler.meldung();
            continue;
        }
        bilder.append({name, b.bytes});
    }
    if (!fehler.isEmpty()) {
        g.liste.clear();
        r.fehler(fehler.join(u"\r\n"_s) + u"\r\nEs wurde nichts zurückgegeben."_s);
        return g;
    }

    g.zielOrdner = rueckgabeOrdnerDerKlasse(test, e);
    if (!ordnerAnlegen(g.zielOrdner) || !istEchterOrdner(g.zielOrdner)) {
        g.liste.clear();
        r.fehler(u"Der Bereitstellungsordner konnte nicht korrekt erstellt werden!"_s);
        return g;
    }
    // Eine fruehere Rueckgabe dieses Tests verschwindet fuer die Schueler, bevor sie ersetzt wird:
    // niemand sieht eine halb erneuerte.
    g.signalDatei = e.rueckgabeOrdner + sp::signalDateiname(code, e.lehrername, test.testKuerzel);
    if (!dateiLoeschen(g.signalDatei)) {
        g.liste.clear();
        r.fehler(u"Die Signaldatei "_s + g.signalDatei +
                 u" einer früheren Rückgabe lässt sich nicht löschen; es wurde nichts "
                 "zurückgegeben."_s);
        return g;
    }

    // Jede Datei wird ganz geschrieben (und auf die Platte gebracht), bevor die Signaldatei sie
    // sichtbar macht. Geloescht werden nur eigene Dateien: Dokumente frueherer Tage dieses Tests,
    // "sp-ind.txt" bei einer Rueckgabe nur zum Lesen.
    // Reste einer abgebrochenen Rueckgabe derselben Dateien ("NAME.XXXXXX") gehen vorher.
    QStringList eigeneNamen{sp::kSpeicherIndikator};
    for (const auto &d : std::as_const(dokumente)) {
        eigeneNamen << d.first;
    }
    speicherresteEntfernen(g.zielOrdner, eigeneNamen);
    QStringList bildNamen;
    for (const auto &b : std::as_const(bilder)) {
        bildNamen << b.first;
    }
    speicherresteEntfernen(g.zielOrdner + sp::kBilderOrdner + kTrenner, bildNamen);
    QStringList fehlt;
    QStringList neu;
    for (const auto &[name, bytes] : std::as_const(dokumente)) {
        neu << name;
        if (!ohneVerknuepfungSchreiben(g.zielOrdner + name, bytes).ok()) {
            fehlt << name;
        }
    }
    for (const QString &alt : eigeneDokumente(g.zielOrdner, test.testKuerzel, kopien)) {
        if (!neu.contains(alt, Qt::CaseInsensitive) && !dateiLoeschen(g.zielOrdner + alt)) {
            fehlt << alt + u" (alt, nicht gelöscht)"_s;
        }
    }
    const QString indikator = g.zielOrdner + sp::kSpeicherIndikator;
    if (speichernErlaubt ? !ohneVerknuepfungSchreiben(indikator, QByteArray()).ok()
                         : !dateiLoeschen(indikator)) {
        fehlt << sp::kSpeicherIndikator;
    }
    if (!bilder.isEmpty()) {
        const QString zielBilder = g.zielOrdner + sp::kBilderOrdner + kTrenner;
        // Eine Verknuepfung an Stelle von "Bilder" fuehrt anderswohin: dort wird nie geschrieben.
        const bool ordnerDa = !istVerknuepfung(zielBilder.chopped(1)) &&
                              ordnerAnlegen(zielBilder) && istEchterOrdner(zielBilder);
        for (const auto &[name, bytes] : std::as_const(bilder)) {
            if (!ordnerDa || !ohneVerknuepfungSchreiben(zielBilder + name, bytes).ok()) {
                fehlt << sp::kBilderOrdner + kTrenner + name;
            }
        }
        g.mitBildern = true;
    }
    if (!fehlt.isEmpty()) {
        g.liste.clear();
        g.mitBildern = false;
        r.fehler(u"Die Rückgabe ist unvollständig. Im Rückgabeordner "_s + g.zielOrdner +
                 u" fehlt: "_s + fehlt.join(u", "_s) +
                 u".\r\nDie Signaldatei wurde nicht geschrieben: Die Schüler sehen die Rückgabe "
                 "erst, wenn sie vollständig gelingt."_s);
        return g;
    }
    if (!ansiZeilenOhneVerknuepfungSchreiben(g.signalDatei, {heute.toString(u"yyyy-MM-dd"_s)})
             .ok()) {
        g.liste.clear();
        g.mitBildern = false;
        r.fehler(u"Der Übergabe-Ordner auf dem Schulserver kann nicht beschrieben werden!"_s);
        return g;
    }
    g.ok = true;
    return g;
}

QStringList zurueckgegebeneDokumente(const TestPfade &test, const Einstellungen &e)
{
    QStringList namen;
    if (e.rueckgabeOrdner.isEmpty()) {
        return namen;
    }
    // Im Rueckgabeordner der Klasse koennen auch Dokumente anderer Tests liegen.
    for (const QString &datei :
         dateienNachMuster(rueckgabeOrdnerDerKlasse(test, e),
                           kMusterDokumente + test.testKuerzel + u"- *"_s + kEndung)) {
        namen << rueckgabeAnzeigename(datei);
    }
    return namen;
}

bool rueckgabeZuruecknehmen(const TestPfade &test, const Einstellungen &e, Rueckfragen &r)
{
    if (e.rueckgabeOrdner.isEmpty()) {
        return true;
    }
    // Zuerst die Signaldatei: danach sieht kein Schueler die Rueckgabe mehr.
    const QString signal = e.rueckgabeOrdner + sp::signalDateiname(test.klassenkuerzel(),
                                                                   e.lehrername, test.testKuerzel);
    const bool signalDa = istGewoehnlicheDatei(signal) || istVerknuepfung(signal);
    if (!dateiLoeschen(signal)) {
        r.fehler(u"Die Signaldatei "_s + signal +
                 u" lässt sich nicht löschen: Die Rückgabe ist nicht zurückgenommen, die "
                 "Schüler sehen sie weiter."_s);
        return false;
    }
    const QString ordner = rueckgabeOrdnerDerKlasse(test, e);
    if (!istEchterOrdner(ordner)) {
        return !signalDa;
    }
    // Nur was die Rueckgabe geschrieben hat; Fremdes im Ordner bleibt.
    QStringList eigene = eigeneDokumente(ordner, test.testKuerzel, benoteteKopien(test));
    if (istGewoehnlicheDatei(ordner + sp::kSpeicherIndikator)) {
        eigene << sp::kSpeicherIndikator;
    }
    const QString bilder = ordner + sp::kBilderOrdner + kTrenner;
    if (istEchterOrdner(bilder)) {
        for (const QString &name : bilderDesTests(test)) {
            if (istGewoehnlicheDatei(bilder + name)) {
                eigene << sp::kBilderOrdner + kTrenner + name;
            }
        }
    }
    QStringList geblieben;
    for (const QString &name : std::as_const(eigene)) {
        if (!dateiLoeschen(ordner + name)) {
            geblieben << name;
        }
    }
    // Nur ein leerer Ordner "Bilder" geht mit; was ein anderer hineinlegte, bleibt darin.
    if (istEchterOrdner(bilder)) {
        QDir().rmdir(bilder);
    }
    if (!geblieben.isEmpty()) {
        r.warnung(u"Die Rückgabe ist zurückgenommen (die Schüler sehen sie nicht mehr), aber "
                  "diese Dateien im Ordner "_s +
                  ordner + u" ließen sich nicht löschen: "_s + geblieben.join(u", "_s) + u'.');
    }
    return !signalDa && eigene.isEmpty();
}

Druckrechteck druckbereich(const Seitenmasse &s, double unten, double oben, double rechts,
                           double links)
{
    auto rnd = [](double x) { return int(std::nearbyint(x)); };
    Druckrechteck d;
    d.links = rnd(links * s.dpiX) - s.versatzX;
    d.oben = rnd(oben * s.dpiY) - s.versatzY;
    d.rechts = s.seitenBreite - s.versatzX - rnd(rechts * s.dpiX);
    d.unten = s.seitenHoehe - rnd(unten * s.dpiY) - s.versatzY;
    return d;
}
