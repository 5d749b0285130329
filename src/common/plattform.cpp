#include "common/plattform.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace plattform {

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
    ~Deskriptor() { schliessen(); }
    Deskriptor(const Deskriptor &) = delete;
    Deskriptor &operator=(const Deskriptor &) = delete;
    int schliessen()
    {
        const int e = fd >= 0 && ::close(fd) != 0 ? errno : 0;
        fd = -1;
        return e;
    }
    int fd;
};

int schreibenAlles(int fd, const QByteArray &daten)
{
    qsizetype geschrieben = 0;
    while (geschrieben < daten.size()) {
        const ssize_t n =
            ::write(fd, daten.constData() + geschrieben, size_t(daten.size() - geschrieben));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? errno : EIO;
        }
        geschrieben += n;
    }
    return 0;
}

// fsync, das ein Dateisystem ohne Synchronisation nicht als Fehler meldet.
int synchronisieren(int fd)
{
    if (::fsync(fd) == 0 || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP ||
        errno == EROFS) {
        return 0;
    }
    return errno;
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

DateiFehler::Art schreibart(int nummer)
{
    return istVerbindungsfehler(nummer) ? DateiFehler::Art::Unerreichbar
                                        : DateiFehler::Art::Schreibfehler;
}

QByteArray zeileAus(const QString &datei)
{
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray();
}

} // namespace

Eintrag eintrag(const QString &pfad)
{
    Eintrag e;
    struct stat st
    {
    };
    if (::lstat(nativ(pfad).constData(), &st) != 0) {
        e.fehler = errno == ENOENT || errno == ENOTDIR ? 0 : errno;
        return e;
    }
    e.typ = S_ISLNK(st.st_mode)   ? Eintrag::Typ::Verknuepfung
            : S_ISDIR(st.st_mode) ? Eintrag::Typ::Ordner
            : S_ISREG(st.st_mode) ? Eintrag::Typ::Datei
                                  : Eintrag::Typ::Sonstiges;
    e.groesse = st.st_size;
    e.verweise = qint64(st.st_nlink);
    e.schreibgeschuetzt = (st.st_mode & 0222) == 0;
    e.geaendertMs = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    return e;
}

int eintragPruefen(const QString &pfad)
{
    struct stat st
    {
    };
    return ::lstat(nativ(pfad).constData(), &st) == 0 ? 0 : errno;
}

int ordnerLesen(const QString &ordner, QStringList &namen)
{
    namen.clear();
    DIR *d = ::opendir(nativ(ordner).constData());
    if (!d) {
        return errno;
    }
    int fehler = 0;
    for (;;) {
        errno = 0;
        const dirent *e = ::readdir(d);
        if (!e) {
            fehler = errno;
            break;
        }
        const char *n = e->d_name;
        if ((n[0] == '.' && n[1] == 0) || (n[0] == '.' && n[1] == '.' && n[2] == 0)) {
            continue;
        }
        namen << QFile::decodeName(n);
    }
    ::closedir(d);
    if (fehler) {
        namen.clear();
    }
    return fehler;
}

