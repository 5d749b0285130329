#pragma once
// ANSI-Textdateien (Windows-1252, Zeilenende CR LF) und atomares Schreiben.
// Im Speicher QString, auf der Platte CP1252: eine Position im dekodierten Text
// ist eine Byteposition in der Datei.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Obergrenze fuer Dateien aus Ordnern, in die andere schreiben (Abgabeordner, Importe).
inline constexpr qint64 kGrenzeFremdeDatei = 8 * 1024 * 1024;

struct DateiFehler
{
    enum class Art {
        Keiner,
        Fehlt,
        IstOrdner,
        ZuGross,
        KeinText,
        Lesefehler,
        NichtDarstellbar,
        Schreibfehler,
        Verknuepfung, // an der Stelle liegt eine Verknuepfung; ihr wird nicht gefolgt
        Unerreichbar, // die Verbindung zum Server (Schulserver) ist verloren
    };
    Art art = Art::Keiner;
    QString pfad;
    int nummer = 0;  // Fehlernummer des Dateisystems (QFileDevice::FileError), 0 wenn keine
    QString zeichen; // bei NichtDarstellbar: das erste nicht darstellbare Zeichen
    QString grund;   // Beschreibung der Fehlernummer des Systems ("kein Platz mehr, Fehler 28")

    bool ok() const { return art == Art::Keiner; }
    // Verstaendliche deutsche Meldung, die die Datei nennt.
    QString meldung() const;
    // "kein Platz mehr, Fehler 28" oder "Fehler N".
    QString nummerText() const;
};

// "Der Schulserver ist nicht erreichbar: PFAD (Grund). ..." fuer eine verlorene Verbindung.
QString serverUnerreichbarText(const QString &pfad, const QString &grund);

QString ansiDekodieren(QByteArrayView bytes);
// Die feste Tafel aller Bytepaare: ab 2 * (b0 << 8 | b1) stehen die Zeichen von b0 und b1, ein
// einzelnes Byte b ist der Anfang von (b, 0). Texte aus hoechstens zwei Bytes zeigen mit
// QString::fromRawData hinein, ohne Speicheranforderung (die Klassendatei hat Tausende solcher
// Felder).
const char16_t *ansiPaartafel();
// nullopt, wenn ein Zeichen in CP1252 nicht darstellbar ist; dann steht es in *erstesFremdes.
std::optional<QByteArray> ansiKodieren(QStringView text, QString *erstesFremdes = nullptr);
// Schreibt text.size() Bytes nach ziel; false wie ansiKodieren (ziel ist dann teils beschrieben).
bool ansiKodierenNach(QStringView text, char *ziel, QString *erstesFremdes = nullptr);
bool ansiDarstellbar(QStringView text);

// Zerlegt Text in Zeilen: CR LF und LF gelten gleich, eine fehlende letzte Zeilenendung auch.
QStringList zeilenAufteilen(QStringView text);

struct ZeilenErgebnis
{
    QStringList zeilen;
    DateiFehler fehler;
    bool ok() const { return fehler.ok(); }
};

struct BytesErgebnis
{
    QByteArray bytes;
    DateiFehler fehler;
    bool ok() const { return fehler.ok(); }
};

// Liest hoechstens grenze Bytes; groessere Dateien werden abgewiesen (ZuGross).
BytesErgebnis bytesLesen(const QString &pfad, qint64 grenze = kGrenzeFremdeDatei);
// Wie bytesLesen, weist zusaetzlich Dateien mit NUL-Bytes ab (KeinText).
ZeilenErgebnis ansiZeilenLesen(const QString &pfad, qint64 grenze = kGrenzeFremdeDatei);
// Zeilen aus gelesenen Bytes; NUL-Bytes: KeinText.
ZeilenErgebnis ansiZeilenAus(const BytesErgebnis &b);

// Schreibt ganz oder gar nicht (QSaveFile: Temporaerdatei, dann Umbenennen).
DateiFehler atomarSchreiben(const QString &pfad, const QByteArray &daten);
// Jede Zeile mit CR LF; nicht darstellbare Zeichen werden abgewiesen, nichts wird geschrieben.
DateiFehler ansiZeilenSchreiben(const QString &pfad, const QStringList &zeilen);
QByteArray ansiZeilenAlsBytes(const QStringList &zeilen, DateiFehler *fehler = nullptr);

// Pause vor dem Neuschreiben einer eben gelesenen Datei (Netzlaufwerke). Standard 200 ms, Tests 0.
int pauseVorNeuschreibenMs();
void setzePauseVorNeuschreibenMs(int ms);
void pauseVorNeuschreiben();
