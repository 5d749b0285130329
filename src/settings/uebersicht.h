#pragma once
// Logik hinter dem Hauptfenster: Sperre der Arbeitsmodi ohne Klassen, Programminformation,
// Oeffnen der Konfigurations- und Listendateien und der Bedienungsanleitung.

#include <QDate>
#include <QString>

struct Einstellungen;
class Konfiguration;
class Oeffner;
class Rueckfragen;

inline const QString kAnwendungsTitel = QStringLiteral("Mivo-Zuzovuvavev");
inline const QString kUeberschrift = QStringLiteral("Multiple Choice - Testprogramm");
inline const QString kProduktSeite = QStringLiteral("https://www.mivo-zuzovuvavev.de/");
inline const QString kAnleitungMuster = QStringLiteral("Mivo-Zuzovuvavev Bedienungsanleitung*.pdf");

// Arbeitsmodi des Hauptfensters.
enum Modus : int {
    kModusUebersicht = 1,
    kModusKonstruktionsauswahl = 2,
    kModusEditor = 3,
    kModusDurchfuehrung = 4,
    kModusNotenverwaltung = 5,
};
inline bool modusGueltig(int modus)
{
    return modus >= kModusUebersicht && modus <= kModusNotenverwaltung;
}
inline const QString kFormeinstellungFehler = QStringLiteral("Fehler bei der Formeinstellung!");

// Programmversion aus dem Bau; Fenstertitel "Version  Titel", Versionsschild die ersten 3 Zeichen.
QString programmVersion();
QString fensterTitel();
QString versionsSchild();
QString infoText();

QString anfangsMeldungText();
// true (gesperrt), wenn im aktuellen Schuljahresordner keine Klassendatei liegt; zeigt dann die
// Meldung.
bool anfangsMsgGezeigt(const QString &basisOrdner, const QDate &heute, Rueckfragen &r);

QString programmendeHinweis();

// Erste passende Bedienungsanleitung im Programmordner, leer wenn keine.
QString bedienungsanleitungSuchen(const QString &programmOrdner);
inline const QString kKeineAnleitung =
    QStringLiteral("Es wurde keine Bedienungsanleitung gefunden!");

// Oeffnet eine Datei mit dem zugeordneten Programm; meldet eine fehlende Datei und einen
// fehlgeschlagenen Start. Ergebnis: ob geoeffnet.
bool dateiAnzeigen(const QString &pfad, Rueckfragen &r, Oeffner &o);

// "Aktuelle Konfigurationsdatei Mivo-cf.txt einsehen/bearbeiten"
void schuelerCfEinsehen(const Einstellungen &e, Konfiguration &k, Rueckfragen &r, Oeffner &o);
