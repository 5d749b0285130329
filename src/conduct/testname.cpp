#include "conduct/testname.h"

#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"

using namespace Qt::StringLiterals;

QString klassenCode(const QString &klassentext)
{
    if (klassentext.isEmpty() || klassentext.contains(u'.')) {
        return u".."_s;
    }
    if (klassentext.size() == 1) {
        return klassentext + u'.';
    }
    QString k = klassentext;
    if (k[0] == u'1' && k[1] >= u'0' && k[1] <= u'3') {
        k.remove(0, 1);
    }
    return k.size() == 1 ? k + u'.' : k.left(2);
}

QString klassenPraefix(const QString &code)
{
    return !code.isEmpty() && code[0] >= u'0' && code[0] <= u'3' ? u"1"_s : u" "_s;
}

QString klasseAnzeige(const QString &code)
{
    return klassenPraefix(code) == u"1"_s ? u'1' + code : code;
}

QString testKuerzelBilden(const QString &klassentext, const QString &fachEintrag,
                          const QString &nummer, const QString &thema)
{
    QString k = klassenCode(klassentext);
    k += fachEintrag.size() >= 2 ? fachBuchstabe(fachEintrag) : u'.';
    k += nummer.size() == 1 ? nummer[0] : u'.';
    QString t = thema.left(4);
    while (t.size() < 4) {
        t += u'.';
    }
    return k + t;
}

bool passtAufFilter(const QString &name, const QString &filter)
{
    if (name.size() != filter.size()) {
        return false;
    }
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (filter[i] != u'.' && name[i].toUpper() != filter[i].toUpper()) {
            return false;
        }
    }
    return true;
}

bool istTestnummer(QChar c)
{
    return kTestnummern.contains(c.toUpper());
}

bool istTestordnerName(const QString &name)
{
    return name.size() == 8 && name[0] >= u'0' && name[0] <= u'9' && istTestnummer(name[3]);
}

bool kuerzelVollstaendig(const QString &code)
{
    // Nur die zweite Stelle darf ein Fuellpunkt sein: Klasse "7" wird "7.".
    return code.size() == 8 && code[0] != u'.' && !code.mid(2).contains(u'.');
}

QString TestPfade::schuljahrOrdner() const
{
    return ::schuljahrOrdner(basisOrdner, schuljahr);
}
QString TestPfade::testOrdner() const
{
    return schuljahrOrdner() + testKuerzel + kTrenner;
}
QString TestPfade::relativerOrdner() const
{
    return schuljahr + kTrenner + testKuerzel + kTrenner;
}
QString TestPfade::vorlagenStamm() const
{
    return testOrdner() + testKuerzel + u".__"_s;
}
QString TestPfade::kopienOrdner() const
{
    return testOrdner() + u"T1-Kopie"_s + kTrenner;
}
QString TestPfade::abgabenOrdner() const
{
    return testOrdner() + u"T2-Ausge"_s + kTrenner;
}
QString TestPfade::benotetOrdner() const
{
    return testOrdner() + u"T3-Benot"_s + kTrenner;
}
QString TestPfade::bilderOrdner() const
{
    return testOrdner() + u"Bilder"_s + kTrenner;
}
QString TestPfade::protokollDatei() const
{
    return abgabenOrdner() + u"Testbearbeitung.ind"_s;
}
QString TestPfade::zusammenfassung() const
{
    return benotetOrdner() + u"Zusammenfassung.Doc"_s;
}

// ---- Listen -------------------------------------------------------------------------------

namespace {

// Zeilen bis zum Ende oder zur ersten leeren Zeile.
std::optional<QStringList> listeLesen(const QString &pfad)
{
    const ZeilenErgebnis g = ansiZeilenLesen(pfad, 1024 * 1024);
    if (!g.ok()) {
        return std::nullopt;
    }
    QStringList aus;
    for (const QString &z : g.zeilen) {
        if (z.isEmpty()) {
            break;
        }
        aus << z;
    }
    return aus;
}

} // namespace

QString fachAnzeige(const QString &z)
{
    const QString zeile = z.left(254);
    return zeile.mid(3) + u" ("_s + zeile.left(1) + u')';
}

QString fachDateiform(const QString &eintrag)
{
    if (eintrag.size() < 4) {
        return eintrag;
    }
    return fachBuchstabe(eintrag) + u"- "_s + eintrag.chopped(4);
}

QStringList klassenAuswahl()
{
    QStringList klassen{u"..."_s};
    for (int stufe = 7; stufe <= 13; ++stufe) {
        for (const QChar c : {u'a', u'b', u'c', u'd', u'e'}) {
            klassen << QString::number(stufe) + c;
        }
    }
    return klassen;
}

QChar fachBuchstabe(const QString &eintrag)
{
    return eintrag.size() >= 2 ? eintrag[eintrag.size() - 2] : QChar(u'.');
}

void kursbuchstabePruefen(const QString &pfad, const QStringList &eintraege, Rueckfragen &r)
{
    QStringList mitK;
    for (qsizetype i = 1; i < eintraege.size(); ++i) {
        if (fachBuchstabe(eintraege[i]) == kKursbuchstabe) {
            mitK << eintraege[i].chopped(std::min<qsizetype>(4, eintraege[i].size()));
        }
    }
    if (!mitK.isEmpty()) {
        r.warnung(u"In der Fächerliste "_s + pfad + u" hat "_s + mitK.join(u", "_s) +
                  u" den Buchstaben K. Der Buchstabe K ist für Kurse reserviert: Ein Test mit "
                  "diesem Fachbuchstaben wird als Kurstest behandelt und sucht eine Kursdatei "
                  "(K-...). Bitte in der Fächerliste einen anderen Buchstaben wählen."_s);
    }
}

