// Einzelschueleransicht und Editor der Notenarten im Fenster.
#include "fensterumgebung.h"

#include "grades/klassenbau.h"

using namespace Qt::StringLiterals;
using Knopf = Rueckfragen::Knopf;

namespace {

Klasse dreiSchueler()
{
    Klasse k = standardKlasse();
    schuelerAnhaengen(k, u"Anna"_s, u"Albers"_s, u"w"_s);
    schuelerAnhaengen(k, u"Bernd"_s, u"Brandt"_s, u"m"_s);
    schuelerAnhaengen(k, u"Cora"_s, u"Claasen"_s, u"w"_s);
    notenSetzen(k, 2, 5, {u"2"_s, u"3"_s});
    notenSetzen(k, 2, 2, {u"2"_s});
    k.schueler(2).note(2, 12) = u"4"_s;
    return k;
}

} // namespace

class EinzelschuelerFensterTest : public QObject
{
    Q_OBJECT
private slots:
    void anzeigeUndUmbruch();
    void warnungBeiBearbeitetenTests();
    void noteTippenPruefen_data();
    void noteTippenPruefen();
    void naechsterVorheriger();
    void neuerSchuelerUnvollstaendig();
    void neuerSchuelerAufnehmen();
    void neueSchuelerNacheinander_data();
    void neueSchuelerNacheinander();
    void schuelerLoeschen();
    void nameSchonVorhanden();
    void nameMitFremdemZeichen();
    void tabReihenfolge();
    void tabImOffenenFeld();
    void notenartenEditor();
    void notenartenBuchstaben();
};

void EinzelschuelerFensterTest::anzeigeUndUmbruch()
{
    Fensterumgebung u;
    Klasse k = dreiSchueler();
    k.notenart(5).langname = u"Tests, Klassenarbeiten und Referate"_s; // 35 Zeichen
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, k);
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.klick(u"BEinzelSchueler"_s);
    EinzelschuelerAnsicht *s = u.f->einzelschueler;
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Einzelschueler);
    QCOMPARE(s->LSchNr->text(), u"1)"_s);
    QCOMPARE(s->EVorname->text(), u"Anna"_s);
    QCOMPARE(s->LNotenArt[5]->text(), u"Tests, Klassenarbeiten und Ref\nerate"_s);
    QCOMPARE(s->LGew[2]->text(), u"(43% Gewicht)"_s);
    QVERIFY(!u.knopf(u"BKlassenwahl"_s)->isEnabled());
    QCOMPARE(u.f->BZenKat[5]->text(), u"Tests"_s);
    // Bernd: Muendlich 2 und (Zeile 2, Slot 12) 4.
    QVERIFY(s->BNaechsterSchuelerClick());
    QCOMPARE(s->ENachname->text(), u"Brandt"_s);
    QCOMPARE(u.w<QLabel>(u"LZenErlaeuterung"_s)->text(), u"Bernd Brandt"_s);
    QCOMPARE(s->SGNotenArt[2]->text(1, 2), u"4"_s);
    QCOMPARE(s->LNotenSchnitt[2]->text(), u"3"_s);
    QCOMPARE(s->LNotenSchnitt[5]->text(), u"2,5"_s);
    u.bild(u"einzelschueler"_s);
    u.klick(u"BOKSchueler"_s);
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Tabelle);
    QCOMPARE(u.f->BZenKat[5]->text(), u"&Tests"_s);
}

