// Der Testeditor im Hauptfenster: Modus 3, Menuebefehle des Editors und jeder Weg hinaus ueber
// die Speicherabfrage.
#include "app/fenster/MainFrm.h"
#include "app/fenster/fenstertesthilfe.h"
#include "authoring/fenster/TestEditor.h"
#include "authoring/fenster/TestSpeicherAbfrage.h"
#include "grades/fenster/Zensurenbearbeitung.h"

#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

class TstEditorHauptfenster : public QObject
{
    Q_OBJECT

private slots:
    void wegeHinaus()
    {
        Lauf l;
        l.klassenBereitstellen();
        l.erzeugen();
        TestAuswahl auswahl;
        l.haupt().setzeTestauswahl(&auswahl);
        QVERIFY(l.starten());
        TestEditor *ed = l.haupt().editor();
        QVERIFY(ed);
        const QString test = l.t.pfad() + u"2016-17 Beispiele/7xP1Bspl/7xP1Bspl.__A"_s;
        SpeicherAngaben a;
        a.schuljahr = u"2016-17 Beispiele"_s;

        QVERIFY(ed->testOeffnen(test, a));
        QVERIFY(ed->isVisible());
        QVERIFY(l.befehl("Testspeichernwievorliegend1")->isVisible());
        QVERIFY(l.befehl("Testspeichernwievorliegend1")->isEnabled());

        // "Zur Uebersicht wechseln": erst die Abfrage; Abbrechen laesst den Editor stehen.
        l.befehl("ZurbersichtWechseln1")->trigger();
        TFTestSpeicherabfrage *abfrage = ed->speicherabfrage();
        QVERIFY(abfrage->isVisible());
        abfrage->findChild<QPushButton *>(u"BAbbrechen"_s)->click();
        QVERIFY(ed->isVisible() && ed->testGeladen());

        // Schliessen des Fensters fragt ebenso und laesst das Programm laufen.
        l.haupt().close();
        QVERIFY(abfrage->isVisible());
        QVERIFY(!l.e.programmEndet);
        abfrage->findChild<QPushButton *>(u"BAbbrechen"_s)->click();

        // "1. Test konstruieren/ bearbeiten": nach "Nicht speichern" zur Testauswahl.
        l.befehl("Testkonstruieren1")->trigger();
        QVERIFY(abfrage->isVisible());
        abfrage->findChild<QPushButton *>(u"BNichtSpeichern"_s)->click();
        QVERIFY(!ed->testGeladen());
        QCOMPARE(auswahl.aufrufe.size(), 1);
        QCOMPARE(auswahl.aufrufe.first().first, Testauswahl::Layout::Konstruktion);

        // "Zur Klassenverwaltung wechseln": nach der Abfrage die Klassenwahl der Notenverwaltung.
        QVERIFY(ed->testOeffnen(test, a));
        QVERIFY(l.befehl("ZurKlassenverwaltungwechseln1")->isVisible());
        QVERIFY(l.befehl("ZurKlassenverwaltungwechseln1")->isEnabled());
        l.befehl("ZurKlassenverwaltungwechseln1")->trigger();
        QVERIFY(abfrage->isVisible());
        TFZensurenbearbeitung &noten = l.a->notenfenster;
        QVERIFY(!noten.isVisible());
        abfrage->findChild<QPushButton *>(u"BNichtSpeichern"_s)->click();
        QTRY_VERIFY(noten.isVisible());
        QTRY_VERIFY(noten.LBoxKlassen->isVisible());
        QVERIFY(!ed->isVisible());
        noten.hide();
        l.haupt().show();

        // Ohne geladenen Test fuehrt "Zur Uebersicht" sofort dorthin.
        QVERIFY(ed->testOeffnen(test, a));
        l.befehl("ZurbersichtWechseln1")->trigger();
        abfrage->findChild<QPushButton *>(u"BNichtSpeichern"_s)->click();
        QVERIFY(l.finde<QWidget>(&l.haupt(), "PUebersicht")->isVisible());
        QVERIFY(!ed->isVisible());
    }
};

QTEST_MAIN(TstEditorHauptfenster)
#include "tst_editor_hauptfenster.moc"
