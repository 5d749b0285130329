#include "grades/fenster/Zensurenbearbeitung.h"

#include "classdata/klassendatei.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "common/uhr.h"
#include "grades/fenster/einzelliste_ansicht.h"
#include "grades/fenster/einzelschueler_ansicht.h"
#include "grades/fenster/klassenwerkzeuge.h"
#include "grades/fenster/neueklasse_ansicht.h"
#include "grades/fenster/notenarten_ansicht.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "grades/fenster/suche_ansicht.h"
#include "grades/fenster/zufallsgruppen_ansicht.h"
#include "grades/notenarten.h"
#include "widgets/Skalierung.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

TFZensurenbearbeitung::TFZensurenbearbeitung(Einstellungen &einstellungen, Rueckfragen &rueckfragen,
                                             const Uhr &uhr, QWidget *eltern)
    : QMainWindow(eltern)
    , sitzung(rueckfragen)
    , einstellungen(einstellungen)
    , r(rueckfragen)
    , uhr(uhr)
    , konfiguration(einstellungen, rueckfragen)
{
    setObjectName(u"FZensurenbearbeitung"_s);
    setWindowTitle(u"Notenbearbeitung"_s);
    werkzeuge = new Klassenwerkzeuge(sitzung, einstellungen, r, uhr, this);
}

TFZensurenbearbeitung::~TFZensurenbearbeitung()
{
    // Die Unteransichten melden Fokuswechsel (ein verlassenes Feld) der Sitzung; sie gehen vor
    // ihr, nicht erst mit den Kindern des Fensters nach ihr.
    delete einzelschueler;
    delete einzelliste;
}

void TFZensurenbearbeitung::aufbauen()
{
    // Die Steuerelemente entstehen erst, wenn das Fenster gebraucht wird: der Programmstart
    // wartet nicht auf Tabelle und Unteransichten.
    if (aufgebaut) {
        return;
    }
    aufgebaut = true;
    oberflaecheAufbauen();
    ansichtenAufbauen();
    menueAufbauen();
    ansichtenVerbinden();
    sitzungVerbinden();
    werkzeuge->setzeTabelle(tabelle);

    // Beim Programmstart entsteht das Fenster vor dem Laden der Einstellungen.
    if (!einstellungen.basisOrdner.isEmpty()) {
        einstellungenUebernehmen();
    }
    LBoxKlassen->hide();
    BNeueKlasse->setFocusPolicy(Qt::StrongFocus);
    zenArtButtonsFuellen();
    zustandAktualisieren();
    // Entwurfsgroesse, skaliert; beim Zeigen passt es sich in den Bildschirm ein.
    resize(1280 * skalierung / 100, 1000 * skalierung / 100);
    fensterSkalieren(this, skalierung);
}

void TFZensurenbearbeitung::setVisible(bool sichtbar)
{
    if (sichtbar) {
        aufbauen();
    }
    QMainWindow::setVisible(sichtbar);
}

void TFZensurenbearbeitung::einstellungenUebernehmen()
{
    aufbauen();
    optionenWerdenGesetzt = true;
    optionenAnwenden(konfiguration.einstellenOptionen());
    optionenWerdenGesetzt = false;
    sitzung.setzeSchuljahr(einstellungen.basisOrdner, aktuellesSchuljahr(uhr.heute()));
}

// --- Sitzung ----------------------------------------------------------------------------------

void TFZensurenbearbeitung::sitzungVerbinden()
{
    connect(&sitzung, &Klassensitzung::geoeffnet, this, &TFZensurenbearbeitung::klasseGeoeffnet);
    connect(&sitzung, &Klassensitzung::geschlossen, this,
            &TFZensurenbearbeitung::klasseGeschlossen);
    connect(&sitzung, &Klassensitzung::schuljahrGewechselt, this, [this] {
        const QSignalBlocker sperre(CBoxSchuljahr);
        CBoxSchuljahr->setCurrentText(sitzung.schuljahr());
        CBoxAktSchuljahr->setChecked(sitzung.schuljahr() == aktuellesSchuljahr(uhr.heute()));
    });
    connect(&sitzung, &Klassensitzung::gespeichert, this, [this] {
        BKlasseSpeichern->setText(u"Gespeichert!"_s);
        QTimer::singleShot(1000, BKlasseSpeichern,
                           [this] { BKlasseSpeichern->setText(u"&Speichern"_s); });
    });
    // Getippte, noch nicht uebernommene Werte gehen vor Speichern und Wechseln in die Klasse.
    connect(&sitzung, &Klassensitzung::eingabenUebernehmen, this, [this] {
        tabelle->bearbeitungAbschliessen();
        einzelschueler->feldUebernehmen();
        einzelliste->offeneListeSichern();
    });
}

