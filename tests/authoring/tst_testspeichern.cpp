// Speichern unter den Angaben der Abfrage, Kopfzeilen, Bilder eines Tests und ihre Rahmenlage.

#include "authoring/testbilder.h"
#include "authoring/testspeichern.h"
#include "common/ansitext.h"
#include "common/ordner.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QFileInfo>
#include <QImage>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

SpeicherAngaben angaben(const QString &klasse, const QString &fach = u"Physik (P)"_s)
{
    SpeicherAngaben a;
    a.schuljahr = u"2024-25"_s;
    a.klasse = klasse;
    a.fach = fach;
    a.nummer = u"2"_s;
    a.thema = u"Unfa- Unfallverhütung"_s;
    return a;
}

const QStringList kTest{u"Multiple-Choice-Test"_s,
                        u"--"_s,
                        u"Fach- Test Nr. 1"_s,
                        u"Thema: "_s,
                        u"--"_s,
                        QString(),
                        u"1)\tWelches Bild?"_s,
                        u"\ta) 1 Sonne"_s,
                        u"2\tb) 2 Mond"_s,
                        u"\tc) Stern"_s,
                        u"\td) 5 Erde"_s,
                        QString()};

void bildSchreiben(const QString &pfad, const char *format = "JPG")
{
    QImage bild(8, 6, QImage::Format_RGB32);
    bild.fill(Qt::blue);
    QVERIFY(bild.save(pfad, format));
}

} // namespace

class TstTestspeichern : public QObject
{
    Q_OBJECT
private slots:
    void kopfzeile_data()
    {
        QTest::addColumn<QString>("klasse");
        QTest::addColumn<QString>("fach");
        QTest::addColumn<QString>("kuerzel");
        QTest::addColumn<QString>("ende");
        QTest::newRow("10a") << u"10a"_s << u"Physik (P)"_s << u"0aP2Unfa"_s
                             << u"Kl.: 10a       Gruppe: A"_s;
        QTest::newRow("Lerngruppe 81")
            << u"81"_s << u"Physik (P)"_s << u"81P2Unfa"_s << u"Lg.: 8.1       Gruppe: A"_s;
        QTest::newRow("Kurs") << u"12"_s << u"Kunst (K)"_s << u"2.K2Unfa"_s
                              << u"Kurs: 12       Gruppe: A"_s;
        QTest::newRow("Kunst") << u"7a"_s << u"Kunst (A)"_s << u"7aA2Unfa"_s
                               << u"Kl.: 7a       Gruppe: A"_s;
    }
    void kopfzeile()
    {
        QFETCH(QString, klasse);
        QFETCH(QString, fach);
        QFETCH(QString, kuerzel);
        QFETCH(QString, ende);
        const SpeicherAngaben a = angaben(klasse, fach);
        QCOMPARE(a.testKuerzel(), kuerzel);
        const QString z = kopfzeileTest(a);
        QVERIFY2(z.endsWith(ende), qPrintable(z));
        QVERIFY(z.startsWith(fach.chopped(3) + u"- Test Nr. 2          "_s));
        QCOMPARE(kopfzeileThema(a), u"Thema: Unfallverhütung"_s);
    }

    void unvollstaendig_data()
    {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("wert");
        QTest::newRow("Fach") << u"fach"_s << u"..."_s;
        QTest::newRow("Nummer") << u"nummer"_s << u"..."_s;
        QTest::newRow("Klasse") << u"klasse"_s << u"..."_s;
        QTest::newRow("Thema") << u"thema"_s << u"..."_s;
    }
    void unvollstaendig()
    {
        QFETCH(QString, feld);
        QFETCH(QString, wert);
        SpeicherAngaben a = angaben(u"10a"_s);
        QString *ziel = feld == u"fach"_s     ? &a.fach
                        : feld == u"nummer"_s ? &a.nummer
                        : feld == u"klasse"_s ? &a.klasse
                                              : &a.thema;
        *ziel = wert;
        QString gemeldet;
        QVERIFY(!angabenFehler(a, &gemeldet).isEmpty());
        QCOMPARE(gemeldet, feld);
        Testordner t;
        SkriptRueckfragen r;
        QStringList z = kTest;
        QVERIFY(testSpeichernUnter(z, a, t.pfad(), QString(), u".__A"_s, r).isEmpty());
        QVERIFY(!QFileInfo::exists(t.pfad() + u"2024-25"_s));
    }

