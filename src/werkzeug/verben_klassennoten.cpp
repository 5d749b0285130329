// klassennoten DATEI.DTA --vorlage VORLAGE ZIEL [--heute JJJJ-MM-TT]: die Klassennoten in eine
// Textvorlage (.docx, .odt; .doc ueber LibreOffice) wie "Ausgabe/ Druck über Textprogramm".

#include "classdata/klassendatei.h"
#include "grades/klassennoten.h"
#include "werkzeug/werkzeug.h"

#include <QFileInfo>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

int klassennoten(WerkzeugKontext &k)
{
    std::optional<QDate> heute;
    if (!heuteNehmen(k, heute)) {
        return 1;
    }
    const std::optional<QString> vorlage = optionNehmen(k.argumente, u"--vorlage"_s);
    if (!vorlage || k.argumente.size() != 2) {
        return 1;
    }
    const QString pfad = k.argumente[0];
    const KlassennotenWahl wahl{*vorlage, k.argumente[1]};
    Klasse klasse;
    if (!klasseLadenAusDatei(pfad, klasse, k.r)) {
        return 2;
    }
    const WerkzeugUhr uhr(heute);
    const QString name = klassennameAusEintrag(QFileInfo(pfad).fileName());
    return klassennotenSchreiben(wahl, klasse, name, NotenAnzeige::Zensuren, uhr.heute(), k.r) ? 0
                                                                                               : 2;
}

const VerbRegistrierung verb("klassennoten",
                             "klassennoten DATEI.DTA --vorlage VORLAGE ZIEL [--heute JJJJ-MM-TT]   "
                             "Klassennoten in eine Textvorlage (.docx, .odt)",
                             &klassennoten);

} // namespace
