#include "outside/abgabe.h"

#include "common/ansitext.h"
#include "common/ordner.h"
#include "outside/schuelerprogramm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
namespace sp = schuelerprogramm;

namespace schuelerseite {

namespace {

std::filesystem::path fsPfad(const QString &pfad)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(pfad.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(pfad).toStdString());
#endif
}

QString nichtMoeglich(const QString &ordner)
{
    return u"Dein Test konnte nicht abgegeben werden: Mivo kann nicht in den Abgabeordner "_s
           u"schreiben ("_s +
           ordner +
           u").\r\n\r\nDeine Antworten bleiben erhalten. Sag bitte deiner Lehrerin oder "_s
           u"deinem Lehrer Bescheid und versuche es dann noch einmal."_s;
}

// Schreibt die Bytes vollstaendig unter dem Zwischennamen und benennt dann um; das Umbenennen
// ersetzt eine fruehere Abgabe (auch eine Verknuepfung an ihrer Stelle, nie deren Ziel).
bool schreibenUndUmbenennen(const QString &zwischen, const QString &ziel, const QByteArray &bytes)
{
    if (!dateiLoeschen(zwischen)) {
        return false;
    }
    QFile datei(zwischen);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return false;
    }
    bool ok = datei.write(bytes) == bytes.size() && datei.flush();
#ifdef Q_OS_UNIX
    ok = ok && ::fsync(datei.handle()) == 0;
#endif
    datei.close();
    ok = ok && datei.error() == QFileDevice::NoError;
    std::error_code fehler;
    if (ok) {
        std::filesystem::rename(fsPfad(zwischen), fsPfad(ziel), fehler);
    }
    if (!ok || fehler) {
        QFile::remove(zwischen);
        return false;
    }
    return true;
}

QString eigeneDatei(const Konfig &k, const QString &art, const Bereitgestellt &t,
                    const QString &datei)
{
    const QString ordner = eigenerOrdner(k);
    return ordner.isEmpty() ? QString()
                            : ordner + u"Mivo-"_s + art + u' ' + t.lehrer + u'-' + t.testKuerzel +
                                  u' ' + datei + u".txt"_s;
}

// Die Bilder der Rueckgabe neben das gespeicherte Dokument: nur gewoehnliche Dateien (die
// Mustersuche listet keine Verknuepfungen), jede und alle zusammen begrenzt.
QString bilderSichern(const QString &quelle, const QString &ziel)
{
    const QString teilweise =
        u"Dein Test ist gespeichert, seine Bilder aber nicht vollständig ("_s + ziel + u")."_s;
    if (istVerknuepfung(ziel.chopped(1)) && !dateiLoeschen(ziel.chopped(1))) {
        return teilweise;
    }
    if (!ordnerAnlegen(ziel) || !echterOrdner(ziel)) {
        return teilweise;
    }
    qint64 summe = 0;
    bool alle = true;
    for (const QString &datei : dateienNachMuster(quelle, u"*"_s)) {
        const BytesErgebnis b = bytesLesen(quelle + datei, kGrenzeFremdeDatei);
        if (!b.ok() || summe + b.bytes.size() > kGrenzeBilderGesamt) {
            alle = false;
            continue;
        }
        summe += b.bytes.size();
        alle = imEigenenOrdnerSichern(ziel + datei, b.bytes).isEmpty() && alle;
    }
    return alle ? QString() : teilweise;
}

} // namespace

QString abgabeZwischenname(const QString &datei)
{
    return u'~' + datei + u".teil~"_s;
}

