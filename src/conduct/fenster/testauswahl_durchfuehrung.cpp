// Durchfuehrung: Kopien anfertigen und bereitstellen, einsammeln im Takt, zurueckziehen,
// benoten und die Noten an das Notenfenster geben.
#include "classdata/klassendatei.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/uhr.h"
#include "conduct/benotung.h"
#include "conduct/fenster/SchuelerdatenFormUnit.h"
#include "conduct/fenster/aufgabenanalyse_ansicht.h"
#include "conduct/fenster/schrittrahmen.h"
#include "conduct/normtabelle.h"
#include "conduct/rueckgabe.h"
#include "conduct/verteilung.h"
#include "settings/konfiguration.h"
#include "widgets/ColorButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

void TSchuelerdatenEingabefenster::BTestBereitStellenClick()
{
    if (!gewaehlt || laeuft) {
        return;
    }
    if (rueckgabe) {
        bereitstellen(true);
        return;
    }
    // Die Klassendatei kann sich seit der Wahl geaendert haben: frisch laden.
    if (!klasseFuerTestLaden(true)) {
        labelEinstellungTestKlasse();
        return;
    }
    if (const std::optional<QString> konflikt = namenskonflikt(klasse, test.klassenkuerzel())) {
        r.fehler(*konflikt);
        return;
    }
    switch (kopienAnfertigen(test, klasse, zufall, r)) {
    case Kopien::Neu:
    case Kopien::Vorhanden:
        break;
    case Kopien::Abgebrochen:
        kopienAnzeigen();
        return;
    case Kopien::ProgrammEnde:
        e.programmEndet = true;
        emit programmEndeGewuenscht();
        return;
    }
    LkopiertfuerSchueler->setText(u"Vorhandene Kopien: "_s +
                                  QString::number(klassenGroesse(klasse)));
    sitzplanLaden();
    if (bereitstellen(false)) {
        ListBoxBereitgestellt->setFocus();
    }
}

void TSchuelerdatenEingabefenster::BTestRueckgabeNurLesenClick()
{
    if (gewaehlt && rueckgabe && !laeuft) {
        bereitstellen(false);
    }
}

bool TSchuelerdatenEingabefenster::bereitstellen(bool speichern)
{
    LBereitgestellt->setText(u"Ausgegeben ("_s + test.klassenkuerzel() + u"):"_s);
    ListBoxBereitgestellt->clear();
    LZahlBereitgestellt->setText(u"0"_s);
    QStringList liste;
    QString ziel;
    bool mitBildern = false;
    if (rueckgabe) {
        const Rueckgabe g = testZurueckgeben(test, e, speichern, uhr, r);
        if (!g.ok) {
            return false;
        }
        liste = g.liste;
        ziel = g.zielOrdner;
        mitBildern = g.mitBildern;
    } else {
        const Bereitstellung b = testBereitStellen(test, e, uhr, r);
        if (!b.ok) {
            return false;
        }
        liste = b.liste;
        ziel = b.zielOrdner;
        mitBildern = b.mitBildern;
    }
    LBereitst_Ordner->setText(u"Bereitstellungsordner: "_s + ziel);
    ListBoxBereitgestellt->addItems(liste);
    LZahlBereitgestellt->setText(QString::number(liste.size()));
    LAusgegeben->setVisible(mitBildern);
    einsammlung = Einsammlung{};
    if (!rueckgabe) {
        ListBoxTestAbgabe->clear();
        LAnzahlAbgegebenerTests->setText(u"0"_s);
    }
    laeuft = true;
    einfrieren(true);
    labelEinstellungTestKlasse();
    TimerTestsMitnehmen.start();
    return true;
}

void TSchuelerdatenEingabefenster::einfrieren(bool an)
{
    // "Der Ordner ist leer!" galt dem letzten Loeschen, nicht der neuen Bereitstellung.
    if (an) {
        BBereitgestellteTestsLoeschen->setText(u"Bereit gestellte Tests löschen"_s);
    }
    const QList<QWidget *> namensfelder{
        CBoxKlasse,    CBoxFach,    CBoxTestNr,      CBoxThema,
        CBoxSchuljahr, CBoxTestArt, BFilterLoeschen, ListBoxThemenMitErklaerung};
    for (QWidget *w : namensfelder) {
        w->setEnabled(!an);
    }
    BTestBereitStellen->setEnabled(!an && gewaehlt && (klasseGeladen || rueckgabe));
    BTestRueckgabeNurLesen->setEnabled(!an && gewaehlt && rueckgabe);
    PGruenerRahmenDurchfuehrung->rahmenZeigen(!an && gewaehlt);
    PGruenerRahmenTestRueckgabeNurLesen->rahmenZeigen(!an && gewaehlt && rueckgabe);
}

void TSchuelerdatenEingabefenster::TestsMitnehmen()
{
    if (!laeuft) {
        TimerTestsMitnehmen.stop();
        return;
    }
    if (rueckgabe) {
        const QStringList da = zurueckgegebeneDokumente(test, e);
        ListBoxTestAbgabe->clear();
        ListBoxTestAbgabe->addItems(da);
        LAusgefuellteVorhanden->setVisible(!da.isEmpty());
        LAnzahlAbgegebenerTests->setText(QString::number(da.size()));
        return;
    }
    // Ein Schritt je Takt; eine Meldung der Logik haelt den Takt nicht doppelt an.
    TimerTestsMitnehmen.stop();
    const Einsammelschritt s = testsMitnehmen(test, e, einsammlung, uhr, r);
    if (laeuft) {
        TimerTestsMitnehmen.start();
    }
    if (!s.eingesammelt) {
        return;
    }
    ListBoxTestAbgabe->clear();
    ListBoxTestAbgabe->addItems(einsammlung.abgegeben);
    ListBoxTestAbgabe->scrollToBottom();
    LAnzahlAbgegebenerTests->setText(QString::number(einsammlung.zaehler));
    LVerschobenNach->setText(u"Verschoben nach:  "_s + s.verschobenNach);
    LAusgefuellteVorhanden->show();
    BBenoten->setEnabled(klasseGeladen);
    PGruenerRahmenBenotung->rahmenZeigen(klasseGeladen);
}

