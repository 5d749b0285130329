#include "widgets/QtOeffner.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

bool QtOeffner::oeffnen(const QString &pfad)
{
    const QUrl adresse =
        pfad.contains(QStringLiteral("://")) ? QUrl(pfad) : QUrl::fromLocalFile(pfad);
    return QDesktopServices::openUrl(adresse);
}

bool QtOeffner::programmStarten(const QString &programm, const QStringList &argumente)
{
    return QProcess::startDetached(programm, argumente, QFileInfo(programm).absolutePath());
}
