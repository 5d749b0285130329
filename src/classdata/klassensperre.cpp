#include "classdata/klassensperre.h"

#include "classdata/klassendatei.h"
#include "common/ansitext.h"
#include "common/fremdordner.h"
#include "common/rueckfragen.h"
#include "common/sperrdatei.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// Der Inhalt, gegen den verglichen wird; eine fehlende Datei ist leer.
QByteArray inhalt(const QString &pfad)
{
    return bytesLesen(pfad, 4 * kKlassenDateiGroesse).bytes;
}

QString klassenname(const QString &pfad)
{
    const QString name = QFileInfo(pfad).fileName();
    return name.size() > 4 ? name.chopped(4) : name;
}

} // namespace

Klassensperre::~Klassensperre()
{
    schliessen();
}

bool Klassensperre::sperreHolen()
{
    if (!gehalten && sperre) {
        gehalten = sperre->sperren(0);
    }
    return gehalten;
}

QString Klassensperre::werHaelt() const
{
    if (!sperre) {
        return {};
    }
    const Sperrdatei::Halter h = sperre->halter();
    const QString &rechner = h.rechner, &programm = h.programm;
    if (rechner.isEmpty()) {
        return {};
    }
    return u" (Rechner \""_s + rechner + u'"' +
           (programm.isEmpty() ? QString() : u", Programm \""_s + programm + u'"') + u')';
}

bool Klassensperre::anfangen(const QString &pfad)
{
    schliessen();
    datei = pfad;
    sperre = std::make_unique<Sperrdatei>(pfad + kKlassensperreEndung, kKlassensperreVerwaistMs);
    stand = inhalt(pfad);
    return sperreHolen();
}

bool Klassensperre::oeffnen(const QString &pfad, Rueckfragen &r)
{
    if (anfangen(pfad)) {
        return true;
    }
    if (sperre->anlegbar()) {
        r.warnung(u"Die Klasse "_s + klassenname(pfad) +
                  u" ist bereits geöffnet, in einem anderen Programmfenster oder auf einem "
                  "anderen Rechner"_s +
                  werHaelt() +
                  u". Wird sie dort und hier bearbeitet, kann beim Speichern eine der beiden "
                  "Fassungen verloren gehen; vor dem Speichern wird deshalb gefragt."_s);
    }
    return false;
}

bool Klassensperre::alleinOeffnen(const QString &pfad, Rueckfragen &r)
{
    if (anfangen(pfad)) {
        return true;
    }
    if (sperre->anlegbar()) {
        r.fehler(u"Die Klasse "_s + klassenname(pfad) +
                 u" ist in einem anderen Programm geöffnet"_s + werHaelt() +
                 u". Sie wird hier nicht geschrieben; es wurde nichts geändert. Schließen Sie die "
                 "Klasse dort und versuchen Sie es dann noch einmal."_s);
    } else {
        r.fehler(u"Die Klasse "_s + klassenname(pfad) +
                 u" lässt sich nicht sperren (Sperrdatei "_s + pfad + kKlassensperreEndung +
                 u"). Sie wird nicht geschrieben; es wurde nichts geändert."_s);
    }
    schliessen();
    return false;
}

bool Klassensperre::speichern(const Klasse &klasse, Rueckfragen &r)
{
    if (datei.isEmpty()) {
        return false;
    }
    const bool eigen = sperreHolen();
    const bool geaendert = inhalt(datei) != stand;
    if (geaendert || !eigen) {
        const QString grund =
            geaendert ? u"Die Datei "_s + datei +
                            u" wurde seit dem Öffnen von einem anderen Programm gespeichert. "
                            "Wenn Sie jetzt speichern, gehen die dort gespeicherten Änderungen "
                            "verloren."_s
                      : u"Die Klasse "_s + klassenname(datei) +
                            u" ist noch in einem anderen Programm geöffnet"_s + werHaelt() +
                            u". Wird sie dort später ebenfalls gespeichert, wird dort gefragt, "
                            "ob Ihre Fassung überschrieben werden soll."_s;
        if (r.frage(Rueckfragen::Art::Warnung, grund + u"\r\nTrotzdem speichern?"_s,
                    Rueckfragen::Knoepfe::JaNein) != Rueckfragen::Knopf::Ja) {
            return false;
        }
    }
    if (eigen) {
        speicherresteEntfernen(datei);
    }
    if (!klassenlisteSchreiben(datei, klasse, r)) {
        return false;
    }
    stand = inhalt(datei);
    return true;
}

void Klassensperre::schliessen()
{
    if (gehalten && sperre) {
        sperre->freigeben();
    }
    gehalten = false;
    sperre.reset();
    datei.clear();
    stand.clear();
}
