#pragma once
// Die Systemaufrufe der Logik an einem Ort; eine Portierung schreibt diese Datei neu.
//
// Gebaut wird nur auf dem, was jede Anbindung eines Schulservers (SMB ueber Kern, gvfs oder
// smbnetfs) kann: exklusives Anlegen, Lesen, Schreiben, fsync, Umbenennen ueber eine vorhandene
// Datei, Umbenennen eines Ordners, mkdir, Loeschen, Auflisten. Nicht benutzt werden harte
// Verweise, Umbenennungs-Flags, chmod und symbolische Verknuepfungen. Jede Funktion gibt die
// Fehlernummer des Systems zurueck (0: gelungen), damit eine verlorene Verbindung als solche
// gemeldet werden kann.

#include "common/ansitext.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace plattform {

struct Eintrag
{
    enum class Typ { Fehlt, Datei, Ordner, Verknuepfung, Sonstiges };
    Typ typ = Typ::Fehlt;
    qint64 groesse = 0;
    qint64 verweise = 0;            // Zahl der harten Verweise
    qint64 geaendertMs = 0;         // Aenderungszeit, ms seit 1970
    bool schreibgeschuetzt = false; // kein Schreibrecht fuer irgendwen
    int fehler = 0; // errno, wenn der Eintrag nicht befragt werden konnte (nicht ENOENT)
};
// Befragt den Eintrag selbst (eine Verknuepfung wird nicht verfolgt).
// Windows: GetFileAttributesExW, Reparse-Punkt = Verknuepfung; Verweise aus
// GetFileInformationByHandle (nNumberOfLinks, Handle mit FILE_FLAG_OPEN_REPARSE_POINT).
Eintrag eintrag(const QString &pfad);
// 0, wenn es den Eintrag gibt (auch eine Verknuepfung), sonst errno (ENOENT: gibt es nicht).
// Windows: GetFileAttributesW, GetLastError auf errno abgebildet.
int eintragPruefen(const QString &pfad);

// Alle Namen eines Ordners ausser "." und "..". Ergebnis: errno oder 0 (ein Lesefehler mitten im
// Auflisten wird gemeldet, nie als kuerzere Liste verschwiegen).
// Windows: FindFirstFileExW/FindNextFileW bis ERROR_NO_MORE_FILES, jeder andere Fehler gemeldet.
int ordnerLesen(const QString &ordner, QStringList &namen);

// Liest hoechstens grenze Bytes ueber einen ohne Verknuepfung geoeffneten Deskriptor.
// Verknuepfungen, Dateien mit mehreren harten Verweisen, Ordner, Geraete und FIFOs werden
// abgewiesen, ohne zu blockieren.
// Windows: CreateFileW mit FILE_FLAG_OPEN_REPARSE_POINT, GetFileInformationByHandle (Typ,
// Verweise), ReadFile.
BytesErgebnis ohneVerknuepfungLesen(const QString &pfad, qint64 grenze);

// Schreibt daten ganz oder gar nicht an pfad und erst dann sichtbar, wenn sie auf der Platte
// sind: Temporaerdatei "pfad.XXXXXX" exklusiv anlegen, schreiben, fsync, ueber das Ziel
// umbenennen, den Ordner synchronisieren. Eine Verknuepfung oder ein Ordner an pfad wird
// abgewiesen, eine schreibgeschuetzte Datei nicht ersetzt.
// Ohne ordnerSynchron bringt der Aufrufer den Ordner selbst auf die Platte (einmal fuer viele
// Dateien), bevor er sich auf sie verlaesst.
// Windows: CreateFileW(CREATE_NEW), WriteFile, FlushFileBuffers,
// MoveFileExW(MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH); der Ordner braucht keine eigene
// Synchronisation.
DateiFehler dauerhaftSchreiben(const QString &pfad, const QByteArray &daten,
                               bool ordnerSynchron = true);

