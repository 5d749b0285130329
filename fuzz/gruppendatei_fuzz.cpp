// Gruppendatei aus beliebigen Bytes.
#include "common/ansitext.h"
#include "conduct/benotung.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QStringList zeilen =
        zeilenAufteilen(ansiDekodieren(QByteArrayView(daten, qsizetype(groesse))));
    const auto tabelle = gruppenTabelle(zeilen);
    for (const Gruppeneintrag &e : tabelle) {
        if (e.nachname.size() > 20 || e.vorname.size() > 20) {
            __builtin_trap();
        }
    }
    return 0;
}
