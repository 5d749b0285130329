#include "authoring/fenster/TestEditor.h"
#include "authoring/formatierung.h"
#include "fenstertesthilfe.h"
#include "grades/fenster/Zensurenbearbeitung.h"
#include "settings/skalierung.h"
#include "settings/uebersicht.h"
#include "widgets/ColorButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

class HauptfensterTest : public QObject
{
    Q_OBJECT
private slots:
    void ersterStart();
    void ohneLehrerCf();
    void schulnameUndVorhandeneKonfiguration();
    void sperreOhneKlassen_data();
    void sperreOhneKlassen();
    void modiMitKlassen();
    void ohneSchulKonfigTunDurchfuehrungUndRueckgabeNichts();
    void fehlendeFensterGesperrt();
    void falscherModus_data();
    void falscherModus();
    void infoUndEnde();
    void endeMitTaste();
    void optionenOeffnen();
    void menueInDerUebersicht();
    void modusknoepfeHover();
    void skaliertBeimErzeugen();
    void fensterEntstehenBeimErstenZeigen_data();
    void fensterEntstehenBeimErstenZeigen();
    void notenverwaltungMitEchtemFenster();
    void versetzungAusDemMenue();
};

void HauptfensterTest::versetzungAusDemMenue()
{
    Lauf l;
    QVERIFY(l.starten());
    l.klassenBereitstellen();
    l.r.leeren();
    TFVersetzung &v = l.a->versetzung();
    QVERIFY(!v.isVisible());

    QAction *befehl = l.befehl("KlasseinneuesSchuljahrversetzen1");
    QVERIFY(befehl->isEnabled());
    befehl->trigger();
    QVERIFY(v.isVisible());
    QVERIFY(!l.a->notenfenster.isVisible());
    // Die Listen sind nach dem Laden der Einstellungen gefuellt.
    QCOMPARE(v.LBKlassenAJ->count(), 1);
    QCOMPARE(v.LBKlassenAJ->item(0)->text(), u"L-7x-Ph.DTA"_s);
    QCOMPARE(v.endOrdner(), l.jahr());

    emit v.zurUebersicht();
    QVERIFY(!v.isVisible());
    QVERIFY(l.haupt().isVisible());

    // Neue Klasse und Schuelersuche oeffnen das Notenfenster.
    l.befehl("NeueKlasseanlegen1")->trigger();
    QVERIFY(l.a->notenfenster.isVisible());
    QCOMPARE(l.r.unbeantwortet, 0);
}

