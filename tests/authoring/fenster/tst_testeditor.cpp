// Der Testeditor, wie ihn ein Lehrer bedient: neuer Test, Fragen, Punkte, Antworten verschieben,
// Bild laden, Speicherabfrage, Vorlage fuer eine andere Klasse, Fragebogen und Druck.

#include "authoring/aufgaben.h"
#include "authoring/fenster/TestEditor.h"
#include "authoring/fenster/TestSpeicherAbfrage.h"
#include "authoring/formatierung.h"
#include "common/ansitext.h"
#include "common/oeffner.h"
#include "common/ordner.h"
#include "conduct/testdokument.h"
#include "settings/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"
#include "widgets/Druckhilfe.h"
#include "widgets/Umgebung.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

class MerkOeffner final : public Oeffner
{
public:
    bool oeffnen(const QString &pfad) override
    {
        geoeffnet << pfad;
        return true;
    }
    bool programmStarten(const QString &, const QStringList &) override { return true; }
    QStringList geoeffnet;
};

SpeicherAngaben angaben(const QString &klasse)
{
    SpeicherAngaben a;
    a.schuljahr = u"2024-25"_s;
    a.klasse = klasse;
    a.fach = u"Physik (P)"_s;
    a.nummer = u"1"_s;
    a.thema = u"Unfa- Unfallverhütung"_s;
    return a;
}

// Legt ein Bild des Fensters ab, wenn MIVO_BILDER einen Ordner nennt ("make screenshots").
void bildAblegen(QWidget *w, const QString &name)
{
    const QString ordner = qEnvironmentVariable("MIVO_BILDER");
    if (!ordner.isEmpty()) {
        w->grab().save(ordner + u'/' + name + u".png"_s);
    }
}

// Beantwortet den naechsten modalen Dialog mit dem Knopf knopf; datei setzt das Haekchen.
void druckFrageBeantworten(QMessageBox::StandardButton knopf, bool datei)
{
    QTimer::singleShot(0, [=] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), u"Test Drucken"_s);
        box->checkBox()->setChecked(datei);
        bildAblegen(box, u"testeditor_druckabfrage"_s);
        box->button(knopf)->click();
    });
}

} // namespace

class TstTestEditor : public QObject
{
    Q_OBJECT
    Testordner t;
    QString basis;
    Einstellungen e;
    SkriptRueckfragen r;
    MerkOeffner o;
    FesteUhr uhr{QDateTime(QDate(2024, 10, 1), QTime(9, 0))};
    std::unique_ptr<Konfiguration> k;
    std::unique_ptr<Umgebung> u;
    std::unique_ptr<TestEditor> ed;

    void caret(int zeile, int spalte = -1)
    {
        QTextCursor c(ed->textfeld()->document()->findBlockByNumber(zeile));
        if (spalte < 0) {
            c.movePosition(QTextCursor::EndOfBlock);
        } else {
            c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, spalte);
        }
        ed->textfeld()->setTextCursor(c);
    }
    void tippe(int zeile, const QString &text, int spalte = -1)
    {
        caret(zeile, spalte);
        QTest::keyClicks(ed->textfeld(), text);
    }
    QPushButton *knopf(QWidget *w, const char *name)
    {
        return w->findChild<QPushButton *>(QString::fromLatin1(name));
    }
    QString beispiel() const { return basis + u"2016-17 Beispiele/7xP1Bspl/7xP1Bspl.__A"_s; }
    // Zeichenstil einer Zeile, wie er auf dem Schirm und im Druck erscheint: "f" fett,
    // "u" unterstrichen, zusammen "fu", sonst leer.
    QString stil(int zeile) const
    {
        bool fett = false;
        bool unterstrichen = false;
        const QTextBlock b = ed->textfeld()->document()->findBlockByNumber(zeile);
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            fett = fett || it.fragment().charFormat().fontWeight() > QFont::Normal;
            unterstrichen = unterstrichen || it.fragment().charFormat().fontUnderline();
        }
        return QString(fett ? u"f"_s : QString()) + (unterstrichen ? u"u"_s : QString());
    }
    // Nur Fragezeilen unterstrichen, nur die Kopfzeilen 2 und 3 fett.
    void stileGeprueft()
    {
        const QStringList z = ed->zeilen();
        for (int i = 0; i < z.size(); ++i) {
            const QString erwartet = i == 2 || i == 3      ? u"f"_s
                                     : istFragezeile(z[i]) ? u"u"_s
                                                           : QString();
            QVERIFY2(stil(i) == erwartet,
                     qPrintable(u"Zeile %1: \""_s.arg(i) + z[i] + u"\" ist \""_s + stil(i) + u'"'));
        }
    }

