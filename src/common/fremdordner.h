#pragma once
// Dateien in Ordnern, in die andere schreiben (Abgabeordner, Ausgabe- und Rueckgabeordner,
// "T2-Ausge"): nie einer Verknuepfung folgen. Gelesen wird ueber einen Deskriptor, der ohne
// Verknuepfung geoeffnet wurde; geschrieben wird in eine eigene Temporaerdatei, die dann mit einem
// Umbenennen an die Stelle des Ziels tritt (ein Umbenennen ersetzt einen Eintrag, nie dessen Ziel).

#include "common/ansitext.h"

#include <QByteArray>
#include <QString>

// Liest hoechstens grenze Bytes ohne einer Verknuepfung zu folgen. Verknuepfung, Datei mit einem
// zweiten harten Verweis, Ordner, Geraete und FIFOs werden abgewiesen, ohne zu blockieren.
BytesErgebnis ohneVerknuepfungLesen(const QString &pfad, qint64 grenze = kGrenzeFremdeDatei);

// Schreibt daten ganz oder gar nicht an pfad, erst sichtbar, wenn sie auf der Platte sind. Eine
// Verknuepfung an pfad wird abgewiesen (Art Verknuepfung), ihr Ziel nie beschrieben; eine
// vorhandene Datei wird durch ein Umbenennen ersetzt (ohne ihre Zugriffsrechte zu uebernehmen:
// ein Schulserver kennt kein chmod).
DateiFehler ohneVerknuepfungSchreiben(const QString &pfad, const QByteArray &daten);

// Dasselbe fuer ANSI-Zeilen (CP1252, CR LF).
ZeilenErgebnis ansiZeilenOhneVerknuepfungLesen(const QString &pfad,
                                               qint64 grenze = kGrenzeFremdeDatei);
DateiFehler ansiZeilenOhneVerknuepfungSchreiben(const QString &pfad, const QStringList &zeilen);

// Benennt einen Eintrag um, ohne einer Verknuepfung zu folgen (eine Verknuepfung wird als solche
// umbenannt). Ohne ersetzen schlaegt es fehl, wenn ziel schon existiert (auf einem Schulserver
// nur fuer Namen, die niemand sonst gleichzeitig anlegt). Nie kopieren. errno ist gesetzt.
bool eintragUmbenennen(const QString &quelle, const QString &ziel, bool ersetzen);

// Tauscht zwei Eintraege in einem Schritt (ohne Unterstuetzung des Dateisystems: false).
bool ordnerTauschen(const QString &a, const QString &b);

// Entfernt die Temporaerdateien ("NAME.XXXXXX", sechs Buchstaben oder Ziffern), die ein
// unterbrochenes Speichern der Dateien namen in ordner hinterlassen hat. Nur aufrufen, wenn
// niemand sonst gerade dieselben Dateien speichert (Sperre gehalten).
void speicherresteEntfernen(const QString &ordner, const QStringList &namen);
void speicherresteEntfernen(const QString &pfad);
