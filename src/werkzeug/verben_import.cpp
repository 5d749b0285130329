// klasse-importieren QUELLE.txt ZIEL.DTA [--kurs] [--ueberschreiben]: legt eine Klasse aus der
// Semikolondatei des Sekretariats an wie "Schülernamen aus Datei importieren" und "OK" im Fenster
// (gleiche Normalisierung, gleiche Pruefungen und Meldungen, Standard-Notenarten). Der Name der
// Zieldatei ist der Klassenname: L-7x-Ph.DTA, mit --kurs K-9-aIn.DTA. Eine vorhandene Zieldatei
// bleibt ohne --ueberschreiben unberuehrt.

#include "classdata/klassendatei.h"
#include "classdata/klassensperre.h"
#include "classdata/klassenverwaltung.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "werkzeug/werkzeug.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Die Angaben, aus denen das Fenster genau diesen Klassennamen bauen wuerde.
std::optional<KlassenWahl> wahlAusKlassenname(const QString &name, bool kurs)
{
    static const QRegularExpression klasse(u"^L-(\\d{1,2})([A-Za-z1-9])-([A-Za-z]{1,2})$"_s);
    static const QRegularExpression kursName(u"^K-(\\d{1,2})-([A-Za-z1-9])([A-Za-z]{1,2})$"_s);
    const QRegularExpressionMatch m = (kurs ? kursName : klasse).match(name);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    KlassenWahl wahl{kurs ? u"K"_s : u"L"_s, m.captured(1), m.captured(2), m.captured(3)};
    if (klassenName(wahl) != name) {
        return std::nullopt;
    }
    return wahl;
}

int klasseImportieren(WerkzeugKontext &k)
{
    const bool kurs = schalterNehmen(k.argumente, u"--kurs"_s);
    const bool ueberschreiben = schalterNehmen(k.argumente, u"--ueberschreiben"_s);
    if (k.argumente.size() != 2) {
        return 1;
    }
    const QString quelle = k.argumente[0];
    const QFileInfo ziel(k.argumente[1]);
    const QString pfad = ziel.absoluteFilePath();
    const QString name = ziel.fileName();
    const auto wahl = name.size() > 4 && name.endsWith(u".DTA"_s, Qt::CaseInsensitive)
                          ? wahlAusKlassenname(name.chopped(4), kurs)
                          : std::nullopt;
    if (!wahl) {
        k.r.fehler(u"\""_s + name + u"\" ist kein Name für "_s +
                   (kurs ? u"einen Kurs (z. B. K-9-aIn.DTA)."_s
                         : u"eine Klasse (z. B. L-7x-Ph.DTA, für Kurse mit --kurs)."_s));
        return 2;
    }
    if (klassenDatenOK(*wahl, k.r) != WahlFehler::Keiner) {
        k.r.fehler(u"Der Jahrgang im Namen \""_s + name + u"\" muss zwischen 3 und 13 liegen."_s);
        return 2;
    }
    // Wie im Fenster zaehlt eine gleichnamige Datei in jeder Schreibweise.
    const QString ordner = mitTrenner(ziel.absolutePath());
    const QStringList vorhanden = dateienNachMuster(ordner, name);
    if (!vorhanden.isEmpty() && !ueberschreiben) {
        k.r.fehler(u"Eine Datei  \""_s + ordner + vorhanden.first() +
                   u"\"  existiert bereits!\r\nSie bleibt unverändert; zum Ersetzen "
                   u"--ueberschreiben angeben."_s);
        return 2;
    }
    const auto zeilen = importdateiLesen(quelle, k.r);
    if (!zeilen) {
        return 2;
    }
    const auto neu = klasseAusNamenszeilen(*wahl, *zeilen, k.r);
    if (!neu) {
        return 2;
    }
    if (klassenGroesse(*neu) == 0) {
        k.r.fehler(u"Die Importdatei \""_s + quelle + u"\" enthält keine Schülernamen."_s);
        return 2;
    }
    if (!ordnerAnlegen(ordner)) {
        k.r.fehler(u"Die Datei "_s + pfad + u"  kann nicht geschrieben werden!"_s);
        return 2;
    }
    // Weder die Klasse noch eine gleichnamige in anderer Schreibweise, die ein anderes Programm
    // offen haelt, wird ersetzt.
    Klassensperre sperre;
    std::vector<std::unique_ptr<Klassensperre>> alte;
    if (!sperre.alleinOeffnen(pfad, k.r)) {
        return 2;
    }
    for (const QString &alt : vorhanden) {
        if (alt != name) {
            alte.push_back(std::make_unique<Klassensperre>());
            if (!alte.back()->alleinOeffnen(ordner + alt, k.r)) {
                return 2;
            }
        }
    }
    if (!sperre.speichern(*neu, k.r)) {
        return 2;
    }
    // Eine alte Datei in anderer Schreibweise (l-7x-ph.dta) gaebe sonst zwei gleiche Klassen.
    for (const QString &alt : vorhanden) {
        if (alt != name) {
            dateiLoeschen(ordner + alt);
        }
    }
    k.aus << pfad << u": "_s << klassenGroesse(*neu) << u" Schüler"_s << Qt::endl;
    return 0;
}

const VerbRegistrierung
    verb("klasse-importieren",
         "klasse-importieren QUELLE.txt ZIEL.DTA [--kurs] [--ueberschreiben]   Klasse aus "
         "Namensliste anlegen",
         &klasseImportieren);

} // namespace
