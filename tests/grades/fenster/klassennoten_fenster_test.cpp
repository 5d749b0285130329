// "Ausgabe/ Druck über Textprogramm" im Notenfenster: Taste "d", Ja, Vorlage und Dateiname, das
// gefuellte Dokument wird geoeffnet; Fehler beim Oeffnen und Abbruch.
#include "common/oeffner.h"
#include "fensterumgebung.h"
#include "grades/fenster/klassennoten_ausgabe.h"
#include "grades/textvorlage.h"

using namespace Qt::StringLiterals;

namespace {

struct MerkOeffner final : Oeffner
{
    QStringList geoeffnet;
    bool gelingt = true;
    bool oeffnen(const QString &pfad) override
    {
        geoeffnet << pfad;
        return gelingt;
    }
    bool programmStarten(const QString &, const QStringList &) override { return false; }
};

} // namespace

class KlassennotenFensterTest : public QObject
{
    Q_OBJECT
private slots:
    void tasteD()
    {
        MerkOeffner o;
        klassennotenOeffnerSetzen(&o);
        Fensterumgebung u;
        u.oeffne(u"L-7x-Ph.DTA"_s);
        const QString vorlage = u.ordner.datei(u"Klassennoten-Vorlage.docx"_s);
        QVERIFY(
            QFile::copy(QStringLiteral(MIVO_BASISQUELLE "/Klassennoten-Vorlage.docx"), vorlage));
        const QString ziel = u.ordner.datei(u"2016-17/L-7x-Ph.docx"_s);
        u.r.antworte(Rueckfragen::Knopf::Ja).dateiAntwort(vorlage).dateiAntwort(ziel);
        QTest::keyClick(u.f->tabelle, Qt::Key_D);
        QVERIFY2(u.r.meldungen().isEmpty(), qPrintable(u.r.meldungen().join(u'\n')));
        QCOMPARE(o.geoeffnet, QStringList{ziel});
        const QList<QStringList> tab = ersteTabelle(dateiInhalt(ziel));
        QCOMPARE(tab.size(), 27);
        QCOMPARE(tab[2][2], u"Albrecht"_s);
        QVERIFY(dokumentText(dateiInhalt(ziel)).contains(u"Stand: 10.02.2017"_s));
        // Danach ist die Tabelle wieder da, der Wartehinweis weg.
        QVERIFY(u.f->tabelle->isVisible());
        QVERIFY(u.f->findChild<QLabel *>(u"PWartehinweis"_s) == nullptr);

        // Kein Textprogramm: Meldung, das Dokument bleibt.
        o.gelingt = false;
        u.r.antworte(Rueckfragen::Knopf::Ja).dateiAntwort(vorlage).dateiAntwort(ziel);
        QTest::keyClick(u.f->tabelle, Qt::Key_D);
        QCOMPARE(u.r.letzteMeldung(),
                 u"Das Textprogramm konnte nicht geöffnet werden!\r\nDas Dokument wurde "
                 u"gespeichert unter:  "_s +
                     ziel + u"\r\nEs kann von dort mit einem Textprogramm geöffnet werden."_s);
        QVERIFY(QFile::exists(ziel));

        // Abbruch im Speicherdialog: nichts geschrieben, nichts geoeffnet.
        u.r.leeren();
        o.geoeffnet.clear();
        u.r.antworte(Rueckfragen::Knopf::Ja).dateiAntwort(vorlage).dateiAntwort(QString());
        QTest::keyClick(u.f->tabelle, Qt::Key_D);
        QVERIFY(o.geoeffnet.isEmpty());
        QVERIFY(u.r.meldungen().isEmpty());
        klassennotenOeffnerSetzen(nullptr);
    }
};

QTEST_MAIN(KlassennotenFensterTest)
#include "klassennoten_fenster_test.moc"
