// Die Testauswahl in der Konstruktion, allein: Filter ueber mehrere Schuljahre, neue Tests,
// Oeffnen und Loeschen (Empfaenger zeichnet auf, was der Editor bekaeme), Vorschau, Sitzplan.
#include "app/apptesthilfe.h"
#include "common/ansitext.h"
#include "common/ordner.h"
#include "conduct/einsammeln.h"
#include "conduct/fenster/SchuelerdatenFormUnit.h"
#include "conduct/fenster/sitzplan.h"
#include "settings/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace {

// Ein Multiple-Choice-Test mit Thema in Zeile 4.
void testAnlegen(const QString &basis, const QString &jahr, const QString &kuerzel,
                 const QString &thema, const QString &endung = u".__A"_s)
{
    const QString ordner = basis + jahr + u'/' + kuerzel + u'/';
    ordnerAnlegen(ordner);
    const QStringList zeilen{u"Test"_s,   u" Name:"_s,    u" Klasse: A"_s, u"Thema: "_s + thema,
                             u""_s,       u"1)\tFrage"_s, u"\ta) x"_s,     u"1\tb) y"_s,
                             u"\tc) z"_s, u"\td) w"_s};
    if (endung == u"._LA"_s) {
        QByteArray rtf("{\\rtf1\\ansi Test\\par Name\\par Klasse\\par Thema: ");
        rtf += thema.toLatin1() + "\\par}";
        dateiSchreiben(ordner + kuerzel + endung, rtf);
    } else {
        ansiZeilenSchreiben(ordner + kuerzel + endung, zeilen);
    }
}

QStringList codes(QListWidget *liste)
{
    QStringList c;
    for (int i = 0; i < liste->count(); ++i) {
        c << liste->item(i)->text().mid(1, 8);
    }
    return c;
}

} // namespace

class TestKonstruktion : public QObject
{
    Q_OBJECT
    Testordner t;
    Einstellungen e;
    SkriptRueckfragen r;
    TestOeffner o;
    FesteUhr uhr{QDateTime(QDate(2024, 10, 1), QTime(10, 0))};
    FolgeZufall zufall{{}};
    std::unique_ptr<TSchuelerdatenEingabefenster> f;

    void klasseTippen(const QString &text)
    {
        f->CBoxKlasse->lineEdit()->selectAll();
        for (const QChar c : text) {
            QTest::keyClick(f->CBoxKlasse->lineEdit(), c.toLatin1());
        }
    }
    void bild(const QString &name)
    {
        const QString ordner = qEnvironmentVariable("MIVO_BILDER");
        if (!ordner.isEmpty()) {
            QCoreApplication::processEvents();
            f->grab().save(ordner + u'/' + name + u".png"_s);
        }
    }
    void waehle(const QString &kuerzel)
    {
        const QList<QListWidgetItem *> i =
            f->ListBoxThemenMitErklaerung->findItems(kuerzel, Qt::MatchContains);
        QVERIFY2(!i.isEmpty(), qPrintable(kuerzel));
        f->ListBoxThemenMitErklaerung->setCurrentItem(i.first());
        f->ListBoxThemenMitErklaerungClick(f->ListBoxThemenMitErklaerung->row(i.first()));
    }

private slots:
    void init()
    {
        setzeAbgabeRuhezeitMs(0);
        basisordnerAnlegen(t.pfad());
        e.basisOrdner = e.programmOrdner = t.pfad();
        e.ausgabeOrdner = t.pfad() + u"aus/"_s;
        e.abgabeOrdner = t.pfad() + u"ab/"_s;
        e.rueckgabeOrdner = t.pfad() + u"rueck/"_s;
        e.lehrername = u"Meier/"_s;
        testAnlegen(t.pfad(), u"2024-25"_s, u"7xP1Mech"_s, u"Kraefte"_s);
        testAnlegen(t.pfad(), u"2024-25"_s, u"7xP2Mech"_s, u"Hebel"_s);
        testAnlegen(t.pfad(), u"2024-25"_s, u"8aM1Bruc"_s, u"Brueche"_s);
        testAnlegen(t.pfad(), u"2024-25"_s, u"7xD1Lyri"_s, u"Gedichte"_s, u"._LA"_s);
        testAnlegen(t.pfad(), u"2023-24"_s, u"7xP1Mech"_s, u"Kraefte alt"_s);
        testAnlegen(t.pfad(), u"2023-24"_s, u"0aM1Bruc"_s, u"Brueche Oberstufe"_s);
        dateiKopieren(t.pfad() + u"2016-17 Beispiele/L-7x-Ph.DTA"_s,
                      t.pfad() + u"2024-25/L-7x-Ph.DTA"_s);
        r.leeren();
        f = std::make_unique<TSchuelerdatenEingabefenster>(e, r, o, uhr, zufall);
        f->modusZeigen(Testauswahl::Layout::Konstruktion, true);
    }
    void cleanup() { f.reset(); }

