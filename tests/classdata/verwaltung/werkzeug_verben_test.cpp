#include "classdata/klassendatei.h"
#include "classdata/klassensperre.h"
#include "grades/klassenbau.h"
#include "grades/klassenexport.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"
#include "werkzeug/werkzeug.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QTextStream>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Lauf
{
    int ergebnis = 0;
    QString aus;
    QString fehler;
};

Lauf werkzeug(const QStringList &argumente)
{
    Lauf l;
    QTextStream aus(&l.aus);
    QTextStream fehler(&l.fehler);
    l.ergebnis = werkzeugAusfuehren(argumente, aus, fehler);
    return l;
}

} // namespace

class WerkzeugVerbenTest : public QObject
{
    Q_OBJECT

    Testordner t;
    QString klassenPfad;

private slots:
    void initTestCase()
    {
        Klasse k = standardKlasse();
        schuelerAnhaengen(k, u"Anna"_s, u"Abel"_s, u"w"_s);
        schuelerAnhaengen(k, u"Bert"_s, u"Berg"_s);
        gewichteSetzen(k, {88, 12, 0, 0, 0});
        notenSetzen(k, 1, 1, {u"1"_s});
        notenSetzen(k, 1, 2, {u"2"_s, u"/"_s});
        notenSetzen(k, 2, 2, {u"/"_s});
        klassenPfad = t.datei(u"L-9b-Bio.DTA"_s);
        SkriptRueckfragen r;
        QVERIFY(klassenlisteSchreiben(klassenPfad, k, r));
    }

    void klasseMitBerechnetenFeldern()
    {
        const Lauf l = werkzeug({u"klasse"_s, klassenPfad});
        QCOMPARE(l.ergebnis, 0);
        const QJsonArray schueler =
            QJsonDocument::fromJson(l.aus.toUtf8()).object().value(u"schueler"_s).toArray();
        QCOMPARE(schueler.size(), 2);
        const QJsonObject anna = schueler[0].toObject();
        QCOMPARE(anna.value(u"schnitt"_s).toObject().value(u"1"_s).toString(), u"1"_s);
        QCOMPARE(anna.value(u"schnitt"_s).toObject().value(u"2"_s).toString(), u"2"_s);
        QCOMPARE(anna.value(u"schnitt"_s).toObject().value(u"5"_s).toString(), u""_s);
        QCOMPARE(anna.value(u"gesamt"_s).toString(), u"1,1"_s);
        QCOMPARE(anna.value(u"punkte"_s).toString(), u"13"_s); // float nahe 1,12 liegt darueber
        QCOMPARE(anna.value(u"eNote"_s).toString(), u"1-"_s);
        QCOMPARE(anna.value(u"gNote"_s).toString(), u"1+"_s);
        const QJsonObject bert = schueler[1].toObject();
        QCOMPARE(bert.value(u"gesamt"_s).toString(), u""_s);
        QCOMPARE(bert.value(u"punkte"_s).toString(), u""_s);
        QCOMPARE(bert.value(u"eNote"_s).toString(), u""_s);
    }

    void exportWieDasProgramm()
    {
        const Lauf l = werkzeug({u"export"_s, klassenPfad, t.datei(u"aus.csv"_s)});
        QCOMPARE(l.ergebnis, 0);
        Klasse k;
        SkriptRueckfragen r;
        QVERIFY(klasseLadenAusDatei(klassenPfad, k, r));
        QCOMPARE(t.lies(u"aus.csv"_s), *exportBytes(k));
        QCOMPARE(werkzeug({u"export"_s, t.datei(u"fehlt.DTA"_s), t.datei(u"x.csv"_s)}).ergebnis, 2);
        QCOMPARE(werkzeug({u"export"_s, klassenPfad}).ergebnis, 1);
    }

