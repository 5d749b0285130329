// Ordner und Muster: Gross-/Kleinschreibung egal, Verknuepfungen werden nie verfolgt.
#include "common/ordner.h"
#include "common/schuljahr.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestOrdner : public QObject
{
    Q_OBJECT

private slots:
    void musterOhneGrossKlein()
    {
        Testordner o;
        o.schreibe(u"l-7x-ph.dta"_s, "x");
        o.schreibe(u"K-9-Inx.DTA"_s, "x");
        o.schreibe(u"notiz.txt"_s, "x");
        o.schreibe(u"unter.dta/x"_s, "x");
        QCOMPARE(dateienNachMuster(o.pfad(), u"*.DTA"_s),
                 (QStringList{u"K-9-Inx.DTA"_s, u"l-7x-ph.dta"_s}));
        QCOMPARE(ordnerNachMuster(o.pfad()), QStringList{u"unter.dta"_s});
        QCOMPARE(dateienNachMuster(o.pfad(), u"*.?7x"_s), QStringList{});
        o.schreibe(u"Schmidtb.K7x"_s, "x");
        QCOMPARE(dateienNachMuster(o.pfad(), u"*.?7X"_s), QStringList{u"Schmidtb.K7x"_s});
    }

    void verknuepfungenWerdenNichtGelistet()
    {
        Testordner o;
        Testordner draussen;
        draussen.schreibe(u"geheim.dta"_s, "x");
        QVERIFY(QFile::link(draussen.datei(u"geheim.dta"_s), o.datei(u"link.dta"_s)));
        QVERIFY(QFile::link(draussen.pfad(), o.datei(u"linkordner"_s)));
        QVERIFY(dateienNachMuster(o.pfad(), u"*.dta"_s).isEmpty());
        QVERIFY(ordnerNachMuster(o.pfad()).isEmpty());
        QVERIFY(!dateiKopieren(o.datei(u"link.dta"_s), o.datei(u"kopie.dta"_s)));
        QVERIFY(!dateiVerschieben(o.datei(u"link.dta"_s), o.datei(u"weg.dta"_s)));
    }

    void baumLoeschenFolgtKeinerVerknuepfung()
    {
        Testordner o;
        Testordner draussen;
        draussen.schreibe(u"wichtig/note.txt"_s, "bleibt");
        o.schreibe(u"baum/a/b.txt"_s, "x");
        QVERIFY(QFile::link(draussen.datei(u"wichtig"_s), o.datei(u"baum/a/link"_s)));
        QVERIFY(baumLoeschen(o.datei(u"baum"_s)));
        QVERIFY(!QFileInfo::exists(o.datei(u"baum"_s)));
        QCOMPARE(draussen.lies(u"wichtig/note.txt"_s), QByteArray("bleibt"));
    }

    void baumKopierenUebergehtVerknuepfungen()
    {
        Testordner o;
        Testordner draussen;
        draussen.schreibe(u"geheim.txt"_s, "nein");
        o.schreibe(u"q/Bilder/01-1 Mond.jpg"_s, "jpg");
        o.schreibe(u"q/test.__A"_s, "test");
        QVERIFY(QFile::link(draussen.datei(u"geheim.txt"_s), o.datei(u"q/Bilder/geheim.txt"_s)));
        QVERIFY(baumKopieren(o.datei(u"q"_s), o.datei(u"z"_s)));
        QCOMPARE(o.lies(u"z/Bilder/01-1 Mond.jpg"_s), QByteArray("jpg"));
        QCOMPARE(o.lies(u"z/test.__A"_s), QByteArray("test"));
        QVERIFY(!QFileInfo::exists(o.datei(u"z/Bilder/geheim.txt"_s)));
    }

    void kopierenOhneUeberschreiben()
    {
        Testordner o;
        o.schreibe(u"a"_s, "neu");
        o.schreibe(u"b"_s, "alt");
        QVERIFY(!dateiKopieren(o.datei(u"a"_s), o.datei(u"b"_s), false));
        QCOMPARE(o.lies(u"b"_s), QByteArray("alt"));
        QVERIFY(dateiKopieren(o.datei(u"a"_s), o.datei(u"b"_s), true));
        QCOMPARE(o.lies(u"b"_s), QByteArray("neu"));
    }

    void verschiebenUndLoeschen()
    {
        Testordner o;
        o.schreibe(u"a"_s, "x");
        QVERIFY(ordnerAnlegen(o.datei(u"neu/tief/unten"_s)));
        QVERIFY(dateiVerschieben(o.datei(u"a"_s), o.datei(u"neu/tief/unten/a"_s)));
        QVERIFY(!QFileInfo::exists(o.datei(u"a"_s)));
        QCOMPARE(o.lies(u"neu/tief/unten/a"_s), QByteArray("x"));
        QVERIFY(dateiLoeschen(o.datei(u"neu/tief/unten/a"_s)));
        QVERIFY(dateiLoeschen(o.datei(u"gibtsnicht"_s)));
        QVERIFY(!dateiLoeschen(o.datei(u"neu"_s))); // ein Ordner ist keine Datei
        QVERIFY(ordnerLeeren(o.datei(u"neu"_s)));
        QVERIFY(QDir(o.datei(u"neu"_s)).isEmpty());
    }

    void mitTrenner_data()
    {
        QTest::addColumn<QString>("ein");
        QTest::addColumn<QString>("aus");
        QTest::newRow("ohne") << u"/a/b"_s << u"/a/b/"_s;
        QTest::newRow("mit") << u"/a/b/"_s << u"/a/b/"_s;
        QTest::newRow("leer") << QString() << QString();
    }
    void mitTrenner()
    {
        QFETCH(QString, ein);
        QFETCH(QString, aus);
        QCOMPARE(::mitTrenner(ein), aus);
    }

    void schuljahrListe()
    {
        const QStringList l = ::schuljahrListe();
        QCOMPARE(l.first(), u"..."_s);
        QCOMPARE(l.at(1), u"2008-09"_s);
        QCOMPARE(l.last(), u"2498-99"_s);
        QCOMPARE(l.size(), 1 + 2498 - 2008 + 1);
        QVERIFY(l.contains(u"2099-00"_s));
    }

    void aktuellesSchuljahr_data()
    {
        QTest::addColumn<QDate>("heute");
        QTest::addColumn<QString>("jahr");
        QTest::newRow("31. Juli") << QDate(2025, 7, 31) << u"2024-25"_s;
        QTest::newRow("1. August") << QDate(2025, 8, 1) << u"2025-26"_s;
        QTest::newRow("Dezember") << QDate(2026, 12, 7) << u"2026-27"_s;
        QTest::newRow("Januar") << QDate(2027, 1, 1) << u"2026-27"_s;
        QTest::newRow("Jahrhundert") << QDate(2099, 9, 1) << u"2099-00"_s;
    }
    void aktuellesSchuljahr()
    {
        QFETCH(QDate, heute);
        QFETCH(QString, jahr);
        QCOMPARE(::aktuellesSchuljahr(heute), jahr);
    }

    void schuljahrOrdnerName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ok");
        QTest::newRow("normal") << u"2016-17"_s << true;
        QTest::newRow("beispiele") << u"2016-17 Beispiele"_s << false;
        QTest::newRow("ohne strich") << u"2016_17"_s << false;
        QTest::newRow("nicht 2") << u"1999-00"_s << false;
        QTest::newRow("kurz") << u"2016-1"_s << false;
    }
    void schuljahrOrdnerName()
    {
        QFETCH(QString, name);
        QFETCH(bool, ok);
        QCOMPARE(istSchuljahrOrdnerName(name), ok);
    }
};

QTEST_GUILESS_MAIN(TestOrdner)
#include "tst_ordner.moc"
