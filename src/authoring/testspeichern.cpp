#include "authoring/testspeichern.h"

#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "conduct/katalog.h"
#include "conduct/testdokument.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

bool ziffer19(QChar c)
{
    return c >= u'1' && c <= u'9';
}

bool gleicherPfad(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty()) {
        return false;
    }
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

QString ordnerVon(const QString &pfad)
{
    return mitTrenner(QFileInfo(pfad).absolutePath());
}

// Kopiert die Bilder eines Tests; ein Platz (NN-d), der im Ziel schon ein Bild hat, behaelt es,
// sonst stuenden zwei Bilder fuer eine Antwort da.
bool bilderMitnehmen(const QString &von, const QString &nach)
{
    const QStringList dateien = dateienNachMuster(von, u"*.jpg"_s);
    if (dateien.isEmpty()) {
        return true;
    }
    if (!ordnerAnlegen(nach)) {
        return false;
    }
    bool ok = true;
    for (const QString &d : dateien) {
        if (d.size() < 4 || !dateienNachMuster(nach, d.left(4) + u"*.jpg"_s).isEmpty()) {
            continue;
        }
        ok = dateiKopieren(von + d, nach + d, false) && ok;
    }
    return ok;
}

// Die Vorlage der Gruppe B neben einer Vorlage der Gruppe A ("....__A"); leer fuer andere Dateien.
QString gruppeBNeben(const QString &pfad)
{
    if (!pfad.endsWith(u".__A"_s, Qt::CaseInsensitive)) {
        return {};
    }
    return pfad.chopped(1) + (pfad.back() == u'a' ? u'b' : u'B');
}

// Die Antwortfolge der vorhandenen B-Vorlage, je Frage gegen die bisherige A-Vorlage (mit ihr
// zugleich geschrieben: gleiche Texte, die Loesungszeile trennt gleiche Texte), sonst gegen die
// neue. nullopt mit Grund, wenn die Zahl der Aufgaben nicht mehr stimmt oder eine Frage offen
// bleibt.
std::optional<Buchstabenzuordnung> bisherigeFolge(const QStringList &altA, const QStringList &neuA,
                                                  const QStringList &b, int fragen, QString &grund)
{
    if (fragezeilen(b).size() != fragen || fragen > kMaxFragen) {
        grund = u"Die Zahl der Aufgaben hat sich geändert."_s;
        return std::nullopt;
    }
    const Antworten ab = antwortenJeFrage(b), aa = antwortenJeFrage(altA),
                    an = antwortenJeFrage(neuA);
    Buchstabenzuordnung folge = gleicheBuchstaben();
    for (int q = 1; q <= fragen; ++q) {
        std::optional<std::array<qint8, 4>> z;
        for (const Antworten *a : {&aa, &an}) {
            for (const bool mitLoesung : {true, false}) {
                if (!z) {
                    z = antwortenZuordnen((*a)[q], ab[q], mitLoesung);
                }
            }
        }
        if (!z) {
            grund = u"Die Antworten von Aufgabe "_s + QString::number(q) +
                    u" lassen sich denen der bisherigen Vorlage nicht zuordnen."_s;
            return std::nullopt;
        }
        folge[q] = *z;
    }
    return folge;
}

// Die Vorlage B folgt jeder Aenderung von A und behaelt dabei ihre Antwortfolge: mit ihr wurde
// schon ausgeteilt. Geht das nicht, bleibt B, wie sie ist, mit einer Warnung.
void gruppeBFolgen(const QString &pfadB, const QStringList &altA, const QStringList &neuA,
                   Rueckfragen &r)
{
    const ZeilenErgebnis b = ansiZeilenLesen(pfadB);
    QString grund;
    std::optional<QStringList> neuB;
    if (!b.ok()) {
        grund = b.fehler.meldung();
    } else if (const std::optional<Buchstabenzuordnung> folge =
                   bisherigeFolge(altA, neuA, b.zeilen, int(fragezeilen(neuA).size()), grund)) {
        neuB = gruppeBInFolge(neuA, *folge, int(fragezeilen(neuA).size()));
        if (!neuB) {
            grund = u"Die Vorlage für Gruppe A ist noch nicht vollständig (je Aufgabe die "
                    "Antworten a) bis d), eine davon mit der Punktezahl; Zeile 3 endet mit "
                    "\"A\")."_s;
        }
    }
    if (neuB && *neuB == b.zeilen) {
        return;
    }
    if (neuB) {
        const DateiFehler f = ansiZeilenSchreiben(pfadB, *neuB);
        if (f.ok()) {
            return;
        }
        grund = f.meldung();
    }
    r.warnung(u"Die Testvorlage für Gruppe B  "_s + pfadB + u"  wurde nicht angepasst. "_s + grund +
              u"\r\nBeim nächsten Austeilen bitte die Vorlage für Gruppe B neu erzeugen "
              "lassen."_s);
}

} // namespace

