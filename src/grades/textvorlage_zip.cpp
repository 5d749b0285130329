#include "grades/textvorlage_zip.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <QBuffer>

#include <zlib.h>

using namespace Qt::StringLiterals;

std::optional<QList<ZipEintrag>> zipLesen(const QByteArray &datei)
{
    QBuffer puffer;
    puffer.setData(datei);
    puffer.open(QIODevice::ReadOnly);
    QuaZip zip(&puffer);
    if (!zip.open(QuaZip::mdUnzip)) {
        return std::nullopt;
    }
    QList<ZipEintrag> eintraege;
    qint64 gesamt = 0;
    bool ok = zip.goToFirstFile();
    for (; ok; ok = zip.goToNextFile()) {
        if (eintraege.size() >= kGrenzeZipEintraege) {
            return std::nullopt;
        }
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info)) {
            return std::nullopt;
        }
        ZipEintrag e{info.name, info.dateTime, {}};
        QuaZipFile f(&zip);
        if (!f.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        // Die Groessenangaben des Archivs koennen luegen: beim Entpacken selbst zaehlen.
        char stueck[64 * 1024];
        for (;;) {
            const qint64 n = f.read(stueck, sizeof stueck);
            if (n < 0) {
                return std::nullopt;
            }
            if (n == 0) {
                break;
            }
            gesamt += n;
            if (gesamt > kGrenzeZipGesamt) {
                return std::nullopt;
            }
            e.daten.append(stueck, n);
        }
        f.close();
        if (f.getZipError() != UNZ_OK) {
            return std::nullopt; // z. B. falsche Pruefsumme
        }
        eintraege << e;
    }
    if (zip.getZipError() != UNZ_OK || eintraege.isEmpty()) {
        return std::nullopt;
    }
    return eintraege;
}

std::optional<QByteArray> zipSchreiben(const QList<ZipEintrag> &eintraege)
{
    QByteArray ausgabe;
    QBuffer puffer(&ausgabe);
    puffer.open(QIODevice::WriteOnly);
    QuaZip zip(&puffer);
    if (!zip.open(QuaZip::mdCreate)) {
        return std::nullopt;
    }
    for (const ZipEintrag &e : eintraege) {
        QuaZipNewInfo info(e.name);
        if (e.zeit.isValid()) {
            info.dateTime = e.zeit;
        }
        // OpenDocument verlangt "mimetype" unkomprimiert.
        const bool roh = e.name == u"mimetype"_s;
        QuaZipFile f(&zip);
        if (!f.open(QIODevice::WriteOnly, info, nullptr, 0, roh ? 0 : Z_DEFLATED,
                    roh ? 0 : Z_DEFAULT_COMPRESSION)) {
            return std::nullopt;
        }
        if (f.write(e.daten) != e.daten.size()) {
            return std::nullopt;
        }
        f.close();
        if (f.getZipError() != ZIP_OK) {
            return std::nullopt;
        }
    }
    zip.close();
    if (zip.getZipError() != ZIP_OK) {
        return std::nullopt;
    }
    return ausgabe;
}
