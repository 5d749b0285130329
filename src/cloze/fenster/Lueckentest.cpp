#include "cloze/fenster/Lueckentest.h"

#include "app/fenster/Skalierung.h"
#include "app/konfiguration.h"
#include "authoring/aufgaben.h"
#include "cloze/fenster/LueckenEdit.h"
#include "cloze/lueckenbenotung.h"
#include "common/ordner.h"
#include "common/rtf/rtf.h"
#include "common/rueckfragen.h"
#include "conduct/normtabelle.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
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
#include <QTextBlock>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFLueckentest::TFLueckentest(const Einstellungen &e, Rueckfragen &r, QWidget *eltern)
    : QWidget(eltern)
    , e(e)
    , r(r)
{
    setObjectName(u"FLueckentest"_s);
    setWindowTitle(u"Mivo-Zuzovuvavev - Lückentest"_s);
}

void TFLueckentest::aufbauen()
{
    // Die Steuerelemente entstehen beim ersten Zeigen oder Oeffnen, nicht beim Programmstart.
    if (aufgebaut) {
        return;
    }
    aufgebaut = true;
    oberflaecheAufbauen();
    leeren();
    modusSetzen(Modus::Text);
    fensterSkalieren(this, skalierung);
}

void TFLueckentest::setVisible(bool sichtbar)
{
    if (sichtbar) {
        aufbauen();
    }
    QWidget::setVisible(sichtbar);
}

QString TFLueckentest::ordnerDatei(const QString &name) const
{
    return QFileInfo(urdatei).absolutePath() + u'/' + name;
}

void TFLueckentest::modusSetzen(Modus m)
{
    // Nach der Textbearbeitung stehen die Lücken woanders: Tabelle und Listen neu.
    if (m == Modus::Luecken && modusWert == Modus::Text && ansichtWert == Ansicht::Lehrer) {
        modusWert = m;
        listenFuellen();
    }
    modusWert = m;
    const bool schueler = ansichtWert == Ansicht::Schueler;
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
    const bool lehrer = ansichtWert == Ansicht::Lehrer;
    const bool pfad = !urdatei.isEmpty();
    BUrdateiSpeichern->setEnabled(pfad && lehrer && modusWert != Modus::Schuelertest);
    BUrdateiLaden->setEnabled(pfad);
    BSchuelerTestDateiErzeugen->setEnabled(pfad);
    BSchTestDateiDarstellen->setEnabled(pfad);
    BSchuelertestdateiSpeichern->setEnabled(pfad && !lehrer);
    BSchTestBenoten->setEnabled(pfad);
    for (QPushButton *b : {BAuswahlLW, BFreiesLW, BEinzellistenLW, BLueckeEntfernen}) {
        b->setEnabled(lehrer && modusWert == Modus::Luecken);
        b->setVisible(lehrer);
    }
    LNochLueckenOffen->setVisible(!lehrer);
    RG_LW_Nr->setTitle(lehrer ? u"Springe zur Lückennummer..."_s
                              : u"Springe zur leeren Lücke..."_s);
}

void TFLueckentest::leeren()
{
    laedt = true;
    re1->neuesDokument();
    re1->setFont(QFont(u"MS Sans Serif"_s, 12));
    laedt = false;
    re2->clear();
    re2->hide();
    probeText.reset();
    eintraegeGeaendert = false;
    listen = LueckenListen{};
    schuelerAWoerter.clear();
    LBoxLWSchAL->clear();
    LBoxLWSchEL->clear();
    LBoxLWSchFL->clear();
    LBSchAuswahl->clear();
    LBSchAuswahlEL->clear();
    sprungGruppeSetzen(0);
    geaendert = false;
    ansichtWert = Ansicht::Lehrer;
}

