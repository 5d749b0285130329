// Der Konzeptdruck eines Gitters: nur sichtbare Spalten und Zeilen, alles auf einer Seite.

#include "grades/fenster/griddruck.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>

using namespace Qt::StringLiterals;

class GridDruckTest : public QObject
{
    Q_OBJECT

    static QString pdfText(const QString &pdf)
    {
        QProcess p;
        p.start(QStandardPaths::findExecutable(u"pdftotext"_s), {u"-layout"_s, pdf, u"-"_s});
        p.waitForFinished(20000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) {
            QSKIP("pdftotext fehlt");
        }
    }

    void nurSichtbaresAufEinerSeite()
    {
        Testordner ordner;
        QTableWidget gitter(44, 4); // so viele Zeilen wie die Notentabelle hoechstens
        for (int z = 0; z < 44; ++z) {
            gitter.setRowHeight(z, 22);
            gitter.setItem(z, 0, new QTableWidgetItem(u"Zeile%1"_s.arg(z)));
            gitter.setItem(z, 1, new QTableWidgetItem(u"Verborgen"_s));
            gitter.setItem(z, 2, new QTableWidgetItem(u"Breit"_s));
            gitter.setItem(z, 3, new QTableWidgetItem(u"Schmal"_s));
        }
        gitter.setColumnHidden(1, true);
        gitter.setColumnWidth(3, 0);
        gitter.setRowHidden(7, true);
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(ordner.datei(u"g.pdf"_s));
        QVERIFY(GridDruck(gitter, drucker, 20, 0.7, 50));
        QCOMPARE(drucker.docName(), u"Grid-Druck"_s);
        const QString text = pdfText(ordner.datei(u"g.pdf"_s));
        QVERIFY(text.contains(u"Zeile0"_s));
        QVERIFY(text.contains(u"Zeile43"_s)); // kein Seitenumbruch: die letzte Zeile ist da
        QVERIFY(!text.contains(u"Zeile7 "_s) && !text.contains(u"Zeile7\n"_s));
        QVERIFY(text.contains(u"Breit"_s));
        QVERIFY(!text.contains(u"Verborgen"_s));
        QVERIFY(!text.contains(u"Schmal"_s));
        QCOMPARE(text.count(u'\f'), 1);
    }

    void dialogAbbruchDrucktNichts()
    {
        Testordner ordner;
        SkriptRueckfragen r;
        QTableWidget gitter(2, 2);
        const QString pdf = ordner.datei(u"nie.pdf"_s);
        const bool ok = tabelleDrucken(
            gitter,
            [pdf](QPrinter &p) {
                p.setOutputFileName(pdf);
                return false;
            },
            r);
        QVERIFY(!ok);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(r.protokoll.isEmpty());
    }
};

QTEST_MAIN(GridDruckTest)
#include "griddruck_test.moc"
