// Schluessel einer Testvorlage, Gruppe B (gemischt und in gegebener Folge), persoenliche Kopie,
// Aufgaben und Antworten einer abgegebenen Kopie aus beliebigen Bytes.
#include "common/ansitext.h"
#include "common/rueckfragen.h"
#include "common/zufall.h"
#include "conduct/testdokument.h"

#include <cstdint>

namespace {

class Stumm final : public RueckfragenOhneAuswahl
{
public:
    void melde(Art, const QString &) override {}
    Knopf frage(Art, const QString &, Knoepfe) override { return Knopf::Nein; }
    void piep() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QStringList zeilen =
        zeilenAufteilen(ansiDekodieren(QByteArrayView(daten, qsizetype(groesse))));
    const std::optional<Loesung> l = loesungAusZeilen(zeilen);
    if (l) {
        persoenlicheKopie(zeilen, *l, QStringLiteral("Karl"), QStringLiteral("Schmidtbauer"), true);
    }
    aufgabenUndAntworten(zeilen);
    const Antworten antworten = antwortenJeFrage(zeilen);
    Buchstabenzuordnung folge = gleicheBuchstaben();
    for (int q = 1; q <= kMaxFragen; ++q) {
        folge[q] = antwortenZuordnen(antworten[q], antworten[1], true).value_or(folge[q]);
    }
    gruppeBInFolge(zeilen, folge, l ? l->fragen : 0);
    Stumm r;
    StdZufall zufall{uint32_t(groesse)};
    gruppeBZeilen(zeilen, zufall, r);
    return 0;
}