void HauptfensterTest::notenverwaltungMitEchtemFenster()
{
    Lauf l;
    QVERIFY(l.starten());
    l.klassenBereitstellen();
    l.r.leeren();
    TFZensurenbearbeitung &noten = l.a->notenfenster;

    QTest::mouseClick(l.finde<QPushButton>(&l.haupt(), "BNotenverwaltung"), Qt::LeftButton);
    QVERIFY(noten.isVisible());
    QVERIFY(!l.haupt().isVisible());
    // Ohne Klasse: keine Liste, Standard-Notenarten, untere Knoepfe gesperrt, Fokus auf "Neue
    // Klasse"; die Klassenliste kommt erst mit "Klasse öffnen".
    QVERIFY(!noten.LBoxKlassen->isVisible());
    QCOMPARE(noten.BZenKat[1]->text(), u"&Hausarbeit"_s);
    QCOMPARE(noten.BZenKat[5]->text(), u"&Tests"_s);
    for (QPushButton *b : {noten.BAlleZen, noten.BKlasseSpeichern, noten.BEinzelSchueler}) {
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    }
    QVERIFY(noten.BNeueKlasse->isEnabled());
    QTRY_COMPARE(QApplication::focusWidget(), noten.BNeueKlasse);
    QVERIFY(noten.CBoxAktSchuljahr->isChecked());
    QCOMPARE(noten.sitzung.schuljahr(), u"2024-25"_s);
    // Die Taste "w" (ohne Alt) zeigt die Klassenliste; mit geladener Klasse fuehren die
    // Testschritte des Menues weiter.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W);
    QVERIFY(noten.LBoxKlassen->isVisible());
    const auto eintraege = noten.LBoxKlassen->findItems(u"L-7x-Ph.DTA"_s, Qt::MatchExactly);
    QCOMPARE(eintraege.size(), 1);
    noten.LBoxKlassen->setCurrentItem(eintraege.first());
    QTest::keyClick(noten.LBoxKlassen, Qt::Key_Return);
    QVERIFY(noten.sitzung.offen());
    for (const char *name : {"Test1", "Test2", "Test3", "Test4", "Testvorlagedrucken1"}) {
        QVERIFY2(l.finde<QAction>(&noten, name) && l.finde<QAction>(&noten, name)->isEnabled(),
                 name);
    }
    l.r.antworte(Rueckfragen::Knopf::Nein); // Speicherabfrage

    // Zurueck zur Uebersicht (ohne offene Klasse keine Speicherabfrage).
    emit noten.modusGewuenscht(kModusUebersicht);
    QVERIFY(!noten.isVisible());
    QVERIFY(l.haupt().isVisible());

    // Menuebefehle der Uebersicht fuehren zur Klassenwahl.
    for (const char *name : {"Klasseffnen1", "NotenbearbeitungKlasseauswhlen1"}) {
        QVERIFY2(l.befehl(name)->isEnabled(), name);
        l.befehl(name)->trigger();
        QVERIFY2(noten.isVisible(), name);
        QVERIFY2(noten.LBoxKlassen->isVisible() && noten.LBoxKlassen->count() > 0, name);
        emit noten.modusGewuenscht(kModusUebersicht);
    }
    QVERIFY(l.r.meldungen().isEmpty());
    QCOMPARE(l.r.unbeantwortet, 0);
}

void HauptfensterTest::ersterStart()
{
    Lauf l;
    l.erzeugen();
    l.a->starten();
    // Die Einstellungen laedt erst der Zeitgeber, wenn das Fenster zu sehen ist.
    QVERIFY(l.r.protokoll.isEmpty());
    QVERIFY(l.haupt().isVisible());
    QVERIFY(QTest::qWaitFor([&] { return !l.e.basisOrdner.isEmpty(); }));

    const QStringList m = l.r.meldungen();
    QCOMPARE(m.size(), 2);
    QCOMPARE(m[0], Konfiguration::willkommenstext(l.t.pfad()));
    QVERIFY(m[1].startsWith(u"Der Pfad zum Schülertestmodul"_s));
    QCOMPARE(l.r.protokoll[1].art, Rueckfragen::Art::Warnung);
    QVERIFY(l.e.schulKonfigFehlt);
    QCOMPARE(wertInDatei(l.e.lehrerCfDatei(), Kopf::lehrerKlassenOrdner), l.t.pfad());
    QCOMPARE(l.e.basisOrdner, l.t.pfad());
    QVERIFY(!l.e.programmEndet);

    QCOMPARE(l.haupt().windowTitle(), QStringLiteral(MIVO_VERSION) + u"  Mivo-Zuzovuvavev"_s);
    QCOMPARE(l.finde<QLabel>(&l.haupt(), "LTitel")->text(), u"Multiple Choice - Testprogramm"_s);
    QCOMPARE(l.finde<QLabel>(&l.haupt(), "LSchulname")->text(), QString());
    QVERIFY(l.finde<QWidget>(&l.haupt(), "ImageWillkommen")->isVisible());
    QVERIFY(!l.haupt().ersterDurchgang());

    // Der ganze Basisordner woanders hin kopiert: keine Begruessung, aber der Hinweis auf den
    // neuen Basisordner, der dann eingetragen ist.
    Lauf zweiter;
    baumKopieren(l.t.pfad(), zweiter.t.pfad(), true);
    QVERIFY(zweiter.starten());
    const QStringList m2 = zweiter.r.meldungen();
    QCOMPARE(m2.size(), 2);
    QVERIFY(m2[0].startsWith(u"In der Konfigurationsdatei  Mivo-Kl-cf.txt  ist als Basisordner"_s));
    QVERIFY(m2[1].startsWith(u"Der Pfad zum Schülertestmodul"_s));
    QCOMPARE(wertInDatei(zweiter.e.lehrerCfDatei(), Kopf::lehrerKlassenOrdner), zweiter.t.pfad());
}

