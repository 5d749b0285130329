// RTF-Leser mit beliebigen Bytes. Was gelesen wurde, muss der Schreiber so schreiben, dass
// der Leser denselben Text wieder herausliest.

#include "common/rtf/rtf.h"

#include <QCoreApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    QTextDocument doc;
    const RtfLeseErgebnis e =
        rtfLesen(QByteArrayView(reinterpret_cast<const char *>(daten), qsizetype(groesse)), doc);
    if (!e.ok()) {
        if (!doc.toPlainText().isEmpty()) {
            std::abort(); // ein Fehler laesst nichts halb Gelesenes zurueck
        }
        return 0;
    }
    QTextDocument zurueck;
    if (!rtfLesen(rtfSchreiben(doc), zurueck).ok() || zurueck.toPlainText() != doc.toPlainText()) {
        std::abort();
    }
    return 0;
}