QString klasseAusKuerzel(const QString &code)
{
    QString k = klasseAnzeige(code);
    k.remove(u'.');
    return k;
}

SpeicherAngaben angabenAusKatalogzeile(const QString &zeile, const QStringList &faecher)
{
    SpeicherAngaben a;
    const QString kuerzel = kuerzelAusZeile(zeile);
    if (kuerzel.size() < 8) {
        return a;
    }
    a.schuljahr = schuljahrAusZeile(zeile);
    a.klasse = klasseAusKuerzel(kuerzel.left(2));
    for (const QString &f : faecher) {
        if (f.size() >= 2 && fachBuchstabe(f) == kuerzel[2]) {
            a.fach = f;
            break;
        }
    }
    a.nummer = kuerzel.mid(3, 1);
    // Beschreibung: nach dem Kuerzel drei Leerzeichen, dann 55 Zeichen, dann das Schuljahr.
    a.thema = kuerzel.mid(4, 4) + u"- "_s + zeile.mid(12, 55).trimmed();
    return a;
}

QString angabenFehler(const SpeicherAngaben &a, QString *feld)
{
    const auto fehlt = [&](const char *name, const QString &text) {
        if (feld) {
            *feld = QString::fromLatin1(name);
        }
        return text;
    };
    if (a.fach.contains(u'.') || a.fach.size() < 2) {
        return fehlt("fach", u"Das Fach muss angegeben werden."_s);
    }
    if (a.nummer.contains(u'.') || a.nummer.size() != 1) {
        return fehlt("nummer", u"Die Test-Nr. muss angegeben werden."_s);
    }
    // Ein Kuerzel mit "." laege in einem Ordner, den der Katalog nie zeigt.
    if (a.klasse.isEmpty() || a.klasse.contains(u'.')) {
        return fehlt("klasse", u"Die Klasse muss angegeben werden."_s);
    }
    if (a.thema.size() < 4 || a.thema.left(4).contains(u'.') || a.thema.left(4).contains(u' ')) {
        return fehlt("thema", u"Das Thema (mit seinem Themenkürzel) muss angegeben werden."_s);
    }
    if (!istSchuljahrOrdnerName(a.schuljahr)) {
        return fehlt("schuljahr", u"Das Schuljahr muss angegeben werden."_s);
    }
    return {};
}

QString kopfzeileTest(const SpeicherAngaben &a)
{
    QString art = u"Kl."_s;
    QString klasse = a.klasse;
    // Kurs nach dem Fachbuchstaben, nicht nach dem Namen: Kunst ("Kunst (A)") ist ein Fach.
    if (a.fach.size() >= 2 && fachBuchstabe(a.fach) == kKursbuchstabe) {
        art = u"Kurs"_s;
    } else if (!klasse.isEmpty() && ziffer19(klasse.back())) {
        art = u"Lg."_s;
        klasse.insert(klasse.size() - 1, u'.');
    }
    return a.fach.chopped(std::min<qsizetype>(3, a.fach.size())) + u"- Test Nr. "_s + a.nummer +
           QString(10, u' ') + art + u": "_s + klasse + QString(7, u' ') + u"Gruppe: A"_s;
}

QString kopfzeileThema(const SpeicherAngaben &a)
{
    return u"Thema: "_s + a.thema.mid(6);
}

void kopfzeilenSetzen(QStringList &zeilen, const SpeicherAngaben &a)
{
    while (zeilen.size() < 4) {
        zeilen << QString();
    }
    zeilen[2] = kopfzeileTest(a);
    zeilen[3] = kopfzeileThema(a);
}

