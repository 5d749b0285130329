// Namens- und Filterfeld, Testliste, Wahl eines Tests, Sitzplan.
#include "classdata/klassendatei.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "common/uhr.h"
#include "conduct/fenster/SchuelerdatenFormUnit.h"
#include "conduct/fenster/schrittrahmen.h"
#include "conduct/fenster/sitzplan.h"
#include "conduct/verteilung.h"
#include "outside/schuelerprogramm.h"
#include "settings/konfiguration.h"
#include "widgets/ColorButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include <functional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Meldet das naechste Loslassen einer Maustaste (irgendwo in der Anwendung) und geht dann.
class NachLoslassen final : public QObject
{
public:
    NachLoslassen(QObject *eltern, std::function<void()> danach)
        : QObject(eltern)
        , danach(std::move(danach))
    {}

protected:
    bool eventFilter(QObject *, QEvent *ereignis) override
    {
        if (ereignis->type() == QEvent::MouseButtonRelease && danach) {
            danach();
            danach = nullptr;
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> danach;
};

// Ein Feld ist verlassen, wenn der Fokus im Fenster weitergeht, nicht schon, wenn seine
// Klappliste aufgeht oder ein anderes Fenster nach vorn kommt.
bool feldVerlassen(Qt::FocusReason grund)
{
    return grund != Qt::PopupFocusReason && grund != Qt::ActiveWindowFocusReason;
}

} // namespace

void TSchuelerdatenEingabefenster::FachUndThemenDateiLesen()
{
    const bool vorher = fuellt;
    fuellt = true;
    faecher = faecherLesen(e.basisOrdner, r);
    CBoxFach->clear();
    CBoxFach->addItems(faecher);
    themen = themenLesen(e.basisOrdner, r);
    CBoxThema->clear();
    CBoxThema->addItems(themen);
    fuellt = vorher;
}

void TSchuelerdatenEingabefenster::dateinamen_neu()
{
    if (fuellt) {
        return;
    }
    if (sitzung.laeuft()) {
        labelEinstellungTestKlasse();
        return;
    }
    const QString jahr = CBoxSchuljahr->currentText();
    const QString fach = CBoxFach->currentIndex() > 0 ? CBoxFach->currentText() : QString();
    sitzung.benennen({e.basisOrdner, jahr == u"..."_s ? aktuellesSchuljahr(uhr.heute()) : jahr,
                      testKuerzelBilden(CBoxKlasse->currentText(), fach, CBoxTestNr->currentText(),
                                        CBoxThema->currentText())});
    const TestArt art = testArtAusText(CBoxTestArt->currentText()).value_or(TestArt::Alle);
    const qsizetype themenVorher = themen.size();
    const Katalog kat =
        vorhandeneTestsEinlesen(e.basisOrdner, jahr.isEmpty() ? u"..."_s : jahr,
                                sitzung.test().testKuerzel, art, themen, r, &vorlagen);
    if (themen.size() != themenVorher) {
        const QSignalBlocker sperre(CBoxThema);
        const QString text = CBoxThema->currentText();
        CBoxThema->clear();
        CBoxThema->addItems(themen);
        CBoxThema->setCurrentText(text);
    }
    katalog = kat.zeilen;
    ListBoxThemenMitErklaerung->clear();
    ListBoxThemenMitErklaerung->addItems(katalog);
    // Der erste Eintrag ist markiert (noch nicht gewaehlt): die Pfeiltasten beginnen dort.
    if (!katalog.isEmpty()) {
        ListBoxThemenMitErklaerung->setCurrentRow(0);
    }
    auswahlVerwerfen();
    kopienAnzeigen();

    // Vorgeschlagene Nummer, wenn nur die Nummer fehlt (oder die vorgeschlagene gewaehlt ist).
    const QString vorschlag(eineMehrAlsVorhanden(katalog));
    const QString &k = sitzung.test().testKuerzel;
    const bool ohneNummer = k[0] != u'.' && k[2] != u'.' && !k.mid(4).contains(u'.') &&
                            (k[3] == u'.' || QString(k[3]) == vorschlag);
    LgefundenPlusEins->setText(ohneNummer ? vorschlag : QString());
    // Ein vollstaendig benannter neuer Test kann auf einer Vorlage aufbauen.
    const bool mitVorlagen = sitzung.konstruktion() && kuerzelVollstaendig(k) && katalog.isEmpty();
    for (Schrittrahmen *s : {PHBlauerRahmenNeutestaufVorlage, PHBlauerRahmenNeutestAlleVorlagen}) {
        s->knopfZeigen(mitVorlagen);
        s->rahmenZeigen(mitVorlagen);
    }
    labelEinstellungTestKlasse();
}

void TSchuelerdatenEingabefenster::kopienAnzeigen()
{
    if (!kuerzelVollstaendig(sitzung.test().testKuerzel)) {
        LkopiertfuerSchueler->clear();
        LMitBildern->hide();
        return;
    }
    if (sitzung.rueckgabe() && sitzung.gewaehlt()) {
        LkopiertfuerSchueler->setText(
            u"Benotete Tests: "_s +
            QString::number(
                dateienNachMuster(sitzung.test().benotetOrdner(),
                                  schuelerprogramm::abgabeMuster(sitzung.test().klassenkuerzel()))
                    .size()));
    } else {
        LkopiertfuerSchueler->setText(
            u"Vorhandene Kopien: "_s +
            QString::number(dateienNachMuster(sitzung.test().kopienOrdner(), u"*"_s).size()));
    }
    LMitBildern->setVisible(istEchterOrdner(sitzung.test().bilderOrdner()));
}

void TSchuelerdatenEingabefenster::auswahlVerwerfen()
{
    sitzung.auswahlVerwerfen();
    if (sitzung.konstruktion()) {
        PGruenerRahmenVorhTestOeffnen->rahmenZeigen(false);
        PGruenerRahmenTestLoeschen->rahmenZeigen(false);
    }
    PGruenerRahmenSitzplan->rahmenZeigen(false);
    BSitzplan->setEnabled(false);
    BSitzplan->setText(u"Sitzplan\n(erst Test auswählen)"_s);
    Sitzplan->hide();
}

void TSchuelerdatenEingabefenster::klassentextGeaendert(const QString &text)
{
    if (fuellt) {
        return;
    }
    const std::optional<QString> neuerText = klassentextPruefen(klassentextVorher, text);
    const QString ergebnis = neuerText.value_or(klassentextVorher);
    if (ergebnis != text) {
        const QSignalBlocker sperre(CBoxKlasse);
        CBoxKlasse->setEditText(ergebnis);
        if (!neuerText) {
            r.piep();
        }
    }
    if (ergebnis == klassentextVorher && ergebnis == text) {
        return;
    }
    klassentextVorher = ergebnis;
    dateinamen_neu();
}

void TSchuelerdatenEingabefenster::schuljahrGewaehlt()
{
    if (fuellt) {
        return;
    }
    const QString jahr = CBoxSchuljahr->currentText();
    const QString aktuell = aktuellesSchuljahr(uhr.heute());
    if (CBoxAktSchuljahr->isChecked() && jahr != aktuell) {
        const QSignalBlocker sperre(CBoxSchuljahr);
        CBoxSchuljahr->setCurrentText(aktuell);
    } else if (jahr != u"..."_s && !istEchterOrdner(schuljahrOrdner(e.basisOrdner, jahr))) {
        r.information(u"Dieser Schuljahresordner ist (noch) nicht angelegt."_s);
        const QSignalBlocker sperre(CBoxSchuljahr);
        CBoxSchuljahr->setCurrentText(aktuell);
    }
    CBoxAlleSchuljahre->setChecked(CBoxSchuljahr->currentText() == u"..."_s);
    if (CBoxSchuljahr->currentText() != aktuell) {
        CBoxAktSchuljahr->setChecked(false);
    }
    dateinamen_neu();
}

void TSchuelerdatenEingabefenster::testArtGewaehlt()
{
    if (fuellt) {
        return;
    }
    dateinamen_neu();
}

void TSchuelerdatenEingabefenster::labelEinstellungTestKlasse()
{
    const QString klassenName = sitzung.klassenDatei().isEmpty()
                                    ? u"---"_s
                                    : QFileInfo(sitzung.klassenDatei()).completeBaseName();
    LVorhandeneTests->setText(testlistenUeberschrift(sitzung.festgelegt() || sitzung.laeuft(),
                                                     sitzung.test().testKuerzel, klassenName,
                                                     geladeneKlasse));
}

void TSchuelerdatenEingabefenster::ListBoxThemenMitErklaerungClick(int zeile)
{
    if (zeile < 0 || zeile >= katalog.size() || sitzung.laeuft()) {
        return;
    }
    vorschauBeenden();
    gewaehlteZeile = zeile;
    BBereitgestellteTestsLoeschen->setText(u"Bereit gestellte Tests löschen"_s);
    if (!sitzung.konstruktion()) {
        listenLayout(false);
    }
    const QString &eintrag = katalog[zeile];
    if (neu == NeuArt::NeuerTest) {
        neu = NeuArt::Keine;
    }
    if (!sitzung.waehlen({e.basisOrdner, schuljahrAusZeile(eintrag), kuerzelAusZeile(eintrag)})) {
        dateinamen_neu();
        return;
    }
    LBereitst_Ordner->setText(u"Bereitstellung-Ordner: "_s + e.ausgabeOrdner + e.lehrername +
                              sitzung.test().klassenkuerzel());
    LTestabgabeordner->setText(u"Test-Abgabeordner: "_s + e.abgabeOrdner + e.lehrername +
                               u"DropBox"_s);
    if (sitzung.konstruktion()) {
        PGruenerRahmenVorhTestOeffnen->rahmenZeigen(true);
        PGruenerRahmenTestLoeschen->rahmenZeigen(true);
        BVorhandenenTestOeffnen->setText(neu == NeuArt::AufVorlage ? u"Vorlage öffnen"_s
                                                                   : u"Test öffnen"_s);
        BTestLoeschen->setText(u"Test löschen"_s);
    }
    if (sitzung.test().schuljahr == aktuellesSchuljahr(uhr.heute())) {
        sitzung.klasseZurWahlLaden(!sitzung.konstruktion());
        weitergabeEinstellungen();
    }
    labelEinstellungTestKlasse();
    kopienAnzeigen();
    sitzplanLaden();
    // Ist der Druck eingerichtet, zeigt die Liste die benoteten Kopien des eben gewaehlten Tests,
    // nicht mehr die des vorigen.
    if (sitzung.rueckgabe() && sitzung.druckEingerichtet()) {
        druckListeFuellen();
    }
}

void TSchuelerdatenEingabefenster::sitzplanLaden()
{
    const QStringList namen = sitzplanLesen(sitzung.test());
    if (!namen.isEmpty()) {
        Sitzplan->setzeNamen(namen);
        BSitzplan->setEnabled(true);
        BSitzplan->setText(Sitzplan->isVisible() ? u"Sitzplan ausschalten\n(Mausrolle f. Spalten)"_s
                                                 : u"Sitzplan sichtbar"_s);
        PGruenerRahmenSitzplan->rahmenZeigen(true);
    } else {
        Sitzplan->hide();
        BSitzplan->setEnabled(false);
        BSitzplan->setText(u"Sitzplan\n(erst Test auswählen)"_s);
        PGruenerRahmenSitzplan->rahmenZeigen(false);
        if (!sitzung.konstruktion()) {
            PGruenerRahmenVorhTestOeffnen->rahmenZeigen(false);
            PGruenerRahmenTestLoeschen->rahmenZeigen(false);
        }
    }
}

void TSchuelerdatenEingabefenster::BSitzplanClick()
{
    const bool an = !Sitzplan->isVisible();
    Sitzplan->setVisible(an);
    if (an) {
        Sitzplan->raise();
    }
    PListenDurchfuehrung->setVisible(!an && !sitzung.konstruktion());
    BSitzplan->setText(an ? u"Sitzplan ausschalten\n(Mausrolle f. Spalten)"_s
                          : u"Sitzplan sichtbar"_s);
}

void TSchuelerdatenEingabefenster::weitergabeEinstellungen()
{
    if (!sitzung.gewaehlt() && !sitzung.festgelegt()) {
        return;
    }
    kopienAnzeigen();
    knoepfeEinstellen();
    BTestBereitStellen->setText(sitzung.rueckgabe()
                                    ? u"Testrückgabe\nmit Speichern"_s
                                    : u"Kopieren, bereit stellen /\nDurchführung beginnen"_s);
    if (sitzung.rueckgabe()) {
        LBereitst_Ordner->setText(u"Bereitstellungsordner: "_s + e.rueckgabeOrdner + e.lehrername +
                                  sitzung.test().klassenkuerzel());
        LTestabgabeordner->clear();
        LVerschobenNach->clear();
    }
    BVorhandenenTestOeffnen->setText(neu == NeuArt::AufVorlage ? u"Vorlage öffnen"_s
                                                               : u"Test öffnen"_s);
    if (sitzung.rueckgabe()) {
        BDrucken->setText(u"Drucken"_s);
    }
    LAusgefuellteVorhanden->setVisible(sitzung.protokollVorhanden() &&
                                       sitzung.modus() == Testsitzung::Modus::Durchfuehrung);
}

void TSchuelerdatenEingabefenster::knoepfeEinstellen()
{
    if (!aufgebaut) {
        return;
    }
    const Testsitzung::Moeglichkeiten m = sitzung.moeglichkeiten();
    const QList<QWidget *> namensfelder{CBoxKlasse,
                                        CBoxFach,
                                        CBoxTestNr,
                                        CBoxThema,
                                        CBoxTestArt,
                                        BFilterLoeschen,
                                        ListBoxThemenMitErklaerung};
    for (QWidget *w : namensfelder) {
        w->setEnabled(m.namensfelder);
    }
    CBoxSchuljahr->setEnabled(m.schuljahr);
    BTestBereitStellen->setEnabled(m.bereitStellen);
    BTestRueckgabeNurLesen->setEnabled(m.rueckgabeNurLesen);
    BBenoten->setEnabled(m.benoten);
    BDrucken->setEnabled(m.drucken);
    PGruenerRahmenDurchfuehrung->rahmenZeigen(m.bereitStellen);
    PGruenerRahmenTestRueckgabeNurLesen->rahmenZeigen(m.rueckgabeNurLesen);
    PGruenerRahmenBenotung->rahmenZeigen(m.benoten);
    PGruenerRahmenDrucken->rahmenZeigen(m.druckenEmpfohlen);
}

void TSchuelerdatenEingabefenster::FilterLoeschen()
{
    if (!durchfuehrungsAbbruchFrage()) {
        return;
    }
    fuellt = true;
    if (!CBoxAktSchuljahr->isChecked()) {
        CBoxSchuljahr->setCurrentIndex(0);
        CBoxAlleSchuljahre->setChecked(true);
    }
    CBoxKlasse->setEditText(u"..."_s);
    klassentextVorher = u"..."_s;
    CBoxFach->setCurrentIndex(0);
    CBoxTestNr->setCurrentIndex(0);
    CBoxThema->setCurrentIndex(0);
    CBoxThema->setEditText(u"..."_s);
    CBoxTestArt->setCurrentIndex(0);
    fuellt = false;
    if (!sitzung.konstruktion()) {
        zurueckziehen();
    }
    sitzung.festlegen(false);
    neu = NeuArt::Keine;
    dateinamen_neu();
}

bool TSchuelerdatenEingabefenster::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == ListBoxThemenMitErklaerung->viewport()) {
        if (ereignis->type() == QEvent::MouseButtonPress) {
            const auto *m = static_cast<QMouseEvent *>(ereignis);
            QListWidgetItem *i = ListBoxThemenMitErklaerung->itemAt(m->position().toPoint());
            // Rechts, im Bereich des Schuljahres, waehlt ein Klick ohne Vorschau.
            const int schuljahrBereich =
                ListBoxThemenMitErklaerung->fontMetrics().horizontalAdvance(u"  2016-17 "_s);
            const int textEnde =
                i ? ListBoxThemenMitErklaerung->fontMetrics().horizontalAdvance(i->text()) : 0;
            if (i && m->button() == Qt::LeftButton &&
                m->position().x() < textEnde - schuljahrBereich) {
                vorschauZeigen(ListBoxThemenMitErklaerung->row(i));
            }
        } else if (ereignis->type() == QEvent::MouseButtonRelease) {
            vorschauBeenden();
        }
    } else if (ereignis->type() == QEvent::FocusOut && !fuellt &&
               feldVerlassen(static_cast<QFocusEvent *>(ereignis)->reason())) {
        QComboBox *feld = objekt == CBoxFach || objekt == CBoxFach->lineEdit()     ? CBoxFach
                          : objekt == CBoxThema || objekt == CBoxThema->lineEdit() ? CBoxThema
                                                                                   : nullptr;
        if (feld && QGuiApplication::mouseButtons() != Qt::NoButton) {
            offenesFeld = feld;
            qApp->installEventFilter(new NachLoslassen(this, [this] {
                QTimer::singleShot(0, this, [this] { feldPruefenFallsOffen(); });
            }));
        } else if (feld) {
            offenesFeld = feld;
            feldPruefenFallsOffen();
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

void TSchuelerdatenEingabefenster::feldPruefenFallsOffen()
{
    QComboBox *feld = std::exchange(offenesFeld, nullptr);
    if (feld == CBoxFach) {
        fachVerlassen();
    } else if (feld == CBoxThema) {
        themaVerlassen();
    }
}

void TSchuelerdatenEingabefenster::fachVerlassen()
{
    const QString text = CBoxFach->currentText();
    if (!text.isEmpty() && CBoxFach->findText(text) < 0 &&
        fachUebernehmen(e.basisOrdner, faecher, text, r)) {
        const QSignalBlocker sperre(CBoxFach);
        CBoxFach->addItem(text);
        CBoxFach->setCurrentIndex(CBoxFach->count() - 1);
    }
    dateinamen_neu();
}

void TSchuelerdatenEingabefenster::themaVerlassen()
{
    QString text = CBoxThema->currentText();
    if (CBoxThema->findText(text) < 0 && text != u"..."_s) {
        if (!themaPlausibel(text, r)) {
            // Zurueck ins Feld, damit die Zeile gleich berichtigt werden kann.
            CBoxThema->setFocus(Qt::OtherFocusReason);
        } else if (themaUebernehmen(e.basisOrdner, themen, text, r)) {
            const QSignalBlocker sperre(CBoxThema);
            CBoxThema->addItem(text);
            CBoxThema->setCurrentIndex(CBoxThema->count() - 1);
        }
    }
    dateinamen_neu();
}