    void filter_data()
    {
        QTest::addColumn<QString>("klasse");
        QTest::addColumn<int>("fach"); // Eintrag des Fachfeldes, 0 "..."
        QTest::addColumn<QString>("jahr");
        QTest::addColumn<QString>("art");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("alles") << u"..."_s << 0 << u"..."_s << u"Alle"_s
                               << QStringList{u"0aM1Bruc"_s, u"7xP1Mech"_s, u"7xD1Lyri"_s,
                                              u"7xP1Mech"_s, u"7xP2Mech"_s, u"8aM1Bruc"_s};
        QTest::newRow("7x dieses Jahr") << u"7x"_s << 0 << u"2024-25"_s << u"Alle"_s
                                        << QStringList{u"7xD1Lyri"_s, u"7xP1Mech"_s, u"7xP2Mech"_s};
        QTest::newRow("nur Lueckentexte")
            << u"..."_s << 0 << u"..."_s << u"Lückentext"_s << QStringList{u"7xD1Lyri"_s};
        QTest::newRow("Oberstufe 10a")
            << u"10a"_s << 0 << u"..."_s << u"Alle"_s << QStringList{u"0aM1Bruc"_s};
    }
    void filter()
    {
        QFETCH(QString, klasse);
        QFETCH(int, fach);
        QFETCH(QString, jahr);
        QFETCH(QString, art);
        QFETCH(QStringList, erwartet);
        if (klasse != u"..."_s) {
            klasseTippen(klasse);
        }
        QCOMPARE(f->CBoxKlasse->currentText(), klasse);
        f->CBoxFach->setCurrentIndex(fach);
        f->CBoxSchuljahr->setCurrentText(jahr);
        f->CBoxTestArt->setCurrentText(art);
        QStringList liste = codes(f->ListBoxThemenMitErklaerung);
        QCOMPARE(liste, erwartet);
        // Nach dem Listen ist der erste Eintrag markiert, aber nicht gewaehlt.
        QCOMPARE(f->ListBoxThemenMitErklaerung->currentRow(), 0);
        QVERIFY(!f->testGewaehlt());
        // Oberstufe wird mit "1" gezeigt.
        if (klasse == u"10a"_s) {
            QVERIFY(f->ListBoxThemenMitErklaerung->item(0)->text().startsWith(u"10aM1Bruc"_s));
        }
        // "Alle Filter löschen" bringt alles zurueck.
        QTest::mouseClick(f->findChild<QPushButton *>(u"BFilterLoeschen"_s), Qt::LeftButton);
        QCOMPARE(f->CBoxKlasse->currentText(), u"..."_s);
        QCOMPARE(f->ListBoxThemenMitErklaerung->count(), 6);
    }

