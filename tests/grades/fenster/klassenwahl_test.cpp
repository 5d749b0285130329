// Klassenliste, Laden, Speichern und Speicherabfrage des Notenfensters.
#include "fensterumgebung.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

using namespace Qt::StringLiterals;
using Knopf = Rueckfragen::Knopf;

class KlassenwahlTest : public QObject
{
    Q_OBJECT
private slots:
    void listeZeigtKlassenUndLaedt();
    void vorschauMitPfeiltasten();
    void vorschauBeimZiehen();
    void arbeitenInDerVorschauOeffnet();
    void speichernZeigtGespeichert();
    void speicherAbfrage_data();
    void speicherAbfrage();
    void speichernSchlaegtFehlAbfrageBleibtOffen();
    void leeresAktuellesSchuljahr();
    void schliessenFragt();
    void klasseLoeschen();
    void exportUeberDasMenue();
    void einzellisteGehtBeimSpeichernNichtVerloren();
    void bilder();
};

void KlassenwahlTest::listeZeigtKlassenUndLaedt()
{
    Fensterumgebung u;
    u.ordner.schreibe(u"2016-17/L-10a-Ph.DTA"_s, u.ordner.lies(u"2016-17/L-7x-Ph.DTA"_s));
    u.ordner.schreibe(u"2016-17/notiz.txt"_s, "x");
    QCOMPARE(u.w<QComboBox>(u"CBoxSchuljahr"_s)->currentText(), u"2016-17"_s);
    QVERIFY(u.w<QCheckBox>(u"CBoxAktSchuljahr"_s)->isChecked());
    u.klick(u"BKlassenwahl"_s);
    auto *liste = u.w<QListWidget>(u"LBoxKlassen"_s);
    QVERIFY(liste->isVisible());
    QStringList eintraege;
    for (int i = 0; i < liste->count(); ++i) {
        eintraege << liste->item(i)->text();
    }
    QCOMPARE(eintraege, (QStringList{u"K-9-Inx.DTA"_s, u"L-7x-Ph.DTA"_s, u"L-10a-Ph.DTA"_s}));
    // Der erste Eintrag ist gewaehlt; Anklicken oeffnet und schliesst die Liste.
    QCOMPARE(liste->currentRow(), 0);
    u.oeffne(u"L-7x-Ph.DTA"_s);
    QVERIFY(!liste->isVisible());
    QCOMPARE(u.w<QLabel>(u"LKlasse"_s)->text(), u"L-7x-Ph"_s);
    QCOMPARE(klassenGroesse(u.f->sitzung.klasse), 25);
    QCOMPARE(u.f->sitzung.kuerzel(), u"7x"_s);
    QVERIFY(u.f->sitzung.offen());
    QCOMPARE(u.f->tabelle->rowCount(), 29);
    QCOMPARE(u.f->tabelle->currentRow(), 3);
    QCOMPARE(u.f->tabelle->currentColumn(), 4);
    QVERIFY(u.f->tabelle->isColumnHidden(3)); // Klasse: keine Spalte "Kl."
    QCOMPARE(u.r.protokoll.size(), 0);
}

void KlassenwahlTest::vorschauMitPfeiltasten()
{
    Fensterumgebung u;
    u.klick(u"BKlassenwahl"_s);
    auto *liste = u.w<QListWidget>(u"LBoxKlassen"_s);
    QCOMPARE(liste->currentItem()->text(), u"K-9-Inx.DTA"_s);
    QTest::keyClick(liste, Qt::Key_Down);
    // Vorschau: geladen, Liste bleibt offen.
    QCOMPARE(u.f->sitzung.name(), u"L-7x-Ph"_s);
    QVERIFY(liste->isVisible());
    QTest::keyClick(liste, Qt::Key_Up);
    QCOMPARE(u.f->sitzung.name(), u"K-9-Inx"_s);
    QVERIFY(!u.f->tabelle->isColumnHidden(3)); // Kurs: Spalte "Kl." sichtbar
    QTest::keyClick(liste, Qt::Key_Return);
    QVERIFY(!liste->isVisible());
    QCOMPARE(u.r.fragen().size(), 0);
}

