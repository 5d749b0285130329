#include "conduct/katalog.h"

#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rtf/rtf.h"
#include "common/rtf/zeilenmodell.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "conduct/testname.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTextDocument>

using namespace Qt::StringLiterals;

std::optional<TestArt> testArtAusText(const QString &text)
{
    if (text == u"Alle"_s) {
        return TestArt::Alle;
    }
    if (text == u"Multiple Choice"_s) {
        return TestArt::MultipleChoice;
    }
    if (text == u"Lückentext"_s) {
        return TestArt::Lueckentext;
    }
    if (text == u"Grafiklegende"_s) {
        return TestArt::Grafiklegende;
    }
    return std::nullopt;
}

QString testBeschreibung(const QString &zeile4)
{
    return zeile4.mid(zeile4.indexOf(u':') + 2, 54);
}

namespace {

// Die ersten vier Zeilen, ohne die ganze Datei zu lesen; nullopt, wenn sie sich nicht oeffnen
// laesst.
std::optional<QString> vierteZeile(const QString &pfad)
{
    QFile f(pfad);
    if (!istGewoehnlicheDatei(pfad) || !f.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray kopf = f.read(16 * 1024);
    qsizetype ende = -1;
    for (int i = 0; i < 4; ++i) {
        ende = kopf.indexOf('\n', ende + 1);
        if (ende < 0) {
            break;
        }
    }
    if (ende >= 0) {
        kopf.truncate(ende + 1);
    }
    if (kopf.contains('\0')) {
        return std::nullopt;
    }
    return zeilenAufteilen(ansiDekodieren(kopf)).value(3);
}

// Rich-Text-Vorlage eines Lueckentests: Zeile 4 im Zeilenmodell (eine Zeile je Absatz), mit dem
// RTF-Leser gelesen, damit \uN-Zeichen, \line und Kopf-/Fusszeilen wie im Editor zaehlen.
std::optional<QString> rtfZeile4(const QString &pfad)
{
    QTextDocument doc;
    if (!rtfDateiLaden(pfad, doc).isEmpty()) {
        return std::nullopt;
    }
    return Zeilenmodell(doc).zeile(3);
}

QString lueckentextBeschreibung(const QStringList &themen, const QString &thema)
{
    for (const QString &t : themen) {
        if (t.size() > 6 && t.left(4).compare(thema, Qt::CaseInsensitive) == 0 &&
            t.mid(4, 2) == u"- "_s) {
            return t.mid(6, 54);
        }
    }
    return u"Lückentext"_s;
}

} // namespace

Katalog vorhandeneTestsEinlesen(const QString &basisOrdner, const QString &schuljahr,
                                const QString &filter, TestArt art, QStringList &themen,
                                Rueckfragen &r, Vorlagenspeicher *speicher)
{
    Katalog k;
    QStringList neueKuerzel;
    // Bekannte Themenkuerzel (gross), damit nicht jeder Test die ganze Themenliste durchsucht.
    QSet<QString> bekannteThemen;
    for (const QString &t : themen) {
        for (qsizetype n = 0; n <= std::min<qsizetype>(4, t.size()); ++n) {
            bekannteThemen.insert(t.left(n).toUpper());
        }
    }
    const QString jahrMuster = schuljahr == u"..."_s ? u"*"_s : schuljahr.left(7) + u'*';
    for (const QString &jahr : ordnerNachMuster(basisOrdner, jahrMuster)) {
        if (!istSchuljahrOrdnerName(jahr)) {
            continue;
        }
        const QString jahrOrdner = basisOrdner + jahr + kTrenner;
        for (const QString &code : ordnerNachMuster(jahrOrdner)) {
            if (!istTestordnerName(code) || !passtAufFilter(code, filter)) {
                continue;
            }
            const QString stamm = jahrOrdner + code + kTrenner + code;
            QStringList kandidaten;
            if (art == TestArt::Alle || art == TestArt::MultipleChoice) {
                kandidaten << stamm + u".__A"_s;
            }
            if (art == TestArt::Alle || art == TestArt::Lueckentext) {
                kandidaten << stamm + u"._LA"_s;
            }
            if (art == TestArt::Alle || art == TestArt::Grafiklegende) {
                kandidaten << stamm + u"._GA"_s;
            }
            QString vorlage;
            for (const QString &pfad : kandidaten) {
                if (QFile::exists(pfad)) {
                    vorlage = pfad;
                    break;
                }
            }
            if (vorlage.isEmpty()) {
                continue;
            }
            std::optional<QString> zeile4;
            const QFileInfo info(vorlage);
            Vorlagenspeicher::Eintrag *gemerkt = speicher ? &speicher->eintraege[vorlage] : nullptr;
            if (gemerkt && gemerkt->groesse == info.size() &&
                gemerkt->geaendert == info.lastModified()) {
                zeile4 = gemerkt->zeile4;
            } else {
                zeile4 = vorlage.endsWith(u"._LA"_s) ? rtfZeile4(vorlage) : vierteZeile(vorlage);
                if (gemerkt) {
                    *gemerkt = zeile4 ? Vorlagenspeicher::Eintrag{info.size(), info.lastModified(),
                                                                  *zeile4}
                                      : Vorlagenspeicher::Eintrag{};
                }
            }
            if (!zeile4) {
                r.fehler(u"Die Datei "_s + vorlage + u" lässt sich nicht öffnen!"_s);
                continue;
            }
            QString beschreibung = testBeschreibung(*zeile4);
            const QString thema = code.mid(4, 4);
            // Die Urdatei eines Lueckentests hat keine Themenzeile (Zeile 4 ist ihr Listenkopf):
            // er heisst nach seinem Thema aus der Themenliste, sonst schlicht "Lückentext".
            const bool ohneThemenzeile = vorlage.endsWith(u"._LA"_s) && !zeile4->contains(u':');
            if (ohneThemenzeile) {
                beschreibung = lueckentextBeschreibung(themen, thema);
            }
            if (!ohneThemenzeile && !bekannteThemen.contains(thema.toUpper())) {
                QString eintrag = thema + u"- "_s + beschreibung;
                while (eintrag.endsWith(u' ')) {
                    eintrag.chop(1);
                }
                themen << eintrag;
                for (qsizetype n = 0; n <= std::min<qsizetype>(4, eintrag.size()); ++n) {
                    bekannteThemen.insert(eintrag.left(n).toUpper());
                }
                neueKuerzel << thema;
                ++k.neueThemen;
            }
            k.zeilen << klassenPraefix(code) + code + u"   "_s + beschreibung.leftJustified(55) +
                            jahr;
        }
    }
    if (k.neueThemen > 0) {
        themenSpeichern(basisOrdner, themen, r);
        if (!(neueKuerzel.size() == 1 && neueKuerzel[0] == u"Bspl"_s)) {
            r.information(u"Es wurden in den Testordnern "_s + QString::number(k.neueThemen) +
                          u" neue(s) Themenkürzel gefunden!\n\rDie Themenliste ("_s + kThemenliste +
                          u") wurde entsprechend ergänzt,\n\r"
                          "sollte aber überprüft werden."_s);
        }
    }
    return k;
}

QChar eineMehrAlsVorhanden(const QStringList &katalogzeilen)
{
    // Die Nummer nach der des letzten Eintrags (Ordnerfolge: "1".."9", dann "A".."H"); nach "H"
    // wieder "1".
    QChar ergebnis = kTestnummern[0];
    for (const QString &z : katalogzeilen) {
        const qsizetype i = z.size() >= 5 ? kTestnummern.indexOf(z[4].toUpper()) : -1;
        if (i >= 0) {
            ergebnis = kTestnummern[(i + 1) % kTestnummern.size()];
        }
    }
    return ergebnis;
}

QString kuerzelAusZeile(const QString &zeile)
{
    return zeile.mid(1, 8);
}

QString schuljahrAusZeile(const QString &zeile)
{
    return zeile.right(7);
}

bool testLoeschen(const QString &testOrdner, Rueckfragen &r)
{
    if (r.frage(Rueckfragen::Art::Warnung,
                u"Soll die Test-Datei: "_s + testOrdner +
                    u"\r\nunwiderruflich mit allen Schülertest- und Bilddateien gelöscht werden?"_s,
                Rueckfragen::Knoepfe::JaNeinAbbruch) != Rueckfragen::Knopf::Ja) {
        return false;
    }
    baumLoeschen(mitTrenner(testOrdner) + u"Bilder"_s);
    if (!baumLoeschen(testOrdner)) {
        r.fehler(u"Die Test-Datei: "_s + testOrdner + u"\r\nkonnte nicht gelöscht werden!"_s);
        return false;
    }
    r.information(u"Die Test-Datei: "_s + testOrdner +
                  u"\r\nwurde (mit allen Schülertest- und Bilddateien) gelöscht."_s);
    return true;
}
