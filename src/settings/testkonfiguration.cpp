#include "settings/testkonfiguration.h"

#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "settings/konfigtexte.h"
#include "settings/konfiguration.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

const QString crlf = u"\r\n"_s;

// Ordnerangabe mit Trenner am Ende; leer bleibt leer.
QString ordnerWert(const QString &feld)
{
    return mitTrenner(feld);
}

} // namespace

QString lehrernameBereinigen(const QString &eingabe)
{
    static const std::pair<QChar, const char16_t *> umlaute[] = {
        {u'ä', u"ae"}, {u'ö', u"oe"}, {u'ü', u"ue"}, {u'Ä', u"Ae"},
        {u'Ö', u"Oe"}, {u'Ü', u"Ue"}, {u'ß', u"ss"},
    };
    QString s = eingabe.left(20);
    for (const auto &[zeichen, ersatz] : umlaute) {
        s.replace(zeichen, QString::fromUtf16(ersatz));
    }
    s = s.left(20).toLower();
    QString ergebnis;
    for (const QChar c : std::as_const(s)) {
        if ((c >= u'a' && c <= u'z') || c == u';') {
            ergebnis.append(c);
        }
    }
    if (!ergebnis.isEmpty()) {
        ergebnis[0] = ergebnis[0].toUpper();
    }
    return ergebnis;
}

int konfigurationsNummer(const QString &wert)
{
    if (wert.isEmpty()) {
        return 0;
    }
    const QChar c = wert.at(0);
    return (c >= u'1' && c <= u'3') ? c.digitValue() : 0;
}

TestKonfiguration::TestKonfiguration(Einstellungen &e, Konfiguration &k, Rueckfragen &r)
    : e(e)
    , k(k)
    , r(r)
{}

QString schuelerProgrammDatei(const Einstellungen &e)
{
    const QString eigenes =
        e.programmOrdner + kSchulserverOrdnerName + kTrenner + kSchuelerProgrammName;
    if (istGewoehnlicheDatei(eigenes) || e.installierterSchuelerOrdner.isEmpty()) {
        return eigenes;
    }
    return e.installierterSchuelerOrdner + kSchuelerProgrammName;
}

KonfigFelder TestKonfiguration::felderKonfiguration1() const
{
    const QString p = e.programmOrdner + kSchulserverOrdnerName;
    return {p, p + kTrenner + u"Ausgabe"_s + kTrenner, p + kTrenner + u"Abgabe"_s + kTrenner,
            p + kTrenner + u"Rueckgabe"_s + kTrenner, p + kTrenner + u"Schueler"_s + kTrenner};
}

QString TestKonfiguration::lokaleSchuelerCf() const
{
    return e.basisOrdner + kSchulserverOrdnerName + kTrenner + kSchuelerCfName;
}

void TestKonfiguration::Konf1oder3Speichern(const KonfigFelder &f, int n)
{
    k.schreibeInDateiDenOrdner(e.lehrerCfDatei(), f.mivoProgrammOrdner, Kopf::programmOrdner);
    const QString lokal = e.programmOrdner + kSchulserverOrdnerName + kTrenner + kSchuelerCfName;
    k.schreibeInDateiDenOrdner(lokal, f.ausgabe, Kopf::testAusgabe);
    k.schreibeInDateiDenOrdner(lokal, f.abgabe, Kopf::testAbgabe);
    k.schreibeInDateiDenOrdner(lokal, f.rueckgabe, Kopf::testRueckgabe);
    k.schreibeInDateiDenOrdner(lokal, f.schueler, Kopf::schueler);
    e.ausgabeOrdner = ordnerWert(f.ausgabe);
    e.abgabeOrdner = ordnerWert(f.abgabe);
    e.rueckgabeOrdner = ordnerWert(f.rueckgabe);
    k.schreibeInDateiDenOrdner(e.lehrerCfDatei(), QString::number(n), Kopf::ordnerkonfiguration);
}

void TestKonfiguration::Konf2Speichern(const KonfigFelder &f)
{
    k.schreibeInDateiDenOrdner(e.lehrerCfDatei(), f.mivoProgrammOrdner, Kopf::programmOrdner);
    k.schreibeInDateiDenOrdner(e.lehrerCfDatei(), u"2"_s, Kopf::ordnerkonfiguration);
    e.ausgabeOrdner = ordnerWert(f.ausgabe);
    e.abgabeOrdner = ordnerWert(f.abgabe);
    e.rueckgabeOrdner = ordnerWert(f.rueckgabe);
}

