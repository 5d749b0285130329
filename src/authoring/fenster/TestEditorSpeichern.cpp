// Speichern, Verlassen und Drucken des Testeditors.
#include "authoring/fenster/TestEditor.h"
#include "authoring/fenster/TestSpeicherAbfrage.h"
#include "authoring/formatierung.h"
#include "common/ansitext.h"
#include "common/oeffner.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "settings/konfiguration.h"
#include "widgets/Druckhilfe.h"
#include "widgets/Umgebung.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

const QString kDurchfuehrungWarnung =
    u"Hinweis: So, wie der Test jetzt vorliegt, würde ihn die Testdurchführung nicht "
    "annehmen:"_s;

} // namespace

void TestEditor::verlassen(int aktion)
{
    nachSpeichernAktion = aktion;
    if (!geladen) {
        verlassenAusfuehren(aktion);
        return;
    }
    TestSpeichClick(true);
}

void TestEditor::speichernWieVorliegend()
{
    nachSpeichernAktion = 3;
    TestSpeichClick(false);
}

void TestEditor::TestSpeichClick(bool mitAbfrage)
{
    if (!geladen) {
        return;
    }
    punkteFehlenBei = 0;
    QStringList z = zeilen();
    const int zeile = caretZeile();
    const int spalte = RichEdit1->textCursor().positionInBlock();
    ungueltigeAbsaetzeLeeren(z);
    const Pruefergebnis e = aufgabennummern_kontrollieren(z, u.r);
    fragen = e.fragenAnzahl;
    punkteFehlenBei = e.punkteFehlenBei;
    if (e.zeileFehlendePunkte >= 0) {
        anzeigen(z, e.zeileFehlendePunkte, 0);
    } else {
        anzeigen(z, zeile, spalte);
    }
    // Nach einer Neunummerierung gehoeren die Bilder zu den neuen Nummern.
    if (e.nummerierungsfehler) {
        bilderAllesLaden();
    }
    // Nur eine Warnung: gespeichert wird trotzdem, damit keine Arbeit verloren geht.
    if (const QStringList w = durchfuehrungsWarnungen(z); !w.isEmpty()) {
        u.r.warnung(kDurchfuehrungWarnung + u"\r\n\r\n"_s + w.join(u"\r\n"_s) +
                    u"\r\n\r\nDer Test wird trotzdem gespeichert."_s);
    }
    // Ein als Vorlage geoeffneter Test wuerde sonst ueber das Original der anderen Klasse
    // geschrieben: sein Ziel legt immer die Abfrage fest.
    if (mitAbfrage || fuerAndereKlasse) {
        abfrage->vorbelegen(angaben);
        abfrage->show();
        abfrage->raise();
        abfrage->activateWindow();
        return;
    }
    testSpeichClickNachAbfrage(Antwort::Speichern);
}

void TestEditor::testSpeichClickNachAbfrage(Antwort antwort)
{
    if (antwort == Antwort::Abbrechen) {
        return;
    }
    if (antwort == Antwort::Speichern) {
        const QString pfad = zielPfad();
        if (!Test_speichern(zeilen(), pfad, u.r)) {
            return; // der Test bleibt im Editor
        }
        aktDatei = pfad;
        neu = false;
    }
    verlassenAusfuehren(nachSpeichernAktion);
}

void TestEditor::abfrageBeantwortet(Antwort antwort, const SpeicherAngaben &a)
{
    if (antwort != Antwort::Speichern) {
        if (antwort == Antwort::NichtSpeichern) {
            verlassenAusfuehren(nachSpeichernAktion);
        }
        RichEdit1->setFocus();
        return;
    }
    if (speichernMitAngaben(a)) {
        verlassenAusfuehren(nachSpeichernAktion);
    }
}

bool TestEditor::speichernMitAngaben(const SpeicherAngaben &a)
{
    QStringList z = zeilen();
    const QString bisher = fuerAndereKlasse || !neu ? aktDatei : neueDatei;
    const QString ziel = testSpeichernUnter(z, a, u.e.basisOrdner, bisher, u".__A"_s, u.r);
    if (ziel.isEmpty()) {
        return false;
    }
    angaben = a;
    aktDatei = ziel;
    neueDatei.clear();
    neu = false;
    fuerAndereKlasse = false;
    anzeigen(z, caretZeile(), RichEdit1->textCursor().positionInBlock());
    return true;
}

void TestEditor::verlassenAusfuehren(int aktion)
{
    if (aktion != 3) {
        geladen = false;
        speicher.bilder_loeschen_und_bildspeicher_freigeben();
        bilder_unsichtbar();
        RichEdit1->clear();
    }
    emit weiter(aktion);
}

// ---- Drucken ----------------------------------------------------------------------------------

void TestEditor::druckAbfrage()
{
    if (!geladen) {
        return;
    }
    QMessageBox box(QMessageBox::Question, u"Test Drucken"_s,
                    u"Soll der Test mit Antwort-Alternativen (a-d) ausgegeben werden?"_s,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setObjectName(u"DruckAbfrage"_s);
    box.button(QMessageBox::Yes)->setText(u"&Ja"_s);
    box.button(QMessageBox::No)->setText(u"&Nein"_s);
    box.button(QMessageBox::Cancel)->setText(u"Abbrechen"_s);
    auto *datei = new QCheckBox(u"Test nicht drucken, sondern nur in eine Datei schreiben"_s);
    datei->setObjectName(u"CBDatei"_s);
    datei->setMinimumWidth(400);
    datei->setChecked(true);
    box.setCheckBox(datei);
    box.setMinimumHeight(250);
    const int antwort = box.exec();
    const bool inDatei = datei->isChecked();
    if (antwort == QMessageBox::Yes) {
        if (inDatei) {
            ausgabeSchreiben(zeilen());
        } else {
            druckenDokument(zeilen(), false);
        }
    } else if (antwort == QMessageBox::No) {
        const QStringList bogen = fragebogen(zeilen());
        if (inDatei) {
            ausgabeSchreiben(bogen);
        } else {
            druckenDokument(bogen, true);
        }
    }
}

void TestEditor::ausgabeSchreiben(const QStringList &z)
{
    const QString ordner = mitTrenner(QFileInfo(zielPfad()).absolutePath());
    const QString pfad =
        u.r.dateiZumSpeichern(u"Test speichern"_s, ordner + u"Test.Doc"_s, u"*.Doc"_s, u"Doc"_s);
    if (pfad.isEmpty()) {
        return;
    }
    const DateiFehler f = ansiZeilenSchreiben(pfad, z);
    if (!f.ok()) {
        u.r.fehler(f.meldung());
        return;
    }
    u.o.oeffnen(pfad);
}

void TestEditor::druckenDokument(const QStringList &z, bool fragebogenForm)
{
    druck::Auftrag auftrag;
    auftrag.titel = u"Drucken der Datei: "_s + QFileInfo(zielPfad()).fileName();
    auftrag.wartetext = u"Der Test wird gedruckt ..."_s;
    const QMarginsF raender(0.7, 0.3, 0, 0.3);
    if (!fragebogenForm) {
        druck::dokumenteDrucken(this, auftrag, {RichEdit1->document()}, raender, u.r);
        return;
    }
    QTextDocument bogen;
    QFont schrift = editorSchrift();
    schrift.setPointSize(12);
    bogen.setDefaultFont(schrift);
    bogen.setPlainText(z.join(u'\n'));
    for (int i = 0; i < bogen.blockCount(); ++i) {
        einzugSetzen(bogen, i, 0, 40);
    }
    druck::dokumenteDrucken(this, auftrag, {&bogen}, raender, u.r);
}