    void versetzenGibtPfadAus()
    {
        const QString ordner = t.datei(u"2017-18"_s);
        Lauf l = werkzeug({u"versetzen"_s, klassenPfad, ordner});
        QCOMPARE(l.ergebnis, 0);
        QCOMPARE(l.aus.trimmed(), ordner + u"/L-10b-Bio.DTA"_s);
        // Zweites Mal: die Frage wird mit Ja beantwortet und ueberschrieben.
        l = werkzeug({u"versetzen"_s, klassenPfad, ordner});
        QCOMPARE(l.ergebnis, 0);
        QVERIFY(l.fehler.contains(u"Soll diese überschrieben werden? -> Ja"_s));
        QCOMPARE(werkzeug({u"versetzen"_s, t.datei(u"fehlt.DTA"_s), ordner}).ergebnis, 2);
    }

    void klasseSchreibenNurLesbareKlassen()
    {
        Testordner o;
        o.schreibe(u"gewicht.json"_s, R"({"kategorien": [{"nr": 2, "gewicht": 200}]})");
        o.schreibe(u"noten.json"_s, R"({"schueler": [{"nachname": "Abel", "noten": {"1": )"
                                    R"(["x", "x", "x", "x", "x", "x", "x", "x", "x", "x"]}}]})");
        o.schreibe(u"gut.json"_s,
                   R"({"schueler": [{"nachname": "Abel", "noten": {"1": ["GF"]}}]})");
        for (const QString &name : {u"gewicht"_s, u"noten"_s}) {
            const Lauf l = werkzeug(
                {u"klasse-schreiben"_s, o.datei(name + u".json"_s), o.datei(name + u".DTA"_s)});
            QCOMPARE(l.ergebnis, 2);
            QVERIFY2(l.fehler.contains(u": keine Klasse ("_s), qPrintable(l.fehler));
            QVERIFY(!QFile::exists(o.datei(name + u".DTA"_s)));
        }
        QCOMPARE(werkzeug({u"klasse-schreiben"_s, o.datei(u"gut.json"_s), o.datei(u"gut.DTA"_s)})
                     .ergebnis,
                 0);
    }