void TSchuelerdatenEingabefenster::zurueckziehen()
{
    TimerTestsMitnehmen.stop();
    if (!laeuft) {
        return;
    }
    if (rueckgabe) {
        rueckgabeZuruecknehmen(test, e, r);
    } else {
        // Wartende Abgaben einsammeln, zurueckziehen, nachsammeln; alles unter der Testsperre.
        const Beendigung b = durchfuehrungBeenden(test, e, einsammlung, uhr, r);
        if (!b.ok) {
            TimerTestsMitnehmen.start(); // Sperre belegt (gemeldet): die Durchfuehrung laeuft
            return;
        }
        ListBoxTestAbgabe->clear();
        ListBoxTestAbgabe->addItems(einsammlung.abgegeben);
        LAnzahlAbgegebenerTests->setText(QString::number(einsammlung.zaehler));
    }
    laeuft = false;
    ListBoxBereitgestellt->clear();
    LZahlBereitgestellt->setText(u"0"_s);
    LBereitgestellt->setText(u"Bereit gestellt:"_s);
    LAusgegeben->hide();
    einfrieren(false);
    weitergabeEinstellungen();
    labelEinstellungTestKlasse();
}

void TSchuelerdatenEingabefenster::BBereitgestellteTestsLoeschenClick()
{
    if (!gewaehlt) {
        return;
    }
    if (laeuft) {
        zurueckziehen();
        return;
    }
    // Auch ohne laufende Durchfuehrung: Reste einer frueheren Bereitstellung entfernen.
    const bool warLeer =
        rueckgabe ? rueckgabeZuruecknehmen(test, e, r) : bereitgestellteTestsLoeschen(test, e);
    ListBoxBereitgestellt->clear();
    LZahlBereitgestellt->setText(u"0"_s);
    if (warLeer) {
        BBereitgestellteTestsLoeschen->setText(u"Der Ordner ist leer!"_s);
    }
    weitergabeEinstellungen();
}

void TSchuelerdatenEingabefenster::BBenotenClick()
{
    if (!gewaehlt || rueckgabe) {
        return;
    }
    if (!durchfuehrungsAbbruchFrage()) {
        return;
    }
    zurueckziehen();
    if (laeuft || !klasseFuerTestLaden(true)) {
        labelEinstellungTestKlasse();
        return;
    }
    const QString norm = normtabelleWaehlen(e.programmOrdner, test.fachbuchstabe(), r);
    PWartehinweisBenotung->setText(u"Bitte warten. Die Normtabelle wird gelesen und die Tests "
                                   u"werden benotet..."_s);
    PWartehinweisBenotung->adjustSize();
    PWartehinweisBenotung->move((width() - PWartehinweisBenotung->width()) / 2,
                                (height() - PWartehinweisBenotung->height()) / 3);
    PWartehinweisBenotung->show();
    PWartehinweisBenotung->raise();
    PWartehinweisBenotung->repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Benotungslauf lauf;
    // Leerer Pfad: abgebrochen (schon gemeldet), dann gelten die Standardanteile.
    const Ablauf a = benotungStarten(
        test, e, klasse, norm.isEmpty() ? std::optional<QString>(QString()) : std::optional(norm),
        uhr.heute(), lauf, r);
    QApplication::restoreOverrideCursor();
    PWartehinweisBenotung->hide();
    if (a == Ablauf::ProgrammEnde) {
        e.programmEndet = true;
        emit programmEndeGewuenscht();
        return;
    }
    if (a != Ablauf::Ok) {
        weitergabeEinstellungen();
        return;
    }
    QList<Benotungsergebnis> ergebnisse;
    for (int nr = 1; nr <= lauf.klassenGroesse; ++nr) {
        ergebnisse << lauf.ergebnisse[nr];
    }
    weitergabeEinstellungen();
    hide();
    if (FAufgabenanalyse == nullptr) {
        FAufgabenanalyse = new AufgabenanalyseAnsicht(r, this);
        FAufgabenanalyse->setObjectName(u"FAufgabenanalyse"_s);
        FAufgabenanalyse->setWindowFlag(Qt::Window);
        FAufgabenanalyse->setWindowTitle(u"Aufgabenanalyse"_s);
        connect(FAufgabenanalyse, &AufgabenanalyseAnsicht::fertig, FAufgabenanalyse,
                &QWidget::hide);
    }
    FAufgabenanalyse->zeigen(lauf.analyse, test.schuljahr + u"/"_s + test.testKuerzel);
    // Jede Spalte ganz sichtbar; vor dem Notenfenster, das gleich aufgeht.
    FAufgabenanalyse->resize(FAufgabenanalyse->sizeHint());
    FAufgabenanalyse->show();
    emit testnotenUebernehmen(klassenDatei, ergebnisse);
    FAufgabenanalyse->raise();
    FAufgabenanalyse->activateWindow();
}