void TFZensurenbearbeitung::klasseGeoeffnet()
{
    einzelschueler->klasseGewechselt();
    tabelle->setzeKlasse(&sitzung.klasse, sitzung.name());
    LKlasse->setText(sitzung.name());
    LZenErlaeuterung->clear();
    LZenDatum->clear();
    tabelleNeuAufbauen();
    zeige(Unteransicht::Tabelle);
    if (tabelle->rowCount() > 3) {
        tabelle->setCurrentCell(3, kFesteSpalten);
        zelleGewaehlt(3, kFesteSpalten); // auch wenn die Zelle schon gewaehlt war
    }
}

void TFZensurenbearbeitung::klasseGeschlossen()
{
    einzelliste->verwerfen();
    einzelschueler->klasseGewechselt();
    einzelschueler->zielmodusBeenden();
    tabelle->leeren();
    zenArtButtonsFuellen();
    LKlasse->clear();
    LZenErlaeuterung->clear();
    LZenDatum->clear();
    zeige(Unteransicht::Tabelle);
}

void TFZensurenbearbeitung::tabelleNeuAufbauen()
{
    sitzung.sortieren();
    zenArtButtonsFuellen();
    tabelle->ansicht = Ansicht::Alle;
    tabelle->fuellen();
    tabelle->spaltenbreite();
    ansichtsKnoepfeFaerben();
}

void TFZensurenbearbeitung::zenArtButtonsFuellen()
{
    // Ohne Klasse zeigen die Knoepfe die Standard-Notenarten.
    for (int art = 1; art <= kNotenarten; ++art) {
        kategorieBeschriftung[art] = sitzung.offen() ? sitzung.klasse.notenart(art).kurzform
                                                     : standardNotenart(art).kurzform;
    }
}

bool TFZensurenbearbeitung::BKlasseSpeichernClick()
{
    if (!sitzung.offen()) {
        return false;
    }
    LBoxKlassen->hide();
    return sitzung.speichern();
}

// --- Umschalter und Zustaende -------------------------------------------------------------------

void TFZensurenbearbeitung::zeige(Unteransicht ansicht)
{
    QWidget *seite = tabelle;
    switch (ansicht) {
    case Unteransicht::Tabelle:
        break;
    case Unteransicht::Einzelliste:
        seite = einzelliste;
        break;
    case Unteransicht::Einzelschueler:
        seite = einzelschueler;
        break;
    case Unteransicht::Notenarten:
        seite = notenarten;
        break;
    case Unteransicht::NeueKlasse:
        seite = neueKlasseAnsicht;
        break;
    case Unteransicht::Suche:
        seite = suchAnsicht;
        break;
    case Unteransicht::Zufallsgruppen:
        seite = zufallsgruppenAnsicht;
        break;
    }
    const bool zurTabelle = ansicht == Unteransicht::Tabelle && aktuell != Unteransicht::Tabelle;
    const Unteransicht vorher = aktuell;
    aktuell = ansicht;
    if (ansicht != Unteransicht::Tabelle) {
        LBoxKlassen->hide();
    }
    QWidget *rahmen = seite; // die Unteransichten liegen in Rollbereichen
    while (rahmen->parentWidget() != PAnsichten) {
        rahmen = rahmen->parentWidget();
    }
    PAnsichten->setCurrentWidget(rahmen);
    if (zurTabelle && vorher != Unteransicht::Einzelliste) {
        // Was die Unteransicht ueber der Tabelle angezeigt hat, gilt nicht mehr; nach der
        // Einzelliste bleibt das Datum der eben bestaetigten Liste stehen.
        LZenErlaeuterung->clear();
        LZenDatum->clear();
    }
    if (zurTabelle && sitzung.offen()) {
        // Eine Unteransicht kann Namen, Noten und Notenarten geaendert haben.
        sitzung.sortieren();
        zenArtButtonsFuellen();
        tabelle->setzeKlasse(&sitzung.klasse, sitzung.name());
        tabelle->fuellen();
        tabelle->spaltenbreite();
        tabelle->setFocus();
    }
    zustandAktualisieren();
}

