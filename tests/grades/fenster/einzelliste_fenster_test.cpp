// Die Einzellistenansicht im Fenster: eine neue Liste tippen, Klassenspiegel, Pruefungen vor OK,
// Loeschen mit Nachruecken, Speichern, und die Uebernahme der Testnoten einer Benotung.
#include "fensterumgebung.h"

#include "grades/klassenbau.h"

using namespace Qt::StringLiterals;
using Knopf = Rueckfragen::Knopf;

namespace {

QStringList spiegelSpalte(const PruefGitter *g)
{
    QStringList werte;
    for (int zeile = 1; zeile <= 6; ++zeile) {
        werte << g->text(zeile, 1);
    }
    werte << g->text(8, 1);
    return werte;
}

Klasse klasseMitGleichenNamen()
{
    Klasse k = standardKlasse();
    schuelerAnhaengen(k, u"Lena"_s, u"Hoffmannsthal"_s, u"w"_s);
    schuelerAnhaengen(k, u"Lars"_s, u"Hoffmannsberg"_s, u"m"_s);
    schuelerAnhaengen(k, u"Tom"_s, u"Weber"_s, u"m"_s);
    schuelerAnhaengen(k, u"Tina"_s, u"Weber"_s, u"w"_s);
    schuelerAnhaengen(k, u"Uwe"_s, u"Zander"_s, u"m"_s);
    notenSetzen(k, 1, 5, {u"3"_s});
    k.datum(5, 0) = u"2016-11-11"_s;
    k.erlaeuterung(5, 0) = u"Erste Arbeit"_s;
    return k;
}

} // namespace

class EinzellisteFensterTest : public QObject
{
    Q_OBJECT
private slots:
    void neueListeTippenBisDatei();
    void getippteNotenUeberstehenAbsturz();
    void gitterHaelften_data();
    void gitterHaelften();
    void datumPruefen();
    void leereNotenFuellen();
    void abbrechenSchreibtNichts();
    void testnoten();
    void testnotenAbbrechenLoeschtListe();
    void testnotenNurInBestaetigterListe();
    void listeVerschieben();
    void geloeschteListeWirdNichtVerschoben();
    void nachLoeschenAndereListeWaehlen_data();
    void nachLoeschenAndereListeWaehlen();
    void nachLoeschenBlaettern_data();
    void nachLoeschenBlaettern();
};

