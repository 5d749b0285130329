#include "classdata/fenster/Versetzung.h"

#include "classdata/klassenversetzung.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "common/uhr.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFVersetzung::TFVersetzung(Einstellungen &einstellungen, Rueckfragen &rueckfragen, const Uhr &uhr,
                           QWidget *eltern)
    : QDialog(eltern)
    , einstellungen(einstellungen)
    , r(rueckfragen)
    , uhr(uhr)
{
    setObjectName(u"FVersetzung"_s);
    setWindowTitle(u"Versetzung in das Folgeschuljahr"_s);
    setModal(false);

    auto *senkrecht = new QVBoxLayout(this);
    auto *ueberschrift = new QLabel(u"Versetzung von Klassen in das folgende Schuljahr"_s, this);
    ueberschrift->setObjectName(u"LUeberschrift"_s);
    QFont gross = ueberschrift->font();
    gross.setPointSize(14);
    gross.setBold(true);
    ueberschrift->setFont(gross);
    auto *hinweis = new QLabel(u"(Alle Schülerdaten werden kopiert, Zensuren nicht.)"_s, this);
    hinweis->setObjectName(u"LHinweis"_s);
    senkrecht->addWidget(ueberschrift);
    senkrecht->addWidget(hinweis);

    auto *gitter = new QGridLayout;
    CBoxSchuljahr = new QComboBox(this);
    CBoxSchuljahr->setObjectName(u"CBoxSchuljahr"_s);
    CBoxSchuljahr->setEditable(true);
    CBoxSchuljahr->setInsertPolicy(QComboBox::NoInsert);
    CBoxSchuljahr->addItems(schuljahrListe());
    CBoxSchuljahr->lineEdit()->setMaxLength(7);
    CBoxSchuljahr->setMaxVisibleItems(20);
    jahrKasten = CBoxSchuljahr;
    jahrFeld = CBoxSchuljahr->lineEdit();
    CBoxSchuljahr->installEventFilter(this);
    CBoxSchuljahr->lineEdit()->installEventFilter(this);
    CBoxAktSchuljahr = new QCheckBox(u"Aktuelles Schuljahr"_s, this);
    CBoxAktSchuljahr->setObjectName(u"CBoxAktSchuljahr"_s);
    EFolgeSchuljahr = new QLineEdit(this);
    EFolgeSchuljahr->setObjectName(u"EFolgeSchuljahr"_s);
    EFolgeSchuljahr->setReadOnly(true);
    EFolgeSchuljahr->setFocusPolicy(Qt::NoFocus);
    LBKlassenAJ = new QListWidget(this);
    LBKlassenAJ->setObjectName(u"LBKlassenAJ"_s);
    LBKlassenFJ = new QListWidget(this);
    LBKlassenFJ->setObjectName(u"LBKlassenFJ"_s);
    LBKlassenAJ->setToolTip(u"Klick auf eine Klasse: diese Klasse versetzen"_s);
    LBKlassenFJ->setToolTip(
        u"Klick auf eine Klasse: diese Klasse im folgenden Schuljahr löschen"_s);
    for (QListWidget *liste : {LBKlassenAJ, LBKlassenFJ}) {
        liste->setMinimumSize(220, 320);
    }
    BAlleVersetzen = new QPushButton(u"Alle Klassen versetzen"_s, this);
    BAlleVersetzen->setObjectName(u"BAlleVersetzen"_s);
    BAlleLoeschen = new QPushButton(u"Alle Klassen löschen"_s, this);
    BAlleLoeschen->setObjectName(u"BAlleLoeschen"_s);
    BVersetzenBeenden = new QPushButton(u"Beenden"_s, this);
    BVersetzenBeenden->setObjectName(u"BVersetzenBeenden"_s);
    for (QPushButton *b : {BAlleVersetzen, BAlleLoeschen, BVersetzenBeenden}) {
        b->setAutoDefault(false);
    }

    gitter->addWidget(new QLabel(u"Endendes Schuljahr:"_s, this), 0, 0);
    auto *jahr = new QHBoxLayout;
    jahr->addWidget(CBoxSchuljahr);
    jahr->addWidget(CBoxAktSchuljahr);
    jahr->addStretch(1);
    gitter->addLayout(jahr, 1, 0);
    gitter->addWidget(new QLabel(u"Folgendes Schuljahr:"_s, this), 0, 1);
    gitter->addWidget(EFolgeSchuljahr, 1, 1);
    gitter->addWidget(new QLabel(u"Klassen des endenden Schuljahres (Klick: versetzen)"_s, this), 2,
                      0);
    gitter->addWidget(new QLabel(u"Klassen des folgenden Schuljahres (Klick: löschen)"_s, this), 2,
                      1);
    gitter->addWidget(LBKlassenAJ, 3, 0);
    gitter->addWidget(LBKlassenFJ, 3, 1);
    gitter->addWidget(BAlleVersetzen, 4, 0);
    gitter->addWidget(BAlleLoeschen, 4, 1);
    senkrecht->addLayout(gitter, 1);
    auto *unten = new QHBoxLayout;
    unten->addStretch(1);
    unten->addWidget(BVersetzenBeenden);
    senkrecht->addLayout(unten);

    connect(LBKlassenAJ, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *e) { LBKlassenAJClick(LBKlassenAJ->row(e)); });
    connect(LBKlassenFJ, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *e) { LBKlassenFJClick(LBKlassenFJ->row(e)); });
    connect(BAlleVersetzen, &QPushButton::clicked, this, [this] { BAlleVersetzenClick(); });
    connect(BAlleLoeschen, &QPushButton::clicked, this, [this] { BAlleLoeschenClick(); });
    connect(BVersetzenBeenden, &QPushButton::clicked, this, [this] { BVersetzenBeendenClick(); });
    connect(CBoxSchuljahr, &QComboBox::activated, this, [this] { CBoxSchuljahrClick(); });
    connect(CBoxSchuljahr->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString &text) { CBoxSchuljahrChange(text); });
    connect(CBoxAktSchuljahr, &QCheckBox::clicked, this, [this] { CBoxAktSchuljahrClick(); });

    // Das aktuelle Schuljahr beginnt im August.
    const QDateTime jetzt = uhr.jetzt();
    if (!jetzt.isValid()) {
        r.fehler(u"Das aktuelle Datum kann nicht ermittelt werden."_s);
        CBoxSchuljahr->setCurrentIndex(0);
    } else {
        aktuell = ::aktuellesSchuljahr(jetzt.date());
        CBoxSchuljahr->setCurrentIndex(CBoxSchuljahr->findText(aktuell));
        CBoxAktSchuljahr->setChecked(true);
    }
    CBoxSchuljahrClick();
    move(0, y());
}

