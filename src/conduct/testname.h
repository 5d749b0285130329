#pragma once
// Testkuerzel, Testordner und ihre Dateinamen, Faecher- und Themenliste.
//
// Testkuerzel (8 Zeichen): Klassenkuerzel (2), Fachbuchstabe (1), Testnummer (1), Themenkuerzel
// (4).
// "." steht fuer "nicht gewaehlt" und passt als Filter auf jedes Zeichen. Klassen 10-13 verlieren
// ihre fuehrende "1" ("10a" -> "0a"); gezeigt wird ein solches Kuerzel wieder mit "1".

#include <QString>
#include <QStringList>

class Rueckfragen;

inline const QString kFaecherliste = QStringLiteral("Mivo-Faecherliste.txt");
inline const QString kThemenliste = QStringLiteral("Mivo-Themenliste.txt");
inline const QString kLeertest = QStringLiteral("Mivo-Leertest.txt");
inline constexpr int kMaxFaecher = 51;

// Klassenkuerzel aus dem Text des Klassenfeldes ("..." -> "..", "7" -> "7.", "10a" -> "0a").
QString klassenCode(const QString &klassentext);
// "1" fuer Kuerzel, die mit "0".."3" beginnen, sonst " ".
QString klassenPraefix(const QString &code);
// Wie der Benutzer die Klasse sieht: "0a" -> "10a", "7x" -> "7x".
QString klasseAnzeige(const QString &code);

// fachEintrag: Eintrag des Fachfeldes ("Physik (P)"), leer fuer Eintrag 0.
QString testKuerzelBilden(const QString &klassentext, const QString &fachEintrag,
                          const QString &nummer, const QString &thema);
// Passt name Stelle fuer Stelle auf den Filter ("." passt auf alles), ohne Gross-/Kleinschreibung.
bool passtAufFilter(const QString &name, const QString &filter);
// Die Testnummern, die die Nummernfelder anbieten, in ihrer Reihenfolge.
inline const QString kTestnummern = QStringLiteral("123456789ABCDEFGH");
bool istTestnummer(QChar c); // ohne Ruecksicht auf Gross-/Kleinschreibung
// 8 Zeichen, 1. Zeichen "0".."9", 4. Zeichen eine Testnummer.
bool istTestordnerName(const QString &name);
// Ein Kuerzel, das einen Test benennt (kein Filter): Klasse, Fach, Nummer und Thema gewaehlt;
// ein Punkt steht nur an zweiter Stelle einer einstelligen Klasse ("7.P1Mech").
bool kuerzelVollstaendig(const QString &code);

// Die Dateien und Ordner eines Tests; alle Ordnerangaben enden mit dem Trenner.
struct TestPfade
{
    QString basisOrdner; // mit Trenner
    QString schuljahr;
    QString testKuerzel;

    QString klassenkuerzel() const { return testKuerzel.left(2); }
    QChar fachbuchstabe() const { return testKuerzel.size() > 2 ? testKuerzel[2] : QChar(); }
    QString schuljahrOrdner() const;
    QString testOrdner() const;
    QString relativerOrdner() const; // Schuljahr + Trenner + Kuerzel + Trenner
    QString vorlagenStamm() const;   // ... + Kuerzel + ".__"
    QString vorlage(QChar gruppe) const { return vorlagenStamm() + gruppe; }
    QString datei(const QString &endung) const { return testOrdner() + testKuerzel + endung; }
    QString gruppenDatei() const { return datei(QStringLiteral("._GE")); }
    QString sitzplanDatei() const { return datei(QStringLiteral("._SP")); }
    QString sicherungB() const { return datei(QStringLiteral(".SKB")); }
    QString kopienOrdner() const;  // "T1-Kopie"
    QString abgabenOrdner() const; // "T2-Ausge"
    QString benotetOrdner() const; // "T3-Benot"
    QString bilderOrdner() const;
    QString protokollDatei() const; // "T2-Ausge/Testbearbeitung.ind"
    QString zusammenfassung() const;
};

// Die Eintraege der Klassenfelder (Testauswahl und Speicherabfrage): "...", "7a" .. "13e".
QStringList klassenAuswahl();

// Faecherliste: Zeilen "P- Physik"; das Feld zeigt "Physik (P)". Eintrag 0 bleibt, wie er ist.
QString fachAnzeige(const QString &dateizeile);
QString fachDateiform(const QString &eintrag);
QChar fachBuchstabe(const QString &eintrag); // vorletztes Zeichen
// "K" als Fachbuchstabe macht einen Test zum Kurstest; kein Fach der Liste darf ihn tragen.
inline constexpr QChar kKursbuchstabe = u'K';
// Warnt, wenn ein Fach (ab Eintrag 1) den Buchstaben K traegt.
void kursbuchstabePruefen(const QString &pfad, const QStringList &eintraege, Rueckfragen &r);
// Die Eintraege des Fachfeldes; bei Lesefehler Warnung und leere Liste; Warnung bei "K".
QStringList faecherLesen(const QString &basisOrdner, Rueckfragen &r);
bool faecherSpeichern(const QString &basisOrdner, const QStringList &eintraege, Rueckfragen &r);
// Fragt, ob ein getippter Fachtext uebernommen werden soll; wenn ja, ergaenzen und speichern.
bool fachUebernehmen(const QString &basisOrdner, QStringList &eintraege, const QString &text,
                     Rueckfragen &r);

// Themenliste: Zeilen "Mech- Mechanik ...", wie gelesen. Bei Lesefehler nur "..." und Warnung.
QStringList themenLesen(const QString &basisOrdner, Rueckfragen &r);
bool themenSpeichern(const QString &basisOrdner, const QStringList &eintraege, Rueckfragen &r);
// Setzt das erste Zeichen gross; plausibel, wenn 1-4 Buchstaben/Ziffern und 5-6 "- " sind
// (oder der Text kuerzer als 6 ist). Sonst Meldung.
bool themaPlausibel(QString &text, Rueckfragen &r);
// Mindestens 11 Zeichen, 1-4 Buchstaben/Ziffern, 5-6 "- ".
bool neuThemenEintragOK(const QString &text);
// Meldung, wenn neuThemenEintragOK beim Anlegen eines Tests scheitert.
void themaUngueltigMelden(Rueckfragen &r);
// Fragt, ob ein neues plausibles Thema uebernommen wird; wenn ja, ergaenzen und speichern.
bool themaUebernehmen(const QString &basisOrdner, QStringList &eintraege, const QString &text,
                      Rueckfragen &r);
