#pragma once
// Der Testbogen eines Schuelers: seine persoenliche Kopie, wie Mivo sie zeigt und ausfuellt.
// Die Datei bleibt Byte fuer Byte erhalten; angekreuzt wird, indem vor das Trennzeichen der
// gewaehlten Antwortzeile ein "x" tritt. So liest die Einsammlung die Kreuze dort, wo sie sie
// erwartet, und die Zeilenzahl bleibt gleich.

#include "conduct/testdokument.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace schuelerseite {

struct Antwort
{
    int zeile = 0;       // 0-basierte Zeile der Kopie
    QChar buchstabe;     // "a".."d"
    QString text;        // ohne "a)" und ohne Bildziffer
    int bildziffer = -1; // 0..9, -1 ohne Bild
};

struct Frage
{
    int nummer = 0; // 1..40, wie in der Kopie
    int zeile = 0;
    QString text; // ohne die Nummer, mit "[3 P]"
    std::array<Antwort, 4> antworten{};
    int zahl = 4;      // Antworten, die es gibt: 3, wenn d) leer ist (ohne Text und Bild)
    int gewaehlt = -1; // 0..zahl-1, -1 ohne Kreuz
};

class Testbogen
{
public:
    // Liest eine Kopie (hoechstens 1 MiB, Text, 1 bis 40 Aufgaben mit je vier Antworten a-d).
    // Bei Erfolg ist meldung leer.
    static std::optional<Testbogen> lesen(const QString &pfad, QString &meldung);
    static std::optional<Testbogen> ausBytes(const QByteArray &bytes, QString &fehler);

    QString namenszeile() const { return zeilen.value(0); }
    // Die Kopfzeilen 2 bis 5 (Titel, Fach, Thema), ohne Trennlinien.
    QStringList kopf() const;

    const QList<Frage> &fragen() const { return fragenListe; }
    int anzahl() const { return int(fragenListe.size()); }
    // Waehlt Antwort a (0..zahl-1) der Frage i (0-basiert); dieselbe Antwort noch einmal nimmt
    // das Kreuz weg. Ergebnis: ob sich etwas geaendert hat.
    bool waehlen(int frage, int antwort);
    void leeren();
    // Nummern der Fragen ohne Kreuz.
    QList<int> offeneFragen() const;

    // Die ausgefuellte Kopie: die gelesenen Bytes, vor jede gewaehlte Antwortzeile ein "x".
    QByteArray ausgefuellt() const;
    // Uebernimmt die Kreuze einer frueher ausgefuellten Fassung derselben Kopie; false (und
    // nichts geaendert), wenn sie nicht zu dieser Kopie gehoert.
    bool kreuzeUebernehmen(const QByteArray &fassung);

private:
    QByteArray roh;
    QList<qsizetype> zeilenAnfang; // Byteposition jeder Zeile in roh
    QStringList zeilen;
    QList<Frage> fragenListe;
};

// Die Bildziffer einer Antwortzeile ohne Kreuz ("\tb) 2 Mond" -> 2), -1 ohne.
int bildziffer(const QString &antwortzeile);
// Muster der Bilddatei einer Antwort im Ordner "Bilder": "05-2*.jpg".
QString bildMuster(int fragenummer, int ziffer);

} // namespace schuelerseite