    void klassentextImFeld()
    {
        klasseTippen(u"2"_s); // abgelehnt
        QCOMPARE(f->CBoxKlasse->currentText(), u"..."_s);
        QCOMPARE(r.pieptoene, 1);
        klasseTippen(u"7"_s);
        QCOMPARE(f->CBoxKlasse->currentText(), u"7"_s);
        QTest::keyClick(f->CBoxKlasse->lineEdit(), '0'); // "70" abgelehnt
        QCOMPARE(f->CBoxKlasse->currentText(), u"7"_s);
        QTest::keyClick(f->CBoxKlasse->lineEdit(), 'x');
        QCOMPARE(codes(f->ListBoxThemenMitErklaerung).size(), 4);
    }

    // Ein unplausibles Thema: Meldung, und die Schreibmarke steht wieder im Themenfeld.
    void unplausiblesThemaBehaeltFokus()
    {
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        f->CBoxThema->lineEdit()->setFocus();
        QVERIFY(f->CBoxThema->lineEdit()->hasFocus());
        f->CBoxThema->setEditText(u"Me.h- Mechanik"_s);
        r.leeren();
        f->CBoxKlasse->lineEdit()->setFocus();
        QVERIFY2(r.letzteMeldung().startsWith(u"Die Themenzeile muss"_s),
                 qPrintable(r.letzteMeldung()));
        QVERIFY(f->CBoxThema->lineEdit()->hasFocus());
    }

    // Ein neues Thema, und gleich "Neuen Test" geklickt: die Frage nach dem Thema kommt nicht
    // mitten im Klick (sie schluckte ihn), sondern vor der Aktion des Knopfes.
    void neuesThemaUndKlickAufNeuenTest()
    {
        QSignalSpy mc(f.get(), &TSchuelerdatenEingabefenster::testBearbeiten);
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        f->CBoxSchuljahr->setCurrentText(u"2024-25"_s);
        klasseTippen(u"7x"_s);
        f->CBoxFach->setCurrentIndex(f->CBoxFach->findText(u"Physik (P)"_s));
        f->CBoxTestNr->setCurrentText(u"3"_s);
        f->CBoxTestArt->setCurrentText(u"Multiple Choice"_s);
        f->CBoxThema->lineEdit()->setFocus();
        f->CBoxThema->setEditText(u"Waer- Waermelehre"_s);
        r.leeren();
        r.antworte(Rueckfragen::Knopf::Ja);
        QTest::mousePress(f->BNeuenTest, Qt::LeftButton);
        QVERIFY(r.fragen().isEmpty());
        QTest::mouseRelease(f->BNeuenTest, Qt::LeftButton);
        QCOMPARE(r.fragen().size(), 1);
        QVERIFY(r.fragen()[0].endsWith(u"in die Themenliste übernehmen?"_s));
        QVERIFY(f->CBoxThema->findText(u"Waer- Waermelehre"_s) >= 0);
        QCOMPARE(mc.size(), 1);
        QCOMPARE(mc[0][0].toString(), t.pfad() + u"2024-25/7xP3Waer/7xP3Waer.__A"_s);
    }

    void vorgeschlageneNummer()
    {
        klasseTippen(u"7x"_s);
        f->CBoxFach->setCurrentIndex(f->CBoxFach->findText(u"Physik (P)"_s));
        f->CBoxThema->setEditText(u"Mech- Mechanik"_s);
        f->CBoxSchuljahr->setCurrentText(u"2024-25"_s);
        QCOMPARE(f->LgefundenPlusEins->text(), u"3"_s);
    }

