#pragma once
// Rueckgabe benoteter Tests: jede benotete Kopie aus "T3-Benot" wird ein formatiertes
// RTF-Dokument im Rueckgabeordner der Klasse, wo das Schuelerprogramm es zeigt; dazu "Bilder",
// die leere Datei "sp-ind.txt", wenn die Schueler speichern duerfen, und die Signaldatei.
// Ausserdem die Seitenraender des Druckens als reine Rechnung.

#include "conduct/testname.h"

#include <QDate>
#include <QString>
#include <QStringList>

class QTextDocument;
class Rueckfragen;
class Uhr;
struct Einstellungen;

// "Mivo-Test yyyy-mm-dd CODE- NAME- benotet.Doc"; NAME ist der persoenliche Dateiname ohne
// seine letzten zwei Zeichen.
QString rueckgabeDokumentName(const QDate &datum, const QString &testKuerzel,
                              const QString &persoenlicherName);
// Der Teil zwischen dem "- " nach dem Testkuerzel und "- benotet.Doc".
QString rueckgabeAnzeigename(const QString &dokumentName);

// Laedt eine benotete Kopie (ANSI-Text) mit den Formaten des Editors in doc: Schriftformate mit
// der Kopfgrenze der Durchfuehrung, zum Drucken dazu die Absatzformate. Leer bei Erfolg, sonst
// die Meldung, die die Datei nennt.
QString benoteteKopieLaden(const QString &quelle, QTextDocument &doc, bool zumDrucken);
// Wandelt eine benotete Kopie (ANSI-Text) in das formatierte RTF-Dokument. Leer bei Erfolg,
// sonst die Meldung, die die Datei nennt.
QString benoteteKopieUmwandeln(const QString &quelle, const QString &ziel);

struct Rueckgabe
{
    bool ok = false;
    QString zielOrdner;
    QStringList liste; // persoenliche Dateinamen ohne die letzten zwei Zeichen
    bool mitBildern = false;
    QString signalDatei;
};

// Stellt die benoteten Kopien des Tests zurueck (unter der Testsperre; belegt: Meldung, nichts
// geschehen). Ohne benotete Kopie, oder wenn eine nicht gelesen werden kann, bleibt der
// Rueckgabeordner unberuehrt. Sie schreibt nur ihre eigenen Dateien (Dokumente, "sp-ind.txt",
// die Bilder des Tests) und loescht nur Dokumente frueherer Rueckgaben dieses Tests; Fremdes
// bleibt. Die Signaldatei kommt zuletzt, und nur wenn alles geschrieben ist (ok).
Rueckgabe testZurueckgeben(const TestPfade &test, const Einstellungen &e, bool speichernErlaubt,
                           const Uhr &uhr, Rueckfragen &r);

// Ein Schritt des Zeitgebers im Rueckgabemodus: die Anzeigenamen der zurueckgegebenen Dokumente
// ("Mivo*") im Rueckgabeordner der Klasse, nach Dateinamen sortiert.
QStringList zurueckgegebeneDokumente(const TestPfade &test, const Einstellungen &e);

// Loescht zuerst die Signaldatei, dann was die Rueckgabe geschrieben hat: die Dokumente dieses
// Tests, "sp-ind.txt", die Bilder des Tests und den dann leeren Ordner "Bilder". Fremdes bleibt.
// Was nicht geloescht werden kann, wird gemeldet. Ergebnis: ob nichts davon da war.
bool rueckgabeZuruecknehmen(const TestPfade &test, const Einstellungen &e, Rueckfragen &r);

// Druckbereich in Druckerpixeln aus Raendern in Zoll (links, oben, rechts, unten), der
// Aufloesung, der Seitengroesse und dem physischen Versatz des Druckers. Gerundet wird zur
// naechsten ganzen Zahl, bei genau .5 zur geraden.
struct Seitenmasse
{
    double dpiX = 0;
    double dpiY = 0;
    int seitenBreite = 0;
    int seitenHoehe = 0;
    int versatzX = 0;
    int versatzY = 0;
};
inline constexpr double kRandLinks = 0.7;
inline constexpr double kRandOben = 0.3;
inline constexpr double kRandRechts = 0.0;
inline constexpr double kRandUnten = 0.3;
// Rechteck wie beim Drucker: rechts und unten gehoeren nicht mehr dazu.
struct Druckrechteck
{
    int links = 0;
    int oben = 0;
    int rechts = 0;
    int unten = 0;
    bool operator==(const Druckrechteck &) const = default;
};
Druckrechteck druckbereich(const Seitenmasse &s, double unten, double oben, double rechts,
                           double links);
