// zurueckgeben: die benoteten Kopien eines Tests zurueckgeben, wie es der Rueckgabeknopf tut.

#include "common/ordner.h"
#include "common/uhr.h"
#include "conduct/rueckgabe.h"
#include "settings/konfiguration.h"
#include "werkzeug/werkzeug.h"

#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

int zurueckgeben(WerkzeugKontext &k)
{
    const std::optional<QString> basis = optionNehmen(k.argumente, u"--basis"_s);
    const bool nurLesen = schalterNehmen(k.argumente, u"--nur-lesen"_s);
    std::optional<QDate> tag;
    if (!heuteNehmen(k, tag)) {
        return 1;
    }
    if (!basis || k.argumente.size() != 2 || k.argumente[1].size() != 8) {
        return 1;
    }
    Einstellungen e;
    if (!basisEinstellungenLaden(*basis, e, k.r)) {
        return 2;
    }
    // Eine unbrauchbare Angabe hat das Lesen schon gemeldet.
    if (e.rueckgabeOrdner.isEmpty() && e.ordnerFehler.contains(Kopf::testRueckgabe)) {
        return 2;
    }
    if (e.rueckgabeOrdner.isEmpty()) {
        k.fehler << u"Kein Rückgabeordner eingetragen ("_s << kSchuelerCfName << u")."_s
                 << Qt::endl;
        return 2;
    }
    TestPfade test{e.basisOrdner, k.argumente[0], k.argumente[1]};
    const WerkzeugUhr uhr(tag);
    const Rueckgabe g = testZurueckgeben(test, e, !nurLesen, uhr, k.r);
    if (!g.ok) {
        return 2;
    }
    k.aus << g.zielOrdner << Qt::endl;
    for (const QString &name : zurueckgegebeneDokumente(test, e)) {
        k.aus << name << Qt::endl;
    }
    return 0;
}

const VerbRegistrierung verb("zurueckgeben",
                             "zurueckgeben --basis ORDNER SCHULJAHR TESTKUERZEL [--nur-lesen] "
                             "[--heute JJJJ-MM-TT]   benotete Tests zurueckgeben",
                             &zurueckgeben);

} // namespace
