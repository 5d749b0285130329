#include "grades/textvorlage_xml.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <array>

using namespace Qt::StringLiterals;

namespace textvorlageXml {

namespace {

// QDomDocument verwirft Textknoten aus reinem Leerraum; in Textdokumenten sind sie Inhalt
// (<w:t xml:space="preserve"> </w:t>). Vor dem Lesen werden sie darum durch Zeichen aus dem
// privaten Bereich ersetzt, nach dem Schreiben zurueck.
constexpr std::array<char16_t, 4> kLeerzeichen{u' ', u'\t', u'\n', u'\r'};
constexpr std::array<char16_t, 4> kSchutzzeichen{0xE000, 0xE001, 0xE002, 0xE003};

QString leerraumSchuetzen(const QString &xml, bool &geschuetzt)
{
    geschuetzt = false;
    for (char16_t c : kSchutzzeichen) {
        if (xml.contains(QChar(c))) {
            return xml; // schon belegt: ungeschuetzt lesen
        }
    }
    // Nur innerhalb des Wurzelelements: vor und nach ihm ist kein Text erlaubt.
    qsizetype anfang = 0;
    for (;;) {
        anfang = xml.indexOf(u'<', anfang);
        if (anfang < 0 || (xml.mid(anfang + 1, 1) != u"?"_s && xml.mid(anfang + 1, 1) != u"!"_s)) {
            break;
        }
        ++anfang;
    }
    const qsizetype ende = xml.lastIndexOf(u'<');
    if (anfang < 0 || ende <= anfang) {
        return xml;
    }
    static const QRegularExpression leer(u">([ \t\r\n]+)<"_s);
    QString aus = xml.left(anfang);
    aus.reserve(xml.size());
    qsizetype bis = anfang;
    QRegularExpressionMatchIterator it = leer.globalMatch(xml, anfang);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedEnd(1) > ende) {
            break;
        }
        aus += QStringView(xml).mid(bis, m.capturedStart(1) - bis);
        for (QChar c : m.capturedView(1)) {
            for (size_t i = 0; i < kLeerzeichen.size(); ++i) {
                if (c == kLeerzeichen[i]) {
                    aus += QChar(kSchutzzeichen[i]);
                }
            }
        }
        bis = m.capturedEnd(1);
        geschuetzt = true;
    }
    aus += QStringView(xml).mid(bis);
    return aus;
}

// Tiefer verschachtelt ist kein Textdokument; die rekursiven Durchlaeufe (auch der Abbau des
// Baums in Qt) bleiben so sicher auf dem Stapel.
constexpr int kMaxTiefe = 256;

bool flachGenug(const QString &text)
{
    QXmlStreamReader leser(text);
    int tiefe = 0;
    while (!leser.atEnd()) {
        const QXmlStreamReader::TokenType t = leser.readNext();
        if (t == QXmlStreamReader::StartElement && ++tiefe > kMaxTiefe) {
            return false;
        }
        if (t == QXmlStreamReader::EndElement) {
            --tiefe;
        }
    }
    return !leser.hasError();
}

} // namespace

std::optional<Xml> xmlLesen(const QByteArray &daten)
{
    Xml x;
    const QString text = leerraumSchuetzen(QString::fromUtf8(daten), x.geschuetzt);
    if (!flachGenug(text)) {
        return std::nullopt;
    }
    if (!x.dok.setContent(text, false)) {
        return std::nullopt;
    }
    return x;
}

QByteArray xmlSchreiben(const Xml &x)
{
    QString text = x.dok.toString(-1);
    if (x.geschuetzt) {
        for (size_t i = 0; i < kSchutzzeichen.size(); ++i) {
            text.replace(QChar(kSchutzzeichen[i]), QChar(kLeerzeichen[i]));
        }
    }
    return text.toUtf8();
}

// Praefix, unter dem die Wurzel den Namensraum uri bindet.
QString praefix(const QDomElement &wurzel, const QString &uri, const QString &vorgabe)
{
    const QDomNamedNodeMap attribute = wurzel.attributes();
    for (int i = 0; i < attribute.count(); ++i) {
        const QDomAttr a = attribute.item(i).toAttr();
        if (a.name().startsWith(u"xmlns:"_s) && a.value() == uri) {
            return a.name().mid(6);
        }
    }
    return vorgabe;
}

QList<QDomElement> kinder(const QDomElement &e, const QString &name)
{
    QList<QDomElement> liste;
    for (QDomElement k = e.firstChildElement(name); !k.isNull(); k = k.nextSiblingElement(name)) {
        liste << k;
    }
    return liste;
}

} // namespace textvorlageXml