BytesErgebnis ohneVerknuepfungLesen(const QString &pfad, qint64 grenze)
{
    BytesErgebnis e;
    e.fehler.pfad = pfad;
    const Deskriptor d(
        ::open(nativ(pfad).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    const auto scheitern = [&](int nummer) {
        e.fehler.nummer = nummer;
        e.fehler.art = nummer == ENOENT               ? DateiFehler::Art::Fehlt
                       : nummer == ELOOP              ? DateiFehler::Art::Verknuepfung
                       : nummer == EISDIR             ? DateiFehler::Art::IstOrdner
                       : istVerbindungsfehler(nummer) ? DateiFehler::Art::Unerreichbar
                                                      : DateiFehler::Art::Lesefehler;
        e.bytes.clear();
        return e;
    };
    if (d.fd < 0) {
        return scheitern(errno);
    }
    struct stat st
    {
    };
    if (::fstat(d.fd, &st) != 0) {
        return scheitern(errno);
    }
    if (S_ISDIR(st.st_mode)) {
        e.fehler.art = DateiFehler::Art::IstOrdner;
        return e;
    }
    if (!S_ISREG(st.st_mode)) {
        e.fehler.art = DateiFehler::Art::KeinText;
        return e;
    }
    // Ein zweiter harter Verweis fuehrt wie eine Verknuepfung zu einer Datei anderswo.
    if (st.st_nlink > 1) {
        e.fehler.art = DateiFehler::Art::Verknuepfung;
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
            return scheitern(errno);
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

DateiFehler dauerhaftSchreiben(const QString &pfad, const QByteArray &daten, bool ordnerSynchron)
{
    DateiFehler f;
    f.pfad = pfad;
    const auto scheitern = [&](int nummer) {
        f.art = schreibart(nummer);
        f.nummer = nummer;
        f.grund = fehlerText(nummer);
        return f;
    };
    const Eintrag alt = eintrag(pfad);
    if (alt.fehler) {
        return scheitern(alt.fehler);
    }
    if (alt.typ == Eintrag::Typ::Verknuepfung) {
        f.art = DateiFehler::Art::Verknuepfung;
        return f;
    }
    if (alt.typ == Eintrag::Typ::Ordner) {
        f.art = DateiFehler::Art::IstOrdner;
        return f;
    }
    // Das Umbenennen wuerde auch eine schreibgeschuetzte Datei ersetzen; der Schutz gilt.
    if (alt.typ != Eintrag::Typ::Fehlt &&
        (alt.schreibgeschuetzt ||
         (::access(nativ(pfad).constData(), W_OK) != 0 && errno == EACCES))) {
        f.art = DateiFehler::Art::Schreibfehler;
        f.nummer = QFileDevice::PermissionsError;
        f.grund = u"schreibgeschützt"_s;
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
        return scheitern(errno);
    }
    Deskriptor d(fd);
    int nummer = schreibenAlles(d.fd, daten);
    if (!nummer) {
        nummer = synchronisieren(d.fd);
    }
    const int beimSchliessen = d.schliessen();
    if (!nummer) {
        nummer = beimSchliessen;
    }
    // Erst unmittelbar vor dem Umbenennen noch einmal: eine eben gepflanzte Verknuepfung bleibt.
    if (!nummer && eintrag(pfad).typ == Eintrag::Typ::Verknuepfung) {
        ::unlink(nativ(temp).constData());
        f.art = DateiFehler::Art::Verknuepfung;
        return f;
    }
    if (!nummer && ::rename(nativ(temp).constData(), nativ(pfad).constData()) != 0) {
        nummer = errno;
    }
    if (nummer) {
        ::unlink(nativ(temp).constData());
        return scheitern(nummer);
    }
    if (ordnerSynchron) {
        ordnerSynchronisieren(QFileInfo(pfad).path());
    }
    return f;
}

int dauerhaftAnhaengen(const QString &pfad, const QByteArray &daten, qint64 laenge)
{
    Deskriptor d(
        ::open(nativ(pfad).constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (d.fd < 0) {
        return errno;
    }
    struct stat st
    {
    };
    if (::fstat(d.fd, &st) != 0) {
        return errno;
    }
    if (!S_ISREG(st.st_mode) || st.st_nlink > 1) {
        return EINVAL;
    }
    if (st.st_size < laenge) {
        return EIO; // die Datei ist kuerzer als gedacht: jemand anders hat sie veraendert
    }
    const auto zurueck = [&](int nummer) {
        if (::ftruncate(d.fd, laenge) == 0) {
            synchronisieren(d.fd);
        }
        return nummer;
    };
    qsizetype geschrieben = 0;
    while (geschrieben < daten.size()) {
        const ssize_t n = ::pwrite(d.fd, daten.constData() + geschrieben,
                                   size_t(daten.size() - geschrieben), laenge + geschrieben);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return zurueck(n < 0 ? errno : EIO);
        }
        geschrieben += n;
    }
    const qint64 ende = laenge + daten.size();
    if (st.st_size > ende && ::ftruncate(d.fd, ende) != 0) {
        return zurueck(errno);
    }
    if (const int nummer = synchronisieren(d.fd)) {
        return zurueck(nummer);
    }
    if (const int nummer = d.schliessen()) {
        return nummer;
    }
    if (laenge == 0) {
        ordnerSynchronisieren(QFileInfo(pfad).path());
    }
    return 0;
}

int dateiAnlegen(const QString &pfad, const QByteArray &daten, bool dauerhaft)
{
    Deskriptor d(::open(nativ(pfad).constData(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (d.fd < 0) {
        return errno;
    }
    int nummer = schreibenAlles(d.fd, daten);
    if (!nummer && dauerhaft) {
        nummer = synchronisieren(d.fd);
    }
    const int beimSchliessen = d.schliessen();
    nummer = nummer ? nummer : beimSchliessen;
    if (nummer && dauerhaft) {
        ::unlink(nativ(pfad).constData());
    }
    return nummer;
}

int umbenennen(const QString &quelle, const QString &ziel)
{
    return ::rename(nativ(quelle).constData(), nativ(ziel).constData()) == 0 ? 0 : errno;
}

int umbenennenOhneErsetzen(const QString &quelle, const QString &ziel)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, nativ(quelle).constData(), AT_FDCWD, nativ(ziel).constData(),
                    RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
        return errno;
    }
#endif
    const Eintrag z = eintrag(ziel);
    if (z.fehler) {
        return z.fehler;
    }
    if (z.typ != Eintrag::Typ::Fehlt) {
        return EEXIST;
    }
    return umbenennen(quelle, ziel);
}

int ordnerTauschen(const QString &a, const QString &b)
{
#ifdef RENAME_EXCHANGE
    return ::renameat2(AT_FDCWD, nativ(a).constData(), AT_FDCWD, nativ(b).constData(),
                       RENAME_EXCHANGE) == 0
               ? 0
               : errno;
#else
    Q_UNUSED(a);
    Q_UNUSED(b);
    return EINVAL;
#endif
}

int ordnerAnlegen(const QString &pfad)
{
    return ::mkdir(nativ(pfad).constData(), 0777) == 0 ? 0 : errno;
}

int dateiEntfernen(const QString &pfad)
{
    return ::unlink(nativ(pfad).constData()) == 0 ? 0 : errno;
}

int ordnerEntfernen(const QString &pfad)
{
    return ::rmdir(nativ(pfad).constData()) == 0 ? 0 : errno;
}

void ordnerSynchronisieren(const QString &ordner)
{
    const Deskriptor d(::open(nativ(ordner.isEmpty() ? u"."_s : ordner).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (d.fd >= 0) {
        synchronisieren(d.fd);
    }
}

bool istVerbindungsfehler(int nummer)
{
    switch (nummer) {
    case EIO:
    case ENOTCONN:
    case ECONNABORTED:
    case ECONNRESET:
    case ECONNREFUSED:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
    case ENETRESET:
    case ETIMEDOUT:
    case ESTALE:
    case ENODEV:
    case ENXIO:
    case EREMOTEIO:
    case ENOLINK:
    case ECOMM:
        return true;
    default:
        return false;
    }
}

QString fehlerText(int nummer)
{
    QString text;
    switch (nummer) {
    case EIO:
        text = u"Ein-/Ausgabefehler"_s;
        break;
    case ENOTCONN:
    case ECONNABORTED:
    case ECONNRESET:
    case ENETRESET:
    case ECOMM:
        text = u"Verbindung unterbrochen"_s;
        break;
    case ECONNREFUSED:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
    case ENOLINK:
        text = u"Server nicht erreichbar"_s;
        break;
    case ETIMEDOUT:
        text = u"Zeitüberschreitung"_s;
        break;
    case ESTALE:
    case ENODEV:
    case ENXIO:
    case EREMOTEIO:
        text = u"Einbindung nicht mehr gültig"_s;
        break;
    case ENOSPC:
    case EDQUOT:
        text = u"kein Platz mehr"_s;
        break;
    case EACCES:
    case EPERM:
        text = u"keine Berechtigung"_s;
        break;
    case EROFS:
        text = u"schreibgeschützt"_s;
        break;
    case EBUSY:
    case ETXTBSY:
        text = u"Datei in Benutzung"_s;
        break;
    default:
        return u"Fehler "_s + QString::number(nummer);
    }
    return text + u", Fehler "_s + QString::number(nummer);
}

QString serverUnerreichbarMeldung(const QString &pfad, int nummer)
{
    return serverUnerreichbarText(pfad, fehlerText(nummer));
}

Prozess eigenerProzess()
{
    static const Prozess eigen = [] {
        Prozess p;
        p.pid = qint64(::getpid());
        p.boot = QString::fromLatin1(zeileAus(u"/proc/sys/kernel/random/boot_id"_s));
        const QByteArray stat = zeileAus(u"/proc/self/stat"_s);
        // Feld 22 (starttime); der Programmname in Feld 2 kann Leerzeichen enthalten.
        const QList<QByteArray> felder = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        p.startzeit = felder.value(19).toLongLong();
        return p;
    }();
    return eigen;
}

Lebt prozessLebt(const Prozess &p)
{
    if (p.pid <= 0) {
        return Lebt::Unbekannt;
    }
    const Prozess eigen = eigenerProzess();
    if (!p.boot.isEmpty() && !eigen.boot.isEmpty() && p.boot != eigen.boot) {
        return Lebt::Nein; // seit dem Anlegen neu gestartet
    }
    if (::kill(pid_t(p.pid), 0) != 0 && errno == ESRCH) {
        return Lebt::Nein;
    }
    if (p.startzeit > 0) {
        const QByteArray stat = zeileAus(u"/proc/"_s + QString::number(p.pid) + u"/stat"_s);
        const QList<QByteArray> felder = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        const qint64 start = felder.value(19).toLongLong();
        if (start > 0 && start != p.startzeit) {
            return Lebt::Nein; // die Nummer gehoert inzwischen einem anderen Prozess
        }
    }
    return Lebt::Ja;
}

} // namespace plattform