    void neuerTest_data()
    {
        QTest::addColumn<QString>("klasse");
        QTest::addColumn<QString>("thema");
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("knopf");   // Beschriftung danach
        QTest::addColumn<QString>("meldung"); // letzte Meldung, leer: keine
        QTest::addColumn<int>("editor");      // 1: testBearbeiten, 2: lueckentestOeffnen
        QTest::newRow("unvollstaendig")
            << u"7x"_s << u"Mech- Mechanik"_s << u"..."_s << u"Multiple Choice"_s
            << u"<-- Details ?"_s << QString() << 0;
        QTest::newRow("Art fehlt")
            << u"7x"_s << u"Mech- Mechanik"_s << u"3"_s << u"Alle"_s << u"Neuen Test"_s
            << u"Zuerst bitte oben die gewünschte Testart festlegen!"_s << 0;
        QTest::newRow("schon da") << u"7x"_s << u"Mech- Mechanik"_s << u"1"_s
                                  << u"Multiple Choice"_s << u"Test schon da!"_s << QString() << 0;
        // Ein Lueckentext unter dem Namen eines vorhandenen Tests wuerde beim ersten
        // Speichern den Ordner teilen: ebenso "schon da".
        QTest::newRow("Lueckentext schon da")
            << u"7x"_s << u"Mech- Mechanik"_s << u"2"_s << u"Lückentext"_s << u"Test schon da!"_s
            << QString() << 0;
        QTest::newRow("neu MC") << u"7x"_s << u"Mech- Mechanik"_s << u"3"_s << u"Multiple Choice"_s
                                << u"Neuen Test"_s << QString() << 1;
        QTest::newRow("neu Lueckentext") << u"7x"_s << u"Mech- Mechanik"_s << u"3"_s
                                         << u"Lückentext"_s << u"Neuen Test"_s << QString() << 2;
        QTest::newRow("Grafiklegende")
            << u"7x"_s << u"Mech- Mechanik"_s << u"3"_s << u"Grafiklegende"_s << u"Neuen Test"_s
            << u"Grafiklegende-Test muss noch programmiert werden..."_s << 0;
        QTest::newRow("Thema ungueltig") << u"7x"_s << u"Mech"_s << u"3"_s << u"Multiple Choice"_s
                                         << u"Neuen Test"_s << u"Die Themenzeile muss"_s << 0;
    }
    void neuerTest()
    {
        QFETCH(QString, klasse);
        QFETCH(QString, thema);
        QFETCH(QString, nummer);
        QFETCH(QString, art);
        QFETCH(QString, knopf);
        QFETCH(QString, meldung);
        QFETCH(int, editor);
        QSignalSpy mc(f.get(), &TSchuelerdatenEingabefenster::testBearbeiten);
        QSignalSpy lt(f.get(), &TSchuelerdatenEingabefenster::lueckentestOeffnen);
        f->CBoxSchuljahr->setCurrentText(u"2024-25"_s);
        klasseTippen(klasse);
        f->CBoxFach->setCurrentIndex(f->CBoxFach->findText(u"Physik (P)"_s));
        f->CBoxThema->setEditText(thema);
        f->CBoxTestNr->setCurrentText(nummer);
        f->CBoxTestArt->setCurrentText(art);
        r.leeren();
        QTest::mouseClick(f->BNeuenTest, Qt::LeftButton);
        QCOMPARE(f->BNeuenTest->text(), knopf);
        if (meldung.isEmpty()) {
            QVERIFY2(r.meldungen().filter(u"Bedenken Sie"_s).size() == r.meldungen().size(),
                     qPrintable(r.letzteMeldung()));
        } else {
            QVERIFY2(r.letzteMeldung().startsWith(meldung), qPrintable(r.letzteMeldung()));
        }
        QCOMPARE(mc.size(), editor == 1 ? 1 : 0);
        QCOMPARE(lt.size(), editor == 2 ? 1 : 0);
        const QString ziel = t.pfad() + u"2024-25/7xP3Mech/7xP3Mech"_s;
        if (editor == 1) {
            QCOMPARE(mc[0][0].toString(), ziel + u".__A"_s);
            QCOMPARE(mc[0][2].toBool(), true);
            QCOMPARE(f->neuerTestZiel(), ziel + u".__A"_s);
            QVERIFY(f->CBoxSchuljahr->currentText() == u"2024-25"_s);
        } else if (editor == 2) {
            QCOMPARE(lt[0][0].toString(), ziel + u"._LA"_s);
        }
    }

