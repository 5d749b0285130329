#include "grades/textvorlage.h"

#include "grades/textvorlage_xml.h"
#include "grades/textvorlage_zip.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <array>

using namespace Qt::StringLiterals;

namespace {

using namespace textvorlageXml;

const QString kNsWord = u"http://schemas.openxmlformats.org/wordprocessingml/2006/main"_s;
const QString kNsText = u"urn:oasis:names:tc:opendocument:xmlns:text:1.0"_s;
const QString kNsTabelle = u"urn:oasis:names:tc:opendocument:xmlns:table:1.0"_s;
const QString kNsOffice = u"urn:oasis:names:tc:opendocument:xmlns:office:1.0"_s;
const QString kOdtMime = u"application/vnd.oasis.opendocument.text"_s;

// ---- Die beiden Formate ------------------------------------------------------------------------

struct Format
{
    bool odt = false;
    QString w, text, tabelle, office; // Praefixe mit ":"

    QString n(const QString &p, const char16_t *name) const { return p + QString::fromUtf16(name); }
    QStringList absatzNamen() const
    {
        return odt ? QStringList{n(text, u"p"), n(text, u"h")} : QStringList{n(w, u"p")};
    }
};

Format formatFuer(const QDomElement &wurzel, bool odt)
{
    Format f;
    f.odt = odt;
    f.w = praefix(wurzel, kNsWord, u"w"_s) + u':';
    f.text = praefix(wurzel, kNsText, u"text"_s) + u':';
    f.tabelle = praefix(wurzel, kNsTabelle, u"table"_s) + u':';
    f.office = praefix(wurzel, kNsOffice, u"office"_s) + u':';
    return f;
}

bool istAbsatz(const Format &f, const QDomNode &k)
{
    return k.isElement() && f.absatzNamen().contains(k.toElement().tagName());
}

// Textknoten eines Absatzes in Dokumentfolge, ohne die verschachtelter Absaetze (Textrahmen).
void textknotenSammeln(const Format &f, const QDomNode &knoten, bool inWt, QList<QDomText> &aus)
{
    for (QDomNode k = knoten.firstChild(); !k.isNull(); k = k.nextSibling()) {
        if (k.isText() && (f.odt || inWt)) {
            aus << k.toText();
        } else if (k.isElement() && !istAbsatz(f, k)) {
            textknotenSammeln(f, k, inWt || k.toElement().tagName() == f.n(f.w, u"t"), aus);
        }
    }
}

// Ersetzt jede Marke, auch wenn sie ueber mehrere Textknoten verteilt ist: der Ersatz kommt in
// den Knoten des ersten Markenzeichens, die uebrigen Zeichen der Marke werden entfernt.
void markenErsetzen(QList<QDomText> &knoten, const QString &marke, const QString &ersatz)
{
    qsizetype von = 0;
    for (;;) {
        QString ganz;
        QList<qsizetype> anfang;
        for (const QDomText &t : knoten) {
            anfang << ganz.size();
            ganz += t.data();
        }
        const qsizetype pos = ganz.indexOf(marke, von);
        if (pos < 0) {
            return;
        }
        qsizetype k = 0;
        while (pos >= anfang[k] + knoten[k].data().size()) {
            ++k;
        }
        qsizetype rest = marke.size();
        QString d = knoten[k].data();
        const qsizetype lokal = pos - anfang[k];
        const qsizetype weg = std::min(rest, d.size() - lokal);
        d.replace(lokal, weg, ersatz);
        knoten[k].setData(d);
        rest -= weg;
        for (qsizetype j = k + 1; rest > 0 && j < knoten.size(); ++j) {
            QString dj = knoten[j].data();
            const qsizetype w = std::min(rest, dj.size());
            dj.remove(0, w);
            knoten[j].setData(dj);
            rest -= w;
        }
        von = pos + ersatz.size();
    }
}

void markenImDokument(const Format &f, QDomDocument &dok, const Vorlagenfuellung &fuellung)
{
    // Erst sammeln: eine QDomNodeList wird nach jeder Aenderung des Dokuments neu aufgebaut.
    QList<QDomNode> absaetze;
    for (const QString &name : f.absatzNamen()) {
        const QDomNodeList liste = dok.elementsByTagName(name);
        for (int i = 0; i < liste.count(); ++i) {
            absaetze << liste.at(i);
        }
    }
    for (const QDomNode &absatz : absaetze) {
        QList<QDomText> knoten;
        textknotenSammeln(f, absatz, false, knoten);
        markenErsetzen(knoten, u"$Datum"_s, fuellung.datum);
        markenErsetzen(knoten, u"$Klasse/Kurs"_s, fuellung.klasseKurs);
    }
}

// ---- Tabellen ----------------------------------------------------------------------------------

int zahlAttribut(const QDomElement &e, const QString &name, int vorgabe)
{
    bool ok = false;
    const int wert = e.attribute(name).toInt(&ok);
    return ok && wert >= 1 ? std::min(wert, 1000) : vorgabe;
}

int spaltenZahl(const Format &f, const QDomElement &tab)
{
    int spalten = 0;
    if (f.odt) {
        const QString spalte = f.n(f.tabelle, u"table-column");
        const QString wiederholt = f.n(f.tabelle, u"number-columns-repeated");
        std::function<void(const QDomElement &)> zaehlen = [&](const QDomElement &e) {
            for (QDomElement k = e.firstChildElement(); !k.isNull(); k = k.nextSiblingElement()) {
                if (k.tagName() == spalte) {
                    spalten += zahlAttribut(k, wiederholt, 1);
                } else if (k.tagName() != f.n(f.tabelle, u"table") &&
                           k.tagName().contains(u"column"_s)) {
                    zaehlen(k); // table-columns, table-header-columns, table-column-group
                }
            }
        };
        zaehlen(tab);
        return spalten;
    }
    const QDomElement gitter = tab.firstChildElement(f.n(f.w, u"tblGrid"));
    return int(kinder(gitter, f.n(f.w, u"gridCol")).size());
}

QList<QDomElement> zeilen(const Format &f, const QDomElement &tab)
{
    QList<QDomElement> liste;
    if (!f.odt) {
        return kinder(tab, f.n(f.w, u"tr"));
    }
    const QString zeile = f.n(f.tabelle, u"table-row");
    std::function<void(const QDomElement &)> sammeln = [&](const QDomElement &e) {
        for (QDomElement k = e.firstChildElement(); !k.isNull(); k = k.nextSiblingElement()) {
            if (k.tagName() == zeile) {
                liste << k;
            } else if (k.tagName() == f.n(f.tabelle, u"table-header-rows") ||
                       k.tagName() == f.n(f.tabelle, u"table-rows") ||
                       k.tagName() == f.n(f.tabelle, u"table-row-group")) {
                sammeln(k);
            }
        }
    };
    sammeln(tab);
    return liste;
}

// Zellen einer Zeile mit ihrer ersten Spalte (0-basiert); verbundene Zellen belegen mehrere.
QList<std::pair<int, QDomElement>> zellen(const Format &f, const QDomElement &zeile)
{
    QList<std::pair<int, QDomElement>> liste;
    int spalte = 0;
    if (f.odt) {
        for (QDomElement k = zeile.firstChildElement(); !k.isNull(); k = k.nextSiblingElement()) {
            if (k.tagName() == f.n(f.tabelle, u"table-cell") ||
                k.tagName() == f.n(f.tabelle, u"covered-table-cell")) {
                if (k.tagName() == f.n(f.tabelle, u"table-cell")) {
                    liste.append({spalte, k});
                }
                spalte += zahlAttribut(k, f.n(f.tabelle, u"number-columns-repeated"), 1);
            }
        }
        return liste;
    }
    const QDomElement eigenschaften = zeile.firstChildElement(f.n(f.w, u"trPr"));
    spalte =
        zahlAttribut(eigenschaften.firstChildElement(f.n(f.w, u"gridBefore")), f.n(f.w, u"val"), 0);
    for (const QDomElement &tc : kinder(zeile, f.n(f.w, u"tc"))) {
        liste.append({spalte, tc});
        const QDomElement tcPr = tc.firstChildElement(f.n(f.w, u"tcPr"));
        spalte += zahlAttribut(tcPr.firstChildElement(f.n(f.w, u"gridSpan")), f.n(f.w, u"val"), 1);
    }
    return liste;
}

void textAnhaengen(const Format &f, const QDomNode &knoten, QString &aus)
{
    for (QDomNode k = knoten.firstChild(); !k.isNull(); k = k.nextSibling()) {
        if (k.isText()) {
            aus += k.toText().data();
            continue;
        }
        const QDomElement e = k.toElement();
        const QString name = e.tagName();
        if (f.odt && name == f.n(f.text, u"s")) {
            aus += QString(zahlAttribut(e, f.n(f.text, u"c"), 1), u' ');
        } else if (name == f.n(f.text, u"tab") || name == f.n(f.w, u"tab")) {
            aus += u'\t';
        } else if (name == f.n(f.text, u"line-break") || name == f.n(f.w, u"br") ||
                   name == f.n(f.w, u"cr")) {
            aus += u'\n';
        } else if (!f.odt && k.parentNode().toElement().tagName() == f.n(f.w, u"r") &&
                   name != f.n(f.w, u"t")) {
            continue; // Feldcodes (w:instrText), Loeschungen u. a. sind kein sichtbarer Text
        } else {
            if (istAbsatz(f, k) && !aus.isEmpty()) {
                aus += u'\n';
            }
            textAnhaengen(f, k, aus);
        }
    }
}

QString zellText(const Format &f, const QDomElement &zelle)
{
    QString t;
    textAnhaengen(f, zelle, t);
    return t;
}

void attributeEntfernen(QDomElement e, const QStringList &endungen)
{
    const QDomNamedNodeMap a = e.attributes();
    QStringList weg;
    for (int i = 0; i < a.count(); ++i) {
        const QString name = a.item(i).nodeName();
        for (const QString &endung : endungen) {
            if (name == endung || name.endsWith(u':' + endung)) {
                weg << name;
            }
        }
    }
    for (const QString &name : weg) {
        e.removeAttribute(name);
    }
}

// Setzt den Text einer Zelle in ihren ersten Absatz, mit dessen Absatz- und der Zeichenformatierung
// seines ersten Textstuecks; weitere Absaetze entfallen.
void zellTextSetzen(const Format &f, QDomElement zelle, const QString &text)
{
    QDomDocument dok = zelle.ownerDocument();
    QList<QDomElement> absaetze;
    for (QDomElement k = zelle.firstChildElement(); !k.isNull(); k = k.nextSiblingElement()) {
        if (istAbsatz(f, k)) {
            absaetze << k;
        }
    }
    if (absaetze.isEmpty()) {
        absaetze << dok.createElement(f.absatzNamen().constFirst());
        zelle.appendChild(absaetze.constFirst());
    }
    QDomElement absatz = absaetze.takeFirst();
    for (QDomElement &weiterer : absaetze) {
        zelle.removeChild(weiterer);
    }
    const QStringList zeilen = text.split(u'\n');
    if (f.odt) {
        while (absatz.hasChildNodes()) {
            absatz.removeChild(absatz.firstChild());
        }
        attributeEntfernen(zelle, {u"value-type"_s, u"value"_s, u"date-value"_s, u"time-value"_s,
                                   u"boolean-value"_s, u"string-value"_s});
        for (qsizetype i = 0; i < zeilen.size(); ++i) {
            if (i > 0) {
                absatz.appendChild(dok.createElement(f.n(f.text, u"line-break")));
            }
            // Leerzeichenfolgen und Leerzeichen am Rand schreibt OpenDocument als text:s.
            QString stueck;
            const QString &z = zeilen[i];
            for (qsizetype p = 0; p < z.size(); ++p) {
                const bool geschuetzt =
                    z[p] == u' ' && (p == 0 || p == z.size() - 1 || z[p - 1] == u' ');
                if (!geschuetzt) {
                    stueck += z[p];
                    continue;
                }
                if (!stueck.isEmpty()) {
                    absatz.appendChild(dok.createTextNode(stueck));
                    stueck.clear();
                }
                absatz.appendChild(dok.createElement(f.n(f.text, u"s")));
            }
            if (!stueck.isEmpty()) {
                absatz.appendChild(dok.createTextNode(stueck));
            }
        }
        return;
    }
    // Zeichenformat: das des ersten Textstuecks, sonst das der Absatzmarke.
    const QDomNodeList stuecke = absatz.elementsByTagName(f.n(f.w, u"r"));
    QDomElement rPr =
        stuecke.isEmpty()
            ? absatz.firstChildElement(f.n(f.w, u"pPr")).firstChildElement(f.n(f.w, u"rPr"))
            : stuecke.at(0).toElement().firstChildElement(f.n(f.w, u"rPr"));
    rPr = rPr.cloneNode(true).toElement();
    for (QDomNode k = absatz.firstChild(); !k.isNull();) {
        const QDomNode naechster = k.nextSibling();
        if (!(k.isElement() && k.toElement().tagName() == f.n(f.w, u"pPr"))) {
            absatz.removeChild(k);
        }
        k = naechster;
    }
    if (text.isEmpty()) {
        return;
    }
    QDomElement r = dok.createElement(f.n(f.w, u"r"));
    if (!rPr.isNull()) {
        r.appendChild(rPr);
    }
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (i > 0) {
            r.appendChild(dok.createElement(f.n(f.w, u"br")));
        }
        QDomElement t = dok.createElement(f.n(f.w, u"t"));
        t.setAttribute(u"xml:space"_s, u"preserve"_s);
        t.appendChild(dok.createTextNode(zeilen[i]));
        r.appendChild(t);
    }
    absatz.appendChild(r);
}

