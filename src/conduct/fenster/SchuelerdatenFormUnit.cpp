// Die Testauswahl: Modi, Navigation, Tasten, Schliessen.
#include "conduct/fenster/SchuelerdatenFormUnit.h"

#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "common/uhr.h"
#include "conduct/fenster/schrittrahmen.h"
#include "conduct/fenster/sitzplan.h"
#include "settings/konfiguration.h"
#include "widgets/ColorButton.h"
#include "widgets/Skalierung.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

using namespace Qt::StringLiterals;

TSchuelerdatenEingabefenster::TSchuelerdatenEingabefenster(Einstellungen &e, Rueckfragen &r,
                                                           Oeffner &o, const Uhr &uhr,
                                                           Zufall &zufall, QWidget *eltern)
    : QMainWindow(eltern)
    , sitzung(e, r, uhr, zufall)
    , e(e)
    , r(r)
    , o(o)
    , uhr(uhr)
    , zufall(zufall)
{
    setObjectName(u"TSchuelerdatenEingabefenster"_s);
    setWindowTitle(u"Festlegen der Testbezeichnung"_s);
    TimerTestsMitnehmen.setObjectName(u"TimerTestsMitnehmen"_s);
    TimerTestsMitnehmen.setInterval(600);
    connect(&TimerTestsMitnehmen, &QTimer::timeout, this, [this] { TestsMitnehmen(); });
    connect(&sitzung, &Testsitzung::geaendert, this, [this] { knoepfeEinstellen(); });
}

TSchuelerdatenEingabefenster::~TSchuelerdatenEingabefenster() = default;

void TSchuelerdatenEingabefenster::aufbauen()
{
    // Der Programmstart wartet nicht auf die Steuerelemente; sie entstehen beim ersten Zeigen.
    if (aufgebaut) {
        return;
    }
    aufgebaut = true;
    oberflaecheAufbauen();
    installEventFilter(this);
    fensterSkalieren(this, skalierung);
}

void TSchuelerdatenEingabefenster::setVisible(bool sichtbar)
{
    if (sichtbar) {
        aufbauen();
    }
    QMainWindow::setVisible(sichtbar);
}

