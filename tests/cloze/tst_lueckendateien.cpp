// Die Lückentest-Dateien: Urdatei, Lehrersicht, Schülerdatei, Schülersicht, ausgefüllte und
// benotete Datei, und die Werkzeug-Verben am Beispiel eines ganzen Durchgangs.

#include "cloze/lueckenbenotung.h"
#include "cloze/lueckendateien.h"
#include "conduct/katalog.h"
#include "lueckenhilfe.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"
#include "werkzeug/werkzeug.h"

#include <QTextBlock>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

const QString kBeispiel = u"Der [A:Hund] jagt die [F:Katze]. Die [E:Maus|Ratte|Laus] schläft."_s;

std::unique_ptr<QTextDocument> urdateiAus(const QString &quelle)
{
    Lueckentabelle tab;
    const auto arbeit = quelleLaden(quelle, tab);
    if (!arbeit) {
        return nullptr;
    }
    QString fehler;
    auto ur = urdateiErzeugen(*arbeit, tab, fehler);
    return ur ? ueberRtf(*ur) : nullptr;
}

// Schülersicht aus einer Urdatei, Einträge eingesetzt, als ausgefüllte Datei gelesen.
std::unique_ptr<QTextDocument> ausgefuellt(const QTextDocument &ur, const QStringList &eintraege)
{
    QString fehler;
    const auto sch = schuelerdateiErzeugen(ur, u"Urdatei"_s, fehler);
    if (!sch) {
        qWarning("%s", qPrintable(fehler));
        return nullptr;
    }
    auto sicht = ueberRtf(*sch);
    LueckenListen l;
    if (!schueleransichtAusSchuelerdatei(*sicht, l, u"S"_s).isEmpty()) {
        return nullptr;
    }
    for (int n = 1; n <= eintraege.size(); ++n) {
        if (!eintraege[n - 1].isEmpty()) {
            lueckeFuellen(*sicht, l.tabelle, n, eintraege[n - 1]);
        }
    }
    return ueberRtf(*ausgefuelltErzeugen(*sicht, l.tabelle));
}

} // namespace

class TestLueckendateien : public QObject
{
    Q_OBJECT

private slots:
    void urdateiBeispiel();
    void urdateiOhneLuecken();
    void zweistelligeNummern();
    void urdateiLadenSpeichernGleicheBytes();
    void beschaedigteUrdatei_data();
    void beschaedigteUrdatei();
    void schuelerdatei();
    void einzellisteOhneAlternativen();
    void ausgefuellteDatei();
    void schuelerEintraege_data();
    void schuelerEintraege();
    void benoten_data();
    void benoten();
    void benotenAbgewiesen_data();
    void benotenAbgewiesen();
    void tabstopps();
    void werkzeugDurchgang();
    void katalogZeigtLueckentest();
};

void TestLueckendateien::urdateiBeispiel()
{
    const auto ur = urdateiAus(kBeispiel);
    QVERIFY(ur);
    QCOMPARE(zeilen(*ur),
             (QStringList{u"Der <$01> jagt die <$02>. Die <$03> schläft."_s, QString(41, u'-'),
                          QString(), u"<Allgemeine Lueckenwoerter>"_s, u"01 Hund"_s, u"02 Katze"_s,
                          u"03 Maus"_s, QString(), u"<Einzellisten>"_s, u"02 ..."_s, u"03 Maus"_s,
                          u"03 Ratte"_s, u"03 Laus"_s, QString(),
                          u"<Lueckentest, Mivo-Zuzovuvavev, Gruppe: A>"_s}));
    // Die Marken stehen schwarz auf weiß, keine Lückenfarbe bleibt.
    QVERIFY(lueckenLaeufe(*ur).isEmpty());
}

void TestLueckendateien::urdateiOhneLuecken()
{
    const auto ur = urdateiAus(u"Nur Text."_s);
    QVERIFY(ur);
    QCOMPARE(zeilen(*ur).mid(3), (QStringList{u"<Allgemeine Lueckenwoerter>"_s, QString(),
                                              u"<Einzellisten>"_s, QString(), kSchlusszeile}));
    QString fehler;
    QVERIFY(!schuelerdateiErzeugen(*ur, u"U"_s, fehler));
    QVERIFY(fehler.contains(u"keine Lücken"_s));
}

