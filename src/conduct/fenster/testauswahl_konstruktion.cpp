// Konstruktion: neuer Test, neu auf Vorlage, Test oeffnen und loeschen, Vorschau.
#include "authoring/formatierung.h"
#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rtf/rtf.h"
#include "common/rtf/zeilenmodell.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "common/uhr.h"
#include "conduct/fenster/SchuelerdatenFormUnit.h"
#include "conduct/fenster/schrittrahmen.h"
#include "conduct/fenster/sitzplan.h"
#include "settings/konfiguration.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace {

const QString kBedenken =
    u"Bedenken Sie vor der Konstruktion neuer Tests:\r\n\r\n"
    u"Ein guter Test entsteht selten allein. Sprechen Sie sich mit den Kolleginnen und "
    u"Kollegen Ihres Faches ab: Wer dieselben Themen unterrichtet, kann dieselben Tests "
    u"verwenden, sie gemeinsam verbessern und die Ergebnisse der Klassen vergleichen.\r\n\r\n"
    u"Legen Sie deshalb die Themenkürzel gemeinsam fest und benennen Sie die Tests einheitlich "
    u"(Klasse, Fach, Nummer, Thema). Ein vorhandener Test lässt sich über \"Neu/ Themenvorlage\" "
    u"oder \"Neu/ alle Vorlagen\" als Vorlage für einen neuen Test nutzen.\r\n\r\n"
    u"Planen Sie je Frage genau eine richtige Antwort und vergeben Sie die Punkte (1 bis 9) "
    u"nach Schwierigkeit."_s;

// Vorlagen eines Testordners in der Reihenfolge Multiple Choice, Lueckentext, Grafiklegende.
QString ersteVorlage(const TestPfade &t)
{
    for (const QString &endung : {u".__A"_s, u"._LA"_s, u"._GA"_s}) {
        const QString pfad = t.datei(endung);
        if (istGewoehnlicheDatei(pfad)) {
            return pfad;
        }
    }
    return {};
}

} // namespace

// Gemeinsamer Anfang der drei Knoepfe fuer neue Tests: Thema pruefen, aktuelles Schuljahr,
// vollstaendiges Kuerzel, noch kein Test dieses Namens. false: der Knopf zeigt warum.
static bool neuerTestMoeglich(TSchuelerdatenEingabefenster &f, QPushButton *knopf, Rueckfragen &r,
                              const QString &aktuell)
{
    if (!neuThemenEintragOK(f.CBoxThema->currentText())) {
        themaUngueltigMelden(r);
        f.CBoxThema->setFocus();
        return false;
    }
    if (f.CBoxSchuljahr->currentText() != aktuell) {
        r.information(u"Neue Tests werden immer im Ordner des aktuellen Schuljahres erstellt."_s);
        f.CBoxAlleSchuljahre->setChecked(false);
        f.CBoxAktSchuljahr->setChecked(true);
        f.CBoxSchuljahr->setCurrentText(aktuell);
    }
    if (!kuerzelVollstaendig(f.gewaehlterTest().testKuerzel)) {
        knopf->setText(u"<-- Details ?"_s);
        return false;
    }
    // Gleich welcher Art: ein vorhandener Test dieses Namens wuerde ueberschrieben.
    if (!ersteVorlage(f.gewaehlterTest()).isEmpty()) {
        knopf->setText(u"Test schon da!"_s);
        return false;
    }
    return true;
}