// Der Weg einer Lehrkraft: Beispielklasse oeffnen, Testliste tippen, Tabelle pruefen, Punkte,
// Liste 2 von 4 loeschen, speichern und die Datei wieder lesen.
void EinzellisteFensterTest::neueListeTippenBisDatei()
{
    Fensterumgebung u;
    u.oeffne(u"L-7x-Ph.DTA"_s);
    ZenListeGesamt *t = u.f->tabelle;
    EinzellistenAnsicht *el = u.f->einzelliste;
    QTest::keyClick(t, Qt::Key_T); // Ansicht Tests
    u.klick(u"BeinzelListe"_s);
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Einzelliste);
    QVERIFY(el->LBZenHinweise->isVisible());
    QCOMPARE(el->LBZenHinweise->count(), 4);
    QCOMPARE(el->LBZenHinweise->item(3)->text(), u"T4:"_s + QString(24, u' ') + u"neu"_s);
    QVERIFY(el->LBZenHinweise->item(0)->text().startsWith(u"T 1: 20"_s));
    QTest::mouseClick(el->LBZenHinweise->viewport(), Qt::LeftButton, {},
                      el->LBZenHinweise->visualItemRect(el->LBZenHinweise->item(3)).center());
    QVERIFY(!el->LBZenHinweise->isVisible());
    QCOMPARE(el->ENotenNr->text(), u"T4"_s);
    QCOMPARE(el->EZenDatum->text(), u"2017-02-10"_s);
    QCOMPARE(el->EZenHinweise->text(), u"neu"_s);
    QCOMPARE(el->SGEinzellisteLinks->rowCount(), 3 + 13);
    QCOMPARE(el->SGEinzellisteRechts->rowCount(), 3 + 12);

    const QStringList noten = {u"1"_s, u"2-"_s, u"3+"_s, u"/"_s, u"6"_s};
    for (int i = 0; i < noten.size(); ++i) {
        zelleTippen(el->SGEinzellisteLinks, 3 + i, 5, noten[i]);
        eingabeBestaetigen();
    }
    QCOMPARE(el->SGEinzellisteLinks->text(3, 4), u"14"_s);
    QCOMPARE(el->SGEinzellisteLinks->text(3, 6), u"1+"_s);
    QCOMPARE(el->SGEinzellisteLinks->text(4, 6), u"1-"_s);
    // Punkte in Spalte 4 getippt: Zensur und G-Note folgen.
    zelleTippen(el->SGEinzellisteRechts, 3, 4, u"11"_s);
    eingabeBestaetigen();
    QCOMPARE(el->SGEinzellisteRechts->text(3, 5), u"2"_s);
    QCOMPARE(el->SGEinzellisteRechts->text(3, 6), u"1"_s);
    zelleTippen(el->SGEinzellisteRechts, 3, 5, u"9"_s);
    eingabeBestaetigen();
    QCOMPARE(u.r.pieptoene, 1);
    QCOMPARE(el->SGEinzellisteRechts->text(3, 5), u"2"_s);
    zelleTippen(el->SGEinzellisteRechts, 3, 5, QString());
    QTest::keyClick(el->SGEinzellisteRechts, Qt::Key_Delete);
    QCOMPARE(el->SGEinzellisteRechts->text(3, 5), QString());
    // Klassenspiegel nach jeder Eingabe.
    QCOMPARE(spiegelSpalte(el->SGKlassenSpiegelE),
             (QStringList{u"1"_s, u"1"_s, u"1"_s, u"0"_s, u"0"_s, u"1"_s, u"3,0"_s}));
    QCOMPARE(spiegelSpalte(el->SGKlassenSpiegelG),
             (QStringList{u"2"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s, u"1"_s, u"2,4"_s}));
    u.bild(u"einzelliste-L-7x-Ph"_s);

    // OK mit "neu" als Erlaeuterung wird verweigert.
    u.klick(u"BOKEinzelliste"_s);
    QCOMPARE(u.r.pieptoene, 2);
    QCOMPARE(u.r.letzteMeldung(), u"Das Feld für die Notenbeschreibung muss ausgefüllt werden."_s);
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Einzelliste);
    el->EZenHinweise->setFocus();
    QCOMPARE(el->EZenHinweise->text(), QString());
    Fensterumgebung::tippe(el->EZenHinweise, u"Übung Wärme"_s);
    u.klick(u"BOKEinzelliste"_s);
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Tabelle);
    QCOMPARE(u.f->sitzung.klasse.erlaeuterung(5, 3), u"Übung Wärme"_s);
    QCOMPARE(u.f->sitzung.klasse.datum(5, 3), u"2017-02-10"_s);
    QCOMPARE(u.w<QLabel>(u"LZenDatum"_s)->text(), u"T4:  2017-02-10"_s);
    QCOMPARE(u.w<QLabel>(u"LZenErlaeuterung"_s)->text(), u"Übung Wärme"_s);

    // Die Tabelle: Lena Albrecht (Tests 4, 4+, 3-, neu 1) hat im Schnitt 3.
    QCOMPARE(zellText(t, 3, 2), u"Albrecht"_s);
    QCOMPARE(zellText(t, 3, 7), u"1"_s);
    QCOMPARE(zellText(t, 3, 14), u"3"_s);
    QCOMPARE(zellText(t, 6, 7), u"/"_s);
    QVERIFY(!t->isColumnHidden(8)); // die naechste freie Spalte erscheint
    QCOMPARE(zellText(t, 0, 7), u"Übung Wärm"_s);

    // Punkteanzeige: "10" wird "2-", "2-" wird verweigert.
    QTest::keyClick(t, Qt::Key_P);
    zelleTippen(t, 5, 4, u"10"_s);
    zelleKlicken(t, 6, 4);
    QCOMPARE(u.f->sitzung.klasse.schueler(3).note(5, 0), u"2-"_s);
    const QString vorher = u.f->sitzung.klasse.schueler(4).note(5, 0);
    const int pieptoene = u.r.pieptoene;
    zelleTippen(t, 6, 4, u"2-"_s);
    zelleKlicken(t, 7, 4);
    QCOMPARE(u.r.pieptoene, pieptoene + 1);
    QCOMPARE(u.f->sitzung.klasse.schueler(4).note(5, 0), vorher);

    // Liste 2 von 4 loeschen: 3 und 4 ruecken nach.
    const QString erl3 = u.f->sitzung.klasse.erlaeuterung(5, 2);
    const QString dat3 = u.f->sitzung.klasse.datum(5, 2);
    QStringList noten3;
    QStringList noten4;
    for (int nr = 1; nr <= 25; ++nr) {
        noten3 << u.f->sitzung.klasse.schueler(nr).note(5, 2);
        noten4 << u.f->sitzung.klasse.schueler(nr).note(5, 3);
    }
    u.klick(u"BeinzelListe"_s);
    QTest::mouseClick(el->LBZenHinweise->viewport(), Qt::LeftButton, {},
                      el->LBZenHinweise->visualItemRect(el->LBZenHinweise->item(1)).center());
    u.r.antworte(Knopf::Ja);
    u.klick(u"BEinzelListeLoeschen"_s);
    QCOMPARE(u.r.fragen().last(), u"Diese Einzelliste wirklich löschen?"_s);
    QCOMPARE(el->SGEinzellisteLinks->text(3, 5), QString());
    u.klick(u"BOKEinzelliste"_s);
    QCOMPARE(vorhandeneNoten(u.f->sitzung.klasse, 5), 3);
    QCOMPARE(u.f->sitzung.klasse.erlaeuterung(5, 1), erl3);
    QCOMPARE(u.f->sitzung.klasse.datum(5, 1), dat3);
    QCOMPARE(u.f->sitzung.klasse.erlaeuterung(5, 2), u"Übung Wärme"_s);
    for (int nr = 1; nr <= 25; ++nr) {
        QCOMPARE(u.f->sitzung.klasse.schueler(nr).note(5, 1), noten3[nr - 1]);
        QCOMPARE(u.f->sitzung.klasse.schueler(nr).note(5, 2), noten4[nr - 1]);
        QCOMPARE(u.f->sitzung.klasse.schueler(nr).note(5, 3), QString());
    }

    // Speichern mit "s" und wieder lesen: die Datei ist die Klasse im Speicher.
    QTest::keyClick(t, Qt::Key_S);
    Klasse gelesen;
    QVERIFY(klassenlisteLesen(u.ordner.datei(u"2016-17/L-7x-Ph.DTA"_s), gelesen, u.r));
    QCOMPARE(klasseAlsBytes(gelesen), klasseAlsBytes(u.f->sitzung.klasse));
    QCOMPARE(gelesen.schueler(1).note(5, 2), u"1"_s);
}