    void oeffnenUndAufVorlage()
    {
        QSignalSpy mc(f.get(), &TSchuelerdatenEingabefenster::testBearbeiten);
        QSignalSpy lt(f.get(), &TSchuelerdatenEingabefenster::lueckentestOeffnen);
        QTest::mouseClick(f->BVorhandenenTestOeffnen, Qt::LeftButton);
        QCOMPARE(f->BVorhandenenTestOeffnen->text(), u"<---  Erst auswählen!"_s);
        waehle(u"7xD1Lyri"_s);
        QTest::keyClick(f.get(), Qt::Key_Return); // Enter oeffnet
        QCOMPARE(lt.size(), 1);
        QCOMPARE(lt[0][0].toString(), t.pfad() + u"2024-25/7xD1Lyri/7xD1Lyri._LA"_s);
        // Mit den Pfeiltasten in der Liste gewaehlt, oeffnet Enter den Eintrag unter dem Balken.
        QListWidget *liste = f->ListBoxThemenMitErklaerung;
        const int ziel = liste->row(liste->findItems(u"8aM1Bruc"_s, Qt::MatchContains).first());
        QTest::keyClick(liste, Qt::Key_Home);
        for (int i = 0; i < ziel; ++i) {
            QTest::keyClick(liste, Qt::Key_Down);
        }
        QCOMPARE(liste->currentRow(), ziel);
        QTest::keyClick(liste, Qt::Key_Return);
        QCOMPARE(mc.size(), 1);
        QCOMPARE(mc[0][0].toString(), t.pfad() + u"2024-25/8aM1Bruc/8aM1Bruc.__A"_s);
        mc.clear();
        waehle(u"8aM1Bruc"_s);
        QTest::mouseClick(f->BVorhandenenTestOeffnen, Qt::LeftButton);
        QCOMPARE(mc.size(), 1);
        QCOMPARE(mc[0][0].toString(), t.pfad() + u"2024-25/8aM1Bruc/8aM1Bruc.__A"_s);
        QCOMPARE(mc[0][1].toBool(), false);

        // Neuer Test auf Vorlage desselben Themas: Liste ueber alle Jahre.
        klasseTippen(u"7x"_s);
        f->CBoxFach->setCurrentIndex(f->CBoxFach->findText(u"Physik (P)"_s));
        f->CBoxThema->setEditText(u"Mech- Mechanik"_s);
        f->CBoxTestNr->setCurrentText(u"3"_s);
        QVERIFY(f->BNeuAufVorlage->isVisible());
        QTest::mouseClick(f->BNeuAufVorlage, Qt::LeftButton);
        QCOMPARE(f->LVorhandeneTests->text(), u"Vorlagen mit demselben Thema"_s);
        QCOMPARE(codes(f->ListBoxThemenMitErklaerung),
                 (QStringList{u"7xP1Mech"_s, u"7xP1Mech"_s, u"7xP2Mech"_s}));
        QCOMPARE(f->BVorhandenenTestOeffnen->text(), u"<-- Vorlage wählen"_s);
        f->ListBoxThemenMitErklaerungClick(0); // der alte Test aus 2023-24
        QCOMPARE(f->BVorhandenenTestOeffnen->text(), u"Vorlage öffnen"_s);
        QTest::mouseClick(f->BVorhandenenTestOeffnen, Qt::LeftButton);
        QCOMPARE(mc.size(), 2);
        QCOMPARE(mc[1][0].toString(), t.pfad() + u"2023-24/7xP1Mech/7xP1Mech.__A"_s);
        QCOMPARE(mc[1][1].toBool(), true);
        QCOMPARE(f->neuerTestZiel(), t.pfad() + u"2024-25/7xP3Mech/7xP3Mech.__A"_s);
    }