void TSchuelerdatenEingabefenster::modusZeigen(Layout layout, bool alleSchuljahre)
{
    aufbauen();
    TimerTestsMitnehmen.stop();
    // Ein laufender Schritt des alten Modus wird dabei zurueckgezogen.
    sitzung.modusSetzen(layout == Layout::Konstruktion ? Testsitzung::Modus::Konstruktion
                        : layout == Layout::Rueckgabe  ? Testsitzung::Modus::Rueckgabe
                                                       : Testsitzung::Modus::Durchfuehrung);
    const bool konstruktion = sitzung.konstruktion();
    const bool rueckgabe = sitzung.rueckgabe();
    const TestPfade fest = sitzung.festgelegt() ? sitzung.test() : TestPfade{};
    FachUndThemenDateiLesen();

    fuellt = true;
    CBoxSchuljahr->clear();
    CBoxSchuljahr->addItems(schuljahrListe());
    const QString aktuell = aktuellesSchuljahr(uhr.heute());
    CBoxKlasse->setCurrentIndex(0);
    CBoxKlasse->setEditText(u"..."_s);
    klassentextVorher = u"..."_s;
    CBoxFach->setCurrentIndex(0);
    CBoxTestNr->setCurrentIndex(0);
    CBoxThema->setCurrentIndex(0);
    CBoxTestArt->setCurrentIndex(0);
    LThema->setText(u"Thema"_s);
    CBoxAktSchuljahr->setEnabled(konstruktion);
    CBoxAlleSchuljahre->setEnabled(konstruktion);
    if (konstruktion && alleSchuljahre) {
        CBoxSchuljahr->setCurrentIndex(0);
        CBoxAktSchuljahr->setChecked(false);
        CBoxAlleSchuljahre->setChecked(true);
    } else {
        CBoxSchuljahr->setCurrentText(aktuell);
        CBoxAktSchuljahr->setChecked(true);
        CBoxAlleSchuljahre->setChecked(false);
    }
    fuellt = false;

    if (konstruktion) {
        LTestFilter->setText(u"Neuen Test benennen bzw. vorhandene Tests filtern"_s);
        farbenSetzen(Farbe::konstruktion, QColor(0, 0, 255));
    } else if (!rueckgabe) {
        LTestFilter->setText(u"Test-Filter:  Durchführung und Benotung"_s);
        farbenSetzen(Farbe::durchfuehrung, QColor(0, 128, 128));
    } else {
        LTestFilter->setText(u"Testfilter:  Rückgabe"_s);
        farbenSetzen(Farbe::rueckgabe, QColor(128, 0, 128));
    }

    PHBlauerRahmenNeuenTest->knopfZeigen(konstruktion);
    PHBlauerRahmenNeuenTest->rahmenZeigen(konstruktion);
    PGruenerRahmenVorhTestOeffnen->knopfZeigen(konstruktion);
    PGruenerRahmenTestLoeschen->knopfZeigen(konstruktion);
    PHBlauerRahmenNeutestaufVorlage->knopfZeigen(false);
    PHBlauerRahmenNeutestAlleVorlagen->knopfZeigen(false);
    for (Schrittrahmen *s :
         {PGruenerRahmenVorhTestOeffnen, PGruenerRahmenTestLoeschen, PGruenerRahmenSitzplan,
          PGruenerRahmenDurchfuehrung, PGruenerRahmenBenotung, PGruenerRahmenTestRueckgabeNurLesen,
          PGruenerRahmenDrucken, PGruenerRahmenAlleDrucken, PGruenerRahmenEinzelDruck,
          PHBlauerRahmenNeutestaufVorlage, PHBlauerRahmenNeutestAlleVorlagen}) {
        s->rahmenZeigen(false);
    }
    BVorhandenenTestOeffnen->setText(u"Test öffnen"_s);
    BTestLoeschen->setText(u"Test löschen"_s);
    BNeuenTest->setText(u"Neuen Test"_s);

    PGruenerRahmenDurchfuehrung->knopfZeigen(!konstruktion);
    PGruenerRahmenDurchfuehrung->setzeFarbe(rueckgabe ? QColor(128, 0, 128) : QColor(0, 128, 0));
    BTestBereitStellen->setText(rueckgabe ? u"Testrückgabe\nmit Speichern"_s
                                          : u"Kopieren, bereit stellen /\nDurchführung beginnen"_s);
    {
        QPalette p = BTestBereitStellen->palette();
        p.setColor(QPalette::Button, rueckgabe ? Farbe::rueckgabeKnopf : Farbe::durchfuehrung);
        BTestBereitStellen->setPalette(p);
    }
    BBereitgestellteTestsLoeschen->parentWidget()->setVisible(!konstruktion);
    BBereitgestellteTestsLoeschen->setVisible(!konstruktion);
    PGruenerRahmenBenotung->knopfZeigen(!konstruktion && !rueckgabe);
    PGruenerRahmenTestRueckgabeNurLesen->knopfZeigen(rueckgabe);
    PGruenerRahmenDrucken->knopfZeigen(rueckgabe);
    BDrucken->setText(u"Drucken"_s);
    PGruenerRahmenAlleDrucken->knopfZeigen(false);
    PGruenerRahmenEinzelDruck->knopfZeigen(false);
    BZusammenfassungDrucken->parentWidget()->setVisible(false);

    PListenDurchfuehrung->setVisible(!konstruktion);
    ListBoxBereitgestellt->clear();
    ListBoxTestAbgabe->clear();
    ListBoxTestAbgabe->setSelectionMode(QAbstractItemView::SingleSelection);
    LZahlBereitgestellt->setText(u"0"_s);
    LAnzahlAbgegebenerTests->setText(u"0"_s);
    LBereitgestellt->setText(u"Bereit gestellt:"_s);
    LTestAbgegebenVon->setText(rueckgabe ? u"Nicht abgeholt von:"_s : u"Abgegeben: "_s);
    LBereitst_Ordner->clear();
    LTestabgabeordner->clear();
    LVerschobenNach->clear();
    LAusgefuellteVorhanden->hide();
    LAusgegeben->hide();
    ListBoxTestAbgabe->setToolTip(
        rueckgabe ? u"Mehrere Tests zum Drucken markieren mit der Taste: <Strg>.\nEine "
                    u"zusammenhängende Gruppe von Test markieren mit der Taste: <Shift>."_s
                  : QString());

    BDurchfuehrungRueckgabe->setVisible(!rueckgabe);
    BDurchfuehrungRueckgabe->setText(konstruktion ? u"zur Testdurchführung  >"_s
                                                  : u"zur Testrückgabe  >"_s);
    BDurchfuehrungRueckgabe->setBackColor(konstruktion ? Farbe::durchfuehrung
                                                       : Farbe::rueckgabeKnopf);
    BDurchfuehrungKonstruktion->setVisible(!konstruktion);
    BDurchfuehrungKonstruktion->setText(rueckgabe ? u"<  zur Testdurchführung"_s
                                                  : u"<  zur Testkonstruktion"_s);
    BDurchfuehrungKonstruktion->setBackColor(rueckgabe ? Farbe::durchfuehrung
                                                       : Farbe::konstruktion);
    BUebersicht->setBackColor(Qt::white);

    vorschauBeenden();
    Sitzplan->hide();
    PGruenerRahmenSitzplan->knopfZeigen(true);
    BSitzplan->setEnabled(false);
    BSitzplan->setText(u"Sitzplan\n(erst Test auswählen)"_s);
    neu = NeuArt::Keine;
    knoepfeEinstellen();
    listenLayout(true);

    if (!isVisible() && screen()) {
        // Hoechstens die Entwurfsgroesse; mit Titelleiste und Rand ganz auf dem Bildschirm.
        // Der Rand ist vor dem ersten Zeigen oft noch unbekannt: dann mit 32 Pixeln rechnen.
        const QRect frei = screen()->availableGeometry();
        const int randH = std::max(32, frameGeometry().height() - geometry().height());
        const int randB = std::max(4, frameGeometry().width() - geometry().width());
        resize(std::min(frei.width() - randB, 1280), std::min(frei.height() - randH, 1024));
        if (!frei.contains(QRect(pos(), size() + QSize(randB, randH)))) {
            move(frei.topLeft());
        }
    }
    show();
    raise();
    activateWindow();
    dateinamen_neu();
    // Ein festgelegter Test der Konstruktion ist in Durchfuehrung und Rueckgabe gleich gewaehlt.
    if (!fest.testKuerzel.isEmpty() && !konstruktion &&
        fest.schuljahr == aktuellesSchuljahr(uhr.heute())) {
        for (int i = 0; i < katalog.size(); ++i) {
            if (kuerzelAusZeile(katalog[i]) == fest.testKuerzel &&
                schuljahrAusZeile(katalog[i]) == fest.schuljahr) {
                ListBoxThemenMitErklaerung->setCurrentRow(i);
                ListBoxThemenMitErklaerungClick(i);
                break;
            }
        }
    }
}

