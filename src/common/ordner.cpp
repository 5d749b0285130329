#include "common/ordner.h"

#include "common/ansitext.h"
#include "common/fremdordner.h"
#include "common/plattform.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

#include <algorithm>
#include <limits>

namespace {

QStringList eintraegeNachMuster(const QString &ordner, const QString &muster, QDir::Filters art)
{
    QDir dir(ordner);
    QStringList namen = dir.entryList(
        {muster}, art | QDir::NoSymLinks | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDir::NoSort);
    std::sort(namen.begin(), namen.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return namen;
}

} // namespace

QString mitTrenner(const QString &ordner)
{
    if (ordner.isEmpty() || ordner.endsWith(kTrenner)) {
        return ordner;
    }
    return ordner + kTrenner;
}

QString ordnerAusAngabe(const QString &wert)
{
    QString w = wert;
    if (kTrenner != u'\\' && w.endsWith(u'\\')) {
        w.chop(1);
    }
    return mitTrenner(w);
}

QString ordnerAngabeFehler(const QString &wert, const QString &datei, qsizetype zeile,
                           const QString &kopf)
{
    QString sichtbar;
    bool unlesbar = false;
    for (const QChar c : wert) {
        // U+FFFD: ein Byte, das die Zeichentabelle nicht kennt.
        if (!c.isPrint() || c == QChar::ReplacementCharacter) {
            unlesbar = true;
            sichtbar +=
                u"\\x"_s + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        } else {
            sichtbar += c;
        }
    }
    const QString ordner = ordnerAusAngabe(wert);
    const QString ohne =
        ordner.size() > 1 && ordner.endsWith(kTrenner) ? ordner.chopped(1) : ordner;
    QString grund;
    if (unlesbar) {
        grund = u"sie enthält Steuerzeichen oder nicht druckbare Zeichen"_s;
    } else if (ohne.isEmpty() || !QDir::isAbsolutePath(ohne) || ohne.startsWith(u':')) {
        // ":/..." ist fuer Qt eine eingebaute Ressource, kein Ordner.
        grund = u"sie ist kein vollständiger Pfad"_s;
    } else if (QDir(ohne).isRoot()) {
        grund = u"sie nennt die Wurzel des Dateisystems"_s;
    } else if (!QFileInfo(ohne).isDir() && !QFileInfo(QFileInfo(ohne).absolutePath()).isDir()) {
        grund = u"weder der Ordner noch der Ordner darüber existiert"_s;
    } else {
        return {};
    }
    return u"In der Datei "_s + datei + u", Zeile "_s + QString::number(zeile) +
           u", steht unter "_s + kopf + u" keine brauchbare Ordnerangabe („"_s + sichtbar +
           u"“): "_s + grund +
           u". Dieser Ordner wird nicht benutzt; dort wird nichts angelegt und nichts gelöscht."_s;
}

QStringList dateienNachMuster(const QString &ordner, const QString &muster)
{
    return eintraegeNachMuster(ordner, muster, QDir::Files);
}

QStringList ordnerNachMuster(const QString &ordner, const QString &muster)
{
    return eintraegeNachMuster(ordner, muster, QDir::Dirs);
}

bool istVerknuepfung(const QString &pfad)
{
    return QFileInfo(pfad).isSymLink();
}

bool istGewoehnlicheDatei(const QString &pfad)
{
    const QFileInfo info(pfad);
    return info.exists() && !info.isSymLink() && info.isFile();
}

bool istEchterOrdner(const QString &pfad)
{
    const QFileInfo info(pfad);
    return info.exists() && !info.isSymLink() && info.isDir();
}

bool ordnerAnlegen(const QString &pfad)
{
    return QDir().mkpath(pfad);
}

bool dateiKopieren(const QString &quelle, const QString &ziel, bool ueberschreiben)
{
    if (!istGewoehnlicheDatei(quelle)) {
        return false;
    }
    const QFileInfo zielInfo(ziel);
    if (zielInfo.exists() || zielInfo.isSymLink()) {
        if (!ueberschreiben || zielInfo.isDir()) {
            return false;
        }
        // Eine Verknuepfung am Ziel wird ersetzt, ihr Ziel nie beschrieben.
        if (zielInfo.isSymLink() && !QFile::remove(ziel)) {
            return false;
        }
    }
    const BytesErgebnis b = ohneVerknuepfungLesen(quelle, std::numeric_limits<qint64>::max() - 1);
    // Eine eben wieder gepflanzte Verknuepfung wird abgewiesen, nie beschrieben.
    return b.ok() && ohneVerknuepfungSchreiben(ziel, b.bytes).ok();
}

bool dateiVerschieben(const QString &quelle, const QString &ziel, bool ueberschreiben)
{
    if (!istGewoehnlicheDatei(quelle)) {
        return false;
    }
    const QFileInfo zielInfo(ziel);
    if (zielInfo.exists() || zielInfo.isSymLink()) {
        if (!ueberschreiben || zielInfo.isDir() || !QFile::remove(ziel)) {
            return false;
        }
    }
    if (QFile::rename(quelle, ziel)) {
        return true;
    }
    return dateiKopieren(quelle, ziel, ueberschreiben) && QFile::remove(quelle);
}

bool dateiLoeschen(const QString &pfad)
{
    const QFileInfo info(pfad);
    if (!info.exists() && !info.isSymLink()) {
        return true;
    }
    if (info.isDir() && !info.isSymLink()) {
        return false;
    }
    return QFile::remove(pfad);
}

bool baumKopieren(const QString &quelle, const QString &ziel, bool ueberschreiben)
{
    if (!istEchterOrdner(quelle) || !ordnerAnlegen(ziel)) {
        return false;
    }
    bool ok = true;
    const QDir dir(quelle);
    const auto eintraege = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &e : eintraege) {
        if (e.isSymLink()) {
            continue;
        }
        const QString zielPfad = mitTrenner(ziel) + e.fileName();
        if (e.isDir()) {
            ok = baumKopieren(e.filePath(), zielPfad, ueberschreiben) && ok;
        } else if (e.isFile()) {
            if (!ueberschreiben && QFileInfo::exists(zielPfad)) {
                continue;
            }
            ok = dateiKopieren(e.filePath(), zielPfad, ueberschreiben) && ok;
        }
    }
    return ok;
}