QString nichtDarstellbarMeldung(const QString &zeichen)
{
    return u"Das Zeichen  \""_s + zeichen +
           u"\"  kann in einer Testdatei nicht gespeichert werden. "
           "Bitte ein anderes Zeichen verwenden."_s;
}

bool Test_speichern(const QStringList &zeilen, const QString &pfad, Rueckfragen &r)
{
    const QString kopf = u"Der Test  "_s + pfad + u"  konnte nicht gespeichert werden!"_s;
    if (!ordnerAnlegen(ordnerVon(pfad))) {
        r.fehler(kopf);
        return false;
    }
    const QString pfadB = gruppeBNeben(pfad);
    const bool mitB = !pfadB.isEmpty() && istGewoehnlicheDatei(pfadB);
    const QStringList altA = mitB ? ansiZeilenLesen(pfad).zeilen : QStringList();
    const DateiFehler f = ansiZeilenSchreiben(pfad, zeilen);
    if (!f.ok()) {
        r.fehler(kopf + u"\r\n"_s +
                 (f.art == DateiFehler::Art::NichtDarstellbar ? nichtDarstellbarMeldung(f.zeichen)
                                                              : f.meldung()));
        return false;
    }
    if (mitB) {
        gruppeBFolgen(pfadB, altA, zeilen, r);
    }
    if (const QString warnung = antwortfolgeWarnung(zeilen); !warnung.isEmpty()) {
        r.warnung(warnung);
    }
    return true;
}

QString testSpeichernUnter(QStringList &zeilen, const SpeicherAngaben &a,
                           const QString &basisOrdner, const QString &bisherigerPfad,
                           const QString &endung, Rueckfragen &r)
{
    if (const QString f = angabenFehler(a); !f.isEmpty()) {
        r.fehler(f);
        return {};
    }
    const TestPfade p = a.pfade(basisOrdner);
    const QString ziel = p.datei(endung);
    if (!gleicherPfad(ziel, bisherigerPfad) && QFileInfo::exists(ziel) &&
        r.frage(Rueckfragen::Art::Frage,
                u"Unter  "_s + ziel +
                    u"  ist bereits ein Test gespeichert.\r\nSoll er überschrieben werden?"_s,
                Rueckfragen::Knoepfe::JaNein) != Rueckfragen::Knopf::Ja) {
        return {};
    }
    QStringList neu = zeilen;
    kopfzeilenSetzen(neu, a);
    if (!Test_speichern(neu, ziel, r)) {
        return {};
    }
    zeilen = neu;
    // Die Bilder gehoeren zum Ordner des Tests; in einem neuen Ordner fehlten sie sonst.
    if (!bisherigerPfad.isEmpty() && ordnerVon(bisherigerPfad) != ordnerVon(ziel)) {
        if (!bilderMitnehmen(ordnerVon(bisherigerPfad) + u"Bilder"_s + kTrenner,
                             p.bilderOrdner())) {
            r.warnung(u"Die Bilder des Tests konnten nicht vollständig nach  "_s +
                      p.bilderOrdner() + u"  kopiert werden."_s);
        }
    }
    return ziel;
}

QStringList fragebogen(const QStringList &zeilen)
{
    // Kopf bis zur Leerzeile davor; schon die erste Antwort (Zeile 7) gehoert nicht dazu.
    constexpr int kKopf = 6;
    QStringList bogen;
    bool nehmen = false;
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString &z = zeilen[i];
        if (i < kKopf) {
            bogen << z;
            continue;
        }
        if (z.size() > 2) {
            if (ziffer19(z[0]) && (z[1] == u')' || z[2] == u')')) {
                nehmen = true;
            } else if (z[0] == u'\t' || z[1] == u'\t') {
                nehmen = false;
            }
        } else {
            nehmen = true;
        }
        if (!nehmen || z.isEmpty()) {
            continue;
        }
        if (z[0] == u'\t' || ziffer19(z[0]) || bogen.size() <= kKopf) {
            bogen << z;
        } else {
            bogen.last() += z;
        }
    }
    return bogen;
}
