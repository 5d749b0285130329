// mivo-werkzeug klasse: JSON-Ausgabe, wie das Programm die Klasse laedt.
#include "classdata/klassendatei.h"
#include "classdata/klassensitzung.h"
#include "common/ordner.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"
#include "werkzeug/werkzeug.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

struct Lauf
{
    int status;
    QString aus;
    QString fehler;
};

Lauf ausfuehren(const QStringList &argumente)
{
    QString aus;
    QString fehler;
    QTextStream a(&aus);
    QTextStream f(&fehler);
    const int status = werkzeugAusfuehren(argumente, a, f);
    return {status, aus, fehler};
}

} // namespace

class TestWerkzeugKlasse : public QObject
{
    Q_OBJECT

private slots:
    void jsonGenau()
    {
        Testordner o;
        SkriptRueckfragen r;
        Klasse k; // Langnamen leer: Standard-Notenarten beim Laden
        Schueler &s = k.schueler(1);
        s.nachname = u"Öztürk"_s;
        s.vorname = u"Can \"C\""_s;
        s.geschlecht = u"m"_s;
        s.note(2, 19) = u"2-"_s;
        s.note(2, 20) = u"1"_s; // Slot 20 wird nie gezeigt
        k.schueler(3).nachname = u"hinter der Luecke"_s;
        k.datum(2, 19) = u"2017-01-18"_s;
        k.erlaeuterung(1, 3) = u"nur Erläuterung"_s;
        k.datum(5, 10) = u"2017-01-01"_s; // hinter dem letzten benutzbaren Slot
        QVERIFY(klassenlisteSchreiben(o.datei(u"L-7x-Ph.DTA"_s), k, r));

        const Lauf l = ausfuehren({u"klasse"_s, o.datei(u"L-7x-Ph.DTA"_s)});
        QCOMPARE(l.status, 0);
        QVERIFY(l.fehler.isEmpty());
        const QString zehnLeer = u"\"\", \"\", \"\", \"\", \"\", \"\", \"\", \"\", \"\", \"\""_s;
        const QString erwartet =
            u"{\"name\": \"L-7x-Ph\", \"groesse\": 1, \"kategorien\": ["_s
            u"{\"nr\": 1, \"langname\": \"Hausarbeiten\", \"kurzform\": \"&Hausarbeit\", \"taste\": \"H\", \"gewicht\": 1}, "_s
            u"{\"nr\": 2, \"langname\": \"Mündliche Leistungen\", \"kurzform\": \"&Mündliche\", \"taste\": \"M\", \"gewicht\": 43}, "_s
            u"{\"nr\": 3, \"langname\": \"Ordner\", \"kurzform\": \"&Ordner\", \"taste\": \"O\", \"gewicht\": 4}, "_s
            u"{\"nr\": 4, \"langname\": \"Protokolle\", \"kurzform\": \"P&rotokolle\", \"taste\": \"P\", \"gewicht\": 7}, "_s
            u"{\"nr\": 5, \"langname\": \"Tests, Klassenarbeiten usw.\", \"kurzform\": \"&Tests\", \"taste\": \"T\", \"gewicht\": 45}], "_s
            u"\"listen\": [{\"kategorie\": 1, \"slot\": 3, \"datum\": \"\", \"erlaeuterung\": \"nur Erläuterung\"}, "_s
            u"{\"kategorie\": 2, \"slot\": 19, \"datum\": \"2017-01-18\", \"erlaeuterung\": \"\"}], "_s
            u"\"schueler\": [{\"nr\": 1, \"klasse\": \"\", \"nachname\": \"Öztürk\", \"vorname\": \"Can \\\"C\\\"\", "_s
            u"\"geschlecht\": \"m\", \"zusatz\": \"\", \"noten\": {\"1\": ["_s +
            zehnLeer + u"], \"2\": ["_s + zehnLeer + u", "_s +
            u"\"\", \"\", \"\", \"\", \"\", \"\", \"\", \"\", \"\", \"2-\"], \"3\": ["_s +
            zehnLeer + u"], \"4\": ["_s + zehnLeer + u"], \"5\": ["_s + zehnLeer + u"]}, "_s +
            // Gewichtete Arten ohne Noten: keine Gesamtzensur
            u"\"schnitt\": {\"1\": \"\", \"2\": \"2,3\", \"3\": \"\", \"4\": \"\", \"5\": \"\"}, "_s
            u"\"gesamt\": \"\", \"punkte\": \"\", \"eNote\": \"\", \"gNote\": \"\"}]}\n"_s;
        QCOMPARE(l.aus, erwartet);
        QVERIFY(QJsonDocument::fromJson(l.aus.toUtf8()).isObject());
    }

