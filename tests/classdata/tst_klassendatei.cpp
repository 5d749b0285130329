// Klassendatei: byte-genaues Format, beschaedigte Dateien, Klassengroesse, Klassenliste.
#include "classdata/klassendatei.h"
#include "common/ansitext.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

// Unabhaengig vom Schreiber aus der Feldtabelle zusammengesetzt.
class Abbild
{
public:
    QByteArray b = QByteArray(28408, '\0');
    void text(int offset, const QByteArray &t)
    {
        b[offset] = char(t.size());
        b.replace(offset + 1, t.size(), t);
    }
    void int16(int offset, qint16 w) { qToLittleEndian(w, b.data() + offset); }
};

// Eine Klasse mit allem, was die Datei haelt.
Klasse beispielKlasse()
{
    Klasse k;
    Schueler &s1 = k.schueler(1);
    s1.klasse = u"9b"_s;
    s1.nachname = u"Schmidtbauer"_s;
    s1.vorname = u"Karl"_s;
    s1.geschlecht = u"m"_s;
    s1.zusatz = u"Förderplan €"_s;
    s1.note(1, 0) = u"2+"_s;
    s1.note(2, 19) = u"/"_s;
    s1.note(5, 9) = u"6"_s;
    s1.reserviert = -2;
    s1.reserviertByte = 7;
    Schueler &s40 = k.schueler(40);
    s40.nachname = u"Zöllner"_s;
    s40.vorname = u"Ida"_s;
    s40.geschlecht = u"w"_s;
    s40.note(3, 4) = u"1-"_s;
    k.datum(1, 0) = u"2016-09-05"_s;
    k.erlaeuterung(1, 0) = u"Hausaufgabe Dichte"_s;
    k.datum(2, 19) = u"2017-01-18"_s;
    k.erlaeuterung(5, 9) = u"Klassenarbeit „Optik“"_s;
    for (int a = 1; a <= 5; ++a) {
        k.notenart(a) = standardNotenart(a);
        k.gewicht(a) = standardGewicht(a);
    }
    k.gewicht(0) = 0;
    return k;
}

Abbild beispielAbbild()
{
    Abbild a;
    a.text(0, "9b");
    a.text(9, "Schmidtbauer");
    a.text(30, "Karl");
    a.text(51 + 0 * 63 + 3 * 0, "2+");
    a.text(51 + 1 * 63 + 3 * 19, "/");
    a.text(51 + 4 * 63 + 3 * 9, "6");
    a.int16(366, -2);
    a.text(368, "F\xf6rderplan \x80");
    a.text(469, "m");
    a.b[471] = 7;
    const int s40 = 39 * 472;
    a.text(s40 + 9, "Z\xf6llner");
    a.text(s40 + 30, "Ida");
    a.text(s40 + 51 + 2 * 63 + 3 * 4, "1-");
    a.text(s40 + 469, "w");
    a.text(18880 + 0 * 66 + 1 * 11, "2016-09-05");
    a.text(20266 + 0 * 366 + 1 * 61, "Hausaufgabe Dichte");
    a.text(18880 + 19 * 66 + 2 * 11, "2017-01-18");
    a.text(20266 + 9 * 366 + 5 * 61, "Klassenarbeit \x84Optik\x93");
    const qint16 gewichte[] = {0, 1, 43, 4, 7, 45};
    const char *lang[] = {"",       "Hausarbeiten", "M\xfcndliche Leistungen",
                          "Ordner", "Protokolle",   "Tests, Klassenarbeiten usw."};
    const char *kurz[] = {"", "&Hausarbeit", "&M\xfcndliche", "&Ordner", "P&rotokolle", "&Tests"};
    const char taste[] = {0, 'H', 'M', 'O', 'P', 'T'};
    for (int k = 0; k <= 5; ++k) {
        a.int16(27952 + 2 * k, gewichte[k]);
        if (k > 0) {
            a.text(27964 + 74 * k, lang[k]);
            a.text(27964 + 74 * k + 61, kurz[k]);
            a.b[27964 + 74 * k + 73] = taste[k];
        }
    }
    return a;
}

