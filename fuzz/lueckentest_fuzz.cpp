// Lückentest-Leser mit beliebigen Bytes: Lehrersicht, Schülerdatei, Schülersicht, Benotung.
// Was als Urdatei angenommen wird, muss sich wieder als Urdatei schreiben und gleich lesen
// lassen; eine daraus gebaute Schülerdatei muss die Schülersicht annehmen.

#include "cloze/lueckenbenotung.h"
#include "cloze/lueckendateien.h"
#include "common/rtf/rtf.h"

#include <QCoreApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    QTextDocument datei;
    if (!rtfLesen(QByteArrayView(reinterpret_cast<const char *>(daten), qsizetype(groesse)), datei)
             .ok()) {
        return 0;
    }
    {
        std::unique_ptr<QTextDocument> doc(datei.clone());
        LueckenListen l;
        if (lehreransichtAusUrdatei(*doc, l, u"F"_s).isEmpty()) {
            if (lueckenLaeufe(*doc).size() != l.anzahl || l.anzahl > kMaxLuecken) {
                std::abort();
            }
            QString fehler;
            const auto ur = urdateiErzeugen(*doc, l.tabelle, fehler);
            if (ur) {
                QTextDocument zurueck;
                if (!rtfLesen(rtfSchreiben(*ur), zurueck).ok()) {
                    std::abort();
                }
                LueckenListen l2;
                if (!lehreransichtAusUrdatei(zurueck, l2, u"F"_s).isEmpty() ||
                    zurueck.toPlainText() != doc->toPlainText() || l2.anzahl != l.anzahl) {
                    std::abort();
                }
            }
        }
    }
    {
        QString fehler;
        const auto sch = schuelerdateiErzeugen(datei, u"F"_s, fehler);
        if (sch) {
            LueckenListen l;
            if (!schueleransichtAusSchuelerdatei(*sch, l, u"S"_s).isEmpty()) {
                std::abort();
            }
            const auto aus = ausgefuelltErzeugen(*sch, l.tabelle);
            const LueckenBenotung b =
                lueckentestBenoten(datei, u"F"_s, *aus, u"A"_s, standardNormtabelle());
            if (!b.fehler.isEmpty() || b.richtig != 0) {
                std::abort(); // leere Lücken sind nie richtig
            }
        }
    }
    {
        std::unique_ptr<QTextDocument> doc(datei.clone());
        LueckenListen l;
        schueleransichtAusSchuelerdatei(*doc, l, u"S"_s);
        lueckentestBenoten(datei, u"F"_s, datei, u"A"_s, standardNormtabelle());
    }
    return 0;
}
