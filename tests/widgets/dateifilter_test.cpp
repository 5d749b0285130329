// Dateifilter der Logik im Qt-Dateidialog: die Windows-Form darf keine Datei verstecken.
#include "widgets/QtRueckfragen.h"

#include <QFileDialog>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDateifilter : public QObject
{
    Q_OBJECT
private slots:
    void umwandeln_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Klammer schon da")
            << u"Normtabellen (*Normtabelle.xls *Normtabelle.ods)|*Normtabelle.xls;*Normtabelle.ods"_s
            << u"Normtabellen (*Normtabelle.xls *Normtabelle.ods)"_s;
        QTest::newRow("ohne Klammer") << u"Alle Klassen- u. Kurs-Dateien|*.DTA"_s
                                      << u"Alle Klassen- u. Kurs-Dateien (*.DTA)"_s;
        QTest::newRow("zwei Filter")
            << u"Texte|*.txt;*.csv|Alle|*"_s << u"Texte (*.txt *.csv);;Alle (*)"_s;
        QTest::newRow("Qt-Form bleibt") << u"Bilder (*.jpg *.png);;Alle Dateien (*)"_s
                                        << u"Bilder (*.jpg *.png);;Alle Dateien (*)"_s;
    }
    void umwandeln()
    {
        QFETCH(QString, filter);
        QTEST(qtDateifilter(filter), "erwartet");
    }

    // Der Speicherdialog waehlt den Filter der Standardendung vor (Export: "csv-Datei").
    void filterDerEndung_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("endung");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Export") << u"txt-Datei (*.txt);;csv-Datei (*.csv)"_s << u"csv"_s
                                << u"csv-Datei (*.csv)"_s;
        QTest::newRow("Gross/klein") << u"*.Doc"_s << u"doc"_s << u"*.Doc"_s;
        QTest::newRow("mehrere Muster")
            << u"Texte (*.txt *.csv);;Alle (*)"_s << u"csv"_s << u"Texte (*.txt *.csv)"_s;
        QTest::newRow("unbekannt: erster") << u"A (*.a);;B (*.b)"_s << u"c"_s << u"A (*.a)"_s;
        QTest::newRow("ohne Endung") << u"A (*.a);;B (*.b)"_s << QString() << u"A (*.a)"_s;
        QTest::newRow("Teilwort zaehlt nicht")
            << u"A (*.csvx);;B (*.csv)"_s << u"csv"_s << u"B (*.csv)"_s;
    }
    void filterDerEndung()
    {
        QFETCH(QString, filter);
        QFETCH(QString, endung);
        QTEST(::filterDerEndung(filter, endung), "erwartet");
    }

    // Der umgewandelte Filter findet die ausgelieferten Normtabellen.
    void findetDateien()
    {
        const QStringList muster = musterDerKlammer(
            qtDateifilter(u"Normtabellen (*Normtabelle.xls *Normtabelle.xlsx *Normtabelle.ods)|"
                          "*Normtabelle.xls;*Normtabelle.xlsx;*Normtabelle.ods"_s));
        QVERIFY(QDir::match(muster, u"P-Normtabelle.xls"_s));
        QVERIFY(!QDir::match(muster, u"Notizen.txt"_s));
    }

private:
    // Die Muster aus der letzten Klammer, wie der Dateidialog sie liest.
    static QStringList musterDerKlammer(const QString &filter)
    {
        const QString erster = filter.split(u";;"_s).constFirst();
        const qsizetype auf = erster.lastIndexOf(u'(');
        return erster.mid(auf + 1, erster.size() - auf - 2).split(u' ', Qt::SkipEmptyParts);
    }
};

QTEST_MAIN(TestDateifilter)
#include "dateifilter_test.moc"
