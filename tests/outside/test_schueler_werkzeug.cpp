// mivo-werkzeug auf der Schuelerseite: dieselbe Logik wie Mivo, ohne Fenster.
#include "common/ansitext.h"
#include "conduct/rueckgabe.h"
#include "outside/schuelerprogramm.h"
#include "schuelerhilfe.h"
#include "unterstuetzung/testumgebung.h"
#include "werkzeug/werkzeug.h"

#include <QDate>
#include <QFile>
#include <QTest>
#include <QTextStream>

using namespace Qt::StringLiterals;
namespace sp = schuelerprogramm;

class TestSchuelerWerkzeug : public QObject
{
    Q_OBJECT
    QString aus, fehler;

    int rufe(const QStringList &argumente)
    {
        aus.clear();
        fehler.clear();
        QTextStream a(&aus), f(&fehler);
        return werkzeugAusfuehren(argumente, a, f);
    }

    QString cf(const schuelerhilfe::Server &s)
    {
        const QString pfad = s.t.datei(u"Mivo-cf.txt"_s);
        ansiZeilenSchreiben(pfad, {u"[Test-Ausgabe]"_s, s.k.ausgabeOrdner, u"[Test-Abgabe]"_s,
                                   s.k.abgabeOrdner, u"[Test-Rueckgabe]"_s, s.k.rueckgabeOrdner,
                                   u"[Schueler]"_s, s.k.schuelerOrdner});
        return pfad;
    }

private slots:
    void abgeben_data()
    {
        QTest::addColumn<QString>("kreuze");
        QTest::addColumn<bool>("beendet");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("gewaehlt"); // Zeilen, vor denen "x" steht
        QTest::newRow("zwei Kreuze")
            << u"1b,2a"_s << false << 0 << QStringList{u"\tb) Antwort B"_s, u"\ta) 1 Bild eins"_s};
        QTest::newRow("letztes Kreuz je Aufgabe zaehlt")
            << u"2c,2D"_s << false << 0 << QStringList{u"\td) Keins"_s};
        QTest::newRow("keine Aufgabe") << u"4a"_s << false << 1 << QStringList();
        QTest::newRow("kein Buchstabe") << u"1e"_s << false << 1 << QStringList();
        QTest::newRow("Test beendet") << u"1a"_s << true << 3 << QStringList();
    }
    void abgeben()
    {
        QFETCH(QString, kreuze);
        QFETCH(bool, beendet);
        QFETCH(QStringList, gewaehlt);
        schuelerhilfe::Server s;
        s.bereitstellen({{u"Lena"_s, u"Albrecht"_s}});
        QCOMPARE(rufe({u"schueler-tests"_s, u"--cf"_s, cf(s), u"7x"_s}), 0);
        QCOMPARE(aus.trimmed(), u"[{\"lehrer\": \"Meier\", \"test\": \"7xP1Sich\", \"datum\": "
                                "\"2024-11-05\", \"thema\": \"Sicherheit im Fachraum\", "
                                "\"kopien\": 1}]"_s);
        if (beendet) {
            QVERIFY(QFile::remove(s.test().signalDatei));
        }
        QTEST(rufe({u"schueler-abgeben"_s, u"--cf"_s, cf(s), u"--klasse"_s, u"7x"_s, u"--test"_s,
                    u"7xP1Sich"_s, u"--datei"_s, u"Albrecht.L7x"_s, u"--kreuze"_s, kreuze}),
              "code");
        const QString abgabe = s.eingang() + u"Albrecht.L7x"_s;
        if (gewaehlt.isEmpty()) {
            QVERIFY(!QFile::exists(abgabe));
            return;
        }
        QStringList z = schuelerhilfe::kopie(u"Lena"_s, u"Albrecht"_s);
        for (const QString &g : gewaehlt) {
            z[z.indexOf(g)] = u'x' + g;
        }
        QCOMPARE(dateiInhalt(abgabe), ansiZeilenAlsBytes(z));
    }

    void rueckgabe()
    {
        schuelerhilfe::Server s;
        const QString klasse =
            sp::rueckgabeKlassenOrdner(s.k.rueckgabeOrdner, u"Meier/"_s, u"7x"_s);
        QDir().mkpath(klasse);
        ansiZeilenSchreiben(s.t.datei(u"Albrecht.L7x"_s),
                            schuelerhilfe::kopie(u"Lena"_s, u"Albrecht"_s));
        const QString doc =
            rueckgabeDokumentName(QDate(2024, 11, 20), u"7xP1Sich"_s, u"Albrecht.L7x"_s);
        QCOMPARE(benoteteKopieUmwandeln(s.t.datei(u"Albrecht.L7x"_s), klasse + doc), QString());
        dateiSchreiben(s.k.rueckgabeOrdner + u"7x-Meier-7xP1Sich.tmp"_s, "2024-11-20\r\n");
        const QStringList aufruf{u"schueler-rueckgabe"_s, u"--cf"_s,    cf(s),
                                 u"--klasse"_s,           u"7x"_s,      u"--test"_s,
                                 u"7xP1Sich"_s,           u"--datei"_s, u"Albrecht.L7x"_s};
        QCOMPARE(rufe(aufruf), 0);
        QVERIFY(aus.startsWith(u" Name:  Lena Albrecht\n"_s));
        QCOMPARE(rufe(aufruf + QStringList{u"--speichern"_s}), 2);
        QVERIFY(!QFile::exists(s.k.schuelerOrdner + doc));
        dateiSchreiben(klasse + sp::kSpeicherIndikator, QByteArray());
        QCOMPARE(rufe(aufruf + QStringList{u"--speichern"_s}), 0);
        QCOMPARE(dateiInhalt(s.k.schuelerOrdner + doc), dateiInhalt(klasse + doc));
        QCOMPARE(rufe({u"schueler-rueckgabe"_s, u"--cf"_s, cf(s), u"--klasse"_s, u"7x"_s,
                       u"--test"_s, u"7xP1Sich"_s, u"--datei"_s, u"Bauer.J7x"_s}),
                 2);
    }
};

QTEST_GUILESS_MAIN(TestSchuelerWerkzeug)
#include "test_schueler_werkzeug.moc"