void TestKonfiguration::transferOrdnerErstellen(const KonfigFelder &f)
{
    QStringList ordner{f.ausgabe, f.abgabe, f.rueckgabe};
    if (f.schueler.contains(kSchulserverOrdnerName)) {
        ordner.append(f.schueler);
    }
    for (const QString &o : std::as_const(ordner)) {
        if (o.isEmpty() || istEchterOrdner(o)) {
            continue;
        }
        // Relative Angaben ("H:\" auf diesem System) wuerden im Arbeitsordner landen.
        if (!QDir::isAbsolutePath(o) || !ordnerAnlegen(o)) {
            r.fehler(u"Das Verzeichnis  "_s + o + u"  kann nicht erstellt werden!"_s);
        }
    }
}

void TestKonfiguration::UebergabeOrdnerLesenUndZeigen(KonfigFelder &f)
{
    e.schuelerCfDatei = f.mivoProgrammOrdner.isEmpty()
                            ? QString()
                            : mitTrenner(f.mivoProgrammOrdner) + kSchuelerCfName;
    f.ausgabe = k.leseAusDateiDenOrdner(e.schuelerCfDatei, Kopf::testAusgabe);
    f.abgabe = k.leseAusDateiDenOrdner(e.schuelerCfDatei, Kopf::testAbgabe);
    f.rueckgabe = k.leseAusDateiDenOrdner(e.schuelerCfDatei, Kopf::testRueckgabe);
    f.schueler = k.leseAusDateiDenOrdner(e.schuelerCfDatei, Kopf::schueler);
}

void TestKonfiguration::UebergabeOrdnerLesenPruefenUndZeigen(KonfigFelder &f)
{
    UebergabeOrdnerLesenUndZeigen(f);
    for (const auto &[o, kopf] :
         {std::pair{f.ausgabe, Kopf::testAusgabe}, std::pair{f.abgabe, Kopf::testAbgabe},
          std::pair{f.rueckgabe, Kopf::testRueckgabe}}) {
        // Eine unbrauchbare Angabe ist beim Lesen schon gemeldet.
        if (o.isEmpty() && e.ordnerFehler.contains(kopf)) {
            continue;
        }
        if (!istEchterOrdner(o)) {
            r.fehler(u"Das Verzeichnis   "_s + o + u"   existiert nicht!"_s + crlf +
                     u"Wenden Sie sich an den Administrator. Er sollte den Ordner erstellen."_s);
        }
    }
}

void TestKonfiguration::schuelerprogrammInNeuenOrdnerKopieren(const QString &ordner)
{
    const QString ziel = mitTrenner(ordner);
    if (!QDir::isAbsolutePath(ziel) || !ordnerAnlegen(ziel)) {
        r.fehler(u"Das Verzeichnis  "_s + ziel + u"  kann nicht erstellt werden!"_s);
        return;
    }
    const QString quelle = e.programmOrdner + kSchulserverOrdnerName + kTrenner;
    if (QDir(quelle).canonicalPath() == QDir(ziel).canonicalPath()) {
        return;
    }
    for (const QString &name : {kSchuelerProgrammName, kSchuelerCfName}) {
        const QString von =
            name == kSchuelerProgrammName ? schuelerProgrammDatei(e) : quelle + name;
        // Ohne Schuelerprogramm ist die Installation nicht vollstaendig: das wird gesagt.
        if (!dateiKopieren(von, ziel + name, true)) {
            r.warnung(u"Die Datei  "_s + von + u"  konnte nicht nach  "_s + ziel +
                      u"  kopiert werden!"_s);
        } else if (name == kSchuelerProgrammName) {
            QFile::setPermissions(ziel + name, QFile::permissions(von) | QFile::WriteOwner);
        }
    }
}

