#pragma once
// Was dieses Programm mit dem Schuelerprogramm "Mivo.exe" austauscht. Die beiden Programme rufen
// sich nie auf; sie treffen sich nur in Dateien:
//
// 1. Ausgabe: in ausgabeOrdner + lehrername + Klassenkuerzel + Trenner genau eine persoenliche
// Kopie
//    je Schueler (persoenlicher Dateiname), dazu der Ordner "Bilder" des Tests; zuletzt die
//    Signaldatei (Klassenkuerzel "-" Lehrername "-" Testkuerzel ".tmp", eine Zeile "yyyy-mm-dd")
//    direkt in ausgabeOrdner. Beim Zurueckziehen wird die Signaldatei geloescht.
// 2. Abgabe: das Schuelerprogramm legt die ausgefuellte Kopie unter demselben Namen in
//    abgabeOrdner + lehrername + "DropBox" ab. Sie gleicht der persoenlichen Kopie bis auf ein
//    Kreuz ("+", "X", "Y", "x" oder "y") an Stelle 1 jeder gewaehlten Antwortzeile. Dieses Programm
//    nimmt je Schritt eine solche Datei heraus und schreibt selbst nie in "DropBox". Alles dort ist
//    fremd: Groesse, Art und Name werden vor dem Verschieben geprueft.
// 3. Rueckgabe: die benoteten Dokumente und "Bilder" in rueckgabeOrdner + lehrername +
//    Klassenkuerzel + Trenner, die leere Datei "sp-ind.txt" dort, wenn gespeichert werden darf,
//    und die Signaldatei in rueckgabeOrdner.

#include <QString>

namespace schuelerprogramm {

inline const QString kBilderOrdner = QStringLiteral("Bilder");
inline const QString kAbgabeUnterordner = QStringLiteral("DropBox");
inline const QString kSpeicherIndikator = QStringLiteral("sp-ind.txt");
inline const QString kSignalEndung = QStringLiteral(".tmp");
inline const QString kProgrammName = QStringLiteral("Mivo.exe");

// Groesste ausgefuellte Kopie, die eingesammelt wird.
inline constexpr qint64 kGrenzeAbgabe = 1024 * 1024;

// Die Zeichen, mit denen der Schueler an Stelle 1 eine Antwort ankreuzt.
inline bool istKreuz(QChar c)
{
    return c == u'+' || c == u'X' || c == u'Y' || c == u'x' || c == u'y';
}

// Erste 8 Zeichen des Nachnamens, ".", erstes Zeichen des Vornamens, Klassenkuerzel. Der
// Fuellpunkt einstelliger Klassen ("7.", "0.") wird "_" geschrieben ("Schmidtb.K7_"): viele
// Dateisysteme streichen einen Punkt am Namensende.
QString persoenlicherDateiname(const QString &vorname, const QString &nachname,
                               const QString &klassenkuerzel);
// Das Klassenkuerzel, wie es in persoenlichen Dateinamen steht ("7." -> "7_").
QString kuerzelImDateinamen(const QString &klassenkuerzel);
// Muster der Abgaben einer Klasse: "*.?" + Klassenkuerzel (mit "_" statt Fuellpunkt).
QString abgabeMuster(const QString &klassenkuerzel);

// Ordner (mit Trenner am Ende); lehrername endet mit dem Trenner.
QString ausgabeKlassenOrdner(const QString &ausgabeOrdner, const QString &lehrername,
                             const QString &klassenkuerzel);
QString abgabeLehrerOrdner(const QString &abgabeOrdner, const QString &lehrername);
QString abgabeEingang(const QString &abgabeOrdner, const QString &lehrername);
QString rueckgabeKlassenOrdner(const QString &rueckgabeOrdner, const QString &lehrername,
                               const QString &klassenkuerzel);
// Name der Signaldatei (ohne Ordner).
QString signalDateiname(const QString &klassenkuerzel, const QString &lehrername,
                        const QString &testKuerzel);

// Ein Dateiname, den jedes uebliche Dateisystem annimmt: nicht leer, keine Steuerzeichen, keines
// von \ / : * ? " < > |, kein Punkt oder Leerzeichen am Ende, nicht "." oder "..".
bool dateinameTauglich(const QString &name);

} // namespace schuelerprogramm
