// Was Schueler und Lehrkraft aus den Uebergabeordnern lesen, aus beliebigen Bytes: Mivo-cf.txt,
// Signaldatei und persoenliche Kopie (Testliste, Namenszeile, Thema, Testbogen), ein
// zurueckgegebenes Dokument und das Protokoll der Abgaben in T2-Ausge. Das erste Byte waehlt die
// Datei; die Ordner liegen in einem Zwischenordner, jede Eingabe ueberschreibt ihre Datei.
#include "conduct/testname.h"
#include "conduct/verteilung.h"
#include "outside/schuelerprogramm.h"
#include "outside/schuelerseite.h"
#include "outside/testbogen.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>

using namespace Qt::StringLiterals;
namespace sp = schuelerprogramm;
namespace ss = schuelerseite;

namespace {

const QString kKlasse = u"7a"_s;
const QString kLehrer = u"Lehrer/"_s;
const QString kTest = u"7aP1Sich"_s;

struct Ordner
{
    QTemporaryDir tmp;
    QString wurzel = tmp.path() + u'/';
    QString transfer = wurzel + u"transfer/"_s;
    QString kopie = sp::ausgabeKlassenOrdner(transfer, kLehrer, kKlasse) +
                    sp::persoenlicherDateiname(u"Karl"_s, u"Schmidtbauer"_s, kKlasse);
    QString rueckgabe = sp::rueckgabeKlassenOrdner(transfer, kLehrer, kKlasse) +
                        u"Mivo-Test 2024-11-05 "_s + kTest + u"- Schmidtb.K7a- benotet.Doc"_s;
    QString signal = transfer + sp::signalDateiname(kKlasse, kLehrer, kTest);
    TestPfade test{wurzel, u"2024-25"_s, kTest};
};

Ordner *ordner = nullptr;

void schreiben(const QString &pfad, const QByteArray &bytes)
{
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    static Ordner o;
    ordner = &o;
    for (const QString &pfad : {o.kopie, o.rueckgabe, o.test.protokollDatei()}) {
        QDir().mkpath(QFileInfo(pfad).path());
    }
    schreiben(o.signal, "2024-11-05\r\n");
    schreiben(o.wurzel + ss::kKonfigName, {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    if (groesse < 1) {
        return 0;
    }
    const Ordner &o = *ordner;
    const QByteArray bytes(reinterpret_cast<const char *>(daten) + 1, qsizetype(groesse - 1));
    switch (daten[0] % 5) {
    case 0: {
        schreiben(o.wurzel + ss::kKonfigName, bytes);
        const ss::KonfigErgebnis k = ss::konfigLesen(o.wurzel + ss::kKonfigName);
        // Eingerichtet heisst: beide Ordner da und mit dem Trenner am Ende.
        if (k.konfig && (!k.konfig->ausgabeOrdner.endsWith(u'/') ||
                         !k.konfig->abgabeOrdner.endsWith(u'/') || !k.meldung.isEmpty())) {
            __builtin_trap();
        }
        break;
    }
    case 1:
    case 2: {
        // Kopie oder Rueckgabe; die Signaldatei mit festem Inhalt
        const bool test = daten[0] % 5 == 1;
        schreiben(test ? o.kopie : o.rueckgabe, bytes);
        const ss::Suche s = ss::bereitgestellteSuchen(o.transfer, kKlasse,
                                                      test ? ss::Art::Test : ss::Art::Rueckgabe);
        if (s.gefunden.size() != 1) {
            __builtin_trap();
        }
        const ss::EintragsListe l =
            test ? ss::kopienAuflisten(s.gefunden[0]) : ss::rueckgabenAuflisten(s.gefunden[0]);
        if (l.eintraege.size() + l.unlesbar.size() != 1) {
            __builtin_trap();
        }
        for (const ss::Eintrag &e : l.eintraege) {
            (void)e.anzeige();
        }
        if (test) {
            QString meldung;
            if (auto b = ss::Testbogen::lesen(o.kopie, meldung)) {
                (void)b->kopf();
                (void)b->offeneFragen();
            }
        }
        break;
    }
    case 3: {
        // Signaldatei mit beliebigem Inhalt: das Datum ist gueltig oder leer
        schreiben(o.kopie, "Name: Karl Schmidtbauer\r\n");
        schreiben(o.signal, bytes);
        const ss::Suche s = ss::bereitgestellteSuchen(o.transfer, kKlasse, ss::Art::Test);
        schreiben(o.signal, "2024-11-05\r\n");
        if (s.gefunden.size() != 1 ||
            (!s.gefunden[0].datum.isEmpty() && s.gefunden[0].datum.size() != 10)) {
            __builtin_trap();
        }
        break;
    }
    default: {
        schreiben(o.test.protokollDatei(), bytes);
        const std::optional<int> n = protokollZaehlen(o.test);
        if (!n || *n < 0 || *n > bytes.size()) {
            __builtin_trap();
        }
        break;
    }
    }
    return 0;
}