void TestKonfiguration::BeispielDateienInDenAktSchuljahresOrdnerkopieren(const QDate &heute)
{
    const QString s = e.basisOrdner + kBeispielSchuljahr + u" Beispiele"_s + kTrenner;
    const QString y = e.basisOrdner + aktuellesSchuljahr(heute).left(7);
    if (!istEchterOrdner(y) && !ordnerAnlegen(y)) {
        r.fehler(u"Der Schuljahresordner konnte nicht erstellt werden!"_s);
        return;
    }
    const QString t = y + kTrenner + kBeispielTest + kTrenner;
    if (!istEchterOrdner(t) && !ordnerAnlegen(t)) {
        r.fehler(u"Der Testordner konnte nicht erstellt werden!"_s);
        return;
    }
    const QString testName = kBeispielTest + u".__A"_s;
    if (!dateiKopieren(s + kBeispielTest + kTrenner + testName, t + testName, true)) {
        r.fehler(u"Der Beispieltest konnte nicht bereit gestellt werden!"_s);
    }
    const QString bilder = s + kBeispielTest + kTrenner + u"Bilder"_s + kTrenner;
    if (istEchterOrdner(bilder)) {
        const QString zielBilder = t + u"Bilder"_s + kTrenner;
        if (!istEchterOrdner(zielBilder) && !ordnerAnlegen(zielBilder)) {
            r.fehler(u"Der Ordner 'Bilder' konnte im Testordner nicht erstellt werden!"_s);
            return;
        }
        for (const QString &name : dateienNachMuster(bilder, u"*"_s)) {
            if (name.startsWith(u'.')) {
                continue;
            }
            if (!dateiKopieren(bilder + name, zielBilder + name, true)) {
                r.fehler(u"Eine Bilderdatei konnte nicht bereit gestellt werden!"_s);
            }
        }
    }
    const QString ys = y + kTrenner;
    if (!dateiKopieren(s + u"L-7x-Ph.DTA"_s, ys + u"L-7x-Ph.DTA"_s, true)) {
        r.fehler(u"Die Beispielklasse konnte nicht bereit gestellt werden!"_s);
    }
    if (!dateiKopieren(s + u"K-9-Inx.DTA"_s, ys + u"K-9-Inx.DTA"_s, true)) {
        r.fehler(u"Die Beispielklasse 2 konnte nicht bereit gestellt werden!"_s);
    }
}

TestKonfiguration::Anfangswerte TestKonfiguration::anfangsKonfLaden()
{
    Anfangswerte w;
    e.speicherErfolg = true;
    QString konf = k.leseAusDateiDenOrdner(e.lehrerCfDatei(), Kopf::ordnerkonfiguration);
    if (e.schuelerCfDatei.isEmpty()) {
        konf = u"1"_s;
    }
    e.ordnerkonfiguration = konf.left(1);
    if (e.ordnerkonfiguration != u"1"_s) {
        w.mivoProgrammOrdner = k.leseAusDateiDenOrdner(e.lehrerCfDatei(), Kopf::programmOrdner);
    } else {
        w.mivoProgrammOrdner = e.basisOrdner + kSchulserverOrdnerName + kTrenner;
        k.schreibeInDateiDenOrdner(e.lehrerCfDatei(), w.mivoProgrammOrdner, Kopf::programmOrdner);
        // Sonst schriebe das Speichern den Schulnamen in eine leere Pfadangabe.
        e.schuelerCfDatei = w.mivoProgrammOrdner + kSchuelerCfName;
    }
    // Ohne (brauchbaren) Ordner gibt es keine Mivo-cf.txt; nie eine im Arbeitsordner lesen.
    const QString schule =
        w.mivoProgrammOrdner.isEmpty()
            ? QString()
            : k.leseAusDateiDenOrdner(w.mivoProgrammOrdner + kSchuelerCfName, Kopf::schule);
    w.schulname = schule.isEmpty() ? QString() : schule.chopped(1);
    if (k.leseOptionen()) {
        w.lehrername = wertNachKopf(k.optionenPuffer, Kopf::lehrername).value_or(QString());
    }
    return w;
}

bool TestKonfiguration::anfangsKonfSpeichern(const QString &schulname, const QString &lehrername)
{
    const QString lehrer = lehrernameBereinigen(lehrername);
    pauseVorNeuschreiben();
    e.schulname = schulname + kTrenner;
    e.lehrername = lehrer + kTrenner;
    e.speicherErfolg = true;

    // Frisch lesen: ein Puffer vom Oeffnen des Dialogs wuerde inzwischen gespeicherte
    // Ordnerkonfigurationen zuruecksetzen.
    if (!k.leseOptionen()) {
        e.speicherErfolg = false;
    } else if (!wertNachKopfSetzen(k.optionenPuffer, Kopf::lehrername, lehrer)) {
        e.speicherErfolg = false;
        r.fehler(u"In der Datei "_s + e.lehrerCfDatei() + u" fehlt der Abschnitt "_s +
                 Kopf::lehrername + u"; der Lehrername wurde nicht gespeichert."_s);
    } else {
        k.speichereOptionen();
    }

    const QString lokal = lokaleSchuelerCf();
    k.schreibeInDateiDenOrdner(lokal, e.schulname, Kopf::schule);
    if (QDir::cleanPath(e.schuelerCfDatei) != QDir::cleanPath(lokal)) {
        k.schreibeInDateiDenOrdner(e.schuelerCfDatei, e.schulname, Kopf::schule);
    }
    if (e.speicherErfolg) {
        r.information(KonfigText::anfangsKonfGespeichert());
    }
    return e.speicherErfolg;
}
