// zurueckgeben: die benoteten Kopien eines Tests zurueckgeben, wie es der Rueckgabeknopf tut.

#include "app/konfiguration.h"
#include "common/ordner.h"
#include "common/uhr.h"
#include "conduct/rueckgabe.h"
#include "werkzeug/werkzeug.h"

#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

// Heute oder der mit --heute festgelegte Tag.
class TagesUhr final : public Uhr
{
public:
    explicit TagesUhr(const QDate &tag)
        : tag(tag)
    {}
    QDateTime jetzt() const override
    {
        const QDateTime j = QDateTime::currentDateTime();
        return tag.isValid() ? QDateTime(tag, j.time()) : j;
    }

private:
    QDate tag;
};

int zurueckgeben(WerkzeugKontext &k)
{
    const std::optional<QString> basis = optionNehmen(k.argumente, u"--basis"_s);
    const bool nurLesen = schalterNehmen(k.argumente, u"--nur-lesen"_s);
    QDate tag;
    if (const std::optional<QString> heute = optionNehmen(k.argumente, u"--heute"_s)) {
        tag = QDate::fromString(*heute, u"yyyy-MM-dd"_s);
        if (!tag.isValid()) {
            k.fehler << u"--heute erwartet yyyy-mm-dd"_s << Qt::endl;
            return 1;
        }
    }
    if (!basis || k.argumente.size() != 2 || k.argumente[1].size() != 8) {
        return 1;
    }
    Einstellungen e;
    e.programmOrdner = mitTrenner(*basis);
    Konfiguration konf(e, k.r);
    if (!konf.einstellungenLaden()) {
        return 2;
    }
    if (e.rueckgabeOrdner.isEmpty()) {
        k.fehler << u"Kein Rückgabeordner eingetragen ("_s << kSchuelerCfName << u")."_s
                 << Qt::endl;
        return 2;
    }
    TestPfade test{e.basisOrdner, k.argumente[0], k.argumente[1]};
    const TagesUhr uhr(tag);
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