    void beispielklasseAusQuelle()
    {
        // Die ausgelieferte Beispielklasse entsteht aus ihrer JSON-Quelle und gibt sie unveraendert
        // wieder.
        Testordner o;
        const QString quelle = QStringLiteral(MIVO_QUELLORDNER "/basisordner/quellen/L-7x-Ph.json");
        QCOMPARE(ausfuehren({u"klasse-schreiben"_s, quelle, o.datei(u"L-7x-Ph.DTA"_s)}).status, 0);
        const Lauf l = ausfuehren({u"klasse"_s, o.datei(u"L-7x-Ph.DTA"_s)});
        QCOMPARE(l.status, 0);
        QJsonObject aus = QJsonDocument::fromJson(l.aus.toUtf8()).object();
        // Die berechneten Felder stehen nicht in der Quelle.
        QJsonArray schueler = aus.value(u"schueler"_s).toArray();
        for (auto &&eintrag : schueler) {
            QJsonObject s = eintrag.toObject();
            QVERIFY(!s.value(u"gesamt"_s).toString().isEmpty());
            for (const QString &feld :
                 {u"schnitt"_s, u"gesamt"_s, u"punkte"_s, u"eNote"_s, u"gNote"_s}) {
                s.remove(feld);
            }
            eintrag = s;
        }
        aus.insert(u"schueler"_s, schueler);
        QCOMPARE(aus, QJsonDocument::fromJson(dateiInhalt(quelle)).object());
        QCOMPARE(aus.value(u"groesse"_s).toInt(), 25);
    }

    void unlesbareDatei_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("zu kurz") << QByteArray(100, 'x');
        QTest::newRow("leer") << QByteArray();
    }
    void unlesbareDatei()
    {
        QFETCH(QByteArray, inhalt);
        Testordner o;
        o.schreibe(u"kaputt.DTA"_s, inhalt);
        const Lauf l = ausfuehren({u"klasse"_s, o.datei(u"kaputt.DTA"_s)});
        QCOMPARE(l.status, 2);
        QVERIFY(l.aus.isEmpty());
        QCOMPARE(l.fehler,
                 u"Die Datei "_s + o.datei(u"kaputt.DTA"_s) + u"  kann nicht gelesen werden!\n"_s);
    }

    // Der Notenverlauf, wie ihn das Speichern schreibt, als JSON; mit --schueler nur einer.
    void verlauf()
    {
        Testordner o;
        SkriptRueckfragen r;
        QVERIFY(ordnerAnlegen(o.datei(u"2016-17"_s)));
        Klasse k;
        k.schueler(1).nachname = u"Öztürk"_s;
        k.schueler(1).vorname = u"Can"_s;
        k.schueler(2).nachname = u"Zorn"_s;
        k.schueler(2).vorname = u"Ida"_s;
        const QString pfad = o.datei(u"2016-17/L-7x-Ph.DTA"_s);
        QVERIFY(klassenlisteSchreiben(pfad, k, r));
        {
            Klassensitzung s{r};
            s.setzeSchuljahr(o.pfad(), u"2016-17"_s);
            QVERIFY(s.laden(u"L-7x-Ph.DTA"_s));
            s.klasse.erlaeuterung(5, 0) = u"Test „Brüche“"_s;
            // Geladen ist die Klasse sortiert: Zorn vor Öztürk (Bytefolge).
            QCOMPARE(s.klasse.schueler(2).nachname, u"Öztürk"_s);
            s.klasse.schueler(2).note(5, 0) = u"2"_s;
            s.klasse.schueler(1).note(5, 0) = u"4"_s;
            QVERIFY(s.geaendertMelden());
            s.klasse.schueler(2).note(5, 0) = u"1-"_s;
            QVERIFY(s.geaendertMelden());
            QVERIFY(s.speichern());
        }
        const Lauf alle = ausfuehren({u"verlauf"_s, pfad});
        QCOMPARE(alle.status, 0);
        QCOMPARE(QJsonDocument::fromJson(alle.aus.toUtf8()).array().size(), 3);
        const Lauf einer = ausfuehren({u"verlauf"_s, pfad, u"--schueler"_s, u"2"_s});
        QCOMPARE(einer.status, 0);
        const QJsonArray a = QJsonDocument::fromJson(einer.aus.toUtf8()).array();
        QCOMPARE(a.size(), 2);
        const QJsonObject neueste = a[0].toObject();
        QCOMPARE(neueste.value(u"nachname"_s).toString(), u"Öztürk"_s);
        QCOMPARE(neueste.value(u"alt"_s).toString(), u"2"_s);
        QCOMPARE(neueste.value(u"neu"_s).toString(), u"1-"_s);
        QCOMPARE(neueste.value(u"notenart"_s).toInt(), 5);
        QCOMPARE(neueste.value(u"liste"_s).toInt(), 1);
        QCOMPARE(neueste.value(u"erlaeuterung"_s).toString(), u"Test „Brüche“"_s);
        QCOMPARE(a[1].toObject().value(u"alt"_s).toString(), QString());
        QCOMPARE(ausfuehren({u"verlauf"_s, pfad, u"--schueler"_s, u"3"_s}).status, 2);
    }

    void falscherAufruf()
    {
        const Lauf l = ausfuehren({u"gibtsnicht"_s});
        QCOMPARE(l.status, 1);
        QVERIFY(l.fehler.contains(u"mivo-werkzeug klasse DATEI.DTA"_s));
    }
};

QTEST_GUILESS_MAIN(TestWerkzeugKlasse)
#include "tst_werkzeug_klasse.moc"
