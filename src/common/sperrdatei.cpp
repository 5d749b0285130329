#include "common/sperrdatei.h"

#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/plattform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QMutex>
#include <QRandomGenerator>
#include <QSet>
#include <QSysInfo>
#include <QThread>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

const QString kInhaber = u"inhaber"_s;

// Die Sperre zum Entfernen einer verwaisten Sperre lebt nur Augenblicke; ebenso lange darf ein
// Sperrordner ohne lesbaren Inhaber (Stromausfall) oder ein halb angelegter Arbeitsordner liegen.
constexpr qint64 kKurzVerwaistMs = 10 * 1000;

// Wie oft ein Sperren nach einem Verbindungsfehler neu ansetzt, bevor es "nicht anlegbar" meldet:
// eine kurze Stoerung des Schulservers soll keinen Schritt scheitern lassen, ein Ausfall schon.
constexpr int kVerbindungsanlaeufe = 5;
constexpr unsigned long kVerbindungspauseMs = 200;

// Kennungen eigener Sperren, die dieses Programm nicht freigeben konnte (Verbindung gestoert). Die
// Sperre traegt den lebenden Prozess und gaelte sonst bis zum Programmende; das naechste Sperren
// desselben Pfads raeumt sie weg.
QMutex liegengebliebeneMutex;
QSet<QString> liegengebliebene;

QString zufallsKennung()
{
    return QString::number(QRandomGenerator::global()->generate64(), 36);
}

QByteArray inhalt(const QString &kennung)
{
    const QString programm =
        QCoreApplication::instance() ? QCoreApplication::applicationName() : QString();
    const plattform::Prozess p = plattform::eigenerProzess();
    return QByteArray::number(p.pid) + '\n' + programm.toUtf8() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n' + QByteArray::number(p.startzeit) + '\n' +
           p.boot.toUtf8() + '\n' + kennung.toUtf8() + '\n';
}

// Die Datei mit dem Inhaber: im Sperrordner, bei einer Sperrdatei frueherer Fassungen sie selbst.
QString inhaberDatei(const QString &sperre)
{
    return plattform::eintrag(sperre).typ == plattform::Eintrag::Typ::Ordner
               ? sperre + kTrenner + kInhaber
               : sperre;
}

Sperrdatei::Halter lesen(const QString &sperre)
{
    Sperrdatei::Halter h;
    const QList<QByteArray> z = bytesLesen(inhaberDatei(sperre), 4096).bytes.split('\n');
    h.pid = z.value(0).toLongLong();
    h.programm = QString::fromUtf8(z.value(1));
    h.rechner = QString::fromUtf8(z.value(2));
    h.startzeit = z.value(3).toLongLong();
    h.boot = QString::fromUtf8(z.value(4));
    h.kennung = QString::fromUtf8(z.value(5));
    return h;
}

qint64 alterMs(const QString &pfad)
{
    const plattform::Eintrag e = plattform::eintrag(pfad);
    if (e.typ == plattform::Eintrag::Typ::Fehlt) {
        return -1;
    }
    return qAbs(QDateTime::currentMSecsSinceEpoch() - e.geaendertMs);
}

QString nebenname(const QString &pfad, const QString &art, const QString &kennung)
{
    const QFileInfo info(pfad);
    return info.path() + kTrenner + u'.' + info.fileName() + u'.' + art + u'-' + kennung;
}

// Legt die Sperre pfad an: ein Arbeitsordner mit dem Inhaber wird auf pfad umbenannt. 0: gelungen;
// sonst errno (auch, wenn pfad schon belegt ist).
int sperrordnerAnlegen(const QString &pfad, const QString &kennung, bool *anlegbar = nullptr)
{
    const QString neu = nebenname(pfad, u"neu"_s, kennung);
    int nummer = plattform::ordnerAnlegen(neu);
    if (anlegbar) {
        *anlegbar = nummer == 0;
    }
    if (nummer) {
        return nummer;
    }
    nummer = plattform::dateiAnlegen(neu + kTrenner + kInhaber, inhalt(kennung));
    if (!nummer) {
        nummer = plattform::umbenennen(neu, pfad);
    }
    if (nummer) {
        baumLoeschen(neu);
    }
    return nummer;
}

