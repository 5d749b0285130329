// Die Sperrdatei: ein Halter zur Zeit; eine verwaiste Sperre wird uebernommen, eine lebende nie.
#include "common/plattform.h"
#include "common/sperrdatei.h"
#include "unterstuetzung/testumgebung.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTest>
#include <QThread>

#include <atomic>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

class TstSperrdatei : public QObject
{
    Q_OBJECT

private slots:
    void einHalter()
    {
        Testordner t;
        Sperrdatei a(t.datei(u"x.sperre"_s), 60000), b(t.datei(u"x.sperre"_s), 60000);
        QVERIFY(a.sperren(0));
        QVERIFY(!b.sperren(50));
        QVERIFY(b.anlegbar());
        QCOMPARE(b.halter().pid, qint64(::getpid()));
        QCOMPARE(b.halter().rechner, QSysInfo::machineHostName());
        a.freigeben();
        QVERIFY(!QFile::exists(t.datei(u"x.sperre"_s)));
        QVERIFY(b.sperren(0));
        // Ein Ordner, in dem nichts angelegt werden kann: kein Warten, klarer Grund.
        Sperrdatei c(t.datei(u"fehlt/x.sperre"_s), 60000);
        QVERIFY(!c.sperren(1000));
        QVERIFY(!c.anlegbar());
    }

    // Scheitert das Freigeben (Verbindung gestoert, hier: Inhaber nicht lesbar), bleibt die Sperre
    // mit dem lebenden Prozess liegen; das naechste Sperren dieses Programms raeumt sie weg, statt
    // bis zum Programmende "belegt" zu melden.
    void liegengebliebeneEigeneSperre()
    {
        Testordner t;
        const QString pfad = t.datei(u"x.sperre"_s), inhaber = pfad + u"/inhaber"_s;
        Sperrdatei a(pfad, 60000);
        QVERIFY(a.sperren(0));
        QVERIFY(QFile::rename(inhaber, inhaber + u".weg"_s));
        QVERIFY(QDir().mkdir(inhaber));
        a.freigeben();
        QVERIFY(QDir().rmdir(inhaber));
        QVERIFY(QFile::rename(inhaber + u".weg"_s, inhaber));
        QVERIFY(QFileInfo(pfad).isDir());
        Sperrdatei b(pfad, 60000);
        QVERIFY(b.sperren(0));
        b.freigeben();
        QVERIFY(!QFile::exists(pfad));
    }

    // Eine vorgefundene Sperre: (Form, Rechner, Prozess, Alter) -> uebernommen?
    // Formen: "datei" wie fruehere Fassungen (drei Zeilen), "leer" (abgebrochen vor dem
    // Schreiben), "ordner" mit Startzeit und Startkennung dieses Prozesses, "andere Startzeit"
    // (die Nummer gehoert inzwischen einem anderen Prozess), "anderer Start" (neu gestartet).
    void vorgefunden_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("rechner");
        QTest::addColumn<bool>("prozessLebt");
        QTest::addColumn<int>("alterS");
        QTest::addColumn<bool>("uebernommen");
        const QString hier = QSysInfo::machineHostName();
        const QString d = u"datei"_s, o = u"ordner"_s;
        QTest::newRow("hier, lebt") << d << hier << true << 5 << false;
        QTest::newRow("hier, beendet") << d << hier << false << 5 << true;
        QTest::newRow("anderer Rechner, frisch") << d << u"pc-andere"_s << false << 5 << false;
        QTest::newRow("anderer Rechner, alt") << d << u"pc-andere"_s << true << 120 << true;
        QTest::newRow("hier, lebt, alt") << d << hier << true << 120 << true;
        QTest::newRow("leer, frisch") << u"leer"_s << hier << true << 2 << false;
        QTest::newRow("leer, 30 s") << u"leer"_s << hier << true << 30 << true;
        QTest::newRow("Ordner, lebt, alt") << o << hier << true << 120 << false;
        QTest::newRow("Ordner, beendet") << o << hier << false << 5 << true;
        QTest::newRow("Ordner, anderer Rechner, frisch")
            << o << u"pc-andere"_s << true << 5 << false;
        QTest::newRow("Nummer wiederverwendet")
            << u"andere Startzeit"_s << hier << true << 5 << true;
        QTest::newRow("neu gestartet") << u"anderer Start"_s << hier << true << 5 << true;
    }
    void vorgefunden()
    {
        QFETCH(QString, form);
        QFETCH(QString, rechner);
        QFETCH(bool, prozessLebt);
        QFETCH(int, alterS);
        QFETCH(bool, uebernommen);
        Testordner t;
        // Eine Prozessnummer, die es nicht gibt, oder die eigene.
        const qint64 pid = prozessLebt ? qint64(::getpid()) : qint64(999999999);
        const plattform::Prozess eigen = plattform::eigenerProzess();
        QByteArray inhalt = QByteArray::number(pid) + "\nanderes\n" + rechner.toUtf8() + '\n';
        QString datei = t.datei(u"x.sperre"_s);
        if (form == u"leer"_s) {
            inhalt.clear();
        } else if (form != u"datei"_s) {
            QVERIFY(QDir().mkpath(t.datei(u"x.sperre"_s)));
            datei = t.datei(u"x.sperre/inhaber"_s);
            inhalt += QByteArray::number(eigen.startzeit + (form == u"andere Startzeit"_s)) + '\n' +
                      (form == u"anderer Start"_s ? QByteArray("frueher") : eigen.boot.toUtf8()) +
                      "\nkennung\n";
        }
        dateiSchreiben(datei, inhalt);
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-alterS),
                              QFileDevice::FileModificationTime));
        f.close();
        Sperrdatei s(t.datei(u"x.sperre"_s), 60000);
        QCOMPARE(s.sperren(0), uebernommen);
        QCOMPARE(s.halter().pid == qint64(::getpid()) && s.halter().programm != u"anderes"_s,
                 uebernommen);
        QVERIFY(!QFile::exists(t.datei(u"x.sperre.entfernen"_s)));
        // Nur die Sperre selbst bleibt, keine Arbeitsordner.
        QCOMPARE(QDir(t.pfad()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{u"x.sperre"_s});
        s.freigeben();
        QCOMPARE(QFileInfo::exists(t.datei(u"x.sperre"_s)), !uebernommen);
    }

    // Viele Programme ringen um dieselbe Sperre: nie zwei Halter zugleich.
    void nieZweiHalter()
    {
        Testordner t;
        std::atomic<int> halter{0}, doppelt{0}, gehalten{0};
        std::vector<std::thread> faeden;
        for (int i = 0; i < 6; ++i) {
            faeden.emplace_back([&] {
                for (int runde = 0; runde < 40; ++runde) {
                    Sperrdatei s(t.datei(u"x.sperre"_s), 60000);
                    if (s.sperren(2000)) {
                        doppelt += halter.fetch_add(1) > 0;
                        QThread::usleep(200);
                        --halter;
                        ++gehalten;
                        s.freigeben();
                    }
                }
            });
        }
        for (std::thread &f : faeden) {
            f.join();
        }
        QCOMPARE(doppelt.load(), 0);
        QVERIFY(gehalten.load() > 0);
        QVERIFY(QDir(t.pfad())
                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                    .isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstSperrdatei)
#include "tst_sperrdatei.moc"
