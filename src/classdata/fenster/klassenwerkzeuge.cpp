#include "classdata/fenster/klassenwerkzeuge.h"

#include "classdata/einzelschueler.h"
#include "classdata/fenster/neueklasse_ansicht.h"
#include "classdata/fenster/suche_ansicht.h"
#include "classdata/fenster/zufallsgruppen_ansicht.h"
#include "classdata/klassendatei.h"
#include "classdata/klassenverwaltung.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "common/uhr.h"
#include "grades/fenster/Zensurenbearbeitung.h"
#include "grades/fenster/einzelschueler_ansicht.h"
#include "grades/fenster/griddruck.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "grades/fenster/pruefgitter.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>

using namespace Qt::StringLiterals;

namespace {

// Sucht das Layout, das nachbar enthaelt, und setzt neu dahinter.
bool dahinterEinfuegen(QLayout *layout, QWidget *nachbar, QWidget *neu)
{
    if (layout == nullptr) {
        return false;
    }
    const int index = layout->indexOf(nachbar);
    if (index >= 0) {
        if (auto *box = qobject_cast<QBoxLayout *>(layout)) {
            box->insertWidget(index + 1, neu);
            return true;
        }
        return false;
    }
    for (int i = 0; i < layout->count(); ++i) {
        if (dahinterEinfuegen(layout->itemAt(i)->layout(), nachbar, neu)) {
            return true;
        }
    }
    return false;
}

void nebenKnopf(QWidget *nachbar, QWidget *neu)
{
    for (QWidget *w = nachbar->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (dahinterEinfuegen(w->layout(), nachbar, neu)) {
            return;
        }
    }
}

const QString kZielAufforderung = u"Bitte oben das Ziel\nder Verschiebung\nauswählen.\n\nZum "
                                  u"Abbrechen\nnochmal hier\nklicken"_s;

} // namespace

Klassenwerkzeuge::Klassenwerkzeuge(TFZensurenbearbeitung &fenster)
    : QObject(&fenster)
    , f(fenster)
{
    setObjectName(u"Klassenwerkzeuge"_s);
    neueKlasseAnsicht = new NeueKlasseAnsicht(f);
    zufallsgruppenAnsicht = new ZufallsgruppenAnsicht(f);
    suchAnsicht = new SuchAnsicht(f);
    f.PAnsichten->addWidget(neueKlasseAnsicht);
    f.PAnsichten->addWidget(zufallsgruppenAnsicht);
    f.PAnsichten->addWidget(suchAnsicht);

    BNeueKlasse = new QPushButton(u"&Neue Klasse"_s, &f);
    BNeueKlasse->setObjectName(u"BNeueKlasse"_s);
    BNeueKlasse->setFocusPolicy(Qt::NoFocus);
    nebenKnopf(f.BKlassenwahl, BNeueKlasse);
    connect(BNeueKlasse, &QPushButton::clicked, this, [this] { neueKlasse(); });

    BSchuelerVerschieben = new QPushButton(u"Schüler verschieben"_s, f.einzelschueler);
    BSchuelerVerschieben->setObjectName(u"BSchuelerVerschieben"_s);
    nebenKnopf(f.einzelschueler->findChild<QPushButton *>(u"BSchuelerLoeschen"_s),
               BSchuelerVerschieben);
    connect(BSchuelerVerschieben, &QPushButton::clicked, this,
            [this] { BSchuelerVerschiebenClick(); });

    // Die Menuepunkte des Fensters.
    const auto punkt = [this](const QString &name, auto &&aktion) {
        if (QAction *a = f.findChild<QAction *>(name)) {
            a->setEnabled(true);
            connect(a, &QAction::triggered, this, aktion);
        }
    };
    punkt(u"NeueKlasse1"_s, [this] { neueKlasse(); });
    punkt(u"KlasseinneuesSchuljahrversetzen1"_s, [this] {
        if (f.speicherAbfrage() >= 0) {
            emit versetzungGewuenscht();
        }
    });
    punkt(u"Zufallsgruppen1"_s, [this] { zufallsgruppen(); });
    punkt(u"Schlersuchen1"_s, [this] { schuelerSuchen(); });
    punkt(u"AusgabeinDatei1"_s, [this] { ausgabeUeberTextprogramm(); });
    punkt(u"Drucken1"_s, [this] { schnelldruck(); });

    fensterObjekt = &f;
    f.installEventFilter(this);
    klassenListe = f.LBoxKlassen;
    klassenListeFlaeche = f.LBoxKlassen->viewport();
    f.LBoxKlassen->installEventFilter(this);
    f.LBoxKlassen->viewport()->installEventFilter(this);
    connect(&f, &TFZensurenbearbeitung::klasseGeoeffnet, this, [this] {
        if (gruppenGewuenscht && klassenGroesse(f.klasse) > 0) {
            zufallsgruppen();
        }
    });
}