// Entfernt eine Sperre: erst wegbenennen (danach ist sie nicht mehr sichtbar), dann loeschen.
bool sperreWegraeumen(const QString &pfad)
{
    const QString weg = nebenname(pfad, u"alt"_s, zufallsKennung());
    if (plattform::umbenennen(pfad, weg) != 0) {
        return false;
    }
    baumLoeschen(weg);
    return true;
}

} // namespace

Sperrdatei::Sperrdatei(QString pfad, qint64 verwaistMs)
    : pfad(std::move(pfad))
    , verwaistMs(verwaistMs)
{}

Sperrdatei::~Sperrdatei()
{
    freigeben();
}

bool Sperrdatei::eigeneLiegengebliebeneEntfernen()
{
    const QString k = lesen(pfad).kennung;
    {
        const QMutexLocker sperre(&liegengebliebeneMutex);
        if (k.isEmpty() || !liegengebliebene.contains(k)) {
            return false;
        }
    }
    if (!sperreWegraeumen(pfad)) {
        return false;
    }
    const QMutexLocker sperre(&liegengebliebeneMutex);
    liegengebliebene.remove(k);
    return true;
}

bool Sperrdatei::verwaist(const QString &sperre, qint64 grenzeMs) const
{
    const Halter h = lesen(sperre);
    if (h.rechner == QSysInfo::machineHostName() && h.pid > 0) {
        const plattform::Lebt lebt = plattform::prozessLebt({h.pid, h.startzeit, h.boot});
        if (lebt == plattform::Lebt::Nein) {
            return true;
        }
        // Mit Startzeit ist der Prozess eindeutig: er lebt, die Sperre gilt, wie alt sie auch ist.
        if (lebt == plattform::Lebt::Ja && h.startzeit > 0) {
            return false;
        }
    }
    const qint64 alter = alterMs(inhaberDatei(sperre));
    if (h.pid <= 0 || h.rechner.isEmpty()) {
        // Ohne Inhaber (frueher: Abbruch zwischen Anlegen und Schreiben; Stromausfall).
        return alter < 0 || alter > kKurzVerwaistMs;
    }
    return alter > grenzeMs;
}

bool Sperrdatei::verwaisteEntfernen()
{
    // Zwei Programme, die dieselbe verwaiste Sperre sehen, duerfen nicht beide entfernen: das
    // zweite entfernte sonst die frische Sperre des ersten. Die Entfernsperre traegt selbst ihren
    // Inhaber, damit auch sie nach einem Abbruch sofort als verwaist erkannt wird.
    const QString entfernen = pfad + u".entfernen"_s;
    if (sperrordnerAnlegen(entfernen, zufallsKennung()) != 0) {
        if (plattform::eintrag(entfernen).typ != plattform::Eintrag::Typ::Fehlt &&
            verwaist(entfernen, kKurzVerwaistMs)) {
            sperreWegraeumen(entfernen);
        }
        return false;
    }
    const bool entfernt = verwaist(pfad, verwaistMs) && sperreWegraeumen(pfad);
    sperreWegraeumen(entfernen);
    return entfernt;
}

void Sperrdatei::resteEntfernen() const
{
    // Arbeitsordner abgebrochener Laeufe: ".NAME.neu-*" (nicht umbenannt), ".NAME.alt-*"
    // (weggenannt, nicht geloescht).
    const QFileInfo info(pfad);
    const QString anfang = u'.' + info.fileName() + u'.';
    QStringList namen;
    if (plattform::ordnerLesen(info.path(), namen) != 0) {
        return;
    }
    for (const QString &n : namen) {
        if (!n.startsWith(anfang)) {
            continue;
        }
        QString rest = n.mid(anfang.size());
        if (rest.startsWith(u"entfernen."_s)) {
            rest = rest.mid(10);
        }
        const QString p = info.path() + kTrenner + n;
        if (rest.startsWith(u"alt-"_s) ||
            (rest.startsWith(u"neu-"_s) && alterMs(p) > kKurzVerwaistMs)) {
            baumLoeschen(p);
        }
    }
}

