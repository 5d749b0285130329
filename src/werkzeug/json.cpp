#include "werkzeug/json.h"

using namespace Qt::StringLiterals;

QString JsonSchreiber::zeichenkette(const QString &text)
{
    QString s;
    s.reserve(text.size() + 2);
    s += u'"';
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            s += u"\\\""_s;
            break;
        case u'\\':
            s += u"\\\\"_s;
            break;
        case u'\n':
            s += u"\\n"_s;
            break;
        case u'\r':
            s += u"\\r"_s;
            break;
        case u'\t':
            s += u"\\t"_s;
            break;
        default:
            if (c.unicode() < 0x20) {
                s += u"\\u"_s + QString::number(c.unicode(), 16).rightJustified(4, u'0');
            } else {
                s += c;
            }
        }
    }
    s += u'"';
    return s;
}

void JsonSchreiber::vorWert()
{
    if (nachSchluessel) {
        nachSchluessel = false;
        return;
    }
    if (!erstesElement) {
        ausgabe += u", "_s;
    }
    erstesElement = false;
}

JsonSchreiber &JsonSchreiber::objektAnfang()
{
    vorWert();
    ausgabe += u'{';
    erstesElement = true;
    return *this;
}

JsonSchreiber &JsonSchreiber::objektEnde()
{
    ausgabe += u'}';
    erstesElement = false;
    return *this;
}

JsonSchreiber &JsonSchreiber::feldAnfang()
{
    vorWert();
    ausgabe += u'[';
    erstesElement = true;
    return *this;
}

JsonSchreiber &JsonSchreiber::feldEnde()
{
    ausgabe += u']';
    erstesElement = false;
    return *this;
}

JsonSchreiber &JsonSchreiber::schluessel(const QString &name)
{
    vorWert();
    ausgabe += zeichenkette(name) + u": "_s;
    nachSchluessel = true;
    return *this;
}

JsonSchreiber &JsonSchreiber::wert(const QString &text)
{
    vorWert();
    ausgabe += zeichenkette(text);
    return *this;
}

JsonSchreiber &JsonSchreiber::wert(qint64 zahl)
{
    vorWert();
    ausgabe += QString::number(zahl);
    return *this;
}

JsonSchreiber &JsonSchreiber::wert(double zahl)
{
    vorWert();
    ausgabe += QString::number(zahl, 'g', 17);
    return *this;
}

JsonSchreiber &JsonSchreiber::wertNull()
{
    vorWert();
    ausgabe += u"null"_s;
    return *this;
}

JsonSchreiber &JsonSchreiber::roh(const QString &json)
{
    vorWert();
    ausgabe += json;
    return *this;
}