// Eine Klasse, wie das Programm sie schreiben kann: Namen und Texte aus CP1252, Noten aus allen
// Notentexten, Gewichte mit der Summe 100.
Klasse zufallsKlasse(QRandomGenerator &z)
{
    static const QStringList noten{u""_s,   u"1+"_s, u"1"_s,  u"1-"_s, u"2+"_s, u"2"_s,  u"2-"_s,
                                   u"3+"_s, u"3"_s,  u"3-"_s, u"4+"_s, u"4"_s,  u"4-"_s, u"5+"_s,
                                   u"5"_s,  u"5-"_s, u"6"_s,  u"/"_s,  u"GF"_s};
    const auto text = [&z](int laenge) {
        QString t;
        for (int i = z.bounded(laenge + 1); i > 0; --i) {
            const auto b = char(z.bounded(0x20, 0x100));
            t += ansiDekodieren(QByteArrayView(&b, 1));
        }
        return t;
    };
    Klasse k;
    const int groesse = z.bounded(kMaxSchueler + 1);
    for (int nr = 1; nr <= groesse; ++nr) {
        Schueler &s = k.schueler(nr);
        s.nachname = u"N"_s + text(19);
        s.vorname = text(20);
        s.klasse = text(8);
        s.zusatz = text(100);
        s.geschlecht = z.bounded(2) ? u"m"_s : u"w"_s;
        s.reserviert = qint16(z.bounded(-32768, 32768));
        for (int art = 1; art <= kNotenarten; ++art) {
            for (int slot = 0; slot <= letzterSlot(art); ++slot) {
                s.note(art, slot) = noten[z.bounded(int(noten.size()))];
            }
        }
    }
    int rest = 100;
    for (int art = 1; art <= kNotenarten; ++art) {
        const int w = art == kNotenarten ? rest : z.bounded(rest + 1);
        k.gewicht(art) = qint16(w);
        rest -= w;
        k.notenart(art) = Notenart{text(60), text(11), QChar(u'A' + art)};
        for (int slot = 0; slot <= letzterSlot(art); ++slot) {
            k.datum(art, slot) = z.bounded(2) ? u"2017-01-18"_s : QString();
            k.erlaeuterung(art, slot) = text(60);
        }
    }
    return k;
}

} // namespace

class TestKlassendatei : public QObject
{
    Q_OBJECT

private slots:
    void schreiberByteGenau()
    {
        const auto bytes = klasseAlsBytes(beispielKlasse());
        QVERIFY(bytes);
        QCOMPARE(bytes->size(), 28408);
        const QByteArray erwartet = beispielAbbild().b;
        for (int i = 0; i < erwartet.size(); ++i) {
            if (bytes->at(i) != erwartet.at(i)) {
                QFAIL(qPrintable(u"erstes abweichendes Byte bei Offset %1"_s.arg(i)));
            }
        }
    }

    void leserUndRundreise()
    {
        Testordner o;
        SkriptRueckfragen r;
        o.schreibe(u"L-7x-Ph.DTA"_s, beispielAbbild().b);
        Klasse k;
        QVERIFY(klassenlisteLesen(o.datei(u"L-7x-Ph.DTA"_s), k, r));
        QCOMPARE(k.schueler(1).zusatz, u"Förderplan €"_s);
        QCOMPARE(k.schueler(40).nachname, u"Zöllner"_s);
        QCOMPARE(k.schueler(1).note(2, 19), u"/"_s);
        QCOMPARE(k.erlaeuterung(5, 9), u"Klassenarbeit „Optik“"_s);
        QCOMPARE(k.notenart(4).kurzform, u"P&rotokolle"_s);
        QCOMPARE(k.notenart(4).taste, QChar(u'P'));
        QCOMPARE(k.schueler(1).reserviert, qint16(-2));
        QVERIFY(klassenlisteSchreiben(o.datei(u"neu.DTA"_s), k, r));
        QCOMPARE(o.lies(u"neu.DTA"_s), beispielAbbild().b);
        QVERIFY(r.protokoll.isEmpty());
    }

    void laengenbyteBegrenzt()
    {
        Abbild a;
        a.b[9] = char(200); // Nachname: string[20]
        a.b.replace(10, 20, QByteArray(20, 'x'));
        a.b[30] = char(2);
        a.b.replace(31, 2, "Jo");
        a.b[51] = char(255); // Note string[2]; dahinter beginnt die naechste Note
        a.b.replace(52, 2, "1-");
        const auto k = klasseAusBytes(a.b);
        QVERIFY(k);
        QCOMPARE(k->schueler(1).nachname, QString(20, u'x'));
        QCOMPARE(k->schueler(1).vorname, u"Jo"_s);
        QCOMPARE(k->schueler(1).note(1, 0), u"1-"_s);
    }

