// Die Klassen-Notentabelle im Fenster: Eingabe mit Pruefung, Punkteanzeige, Optionen in der
// Konfigurationsdatei, Befehlstasten, Klicks auf Kopf- und Namenszellen.
#include "fensterumgebung.h"

#include "grades/klassenbau.h"

#include <QLabel>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <QScrollBar>
#include <QWheelEvent>
#include <csignal>

using namespace Qt::StringLiterals;

namespace {

// Drei Schueler, nur Tests zaehlen (Gewicht 100); Tests T1, T2 belegt.
Klasse kleineKlasse()
{
    Klasse k = standardKlasse();
    gewichteSetzen(k, {0, 0, 0, 0, 100});
    schuelerAnhaengen(k, u"Anna"_s, u"Albers"_s, u"w"_s);
    schuelerAnhaengen(k, u"Bernd"_s, u"Brandt"_s, u"m"_s);
    schuelerAnhaengen(k, u"Cora"_s, u"Claasen"_s, u"w"_s);
    notenSetzen(k, 1, 5, {u"2"_s, u"3"_s});
    notenSetzen(k, 2, 5, {u"4"_s});
    notenSetzen(k, 3, 5, {u"1"_s, u"1-"_s});
    k.datum(5, 0) = u"2016-10-01"_s;
    k.erlaeuterung(5, 0) = u"Arbeit 1"_s;
    k.datum(5, 1) = u"2016-12-01"_s;
    k.erlaeuterung(5, 1) = u"Arbeit 2"_s;
    return k;
}

QString cfWert(Fensterumgebung &u, const QString &kopf)
{
    const QStringList zeilen =
        QString::fromLatin1(u.ordner.lies(u"Mivo-Kl-cf.txt"_s)).split(u"\r\n"_s);
    const qsizetype i = zeilen.indexOf(kopf);
    return i >= 0 && i + 1 < zeilen.size() ? zeilen[i + 1] : u"?"_s;
}

} // namespace

class NotentabelleFensterTest : public QObject
{
    Q_OBJECT
private slots:
    void notenUeberstehenSigkill();
    void eingabeMitPruefung_data();
    void eingabeMitPruefung();
    void ersterFreierSlotNeuUndDatum();
    void ersteFreieSpalteMitPfeiltasten();
    void punkteAnzeigeEingabe();
    void optionenInKonfiguration_data();
    void optionenInKonfiguration();
    void optionenNichtBeimStart();
    void keineAenderungSperrt();
    void vornamenSortierungBehaeltPunkte();
    void entfTasteLeert();
    void getippteNoteGehtBeimSpeichernNichtVerloren();
    void kopfZellenKlick();
    void namensZelleOeffnetSchueler();
    void ansichtsKnoepfe();
    void mausradEineZeile();
    void hinweiseUeberKopfUndNamen();
    void escUndBefehle();
};

void NotentabelleFensterTest::eingabeMitPruefung_data()
{
    QTest::addColumn<int>("spalte");
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("gespeichert"); // in Schueler 1, danach
    QTest::addColumn<int>("piep");
    QTest::newRow("gueltige Note") << 4 << u"1-"_s << u"1-"_s << 0;
    QTest::newRow("Fehlt-Marke") << 4 << u"/"_s << u"/"_s << 0;
    QTest::newRow("keine Note") << 4 << u"7"_s << u"2"_s << 1;
    QTest::newRow("Punkte in Zensurenanzeige") << 4 << u"12"_s << u"2"_s << 1;
    QTest::newRow("erster freier Slot") << 6 << u"3+"_s << u"3+"_s << 0;
}

void NotentabelleFensterTest::eingabeMitPruefung()
{
    QFETCH(int, spalte);
    QFETCH(QString, getippt);
    QFETCH(QString, gespeichert);
    QFETCH(int, piep);
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, kleineKlasse());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    ZenListeGesamt *t = u.f->tabelle;
    zelleTippen(t, 3, spalte, getippt);
    zelleKlicken(t, 4, 4);
    QCOMPARE(u.r.pieptoene, piep);
    const int slot = spalte - 4;
    QCOMPARE(u.f->sitzung.klasse.schueler(1).note(5, slot), gespeichert);
    QCOMPARE(zellText(t, 3, spalte), gespeichert);
    if (piep > 0) {
        // Die verweigerte Zelle ist wieder gewaehlt.
        QTRY_COMPARE(t->currentColumn(), spalte);
        QCOMPARE(t->currentRow(), 3);
    } else {
        // Durchschnitt und Gesamtspalten folgen sofort.
        const QString ds = zellText(t, 3, 14);
        QCOMPARE(ds, schnittText(schnitt(u.f->sitzung.klasse, 1, 5)));
        QVERIFY(!zellText(t, 3, 69).isEmpty() || gespeichert == u"/"_s);
    }
}

