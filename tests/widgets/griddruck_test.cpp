// Der Konzeptdruck eines Gitters: nur sichtbare Spalten und Zeilen, verkleinert auf die
// Seitenbreite, weitere Seiten mit Kopfzeilen und Namensspalten, wenn es nicht passt.

#include "grades/notentabelle.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"
#include "widgets/Druckhilfe.h"
#include "widgets/griddruck.h"

#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList pdfSeiten(const QString &pdf)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(u"pdftotext"_s), {u"-layout"_s, pdf, u"-"_s});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
}

// Zeile 1 traegt die Spaltenkoepfe "S<spalte>", Spalte 2 die Zeilennamen "Z<zeile>".
void fuellen(QTableWidget &gitter, int breite, int hoehe)
{
    for (int z = 0; z < gitter.rowCount(); ++z) {
        gitter.setRowHeight(z, hoehe);
        for (int s = 0; s < gitter.columnCount(); ++s) {
            QString text = u"x"_s;
            if (z == 1) {
                text = u"S%1"_s.arg(s);
            } else if (s == 2) {
                text = u"Z%1"_s.arg(z);
            }
            gitter.setItem(z, s, new QTableWidgetItem(text));
        }
    }
    for (int s = 0; s < gitter.columnCount(); ++s) {
        gitter.setColumnWidth(s, s == 2 ? 80 : breite);
    }
}

bool drucken(const QTableWidget &gitter, const QString &pdf, QPageLayout::Orientation lage)
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(pdf);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageOrientation(lage);
    QPainter maler(&drucker);
    return GridDruck(gitter, maler, drucker, 20, 0.7, 50) && maler.end();
}

} // namespace

class GridDruckTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) {
            QSKIP("pdftotext fehlt");
        }
    }

    void nurSichtbares()
    {
        Testordner ordner;
        QTableWidget gitter(44, 6);
        fuellen(gitter, 40, 22);
        gitter.item(10, 4)->setText(u"Verborgen"_s);
        gitter.item(10, 5)->setText(u"Schmal"_s);
        gitter.item(7, 2)->setText(u"Zeile7weg"_s);
        gitter.setColumnHidden(4, true);
        gitter.setColumnWidth(5, 0);
        gitter.setRowHidden(7, true);
        QVERIFY(drucken(gitter, ordner.datei(u"g.pdf"_s), QPageLayout::Portrait));
        const QStringList seiten = pdfSeiten(ordner.datei(u"g.pdf"_s));
        QCOMPARE(seiten.size(), 1);
        QVERIFY(seiten[0].contains(u"Z43"_s));
        QVERIFY(!seiten[0].contains(u"Zeile7weg"_s));
        QVERIFY(!seiten[0].contains(u"Verborgen"_s));
        QVERIFY(!seiten[0].contains(u"Schmal"_s));
    }

    void seitenUndStreifen_data()
    {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("spalten");
        QTest::addColumn<int>("breite");
        QTest::addColumn<bool>("quer");
        QTest::addColumn<int>("seiten");
        // 30 Spalten zu 40 Pixeln sind breiter als A4 hochkant: verkleinert, eine Seite.
        QTest::newRow("verkleinert auf die Breite") << 20 << 30 << 40 << false << 1;
        QTest::newRow("quer passt") << 20 << 30 << 40 << true << 1;
        // 120 Schueler passen nicht auf eine Seite: drei Seiten, jede mit den Kopfzeilen.
        QTest::newRow("viele Zeilen") << 123 << 6 << 40 << false << 3;
        // 73 Spalten zu 100 Pixeln: unter dem kleinsten Massstab, also Streifen.
        QTest::newRow("Streifen") << 20 << 73 << 100 << true << 4;
    }
    void seitenUndStreifen()
    {
        QFETCH(int, zeilen);
        QFETCH(int, spalten);
        QFETCH(int, breite);
        QFETCH(bool, quer);
        QFETCH(int, seiten);
        Testordner ordner;
        QTableWidget gitter(zeilen, spalten);
        fuellen(gitter, breite, 22);
        QVERIFY(drucken(gitter, ordner.datei(u"g.pdf"_s),
                        quer ? QPageLayout::Landscape : QPageLayout::Portrait));
        const QStringList texte = pdfSeiten(ordner.datei(u"g.pdf"_s));
        QCOMPARE(texte.size(), seiten);
        QString alles;
        for (const QString &seite : texte) {
            // Feste Zeilen und Spalten auf jeder Seite.
            QVERIFY2(seite.contains(u"S0"_s) && seite.contains(u"S2"_s), qPrintable(seite));
            QVERIFY2(seite.contains(u'Z'), qPrintable(seite));
            alles += seite;
        }
        // Keine Spalte und keine Zeile fehlt.
        for (int s = 0; s < spalten; ++s) {
            QVERIFY2(alles.contains(u"S%1"_s.arg(s)), qPrintable(u"S%1"_s.arg(s)));
        }
        for (int z = 3; z < zeilen; ++z) {
            QVERIFY2(alles.contains(u"Z%1"_s.arg(z)), qPrintable(u"Z%1"_s.arg(z)));
        }
    }

    void dialogAbbruchDrucktNichts()
    {
        Testordner ordner;
        SkriptRueckfragen r;
        QTableWidget gitter(2, 2);
        const QString pdf = ordner.datei(u"nie.pdf"_s);
        druck::setzeDialog([pdf](QPrinter &p) {
            p.setOutputFileName(pdf);
            return false;
        });
        QVERIFY(!tabelleDrucken(gitter, r));
        druck::setzeDialog({});
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(r.protokoll.isEmpty());
    }
};

QTEST_MAIN(GridDruckTest)
#include "griddruck_test.moc"
