#pragma once
// Die Aufgabenanalyse als JSON-Wert, Zahlen ungerundet, null fuer nicht bestimmbare Werte:
// {"schueler": n, "kr20": ..., "fragen": [{"nr": 1, "loesungsquote": ..., "trennschaerfe": ...,
//  "antworten": {"a": ..., "b": ..., "c": ..., "d": ..., "keine": ...}}, ...]}

#include "conduct/aufgabenanalyse.h"
#include "werkzeug/json.h"

inline void zahlOderNull(JsonSchreiber &j, const std::optional<double> &wert)
{
    if (wert) {
        j.wert(*wert);
    } else {
        j.wertNull();
    }
}

inline void aufgabenanalyseJson(JsonSchreiber &j, const Aufgabenanalyse &a)
{
    using namespace Qt::StringLiterals;
    static const QString namen[5] = {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"keine"_s};
    j.objektAnfang().schluessel(u"schueler"_s).wert(qint64(a.schueler));
    j.schluessel(u"kr20"_s);
    zahlOderNull(j, a.kr20);
    j.schluessel(u"fragen"_s).feldAnfang();
    for (const Fragenanalyse &f : a.fragen) {
        j.objektAnfang().schluessel(u"nr"_s).wert(qint64(f.nr.toInt()));
        j.schluessel(u"loesungsquote"_s);
        zahlOderNull(j, f.loesungsquote);
        j.schluessel(u"trennschaerfe"_s);
        zahlOderNull(j, f.trennschaerfe);
        j.schluessel(u"antworten"_s).objektAnfang();
        for (size_t i = 0; i < f.antworten.size(); ++i) {
            j.schluessel(namen[i]);
            zahlOderNull(j, f.antworten[i]);
        }
        j.objektEnde().objektEnde();
    }
    j.feldEnde().objektEnde();
}