// Noten, die in der offenen Liste getippt und bestaetigt sind, stehen im Journal, auch bevor OK
// sie in die Klasse schreibt; endet das Programm ohne Speichern, bringt das Oeffnen sie zurueck.
void EinzellisteFensterTest::getippteNotenUeberstehenAbsturz()
{
    Fensterumgebung u;
    u.oeffne(u"L-7x-Ph.DTA"_s);
    EinzellistenAnsicht *el = u.f->einzelliste;
    QTest::keyClick(u.f->tabelle, Qt::Key_T);
    u.klick(u"BeinzelListe"_s);
    QTest::mouseClick(el->LBZenHinweise->viewport(), Qt::LeftButton, {},
                      el->LBZenHinweise->visualItemRect(el->LBZenHinweise->item(3)).center());
    zelleTippen(el->SGEinzellisteLinks, 3, 5, u"2+"_s);
    eingabeBestaetigen();
    zelleTippen(el->SGEinzellisteLinks, 4, 5, u"5"_s);
    eingabeBestaetigen();
    const Schueler erster = u.f->sitzung.klasse.schueler(1);
    const Schueler zweiter = u.f->sitzung.klasse.schueler(2);
    QCOMPARE(erster.note(5, 3), QString()); // noch nicht in der Klasse
    const QString pfad = u.f->sitzung.pfad();
    u.f.reset(); // ohne Speicherabfrage, wie nach einem Absturz

    SkriptRueckfragen r;
    r.antworte(Rueckfragen::Knopf::Ja);
    Klassensitzung s{r};
    s.setzeSchuljahr(u.ordner.pfad(), u"2016-17"_s);
    QVERIFY(s.laden(u"L-7x-Ph.DTA"_s));
    QCOMPARE(r.fragen().size(), 1);
    QVERIFY(
        r.fragen()[0].startsWith(u"Für die Klasse L-7x-Ph gibt es 2 ungespeicherte Eingaben"_s));
    // Die Sitzung hier sortiert anders als das Fenster: ueber die Namen vergleichen.
    const auto note = [&s](const Schueler &wer) {
        for (int nr = 1; nr <= s.groesse(); ++nr) {
            if (s.klasse.schueler(nr).nachname == wer.nachname &&
                s.klasse.schueler(nr).vorname == wer.vorname) {
                return s.klasse.schueler(nr).note(5, 3);
            }
        }
        return u"(fehlt)"_s;
    };
    QCOMPARE(note(erster), u"2+"_s);
    QCOMPARE(note(zweiter), u"5"_s);
    QCOMPARE(s.klasse.datum(5, 3), u"2017-02-10"_s);
    Klasse datei;
    QVERIFY(klassenlisteLesen(pfad, datei, r));
    QCOMPARE(datei.datum(5, 3), QString()); // die Datei selbst ist unberuehrt
}

