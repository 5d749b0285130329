#include "app/uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

bool qtUebersetzungLaden(QCoreApplication &app)
{
    auto *uebersetzung = new QTranslator(&app);
    // Immer Deutsch, gleich welche Sprache der Rechner eingestellt hat.
    if (!uebersetzung->load(QLocale(QLocale::German, QLocale::Germany), u"qtbase"_s, u"_"_s,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzung;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzung);
}
