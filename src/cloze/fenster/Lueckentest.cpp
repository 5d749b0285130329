#include "cloze/fenster/Lueckentest.h"

#include "cloze/fenster/LueckenEdit.h"
#include "common/rueckfragen.h"
#include "settings/konfiguration.h"
#include "widgets/Skalierung.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFLueckentest::TFLueckentest(const Einstellungen &e, Rueckfragen &r, QWidget *eltern)
    : QWidget(eltern)
    , e(e)
    , r(r)
    , sitz(r)
{
    setObjectName(u"FLueckentest"_s);
    setWindowTitle(u"Mivo-Zuzovuvavev - Lückentest"_s);
}

TFLueckentest::~TFLueckentest()
{
    // Das Dokument der Sitzung stirbt vor den Steuerelementen: re1 zeigt dann ein eigenes.
    if (re1) {
        re1->neuesDokument();
    }
}

void TFLueckentest::aufbauen()
{
    // Die Steuerelemente entstehen beim ersten Zeigen oder Oeffnen, nicht beim Programmstart.
    if (aufgebaut) {
        return;
    }
    aufgebaut = true;
    oberflaecheAufbauen();
    connect(&sitz, &Lueckensitzung::geleert, this, [this] { geleertZeigen(); });
    connect(&sitz, &Lueckensitzung::dokumentGewechselt, this, [this] { dokumentZeigen(); });
    connect(&sitz, &Lueckensitzung::listenNeu, this, [this] { listenFuellen(); });
    connect(&sitz, &Lueckensitzung::modusGewechselt, this, [this] { modusZeigen(); });
    geleertZeigen();
    modusZeigen();
    fensterSkalieren(this, skalierung);
}

void TFLueckentest::setVisible(bool sichtbar)
{
    if (sichtbar) {
        aufbauen();
    }
    QWidget::setVisible(sichtbar);
}

void TFLueckentest::modusZeigen()
{
    const bool schueler = !sitz.lehrer();
    const Modus m = sitz.modus();
    switch (m) {
    case Modus::Luecken:
        LTitel->setText(u"Lückentext-Konstruktion"_s);
        LModus->setText(u"Modus:  Lückenbearbeitung;"_s);
        LModus2->setText(u"drücken zum Bearbeiten des Textes"_s);
        LF1->setStyleSheet(u"background-color: red; color: white;"_s);
        break;
    case Modus::Text:
        LTitel->setText(u"Lückentext-Konstruktion"_s);
        LModus->setText(u"Modus:  Textbearbeitung;"_s);
        LModus2->setText(u"drücken zum Bearbeiten der Lücken"_s);
        LF1->setStyleSheet(u"background-color: yellow;"_s);
        break;
    case Modus::Schuelertest:
        LTitel->setText(schueler ? u"Testdurchführung: Lückentext"_s : u"Lückentext-Test"_s);
        LModus->setText(schueler ? QString() : u"Modus:  Schülertestbearbeitung"_s);
        LModus2->setText(schueler ? QString() : u"drücken zum Bearbeiten des Textes"_s);
        break;
    }
    LF1->setVisible(!schueler);
    re1->setReadOnly(m != Modus::Text);
    re1->setTextInteractionFlags(m == Modus::Text ? Qt::TextEditorInteraction
                                                  : Qt::TextSelectableByMouse);
    auswahlSchliessen();
    zustandAktualisieren();
}

void TFLueckentest::zustandAktualisieren()
{
    const bool lehrer = sitz.lehrer();
    const bool pfad = !sitz.urdateiPfad().isEmpty();
    BUrdateiSpeichern->setEnabled(sitz.urdateiSpeichernMoeglich());
    BUrdateiLaden->setEnabled(pfad);
    BSchuelerTestDateiErzeugen->setEnabled(pfad);
    BSchTestDateiDarstellen->setEnabled(pfad);
    BSchuelertestdateiSpeichern->setEnabled(sitz.eintraegeSpeichernMoeglich());
    BSchTestBenoten->setEnabled(pfad);
    for (QPushButton *b : {BAuswahlLW, BFreiesLW, BEinzellistenLW, BLueckeEntfernen}) {
        b->setEnabled(sitz.lueckenBearbeitbar());
        b->setVisible(lehrer);
    }
    LNochLueckenOffen->setVisible(!lehrer);
    RG_LW_Nr->setTitle(lehrer ? u"Springe zur Lückennummer..."_s
                              : u"Springe zur leeren Lücke..."_s);
}

