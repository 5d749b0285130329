#include "outside/schuelerprogramm.h"

#include "common/ordner.h"

using namespace Qt::StringLiterals;

namespace schuelerprogramm {

QString persoenlicherDateiname(const QString &vorname, const QString &nachname,
                               const QString &klassenkuerzel)
{
    return nachname.left(8) + u'.' + vorname.left(1) + kuerzelImDateinamen(klassenkuerzel);
}

QString kuerzelImDateinamen(const QString &klassenkuerzel)
{
    QString k = klassenkuerzel;
    return k.replace(u'.', u'_');
}

QString abgabeMuster(const QString &klassenkuerzel)
{
    return u"*.?"_s + kuerzelImDateinamen(klassenkuerzel);
}

QString ausgabeKlassenOrdner(const QString &ausgabeOrdner, const QString &lehrername,
                             const QString &klassenkuerzel)
{
    return ausgabeOrdner + lehrername + klassenkuerzel + kTrenner;
}

QString abgabeLehrerOrdner(const QString &abgabeOrdner, const QString &lehrername)
{
    return abgabeOrdner + lehrername;
}

QString abgabeEingang(const QString &abgabeOrdner, const QString &lehrername)
{
    return abgabeOrdner + lehrername + kAbgabeUnterordner + kTrenner;
}

QString rueckgabeKlassenOrdner(const QString &rueckgabeOrdner, const QString &lehrername,
                               const QString &klassenkuerzel)
{
    return rueckgabeOrdner + lehrername + klassenkuerzel + kTrenner;
}

QString signalDateiname(const QString &klassenkuerzel, const QString &lehrername,
                        const QString &testKuerzel)
{
    const QString lehrer = lehrername.endsWith(kTrenner) ? lehrername.chopped(1) : lehrername;
    return klassenkuerzel + u'-' + lehrer + u'-' + testKuerzel + kSignalEndung;
}

bool dateinameTauglich(const QString &name)
{
    if (name.isEmpty() || name == u"."_s || name == u".."_s || name.endsWith(u'.') ||
        name.endsWith(u' ')) {
        return false;
    }
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || u"\\/:*?\"<>|"_s.contains(c)) {
            return false;
        }
    }
    return true;
}

} // namespace schuelerprogramm