void TSchuelerdatenEingabefenster::NeuenTestClick()
{
    feldPruefenFallsOffen();
    vorschauBeenden();
    const QString aktuell = aktuellesSchuljahr(uhr.heute());
    if (!neuerTestMoeglich(*this, BNeuenTest, r, aktuell)) {
        return;
    }
    switch (testArtAusText(CBoxTestArt->currentText()).value_or(TestArt::Alle)) {
    case TestArt::Alle:
        r.information(u"Zuerst bitte oben die gewünschte Testart festlegen!"_s);
        return;
    case TestArt::Grafiklegende:
        r.information(u"Grafiklegende-Test muss noch programmiert werden..."_s);
        return;
    case TestArt::Lueckentext:
        neu = NeuArt::NeuerTest;
        zielPfad = sitzung.test().datei(u"._LA"_s);
        emit lueckentestOeffnen(zielPfad, true);
        return;
    case TestArt::MultipleChoice:
        break;
    }
    neu = NeuArt::NeuerTest;
    zielPfad = sitzung.test().vorlage(u'A');
    angaben = angabenAusFeldern();
    sitzung.festlegen(true);
    emit testBearbeiten(zielPfad, false, true);
    // Rat bei den ersten Tests eines Schuljahres ("." und ".." zaehlen mit); die Sperren offener
    // Klassen ("*.sperre") und ihre Arbeitsordner (".*") sind keine Tests.
    const QDir jahr(sitzung.test().schuljahrOrdner());
    const QStringList ordner = jahr.entryList(QDir::Dirs | QDir::NoSymLinks | QDir::Hidden);
    qsizetype zahl = 0;
    for (const QString &o : ordner) {
        zahl += o == u"."_s || o == u".."_s || (!o.startsWith(u'.') && !o.endsWith(u".sperre"_s));
    }
    if (zahl < 4) {
        r.information(kBedenken);
    }
}

void TSchuelerdatenEingabefenster::BNeuAufVorlageClick()
{
    feldPruefenFallsOffen();
    neuAufVorlage(BNeuAufVorlage, u"...."_s + sitzung.test().testKuerzel.mid(4));
}

void TSchuelerdatenEingabefenster::BNeuAlleVorlagenClick()
{
    feldPruefenFallsOffen();
    neuAufVorlage(BNeuAlleVorlagen, u"........"_s);
}

// Neuer Test auf einer Vorlage: die Liste zeigt die Tests aller Schuljahre, die zum Filter passen;
// der benannte neue Test bleibt das Ziel.
void TSchuelerdatenEingabefenster::neuAufVorlage(QPushButton *knopf, const QString &filter)
{
    const QString aktuell = aktuellesSchuljahr(uhr.heute());
    if (!neuerTestMoeglich(*this, knopf, r, aktuell)) {
        return;
    }
    neu = NeuArt::AufVorlage;
    zielPfad = sitzung.test().vorlage(u'A');
    angaben = angabenAusFeldern();
    const TestPfade neuerTest = sitzung.test();
    fuellt = true;
    CBoxSchuljahr->setCurrentIndex(0);
    CBoxAktSchuljahr->setChecked(false);
    CBoxAlleSchuljahre->setChecked(true);
    fuellt = false;
    katalog = vorhandeneTestsEinlesen(e.basisOrdner, u"..."_s, filter, TestArt::MultipleChoice,
                                      themen, r, &vorlagen)
                  .zeilen;
    ListBoxThemenMitErklaerung->clear();
    ListBoxThemenMitErklaerung->addItems(katalog);
    sitzung.benennen(neuerTest);
    LVorhandeneTests->setText(u"Vorlagen mit demselben Thema"_s);
    BVorhandenenTestOeffnen->setText(u"<-- Vorlage wählen"_s);
    PGruenerRahmenVorhTestOeffnen->rahmenZeigen(true);
}

void TSchuelerdatenEingabefenster::TestOeffnenClick()
{
    feldPruefenFallsOffen();
    vorschauBeenden();
    if (!sitzung.gewaehlt()) {
        BVorhandenenTestOeffnen->setText(u"<---  Erst auswählen!"_s);
        return;
    }
    const QString pfad = ersteVorlage(sitzung.test());
    if (pfad.isEmpty()) {
        r.fehler(u"Die Datei "_s + sitzung.test().vorlage(u'A') + u" lässt sich nicht öffnen!"_s);
        return;
    }
    if (pfad.endsWith(u"._LA"_s)) {
        emit lueckentestOeffnen(pfad, false);
    } else if (pfad.endsWith(u"._GA"_s)) {
        r.information(u"Grafiklegende-Test muss noch programmiert werden..."_s);
    } else {
        if (neu != NeuArt::AufVorlage) {
            sitzung.festlegen(sitzung.test().schuljahr == aktuellesSchuljahr(uhr.heute()));
            angaben = angabenAusKatalogzeile(katalog.value(gewaehlteZeile), faecher);
        }
        emit testBearbeiten(pfad, neu == NeuArt::AufVorlage, false);
    }
}