QStringList faecherLesen(const QString &basisOrdner, Rueckfragen &r)
{
    const QString pfad = basisOrdner + kFaecherliste;
    const std::optional<QStringList> zeilen = listeLesen(pfad);
    if (!zeilen) {
        r.warnung(u"Fehler beim Lesen der Datei: "_s + pfad +
                  u"\r\nHaben Sie die Konfigurationsdatei  Mivo-Kl-cf.txt  nach "
                  "Bedienungsanleitung angepasst?"_s);
        return {};
    }
    QStringList eintraege;
    for (qsizetype i = 0; i < zeilen->size() && i < kMaxFaecher; ++i) {
        eintraege << (i == 0 ? zeilen->at(0) : fachAnzeige(zeilen->at(i)));
    }
    kursbuchstabePruefen(pfad, eintraege, r);
    return eintraege;
}

bool faecherSpeichern(const QString &basisOrdner, const QStringList &eintraege, Rueckfragen &r)
{
    QStringList zeilen;
    for (qsizetype i = 0; i < eintraege.size() && i < kMaxFaecher; ++i) {
        zeilen << (i == 0 ? eintraege[0] : fachDateiform(eintraege[i]));
    }
    const QString pfad = basisOrdner + kFaecherliste;
    if (!ansiZeilenSchreiben(pfad, zeilen).ok()) {
        r.fehler(u"Fehler beim Speichern Datei: "_s + pfad);
        return false;
    }
    return true;
}

bool fachUebernehmen(const QString &basisOrdner, QStringList &eintraege, const QString &text,
                     Rueckfragen &r)
{
    if (text == u"..."_s || eintraege.contains(text) || eintraege.size() >= kMaxFaecher) {
        return false;
    }
    if (r.frage(Rueckfragen::Art::Frage,
                u"Möchten Sie die Fächerangabe \""_s + text + u"\" in die Liste übernehmen?"_s,
                Rueckfragen::Knoepfe::JaNein) == Rueckfragen::Knopf::Nein) {
        return false;
    }
    eintraege << text;
    kursbuchstabePruefen(basisOrdner + kFaecherliste, {QString(), text}, r);
    return faecherSpeichern(basisOrdner, eintraege, r);
}

QStringList themenLesen(const QString &basisOrdner, Rueckfragen &r)
{
    const QString pfad = basisOrdner + kThemenliste;
    const std::optional<QStringList> zeilen = listeLesen(pfad);
    if (!zeilen) {
        r.warnung(u"Fehler beim Lesen der Datei:  "_s + pfad +
                  u"\r\nDie Themenliste wird neu erstellt."_s);
        return {u"..."_s};
    }
    if (zeilen->isEmpty()) {
        return {u"..."_s};
    }
    return *zeilen;
}

bool themenSpeichern(const QString &basisOrdner, const QStringList &eintraege, Rueckfragen &r)
{
    const QString pfad = basisOrdner + kThemenliste;
    if (!ansiZeilenSchreiben(pfad, eintraege).ok()) {
        r.fehler(u"Fehler beim Speichern der Datei:  "_s + pfad);
        return false;
    }
    return true;
}

namespace {

bool kuerzelTeilOk(const QString &text)
{
    if (text.size() < 4) {
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        if (!text[i].isLetterOrNumber()) {
            return false;
        }
    }
    return true;
}

const QString kThemenAufbau = u"Die Themenzeile muss folgendermaßen aufgebaut sein:\r\n"
                              "4 Buchstaben bzw. Ziffern (z.B. Abkürzung f. Themenfeld)\r\n"_s;

} // namespace

bool themaPlausibel(QString &text, Rueckfragen &r)
{
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    const bool ok = kuerzelTeilOk(text) && (text.size() < 6 || text.mid(4, 2) == u"- "_s);
    if (!ok) {
        r.fehler(kThemenAufbau +
                 u"danach folgt ein Minuszeichen, danach ein Leerzeichen und erst\r\n"
                 "danach folgt das ausformulierte Thema."_s);
    }
    return ok;
}

bool neuThemenEintragOK(const QString &text)
{
    return text.size() >= 11 && kuerzelTeilOk(text) && text.mid(4, 2) == u"- "_s;
}

void themaUngueltigMelden(Rueckfragen &r)
{
    r.fehler(kThemenAufbau + u"dann folgt ein Minuszeichen, danach ein Leerzeichen und erst\r\n"
                             "danach folgt das ausformulierte Thema (mind. 5 Buchstaben)."_s);
}

bool themaUebernehmen(const QString &basisOrdner, QStringList &eintraege, const QString &text,
                      Rueckfragen &r)
{
    if (eintraege.contains(text) || !neuThemenEintragOK(text)) {
        return false;
    }
    if (r.frage(Rueckfragen::Art::Frage,
                u"Möchten Sie die Themenangabe \""_s + text +
                    u"\" in die Themenliste übernehmen?"_s,
                Rueckfragen::Knoepfe::JaNein) == Rueckfragen::Knopf::Nein) {
        return false;
    }
    eintraege << text;
    return themenSpeichern(basisOrdner, eintraege, r);
}
