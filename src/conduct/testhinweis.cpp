#include "conduct/testhinweis.h"

#include "common/ordner.h"
#include "conduct/testname.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

bool bearbeiteteTestsVorhanden(const QString &schuljahrOrdner, const QString &klassenToken)
{
    const QString code = klassenCode(klassenToken);
    for (const QString &name : ordnerNachMuster(schuljahrOrdner)) {
        if (!istTestordnerName(name) || name.left(2).compare(code, Qt::CaseInsensitive) != 0) {
            continue;
        }
        const QString ordner = schuljahrOrdner + name + kTrenner;
        for (const QString &teil : {u"T1-Kopie"_s, u"T2-Ausge"_s, u"T3-Benot"_s}) {
            if (istEchterOrdner(ordner + teil)) {
                return true;
            }
        }
    }
    return false;
}

QString bearbeiteteTestsWarnung()
{
    return u"Achtung: Es sind für diese Klasse, für diese Schülernamen bereits bearbeitete Tests "
           u"vorhanden! - Eine (nochmalige) Benotung der alten Tests ist nur möglich, wenn die "
           u"Namen der Schüler nicht verändert werden! (s. Bedienungsanleitung)\r\n"
           u"Neue Schüler können allerdings aufgenommen werden."_s;
}
