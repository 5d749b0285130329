#include "app/basisordner.h"

#include "common/ordner.h"
#include "settings/konfiguration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString kWeiter = u"\n\nEin anderer Ort für Ihre Daten lässt sich beim Start mit  "_s +
                        kBasisordnerOption + u" ORDNER  oder in der Umgebungsvariablen  "_s +
                        kBasisordnerUmgebung + u"  angeben."_s;

// Dateien, ohne die eine Vorlage unbrauchbar ist.
const QStringList kPflichtDateien{kLehrerCfName, kSchulserverOrdnerName + u'/' + kSchuelerCfName};

} // namespace

std::optional<Installation> installationErkennen(const QString &programmVerzeichnis)
{
    const QDir bin(programmVerzeichnis);
    const QString vorlage = bin.absoluteFilePath(u"../share/mivo-zuzovuvavev/basisordner"_s);
    if (!istEchterOrdner(vorlage) && !QFileInfo(vorlage).isDir()) {
        return std::nullopt;
    }
    return Installation{
        mitTrenner(QDir::cleanPath(vorlage)),
        mitTrenner(QDir::cleanPath(bin.absoluteFilePath(u"../lib/mivo-zuzovuvavev"_s)))};
}

QString basisordnerWahl(const QStringList &argumente, const QString &umgebung, const QString &heim)
{
    QString wahl;
    bool gefunden = false;
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        const QString &a = argumente[i];
        if (a == kBasisordnerOption) {
            gefunden = true;
            wahl = i + 1 < argumente.size() ? argumente[i + 1] : QString();
            ++i;
        } else if (a.startsWith(kBasisordnerOption + u'=')) {
            gefunden = true;
            wahl = a.mid(kBasisordnerOption.size() + 1);
        }
    }
    if (!gefunden) {
        wahl = umgebung.isEmpty() ? QDir(heim).filePath(kBasisordnerVorgabeName) : umgebung;
    }
    if (wahl.isEmpty()) {
        return {};
    }
    return QDir::cleanPath(QDir(heim).absoluteFilePath(wahl));
}

bool basisordnerGewaehlt(const QStringList &argumente, const QString &umgebung)
{
    if (!umgebung.isEmpty()) {
        return true;
    }
    for (const QString &a : argumente) {
        if (a == kBasisordnerOption || a.startsWith(kBasisordnerOption + u'=')) {
            return true;
        }
    }
    return false;
}

BasisErgebnis basisordnerEinrichten(const QString &vorlage, const QString &ordner)
{
    if (ordner.isEmpty()) {
        return {{}, u"Nach  "_s + kBasisordnerOption + u"  fehlt der Ordner."_s};
    }
    const QString ziel = QDir::cleanPath(ordner);
    if (istGewoehnlicheDatei(mitTrenner(ziel) + kLehrerCfName)) {
        return {mitTrenner(ziel), {}};
    }
    const QFileInfo info(ziel);
    const QString eltern = info.absolutePath();
    // Nie in die Vorlage hinein kopieren (sie kaeme beim Kopieren selbst mit).
    if (mitTrenner(ziel).startsWith(mitTrenner(QDir::cleanPath(vorlage)))) {
        return {{},
                u"Der Basisordner  "_s + ziel + u"  darf nicht in der Vorlage  "_s + vorlage +
                    u"  liegen. Bitte wählen Sie einen anderen Ordner."_s + kWeiter};
    }
    if (!istEchterOrdner(eltern) && !QFileInfo(eltern).isDir()) {
        return {{},
                u"Ihr Basisordner ist nicht erreichbar:\n     "_s + ziel + u"\n\nDer Ordner  "_s +
                    eltern +
                    u"  fehlt. Liegt er auf dem Schulserver, ist die Freigabe vielleicht nicht "
                    u"eingehängt: melden Sie sich neu an oder wenden Sie sich an den "
                    u"Administrator. Es wurde nichts angelegt."_s +
                    kWeiter};
    }
    const bool leerVorhanden =
        info.isDir() &&
        QDir(ziel).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if ((info.exists() || info.isSymLink()) && !leerVorhanden) {
        return {{},
                u"Der Ordner  "_s + ziel + u"  ist kein Basisordner (es fehlt die Datei  "_s +
                    kLehrerCfName +
                    u") und ist nicht leer. Er bleibt unverändert. Benennen Sie ihn bitte um "
                    u"oder wählen Sie einen anderen Ordner."_s +
                    kWeiter};
    }
    for (const QString &pflicht : kPflichtDateien) {
        if (!istGewoehnlicheDatei(vorlage + pflicht)) {
            return {{},
                    u"Die Vorlage für Ihren Basisordner ist unvollständig oder beschädigt "
                    u"(es fehlt  "_s +
                        vorlage + pflicht +
                        u").\n\nBitte lassen Sie das Programm neu installieren (als "
                        u"Administrator:  apt-get install --reinstall mivo-zuzovuvavev). Es "
                        u"wurde nichts angelegt."_s};
        }
    }

    // Zuerst vollstaendig unter einem Zwischennamen, damit nie ein halber Basisordner bleibt.
    const QString zwischen = eltern + u"/."_s + info.fileName() + u".neu-"_s +
                             QString::number(QCoreApplication::applicationPid());
    baumLoeschen(zwischen);
    bool ok = baumKopieren(vorlage, zwischen, true);
    for (const QString &pflicht : kPflichtDateien) {
        ok = ok && istGewoehnlicheDatei(mitTrenner(zwischen) + pflicht);
    }
    if (ok && leerVorhanden) {
        // Ein leerer Ordner (etwa ein Einhaengepunkt) wird befuellt, nicht ersetzt.
        ok = baumKopieren(zwischen, ziel, true);
        if (!ok) {
            ordnerLeeren(ziel);
        }
    } else if (ok) {
        // Die Daten einer Lehrkraft sieht niemand sonst, gleich wie offen ihr Heimordner ist.
        QFile::setPermissions(zwischen, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        ok = QDir().rename(zwischen, ziel);
    }
    baumLoeschen(zwischen);
    if (!ok) {
        return {{},
                u"Ihr Basisordner konnte nicht angelegt werden:\n     "_s + ziel +
                    u"\n\nVermutlich dürfen Sie in  "_s + eltern +
                    u"  nicht schreiben oder der Datenträger ist voll; sonst ist die Vorlage  "_s +
                    vorlage +
                    u"  beschädigt. Schaffen Sie bitte Platz oder wenden Sie sich an den "
                    u"Administrator. Es wurde nichts angelegt."_s +
                    kWeiter};
    }
    return {mitTrenner(ziel), {}};
}