// Klick auf den ersten freien Slot: Erlaeuterung "neu" und heutiges Datum; weiter rechts ist
// keine Eingabe moeglich.
void NotentabelleFensterTest::ersterFreierSlotNeuUndDatum()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, kleineKlasse());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    ZenListeGesamt *t = u.f->tabelle;
    u.f->ChBLeerspaltenZeigen->setChecked(true);
    zelleKlicken(t, 3, 6);
    QCOMPARE(u.f->sitzung.klasse.erlaeuterung(5, 2), u"neu"_s);
    QCOMPARE(u.f->sitzung.klasse.datum(5, 2), u"2017-02-10"_s);
    QCOMPARE(zellText(t, 0, 6), u"neu"_s);
    QCOMPARE(u.w<QLabel>(u"LZenDatum"_s)->text(), u"T3:   2017-02-10"_s);
    QCOMPARE(u.w<QLabel>(u"LZenErlaeuterung"_s)->text(), u"neu"_s);
    zelleKlicken(t, 3, 7);
    QCOMPARE(u.w<QLabel>(u"LZenErlaeuterung"_s)->text(),
             u"Bitte erst die Spalten weiter links auffüllen!"_s);
    zelleTippen(t, 3, 7, u"2"_s);
    zelleKlicken(t, 3, 4);
    QCOMPARE(u.f->sitzung.klasse.schueler(1).note(5, 3), QString());
    QVERIFY(u.f->sitzung.klasse.erlaeuterung(5, 3).isEmpty());
    // Die leere Zeile unter dem letzten Schueler nimmt keine Noten an.
    zelleTippen(t, 6, 4, u"2"_s);
    zelleKlicken(t, 3, 4);
    QCOMPARE(u.f->sitzung.klasse.schueler(4).note(5, 0), QString());
}

void NotentabelleFensterTest::punkteAnzeigeEingabe()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, kleineKlasse());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    ZenListeGesamt *t = u.f->tabelle;
    QTest::keyClick(t, Qt::Key_P);
    QVERIFY(u.f->ChBPunkteZensuren->isChecked());
    QCOMPARE(u.w<QLabel>(u"LPunkteAnzeige"_s)->text(), u"Punkte"_s);
    QCOMPARE(zellText(t, 3, 4), u"11"_s);
    QCOMPARE(zellText(t, 5, 5), u"13"_s);
    zelleTippen(t, 3, 6, u"10"_s);
    zelleKlicken(t, 4, 6);
    QCOMPARE(u.f->sitzung.klasse.schueler(1).note(5, 2), u"2-"_s);
    QCOMPARE(zellText(t, 3, 6), u"10"_s);
    zelleTippen(t, 4, 6, u"2-"_s);
    zelleKlicken(t, 5, 6);
    QCOMPARE(u.r.pieptoene, 1);
    QCOMPARE(u.f->sitzung.klasse.schueler(2).note(5, 2), QString());
    QCOMPARE(zellText(t, 4, 6), QString());
    // Zurueck zu Zensuren: die Klasse hielt immer Zensuren.
    QTest::keyClick(t, Qt::Key_P);
    QCOMPARE(zellText(t, 3, 6), u"2-"_s);
    QCOMPARE(u.w<QLabel>(u"LPunkteAnzeige"_s)->text(), u"Zensuren(E)"_s);
}