// Mit verteilten Tests der Klasse warnt die Ansicht einmal je Klasse.
void EinzelschuelerFensterTest::warnungBeiBearbeitetenTests()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, dreiSchueler());
    ordnerAnlegen(u.ordner.datei(u"2016-17/7xC1Saeu/T1-Kopie"_s)); // andere Klasse
    ordnerAnlegen(u.ordner.datei(u"2016-17/8aC1Saeu"_s));          // noch nicht verteilt
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.klick(u"BEinzelSchueler"_s);
    u.klick(u"BOKSchueler"_s);
    QCOMPARE(u.r.meldungen(), QStringList{});
    ordnerAnlegen(u.ordner.datei(u"2016-17/8aC2Basn/T2-Ausge"_s));
    u.klick(u"BEinzelSchueler"_s);
    QCOMPARE(u.r.meldungen().size(), 1);
    QVERIFY(u.r.meldungen()[0].startsWith(u"Achtung: Es sind für diese Klasse"_s));
    QVERIFY(
        u.r.meldungen()[0].endsWith(u"\r\nNeue Schüler können allerdings aufgenommen werden."_s));
    u.klick(u"BOKSchueler"_s);
    u.klick(u"BEinzelSchueler"_s);
    QCOMPARE(u.r.meldungen().size(), 1);
}

void EinzelschuelerFensterTest::noteTippenPruefen_data()
{
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("gespeichert");
    QTest::addColumn<QString>("schnitt");
    QTest::addColumn<int>("piep");
    QTest::newRow("2-") << u"2-"_s << u"2-"_s << u"2,4"_s << 0;
    QTest::newRow("7 verweigert") << u"7"_s << QString() << u"2,5"_s << 1;
    QTest::newRow("1* verweigert") << u"1*"_s << QString() << u"2,5"_s << 1;
}

// Eine Note in Zeile 2 der muendlichen Noten (Slot 10) aendert Durchschnitt und Gesamtnoten sofort.
void EinzelschuelerFensterTest::noteTippenPruefen()
{
    QFETCH(QString, getippt);
    QFETCH(QString, gespeichert);
    QFETCH(QString, schnitt);
    QFETCH(int, piep);
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, dreiSchueler());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.f->einzelschueler->BEinzelschuelerClick(2);
    EinzelschuelerAnsicht *s = u.f->einzelschueler;
    QCOMPARE(s->LNotenSchnitt[2]->text(), u"3"_s);
    zelleTippen(s->SGNotenArt[5], 0, 2, getippt);
    eingabeBestaetigen();
    QCOMPARE(u.r.pieptoene, piep);
    QCOMPARE(u.f->sitzung.klasse.schueler(2).note(5, 2), gespeichert);
    QCOMPARE(s->LNotenSchnitt[5]->text(), schnitt);
    QCOMPARE(s->SGNotenArt[5]->text(0, 2), gespeichert);
    zelleTippen(s->SGNotenArt[2], 1, 0, u"1"_s);
    eingabeBestaetigen();
    QCOMPARE(u.f->sitzung.klasse.schueler(2).note(2, 10), u"1"_s);
    QCOMPARE(s->LNotenSchnitt[2]->text(), u"2,3"_s);
}

void EinzelschuelerFensterTest::naechsterVorheriger()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, dreiSchueler());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.f->einzelschueler->BEinzelschuelerClick(3);
    EinzelschuelerAnsicht *s = u.f->einzelschueler;
    s->BNaechsterSchuelerClick(); // schon der letzte
    QCOMPARE(s->LSchNr->text(), u"3)"_s);
    // Ein neuer Nachname sortiert die Klasse neu.
    s->ENachname->setText(u"Aaberg"_s);
    s->BVorherigerSchuelerClick();
    QCOMPARE(u.f->sitzung.klasse.schueler(1).nachname, u"Aaberg"_s);
    QCOMPARE(s->LSchNr->text(), u"2)"_s);
    QCOMPARE(s->ENachname->text(), u"Albers"_s);
}

void EinzelschuelerFensterTest::neuerSchuelerUnvollstaendig()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, dreiSchueler());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.f->einzelschueler->BEinzelschuelerClick(1);
    EinzelschuelerAnsicht *s = u.f->einzelschueler;
    QVERIFY(s->BNeuenSchuelerClick());
    QVERIFY(s->LNeuerSchueler->isVisible());
    QCOMPARE(s->LSchNr->text(), u"4)"_s);
    s->EVorname->setText(u"Dora"_s);
    QVERIFY(!s->BOKSchuelerClick());
    QCOMPARE(u.r.letzteMeldung(),
             u"Vorname, Nachname und die Angabe des Geschlechts dürfen nicht leer bleiben!\r\n"
             u"Zum Löschen des neuen Schülers den Button \"Schüler löschen\" klicken!"_s);
    // Abbrechen entfernt den unfertigen Schueler wieder.
    u.klick(u"BAbbrechenSchueler"_s);
    QCOMPARE(klassenGroesse(u.f->sitzung.klasse), 3);
    QCOMPARE(u.f->tabelle->rowCount(), 7);
}

