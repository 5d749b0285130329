#include "conduct/abgabepruefung.h"

#include "common/ansitext.h"
#include "common/fremdordner.h"
#include "common/ordner.h"
#include "conduct/testname.h"
#include "outside/abgabe.h"
#include "outside/schuelerprogramm.h"

#include <QDateTime>
#include <QDir>
#include <QRandomGenerator>

using namespace Qt::StringLiterals;
namespace sp = schuelerprogramm;

QString dateiOhneFall(const QString &ordner, const QString &name)
{
    if (istGewoehnlicheDatei(ordner + name)) {
        return name;
    }
    const QStringList alle = QDir(ordner).entryList(
        QDir::Files | QDir::NoSymLinks | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &n : alle) {
        if (n.compare(name, Qt::CaseInsensitive) == 0) {
            return n;
        }
    }
    return {};
}

namespace {
int ruhezeitMs = 2000;
} // namespace

int abgabeRuhezeitMs()
{
    return ruhezeitMs;
}

void setzeAbgabeRuhezeitMs(int ms)
{
    ruhezeitMs = ms;
}

namespace abgabepruefung {

const QString kBeiseiteEndung = u".wird-eingesammelt"_s;

QString beiseiteName(const QString &name)
{
    static const char zeichen[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString endung(6, Qt::Uninitialized);
    for (QChar &c : endung) {
        c = QLatin1Char(zeichen[QRandomGenerator::global()->bounded(62)]);
    }
    return u'.' + name + u'.' + endung + kBeiseiteEndung;
}

QRegularExpression musterAusdruck(const QString &muster)
{
    return QRegularExpression::fromWildcard(muster, Qt::CaseInsensitive);
}

bool passtAufMuster(const QString &name, const QRegularExpression &muster)
{
    return muster.match(name).hasMatch();
}

QString beiseiteAbgabe(const QString &name, const QRegularExpression &muster)
{
    if (!name.startsWith(u'.') || !name.endsWith(kBeiseiteEndung)) {
        return {};
    }
    const QString kern = name.mid(1).chopped(kBeiseiteEndung.size());
    if (kern.size() > 7 && kern[kern.size() - 7] == u'.' &&
        passtAufMuster(kern.chopped(7), muster)) {
        return kern.chopped(7);
    }
    return passtAufMuster(kern, muster) ? kern : QString();
}

QString abweisungsgrund(const QString &name, const plattform::Eintrag &info)
{
    switch (info.typ) {
    case plattform::Eintrag::Typ::Verknuepfung:
        return u"ist eine Verknüpfung"_s;
    case plattform::Eintrag::Typ::Ordner:
        return u"ist ein Ordner"_s;
    case plattform::Eintrag::Typ::Datei:
        break;
    default:
        return u"ist keine gewöhnliche Datei"_s;
    }
    if (info.verweise > 1) {
        return u"ist eine Verknüpfung (ein zweiter Verweis auf eine Datei)"_s;
    }
    if (info.groesse > sp::kGrenzeAbgabe) {
        return u"ist größer als 1 MiB"_s;
    }
    if (!sp::dateinameTauglich(name) || !ansiDarstellbar(name)) {
        return u"hat einen Namen, den nicht jedes Dateisystem annimmt"_s;
    }
    return {};
}

std::optional<Vorlage> vorlageLesen(const TestPfade &test)
{
    const ZeilenErgebnis g = ansiZeilenLesen(test.vorlage(u'A'));
    const std::optional<Loesung> l = g.ok() ? loesungAusZeilen(g.zeilen) : std::nullopt;
    if (!l || l->fragen == 0) {
        return std::nullopt;
    }
    return Vorlage{g.zeilen, *l};
}

QStringList ausgeteilteKopie(const TestPfade &test, const QString &name)
{
    const QString gefunden = dateiOhneFall(test.kopienOrdner(), name);
    if (gefunden.isEmpty()) {
        return {};
    }
    const ZeilenErgebnis k =
        ansiZeilenOhneVerknuepfungLesen(test.kopienOrdner() + gefunden, sp::kGrenzeAbgabe);
    return k.ok() ? aufgabenUndAntworten(k.zeilen) : QStringList();
}

QString inhaltsgrund(const BytesErgebnis &b, const Vorlage &v, const QStringList &ausgeteilt)
{
    switch (b.fehler.art) {
    case DateiFehler::Art::Keiner:
        break;
    case DateiFehler::Art::Verknuepfung:
        return u"ist eine Verknüpfung"_s;
    case DateiFehler::Art::IstOrdner:
        return u"ist ein Ordner"_s;
    case DateiFehler::Art::ZuGross:
        return u"ist größer als 1 MiB"_s;
    case DateiFehler::Art::KeinText:
        return u"ist keine gewöhnliche Datei"_s;
    default:
        return u"lässt sich nicht lesen ("_s + plattform::fehlerText(b.fehler.nummer) + u')';
    }
    if (b.bytes.isEmpty()) {
        return u"ist leer"_s;
    }
    const ZeilenErgebnis z = ansiZeilenAus(b);
    if (!z.ok()) {
        return u"ist keine Textdatei"_s;
    }
    // Passt sie zur Vorlage oder zur ausgeteilten Kopie dieses Namens (die Vorlage kann seit dem
    // Austeilen berichtigt sein), gehoert sie zu diesem Test; ob sie die ausgeteilte ist,
    // entscheidet das Benoten und nennt sie sonst.
    if (!passtZurVorlage(z.zeilen, v.zeilen, v.loesung) &&
        (ausgeteilt.isEmpty() || aufgabenUndAntworten(z.zeilen) != ausgeteilt)) {
        return u"gehört nicht zu diesem Test (ihre Aufgaben stimmen nicht mit der Testvorlage "
               "überein)"_s;
    }
    return {};
}

bool istLesefehler(const BytesErgebnis &b)
{
    return b.fehler.art == DateiFehler::Art::Lesefehler ||
           b.fehler.art == DateiFehler::Art::Unerreichbar;
}

bool frisch(const plattform::Eintrag &info)
{
    return QDateTime::currentMSecsSinceEpoch() - info.geaendertMs < abgabeRuhezeitMs();
}

} // namespace abgabepruefung
