#include "classdata/namenszeichen.h"

#include "common/ansitext.h"

using namespace Qt::StringLiterals;

namespace {

struct Ersatz
{
    char16_t zeichen;
    const char16_t *durch;
};

// Umlaute zuerst: die Zerlegung machte aus Ä sonst ein A. Dann die Buchstaben, die Unicode nicht
// in Grundbuchstabe und Zeichen zerlegt.
constexpr Ersatz kErsatz[] = {
    {u'Ä', u"Ae"},     {u'Ö', u"Oe"},     {u'Ü', u"Ue"},      {u'ä', u"ae"},     {u'ö', u"oe"},
    {u'ü', u"ue"},     {u'ß', u"ss"},     {u'\u1E9E', u"Ss"}, {u'Æ', u"Ae"},     {u'æ', u"ae"},
    {u'Œ', u"Oe"},     {u'œ', u"oe"},     {u'Ø', u"O"},       {u'ø', u"o"},      {u'Þ', u"Th"},
    {u'þ', u"th"},     {u'Ð', u"D"},      {u'ð', u"d"},       {u'\u0110', u"D"}, {u'\u0111', u"d"},
    {u'\u0141', u"L"}, {u'\u0142', u"l"}, {u'\u0126', u"H"},  {u'\u0127', u"h"}, {u'\u0131', u"i"},
    {u'\u0166', u"T"}, {u'\u0167', u"t"},
};

bool istAsciiBuchstabe(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace

QString buchstabenVereinfachen(QStringView text)
{
    QString ergebnis;
    ergebnis.reserve(text.size() + 8);
    for (QChar c : text) {
        const Ersatz *treffer = nullptr;
        for (const Ersatz &e : kErsatz) {
            if (c.unicode() == e.zeichen) {
                treffer = &e;
                break;
            }
        }
        if (treffer != nullptr) {
            ergebnis.append(QStringView(treffer->durch));
            continue;
        }
        if (c.unicode() >= 0xC0 && c.isLetter()) {
            // É -> E + Akzent: der Grundbuchstabe bleibt, wenn er einer von a..z ist.
            const QString zerlegt = QString(c).normalized(QString::NormalizationForm_D);
            if (!zerlegt.isEmpty() && istAsciiBuchstabe(zerlegt[0])) {
                ergebnis.append(zerlegt[0]);
                continue;
            }
        }
        ergebnis.append(c);
    }
    return ergebnis;
}

QString namenszeichenFehler(QStringView name)
{
    QString fremd;
    if (ansiKodieren(name, &fremd)) {
        return {};
    }
    const QString ersatz = buchstabenVereinfachen(fremd);
    const QString rat = ersatz != fremd && ansiDarstellbar(ersatz)
                            ? u"Bitte schreiben Sie stattdessen \""_s + ersatz + u"\"."_s
                            : u"Bitte schreiben Sie den Namen ohne dieses Zeichen."_s;
    return u"Das Zeichen \""_s + fremd + u"\" im Namen \""_s + name.toString() +
           u"\" lässt sich in der Klassendatei nicht speichern. "_s + rat;
}