// --- Neue Klasse, Loeschen, Export -----------------------------------------------------------

void Klassenwerkzeuge::neueKlasse()
{
    if (suchAnsicht->aktiv()) {
        suchAnsicht->schuelerSucheBeenden();
    }
    neueKlasseAnsicht->BNeueKlasseClick();
}

void Klassenwerkzeuge::klasseLoeschen()
{
    f.KlasseLoeschenClick();
}

void Klassenwerkzeuge::klassendatenExportieren()
{
    if (QAction *a = f.findChild<QAction *>(u"Klassendatenexportieren1"_s)) {
        a->trigger();
    }
}

// --- Schueler in eine andere Klasse verschieben ---------------------------------------------

bool Klassenwerkzeuge::suchmodus() const
{
    return suchAnsicht->aktiv();
}

void Klassenwerkzeuge::BSchuelerVerschiebenClick()
{
    if (imZielmodus) {
        zielmodusBeenden();
        return;
    }
    EinzelschuelerAnsicht *e = f.einzelschueler;
    e->feldUebernehmen();
    SchuelerFelder felder;
    felder.vorname = e->EVorname->text();
    felder.nachname = e->ENachname->text();
    felder.klasse = e->EKlasse->text();
    felder.zusatz = e->EZusatz->text();
    felder.geschlecht = e->EGeschl->text();
    if (!verschiebenMoeglich(suchmodus(), e->neuerSchueler, felder, f.r)) {
        if (e->neuerSchueler) {
            e->EVorname->setFocus();
        }
        return;
    }
    imZielmodus = true;
    BSchuelerVerschieben->setText(kZielAufforderung);
    const QStringList eintraege = klassenwahl(f.einstellungenRef().basisOrdner, f.schuljahr,
                                              aktuellesSchuljahr(f.uhr.heute()), f.r);
    const QSignalBlocker sperre(f.LBoxKlassen);
    f.LBoxKlassen->clear();
    f.LBoxKlassen->addItems(eintraege);
    f.LBoxKlassen->show();
    f.LBoxKlassen->setFocus();
}

void Klassenwerkzeuge::zielmodusBeenden()
{
    imZielmodus = false;
    BSchuelerVerschieben->setText(u"Schüler verschieben"_s);
    f.LBoxKlassen->hide();
}

void Klassenwerkzeuge::zielKlasseGewaehlt(const QString &eintrag)
{
    if (!imZielmodus || !eintrag.toUpper().contains(u"DTA"_s)) {
        return;
    }
    const QString ziel = schuljahrOrdner(f.einstellungenRef().basisOrdner, f.schuljahr) + eintrag;
    const int nr = f.schuelerNr;
    if (schuelerVerschieben(f.klasse, nr, f.pfad, ziel, f.r)) {
        f.klasseOffen = true;
        const int groesse = klassenGroesse(f.klasse);
        if (groesse == 0) {
            zielmodusBeenden();
            f.einzelschueler->BAbbrechenSchuelerClick();
            return;
        }
        f.schuelerNr = std::min(nr, groesse);
        f.einzelschueler->ladeSchueler(f.schuelerNr);
        f.einzelschueler->ladeNoten(f.schuelerNr);
    }
    zielmodusBeenden();
}

// --- Zufallsgruppen und Suche ------------------------------------------------------------------

void Klassenwerkzeuge::zufallsgruppen()
{
    if (!f.klasseOffen || klassenGroesse(f.klasse) == 0) {
        gruppenGewuenscht = true;
        f.BKlassenwahlClick();
        return;
    }
    gruppenGewuenscht = false;
    zufallsgruppenAnsicht->oeffnen();
}

void Klassenwerkzeuge::schuelerSuchen()
{
    if (suchAnsicht->aktiv()) {
        suchAnsicht->schuelerSucheBeenden();
        return;
    }
    suchAnsicht->starten();
}

// --- Druck -------------------------------------------------------------------------------------

