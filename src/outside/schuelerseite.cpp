#include "outside/schuelerseite.h"

#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rtf/rtf.h"
#include "conduct/rueckgabe.h"
#include "conduct/testname.h"
#include "outside/schuelerprogramm.h"
#include "settings/konfiguration.h"

#include <QDate>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

using namespace Qt::StringLiterals;
namespace sp = schuelerprogramm;

namespace schuelerseite {

namespace {

constexpr qint64 kGrenzeKonfig = 64 * 1024;
constexpr qint64 kGrenzeSignal = 1024;

struct Wert
{
    QString text;
    qsizetype zeile = 0; // ab 1; 0, wenn der Wert fehlt
};

Wert wert(const QStringList &zeilen, const QString &kopf)
{
    Wert ergebnis;
    for (qsizetype i : kopfZeilen(zeilen, kopf)) {
        if (i + 1 < zeilen.size() && !zeilen[i + 1].isEmpty()) {
            ergebnis = {zeilen[i + 1], i + 2};
        }
    }
    return ergebnis;
}

// Der Ordner unter kopf; leer, wenn er fehlt oder unbrauchbar ist (dann *fehler gesetzt).
QString ordnerWert(const QStringList &zeilen, const QString &kopf, const QString &pfad,
                   QString *fehler)
{
    const Wert w = wert(zeilen, kopf);
    if (w.text.isEmpty()) {
        return {};
    }
    *fehler = ordnerAngabeFehler(w.text, pfad, w.zeile, kopf);
    return fehler->isEmpty() ? ordnerAusAngabe(w.text) : QString();
}

const QString kBescheid = u"\r\nBitte sag deiner Lehrerin oder deinem Lehrer Bescheid."_s;

// Zerlegt "KK-Lehrer-TESTKUERZ.tmp"; nur was die Vertragsfunktion genau so bildet, zaehlt.
std::optional<Bereitgestellt> signalZerlegen(const QString &name)
{
    if (!name.endsWith(sp::kSignalEndung, Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    const QString stamm = name.chopped(sp::kSignalEndung.size());
    if (stamm.size() < 2 + 1 + 1 + 8 || stamm[2] != u'-' || stamm[stamm.size() - 9] != u'-') {
        return std::nullopt;
    }
    Bereitgestellt b;
    b.testKuerzel = stamm.right(8);
    b.klassenkuerzel = b.testKuerzel.left(2);
    b.lehrer = stamm.mid(3, stamm.size() - 3 - 9);
    // Ohne eingetragenen Lehrernamen ist der Name leer ("7x--7xP1Sich.tmp"): auch das gilt.
    if ((!b.lehrer.isEmpty() && !sp::dateinameTauglich(b.lehrer)) ||
        sp::signalDateiname(b.klassenkuerzel, b.lehrer + kTrenner, b.testKuerzel)
                .compare(name, Qt::CaseInsensitive) != 0) {
        return std::nullopt;
    }
    return b;
}

QString signalDatum(const QString &pfad)
{
    const ZeilenErgebnis z = ansiZeilenLesen(pfad, kGrenzeSignal);
    if (!z.ok() || z.zeilen.isEmpty()) {
        return {};
    }
    const QString d = z.zeilen.first().trimmed();
    return QDate::fromString(d, u"yyyy-MM-dd"_s).isValid() ? d : QString();
}

QString rueckgabeMuster(const QString &testKuerzel)
{
    return u"Mivo-Test *"_s + testKuerzel + u"- *- benotet.Doc"_s;
}

// "Thema: ..." ohne "Thema: ".
QString themaAusZeile(const QString &t)
{
    const qsizetype dp = t.indexOf(u':');
    return (dp >= 0 ? t.mid(dp + 1) : t).trimmed().left(80);
}

// Zeile 4 einer Kopie.
QString themaAusKopie(const QString &pfad)
{
    const ZeilenErgebnis z = ansiZeilenLesen(pfad, sp::kGrenzeAbgabe);
    if (!z.ok() || z.zeilen.size() < 4) {
        return {};
    }
    return themaAusZeile(z.zeilen[3]);
}

// Zeile 4 eines zurueckgegebenen Dokuments (ein Absatz je Zeile der benoteten Kopie).
QString themaAusRueckgabe(const QString &pfad)
{
    const BytesErgebnis g = bytesLesen(pfad, kGrenzeFremdeDatei);
    QTextDocument doc;
    if (!g.ok() || !rtfLesen(g.bytes, doc).ok() || doc.blockCount() < 4) {
        return {};
    }
    return themaAusZeile(doc.findBlockByNumber(3).text());
}

bool vorEintrag(const Eintrag &a, const Eintrag &b)
{
    if (const int c = a.nachname.localeAwareCompare(b.nachname); c != 0) {
        return c < 0;
    }
    if (const int c = a.vorname.localeAwareCompare(b.vorname); c != 0) {
        return c < 0;
    }
    return a.datei < b.datei;
}

} // namespace

KonfigErgebnis konfigLesen(const QString &pfad)
{
    KonfigErgebnis e;
    const ZeilenErgebnis z = ansiZeilenLesen(pfad, kGrenzeKonfig);
    if (z.fehler.art == DateiFehler::Art::Fehlt) {
        e.meldung = u"Mivo findet seine Einstellungen nicht (Datei "_s + pfad +
                    u").\r\nBitte sag deiner Lehrerin oder deinem Lehrer Bescheid."_s;
        return e;
    }
    if (!z.ok()) {
        e.meldung = u"Mivo kann seine Einstellungen nicht lesen (Datei "_s + pfad +
                    u").\r\nBitte sag deiner Lehrerin oder deinem Lehrer Bescheid."_s;
        return e;
    }
    Konfig k;
    QString ausgabeFehler, abgabeFehler;
    k.ausgabeOrdner = ordnerWert(z.zeilen, Kopf::testAusgabe, pfad, &ausgabeFehler);
    k.abgabeOrdner = ordnerWert(z.zeilen, Kopf::testAbgabe, pfad, &abgabeFehler);
    k.rueckgabeOrdner = ordnerWert(z.zeilen, Kopf::testRueckgabe, pfad, &k.rueckgabeFehler);
    k.schuelerOrdner = ordnerWert(z.zeilen, Kopf::schueler, pfad, &k.schuelerFehler);
    k.schule = wert(z.zeilen, Kopf::schule).text;
    if (k.schule.endsWith(u'\\') || k.schule.endsWith(kTrenner)) {
        k.schule.chop(1);
    }
    // Ohne Eintrag ist der Rueckgabeordner der Ausgabeordner; ein unbrauchbarer bleibt leer.
    if (k.rueckgabeOrdner.isEmpty() && k.rueckgabeFehler.isEmpty()) {
        k.rueckgabeOrdner = k.ausgabeOrdner;
    }
    if (!k.rueckgabeFehler.isEmpty()) {
        k.rueckgabeFehler += kBescheid;
    }
    if (!ausgabeFehler.isEmpty() || !abgabeFehler.isEmpty()) {
        e.meldung = u"Mivo kann seine Einstellungen nicht benutzen: "_s +
                    (ausgabeFehler.isEmpty() ? abgabeFehler : ausgabeFehler) + kBescheid;
        return e;
    }
    if (k.ausgabeOrdner.isEmpty() || k.abgabeOrdner.isEmpty()) {
        e.meldung = u"Mivo ist noch nicht eingerichtet: In "_s + pfad +
                    u" fehlen die Ordner für Tests.\r\nBitte sag deiner Lehrerin oder deinem "_s
                    u"Lehrer Bescheid."_s;
        return e;
    }
    e.konfig = k;
    return e;
}

QString klassenkuerzelAusEingabe(const QString &eingabe)
{
    const QString t = eingabe.trimmed();
    if (t.isEmpty() || t.size() > 3) {
        return {};
    }
    for (const QChar c : t) {
        if (!c.isLetterOrNumber() || c.unicode() > 0xff) {
            return {};
        }
    }
    return klassenCode(t);
}

bool echterOrdner(const QString &ordner)
{
    return !ordner.isEmpty() &&
           istEchterOrdner(ordner.size() > 1 && ordner.endsWith(kTrenner) ? ordner.chopped(1)
                                                                          : ordner);
}

QString lehrerMitTrenner(const Bereitgestellt &b)
{
    return b.lehrer + kTrenner;
}

QStringList klassenMitSignal(const QString &transferOrdner)
{
    QStringList klassen;
    for (const QString &name : dateienNachMuster(transferOrdner, u"*"_s + sp::kSignalEndung)) {
        if (const auto b = signalZerlegen(name); b && !klassen.contains(b->klassenkuerzel)) {
            klassen << b->klassenkuerzel;
        }
    }
    std::sort(klassen.begin(), klassen.end(), [](const QString &a, const QString &b) {
        return klasseAnzeige(a).rightJustified(3) < klasseAnzeige(b).rightJustified(3);
    });
    return klassen;
}

Suche bereitgestellteSuchen(const QString &transferOrdner, const QString &klassenkuerzel, Art art)
{
    Suche s;
    if (transferOrdner.isEmpty() || klassenkuerzel.isEmpty()) {
        return s;
    }
    for (const QString &name : dateienNachMuster(transferOrdner, u"*"_s + sp::kSignalEndung)) {
        std::optional<Bereitgestellt> b = signalZerlegen(name);
        if (!b || b->klassenkuerzel.compare(klassenkuerzel, Qt::CaseInsensitive) != 0) {
            continue;
        }
        b->art = art;
        b->signalDatei = transferOrdner + name;
        b->datum = signalDatum(b->signalDatei);
        b->ordner =
            art == Art::Test
                ? sp::ausgabeKlassenOrdner(transferOrdner, lehrerMitTrenner(*b), b->klassenkuerzel)
                : sp::rueckgabeKlassenOrdner(transferOrdner, lehrerMitTrenner(*b),
                                             b->klassenkuerzel);
        bool passt = false;
        if (echterOrdner(b->ordner)) {
            if (art == Art::Test) {
                const QStringList kopien =
                    dateienNachMuster(b->ordner, sp::abgabeMuster(b->klassenkuerzel));
                passt = !kopien.isEmpty();
                if (passt) {
                    b->thema = themaAusKopie(b->ordner + kopien.first());
                }
            } else {
                const QStringList dokumente =
                    dateienNachMuster(b->ordner, rueckgabeMuster(b->testKuerzel));
                passt = !dokumente.isEmpty();
                if (passt) {
                    b->thema = themaAusRueckgabe(b->ordner + dokumente.first());
                }
            }
        }
        if (passt) {
            s.gefunden << *b;
        } else {
            ++s.ohneOrdner;
        }
    }
    std::stable_sort(
        s.gefunden.begin(), s.gefunden.end(),
        [](const Bereitgestellt &a, const Bereitgestellt &b) { return a.datum > b.datum; });
    return s;
}

bool nochBereitgestellt(const Bereitgestellt &b)
{
    return istGewoehnlicheDatei(b.signalDatei);
}

QString Eintrag::anzeige() const
{
    return vorname.isEmpty() ? nachname : nachname + u", "_s + vorname;
}

Eintrag eintragAusNamenszeile(const QString &datei, const QString &nachnamenAnfang,
                              const QString &zeile)
{
    Eintrag e;
    e.datei = datei;
    e.nachname = nachnamenAnfang;
    const qsizetype marke = zeile.indexOf(u"Name:"_s);
    if (marke < 0) {
        return e;
    }
    const QString name = zeile.mid(marke + 5).simplified();
    // Der Nachname beginnt bei dem letzten Wortanfang, der zum Dateinamen passt.
    qsizetype ab = -1;
    for (qsizetype i = name.size() - 1; i >= 0; --i) {
        if ((i == 0 || name[i - 1] == u' ') &&
            name.mid(i).startsWith(nachnamenAnfang, Qt::CaseInsensitive)) {
            ab = i;
            break;
        }
    }
    if (ab < 0) {
        const qsizetype leer = name.lastIndexOf(u' ');
        ab = leer < 0 ? 0 : leer + 1;
    }
    e.nachname = name.mid(ab);
    e.vorname = name.left(ab).trimmed();
    if (e.nachname.isEmpty()) {
        e.nachname = nachnamenAnfang;
    }
    return e;
}

EintragsListe kopienAuflisten(const Bereitgestellt &b)
{
    EintragsListe l;
    for (const QString &datei : dateienNachMuster(b.ordner, sp::abgabeMuster(b.klassenkuerzel))) {
        const BytesErgebnis g = bytesLesen(b.ordner + datei, sp::kGrenzeAbgabe);
        if (!g.ok() || g.bytes.contains('\0')) {
            l.unlesbar << datei;
            continue;
        }
        const qsizetype ende = g.bytes.indexOf('\n');
        QString zeile = ansiDekodieren(g.bytes.left(ende < 0 ? g.bytes.size() : ende));
        if (zeile.endsWith(u'\r')) {
            zeile.chop(1);
        }
        // Dateiname: Nachname (bis 8 Zeichen), ".", Initiale, zwei Zeichen Klassenkuerzel.
        l.eintraege << eintragAusNamenszeile(
            datei, datei.chopped(std::min<qsizetype>(4, datei.size())), zeile);
    }
    std::sort(l.eintraege.begin(), l.eintraege.end(), vorEintrag);
    return l;
}

EintragsListe rueckgabenAuflisten(const Bereitgestellt &b)
{
    EintragsListe l;
    for (const QString &datei : dateienNachMuster(b.ordner, rueckgabeMuster(b.testKuerzel))) {
        const QString kurz = rueckgabeAnzeigename(datei); // "Albrecht.L"
        const BytesErgebnis g = bytesLesen(b.ordner + datei, kGrenzeFremdeDatei);
        QTextDocument doc;
        if (!g.ok() || !rtfLesen(g.bytes, doc).ok()) {
            l.unlesbar << datei;
            continue;
        }
        l.eintraege << eintragAusNamenszeile(
            datei, kurz.chopped(std::min<qsizetype>(2, kurz.size())), doc.firstBlock().text());
    }
    std::sort(l.eintraege.begin(), l.eintraege.end(), vorEintrag);
    return l;
}

} // namespace schuelerseite