AbgabeErgebnis abgeben(const Konfig &k, const Bereitgestellt &test, const QString &datei,
                       const QByteArray &ausgefuellt)
{
    AbgabeErgebnis e;
    if (!nochBereitgestellt(test)) {
        e.art = AbgabeErgebnis::Art::TestBeendet;
        e.meldung = u"Deine Lehrkraft hat diesen Test schon beendet. Abgeben geht jetzt nicht "_s
                    u"mehr.\r\n\r\nDeine Antworten sind nicht verloren: Mit \"In meinem Ordner "_s
                    u"speichern\" kannst du sie sichern."_s;
        return e;
    }
    const QString lehrer = lehrerMitTrenner(test);
    const QString lehrerOrdner = sp::abgabeLehrerOrdner(k.abgabeOrdner, lehrer);
    const QString eingang = sp::abgabeEingang(k.abgabeOrdner, lehrer);
    e.ziel = eingang + datei;
    if (!sp::dateinameTauglich(datei) || !echterOrdner(k.abgabeOrdner)) {
        e.meldung = nichtMoeglich(k.abgabeOrdner);
        return e;
    }
    // Die Ordner der Lehrkraft legt auch die Einsammlung an; hier nur, wenn sie noch fehlen.
    if (!echterOrdner(lehrerOrdner)) {
        QDir().mkdir(lehrerOrdner);
    }
    if (!echterOrdner(eingang)) {
        QDir().mkdir(eingang);
    }
    if (!echterOrdner(lehrerOrdner) || !echterOrdner(eingang) ||
        !schreibenUndUmbenennen(eingang + abgabeZwischenname(datei), e.ziel, ausgefuellt)) {
        e.meldung = nichtMoeglich(eingang);
        return e;
    }
    e.art = AbgabeErgebnis::Art::Abgegeben;
    e.meldung = u"Dein Test ist abgegeben. Du kannst Mivo jetzt schließen."_s;
    return e;
}

QString eigenerOrdner(const Konfig &k)
{
    const QString o = k.schuelerOrdner;
    return (!o.isEmpty() && QDir::isAbsolutePath(o) && echterOrdner(o)) ? o : QString();
}

QString zwischenstandPfad(const Konfig &k, const Bereitgestellt &test, const QString &datei)
{
    return eigeneDatei(k, u"Zwischenstand"_s, test, datei);
}

QString abgabeKopiePfad(const Konfig &k, const Bereitgestellt &test, const QString &datei)
{
    return eigeneDatei(k, u"Abgabe"_s, test, datei);
}

QString imEigenenOrdnerSichern(const QString &pfad, const QByteArray &bytes)
{
    if (pfad.isEmpty()) {
        return u"Dein eigener Ordner ist nicht erreichbar."_s;
    }
    // Nie durch eine Verknuepfung hindurch schreiben.
    if (istVerknuepfung(pfad) && !dateiLoeschen(pfad)) {
        return u"In deinem Ordner liegt an dieser Stelle etwas anderes: "_s + pfad;
    }
    const DateiFehler f = atomarSchreiben(pfad, bytes);
    return f.ok() ? QString() : u"Mivo kann nicht in deinen Ordner schreiben ("_s + pfad + u")."_s;
}

RueckgabeDokument rueckgabeDokument(const Bereitgestellt &rueckgabe, const Eintrag &e)
{
    RueckgabeDokument d;
    d.name = e.datei;
    d.pfad = rueckgabe.ordner + e.datei;
    const QString bilder = rueckgabe.ordner + sp::kBilderOrdner + kTrenner;
    d.bilderOrdner = echterOrdner(bilder) ? bilder : QString();
    d.speichernErlaubt = istGewoehnlicheDatei(rueckgabe.ordner + sp::kSpeicherIndikator);
    return d;
}

QString rueckgabeSpeichern(const Konfig &k, const RueckgabeDokument &d, QString *ziel)
{
    if (!d.speichernErlaubt) {
        return u"Diesen Test darfst du nur ansehen, nicht speichern."_s;
    }
    const QString ordner = eigenerOrdner(k);
    if (ordner.isEmpty()) {
        return k.schuelerFehler.isEmpty()
                   ? u"Dein eigener Ordner ist nicht erreichbar ("_s + k.schuelerOrdner + u")."_s
                   : u"Dein eigener Ordner ist nicht erreichbar. "_s + k.schuelerFehler;
    }
    const BytesErgebnis g = bytesLesen(d.pfad, kGrenzeFremdeDatei);
    if (!istGewoehnlicheDatei(d.pfad) || !g.ok()) {
        return u"Der zurückgegebene Test lässt sich nicht lesen."_s;
    }
    const QString pfad = ordner + d.name;
    if (ziel) {
        *ziel = pfad;
    }
    const QString fehler = imEigenenOrdnerSichern(pfad, g.bytes);
    if (!fehler.isEmpty() || d.bilderOrdner.isEmpty()) {
        return fehler;
    }
    return bilderSichern(d.bilderOrdner, rueckgabeBilderOrdner(ordner, d));
}

QString rueckgabeBilderOrdner(const QString &eigener, const RueckgabeDokument &d)
{
    return eigener + QFileInfo(d.name).completeBaseName() + u" Bilder"_s + kTrenner;
}

} // namespace schuelerseite