void NotentabelleFensterTest::optionenInKonfiguration_data()
{
    QTest::addColumn<QString>("taste");
    QTest::addColumn<QString>("kopf");
    QTest::addColumn<QString>("danach");
    QTest::newRow("u Durchschnitte") << u"u"_s << u"[Durchschnitte]"_s << QString();
    QTest::newRow("g Gesamt") << u"g"_s << u"[Gesamtberechnung]"_s << QString();
    QTest::newRow("l Leerspalten") << u"l"_s << u"[Leerspalten]"_s << u"X"_s;
    QTest::newRow("k Keine Aenderung") << u"k"_s << u"[Keine Aenderung]"_s << u"X"_s;
    QTest::newRow("v Vornamen") << u"v"_s << u"[Vornamensortierung]"_s << u"X"_s;
    QTest::newRow("p Punkte") << u"p"_s << u"[Punktedarstellung]"_s << u"X"_s;
}

// Jede Aenderung einer Option steht sofort in Mivo-Kl-cf.txt.
void NotentabelleFensterTest::optionenInKonfiguration()
{
    QFETCH(QString, taste);
    QFETCH(QString, kopf);
    QFETCH(QString, danach);
    Fensterumgebung u;
    u.oeffne(u"L-7x-Ph.DTA"_s);
    QTest::sendKeyEvent(QTest::KeyAction::Click, u.f->tabelle, Qt::Key_unknown, taste,
                        Qt::NoModifier);
    QCOMPARE(cfWert(u, kopf), danach);
    QCOMPARE(u.r.protokoll.size(), 0);
    u.f->CBoxJungenMaedchen->setCurrentIndex(0);
    QCOMPARE(cfWert(u, u"[Jungen-Maedchen-Sortierung]"_s), u"0"_s);
}

void NotentabelleFensterTest::optionenNichtBeimStart()
{
    Fensterumgebung u;
    const QByteArray vorher = u.ordner.lies(u"Mivo-Kl-cf.txt"_s);
    TFZensurenbearbeitung zweites(u.e, u.r, u.uhr);
    zweites.show(); // die Steuerelemente entstehen beim ersten Zeigen
    QCOMPARE(u.ordner.lies(u"Mivo-Kl-cf.txt"_s), vorher);
    QVERIFY(zweites.CHBDurchschnitte->isChecked());
    QVERIFY(zweites.ChBGesamtb->isChecked());
    QCOMPARE(zweites.CBoxJungenMaedchen->currentIndex(), 2);
}

void NotentabelleFensterTest::keineAenderungSperrt()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, kleineKlasse());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    QTest::keyClick(u.f->tabelle, Qt::Key_K);
    zelleTippen(u.f->tabelle, 3, 4, u"5"_s);
    zelleKlicken(u.f->tabelle, 4, 4);
    QCOMPARE(u.f->sitzung.klasse.schueler(1).note(5, 0), u"2"_s);
    QTest::keyClick(u.f->tabelle, Qt::Key_K);
    zelleTippen(u.f->tabelle, 3, 4, u"5"_s);
    zelleKlicken(u.f->tabelle, 4, 4);
    QCOMPARE(u.f->sitzung.klasse.schueler(1).note(5, 0), u"5"_s);
}

void NotentabelleFensterTest::vornamenSortierungBehaeltPunkte()
{
    Fensterumgebung u;
    Klasse k = kleineKlasse();
    k.schueler(1).vorname = u"Zoe"_s; // Nachname Albers: vorn nach Nachnamen, hinten nach Vornamen
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, k);
    u.oeffne(u"L-8a-Ch.DTA"_s);
    QTest::keyClick(u.f->tabelle, Qt::Key_P);
    QCOMPARE(zellText(u.f->tabelle, 3, 2), u"Albers"_s);
    QTest::keyClick(u.f->tabelle, Qt::Key_V);
    QCOMPARE(zellText(u.f->tabelle, 5, 1), u"Zoe"_s);
    QCOMPARE(u.f->sitzung.klasse.schueler(3).vorname, u"Zoe"_s);
    QCOMPARE(zellText(u.f->tabelle, 5, 4), u"11"_s); // Punkte bleiben, Noten wandern mit
    QVERIFY(u.f->ChBPunkteZensuren->isChecked());
}

