#include "common/sperrdatei.h"

#include "common/ansitext.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray inhalt()
{
    const QString programm =
        QCoreApplication::instance() ? QCoreApplication::applicationName() : QString();
    return QByteArray::number(qint64(::getpid())) + '\n' + programm.toUtf8() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n';
}

bool anlegen(const QString &pfad, const QByteArray &daten)
{
    const int fd = ::open(QFile::encodeName(pfad).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    const bool ok = ::write(fd, daten.constData(), size_t(daten.size())) == daten.size();
    ::close(fd);
    if (!ok) {
        ::unlink(QFile::encodeName(pfad).constData());
    }
    return ok;
}

Sperrdatei::Halter lesen(const QString &pfad)
{
    Sperrdatei::Halter h;
    const QList<QByteArray> z = bytesLesen(pfad, 4096).bytes.split('\n');
    h.pid = z.value(0).toLongLong();
    h.programm = QString::fromUtf8(z.value(1));
    h.rechner = QString::fromUtf8(z.value(2));
    return h;
}

// Die Sperre zum Entfernen einer verwaisten Sperre lebt nur Augenblicke.
constexpr qint64 kEntfernsperreVerwaistMs = 10 * 1000;

} // namespace

Sperrdatei::Sperrdatei(QString pfad, qint64 verwaistMs)
    : pfad(std::move(pfad))
    , verwaistMs(verwaistMs)
{}

Sperrdatei::~Sperrdatei()
{
    freigeben();
}

bool Sperrdatei::verwaist(const QString &datei, qint64 grenzeMs) const
{
    const Halter h = lesen(datei);
    if (h.rechner == QSysInfo::machineHostName() && h.pid > 0 && ::kill(pid_t(h.pid), 0) != 0 &&
        errno == ESRCH) {
        return true;
    }
    const QDateTime geaendert = QFileInfo(datei).lastModified();
    return geaendert.isValid() && qAbs(geaendert.msecsTo(QDateTime::currentDateTime())) > grenzeMs;
}

bool Sperrdatei::einmal()
{
    if (anlegen(pfad, inhalt())) {
        return true;
    }
    if (errno != EEXIST) {
        anlegenMoeglich = false;
        return false;
    }
    if (!verwaist(pfad, verwaistMs)) {
        return false;
    }
    // Zwei Programme, die dieselbe verwaiste Sperre sehen, duerfen nicht beide entfernen: das
    // zweite entfernte sonst die frische Sperre des ersten.
    const QString entfernen = pfad + u".entfernen"_s;
    if (!anlegen(entfernen, inhalt())) {
        if (errno == EEXIST && verwaist(entfernen, kEntfernsperreVerwaistMs)) {
            QFile::remove(entfernen);
        }
        return false;
    }
    if (verwaist(pfad, verwaistMs)) {
        QFile::remove(pfad);
    }
    QFile::remove(entfernen);
    return anlegen(pfad, inhalt());
}

bool Sperrdatei::sperren(int wartezeitMs)
{
    if (haelt) {
        return true;
    }
    anlegenMoeglich = true;
    const qint64 ende = QDateTime::currentMSecsSinceEpoch() + wartezeitMs;
    int pause = 20;
    for (;;) {
        haelt = einmal();
        if (haelt || !anlegenMoeglich || QDateTime::currentMSecsSinceEpoch() >= ende) {
            return haelt;
        }
        QThread::msleep(ulong(pause));
        pause = std::min(pause * 2, 200);
    }
}

void Sperrdatei::freigeben()
{
    if (haelt) {
        QFile::remove(pfad);
    }
    haelt = false;
}

Sperrdatei::Halter Sperrdatei::halter() const
{
    return lesen(pfad);
}