void EinzellisteFensterTest::gitterHaelften_data()
{
    QTest::addColumn<int>("schueler");
    QTest::addColumn<int>("links");
    QTest::newRow("7") << 7 << 4;
    QTest::newRow("8") << 8 << 4;
    QTest::newRow("1") << 1 << 1;
}

void EinzellisteFensterTest::gitterHaelften()
{
    QFETCH(int, schueler);
    QFETCH(int, links);
    Fensterumgebung u;
    Klasse k = standardKlasse();
    for (int i = 0; i < schueler; ++i) {
        schuelerAnhaengen(k, u"Vorname"_s + QChar(u'A' + i), u"Nachname"_s + QChar(u'A' + i));
    }
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, k);
    u.oeffne(u"L-8a-Ch.DTA"_s);
    u.f->einzelliste->oeffnen(1);
    QCOMPARE(u.f->einzelliste->SGEinzellisteLinks->rowCount(), 3 + links);
    QCOMPARE(u.f->einzelliste->SGEinzellisteRechts->rowCount(), 3 + schueler - links);
    QCOMPARE(u.f->einzelliste->SGEinzellisteRechts->text(3, 0),
             schueler > links ? QString::number(links + 1) : QString());
    // Ohne gewaehlte Notenart sind die Gitter gesperrt und piepen beim Klick.
    u.f->einzelliste->BEinzellisteAbbrechenClick();
    u.f->einzelliste->oeffnen(0);
    QVERIFY(!u.f->einzelliste->SGEinzellisteLinks->isEnabled());
    QTest::mouseClick(u.f->einzelliste->SGEinzellisteLinks->viewport(), Qt::LeftButton, {},
                      QPoint(20, 20));
    QCOMPARE(u.r.pieptoene, 1);
}

void EinzellisteFensterTest::datumPruefen()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, klasseMitGleichenNamen());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    EinzellistenAnsicht *el = u.f->einzelliste;
    el->oeffnenMitListe(5, 1);
    el->EZenDatum->setFocus();
    el->EZenDatum->selectAll();
    QTest::keyClicks(el->EZenDatum, u"2017-2-10"_s);
    el->EZenHinweise->setFocus();
    QCOMPARE(u.r.letzteMeldung(), u"Das Datum muss im Format  yyyy-mm-tt  eingegeben werden!"_s);
    QTRY_VERIFY(el->EZenDatum->hasFocus());
    // OK schreibt das verweigerte Datum nicht.
    u.klick(u"BOKEinzelliste"_s);
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Einzelliste);
    QCOMPARE(u.r.pieptoene, 1);
    QVERIFY(u.f->sitzung.klasse.datum(5, 1).isEmpty());
    el->EZenDatum->setFocus();
    el->EZenDatum->selectAll();
    QTest::keyClicks(el->EZenDatum, u"2017-02-09"_s);
    el->EZenHinweise->setFocus();
    Fensterumgebung::tippe(el->EZenHinweise, u"Nachtest"_s);
    zelleTippen(el->SGEinzellisteLinks, 3, 5, u"3"_s);
    u.klick(u"BOKEinzelliste"_s);
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Tabelle);
    QCOMPARE(u.f->sitzung.klasse.datum(5, 1), u"2017-02-09"_s);
}

void EinzellisteFensterTest::leereNotenFuellen()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, klasseMitGleichenNamen());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    EinzellistenAnsicht *el = u.f->einzelliste;
    el->oeffnenMitListe(5, 0);
    u.r.textAntwort(u"x"_s);
    u.klick(u"BLeereNotenFuellen"_s);
    QCOMPARE(u.r.pieptoene, 1);
    u.r.textAntwort(u"4-"_s);
    u.klick(u"BLeereNotenFuellen"_s);
    QCOMPARE(el->SGEinzellisteLinks->text(4, 2), u"Hoffmannsthal"_s);
    QCOMPARE(el->SGEinzellisteLinks->text(4, 5), u"3"_s);
    QCOMPARE(el->SGEinzellisteLinks->text(3, 5), u"4-"_s);
    QCOMPARE(el->SGEinzellisteRechts->text(4, 5), u"4-"_s);
    // Die Pauschalnote steht sofort im Datensatz; "Abbrechen" wirft sie nicht weg.
    QCOMPARE(u.f->sitzung.klasse.schueler(1).note(5, 0), u"4-"_s);
    QVERIFY(u.f->sitzung.geaendert());
    u.klick(u"BEinzellisteAbbrechen"_s);
    QCOMPARE(u.f->sitzung.klasse.schueler(1).note(5, 0), u"4-"_s);
    QCOMPARE(u.f->sitzung.klasse.schueler(2).note(5, 0), u"3"_s);
}

