#pragma once
// Die zwei Konfigurationsdateien: Mivo-Kl-cf.txt (Programmordner) und Mivo-cf.txt
// (Ordner des Schuelerprogramms). Zeilenformat: eine Kopfzeile "[Name]", der Wert steht in der
// Zeile direkt darunter; alle anderen Zeilen bleiben beim Schreiben unveraendert.

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

class Rueckfragen;

inline const QString kLehrerCfName = QStringLiteral("Mivo-Kl-cf.txt");
inline const QString kSchuelerCfName = QStringLiteral("Mivo-cf.txt");
inline const QString kSchulserverOrdnerName = QStringLiteral("Mivo-Dateien (Schulserver)");

namespace Kopf {
inline const QString programmOrdner = QStringLiteral("[Mivo-Programm-Ordner]");
inline const QString lehrername = QStringLiteral("[Lehrername]");
inline const QString lehrerKlassenOrdner = QStringLiteral("[Lehrer-Klassen-Ordner]");
inline const QString ordnerkonfiguration = QStringLiteral("[Ordnerkonfiguration]");
inline const QString jungenMaedchen = QStringLiteral("[Jungen-Maedchen-Sortierung]");
inline const QString durchschnitte = QStringLiteral("[Durchschnitte]");
inline const QString leerspalten = QStringLiteral("[Leerspalten]");
inline const QString keineAenderung = QStringLiteral("[Keine Aenderung]");
inline const QString vornamensortierung = QStringLiteral("[Vornamensortierung]");
inline const QString punktedarstellung = QStringLiteral("[Punktedarstellung]");
inline const QString gesamtberechnung = QStringLiteral("[Gesamtberechnung]");
inline const QString testAusgabe = QStringLiteral("[Test-Ausgabe]");
inline const QString testAbgabe = QStringLiteral("[Test-Abgabe]");
inline const QString testRueckgabe = QStringLiteral("[Test-Rueckgabe]");
inline const QString schueler = QStringLiteral("[Schueler]");
inline const QString schule = QStringLiteral("[Schule]");
} // namespace Kopf

// Programmweite Einstellungen; Ordnerangaben enden mit dem Trenner.
struct Einstellungen
{
    QString programmOrdner;
    QString basisOrdner;
    QString schuelerCfDatei;
    QString ausgabeOrdner;
    QString abgabeOrdner;
    QString rueckgabeOrdner;
    QString schulname;  // mit Trenner am Ende
    QString lehrername; // mit Trenner am Ende; nur der Trenner, wenn keiner eingetragen ist
    QString ordnerkonfiguration;
    // Nur beim installierten Programm: die ausgelieferte Vorlage des Basisordners (dort liegt
    // auch die Bedienungsanleitung) und der Ordner des mitgelieferten Schuelerprogramms.
    QString installierteVorlage;
    QString installierterSchuelerOrdner;
    bool schulKonfigFehlt = false;
    bool speicherErfolg = true;
    bool programmEndet = false;
    // Kopf -> Meldung einer unbrauchbaren Ordnerangabe (der Ordner selbst ist dann leer).
    QMap<QString, QString> ordnerFehler;

    QString lehrerCfDatei() const { return programmOrdner + kLehrerCfName; }
    // Schulname ohne den abschliessenden Trenner, wie ihn das Hauptfenster zeigt.
    QString schulnameAnzeige() const
    {
        return schulname.isEmpty() ? QString() : schulname.chopped(1);
    }
    // Fuer einen Schritt, der den Ordner unter kopf braucht und keinen hat: die Meldung der
    // unbrauchbaren Angabe, sonst ersatz.
    QString ordnerFehlt(const QString &kopf, const QString &ersatz) const
    {
        return ordnerFehler.value(kopf, ersatz);
    }
};

// Die sieben Optionen der Notentabelle.
struct TabellenOptionen
{
    int jungenMaedchenSortierung = 2; // 0 "Ju/ Mä", 1 "Mä/ Ju", 2 "Ju-Mä Mix"
    bool durchschnitte = false;
    bool leerspalten = false;
    bool keineAenderung = false;
    bool vornamensortierung = false;
    bool punktedarstellung = false;
    bool gesamtberechnung = false;
    bool operator==(const TabellenOptionen &) const = default;
};

// Zeilen, die als dieser Kopf gelten. Die Zeile unter einem bekannten Kopf ist immer Wert,
// nie selbst Kopf, auch wenn sie wie einer aussieht.
QList<qsizetype> kopfZeilen(const QStringList &zeilen, const QString &kopf);
// Setzt die Zeile nach jeder Kopfzeile auf den Wert. Steht der Kopf in der letzten Zeile,
// wird die Wertzeile angehaengt. Ergebnis: ob der Kopf vorkam.
bool wertNachKopfSetzen(QStringList &zeilen, const QString &kopf, const QString &wert);
// Die Zeile nach dem letzten Vorkommen des Kopfes; nullopt ohne Kopf oder Wertzeile.
std::optional<QString> wertNachKopf(const QStringList &zeilen, const QString &kopf);

class Konfiguration
{
public:
    Konfiguration(Einstellungen &einstellungen, Rueckfragen &rueckfragen);

    QString leseAusDateiDenOrdner(const QString &datei, const QString &kopf);
    void schreibeInDateiDenOrdner(const QString &datei, const QString &wert, const QString &kopf);
    void exe_pfad_in_cf_schreiben(const QString &kopf);

    // Ganze Datei Mivo-Kl-cf.txt im Zeilenpuffer; false, wenn sie nicht gelesen werden konnte.
    bool leseOptionen();
    void speichereOptionen();
    QStringList optionenPuffer;

    TabellenOptionen einstellenOptionen();
    void schreibeOptionen(const TabellenOptionen &optionen);

    // Einstellungen beim Start laden. false: das Programm endet (Mivo-Kl-cf.txt fehlt).
    bool einstellungenLaden();

    static QString willkommenstext(const QString &programmOrdner);

private:
    Einstellungen &e;
    Rueckfragen &r;
};