void TestLueckendateien::zweistelligeNummern()
{
    QString quelle = u"Anfang"_s;
    for (int i = 1; i <= 12; ++i) {
        quelle += i == 7 ? u" [F:w7]"_s : u" [A:w%1]"_s.arg(i);
    }
    const auto ur = urdateiAus(quelle);
    QVERIFY(ur);
    const QStringList z = zeilen(*ur);
    QVERIFY(z[0].contains(u"<$07>"_s));
    QVERIFY(z.contains(u"07 w7"_s));
    QVERIFY(z.contains(u"07 ..."_s));
    QVERIFY(z.contains(u"12 w12"_s));
}

void TestLueckendateien::urdateiLadenSpeichernGleicheBytes()
{
    // Fett und eine Lücke in einem fetten Wort: das Format muss die Runde überstehen.
    Lueckentabelle tab;
    const auto arbeit =
        quelleLaden(u"Der [A:Hund] jagt\ndie [F:Katze]. Die [E:Maus|Ratte|Laus] schläft."_s, tab);
    QVERIFY(arbeit);
    QTextCursor c(arbeit.get());
    c.setPosition(0);
    c.setPosition(8, QTextCursor::KeepAnchor);
    QTextCharFormat fett;
    fett.setFontWeight(QFont::Bold);
    c.mergeCharFormat(fett);
    QString fehler;
    const QByteArray erste = rtfSchreiben(*urdateiErzeugen(*arbeit, tab, fehler));
    QByteArray bytes = erste;
    for (int runde = 0; runde < 3; ++runde) {
        QTextDocument doc;
        QVERIFY(rtfLesen(bytes, doc).ok());
        LueckenListen l;
        QCOMPARE(lehreransichtAusUrdatei(doc, l, u"U"_s), QString());
        QCOMPARE(doc.toPlainText(), u"Der Hund jagt\ndie Katze. Die Maus schläft."_s);
        QCOMPARE(l.tabelle[3].alternativen[1], u"Ratte"_s);
        const auto neu = urdateiErzeugen(doc, l.tabelle, fehler);
        QVERIFY(neu);
        bytes = rtfSchreiben(*neu);
        QCOMPARE(bytes, erste);
    }
}

void TestLueckendateien::beschaedigteUrdatei_data()
{
    QTest::addColumn<QString>("alt");
    QTest::addColumn<QString>("neu");
    QTest::newRow("Kopf fehlt") << u"<Einzellisten>"_s << u"Einzellisten"_s;
    QTest::newRow("Schlusszeile fehlt") << kSchlusszeile << u"Ende"_s;
    QTest::newRow("Marke ohne Lücke") << u"<$02>."_s << u"<$02>.<$04>"_s;
    QTest::newRow("Marke doppelt") << u"<$02>."_s << u"<$01>."_s;
    QTest::newRow("Nummer doppelt") << u"02 Katze"_s << u"01 Katze"_s;
    QTest::newRow("Lücke ohne Marke") << u"<$03>"_s << u"Maus"_s;
    QTest::newRow("F doppelt") << u"02 ..."_s << u"02 ...\r03 ..."_s;
    QTest::newRow("Einzelliste außer Reihe") << u"03 Laus"_s << u"03 Laus\r02 Igel"_s;
    QTest::newRow("Marken aneinander") << u"<$02>. Die <$03>"_s << u"<$02><$03>"_s;
}