bool TFLueckentest::ungespeichertesKlaeren(bool speichernAnbieten)
{
    if (ansichtWert == Ansicht::Schueler) {
        if (!eintraegeGeaendert) {
            return true;
        }
        const auto k = r.frage(Rueckfragen::Art::Frage,
                               u"Die Einträge des Schülertests sind noch nicht gespeichert.\n"
                               "Sollen sie jetzt gespeichert werden?"_s,
                               Rueckfragen::Knoepfe::JaNeinAbbruch);
        if (k == Rueckfragen::Knopf::Ja) {
            return ausgefuelltSchreiben();
        }
        return k == Rueckfragen::Knopf::Nein;
    }
    if (!geaendert) {
        return true;
    }
    if (speichernAnbieten) {
        const auto k = r.frage(Rueckfragen::Art::Frage,
                               u"Der Lückentext wurde seit dem letzten Speichern verändert.\n"
                               "Soll die Urdatei jetzt gespeichert werden?"_s,
                               Rueckfragen::Knoepfe::JaNeinAbbruch);
        if (k == Rueckfragen::Knopf::Ja) {
            return urdateiSchreiben();
        }
        return k == Rueckfragen::Knopf::Nein;
    }
    return r.frage(Rueckfragen::Art::Frage,
                   u"Der Lückentext wurde seit dem letzten Speichern verändert.\n"
                   "Sollen die Änderungen verworfen werden?"_s,
                   Rueckfragen::Knoepfe::JaNein) == Rueckfragen::Knopf::Ja;
}

bool TFLueckentest::neuerTest(const QString &urdateiPfad)
{
    aufbauen();
    if (!ungespeichertesKlaeren(true)) {
        return false;
    }
    leeren();
    urdatei = urdateiPfad;
    urdateiBekannt = false;
    modusSetzen(Modus::Text);
    re1->setFocus();
    return true;
}

bool TFLueckentest::testOeffnen(const QString &urdateiPfad)
{
    aufbauen();
    if (!ungespeichertesKlaeren(true)) {
        return false;
    }
    urdatei = urdateiPfad;
    geaendert = false;
    BUrdateiLadenClick();
    return true;
}

bool TFLueckentest::urdateiSchreiben()
{
    // In der Probe (F4) stehen Probeeintraege auf dem Schirm: gespeichert wird der Lehrertext,
    // wie er vor F4 war, nie ein Eintrag als richtige Loesung.
    const bool probe = probeText != nullptr;
    LueckenListen &quelle = probe ? probeListen : listen;
    QString fehler;
    const auto ur = urdateiErzeugen(probe ? *probeText : *re1->document(), quelle.tabelle, fehler);
    if (!ur) {
        r.fehler(fehler);
        return false;
    }
    // Ein neuer Test überschreibt keine vorhandene Urdatei ohne Rückfrage.
    if (!urdateiBekannt && QFileInfo::exists(urdatei) &&
        r.frage(Rueckfragen::Art::Frage,
                u"Die Urdatei "_s + urdatei +
                    u" gibt es schon.\nSoll sie durch den neuen Text ersetzt werden?"_s,
                Rueckfragen::Knoepfe::JaNein) != Rueckfragen::Knopf::Ja) {
        return false;
    }
    const QString ordner = QFileInfo(urdatei).absolutePath();
    if (!QDir().mkpath(ordner)) {
        r.fehler(u"Der Ordner "_s + ordner + u" lässt sich nicht anlegen."_s);
        return false;
    }
    fehler = rtfDateiSpeichern(urdatei, *ur);
    if (!fehler.isEmpty()) {
        r.fehler(fehler);
        return false;
    }
    geaendert = false;
    urdateiBekannt = true;
    if (!probe) {
        listenFuellen();
    }
    return true;
}

void TFLueckentest::BUrdateiSpeichernClick()
{
    if (ansichtWert != Ansicht::Lehrer || modusWert == Modus::Schuelertest) {
        r.warnung(u"Die Urdatei lässt sich nur in der Lehreransicht speichern, nicht im "
                  "Schülertest: sonst würden die Einträge als richtige Lösungen gespeichert."_s);
        return;
    }
    // Gespeichert zeigt das Fenster die Urdatei, wie sie jetzt liegt: Lückenbearbeitung.
    if (urdateiSchreiben()) {
        BUrdateiLadenClick();
    }
}

