#include "conduct/testsperre.h"

#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/plattform.h"
#include "common/rueckfragen.h"
#include "common/sperrdatei.h"

using namespace Qt::StringLiterals;

namespace {
int wartezeit = 3000;
} // namespace

int testsperreWartezeitMs()
{
    return wartezeit;
}

void setzeTestsperreWartezeitMs(int ms)
{
    wartezeit = ms;
}

Testsperre::Testsperre(const TestPfade &test)
    : test(test)
{}

Testsperre::~Testsperre()
{
    freigeben();
}

bool Testsperre::holen(int wartezeitMs)
{
    if (gehalten) {
        return true;
    }
    if (!istEchterOrdner(test.testOrdner())) {
        return true;
    }
    datei =
        std::make_unique<Sperrdatei>(test.testOrdner() + kTestsperreName, kTestsperreVerwaistMs);
    gehalten = datei->sperren(wartezeitMs);
    return gehalten;
}

bool Testsperre::sperren(Rueckfragen &r)
{
    if (holen(wartezeit)) {
        return true;
    }
    r.fehler(belegtMeldung());
    return false;
}

bool Testsperre::versuchen()
{
    return holen(0);
}

void Testsperre::freigeben()
{
    if (gehalten && datei) {
        datei->freigeben();
    }
    gehalten = false;
}

QString Testsperre::belegtMeldung() const
{
    const QString pfad = test.testOrdner() + kTestsperreName;
    if (datei && !datei->anlegbar() && plattform::istVerbindungsfehler(datei->anlegefehler())) {
        return plattform::serverUnerreichbarMeldung(test.testOrdner(), datei->anlegefehler());
    }
    if (!datei || !datei->anlegbar()) {
        return u"Die Sperrdatei "_s + pfad +
               u" lässt sich nicht anlegen. Ist der Testordner schreibgeschützt? "
               "Es wurde nichts verändert."_s;
    }
    const Sperrdatei::Halter h = datei->halter();
    const QString &rechner = h.rechner, &programm = h.programm;
    QString wer;
    if (!rechner.isEmpty()) {
        wer = u" (Rechner \""_s + rechner + u"\""_s +
              (programm.isEmpty() ? QString() : u", Programm \""_s + programm + u'"') + u')';
    }
    return u"Der Test "_s + test.testKuerzel + u" wird gerade von einem anderen Programm"_s + wer +
           u" bearbeitet. Bitte warten, bis es fertig ist, und dann noch einmal versuchen. "
           "Es wurde nichts verändert."_s;
}