void TestLueckendateien::beschaedigteUrdatei()
{
    QFETCH(QString, alt);
    QFETCH(QString, neu);
    const auto ur = urdateiAus(kBeispiel);
    QVERIFY(ur);
    QStringList z = zeilen(*ur).join(u'\r').replace(alt, neu).split(u'\r');
    QTextDocument doc;
    Zeilenmodell(doc).setzeAlle(z);
    const QString vorher = doc.toPlainText();
    LueckenListen l;
    l.anzahl = 7;
    QCOMPARE(lehreransichtAusUrdatei(doc, l, u"X._LA"_s),
             u"Die Datei X._LA ist keine gültige Lückentest-Datei."_s);
    QCOMPARE(doc.toPlainText(), vorher);
    QCOMPARE(l.anzahl, 7); // nichts übernommen
    QString fehler;
    QVERIFY(!schuelerdateiErzeugen(doc, u"X._LA"_s, fehler));
    QCOMPARE(fehler, u"Die Datei X._LA ist keine gültige Lückentest-Datei."_s);
}

void TestLueckendateien::schuelerdatei()
{
    const auto ur = urdateiAus(u"Im [A:zebra] und [E:Maus|Ratte] und [A:Äpfel] mit [F:frei] "
                               "[A:apfel] [A:Birne]."_s);
    QVERIFY(ur);
    QString fehler;
    const auto sch = schuelerdateiErzeugen(*ur, u"U"_s, fehler);
    QVERIFY2(sch, qPrintable(fehler));
    const QStringList z = zeilen(*sch);
    QCOMPARE(z.mid(1),
             (QStringList{QString(41, u'-'), QString(), kKopfAllgemein, u"apfel"_s, u"Äpfel"_s,
                          u"Birne"_s, u"zebra"_s, QString(), kKopfEinzel, u"02 Maus"_s,
                          u"02 Ratte"_s, u"04 ..."_s, QString(), kSchlusszeile}));
    // Schülersicht: jede Lücke zeigt den Platzhalter in ihren Farben.
    auto sicht = ueberRtf(*sch);
    LueckenListen l;
    QCOMPARE(schueleransichtAusSchuelerdatei(*sicht, l, u"S"_s), QString());
    QCOMPARE(l.anzahl, 6);
    QCOMPARE(l.allgemeine.size(), 4);
    const QList<LueckenLauf> laeufe = lueckenLaeufe(*sicht);
    QCOMPARE(laeufe.size(), 6);
    const QString arten = u"AEAFAA"_s;
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(laeufe[i].text, kPlatzhalter);
        QCOMPARE(laeufe[i].art, arten[i]);
        QCOMPARE(l.tabelle[i + 1].start, laeufe[i].start);
    }
    QCOMPARE(zeilen(*sicht).mid(1), (QStringList{QString(41, u'-'), QString()}));
}

void TestLueckendateien::einzellisteOhneAlternativen()
{
    const auto ur = urdateiAus(u"Ein [E:Hund|Katze] und [E:Maus] und [E:Igel]."_s);
    QVERIFY(ur);
    QString fehler;
    QVERIFY(!schuelerdateiErzeugen(*ur, u"U"_s, fehler));
    QCOMPARE(fehler, u"Die Einzelliste von Lücke Nr. 3 hat keine Alternativen."_s);
}

void TestLueckendateien::ausgefuellteDatei()
{
    const auto ur = urdateiAus(u"a [A:b1] [A:b2] [F:b3] [A:b4] c"_s);
    QVERIFY(ur);
    const auto aus = ausgefuellt(*ur, {u"b2"_s, u"b1"_s, u"frei"_s});
    QVERIFY(aus);
    const QString leer = kPlatzhalter;
    QCOMPARE(zeilen(*aus), (QStringList{u"a <b2 $01> <b1 $02> <frei $03> <"_s + leer + u" $04> c"_s,
                                        QString(41, u'-'), QString(), QString(), QString(48, u'-'),
                                        kKopfAusgefuellt, u"01 b2"_s, u"02 b1"_s, u"03 frei"_s,
                                        u"04 "_s + leer, QString(), kSchlusszeile}));
}