void TFZensurenbearbeitung::zustandAktualisieren()
{
    const bool tabelleOffen = aktuell == Unteransicht::Tabelle;
    const bool klasse = sitzung.offen() && sitzung.groesse() > 0;
    const bool suche = suchAnsicht->aktiv();

    // Die Tabelle ist nur mit offener Klasse zu sehen, die Unteransichten immer. Die
    // Ueberschrift nennt die offene Klasse, bei einer neuen den Namen, der entstehen wird.
    PAnsichten->setVisible(!tabelleOffen || sitzung.offen());
    if (aktuell != Unteransicht::NeueKlasse) {
        LKlasse->setText(sitzung.offen() ? sitzung.name() : QString());
    }

    for (QPushButton *b : {BKlassenwahl, BNeueKlasse}) {
        b->setEnabled(tabelleOffen);
    }
    BKlassenwahl->setText(suche ? u"Schülersuche/\nweiter suchen"_s : u"Aus&wahl Klasse/ Kurs"_s);
    BKlasseSpeichern->setEnabled(sitzung.offen() && tabelleOffen);
    CBoxSchuljahr->setEnabled(tabelleOffen);
    CBoxAktSchuljahr->setEnabled(tabelleOffen);

    // In der Einzelliste und beim Einzelschueler waehlen die Notenartknoepfe die Liste; ihre
    // Tasten gehoeren dann den Feldern.
    const bool artWahl = aktuell == Unteransicht::Einzelliste;
    const bool ohneTasten = artWahl || aktuell == Unteransicht::Einzelschueler;
    for (int art = 1; art <= kNotenarten; ++art) {
        BZenKat[art]->setEnabled(klasse && (tabelleOffen || artWahl));
        BZenKat[art]->setText(ohneTasten ? ohneErstesKaufmannsUnd(kategorieBeschriftung[art])
                                         : kategorieBeschriftung[art]);
    }
    BAlleZen->setText(ohneTasten ? u"Alle"_s : u"&Alle"_s);
    BDurchschnitte->setText(ohneTasten ? u"Berechnungen"_s : u"&Berechnungen"_s);
    for (QPushButton *b : {BAlleZen, BDurchschnitte}) {
        b->setEnabled(klasse && tabelleOffen);
    }
    BeinzelListe->setEnabled(klasse && (tabelleOffen || artWahl));
    BEinzelSchueler->setEnabled(klasse &&
                                (tabelleOffen || aktuell == Unteransicht::Einzelschueler));
    BBezeichnungenUndGewichtungen->setEnabled(
        klasse && (tabelleOffen || aktuell == Unteransicht::Notenarten));

    // Die Einzelliste sortiert bei geaenderten Optionen selbst; in den anderen Unteransichten
    // bleiben die Optionen fest.
    const bool optionenFrei = tabelleOffen || artWahl;
    for (QWidget *w : std::initializer_list<QWidget *>{
             CHBDurchschnitte, ChBGesamtb, ChBLeerspaltenZeigen, ChBKeineAenderung,
             ChBVornamenSortierung, ChBPunkteZensuren, ChBKursSortierung, CBoxJungenMaedchen}) {
        w->setEnabled(optionenFrei);
    }

    for (QAction *a : klassenAktionen) {
        a->setEnabled(klasse && tabelleOffen);
    }
    for (QAction *a : tabellenAktionen) {
        a->setEnabled(tabelleOffen);
    }
    // Die Testschritte verlassen die Klasse; ohne Testfenster fuehren sie nirgendwohin.
    for (QAction *a : testAktionenListe) {
        a->setEnabled(tabelleOffen && testfunktionenDa);
        a->setToolTip(testfunktionenDa ? QString() : kFensterFehlt);
    }
    BZurueck->setEnabled(tabelleOffen || suche);
    BZurueck->setText(suche ? u"Schülersuche beenden"_s : u"Zurück zur Übersicht"_s);
    ZurUebersicht1->setEnabled(BZurueck->isEnabled());
    ZurUebersicht1->setText(BZurueck->text());
    werkzeuge->Schlersuchen1->setEnabled(tabelleOffen || aktuell == Unteransicht::Suche);
    werkzeuge->Schlersuchen1->setText(suche ? u"Schülersuche beenden"_s : u"Schüler suchen"_s);
    einzelschueler->suchmodus = suche;
}

// --- Schuljahr und Klassenliste ---------------------------------------------------------------

