#pragma once
// Pruefung eines Eintrags im Abgabeordner, bevor er eingesammelt wird: gehoert er zu diesem Test,
// ist er eine gewoehnliche Datei, wird er vielleicht noch geschrieben, ist er ein beiseite
// gelegter Rest eines abgebrochenen Einsammelns.

#include "common/plattform.h"
#include "conduct/testdokument.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>

struct BytesErgebnis;
struct TestPfade;

// Eine Abgabe, die juenger ist als diese Ruhezeit und nicht taugt, schreibt das Schuelerprogramm
// vielleicht noch: sie wird ohne Meldung spaeter wieder geprueft, und eine Leerung wartet so lange
// auf sie. Standard 2 s; Tests 0.
int abgabeRuhezeitMs();
void setzeAbgabeRuhezeitMs(int ms);

// Der Name einer Datei in ordner, die ohne Ruecksicht auf Gross-/Kleinschreibung name heisst;
// leer, wenn es keine gibt. Verknuepfungen werden nicht gefunden.
QString dateiOhneFall(const QString &ordner, const QString &name);

namespace abgabepruefung {

// Eine Abgabe, die gerade eingesammelt wird, liegt unter ".NAME.XXXXXX.wird-eingesammelt" im
// Abgabeordner: ein neuer Name je Versuch, der auf kein Abgabemuster passt. Bricht das Einsammeln
// ab, nimmt der naechste Schritt sie auf; ein dort gepflanzter Eintrag versperrt niemandem etwas.
extern const QString kBeiseiteEndung;
QString beiseiteName(const QString &name);
// Der Abgabename eines beiseite gelegten Eintrags (auch der frueheren Form ohne Zufallsteil);
// leer, wenn name keiner ist.
QString beiseiteAbgabe(const QString &name, const QRegularExpression &muster);

QRegularExpression musterAusdruck(const QString &muster);
bool passtAufMuster(const QString &name, const QRegularExpression &muster);

// Grund, warum ein Eintrag des Abgabeordners nicht eingesammelt wird; leer, wenn er taugt.
QString abweisungsgrund(const QString &name, const plattform::Eintrag &info);

// Testvorlage A: ihre Zeilen und die Loesung; nullopt, wenn sie fehlt oder keine Fragen hat.
struct Vorlage
{
    QStringList zeilen;
    Loesung loesung;
};
std::optional<Vorlage> vorlageLesen(const TestPfade &test);
// Fragen und Antworten der ausgeteilten Kopie dieses Namens in "T1-Kopie"; leer ohne sie.
QStringList ausgeteilteKopie(const TestPfade &test, const QString &name);
// Gelesen wird ueber einen ohne Verknuepfung geoeffneten Deskriptor; Grund leer, wenn die Abgabe
// zu diesem Test gehoert.
QString inhaltsgrund(const BytesErgebnis &b, const Vorlage &v, const QStringList &ausgeteilt);
// Ein Lesefehler (nicht: fremder Inhalt) einer Abgabe dieses Tests: sie bleibt liegen und
// haelt das Benoten auf.
bool istLesefehler(const BytesErgebnis &b);
// Juenger als die Ruhezeit.
bool frisch(const plattform::Eintrag &info);

} // namespace abgabepruefung