    void vorbelegungAusKatalog_data()
    {
        QTest::addColumn<QString>("kuerzel");
        QTest::addColumn<QString>("klasse");
        QTest::newRow("10a") << u"0aP2Unfa"_s << u"10a"_s;
        QTest::newRow("10") << u"0.P2Unfa"_s << u"10"_s;
        QTest::newRow("7x") << u"7xP2Unfa"_s << u"7x"_s;
    }
    void vorbelegungAusKatalog()
    {
        QFETCH(QString, kuerzel);
        QFETCH(QString, klasse);
        const QString zeile =
            u"1"_s + kuerzel + u"   "_s + u"Unfallverhütung"_s.leftJustified(55) + u"2024-25"_s;
        const SpeicherAngaben a =
            angabenAusKatalogzeile(zeile, {u"..."_s, u"Chemie (C)"_s, u"Physik (P)"_s});
        QCOMPARE(a.klasse, klasse);
        QCOMPARE(a.fach, u"Physik (P)"_s);
        QCOMPARE(a.nummer, u"2"_s);
        QCOMPARE(a.thema, u"Unfa- Unfallverhütung"_s);
        QCOMPARE(a.schuljahr, u"2024-25"_s);
        QCOMPARE(a.testKuerzel(), kuerzel);
    }

    // Fuer eine andere Klasse: neuer Ordner, Bilder kommen mit, ein fremder Test wird nur nach
    // Rueckfrage ersetzt, ein kurzes Dokument wird aufgefuellt.
    void speichernUnter()
    {
        Testordner t;
        const QString alt = t.pfad() + u"2024-25/7xP1Bspl/"_s;
        QVERIFY(ordnerAnlegen(alt + u"Bilder"_s));
        bildSchreiben(alt + u"Bilder/01-2 Mond.jpg"_s);
        QVERIFY(ansiZeilenSchreiben(alt + u"7xP1Bspl.__A"_s, kTest).ok());

        SkriptRueckfragen r;
        QStringList z = kTest;
        const QString ziel = testSpeichernUnter(z, angaben(u"10a"_s), t.pfad(),
                                                alt + u"7xP1Bspl.__A"_s, u".__A"_s, r);
        QCOMPARE(ziel, t.pfad() + u"2024-25/0aP2Unfa/0aP2Unfa.__A"_s);
        QVERIFY(QFileInfo::exists(t.pfad() + u"2024-25/0aP2Unfa/Bilder/01-2 Mond.jpg"_s));
        // Ein Platz, der im Ziel schon ein Bild hat, bekommt kein zweites dazu.
        bildSchreiben(alt + u"Bilder/01-1 Sonne.jpg"_s);
        bildSchreiben(t.pfad() + u"2024-25/0aP2Unfa/Bilder/01-1 Mars.jpg"_s);
        const ZeilenErgebnis g = ansiZeilenLesen(ziel);
        QCOMPARE(g.zeilen[2], kopfzeileTest(angaben(u"10a"_s)));
        QCOMPARE(g.zeilen.mid(4), kTest.mid(4));

        // Derselbe Zielname aus einem anderen Test: Nein laesst den vorhandenen stehen.
        const QByteArray vorher = dateiInhalt(ziel);
        QStringList kurz{u"nur eine Zeile"_s};
        r.antworte(Rueckfragen::Knopf::Nein);
        QVERIFY(testSpeichernUnter(kurz, angaben(u"10a"_s), t.pfad(), alt + u"7xP1Bspl.__A"_s,
                                   u".__A"_s, r)
                    .isEmpty());
        QCOMPARE(dateiInhalt(ziel), vorher);
        r.antworte(Rueckfragen::Knopf::Ja);
        QCOMPARE(testSpeichernUnter(kurz, angaben(u"10a"_s), t.pfad(), alt + u"7xP1Bspl.__A"_s,
                                    u".__A"_s, r),
                 ziel);
        QCOMPARE(kurz.size(), 4);
        QCOMPARE(dateienNachMuster(t.pfad() + u"2024-25/0aP2Unfa/Bilder/"_s, u"01-*.jpg"_s),
                 (QStringList{u"01-1 Mars.jpg"_s, u"01-2 Mond.jpg"_s}));
        QCOMPARE(kurz[0], u"nur eine Zeile"_s);
        QCOMPARE(r.fragen().size(), 2);
    }

    void nichtDarstellbaresZeichen()
    {
        Testordner t;
        SkriptRueckfragen r;
        const QString pfad = t.pfad() + u"x/t.__A"_s;
        QVERIFY(!Test_speichern({u"Pfeil \u2192"_s}, pfad, r));
        QVERIFY(!QFileInfo::exists(pfad));
        QVERIFY(r.letzteMeldung().contains(u"\u2192"_s));
        // Ein Zielordner, der sich nicht anlegen laesst: Meldung, nichts halb geschrieben.
        t.schreibe(u"datei"_s, "x");
        QVERIFY(!Test_speichern({u"a"_s}, t.pfad() + u"datei/t.__A"_s, r));
        QCOMPARE(r.letzteMeldung(),
                 u"Der Test  "_s + t.pfad() + u"datei/t.__A  konnte nicht gespeichert werden!"_s);
    }

