// Mivo, wie ein Schueler es bedient: nur mit der Tastatur, offscreen.
#include "conduct/rueckgabe.h"
#include "outside/abgabe.h"
#include "outside/schuelerhilfe.h"
#include "outside/schuelerprogramm/Mivo.h"
#include "outside/schuelerprogramm/Testansicht.h"
#include "outside/schuelerseite.h"
#include "unterstuetzung/skriptrueckfragen.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

using namespace Qt::StringLiterals;
using namespace schuelerseite;

namespace {

void tasten(const QString &text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void taste(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), k, m);
}

// Die Kopie von Jonas Bauer mit "x" vor den genannten Zeilen.
QByteArray mitKreuzen(const QStringList &zeilen)
{
    QStringList z = schuelerhilfe::kopie(u"Jonas"_s, u"Bauer"_s);
    for (const QString &gewaehlt : zeilen) {
        z[z.indexOf(gewaehlt)] = u'x' + gewaehlt;
    }
    return ansiZeilenAlsBytes(z);
}

} // namespace

class TestMivoFenster : public QObject
{
    Q_OBJECT

    // Startet Mivo, tippt die Klasse und waehlt mit der Pfeiltaste den zweiten Namen (Bauer):
    // vorgewaehlt ist niemand, Enter allein waehlt nichts.
    void bisZumTest(TMivo &w)
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.seite(), int(TMivo::Start));
        tasten(u"7x"_s);
        taste(Qt::Key_Return);
        QCOMPARE(w.seite(), int(TMivo::Auswahl));
        QCOMPARE(QApplication::focusWidget()->objectName(), u"LBoxNamen"_s);
        taste(Qt::Key_Return);
        QCOMPARE(w.seite(), int(TMivo::Auswahl));
        QVERIFY(!w.findChild<QPushButton *>(u"BWeiter"_s)->isEnabled());
        taste(Qt::Key_Down);
        taste(Qt::Key_Down);
        taste(Qt::Key_Return);
        QCOMPARE(w.seite(), int(TMivo::Test));
    }