// Eine kopierte Zeile darf keine Kennungen der Vorlage doppelt tragen.
void kennungenEntfernen(QDomElement e)
{
    attributeEntfernen(e, {u"paraId"_s, u"textId"_s, u"xml:id"_s});
    for (QDomElement k = e.firstChildElement(); !k.isNull(); k = k.nextSiblingElement()) {
        kennungenEntfernen(k);
    }
}

QDomElement ersteTabelleIn(const Format &f, const QDomDocument &dok)
{
    const QString name = f.odt ? f.n(f.tabelle, u"table") : f.n(f.w, u"tbl");
    return dok.elementsByTagName(name).at(0).toElement();
}

QString tabelleFuellen(const Format &f, QDomDocument &dok, const Vorlagenfuellung &fuellung)
{
    const QDomElement tab = ersteTabelleIn(f, dok);
    if (tab.isNull()) {
        return u"Die Vorlage enthält keine Tabelle. Verlangt ist eine Tabelle mit genau 12 "
               u"Spalten (s. Bedienungsanleitung)."_s;
    }
    const int spalten = spaltenZahl(f, tab);
    if (spalten != kVorlagenSpalten) {
        return u"Die erste Tabelle der Vorlage hat "_s + QString::number(spalten) +
               u" Spalten; verlangt sind genau 12 (s. Bedienungsanleitung)."_s;
    }
    QList<QDomElement> z = zeilen(f, tab);
    if (z.size() < 2) {
        return u"Die erste Tabelle der Vorlage hat keine zwei Kopfzeilen (s. "
               u"Bedienungsanleitung)."_s;
    }
    // Kopfzeilen: Verweise aufloesen, Zeile 2 waehlt die Spalten.
    std::array<std::optional<int>, kVorlagenSpalten> wahl{};
    for (int kopf = 0; kopf < 2; ++kopf) {
        for (const auto &[spalte, zelle] : zellen(f, z[kopf])) {
            const std::optional<Zellverweis> v = zellverweis(zellText(f, zelle));
            if (!v || spalte >= kVorlagenSpalten) {
                continue;
            }
            const std::optional<QString> inhalt = fuellung.zelle(v->spalte, v->zeile);
            zellTextSetzen(f, zelle, inhalt.value_or(QString()));
            if (kopf == 1 && inhalt) {
                wahl[size_t(spalte)] = v->spalte;
            }
        }
    }
    // Schuelerzeilen: fehlende im Format der letzten anfuegen, uebrige entfernen.
    const int schueler = std::max(0, fuellung.schueler);
    while (z.size() < schueler + 2) {
        QDomElement kopie = z.constLast().cloneNode(true).toElement();
        kennungenEntfernen(kopie);
        z.constLast().parentNode().insertAfter(kopie, z.constLast());
        z << kopie;
    }
    while (z.size() > schueler + 2) {
        QDomElement weg = z.takeLast();
        weg.parentNode().removeChild(weg);
    }
    for (int n = 1; n <= schueler; ++n) {
        for (const auto &[spalte, zelle] : zellen(f, z[n + 1])) {
            const std::optional<int> quelle =
                spalte < kVorlagenSpalten ? wahl[size_t(spalte)] : std::nullopt;
            zellTextSetzen(f, zelle,
                           quelle ? fuellung.zelle(*quelle, n + 2).value_or(QString()) : QString());
        }
    }
    return {};
}

