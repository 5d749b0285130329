#pragma once
// Logik der beiden Konfigurationsdialoge: Ordnerkonfigurationen 1 bis 3, Transferordner,
// Beispieldateien, Schuelerprogramm, Anfangskonfiguration. Die Dialoge halten nur die Felder.

#include <QDate>
#include <QString>

struct Einstellungen;
class Konfiguration;
class Rueckfragen;

// Das Schuelertestprogramm im Mivo-Programm-Ordner.
#ifdef Q_OS_WIN
inline const QString kSchuelerProgrammName = QStringLiteral("Mivo.exe");
#else
inline const QString kSchuelerProgrammName = QStringLiteral("Mivo");
#endif
inline const QString kProbelaufAnleitung = QStringLiteral("Mivo-Probetestlauf-Anleitung.pdf");
// Vorgabe fuer den Ordner, in den der Systemadministrator Mivo installiert.
inline const QString kAdminVorgabeOrdner = QStringLiteral("C:\\Program Files (x86)\\Mivo\\");
inline const QString kSchuelerLaufwerkVorgabe = QStringLiteral("H:\\");
inline const QString kBeispielSchuljahr = QStringLiteral("2016-17");
inline const QString kBeispielTest = QStringLiteral("7xP1Bspl");

// Das Schuelerprogramm fuer Konfiguration 3 und den Probelauf: das im Basisordner, sonst das
// mitgelieferte der Installation.
QString schuelerProgrammDatei(const Einstellungen &e);

// Die fuenf Ordnerfelder des Dialogs.
struct KonfigFelder
{
    QString mivoProgrammOrdner;
    QString ausgabe;
    QString abgabe;
    QString rueckgabe;
    QString schueler;
    bool operator==(const KonfigFelder &) const = default;
};

// Regel fuer den Lehrernamen: Umlaute ausgeschrieben, nur a-z und ";", hoechstens 20 Zeichen,
// erster Buchstabe gross ("Jörg-Müller" -> "Joergmueller").
QString lehrernameBereinigen(const QString &eingabe);

// Erstes Zeichen von [Ordnerkonfiguration] als Zahl 1..3, sonst 0.
int konfigurationsNummer(const QString &wert);

class TestKonfiguration
{
public:
    TestKonfiguration(Einstellungen &e, Konfiguration &k, Rueckfragen &r);

    // Die Felder der Konfiguration 1: Unterordner von "Mivo-Dateien (Schulserver)".
    KonfigFelder felderKonfiguration1() const;
    QString lokaleSchuelerCf() const; // basisOrdner + Schulserver + Mivo-cf.txt

    void Konf1oder3Speichern(const KonfigFelder &f, int n);
    void Konf2Speichern(const KonfigFelder &f);
    void transferOrdnerErstellen(const KonfigFelder &f);
    // Setzt schuelerCfDatei aus dem Programmordner-Feld und liest die vier Transferfelder.
    void UebergabeOrdnerLesenUndZeigen(KonfigFelder &f);
    void UebergabeOrdnerLesenPruefenUndZeigen(KonfigFelder &f);
    // Mivo und Mivo-cf.txt aus dem lokalen Schulserver-Ordner in den gewaehlten Ordner.
    void schuelerprogrammInNeuenOrdnerKopieren(const QString &ordner);
    void BeispielDateienInDenAktSchuljahresOrdnerkopieren(const QDate &heute);

    // Anfangskonfiguration: Werte beim Oeffnen und Speichern.
    struct Anfangswerte
    {
        QString mivoProgrammOrdner; // fuer das Feld des Testfunktionen-Dialogs
        QString schulname;          // ohne Trenner
        QString lehrername;
    };
    Anfangswerte anfangsKonfLaden();
    // Ergebnis: ob alles gespeichert wurde (dann ist die Erfolgsmeldung gezeigt).
    bool anfangsKonfSpeichern(const QString &schulname, const QString &lehrername);

private:
    Einstellungen &e;
    Konfiguration &k;
    Rueckfragen &r;
};