bool Sperrdatei::einmal()
{
    kennung = zufallsKennung();
    bool arbeitsordner = false;
    fehlernummer = sperrordnerAnlegen(pfad, kennung, &arbeitsordner);
    // Ein Fehler, obwohl der Server umbenannt hat (Antwort verloren): die Sperre traegt schon die
    // eigene Kennung, dieses Programm haelt sie. Traegt sie eine fremde, ist sie belegt, welche
    // Fehlernummer der Client auch meldet (manche melden einen Ein-/Ausgabefehler).
    QString vorgefunden;
    if (fehlernummer && arbeitsordner) {
        vorgefunden = lesen(pfad).kennung;
        if (vorgefunden == kennung) {
            fehlernummer = 0;
        }
    }
    if (!fehlernummer) {
        resteEntfernen();
        return true;
    }
    if (!arbeitsordner) {
        anlegenMoeglich = false;
        return false;
    }
    // Belegt, oder eben wieder frei geworden (dann beim naechsten Versuch); nicht anlegbar nur,
    // wenn schon der Arbeitsordner nicht entstand: Ordner fehlt, schreibgeschuetzt, Server weg.
    if (plattform::istVerbindungsfehler(fehlernummer) && vorgefunden.isEmpty()) {
        anlegenMoeglich = false;
        return false;
    }
    fehlernummer = 0;
    return false;
}

bool Sperrdatei::sperren(int wartezeitMs)
{
    if (haelt) {
        return true;
    }
    anlegenMoeglich = true;
    fehlernummer = 0;
    const qint64 ende = QDateTime::currentMSecsSinceEpoch() + wartezeitMs;
    int pause = 20;
    int verbindungsanlaeufe = 0;
    for (;;) {
        haelt = einmal() || (anlegenMoeglich &&
                             (eigeneLiegengebliebeneEntfernen() ||
                              (verwaist(pfad, verwaistMs) && verwaisteEntfernen())) &&
                             einmal());
        if (!haelt && !anlegenMoeglich && plattform::istVerbindungsfehler(fehlernummer) &&
            ++verbindungsanlaeufe < kVerbindungsanlaeufe) {
            QThread::msleep(kVerbindungspauseMs);
            anlegenMoeglich = true;
            fehlernummer = 0;
            continue;
        }
        if (haelt || !anlegenMoeglich || QDateTime::currentMSecsSinceEpoch() >= ende) {
            return haelt;
        }
        // Ein wenig Zufall, damit zwei Wartende nicht im Gleichschritt anfragen.
        QThread::msleep(ulong(pause + QRandomGenerator::global()->bounded(pause / 2 + 1)));
        pause = std::min(pause * 2, 200);
    }
}

void Sperrdatei::freigeben()
{
    // Auf einem Schulserver scheitert das Wegbenennen, solange ein anderer Rechner gerade den
    // Inhaber liest: ein paar Versuche, damit keine Sperre liegen bleibt.
    bool frei = !haelt;
    for (int versuch = 0; !frei && versuch < 40; ++versuch) {
        const QString inhaber = lesen(pfad).kennung;
        frei = plattform::eintrag(pfad).typ == plattform::Eintrag::Typ::Fehlt ||
               (!inhaber.isEmpty() && inhaber != kennung) ||
               (inhaber == kennung && sperreWegraeumen(pfad));
        if (!frei) {
            QThread::msleep(ulong(10 + QRandomGenerator::global()->bounded(40)));
        }
    }
    if (!frei) {
        const QMutexLocker sperre(&liegengebliebeneMutex);
        liegengebliebene.insert(kennung);
    }
    haelt = false;
}

Sperrdatei::Halter Sperrdatei::halter() const
{
    return lesen(pfad);
}