TFVersetzung::~TFVersetzung()
{
    // Das Jahresfeld meldet beim Abbau noch Fokusverlust und "activated"; die Felder dieses
    // Dialogs gibt es dann schon nicht mehr.
    CBoxSchuljahr->removeEventFilter(this);
    CBoxSchuljahr->lineEdit()->removeEventFilter(this);
    CBoxSchuljahr->disconnect(this);
    CBoxSchuljahr->lineEdit()->disconnect(this);
}

void TFVersetzung::listenFuellen()
{
    const QString ende = CBoxSchuljahr->currentText();
    const int pos = CBoxSchuljahr->findText(ende);
    const QString folge =
        pos >= 1 && pos + 1 < CBoxSchuljahr->count() ? CBoxSchuljahr->itemText(pos + 1) : QString();
    EFolgeSchuljahr->setText(folge);
    endendOrdner = mitTrenner(einstellungen.basisOrdner + ende);
    folgendOrdner = folge.isEmpty() ? QString() : mitTrenner(einstellungen.basisOrdner + folge);
    LBKlassenAJ->clear();
    LBKlassenAJ->addItems(versetzungsListe(endendOrdner));
    folgeListeFuellen();
}

void TFVersetzung::folgeListeFuellen()
{
    LBKlassenFJ->clear();
    LBKlassenFJ->addItems(folgendOrdner.isEmpty() ? QStringList{kKeineKlasse}
                                                  : versetzungsListe(folgendOrdner));
}

void TFVersetzung::CBoxSchuljahrClick()
{
    CBoxAktSchuljahr->setChecked(!aktuell.isEmpty() && CBoxSchuljahr->currentText() == aktuell);
    listenFuellen();
}

void TFVersetzung::CBoxSchuljahrChange(const QString &text)
{
    // Erst ein vollstaendiges Schuljahr der Liste gilt; sonst bliebe das Folgejahr das des
    // vorher gewaehlten Jahres, und versetzt wuerde in ein falsches Jahr.
    CBoxAktSchuljahr->setChecked(!aktuell.isEmpty() && text == aktuell);
    const int pos = CBoxSchuljahr->findText(text);
    if (pos >= 1) {
        CBoxSchuljahr->setCurrentIndex(pos);
        listenFuellen();
    }
}

