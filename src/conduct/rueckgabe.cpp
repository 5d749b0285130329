#include "conduct/rueckgabe.h"

#include "app/konfiguration.h"
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

#include <QTextDocument>

#include <cmath>

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
    g.zielOrdner = rueckgabeOrdnerDerKlasse(test, e);
    if (!ordnerAnlegen(g.zielOrdner) || !istEchterOrdner(g.zielOrdner)) {
        r.fehler(u"Der Bereitstellungsordner konnte nicht korrekt erstellt werden!"_s);
        return g;
    }
    // Nur die benoteten Kopien der Klasse; die Zusammenfassung mit den Ergebnissen aller
    // Schueler gehoert nicht in einen Ordner, den alle Schueler lesen.
    const QStringList kopien = dateienNachMuster(test.benotetOrdner(), sp::abgabeMuster(code));
    if (kopien.isEmpty()) {
        r.fehler(u"Achtung: Die Datei(en) konnte(n) nicht kopiert werden!"_s);
        return g;
    }
    ordnerLeeren(g.zielOrdner);
    if (speichernErlaubt &&
        !ohneVerknuepfungSchreiben(g.zielOrdner + sp::kSpeicherIndikator, QByteArray()).ok()) {
        r.fehler(u"Der Übergabe-Ordner auf dem Schulserver kann nicht beschrieben werden!"_s);
        return g;
    }
    const QDate heute = uhr.heute();
    for (const QString &name : kopien) {
        const QString fehler = benoteteKopieUmwandeln(
            test.benotetOrdner() + name,
            g.zielOrdner + rueckgabeDokumentName(heute, test.testKuerzel, name));
        if (!fehler.isEmpty()) {
            r.fehler(fehler);
            continue;
        }
        g.liste << name.chopped(std::min<qsizetype>(2, name.size()));
    }
    if (istEchterOrdner(test.bilderOrdner())) {
        g.mitBildern = baumKopieren(test.bilderOrdner(), g.zielOrdner + sp::kBilderOrdner, true);
    }
    g.signalDatei = e.rueckgabeOrdner + sp::signalDateiname(code, e.lehrername, test.testKuerzel);
    if (!ansiZeilenOhneVerknuepfungSchreiben(g.signalDatei, {heute.toString(u"yyyy-MM-dd"_s)})
             .ok()) {
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
    for (const QString &datei : dateienNachMuster(rueckgabeOrdnerDerKlasse(test, e), u"Mivo*"_s)) {
        namen << rueckgabeAnzeigename(datei);
    }
    return namen;
}

bool rueckgabeZuruecknehmen(const TestPfade &test, const Einstellungen &e)
{
    if (e.rueckgabeOrdner.isEmpty()) {
        return true;
    }
    const QString ordner = rueckgabeOrdnerDerKlasse(test, e);
    const QStringList dateien = dateienNachMuster(ordner, u"*"_s);
    if (istEchterOrdner(ordner)) {
        for (const QString &name : dateien) {
            dateiLoeschen(ordner + name);
        }
        baumLoeschen(ordner + sp::kBilderOrdner);
    }
    dateiLoeschen(e.rueckgabeOrdner +
                  sp::signalDateiname(test.klassenkuerzel(), e.lehrername, test.testKuerzel));
    return dateien.isEmpty();
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