void TestLueckendateien::schuelerEintraege_data()
{
    QTest::addColumn<int>("luecke");
    QTest::addColumn<QString>("wort");
    QTest::addColumn<QString>("meldung");
    // Lücke 1 enthält schon "Hund".
    QTest::newRow("A-Wort ein zweites Mal") << 2 << u"Hund"_s << u"schon in Lücke 1"_s;
    QTest::newRow("A-Wort fremd") << 2 << u"Pferd"_s << u"nicht in der Liste"_s;
    QTest::newRow("A-Wort frei") << 2 << u"Esel"_s << QString();
    QTest::newRow("E aus der Liste") << 3 << u"Ratte"_s << QString();
    QTest::newRow("E fremd") << 3 << u"Esel"_s << u"Auswahlliste von Lücke 3"_s;
    QTest::newRow("F frei") << 4 << u"irgendwas Neues"_s << QString();
    QTest::newRow("F mit Marke") << 4 << u"x $05>"_s << u"<, > und $"_s;
    QTest::newRow("F leer") << 4 << u"  "_s << u"Bitte ein Wort"_s;
    QTest::newRow("Platzhalter leert") << 1 << kPlatzhalter << QString();
}

void TestLueckendateien::schuelerEintraege()
{
    QFETCH(int, luecke);
    QFETCH(QString, wort);
    QFETCH(QString, meldung);
    const auto ur = urdateiAus(u"Der [A:Hund] und [A:Esel] mit [E:Maus|Ratte] und [F:Katze]."_s);
    QVERIFY(ur);
    QString fehler;
    auto sicht = ueberRtf(*schuelerdateiErzeugen(*ur, u"U"_s, fehler));
    LueckenListen l;
    QCOMPARE(schueleransichtAusSchuelerdatei(*sicht, l, u"S"_s), QString());
    QVERIFY(lueckeFuellen(*sicht, l.tabelle, 1, u"Hund"_s));
    QCOMPARE(freieAWoerter(l.tabelle, l.allgemeine), QStringList{u"Esel"_s});
    const QString f = schuelerEintragPruefen(l.tabelle, l.allgemeine, luecke, wort);
    if (meldung.isEmpty()) {
        QVERIFY2(f.isEmpty(), qPrintable(f));
    } else {
        QVERIFY2(f.contains(meldung), qPrintable(f));
    }
}

void TestLueckendateien::benoten_data()
{
    QTest::addColumn<QStringList>("eintraege");
    QTest::addColumn<int>("richtig");
    QTest::addColumn<QString>("quote");
    QTest::addColumn<QString>("note");
    const QStringList alle{u"w1"_s, u"w2"_s, u"w3"_s, u"w4"_s, u"w5"_s, u"w6"_s, u"w7"_s, u"w8"_s};
    QTest::newRow("alle") << alle << 8 << u"1,00"_s << u"E-Niveau 1+,  G-Niveau 1+"_s;
    QStringList sechs = alle;
    sechs[2] = u"W3"_s;  // nur Großschreibung anders
    sechs[6] = u"w7 "_s; // Leerzeichen dahinter
    QTest::newRow("6 von 8") << sechs << 6 << u"0,75"_s << u"E-Niveau 2,  G-Niveau 1"_s;
    QTest::newRow("keine gefüllt")
        << QStringList{} << 0 << u"0,00"_s << u"E-Niveau 6,  G-Niveau 6"_s;
}