void TFZensurenbearbeitung::schuljahrGewaehlt()
{
    sitzung.setzeSchuljahr(einstellungen.basisOrdner, CBoxSchuljahr->currentText());
    if (LBoxKlassen->isVisible() && !listeFuerZiel) {
        BKlassenwahlClick();
    }
}

void TFZensurenbearbeitung::BKlassenwahlClick()
{
    aufbauen();
    if (sitzung.offen() && !LBoxKlassen->isVisible() && sitzung.speicherAbfrage() < 0) {
        return;
    }
    zeige(Unteransicht::Tabelle);
    QStringList eintraege = klassenwahl(einstellungen.basisOrdner, sitzung.schuljahr(),
                                        aktuellesSchuljahr(uhr.heute()), r);
    if (const auto gefunden = suchAnsicht->klassenliste()) {
        eintraege = *gefunden;
    }
    listeFuerZiel = false;
    unlesbar.clear();
    klassenlisteZeigen(eintraege);
}

void TFZensurenbearbeitung::klassenlisteZeigen(const QStringList &eintraege)
{
    const QSignalBlocker sperre(LBoxKlassen);
    LBoxKlassen->clear();
    LBoxKlassen->addItems(eintraege);
    LBoxKlassen->setCurrentRow(0);
    LBoxKlassen->show();
    LBoxKlassen->setFocus();
}

void TFZensurenbearbeitung::vorschau(const QString &eintrag)
{
    if (listeFuerZiel) {
        return;
    }
    if (sitzung.pfad() != sitzung.klassenOrdner() + eintrag || sitzung.groesse() == 0) {
        laden(eintrag);
    }
}

bool TFZensurenbearbeitung::laden(const QString &eintrag)
{
    // Vorschau und Oeffnen lesen denselben Eintrag oft zweimal: ein Lesefehler wird einmal
    // gemeldet, solange die Liste offen ist.
    if (unlesbar.contains(eintrag)) {
        return false;
    }
    if (sitzung.laden(eintrag)) {
        return true;
    }
    if (eintrag.toUpper().contains(u"DTA"_s)) {
        unlesbar.insert(eintrag);
    }
    return false;
}

void TFZensurenbearbeitung::klasseOeffnen(const QString &eintrag)
{
    if (listeFuerZiel) {
        if (eintrag.toUpper().contains(u"DTA"_s)) {
            einzelschueler->zielKlasseGewaehlt(sitzung.klassenOrdner() + eintrag);
        }
        return;
    }
    // Die Vorschau ist schon die Klasse: nicht noch einmal lesen.
    const bool schonDa = sitzung.pfad() == sitzung.klassenOrdner() + eintrag && sitzung.offen() &&
                         sitzung.groesse() > 0;
    if (!schonDa && !laden(eintrag)) {
        return;
    }
    LBoxKlassen->hide();
    tabelle->setFocus();
    if (gruppenGewuenscht && sitzung.groesse() > 0) {
        gruppenMitListe = true;
        zufallsgruppen();
    }
}

void TFZensurenbearbeitung::klasseLoeschen()
{
    if (sitzung.offen() && aktuell != Unteransicht::Tabelle) {
        return; // erst die Unteransicht beenden
    }
    werkzeuge->klasseLoeschen();
}

bool TFZensurenbearbeitung::ZenAusBenotungEintragen(const QString &klassenEintrag,
                                                    const QList<Benotungsergebnis> &ergebnisse)
{
    aufbauen();
    if (sitzung.speicherAbfrage() < 0) {
        return false;
    }
    if (!sitzung.laden(klassenEintrag)) {
        return false;
    }
    LBoxKlassen->hide();
    einzelliste->testnotenEmpfangen(ergebnisse);
    return true;
}

// --- Befehle des Hauptmenues ------------------------------------------------------------------

void TFZensurenbearbeitung::neueKlasse()
{
    aufbauen();
    if (aktuell == Unteransicht::Suche || suchAnsicht->aktiv()) {
        suchAnsicht->schuelerSucheBeenden();
    }
    if (aktuell != Unteransicht::Tabelle) {
        return;
    }
    neueKlasseAnsicht->BNeueKlasseClick();
}

void TFZensurenbearbeitung::schuelerSuchen()
{
    aufbauen();
    if (suchAnsicht->aktiv()) {
        suchAnsicht->schuelerSucheBeenden();
        return;
    }
    if (aktuell != Unteransicht::Tabelle) {
        return;
    }
    suchAnsicht->starten();
}

