#pragma once
// Ordner und Dateien: Mustersuche ohne Ruecksicht auf Gross-/Kleinschreibung,
// Kopieren, Verschieben und Loeschen, ohne symbolischen Verknuepfungen zu folgen.
// Verknuepfungen in Ordnern, in die andere schreiben, werden weder gelistet noch betreten.

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

// Trennzeichen der Ordnerangaben; Ordnerangaben enden immer damit.
inline constexpr QChar kTrenner = u'/';

QString mitTrenner(const QString &ordner);

// Eine Ordnerangabe aus einer Konfigurationsdatei als Ordner mit Trenner am Ende. Unter Windows
// geschriebene Angaben enden mit einem Backslash; ausserhalb von Windows zaehlt er als Trenner.
QString ordnerAusAngabe(const QString &wert);
// Prueft eine Ordnerangabe (den Wert, wie er in der Datei steht), bevor irgendetwas in ihr
// angelegt oder geloescht wird: ein vollstaendiger Pfad, nicht die Wurzel, ohne Steuer- oder nicht
// druckbare Zeichen, und der Ordner oder sein Elternordner besteht. Leer, wenn sie taugt; sonst
// die Meldung mit Datei, Zeile (ab 1) und Kopf. Jeder Leser einer Ordnerangabe ruft sie auf.
QString ordnerAngabeFehler(const QString &wert, const QString &datei, qsizetype zeile,
                           const QString &kopf);

// Namen (ohne Ordner) der gewoehnlichen Dateien bzw. Unterordner, die auf das Muster passen
// ("*.DTA" findet "l-7x-ph.dta"); nach Namen sortiert, ohne Ruecksicht auf Gross-/Kleinschreibung.
QStringList dateienNachMuster(const QString &ordner, const QString &muster);
QStringList ordnerNachMuster(const QString &ordner, const QString &muster = QStringLiteral("*"));

bool istVerknuepfung(const QString &pfad);
bool istGewoehnlicheDatei(const QString &pfad); // existiert, keine Verknuepfung, kein Ordner
bool istEchterOrdner(const QString &pfad);      // existiert, keine Verknuepfung

// Legt den Ordner mit allen fehlenden Elternordnern an; ein vorhandener Ordner ist kein Fehler.
bool ordnerAnlegen(const QString &pfad);

// Kopiert eine gewoehnliche Datei atomar. Ohne ueberschreiben bleibt ein vorhandenes Ziel
// unberuehrt (Ergebnis false).
bool dateiKopieren(const QString &quelle, const QString &ziel, bool ueberschreiben = true);
// Benennt um; ueber Laufwerksgrenzen kopieren und dann loeschen.
bool dateiVerschieben(const QString &quelle, const QString &ziel, bool ueberschreiben = true);
// Entfernt eine Datei oder eine Verknuepfung (nie deren Ziel). Eine fehlende Datei ist kein Fehler.
bool dateiLoeschen(const QString &pfad);

// Kopiert einen Ordnerbaum; Verknuepfungen werden uebergangen.
// Ohne ueberschreiben bleiben vorhandene Zieldateien unveraendert.
bool baumKopieren(const QString &quelle, const QString &ziel, bool ueberschreiben = true);
// Loescht einen Ordnerbaum; Verknuepfungen werden entfernt, nicht betreten.
bool baumLoeschen(const QString &pfad);
// Loescht alle Eintraege eines Ordners, der Ordner selbst bleibt.
bool ordnerLeeren(const QString &pfad);

// Ersetzt den ganzen Inhalt von ordner durch dateien (Name, Bytes): alles wird erst in
// ordner + ".neu" geschrieben und dann mit dem alten Ordner getauscht. Ein abgebrochener Lauf
// hinterlaesst den alten oder den vollstaendigen neuen Inhalt (ordnerTauschAufraeumen stellt ihn
// her). Bei Fehler bleibt ordner unveraendert; *fehler nennt die Datei.
// Mit behalten: jeder Eintrag des alten Ordners, der nicht unter dateien ist und fuer den behalten
// wahr ist (fremde Dateien, etwa eine bearbeitete Zusammenfassung), wird vor dem Tausch mit in den
// neuen Ordner kopiert; ein Abbruch laesst so nie einen neuen Ordner ohne sie zurueck.
bool ordnerErsetzen(const QString &ordner, const QList<std::pair<QString, QByteArray>> &dateien,
                    QString *fehler,
                    const std::function<bool(const QString &name)> &behalten = nullptr);
// Schliesst einen abgebrochenen Tausch ab oder nimmt ihn zurueck und entfernt die Arbeitsordner.
void ordnerTauschAufraeumen(const QString &ordner);
