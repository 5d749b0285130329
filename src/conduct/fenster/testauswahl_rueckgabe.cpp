// Rueckgabe und Drucken: benotete Kopien (alle oder eine Auswahl) und die Zusammenfassung ueber
// den einen Druckweg des Programms.
#include "authoring/formatierung.h"
#include "common/ansitext.h"
#include "common/oeffner.h"
#include "common/ordner.h"
#include "common/rtf/zeilenmodell.h"
#include "common/rueckfragen.h"
#include "conduct/fenster/SchuelerdatenFormUnit.h"
#include "conduct/fenster/schrittrahmen.h"
#include "conduct/rueckgabe.h"
#include "outside/schuelerprogramm.h"
#include "settings/konfiguration.h"
#include "widgets/Druckhilfe.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QMarginsF kTestRaender(kRandLinks, kRandOben, kRandRechts, kRandUnten);

} // namespace

void TSchuelerdatenEingabefenster::BDruckenClick()
{
    if (!sitzung.gewaehlt()) {
        BDrucken->setText(u"<---  Erst auswählen!"_s);
        return;
    }
    TimerTestsMitnehmen.stop();
    sitzung.druckEinrichten();
    PGruenerRahmenDrucken->knopfZeigen(false);
    PGruenerRahmenDrucken->rahmenZeigen(false);
    PGruenerRahmenAlleDrucken->knopfZeigen(true);
    PGruenerRahmenAlleDrucken->rahmenZeigen(true);
    PGruenerRahmenEinzelDruck->knopfZeigen(true);
    PGruenerRahmenEinzelDruck->rahmenZeigen(true);
    BEinzelDruck->setText(u"<-- Druckauswahl"_s);
    BZusammenfassungDrucken->parentWidget()->setVisible(true);
    BZusammenfassungDrucken->setVisible(true);
    druckListeFuellen();
}

void TSchuelerdatenEingabefenster::druckListeFuellen()
{
    LTestAbgegebenVon->setText(u"Benotete Tests:"_s);
    ListBoxTestAbgabe->clear();
    ListBoxTestAbgabe->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Die Namen der benoteten Kopien: Klasse "7" heisst darin "7_".
    for (const QString &datei :
         dateienNachMuster(sitzung.test().benotetOrdner(),
                           schuelerprogramm::abgabeMuster(sitzung.test().klassenkuerzel()))) {
        ListBoxTestAbgabe->addItem(datei.chopped(2));
    }
    LAnzahlAbgegebenerTests->setText(QString::number(ListBoxTestAbgabe->count()));
}

void TSchuelerdatenEingabefenster::BAlleDruckenClick()
{
    if (!sitzung.druckEingerichtet()) {
        return;
    }
    if (r.frage(Rueckfragen::Art::Warnung, u"Alle benoteten Test dieser Klasse drucken?"_s,
                Rueckfragen::Knoepfe::JaNeinAbbruch) != Rueckfragen::Knopf::Ja) {
        return;
    }
    QStringList alle;
    for (int i = 0; i < ListBoxTestAbgabe->count(); ++i) {
        alle << ListBoxTestAbgabe->item(i)->text();
    }
    kopienDrucken(alle);
}

void TSchuelerdatenEingabefenster::BEinzelDruckClick()
{
    if (!sitzung.druckEingerichtet()) {
        return;
    }
    QStringList gewaehlteEintraege;
    for (int i = 0; i < ListBoxTestAbgabe->count(); ++i) {
        if (ListBoxTestAbgabe->item(i)->isSelected()) {
            gewaehlteEintraege << ListBoxTestAbgabe->item(i)->text();
        }
    }
    if (gewaehlteEintraege.isEmpty()) {
        return; // nichts gewaehlt: keine Seite
    }
    if (r.frage(Rueckfragen::Art::Warnung, u"Den/Die ausgewählten Test(s) drucken?"_s,
                Rueckfragen::Knoepfe::OkAbbruch) != Rueckfragen::Knopf::Ok) {
        return;
    }
    kopienDrucken(gewaehlteEintraege);
}