SpeicherAngaben TSchuelerdatenEingabefenster::angabenAusFeldern() const
{
    SpeicherAngaben a;
    a.schuljahr = sitzung.test().schuljahr;
    a.klasse = CBoxKlasse->currentText();
    a.fach = CBoxFach->currentIndex() > 0 ? CBoxFach->currentText() : u"..."_s;
    a.nummer = CBoxTestNr->currentText();
    a.thema = CBoxThema->currentText();
    return a;
}

void TSchuelerdatenEingabefenster::festlegen_bestaetigt()
{
    if (sitzung.gewaehlt()) {
        TestOeffnenClick();
    } else if (neu == NeuArt::NeuerTest && !zielPfad.isEmpty()) {
        emit testBearbeiten(zielPfad, false, true);
    } else {
        NeuenTestClick();
    }
}

void TSchuelerdatenEingabefenster::BTestLoeschenClick()
{
    if (!sitzung.gewaehlt()) {
        BTestLoeschen->setText(u"<-- Erst auswählen"_s);
        return;
    }
    const int zeile = ListBoxThemenMitErklaerung->currentRow();
    if (zeile >= 0) {
        vorschauZeigen(zeile);
    }
    const bool geloescht = testLoeschen(sitzung.test().testOrdner(), r);
    vorschauBeenden();
    if (geloescht) {
        sitzung.festlegen(false);
    }
    dateinamen_neu();
}

void TSchuelerdatenEingabefenster::vorschauZeigen(int zeile)
{
    if (zeile < 0 || zeile >= katalog.size()) {
        return;
    }
    const TestPfade t{e.basisOrdner, schuljahrAusZeile(katalog[zeile]),
                      kuerzelAusZeile(katalog[zeile])};
    QTextDocument *doc = RichEdit_Test_Schnellansicht->document();
    doc->clear();
    const QString mc = t.vorlage(u'A');
    const QString lt = t.datei(u"._LA"_s);
    if (istGewoehnlicheDatei(mc)) {
        const ZeilenErgebnis z = ansiZeilenLesen(mc);
        if (!z.ok()) {
            return;
        }
        doc->setDefaultFont(editorSchrift());
        Zeilenmodell(*doc).setzeAlle(z.zeilen);
        schriftFormatieren(*doc, kKopfgrenzeKonstruktion);
        RichEdit_Test_Schnellansicht->setTabStopDistance(
            RichEdit_Test_Schnellansicht->fontMetrics().horizontalAdvance(u' ') * 8);
    } else if (istGewoehnlicheDatei(lt)) {
        if (!rtfDateiLaden(lt, *doc).isEmpty()) {
            return;
        }
    } else {
        return;
    }
    vorschauZeile = zeile;
    RichEdit_Test_Schnellansicht->setToolTip(
        u"Wenn diese Vorschau nicht eingeblendet werden soll, \r\nden Test einfach weiter "
        u"rechts (im Bereich der Schuljahresangabe) anklicken. Dann erscheint die Vorschau nur "
        u"so lange, wie die Maustaste gedrückt ist."_s);
    RichEdit_Test_Schnellansicht->verticalScrollBar()->setValue(0);
    QWidget *flaeche = RichEdit_Test_Schnellansicht->parentWidget();
    flaeche->show();
    flaeche->raise();
    RichEdit_Test_Schnellansicht->moveCursor(QTextCursor::Start);
    RichEdit_Test_Schnellansicht->ensureCursorVisible();
}

void TSchuelerdatenEingabefenster::vorschauBeenden()
{
    QWidget *flaeche = RichEdit_Test_Schnellansicht->parentWidget();
    if (!flaeche->isVisible()) {
        return;
    }
    flaeche->hide();
    vorschauZeile = -1;
    if (BSitzplan->isEnabled() && !Sitzplan->isVisible()) {
        BSitzplan->setText(u"Sitzplan sichtbar"_s);
    }
}
