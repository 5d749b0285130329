// Klassennoten in Textvorlagen (.docx und .odt, von LibreOffice geschrieben): Fuellen der ersten
// Tabelle, Marken ueber mehrere Textstuecke, Zeilen entfernen und anfuegen, schlechte Vorlagen,
// Ausgabename, .doc-Vorlagen und das Werkzeugverb.
#include "classdata/klassendatei.h"
#include "grades/klassennoten.h"
#include "grades/textvorlage.h"
#include "grades/textvorlage_zip.h"
#include "klassenbau.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"
#include "werkzeug/werkzeug.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

QString vorlage(const QString &name)
{
    return QStringLiteral(MIVO_TESTDATEN) + u"/klassennoten/"_s + name;
}

// Klasse mit n Schuelern "Vn Nn", jeder mit einer Klausurnote in Art 1.
Klasse klasseMit(int n)
{
    Klasse k = standardKlasse();
    gewichteSetzen(k, {40, 30, 10, 10, 10});
    for (int i = 1; i <= n; ++i) {
        const int nr =
            schuelerAnhaengen(k, u"V"_s + QString::number(i), u"N"_s + QString::number(i));
        notenSetzen(k, nr, 1, {QString::number(1 + i % 6)});
    }
    return k;
}

const QDate kHeute(2024, 11, 5);

} // namespace

