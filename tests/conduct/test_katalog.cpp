// Testkuerzel, Listen und Katalog.
#include "common/ansitext.h"
#include "common/ordner.h"
#include "conduct/benotung.h"
#include "conduct/katalog.h"
#include "conduct/testname.h"
#include "conduct/zusammenfassung.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void testAnlegen(const QString &basis, const QString &jahr, const QString &code,
                 const QString &endung = u".__A"_s, const QString &thema = u"Thema: Optik"_s)
{
    const QString ordner = basis + jahr + u'/' + code + u'/';
    QDir().mkpath(ordner);
    QVERIFY(ansiZeilenSchreiben(ordner + code + endung,
                                {u"Titel"_s, u"---"_s, u"Gruppe: A"_s, thema, u"---"_s})
                .ok());
}

} // namespace

class TestKatalog : public QObject
{
    Q_OBJECT
private slots:
    void kuerzel_data()
    {
        QTest::addColumn<QString>("klasse");
        QTest::addColumn<QString>("fach");
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("thema");
        QTest::addColumn<QString>("kuerzel");
        QTest::addColumn<QString>("anzeige");
        QTest::newRow("10a") << u"10a"_s << u"Mathematik (M)"_s << u"2"_s
                             << u"Bruc- Bruchrechnung"_s << u"0aM2Bruc"_s << u"10a"_s;
        QTest::newRow("7x") << u"7x"_s << u"Physik (P)"_s << u"1"_s << u"Bspl- Beispiel"_s
                            << u"7xP1Bspl"_s << u"7x"_s;
        QTest::newRow("10") << u"10"_s << QString() << u"..."_s << u"..."_s << u"0......."_s
                            << u"10."_s;
        QTest::newRow("einstellig")
            << u"7"_s << QString() << u"3"_s << u"Ab"_s << u"7..3Ab.."_s << u"7."_s;
        QTest::newRow("nichts gewaehlt")
            << u"..."_s << QString() << u"..."_s << u"..."_s << u"........"_s << u".."_s;
        QTest::newRow("Lerngruppe 81") << u"81"_s << u"Englisch (E)"_s << u"A"_s
                                       << u"Gram- Grammatik"_s << u"81EAGram"_s << u"81"_s;
    }
    void kuerzel()
    {
        QFETCH(QString, klasse);
        QFETCH(QString, fach);
        QFETCH(QString, nummer);
        QFETCH(QString, thema);
        QFETCH(QString, kuerzel);
        QCOMPARE(testKuerzelBilden(klasse, fach, nummer, thema), kuerzel);
        QTEST(klasseAnzeige(kuerzel.left(2)), "anzeige");
    }

    void faecher()
    {
        Testordner t;
        t.schreibe(kFaecherliste, "...\r\nP- Physik\r\nF- Franz\xf6sisch\r\n\r\nX- danach\r\n");
        SkriptRueckfragen r;
        QStringList f = faecherLesen(t.pfad(), r);
        QCOMPARE(f, (QStringList{u"..."_s, u"Physik (P)"_s, u"Französisch (F)"_s}));
        QCOMPARE(fachBuchstabe(f[2]), u'F');
        r.antworte(Rueckfragen::Knopf::Ja);
        QVERIFY(fachUebernehmen(t.pfad(), f, u"Astronomie (A)"_s, r));
        QCOMPARE(r.fragen(), QStringList{u"Möchten Sie die Fächerangabe \"Astronomie (A)\" in "
                                         "die Liste übernehmen?"_s});
        QCOMPARE(t.lies(kFaecherliste),
                 QByteArray("...\r\nP- Physik\r\nF- Franz\xf6sisch\r\nA- Astronomie\r\n"));
        QVERIFY(r.meldungen().isEmpty());
        // "K" ist den Kursen vorbehalten: lesen geht, mit Warnung, die das Fach nennt.
        t.schreibe(kFaecherliste, "...\r\nK- Kunst\r\nP- Physik\r\n");
        QCOMPARE(faecherLesen(t.pfad(), r).size(), 3);
        QCOMPARE(r.meldungen().size(), 1);
        QVERIFY(
            r.meldungen()[0].startsWith(u"In der Fächerliste "_s + t.pfad() +
                                        u"Mivo-Faecherliste.txt hat Kunst den Buchstaben K."_s));
        // Die ausgelieferte Liste gibt Kunst einen anderen Buchstaben.
        t.schreibe(kFaecherliste,
                   dateiInhalt(QStringLiteral(MIVO_QUELLE "/basisordner/Mivo-Faecherliste.txt")));
        r.leeren();
        const QStringList geliefert = faecherLesen(t.pfad(), r);
        QVERIFY(r.meldungen().isEmpty());
        QVERIFY(geliefert.filter(u"Kunst ("_s).size() == 1);
        Testordner leer;
        SkriptRueckfragen r2;
        QVERIFY(faecherLesen(leer.pfad(), r2).isEmpty());
        QCOMPARE(r2.meldungen(), QStringList{u"Fehler beim Lesen der Datei: "_s + leer.pfad() +
                                             u"Mivo-Faecherliste.txt\r\nHaben Sie die "
                                             "Konfigurationsdatei  Mivo-Kl-cf.txt  nach "
                                             "Bedienungsanleitung angepasst?"_s});
    }