    void dateilaenge_data()
    {
        QTest::addColumn<int>("laenge");
        QTest::addColumn<bool>("ok");
        QTest::newRow("genau") << 28408 << true;
        QTest::newRow("laenger") << 30000 << true;
        QTest::newRow("ein Byte zu kurz") << 28407 << false;
        QTest::newRow("leer") << 0 << false;
    }
    void dateilaenge()
    {
        QFETCH(int, laenge);
        QFETCH(bool, ok);
        Testordner o;
        SkriptRueckfragen r;
        QByteArray bytes = beispielAbbild().b;
        bytes.resize(laenge, 'Z');
        o.schreibe(u"x.DTA"_s, bytes);
        Klasse k;
        k.schueler(3).vorname = u"bleibt"_s;
        QCOMPARE(klassenlisteLesen(o.datei(u"x.DTA"_s), k, r), ok);
        if (ok) {
            QCOMPARE(k.schueler(1).nachname, u"Schmidtbauer"_s);
            QVERIFY(r.protokoll.isEmpty());
        } else {
            QCOMPARE(k.schueler(3).vorname, u"bleibt"_s);
            QCOMPARE(r.meldungen(), QStringList{u"Die Datei "_s + o.datei(u"x.DTA"_s) +
                                                u"  kann nicht gelesen werden!"_s});
        }
    }

    void lesenOrdnerOderFehlend()
    {
        Testordner o;
        SkriptRueckfragen r;
        o.schreibe(u"ordner.DTA/x"_s, "x");
        Klasse k;
        QVERIFY(!klassenlisteLesen(o.datei(u"ordner.DTA"_s), k, r));
        QVERIFY(!klassenlisteLesen(o.datei(u"fehlt.DTA"_s), k, r));
        QCOMPARE(r.meldungen().size(), 2);
        QVERIFY(r.meldungen()[1].endsWith(u"fehlt.DTA  kann nicht gelesen werden!"_s));
    }

    void schreibgeschuetztBleibtUnveraendert()
    {
        Testordner o;
        SkriptRueckfragen r;
        const QString pfad = o.datei(u"x.DTA"_s);
        o.schreibe(u"x.DTA"_s, beispielAbbild().b);
        QFile::setPermissions(pfad, QFile::ReadOwner);
        Klasse k = beispielKlasse();
        k.schueler(1).nachname = u"Anders"_s;
        QVERIFY(!klassenlisteSchreiben(pfad, k, r));
        QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(o.lies(u"x.DTA"_s), beispielAbbild().b);
        QCOMPARE(r.meldungen(),
                 QStringList{u"Die Datei "_s + pfad + u"  kann nicht geschrieben werden!"_s});
    }

    void nichtDarstellbarerNameWirdAbgewiesen()
    {
        Testordner o;
        SkriptRueckfragen r;
        Klasse k = beispielKlasse();
        k.schueler(2).nachname = u"Łukasz"_s;
        QVERIFY(!klassenlisteSchreiben(o.datei(u"x.DTA"_s), k, r));
        QVERIFY(!QFile::exists(o.datei(u"x.DTA"_s)));
        QVERIFY(r.letzteMeldung().contains(u"\"Ł\""_s));
    }

    void zuLangeTexteWerdenGekuerzt()
    {
        Klasse k;
        k.schueler(1).nachname = QString(25, u'a');
        const auto k2 = klasseAusBytes(klasseAlsBytes(k).value());
        QCOMPARE(k2->schueler(1).nachname, QString(20, u'a'));
    }

