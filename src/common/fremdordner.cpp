#include "common/fremdordner.h"

#include "common/plattform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

bool istSpeicherendung(QStringView endung)
{
    if (endung.size() != 6) {
        return false;
    }
    for (QChar c : endung) {
        if (!(c.isDigit() || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))) {
            return false;
        }
    }
    return true;
}

} // namespace

BytesErgebnis ohneVerknuepfungLesen(const QString &pfad, qint64 grenze)
{
    return plattform::ohneVerknuepfungLesen(pfad, grenze);
}

DateiFehler ohneVerknuepfungSchreiben(const QString &pfad, const QByteArray &daten)
{
    return plattform::dauerhaftSchreiben(pfad, daten);
}

ZeilenErgebnis ansiZeilenOhneVerknuepfungLesen(const QString &pfad, qint64 grenze)
{
    return ansiZeilenAus(ohneVerknuepfungLesen(pfad, grenze));
}

DateiFehler ansiZeilenOhneVerknuepfungSchreiben(const QString &pfad, const QStringList &zeilen)
{
    DateiFehler f;
    f.pfad = pfad;
    const QByteArray bytes = ansiZeilenAlsBytes(zeilen, &f);
    return f.ok() ? ohneVerknuepfungSchreiben(pfad, bytes) : f;
}

bool eintragUmbenennen(const QString &quelle, const QString &ziel, bool ersetzen)
{
    errno = ersetzen ? plattform::umbenennen(quelle, ziel)
                     : plattform::umbenennenOhneErsetzen(quelle, ziel);
    return errno == 0;
}

bool ordnerTauschen(const QString &a, const QString &b)
{
    return plattform::ordnerTauschen(a, b) == 0;
}

void speicherresteEntfernen(const QString &ordner, const QStringList &namen)
{
    const QSet<QString> gesucht(namen.begin(), namen.end());
    const QStringList alle =
        QDir(ordner).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString &eintrag : alle) {
        if (eintrag.size() > 7 && eintrag[eintrag.size() - 7] == u'.' &&
            istSpeicherendung(QStringView(eintrag).right(6)) &&
            !eintrag.endsWith(u".sperre"_s) && // die Sperre der Datei, kein Rest
            gesucht.contains(eintrag.chopped(7))) {
            QFile::remove(QDir(ordner).filePath(eintrag));
        }
    }
}

void speicherresteEntfernen(const QString &pfad)
{
    const QFileInfo info(pfad);
    speicherresteEntfernen(info.path(), {info.fileName()});
}
