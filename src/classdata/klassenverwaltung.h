#pragma once
// Verwaltung der Klassenliste: neue Klassen (getippt oder importiert), Namensnormalisierung,
// Sortierung, einzelne Schueler loeschen oder in eine andere Klassendatei verschieben,
// Klassendatei loeschen. Die Klasse im Speicher gehoert dem Fenster und wird hier uebergeben.

#include "classdata/klasse.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class Rueckfragen;

// Die vier Angaben fuer eine neue Klasse: Art "L" (Klasse/Lerngruppe) oder "K" (Kurs),
// Jahrgang ("4".."13"), Klassen- bzw. Kursbuchstabe, Fachbuchstaben ("..." = keiner gewaehlt).
struct KlassenWahl
{
    QString art = QStringLiteral("L");
    QString jahrgang = QStringLiteral("7");
    QString buchstabe = QStringLiteral("a");
    QString fach = QStringLiteral("...");

    bool istKurs() const { return art.startsWith(u'K'); }
};

// "K-" + Jahrgang + "-" + Buchstabe + Fach fuer Kurse, sonst "L-" + Jahrgang + Buchstabe + "-" +
// Fach.
QString klassenName(const KlassenWahl &wahl);

enum class WahlFehler { Keiner, Art, Jahrgang, Buchstabe, Fach };
// Prueft die Angaben und meldet fehlenden Fach- bzw. Klassenbuchstaben; Ergebnis der erste
// Fehler (Jahrgang: das Fenster setzt den Fokus auf das Jahrgangsfeld). Piept nicht selbst.
WahlFehler klassenDatenOK(const KlassenWahl &wahl, Rueckfragen &r);

// Kleinbuchstaben a..z, ß, ä, ö, ü und ";" bleiben (Grossbuchstaben A..Z werden klein), alles
// andere wird entfernt; dann wird das erste Zeichen (nur ASCII) gross.
QString loescheAlleZeichenAusser_normaleBuchstaben_und_semikolon(const QString &text);
// Ä Ö Ü ä ö ü ß -> Ae Oe Ue ae oe ue ss, in der ANSI- und der DOS-Codeseite 850; auf 20 Zeichen
// gekuerzt.
QString umlauteErsetzen(const QString &text);
// Ein Name fuer die neue Klasse: Umlaute und Akzente vereinfacht (buchstabenVereinfachen), dann
// nur Buchstaben, der erste gross, hoechstens 20 Zeichen ("ÖZTÜRK" -> "Oeztuerk").
QString nameNormalisieren(const QString &name);

// Eine Zeile des Namensgitters.
struct NamensZeile
{
    QString vorname;
    QString nachname;
    QString geschlecht;
    QString klasse;
    bool operator==(const NamensZeile &) const = default;
};

// Zerlegt eine Zeile der Importdatei (Nachname;Vorname;Geschlecht;Klassenbuchstabe). Umlaute und
// Akzente werden vor dem Streichen aller anderen Zeichen ersetzt. nullopt, wenn nach der
// Normalisierung nichts uebrig bleibt (die Zeile wird uebergangen).
std::optional<NamensZeile> importZeileZerlegen(const QString &zeile);

// Die Meldung zum ersten Zeichen der Namensfelder einer Importzeile, das auch nach dem Vereinfachen
// nicht in die Klassendatei passt (etwa kyrillische Buchstaben); leer, wenn keines.
QString importZeilenZeichenFehler(const QString &zeile);

// Die Schuelerzeilen aus dem Text einer Importdatei; leere Zeilen werden uebergangen.
// Mehr als kMaxSchueler Schueler: nullopt, *anzahl nennt ihre Zahl. Ein Name mit einem Zeichen,
// das die Klassendatei nicht aufnimmt: nullopt, die Meldung steht in *zeichenFehler.
std::optional<QList<NamensZeile>> importZeilenAusText(const QStringList &zeilen,
                                                      int *anzahl = nullptr,
                                                      QString *zeichenFehler = nullptr);

// Liest eine Importdatei (ANSI oder UTF-8). Lesefehler (fehlend, zu gross, binaer): "Fehler beim
// Lesen der Importdatei "<pfad>"!"; mehr als 40 Schueler oder ein nicht speicherbares Zeichen in
// einem Namen: Meldung, der Import wird nicht ausgefuehrt.
std::optional<QList<NamensZeile>> importdateiLesen(const QString &pfad, Rueckfragen &r);

