#include "unterstuetzung/testumgebung.h"

#include "common/ansitext.h"
#include "common/ordner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

Testordner::Testordner()
{
    setzePauseVorNeuschreibenMs(0);
}

QString Testordner::pfad() const
{
    return mitTrenner(dir.path());
}

void Testordner::schreibe(const QString &relativ, const QByteArray &inhalt) const
{
    dateiSchreiben(datei(relativ), inhalt);
}

QByteArray Testordner::lies(const QString &relativ) const
{
    return dateiInhalt(datei(relativ));
}

QByteArray dateiInhalt(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return f.readAll();
}

void dateiSchreiben(const QString &pfad, const QByteArray &inhalt)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile f(pfad);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(inhalt);
    }
}