void EinzellisteFensterTest::abbrechenSchreibtNichts()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, klasseMitGleichenNamen());
    u.oeffne(u"L-8a-Ch.DTA"_s);
    EinzellistenAnsicht *el = u.f->einzelliste;
    el->oeffnenMitListe(5, 0);
    zelleTippen(el->SGEinzellisteLinks, 4, 5, u"1"_s);
    eingabeBestaetigen();
    QCOMPARE(el->liste->noten[1], u"1"_s);
    u.klick(u"BEinzellisteAbbrechen"_s);
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Tabelle);
    QCOMPARE(u.f->sitzung.klasse.schueler(2).vorname, u"Lena"_s);
    QCOMPARE(u.f->sitzung.klasse.schueler(2).note(5, 0), u"3"_s);
    QVERIFY(u.knopf(u"BKlassenwahl"_s)->isEnabled());
}

// Zwei Schueler mit gleichem Anfangsbuchstaben und gleichen ersten 8 Zeichen des Nachnamens
// erhalten beide die Note des einen Ergebnisses; bei mehreren passenden gilt das letzte.
void EinzellisteFensterTest::testnoten()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, klasseMitGleichenNamen());
    const QList<Benotungsergebnis> ergebnisse = {
        {u"L"_s, u"Hoffmann"_s, u"2+"_s},
        {u"T"_s, u"Weber"_s, u"GF"_s},
        {u"X"_s, u"Unbekann"_s, u"1"_s},
        {u"T"_s, u"Weber"_s, u"/"_s},
    };
    QVERIFY(u.f->ZenAusBenotungEintragen(u"L-8a-Ch.DTA"_s, ergebnisse));
    EinzellistenAnsicht *el = u.f->einzelliste;
    QCOMPARE(u.r.letzteMeldung(),
             u"Bitte oben wählen, in welche Notenkategorie die Testnoten eingetragen werden "
             u"sollen und anschließend eine neue Liste wählen!"_s);
    QCOMPARE(el->LNotenart->text(), u"Bitte oben die Notenart wählen."_s);
    QVERIFY(!el->SGEinzellisteLinks->isVisible());
    u.klick(u"BZenKat5"_s);
    QCOMPARE(el->LBZenHinweise->count(), 2);
    // Eine belegte Liste wird verweigert.
    QTest::mouseClick(el->LBZenHinweise->viewport(), Qt::LeftButton, {},
                      el->LBZenHinweise->visualItemRect(el->LBZenHinweise->item(0)).center());
    QCOMPARE(u.r.pieptoene, 1);
    QCOMPARE(u.r.letzteMeldung(),
             u"Zum Eintrag der Testzensuren muss eine neue (leere) Spalte gewählt werden!"_s);
    QVERIFY(!el->liste.has_value());
    QTest::mouseClick(el->LBZenHinweise->viewport(), Qt::LeftButton, {},
                      el->LBZenHinweise->visualItemRect(el->LBZenHinweise->item(1)).center());
    QVERIFY(el->SGEinzellisteLinks->isVisible());
    QVERIFY(el->EZenHinweise->hasFocus());
    QCOMPARE(el->EZenHinweise->text(), QString()); // "neu" wird beim Betreten geleert
    // Links: Hoffmannsberg, Hoffmannsthal, Weber Tina; rechts: Weber Tom, Zander.
    QCOMPARE(el->SGEinzellisteLinks->text(3, 2), u"Hoffmannsberg"_s);
    QCOMPARE(el->SGEinzellisteLinks->text(3, 5), u"2+"_s);
    QCOMPARE(el->SGEinzellisteLinks->text(4, 5), u"2+"_s);
    QCOMPARE(el->SGEinzellisteLinks->text(5, 5), u"/"_s);
    QCOMPARE(el->SGEinzellisteRechts->text(3, 5), u"/"_s);
    QCOMPARE(el->SGEinzellisteRechts->text(4, 5), QString());
    Fensterumgebung::tippe(el->EZenHinweise, u"Säuren und Basen"_s);
    u.klick(u"BOKEinzelliste"_s);
    QVERIFY(!el->testnotenModus);
    int mit2Plus = 0;
    for (int nr = 1; nr <= 5; ++nr) {
        mit2Plus += u.f->sitzung.klasse.schueler(nr).note(5, 1) == u"2+"_s ? 1 : 0;
    }
    QCOMPARE(mit2Plus, 2);
    QCOMPARE(u.f->sitzung.klasse.erlaeuterung(5, 1), u"Säuren und Basen"_s);
    QCOMPARE(u.f->sitzung.klasse.datum(5, 1), u"2017-02-10"_s);
    // Die bestaetigten Testnoten stehen schon in der Datei.
    QVERIFY(!u.f->sitzung.geaendert());
    Klasse gelesen;
    QVERIFY(klassenlisteLesen(u.ordner.datei(u"2016-17/L-8a-Ch.DTA"_s), gelesen, u.r));
    QCOMPARE(klasseAlsBytes(gelesen), klasseAlsBytes(u.f->sitzung.klasse));
    QCOMPARE(gelesen.erlaeuterung(5, 1), u"Säuren und Basen"_s);
}

