#include "common/ansitext.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <QThread>

#include <array>

using namespace Qt::StringLiterals;

namespace {

// 0x80..0x9F; die fuenf in CP1252 unbelegten Bytes bilden wie unter Windows auf
// U+0081, U+008D, U+008F, U+0090, U+009D ab, damit jedes Byte verlustfrei hin und zurueck geht.
constexpr std::array<char16_t, 32> kObereSteuerzone = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Das Zeichen jedes Bytes: eine Tafel statt eines Vergleichs je Byte.
constexpr std::array<char16_t, 256> kAnsiZeichen = [] {
    std::array<char16_t, 256> t{};
    for (unsigned b = 0; b < 256; ++b) {
        t[b] = (b >= 0x80 && b < 0xA0) ? kObereSteuerzone[b - 0x80] : char16_t(b);
    }
    return t;
}();

std::optional<char> zeichenNachAnsi(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < kObereSteuerzone.size(); ++i) {
        if (kObereSteuerzone[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

int pauseMs = 200;

} // namespace

QString DateiFehler::nummerText() const
{
    return grund.isEmpty() ? u"Fehler "_s + QString::number(nummer) : grund;
}

QString DateiFehler::meldung() const
{
    switch (art) {
    case Art::Keiner:
        return {};
    case Art::Fehlt:
        return u"Die Datei "_s + pfad + u" wurde nicht gefunden!"_s;
    case Art::IstOrdner:
        return u"Unter "_s + pfad + u" liegt ein Ordner, keine Datei!"_s;
    case Art::ZuGross:
        return u"Die Datei "_s + pfad + u" ist zu groß und wird nicht gelesen!"_s;
    case Art::KeinText:
        return u"Die Datei "_s + pfad + u" ist keine Textdatei und wird nicht gelesen!"_s;
    case Art::Lesefehler:
        return u"Die Datei "_s + pfad + u" existiert, aber sie lässt sich nicht lesen! ("_s +
               nummerText() + u")"_s;
    case Art::NichtDarstellbar:
        return u"Die Datei "_s + pfad + u" wurde nicht geschrieben: Das Zeichen \""_s + zeichen +
               u"\" lässt sich in dieser Datei nicht speichern."_s;
    case Art::Verknuepfung:
        return u"Die Datei "_s + pfad +
               u" ist eine Verknüpfung; ihr wird nicht gefolgt, nichts wurde gelesen oder "
               "geschrieben."_s;
    case Art::Schreibfehler:
        return u"Die Datei "_s + pfad + u" konnte nicht geschrieben werden! ("_s + nummerText() +
               u")"_s;
    case Art::Unerreichbar:
        return serverUnerreichbarText(pfad, grund);
    }
    return {};
}

QString serverUnerreichbarText(const QString &pfad, const QString &grund)
{
    return u"Der Schulserver ist nicht erreichbar: "_s + pfad + u" ("_s + grund +
           u"). Es wurde nichts verändert; bitte die Verbindung prüfen und noch einmal "
           "versuchen."_s;
}

QString ansiDekodieren(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *ziel = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        ziel[i] = QChar(kAnsiZeichen[static_cast<unsigned char>(bytes[i])]);
    }
    return text;
}

const char16_t *ansiPaartafel()
{
    static const std::array<char16_t, 2 * 65536> paare = [] {
        std::array<char16_t, 2 * 65536> t{};
        for (unsigned i = 0; i < 65536; ++i) {
            t[2 * i] = kAnsiZeichen[i >> 8];
            t[2 * i + 1] = kAnsiZeichen[i & 0xFF];
        }
        return t;
    }();
    return paare.data();
}

bool ansiKodierenNach(QStringView text, char *ziel, QString *erstesFremdes)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto b = zeichenNachAnsi(text[i].unicode());
        if (!b) {
            if (erstesFremdes) {
                // Ersatzpaare als ganzes Zeichen melden
                const bool paar = text[i].isHighSurrogate() && i + 1 < text.size();
                *erstesFremdes = text.mid(i, paar ? 2 : 1).toString();
            }
            return false;
        }
        ziel[i] = *b;
    }
    return true;
}

std::optional<QByteArray> ansiKodieren(QStringView text, QString *erstesFremdes)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    if (!ansiKodierenNach(text, bytes.data(), erstesFremdes)) {
        return std::nullopt;
    }
    return bytes;
}

bool ansiDarstellbar(QStringView text)
{
    for (QChar c : text) {
        if (!zeichenNachAnsi(c.unicode())) {
            return false;
        }
    }
    return true;
}