    void klasseImportieren_data()
    {
        QTest::addColumn<QByteArray>("quelle");
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<QStringList>("schalter");
        QTest::addColumn<int>("ergebnis");
        QTest::addColumn<QString>("meldung"); // Anfang von stderr
        QTest::addColumn<QString>("namen");   // Klasse:Geschlecht:Nachname,Vorname ...
        const QByteArray zwei = "\xD6ZT\xDCRK;ali;m;b\r\nDupr\xE9;\xC9mile;m;c\r\n";
        QTest::newRow("Klasse, Namen normalisiert")
            << zwei << u"2017-18/L-7a-De.DTA"_s << QStringList() << 0 << QString()
            << u":m:Oeztuerk,Ali :m:Dupre,Emile"_s;
        QTest::newRow("Kurs behaelt Klassenbuchstaben")
            << zwei << u"K-10-aIn.DTA"_s << QStringList{u"--kurs"_s} << 0 << QString()
            << u"b:m:Oeztuerk,Ali c:m:Dupre,Emile"_s;
        QTest::newRow("kein Klassenname")
            << zwei << u"Klasse7.DTA"_s << QStringList() << 2
            << u"\"Klasse7.DTA\" ist kein Name für eine Klasse"_s << QString();
        QTest::newRow("Kursname ohne --kurs")
            << zwei << u"K-10-aIn.DTA"_s << QStringList() << 2
            << u"\"K-10-aIn.DTA\" ist kein Name für eine Klasse"_s << QString();
        QTest::newRow("Jahrgang 14")
            << zwei << u"L-14a-De.DTA"_s << QStringList() << 2
            << u"Der Jahrgang im Namen \"L-14a-De.DTA\" muss zwischen 3 und 13 liegen."_s
            << QString();
        QTest::newRow("doppelter Name")
            << QByteArray("Abel;Anna;w;a\r\nABEL;anna;w;b\r\n") << u"L-7a-De.DTA"_s << QStringList()
            << 2 << u"Der Name Abel ist doppelt vorhanden!"_s << QString();
        QTest::newRow("Geschlecht fehlt")
            << QByteArray("Abel;Anna;x;a\r\n") << u"L-7a-De.DTA"_s << QStringList() << 2
            << u"Die Angaben (Vorname, Nachname oder Geschlecht) sind nicht vollständig!"_s
            << QString();
        QTest::newRow("nicht speicherbares Zeichen")
            << QByteArray("Abel;Anna;w;a\r\n\xD0\x98\xD0\xB2;Petrow;m;a\r\n") << u"L-7a-De.DTA"_s
            << QStringList() << 2 << u"Die Importdatei \""_s << QString();
        QByteArray einundvierzig;
        for (int i = 0; i < 41; ++i) {
            einundvierzig += "Name" + QByteArray(1, char('a' + i % 26)) +
                             QByteArray(i / 26 + 1, 'x') + ";Vor;m;a\r\n";
        }
        QTest::newRow("41 Schueler") << einundvierzig << u"L-7a-De.DTA"_s << QStringList() << 2
                                     << u"Die Importdatei \""_s << QString();
        QTest::newRow("ohne Namen") << QByteArray(";;;\r\n\r\n") << u"L-7a-De.DTA"_s
                                    << QStringList() << 2 << u"Die Importdatei \""_s << QString();
    }
    void klasseImportieren()
    {
        QFETCH(QByteArray, quelle);
        QFETCH(QString, ziel);
        QFETCH(QStringList, schalter);
        QFETCH(int, ergebnis);
        QFETCH(QString, meldung);
        QFETCH(QString, namen);
        Testordner o;
        o.schreibe(u"namen.txt"_s, quelle);
        const Lauf l =
            werkzeug(QStringList{u"klasse-importieren"_s, o.datei(u"namen.txt"_s), o.datei(ziel)} +
                     schalter);
        QCOMPARE(l.ergebnis, ergebnis);
        QVERIFY2(l.fehler.startsWith(meldung), qPrintable(l.fehler));
        QCOMPARE(QFile::exists(o.datei(ziel)), ergebnis == 0);
        if (ergebnis != 0) {
            return;
        }
        QCOMPARE(l.aus.trimmed(), o.datei(ziel) + u": 2 Schüler"_s);
        Klasse k;
        SkriptRueckfragen r;
        QVERIFY(klasseLadenAusDatei(o.datei(ziel), k, r));
        QStringList liste;
        for (int i = 1; i <= klassenGroesse(k); ++i) {
            const Schueler &s = k.schueler(i);
            liste.append(s.klasse + u':' + s.geschlecht + u':' + s.nachname + u',' + s.vorname);
        }
        QCOMPARE(liste.join(u' '), namen);
        QCOMPARE(k.notenart(5).langname, u"Tests, Klassenarbeiten usw."_s);
        QCOMPARE(k.gewicht(2), qint16(43));
    }