void EinzellisteFensterTest::testnotenAbbrechenLoeschtListe()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, klasseMitGleichenNamen());
    u.f->ZenAusBenotungEintragen(u"L-8a-Ch.DTA"_s, {{u"L"_s, u"Hoffmann"_s, u"2+"_s}});
    EinzellistenAnsicht *el = u.f->einzelliste;
    el->artGewaehlt(5);
    el->listeWaehlen(1);
    u.r.antworte(Knopf::Ja);
    u.klick(u"BEinzellisteAbbrechen"_s);
    QCOMPARE(u.r.fragen(), QStringList{u"Diese Einzelliste wirklich löschen?"_s});
    QCOMPARE(vorhandeneNoten(u.f->sitzung.klasse, 5), 1);
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Tabelle);
}

// Erst Hausarbeiten "neu", dann (verbessert) Tests "neu", dann OK: nur die Tests bekommen die
// Noten.
void EinzellisteFensterTest::testnotenNurInBestaetigterListe()
{
    Fensterumgebung u;
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, klasseMitGleichenNamen());
    QVERIFY(u.f->ZenAusBenotungEintragen(u"L-8a-Ch.DTA"_s, {{u"U"_s, u"Zander"_s, u"4"_s}}));
    EinzellistenAnsicht *el = u.f->einzelliste;
    const auto neueZeileWaehlen = [&](int art) {
        u.klick(u"BZenKat%1"_s.arg(art));
        QListWidget *auswahl = el->LBZenHinweise;
        const QListWidgetItem *neu = auswahl->item(auswahl->count() - 1);
        QVERIFY(neu->text().endsWith(u"neu"_s));
        QTest::mouseClick(auswahl->viewport(), Qt::LeftButton, {},
                          auswahl->visualItemRect(neu).center());
    };
    neueZeileWaehlen(1);
    QCOMPARE(el->SGEinzellisteRechts->text(4, 5), u"4"_s);
    neueZeileWaehlen(5);
    QCOMPARE(el->SGEinzellisteRechts->text(4, 5), u"4"_s);
    Fensterumgebung::tippe(el->EZenHinweise, u"Redoxreaktionen"_s);
    u.klick(u"BOKEinzelliste"_s);
    const Klasse &k = u.f->sitzung.klasse;
    QCOMPARE(vorhandeneNoten(k, 1), 0);
    QCOMPARE(k.datum(1, 0), QString());
    QCOMPARE(k.schueler(5).note(1, 0), QString());
    QCOMPARE(vorhandeneNoten(k, 5), 2);
    QCOMPARE(k.schueler(5).note(5, 1), u"4"_s);
    QCOMPARE(k.erlaeuterung(5, 1), u"Redoxreaktionen"_s);
}

