// Werkzeug-Verb rtf-text: Text je Absatz und Laeufe als JSON.

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
    int rc = 0;
    QString aus;
    QString fehler;
};

Lauf ausfuehren(const QStringList &argumente)
{
    Lauf l;
    QTextStream aus(&l.aus);
    QTextStream fehler(&l.fehler);
    l.rc = werkzeugAusfuehren(argumente, aus, fehler);
    aus.flush();
    fehler.flush();
    return l;
}

QString testdatei(const QString &name)
{
    return QStringLiteral(MIVO_TESTDATEN) + u"/rtf/"_s + name;
}

} // namespace

class TestRtfText : public QObject
{
    Q_OBJECT

private slots:
    void text()
    {
        const Lauf l = ausfuehren({u"rtf-text"_s, testdatei(u"richedit-farben.rtf"_s)});
        QCOMPARE(l.rc, 0);
        QCOMPARE(l.aus, u"Grüße rot und Lücke, 5 €.\n1)\tFrage mit zweiter Lücke\nEnde\n"_s);
        QCOMPARE(l.fehler, QString());
    }

    void laeufe()
    {
        const Lauf l = ausfuehren({u"rtf-text"_s, testdatei(u"lo-farben.rtf"_s), u"--laeufe"_s});
        QCOMPARE(l.rc, 0);
        QJsonParseError pe;
        const QJsonArray a = QJsonDocument::fromJson(l.aus.toUtf8(), &pe).array();
        QVERIFY2(pe.error == QJsonParseError::NoError, qPrintable(pe.errorString()));
        QCOMPARE(a.size(), 16);
        const QJsonObject hund = a[5].toObject();
        QCOMPARE(hund.keys().size(), 8);
        QCOMPARE(hund[u"absatz"_s].toInt(), 2);
        QCOMPARE(hund[u"text"_s].toString(), u"Hund"_s);
        QCOMPARE(hund[u"farbe"_s].toArray(), (QJsonArray{1, 1, 1}));
        QCOMPARE(hund[u"hintergrund"_s].toArray(), (QJsonArray{215, 255, 215}));
        QCOMPARE(hund[u"groesse"_s].toDouble(), 12.0);
        const QJsonObject schlicht = a[4].toObject();
        QCOMPARE(schlicht[u"farbe"_s].toArray(), (QJsonArray{0, 0, 0})); // automatisch
        QVERIFY(schlicht[u"hintergrund"_s].isNull());
        QCOMPARE(schlicht[u"fett"_s], QJsonValue(false));
        const QJsonObject fett = a[12].toObject();
        QCOMPARE(fett[u"fett"_s], QJsonValue(true));
        QCOMPARE(fett[u"unterstrichen"_s], QJsonValue(true));
        QCOMPARE(fett[u"groesse"_s].toDouble(), 14.0);
        // Der leere Absatz 5 hat keinen Lauf.
        QCOMPARE(a[15].toObject()[u"absatz"_s].toInt(), 6);
    }

    void fehler_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("rc");
        QTest::addColumn<QString>("meldungTeil");
        QTest::newRow("fehlt") << QStringList{u"rtf-text"_s, testdatei(u"fehlt.rtf"_s)} << 2
                               << u"fehlt.rtf"_s;
        QTest::newRow("kein RTF") << QStringList{u"rtf-text"_s, testdatei(u"lo-farben.fodt"_s)} << 2
                                  << u"kein RTF"_s;
        QTest::newRow("ohne Datei") << QStringList{u"rtf-text"_s} << 1 << QString();
    }
    void fehler()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, rc);
        QFETCH(QString, meldungTeil);
        const Lauf l = ausfuehren(argumente);
        QCOMPARE(l.rc, rc);
        QVERIFY2(l.fehler.contains(meldungTeil), qPrintable(l.fehler));
        if (rc == 2) {
            QCOMPARE(l.aus, QString());
        }
    }
};

QTEST_MAIN(TestRtfText)
#include "tst_rtftext.moc"
