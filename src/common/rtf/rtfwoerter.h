#pragma once
// Steuerwoerter und Codeseiten des RTF-Lesers (nur fuer die RTF-Schicht).

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextOption>

#include <array>

namespace rtfintern {

enum class Wort {
    Unbekannt,
    Ueberspringen,
    Bin,
    U,
    Uc,
    Par,
    Zelle,
    Zeile,
    Zeichen,
    Ansicpg,
    Ansi,
    Mac,
    Pc,
    Pca,
    Deff,
    Plain,
    B,
    I,
    Ulnone,
    Ul,
    Strike,
    Fs,
    F,
    Cf,
    Hintergrund,
    Pard,
    Li,
    Fi,
    Ri,
    Sb,
    Sa,
    Sl,
    Slmult,
    Ql,
    Qc,
    Qr,
    Qj,
    Tqr,
    Tqc,
    Tqdec,
    Tx,
    Fonttbl,
    Colortbl,
    Fcharset,
    Cpg,
    Red,
    Green,
    Blue,
};

struct WortEintrag
{
    Wort wort;
    char16_t zeichen = 0; // fuer Wort::Zeichen
};

// Eintrag eines Steuerworts; Wort::Unbekannt, wenn der Leser es nicht kennt.
WortEintrag nachschlagen(QByteArrayView w);
// Codeseite zu \fcharsetN; 0, wenn die des Dokuments gilt.
int codeseiteZuZeichensatz(qint64 zeichensatz);
bool istDoppelbyte(int cp);
QByteArray codeseitenName(int cp);

// Zeichen- und Absatzformat einer Gruppe.
struct Zeichenformat
{
    int schrift = -1; // Index der Schrifttabelle; -1: \deff
    int halbpunkte = 24;
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    bool durchgestrichen = false;
    int farbe = 0;       // Index der Farbtabelle; 0: automatisch
    int hintergrund = 0; // Index der Farbtabelle; 0: keiner
    bool operator==(const Zeichenformat &) const = default;
};

struct Absatzformat
{
    int links = 0; // Twips
    int erste = 0;
    int rechts = 0;
    int vorher = 0;
    int nachher = 0;
    int abstand = 0; // \sl
    bool mehrfach = false;
    Qt::Alignment ausrichtung = Qt::AlignLeft;
    QTextOption::TabType tabArt = QTextOption::LeftTab; // fuer den naechsten \tx
    QList<QTextOption::Tab> tabs;
    bool operator==(const Absatzformat &) const = default;
};

// Wendet ein Format-Steuerwort an; andere Woerter aendern nichts.
void formatWort(Wort w, int n, bool hatZahl, Zeichenformat &z, Absatzformat &a);

// Absatzformat als Blockformat des Dokuments (Twips in Pixel).
QTextBlockFormat blockformat(const Absatzformat &a);

// Dekodiert Textbytes in einer Codeseite; Tabellen der Einbyte-Codeseiten werden gemerkt.
class Dekodierer
{
public:
    QString dekodieren(const QByteArray &bytes, int cp);

private:
    QHash<int, std::array<char16_t, 256>> tabellen;
};

} // namespace rtfintern
