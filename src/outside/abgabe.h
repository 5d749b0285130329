#pragma once
// Abgeben, Zwischenstand und Rueckgabe auf der Seite des Schuelerprogramms.
//
// Abgabe: die ausgefuellte Kopie entsteht im Abgabeordner unter einem Zwischennamen, den das
// Muster der Einsammlung ("*.?" + Klassenkuerzel) nie trifft, und wird erst vollstaendig auf
// den persoenlichen Dateinamen umbenannt. Die Einsammlung nimmt so nie eine halbe Datei; eine
// zweite Abgabe ersetzt die erste. Der eigene Ordner des Schuelers ([Schueler]) haelt den
// Zwischenstand und eine Kopie jeder Abgabe.

#include "outside/schuelerseite.h"

#include <QByteArray>
#include <QString>

namespace schuelerseite {

// Zwischenname im Abgabeordner: endet mit "~", passt also auf kein Abgabemuster.
QString abgabeZwischenname(const QString &datei);

// Die Dateizugriffe der Abgabe und das Warten dazwischen. Auf einer Freigabe ist eine Datei
// belegt (EBUSY, EACCES, EPERM, EEXIST), solange etwa die Einsammlung der Lehrkraft die vorige
// Abgabe liest; Tests stellen das hiermit nach, ohne wirklich zu warten. Jede Funktion gibt 0
// oder die Fehlernummer (errno) zurueck.
class Abgabezugriff
{
public:
    virtual ~Abgabezugriff() = default;
    // Legt pfad neu an (nie eine vorhandene Datei, nie durch eine Verknuepfung), schreibt alle
    // Bytes und bringt sie auf die Platte; scheitert es, bleibt nichts liegen.
    virtual int neuAnlegen(const QString &pfad, const QByteArray &bytes);
    // Benennt um; ein vorhandenes Ziel wird ersetzt.
    virtual int umbenennen(const QString &quelle, const QString &ziel);
    virtual int entfernen(const QString &pfad);
    // 0, wenn pfad besteht; ENOENT, wenn nicht.
    virtual int pruefen(const QString &pfad);
    virtual void warten(int ms);
};

// So lange wird eine belegte Datei beim Abgeben hoechstens abgewartet.
inline constexpr int kAbgabeWartezeitMs = 5000;

struct AbgabeErgebnis
{
    enum class Art {
        Abgegeben,
        TestBeendet,  // Signaldatei fehlt: die Lehrkraft hat den Test beendet (auch waehrend der
                      // Abgabe: dann ist sie nicht angenommen)
        NichtMoeglich // Abgabeordner fehlt, ist nicht beschreibbar oder bleibt belegt
    };
    Art art = Art::NichtMoeglich;
    QString meldung; // fuer den Schueler
    QString ziel;    // Pfad der Abgabe
};

// Gibt ab: schreibt unter dem Zwischennamen, benennt auf den persoenlichen Dateinamen um (eine
// fruehere Abgabe wird ersetzt) und wartet dabei belegte Dateien bis kAbgabeWartezeitMs ab. Danach
// die Glocke: ist die Signaldatei inzwischen weg, nimmt die Abgabe sich selbst wieder heraus
// (TestBeendet, nicht angenommen); ist sie schon eingesammelt, gilt sie als abgegeben. So wird
// jeder, dem "abgegeben" gesagt wird, mit dieser Kopie benotet.
AbgabeErgebnis abgeben(const Konfig &k, const Bereitgestellt &test, const QString &datei,
                       const QByteArray &ausgefuellt, Abgabezugriff &zugriff);
AbgabeErgebnis abgeben(const Konfig &k, const Bereitgestellt &test, const QString &datei,
                       const QByteArray &ausgefuellt);

// Der eigene Ordner, wenn er erreichbar ist (absolut, echter Ordner); sonst leer.
QString eigenerOrdner(const Konfig &k);
// Dateien im eigenen Ordner; leer, wenn er nicht erreichbar ist.
QString zwischenstandPfad(const Konfig &k, const Bereitgestellt &test, const QString &datei);
QString abgabeKopiePfad(const Konfig &k, const Bereitgestellt &test, const QString &datei);
// Schreibt atomar; leer bei Erfolg, sonst die Meldung fuer den Schueler.
QString imEigenenOrdnerSichern(const QString &pfad, const QByteArray &bytes);
// Vermerk im eigenen Ordner, dass datei diesen Test auf diesem Rechner abgegeben hat; er haelt
// das Datum der Bereitstellung, so gilt er fuer eine neue Bereitstellung desselben Tests nicht.
void abgabeVermerken(const Konfig &k, const Bereitgestellt &test, const QString &datei);
bool hierAbgegeben(const Konfig &k, const Bereitgestellt &test, const QString &datei);

// Das zurueckgegebene Dokument eines Schuelers.
struct RueckgabeDokument
{
    QString pfad;
    QString name;
    QString bilderOrdner; // mit Trenner; leer ohne "Bilder"
    bool speichernErlaubt = false;
};
RueckgabeDokument rueckgabeDokument(const Bereitgestellt &rueckgabe, const Eintrag &e);
// Bilder einer Rueckgabe: je Datei kGrenzeFremdeDatei, zusammen hoechstens so viel.
inline constexpr qint64 kGrenzeBilderGesamt = 64 * 1024 * 1024;

// Kopiert das Dokument in den eigenen Ordner (nur mit "sp-ind.txt"), seine Bilder in den Ordner
// rueckgabeBilderOrdner daneben. Leer bei Erfolg, sonst die Meldung; *ziel erhaelt den Pfad.
QString rueckgabeSpeichern(const Konfig &k, const RueckgabeDokument &d, QString *ziel = nullptr);
// "<eigener>Mivo-Test ... benotet Bilder/": je Dokument ein Ordner, damit sich die Bilder
// verschiedener Tests nicht ueberschreiben.
QString rueckgabeBilderOrdner(const QString &eigener, const RueckgabeDokument &d);

} // namespace schuelerseite