void EinzelschuelerFensterTest::neuerSchuelerAufnehmen()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, dreiSchueler());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.f->einzelschueler->BEinzelschuelerClick(4); // die Zeile unter dem letzten Schueler
    EinzelschuelerAnsicht *s = u.f->einzelschueler;
    QVERIFY(s->neuerSchueler);
    s->EVorname->setFocus();
    Fensterumgebung::tippe(s->EVorname, u"jörg peter"_s);
    s->ENachname->setFocus();
    QCOMPARE(s->EVorname->text(), u"Jörgpeter"_s);
    Fensterumgebung::tippe(s->ENachname, u"ölmann"_s);
    s->EGeschl->setFocus();
    QCOMPARE(s->ENachname->text(), u"Ölmann"_s);
    Fensterumgebung::tippe(s->EGeschl, u"x"_s);
    s->EZusatz->setFocus();
    QCOMPARE(s->EGeschl->text(), QString());
    s->EGeschl->setText(u"m"_s);
    zelleTippen(s->SGNotenArt[1], 0, 0, u"2"_s);
    eingabeBestaetigen();
    // Der gespeicherte neue Schueler ist kein Namensvetter seiner selbst.
    s->EVorname->setFocus();
    s->ENachname->setFocus();
    QCOMPARE(u.r.meldungen(), QStringList{});
    QVERIFY(s->BOKSchuelerClick());
    QCOMPARE(klassenGroesse(u.f->sitzung.klasse), 4);
    QCOMPARE(u.f->tabelle->rowCount(), 8);
    QCOMPARE(u.f->sitzung.klasse.schueler(4).nachname, u"Ölmann"_s);
    QCOMPARE(u.f->sitzung.klasse.schueler(4).note(1, 0), u"2"_s);
}

void EinzelschuelerFensterTest::neueSchuelerNacheinander_data()
{
    QTest::addColumn<QStringList>("namen"); // je Schueler Vorname, Nachname, Geschlecht
    QTest::newRow("zwei") << QStringList{u"Dora"_s, u"Dietz"_s, u"w"_s,
                                         u"Emil"_s, u"Ernst"_s, u"m"_s};
    QTest::newRow("drei") << QStringList{u"Dora"_s, u"Dietz"_s, u"w"_s,   u"Emil"_s, u"Ernst"_s,
                                         u"m"_s,    u"Anton"_s, u"Aal"_s, u"m"_s};
}

// Jeder getippte neue Schueler bleibt, auch wenn gleich der naechste folgt.
void EinzelschuelerFensterTest::neueSchuelerNacheinander()
{
    QFETCH(QStringList, namen);
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, dreiSchueler());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.klick(u"BEinzelSchueler"_s);
    EinzelschuelerAnsicht *s = u.f->einzelschueler;
    for (qsizetype i = 0; i < namen.size(); i += 3) {
        u.klick(u"BNeuenSchueler"_s);
        QTRY_VERIFY(s->EVorname->hasFocus());
        Fensterumgebung::tippe(s->EVorname, namen[i]);
        QTest::keyClick(s->EVorname, Qt::Key_Tab);
        Fensterumgebung::tippe(s->ENachname, namen[i + 1]);
        s->EGeschl->setFocus();
        Fensterumgebung::tippe(s->EGeschl, namen[i + 2]);
    }
    u.klick(u"BOKSchueler"_s);
    QCOMPARE(u.r.meldungen(), QStringList{});
    const int erwartet = 3 + int(namen.size() / 3);
    QCOMPARE(klassenGroesse(u.f->sitzung.klasse), erwartet);
    QVERIFY(u.f->BKlasseSpeichernClick());
    Klasse gelesen;
    QVERIFY(klassenlisteLesen(u.ordner.datei(u"2016-17/L-8a-Ch.DTA"_s), gelesen, u.r));
    QCOMPARE(klassenGroesse(gelesen), erwartet);
    QStringList nachnamen;
    for (int nr = 1; nr <= erwartet; ++nr) {
        nachnamen << gelesen.schueler(nr).nachname;
    }
    for (qsizetype i = 0; i < namen.size(); i += 3) {
        QVERIFY2(nachnamen.contains(namen[i + 1]), qPrintable(nachnamen.join(u' ')));
    }
}