// Mit den Pfeiltasten in die erste freie Spalte und dort getippt: die Liste beginnt wie nach
// einem Klick mit "neu" und dem heutigen Datum.
void NotentabelleFensterTest::ersteFreieSpalteMitPfeiltasten()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, kleineKlasse());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    ZenListeGesamt *t = u.f->tabelle;
    QCOMPARE(t->currentColumn(), 4);
    QCOMPARE(t->currentRow(), 3);
    t->setFocus();
    QTest::keyClick(t, Qt::Key_Right);
    QTest::keyClick(t, Qt::Key_Right);
    QCOMPARE(t->currentColumn(), 6);
    for (const QString &note : {u"2"_s, u"3+"_s, u"1-"_s}) {
        for (QChar c : note) { // die erste Taste oeffnet das Zellenfeld
            QTest::sendKeyEvent(QTest::KeyAction::Click, QApplication::focusWidget(),
                                Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCoreApplication::processEvents();
    }
    u.klick(u"BKlasseSpeichern"_s);
    const Klasse &k = u.f->sitzung.klasse;
    QCOMPARE(k.schueler(3).note(5, 2), u"1-"_s);
    QCOMPARE(k.erlaeuterung(5, 2), u"neu"_s);
    QCOMPARE(k.datum(5, 2), u"2017-02-10"_s);
    QCOMPARE(zellText(t, 0, 6), u"neu"_s);
    Klasse gelesen;
    QVERIFY(klassenlisteLesen(u.ordner.datei(u"2016-17/L-8a-Ch.DTA"_s), gelesen, u.r));
    QCOMPARE(gelesen.datum(5, 2), u"2017-02-10"_s);
    QCOMPARE(gelesen.erlaeuterung(5, 2), u"neu"_s);
    QCOMPARE(gelesen.schueler(1).note(5, 2), u"2"_s);
    QCOMPARE(gelesen.schueler(2).note(5, 2), u"3+"_s);
}

void NotentabelleFensterTest::entfTasteLeert()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, kleineKlasse());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.f->tabelle->setCurrentCell(3, 5);
    QTest::keyClick(u.f->tabelle, Qt::Key_Delete);
    QCOMPARE(u.f->sitzung.klasse.schueler(1).note(5, 1), QString());
    QCOMPARE(zellText(u.f->tabelle, 3, 14), u"2"_s);
    // Im Durchschnitt wird jede Taste uebergangen.
    u.f->tabelle->setCurrentCell(3, 14);
    QTest::keyClick(u.f->tabelle, Qt::Key_Delete);
    QCOMPARE(zellText(u.f->tabelle, 3, 14), u"2"_s);
}

// Eine getippte, noch nicht bestaetigte Note wird vor dem Speichern uebernommen.
void NotentabelleFensterTest::getippteNoteGehtBeimSpeichernNichtVerloren()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, kleineKlasse());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    zelleTippen(u.f->tabelle, 4, 5, u"2+"_s);
    u.klick(u"BKlasseSpeichern"_s);
    Klasse gelesen;
    QVERIFY(klassenlisteLesen(u.ordner.datei(u"2016-17/L-8a-Ch.DTA"_s), gelesen, u.r));
    QCOMPARE(gelesen.schueler(2).note(5, 1), u"2+"_s);
}

void NotentabelleFensterTest::kopfZellenKlick()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, kleineKlasse());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.f->ChBLeerspaltenZeigen->setChecked(true);
    zelleKlicken(u.f->tabelle, 1, 8); // T5: rechts vom ersten freien Slot
    QCOMPARE(u.r.pieptoene, 1);
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Tabelle);
    zelleKlicken(u.f->tabelle, 0, 5); // T2: belegt
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Einzelliste);
    QCOMPARE(u.f->einzelliste->liste->slot, 1);
    QCOMPARE(u.f->einzelliste->EZenHinweise->text(), u"Arbeit 2"_s);
    QCOMPARE(u.f->einzelliste->ENotenNr->text(), u"T2"_s);
    // Ohne "&" waehrend die Einzelliste offen ist.
    QCOMPARE(u.f->BZenKat[5]->text(), u"Tests"_s);
    QCOMPARE(u.f->BAlleZen->text(), u"Alle"_s);
    u.klick(u"BOKEinzelliste"_s);
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Tabelle);
    QCOMPARE(u.f->BZenKat[5]->text(), u"&Tests"_s);
}

