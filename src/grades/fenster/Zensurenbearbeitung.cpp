#include "grades/fenster/Zensurenbearbeitung.h"

#include "classdata/fenster/klassenwerkzeuge.h"
#include "classdata/fenster/suche_ansicht.h"
#include "classdata/klassendatei.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "common/uhr.h"
#include "grades/fenster/einzelliste_ansicht.h"
#include "grades/fenster/einzelschueler_ansicht.h"
#include "grades/fenster/notenarten_ansicht.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "grades/notenarten.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFZensurenbearbeitung::TFZensurenbearbeitung(Einstellungen &einstellungen, Rueckfragen &rueckfragen,
                                             const Uhr &uhr, QWidget *eltern)
    : QMainWindow(eltern)
    , r(rueckfragen)
    , uhr(uhr)
    , einstellungen(einstellungen)
    , konfiguration(einstellungen, rueckfragen)
{
    setObjectName(u"FZensurenbearbeitung"_s);
    setWindowTitle(u"Notenbearbeitung"_s);
    oberflaecheAufbauen();
    menueAufbauen();

    // Beim Programmstart entsteht das Fenster vor dem Laden der Einstellungen.
    if (!einstellungen.basisOrdner.isEmpty()) {
        einstellungenUebernehmen();
    }
    klassenMenuesFreigeben(false);
    PAnsichten->hide();
    LBoxKlassen->hide();
    werkzeuge = new Klassenwerkzeuge(*this);
    resize(1280, 1000);
}

TFZensurenbearbeitung::~TFZensurenbearbeitung() = default;

void TFZensurenbearbeitung::einstellungenUebernehmen()
{
    optionenWerdenGesetzt = true;
    optionenAnwenden(konfiguration.einstellenOptionen());
    optionenWerdenGesetzt = false;

    schuljahr = aktuellesSchuljahr(uhr.heute());
    CBoxSchuljahr->setCurrentText(schuljahr);
    klassenOrdner = schuljahrOrdner(einstellungen.basisOrdner, schuljahr);
}

// --- Optionen ---------------------------------------------------------------------------------

void TFZensurenbearbeitung::optionenAnwenden(const TabellenOptionen &o)
{
    CBoxJungenMaedchen->setCurrentIndex(o.jungenMaedchenSortierung);
    CHBDurchschnitte->setChecked(o.durchschnitte);
    ChBLeerspaltenZeigen->setChecked(o.leerspalten);
    ChBKeineAenderung->setChecked(o.keineAenderung);
    ChBVornamenSortierung->setChecked(o.vornamensortierung);
    ChBPunkteZensuren->setChecked(o.punktedarstellung);
    ChBGesamtb->setChecked(o.gesamtberechnung);
    optionGeaendert();
}

void TFZensurenbearbeitung::optionGeaendert()
{
    tabelle->bearbeitungAbschliessen();
    tabelle->optionen.durchschnitte = CHBDurchschnitte->isChecked();
    tabelle->optionen.gesamt = ChBGesamtb->isChecked();
    tabelle->optionen.leerspalten = ChBLeerspaltenZeigen->isChecked();
    tabelle->keineAenderung = ChBKeineAenderung->isChecked();
    tabelle->vornamenSortierung = ChBVornamenSortierung->isChecked();
    tabelle->setEditTriggers(tabelle->keineAenderung ? QAbstractItemView::NoEditTriggers
                                                     : QAbstractItemView::DoubleClicked |
                                                           QAbstractItemView::AnyKeyPressed |
                                                           QAbstractItemView::EditKeyPressed);
    punkteAnzeigeSetzen(ChBPunkteZensuren->isChecked());
    if (klassenGroesse(klasse) > 0) {
        if (einzelliste->offen()) {
            einzelliste->neuFuellen(); // sortiert selbst, mit der offenen Liste
        } else {
            sortieren();
        }
        tabelle->fuellen();
        tabelle->spaltenbreite();
    }
    if (!optionenWerdenGesetzt) {
        TabellenOptionen o;
        o.jungenMaedchenSortierung = CBoxJungenMaedchen->currentIndex();
        o.durchschnitte = CHBDurchschnitte->isChecked();
        o.leerspalten = ChBLeerspaltenZeigen->isChecked();
        o.keineAenderung = ChBKeineAenderung->isChecked();
        o.vornamensortierung = ChBVornamenSortierung->isChecked();
        o.punktedarstellung = ChBPunkteZensuren->isChecked();
        o.gesamtberechnung = ChBGesamtb->isChecked();
        konfiguration.schreibeOptionen(o);
    }
}

void TFZensurenbearbeitung::punkteAnzeigeSetzen(bool punkte)
{
    tabelle->anzeige = punkte ? NotenAnzeige::Punkte : NotenAnzeige::Zensuren;
    LPunkteAnzeige->setText(punkte ? u"Punkte"_s : u"Zensuren(E)"_s);
    PRotesRechteck_PunkteAnzeige->setStyleSheet(
        punkte ? u"#PRotesRechteck_PunkteAnzeige { border: 2px solid rgb(200,0,0); }"_s
               : u"#PRotesRechteck_PunkteAnzeige { border: 2px solid transparent; }"_s);
}