void EinzelschuelerFensterTest::schuelerLoeschen()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, dreiSchueler());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.f->einzelschueler->BEinzelschuelerClick(2);
    u.r.antworte(Knopf::Nein).antworte(Knopf::Ja);
    u.klick(u"BSchuelerLoeschen"_s);
    QCOMPARE(klassenGroesse(u.f->sitzung.klasse), 3);
    u.klick(u"BSchuelerLoeschen"_s);
    QCOMPARE(u.r.fragen().last(),
             u"Soll der Schüler/ die Schülerin:  Bernd Brandt  wirklich mit allen Noten und "
             u"Daten gelöscht werden?"_s);
    QCOMPARE(klassenGroesse(u.f->sitzung.klasse), 2);
    QCOMPARE(u.f->einzelschueler->ENachname->text(), u"Claasen"_s);
}

void EinzelschuelerFensterTest::nameSchonVorhanden()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, dreiSchueler());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.f->einzelschueler->BEinzelschuelerClick(1);
    EinzelschuelerAnsicht *s = u.f->einzelschueler;
    s->EVorname->setFocus();
    s->EVorname->setText(u"Bernd"_s);
    s->ENachname->setFocus();
    s->ENachname->setText(u"Brandt"_s);
    s->EZusatz->setFocus();
    QCOMPARE(u.r.meldungen(), QStringList{u"Dieser Name ist schon vorhanden!"_s});
    QTRY_VERIFY(s->ENachname->hasFocus());
}

// Ein Zeichen, das die Klassendatei nicht halten kann, wird beim Verlassen des Feldes abgewiesen;
// die Klasse bleibt speicherbar.
void EinzelschuelerFensterTest::nameMitFremdemZeichen()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, dreiSchueler());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.f->einzelschueler->BEinzelschuelerClick(1);
    EinzelschuelerAnsicht *s = u.f->einzelschueler;
    const QString vorher = s->ENachname->text();
    s->ENachname->setFocus();
    s->ENachname->setText(u"Жуков"_s);
    s->EZusatz->setFocus();
    QCOMPARE(u.r.meldungen().size(), 1);
    QVERIFY2(u.r.meldungen().constFirst().contains(u"Ж"_s), qPrintable(u.r.meldungen().join(u'|')));
    QCOMPARE(s->ENachname->text(), vorher);
    QTRY_VERIFY(s->ENachname->hasFocus());
    QVERIFY(u.f->sitzung.speichern());
}

