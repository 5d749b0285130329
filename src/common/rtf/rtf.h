#pragma once
// RTF lesen und schreiben: RTF-Bytes <-> QTextDocument.
//
// Das Dokumentmodell: ein Absatz ist ein QTextBlock, ein Zeilenumbruch im Absatz (\line) ist
// QChar::LineSeparator, ein Tabulator '\t'. Laengen (Einzuege, Tabstopps, Abstaende) stehen im
// Dokument in Pixeln zu 96 dpi, wie sie QTextDocument auslegt; in RTF in Twips (1/1440 Zoll).
// Eine Textfarbe fehlt im Format, wenn sie automatisch ist; ein Hintergrund fehlt, wenn keiner
// gesetzt ist.

#include <QByteArray>
#include <QByteArrayView>
#include <QColor>
#include <QList>
#include <QString>

#include <optional>

class QTextDocument;

// Groessengrenzen, damit fremde Dateien weder Speicher noch Stapel sprengen.
inline constexpr qint64 kRtfMaxBytes = 32 * 1024 * 1024;
inline constexpr int kRtfMaxTiefe = 1000;
inline constexpr int kRtfMaxAbsaetze = 500000;

inline qreal twipsZuPixel(qint64 twips)
{
    return twips / 15.0;
}
inline int pixelZuTwips(qreal pixel)
{
    return qRound(pixel * 15.0);
}
inline qreal punktZuPixel(qreal punkt)
{
    return punkt * 4.0 / 3.0;
}
inline qreal pixelZuPunkt(qreal pixel)
{
    return pixel * 3.0 / 4.0;
}

struct RtfLeseErgebnis
{
    // Leer: gelesen. Sonst der Grund, warum nichts gelesen wurde; das Dokument ist dann leer.
    QString fehler;
    // Gelesen, aber die Daten waren unvollstaendig; das Dokument haelt, was lesbar war.
    QString hinweis;
    bool ok() const { return fehler.isEmpty(); }
};

// Leert das Dokument und liest die RTF-Bytes hinein.
RtfLeseErgebnis rtfLesen(QByteArrayView rtf, QTextDocument &doc);

// Schreibt das Dokument als RTF (Codeseite 1252; Zeichen ausserhalb als \uN).
QByteArray rtfSchreiben(const QTextDocument &doc);

// Dateischicht: liest hoechstens kRtfMaxBytes, folgt keiner Verknuepfung. Leer bei Erfolg,
// sonst eine Meldung, die die Datei nennt; ein Hinweis auf unvollstaendige Daten landet in
// *hinweis (mit Dateinamen).
QString rtfDateiLaden(const QString &pfad, QTextDocument &doc, QString *hinweis = nullptr);
// Schreibt atomar; leer bei Erfolg, sonst die Meldung.
QString rtfDateiSpeichern(const QString &pfad, const QTextDocument &doc);

// Ein Lauf: groesste Strecke gleichen sichtbaren Zeichenformats innerhalb eines Absatzes.
struct RtfLauf
{
    int absatz = 0;
    QString text;
    QColor farbe;                      // ungueltig: automatisch
    std::optional<QColor> hintergrund; // keiner: nullopt
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    qreal groesse = 0; // Punkt
    bool gleichesFormat(const RtfLauf &o) const
    {
        return farbe == o.farbe && hintergrund == o.hintergrund && fett == o.fett &&
               kursiv == o.kursiv && unterstrichen == o.unterstrichen && groesse == o.groesse;
    }
};

QList<RtfLauf> rtfLaeufe(const QTextDocument &doc);
