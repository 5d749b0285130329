// Die Sperrdatei: ein Halter zur Zeit; eine verwaiste Sperre wird uebernommen, eine lebende nie.
#include "common/sperrdatei.h"
#include "unterstuetzung/testumgebung.h"

#include <QDateTime>
#include <QFile>
#include <QSysInfo>
#include <QTest>

#include <unistd.h>

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

    // Eine vorgefundene Sperre: (Rechner, Prozess, Alter) -> uebernommen?
    void vorgefunden_data()
    {
        QTest::addColumn<QString>("rechner");
        QTest::addColumn<bool>("prozessLebt");
        QTest::addColumn<int>("alterS");
        QTest::addColumn<bool>("uebernommen");
        const QString hier = QSysInfo::machineHostName();
        QTest::newRow("hier, lebt") << hier << true << 5 << false;
        QTest::newRow("hier, beendet") << hier << false << 5 << true;
        QTest::newRow("anderer Rechner, frisch") << u"pc-andere"_s << false << 5 << false;
        QTest::newRow("anderer Rechner, alt") << u"pc-andere"_s << true << 120 << true;
        QTest::newRow("hier, lebt, alt") << hier << true << 120 << true;
    }
    void vorgefunden()
    {
        QFETCH(QString, rechner);
        QFETCH(bool, prozessLebt);
        QFETCH(int, alterS);
        QFETCH(bool, uebernommen);
        Testordner t;
        // Eine Prozessnummer, die es nicht gibt, oder die eigene.
        const qint64 pid = prozessLebt ? qint64(::getpid()) : qint64(999999999);
        t.schreibe(u"x.sperre"_s,
                   QByteArray::number(pid) + "\nanderes\n" + rechner.toUtf8() + '\n');
        QFile f(t.datei(u"x.sperre"_s));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-alterS),
                              QFileDevice::FileModificationTime));
        f.close();
        Sperrdatei s(t.datei(u"x.sperre"_s), 60000);
        QCOMPARE(s.sperren(0), uebernommen);
        QCOMPARE(s.halter().pid == qint64(::getpid()) && s.halter().programm != u"anderes"_s,
                 uebernommen);
        QVERIFY(!QFile::exists(t.datei(u"x.sperre.entfernen"_s)));
    }
};

QTEST_GUILESS_MAIN(TstSperrdatei)
#include "tst_sperrdatei.moc"
