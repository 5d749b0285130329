#pragma once
// Der Katalog der vorhandenen Tests: Schuljahresordner, Testordner, Vorlage und Beschreibung.
// Eine Katalogzeile: "1" oder " ", Testkuerzel, drei Leerzeichen, Beschreibung auf 55 Zeichen
// aufgefuellt, Schuljahr (7 Zeichen).

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

class Rueckfragen;

enum class TestArt { Alle, MultipleChoice, Lueckentext, Grafiklegende };
// "Alle", "Multiple Choice", "Lückentext", "Grafiklegende"; nullopt fuer anderes.
std::optional<TestArt> testArtAusText(const QString &text);

struct Katalog
{
    QStringList zeilen;
    int neueThemen = 0;
};

// Zeile 4 gelesener Vorlagen mit Groesse und Aenderungszeit: wer bei jeder Filteraenderung neu
// listet, liest nur neue oder geaenderte Vorlagen wieder.
struct Vorlagenspeicher
{
    struct Eintrag
    {
        qint64 groesse = -1;
        QDateTime geaendert;
        QString zeile4;
    };
    QHash<QString, Eintrag> eintraege;
};

// Fuellt den Katalog; schuljahr "..." fuer alle Jahre. Neue Themenkuerzel werden der Themenliste
// (themen, wie im Feld) angehaengt, die Datei neu geschrieben und, ausser fuer das Beispiel allein,
// gemeldet. Nicht lesbare Vorlagen werden gemeldet und uebergangen.
Katalog vorhandeneTestsEinlesen(const QString &basisOrdner, const QString &schuljahr,
                                const QString &filter, TestArt art, QStringList &themen,
                                Rueckfragen &r, Vorlagenspeicher *speicher = nullptr);

// Beschreibung aus Zeile 4 einer Vorlage: ab dem zweiten Zeichen nach dem ersten ":",
// hoechstens 54.
QString testBeschreibung(const QString &zeile4);

// Vorgeschlagene Nummer eines neuen Tests: die nach der des letzten Eintrags ("1" ohne Eintraege,
// nach "9" "A", nach "H" "1").
QChar eineMehrAlsVorhanden(const QStringList &katalogzeilen);

// Aus einer Katalogzeile: Testkuerzel und Schuljahr.
QString kuerzelAusZeile(const QString &zeile);
QString schuljahrAusZeile(const QString &zeile);

// Fragt und loescht den Testordner mit allem darin. Ergebnis: ob geloescht wurde.
bool testLoeschen(const QString &testOrdner, Rueckfragen &r);
