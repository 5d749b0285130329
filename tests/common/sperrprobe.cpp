// Probe fuer Sperren ueber zwei Clients derselben Freigabe (scripts/schulserver-test): zwei
// Prozesse versuchen in festen Zeitscheiben zugleich dieselbe Sperre zu nehmen. Wer sie haelt,
// legt eine Markierung an, wartet ~200 ms, prueft, dass sie die einzige ist, und gibt frei.
//
// Aufruf: mivo_sperrprobe sperrdatei|klassensperre SPERRPFAD MARKIERUNGSORDNER RUNDEN START_MS
//   START_MS: Beginn der ersten Runde (ms seit 1970); jede Runde dauert 600 ms. Jeder Versuch
//   beginnt zufaellig 0-20 ms nach dem Rundenbeginn, damit auch ein langsamerer Client einmal
//   als erster kommt.
// Je Runde eine Zeile "runde N gehalten|belegt|doppelt|fehler TEXT"; Ende mit 1 bei "doppelt"
// oder "fehler", sonst 0.
#include "classdata/klassensperre.h"
#include "common/sperrdatei.h"
#include "unterstuetzung/skriptrueckfragen.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>

#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kRundeMs = 600;
constexpr unsigned long kHaltenMs = 200;
constexpr int kVersatzMs = 20;
constexpr int kMarkierungsversuche = 10;

void zeile(const QString &text)
{
    std::fputs(qPrintable(text + u'\n'), stdout);
    std::fflush(stdout);
}

// Haelt die Sperre: Markierung anlegen, warten, pruefen, entfernen. Leer oder "doppelt: ...".
QString halten(const QString &ordner)
{
    const QString eigene = u"markierung-"_s + QString::number(::getpid());
    // Die Markierung ist das Messgeraet der Probe, nicht die Sperre: eine kurze Stoerung der
    // Verbindung beim Anlegen oder Entfernen wird wiederholt.
    QFile m(ordner + eigene);
    for (int versuch = 1; !m.open(QIODevice::WriteOnly); ++versuch) {
        if (versuch == kMarkierungsversuche) {
            return u"fehler Markierung nicht anlegbar: "_s + m.errorString();
        }
        QThread::msleep(100);
    }
    m.close();
    QThread::msleep(kHaltenMs);
    QStringList andere = QDir(ordner).entryList({u"markierung-*"_s}, QDir::Files | QDir::Hidden);
    andere.removeAll(eigene);
    for (int versuch = 1; !QFile::remove(ordner + eigene) && versuch < kMarkierungsversuche;
         ++versuch) {
        QThread::msleep(50);
    }
    return andere.isEmpty() ? QString() : u"doppelt mit "_s + andere.join(u", "_s);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"mivo_sperrprobe"_s);
    const QStringList a = app.arguments();
    if (a.size() != 6 || (a[1] != u"sperrdatei"_s && a[1] != u"klassensperre"_s)) {
        std::fputs("Aufruf: mivo_sperrprobe sperrdatei|klassensperre SPERRPFAD "
                   "MARKIERUNGSORDNER RUNDEN START_MS\n",
                   stderr);
        return 2;
    }
    const bool klasse = a[1] == u"klassensperre"_s;
    const QString pfad = a[2];
    const QString ordner = a[3].endsWith(u'/') ? a[3] : a[3] + u'/';
    const int runden = a[4].toInt();
    const qint64 start = a[5].toLongLong();
    bool schlecht = false;
    for (int i = 0; i < runden; ++i) {
        const qint64 beginn =
            start + i * kRundeMs + QRandomGenerator::global()->bounded(kVersatzMs + 1);
        const qint64 jetzt = QDateTime::currentMSecsSinceEpoch();
        if (beginn > jetzt) {
            QThread::msleep(ulong(beginn - jetzt));
        }
        QString ergebnis;
        if (klasse) {
            SkriptRueckfragen r;
            Klassensperre s;
            if (s.oeffnen(pfad, r)) {
                ergebnis = halten(ordner);
            } else {
                ergebnis = u"belegt"_s;
            }
            s.schliessen();
        } else {
            Sperrdatei s(pfad, 60 * 1000);
            if (s.sperren(0)) {
                ergebnis = halten(ordner);
                s.freigeben();
            } else if (!s.anlegbar()) {
                ergebnis = u"fehler Sperre nicht anlegbar (Fehler "_s +
                           QString::number(s.anlegefehler()) + u')';
            } else {
                ergebnis = u"belegt"_s;
            }
        }
        if (ergebnis.isEmpty()) {
            ergebnis = u"gehalten"_s;
        }
        schlecht =
            schlecht || ergebnis.startsWith(u"doppelt"_s) || ergebnis.startsWith(u"fehler"_s);
        zeile(u"runde "_s + QString::number(i + 1) + u' ' + ergebnis);
    }
    return schlecht ? 1 : 0;
}