void HauptfensterTest::ohneLehrerCf()
{
    Lauf l;
    QFile::remove(l.e.lehrerCfDatei());
    QVERIFY(l.starten());
    QCOMPARE(l.r.meldungen(),
             QStringList{
                 u"Die Datei  Mivo-Kl-cf.txt  wurde nicht gefunden. Diese Konfigurationsdatei "_s
                 u"sollte sich aber immer in dem Ordner befinden, in dem auch das Hauptprogramm "_s
                 u"und die anderen Dateien des Basisordners liegen (s. Bedienungsanleitung), "_s
                 u"und sollte die wichtigsten Angaben enthalten.\r\nDas Programm sollte ohne "_s
                 u"die dazugehörige Konfigurationsdatei nicht verwendet werden \r\nund wird "_s
                 u"daher beendet."_s});
    QCOMPARE(l.r.protokoll[0].art, Rueckfragen::Art::Fehler);
    QVERIFY(l.e.programmEndet);
    QVERIFY(!l.haupt().isVisible());
    QVERIFY(!QFile::exists(l.e.lehrerCfDatei()));
}

void HauptfensterTest::schulnameUndVorhandeneKonfiguration()
{
    Lauf l;
    wertInDateiSetzen(l.e.lehrerCfDatei(), Kopf::programmOrdner, l.schulserver());
    wertInDateiSetzen(l.e.lehrerCfDatei(), Kopf::lehrerKlassenOrdner, l.t.pfad());
    wertInDateiSetzen(l.schulserver() + kSchuelerCfName, Kopf::schule, u"Realschule Nürnberg/"_s);
    QVERIFY(l.starten());
    QCOMPARE(l.r.meldungen(), QStringList());
    QVERIFY(!l.e.schulKonfigFehlt);
    QCOMPARE(l.finde<QLabel>(&l.haupt(), "LSchulname")->text(), u"Realschule Nürnberg"_s);
}

void HauptfensterTest::sperreOhneKlassen_data()
{
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<QString>("menue");
    QTest::newRow("Notenverwaltung") << u"BNotenverwaltung"_s << QString();
    QTest::newRow("Konstruktion") << u"BTestKonstruieren"_s << u"Testkonstruieren1"_s;
    QTest::newRow("Durchfuehrung") << u"BTestDurchfuehrung"_s << u"Testdurchfuehrung1"_s;
    QTest::newRow("Rueckgabe") << u"BTestRueckgabe"_s << u"Testrueckgabe1"_s;
}