QStringList zeilenAufteilen(QStringView text)
{
    QStringList zeilen;
    qsizetype anfang = 0;
    while (anfang < text.size()) {
        qsizetype ende = text.indexOf(u'\n', anfang);
        const bool letzte = ende < 0;
        if (letzte) {
            ende = text.size();
        }
        qsizetype laenge = ende - anfang;
        if (!letzte && laenge > 0 && text[ende - 1] == u'\r') {
            --laenge;
        }
        zeilen.append(text.mid(anfang, laenge).toString());
        anfang = ende + 1;
    }
    return zeilen;
}

BytesErgebnis bytesLesen(const QString &pfad, qint64 grenze)
{
    BytesErgebnis e;
    e.fehler.pfad = pfad;
    const QFileInfo info(pfad);
    if (info.isDir()) {
        e.fehler.art = DateiFehler::Art::IstOrdner;
        return e;
    }
    if (!info.exists()) {
        e.fehler.art = DateiFehler::Art::Fehlt;
        return e;
    }
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        e.fehler.art = DateiFehler::Art::Lesefehler;
        e.fehler.nummer = datei.error();
        return e;
    }
    // Eine Datei kann waehrend des Lesens wachsen: nie mehr als grenze + 1 Bytes lesen.
    e.bytes = datei.read(grenze + 1);
    if (datei.error() != QFileDevice::NoError) {
        e.fehler.art = DateiFehler::Art::Lesefehler;
        e.fehler.nummer = datei.error();
        e.bytes.clear();
    } else if (e.bytes.size() > grenze) {
        e.fehler.art = DateiFehler::Art::ZuGross;
        e.bytes.clear();
    }
    return e;
}

ZeilenErgebnis ansiZeilenLesen(const QString &pfad, qint64 grenze)
{
    return ansiZeilenAus(bytesLesen(pfad, grenze));
}

ZeilenErgebnis ansiZeilenAus(const BytesErgebnis &b)
{
    ZeilenErgebnis e;
    e.fehler = b.fehler;
    if (!b.ok()) {
        return e;
    }
    if (b.bytes.contains('\0')) {
        e.fehler.art = DateiFehler::Art::KeinText;
        return e;
    }
    e.zeilen = zeilenAufteilen(ansiDekodieren(b.bytes));
    return e;
}

DateiFehler atomarSchreiben(const QString &pfad, const QByteArray &daten)
{
    DateiFehler f;
    f.pfad = pfad;
    const QFileInfo info(pfad);
    if (info.isDir()) {
        f.art = DateiFehler::Art::IstOrdner;
        return f;
    }
    // Das Umbenennen wuerde auch eine schreibgeschuetzte Datei ersetzen; der Schutz gilt.
    constexpr auto schreibrechte = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (info.exists() && (!info.isWritable() || !(info.permissions() & schreibrechte))) {
        f.art = DateiFehler::Art::Schreibfehler;
        f.nummer = QFileDevice::PermissionsError;
        return f;
    }
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(daten) != daten.size() ||
        !datei.commit()) {
        f.art = DateiFehler::Art::Schreibfehler;
        f.nummer = datei.error();
        datei.cancelWriting();
    }
    return f;
}

QByteArray ansiZeilenAlsBytes(const QStringList &zeilen, DateiFehler *fehler)
{
    QByteArray bytes;
    qsizetype laenge = 0;
    for (const QString &z : zeilen) {
        laenge += z.size() + 2;
    }
    bytes.reserve(laenge);
    for (const QString &z : zeilen) {
        QString fremd;
        const auto kodiert = ansiKodieren(z, &fremd);
        if (!kodiert) {
            if (fehler) {
                fehler->art = DateiFehler::Art::NichtDarstellbar;
                fehler->zeichen = fremd;
            }
            return {};
        }
        bytes += *kodiert;
        bytes += "\r\n";
    }
    return bytes;
}

DateiFehler ansiZeilenSchreiben(const QString &pfad, const QStringList &zeilen)
{
    DateiFehler f;
    f.pfad = pfad;
    const QByteArray bytes = ansiZeilenAlsBytes(zeilen, &f);
    if (!f.ok()) {
        return f;
    }
    return atomarSchreiben(pfad, bytes);
}

int pauseVorNeuschreibenMs()
{
    return pauseMs;
}

void setzePauseVorNeuschreibenMs(int ms)
{
    pauseMs = ms;
}

void pauseVorNeuschreiben()
{
    if (pauseMs > 0) {
        QThread::msleep(static_cast<unsigned long>(pauseMs));
    }
}
