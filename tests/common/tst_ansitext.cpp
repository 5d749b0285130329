// CP1252-Zeilendateien: Kodierung, Zeilenenden, Groessengrenze, atomares Schreiben.
#include "common/ansitext.h"
#include "unterstuetzung/testumgebung.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestAnsitext : public QObject
{
    Q_OBJECT

private slots:
    void jedesByteHinUndZurueck()
    {
        QByteArray alle;
        for (int b = 0; b < 256; ++b) {
            alle.append(char(b));
        }
        const QString text = ansiDekodieren(alle);
        QCOMPARE(text.size(), 256);
        QCOMPARE(ansiKodieren(text).value(), alle);
    }

    void sonderzeichen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("euro") << u"€"_s << QByteArray("\x80");
        QTest::newRow("anfuehrung") << u"„x“"_s << QByteArray("\x84x\x93");
        QTest::newRow("umlaute") << u"ßäÖü"_s << QByteArray("\xdf\xe4\xd6\xfc");
        QTest::newRow("strich") << u"–—"_s << QByteArray("\x96\x97");
    }
    void sonderzeichen()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(ansiKodieren(text).value(), bytes);
        QCOMPARE(ansiDekodieren(bytes), text);
    }

    void nichtDarstellbaresZeichen()
    {
        QString fremd;
        QVERIFY(!ansiKodieren(u"Łódź"_s, &fremd));
        QCOMPARE(fremd, u"Ł"_s);
        QVERIFY(!ansiKodieren(u"a😀"_s, &fremd));
        QCOMPARE(fremd, u"😀"_s);
        QVERIFY(ansiDarstellbar(u"Grüße €"_s));
    }

    void zeilenAufteilen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("crlf") << u"a\r\nb\r\n"_s << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("lf") << u"a\nb\n"_s << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("ohne letztes Ende") << u"a\r\nb"_s << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("gemischt") << u"a\nb\r\nc"_s << QStringList{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("leere Zeilen") << u"\r\n\r\nx\r\n"_s << QStringList{u""_s, u""_s, u"x"_s};
        QTest::newRow("leer") << QString() << QStringList{};
        QTest::newRow("cr allein bleibt") << u"a\rb\n"_s << QStringList{u"a\rb"_s};
    }
    void zeilenAufteilen()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, zeilen);
        QCOMPARE(::zeilenAufteilen(text), zeilen);
    }

    void schreibenMitCrLfUndLesen()
    {
        Testordner o;
        const QStringList zeilen{u"[Schule]"_s, u"Müller-Schule €/"_s, QString()};
        QVERIFY(ansiZeilenSchreiben(o.datei(u"x.txt"_s), zeilen).ok());
        QCOMPARE(o.lies(u"x.txt"_s), QByteArray("[Schule]\r\nM\xfcller-Schule \x80/\r\n\r\n"));
        const ZeilenErgebnis e = ansiZeilenLesen(o.datei(u"x.txt"_s));
        QVERIFY(e.ok());
        QCOMPARE(e.zeilen, zeilen);
    }

    void lesefehler_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<int>("art");
        QTest::newRow("fehlt") << u"fehlt"_s << int(DateiFehler::Art::Fehlt);
        QTest::newRow("ordner") << u"ordner"_s << int(DateiFehler::Art::IstOrdner);
        QTest::newRow("zu gross") << u"gross"_s << int(DateiFehler::Art::ZuGross);
        QTest::newRow("binaer") << u"binaer"_s << int(DateiFehler::Art::KeinText);
    }
    void lesefehler()
    {
        QFETCH(QString, fall);
        QFETCH(int, art);
        Testordner o;
        o.schreibe(u"ordner/x"_s, "x");
        o.schreibe(u"gross"_s, QByteArray(101, 'a'));
        o.schreibe(u"binaer"_s, QByteArray("MZ\x00\x01", 4));
        const ZeilenErgebnis e = ansiZeilenLesen(o.datei(fall), 100);
        QCOMPARE(int(e.fehler.art), art);
        QVERIFY(e.zeilen.isEmpty());
        QVERIFY(e.fehler.meldung().contains(o.datei(fall)));
    }

    void grenzeGenauErreicht()
    {
        Testordner o;
        o.schreibe(u"x"_s, QByteArray(100, 'a'));
        QVERIFY(ansiZeilenLesen(o.datei(u"x"_s), 100).ok());
    }

    void nichtDarstellbaresWirdNichtGeschrieben()
    {
        Testordner o;
        o.schreibe(u"x.txt"_s, "alt\r\n");
        const DateiFehler f = ansiZeilenSchreiben(o.datei(u"x.txt"_s), {u"neu Ł"_s});
        QCOMPARE(f.art, DateiFehler::Art::NichtDarstellbar);
        QVERIFY(f.meldung().contains(u"Ł"_s));
        QCOMPARE(o.lies(u"x.txt"_s), QByteArray("alt\r\n"));
    }

    void schreibgeschuetzteDateiBleibt()
    {
        Testordner o;
        o.schreibe(u"x.txt"_s, "alt\r\n");
        QFile::setPermissions(o.datei(u"x.txt"_s), QFile::ReadOwner | QFile::ReadUser);
        const DateiFehler f = ansiZeilenSchreiben(o.datei(u"x.txt"_s), {u"neu"_s});
        QFile::setPermissions(o.datei(u"x.txt"_s), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(f.art, DateiFehler::Art::Schreibfehler);
        QCOMPARE(o.lies(u"x.txt"_s), QByteArray("alt\r\n"));
    }

    void ordnerStattDateiBeimSchreiben()
    {
        Testordner o;
        o.schreibe(u"d/inhalt"_s, "x");
        QCOMPARE(atomarSchreiben(o.datei(u"d"_s), "neu").art, DateiFehler::Art::IstOrdner);
        QCOMPARE(o.lies(u"d/inhalt"_s), QByteArray("x"));
    }
};

QTEST_GUILESS_MAIN(TestAnsitext)
#include "tst_ansitext.moc"