void TestLueckendateien::benoten()
{
    QFETCH(QStringList, eintraege);
    QFETCH(int, richtig);
    QFETCH(QString, quote);
    QFETCH(QString, note);
    QString quelle = u"Text"_s;
    for (int i = 1; i <= 8; ++i) {
        quelle += i == 7 ? u" [F:w7]"_s : u" [A:w%1]"_s.arg(i);
    }
    const auto ur = urdateiAus(quelle);
    QVERIFY(ur);
    const auto aus = ausgefuellt(*ur, eintraege);
    QVERIFY(aus);
    const LueckenBenotung b = lueckentestBenoten(*ur, u"U"_s, *aus, u"A"_s, standardNormtabelle());
    QVERIFY2(b.fehler.isEmpty(), qPrintable(b.fehler));
    QCOMPARE(b.richtig, richtig);
    const QStringList z = zeilen(*ueberRtf(*b.dokument));
    QCOMPARE(z[0], u"Lückentest mit Benotung und Korrektur"_s);
    QCOMPARE(z[3], u"Von  8  Lücken wurden  %1  richtig ausgefüllt."_s.arg(richtig));
    QCOMPARE(z[5], u"Das entspricht einem Trefferquotienten von  "_s + quote + u" ."_s);
    QCOMPARE(z[7], u"Erreichte Note:  "_s + note + u"   (nach den Standardanteilen)"_s);
    QCOMPARE(z[9], QString(68, u'-'));
    const QString erster = eintraege.value(0, kPlatzhalter);
    QVERIFY2(z[11].startsWith(u"Text <"_s + erster + u" $01= w1> <"_s), qPrintable(z[11]));
    const qsizetype kopf = z.indexOf(kBenotetKopfAusgefuellt);
    QVERIFY(kopf > 0);
    QCOMPARE(z[kopf + 1],
             eintraege.isEmpty() ? u"01 "_s + kPlatzhalter + u"\t\t>   w1"_s : u"01 w1\t="_s);
    if (richtig == 6) {
        QCOMPARE(z[kopf + 3], u"03 W3\t\t>   w3"_s);
    }
}

void TestLueckendateien::benotenAbgewiesen_data()
{
    QTest::addColumn<QString>("urQuelle");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("Urdatei ohne Lücken") << u"Nur Text."_s << u"keine Lücken"_s;
    QTest::newRow("andere Lückenzahl")
        << u"Ein [A:Hund] und [A:Katze] und [A:Maus]"_s << u"gehören nicht zusammen"_s;
}

void TestLueckendateien::benotenAbgewiesen()
{
    QFETCH(QString, urQuelle);
    QFETCH(QString, meldung);
    const auto ur = urdateiAus(urQuelle);
    const auto anderer = urdateiAus(u"Der [A:Hund] jagt die [F:Katze]."_s);
    QVERIFY(ur && anderer);
    const auto aus = ausgefuellt(*anderer, {u"Hund"_s});
    QVERIFY(aus);
    const LueckenBenotung b = lueckentestBenoten(*ur, u"U"_s, *aus, u"A"_s, standardNormtabelle());
    QVERIFY2(b.fehler.contains(meldung), qPrintable(b.fehler));
    QVERIFY(!b.dokument);
    // Ein Ausgefüllter, der keiner ist.
    QTextDocument kaputt(u"Hallo"_s);
    const LueckenBenotung k =
        lueckentestBenoten(*anderer, u"U"_s, kaputt, u"A.rtf"_s, standardNormtabelle());
    QCOMPARE(k.fehler, u"Die Datei A.rtf ist keine gültige Lückentest-Datei."_s);
}

void TestLueckendateien::tabstopps()
{
    const auto ur = urdateiAus(kBeispiel);
    const auto aus = ausgefuellt(*ur, {u"Hund"_s, u"Katze"_s, u"Ratte"_s});
    const LueckenBenotung b = lueckentestBenoten(*ur, u"U"_s, *aus, u"A"_s, standardNormtabelle());
    QVERIFY(b.dokument);
    const auto gelesen = ueberRtf(*b.dokument);
    const int kopf = int(zeilen(*gelesen).indexOf(kBenotetKopfAusgefuellt));
    for (int i = kopf + 1; i <= kopf + 3; ++i) {
        const QList<QTextOption::Tab> t =
            gelesen->findBlockByNumber(i).blockFormat().tabPositions();
        QCOMPARE(t.size(), 2);
        QCOMPARE(qRound(pixelZuPunkt(t[0].position)), 200);
        QCOMPARE(qRound(pixelZuPunkt(t[1].position)), 240);
    }
    // nach der Leerzeile keine Tabstopps mehr
    QVERIFY(gelesen->findBlockByNumber(kopf + 5).blockFormat().tabPositions().isEmpty());
}