void HauptfensterTest::sperreOhneKlassen()
{
    QFETCH(QString, knopf);
    QFETCH(QString, menue);
    Lauf l;
    l.erzeugen();
    TestAuswahl auswahl;
    TestNoten noten;
    l.haupt().setzeTestauswahl(&auswahl);
    l.haupt().setzeNotenverwaltung(&noten);
    QVERIFY(l.starten());
    l.r.leeren();
    l.e.schulKonfigFehlt = false;

    auto *b = l.haupt().findChild<QPushButton *>(knopf);
    QVERIFY(b && b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
    if (!menue.isEmpty()) {
        l.haupt().findChild<QAction *>(menue)->trigger();
    }
    const int erwartet = menue.isEmpty() ? 1 : 2;
    QCOMPARE(l.r.meldungen(), QStringList(erwartet, anfangsMeldungText()));
    QCOMPARE(l.r.protokoll[0].art, Rueckfragen::Art::Information);
    QVERIFY(auswahl.aufrufe.isEmpty());
    QCOMPARE(noten.aufrufe, 0);
    QVERIFY(l.haupt().isVisible());
}

void HauptfensterTest::modiMitKlassen()
{
    Lauf l;
    l.erzeugen();
    TestAuswahl auswahl;
    TestNoten noten;
    l.haupt().setzeTestauswahl(&auswahl);
    l.haupt().setzeNotenverwaltung(&noten);
    QVERIFY(l.starten());
    l.klassenBereitstellen();
    l.e.schulKonfigFehlt = false;
    l.r.leeren();
    using L = Testauswahl::Layout;

    QTest::mouseClick(l.finde<QPushButton>(&l.haupt(), "BTestKonstruieren"), Qt::LeftButton);
    QCOMPARE(auswahl.aufrufe, (QList<std::pair<L, bool>>{{L::Konstruktion, true}}));
    QVERIFY(!l.haupt().isVisible());

    // Zurueck zur Uebersicht: das Hauptfenster erscheint wieder.
    l.haupt().FormEinstellung(1);
    QVERIFY(l.haupt().isVisible());
    QTest::mouseClick(l.finde<QPushButton>(&l.haupt(), "BTestRueckgabe"), Qt::LeftButton);
    QCOMPARE(auswahl.aufrufe.last(), std::make_pair(L::Rueckgabe, false));
    QVERIFY(l.haupt().rueckgabeModus());
    l.haupt().FormEinstellung(1);
    QTest::mouseClick(l.finde<QPushButton>(&l.haupt(), "BTestDurchfuehrung"), Qt::LeftButton);
    QCOMPARE(auswahl.aufrufe.last(), std::make_pair(L::Durchfuehrung, false));
    QVERIFY(!l.haupt().rueckgabeModus());

    l.haupt().FormEinstellung(1);
    QTest::mouseClick(l.finde<QPushButton>(&l.haupt(), "BNotenverwaltung"), Qt::LeftButton);
    QCOMPARE(noten.aufrufe, 1);
    QVERIFY(!l.haupt().isVisible());
    QCOMPARE(l.r.meldungen(), QStringList());
}

void HauptfensterTest::ohneSchulKonfigTunDurchfuehrungUndRueckgabeNichts()
{
    Lauf l;
    l.erzeugen();
    TestAuswahl auswahl;
    l.haupt().setzeTestauswahl(&auswahl);
    QVERIFY(l.starten()); // erster Start: Mivo-cf.txt wird nicht gefunden
    QVERIFY(l.e.schulKonfigFehlt);
    l.klassenBereitstellen();
    l.r.leeren();
    QTest::mouseClick(l.finde<QPushButton>(&l.haupt(), "BTestDurchfuehrung"), Qt::LeftButton);
    QTest::mouseClick(l.finde<QPushButton>(&l.haupt(), "BTestRueckgabe"), Qt::LeftButton);
    l.befehl("Testdurchfuehrung1")->trigger();
    QVERIFY(auswahl.aufrufe.isEmpty());
    QCOMPARE(l.r.meldungen(), QStringList());
    QVERIFY(l.haupt().isVisible());
    // Konstruktion geht auch ohne Schulkonfiguration.
    QTest::mouseClick(l.finde<QPushButton>(&l.haupt(), "BTestKonstruieren"), Qt::LeftButton);
    QCOMPARE(auswahl.aufrufe.size(), 1);
}

void HauptfensterTest::fehlendeFensterGesperrt()
{
    Lauf l;
    QVERIFY(l.starten());
    // Notenfenster und Testauswahl sind angemeldet: alle Modusknoepfe sind frei.
    QVERIFY(l.finde<QPushButton>(&l.haupt(), "BNotenverwaltung")->isEnabled());
    for (const char *name : {"BTestKonstruieren", "BTestDurchfuehrung", "BTestRueckgabe"}) {
        auto *b = l.finde<QPushButton>(&l.haupt(), name);
        QVERIFY2(b->isEnabled(), name);
        QVERIFY2(b->toolTip().isEmpty(), name);
    }
    QVERIFY(l.befehl("Testkonstruieren1")->isEnabled());
    QVERIFY(l.befehl("KonfigurationfrTestfunktionen1")->isEnabled());
    QVERIFY(l.befehl("AnfangsKonfiguration1")->isEnabled());
}

void HauptfensterTest::falscherModus_data()
{
    QTest::addColumn<int>("modus");
    QTest::newRow("0") << 0;
    QTest::newRow("6") << 6;
    QTest::newRow("-1") << -1;
}

void HauptfensterTest::falscherModus()
{
    QFETCH(int, modus);
    Lauf l;
    QVERIFY(l.starten());
    l.r.leeren();
    l.haupt().FormEinstellung(modus);
    QCOMPARE(l.r.meldungen(), QStringList{u"Fehler bei der Formeinstellung!"_s});
    QCOMPARE(l.r.protokoll[0].art, Rueckfragen::Art::Fehler);
    QVERIFY(l.haupt().isVisible());
}

void HauptfensterTest::infoUndEnde()
{
    Lauf l;
    QVERIFY(l.starten());
    l.r.leeren();
    QTest::mouseClick(l.finde<QPushButton>(&l.haupt(), "BInfo"), Qt::LeftButton);
    l.befehl("ProgrammInfo1")->trigger();
    QCOMPARE(l.r.meldungen(), QStringList(2, infoText()));
    auto *ende = l.finde<QPushButton>(&l.haupt(), "BProgrammende");
    QVERIFY(ende->toolTip().startsWith(
        u"Schneller als über diesen Button:\r\nEinfach die Taste  <e>"_s));
    QTest::mouseClick(ende, Qt::LeftButton);
    QVERIFY(l.e.programmEndet);
    QVERIFY(!l.haupt().isVisible());
}

void HauptfensterTest::endeMitTaste()
{
    Lauf l;
    QVERIFY(l.starten());
    QTest::keyClick(&l.haupt(), Qt::Key_I);
    QTRY_COMPARE(l.r.letzteMeldung(), infoText());
    QTest::keyClick(&l.haupt(), Qt::Key_E);
    QTRY_VERIFY(l.e.programmEndet);

    Lauf altE;
    QVERIFY(altE.starten());
    QTest::keyClick(&altE.haupt(), Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(altE.e.programmEndet);

    Lauf altF4;
    QVERIFY(altF4.starten());
    QTest::keyClick(&altF4.haupt(), Qt::Key_F4, Qt::AltModifier);
    QVERIFY(altF4.e.programmEndet);
}

void HauptfensterTest::optionenOeffnen()
{
    Lauf l;
    QVERIFY(l.starten());
    l.r.leeren();
    l.befehl("KonfigurationsdateiKlcf1")->trigger();
    l.befehl("Themenlistebearbeiten1")->trigger();
    l.befehl("Fcherlistebearbeiten1")->trigger();
    l.befehl("AufUpdatepruefen1")->trigger();
    QCOMPARE(l.o.geoeffnet,
             (QStringList{l.e.lehrerCfDatei(), l.t.pfad() + u"Mivo-Themenliste.txt"_s,
                          l.t.pfad() + u"Mivo-Faecherliste.txt"_s, kProduktSeite}));
    QCOMPARE(l.r.meldungen(), QStringList());

    // Der Basisordner bringt die Anleitung mit; fehlt sie, wird das gesagt.
    const QString anleitung = l.t.pfad() + u"Mivo-Zuzovuvavev Bedienungsanleitung.pdf"_s;
    l.befehl("Bedienungsanleitung1")->trigger();
    QCOMPARE(l.o.geoeffnet.last(), anleitung);
    QVERIFY(QFile::remove(anleitung));
    l.befehl("Bedienungsanleitung1")->trigger();
    QCOMPARE(l.r.meldungen(), QStringList{u"Es wurde keine Bedienungsanleitung gefunden!"_s});
    QCOMPARE(l.r.protokoll[0].art, Rueckfragen::Art::Warnung);
    l.t.schreibe(u"Mivo-Zuzovuvavev Bedienungsanleitung 1.0.pdf"_s, "%PDF");
    l.befehl("Bedienungsanleitung1")->trigger();
    QCOMPARE(l.o.geoeffnet.last(), l.t.pfad() + u"Mivo-Zuzovuvavev Bedienungsanleitung 1.0.pdf"_s);

    // Kein Programm zum Oeffnen: das wird gesagt.
    l.o.gelingt = false;
    l.r.leeren();
    l.befehl("Themenlistebearbeiten1")->trigger();
    QVERIFY(l.r.letzteMeldung().contains(u"konnte nicht geöffnet werden"_s));
}

void HauptfensterTest::menueInDerUebersicht()
{
    Lauf l;
    QVERIFY(l.starten());
    QVERIFY(!l.befehl("Klassendatenexportieren1")->isEnabled());
    QVERIFY(!l.befehl("Zufallsgruppen1")->isEnabled());
    QVERIFY(!l.befehl("Klasselschen1")->isEnabled());
    QVERIFY(l.befehl("Klasseffnen1")->isVisible());
    QVERIFY(!l.befehl("ZurbersichtWechseln1")->isVisible());
    QVERIFY(!l.befehl("ZurKlassenverwaltungwechseln1")->isVisible());
    QVERIFY(!l.befehl("Testvorlagedrucken1")->isVisible());
    QVERIFY(!l.befehl("Testspeichernwievorliegend1")->isVisible());
    // Gesperrt, weil sie eine offene Klasse brauchen, nicht weil sie fehlten.
    for (QAction *a : l.haupt().findChildren<QAction *>()) {
        QVERIFY2(!a->toolTip().contains(u"noch nicht enthalten"_s), qPrintable(a->objectName()));
    }
    // "Beenden" tut ohne Editor nichts; Alt+E gehoert dann "Programm&ende".
    QVERIFY(!l.befehl("Beenden1")->isEnabled());
    l.befehl("Beenden1")->trigger();
    QVERIFY(!l.e.programmEndet);
    QVERIFY(l.haupt().isVisible());
}

void HauptfensterTest::modusknoepfeHover()
{
    Lauf l;
    l.erzeugen();
    TestNoten noten;
    l.haupt().setzeNotenverwaltung(&noten);
    QVERIFY(l.starten());
    auto *b = l.finde<TColorButton>(&l.haupt(), "BNotenverwaltung");
    auto *r = l.finde<TColorButton>(&l.haupt(), "BTestRueckgabe");
    QCOMPARE(b->BackColor(), QColor(255, 255, 225));
    QCOMPARE(l.finde<TColorButton>(&l.haupt(), "BTestKonstruieren")->BackColor(),
             QColor(220, 240, 250));
    QCOMPARE(l.finde<TColorButton>(&l.haupt(), "BTestDurchfuehrung")->BackColor(),
             QColor(240, 245, 240));
    QCOMPARE(r->BackColor(), QColor(220, 195, 195));

    QEnterEvent rein(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(b, &rein);
    QCOMPARE(b->BackColor(), QColor(Qt::white));
    // Mausbewegung ueber der Knopfleiste stellt die Palettenfarben wieder her.
    QWidget *leiste = l.finde<QWidget>(&l.haupt(), "PButtonleiste");
    QTest::mouseMove(leiste, QPoint(2, 2));
    QTRY_COMPARE(b->BackColor(), QColor(255, 255, 225));
}

void HauptfensterTest::skaliertBeimErzeugen()
{
    const QFont vorher = QApplication::font();
    Lauf l;
    l.erzeugen();
    const QScreen *s = l.haupt().screen();
    const int erwartet =
        Bildschirmaufloesung_beliebig(s->geometry().width(), s->geometry().height(),
                                      s->logicalDotsPerInch(), Fensterfamilie::Standard);
    QCOMPARE(l.haupt().skalierung(), erwartet);
    QCOMPARE(l.haupt().font().pointSizeF(), vorher.pointSizeF() * erwartet / 100.0);
    // Gesetzte Mindestgroessen wachsen mit.
    auto *b = l.finde<QPushButton>(&l.haupt(), "BNotenverwaltung");
    QCOMPARE(b->minimumHeight(), int(rundeGerade(64LL * erwartet, 100)));
    // Auch der Testfunktionen-Dialog gehoert zur Familie (skaliert, sobald er gebaut ist).
    l.a->konf.show();
    QCOMPARE(l.a->konf.font().pointSizeF(), vorher.pointSizeF() * erwartet / 100.0);
    l.a->konf.hide();
    // Oben am Bildschirm, so hoch wie er.
    QCOMPARE(l.haupt().geometry().top(), s->availableGeometry().top());
    QCOMPARE(l.haupt().height(), s->availableGeometry().height());
}

void HauptfensterTest::fensterEntstehenBeimErstenZeigen_data()
{
    QTest::addColumn<QString>("fenster");
    QTest::addColumn<QString>("steuerelement");
    QTest::addColumn<int>("familie"); // -1: nicht skaliert
    QTest::newRow("Testauswahl") << u"testauswahl"_s << u"CBoxKlasse"_s
                                 << int(Fensterfamilie::Testauswahl);
    QTest::newRow("Lückentest") << u"lueckentest"_s << u"BUrdateiSpeichern"_s
                                << int(Fensterfamilie::Testauswahl);
    QTest::newRow("Testfunktionen") << u"konf"_s << u"BGo1"_s << int(Fensterfamilie::Standard);
    QTest::newRow("Anfangskonfiguration") << u"anfangsKonf"_s << u"ESchulName"_s << -1;
    QTest::newRow("Testeditor") << u"editor"_s << u"RichEdit1"_s << int(Fensterfamilie::Standard);
}

// Der Start baut nur die Uebersicht; die anderen Fenster entstehen beim ersten Zeigen und sind
// dann so skaliert, als waeren sie beim Start gebaut worden.
void HauptfensterTest::fensterEntstehenBeimErstenZeigen()
{
    QFETCH(QString, fenster);
    QFETCH(QString, steuerelement);
    QFETCH(int, familie);
    const QFont vorher = QApplication::font();
    Lauf l;
    QVERIFY(l.starten());
    QWidget *w = fenster == u"testauswahl"_s   ? static_cast<QWidget *>(&l.a->testauswahl)
                 : fenster == u"lueckentest"_s ? &l.a->lueckentest
                 : fenster == u"konf"_s        ? &l.a->konf
                 : fenster == u"anfangsKonf"_s ? static_cast<QWidget *>(&l.a->anfangsKonf)
                                               : &l.haupt();
    QVERIFY(!w->findChild<QWidget *>(steuerelement));
    if (fenster == u"editor"_s) {
        w = l.haupt().editor();
    } else {
        w->show();
    }
    QVERIFY(w->findChild<QWidget *>(steuerelement));
    const QScreen *s = l.haupt().screen();
    const int erwartet =
        familie < 0 ? 100
                    : Bildschirmaufloesung_beliebig(s->geometry().width(), s->geometry().height(),
                                                    s->logicalDotsPerInch(),
                                                    static_cast<Fensterfamilie>(familie));
    QCOMPARE(w->font().pointSizeF(), vorher.pointSizeF() * erwartet / 100.0);
    if (fenster == u"editor"_s) {
        QCOMPARE(w->findChild<QWidget *>(steuerelement)->font().pointSizeF(),
                 editorSchrift().pointSizeF() * erwartet / 100.0);
        QCOMPARE(l.haupt().editor(), w); // einmal gebaut
    }
}

QTEST_MAIN(HauptfensterTest)
#include "hauptfenster_test.moc"
