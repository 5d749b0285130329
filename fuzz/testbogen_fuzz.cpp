// Der Testbogen des Schuelerprogramms aus beliebigen Bytes: lesen, ankreuzen, ausfuellen, und
// einen Zwischenstand aus denselben Bytes uebernehmen.
#include "outside/testbogen.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    QString fehler;
    std::optional<schuelerseite::Testbogen> b = schuelerseite::Testbogen::ausBytes(bytes, fehler);
    if (!b) {
        return 0;
    }
    for (int q = 0; q < b->anzahl(); ++q) {
        b->waehlen(q, q % 4);
    }
    const QByteArray aus = b->ausgefuellt();
    if (aus.size() != bytes.size() + b->anzahl()) {
        __builtin_trap();
    }
    b->leeren();
    if (!b->kreuzeUebernehmen(aus) || b->ausgefuellt() != aus) {
        __builtin_trap();
    }
    b->kreuzeUebernehmen(bytes);
    return 0;
}