void NotentabelleFensterTest::namensZelleOeffnetSchueler()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, kleineKlasse());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    zelleKlicken(u.f->tabelle, 4, 2);
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Einzelschueler);
    QCOMPARE(u.f->einzelschueler->ENachname->text(), u"Brandt"_s);
    u.klick(u"BAbbrechenSchueler"_s);
    // Die Zeile unter dem letzten Schueler: ein neuer Schueler.
    zelleKlicken(u.f->tabelle, 6, 1);
    QVERIFY(u.f->einzelschueler->neuerSchueler);
    QCOMPARE(u.f->einzelschueler->LSchNr->text(), u"4)"_s);
}

void NotentabelleFensterTest::ansichtsKnoepfe()
{
    Fensterumgebung u;
    u.oeffne(u"L-7x-Ph.DTA"_s);
    ZenListeGesamt *t = u.f->tabelle;
    QTest::keyClick(t, Qt::Key_M); // "&Mündliche"
    QCOMPARE(t->ansicht, Ansicht::Art);
    QCOMPARE(t->ansichtArt, 2);
    QVERIFY(t->isColumnHidden(4));
    QVERIFY(!t->isColumnHidden(34)); // in der Einzelansicht auch die leeren Spalten
    QVERIFY(u.f->BZenKat[2]->styleSheet().contains(u"220,240,250"_s));
    QTest::keyClick(t, Qt::Key_B);
    QCOMPARE(t->ansicht, Ansicht::Berechnungen);
    QVERIFY(t->isColumnHidden(15));
    QVERIFY(!t->isColumnHidden(35));
    QTest::keyClick(t, Qt::Key_A);
    QCOMPARE(t->ansicht, Ansicht::Alle);
    QVERIFY(u.f->BZenKat[2]->styleSheet().isEmpty());
    u.bild(u"tabelle-mündliche"_s);
}

// Eine Rastung rollt eine Zeile; die Auswahl bleibt in den sichtbaren Schuelerzeilen.
void NotentabelleFensterTest::mausradEineZeile()
{
    Fensterumgebung u;
    Klasse k = standardKlasse();
    for (int i = 0; i < kMaxSchueler; ++i) {
        schuelerAnhaengen(k, u"V"_s + QString::number(100 + i), u"N"_s + QString::number(100 + i));
    }
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, k);
    u.f->resize(1280, 600);
    u.oeffne(u"L-8a-Ch.DTA"_s);
    ZenListeGesamt *t = u.f->tabelle;
    QScrollBar *leiste = t->verticalScrollBar();
    QVERIFY(leiste->maximum() > 0);
    QCOMPARE(leiste->value(), 0);
    const QPoint mitte = t->viewport()->rect().center();
    QWheelEvent runter(mitte, t->viewport()->mapToGlobal(mitte), QPoint(), QPoint(0, -120),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(t->viewport(), &runter);
    QCOMPARE(leiste->value(), 22);
    // Schueler 1 liegt jetzt unter den festen Kopfzeilen: die Auswahl geht eine Zeile tiefer.
    QCOMPARE(t->currentRow(), 4);
    QCOMPARE(t->currentColumn(), 4);
    for (int i = 0; i < 60; ++i) {
        QCoreApplication::sendEvent(t->viewport(), &runter);
    }
    QCOMPARE(leiste->value(), leiste->maximum());
    QVERIFY(t->rowAt(t->viewport()->height() - 1) < 0 ||
            t->rowAt(t->viewport()->height() - 1) == 43);
    QWheelEvent hoch(mitte, t->viewport()->mapToGlobal(mitte), QPoint(), QPoint(0, 120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    t->setCurrentCell(43, 5);
    QCoreApplication::sendEvent(t->viewport(), &hoch);
    QCOMPARE(leiste->value(), leiste->maximum() - 22);
    QVERIFY(t->currentRow() < 43);
    QCOMPARE(t->currentColumn(), 5);
}

void NotentabelleFensterTest::hinweiseUeberKopfUndNamen()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, kleineKlasse());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.f->ChBLeerspaltenZeigen->setChecked(true);
    ZenListeGesamt *t = u.f->tabelle;
    auto *erlaeuterung = u.w<QLabel>(u"LZenErlaeuterung"_s);
    auto *datum = u.w<QLabel>(u"LZenDatum"_s);
    const auto ueber = [&](int zeile, int spalte) {
        QTest::mouseMove(t->viewport(), t->visualRect(t->model()->index(zeile, spalte)).center());
        QCoreApplication::processEvents();
    };
    ueber(0, 5);
    QCOMPARE(erlaeuterung->text(), u"Arbeit 2"_s);
    QCOMPARE(datum->text(), u"T2: 2016-12-01"_s);
    ueber(1, 6);
    QCOMPARE(erlaeuterung->text(), u"neu"_s);
    QCOMPARE(datum->text(), u"T3: 2017-02-10"_s);
    ueber(2, 7);
    QCOMPARE(erlaeuterung->text(), u"Erst die leeren Spalten weiter links auffüllen!"_s);
    ueber(0, 14);
    QCOMPARE(erlaeuterung->text(), u"T:  Durchschnittsnote"_s);
    ueber(4, 1);
    QCOMPARE(erlaeuterung->text(), u"Bernd Brandt"_s);
    ueber(6, 2);
    QCOMPARE(erlaeuterung->text(), u"Neue(r) Schüler(in)"_s);
    QCOMPARE(t->item(4, 2)->toolTip(), u"Bernd Brandt"_s);
}