    void loeschenMitVorschau()
    {
        QTest::mouseClick(f->BTestLoeschen, Qt::LeftButton);
        QCOMPARE(f->BTestLoeschen->text(), u"<-- Erst auswählen"_s);
        waehle(u"7xP2Mech"_s);
        r.antworte(Rueckfragen::Knopf::Nein);
        QTest::mouseClick(f->BTestLoeschen, Qt::LeftButton);
        QVERIFY(r.fragen().last().startsWith(u"Soll die Test-Datei: "_s));
        QVERIFY(QFileInfo::exists(t.pfad() + u"2024-25/7xP2Mech"_s));
        QVERIFY(!f->RichEdit_Test_Schnellansicht->isVisible());
        waehle(u"7xP2Mech"_s);
        r.antworte(Rueckfragen::Knopf::Ja);
        QTest::mouseClick(f->BTestLoeschen, Qt::LeftButton);
        QVERIFY(!QFileInfo::exists(t.pfad() + u"2024-25/7xP2Mech"_s));
        QVERIFY(!codes(f->ListBoxThemenMitErklaerung).contains(u"7xP2Mech"_s));
        QVERIFY(!f->testGewaehlt());
    }

    void vorschauSolangeGedrueckt()
    {
        QListWidget *liste = f->ListBoxThemenMitErklaerung;
        const QRect r0 = liste->visualItemRect(liste->item(1));
        QTest::mousePress(liste->viewport(), Qt::LeftButton, {}, QPoint(20, r0.center().y()));
        QVERIFY(f->RichEdit_Test_Schnellansicht->isVisible());
        QVERIFY(f->RichEdit_Test_Schnellansicht->toPlainText().contains(u"Thema: "_s));
        bild(u"konstruktion_vorschau"_s);
        QTest::mouseRelease(liste->viewport(), Qt::LeftButton, {}, QPoint(20, r0.center().y()));
        QVERIFY(!f->RichEdit_Test_Schnellansicht->isVisible());
        // Rechts im Schuljahr: keine Vorschau.
        QTest::mousePress(liste->viewport(), Qt::LeftButton, {},
                          QPoint(liste->fontMetrics().horizontalAdvance(liste->item(1)->text()) - 8,
                                 r0.center().y()));
        QVERIFY(!f->RichEdit_Test_Schnellansicht->isVisible());
        QTest::mouseRelease(liste->viewport(), Qt::LeftButton);
    }