bool TFVersetzung::warnungBestaetigt(const QString &text)
{
    if (!isVisible() || fragtGerade) {
        return true;
    }
    fragtGerade = true;
    const auto antwort =
        r.frage(Rueckfragen::Art::Warnung, text + u"\r\nMöchten Sie trotzdem fortfahren?"_s,
                Rueckfragen::Knoepfe::JaNeinAbbrechen);
    fragtGerade = false;
    if (antwort == Rueckfragen::Knopf::Ja) {
        return true;
    }
    aktuellesJahrWaehlen();
    LBKlassenAJ->setFocus();
    return false;
}

void TFVersetzung::aktuellesJahrWaehlen()
{
    if (aktuell.isEmpty()) {
        CBoxAktSchuljahr->setChecked(false);
        return;
    }
    CBoxAktSchuljahr->setChecked(true);
    if (CBoxSchuljahr->currentText() != aktuell) {
        CBoxSchuljahr->setCurrentIndex(CBoxSchuljahr->findText(aktuell));
        listenFuellen();
    }
}

void TFVersetzung::CBoxAktSchuljahrClick()
{
    const bool an = CBoxAktSchuljahr->isChecked();
    if (!warnungBestaetigt(u"Achtung:  Das Einstellen früherer Schuljahre als endendes Schuljahr "
                           u"kann zum Verlust von wervollen Daten führen, wenn die Klasse bereits "
                           u"versetzt und dann schon bearbeitet wurde!"_s)) {
        return;
    }
    CBoxAktSchuljahr->setChecked(an);
    if (an && !aktuell.isEmpty()) {
        CBoxSchuljahr->setCurrentIndex(CBoxSchuljahr->findText(aktuell));
    }
    CBoxSchuljahrClick();
}

void TFVersetzung::LBKlassenAJClick(int zeile)
{
    if (zeile < 0 || zeile >= LBKlassenAJ->count() || folgendOrdner.isEmpty()) {
        return;
    }
    // "Keine Klasse" wird wie eine unlesbare Datei behandelt: der Leser meldet sie.
    klasseVersetzen(endendOrdner + LBKlassenAJ->item(zeile)->text(), folgendOrdner, klasse, r);
    folgeListeFuellen();
}

void TFVersetzung::BAlleVersetzenClick()
{
    if (folgendOrdner.isEmpty()) {
        return;
    }
    for (int zeile = 0; zeile < LBKlassenAJ->count(); ++zeile) {
        klasseVersetzen(endendOrdner + LBKlassenAJ->item(zeile)->text(), folgendOrdner, klasse, r);
    }
    folgeListeFuellen();
}

void TFVersetzung::LBKlassenFJClick(int zeile)
{
    if (zeile < 0 || zeile >= LBKlassenFJ->count() || folgendOrdner.isEmpty()) {
        return;
    }
    klasseImFolgejahrLoeschenNachFrage(folgendOrdner, EFolgeSchuljahr->text(),
                                       LBKlassenFJ->item(zeile)->text(), r);
    folgeListeFuellen();
}

void TFVersetzung::BAlleLoeschenClick()
{
    if (folgendOrdner.isEmpty()) {
        return;
    }
    alleKlassenImFolgejahrLoeschen(folgendOrdner, EFolgeSchuljahr->text(), r);
    folgeListeFuellen();
}

void TFVersetzung::BVersetzenBeendenClick()
{
    hide();
    emit zurUebersicht();
}

void TFVersetzung::reject()
{
    BVersetzenBeendenClick();
}

bool TFVersetzung::eventFilter(QObject *objekt, QEvent *ereignis)
{
    // Nur Zeiger vergleichen: beim Abbau des Dialogs koennen die Felder schon zerstoert sein.
    if (ereignis->type() == QEvent::FocusIn && (objekt == jahrKasten || objekt == jahrFeld)) {
        const auto grund = static_cast<QFocusEvent *>(ereignis)->reason();
        // Rueckkehr aus der Rueckfrage oder der Klappliste ist kein neues Betreten.
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason &&
            grund != Qt::OtherFocusReason) {
            warnungBestaetigt(u"Achtung:  Das Einstellen früherer Schuljahre als endendes "
                              u"Schuljahr kann zum Verlust von wervollen Daten führen!"_s);
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}