// Haengt daten an die Datei pfad an, deren gueltiger Inhalt laenge Bytes lang ist, und gibt erst
// 0 zurueck, wenn sie auf der Platte sind (fsync; bei laenge 0 wird die Datei angelegt und auch
// der Ordner synchronisiert). Geschrieben wird an der Stelle laenge, nicht mit O_APPEND (das auf
// dem Schulserver nicht verlaesslich ist): es darf nur einer schreiben, der die Datei sperrt.
// Was hinter laenge steht (ein abgebrochenes Anhaengen), wird ersetzt; misslingt das Schreiben,
// wird die Datei wieder auf laenge gekuerzt, so dass nie ein halber Zusatz stehen bleibt.
int dauerhaftAnhaengen(const QString &pfad, const QByteArray &daten, qint64 laenge);

// Legt eine neue Datei exklusiv an und schreibt daten hinein. Ohne dauerhaft keine Synchronisation
// (fuer kleine Dateien, deren Verlust bei einem Stromausfall nur Warten kostet); mit dauerhaft
// fsync, und bei einem Fehler wird die Datei wieder entfernt.
// Windows: CreateFileW(CREATE_NEW), WriteFile, FlushFileBuffers.
int dateiAnlegen(const QString &pfad, const QByteArray &daten, bool dauerhaft = false);
// Umbenennen; eine vorhandene Datei am Ziel wird ersetzt, ein Eintrag nie verfolgt.
// Windows: MoveFileExW(MOVEFILE_REPLACE_EXISTING).
int umbenennen(const QString &quelle, const QString &ziel);
// Umbenennen, ohne ein vorhandenes Ziel zu ersetzen (EEXIST). Wo das Dateisystem es nicht in
// einem Schritt kann (Schulserver), wird vorher nachgesehen: nur fuer Namen, die niemand sonst
// gleichzeitig anlegt.
// Windows: MoveFileExW ohne MOVEFILE_REPLACE_EXISTING (ERROR_ALREADY_EXISTS), auch auf dem Server
// in einem Schritt.
int umbenennenOhneErsetzen(const QString &quelle, const QString &ziel);
// Vertauscht zwei Ordner in einem Schritt, wo das Dateisystem es kann (sonst EINVAL o. ae.).
// Windows: kann es nicht; immer EINVAL, die Aufrufer nehmen den Weg ueber zwei Umbenennungen.
int ordnerTauschen(const QString &a, const QString &b);
// Legt einen Ordner an; EEXIST, wenn es den Namen schon gibt (auf dem Server atomar).
// Windows: CreateDirectoryW. Entfernen: DeleteFileW, RemoveDirectoryW.
int ordnerAnlegen(const QString &pfad);
int dateiEntfernen(const QString &pfad);
int ordnerEntfernen(const QString &pfad);
// Bringt die Eintraege eines Ordners (nach Umbenennen/Anlegen) auf die Platte; wo ein
// Dateisystem das nicht kann, ohne Fehler.
// Windows: nichts zu tun (MOVEFILE_WRITE_THROUGH hat die Eintraege schon geschrieben).
void ordnerSynchronisieren(const QString &ordner);

// Fehlernummern einer verlorenen Verbindung zum Server (oder einer abgehaengten Einbindung).
// Windows: ERROR_NETNAME_DELETED, ERROR_BAD_NETPATH, ERROR_UNEXP_NET_ERR, ERROR_SEM_TIMEOUT.
bool istVerbindungsfehler(int nummer);
// Kurze deutsche Beschreibung einer Fehlernummer.
QString fehlerText(int nummer);
// Die Meldung einer verlorenen Verbindung beim Zugriff auf pfad.
QString serverUnerreichbarMeldung(const QString &pfad, int nummer);

// Ein Prozess, eindeutig auch ueber Neustarts und wiederverwendete Prozessnummern hinweg.
struct Prozess
{
    qint64 pid = 0;
    qint64 startzeit = 0; // Start seit dem Hochfahren, in Takten des Systems; 0: unbekannt
    QString boot;         // Kennung dieses Hochfahrens; leer: unbekannt
};
// Windows: GetCurrentProcessId, GetProcessTimes (Startzeit); das Hochfahren aus GetTickCount64.
Prozess eigenerProzess();
enum class Lebt { Ja, Nein, Unbekannt };
// Ob der Prozess auf diesem Rechner noch laeuft (unbekannte Angaben werden nicht verglichen).
// Windows: OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION), GetExitCodeProcess, GetProcessTimes.
Lebt prozessLebt(const Prozess &p);

} // namespace plattform
