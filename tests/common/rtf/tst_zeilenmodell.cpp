// Zeilenmodell: Lesen, Ersetzen, Einfuegen und Loeschen nach Zeilennummer.

#include "common/rtf/zeilenmodell.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;

class TestZeilenmodell : public QObject
{
    Q_OBJECT

private slots:
    void bearbeiten_data()
    {
        QTest::addColumn<QStringList>("vorher");
        QTest::addColumn<QString>("aktion");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("nachher");

        const QStringList abc{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("ersetzen Mitte")
            << abc << u"ersetzen"_s << 1 << true << QStringList{u"a"_s, u"X"_s, u"c"_s};
        QTest::newRow("ersetzen hinter dem Ende") << abc << u"ersetzen"_s << 3 << false << abc;
        QTest::newRow("ersetzen negativ") << abc << u"ersetzen"_s << -1 << false << abc;
        QTest::newRow("einfuegen vorne")
            << abc << u"einfuegen"_s << 0 << true << QStringList{u"X"_s, u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("einfuegen Mitte")
            << abc << u"einfuegen"_s << 2 << true << QStringList{u"a"_s, u"b"_s, u"X"_s, u"c"_s};
        QTest::newRow("einfuegen am Ende")
            << abc << u"einfuegen"_s << 3 << true << QStringList{u"a"_s, u"b"_s, u"c"_s, u"X"_s};
        QTest::newRow("einfuegen zu weit") << abc << u"einfuegen"_s << 4 << false << abc;
        QTest::newRow("einfuegen ins leere Dokument")
            << QStringList() << u"einfuegen"_s << 0 << true << QStringList{u"X"_s};
        QTest::newRow("loeschen vorne")
            << abc << u"loeschen"_s << 0 << true << QStringList{u"b"_s, u"c"_s};
        QTest::newRow("loeschen letzte")
            << abc << u"loeschen"_s << 2 << true << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("loeschen einzige")
            << QStringList{u"a"_s} << u"loeschen"_s << 0 << true << QStringList();
        QTest::newRow("loeschen zu weit") << abc << u"loeschen"_s << 3 << false << abc;
        QTest::newRow("leere Zeilen zaehlen")
            << QStringList{u"a"_s, QString(), QString()} << u"loeschen"_s << 1 << true
            << QStringList{u"a"_s, QString()};
    }
    void bearbeiten()
    {
        QFETCH(QStringList, vorher);
        QFETCH(QString, aktion);
        QFETCH(int, zeile);
        QFETCH(bool, ok);
        QFETCH(QStringList, nachher);
        QTextDocument doc;
        Zeilenmodell m(doc);
        m.setzeAlle(vorher);
        QCOMPARE(m.alle(), vorher);
        bool erg = false;
        if (aktion == u"ersetzen"_s) {
            erg = m.ersetzen(zeile, u"X"_s);
        } else if (aktion == u"einfuegen"_s) {
            erg = m.einfuegen(zeile, u"X"_s);
        } else {
            erg = m.loeschen(zeile);
        }
        QCOMPARE(erg, ok);
        QCOMPARE(m.alle(), nachher);
        QCOMPARE(m.anzahl(), nachher.size());
    }

    // Ersetzen behaelt Zeichen- und Absatzformat der Zeile; Einfuegen verschiebt die alte Zeile
    // mit ihrem Absatzformat.
    void formateBleiben()
    {
        QTextDocument doc;
        Zeilenmodell m(doc);
        m.setzeAlle({u"a"_s, u"b"_s});
        QTextCursor c = m.auswahl(1);
        QTextCharFormat rot;
        rot.setForeground(QColor(255, 0, 0));
        c.mergeCharFormat(rot);
        QTextBlockFormat einzug;
        einzug.setLeftMargin(30);
        c.setBlockFormat(einzug);
        QVERIFY(m.ersetzen(1, u"neu"_s));
        QTextCursor pruef = m.auswahl(1);
        QCOMPARE(pruef.selectedText(), u"neu"_s);
        QCOMPARE(pruef.charFormat().foreground().color(), QColor(255, 0, 0));
        QVERIFY(m.einfuegen(1, u"davor"_s));
        QCOMPARE(doc.findBlockByNumber(2).blockFormat().leftMargin(), 30.0);
        QCOMPARE(doc.findBlockByNumber(1).blockFormat().leftMargin(), 0.0);
        QCOMPARE(m.zeile(7), QString());
    }
};

QTEST_MAIN(TestZeilenmodell)
#include "tst_zeilenmodell.moc"
