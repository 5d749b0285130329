// Klassendatei-Leser mit beliebigen Bytes: nie ausserhalb lesen, Rundreise muss stabil sein.
#include "classdata/klassendatei.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    auto klasse = klasseAusBytes(bytes);
    if (!klasse) {
        if (bytes.size() >= kKlassenDateiGroesse) {
            std::abort();
        }
        return 0;
    }
    // Die Pruefung auf den Bytes urteilt wie die auf der zerlegten Klasse.
    if (klassenBytesPlausibel(bytes) != unplausiblesFeld(*klasse).isEmpty()) {
        std::abort();
    }
    (void)klassenGroesse(*klasse);
    standardNotenartenEinsetzen(*klasse);
    // Gelesenes muss sich schreiben und unveraendert wieder lesen lassen.
    const auto geschrieben = klasseAlsBytes(*klasse);
    if (!geschrieben || geschrieben->size() != kKlassenDateiGroesse) {
        std::abort();
    }
    const auto wieder = klasseAusBytes(*geschrieben);
    if (!wieder || klasseAlsBytes(*wieder) != geschrieben) {
        std::abort();
    }
    return 0;
}