    void fremdeDateiWirdAbgewiesen_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QRandomGenerator z(4711);
        QByteArray zufall(28408, Qt::Uninitialized);
        for (char &b : zufall) {
            b = char(z.bounded(256));
        }
        QTest::newRow("Zufallsbytes") << zufall << false;
        QTest::newRow("Text")
            << QByteArray("Liebe Eltern, am Freitag ...\r\n").repeated(1000).left(28408) << false;
        QTest::newRow("lauter FF") << QByteArray(28408, '\xFF') << false;
        QTest::newRow("lauter Nullen: neue Klasse") << QByteArray(28408, '\0') << true;
        Abbild gewicht = beispielAbbild();
        gewicht.int16(27952 + 2 * 2, 20353);
        QTest::newRow("Gewicht 20353") << gewicht.b << false;
        gewicht.int16(27952 + 2 * 2, -1);
        QTest::newRow("Gewicht -1") << gewicht.b << false;
        gewicht.int16(27952 + 2 * 2, 100);
        QTest::newRow("Gewicht 100") << gewicht.b << true;
        Abbild einzeln = beispielAbbild();
        for (int i = 0; i < kHoechstensFremdeNoten; ++i) {
            einzeln.text(2 * 472 + 51 + 3 * i, "x7");
        }
        QTest::newRow("einzelne kaputte Noten") << einzeln.b << true;
        einzeln.text(2 * 472 + 51 + 3 * kHoechstensFremdeNoten, "9");
        QTest::newRow("zu viele kaputte Noten") << einzeln.b << false;
    }
    void fremdeDateiWirdAbgewiesen()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        Testordner o;
        SkriptRueckfragen r;
        o.schreibe(u"x.DTA"_s, bytes);
        Klasse k;
        k.schueler(1).vorname = u"bleibt"_s;
        QCOMPARE(klassenlisteLesen(o.datei(u"x.DTA"_s), k, r), ok);
        if (!ok) {
            QCOMPARE(k.schueler(1).vorname, u"bleibt"_s);
            QCOMPARE(r.meldungen(), QStringList{u"Die Datei "_s + o.datei(u"x.DTA"_s) +
                                                u"  kann nicht gelesen werden!"_s});
        }
    }

    void beispielklassenUndZufallsklassenWerdenGelesen()
    {
        SkriptRueckfragen r;
        for (const QString &name : {u"L-7x-Ph.DTA"_s, u"K-9-Inx.DTA"_s}) {
            Klasse k;
            QVERIFY(klassenlisteLesen(QStringLiteral(MIVO_BEISPIELE "/") + name, k, r));
            QVERIFY(klassenGroesse(k) > 0);
        }
        Testordner o;
        QRandomGenerator z(20170210);
        for (int i = 0; i < 300; ++i) {
            const Klasse k = zufallsKlasse(z);
            QVERIFY(unplausiblesFeld(k).isEmpty());
            QVERIFY(klassenlisteSchreiben(o.datei(u"z.DTA"_s), k, r));
            Klasse gelesen;
            QVERIFY(klassenlisteLesen(o.datei(u"z.DTA"_s), gelesen, r));
            QCOMPARE(klasseAlsBytes(gelesen), klasseAlsBytes(k));
        }
        QVERIFY(r.protokoll.isEmpty());
    }

    void klassengroesse_data()
    {
        QTest::addColumn<QList<int>>("belegt");
        QTest::addColumn<int>("groesse");
        QList<int> alle;
        for (int i = 1; i <= 40; ++i) {
            alle << i;
        }
        QTest::newRow("voll") << alle << 40;
        QTest::newRow("leer") << QList<int>{} << 0;
        QTest::newRow("luecke bei 13")
            << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 20} << 12;
        QTest::newRow("erster leer") << QList<int>{2, 3} << 0;
    }
    void klassengroesse()
    {
        QFETCH(QList<int>, belegt);
        QFETCH(int, groesse);
        Klasse k;
        for (int nr : belegt) {
            (nr % 2 ? k.schueler(nr).nachname : k.schueler(nr).vorname) = u"X"_s;
        }
        QCOMPARE(klassenGroesse(k), groesse);
    }

    void standardNotenarten()
    {
        Klasse k = beispielKlasse();
        k.notenart(3).langname.clear();
        k.notenart(1).kurzform = u"&Eigen"_s;
        k.gewicht(2) = 99;
        QVERIFY(standardNotenartenEinsetzen(k));
        QCOMPARE(k.notenart(1).kurzform, u"&Hausarbeit"_s);
        QCOMPARE(k.notenart(3).langname, u"Ordner"_s);
        QCOMPARE(k.gewicht(2), qint16(43));
        k.notenart(1).kurzform = u"&Eigen"_s;
        QVERIFY(!standardNotenartenEinsetzen(k)); // alle Langnamen da: nichts ersetzt
        QCOMPARE(k.notenart(1).kurzform, u"&Eigen"_s);
    }

    void indexfehler()
    {
        Klasse k;
        QVERIFY_THROWS_EXCEPTION(Indexfehler, k.schueler(41));
        QVERIFY_THROWS_EXCEPTION(Indexfehler, k.schueler(0));
        QVERIFY_THROWS_EXCEPTION(Indexfehler, k.schueler(1).note(6, 0));
        QVERIFY_THROWS_EXCEPTION(Indexfehler, k.datum(1, 21));
        QCOMPARE(letzterSlot(2), 19);
        QCOMPARE(letzterSlot(5), 9);
    }

    void klassenkuerzel_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("kuerzel");
        QTest::newRow("klasse") << u"L-7x-Ph.DTA"_s << u"7x"_s;
        QTest::newRow("kurs") << u"K-9-Inx.DTA"_s << u"9-"_s;
        QTest::newRow("zehn") << u"L-10a-Ph.DTA"_s << u"10a"_s;
        QTest::newRow("mit ordner") << u"/x/2016-17/K-12-aIn.DTA"_s << u"12-"_s;
    }
    void klassenkuerzel()
    {
        QFETCH(QString, datei);
        QFETCH(QString, kuerzel);
        QCOMPARE(klassenKuerzel(datei), kuerzel);
    }

    void listenfolge()
    {
        QStringList l{u"L-10a-Ph.DTA"_s, u"L-9b-Ph.DTA"_s,  u"K-9-Inx.DTA"_s, u"l-7x-ph.dta"_s,
                      u"K-10-aIn.DTA"_s, u"L-12c-De.DTA"_s, u"L-5a-Ma.DTA"_s};
        klassenlisteSortieren(l);
        QCOMPARE(
            l, (QStringList{u"K-9-Inx.DTA"_s, u"K-10-aIn.DTA"_s, u"L-5a-Ma.DTA"_s, u"l-7x-ph.dta"_s,
                            u"L-9b-Ph.DTA"_s, u"L-10a-Ph.DTA"_s, u"L-12c-De.DTA"_s}));
    }

    void auflistenImOrdner()
    {
        Testordner o;
        SkriptRueckfragen r;
        o.schreibe(u"2016-17/L-10a-Ph.DTA"_s, "x");
        o.schreibe(u"2016-17/L-9b-Ph.dta"_s, "x");
        o.schreibe(u"2016-17/notiz.txt"_s, "x");
        o.schreibe(u"2016-17/7xP1Bspl/7xP1Bspl.__A"_s, "x");
        QCOMPARE(klassenwahl(o.pfad(), u"2016-17"_s, u"2026-27"_s, r),
                 (QStringList{u"L-9b-Ph.dta"_s, u"L-10a-Ph.DTA"_s}));
        QVERIFY(r.protokoll.isEmpty());
    }

    void leererOrdner_data()
    {
        QTest::addColumn<QString>("jahr");
        QTest::addColumn<int>("meldungen");
        QTest::newRow("aktuelles jahr") << u"2026-27"_s << 1;
        QTest::newRow("anderes jahr") << u"2015-16"_s << 0;
    }
    void leererOrdner()
    {
        QFETCH(QString, jahr);
        QFETCH(int, meldungen);
        Testordner o;
        SkriptRueckfragen r;
        QCOMPARE(klassenwahl(o.pfad(), jahr, u"2026-27"_s, r),
                 QStringList{u"Keine Klassen vorh."_s});
        QCOMPARE(r.meldungen().size(), meldungen);
        if (meldungen) {
            const QString t = r.meldungen()[0];
            QVERIFY(
                t.startsWith(u"Der Klassenordner für das aktuelle Schuljahr 2016-17 ist leer"_s));
            QCOMPARE(t.count(u"\r\n\r\n"_s), 2);
            QVERIFY(
                t.endsWith(u"wodurch ebenfalls ein aktueller Schuljahresordner erstellt wird."_s));
        }
    }

    void speichernLegtSchuljahresordnerAn()
    {
        Testordner o;
        SkriptRueckfragen r;
        QVERIFY(
            klasseInSchuljahrSpeichern(o.pfad(), u"2030-31"_s, u"L-7x-Ph"_s, beispielKlasse(), r));
        QCOMPARE(o.lies(u"2030-31/L-7x-Ph.DTA"_s), beispielAbbild().b);
    }
};

QTEST_GUILESS_MAIN(TestKlassendatei)
#include "tst_klassendatei.moc"