void NotentabelleFensterTest::escUndBefehle()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, kleineKlasse());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    ZenListeGesamt *t = u.f->tabelle;
    int uebersicht = 0;
    QObject::connect(u.f.get(), &TFZensurenbearbeitung::modusGewuenscht, [&] { ++uebersicht; });
    // "w" fragt und zeigt die Klassenliste; Esc schliesst sie nur.
    u.r.antworte(Rueckfragen::Knopf::Nein);
    QTest::keyClick(t, Qt::Key_W);
    auto *liste = u.w<QListWidget>(u"LBoxKlassen"_s);
    QVERIFY(liste->isVisible());
    QTest::keyClick(liste, Qt::Key_Escape);
    QVERIFY(!liste->isVisible());
    QCOMPARE(uebersicht, 0);
    u.oeffne(u"L-8a-Ch.DTA"_s);
    // "d" fragt nach der Art des Drucks; Abbrechen tut nichts.
    u.r.antworte(Rueckfragen::Knopf::Abbrechen);
    QTest::keyClick(t, Qt::Key_D);
    QVERIFY(u.r.fragen().last().startsWith(u"Drucken der Klassendatei:"_s));
    // In der Einzelliste wirken nur k, p und v; Enter in der Auswahl oeffnet die Liste.
    QTest::keyClick(t, Qt::Key_E);
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Einzelliste);
    EinzellistenAnsicht *el = u.f->einzelliste;
    QVERIFY(el->LBZenHinweise->isVisible());
    QTest::keyClick(el->LBZenHinweise, Qt::Key_Down);
    QTest::keyClick(el->LBZenHinweise, Qt::Key_Return);
    QCOMPARE(el->liste->slot, 1);
    QVERIFY(el->SGEinzellisteLinks->hasFocus());
    QTest::keyClick(el->SGEinzellisteLinks, Qt::Key_P);
    QVERIFY(u.f->ChBPunkteZensuren->isChecked());
    QTest::keyClick(el->SGEinzellisteLinks, Qt::Key_U);
    QVERIFY(u.f->CHBDurchschnitte->isChecked()); // unveraendert
    // Esc schliesst die Ansicht wie OK, ein weiteres Esc fuehrt zur Uebersicht.
    QTest::keyClick(el->SGEinzellisteLinks, Qt::Key_Escape);
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Tabelle);
    u.r.antworte(Rueckfragen::Knopf::Nein);
    QTest::keyClick(t, Qt::Key_Escape);
    QCOMPARE(uebersicht, 1);
}