void TFLueckentest::geleertZeigen()
{
    // Ein neuer leerer Text nimmt die Schrift des Textfeldes an.
    sitz.dokument().setDefaultFont(re1->font());
    re1->dokumentZeigen(&sitz.dokument());
    re1->setFont(QFont(u"MS Sans Serif"_s, 12));
    re2->clear();
    re2->hide();
    LBoxLWSchAL->clear();
    LBoxLWSchEL->clear();
    LBoxLWSchFL->clear();
    LBSchAuswahl->clear();
    LBSchAuswahlEL->clear();
    sprungGruppeSetzen(0);
}

void TFLueckentest::dokumentZeigen()
{
    re1->dokumentZeigen(&sitz.dokument());
}

bool TFLueckentest::neuerTest(const QString &urdateiPfad)
{
    aufbauen();
    if (!sitz.neuerTest(urdateiPfad)) {
        return false;
    }
    re1->setFocus();
    return true;
}

bool TFLueckentest::testOeffnen(const QString &urdateiPfad)
{
    aufbauen();
    return sitz.testOeffnen(urdateiPfad);
}

void TFLueckentest::BUrdateiSpeichernClick()
{
    sitz.urdateiSpeichern();
}

void TFLueckentest::BUrdateiLadenClick()
{
    sitz.urdateiLaden();
}

void TFLueckentest::listenFuellen()
{
    const LueckenListen &listen = sitz.listen;
    if (!sitz.lehrer()) {
        // Schueleransicht: alle A-Woerter und die Einzellisten-Woerter der Schuelerdatei.
        LBoxLWSchAL->addItems(sitz.schuelerAWoerter);
        LBoxLWSchEL->addItems(listen.eWoerter);
        sprungGruppeSetzen(listen.anzahl);
        offeneLueckenAnzeigen();
        navigationFaerben();
        return;
    }
    LBoxLWSchAL->clear();
    LBoxLWSchEL->clear();
    LBoxLWSchFL->clear();
    const int anzahl = sitz.gezaehlteLuecken();
    for (int n = 1; n <= anzahl; ++n) {
        const LueckenEintrag &eintrag = listen.tabelle[n];
        if (eintrag.art == kArtA) {
            LBoxLWSchAL->addItem(eintrag.wort);
        } else if (eintrag.art == kArtF) {
            LBoxLWSchFL->addItem(eintrag.wort);
        } else if (eintrag.art == kArtE) {
            LBoxLWSchEL->addItem(eintrag.wort);
            LBoxLWSchEL->addItems(falscheAlternativen(eintrag));
        }
    }
    sprungGruppeSetzen(anzahl);
}

void TFLueckentest::sprungGruppeSetzen(int anzahl)
{
    for (QAbstractButton *b : sprung->buttons()) {
        sprung->removeButton(b);
        delete b;
    }
    for (int k = 0; k < anzahl; ++k) {
        auto *b = new QRadioButton(QString::number(k), RG_LW_Nr);
        sprung->addButton(b, k);
        sprungRaster->addWidget(b, k / 16, k % 16);
        b->show();
    }
}

void TFLueckentest::offeneLueckenAnzeigen()
{
    const int offen = int(sprung->buttons().size());
    LNochLueckenOffen->setText(offen == 0
                                   ? u"Geschafft: Alle Lücken gefüllt!"_s
                                   : u"Noch "_s + QString::number(offen) + u"  Lücken offen!"_s);
}

void TFLueckentest::BSchuelerTestDateiErzeugenClick()
{
    sitz.schuelerdateiErzeugen();
}

void TFLueckentest::BSchTestBenotenClick()
{
    const std::unique_ptr<QTextDocument> benotet = sitz.benoten(e.programmOrdner);
    if (!benotet) {
        return;
    }
    re2->setDocument(benotet->clone(re2));
    re2->show();
    if (auto *teiler = qobject_cast<QSplitter *>(re2->parentWidget())) {
        const int breite = teiler->width();
        teiler->setSizes({breite / 2, breite - breite / 2});
    }
}

void TFLueckentest::BEndeClick()
{
    if (sitz.speicherAbfrage(true)) {
        emit programmBeenden();
    }
}

void TFLueckentest::keyPressEvent(QKeyEvent *ev)
{
    if (!lehrerTaste(ev)) {
        QWidget::keyPressEvent(ev);
    }
}

void TFLueckentest::closeEvent(QCloseEvent *ev)
{
    if (!sitz.speicherAbfrage(true)) {
        ev->ignore();
        return;
    }
    ev->accept();
    emit zurTestauswahl();
}

void TFLueckentest::mousePressEvent(QMouseEvent *ev)
{
    auswahlSchliessen();
    QWidget::mousePressEvent(ev);
}

void TFLueckentest::auswahlSchliessen()
{
    GBoxAuswahlLW->hide();
    EEinzelListenFenster->hide();
    PRoteLinie->hide();
    offeneLuecke = 0;
    alternativenLuecke = 0;
}
