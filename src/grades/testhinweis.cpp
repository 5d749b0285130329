#include "grades/testhinweis.h"

#include "common/ordner.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

bool bearbeiteteTestsVorhanden(const QString &schuljahrOrdner, const QString &klassenToken)
{
    // Im Testkuerzel stehen Klassen 10..13 ohne ihre fuehrende "1".
    const QString code = klassenToken.size() == 3 ? klassenToken.mid(1) : klassenToken.left(2);
    if (code.size() != 2) {
        return false;
    }
    for (const QString &name : ordnerNachMuster(schuljahrOrdner)) {
        const bool testordner =
            name.size() == 8 && name[0].isDigit() && name[3] >= u'1' && name[3] <= u'9';
        if (!testordner || name.left(2).compare(code, Qt::CaseInsensitive) != 0) {
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
