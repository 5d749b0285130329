// Fuellen einer Textvorlage aus beliebigen Bytes. Das erste Byte waehlt, wie die Bytes ankommen:
// als ganze Datei (ZIP), als word/document.xml einer .docx oder als content.xml einer .odt, damit
// der XML-Teil nicht erst hinter der ZIP-Pruefsumme liegt.
#include "grades/textvorlage.h"
#include "grades/textvorlage_zip.h"

#include <cstdint>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    if (groesse < 1) {
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char *>(daten) + 1, qsizetype(groesse - 1));
    QByteArray vorlage;
    switch (daten[0] % 3) {
    case 0:
        vorlage = bytes;
        break;
    case 1:
        vorlage = zipSchreiben({{u"word/document.xml"_s, {}, bytes}}).value_or(QByteArray());
        break;
    default:
        vorlage = zipSchreiben({{u"mimetype"_s, {}, "application/vnd.oasis.opendocument.text"},
                                {u"content.xml"_s, {}, bytes}})
                      .value_or(QByteArray());
    }
    Vorlagenfuellung f;
    f.datum = u"05.11.2024"_s;
    f.klasseKurs = u"Klasse: L-7x-Ph"_s;
    f.schueler = 3 + int(groesse % 5);
    f.zelle = [](int spalte, int zeile) -> std::optional<QString> {
        if (spalte > 72 || zeile > 10) {
            return std::nullopt;
        }
        return QString::number(spalte) + u'/' + QString::number(zeile);
    };
    const Fuellergebnis e = vorlageFuellen(vorlage, f);
    // Ein gelungenes Ergebnis muss selbst wieder eine lesbare Vorlage sein.
    if (e.ok() && vorlagenformat(e.dokument) == Vorlagenformat::Keins) {
        __builtin_trap();
    }
    return 0;
}
