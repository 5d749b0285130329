// Die Sitzung des Lückentests ohne Fenster: Abläufe aus Tippen, Markieren, Probe (F4), Speichern,
// Laden und Verlassen; gefragt wird, was der Benutzer sähe, gespeichert nur der Lehrertext.

#include "cloze/lueckensitzung.h"
#include "lueckenhilfe.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QTextCursor>

using namespace Qt::StringLiterals;

namespace {

using Knopf = Rueckfragen::Knopf;
using Modus = Lueckensitzung::Modus;
using Ansicht = Lueckensitzung::Ansicht;

const QString kText = u"Der Hund jagt die Katze."_s;

QStringList dateiZeilen(const QString &pfad)
{
    QTextDocument doc;
    if (!rtfDateiLaden(pfad, doc).isEmpty()) {
        return {};
    }
    return zeilen(doc);
}

// Ein Schritt, wie das Fenster ihn an die Sitzung gibt. false: der Schritt hat abgebrochen.
bool schritt(Lueckensitzung &s, const QString &was, const QString &urdatei)
{
    QTextDocument &doc = s.dokument();
    QTextCursor c(&doc);
    if (was == u"neu") {
        return s.neuerTest(urdatei);
    }
    if (was == u"oeffnen") {
        return s.testOeffnen(urdatei);
    }
    if (was == u"tippen") { // Textbearbeitung: an den Anfang bzw. ans Ende
        c.movePosition(QTextCursor::End);
        c.insertText(doc.isEmpty() ? kText : u" Mehr."_s);
        return true;
    }
    if (was == u"markieren") { // "Hund" als Auswahl-Lückenwort
        return s.markieren(4, 8, kArtA).isEmpty();
    }
    if (was == u"eintragen") { // Lücke 1 füllen: Schüler leert sie, Probe ebenso
        return s.eintragen(1, kPlatzhalter).isEmpty();
    }
    if (was == u"F1") {
        s.f1();
        return true;
    }
    if (was == u"F4") {
        s.f4();
        return true;
    }
    if (was == u"speichern") {
        return s.urdateiSpeichern();
    }
    if (was == u"laden") {
        return s.urdateiLaden();
    }
    if (was == u"erzeugen") {
        return s.schuelerdateiErzeugen();
    }
    if (was == u"schueler") {
        return s.schuelerdateiLaden();
    }
    if (was == u"eintraegeSpeichern") {
        return s.eintraegeSpeichern();
    }
    if (was == u"benoten") {
        return s.benoten(QString()) != nullptr;
    }
    if (was == u"verlassen") { // Ende, Schließen, zurück zur Testauswahl
        return s.speicherAbfrage(true);
    }
    qFatal("unbekannter Schritt %s", qPrintable(was));
}

} // namespace

class TestLueckensitzung : public QObject
{
    Q_OBJECT

private slots:
    void ablaeufe_data();
    void ablaeufe();
};