// Wer in der Vorschau in die Tabelle klickt, hat die Klasse geoeffnet: ein Wechsel fragt.
void KlassenwahlTest::arbeitenInDerVorschauOeffnet()
{
    Fensterumgebung u;
    u.klick(u"BKlassenwahl"_s);
    auto *liste = u.w<QListWidget>(u"LBoxKlassen"_s);
    QTest::keyClick(liste, Qt::Key_Down);
    QCOMPARE(u.f->sitzung.name(), u"L-7x-Ph"_s);
    zelleTippen(u.f->tabelle, 3, 7, u"1"_s);
    QVERIFY(!liste->isVisible());
    zelleKlicken(u.f->tabelle, 4, 7);
    QCOMPARE(u.f->sitzung.klasse.schueler(1).note(5, 3), u"1"_s);
    u.r.antworte(Knopf::Abbrechen);
    u.klick(u"BKlassenwahl"_s);
    QCOMPARE(u.r.fragen(), QStringList{u"Soll die bearbeitete Datei gespeichert werden?"_s});
    QCOMPARE(u.f->sitzung.klasse.schueler(1).note(5, 3), u"1"_s);
}

// Mit gedrueckter Maustaste ueber die Eintraege: jeder wird zur Vorschau geladen, das Loslassen
// oeffnet den letzten.
void KlassenwahlTest::vorschauBeimZiehen()
{
    Fensterumgebung u;
    u.klick(u"BKlassenwahl"_s);
    auto *liste = u.w<QListWidget>(u"LBoxKlassen"_s);
    const QPoint erster = liste->visualItemRect(liste->item(0)).center();
    const QPoint zweiter = liste->visualItemRect(liste->item(1)).center();
    QTest::mousePress(liste->viewport(), Qt::LeftButton, {}, erster);
    QCOMPARE(u.f->sitzung.name(), u"K-9-Inx"_s);
    QMouseEvent ziehen(QEvent::MouseMove, zweiter, liste->viewport()->mapToGlobal(zweiter),
                       Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(liste->viewport(), &ziehen);
    QCOMPARE(u.f->sitzung.name(), u"L-7x-Ph"_s);
    QVERIFY(liste->isVisible());
    QTest::mouseRelease(liste->viewport(), Qt::LeftButton, {}, zweiter);
    u.warte();
    QVERIFY(!liste->isVisible());
    QCOMPARE(u.f->sitzung.name(), u"L-7x-Ph"_s);
    QCOMPARE(u.r.fragen().size(), 0);
}

void KlassenwahlTest::speichernZeigtGespeichert()
{
    Fensterumgebung u;
    u.oeffne(u"L-7x-Ph.DTA"_s);
    const QByteArray vorher = u.ordner.lies(u"2016-17/L-7x-Ph.DTA"_s);
    u.f->sitzung.klasse.schueler(1).note(1, 5) = u"2"_s;
    u.klick(u"BKlasseSpeichern"_s);
    QCOMPARE(u.knopf(u"BKlasseSpeichern"_s)->text(), u"Gespeichert!"_s);
    QVERIFY(u.ordner.lies(u"2016-17/L-7x-Ph.DTA"_s) != vorher);
    QTRY_COMPARE_WITH_TIMEOUT(u.knopf(u"BKlasseSpeichern"_s)->text(), u"&Speichern"_s, 3000);
    QVERIFY(u.f->sitzung.offen());
    Klasse gelesen;
    QVERIFY(klassenlisteLesen(u.ordner.datei(u"2016-17/L-7x-Ph.DTA"_s), gelesen, u.r));
    QCOMPARE(gelesen.schueler(1).note(1, 5), u"2"_s);
}

void KlassenwahlTest::speicherAbfrage_data()
{
    QTest::addColumn<int>("antwort");
    QTest::addColumn<bool>("gespeichert");
    QTest::addColumn<bool>("bleibtOffen");
    QTest::newRow("Ja") << int(Knopf::Ja) << true << false;
    QTest::newRow("Nein") << int(Knopf::Nein) << false << false;
    QTest::newRow("Abbruch") << int(Knopf::Abbrechen) << false << true;
}

// Jede Handlung, die die Klasse fallen laesst, fragt zuerst.
void KlassenwahlTest::speicherAbfrage()
{
    QFETCH(int, antwort);
    QFETCH(bool, gespeichert);
    QFETCH(bool, bleibtOffen);
    Fensterumgebung u;
    u.oeffne(u"L-7x-Ph.DTA"_s);
    const QByteArray vorher = u.ordner.lies(u"2016-17/L-7x-Ph.DTA"_s);
    u.f->sitzung.klasse.schueler(2).note(1, 5) = u"3"_s;
    int zurUebersicht = 0;
    QObject::connect(u.f.get(), &TFZensurenbearbeitung::modusGewuenscht, [&] { ++zurUebersicht; });
    u.r.antworte(static_cast<Knopf>(antwort));
    QTest::keyClick(u.f->tabelle, Qt::Key_Z);
    QCOMPARE(u.r.fragen(), QStringList{u"Soll die bearbeitete Datei gespeichert werden?"_s});
    QCOMPARE(u.r.gestellteKnoepfe.value(0), Rueckfragen::Knoepfe::JaNeinAbbrechen);
    QCOMPARE(u.ordner.lies(u"2016-17/L-7x-Ph.DTA"_s) != vorher, gespeichert);
    QCOMPARE(u.f->sitzung.offen(), bleibtOffen);
    QCOMPARE(zurUebersicht, bleibtOffen ? 0 : 1);
    QCOMPARE(klassenGroesse(u.f->sitzung.klasse), bleibtOffen ? 25 : 0);
    QCOMPARE(u.f->PAnsichten->isVisible(), bleibtOffen);
}

// Laesst sich die Datei nicht schreiben, bleibt die Klasse trotz "Ja" offen im Speicher.
void KlassenwahlTest::speichernSchlaegtFehlAbfrageBleibtOffen()
{
    Fensterumgebung u;
    u.oeffne(u"L-7x-Ph.DTA"_s);
    u.f->sitzung.klasse.schueler(2).note(1, 5) = u"3"_s;
    QFile::setPermissions(u.ordner.datei(u"2016-17"_s), QFile::ReadOwner | QFile::ExeOwner);
    QFile::setPermissions(u.ordner.datei(u"2016-17/L-7x-Ph.DTA"_s), QFile::ReadOwner);
    u.r.antworte(Knopf::Ja);
    u.klick(u"BKlassenwahl"_s);
    QFile::setPermissions(u.ordner.datei(u"2016-17"_s),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(u.r.meldungen(),
             QStringList{u"Die Datei "_s + u.ordner.datei(u"2016-17/L-7x-Ph.DTA"_s) +
                         u"  kann nicht geschrieben werden!"_s});
    QVERIFY(u.f->sitzung.offen());
    QCOMPARE(u.f->sitzung.klasse.schueler(2).note(1, 5), u"3"_s);
    QVERIFY(!u.w<QListWidget>(u"LBoxKlassen"_s)->isVisible());
}

void KlassenwahlTest::leeresAktuellesSchuljahr()
{
    Fensterumgebung u;
    u.uhr.zeit = QDateTime(QDate(2019, 9, 1), QTime(8, 0));
    u.f->CBoxSchuljahr->setCurrentText(u"2019-20"_s);
    QVERIFY(u.f->CBoxAktSchuljahr->isChecked());
    u.klick(u"BKlassenwahl"_s);
    auto *liste = u.w<QListWidget>(u"LBoxKlassen"_s);
    QCOMPARE(liste->count(), 1);
    QCOMPARE(liste->item(0)->text(), u"Keine Klassen vorh."_s);
    QCOMPARE(u.r.meldungen().size(), 1);
    QVERIFY(
        u.r.meldungen()[0].startsWith(u"Der Klassenordner für das aktuelle Schuljahr 2016-17"_s));
    // Der Eintrag laedt nichts.
    QTest::keyClick(liste, Qt::Key_Return);
    QCOMPARE(klassenGroesse(u.f->sitzung.klasse), 0);
}

void KlassenwahlTest::schliessenFragt()
{
    Fensterumgebung u;
    u.oeffne(u"L-7x-Ph.DTA"_s);
    int beendet = 0;
    QObject::connect(u.f.get(), &TFZensurenbearbeitung::programmBeenden, [&] { ++beendet; });
    u.r.antworte(Knopf::Abbrechen);
    QVERIFY(!u.f->close());
    QVERIFY(u.f->isVisible());
    QCOMPARE(beendet, 0);
    u.r.antworte(Knopf::Nein);
    QVERIFY(u.f->close());
    QCOMPARE(beendet, 1);
    QCOMPARE(u.r.fragen().size(), 2);
}

// In der offenen Einzelliste getippte Noten kommen beim Speichern ueber die Abfrage mit.
void KlassenwahlTest::einzellisteGehtBeimSpeichernNichtVerloren()
{
    Fensterumgebung u;
    u.oeffne(u"L-7x-Ph.DTA"_s);
    EinzellistenAnsicht *el = u.f->einzelliste;
    el->oeffnenMitListe(5, 3);
    zelleTippen(el->SGEinzellisteLinks, 3, 5, u"2+"_s);
    u.r.antworte(Knopf::Ja);
    u.f->BKlassenwahlClick();
    Klasse gelesen;
    QVERIFY(klassenlisteLesen(u.ordner.datei(u"2016-17/L-7x-Ph.DTA"_s), gelesen, u.r));
    QCOMPARE(gelesen.schueler(1).note(5, 3), u"2+"_s);
    QCOMPARE(gelesen.datum(5, 3), u"2017-02-10"_s);
    QVERIFY(!el->liste.has_value());
    QCOMPARE(u.f->BZenKat[5]->text(), u"&Tests"_s);
}

void KlassenwahlTest::klasseLoeschen()
{
    Fensterumgebung u;
    u.f->werkzeuge->Klasselschen1->trigger(); // ohne Klasse: Hinweis und Klassenliste
    QCOMPARE(u.r.meldungen().size(), 1);
    QVERIFY(u.w<QListWidget>(u"LBoxKlassen"_s)->isVisible());
    u.oeffne(u"L-7x-Ph.DTA"_s);
    u.r.antworte(Knopf::Nein).antworte(Knopf::Ja);
    u.f->werkzeuge->Klasselschen1->trigger();
    QVERIFY(QFile::exists(u.ordner.datei(u"2016-17/L-7x-Ph.DTA"_s)));
    QVERIFY(u.f->sitzung.offen());
    u.f->werkzeuge->Klasselschen1->trigger();
    QVERIFY(!QFile::exists(u.ordner.datei(u"2016-17/L-7x-Ph.DTA"_s)));
    QCOMPARE(u.r.letzteMeldung(), u"Die Klassendatei wurde gelöscht!"_s);
    QVERIFY(!u.f->sitzung.offen());
    QVERIFY(!u.f->PAnsichten->isVisible());
    QCOMPARE(klassenGroesse(u.f->sitzung.klasse), 0);
}

void KlassenwahlTest::exportUeberDasMenue()
{
    Fensterumgebung u;
    u.oeffne(u"L-7x-Ph.DTA"_s);
    u.r.dateiAntwort(u.ordner.datei(u"export.csv"_s));
    u.f->findChild<QAction *>(u"Klassendatenexportieren1"_s)->trigger();
    const QByteArray inhalt = u.ordner.lies(u"export.csv"_s);
    QVERIFY(inhalt.startsWith("Nachname;Vorname;"));
    QVERIFY(inhalt.contains("Albrecht;Lena;"));
}

void KlassenwahlTest::bilder()
{
    Fensterumgebung u;
    u.f->resize(1280, 1000);
    u.klick(u"BKlassenwahl"_s);
    u.bild(u"klassenliste"_s);
    u.oeffne(u"L-7x-Ph.DTA"_s);
    u.bild(u"tabelle-alle-L-7x-Ph"_s);
}

QTEST_MAIN(KlassenwahlTest)
#include "klassenwahl_test.moc"
