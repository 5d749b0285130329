// Der Leser der Importdateien mit Schuelernamen: beliebige Bytes als ANSI-Text, Zeile fuer Zeile.

#include "classdata/klassenverwaltung.h"
#include "common/ansitext.h"

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QString text =
        ansiDekodieren(QByteArrayView(reinterpret_cast<const char *>(daten), qsizetype(groesse)));
    const QStringList zeilen = zeilenAufteilen(text);
    int anzahl = -1;
    QString zeichenFehler;
    const auto ergebnis = importZeilenAusText(zeilen, &anzahl, &zeichenFehler);
    // Aus ANSI-Text wird jeder Name speicherbar: eine Zeichenmeldung waere ein Fehler.
    if (!zeichenFehler.isEmpty() || anzahl < 0 || (ergebnis && ergebnis->size() > 40) ||
        (!ergebnis && anzahl <= 40)) {
        __builtin_trap();
    }
    if (ergebnis) {
        for (const NamensZeile &z : *ergebnis) {
            // Jede Zeile passt in den Datensatz, Geschlecht und Klasse sind je ein Zeichen.
            if (z.nachname.size() > 20 || z.vorname.size() > 20 || z.geschlecht.size() > 1 ||
                z.klasse.size() > 1 || (z.vorname.isEmpty() && z.nachname.isEmpty())) {
                __builtin_trap();
            }
            if (!z.geschlecht.isEmpty() && z.geschlecht != u"m"_s && z.geschlecht != u"w"_s) {
                __builtin_trap();
            }
            if (!ansiDarstellbar(z.nachname) || !ansiDarstellbar(z.vorname)) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