private slots:
    void tastaturAblauf()
    {
        schuelerhilfe::Server s;
        s.bereitstellen({{u"Lena"_s, u"Albrecht"_s}, {u"Jonas"_s, u"Bauer"_s}});
        SkriptRueckfragen r;
        TMivo w(s.k, r);
        bisZumTest(w);
        auto *namen = w.findChild<QListWidget *>(u"LBoxNamen"_s);
        QCOMPARE(namen->item(0)->text(), u"Albrecht, Lena"_s);

        taste(Qt::Key_B);     // Aufgabe 1: b
        taste(Qt::Key_Right); // Aufgabe 2
        QVERIFY(w.findChild<QLabel *>(u"LBildA"_s)->isVisible());
        QVERIFY(!w.findChild<QLabel *>(u"LBildA"_s)->pixmap().isNull());
        QVERIFY(!w.findChild<QLabel *>(u"LBildD"_s)->isVisible());
        taste(Qt::Key_Down);
        taste(Qt::Key_Down);
        taste(Qt::Key_X); // c
        QCOMPARE(w.bogen()->fragen()[1].gewaehlt, 2);
        taste(Qt::Key_Space); // noch einmal: Kreuz weg
        QCOMPARE(w.bogen()->fragen()[1].gewaehlt, -1);
        taste(Qt::Key_4);    // d
        taste(Qt::Key_Down); // ueber d hinaus: Aufgabe 3
        taste(Qt::Key_A);
        taste(Qt::Key_A); // wieder weg
        QCOMPARE(w.findChild<QLabel *>(u"LOffen"_s)->text(), u"Noch offen: 1 von 3 Aufgaben"_s);
        auto *ansicht = w.findChild<TTestansicht *>();
        const int vorher = ansicht->schriftgroesse();
        taste(Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(ansicht->schriftgroesse(), vorher + 2);

        r.antworte(Rueckfragen::Knopf::Ja);
        taste(Qt::Key_A, Qt::AltModifier); // Alt-Buchstaben klicken verzoegert
        QTRY_COMPARE(r.fragen().size(), 1);
        QVERIFY(r.fragen()[0].endsWith(u"Noch nicht beantwortet ist Aufgabe 3."_s));
        QCOMPARE(r.meldungen(), QStringList{u"Dein Test ist abgegeben. Du kannst Mivo jetzt "
                                            "schließen."_s});
        const QByteArray erwartet = mitKreuzen({u"\tb) Antwort B"_s, u"\td) Keins"_s});
        QCOMPARE(dateiInhalt(s.eingang() + u"Bauer.J7x"_s), erwartet);
        const Bereitgestellt t = s.test();
        QCOMPARE(dateiInhalt(abgabeKopiePfad(s.k, t, u"Bauer.J7x"_s)), erwartet);
        QCOMPARE(w.seite(), int(TMivo::Start));
        // Neutral fuer den Naechsten: keine Klasse; Enter, Enter fuehrt zu keinem Test.
        QCOMPARE(w.findChild<QComboBox *>(u"CBoxKlasse"_s)->currentText(), QString());
        taste(Qt::Key_Return);
        taste(Qt::Key_Return);
        QCOMPARE(w.seite(), int(TMivo::Start));
        QCOMPARE(r.fragen().size(), 1);

        // Ein zweites Mivo am selben Rechner (derselbe eigene Ordner): Bauer hat hier schon
        // abgegeben; wer den Namen waehlt, wird klar gefragt ("Ja": anderen Namen waehlen).
        SkriptRueckfragen r2;
        r2.antworte(Rueckfragen::Knopf::Ja);
        TMivo w2(s.k, r2);
        w2.show();
        QVERIFY(QTest::qWaitForWindowActive(&w2));
        tasten(u"7x"_s);
        taste(Qt::Key_Return);
        taste(Qt::Key_Down);
        taste(Qt::Key_Down);
        taste(Qt::Key_Return);
        QCOMPARE(w2.seite(), int(TMivo::Auswahl));
        QCOMPARE(r2.fragen().size(), 1);
        QVERIFY(r2.fragen()[0].startsWith(u"Jonas Bauer hat diesen Test an diesem Rechner schon "
                                          "abgegeben."_s));
        QVERIFY(!w2.findChild<QPushButton *>(u"BWeiter"_s)->isEnabled());
        // Albrecht hat hier nichts abgegeben: ohne Frage.
        taste(Qt::Key_Down);
        taste(Qt::Key_Return);
        QCOMPARE(w2.seite(), int(TMivo::Test));
        QCOMPARE(r2.fragen().size(), 1);
        QCOMPARE(w2.findChild<QLabel *>(u"LName"_s)->text(), u"Name: Lena Albrecht"_s);

        // Wer wirklich Bauer ist, sagt "Nein" und macht mit seinem Zwischenstand weiter.
        SkriptRueckfragen r3;
        r3.antworte(Rueckfragen::Knopf::Nein);
        r3.antworte(Rueckfragen::Knopf::Ja);
        TMivo w3(s.k, r3);
        bisZumTest(w3);
        QCOMPARE(r3.fragen().size(), 2);
        QCOMPARE(w3.bogen()->ausgefuellt(), erwartet);
    }

    // Die Alt-Tasten der Auswahlseite sind eindeutig: Alt+T Test, Alt+B Name, Alt+W weiter.
    void tastenDerAuswahl()
    {
        schuelerhilfe::Server s;
        s.bereitstellen({{u"Lena"_s, u"Albrecht"_s}, {u"Jonas"_s, u"Bauer"_s}});
        SkriptRueckfragen r;
        TMivo w(s.k, r);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        tasten(u"7x"_s);
        taste(Qt::Key_Return);
        QCOMPARE(w.seite(), int(TMivo::Auswahl));
        taste(Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"LBoxTests"_s);
        taste(Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"LBoxNamen"_s);
        // Enter auf dem Knopf mit dem Fokus drueckt ihn.
        w.findChild<QPushButton *>(u"BZurueck"_s)->setFocus();
        taste(Qt::Key_Return);
        QCOMPARE(w.seite(), int(TMivo::Start));
        taste(Qt::Key_Return);
        QCOMPARE(w.seite(), int(TMivo::Auswahl));
        taste(Qt::Key_Down);
        taste(Qt::Key_W, Qt::AltModifier);
        QTRY_COMPARE(w.seite(), int(TMivo::Test));
        QCOMPARE(w.findChild<QLabel *>(u"LName"_s)->text(), u"Name: Lena Albrecht"_s);
    }

    // Eine Aufgabe mit leerer d) hat drei Antworten: drei Knoepfe, "d" kreuzt nichts an.
    void dreiAntworten()
    {
        schuelerhilfe::Server s;
        s.bereitstellen({{u"Jonas"_s, u"Bauer"_s}});
        const Bereitgestellt t = s.test();
        QStringList kopie = schuelerhilfe::kopie(u"Jonas"_s, u"Bauer"_s);
        const qsizetype d = kopie.indexOf(u"\td) Antwort D"_s);
        QVERIFY(d > 0);
        kopie[d] = u"\td)"_s;
        QVERIFY(ansiZeilenSchreiben(t.ordner + u"Bauer.J7x"_s, kopie).ok());
        SkriptRueckfragen r;
        TMivo w(s.k, r);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        tasten(u"7x"_s);
        taste(Qt::Key_Return);
        taste(Qt::Key_Down);
        taste(Qt::Key_Return);
        QCOMPARE(w.seite(), int(TMivo::Test));
        QVERIFY(w.findChild<QPushButton *>(u"BAntwortC"_s)->isVisible());
        QVERIFY(!w.findChild<QPushButton *>(u"BAntwortD"_s)->isVisible());
        taste(Qt::Key_D);
        taste(Qt::Key_4);
        QCOMPARE(w.bogen()->fragen()[0].gewaehlt, -1);
        taste(Qt::Key_Down);
        taste(Qt::Key_Down);
        taste(Qt::Key_Down); // ueber c) hinaus: Aufgabe 2
        QCOMPARE(w.findChild<QLabel *>(u"LFrage"_s)->text().left(2), u"2)"_s);
        taste(Qt::Key_Up); // zurueck auf c) der Aufgabe 1
        taste(Qt::Key_X);
        QCOMPARE(w.bogen()->fragen()[0].gewaehlt, 2);
    }

    // Kann nicht abgegeben werden, bleiben die Antworten auf dem Schirm und im eigenen Ordner;
    // ist der Test beendet, kann der Schueler sie in seinem Ordner speichern.
    void abgabeScheitert_data()
    {
        QTest::addColumn<bool>("beendet");
        QTest::newRow("Abgabeordner nicht beschreibbar") << false;
        QTest::newRow("Test beendet") << true;
    }
    void abgabeScheitert()
    {
        QFETCH(bool, beendet);
        schuelerhilfe::Server s;
        s.bereitstellen({{u"Lena"_s, u"Albrecht"_s}, {u"Jonas"_s, u"Bauer"_s}});
        const Bereitgestellt t = s.test();
        SkriptRueckfragen r;
        TMivo w(s.k, r);
        bisZumTest(w);
        if (beendet) {
            QVERIFY(QFile::remove(t.signalDatei));
        } else {
            QDir().mkpath(s.k.abgabeOrdner + u"Meier"_s);
            dateiSchreiben(s.eingang().chopped(1), "keine DropBox");
        }
        taste(Qt::Key_C);
        r.antworte(Rueckfragen::Knopf::Ja);
        taste(Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(r.meldungen().size(), 1);
        QVERIFY(r.meldungen()[0].startsWith(beendet ? u"Deine Lehrkraft hat diesen Test schon "_s
                                                    : u"Dein Test konnte nicht abgegeben "_s));
        QCOMPARE(w.seite(), int(TMivo::Test));
        QCOMPARE(w.bogen()->fragen()[0].gewaehlt, 2);
        const QByteArray erwartet = mitKreuzen({u"\tc) Antwort C"_s});
        QCOMPARE(dateiInhalt(zwischenstandPfad(s.k, t, u"Bauer.J7x"_s)), erwartet);
        taste(Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(r.meldungen().size(), 2);
        QCOMPARE(dateiInhalt(abgabeKopiePfad(s.k, t, u"Bauer.J7x"_s)), erwartet);
    }

    // Ein Schueler oeffnet seinen zurueckgegebenen Test mit der Tastatur; speichern kann er ihn
    // nur, wenn "sp-ind.txt" daneben liegt, und dann kommen die Bilder mit.
    void rueckgabeAnsehen_data()
    {
        QTest::addColumn<bool>("speichernErlaubt");
        QTest::addColumn<QString>("lehrer"); // leer: kein Lehrername eingetragen
        QTest::newRow("mit sp-ind.txt") << true << u"Meier"_s;
        QTest::newRow("nur lesen, ohne Lehrername") << false << QString();
    }
    void rueckgabeAnsehen()
    {
        QFETCH(bool, speichernErlaubt);
        QFETCH(QString, lehrer);
        schuelerhilfe::Server s;
        const QString klasse = schuelerprogramm::rueckgabeKlassenOrdner(
            s.k.rueckgabeOrdner, lehrer.isEmpty() ? QString() : lehrer + u'/', u"7x"_s);
        QDir().mkpath(klasse + u"Bilder"_s);
        Testordner benotet;
        QString docBauer;
        for (const auto &[vorname, nachname] :
             {std::pair{u"Lena"_s, u"Albrecht"_s}, std::pair{u"Jonas"_s, u"Bauer"_s}}) {
            const QString datei =
                schuelerprogramm::persoenlicherDateiname(vorname, nachname, u"7x"_s);
            ansiZeilenSchreiben(benotet.datei(datei), schuelerhilfe::kopie(vorname, nachname));
            const QString doc = rueckgabeDokumentName(QDate(2024, 11, 20), u"7xP1Sich"_s, datei);
            QCOMPARE(benoteteKopieUmwandeln(benotet.datei(datei), klasse + doc), QString());
            docBauer = doc;
        }
        QImage bild(40, 30, QImage::Format_RGB32);
        bild.fill(Qt::darkGreen);
        QVERIFY(bild.save(klasse + u"Bilder/02-1 Gruen.jpg"_s, "JPG"));
        if (speichernErlaubt) {
            dateiSchreiben(klasse + schuelerprogramm::kSpeicherIndikator, QByteArray());
        }
        dateiSchreiben(s.k.rueckgabeOrdner + schuelerprogramm::signalDateiname(
                                                 u"7x"_s,
                                                 lehrer.isEmpty() ? QString() : lehrer + u'/',
                                                 u"7xP1Sich"_s),
                       "2024-11-20\r\n");

        SkriptRueckfragen r;
        TMivo w(s.k, r);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        tasten(u"7x"_s);
        taste(Qt::Key_Z, Qt::AltModifier);
        QTRY_COMPARE(w.seite(), int(TMivo::Auswahl));
        // Nach dem Thema benannt, ohne "Lehrkraft: ," ohne Lehrernamen.
        const QString angebot = w.findChild<QListWidget *>(u"LBoxTests"_s)->item(0)->text();
        QVERIFY2(angebot.startsWith(u"Sicherheit im Fachraum   ("_s), qPrintable(angebot));
        QCOMPARE(angebot.contains(u"Lehrkraft: Meier, "_s), !lehrer.isEmpty());
        QVERIFY(!angebot.contains(u"Lehrkraft: ,"_s));
        QCOMPARE(QApplication::focusWidget()->objectName(), u"LBoxNamen"_s);
        taste(Qt::Key_Down);
        taste(Qt::Key_Down);
        taste(Qt::Key_Return);
        QCOMPARE(w.seite(), int(TMivo::Rueckgabe));
        // Was "=x" und "=" in der benoteten Kopie bedeuten, steht daneben.
        auto *legende = w.findChild<QLabel *>(u"LLegende"_s);
        QVERIFY(legende && legende->isVisible());
        QVERIFY(legende->text().contains(u"=x  richtig angekreuzt"_s));
        QCOMPARE(r.meldungen(), QStringList());
        auto *text = w.findChild<QTextBrowser *>(u"RERueckgabe"_s);
        QVERIFY(text->toPlainText().contains(u"Jonas Bauer"_s));
        QVERIFY(!text->toPlainText().contains(u"Lena"_s));
        QCOMPARE(QApplication::focusWidget(), text);
        auto *bilder = w.findChild<QListWidget *>(u"LBoxBilder"_s);
        QVERIFY(bilder->isVisible());
        QCOMPARE(bilder->count(), 1);
        QCOMPARE(w.findChild<QPushButton *>(u"BSpeichern"_s)->isVisible(), speichernErlaubt);
        // Tippen aendert das zurueckgegebene Dokument nicht.
        const QString vorher = text->toPlainText();
        tasten(u"abc"_s);
        QCOMPARE(text->toPlainText(), vorher);

        taste(Qt::Key_S, Qt::AltModifier);
        const QString ziel = s.k.schuelerOrdner + docBauer;
        if (speichernErlaubt) {
            QTRY_COMPARE(r.meldungen().size(), 1);
            QCOMPARE(r.meldungen()[0], u"Dein Test ist gespeichert:\r\n"_s + ziel);
            QCOMPARE(dateiInhalt(ziel), dateiInhalt(klasse + docBauer));
            const QString bilderZiel = rueckgabeBilderOrdner(
                s.k.schuelerOrdner, rueckgabeDokument(s.rueckgabe(), Eintrag{docBauer, {}, {}}));
            QCOMPARE(dateiInhalt(bilderZiel + u"02-1 Gruen.jpg"_s),
                     dateiInhalt(klasse + u"Bilder/02-1 Gruen.jpg"_s));
        } else {
            QTest::qWait(50);
            QCOMPARE(r.meldungen(), QStringList());
        }
        QCOMPARE(QDir(s.k.schuelerOrdner).entryList(QDir::Files),
                 speichernErlaubt ? QStringList{docBauer} : QStringList());
        taste(Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(w.seite(), int(TMivo::Start));
        // Mivo schreibt nie in den Rueckgabeordner.
        QCOMPARE(QDir(klasse).entryList(QDir::Files).size(), speichernErlaubt ? 3 : 2);
    }

    void keinTest_data()
    {
        QTest::addColumn<QString>("klasse");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("andere Klasse")
            << u"7y"_s << u"Für die Klasse 7y ist gerade kein Test bereitgestellt."_s;
        QTest::newRow("keine Klasse") << u"7/a"_s << u"\"7/a\" ist keine Klasse."_s;
        QTest::newRow("leer") << QString() << u"Bitte gib zuerst deine Klasse ein"_s;
    }
    void keinTest()
    {
        QFETCH(QString, klasse);
        QFETCH(QString, meldung);
        schuelerhilfe::Server s;
        s.bereitstellen({{u"Lena"_s, u"Albrecht"_s}});
        SkriptRueckfragen r;
        TMivo w(s.k, r);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.findChild<QComboBox *>(u"CBoxKlasse"_s)->itemText(0), u"7x"_s);
        tasten(klasse);
        taste(Qt::Key_Return);
        QCOMPARE(w.seite(), int(TMivo::Start));
        QCOMPARE(r.meldungen().size(), 1);
        QVERIFY2(r.meldungen()[0].startsWith(meldung), qPrintable(r.meldungen()[0]));
    }
};

QTEST_MAIN(TestMivoFenster)
#include "test_mivo_fenster.moc"