// Das echte Notenfenster (offscreen, eigener Prozess) bekommt Noten getippt und wird zu einem
// zufaelligen Zeitpunkt mit SIGKILL beendet. Danach muss jede Note, deren Eingabe bestaetigt war,
// wiederhergestellt werden; die eine, die gerade eingegeben wurde, darf fehlen oder da sein.
// Laeufe: MIVO_ABBRUCHLAEUFE_FENSTER (Standard 200).
void NotentabelleFensterTest::notenUeberstehenSigkill()
{
    const int laeufe = qEnvironmentVariableIsSet("MIVO_ABBRUCHLAEUFE_FENSTER")
                           ? qEnvironmentVariableIntValue("MIVO_ABBRUCHLAEUFE_FENSTER")
                           : 200;
    const quint32 saat = QRandomGenerator::global()->generate();
    QRandomGenerator zufall(saat);
    Testordner ordner;
    ordner.schreibe(u"Mivo-Kl-cf.txt"_s,
                    dateiInhalt(QStringLiteral(MIVO_BASISQUELLE "/Mivo-Kl-cf.txt")));
    ordnerAnlegen(ordner.datei(u"2016-17"_s));
    const QByteArray anfang = dateiInhalt(QStringLiteral(MIVO_BEISPIELE "/L-7x-Ph.DTA"));
    const QString datei = ordner.datei(u"2016-17/L-7x-Ph.DTA"_s);
    int bestaetigtGesamt = 0;
    int mitten = 0;
    for (int lauf = 0; lauf < laeufe; ++lauf) {
        dateiSchreiben(datei, anfang);
        QFile::remove(datei + u".journal"_s);
        QProcess treiber;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        treiber.setProcessEnvironment(umgebung);
        treiber.start(QStringLiteral(MIVO_NOTENFENSTER_TREIBER),
                      {ordner.pfad(), u"L-7x-Ph.DTA"_s, u"100000"_s});
        QVERIFY(treiber.waitForStarted());
        QByteArray ausgabe;
        // Bis zur ersten Bestaetigung warten, dann eine zufaellige Zeit weiter tippen lassen.
        while (!ausgabe.contains("\nb ") && !ausgabe.startsWith("b ") &&
               treiber.waitForReadyRead(10000)) {
            ausgabe += treiber.readAllStandardOutput();
        }
        QThread::usleep(zufall.bounded(100000));
        ::kill(pid_t(treiber.processId()), SIGKILL);
        QVERIFY(treiber.waitForFinished(5000));
        QVERIFY2(treiber.exitStatus() == QProcess::CrashExit,
                 qPrintable(u"Treiber endete selbst: "_s + QString::number(treiber.exitCode()) +
                            QString::fromUtf8(treiber.readAllStandardError())));
        ausgabe += treiber.readAllStandardOutput();
        QHash<QString, QString> bestaetigt; // "Vorname Nachname" -> Note
        QString imFlugWer;
        QString imFlugNote;
        int zahl = 0;
        for (const QByteArray &z : ausgabe.split('\n')) {
            const QStringList t = QString::fromUtf8(z).split(u' ');
            if (t.size() != 5) {
                continue; // auch eine abgeschnittene letzte Zeile
            }
            if (t[0] == u"b"_s) {
                bestaetigt.insert(t[2] + u' ' + t[3], t[4]);
                zahl = t[1].toInt();
                imFlugWer.clear();
            } else {
                imFlugWer = t[2] + u' ' + t[3];
                imFlugNote = t[4];
            }
        }
        SkriptRueckfragen r;
        r.antworte(Rueckfragen::Knopf::Ja);
        Klassensitzung s{r};
        s.setzeSchuljahr(ordner.pfad(), u"2016-17"_s);
        QVERIFY(s.laden(u"L-7x-Ph.DTA"_s));
        bool flugDa = false;
        for (int nr = 1; nr <= s.groesse(); ++nr) {
            const Schueler &sch = s.klasse.schueler(nr);
            const QString wer = sch.vorname + u' ' + sch.nachname;
            const QString ist = sch.note(5, 0);
            if (wer == imFlugWer && ist == imFlugNote && bestaetigt.value(wer) != ist) {
                flugDa = true;
                continue;
            }
            if (bestaetigt.contains(wer)) {
                QVERIFY2(ist == bestaetigt.value(wer),
                         qPrintable(u"Lauf %1 (Saat %2): %3 hat %4 statt der bestaetigten %5 "
                                    "(%6 Eingaben bestaetigt)"_s.arg(lauf)
                                        .arg(saat)
                                        .arg(wer, ist, bestaetigt.value(wer))
                                        .arg(zahl)));
            }
        }
        mitten += flugDa ? 1 : 0;
        bestaetigtGesamt += zahl;
        s.schliessen();
    }
    qInfo("Notenfenster: %d Abbrueche, %d bestaetigte Eingaben, keine verloren; %d mal war die "
          "gerade getippte schon da (Saat %u)",
          laeufe, bestaetigtGesamt, mitten, saat);
}

QTEST_MAIN(NotentabelleFensterTest)
#include "notentabelle_fenster_test.moc"
