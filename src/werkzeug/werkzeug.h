#pragma once
// mivo-werkzeug: die Logik des Programms von der Kommandozeile.
// Jede Rueckfrage wird mit Ja beantwortet, jede Meldung geht nach stderr.
// Rueckgabe 0 bei Erfolg, 2 wenn der Vorgang abgebrochen wurde, 1 bei falschem Aufruf.
//
// Jedes Verb steht in einer eigenen Datei verben_*.cpp und meldet sich dort mit einer
// statischen VerbRegistrierung an.

#include "common/uhr.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

class Rueckfragen;
struct Einstellungen;
class QTextStream;

struct WerkzeugKontext
{
    QStringList argumente; // ohne das Verb
    QTextStream &aus;
    QTextStream &fehler;
    Rueckfragen &r;
};

using VerbFunktion = int (*)(WerkzeugKontext &);

struct VerbRegistrierung
{
    // aufruf: Kurzbeschreibung fuer die Hilfe, z. B. "klasse DATEI.DTA   Klasse als JSON ausgeben"
    VerbRegistrierung(const char *verb, const char *aufruf, VerbFunktion funktion);
};

// Nimmt "--name WERT" aus den Argumenten; nullopt, wenn die Option fehlt.
std::optional<QString> optionNehmen(QStringList &argumente, const QString &name);
// Nimmt den Schalter "--name"; true, wenn er da war.
bool schalterNehmen(QStringList &argumente, const QString &name);

// Die Systemuhr, deren Tag --heute festlegen kann.
class WerkzeugUhr final : public Uhr
{
public:
    explicit WerkzeugUhr(std::optional<QDate> tag)
        : tag(tag)
    {}
    QDateTime jetzt() const override;

private:
    std::optional<QDate> tag;
};

// Nimmt "--heute yyyy-mm-dd"; false (mit Meldung) bei einem ungueltigen Datum.
bool heuteNehmen(WerkzeugKontext &k, std::optional<QDate> &heute);
// Laedt die Einstellungen des Basisordners wie beim Programmstart; false, wenn das Programm
// enden wuerde.
bool basisEinstellungenLaden(const QString &basis, Einstellungen &e, Rueckfragen &r);

int werkzeugAusfuehren(const QStringList &argumente, QTextStream &aus, QTextStream &fehler);