// Spalte 3 der Hausarbeiten (0..4 belegt) an Stelle 1; dann eine Verschiebung in die volle
// Art Tests, die verweigert wird; dann ein Abbruch mit dem Knopf.
void EinzellisteFensterTest::listeVerschieben()
{
    Fensterumgebung u;
    Klasse k = klasseMitGleichenNamen();
    for (int slot = 0; slot < 5; ++slot) {
        k.schueler(1).note(1, slot) = QString::number(slot + 1);
        k.erlaeuterung(1, slot) = u"HA "_s + QString::number(slot + 1);
    }
    for (int slot = 0; slot < 10; ++slot) {
        k.schueler(2).note(5, slot) = u"2"_s;
    }
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, k);
    u.oeffne(u"L-8a-Ch.DTA"_s);
    EinzellistenAnsicht *el = u.f->einzelliste;
    el->oeffnenMitListe(1, 2);
    u.klick(u"BNotenlisteVerschieben"_s);
    QVERIFY(el->verschiebungLaeuft());
    QCOMPARE(el->Label3->text(), u"Zielnummer für das Verschieben angeben:"_s);
    QVERIFY(u.knopf(u"BNotenlisteVerschieben"_s)->text().startsWith(u"Bitte oben das Ziel\n"_s));
    u.klick(u"BZenKat5"_s); // Tests: alle 10 Spalten belegt
    QCOMPARE(
        u.r.letzteMeldung(),
        u"Ein Verschieben in diese Notenart ist nicht möglich, weil alle Spalten voll sind!"_s);
    QVERIFY(!el->verschiebungLaeuft());
    QCOMPARE(el->art, 1);
    QCOMPARE(u.knopf(u"BNotenlisteVerschieben"_s)->text(), u"Notenliste verschieben"_s);

    el->listeWaehlen(2);
    u.klick(u"BNotenlisteVerschieben"_s);
    u.klick(u"BZenKat1"_s);
    el->listeWaehlen(0);
    QCOMPARE(u.r.letzteMeldung(), u"Die Einzelliste ist erfolgreich verschoben worden."_s);
    QVERIFY(!el->verschiebungLaeuft());
    const int nr = [&] {
        for (int i = 1; i <= 5; ++i) {
            if (u.f->sitzung.klasse.schueler(i).vorname == u"Lena"_s) {
                return i;
            }
        }
        return 0;
    }();
    QStringList reihenfolge;
    for (int slot = 0; slot < 5; ++slot) {
        reihenfolge << u.f->sitzung.klasse.schueler(nr).note(1, slot);
    }
    QCOMPARE(reihenfolge, (QStringList{u"3"_s, u"1"_s, u"2"_s, u"4"_s, u"5"_s}));
    QCOMPARE(u.f->sitzung.klasse.erlaeuterung(1, 0), u"HA 3"_s);
    QCOMPARE(el->EZenHinweise->text(), u"HA 3"_s);
    QCOMPARE(el->ENotenNr->text(), u"H1"_s);

    // Abbruch: nichts bewegt sich, ein spaeterer Klick in die Auswahl waehlt nur.
    u.klick(u"BNotenlisteVerschieben"_s);
    u.klick(u"BNotenlisteVerschieben"_s);
    QVERIFY(!el->verschiebungLaeuft());
    el->artGewaehlt(1);
    el->listeWaehlen(4);
    QCOMPARE(u.f->sitzung.klasse.erlaeuterung(1, 4), u"HA 5"_s);
    QCOMPARE(el->ENotenNr->text(), u"H5"_s);
}

// Liste 2 von 5 geloescht, dann "Notenliste verschieben", nochmal geklickt und OK: die Liste
// verschwindet genau einmal, alle anderen bleiben.
void EinzellisteFensterTest::geloeschteListeWirdNichtVerschoben()
{
    Fensterumgebung u;
    Klasse k = klasseMitGleichenNamen();
    for (int slot = 0; slot < 5; ++slot) {
        k.schueler(1).note(1, slot) = QString::number(slot + 1);
        k.erlaeuterung(1, slot) = u"HA "_s + QString::number(slot + 1);
        k.datum(1, slot) = u"2016-10-0"_s + QString::number(slot + 1);
    }
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, k);
    u.oeffne(u"L-8a-Ch.DTA"_s);
    EinzellistenAnsicht *el = u.f->einzelliste;
    el->oeffnenMitListe(1, 1);
    u.r.antworte(Knopf::Ja);
    u.klick(u"BEinzelListeLoeschen"_s);
    const int piepVorher = u.r.pieptoene;
    u.klick(u"BNotenlisteVerschieben"_s);
    QVERIFY(!el->verschiebungLaeuft());
    QCOMPARE(u.r.pieptoene, piepVorher + 1);
    u.klick(u"BNotenlisteVerschieben"_s);
    u.klick(u"BOKEinzelliste"_s);
    QCOMPARE(u.f->unteransicht(), TFZensurenbearbeitung::Unteransicht::Tabelle);
    QStringList erlaeuterungen;
    QStringList daten;
    for (int slot = 0; slot < 5; ++slot) {
        erlaeuterungen << u.f->sitzung.klasse.erlaeuterung(1, slot);
        daten << u.f->sitzung.klasse.datum(1, slot);
    }
    QCOMPARE(erlaeuterungen, (QStringList{u"HA 1"_s, u"HA 3"_s, u"HA 4"_s, u"HA 5"_s, QString()}));
    QCOMPARE(daten, (QStringList{u"2016-10-01"_s, u"2016-10-03"_s, u"2016-10-04"_s, u"2016-10-05"_s,
                                 QString()}));
}

