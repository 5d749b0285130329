// Die Ansicht der Aufgabenanalyse: Faerbung nach Schwierigkeit, leere Werte, Druck als PDF.
// Mit MIVO_BILDER=<Ordner> legt der Test ein Bild der Ansicht und den Druck dort ab.
#include "conduct/fenster/aufgabenanalyse_ansicht.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "widgets/Druckhilfe.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Aufgabenanalyse beispiel()
{
    Aufgabenanalyse a;
    a.schueler = 24;
    a.kr20 = 0.712;
    const double quoten[] = {0.92, 0.55, 0.21, 0.67, 0.0};
    const std::optional<double> trenn[] = {0.31, 0.48, 0.12, -0.2, std::nullopt};
    for (int i = 0; i < 5; ++i) {
        Fragenanalyse f;
        f.nr = QString::number(i + 1);
        f.loesung = QChar(u'a' + i % 4);
        f.loesungsquote = quoten[i];
        f.trennschaerfe = trenn[i];
        f.antworten = {0.25, 0.25, 0.25, 0.2, 0.05};
        f.antworten[size_t(i % 4)] = quoten[i];
        a.fragen << f;
    }
    return a;
}

// Zaehlt die Groessenmessungen der Zellen.
class Zaehldelegat final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &o, const QModelIndex &i) const override
    {
        ++messungen;
        return QStyledItemDelegate::sizeHint(o, i);
    }
    mutable int messungen = 0;
};

QString bilderOrdner()
{
    return qEnvironmentVariableIsSet("MIVO_BILDER")
               ? QDir(qEnvironmentVariable("MIVO_BILDER")).absolutePath() + u'/'
               : QString();
}

} // namespace

class AufgabenanalyseAnsichtTest : public QObject
{
    Q_OBJECT
private slots:
    void faerbungUndLeereWerte()
    {
        SkriptRueckfragen r;
        AufgabenanalyseAnsicht v(r);
        v.zeigen(beispiel(), u"2024-25/7xP1Bspl"_s);
        QCOMPARE(v.SGAnalyse->rowCount(), 5);
        QVERIFY(v.LKopf->text().contains(u"24 gewertete Schüler"_s));
        QVERIFY(v.LKopf->text().contains(u"0,71"_s));
        // leicht gruen, mittel ungefaerbt, schwer (auch 0 %) rot
        const QColor leicht = v.SGAnalyse->item(0, 0)->background().color();
        const QColor schwer = v.SGAnalyse->item(2, 0)->background().color();
        QVERIFY(leicht.green() > leicht.red());
        QVERIFY(schwer.red() > schwer.green());
        QCOMPARE(v.SGAnalyse->item(1, 0)->background().style(), Qt::NoBrush);
        QCOMPARE(v.SGAnalyse->item(4, 0)->background().color(), schwer);
        QCOMPARE(v.SGAnalyse->item(0, 2)->text(), u"92 %"_s);
        QCOMPARE(v.SGAnalyse->item(3, 3)->text(), u"-0,20"_s);
        QCOMPARE(v.SGAnalyse->item(4, 3)->text(), QString()); // nicht bestimmbar
        // die richtige Antwort fett
        QVERIFY(v.SGAnalyse->item(1, 5)->font().bold());
        QVERIFY(!v.SGAnalyse->item(1, 4)->font().bold());

        // In seiner Groesse zeigt das Fenster jede Spalte ohne waagerechtes Rollen.
        v.resize(v.sizeHint());
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QCoreApplication::processEvents();
        QVERIFY2(v.SGAnalyse->viewport()->width() >= v.SGAnalyse->horizontalHeader()->length(),
                 qPrintable(u"%1 < %2"_s.arg(v.SGAnalyse->viewport()->width())
                                .arg(v.SGAnalyse->horizontalHeader()->length())));
        QVERIFY(v.SGAnalyse->viewport()->height() >= v.SGAnalyse->verticalHeader()->length());
        v.hide();

        Aufgabenanalyse leer;
        v.zeigen(leer);
        QCOMPARE(v.SGAnalyse->rowCount(), 0);
        QVERIFY(v.LKopf->text().contains(u"nicht bestimmbar"_s));
    }

    // Neu fuellen bei offenem Fenster (40 Fragen): die Spalten werden einmal gemessen, nicht
    // nach jeder gesetzten Zelle die ganze Tabelle.
    void neuFuellenBeiOffenemFenster()
    {
        Aufgabenanalyse a = beispiel();
        while (a.fragen.size() < 40) {
            a.fragen << a.fragen[a.fragen.size() % 5];
        }
        SkriptRueckfragen r;
        AufgabenanalyseAnsicht v(r);
        v.zeigen(a);
        v.resize(v.sizeHint());
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        auto *zaehler = new Zaehldelegat(v.SGAnalyse);
        v.SGAnalyse->setItemDelegate(zaehler);
        QCoreApplication::processEvents(); // das neue Delegat legt die Tabelle neu aus
        zaehler->messungen = 0;
        a.fragen[7].nr = u"Eine lange Nummer"_s;
        v.zeigen(a);
        QCoreApplication::processEvents();
        const int zellen = 40 * v.SGAnalyse->columnCount();
        QVERIFY2(zaehler->messungen <= 3 * zellen, qPrintable(QString::number(zaehler->messungen)));
        // Die breitere Nummer bekommt ihre Spalte trotzdem.
        QCOMPARE(v.SGAnalyse->horizontalHeader()->sectionSize(0),
                 std::max(v.SGAnalyse->horizontalHeader()->sectionSizeHint(0),
                          static_cast<QAbstractItemView *>(v.SGAnalyse)->sizeHintForColumn(0)));
    }

    void drucken()
    {
        QTemporaryDir dir;
        const QString ziel = bilderOrdner().isEmpty() ? dir.filePath(u"analyse.pdf"_s)
                                                      : bilderOrdner() + u"aufgabenanalyse.pdf"_s;
        QFile::remove(ziel);
        druck::setzeDialog([&](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(ziel);
            return true;
        });
        SkriptRueckfragen r;
        AufgabenanalyseAnsicht v(r);
        v.resize(760, 420);
        v.zeigen(beispiel(), u"2024-25/7xP1Bspl"_s);
        QVERIFY(v.druckdokument().toPlainText().contains(u"Trennschärfe"_s));
        QTest::mouseClick(v.BDrucken, Qt::LeftButton);
        druck::setzeDialog({});
        QVERIFY(r.meldungen().isEmpty());
        QVERIFY(QFileInfo(ziel).size() > 1000);
        if (!bilderOrdner().isEmpty()) {
            v.show();
            QVERIFY(QTest::qWaitForWindowExposed(&v));
            QVERIFY(v.grab().save(bilderOrdner() + u"aufgabenanalyse.png"_s));
        }
    }
};

QTEST_MAIN(AufgabenanalyseAnsichtTest)
#include "aufgabenanalyse_ansicht_test.moc"