void TSchuelerdatenEingabefenster::kopienDrucken(const QStringList &eintraege)
{
    if (eintraege.isEmpty()) {
        return;
    }
    // Eine unlesbare Kopie wird gemeldet; die anderen werden gedruckt.
    std::vector<std::unique_ptr<QTextDocument>> dokumente;
    QList<const QTextDocument *> zeiger;
    QString erster;
    for (const QString &eintrag : eintraege) {
        const QString pfad = sitzung.test().benotetOrdner() + eintrag +
                             schuelerprogramm::kuerzelImDateinamen(sitzung.test().klassenkuerzel());
        auto doc = std::make_unique<QTextDocument>();
        if (!istGewoehnlicheDatei(pfad) || !benoteteKopieLaden(pfad, *doc, true).isEmpty()) {
            r.fehler(u"Die Datei "_s + pfad + u" lässt sich nicht öffnen!"_s);
            continue;
        }
        if (erster.isEmpty()) {
            erster = pfad;
        }
        zeiger << doc.get();
        dokumente.push_back(std::move(doc));
    }
    if (zeiger.isEmpty()) {
        return;
    }
    druck::Auftrag auftrag;
    auftrag.titel = zeiger.size() == 1
                        ? u"Drucken der Datei: "_s + erster
                        : u"Drucken der Dateien: "_s + sitzung.test().benotetOrdner() + u" ("_s +
                              QString::number(zeiger.size()) + u" Tests)"_s;
    auftrag.wartetext = u"Bitte warten. Die Tests werden gedruckt..."_s;
    druck::dokumenteDrucken(this, auftrag, zeiger, kTestRaender, r);
}

void TSchuelerdatenEingabefenster::BZusammenfassungDruckenClick()
{
    if (!sitzung.gewaehlt()) {
        return;
    }
    const QString pfad = sitzung.test().zusammenfassung();
    const Rueckfragen::Knopf k = r.frage(
        Rueckfragen::Art::Warnung,
        u"Drucken der Ergebniszusammenfassung (Zusammenfassung.Doc im Testordner '\\T3-Benot')"
        u"\r\n"_s +
            QString(103, u'-') +
            u"\r\nJa           :  Schnelldruck (unformatiert)\r\nNein         :  Zusammenfassung "
            u"über das Office-Textprogramm öffnen, bearbeiten und drucken\r\nAbbrechen :  "
            u"Abbrechen des Druckens"_s,
        Rueckfragen::Knoepfe::JaNeinAbbruch);
    if (k == Rueckfragen::Knopf::Nein) {
        if (!istGewoehnlicheDatei(pfad) || !o.oeffnen(pfad)) {
            r.fehler(u"Es wurde keine Zusammenfassung gefunden!"_s);
        }
        return;
    }
    if (k != Rueckfragen::Knopf::Ja) {
        return;
    }
    const ZeilenErgebnis z =
        istGewoehnlicheDatei(pfad) ? ansiZeilenLesen(pfad) : ZeilenErgebnis{{}, {}};
    if (!istGewoehnlicheDatei(pfad) || !z.ok()) {
        r.fehler(u"Die Datei "_s + pfad + u" lässt sich nicht öffnen!"_s);
        return;
    }
    QTextDocument doc;
    doc.setDefaultFont(editorSchrift());
    QTextOption option = doc.defaultTextOption();
    option.setTabStopDistance(72);
    doc.setDefaultTextOption(option);
    Zeilenmodell(doc).setzeAlle(z.zeilen);
    druck::Auftrag auftrag;
    auftrag.titel = u"Drucken der Datei:  "_s + pfad;
    auftrag.wartetext = u"Bitte warten. Die Zusammenfassung wird gedruckt..."_s;
    druck::dokumenteDrucken(this, auftrag, {&doc}, kTestRaender, r);
}
