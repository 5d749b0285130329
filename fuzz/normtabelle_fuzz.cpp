// Normtabellen-Leser (BIFF8, Office Open XML, OpenDocument) aus beliebigen Bytes. Das erste Byte
// waehlt den Leser, damit jeder auch ohne passende Kennung am Dateianfang geprueft wird.
#include "conduct/normtabelle.h"
#include "conduct/tabellenleser.h"

#include <cstdint>

// libgsf verliert beim Zerlegen mancher kaputter Verzeichnisbaeume einer OLE2-Datei ein paar
// Bytes (in glib angelegt); das ist nicht Sache dieses Lesers.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libgsf-1.so\nleak:libglib-2.0.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    if (groesse < 1) {
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char *>(daten) + 1, qsizetype(groesse - 1));
    SpaltenWerte s;
    switch (daten[0] % 4) {
    case 0:
        s = spalteAusXls(bytes, kNormBlatt, 4, 4, 21);
        break;
    case 1:
        s = spalteAusXlsx(bytes, kNormBlatt, 4, 4, 21);
        break;
    case 2:
        s = spalteAusOds(bytes, kNormBlatt, 4, 4, 21);
        break;
    default:
        normTabelleAusBytes(bytes);
        return 0;
    }
    if (s.werte.size() != 18) {
        __builtin_trap();
    }
    return 0;
}
