// Der eigene Basisordner einer Lehrkraft aus der Vorlage der Installation.
#include "app/basisordner.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Alle Eintraege unter ordner (relativ, sortiert).
QStringList baum(const QString &ordner)
{
    QStringList namen;
    const QDir d(ordner);
    for (const QFileInfo &i :
         d.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
        namen << i.fileName();
        if (i.isDir()) {
            for (const QString &n : baum(i.filePath())) {
                namen << i.fileName() + u'/' + n;
            }
        }
    }
    return namen;
}

} // namespace

class TestBasisordner : public QObject
{
    Q_OBJECT

private slots:
    void einrichten_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("meldung"); // leer: Erfolg
        QTest::newRow("neu aus der Vorlage") << u"neu"_s << QString();
        QTest::newRow("vorhandener Basisordner bleibt") << u"vorhanden"_s << QString();
        QTest::newRow("leerer Ordner wird befuellt") << u"leer"_s << QString();
        QTest::newRow("Freigabe nicht eingehaengt") << u"ohneEltern"_s << u"nicht erreichbar"_s;
        QTest::newRow("fremder Ordner") << u"fremd"_s << u"ist kein Basisordner"_s;
        QTest::newRow("Vorlage unvollstaendig") << u"vorlageKaputt"_s << u"unvollständig"_s;
        QTest::newRow("in der Vorlage") << u"inVorlage"_s << u"nicht in der Vorlage"_s;
        QTest::newRow("Heimordner schreibgeschuetzt")
            << u"schreibgeschuetzt"_s << u"konnte nicht angelegt werden"_s;
    }

    void einrichten()
    {
        QFETCH(QString, fall);
        QFETCH(QString, meldung);
        if (fall == u"schreibgeschuetzt"_s && geteuid() == 0) {
            QSKIP("root darf auch in schreibgeschuetzte Ordner schreiben");
        }
        Testordner o;
        o.schreibe(u"vorlage/Mivo-Kl-cf.txt"_s, "[Lehrer-Klassen-Ordner]\r\n\r\n");
        o.schreibe(u"vorlage/Mivo-Dateien (Schulserver)/Mivo-cf.txt"_s, "[Test-Ausgabe]\r\n");
        o.schreibe(u"vorlage/Normtabellen/M-Normtabelle.xls"_s, "xls");
        QDir().mkpath(o.datei(u"heim"_s));
        QString ziel = o.datei(u"heim/Mivo-Zuzovuvavev"_s);
        if (fall == u"vorhanden"_s) {
            o.schreibe(u"heim/Mivo-Zuzovuvavev/Mivo-Kl-cf.txt"_s, "eigene");
        } else if (fall == u"leer"_s) {
            QDir().mkpath(ziel);
        } else if (fall == u"ohneEltern"_s) {
            ziel = o.datei(u"freigabe/lehrer/Mivo-Zuzovuvavev"_s);
        } else if (fall == u"inVorlage"_s) {
            ziel = o.datei(u"vorlage/Mivo-Zuzovuvavev"_s);
        } else if (fall == u"fremd"_s) {
            o.schreibe(u"heim/Mivo-Zuzovuvavev/brief.txt"_s, "fremd");
        } else if (fall == u"vorlageKaputt"_s) {
            QFile::remove(o.datei(u"vorlage/Mivo-Dateien (Schulserver)/Mivo-cf.txt"_s));
        } else if (fall == u"schreibgeschuetzt"_s) {
            QFile::setPermissions(o.datei(u"heim"_s), QFile::ReadOwner | QFile::ExeOwner);
        }
        const QStringList heimVorher = baum(o.datei(u"heim"_s));
        const QStringList vorlageVorher = baum(o.datei(u"vorlage"_s));

        const BasisErgebnis b = basisordnerEinrichten(o.datei(u"vorlage/"_s), ziel);
        QFile::setPermissions(o.datei(u"heim"_s),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        if (meldung.isEmpty()) {
            QVERIFY2(b.fehler.isEmpty(), qPrintable(b.fehler));
            QCOMPARE(b.ordner, ziel + u'/');
            if (fall == u"vorhanden"_s) {
                QCOMPARE(baum(ziel), QStringList{u"Mivo-Kl-cf.txt"_s});
                QCOMPARE(o.lies(u"heim/Mivo-Zuzovuvavev/Mivo-Kl-cf.txt"_s), QByteArray("eigene"));
            } else {
                QCOMPARE(baum(ziel), baum(o.datei(u"vorlage"_s)));
                QCOMPARE(baum(o.datei(u"heim"_s)).filter(u".neu-"_s), QStringList());
            }
            if (fall == u"neu"_s) {
                QCOMPARE(QFile::permissions(ziel) & (QFile::ReadGroup | QFile::ReadOther),
                         QFile::Permissions());
            }
        } else {
            QVERIFY(b.ordner.isEmpty());
            QVERIFY2(b.fehler.contains(meldung), qPrintable(b.fehler));
            QVERIFY2(b.fehler.contains(ziel) || b.fehler.contains(u"vorlage"_s),
                     qPrintable(b.fehler));
            // Nichts Halbes bleibt: der Heimordner wie vorher, kein Elternordner angelegt.
            QCOMPARE(baum(o.datei(u"heim"_s)), heimVorher);
            QVERIFY(!QFileInfo::exists(o.datei(u"freigabe"_s)));
            QCOMPARE(baum(o.datei(u"vorlage"_s)), vorlageVorher);
        }
    }

    void wahl_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("umgebung");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Vorgabe") << QStringList{u"prog"_s} << QString()
                                 << u"/home/a/Mivo-Zuzovuvavev"_s;
        QTest::newRow("Umgebung") << QStringList{u"prog"_s} << u"/srv/h/a/Mivo"_s
                                  << u"/srv/h/a/Mivo"_s;
        QTest::newRow("Option schlaegt Umgebung")
            << QStringList{u"prog"_s, u"--basisordner"_s, u"/srv/x/"_s} << u"/srv/h/a/Mivo"_s
            << u"/srv/x"_s;
        QTest::newRow("Option mit =")
            << QStringList{u"prog"_s, u"--basisordner=daten"_s} << QString() << u"/home/a/daten"_s;
        QTest::newRow("Option ohne Ordner")
            << QStringList{u"prog"_s, u"--basisordner"_s} << QString() << QString();
    }

    void wahl()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, umgebung);
        QFETCH(QString, erwartet);
        QCOMPARE(basisordnerWahl(argumente, umgebung, u"/home/a"_s), erwartet);
    }
};

QTEST_GUILESS_MAIN(TestBasisordner)
#include "basisordner_test.moc"
