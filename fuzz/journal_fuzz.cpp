// Journal der Eingaben aus beliebigen Bytes: Zerlegen, Wiederherstellen des Standes und die
// Notenaenderungen fuer den Verlauf.
#include "classdata/klassendatei.h"
#include "classdata/klassenjournal.h"
#include "classdata/klassensicherung.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    const JournalLesung l = journalZerlegen(bytes);
    if (l.gueltig > l.dateiLaenge) {
        __builtin_trap();
    }
    if (l.zustand == JournalLesung::Zustand::Gelesen) {
        if (l.stand.size() != kKlassenDateiGroesse || l.ausgang.size() != kKlassenDateiGroesse) {
            __builtin_trap();
        }
        klasseAusBytes(l.stand);
        journalAenderungen(l);
        journalVerlustMeldung(QStringLiteral("/x/L-7a-Ph.DTA"), l);
    }
    return 0;
}
