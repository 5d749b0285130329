#include "classdata/zufallsgruppen.h"

#include "classdata/klasse.h"
#include "common/zufall.h"

#include <array>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString kTrennlinie = QString(14, u'_');
const QString kLeer14 = QString(14, u' ');
const QString kFueller = QString(12, u' ');

// Nach so vielen vergeblichen Ziehungen wird der naechste noch freie Schueler genommen: eine
// schlechte Zufallsquelle darf die Losung nicht endlos laufen lassen.
constexpr int kMaxZiehungen = 100000;

class Losung
{
public:
    Losung(const Klasse &k, bool kurs, int groesse, Zufall &z)
        : klasse(k)
        , istKurs(kurs)
        , gruppenGroesse(groesse)
        , zufall(z)
        , anzahl(klassenGroesse(k))
    {}

    void gruppenNummer()
    {
        if (gruppenGroesse > 2 || platziert < 33) {
            static constexpr std::array<qsizetype, 6> fuellstellen = {15, 16, 32, 33, 49, 50};
            while (std::find(fuellstellen.begin(), fuellstellen.end(), eintraege.size() + 1) !=
                   fuellstellen.end()) {
                eintraege.append({kFueller, false});
            }
        }
        eintraege.append({QString::number(gruppe), false});
        ++gruppe;
    }

    void gruppeAbschliessen(int ziehbar)
    {
        eintraege.append({kTrennlinie, false});
        if (gruppenGroesse > 2) {
            eintraege.append({kLeer14, false});
        }
        if (platziert < ziehbar) {
            gruppenNummer();
        }
    }

    // Ein Durchgang: zieht, bis platziert == bis.
    void durchgang(const std::function<bool(const Schueler &)> &passt, int bis, int ziehbar)
    {
        while (platziert < bis) {
            ++platziert;
            const int nr = ziehen(passt);
            gezogen[nr - 1] = true;
            const Schueler &s = klasse.schueler(nr);
            eintraege.append({gruppenEintragText(s.vorname, s.nachname, s.klasse, istKurs),
                              s.geschlecht == u"w"_s});
            if ((platziert + luecken) % gruppenGroesse == 0) {
                gruppeAbschliessen(ziehbar);
            }
        }
    }

    int ziehen(const std::function<bool(const Schueler &)> &passt)
    {
        for (int versuch = 0; versuch < kMaxZiehungen; ++versuch) {
            const int i = zufall.zahl(anzahl);
            if (i >= 0 && i < anzahl && !gezogen[i] && passt(klasse.schueler(i + 1))) {
                return i + 1;
            }
        }
        for (int i = 0; i < anzahl; ++i) {
            if (!gezogen[i] && passt(klasse.schueler(i + 1))) {
                return i + 1;
            }
        }
        return 0; // nicht erreichbar: der Durchgang zieht nur, solange jemand passt
    }

    const Klasse &klasse;
    const bool istKurs;
    const int gruppenGroesse;
    Zufall &zufall;
    const int anzahl;
    std::array<bool, kMaxSchueler> gezogen{};
    int platziert = 0;
    int luecken = 0;
    int gruppe = 1;
    QList<GruppenEintrag> eintraege;
};

} // namespace

QString gruppenEintragText(const QString &vorname, const QString &nachname, const QString &klasse,
                           bool istKurs)
{
    QString text = (vorname + u' ').left(21) + nachname;
    if (istKurs) {
        text += u" ("_s + klasse + u')';
    }
    return text + u"  "_s;
}

QList<GruppenEintrag> zufallsgruppenLosen(const Klasse &klasse, bool istKurs, int gruppenGroesse,
                                          bool jungenMaedchenTrennung, Zufall &zufall)
{
    if (gruppenGroesse < kKleinsteGruppe || gruppenGroesse > kGroessteGruppe) {
        return {};
    }
    Losung l(klasse, istKurs, gruppenGroesse, zufall);
    int maedchen = 0;
    int jungen = 0;
    for (int nr = 1; nr <= l.anzahl; ++nr) {
        const QString &g = klasse.schueler(nr).geschlecht;
        maedchen += g == u"w"_s ? 1 : 0;
        jungen += g == u"m"_s ? 1 : 0;
    }
    l.gruppenNummer();
    if (!jungenMaedchenTrennung) {
        l.durchgang([](const Schueler &) { return true; }, l.anzahl, l.anzahl);
        return l.eintraege;
    }
    const int ziehbar = maedchen + jungen;
    l.durchgang([](const Schueler &s) { return s.geschlecht == u"w"_s; }, maedchen, ziehbar);
    const int rest = maedchen % gruppenGroesse;
    if (rest > 0) {
        l.luecken = gruppenGroesse - rest;
        for (int i = 0; i < l.luecken; ++i) {
            l.eintraege.append({kLeer14, false});
        }
        l.gruppeAbschliessen(ziehbar);
    }
    l.durchgang([](const Schueler &s) { return s.geschlecht == u"m"_s; }, ziehbar, ziehbar);
    return l.eintraege;
}
