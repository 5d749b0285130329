// Konfigurationsdatei-Leser und -Schreiber mit beliebigen Bytes.
#include "common/ansitext.h"
#include "settings/konfiguration.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    QStringList zeilen = zeilenAufteilen(ansiDekodieren(bytes));
    static const QString koepfe[] = {Kopf::testAusgabe, Kopf::testAbgabe, Kopf::schule,
                                     Kopf::lehrerKlassenOrdner, Kopf::durchschnitte};
    for (const QString &kopf : koepfe) {
        (void)wertNachKopf(zeilen, kopf);
        const qsizetype vorher = zeilen.size();
        const bool gefunden = wertNachKopfSetzen(zeilen, kopf, QStringLiteral("/neu/"));
        // Es kommt hoechstens eine Wertzeile hinzu, und nur wenn der Kopf da ist.
        if (zeilen.size() < vorher || zeilen.size() > vorher + 1 ||
            (!gefunden && zeilen.size() != vorher)) {
            std::abort();
        }
        if (gefunden && wertNachKopf(zeilen, kopf) != QStringLiteral("/neu/")) {
            std::abort();
        }
    }
    // Was geschrieben wird, liest sich als dieselben Zeilen.
    DateiFehler f;
    const QByteArray geschrieben = ansiZeilenAlsBytes(zeilen, &f);
    if (f.ok() && zeilenAufteilen(ansiDekodieren(geschrieben)) != zeilen) {
        std::abort();
    }
    return 0;
}