// Liste 2 von 5 geloescht, dann in der Auswahl (sie zeigt noch alle fuenf) eine andere Liste
// gewaehlt: geoeffnet wird genau die gewaehlte, die geloeschte ist genau einmal entfernt.
void EinzellisteFensterTest::nachLoeschenAndereListeWaehlen_data()
{
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("nummer");
    QTest::addColumn<QString>("erlaeuterung");
    QTest::newRow("davor") << 0 << u"H1"_s << u"HA 1"_s;
    QTest::newRow("dahinter") << 3 << u"H3"_s << u"HA 4"_s;
    QTest::newRow("letzte") << 4 << u"H4"_s << u"HA 5"_s;
    QTest::newRow("neu") << 5 << u"H5"_s << u"neu"_s;
}

void EinzellisteFensterTest::nachLoeschenAndereListeWaehlen()
{
    QFETCH(int, zeile);
    QFETCH(QString, nummer);
    QFETCH(QString, erlaeuterung);
    Fensterumgebung u;
    Klasse k = klasseMitGleichenNamen();
    for (int slot = 0; slot < 5; ++slot) {
        k.schueler(1).note(1, slot) = QString::number(slot + 1);
        k.erlaeuterung(1, slot) = u"HA "_s + QString::number(slot + 1);
    }
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, k);
    u.oeffne(u"L-8a-Ch.DTA"_s);
    EinzellistenAnsicht *el = u.f->einzelliste;
    el->oeffnenMitListe(1, 1);
    u.r.antworte(Knopf::Ja);
    u.klick(u"BEinzelListeLoeschen"_s);
    el->artGewaehlt(1);
    QCOMPARE(el->LBZenHinweise->count(), 6);
    el->listeWaehlen(zeile);
    QCOMPARE(el->ENotenNr->text(), nummer);
    QCOMPARE(el->EZenHinweise->text(), erlaeuterung);
    QStringList erlaeuterungen;
    for (int slot = 0; slot < 5; ++slot) {
        erlaeuterungen << u.f->sitzung.klasse.erlaeuterung(1, slot);
    }
    QCOMPARE(erlaeuterungen, (QStringList{u"HA 1"_s, u"HA 3"_s, u"HA 4"_s, u"HA 5"_s, QString()}));
}

// Liste 2 von 5 geloescht, dann "Vorherige" oder "Nächste": die Nachbarin der geloeschten.
void EinzellisteFensterTest::nachLoeschenBlaettern_data()
{
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<int>("geloeschterSlot");
    QTest::addColumn<QString>("nummer");
    QTest::addColumn<QString>("erlaeuterung");
    QTest::newRow("vorherige") << u"BVorherigeEL"_s << 1 << u"H1"_s << u"HA 1"_s;
    QTest::newRow("naechste") << u"BNaecsteEL"_s << 1 << u"H2"_s << u"HA 3"_s;
    QTest::newRow("naechste nach der ersten") << u"BNaecsteEL"_s << 0 << u"H1"_s << u"HA 2"_s;
    QTest::newRow("naechste nach der letzten") << u"BNaecsteEL"_s << 4 << u"H5"_s << u"neu"_s;
}

void EinzellisteFensterTest::nachLoeschenBlaettern()
{
    QFETCH(QString, knopf);
    QFETCH(int, geloeschterSlot);
    QFETCH(QString, nummer);
    QFETCH(QString, erlaeuterung);
    Fensterumgebung u;
    Klasse k = klasseMitGleichenNamen();
    for (int slot = 0; slot < 5; ++slot) {
        k.schueler(1).note(1, slot) = QString::number(slot + 1);
        k.erlaeuterung(1, slot) = u"HA "_s + QString::number(slot + 1);
    }
    klasseAblegen(u, u"L-8a-Ch.DTA"_s, k);
    u.oeffne(u"L-8a-Ch.DTA"_s);
    EinzellistenAnsicht *el = u.f->einzelliste;
    el->oeffnenMitListe(1, geloeschterSlot);
    u.r.antworte(Knopf::Ja);
    u.klick(u"BEinzelListeLoeschen"_s);
    u.klick(knopf);
    QCOMPARE(el->ENotenNr->text(), nummer);
    QCOMPARE(el->EZenHinweise->text(), erlaeuterung);
    QCOMPARE(vorhandeneNoten(u.f->sitzung.klasse, 1), 4);
}

QTEST_MAIN(EinzellisteFensterTest)
#include "einzelliste_fenster_test.moc"
