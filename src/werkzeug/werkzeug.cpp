#include "werkzeug/werkzeug.h"

#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "settings/konfiguration.h"

#include <QDir>
#include <QTextStream>

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace {

struct Verb
{
    QString aufruf;
    VerbFunktion funktion;
};

std::map<QString, Verb> &verben()
{
    static std::map<QString, Verb> alle;
    return alle;
}

// Beantwortet jede Frage mit Ja; Meldungen gehen nach stderr.
class StderrRueckfragen final : public Rueckfragen
{
public:
    explicit StderrRueckfragen(QTextStream &aus)
        : fehlerAus(aus)
    {}

    void melde(Art, const QString &text) override { ausgeben(text); }
    Knopf frage(Art, const QString &text, Knoepfe knoepfe) override
    {
        const bool ok = knoepfe == Knoepfe::Ok || knoepfe == Knoepfe::OkAbbruch;
        ausgeben(text + (ok ? u" -> OK"_s : u" -> Ja"_s));
        return ok ? Knopf::Ok : Knopf::Ja;
    }
    void piep() override {}
    QString dateiZumOeffnen(const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString dateiZumSpeichern(const QString &, const QString &vorschlag, const QString &,
                              const QString &) override
    {
        return vorschlag;
    }
    QString ordnerWaehlen(const QString &, const QString &) override { return {}; }
    std::optional<QString> textEingabe(const QString &, const QString &,
                                       const QString &vorgabe) override
    {
        return vorgabe;
    }

private:
    void ausgeben(QString text)
    {
        text.replace(u"\r\n"_s, u"\n"_s);
        fehlerAus << text << Qt::endl;
    }
    QTextStream &fehlerAus;
};

} // namespace

VerbRegistrierung::VerbRegistrierung(const char *verb, const char *aufruf, VerbFunktion funktion)
{
    verben()[QString::fromUtf8(verb)] = {QString::fromUtf8(aufruf), funktion};
}

std::optional<QString> optionNehmen(QStringList &argumente, const QString &name)
{
    const qsizetype i = argumente.indexOf(name);
    if (i < 0 || i + 1 >= argumente.size()) {
        return std::nullopt;
    }
    const QString wert = argumente[i + 1];
    argumente.remove(i, 2);
    return wert;
}

bool schalterNehmen(QStringList &argumente, const QString &name)
{
    return argumente.removeAll(name) > 0;
}

QDateTime WerkzeugUhr::jetzt() const
{
    const QDateTime jetzt = QDateTime::currentDateTime();
    return tag ? QDateTime(*tag, jetzt.time()) : jetzt;
}

bool heuteNehmen(WerkzeugKontext &k, std::optional<QDate> &heute)
{
    const std::optional<QString> tag = optionNehmen(k.argumente, u"--heute"_s);
    if (!tag) {
        return true;
    }
    heute = QDate::fromString(*tag, u"yyyy-MM-dd"_s);
    if (!heute->isValid()) {
        k.fehler << u"--heute erwartet yyyy-mm-dd"_s << Qt::endl;
        return false;
    }
    return true;
}

bool basisEinstellungenLaden(const QString &basis, Einstellungen &e, Rueckfragen &r)
{
    e.programmOrdner = mitTrenner(QDir(basis).absolutePath());
    Konfiguration konfiguration(e, r);
    return konfiguration.einstellungenLaden();
}

int werkzeugAusfuehren(const QStringList &argumente, QTextStream &aus, QTextStream &fehler)
{
    StderrRueckfragen r(fehler);
    const auto hilfe = [](const QString &a) { return a == u"--help"_s || a == u"-h"_s; };
    if (!argumente.isEmpty()) {
        const auto it = verben().find(argumente.first());
        // Ein Verb mit --help zeigt seinen Aufruf, statt eine Datei "--help" zu lesen.
        if (it != verben().end() && std::any_of(argumente.begin() + 1, argumente.end(), hilfe)) {
            aus << u"Aufruf: mivo-werkzeug "_s << it->second.aufruf << Qt::endl;
            aus.flush();
            return 0;
        }
        if (it != verben().end()) {
            WerkzeugKontext k{argumente.mid(1), aus, fehler, r};
            const int ergebnis = it->second.funktion(k);
            if (ergebnis == 1) {
                fehler << u"Aufruf: mivo-werkzeug "_s << it->second.aufruf << Qt::endl;
            }
            aus.flush();
            fehler.flush();
            return ergebnis;
        }
    }
    // Nach Hilfe gefragt: Aufruf auf stdout, Erfolg; sonst falscher Aufruf.
    const bool gefragt =
        argumente.size() == 1 && (hilfe(argumente[0]) || argumente[0] == u"hilfe"_s);
    QTextStream &ziel = gefragt ? aus : fehler;
    ziel << u"Aufruf:"_s << Qt::endl;
    for (const auto &[name, verb] : verben()) {
        ziel << u"  mivo-werkzeug "_s << verb.aufruf << Qt::endl;
    }
    ziel.flush();
    return gefragt ? 0 : 1;
}