bool TSchuelerdatenEingabefenster::durchfuehrungsAbbruchFrage()
{
    if (!sitzung.laeuft() || sitzung.rueckgabe()) {
        return true;
    }
    if (r.frage(Rueckfragen::Art::Frage, u"Soll die Testdurchführung beendet werden?"_s,
                Rueckfragen::Knoepfe::JaNeinAbbruch) != Rueckfragen::Knopf::Ja) {
        return false;
    }
    zurueckziehen();
    return !sitzung.laeuft(); // Testsperre belegt: die Durchfuehrung laeuft weiter
}

void TSchuelerdatenEingabefenster::BUebersichtClick()
{
    if (!durchfuehrungsAbbruchFrage()) {
        return;
    }
    zurueckziehen();
    vorschauBeenden();
    hide();
    emit modusGewuenscht(kModusUebersicht);
}

void TSchuelerdatenEingabefenster::BDurchfuehrungKonstruktionClick()
{
    if (!durchfuehrungsAbbruchFrage()) {
        return;
    }
    zurueckziehen();
    if (sitzung.rueckgabe()) {
        // In der Rueckgabe fuehrt der Knopf zur Durchfuehrung zurueck.
        sitzung.festlegenFallsMoeglich();
        emit modusGewuenscht(kModusDurchfuehrung, false);
        return;
    }
    sitzung.festlegenFallsMoeglich();
    if (sitzung.festgelegt() && sitzung.gewaehlt()) {
        festlegen_bestaetigt();
    } else {
        emit modusGewuenscht(kModusKonstruktionsauswahl);
    }
}

void TSchuelerdatenEingabefenster::BDurchfuehrungRueckgabeClick()
{
    if (!durchfuehrungsAbbruchFrage()) {
        return;
    }
    zurueckziehen();
    sitzung.festlegenFallsMoeglich();
    emit modusGewuenscht(kModusDurchfuehrung, !sitzung.konstruktion());
}

void TSchuelerdatenEingabefenster::closeEvent(QCloseEvent *ereignis)
{
    if (e.programmEndet) {
        ereignis->accept();
        return;
    }
    if (sitzung.laeuft() && !sitzung.rueckgabe()) {
        if (r.frage(Rueckfragen::Art::Frage, u"Soll die Testdurchführung beendet werden?"_s,
                    Rueckfragen::Knoepfe::JaNeinAbbruch) != Rueckfragen::Knopf::Ja) {
            ereignis->ignore();
            return;
        }
        zurueckziehen();
        if (sitzung.laeuft()) {
            ereignis->ignore();
            return;
        }
    }
    ereignis->ignore();
    emit programmEndeGewuenscht();
}

void TSchuelerdatenEingabefenster::keyPressEvent(QKeyEvent *ereignis)
{
    if (ereignis->key() == Qt::Key_Escape) {
        BUebersichtClick();
        return;
    }
    if ((ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) &&
        sitzung.konstruktion() && !CBoxFach->hasFocus() && !CBoxThema->hasFocus() &&
        !CBoxKlasse->hasFocus()) {
        festlegen_bestaetigt();
        return;
    }
    if (ereignis->key() == Qt::Key_F4 && (ereignis->modifiers() & Qt::AltModifier)) {
        return; // Alt+F4 wird verschluckt.
    }
    QMainWindow::keyPressEvent(ereignis);
}

void TSchuelerdatenEingabefenster::mouseReleaseEvent(QMouseEvent *ereignis)
{
    vorschauBeenden();
    QMainWindow::mouseReleaseEvent(ereignis);
}

void TSchuelerdatenEingabefenster::setzeGeladeneKlasse(const QString &name)
{
    geladeneKlasse = name;
    labelEinstellungTestKlasse();
}