SortierOptionen TFZensurenbearbeitung::sortierOptionen() const
{
    SortierOptionen s;
    s.vornamenSortierung = ChBVornamenSortierung->isChecked();
    s.kursSortierung = ChBKursSortierung->isChecked();
    s.jungenMaedchen = CBoxJungenMaedchen->currentIndex();
    return s;
}

void TFZensurenbearbeitung::sortieren()
{
    sortiereSchuelerliste(klasse, sortierOptionen());
}

// --- Schuljahr und Klassenliste ---------------------------------------------------------------

void TFZensurenbearbeitung::schuljahrGewaehlt()
{
    schuljahr = CBoxSchuljahr->currentText();
    klassenOrdner = schuljahrOrdner(einstellungen.basisOrdner, schuljahr);
    CBoxAktSchuljahr->setChecked(schuljahr == aktuellesSchuljahr(uhr.heute()));
    if (LBoxKlassen->isVisible()) {
        BKlassenwahlClick();
    }
}

void TFZensurenbearbeitung::BKlassenwahlClick()
{
    if (klasseOffen && !LBoxKlassen->isVisible() && speicherAbfrage() < 0) {
        return;
    }
    if (unteransicht() != Unteransicht::Tabelle) {
        PAnsichten->setCurrentWidget(tabelle);
        knoepfeFreigeben(true);
    }
    QStringList eintraege =
        klassenwahl(einstellungen.basisOrdner, schuljahr, aktuellesSchuljahr(uhr.heute()), r);
    if (const auto gefunden = werkzeuge->suchAnsicht->klassenliste()) {
        eintraege = *gefunden;
    }
    const QSignalBlocker sperre(LBoxKlassen);
    LBoxKlassen->clear();
    LBoxKlassen->addItems(eintraege);
    LBoxKlassen->show();
    LBoxKlassen->setCurrentRow(0);
    LBoxKlassen->setFocus();
}

