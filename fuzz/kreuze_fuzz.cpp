// Kreuze einer ausgefuellten Kopie und die benotete Kopie aus beliebigen Bytes.
#include "common/ansitext.h"
#include "conduct/benotung.h"
#include "conduct/testdokument.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QStringList zeilen =
        zeilenAufteilen(ansiDekodieren(QByteArrayView(daten, qsizetype(groesse))));
    const Kreuze k = kreuzeEinlesen(zeilen);
    Loesung l = loesungAusZeilen(zeilen).value_or(Loesung{});
    std::array<qint16, kMaxFragen + 1> treffer{};
    Einzelergebnis e = punkteUndNoteBerechnen(l, k, standardNormtabelle(), treffer);
    e.krank = kopfPruefen(zeilen, QStringLiteral("A")).krank;
    benoteteKopie(zeilen, l, e);
    return 0;
}
