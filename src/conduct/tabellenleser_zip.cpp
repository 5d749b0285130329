// Tabellen im ZIP-Behaelter: Office Open XML (.xlsx) und OpenDocument (.ods), entpackt mit QuaZip,
// gelesen mit QXmlStreamReader. Jeder Eintrag wird hoechstens bis kGrenzeTabelle entpackt.
#include "conduct/tabellenleser.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <QBuffer>
#include <QLocale>
#include <QXmlStreamReader>

#include <cmath>

using namespace Qt::StringLiterals;

std::optional<double> zahlAusText(const QString &text)
{
    QString t = text.trimmed();
    double teiler = 1.0;
    if (t.endsWith(u'%')) {
        t.chop(1);
        t = t.trimmed();
        teiler = 100.0;
    }
    if (t.isEmpty() || t.size() > 64) {
        return std::nullopt;
    }
    t.replace(u',', u'.');
    bool ok = false;
    const double d = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(d)) {
        return std::nullopt;
    }
    return d / teiler;
}

namespace {

std::optional<QByteArray> eintragLesen(QuaZip &zip, const QString &name)
{
    if (!zip.setCurrentFile(name, QuaZip::csInsensitive)) {
        return std::nullopt;
    }
    QuaZipFile f(&zip);
    if (!f.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray daten;
    char puffer[64 * 1024];
    for (;;) {
        const qint64 n = f.read(puffer, sizeof puffer);
        if (n < 0) {
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        if (daten.size() + n > kGrenzeTabelle) {
            return std::nullopt;
        }
        daten.append(puffer, n);
    }
    return daten;
}

struct Zip
{
    explicit Zip(const QByteArray &datei)
        : puffer(const_cast<QByteArray *>(&datei))
        , zip(&puffer)
    {
        puffer.open(QIODevice::ReadOnly);
        offen = zip.open(QuaZip::mdUnzip);
    }
    ~Zip()
    {
        if (offen) {
            zip.close();
        }
    }
    QBuffer puffer;
    QuaZip zip;
    bool offen = false;
};

// "D4" -> Spalte 4, Zeile 4; 0 bei Fehlern.
std::pair<int, int> zellbezug(QStringView r)
{
    int spalte = 0, zeile = 0;
    qsizetype i = 0;
    for (; i < r.size() && r[i].isLetter(); ++i) {
        spalte = spalte * 26 + (r[i].toUpper().unicode() - u'A' + 1);
        if (spalte > 20000) {
            return {0, 0};
        }
    }
    for (; i < r.size() && r[i].isDigit(); ++i) {
        zeile = zeile * 10 + r[i].digitValue();
        if (zeile > 10000000) {
            return {0, 0};
        }
    }
    return i == r.size() ? std::pair{spalte, zeile} : std::pair{0, 0};
}

QString attribut(const QXmlStreamReader &x, QStringView name)
{
    for (const QXmlStreamAttribute &a : x.attributes()) {
        if (a.name() == name) {
            return a.value().toString();
        }
    }
    return {};
}

// Text eines Elements mit allen Unterelementen (fuer <si>, <is>, <text:p>).
QString innererText(QXmlStreamReader &x, QStringView auslassen = {})
{
    QString t;
    int tiefe = 1;
    while (tiefe > 0 && !x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            if (!auslassen.isEmpty() && x.name() == auslassen) {
                x.skipCurrentElement();
            } else {
                ++tiefe;
            }
        } else if (x.isEndElement()) {
            --tiefe;
        } else if (x.isCharacters()) {
            t += x.text();
            if (t.size() > 4096) {
                t.truncate(4096);
            }
        }
    }
    return t;
}

} // namespace

SpaltenWerte spalteAusXlsx(const QByteArray &datei, const QString &blatt, int spalte, int von,
                           int bis)
{
    SpaltenWerte e;
    e.werte.assign(size_t(std::max(0, bis - von + 1)), std::nullopt);
    Zip z(datei);
    if (!z.offen) {
        e.fehler = u"kein ZIP-Behälter"_s;
        return e;
    }
    const std::optional<QByteArray> mappe = eintragLesen(z.zip, u"xl/workbook.xml"_s);
    const std::optional<QByteArray> bez = eintragLesen(z.zip, u"xl/_rels/workbook.xml.rels"_s);
    if (!mappe || !bez) {
        e.fehler = u"keine Office-Open-XML-Arbeitsmappe"_s;
        return e;
    }
    QString rid;
    for (QXmlStreamReader x(*mappe); !x.atEnd();) {
        if (x.readNext() == QXmlStreamReader::StartElement && x.name() == u"sheet"_s &&
            attribut(x, u"name").compare(blatt, Qt::CaseInsensitive) == 0) {
            rid = attribut(x, u"id");
            break;
        }
    }
    QString ziel;
    for (QXmlStreamReader x(*bez); !rid.isEmpty() && !x.atEnd();) {
        if (x.readNext() == QXmlStreamReader::StartElement && x.name() == u"Relationship"_s &&
            attribut(x, u"Id") == rid) {
            ziel = attribut(x, u"Target");
            break;
        }
    }
    if (ziel.isEmpty()) {
        e.fehler = u"Blatt \""_s + blatt + u"\" fehlt"_s;
        return e;
    }
    ziel = ziel.startsWith(u'/') ? ziel.mid(1) : u"xl/"_s + ziel;
    const std::optional<QByteArray> blattXml = eintragLesen(z.zip, ziel);
    if (!blattXml) {
        e.fehler = u"Blatt \""_s + blatt + u"\" nicht lesbar"_s;
        return e;
    }
    QStringList texte;
    if (const std::optional<QByteArray> sst = eintragLesen(z.zip, u"xl/sharedStrings.xml"_s)) {
        for (QXmlStreamReader x(*sst); !x.atEnd();) {
            if (x.readNext() == QXmlStreamReader::StartElement && x.name() == u"si"_s) {
                texte << innererText(x, u"rPh");
            }
        }
    }
    int zeile = 0, naechsteSpalte = 1;
    for (QXmlStreamReader x(*blattXml); !x.atEnd();) {
        if (x.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (x.name() == u"row"_s) {
            const QString r = attribut(x, u"r");
            zeile = r.isEmpty() ? zeile + 1 : r.toInt();
            naechsteSpalte = 1;
            if (zeile > bis) {
                break;
            }
            continue;
        }
        if (x.name() != u"c"_s) {
            continue;
        }
        int sp = naechsteSpalte, zl = zeile;
        if (const QString r = attribut(x, u"r"); !r.isEmpty()) {
            std::tie(sp, zl) = zellbezug(r);
        }
        naechsteSpalte = sp + 1;
        const QString typ = attribut(x, u"t");
        QString wert, inline_;
        while (!x.atEnd()) {
            x.readNext();
            if (x.isEndElement() && x.name() == u"c"_s) {
                break;
            }
            if (x.isStartElement() && x.name() == u"v"_s) {
                wert = x.readElementText(QXmlStreamReader::SkipChildElements);
            } else if (x.isStartElement() && x.name() == u"is"_s) {
                inline_ = innererText(x, u"rPh");
            }
        }
        if (sp != spalte || zl < von || zl > bis) {
            continue;
        }
        std::optional<double> w;
        if (typ.isEmpty() || typ == u"n"_s) {
            bool ok = false;
            const double d = QLocale::c().toDouble(wert.trimmed(), &ok);
            if (ok && std::isfinite(d)) {
                w = d;
            }
        } else if (typ == u"s"_s) {
            bool ok = false;
            const int i = wert.trimmed().toInt(&ok);
            if (ok && i >= 0 && i < texte.size()) {
                w = zahlAusText(texte[i]);
            }
        } else if (typ == u"str"_s) {
            w = zahlAusText(wert);
        } else if (typ == u"inlineStr"_s) {
            w = zahlAusText(inline_);
        }
        e.werte[size_t(zl - von)] = w;
    }
    return e;
}

SpaltenWerte spalteAusOds(const QByteArray &datei, const QString &blatt, int spalte, int von,
                          int bis)
{
    SpaltenWerte e;
    e.werte.assign(size_t(std::max(0, bis - von + 1)), std::nullopt);
    Zip z(datei);
    if (!z.offen) {
        e.fehler = u"kein ZIP-Behälter"_s;
        return e;
    }
    const std::optional<QByteArray> inhalt = eintragLesen(z.zip, u"content.xml"_s);
    if (!inhalt) {
        e.fehler = u"kein OpenDocument-Inhalt"_s;
        return e;
    }
    QXmlStreamReader x(*inhalt);
    bool gefunden = false;
    while (!x.atEnd() && !gefunden) {
        if (x.readNext() == QXmlStreamReader::StartElement && x.name() == u"table"_s &&
            attribut(x, u"name").compare(blatt, Qt::CaseInsensitive) == 0) {
            gefunden = true;
        }
    }
    if (!gefunden) {
        e.fehler = u"Blatt \""_s + blatt + u"\" fehlt"_s;
        return e;
    }
    qint64 zeile = 1; // naechste Zeile
    int tiefe = 1;
    while (tiefe > 0 && !x.atEnd() && zeile <= bis) {
        x.readNext();
        if (x.isEndElement()) {
            --tiefe;
            continue;
        }
        if (!x.isStartElement()) {
            continue;
        }
        if (x.name() != u"table-row"_s) {
            // Gruppen und Kopfzeilen enthalten Zeilen; Spaltenangaben und anderes nicht.
            if (x.name() == u"table-row-group"_s || x.name() == u"table-header-rows"_s ||
                x.name() == u"table-rows"_s) {
                ++tiefe;
            } else {
                x.skipCurrentElement();
            }
            continue;
        }
        const qint64 zeilen = std::max(1, attribut(x, u"number-rows-repeated").toInt());
        const qint64 ersteZeile = zeile;
        zeile += std::min<qint64>(zeilen, 1 << 24);
        qint64 sp = 1;
        while (!x.atEnd()) {
            x.readNext();
            if (x.isEndElement() && x.name() == u"table-row"_s) {
                break;
            }
            if (!x.isStartElement()) {
                continue;
            }
            if (x.name() != u"table-cell"_s && x.name() != u"covered-table-cell"_s) {
                x.skipCurrentElement();
                continue;
            }
            const qint64 spalten = std::max(1, attribut(x, u"number-columns-repeated").toInt());
            const qint64 ersteSpalte = sp;
            sp += std::min<qint64>(spalten, 1 << 24);
            const QString typ = attribut(x, u"value-type");
            const QString wert = attribut(x, u"value");
            const QString text = innererText(x, u"annotation");
            if (spalte < ersteSpalte || spalte >= sp) {
                continue;
            }
            std::optional<double> w;
            if (typ == u"float"_s || typ == u"percentage"_s || typ == u"currency"_s) {
                bool ok = false;
                const double d = QLocale::c().toDouble(wert, &ok);
                if (ok && std::isfinite(d)) {
                    w = d;
                }
            } else if (typ == u"string"_s) {
                w = zahlAusText(text);
            }
            for (qint64 r = std::max<qint64>(ersteZeile, von); r < zeile && r <= bis; ++r) {
                e.werte[size_t(r - von)] = w;
            }
        }
    }
    return e;
}

SpaltenWerte spalteLesen(const QByteArray &datei, const QString &blatt, int spalte, int von,
                         int bis)
{
    if (datei.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
        return spalteAusXls(datei, blatt, spalte, von, bis);
    }
    if (datei.startsWith("PK")) {
        // Eine OpenDocument-Datei traegt ihren Medientyp unverpackt am Anfang.
        if (datei.left(128).contains("application/vnd.oasis.opendocument.spreadsheet")) {
            return spalteAusOds(datei, blatt, spalte, von, bis);
        }
        return spalteAusXlsx(datei, blatt, spalte, von, bis);
    }
    SpaltenWerte e;
    e.werte.assign(size_t(std::max(0, bis - von + 1)), std::nullopt);
    e.fehler = u"unbekanntes Dateiformat"_s;
    return e;
}