    // Ein Test frueherer Jahre: keine Klasse, Sitzplan nur gelesen. Ein Test dieses Jahres
    // schreibt den Sitzplan aus der Klasse, solange er nicht ausgeteilt ist.
    void sitzplan()
    {
        const QString altPlan = t.pfad() + u"2023-24/7xP1Mech/7xP1Mech._SP"_s;
        const QByteArray alt = "Sitzplan\r\nA\tB\r\nAlt, Anna\tBerg, Ben\r\n";
        dateiSchreiben(altPlan, alt);
        f->CBoxSchuljahr->setCurrentText(u"2023-24"_s);
        waehle(u"7xP1Mech"_s);
        QCOMPARE(dateiInhalt(altPlan), alt);
        QVERIFY(f->BSitzplan->isEnabled());
        QVERIFY(f->LVorhandeneTests->text().startsWith(u"Test/ Klasse"_s));

        f->CBoxSchuljahr->setCurrentText(u"2024-25"_s);
        waehle(u"7xP1Mech"_s);
        const QString plan = t.pfad() + u"2024-25/7xP1Mech/7xP1Mech._SP"_s;
        QVERIFY(QFileInfo::exists(plan));
        QTest::mouseClick(f->BSitzplan, Qt::LeftButton);
        SGSitzplan *g = f->Sitzplan;
        QVERIFY(g->isVisible());
        QCOMPARE(f->BSitzplan->text(), u"Sitzplan ausschalten\n(Mausrolle f. Spalten)"_s);
        QCOMPARE(g->columnCount(), 8);
        QCOMPARE(g->rowCount(), 25 / 8 + 2);
        QCOMPARE(g->item(1, 0)->text(), u"Lena\nAlbrec."_s);
        bild(u"konstruktion_sitzplan"_s);
        for (int i = 0; i < 5; ++i) {
            QWheelEvent rad(QPointF(10, 10), g->mapToGlobal(QPointF(10, 10)), {}, {0, 120},
                            Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(g->viewport(), &rad);
        }
        QCOMPARE(g->columnCount(), 11);
        for (int i = 0; i < 15; ++i) {
            QWheelEvent rad(QPointF(10, 10), g->mapToGlobal(QPointF(10, 10)), {}, {0, -120},
                            Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(g->viewport(), &rad);
        }
        QCOMPARE(g->columnCount(), 1);
        QCOMPARE(g->rowCount(), 27);

        // Nach dem Austeilen bleibt der Sitzplan, wie er ist.
        dateiSchreiben(t.pfad() + u"2024-25/7xP1Mech/7xP1Mech._GE"_s, "Lena\r\nAlbrecht\r\nA\r\n");
        dateiSchreiben(plan, alt);
        waehle(u"7xP1Mech"_s);
        QCOMPARE(dateiInhalt(plan), alt);
    }

    // Durchfuehrung ohne brauchbare Klasse: Meldung, nichts bereitgestellt, Fenster bleibt
    // bedienbar.
    void durchfuehrungOhneKlasse_data()
    {
        QTest::addColumn<QByteArray>("klassendatei"); // leer: keine Datei
        QTest::addColumn<QString>("meldung");
        QTest::newRow("keine Klasse") << QByteArray()
                                      << u"Achtung: Es wurde keine Klasse (L-7x-P...) gefunden! "
                                         u"Die Testdurchführung ist nicht möglich."_s;
        QTest::newRow("kaputte Klasse") << QByteArray("zu kurz") << u"L-7x-Ph.DTA"_s;
    }
    void durchfuehrungOhneKlasse()
    {
        QFETCH(QByteArray, klassendatei);
        QFETCH(QString, meldung);
        const QString dta = t.pfad() + u"2024-25/L-7x-Ph.DTA"_s;
        QFile::remove(dta);
        if (!klassendatei.isEmpty()) {
            dateiSchreiben(dta, klassendatei);
        }
        f->modusZeigen(Testauswahl::Layout::Durchfuehrung, false);
        r.leeren();
        waehle(u"7xP1Mech"_s);
        QVERIFY2(r.letzteMeldung().contains(meldung), qPrintable(r.letzteMeldung()));
        QVERIFY(!f->BTestBereitStellen->isEnabled());
        QVERIFY(f->LVorhandeneTests->text().isEmpty() ||
                !f->LVorhandeneTests->text().contains(u"L-7x-Ph"_s));
        f->BTestBereitStellenClick(); // auch ueber den Befehl: nichts geschieht ohne Klasse
        QVERIFY(!f->durchfuehrungLaeuft());
        QVERIFY(!QFileInfo::exists(t.pfad() + u"aus/Meier/7x"_s));
        QVERIFY(f->ListBoxThemenMitErklaerung->isEnabled());
    }

    // Der Testordner verschwindet, waehrend die Liste ihn zeigt.
    void verschwundenerOrdner()
    {
        baumLoeschen(t.pfad() + u"2024-25/8aM1Bruc"_s);
        waehle(u"8aM1Bruc"_s);
        QVERIFY(r.letzteMeldung().contains(u"8aM1Bruc"_s));
        QVERIFY(!f->testGewaehlt());
        QVERIFY(!codes(f->ListBoxThemenMitErklaerung).contains(u"8aM1Bruc"_s));
    }
};

QTEST_MAIN(TestKonstruktion)
#include "konstruktion_test.moc"
