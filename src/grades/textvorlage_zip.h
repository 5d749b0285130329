#pragma once
// Die ZIP-Huelle der Textdokumente (.docx, .odt): ganz in den Speicher lesen, begrenzt, und in
// derselben Reihenfolge wieder schreiben ("mimetype" eines OpenDocument unkomprimiert zuerst).

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

struct ZipEintrag
{
    QString name;
    QDateTime zeit;
    QByteArray daten;
};

inline constexpr int kGrenzeZipEintraege = 2000;
inline constexpr qint64 kGrenzeZipGesamt = 128 * 1024 * 1024; // entpackt, alle Eintraege

// nullopt: kein lesbares ZIP oder eine Grenze ueberschritten (auch bei falschen Groessenangaben).
std::optional<QList<ZipEintrag>> zipLesen(const QByteArray &datei);
std::optional<QByteArray> zipSchreiben(const QList<ZipEintrag> &eintraege);