private slots:
    void init()
    {
        basis = t.pfad() + u"basis/"_s;
        baumLoeschen(basis);
        QVERIFY(baumKopieren(QStringLiteral(MIVO_QUELLE "/basisordner"), basis));
        e.basisOrdner = basis;
        e.programmOrdner = basis;
        r.leeren();
        o.geoeffnet.clear();
        k = std::make_unique<Konfiguration>(e, r);
        u = std::make_unique<Umgebung>(Umgebung{e, *k, r, o, uhr});
        ed = std::make_unique<TestEditor>(*u);
        ed->resize(1200, 800);
        ed->show();
        QVERIFY(QTest::qWaitForWindowExposed(ed.get()));
    }
    void cleanup()
    {
        ed.reset();
        druck::setzeDialog({});
    }

    void neuerTestVomLeertestBisZurDatei()
    {
        QSignalSpy weiter(ed.get(), &TestEditor::weiter);
        const QString ziel = basis + u"2024-25/0aP1Unfa/0aP1Unfa.__A"_s;
        QVERIFY(ed->neuerTest(ziel, angaben(u"10a"_s)));
        QCOMPARE(ed->zeilen().value(2), kopfzeileTest(angaben(u"10a"_s)));
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(ed->textfeld(), Qt::Key_F8);
        }
        QStringList z = ed->zeilen();
        QCOMPARE(z.value(6), u"1)\t?"_s);
        QCOMPARE(z.value(12), u"2)\t?"_s);
        QCOMPARE(z.value(18), u"3)\t?"_s);
        // Die Schreibmarke steht hinter dem "?" der neuen Frage.
        QCOMPARE(ed->textfeld()->textCursor().blockNumber(), 18);
        stileGeprueft();

        tippe(6, u" Feuer"_s);
        tippe(7, u"Wasser"_s);
        tippe(8, u"2"_s, 0); // Punkte vor b)
        tippe(8, u"Sand"_s);
        tippe(9, u"Luft"_s);
        tippe(13, u"3"_s, 0);
        tippe(14, u"2 Mond"_s);
        tippe(22, u"1"_s, 0);
        z = ed->zeilen();
        QCOMPARE(z.value(8), u"2\tb) Sand"_s);

        // F4 nimmt Text und Punkte mit nach c), F3 bringt sie zurueck.
        caret(8);
        QTest::keyClick(ed->textfeld(), Qt::Key_F4);
        QCOMPARE(ed->zeilen().mid(8, 2), (QStringList{u"\tb) Luft"_s, u"2\tc) Sand"_s}));
        caret(9);
        QTest::keyClick(ed->textfeld(), Qt::Key_F3);
        QCOMPARE(ed->zeilen().mid(8, 2), (QStringList{u"2\tb) Sand"_s, u"\tc) Luft"_s}));
        stileGeprueft();

        // F5 auf b) der Frage 2: das Bild kommt als JPEG in den Testordner und in Rahmen b.
        QImage bild(40, 30, QImage::Format_RGB32);
        bild.fill(Qt::darkBlue);
        QVERIFY(bild.save(t.pfad() + u"Mond.png"_s, "PNG"));
        r.dateiAntwort(t.pfad() + u"Mond.png"_s);
        caret(14);
        QTest::keyClick(ed->textfeld(), Qt::Key_F5);
        QVERIFY(QFileInfo::exists(basis + u"2024-25/0aP1Unfa/Bilder/02-2 Mond.jpg"_s));
        QVERIFY(ed->bilderSichtbar());
        QCOMPARE(ed->roterRahmen(), 1);
        caret(12); // Fragezeile: keine Bilder
        QTest::keyClick(ed->textfeld(), Qt::Key_Home);
        QVERIFY(!ed->bilderSichtbar());

        // Zurueck zur Testauswahl ueber die Speicherabfrage, vorbelegt mit der Klasse 10a: mit
        // Tab auf den Knopf und der Eingabetaste.
        r.leeren();
        QTest::keyClick(ed->textfeld(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), knopf(ed.get(), "BZurueck"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        TFTestSpeicherabfrage *abfrage = ed->speicherabfrage();
        QVERIFY(abfrage->isVisible());
        auto *klassen = abfrage->findChild<QComboBox *>(u"CBoxKlasseAbf"_s);
        QCOMPARE(klassen->currentText(), u"10a"_s);
        // Die Klassenliste ist die der Testauswahl.
        QCOMPARE(klassen->itemText(0), u"..."_s);
        QVERIFY(klassen->findText(u"7a"_s) > 0);
        QVERIFY(klassen->findText(u"13e"_s) > 0);
        knopf(abfrage, "BSpeichern")->click();
        QCOMPARE(weiter.size(), 1);
        QCOMPARE(weiter.first().first().toInt(), 2);
        QVERIFY(!ed->testGeladen());
        // Gespeichert wird auch ein halb fertiger Test; die Fragen mit leeren Antworten werden
        // genannt.
        QVERIFY2(r.meldungen().size() == 1 &&
                     r.meldungen()[0].startsWith(u"Achtung: Bei den Aufgaben 2, 3 stehen die "
                                                 "Antworten nicht der Reihe nach"_s),
                 qPrintable(r.meldungen().join(u'\n')));

        // Die Durchfuehrung nimmt den Test an; wieder geoeffnet und gespeichert bleibt er gleich.
        const QByteArray gespeichert = dateiInhalt(ziel);
        const std::optional<Loesung> l = loesungAusZeilen(ansiZeilenLesen(ziel).zeilen);
        QVERIFY(l);
        QCOMPARE(l->fragen, 3);
        QCOMPARE(l->loesung[1], u"b"_s);
        QCOMPARE(l->maxPunkte[2], qint16(3));
        QVERIFY(ed->testOeffnen(ziel, angaben(u"10a"_s)));
        QVERIFY(ed->bilder().platz(2, 1).geladen);
        caret(12, 3); // auf einer Fragezeile
        QTest::keyClick(ed->textfeld(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!ed->speicherabfrage()->isVisible());
        QCOMPARE(dateiInhalt(ziel), gespeichert);
        QVERIFY(ed->testGeladen());
        stileGeprueft();
    }

    void vorlageFuerAndereKlasse()
    {
        const QByteArray original = dateiInhalt(beispiel());
        const QString ziel = basis + u"2024-25/8bP1Unfa/8bP1Unfa.__A"_s;
        QVERIFY(ed->alsVorlageOeffnen(beispiel(), ziel, angaben(u"8b"_s)));
        QVERIFY(ed->bilder().platz(5, 0).geladen);
        // F12 schaltet den Umbruch aus; mit den Bildern daneben kommt er wieder.
        QTest::keyClick(ed->textfeld(), Qt::Key_F12);
        QCOMPARE(ed->textfeld()->lineWrapMode(), QTextEdit::NoWrap);
        caret(32);
        ed->BilderSichtbarMachen();
        QVERIFY(ed->bilderSichtbar());
        QCOMPARE(ed->textfeld()->lineWrapMode(), QTextEdit::WidgetWidth);
        QCOMPARE(ed->roterRahmen(), 1);
        bildAblegen(ed.get(), u"testeditor_bilder"_s);
        // Strg+S schreibt nie ueber das Original der anderen Klasse: es fragt nach dem Ziel.
        QTest::keyClick(ed->textfeld(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(ed->speicherabfrage()->isVisible());
        bildAblegen(ed->speicherabfrage(), u"testeditor_speicherabfrage"_s);
        knopf(ed->speicherabfrage(), "BSpeichern")->click();
        QCOMPARE(dateiInhalt(beispiel()), original);
        const QStringList z = ansiZeilenLesen(ziel).zeilen;
        QVERIFY(z.value(2).endsWith(u"Kl.: 8b       Gruppe: A"_s));
        QVERIFY(
            QFileInfo::exists(basis + u"2024-25/8bP1Unfa/Bilder/05-1 Brandschutzzeichen.jpg"_s));
        QCOMPARE(ed->aktTestDatei(), ziel);
    }

    void abfrageAbbrechenUndNichtSpeichern()
    {
        QSignalSpy weiter(ed.get(), &TestEditor::weiter);
        QVERIFY(ed->testOeffnen(beispiel(), angaben(u"7x"_s)));
        const QByteArray original = dateiInhalt(beispiel());
        tippe(6, u" geaendert"_s);
        knopf(ed.get(), "BBeenden")->click();
        QTest::keyClick(ed->speicherabfrage(), Qt::Key_Escape);
        QVERIFY(!ed->speicherabfrage()->isVisible());
        QVERIFY(ed->testGeladen());
        QVERIFY(ed->zeilen().value(6).endsWith(u" geaendert"_s));
        QCOMPARE(weiter.size(), 0);

        knopf(ed.get(), "BBeenden")->click();
        knopf(ed->speicherabfrage(), "BNichtSpeichern")->click();
        QCOMPARE(weiter.size(), 1);
        QCOMPARE(weiter.first().first().toInt(), 1);
        QCOMPARE(dateiInhalt(beispiel()), original);
    }

    void unvollstaendigeAngabenBleibenInDerAbfrage()
    {
        QVERIFY(ed->neuerTest(basis + u"2024-25/x/x.__A"_s, angaben(u"..."_s)));
        knopf(ed.get(), "BZurueck")->click();
        knopf(ed->speicherabfrage(), "BSpeichern")->click();
        QVERIFY(ed->speicherabfrage()->isVisible());
        QCOMPARE(r.letzteMeldung(), u"Die Klasse muss angegeben werden."_s);
        QVERIFY(!QFileInfo::exists(basis + u"2024-25"_s));
    }

    void schlechteEingaben()
    {
        // Ein Ordner und eine Binaerdatei sind keine Tests: Meldung, nichts geladen.
        QVERIFY(!ed->testOeffnen(basis + u"2016-17 Beispiele"_s, angaben(u"7x"_s)));
        QVERIFY(!ed->testGeladen());
        t.schreibe(u"binaer.__A"_s, QByteArray("MZ\0\0\x01\x02", 6));
        r.leeren();
        QVERIFY(!ed->testOeffnen(t.pfad() + u"binaer.__A"_s, angaben(u"7x"_s)));
        QVERIFY(r.letzteMeldung().startsWith(u"Die Datei "_s));

        // Ein kaputtes Bild wird gemeldet, haelt aber das Speichern nicht auf.
        t.schreibe(u"basis/2016-17 Beispiele/7xP1Bspl/Bilder/05-2 Rettungszeichen.jpg"_s, "kaputt");
        r.leeren();
        QVERIFY(ed->testOeffnen(beispiel(), angaben(u"7x"_s)));
        QCOMPARE(r.meldungen().size(), 1);
        QVERIFY(ed->testGeladen());

        // Was CP1252 nicht fassen kann, wird beim Einfuegen abgewiesen.
        const QStringList vorher = ed->zeilen();
        caret(6);
        QApplication::clipboard()->setText(u"Pfeil \u2192"_s);
        QTest::keyClick(ed->textfeld(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ed->zeilen(), vorher);
        QVERIFY(r.letzteMeldung().contains(u"\u2192"_s));

        // Getippt ebenso.
        r.leeren();
        QTest::sendKeyEvent(QTest::KeyAction::Click, ed->textfeld(), Qt::Key_unknown, u"\u20bd"_s,
                            Qt::NoModifier);
        QCOMPARE(ed->zeilen(), vorher);
        QVERIFY(r.letzteMeldung().contains(u"\u20bd"_s));

        // Die Eingabetaste erklaert sich und fuegt den Absatz trotzdem ein.
        caret(5);
        QTest::keyClick(ed->textfeld(), Qt::Key_Return);
        QVERIFY(r.letzteMeldung().startsWith(u"Die Eingabetaste erzeugt"_s));
        QCOMPARE(ed->zeilen().size(), vorher.size() + 1);
    }

    void ohneLeertest()
    {
        // Ohne "Mivo-Leertest.txt" beginnt der Test mit einem Kopf, der sich speichern laesst.
        QVERIFY(dateiLoeschen(basis + u"Mivo-Leertest.txt"_s));
        const QString ziel = basis + u"2024-25/0aP1Unfa/0aP1Unfa.__A"_s;
        QVERIFY(ed->neuerTest(ziel, angaben(u"10a"_s)));
        QVERIFY(r.letzteMeldung().startsWith(u"Die Leertestdatei  "_s));
        QCOMPARE(ed->zeilen().size(), 6);
        QTest::keyClick(ed->textfeld(), Qt::Key_F8);
        QCOMPARE(ed->zeilen().value(6), u"1)\t?"_s);
        ed->speichernWieVorliegend();
        QCOMPARE(ansiZeilenLesen(ziel).zeilen, ed->zeilen());
    }

    void fragebogenUndDruck()
    {
        QVERIFY(ed->testOeffnen(beispiel(), angaben(u"7x"_s)));
        const QString bogen = t.pfad() + u"Fragebogen.Doc"_s;
        r.dateiAntwort(bogen);
        druckFrageBeantworten(QMessageBox::No, true);
        QTest::keyClick(ed->textfeld(), Qt::Key_F9);
        const QStringList z = ansiZeilenLesen(bogen).zeilen;
        QCOMPARE(z.value(6).left(3), u"1)\t"_s);
        for (const QString &zeile : z) {
            QVERIFY2(!in_wahlzeile(zeile), qPrintable(zeile));
        }
        QCOMPARE(o.geoeffnet, QStringList{bogen});

        // Abgebrochener Dateidialog: nichts geschrieben, nichts geoeffnet.
        druckFrageBeantworten(QMessageBox::Yes, true);
        ed->druckAbfrage();
        QCOMPARE(o.geoeffnet.size(), 1);

        // Der ganze Test als PDF ueber den Druckweg des Programms.
        const QString pdf = t.pfad() + u"test.pdf"_s;
        QString titel;
        druck::setzeDialog([&](QPrinter &p) {
            titel = p.docName();
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        });
        druckFrageBeantworten(QMessageBox::Yes, false);
        ed->druckAbfrage();
        QVERIFY(QFileInfo(pdf).size() > 1000);
        QCOMPARE(titel, u"Drucken der Datei: 7xP1Bspl.__A"_s);
    }
};

QTEST_MAIN(TstTestEditor)
#include "tst_testeditor.moc"
