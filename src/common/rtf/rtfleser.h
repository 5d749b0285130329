#pragma once
// Der Leser der RTF-Schicht (nur fuer rtfleser.cpp und rtfausgabe.cpp): Zustand eines
// Lesedurchgangs, Gruppenstapel, Schrift- und Farbtabelle, ausstehender Text.

#include "common/rtf/rtf.h"
#include "common/rtf/rtfwoerter.h"

#include <QColor>
#include <QTextCharFormat>
#include <QTextCursor>

#include <map>
#include <optional>
#include <vector>

class QTextDocument;

namespace rtfintern {

constexpr int kMaxFarben = 32767;
constexpr int kMaxSchriften = 4096;
constexpr int kMaxNamenslaenge = 256;

enum class Ziel { Text, Schrifttabelle, Farbtabelle, Ueberspringen };

struct Gruppe
{
    Zeichenformat z;
    Absatzformat a;
    Ziel ziel = Ziel::Text;
    int uc = 1;
};

struct Schrift
{
    QString name;
    int codeseite = 0; // 0: die des Dokuments
};

// Ein Lesedurchgang: rtfleser.cpp zerlegt die Bytes (Gruppen, Steuerwoerter, Textbytes),
// rtfausgabe.cpp dekodiert den Text und schreibt Laeufe und Absaetze in das Dokument.
class Leser
{
public:
    Leser(QByteArrayView daten, QTextDocument &doc)
        : d(daten)
        , doc(doc)
        , cursor(&doc)
    {}
    RtfLeseErgebnis lesen();

private:
    // Zerlegung
    void steuerwort(QByteArrayView wort, bool hatZahl, qint64 zahl);
    void steuersymbol(char c);
    void textbyte(char b);
    void textbytes(QByteArrayView bytes);

    // Ausgabe
    void rohLeeren();
    void text(QStringView t);
    void zeichen(QChar c) { text(QStringView(&c, 1)); }
    void laufLeeren();
    void absatzEnde();
    void neuerBlockFallsAusstehend();
    // Schreibt den fertigen Absatz in das Dokument; leereMarke: Zeichenformat der Absatzmarke
    // eines leeren ersten Absatzes.
    void absatzAusgeben(const QTextBlockFormat &format, const QTextCharFormat *leereMarke);
    void blockAusgeben(const QTextBlockFormat &format, const QTextCharFormat &marke);
    void laufAusgeben(const QString &t, const QTextCharFormat &format);
    void stueckLeeren();
    QTextCharFormat zeichenformat(const Zeichenformat &z);
    QTextBlockFormat absatzBlockformat(const Absatzformat &a);
    // Schrift- oder Farbtabelle oder Standardschrift geaendert: gemerkte Formate gelten nicht mehr.
    void tabellenGeaendert() { zeichenformate.clear(); }

    Gruppe &g() { return stapel.back(); }

    QByteArrayView d;
    qsizetype pos = 0;
    QTextDocument &doc;
    QTextCursor cursor;
    std::vector<Gruppe> stapel;
    QString fehler;
    bool abbruch = false;
    bool ende = false;

    int codeseite = 1252;
    int standardSchrift = 0;
    std::map<int, Schrift> schriften;
    int aktSchrift = 0; // in der Schrifttabelle
    std::vector<std::optional<QColor>> farben;
    int rot = 0, gruen = 0, blau = 0;
    bool farbeGesetzt = false;

    QByteArray roh; // noch nicht dekodierte Textbytes
    int rohCodeseite = 1252;
    int ucUebrig = 0; // noch zu ueberspringende Ersatzzeichen nach \uN

    QString lauf;
    Zeichenformat laufFormat;

    // Der laufende Absatz wird erst an seinem Ende geschrieben, wenn sein Absatzformat feststeht.
    struct Lauf
    {
        QString text;
        QTextCharFormat format;
    };
    std::vector<Lauf> absatzLaeufe;
    bool absatzNeu = false;             // vor ihm steht ein neuer Block (nicht der erste)
    QTextCharFormat absatzMarkenformat; // Zeichenformat seiner Absatzmarke
    // Noch nicht eingefuegter Text in einem Zeichenformat, Absatzmarken als U+2029: ein
    // insertText legt viele gleich formatierte Absaetze auf einmal an. Neue Bloecke daraus
    // erben das Blockformat des Blocks, in dem der Cursor steht (blockformatAmCursor).
    QString stueck;
    QTextCharFormat stueckFormat;
    QTextBlockFormat blockformatAmCursor;
    // Zuletzt gebildete Formate: gleiche Formate teilen sich ihre Daten, das Dokument findet sie
    // schneller in seiner Formatsammlung.
    std::vector<std::pair<Zeichenformat, QTextCharFormat>> zeichenformate;
    std::optional<std::pair<Absatzformat, QTextBlockFormat>> letztesBlockformat;
    Absatzformat letztesAbsatzformat; // des zuletzt beschriebenen Absatzes
    bool absatzAusstehend = false;
    bool absatzLeer = true;
    int absaetze = 1;
    Dekodierer dekodierer;
};

} // namespace rtfintern