const QString kKeinDokument =
    u"Die Vorlage ist kein lesbares Textdokument im Format .docx oder .odt."_s;

bool istKopfOderFuss(const QString &name)
{
    static const QRegularExpression muster(u"^word/(header|footer)[0-9]*\\.xml$"_s);
    return muster.match(name).hasMatch();
}

} // namespace

std::optional<Zellverweis> zellverweis(const QString &text)
{
    const QString t = text.trimmed();
    auto ziffern = [&](int p) {
        return t.size() > p + 1 && t[p].isDigit() && t[p + 1].isDigit() && t[p].unicode() < 128 &&
               t[p + 1].unicode() < 128;
    };
    if (t.size() < 6 || t[0] != u'$' || t[3] != u'$' || !ziffern(1) || !ziffern(4)) {
        return std::nullopt;
    }
    return Zellverweis{t.mid(1, 2).toInt(), t.mid(4, 2).toInt()};
}

Vorlagenformat vorlagenformat(const QByteArray &datei)
{
    if (!datei.startsWith("PK")) {
        return Vorlagenformat::Keins;
    }
    const std::optional<QList<ZipEintrag>> zip = zipLesen(datei);
    if (!zip) {
        return Vorlagenformat::Keins;
    }
    bool inhalt = false, odtMime = false;
    for (const ZipEintrag &e : *zip) {
        if (e.name == u"word/document.xml"_s) {
            return Vorlagenformat::Docx;
        }
        inhalt = inhalt || e.name == u"content.xml"_s;
        odtMime = odtMime ||
                  (e.name == u"mimetype"_s && e.daten.trimmed().startsWith(kOdtMime.toLatin1()));
    }
    return inhalt && odtMime ? Vorlagenformat::Odt : Vorlagenformat::Keins;
}