void TestLueckensitzung::ablaeufe_data()
{
    QTest::addColumn<QStringList>("schritte");
    QTest::addColumn<QList<Knopf>>("antworten");
    QTest::addColumn<QStringList>("fragen");  // Schluss jeder gestellten Frage
    QTest::addColumn<bool>("letzterOk");      // Ergebnis des letzten Schritts
    QTest::addColumn<QStringList>("urdatei"); // erste Zeile, weitere enthaltene; leer: keine
    QTest::addColumn<QString>("text");        // Arbeitstext danach
    QTest::addColumn<Modus>("modus");
    QTest::addColumn<Ansicht>("ansicht");
    QTest::addColumn<bool>("geaendert");

    const QString urFrage = u"Soll die Urdatei jetzt gespeichert werden?"_s;
    const QString verwerfen = u"Sollen die Änderungen verworfen werden?"_s;
    const QString eintraege = u"Sollen sie jetzt gespeichert werden?"_s;
    const QStringList markiert{u"neu"_s, u"tippen"_s, u"F1"_s, u"markieren"_s, u"speichern"_s};
    const QStringList gespeichert{u"Der <$01> jagt die Katze."_s, u"01 Hund"_s};
    const QString mitLuecke = kText;
    const QString probe = u"Der "_s + kPlatzhalter + u" jagt die Katze."_s;

    QTest::newRow("unverändert verlassen: keine Frage")
        << QStringList{u"neu"_s, u"verlassen"_s} << QList<Knopf>{} << QStringList{} << true
        << QStringList{} << QString() << Modus::Text << Ansicht::Lehrer << false;
    QTest::newRow("getippt, verlassen, Ja: gespeichert")
        << QStringList{u"neu"_s, u"tippen"_s, u"verlassen"_s} << QList<Knopf>{Knopf::Ja}
        << QStringList{urFrage} << true << QStringList{kText} << kText << Modus::Text
        << Ansicht::Lehrer << false;
    QTest::newRow("getippt, verlassen, Nein: nichts geschrieben")
        << QStringList{u"neu"_s, u"tippen"_s, u"verlassen"_s} << QList<Knopf>{Knopf::Nein}
        << QStringList{urFrage} << true << QStringList{} << kText << Modus::Text << Ansicht::Lehrer
        << true;
    QTest::newRow("getippt, verlassen, Abbruch: bleibt")
        << QStringList{u"neu"_s, u"tippen"_s, u"verlassen"_s} << QList<Knopf>{Knopf::Abbruch}
        << QStringList{urFrage} << false << QStringList{} << kText << Modus::Text << Ansicht::Lehrer
        << true;
    QTest::newRow("getippt, neuer Test, Abbruch: Text bleibt")
        << QStringList{u"neu"_s, u"tippen"_s, u"neu"_s} << QList<Knopf>{Knopf::Abbruch}
        << QStringList{urFrage} << false << QStringList{} << kText << Modus::Text << Ansicht::Lehrer
        << true;
    QTest::newRow("markiert und gespeichert: Lückenbearbeitung, keine Frage")
        << markiert << QList<Knopf>{} << QStringList{} << true << gespeichert << mitLuecke
        << Modus::Luecken << Ansicht::Lehrer << false;
    QTest::newRow("gespeichert, F1 ändert nichts")
        << markiert + QStringList{u"F1"_s, u"F1"_s, u"verlassen"_s} << QList<Knopf>{}
        << QStringList{} << true << gespeichert << mitLuecke << Modus::Luecken << Ansicht::Lehrer
        << false;
    QTest::newRow("Probe: Einträge ändern den Lehrertext nicht")
        << markiert + QStringList{u"F4"_s, u"eintragen"_s, u"verlassen"_s} << QList<Knopf>{}
        << QStringList{} << true << gespeichert << probe << Modus::Schuelertest << Ansicht::Lehrer
        << false;
    QTest::newRow("Probe: Speichern weist ab")
        << markiert + QStringList{u"F1"_s, u"tippen"_s, u"F4"_s, u"eintragen"_s, u"speichern"_s}
        << QList<Knopf>{} << QStringList{} << false << gespeichert << probe + u" Mehr."_s
        << Modus::Schuelertest << Ansicht::Lehrer << true;
    QTest::newRow("Probe: verlassen, Ja speichert den Lehrertext vor F4")
        << markiert + QStringList{u"F1"_s, u"tippen"_s, u"F4"_s, u"eintragen"_s, u"verlassen"_s}
        << QList<Knopf>{Knopf::Ja} << QStringList{urFrage} << true
        << QStringList{u"Der <$01> jagt die Katze. Mehr."_s, u"01 Hund"_s} << probe + u" Mehr."_s
        << Modus::Schuelertest << Ansicht::Lehrer << false;
    QTest::newRow("Probe: F1 holt den Lehrertext zurück, Änderung bleibt")
        << markiert + QStringList{u"F1"_s, u"tippen"_s, u"F4"_s, u"eintragen"_s, u"F1"_s}
        << QList<Knopf>{} << QStringList{} << true << gespeichert << kText + u" Mehr."_s
        << Modus::Luecken << Ansicht::Lehrer << true;
    QTest::newRow("Probe: Laden fragt nur nach Verwerfen")
        << markiert + QStringList{u"F1"_s, u"tippen"_s, u"F4"_s, u"laden"_s}
        << QList<Knopf>{Knopf::Nein} << QStringList{verwerfen} << false << gespeichert
        << kText + u" Mehr."_s << Modus::Schuelertest << Ansicht::Lehrer << true;
    QTest::newRow("geändert, Laden, Ja: verworfen")
        << markiert + QStringList{u"F1"_s, u"tippen"_s, u"laden"_s} << QList<Knopf>{Knopf::Ja}
        << QStringList{verwerfen} << true << gespeichert << mitLuecke << Modus::Luecken
        << Ansicht::Lehrer << false;
    QTest::newRow("geändert, Schülertestdatei erzeugen, Ja: erst gespeichert")
        << markiert + QStringList{u"F1"_s, u"tippen"_s, u"erzeugen"_s} << QList<Knopf>{Knopf::Ja}
        << QStringList{urFrage} << true << QStringList{u"Der <$01> jagt die Katze. Mehr."_s}
        << kText + u" Mehr."_s << Modus::Text << Ansicht::Lehrer << false;
    QTest::newRow("Schüler: verlassen, Ja speichert die Einträge")
        << markiert + QStringList{u"erzeugen"_s, u"schueler"_s, u"eintragen"_s, u"verlassen"_s}
        << QList<Knopf>{Knopf::Ja} << QStringList{eintraege} << true << gespeichert
        << probe + u"\n"_s + QString(41, u'-') + u'\n' << Modus::Schuelertest << Ansicht::Schueler
        << false;
    QTest::newRow("Schüler: Test öffnen, Nein: nur eine Frage")
        << markiert + QStringList{u"erzeugen"_s, u"schueler"_s, u"eintragen"_s, u"oeffnen"_s}
        << QList<Knopf>{Knopf::Nein} << QStringList{eintraege} << true << gespeichert << mitLuecke
        << Modus::Luecken << Ansicht::Lehrer << false;
    QTest::newRow("Schüler: benotet, dann Lehreransicht")
        << markiert + QStringList{u"erzeugen"_s, u"schueler"_s, u"eintragen"_s,
                                  u"eintraegeSpeichern"_s, u"benoten"_s}
        << QList<Knopf>{} << QStringList{} << true << gespeichert << mitLuecke << Modus::Luecken
        << Ansicht::Lehrer << false;
}