// Der Ablauf von "Schülernamen aus Datei importieren": Angaben pruefen (Piep bei Fehlern),
// vorhandene gleichnamige Datei nach Rueckfrage loeschen, Importdatei waehlen und lesen.
// nullopt bei Abbruch oder Fehler.
std::optional<QList<NamensZeile>> klasseImportieren(const KlassenWahl &wahl,
                                                    const QString &schuljahrOrdner, Rueckfragen &r);

// "Schülernamen eingeben": Angaben pruefen; eine vorhandene Datei dieses Namens wird gemeldet.
bool klasseNeuMitEingabeMoeglich(const KlassenWahl &wahl, const QString &schuljahrOrdner,
                                 Rueckfragen &r);

// "OK" im Namensgitter: prueft Angaben, Doppelungen und Vollstaendigkeit (mit den Meldungen) und
// liefert die neue Klasse (Standard-Notenarten, keine Noten, Daten oder Erlaeuterungen).
// Schuelerzahl = fuehrende Zeilen mit Vor- und Nachnamen. nullopt: nichts geaendert.
std::optional<Klasse> klasseAusNamenszeilen(const KlassenWahl &wahl,
                                            const QList<NamensZeile> &zeilen, Rueckfragen &r);

// Doppelte Namen im Gitter (verglichen nach dem Normalisieren): Meldung fuer das erste Paar,
// Ergebnis true.
bool eingabeNameVorhanden(const QList<NamensZeile> &zeilen, Rueckfragen &r);
// Ob ein anderer Schueler (bei einem neuen Schueler: irgendein Schueler) den Namen traegt;
// dann "Dieser Name ist schon vorhanden!".
bool nameVorhanden(const Klasse &klasse, int nr, const QString &vorname, const QString &nachname,
                   bool neuerSchueler, Rueckfragen &r);

// Die Felder der Einzelansicht in den Datensatz (Namen 20, Klasse 8, Zusatz 100, Geschlecht
// erstes Zeichen, nur wenn nicht leer).
struct SchuelerFelder
{
    QString vorname;
    QString nachname;
    QString klasse;
    QString zusatz;
    QString geschlecht;
};
void schDatenNachSuk(Klasse &klasse, int nr, const SchuelerFelder &felder);

struct SortierOptionen
{
    bool vornamenSortierung = false;
    bool kursSortierung = false;
    int jungenMaedchen = 0; // 0 "Ju/ Mä", 1 "Mä/ Ju", 2 "Ju-Mä Mix"
};
// Sortiert die Schueler der Klasse samt Noten (Vertauschungssortierung, bytegenauer Vergleich).
void sortiereSchuelerliste(Klasse &klasse, const SortierOptionen &optionen);
// Der Sortierschluessel eines Schuelers (hoechstens 41 Zeichen).
QString sortierSchluessel(const Schueler &s, const SortierOptionen &optionen);

// Schueler nr (1..40) entfernen: die folgenden ruecken auf, Platz 40 wird geleert.
void loescheEinenSchueler(Klasse &klasse, int nr);
void loescheAlleSchueler(Klasse &klasse);

// Verschiebt Schueler nr der offenen Klasse (Datei quellPfad) nach Rueckfrage mit allen Noten in
// die Klassendatei zielPfad. Verweigert bei gleichem Namen im Ziel, vollem Ziel, unlesbarem Ziel
// oder wenn das Ziel die offene Klasse selbst ist. Ergebnis: ob verschoben wurde.
// quelleSpeichern (falls gegeben) schreibt gleich nach dem Ziel die Quelle ohne den Schueler;
// misslingt das, wird das Ziel wieder geschrieben, wie es war, und der Schueler bleibt in der
// Quelle: er steht nie in zwei Klassen und nie in keiner.
bool schuelerVerschieben(Klasse &klasse, int nr, const QString &quellPfad, const QString &zielPfad,
                         Rueckfragen &r, const std::function<bool()> &quelleSpeichern = {});

// Loescht die Klassendatei der offenen Klasse nach Rueckfrage; leert dann die Klasse im Speicher.
// Ohne offene Klasse der Hinweis, erst eine Klasse zu waehlen (das Fenster oeffnet die Liste).
bool klassendateiLoeschen(Klasse &klasse, bool klasseOffen, const QString &pfad, Rueckfragen &r);