bool TFZensurenbearbeitung::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == tabelle && ereignis->type() == QEvent::FocusIn && LBoxKlassen->isVisible() &&
        klassenGroesse(klasse) > 0) {
        // Wer in der Vorschau zu arbeiten beginnt, hat die Klasse geoeffnet; ein weiterer Wechsel
        // geht dann nur ueber die Speicherabfrage.
        LBoxKlassen->hide();
    } else if (objekt == LBoxKlassen->viewport()) {
        if (ereignis->type() == QEvent::MouseButtonPress) {
            auto *maus = static_cast<QMouseEvent *>(ereignis);
            QListWidgetItem *eintrag = LBoxKlassen->itemAt(maus->position().toPoint());
            if (eintrag != nullptr && maus->button() == Qt::LeftButton) {
                vorschau(eintrag->text());
            }
        } else if (ereignis->type() == QEvent::MouseMove) {
            auto *maus = static_cast<QMouseEvent *>(ereignis);
            if (maus->buttons() & Qt::LeftButton) {
                QListWidgetItem *eintrag = LBoxKlassen->itemAt(maus->position().toPoint());
                if (eintrag != nullptr && eintrag != LBoxKlassen->currentItem()) {
                    LBoxKlassen->setCurrentItem(eintrag);
                }
                return true;
            }
        } else if (ereignis->type() == QEvent::MouseButtonRelease) {
            auto *maus = static_cast<QMouseEvent *>(ereignis);
            QListWidgetItem *eintrag = LBoxKlassen->itemAt(maus->position().toPoint());
            if (eintrag != nullptr && maus->button() == Qt::LeftButton) {
                LBoxKlassen->setCurrentItem(eintrag);
                QTimer::singleShot(0, this,
                                   [this, text = eintrag->text()] { klasseOeffnen(text); });
            }
        }
    } else if (objekt == LBoxKlassen && ereignis->type() == QEvent::KeyPress) {
        auto *taste = static_cast<QKeyEvent *>(ereignis);
        if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
            if (LBoxKlassen->currentItem() != nullptr) {
                klasseOeffnen(LBoxKlassen->currentItem()->text());
            }
            return true;
        }
        if (taste->key() == Qt::Key_Escape) {
            LBoxKlassen->hide();
            if (klassenGroesse(klasse) > 0) {
                tabelle->setFocus();
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

void TFZensurenbearbeitung::vorschau(const QString &eintrag)
{
    if (pfad != klassenOrdner + eintrag || klassenGroesse(klasse) == 0) {
        klasseLaden(eintrag, false);
    }
}

void TFZensurenbearbeitung::klasseOeffnen(const QString &eintrag)
{
    // Die Vorschau ist schon die Klasse: nicht noch einmal lesen.
    if (pfad == klassenOrdner + eintrag && klassenGroesse(klasse) > 0) {
        LBoxKlassen->hide();
        tabelle->setFocus();
        emit klasseGeoeffnet();
        return;
    }
    klasseLaden(eintrag, true);
}

bool TFZensurenbearbeitung::klasseLaden(const QString &eintrag, bool oeffnen)
{
    if (!eintrag.toUpper().contains(u"DTA"_s)) {
        return false;
    }
    const QString neuerPfad = klassenOrdner + eintrag;
    Klasse neu;
    if (!klasseLadenAusDatei(neuerPfad, neu, r)) {
        return false;
    }
    klasse = std::move(neu);
    pfad = neuerPfad;
    klassenname = klassennameAusEintrag(eintrag);
    klassenToken = klassenKuerzel(eintrag);
    LKlasse->setText(klassenname);
    tabelle->setzeKlasse(&klasse, klassenname);
    schuelerNr = 1;
    einzelschueler->klasseGewechselt();
    ZenListeGesamtNeuAufbauen();
    LZenErlaeuterung->clear();
    LZenDatum->clear();
    klassenMenuesFreigeben(true);
    if (tabelle->rowCount() > 3) {
        tabelle->setCurrentCell(3, kFesteSpalten);
        zelleGewaehlt(3, kFesteSpalten); // auch wenn die Zelle schon gewaehlt war
    }
    if (oeffnen) {
        LBoxKlassen->hide();
        tabelle->setFocus();
        emit klasseGeoeffnet();
    }
    return true;
}

void TFZensurenbearbeitung::ZenListeGesamtNeuAufbauen()
{
    sortieren();
    zenArtButtonsFuellen();
    tabelle->ansicht = Ansicht::Alle;
    tabelle->fuellen();
    tabelle->spaltenbreite();
    ansichtsKnoepfeFaerben();
    PAnsichten->setCurrentWidget(tabelle);
    PAnsichten->show();
    klasseOffen = true;
}

void TFZensurenbearbeitung::zenArtButtonsFuellen()
{
    for (int art = 1; art <= kNotenarten; ++art) {
        kategorieBeschriftung[art] = klasse.notenart(art).kurzform;
        BZenKat[art]->setText(kategorieBeschriftung[art]);
    }
}

bool TFZensurenbearbeitung::BKlasseSpeichernClick()
{
    tabelle->bearbeitungAbschliessen();
    einzelschueler->feldUebernehmen();
    einzelliste->offeneListeSichern();
    const int punkt = pfad.lastIndexOf(u'.');
    if (!klasseOffen || punkt < 0 || pfad.size() - punkt - 1 != 3) {
        return false;
    }
    LBoxKlassen->hide();
    BKlasseSpeichern->setText(u"Gespeichert!"_s);
    ordnerAnlegen(pfad.left(pfad.lastIndexOf(kTrenner) + 1));
    const bool ok = klassenlisteSchreiben(pfad, klasse, r);
    if (!ok) {
        BKlasseSpeichern->setText(u"&Speichern"_s);
        return false;
    }
    QTimer::singleShot(1000, BKlasseSpeichern,
                       [this] { BKlasseSpeichern->setText(u"&Speichern"_s); });
    return true;
}

int TFZensurenbearbeitung::speicherAbfrage()
{
    if (!klasseOffen) {
        return 0;
    }
    tabelle->bearbeitungAbschliessen();
    const auto antwort =
        r.frage(Rueckfragen::Art::Frage, u"Soll die bearbeitete Datei gespeichert werden?"_s,
                Rueckfragen::Knoepfe::JaNeinAbbrechen);
    if (antwort == Rueckfragen::Knopf::Ja) {
        // Misslingt das Speichern, bleibt die Klasse offen: nichts darf verloren gehen.
        if (!BKlasseSpeichernClick()) {
            return -1;
        }
    } else if (antwort != Rueckfragen::Knopf::Nein) {
        return -1;
    }
    klasseSchliessen();
    return 0;
}

void TFZensurenbearbeitung::KlasseLoeschenClick()
{
    if (klasseOffen && unteransicht() != Unteransicht::Tabelle) {
        return; // erst die Unteransicht beenden
    }
    if (!klassendateiLoeschen(klasse, klasseOffen, pfad, r)) {
        if (!klasseOffen) {
            BKlassenwahlClick();
        }
        return;
    }
    klasseSchliessen();
    LKlasse->clear();
}

void TFZensurenbearbeitung::klasseSchliessen()
{
    klasseOffen = false;
    einzelliste->verwerfen();
    einzelschueler->klasseGewechselt();
    notenartKnoepfeOhneKaufmannsUnd(false);
    tabelle->leeren();
    loescheAlleSchueler(klasse);
    klassenMenuesFreigeben(false);
    PAnsichten->setCurrentWidget(tabelle);
    PAnsichten->hide();
    knoepfeFreigeben(true);
}