bool TFLueckentest::dateiDarstellen(const QString &datei, Auswertung auswerten)
{
    leeren();
    QTextDocument geladen;
    QString fehler = rtfDateiLaden(datei, geladen);
    LueckenListen neu;
    if (fehler.isEmpty()) {
        fehler = auswerten(geladen, neu, datei);
    }
    if (!fehler.isEmpty()) {
        r.fehler(fehler);
        modusSetzen(Modus::Text);
        return false;
    }
    laedt = true;
    re1->dokumentSetzen(geladen.clone(re1));
    laedt = false;
    listen = std::move(neu);
    return true;
}

void TFLueckentest::BUrdateiLadenClick()
{
    if (!ungespeichertesKlaeren(false)) {
        return;
    }
    if (!dateiDarstellen(urdatei, &lehreransichtAusUrdatei)) {
        return;
    }
    ansichtWert = Ansicht::Lehrer;
    geaendert = false;
    urdateiBekannt = true;
    listenFuellen();
    modusSetzen(Modus::Luecken);
}

void TFLueckentest::listenFuellen()
{
    LBoxLWSchAL->clear();
    LBoxLWSchEL->clear();
    LBoxLWSchFL->clear();
    const int anzahl = lueckenAlleNeuBestimmen(*re1->document(), listen.tabelle);
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
    if (!ungespeichertesKlaeren(true)) {
        return;
    }
    QTextDocument ur;
    QString fehler = rtfDateiLaden(urdatei, ur);
    std::unique_ptr<QTextDocument> sch;
    if (fehler.isEmpty()) {
        sch = schuelerdateiErzeugen(ur, urdatei, fehler);
    }
    if (sch) {
        fehler = rtfDateiSpeichern(ordnerDatei(kSchuelerdateiName), *sch);
    }
    if (!fehler.isEmpty()) {
        r.fehler(fehler);
        return;
    }
    r.information(u"Die Schülertestdatei "_s + ordnerDatei(kSchuelerdateiName) +
                  u" wurde erzeugt."_s);
}

void TFLueckentest::BSchTestBenotenClick()
{
    if (!ungespeichertesKlaeren(true)) {
        return;
    }
    QTextDocument ur;
    QTextDocument aus;
    QString fehler = rtfDateiLaden(urdatei, ur);
    if (fehler.isEmpty()) {
        fehler = rtfDateiLaden(ordnerDatei(kAusgefuelltName), aus);
    }
    if (!fehler.isEmpty()) {
        r.fehler(fehler);
        return;
    }
    // Die Normtabelle des Fachs, sonst die Standardanteile.
    const QString kuerzel = QFileInfo(urdatei).fileName();
    const QString normPfad =
        kuerzel.size() > 2 ? normtabelleVorschlag(e.programmOrdner, kuerzel[2]) : QString();
    // Die Notenzeile nennt die Tabelle, nach der wirklich benotet wurde.
    Normtabelle norm = standardNormtabelle();
    QString tabelle;
    if (istGewoehnlicheDatei(normPfad)) {
        SammelRueckfragen gelesen;
        norm = normTabelleEinlesen(normPfad, gelesen);
        for (const QString &t : gelesen.texte) {
            r.warnung(t);
        }
        if (gelesen.texte.isEmpty()) {
            tabelle = QFileInfo(normPfad).fileName();
        }
    }
    const LueckenBenotung b =
        lueckentestBenoten(ur, urdatei, aus, ordnerDatei(kAusgefuelltName), norm, tabelle);
    if (!b.fehler.isEmpty()) {
        r.fehler(b.fehler);
        return;
    }
    fehler = rtfDateiSpeichern(ordnerDatei(kBenotetName), *b.dokument);
    if (!fehler.isEmpty()) {
        r.fehler(fehler);
        return;
    }
    if (ansichtWert == Ansicht::Schueler) {
        ansichtWert = Ansicht::Lehrer;
        BUrdateiLadenClick();
    }
    re2->setDocument(b.dokument->clone(re2));
    re2->show();
    if (auto *teiler = qobject_cast<QSplitter *>(re2->parentWidget())) {
        const int breite = teiler->width();
        teiler->setSizes({breite / 2, breite - breite / 2});
    }
}

void TFLueckentest::BEndeClick()
{
    if (ungespeichertesKlaeren(true)) {
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
    if (!ungespeichertesKlaeren(true)) {
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