bool ordnerLeeren(const QString &pfad)
{
    if (!istEchterOrdner(pfad)) {
        return false;
    }
    bool ok = true;
    const QDir dir(pfad);
    const auto eintraege = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo &e : eintraege) {
        if (e.isDir() && !e.isSymLink()) {
            ok = baumLoeschen(e.filePath()) && ok;
        } else {
            ok = QFile::remove(e.filePath()) && ok;
        }
    }
    return ok;
}

bool baumLoeschen(const QString &pfad)
{
    const QFileInfo info(pfad);
    if (!info.exists() && !info.isSymLink()) {
        return true;
    }
    if (info.isSymLink() || !info.isDir()) {
        return QFile::remove(pfad);
    }
    return ordnerLeeren(pfad) && QDir().rmdir(pfad);
}

namespace {

QString ohneTrenner(const QString &ordner)
{
    return ordner.endsWith(kTrenner) ? ordner.chopped(1) : ordner;
}

bool vorhanden(const QString &pfad)
{
    const QFileInfo info(pfad);
    return info.exists() || info.isSymLink();
}

} // namespace

void ordnerTauschAufraeumen(const QString &ordner)
{
    const QString ziel = ohneTrenner(ordner), neu = ziel + u".neu"_s, alt = ziel + u".alt"_s;
    if (!vorhanden(ziel)) {
        // Unterbrochen zwischen den beiden Umbenennungen: "neu" ist dann vollstaendig.
        if (vorhanden(alt)) {
            eintragUmbenennen(vorhanden(neu) ? neu : alt, ziel, false);
        }
    }
    baumLoeschen(neu);
    baumLoeschen(alt);
}

bool ordnerErsetzen(const QString &ordner, const QList<std::pair<QString, QByteArray>> &dateien,
                    QString *fehler, const std::function<bool(const QString &name)> &behalten)
{
    const QString ziel = ohneTrenner(ordner), neu = ziel + u".neu"_s, alt = ziel + u".alt"_s;
    ordnerTauschAufraeumen(ordner);
    if (!QDir().mkpath(neu)) {
        if (fehler) {
            *fehler = u"Der Ordner "_s + neu + u" lässt sich nicht anlegen."_s;
        }
        return false;
    }
    // Jede Datei kommt auf die Platte; der neue Ordner wird einmal synchronisiert, bevor er an
    // seinen Platz kommt (vorher sieht ihn niemand).
    for (const auto &[name, bytes] : dateien) {
        const DateiFehler f = plattform::dauerhaftSchreiben(neu + kTrenner + name, bytes, false);
        if (!f.ok()) {
            if (fehler) {
                *fehler = f.meldung();
            }
            baumLoeschen(neu);
            return false;
        }
    }
    if (behalten && vorhanden(ziel)) {
        QStringList neueNamen;
        for (const auto &d : dateien) {
            neueNamen << d.first;
        }
        const auto eintraege = QDir(ziel).entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &e : eintraege) {
            if (e.isSymLink() || !(e.isDir() || e.isFile()) ||
                neueNamen.contains(e.fileName(), Qt::CaseInsensitive) || !behalten(e.fileName())) {
                continue;
            }
            const QString kopie = neu + kTrenner + e.fileName();
            if (!(e.isDir() ? baumKopieren(e.filePath(), kopie)
                            : dateiKopieren(e.filePath(), kopie))) {
                if (fehler) {
                    *fehler = u"Die Datei "_s + e.filePath() + u" lässt sich nicht übernehmen."_s;
                }
                baumLoeschen(neu);
                return false;
            }
        }
    }
    plattform::ordnerSynchronisieren(neu);
    // Ohne Tausch in einem Schritt (Schulserver): alt wegbenennen, neu an seine Stelle; ein
    // Abbruch dazwischen wird von ordnerTauschAufraeumen abgeschlossen.
    if (!vorhanden(ziel)) {
        if (eintragUmbenennen(neu, ziel, false)) {
            plattform::ordnerSynchronisieren(QFileInfo(ziel).path());
            return true;
        }
    } else if (ordnerTauschen(neu, ziel) ||
               (eintragUmbenennen(ziel, alt, false) && eintragUmbenennen(neu, ziel, false))) {
        plattform::ordnerSynchronisieren(QFileInfo(ziel).path());
        baumLoeschen(vorhanden(alt) ? alt : neu);
        return true;
    }
    if (fehler) {
        *fehler = u"Der Ordner "_s + ziel + u" lässt sich nicht ersetzen."_s;
    }
    ordnerTauschAufraeumen(ordner);
    return false;
}