namespace {

// Wo der Fokus steht: Feldname, bei Gittern mit Zeile und Spalte.
QString fokusOrt()
{
    QWidget *w = QApplication::focusWidget();
    if (auto *g = qobject_cast<PruefGitter *>(w)) {
        return u"%1(%2,%3)"_s.arg(g->objectName()).arg(g->currentRow()).arg(g->currentColumn());
    }
    if (w != nullptr && w->objectName().isEmpty() && w->parentWidget() != nullptr) {
        w = w->parentWidget()->parentWidget(); // offenes Zellenfeld im Gitter
        if (auto *g = qobject_cast<PruefGitter *>(w)) {
            return u"%1(%2,%3)"_s.arg(g->objectName()).arg(g->currentRow()).arg(g->currentColumn());
        }
    }
    return w == nullptr ? u"-"_s : w->objectName();
}

QStringList erwarteteTabFolge()
{
    QStringList folge{u"EVorname"_s, u"ENachname"_s, u"EKlasse"_s, u"EGeschl"_s, u"EZusatz"_s};
    const QString gitter[6] = {{},
                               u"SGNotenArt1Hausarb"_s,
                               u"SGNotenArt2Muendl"_s,
                               u"SGNotenArt3Ordner"_s,
                               u"SGNotenArt4Prot"_s,
                               u"SGNotenArt5Tests"_s};
    for (int art = 1; art <= 5; ++art) {
        for (int zeile = 0; zeile < (art == 2 ? 2 : 1); ++zeile) {
            for (int spalte = 0; spalte < 10; ++spalte) {
                folge << u"%1(%2,%3)"_s.arg(gitter[art]).arg(zeile).arg(spalte);
            }
        }
    }
    folge << u"BVorherigerSchueler"_s;
    return folge;
}

} // namespace

// Tab geht die Felder in der Reihenfolge durch, in der sie nebeneinander stehen, in den
// Notengittern Zelle fuer Zelle; Shift+Tab denselben Weg zurueck.
void EinzelschuelerFensterTest::tabReihenfolge()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, dreiSchueler());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.klick(u"BEinzelSchueler"_s);
    EinzelschuelerAnsicht *s = u.f->einzelschueler;
    QTRY_VERIFY(s->EVorname->hasFocus());
    const QStringList erwartet = erwarteteTabFolge();
    QStringList vor{fokusOrt()};
    for (qsizetype i = 1; i < erwartet.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        vor << fokusOrt();
    }
    QCOMPARE(vor, erwartet);
    QStringList zurueck{fokusOrt()};
    for (qsizetype i = 1; i < erwartet.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        zurueck.prepend(fokusOrt());
    }
    QCOMPARE(zurueck, erwartet);
    QVERIFY(u.r.meldungen().isEmpty());
}

// Eine getippte Note wird mit Tab uebernommen und der Fokus geht in die naechste Zelle; eine
// ungueltige bleibt stehen, ohne dass das Gitter von vorn beginnt.
void EinzelschuelerFensterTest::tabImOffenenFeld()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, dreiSchueler());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.klick(u"BEinzelSchueler"_s);
    EinzelschuelerAnsicht *s = u.f->einzelschueler;
    PruefGitter *g = s->SGNotenArt[1];
    zelleTippen(g, 0, 9, u"2-"_s);
    QVERIFY(QApplication::focusWidget() != g); // das Zellenfeld ist offen
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(u.f->sitzung.klasse.schueler(1).note(1, 9), u"2-"_s);
    QCOMPARE(fokusOrt(), u"SGNotenArt2Muendl(0,0)"_s);

    zelleTippen(g, 0, 3, u"7"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(fokusOrt(), u"SGNotenArt1Hausarb(0,3)"_s);
    QCOMPARE(u.f->sitzung.klasse.schueler(1).note(1, 3), QString());
}