Fuellergebnis vorlageFuellen(const QByteArray &vorlage, const Vorlagenfuellung &fuellung)
{
    if (vorlage.size() > kGrenzeVorlage) {
        return {{}, u"Die Vorlage ist zu groß (höchstens 32 MB)."_s};
    }
    std::optional<QList<ZipEintrag>> zip =
        vorlage.startsWith("PK") ? zipLesen(vorlage) : std::nullopt;
    if (!zip) {
        return {{}, kKeinDokument};
    }
    qsizetype haupt = -1;
    bool odt = false;
    for (qsizetype i = 0; i < zip->size(); ++i) {
        const QString &name = (*zip)[i].name;
        if (name == u"word/document.xml"_s || name == u"content.xml"_s) {
            haupt = i;
            odt = name == u"content.xml"_s;
        }
    }
    if (haupt < 0 || (odt && vorlagenformat(vorlage) != Vorlagenformat::Odt)) {
        return {{}, kKeinDokument};
    }
    std::optional<Xml> dok = xmlLesen((*zip)[haupt].daten);
    if (!dok) {
        return {{}, kKeinDokument};
    }
    const Format f = formatFuer(dok->dok.documentElement(), odt);
    markenImDokument(f, dok->dok, fuellung);
    const QString fehler = tabelleFuellen(f, dok->dok, fuellung);
    if (!fehler.isEmpty()) {
        return {{}, fehler};
    }
    (*zip)[haupt].daten = xmlSchreiben(*dok);
    // Marken in Kopf- und Fusszeilen (OpenDocument: in styles.xml).
    for (ZipEintrag &e : *zip) {
        if ((odt && e.name == u"styles.xml"_s) || (!odt && istKopfOderFuss(e.name))) {
            std::optional<Xml> teil = xmlLesen(e.daten);
            if (!teil) {
                return {{}, kKeinDokument};
            }
            if (e.daten.contains("$")) {
                markenImDokument(formatFuer(teil->dok.documentElement(), odt), teil->dok, fuellung);
                e.daten = xmlSchreiben(*teil);
            }
        }
    }
    const std::optional<QByteArray> aus = zipSchreiben(*zip);
    if (!aus) {
        return {{}, u"Das gefüllte Dokument konnte nicht zusammengestellt werden."_s};
    }
    return {*aus, {}};
}