    void themen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("plausibel");
        QTest::addColumn<bool>("eintragOk");
        QTest::newRow("gut") << u"mech- Mechanik"_s << true << true;
        QTest::newRow("zu kurz fuer Eintrag") << u"Mech- Kra"_s << true << false;
        QTest::newRow("kurz") << u"Mech"_s << true << false;
        QTest::newRow("ohne Leerzeichen") << u"Mech-Mechanik"_s << false << false;
        QTest::newRow("Sonderzeichen") << u"Me.h- Mechanik"_s << false << false;
    }
    void themen()
    {
        QFETCH(QString, text);
        SkriptRueckfragen r;
        QString t = text;
        QTEST(themaPlausibel(t, r), "plausibel");
        QCOMPARE(t[0], text[0].toUpper());
        QCOMPARE(r.meldungen().size(), themaPlausibel(t, r) ? 0 : 2);
        QTEST(neuThemenEintragOK(t), "eintragOk");
    }

    void katalog()
    {
        Testordner t;
        const QString b = t.pfad();
        QVERIFY(ansiZeilenSchreiben(b + kThemenliste, {u"..."_s, u"Opti- Optik"_s}).ok());
        testAnlegen(b, u"2023-24"_s, u"7aP1Opti"_s);
        testAnlegen(b, u"2024-25"_s, u"0aM2Bruc"_s, u".__A"_s, u"Thema: Bruchrechnung"_s);
        testAnlegen(b, u"2024-25"_s, u"7aP2Opti"_s);
        testAnlegen(b, u"2024-25"_s, u"7aPAOpti"_s);           // Nummer A: gelistet wie 1-9
        testAnlegen(b, u"2024-25 Beispiele"_s, u"7aP3Opti"_s); // kein Schuljahresordner
        QDir().mkpath(b + u"2024-25/7aD1Luec"_s);
        t.schreibe(u"2024-25/7aD1Luec/7aD1Luec._LA"_s,
                   "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Titel\\par\r\n---\\par "
                   "Gruppe: A\\par Thema: L\\'fcckentext\\tab Tiere\\par ---\\par}");
        QDir().mkpath(b + u"2024-25/7aP5Opti"_s);              // ohne Vorlage
        QDir().mkpath(b + u"2024-25/7aP6Opti/7aP6Opti.__A"_s); // Vorlage ist ein Ordner

        QStringList themen{u"..."_s, u"Opti- Optik"_s};
        SkriptRueckfragen r;
        Katalog k =
            vorhandeneTestsEinlesen(b, u"..."_s, u"........"_s, TestArt::MultipleChoice, themen, r);
        QCOMPARE(k.zeilen,
                 (QStringList{u" 7aP1Opti   Optik"_s + QString(50, u' ') + u"2023-24"_s,
                              u"10aM2Bruc   Bruchrechnung"_s + QString(42, u' ') + u"2024-25"_s,
                              u" 7aP2Opti   Optik"_s + QString(50, u' ') + u"2024-25"_s,
                              u" 7aPAOpti   Optik"_s + QString(50, u' ') + u"2024-25"_s}));
        QCOMPARE(k.neueThemen, 1);
        QCOMPARE(themen.last(), u"Bruc- Bruchrechnung"_s);
        QCOMPARE(r.meldungen(),
                 (QStringList{u"Die Datei "_s + b +
                                  u"2024-25/7aP6Opti/7aP6Opti.__A lässt sich "
                                  "nicht öffnen!"_s,
                              u"Es wurden in den Testordnern 1 neue(s) Themenkürzel gefunden!\n\r"
                              "Die Themenliste (Mivo-Themenliste.txt) wurde entsprechend ergänzt,"
                              "\n\rsollte aber überprüft werden."_s}));
        QCOMPARE(ansiZeilenLesen(b + kThemenliste).zeilen, themen);
        QCOMPARE(eineMehrAlsVorhanden(k.zeilen), u'B');
        QCOMPARE(eineMehrAlsVorhanden(k.zeilen.mid(0, 3)), u'3');
        QCOMPARE(eineMehrAlsVorhanden({u" 7aP9Opti"_s}), u'A');
        QCOMPARE(eineMehrAlsVorhanden({u" 7aPHOpti"_s}), u'1');

        r.leeren();
        k = vorhandeneTestsEinlesen(b, u"2024-25"_s, u"....opti"_s, TestArt::Alle, themen, r);
        QCOMPARE(k.zeilen.size(), 2);
        QVERIFY(k.zeilen[0].startsWith(u" 7aP2Opti"_s));
        k = vorhandeneTestsEinlesen(b, u"2024-25"_s, u"7aPAOpti"_s, TestArt::Alle, themen, r);
        QCOMPARE(k.zeilen.size(), 1);
        k = vorhandeneTestsEinlesen(b, u"2024-25"_s, u"7aD....."_s, TestArt::Alle, themen, r);
        QCOMPARE(k.zeilen.size(), 1);
        QCOMPARE(kuerzelAusZeile(k.zeilen[0]), u"7aD1Luec"_s);
        QCOMPARE(k.zeilen[0].mid(12, 20), u"Lückentext\tTiere    "_s);
        QCOMPARE(schuljahrAusZeile(k.zeilen[0]), u"2024-25"_s);
    }

    // Die Beschreibung eines Lueckentests ist Zeile 4 des Zeilenmodells: eine Zeile je Absatz.
    // Gemerkte Vorlagen: eine geaenderte oder kaputte Vorlage wird wieder gelesen.
    void vorlagenspeicher()
    {
        Testordner t;
        const QString b = t.pfad();
        testAnlegen(b, u"2024-25"_s, u"7aP1Opti"_s);
        QStringList themen{u"..."_s, u"Opti- Optik"_s};
        SkriptRueckfragen r;
        Vorlagenspeicher s;
        const auto liste = [&] {
            return vorhandeneTestsEinlesen(b, u"..."_s, u"........"_s, TestArt::Alle, themen, r, &s)
                .zeilen;
        };
        QVERIFY(liste().value(0).contains(u"Optik"_s));
        testAnlegen(b, u"2024-25"_s, u"7aP1Opti"_s, u".__A"_s, u"Thema: Linsen und Spiegel"_s);
        QVERIFY(liste().value(0).contains(u"Linsen und Spiegel"_s));
        t.schreibe(u"2024-25/7aP1Opti/7aP1Opti.__A"_s, QByteArray("a\0b", 3));
        QVERIFY(liste().isEmpty());
        QCOMPARE(r.meldungen().size(), 1);
        QVERIFY(liste().isEmpty());
        QCOMPARE(r.meldungen().size(), 2); // jedes Mal gemeldet, nie aus dem Speicher gezeigt
    }

    void beschreibungLueckentext_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("beschreibung");
        const QByteArray kopf =
            "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\r\n"
            "\\viewkind4\\uc1\\pard\\f0 Titel\\par\r\n---\\par\r\nGruppe: A\\par\r\n";
        QTest::newRow("Zeichen ausserhalb 1252")
            << kopf + "Thema: Widerstand in \\u937?\\par\r\n---\\par\r\n}" << u"Widerstand in Ω"_s;
        QTest::newRow("Zeilenumbruch im Absatz")
            << QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\pard\\f0 Titel\\line "
                          "zweiter Teil\\par ---\\par Gruppe: A\\par Thema: Optik\\par ---\\par}")
            << u"Optik"_s;
        QTest::newRow("Kopfzeile")
            << QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\header\\pard Kopf\\par}"
                          "\\pard\\f0 Titel\\par ---\\par Gruppe: A\\par Thema: Optik\\par}")
            << u"Optik"_s;
        // Die Urdatei, wie das Lückentest-Fenster sie schreibt: Zeile 4 ist der Listenkopf, der
        // Test heißt nach seinem Thema.
        QTest::newRow("Urdatei ohne Themenzeile")
            << QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\pard\\f0 Der <$01> "
                          "jagt.\\par -----------------------------------------\\par \\par "
                          "<Allgemeine Lueckenwoerter>\\par 01 Hund\\par \\par <Einzellisten>\\par "
                          "\\par <Lueckentest, Mivo-Zuzovuvavev, Gruppe: A>\\par}")
            << u"Lückentexte"_s;
    }
    void beschreibungLueckentext()
    {
        QFETCH(QByteArray, rtf);
        Testordner t;
        const QString b = t.pfad();
        QDir().mkpath(b + u"2024-25/7aD1Luec"_s);
        t.schreibe(u"2024-25/7aD1Luec/7aD1Luec._LA"_s, rtf);
        QStringList themen{u"..."_s, u"Luec- Lückentexte"_s};
        SkriptRueckfragen r;
        const Katalog k =
            vorhandeneTestsEinlesen(b, u"2024-25"_s, u"........"_s, TestArt::Alle, themen, r);
        QCOMPARE(r.meldungen(), QStringList{});
        QCOMPARE(k.zeilen.size(), 1);
        QFETCH(QString, beschreibung);
        QCOMPARE(k.zeilen[0].mid(12, 55), beschreibung.leftJustified(55));
    }

    void loeschen()
    {
        Testordner t;
        testAnlegen(t.pfad(), u"2024-25"_s, u"7aP1Opti"_s);
        const QString ordner = t.pfad() + u"2024-25/7aP1Opti/"_s;
        QDir().mkpath(ordner + u"Bilder"_s);
        SkriptRueckfragen r;
        r.antworte(Rueckfragen::Knopf::Nein);
        QVERIFY(!testLoeschen(ordner, r));
        QVERIFY(QDir(ordner).exists());
        r.antworte(Rueckfragen::Knopf::Ja);
        QVERIFY(testLoeschen(ordner, r));
        QVERIFY(!QDir(ordner).exists());
        QCOMPARE(r.meldungen(), QStringList{u"Die Test-Datei: "_s + ordner +
                                            u"\r\nwurde (mit allen Schülertest- und Bilddateien) "
                                            "gelöscht."_s});
    }

    void gruppendatei()
    {
        Testordner t;
        const TestPfade test{t.pfad(), u"2024-25"_s, u"7aP1Opti"_s};
        SkriptRueckfragen r;
        gruppenDateiPruefen(test, r);
        QCOMPARE(r.meldungen(), QStringList{u"Achtung, die Datei für die Gruppeneinteilung der "
                                            "Klasse 7a  konnte nicht korrekt gelesen werden!"_s});
        QDir().mkpath(test.abgabenOrdner());
        QVERIFY(
            ansiZeilenSchreiben(test.gruppenDatei(), {u"Lena"_s, u"Albrecht"_s, u"A"_s, u"Jonas"_s,
                                                      u"Bauer"_s, u"B"_s, u"Rest"_s})
                .ok());
        t.schreibe(u"2024-25/7aP1Opti/T2-Ausge/ALBRECHT.l7a"_s, "kopie\r\n");
        r.leeren();
        const auto tabelle = gruppenDateiPruefen(test, r);
        QCOMPARE(tabelle[2].nachname, u"Bauer"_s);
        QCOMPARE(tabelle[2].gruppe, u"B"_s);
        QVERIFY(tabelle[3].vorname.isEmpty());
        QCOMPARE(r.meldungen(), QStringList{u"Achtung: Es fehlt die Datei: "_s +
                                            test.abgabenOrdner() + u"Bauer.J7a !"_s});
    }

    void durchschnitt_data()
    {
        QTest::addColumn<QStringList>("noten");
        QTest::addColumn<QString>("text");
        QTest::newRow("2+ 2 2-") << QStringList{u"2+"_s, u"2"_s, u"2-"_s} << u"2,0"_s;
        QTest::newRow("1+ 3-") << QStringList{u"1+"_s, u"3-"_s} << u"2,0"_s;
        QTest::newRow("2,25 -> 2,3") << QStringList{u"2"_s, u"2"_s, u"2"_s, u"3"_s} << u"2,3"_s;
        QTest::newRow("keine") << QStringList{} << u"0,0"_s;
        QTest::newRow("6") << QStringList{u"6"_s} << u"6,0"_s;
    }
    void durchschnitt()
    {
        QFETCH(QStringList, noten);
        Benotungslauf lauf;
        for (const QString &n : noten) {
            for (int z = 0; z < kNormZeilen; ++z) {
                if (lauf.norm[size_t(z)].noteE == n) {
                    ++lauf.notenZaehler[size_t(z)];
                    break;
                }
            }
        }
        QTEST(durchschnittText(lauf), "text");
    }

    void sortieren()
    {
        Benotungslauf lauf;
        lauf.klassenGroesse = 5;
        lauf.ergebnisse[1] = {u"K"_s, u"Zorn"_s, u"2"_s, 10};
        lauf.ergebnisse[2] = {u"A"_s, u"Ärger"_s, u"3"_s, 8};
        lauf.ergebnisse[3] = {}; // ohne Kopie
        lauf.ergebnisse[4] = {u"b"_s, u"Zorn"_s, u"4"_s, 6};
        lauf.ergebnisse[5] = {u"A"_s, u"zorn"_s, u"1"_s, 12};
        zusammenfassungSortieren(lauf);
        QStringList folge;
        for (int i = 1; i <= 5; ++i) {
            folge << lauf.ergebnisse[i].nachname + lauf.ergebnisse[i].initiale;
        }
        // ANSI-Bytefolge: Grossbuchstaben vor Kleinbuchstaben, Umlaute dahinter.
        QCOMPARE(folge, (QStringList{QString(), u"ZornK"_s, u"Zornb"_s, u"zornA"_s, u"ÄrgerA"_s}));
    }
};

QTEST_GUILESS_MAIN(TestKatalog)
#include "test_katalog.moc"
