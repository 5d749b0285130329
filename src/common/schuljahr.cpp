#include "common/schuljahr.h"

#include "common/ordner.h"

using namespace Qt::StringLiterals;

QString schuljahrText(int startjahr)
{
    return QString::number(startjahr) + u'-' +
           QString::number((startjahr + 1) % 100).rightJustified(2, u'0');
}

QStringList schuljahrListe()
{
    QStringList liste{u"..."_s};
    liste.reserve(kLetztesSchuljahr - kErstesSchuljahr + 2);
    for (int j = kErstesSchuljahr; j <= kLetztesSchuljahr; ++j) {
        liste.append(schuljahrText(j));
    }
    return liste;
}

QString aktuellesSchuljahr(const QDate &heute)
{
    return schuljahrText(heute.month() > 7 ? heute.year() : heute.year() - 1);
}

bool istSchuljahrOrdnerName(const QString &name)
{
    return name.size() == 7 && name[0] == u'2' && name[4] == u'-';
}

QString schuljahrOrdner(const QString &basis, const QString &schuljahr)
{
    return mitTrenner(basis) + schuljahr + kTrenner;
}
