// Das Schuelerprogramm Mivo. Es liest Mivo-cf.txt aus dem Ordner nach "--ordner", sonst aus
// seinem eigenen Ordner (Mivo auf dem Schulserver), sonst aus dem Ordner, den die Einstellung
// des Rechners nennt (installiertes Mivo). "--minimiert" startet es als Symbol (Probelauf).
#include "outside/schuelerprogramm/Mivo.h"
#include "outside/schuelerseite.h"
#include "widgets/QtRueckfragen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

using namespace Qt::StringLiterals;

#ifndef MIVO_SYSCONFDIR
#define MIVO_SYSCONFDIR "/etc"
#endif

namespace {

const QString kRechnerEinstellung = QStringLiteral(MIVO_SYSCONFDIR "/mivo-schueler.conf");

// Die Zeile "ordner = PFAD" der Einstellung des Rechners; Zeilen mit "#" sind Erlaeuterungen.
QString ordnerDerEinstellung(const QString &datei)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    QString ordner;
    const QStringList zeilen = QString::fromUtf8(f.read(64 * 1024)).split(u'\n');
    for (const QString &zeile : zeilen) {
        const QString z = zeile.trimmed();
        const qsizetype gleich = z.indexOf(u'=');
        if (z.startsWith(u'#') || gleich < 0) {
            continue;
        }
        if (z.left(gleich).trimmed().compare(u"ordner"_s, Qt::CaseInsensitive) == 0) {
            ordner = z.mid(gleich + 1).trimmed();
        }
    }
    return ordner;
}

// Die Mivo-cf.txt, die gilt, oder eine Meldung, warum es keine gibt.
std::pair<QString, QString> konfigDatei(const QStringList &argumente)
{
    const qsizetype i = argumente.indexOf(u"--ordner"_s);
    if (i > 0 && i + 1 < argumente.size()) {
        return {QDir(argumente[i + 1]).filePath(schuelerseite::kKonfigName), {}};
    }
    const QString eigene =
        QDir(QApplication::applicationDirPath()).filePath(schuelerseite::kKonfigName);
    if (QFileInfo::exists(eigene)) {
        return {eigene, {}};
    }
    const QString ordner = ordnerDerEinstellung(kRechnerEinstellung);
    if (ordner.isEmpty()) {
        return {{},
                u"Mivo ist auf diesem Rechner noch nicht eingerichtet: in der Datei  "_s +
                    kRechnerEinstellung +
                    u"  steht kein Ordner auf dem Schulserver (Zeile  ordner = ...). "
                    u"Bitte sag deiner Lehrkraft oder dem Administrator Bescheid."_s};
    }
    const QString datei = QDir(ordner).filePath(schuelerseite::kKonfigName);
    if (!QFileInfo(ordner).isDir()) {
        return {{},
                u"Der Ordner von Mivo auf dem Schulserver ist nicht erreichbar:\n     "_s + ordner +
                    u"\n(eingetragen in  "_s + kRechnerEinstellung +
                    u"). Ist der Schulserver verbunden? Melde dich neu an oder sag deiner "
                    u"Lehrkraft Bescheid."_s};
    }
    return {datei, {}};
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Mivo"_s);
    QtRueckfragen r;
    // MIVO_STARTBILD=DATEI: Bild des ersten Fensters nach DATEI und Ende, Meldungen nur auf
    // stderr (Pruefung einer Installation ohne Bildschirm).
    const QString startbild = qEnvironmentVariable("MIVO_STARTBILD");
    const auto [cf, fehlt] = konfigDatei(app.arguments());
    const schuelerseite::KonfigErgebnis k = cf.isEmpty()
                                                ? schuelerseite::KonfigErgebnis{std::nullopt, fehlt}
                                                : schuelerseite::konfigLesen(cf);
    if (!k.konfig) {
        qCritical("%s", qPrintable(k.meldung));
        if (startbild.isEmpty()) {
            r.fehler(k.meldung);
        }
        return 1;
    }
    TMivo fenster(*k.konfig, r);
    r.setzeEltern(&fenster);
    if (app.arguments().contains(u"--minimiert"_s)) {
        fenster.showMinimized();
    } else {
        fenster.show();
    }
    if (!startbild.isEmpty()) {
        QTimer::singleShot(1000, &fenster, [&fenster, startbild] {
            QApplication::exit(fenster.grab().save(startbild) ? 0 : 3);
        });
    }
    return app.exec();
}
