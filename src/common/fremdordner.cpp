#include "common/fremdordner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray nativ(const QString &pfad)
{
    return QFile::encodeName(pfad);
}

class Deskriptor
{
public:
    explicit Deskriptor(int fd)
        : fd(fd)
    {}
    ~Deskriptor()
    {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    Deskriptor(const Deskriptor &) = delete;
    Deskriptor &operator=(const Deskriptor &) = delete;
    int fd;
};

bool allesSchreiben(int fd, const QByteArray &daten)
{
    qsizetype geschrieben = 0;
    while (geschrieben < daten.size()) {
        const ssize_t n =
            ::write(fd, daten.constData() + geschrieben, size_t(daten.size() - geschrieben));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        geschrieben += n;
    }
    return true;
}

QString zufallsEndung()
{
    static const char zeichen[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString s(6, Qt::Uninitialized);
    for (QChar &c : s) {
        c = QLatin1Char(zeichen[QRandomGenerator::global()->bounded(62)]);
    }
    return s;
}

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
    BytesErgebnis e;
    e.fehler.pfad = pfad;
    const Deskriptor d(
        ::open(nativ(pfad).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (d.fd < 0) {
        e.fehler.art = errno == ENOENT   ? DateiFehler::Art::Fehlt
                       : errno == ELOOP  ? DateiFehler::Art::Verknuepfung
                       : errno == EISDIR ? DateiFehler::Art::IstOrdner
                                         : DateiFehler::Art::Lesefehler;
        e.fehler.nummer = errno;
        return e;
    }
    struct stat st
    {
    };
    if (::fstat(d.fd, &st) != 0) {
        e.fehler.art = DateiFehler::Art::Lesefehler;
        e.fehler.nummer = errno;
        return e;
    }
    if (S_ISDIR(st.st_mode)) {
        e.fehler.art = DateiFehler::Art::IstOrdner;
        return e;
    }
    if (!S_ISREG(st.st_mode)) {
        e.fehler.art = DateiFehler::Art::KeinText;
        return e;
    }
    // Die Datei kann waehrend des Lesens wachsen: nie mehr als grenze + 1 Bytes.
    e.bytes.resize(qsizetype(std::min<qint64>(grenze + 1, std::max<qint64>(st.st_size, 0) + 1)));
    qsizetype gelesen = 0;
    for (;;) {
        if (gelesen == e.bytes.size()) {
            if (gelesen > grenze) {
                break;
            }
            e.bytes.resize(qsizetype(std::min<qint64>(grenze + 1, 2 * gelesen + 4096)));
        }
        const ssize_t n = ::read(d.fd, e.bytes.data() + gelesen, size_t(e.bytes.size() - gelesen));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            e.fehler.art = DateiFehler::Art::Lesefehler;
            e.fehler.nummer = errno;
            e.bytes.clear();
            return e;
        }
        if (n == 0) {
            break;
        }
        gelesen += n;
    }
    e.bytes.truncate(gelesen);
    if (gelesen > grenze) {
        e.fehler.art = DateiFehler::Art::ZuGross;
        e.bytes.clear();
    }
    return e;
}

DateiFehler ohneVerknuepfungSchreiben(const QString &pfad, const QByteArray &daten)
{
    DateiFehler f;
    f.pfad = pfad;
    struct stat alt
    {
    };
    const bool vorhanden = ::lstat(nativ(pfad).constData(), &alt) == 0;
    if (vorhanden && S_ISLNK(alt.st_mode)) {
        f.art = DateiFehler::Art::Verknuepfung;
        return f;
    }
    if (vorhanden && S_ISDIR(alt.st_mode)) {
        f.art = DateiFehler::Art::IstOrdner;
        return f;
    }
    // Das Umbenennen wuerde auch eine schreibgeschuetzte Datei ersetzen; der Schutz gilt.
    if (vorhanden && ((alt.st_mode & 0222) == 0 || ::access(nativ(pfad).constData(), W_OK) != 0)) {
        f.art = DateiFehler::Art::Schreibfehler;
        f.nummer = QFileDevice::PermissionsError;
        return f;
    }
    QString temp;
    int fd = -1;
    for (int versuch = 0; versuch < 20 && fd < 0; ++versuch) {
        temp = pfad + u'.' + zufallsEndung();
        fd = ::open(nativ(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        f.art = DateiFehler::Art::Schreibfehler;
        f.nummer = errno;
        return f;
    }
    bool ok = allesSchreiben(fd, daten);
    if (ok && vorhanden) {
        ok = ::fchmod(fd, alt.st_mode & 07777) == 0;
    }
    ok = ::close(fd) == 0 && ok;
    // Erst unmittelbar vor dem Umbenennen noch einmal: eine eben gepflanzte Verknuepfung bleibt.
    struct stat jetzt
    {
    };
    if (ok && ::lstat(nativ(pfad).constData(), &jetzt) == 0 && S_ISLNK(jetzt.st_mode)) {
        ::unlink(nativ(temp).constData());
        f.art = DateiFehler::Art::Verknuepfung;
        return f;
    }
    if (!ok || ::rename(nativ(temp).constData(), nativ(pfad).constData()) != 0) {
        f.art = DateiFehler::Art::Schreibfehler;
        f.nummer = errno;
        ::unlink(nativ(temp).constData());
    }
    return f;
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

DateiFehler ohneVerknuepfungAnhaengen(const QString &pfad, const QByteArray &daten)
{
    DateiFehler f;
    f.pfad = pfad;
    const Deskriptor d(::open(nativ(pfad).constData(),
                              O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                              0666));
    if (d.fd < 0) {
        f.art = errno == ELOOP ? DateiFehler::Art::Verknuepfung : DateiFehler::Art::Schreibfehler;
        f.nummer = errno;
        return f;
    }
    struct stat st
    {
    };
    if (::fstat(d.fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        f.art = DateiFehler::Art::Schreibfehler;
        return f;
    }
    if (!allesSchreiben(d.fd, daten)) {
        f.art = DateiFehler::Art::Schreibfehler;
        f.nummer = errno;
    }
    return f;
}

bool eintragUmbenennen(const QString &quelle, const QString &ziel, bool ersetzen)
{
    const QByteArray q = nativ(quelle), z = nativ(ziel);
    if (ersetzen) {
        return ::rename(q.constData(), z.constData()) == 0;
    }
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, q.constData(), AT_FDCWD, z.constData(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
#endif
    // Ohne RENAME_NOREPLACE: ein harter Verweis schlaegt fehl, wenn das Ziel existiert.
    if (::link(q.constData(), z.constData()) != 0) {
        return false;
    }
    return ::unlink(q.constData()) == 0;
}

bool ordnerTauschen(const QString &a, const QString &b)
{
#ifdef RENAME_EXCHANGE
    return ::renameat2(AT_FDCWD, nativ(a).constData(), AT_FDCWD, nativ(b).constData(),
                       RENAME_EXCHANGE) == 0;
#else
    Q_UNUSED(a);
    Q_UNUSED(b);
    return false;
#endif
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
