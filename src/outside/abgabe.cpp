#include "outside/abgabe.h"

#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/plattform.h"
#include "outside/schuelerprogramm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <functional>

using namespace Qt::StringLiterals;
namespace sp = schuelerprogramm;

namespace schuelerseite {

namespace {

QString nichtMoeglich(const QString &ordner)
{
    return u"Dein Test konnte nicht abgegeben werden: Mivo kann nicht in den Abgabeordner "_s
           u"schreiben ("_s +
           ordner +
           u").\r\n\r\nDeine Antworten bleiben erhalten. Sag bitte deiner Lehrerin oder "_s
           u"deinem Lehrer Bescheid und versuche es dann noch einmal."_s;
}

const QString kBescheid = u"Sag bitte deiner Lehrerin oder deinem Lehrer Bescheid."_s;

// Fehler, hinter denen auf einer Freigabe eine gerade benutzte Datei stecken kann.
bool belegt(int fehler)
{
    return fehler == EBUSY || fehler == EACCES || fehler == EPERM || fehler == EEXIST ||
           fehler == ETXTBSY || fehler == EAGAIN;
}

// Wiederholt schritt, solange er auf eine belegte Datei trifft, mit wachsenden Pausen, bis alle
// Schritte einer Abgabe zusammen kAbgabeWartezeitMs gewartet haben. Ergebnis: das letzte.
int mitGeduld(Abgabezugriff &z, int &gewartet, const std::function<int()> &schritt,
              const std::function<bool(int)> &nochmal = belegt)
{
    int pause = 50;
    for (;;) {
        const int fehler = schritt();
        if (fehler == 0 || !nochmal(fehler) || gewartet >= kAbgabeWartezeitMs) {
            return fehler;
        }
        const int p = std::min(pause, kAbgabeWartezeitMs - gewartet);
        z.warten(p);
        gewartet += p;
        pause = std::min(pause * 2, 1000);
    }
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

int Abgabezugriff::neuAnlegen(const QString &pfad, const QByteArray &bytes)
{
    return plattform::dateiAnlegen(pfad, bytes, true);
}

int Abgabezugriff::umbenennen(const QString &quelle, const QString &ziel)
{
    // Ersetzt eine fruehere Abgabe (auch eine Verknuepfung an ihrer Stelle, nie deren Ziel).
    return plattform::umbenennen(quelle, ziel);
}

int Abgabezugriff::entfernen(const QString &pfad)
{
    return plattform::dateiEntfernen(pfad);
}

int Abgabezugriff::pruefen(const QString &pfad)
{
    return plattform::eintragPruefen(pfad);
}

void Abgabezugriff::warten(int ms)
{
    QThread::msleep(ulong(ms));
}

AbgabeErgebnis abgeben(const Konfig &k, const Bereitgestellt &test, const QString &datei,
                       const QByteArray &ausgefuellt)
{
    static Abgabezugriff system;
    return abgeben(k, test, datei, ausgefuellt, system);
}

AbgabeErgebnis abgeben(const Konfig &k, const Bereitgestellt &test, const QString &datei,
                       const QByteArray &ausgefuellt, Abgabezugriff &z)
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
    if (!echterOrdner(lehrerOrdner) || !echterOrdner(eingang)) {
        e.meldung = nichtMoeglich(eingang);
        return e;
    }

    // Ganz unter dem Zwischennamen schreiben, dann an die Stelle der Abgabe umbenennen: die
    // Einsammlung sieht nie eine halbe Datei, und eine fruehere Abgabe bleibt, bis die neue
    // vollstaendig ist. Belegte Dateien werden abgewartet.
    const QString zwischen = eingang + abgabeZwischenname(datei);
    int gewartet = 0;
    int fehler = mitGeduld(z, gewartet, [&] {
        const int weg = z.entfernen(zwischen); // Rest einer abgebrochenen Abgabe
        return weg != 0 && weg != ENOENT ? weg : z.neuAnlegen(zwischen, ausgefuellt);
    });
    if (fehler == 0) {
        fehler = mitGeduld(z, gewartet, [&] { return z.umbenennen(zwischen, e.ziel); });
    }
    if (fehler != 0) {
        z.entfernen(zwischen);
        e.meldung = nichtMoeglich(eingang);
        return e;
    }

    // Die Glocke: hat die Lehrkraft den Test inzwischen beendet, ist die Abgabe zu spaet gekommen
    // und wird wieder herausgenommen, damit sie nicht still liegen bleibt. Hat die Einsammlung sie
    // schon genommen, gilt sie.
    const auto unklar = [&] {
        e.art = AbgabeErgebnis::Art::NichtMoeglich;
        e.meldung = u"Mivo kann nicht feststellen, ob deine Abgabe angenommen wurde: Der "_s
                    u"Schulserver antwortet nicht richtig ("_s +
                    eingang +
                    u").\r\n\r\nDeine Antworten bleiben erhalten. Frag bitte deine Lehrerin "_s
                    u"oder deinen Lehrer, ob dein Test angekommen ist."_s;
        return e;
    };
    const int signal = mitGeduld(
        z, gewartet, [&] { return z.pruefen(test.signalDatei); },
        [](int f) { return f != ENOENT; });
    if (signal != 0 && signal != ENOENT) {
        return unklar();
    }
    if (signal == ENOENT) {
        const int weg = mitGeduld(
            z, gewartet, [&] { return z.entfernen(e.ziel); }, [](int f) { return f != ENOENT; });
        if (weg == 0) {
            e.art = AbgabeErgebnis::Art::TestBeendet;
            e.meldung =
                u"Deine Abgabe kam zu spät: Deine Lehrkraft hat den Test gerade beendet. Diese "_s
                u"Abgabe wurde NICHT angenommen (hattest du vorher schon abgegeben, gilt die "_s
                u"frühere).\r\n\r\nDeine Antworten sind nicht verloren: Mit \"In meinem Ordner "_s
                u"speichern\" kannst du sie sichern. "_s +
                kBescheid;
            return e;
        }
        if (weg != ENOENT) {
            return unklar();
        }
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

void abgabeVermerken(const Konfig &k, const Bereitgestellt &test, const QString &datei)
{
    const QString pfad = eigeneDatei(k, u"Abgegeben"_s, test, datei);
    if (!pfad.isEmpty()) {
        imEigenenOrdnerSichern(pfad, ansiZeilenAlsBytes({test.datum}));
    }
}

bool hierAbgegeben(const Konfig &k, const Bereitgestellt &test, const QString &datei)
{
    const QString pfad = eigeneDatei(k, u"Abgegeben"_s, test, datei);
    if (pfad.isEmpty() || !istGewoehnlicheDatei(pfad)) {
        return false;
    }
    const ZeilenErgebnis z = ansiZeilenLesen(pfad, 1024);
    return z.ok() && z.zeilen.value(0) == test.datum;
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