void Klassenwerkzeuge::klassenDruck()
{
    const auto antwort =
        f.r.frage(Rueckfragen::Art::Frage,
                  u"Drucken der Klassendatei:\n"
                  u"  Ja: Drucken der Durchschnitts- und Gesamtnoten über ein Textprogramm\n"
                  u"           Die Doc-Datei-Vorlage muss genau 12 Tabellenspalten haben \n"
                  u"           (s. Bedienungsanleitung)! Der Export dauert ein paar Sekunden.\n"
                  u"\n"
                  u"  Nein: Konzeptdruck der sichtbaren Spalten ohne Formatierung"_s,
                  Rueckfragen::Knoepfe::JaNeinAbbrechen);
    if (antwort == Rueckfragen::Knopf::Ja) {
        ausgabeUeberTextprogramm();
    } else if (antwort == Rueckfragen::Knopf::Nein) {
        f.tabelle->bearbeitungAbschliessen();
        f.tabelle->fuellen();
        // Die Zellen (1, 0) und (2, 0) zaehlen Spalte vor Zeile: die oberste Zeile ueber Vor-
        // und Nachnamen, nicht die schmale Spalte "Nr.".
        if (f.tabelle->rowCount() > 0) {
            f.tabelle->item(0, 1)->setText(f.uhr.heute().toString(u"dd.MM.yyyy"_s));
            f.tabelle->item(0, 2)->setText(f.klassenname);
        }
        schnelldruck();
        f.tabelle->fuellen();
    }
}

void Klassenwerkzeuge::ausgabeUeberTextprogramm()
{
    if (!f.klasseOffen || klassenGroesse(f.klasse) == 0) {
        f.BKlassenwahlClick();
        return;
    }
    f.r.information(u"Die Ausgabe der Klassennoten über ein Textprogramm folgt in einer späteren "
                    u"Version des Programms. Bitte bis dahin den Konzeptdruck (Taste d, dann "
                    u"\"Nein\") verwenden."_s);
}

void Klassenwerkzeuge::schnelldruck()
{
    if (!f.klasseOffen || klassenGroesse(f.klasse) == 0) {
        f.BKlassenwahlClick();
        return;
    }
    tabelleDrucken(*f.tabelle, f.r);
}

// --- Ereignisse --------------------------------------------------------------------------------

bool Klassenwerkzeuge::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const QEvent::Type typ = ereignis->type();
    const bool maus = typ == QEvent::MouseButtonPress || typ == QEvent::MouseButtonRelease ||
                      typ == QEvent::MouseMove || typ == QEvent::MouseButtonDblClick;
    if (!maus && typ != QEvent::KeyPress) {
        return QObject::eventFilter(objekt, ereignis);
    }
    // Esc schliesst die Ansichten dieser Werkzeuge wie ihr Abbrechen bzw. Beenden.
    if (objekt == fensterObjekt && typ == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(ereignis)->key() == Qt::Key_Escape) {
        QWidget *offen = f.PAnsichten->currentWidget();
        if (offen == neueKlasseAnsicht && neueKlasseAnsicht->isVisible()) {
            neueKlasseAnsicht->BAbbrechenNeueKlasse();
            return true;
        }
        if (offen == zufallsgruppenAnsicht && zufallsgruppenAnsicht->isVisible()) {
            zufallsgruppenAnsicht->BZufallsgruppenBeendenClick();
            return true;
        }
        if (offen == suchAnsicht && suchAnsicht->isVisible()) {
            suchAnsicht->schuelerSucheBeenden();
            return true;
        }
    }
    if (imZielmodus && objekt == klassenListeFlaeche && maus) {
        if (typ == QEvent::MouseButtonRelease) {
            auto *m = static_cast<QMouseEvent *>(ereignis);
            if (QListWidgetItem *e = f.LBoxKlassen->itemAt(m->position().toPoint())) {
                zielKlasseGewaehlt(e->text());
            }
        }
        return true;
    }
    if (imZielmodus && objekt == klassenListe && typ == QEvent::KeyPress) {
        auto *taste = static_cast<QKeyEvent *>(ereignis);
        QListWidget *liste = f.LBoxKlassen;
        if (taste->key() == Qt::Key_Escape) {
            zielmodusBeenden();
        } else if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
            if (liste->currentItem() != nullptr) {
                zielKlasseGewaehlt(liste->currentItem()->text());
            }
        } else if (taste->key() == Qt::Key_Down || taste->key() == Qt::Key_Up) {
            // Im Zielmodus wird keine Klasse zur Voransicht geladen.
            const QSignalBlocker sperre(liste);
            const int zeile = liste->currentRow() + (taste->key() == Qt::Key_Down ? 1 : -1);
            if (zeile >= 0 && zeile < liste->count()) {
                liste->setCurrentRow(zeile);
            }
        }
        return true;
    }
    return QObject::eventFilter(objekt, ereignis);
}