    // Jedes Verb, das eine Klassendatei schreibt, laesst eine Klasse in Ruhe, die ein anderes
    // Programm offen haelt: Meldung, Rueckgabe 2, die Datei unveraendert. Danach geht es.
    void offeneKlasseBleibt_data()
    {
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QString>("ziel"); // die offene Klasse
        QTest::newRow("klasse-schreiben") << u"klasse-schreiben"_s << u"L-7a-De.DTA"_s;
        QTest::newRow("klasse-importieren --ueberschreiben")
            << u"klasse-importieren"_s << u"L-7a-De.DTA"_s;
        QTest::newRow("klasse-importieren, andere Schreibweise")
            << u"klasse-importieren"_s << u"l-7a-de.dta"_s;
        QTest::newRow("versetzen") << u"versetzen"_s << u"2017-18/L-10b-Bio.DTA"_s;
    }
    void offeneKlasseBleibt()
    {
        QFETCH(QString, verb);
        QFETCH(QString, ziel);
        Testordner o;
        o.schreibe(u"namen.txt"_s, "Abel;Anna;w;a\r\n");
        o.schreibe(u"gut.json"_s, R"({"schueler": [{"nachname": "Abel"}]})");
        QVERIFY(QDir().mkpath(o.datei(u"2017-18"_s)));
        const QByteArray alt(kKlassenDateiGroesse, 'x');
        o.schreibe(ziel, alt);
        QStringList aufruf{verb};
        if (verb == u"klasse-schreiben"_s) {
            aufruf << o.datei(u"gut.json"_s) << o.datei(ziel);
        } else if (verb == u"klasse-importieren"_s) {
            aufruf << o.datei(u"namen.txt"_s) << o.datei(u"L-7a-De.DTA"_s) << u"--ueberschreiben"_s;
        } else {
            aufruf << klassenPfad << o.datei(u"2017-18"_s);
        }
        auto andere = std::make_unique<Klassensperre>();
        SkriptRueckfragen r;
        QVERIFY(andere->oeffnen(o.datei(ziel), r));
        const Lauf l = werkzeug(aufruf);
        QCOMPARE(l.ergebnis, 2);
        QVERIFY2(l.fehler.contains(u" ist in einem anderen Programm geöffnet"_s) &&
                     l.fehler.contains(u"Sie wird hier nicht geschrieben; es wurde nichts "
                                       "geändert."_s),
                 qPrintable(l.fehler));
        QCOMPARE(o.lies(ziel), alt);
        QCOMPARE(QFileInfo(o.datei(ziel)).dir().entryList({u"*.DTA"_s}, QDir::Files).size(), 1);
        andere.reset();
        QCOMPARE(werkzeug(aufruf).ergebnis, 0);
        QVERIFY(!QFile::exists(o.datei(ziel) + kKlassensperreEndung));
    }

    void klasseImportierenUeberschreibtNurMitSchalter()
    {
        Testordner o;
        o.schreibe(u"namen.txt"_s, "Abel;Anna;w;a\r\n");
        o.schreibe(u"l-7a-de.dta"_s, QByteArray(kKlassenDateiGroesse, 'x'));
        const QStringList aufruf{u"klasse-importieren"_s, o.datei(u"namen.txt"_s),
                                 o.datei(u"L-7a-De.DTA"_s)};
        Lauf l = werkzeug(aufruf);
        QCOMPARE(l.ergebnis, 2);
        QVERIFY(l.fehler.startsWith(u"Eine Datei  \""_s + o.datei(u"l-7a-de.dta"_s) +
                                    u"\"  existiert bereits!"_s));
        QCOMPARE(o.lies(u"l-7a-de.dta"_s), QByteArray(kKlassenDateiGroesse, 'x'));
        QVERIFY(!QFile::exists(o.datei(u"L-7a-De.DTA"_s)));

        l = werkzeug(aufruf + QStringList{u"--ueberschreiben"_s});
        QCOMPARE(l.ergebnis, 0);
        QVERIFY(!QFile::exists(o.datei(u"l-7a-de.dta"_s)));
        Klasse k;
        SkriptRueckfragen r;
        QVERIFY(klassenlisteLesen(o.datei(u"L-7a-De.DTA"_s), k, r));
        QCOMPARE(k.schueler(1).nachname, u"Abel"_s);

        // Scheitert der Import, bleibt die alte Datei, auch mit --ueberschreiben.
        o.schreibe(u"namen.txt"_s, "Abel;Anna;x;a\r\n");
        QCOMPARE(werkzeug(aufruf + QStringList{u"--ueberschreiben"_s}).ergebnis, 2);
        QVERIFY(klassenlisteLesen(o.datei(u"L-7a-De.DTA"_s), k, r));
        QCOMPARE(k.schueler(1).nachname, u"Abel"_s);
        QCOMPARE(werkzeug({u"klasse-importieren"_s, o.datei(u"namen.txt"_s)}).ergebnis, 1);
    }
};

QTEST_GUILESS_MAIN(WerkzeugVerbenTest)
#include "werkzeug_verben_test.moc"