void TestLueckensitzung::ablaeufe()
{
    QFETCH(QStringList, schritte);
    QFETCH(QList<Knopf>, antworten);
    QFETCH(QStringList, fragen);
    QFETCH(bool, letzterOk);
    QFETCH(QStringList, urdatei);
    QFETCH(QString, text);
    QFETCH(Modus, modus);
    QFETCH(Ansicht, ansicht);
    QFETCH(bool, geaendert);

    Testordner ordner;
    const QString pfad = ordner.datei(u"2016-17/7xD1Tier/7xD1Tier._LA"_s);
    SkriptRueckfragen r;
    for (Knopf k : antworten) {
        r.antworte(k);
    }
    Lueckensitzung s(r);
    bool ok = true;
    for (const QString &was : schritte) {
        ok = schritt(s, was, pfad);
    }
    QCOMPARE(ok, letzterOk);
    const QStringList gefragt = r.fragen();
    QCOMPARE(gefragt.size(), fragen.size());
    for (qsizetype i = 0; i < fragen.size(); ++i) {
        QVERIFY2(gefragt[i].endsWith(fragen[i]), qPrintable(gefragt[i]));
    }
    QCOMPARE(r.unbeantwortet, 0);
    const QStringList z = dateiZeilen(pfad);
    if (urdatei.isEmpty()) {
        QVERIFY(z.isEmpty());
    } else {
        QCOMPARE(z.value(0), urdatei.first());
        for (const QString &zeile : urdatei.mid(1)) {
            QVERIFY2(z.contains(zeile), qPrintable(z.join(u'|')));
        }
    }
    QCOMPARE(s.dokument().toPlainText(), text);
    QCOMPARE(s.modus(), modus);
    QCOMPARE(s.ansicht(), ansicht);
    QCOMPARE(s.geaendert(), geaendert);
}

QTEST_MAIN(TestLueckensitzung)
#include "tst_lueckensitzung.moc"