class KlassennotenTest : public QObject
{
    Q_OBJECT
    Testordner t;

private slots:
    void fuellen_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("schueler");
        for (const QString &endung : {u"docx"_s, u"odt"_s}) {
            const QByteArray e = endung.toLatin1();
            // 25 Schueler in 40 Zeilen: die Zeilen 28-40 entfallen.
            QTest::newRow("25 in 40 " + e) << u"vorlage-40."_s + endung << 25;
            // Weniger Vorlagenzeilen als Schueler: Zeilen im Format der letzten angefuegt.
            QTest::newRow("40 in 3 " + e) << u"vorlage-3."_s + endung << 40;
            // Klasse ohne Schueler: nur die Kopfzeilen.
            QTest::newRow("leer " + e) << u"vorlage-40."_s + endung << 0;
        }
    }
    void fuellen()
    {
        QFETCH(QString, datei);
        QFETCH(int, schueler);
        const Klasse k = klasseMit(schueler);
        const QString ziel = t.datei(u"aus-"_s + datei);
        SkriptRueckfragen r;
        QVERIFY(klassennotenSchreiben({vorlage(datei), ziel}, k, u"L-7x-Ph"_s,
                                      NotenAnzeige::Zensuren, kHeute, r));
        QVERIFY2(r.meldungen().isEmpty(), qPrintable(r.meldungen().join(u'\n')));
        const QByteArray dok = dateiInhalt(ziel);
        const QList<QStringList> tab = ersteTabelle(dok);
        QCOMPARE(tab.size(), schueler + 2);
        // Kopfzeile 1: Verweise aufgeloest, "$80$01" liegt ausserhalb (leer), Text mit Verweis
        // dahinter bleibt.
        QCOMPARE(tab[0].mid(0, 4),
                 (QStringList{u"Nr."_s, u"Vorname"_s, u"Nachname"_s, u"H\nDS"_s}));
        QCOMPARE(tab[0][10], u"E-Note $71$01"_s);
        QCOMPARE(tab[0][11], QString());
        // Kopfzeile 2: Gewichte ueber den Durchschnitten, leere Zelle bleibt leer, Text bleibt.
        QCOMPARE(tab[1][3], QString());
        QCOMPARE(tab[1][4], u"30 %"_s);
        QCOMPARE(tab[1][11], u"Bemerkung"_s);
        for (int n = 1; n <= schueler; ++n) {
            const QStringList &z = tab[n + 1];
            QCOMPARE(z.size(), 12);
            QCOMPARE(z[0], QString::number(n));
            QCOMPARE(z[1], u"V"_s + QString::number(n));
            QCOMPARE(z[2], u"N"_s + QString::number(n));
            QCOMPARE(z[3], QString());  // leere Kopfzelle in Zeile 2: keine Spalte
            QCOMPARE(z[10], QString()); // Kopfzeile 2 ohne Verweis: leer, auch "leer n" der Vorlage
            QCOMPARE(z[11], QString());
        }
        // Marken ueber zwei Textstuecke ersetzt; Leerzeichen am Stueckende bleiben.
        const QString text = dokumentText(dok);
        QVERIFY2(text.contains(u"Klassennoten Klasse: L-7x-Ph vom 05.11.2024"_s), qPrintable(text));
        QVERIFY(!text.contains(u"$Da"_s));
        // Nach der Tabelle bleibt alles: Absatz und zweite Tabelle mit ihrem Verweistext.
        QVERIFY(text.contains(u"Nach der Tabelle: Unterschrift"_s));
        QVERIFY(text.contains(u"$05$01"_s));
        QVERIFY(text.indexOf(u"Nach der Tabelle"_s) >
                text.indexOf(u"V"_s + QString::number(schueler)));
    }

    void kursUndPunkte()
    {
        Klasse k = klasseMit(2);
        const QString ziel = t.datei(u"kurs.odt"_s);
        SkriptRueckfragen r;
        QVERIFY(klassennotenSchreiben({vorlage(u"vorlage-3.odt"_s), ziel}, k, u"K-9-Inx"_s,
                                      NotenAnzeige::Zensuren, kHeute, r));
        QVERIFY(dokumentText(dateiInhalt(ziel)).contains(u"Klassennoten Kurs: K-9-Inx vom"_s));
    }

    // Schlechte Vorlagen: Meldung mit Ursache und Datei, nichts geschrieben, eine vorhandene
    // Datei unter dem Zielnamen bleibt, wie sie war.
    void schlechteVorlage_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QByteArray>("inhalt"); // leer: die Datei aus den Testdaten
        QTest::addColumn<QString>("ursache");
        QTest::newRow("11 Spalten docx")
            << u"spalten-11.docx"_s << QByteArray() << u"hat 11 Spalten; verlangt sind genau 12"_s;
        QTest::newRow("11 Spalten odt")
            << u"spalten-11.odt"_s << QByteArray() << u"hat 11 Spalten; verlangt sind genau 12"_s;
        QTest::newRow("ohne Tabelle docx")
            << u"ohne-tabelle.docx"_s << QByteArray() << u"enthält keine Tabelle"_s;
        QTest::newRow("ohne Tabelle odt")
            << u"ohne-tabelle.odt"_s << QByteArray() << u"enthält keine Tabelle"_s;
        QTest::newRow("Text") << u"Klassennoten-Text.docx"_s << QByteArray("$Datum\r\n")
                              << u"kein lesbares Textdokument"_s;
        QByteArray halb = dateiInhalt(vorlage(u"vorlage-40.docx"_s));
        halb.truncate(halb.size() / 2);
        QTest::newRow("abgeschnitten") << u"halb.docx"_s << halb << u"kein lesbares Textdokument"_s;
        // Gueltiges ZIP, aber das Hauptdokument endet mitten im XML.
        QList<ZipEintrag> eintraege = *zipLesen(dateiInhalt(vorlage(u"vorlage-40.docx"_s)));
        for (ZipEintrag &e : eintraege) {
            if (e.name == u"word/document.xml"_s) {
                e.daten.chop(40);
            }
        }
        QTest::newRow("XML kaputt")
            << u"kaputt.docx"_s << *zipSchreiben(eintraege) << u"kein lesbares"_s;
        // Zehntausendfach verschachtelt: abgewiesen, bevor ein Durchlauf den Stapel sprengt.
        const QByteArray tief = "<w:document xmlns:w=\"x\"><w:body>" +
                                QByteArray("<w:p>").repeated(20000) +
                                QByteArray("</w:p>").repeated(20000) + "</w:body></w:document>";
        QTest::newRow("zu tief") << u"tief.docx"_s
                                 << *zipSchreiben({{u"word/document.xml"_s, {}, tief}})
                                 << u"kein lesbares"_s;
    }
    void schlechteVorlage()
    {
        QFETCH(QString, datei);
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, ursache);
        QString pfad = vorlage(datei);
        if (!inhalt.isEmpty()) {
            pfad = t.datei(datei);
            dateiSchreiben(pfad, inhalt);
        }
        const QString ziel = t.datei(u"vorhanden.docx"_s);
        dateiSchreiben(ziel, "alt");
        SkriptRueckfragen r;
        QVERIFY(!klassennotenSchreiben({pfad, ziel}, klasseMit(3), u"L-7x-Ph"_s,
                                       NotenAnzeige::Zensuren, kHeute, r));
        QCOMPARE(r.meldungen().size(), 1);
        QVERIFY2(r.letzteMeldung().contains(ursache), qPrintable(r.letzteMeldung()));
        QVERIFY(r.letzteMeldung().contains(pfad));
        QCOMPARE(dateiInhalt(ziel), QByteArray("alt"));
    }

    void ausgabename_data()
    {
        QTest::addColumn<QString>("vorlage");
        QTest::addColumn<QString>("vorschlag");
        QTest::newRow("docx") << u"/p/Klassennoten-Vorlage.docx"_s << u"/s/L-7x-Ph.docx"_s;
        QTest::newRow("odt") << u"/p/Klassennoten-Vorlage.odt"_s << u"/s/L-7x-Ph.odt"_s;
        QTest::newRow("doc wird docx") << u"/p/Klassennoten.Doc"_s << u"/s/L-7x-Ph.docx"_s;
    }
    void ausgabename()
    {
        QFETCH(QString, vorlage);
        QFETCH(QString, vorschlag);
        QCOMPARE(ausgabeVorschlag(u"/s/L-7x-Ph.DTA"_s, vorlage), vorschlag);
    }

    // Die Dialoge: Ausgabename gleich der Vorlage (auch in anderer Schreibweise) wird abgewiesen,
    // eine fehlende Endung ergaenzt.
    void dialoge()
    {
        const QString v = t.datei(u"Klassennoten-Vorlage.docx"_s);
        QVERIFY(QFile::copy(vorlage(u"vorlage-3.docx"_s), v));
        const QByteArray vorher = dateiInhalt(v);
        SkriptRueckfragen r;
        r.dateiAntwort(v).dateiAntwort(t.datei(u"KLASSENNOTEN-VORLAGE.DOCX"_s));
        QVERIFY(!klassennotenDialoge(t.pfad(), t.datei(u"L-7x-Ph.DTA"_s), r));
        QVERIFY(r.letzteMeldung().startsWith(u"Die Klassennotendatei darf nicht die Vorlage"_s));
        QCOMPARE(r.dateiDialogTitel,
                 (QStringList{u"Auswahl der Vorlage für die Ausgabe der Klassennoten"_s,
                              u"Auswahl des Dateinamens für die Klassennotendatei"_s}));
        QVERIFY(!klassennotenSchreiben({v, v}, klasseMit(1), u"L"_s, NotenAnzeige::Zensuren, kHeute,
                                       r));
        QCOMPARE(dateiInhalt(v), vorher);

        SkriptRueckfragen r2;
        r2.dateiAntwort(v).dateiAntwort(t.datei(u"Noten"_s));
        const std::optional<KlassennotenWahl> w =
            klassennotenDialoge(t.pfad(), t.datei(u"L-7x-Ph.DTA"_s), r2);
        QVERIFY(w);
        QCOMPARE(w->ziel, t.datei(u"Noten.docx"_s));
        SkriptRueckfragen r3; // abgebrochen
        QVERIFY(!klassennotenDialoge(t.pfad(), t.datei(u"L-7x-Ph.DTA"_s), r3));
        QVERIFY(r3.meldungen().isEmpty());
    }

    void docOhneLibreOffice()
    {
        const QByteArray pfadVorher = qgetenv("PATH");
        qputenv("PATH", t.pfad().toLocal8Bit());
        SkriptRueckfragen r;
        const bool ok =
            klassennotenSchreiben({vorlage(u"vorlage-3.doc"_s), t.datei(u"d.docx"_s)}, klasseMit(2),
                                  u"L-7x-Ph"_s, NotenAnzeige::Zensuren, kHeute, r);
        qputenv("PATH", pfadVorher);
        QVERIFY(!ok);
        QVERIFY(r.letzteMeldung().contains(u"als .docx oder .odt speichern"_s));
        QVERIFY(!QFile::exists(t.datei(u"d.docx"_s)));
    }

    void docMitLibreOffice()
    {
        if (QStandardPaths::findExecutable(u"soffice"_s).isEmpty()) {
            QSKIP("LibreOffice ist nicht installiert");
        }
        SkriptRueckfragen r;
        QVERIFY(klassennotenSchreiben({vorlage(u"vorlage-3.doc"_s), t.datei(u"d.docx"_s)},
                                      klasseMit(4), u"L-7x-Ph"_s, NotenAnzeige::Zensuren, kHeute,
                                      r));
        QCOMPARE(ersteTabelle(dateiInhalt(t.datei(u"d.docx"_s))).size(), 6);
    }

    void werkzeug()
    {
        const QString dta = t.datei(u"L-7x-Ph.DTA"_s);
        SkriptRueckfragen r;
        QVERIFY(klassenlisteSchreiben(dta, klasseMit(5), r));
        QString aus, fehler;
        QTextStream sa(&aus), sf(&fehler);
        const QString vorlageOdt =
            QStringLiteral(MIVO_BASISQUELLE) + u"/Klassennoten-Vorlage.odt"_s;
        QCOMPARE(werkzeugAusfuehren({u"klassennoten"_s, dta, u"--vorlage"_s, vorlageOdt,
                                     t.datei(u"w.odt"_s), u"--heute"_s, u"2025-01-31"_s},
                                    sa, sf),
                 0);
        const QByteArray dok = dateiInhalt(t.datei(u"w.odt"_s));
        const QList<QStringList> tab = ersteTabelle(dok);
        QCOMPARE(tab.size(), 7);
        QCOMPARE(tab[0].constLast(), u"G-Note"_s);
        QCOMPARE(tab[2][2], u"N1"_s);
        QVERIFY(dokumentText(dok).contains(u"Stand: 31.01.2025"_s));
        QVERIFY(dokumentText(dok).contains(u"Unterschrift der Lehrkraft"_s));
        // Ziel gleich Vorlage: abgewiesen.
        QCOMPARE(werkzeugAusfuehren(
                     {u"klassennoten"_s, dta, u"--vorlage"_s, vorlageOdt, vorlageOdt}, sa, sf),
                 2);
    }
};

QTEST_GUILESS_MAIN(KlassennotenTest)
#include "klassennoten_test.moc"