void TestLueckendateien::werkzeugDurchgang()
{
    Testordner o;
    o.schreibe(u"ein.txt"_s, (kBeispiel + u'\n').toUtf8());
    o.schreibe(u"antworten.txt"_s, "01 Hund\n02 Katze\n03 Ratte\n");
    auto lauf = [&](const QStringList &argumente, QString *ausgabe = nullptr) {
        QString aus;
        QString fehler;
        QTextStream sa(&aus);
        QTextStream sf(&fehler);
        const int rc = werkzeugAusfuehren(argumente, sa, sf);
        sa.flush();
        if (ausgabe) {
            *ausgabe = aus;
        }
        if (rc != 0) {
            qWarning("%s", qPrintable(fehler));
        }
        return rc;
    };
    QCOMPARE(lauf({u"lueckentest-urdatei"_s, o.datei(u"ein.txt"_s), o.datei(u"T._LA"_s)}), 0);
    QCOMPARE(lauf({u"lueckentest-schuelerdatei"_s, o.datei(u"T._LA"_s), o.datei(u"S.rtf"_s)}), 0);
    QCOMPARE(lauf({u"lueckentest-ausfuellen"_s, o.datei(u"S.rtf"_s), o.datei(u"antworten.txt"_s),
                   o.datei(u"A.rtf"_s)}),
             0);
    QCOMPARE(lauf({u"lueckentest-benoten"_s, o.datei(u"T._LA"_s), o.datei(u"A.rtf"_s),
                   o.datei(u"B.rtf"_s)}),
             0);
    QString text;
    QCOMPARE(lauf({u"rtf-text"_s, o.datei(u"B.rtf"_s)}, &text), 0);
    QVERIFY(text.contains(u"Von  3  Lücken wurden  2  richtig ausgefüllt."_s));
    QVERIFY(text.contains(u"0,67 ."_s));
    QVERIFY(text.contains(u"Der <Hund $01= Hund> jagt die <Katze $02= Katze>. Die <Ratte $03= "
                          "Maus> schläft."_s));
    // Ein Wort, das nicht in der Einzelliste steht: abgebrochen, nichts geschrieben.
    o.schreibe(u"doppelt.txt"_s, "01 Hund\n03 Hund\n");
    QCOMPARE(lauf({u"lueckentest-ausfuellen"_s, o.datei(u"S.rtf"_s), o.datei(u"doppelt.txt"_s),
                   o.datei(u"D.rtf"_s)}),
             2);
    QVERIFY(!QFile::exists(o.datei(u"D.rtf"_s)));
    // Keine RTF-Datei als Urdatei: Meldung, nichts geschrieben.
    QCOMPARE(lauf({u"lueckentest-schuelerdatei"_s, o.datei(u"ein.txt"_s), o.datei(u"X.rtf"_s)}), 2);
    QVERIFY(!QFile::exists(o.datei(u"X.rtf"_s)));
}

void TestLueckendateien::katalogZeigtLueckentest()
{
    Testordner o;
    const auto ur = urdateiAus(
        u"Lückentest Biologie\nKlasse 7x\n\nThema: Tiere im Garten\nDer [A:Igel] frisst."_s);
    QVERIFY(ur);
    QDir().mkpath(o.datei(u"2016-17/7xD1Tier"_s));
    QCOMPARE(rtfDateiSpeichern(o.datei(u"2016-17/7xD1Tier/7xD1Tier._LA"_s), *ur), QString());
    QStringList themen{u"Tier- Tiere"_s};
    SkriptRueckfragen r;
    const Katalog k = vorhandeneTestsEinlesen(o.pfad(), u"2016-17"_s, u"........"_s,
                                              TestArt::Lueckentext, themen, r);
    QCOMPARE(k.zeilen.size(), 1);
    QVERIFY2(k.zeilen[0].contains(u"7xD1Tier   Tiere im Garten"_s), qPrintable(k.zeilen[0]));
    QVERIFY(r.meldungen().isEmpty());
}

QTEST_MAIN(TestLueckendateien)
#include "tst_lueckendateien.moc"