void TFZensurenbearbeitung::zufallsgruppen()
{
    aufbauen();
    if (!sitzung.offen() || sitzung.groesse() == 0) {
        gruppenGewuenscht = true;
        BKlassenwahlClick();
        return;
    }
    gruppenGewuenscht = false;
    if (aktuell == Unteransicht::Tabelle) {
        sitzung.eingabenAbschliessen();
        zufallsgruppenAnsicht->oeffnen();
    }
}

void TFZensurenbearbeitung::setzeTestfunktionenVorhanden(bool da)
{
    testfunktionenDa = da;
    if (aufgebaut) {
        zustandAktualisieren();
    }
}

void TFZensurenbearbeitung::ohneKlasseBeginnen()
{
    einstellungenUebernehmen();
    zeige(Unteransicht::Tabelle);
    LBoxKlassen->hide();
    BNeueKlasse->setFocus();
}

void TFZensurenbearbeitung::nameneingabe()
{
    aufbauen();
    if (sitzung.groesse() == 0) {
        BKlassenwahlClick();
        return;
    }
    einzelschueler->BEinzelschuelerClick(sitzung.groesse() + 1);
}

// --- Klassenliste: Vorschau beim Ueberfahren, Oeffnen mit Klick oder Enter ----------------------

bool TFZensurenbearbeitung::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const QEvent::Type typ = ereignis->type();
    if (objekt == tabelle && typ == QEvent::FocusIn && LBoxKlassen->isVisible() && !listeFuerZiel &&
        sitzung.groesse() > 0) {
        // Wer in der Vorschau zu arbeiten beginnt, hat die Klasse geoeffnet; ein weiterer Wechsel
        // geht dann nur ueber die Speicherabfrage.
        LBoxKlassen->hide();
    } else if (objekt == LBoxKlassen->viewport() &&
               (typ == QEvent::MouseButtonPress || typ == QEvent::MouseMove ||
                typ == QEvent::MouseButtonRelease || typ == QEvent::MouseButtonDblClick)) {
        auto *maus = static_cast<QMouseEvent *>(ereignis);
        QListWidgetItem *eintrag = LBoxKlassen->itemAt(maus->position().toPoint());
        if (typ == QEvent::MouseButtonPress && eintrag != nullptr &&
            maus->button() == Qt::LeftButton) {
            vorschau(eintrag->text());
        } else if (typ == QEvent::MouseMove && (maus->buttons() & Qt::LeftButton)) {
            if (eintrag != nullptr && eintrag != LBoxKlassen->currentItem()) {
                LBoxKlassen->setCurrentItem(eintrag); // laedt die Vorschau
            }
            return true;
        } else if (typ == QEvent::MouseButtonRelease && eintrag != nullptr &&
                   maus->button() == Qt::LeftButton) {
            {
                const QSignalBlocker sperre(LBoxKlassen);
                LBoxKlassen->setCurrentItem(eintrag);
            }
            tabelle->zweitenKlickIgnorieren();
            QTimer::singleShot(0, this, [this, text = eintrag->text()] { klasseOeffnen(text); });
        }
        // Im Zielmodus waehlt die Liste nur das Ziel: keine Vorschau, keine eigene Auswahl.
        return listeFuerZiel;
    } else if (objekt == LBoxKlassen && typ == QEvent::KeyPress) {
        return klassenlisteTaste(static_cast<QKeyEvent *>(ereignis));
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

bool TFZensurenbearbeitung::klassenlisteTaste(QKeyEvent *taste)
{
    switch (taste->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (LBoxKlassen->currentItem() != nullptr) {
            klasseOeffnen(LBoxKlassen->currentItem()->text());
        }
        return true;
    case Qt::Key_Escape:
        if (listeFuerZiel) {
            einzelschueler->zielmodusBeenden();
            return true;
        }
        LBoxKlassen->hide();
        if (sitzung.groesse() > 0) {
            tabelle->setFocus();
        }
        return true;
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (listeFuerZiel) {
            const QSignalBlocker sperre(LBoxKlassen); // im Zielmodus keine Vorschau
            const int zeile = LBoxKlassen->currentRow() + (taste->key() == Qt::Key_Down ? 1 : -1);
            if (zeile >= 0 && zeile < LBoxKlassen->count()) {
                LBoxKlassen->setCurrentRow(zeile);
            }
            return true;
        }
        return false;
    default:
        return listeFuerZiel;
    }
}
