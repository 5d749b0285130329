// Werkzeug-Verb zurueckgeben auf einem Basisordner, wie es der Rueckgabeknopf tut.

#include "common/ansitext.h"
#include "unterstuetzung/testumgebung.h"
#include "werkzeug/werkzeug.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QTextStream>

using namespace Qt::StringLiterals;

class TestRueckgabeWerkzeug : public QObject
{
    Q_OBJECT

    Testordner basis;
    QString rueck;

    int ausfuehren(const QStringList &argumente, QString *aus = nullptr, QString *fehler = nullptr)
    {
        QString a, f;
        QTextStream sa(&a), sf(&f);
        const int rc = werkzeugAusfuehren(argumente, sa, sf);
        sa.flush();
        sf.flush();
        if (aus) {
            *aus = a;
        }
        if (fehler) {
            *fehler = f;
        }
        return rc;
    }

private slots:
    void initTestCase()
    {
        rueck = basis.pfad() + u"Server/Rueckgabe/"_s;
        QVERIFY(QDir().mkpath(basis.pfad() + u"Schulserver"_s));
        // Die Transferordner duerfen fehlen, der Ordner darueber nicht.
        QVERIFY(QDir().mkpath(basis.pfad() + u"Server"_s));
        QVERIFY(ansiZeilenSchreiben(basis.datei(u"Mivo-Kl-cf.txt"_s),
                                    {u"[Mivo-Programm-Ordner]"_s, basis.pfad() + u"Schulserver/"_s,
                                     u"[Lehrername]"_s, u"Meier"_s, u"[Lehrer-Klassen-Ordner]"_s,
                                     basis.pfad(), u"[Ordnerkonfiguration]"_s, u"1"_s})
                    .ok());
        QVERIFY(ansiZeilenSchreiben(basis.datei(u"Schulserver/Mivo-cf.txt"_s),
                                    {u"[Test-Ausgabe]"_s, basis.pfad() + u"Server/Ausgabe/"_s,
                                     u"[Test-Abgabe]"_s, basis.pfad() + u"Server/Abgabe/"_s,
                                     u"[Test-Rueckgabe]"_s, rueck})
                    .ok());
        const QString benotet = basis.pfad() + u"2016-17/7xP1Bspl/T3-Benot/"_s;
        QVERIFY(QDir().mkpath(benotet));
        QVERIFY(ansiZeilenSchreiben(benotet + u"Schmidtb.K7x"_s,
                                    {u" Name:  Karl Schmidtbauer"_s, u"---"_s, u"Physik"_s,
                                     u"Thema: Unfallverhütung"_s, u"---"_s, u"1)\tFrage?"_s})
                    .ok());
    }

    void mitSpeichernDannNurLesen()
    {
        QString aus, fehler;
        QCOMPARE(ausfuehren({u"zurueckgeben"_s, u"2016-17"_s, u"7xP1Bspl"_s, u"--basis"_s,
                             basis.pfad(), u"--heute"_s, u"2026-12-07"_s},
                            &aus, &fehler),
                 0);
        QCOMPARE(aus, rueck + u"Meier/7x/\nSchmidtb.K\n"_s);
        QVERIFY(QFileInfo::exists(rueck + u"Meier/7x/sp-ind.txt"_s));
        QCOMPARE(dateiInhalt(rueck + u"7x-Meier-7xP1Bspl.tmp"_s), QByteArray("2026-12-07\r\n"));
        QVERIFY(QFileInfo::exists(
            rueck + u"Meier/7x/Mivo-Test 2026-12-07 7xP1Bspl- Schmidtb.K- benotet.Doc"_s));

        QCOMPARE(ausfuehren({u"zurueckgeben"_s, u"2016-17"_s, u"7xP1Bspl"_s, u"--nur-lesen"_s,
                             u"--basis"_s, basis.pfad()}),
                 0);
        QVERIFY(!QFileInfo::exists(rueck + u"Meier/7x/sp-ind.txt"_s));
        const QStringList docs = QDir(rueck + u"Meier/7x/"_s).entryList({u"Mivo*"_s}, QDir::Files);
        QCOMPARE(docs.size(), 1);
        // Das Dokument ist RTF, das rtf-text liest.
        QCOMPARE(ausfuehren({u"rtf-text"_s, rueck + u"Meier/7x/"_s + docs[0]}, &aus), 0);
        QVERIFY(aus.startsWith(u" Name:  Karl Schmidtbauer\n"_s));
    }

    void fehler_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("rc");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("nichts benotet")
            << QStringList{u"zurueckgeben"_s, u"2016-17"_s, u"7xP2Elek"_s, u"--basis"_s} << 2
            << u"Achtung: Die Datei(en) konnte(n) nicht kopiert werden!"_s;
        QTest::newRow("ohne Basis")
            << QStringList{u"zurueckgeben"_s, u"2016-17"_s, u"7xP1Bspl"_s} << 1 << QString();
        QTest::newRow("falscher Tag")
            << QStringList{u"zurueckgeben"_s, u"2016-17"_s,   u"7xP1Bspl"_s,
                           u"--heute"_s,      u"7.12.2026"_s, u"--basis"_s}
            << 1 << u"--heute"_s;
        QTest::newRow("Kuerzel zu kurz")
            << QStringList{u"zurueckgeben"_s, u"2016-17"_s, u"7xP1"_s, u"--basis"_s} << 1
            << QString();
    }
    void fehler()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, rc);
        QFETCH(QString, meldung);
        if (argumente.last() == u"--basis"_s) {
            argumente << basis.pfad();
        }
        QString fehlertext;
        QCOMPARE(ausfuehren(argumente, nullptr, &fehlertext), rc);
        QVERIFY2(fehlertext.contains(meldung), qPrintable(fehlertext));
    }
};

QTEST_MAIN(TestRueckgabeWerkzeug)
#include "rueckgabe_werkzeug_test.moc"