QList<QStringList> ersteTabelle(const QByteArray &dokument)
{
    const std::optional<QList<ZipEintrag>> zip = zipLesen(dokument);
    QList<QStringList> tabelle;
    if (!zip) {
        return tabelle;
    }
    for (const ZipEintrag &e : *zip) {
        const bool odt = e.name == u"content.xml"_s;
        if (!odt && e.name != u"word/document.xml"_s) {
            continue;
        }
        const std::optional<Xml> x = xmlLesen(e.daten);
        if (!x) {
            return tabelle;
        }
        const Format f = formatFuer(x->dok.documentElement(), odt);
        const QDomElement tab = ersteTabelleIn(f, x->dok);
        for (const QDomElement &zeile : zeilen(f, tab)) {
            QStringList texte;
            for (const auto &[spalte, zelle] : zellen(f, zeile)) {
                texte << zellText(f, zelle);
            }
            tabelle << texte;
        }
    }
    return tabelle;
}

QString dokumentText(const QByteArray &dokument)
{
    const std::optional<QList<ZipEintrag>> zip = zipLesen(dokument);
    if (!zip) {
        return {};
    }
    for (const ZipEintrag &e : *zip) {
        const bool odt = e.name == u"content.xml"_s;
        if (odt || e.name == u"word/document.xml"_s) {
            const std::optional<Xml> x = xmlLesen(e.daten);
            if (!x) {
                return {};
            }
            QString t;
            textAnhaengen(formatFuer(x->dok.documentElement(), odt), x->dok.documentElement(), t);
            return t;
        }
    }
    return {};
}
