#include "classdata/klassendatei.h"
#include "classdata/klassenexport.h"
#include "grades/klassenbau.h"
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
};

QTEST_GUILESS_MAIN(WerkzeugVerbenTest)
#include "werkzeug_verben_test.moc"