void EinzelschuelerFensterTest::notenartenEditor()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, dreiSchueler());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.klick(u"BBezeichnungenUndGewichtungen"_s);
    NotenartenAnsicht *n = u.f->notenarten;
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Notenarten);
    QCOMPARE(n->LSumme->text(), u"100"_s);
    QVERIFY(!n->LEsFehlenProzent->isVisible());
    QCOMPARE(n->LVorhNotenArt[2]->text(), u"13"_s);
    n->gewicht[5]->setText(u"40"_s);
    QCOMPARE(n->LSumme->text(), u"95"_s);
    QCOMPARE(n->LEsFehlenProzent->text(), u"Es fehlen:"_s);
    QCOMPARE(n->LProzentRest->text(), u"5 %"_s);
    QVERIFY(!n->ok());
    QCOMPARE(u.r.pieptoene, 1);
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Notenarten);
    // Der Langname wird in die Kurzform kopiert, bis das Feld verlassen wird.
    n->langname[3]->setFocus();
    n->langname[3]->selectAll();
    Fensterumgebung::tippe(n->langname[3], u"Experimente im Labor"_s);
    QCOMPARE(n->kurzform[3]->text(), u"Experiment"_s);
    QCOMPARE(n->LAbkArt[3]->text(), u"E"_s);
    n->gewicht[4]->setText(u"12"_s);
    u.bild(u"notenarten"_s);
    eingabeBestaetigen();
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Tabelle);
    QCOMPARE(u.f->sitzung.klasse.notenart(3).langname, u"Experimente im Labor"_s);
    QCOMPARE(u.f->sitzung.klasse.gewicht(5), 40);
    QCOMPARE(u.f->BZenKat[3]->text(), u"Experiment"_s);
    QCOMPARE(zellText(u.f->tabelle, 1, 47), u"E\n1"_s);
    // Standardwerte gelten erst mit OK; Esc bricht ab.
    u.klick(u"BBezeichnungenUndGewichtungen"_s);
    u.klick(u"BStandardwerteLaden"_s);
    QCOMPARE(n->langname[3]->text(), u"Ordner"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(u.f->sitzung.klasse.notenart(3).langname, u"Experimente im Labor"_s);
}

void EinzelschuelerFensterTest::notenartenBuchstaben()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, dreiSchueler());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.klick(u"BBezeichnungenUndGewichtungen"_s);
    NotenartenAnsicht *n = u.f->notenarten;
    QVERIFY(n->kurzform[1]->toolTip().contains(u"      F\n"_s));
    QVERIFY(!n->kurzform[1]->toolTip().contains(u"      H\n"_s));
    // Befehlstasten der Tabelle sind nicht frei.
    for (const char16_t *b : {u"C", u"G", u"K", u"L", u"S"}) {
        QVERIFY(!n->kurzform[1]->toolTip().contains(u"      "_s + QString::fromUtf16(b) + u'\n'));
    }
    n->kurzform[3]->setFocus();
    n->kurzform[3]->setText(u"Klausur"_s);
    n->kurzform[3]->setCursorPosition(0);
    Fensterumgebung::tippe(n->kurzform[3], u"&"_s);
    QCOMPARE(n->kurzform[3]->text(), u"Klausur"_s);
    QCOMPARE(u.r.meldungen().size(), 1);
    QVERIFY(u.r.meldungen()[0].startsWith(u"Der Buchstabe  'K'"_s));
    u.r.leeren();
    n->kurzform[1]->setFocus();
    n->kurzform[1]->setText(u"Hausarbeit"_s);
    n->kurzform[1]->setCursorPosition(0);
    Fensterumgebung::tippe(n->kurzform[1], u"&"_s);
    QCOMPARE(n->kurzform[1]->text(), u"&Hausarbeit"_s); // der eigene Buchstabe
    QCOMPARE(u.r.meldungen(), QStringList{});
    n->kurzform[1]->setText(u"Aufgaben"_s);
    n->kurzform[1]->setCursorPosition(0);
    Fensterumgebung::tippe(n->kurzform[1], u"&"_s);
    QCOMPARE(n->kurzform[1]->text(), u"Aufgaben"_s);
    QCOMPARE(u.r.meldungen().size(), 1);
    QVERIFY(u.r.meldungen()[0].startsWith(
        u"Der Buchstabe  'A'  ist als Navigationstaste schon vergeben."_s));

    // Eine gespeicherte Kurzform mit einer Befehlstaste der Tabelle wird beim Oeffnen genannt.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    u.f->sitzung.klasse.notenart(5).kurzform = u"&Klausur"_s;
    u.r.leeren();
    u.klick(u"BBezeichnungenUndGewichtungen"_s);
    QCOMPARE(u.r.meldungen().size(), 1);
    QVERIFY2(u.r.meldungen()[0].contains(u"&Klausur  ('K')"_s), qPrintable(u.r.meldungen()[0]));
}

QTEST_MAIN(EinzelschuelerFensterTest)
#include "einzelschueler_fenster_test.moc"