    void bilderLaden()
    {
        Testordner t;
        const QString bilder = t.pfad() + u"Bilder/"_s;
        QVERIFY(ordnerAnlegen(bilder));
        bildSchreiben(bilder + u"01-1 Sonne.jpg"_s);
        t.schreibe(u"Bilder/01-2 Mond.jpg"_s, "kein Bild");
        bildSchreiben(bilder + u"01-5 Erde.jpg"_s);
        Bildspeicher s;
        SkriptRueckfragen r;
        QCOMPARE(s.allesLaden(kTest, bilder, r), 1);
        QCOMPARE(r.meldungen(), QStringList{bildFehlerMeldung(bilder + u"01-2 Mond.jpg"_s)});
        QVERIFY(s.platz(1, 0).geladen);
        QVERIFY(!s.platz(1, 1).geladen);
        QVERIFY(!s.platz(1, 2).geladen);
        QVERIFY(s.platz(1, 3).geladen); // Ziffer 5 wird beim Laden gezeigt
        QVERIFY(s.bilderGeladen());
    }

    void bildEinfuegenAlsJpg()
    {
        Testordner t;
        const QString bilder = t.pfad() + u"T/Bilder/"_s;
        bildSchreiben(t.pfad() + u"Mond.png"_s, "PNG");
        SkriptRueckfragen r;
        auto b = bildEinfuegen(t.pfad() + u"Mond.png"_s, bilder, 5, u'2', r);
        QVERIFY(b);
        QCOMPARE(b->datei, bilder + u"05-2 Mond.jpg"_s);
        QCOMPARE(dateienNachMuster(bilder, u"05-2*.jpg"_s), QStringList{u"05-2 Mond.jpg"_s});
        QVERIFY(r.fragen().isEmpty());

        // Ein anderes Bild fuer denselben Platz: Nein aendert nichts, Ja ersetzt das alte ganz.
        bildSchreiben(t.pfad() + u"Sonne.jpg"_s);
        r.antworte(Rueckfragen::Knopf::Nein);
        QVERIFY(!bildEinfuegen(t.pfad() + u"Sonne.jpg"_s, bilder, 5, u'2', r));
        QCOMPARE(dateienNachMuster(bilder, u"05-2*.jpg"_s), QStringList{u"05-2 Mond.jpg"_s});
        r.antworte(Rueckfragen::Knopf::Ja);
        QVERIFY(bildEinfuegen(t.pfad() + u"Sonne.jpg"_s, bilder, 5, u'2', r));
        QCOMPARE(dateienNachMuster(bilder, u"05-2*.jpg"_s), QStringList{u"05-2 Sonne.jpg"_s});

        // Keine Bilddatei: Meldung, nichts geschrieben.
        t.schreibe(u"kaputt.jpg"_s, "nein");
        QVERIFY(!bildEinfuegen(t.pfad() + u"kaputt.jpg"_s, bilder, 6, u'1', r));
        QVERIFY(dateienNachMuster(bilder, u"06-*"_s).isEmpty());
    }

    void geometrie_data()
    {
        QTest::addColumn<int>("wf");
        QTest::addColumn<int>("hf");
        QTest::addColumn<int>("hs");
        QTest::addColumn<QList<int>>("werte"); // links, rechts, hoehe, panel, oben a..d
        QTest::newRow("1000x800") << 1000 << 800 << 1024
                                  << QList<int>{740, 960, 152, 708, 20, 190, 360, 530};
        // -150 x 768 / 1024 = -112,5 -> -112 (Haelften zur geraden Zahl)
        QTest::newRow("Haelfte") << 1250 << 800 << 768
                                 << QList<int>{925, 1200, 152, 885, 58, 228, 398, 568};
    }
    void geometrie()
    {
        QFETCH(int, wf);
        QFETCH(int, hf);
        QFETCH(int, hs);
        QFETCH(QList<int>, werte);
        const Bildgeometrie g = bildgeometrie(wf, hf, hs);
        QCOMPARE((QList<int>{g.links, g.rechts, g.hoehe, g.panelLinks, g.oben[0], g.oben[1],
                             g.oben[2], g.oben[3]}),
                 werte);
        QCOMPARE(g.beschriftungOben[2], g.oben[2] - 40);
    }
};

QTEST_GUILESS_MAIN(TstTestspeichern)
#include "tst_testspeichern.moc"
