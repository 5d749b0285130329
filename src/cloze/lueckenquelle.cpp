#include "cloze/lueckenquelle.h"

#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

struct QuellLuecke
{
    int anfang = 0;
    int ende = 0;
    QChar art;
    QStringList alternativen;
};

} // namespace

QString lueckentextAusQuelle(const QString &quelle, QTextDocument &doc, Lueckentabelle &tab)
{
    QString text;
    text.reserve(quelle.size());
    QList<QuellLuecke> luecken;
    for (qsizetype i = 0; i < quelle.size(); ++i) {
        const QChar c = quelle[i];
        if (c == u'\r') {
            continue;
        }
        if (c == u'[' && i + 2 < quelle.size() && quelle[i + 2] == u':' &&
            QStringView(u"AFE").contains(quelle[i + 1])) {
            const qsizetype zu = quelle.indexOf(u']', i + 3);
            const qsizetype zeile = quelle.indexOf(u'\n', i + 3);
            if (zu > 0 && (zeile < 0 || zu < zeile)) {
                QStringList teile = quelle.mid(i + 3, zu - i - 3).split(u'|');
                QuellLuecke l;
                l.art = quelle[i + 1];
                l.anfang = int(text.size());
                text += teile.takeFirst();
                l.ende = int(text.size());
                l.alternativen = teile;
                luecken.append(l);
                i = zu;
                continue;
            }
        }
        text += c;
    }
    // Das Zeilenende der letzten Zeile macht keinen leeren Absatz.
    if (text.endsWith(u'\n')) {
        text.chop(1);
    }
    doc.setUndoRedoEnabled(false);
    doc.setPlainText(text);
    tab.alleLueckenLeer();
    for (qsizetype i = 0; i < luecken.size(); ++i) {
        const QuellLuecke &l = luecken[i];
        const QString f = lueckeMarkieren(doc, tab, l.anfang, l.ende, l.art);
        if (!f.isEmpty()) {
            return u"Lücke %1 (%2): "_s.arg(i + 1).arg(text.mid(l.anfang, l.ende - l.anfang)) + f;
        }
        for (const QString &alt : l.alternativen) {
            if (const QString fa = alternativeHinzufuegen(tab, int(i + 1), alt); !fa.isEmpty()) {
                return u"Lücke %1, Alternative %2: "_s.arg(i + 1).arg(alt) + fa;
            }
        }
    }
    return {};
}
