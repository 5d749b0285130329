// Dateien in Ordnern, in die andere schreiben: keiner Verknuepfung folgen, ganz oder gar nicht.
#include "common/fremdordner.h"
#include "common/ordner.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TstFremdordner : public QObject
{
    Q_OBJECT

private slots:
    // An der Zielstelle liegt etwas Fremdes: nie dessen Ziel beschreiben, nichts veraendern.
    void schreibenWeistAb_data()
    {
        QTest::addColumn<QString>("art");
        QTest::newRow("Verknuepfung auf Datei") << u"datei"_s;
        QTest::newRow("verwaiste Verknuepfung") << u"verwaist"_s;
        QTest::newRow("Verknuepfung auf Ordner") << u"ordner"_s;
    }
    void schreibenWeistAb()
    {
        QFETCH(QString, art);
        Testordner t;
        t.schreibe(u"lehrer.txt"_s, "geheim\r\n");
        QDir().mkpath(t.datei(u"lehrerordner"_s));
        const QString ziel = art == u"datei"_s    ? t.datei(u"lehrer.txt"_s)
                             : art == u"ordner"_s ? t.datei(u"lehrerordner"_s)
                                                  : t.datei(u"gibtsnicht"_s);
        QVERIFY(QFile::link(ziel, t.datei(u"Albrecht.L7x"_s)));
        for (const DateiFehler &f :
             {ohneVerknuepfungSchreiben(t.datei(u"Albrecht.L7x"_s), "krank:\r\n"),
              ansiZeilenOhneVerknuepfungSchreiben(t.datei(u"Albrecht.L7x"_s), {u"x"_s})}) {
            QCOMPARE(f.art, DateiFehler::Art::Verknuepfung);
            QVERIFY(f.meldung().contains(t.datei(u"Albrecht.L7x"_s)));
        }
        QCOMPARE(t.lies(u"lehrer.txt"_s), QByteArray("geheim\r\n"));
        QVERIFY(QDir(t.datei(u"lehrerordner"_s)).isEmpty());
        QVERIFY(!QFile::exists(t.datei(u"gibtsnicht"_s)));
        QCOMPARE(
            QDir(t.pfad()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(),
            3);
        // Lesen folgt ihr ebenso wenig.
        QCOMPARE(ohneVerknuepfungLesen(t.datei(u"Albrecht.L7x"_s)).fehler.art,
                 DateiFehler::Art::Verknuepfung);
    }

    void schreibenErsetztUndBehaeltRechte()
    {
        Testordner t;
        t.schreibe(u"a.txt"_s, "alt");
        QVERIFY(QFile::setPermissions(t.datei(u"a.txt"_s), QFile::ReadOwner | QFile::WriteOwner |
                                                               QFile::ReadGroup |
                                                               QFile::ReadOther));
        QVERIFY(ohneVerknuepfungSchreiben(t.datei(u"a.txt"_s), "neu").ok());
        QCOMPARE(t.lies(u"a.txt"_s), QByteArray("neu"));
        constexpr auto andere =
            QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
        QCOMPARE(QFile::permissions(t.datei(u"a.txt"_s)) & andere,
                 QFile::ReadGroup | QFile::ReadOther);
        // Schreibgeschuetzt bleibt schreibgeschuetzt; keine Temporaerdatei bleibt zurueck.
        QVERIFY(QFile::setPermissions(t.datei(u"a.txt"_s), QFile::ReadOwner));
        QCOMPARE(ohneVerknuepfungSchreiben(t.datei(u"a.txt"_s), "x").art,
                 DateiFehler::Art::Schreibfehler);
        QCOMPARE(QDir(t.pfad()).entryList(QDir::Files | QDir::Hidden), QStringList{u"a.txt"_s});
    }

    void lesenOhneBlockieren()
    {
        Testordner t;
        QVERIFY(::mkfifo(QFile::encodeName(t.datei(u"fifo"_s)).constData(), 0600) == 0);
        QCOMPARE(ohneVerknuepfungLesen(t.datei(u"fifo"_s)).fehler.art, DateiFehler::Art::KeinText);
        t.schreibe(u"gross"_s, QByteArray(101, 'x'));
        QCOMPARE(ohneVerknuepfungLesen(t.datei(u"gross"_s), 100).fehler.art,
                 DateiFehler::Art::ZuGross);
        QCOMPARE(ohneVerknuepfungLesen(t.datei(u"gross"_s), 101).bytes.size(), 101);
        QCOMPARE(ohneVerknuepfungLesen(t.datei(u"fehlt"_s)).fehler.art, DateiFehler::Art::Fehlt);
        // Ein zweiter harter Verweis auf eine Datei anderswo gilt wie eine Verknuepfung.
        t.schreibe(u"lehrer.txt"_s, "geheim");
        QVERIFY(::link(QFile::encodeName(t.datei(u"lehrer.txt"_s)).constData(),
                       QFile::encodeName(t.datei(u"abgabe"_s)).constData()) == 0);
        QCOMPARE(ohneVerknuepfungLesen(t.datei(u"abgabe"_s)).fehler.art,
                 DateiFehler::Art::Verknuepfung);
    }

    void umbenennenOhneErsetzen()
    {
        Testordner t;
        t.schreibe(u"a"_s, "a");
        t.schreibe(u"b"_s, "b");
        QVERIFY(!eintragUmbenennen(t.datei(u"a"_s), t.datei(u"b"_s), false));
        QCOMPARE(t.lies(u"b"_s), QByteArray("b"));
        QVERIFY(eintragUmbenennen(t.datei(u"a"_s), t.datei(u"b"_s), true));
        QCOMPARE(t.lies(u"b"_s), QByteArray("a"));
        // Eine Verknuepfung wird als solche umbenannt, ihr Ziel bleibt, wo es ist.
        QVERIFY(QFile::link(t.datei(u"b"_s), t.datei(u"l"_s)));
        QVERIFY(eintragUmbenennen(t.datei(u"l"_s), t.datei(u"m"_s), false));
        QVERIFY(QFileInfo(t.datei(u"m"_s)).isSymLink());
        QCOMPARE(t.lies(u"b"_s), QByteArray("a"));
    }

    void speicherreste_data()
    {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<bool>("entfernt");
        QTest::newRow("Rest") << u"L-7x-Ph.DTA.Ab12Cd"_s << true;
        QTest::newRow("andere Datei") << u"L-7x-Bio.DTA.Ab12Cd"_s << false;
        QTest::newRow("fuenf Zeichen") << u"L-7x-Ph.DTA.Ab12C"_s << false;
        QTest::newRow("Sonderzeichen") << u"L-7x-Ph.DTA.Ab-2Cd"_s << false;
        QTest::newRow("sechs Buchstaben") << u"L-7x-Ph.DTA.sicher"_s << true;
        QTest::newRow("die Datei selbst") << u"L-7x-Ph.DTA"_s << false;
    }
    void speicherreste()
    {
        QFETCH(QString, eintrag);
        QFETCH(bool, entfernt);
        Testordner t;
        t.schreibe(u"L-7x-Ph.DTA"_s, "klasse");
        t.schreibe(eintrag, "rest");
        speicherresteEntfernen(t.datei(u"L-7x-Ph.DTA"_s));
        QCOMPARE(QFile::exists(t.datei(eintrag)), !entfernt);
        QVERIFY(QFile::exists(t.datei(u"L-7x-Ph.DTA"_s)));
    }

    // Ein abgebrochener Ordnertausch hinterlaesst den alten oder den ganzen neuen Inhalt.
    void ordnerTausch_data()
    {
        QTest::addColumn<QStringList>("vorhanden"); // Ordner vor dem Aufraeumen
        QTest::addColumn<QString>("inhalt");        // Inhalt danach
        QTest::newRow("nur alt") << QStringList{u"T3"_s} << u"alt"_s;
        QTest::newRow("neu halb geschrieben") << QStringList{u"T3"_s, u"T3.neu"_s} << u"alt"_s;
        QTest::newRow("zwischen den Umbenennungen")
            << QStringList{u"T3.alt"_s, u"T3.neu"_s} << u"neu"_s;
        QTest::newRow("nach dem Tausch") << QStringList{u"T3"_s, u"T3.alt"_s} << u"neu"_s;
    }
    void ordnerTausch()
    {
        QFETCH(QStringList, vorhanden);
        QFETCH(QString, inhalt);
        Testordner t;
        for (const QString &o : vorhanden) {
            const QString wert = o == u"T3"_s && vorhanden.contains(u"T3.alt"_s) ? u"neu"_s
                                 : o == u"T3.neu"_s                              ? u"neu"_s
                                                                                 : u"alt"_s;
            t.schreibe(o + u"/Zusammenfassung.Doc"_s, wert.toLatin1());
        }
        ordnerTauschAufraeumen(t.datei(u"T3/"_s));
        QCOMPARE(t.lies(u"T3/Zusammenfassung.Doc"_s), inhalt.toLatin1());
        QVERIFY(!QFile::exists(t.datei(u"T3.neu"_s)));
        QVERIFY(!QFile::exists(t.datei(u"T3.alt"_s)));

        QString fehler;
        QVERIFY(ordnerErsetzen(t.datei(u"T3/"_s), {{u"a.Doc"_s, "a"}}, &fehler));
        QCOMPARE(QDir(t.datei(u"T3"_s)).entryList(QDir::Files), QStringList{u"a.Doc"_s});
        QCOMPARE(QDir(t.pfad()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{u"T3"_s});
    }
};

QTEST_GUILESS_MAIN(TstFremdordner)
#include "tst_fremdordner.moc"
