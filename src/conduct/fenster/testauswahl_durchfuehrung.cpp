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
    if (!sitzung.gewaehlt() || sitzung.laeuft()) {
        return;
    }
    if (sitzung.rueckgabe()) {
        bereitstellen(true);
        return;
    }
    // Die Klassendatei kann sich seit der Wahl geaendert haben: frisch laden.
    if (!sitzung.klasseFuerTestLaden(true)) {
        labelEinstellungTestKlasse();
        return;
    }
    switch (sitzung.kopienAnfertigen()) {
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
                                  QString::number(klassenGroesse(sitzung.klasse())));
    sitzplanLaden();
    if (bereitstellen(false)) {
        ListBoxBereitgestellt->setFocus();
    }
}

void TSchuelerdatenEingabefenster::BTestRueckgabeNurLesenClick()
{
    if (sitzung.gewaehlt() && sitzung.rueckgabe() && !sitzung.laeuft()) {
        bereitstellen(false);
    }
}

bool TSchuelerdatenEingabefenster::bereitstellen(bool speichern)
{
    LBereitgestellt->setText(u"Ausgegeben ("_s + sitzung.test().klassenkuerzel() + u"):"_s);
    ListBoxBereitgestellt->clear();
    LZahlBereitgestellt->setText(u"0"_s);
    if (!sitzung.bereitstellen(speichern)) {
        return false;
    }
    LBereitst_Ordner->setText(u"Bereitstellungsordner: "_s + sitzung.bereitstellungsOrdner());
    ListBoxBereitgestellt->addItems(sitzung.bereitgestellt());
    LZahlBereitgestellt->setText(QString::number(sitzung.bereitgestellt().size()));
    LAusgegeben->setVisible(sitzung.mitBildern());
    if (!sitzung.rueckgabe()) {
        ListBoxTestAbgabe->clear();
        LAnzahlAbgegebenerTests->setText(u"0"_s);
    }
    // "Der Ordner ist leer!" galt dem letzten Loeschen, nicht der neuen Bereitstellung.
    BBereitgestellteTestsLoeschen->setText(u"Bereit gestellte Tests löschen"_s);
    labelEinstellungTestKlasse();
    TimerTestsMitnehmen.start();
    return true;
}

void TSchuelerdatenEingabefenster::TestsMitnehmen()
{
    if (!sitzung.laeuft()) {
        TimerTestsMitnehmen.stop();
        return;
    }
    if (sitzung.rueckgabe()) {
        const QStringList da = sitzung.zurueckgegebene();
        ListBoxTestAbgabe->clear();
        ListBoxTestAbgabe->addItems(da);
        LAusgefuellteVorhanden->setVisible(!da.isEmpty());
        LAnzahlAbgegebenerTests->setText(QString::number(da.size()));
        return;
    }
    // Ein Schritt je Takt; eine Meldung der Logik haelt den Takt nicht doppelt an.
    TimerTestsMitnehmen.stop();
    const Einsammelschritt s = sitzung.einsammeln();
    if (sitzung.laeuft()) {
        TimerTestsMitnehmen.start();
    }
    if (!s.eingesammelt) {
        return;
    }
    ListBoxTestAbgabe->clear();
    ListBoxTestAbgabe->addItems(sitzung.einsammlung().abgegeben);
    ListBoxTestAbgabe->scrollToBottom();
    LAnzahlAbgegebenerTests->setText(QString::number(sitzung.einsammlung().zaehler));
    LVerschobenNach->setText(u"Verschoben nach:  "_s + s.verschobenNach);
    LAusgefuellteVorhanden->show();
}

void TSchuelerdatenEingabefenster::zurueckziehen()
{
    TimerTestsMitnehmen.stop();
    if (!sitzung.laeuft()) {
        return;
    }
    if (!sitzung.zurueckziehen()) {
        TimerTestsMitnehmen.start(); // Sperre belegt (gemeldet): die Durchfuehrung laeuft
        return;
    }
    if (!sitzung.rueckgabe()) {
        ListBoxTestAbgabe->clear();
        ListBoxTestAbgabe->addItems(sitzung.einsammlung().abgegeben);
        LAnzahlAbgegebenerTests->setText(QString::number(sitzung.einsammlung().zaehler));
    }
    ListBoxBereitgestellt->clear();
    LZahlBereitgestellt->setText(u"0"_s);
    LBereitgestellt->setText(u"Bereit gestellt:"_s);
    LAusgegeben->hide();
    weitergabeEinstellungen();
    labelEinstellungTestKlasse();
}

void TSchuelerdatenEingabefenster::BBereitgestellteTestsLoeschenClick()
{
    if (!sitzung.gewaehlt()) {
        return;
    }
    if (sitzung.laeuft()) {
        zurueckziehen();
        return;
    }
    // Auch ohne laufende Durchfuehrung: Reste einer frueheren Bereitstellung entfernen.
    const bool warLeer = sitzung.resteLoeschen();
    ListBoxBereitgestellt->clear();
    LZahlBereitgestellt->setText(u"0"_s);
    if (warLeer) {
        BBereitgestellteTestsLoeschen->setText(u"Der Ordner ist leer!"_s);
    }
    weitergabeEinstellungen();
}

void TSchuelerdatenEingabefenster::BBenotenClick()
{
    if (!sitzung.gewaehlt() || sitzung.rueckgabe()) {
        return;
    }
    if (!durchfuehrungsAbbruchFrage()) {
        return;
    }
    zurueckziehen();
    if (sitzung.laeuft() || !sitzung.klasseFuerTestLaden(true)) {
        labelEinstellungTestKlasse();
        return;
    }
    const QString norm = normtabelleWaehlen(e.programmOrdner, sitzung.test().fachbuchstabe(), r);
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
    const Ablauf a = sitzung.benoten(norm, lauf);
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
    FAufgabenanalyse->zeigen(lauf.analyse,
                             sitzung.test().schuljahr + u"/"_s + sitzung.test().testKuerzel);
    // Jede Spalte ganz sichtbar; vor dem Notenfenster, das gleich aufgeht.
    FAufgabenanalyse->resize(FAufgabenanalyse->sizeHint());
    FAufgabenanalyse->show();
    emit testnotenUebernehmen(sitzung.klassenDatei(), ergebnisse);
    FAufgabenanalyse->raise();
    FAufgabenanalyse->activateWindow();
}
