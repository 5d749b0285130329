#include "grades/klassenbau.h"
#include "grades/klassenexport.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kKopf =
    "Nachname;Vorname;Klasse;H0;H1;H2;H3;H4;H5;H6;H7;H8;H9;H-DS;M0;M1;M2;M3;M4;M5;M6;M7;M8;M9;M10;"
    "M11;M12;M13;M14;M15;M16;M17;M18;M19;M-DS;O0;O1;O2;O3;O4;O5;O6;O7;O8;O9;O-DS;P0;P1;P2;P3;P4;P5;"
    "P6;P7;P8;P9;P-DS;T0;T1;T2;T3;T4;T5;T6;T7;T8;T9;T-DS;\r\n";

QByteArray semikolons(int n)
{
    return QByteArray(n, ';');
}

} // namespace

class KlassenexportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English)); }

    void leereKlasseNurKopf()
    {
        const Klasse k = standardKlasse();
        QCOMPARE(*exportBytes(k), kKopf);
        QCOMPARE(kKopf.count(';'), 68);
    }

    void byteFuerByte()
    {
        Klasse k = standardKlasse();
        schuelerAnhaengen(k, u"Anna"_s, u"Müllerabcdefghijklmn"_s, u"w"_s, u"9b"_s);
        schuelerAnhaengen(k, u"Bert"_s, u"Berg"_s);
        notenSetzen(k, 1, 1, {u"2"_s, u"3"_s});
        k.schueler(1).note(2, 19) = u"1-"_s;
        k.schueler(1).note(4, 9) = u"4"_s;
        k.schueler(1).note(5, 0) = u"/"_s;
        const QByteArray erwartet =
            kKopf + "M\xFCllerabcdefghijklmn;Anna;9b;" + "2;3;" + semikolons(8) + "2,5;" +
            semikolons(19) + "1-;1,3;" + semikolons(10) + "0;" + semikolons(9) + "4;4;" + "/;" +
            semikolons(9) + "0;\r\n" + "Berg;Bert;;" + semikolons(10) + "0;" + semikolons(20) +
            "0;" + semikolons(10) + "0;" + semikolons(10) + "0;" + semikolons(10) + "0;\r\n";
        QCOMPARE(*exportBytes(k), erwartet);

        Testordner t;
        SkriptRueckfragen r;
        QVERIFY(exportSchreiben(k, t.datei(u"x.csv"_s), r));
        QCOMPARE(t.lies(u"x.csv"_s), erwartet);
    }

    void geaenderteTaste()
    {
        Klasse k = standardKlasse();
        k.notenart(3).taste = u'K';
        const QString kopf = exportZeilen(k).first();
        QVERIFY(kopf.contains(u";K0;K1;"_s));
        QVERIFY(kopf.contains(u";K9;K-DS;P0;"_s));
    }

    void menueAblauf()
    {
        Testordner t;
        Klasse k = standardKlasse();
        schuelerAnhaengen(k, u"Anna"_s, u"Abel"_s, u"w"_s);
        SkriptRueckfragen r;
        QVERIFY(!klassendatenExportieren(k, false, t.datei(u"L-7x-Ph.DTA"_s), r));
        QCOMPARE(r.letzteMeldung(),
                 u"Bitte zuerst eine Klasse laden:\r\n(Notenverwaltung > Klasse auswählen)"_s);
        QVERIFY(!klassendatenExportieren(k, true, t.datei(u"L-7x-Ph.DTA"_s), r));
        QCOMPARE(r.letzteMeldung(), u"Der Datenexport wurde abgebrochen!"_s);
        QCOMPARE(r.dateiDialogTitel.last(), u"Export der Klassendaten"_s);
        r.dateiAntwort(t.datei(u"aus.csv"_s));
        QVERIFY(klassendatenExportieren(k, true, t.datei(u"L-7x-Ph.DTA"_s), r));
        QCOMPARE(r.letzteMeldung(),
                 u"File : "_s + t.datei(u"aus.csv"_s) + u"  wurde gespeichert."_s);
        QVERIFY(t.lies(u"aus.csv"_s).startsWith(kKopf + "Abel;Anna;;"));
        // Ein Ordner als Ziel: Fehlermeldung, nichts geschrieben.
        r.dateiAntwort(t.pfad());
        QVERIFY(!klassendatenExportieren(k, true, t.datei(u"L-7x-Ph.DTA"_s), r));
        QVERIFY(!r.letzteMeldung().contains(u"gespeichert"_s));
    }
};

QTEST_GUILESS_MAIN(KlassenexportTest)
#include "klassenexport_test.moc"
