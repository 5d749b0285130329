#include "app/fenster/KonfigFenster.h"

#include "app/fenster/Eingabetaste.h"
#include "common/oeffner.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/uhr.h"
#include "settings/konfigtexte.h"
#include "settings/konfiguration.h"
#include "widgets/Skalierung.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {
const QString crlf = u"\r\n"_s;
}

TFormKonf::TFormKonf(Umgebung &umgebung, QWidget *eltern)
    : QDialog(eltern)
    , u(umgebung)
    , logik(umgebung.e, umgebung.k, umgebung.r)
{
    setObjectName(u"FormKonf"_s);
    setWindowTitle(u"Mivo-Zuzovuvavev: Konfiguration für Testfunktionen"_s);
    setModal(false);

    // Aktivierung bei jedem Wechsel aus einem anderen Fenster dieses Programms; nach eigenen
    // Meldungen und Dateidialogen nicht, sonst gingen Eingaben in den Feldern verloren.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *neu) {
        if (!neu) {
            return; // z. B. ein Dateidialog des Systems
        }
        const bool vonAnderemFenster =
            letztesFenster && letztesFenster != neu && letztesFenster->modality() == Qt::NonModal;
        letztesFenster = neu;
        if (neu != windowHandle() || !isVisible() || !vonAnderemFenster) {
            return;
        }
        if (aktivierungErledigt) {
            aktivierungErledigt = false;
            return;
        }
        FormActivate();
    });
}

void TFormKonf::aufbauen()
{
    // Die Steuerelemente entstehen beim ersten Oeffnen, nicht beim Programmstart.
    if (aufgebaut) {
        return;
    }
    aufgebaut = true;
    oberflaecheAufbauen();
    fensterSkalieren(this, fensterSkalierung(this, Fensterfamilie::Standard));

    connect(RadioButton1, &QRadioButton::clicked, this, [this] { RadioButton1Click(true); });
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { RadioButton2Click(true); });
    connect(RadioButton3, &QRadioButton::clicked, this, [this] { RadioButton3Click(true); });
    connect(BGo1, &QPushButton::clicked, this, &TFormKonf::BGo1Click);
    connect(BGo2, &QPushButton::clicked, this, &TFormKonf::BGo2Click);
    connect(BGo3, &QPushButton::clicked, this, &TFormKonf::BGo3Click);
    connect(BOK, &QPushButton::clicked, this, &TFormKonf::BOKClick);
    connect(BAbbrechen, &QPushButton::clicked, this, &QWidget::hide);
    connect(EAusgabeOrdner, &QLineEdit::textChanged, ERueckgabeOrdner, &QLineEdit::setText);
    connect(BMivoProgrammOrdnerAussuchen, &QPushButton::clicked, this,
            [this] { aussuchen(EMivoProgrammOrdner, true); });
    connect(BAusgabeOrdnerAussuchen, &QPushButton::clicked, this,
            [this] { aussuchen(EAusgabeOrdner, false); });
    connect(BAbgabeOrdnerAussuchen, &QPushButton::clicked, this,
            [this] { aussuchen(EAbgabeOrdner, false); });
    connect(BRueckgabeOrdnerAussuchen, &QPushButton::clicked, this,
            [this] { aussuchen(ERueckgabeOrdner, false); });
}

void TFormKonf::setVisible(bool sichtbar)
{
    if (sichtbar) {
        aufbauen();
    }
    QDialog::setVisible(sichtbar);
}

KonfigFelder TFormKonf::felder() const
{
    if (!aufgebaut) {
        return {};
    }
    return {EMivoProgrammOrdner->text(), EAusgabeOrdner->text(), EAbgabeOrdner->text(),
            ERueckgabeOrdner->text(), ESchuelerOrdner->text()};
}

void TFormKonf::felderSetzen(const KonfigFelder &f)
{
    EMivoProgrammOrdner->setText(f.mivoProgrammOrdner);
    EAusgabeOrdner->setText(f.ausgabe);
    EAbgabeOrdner->setText(f.abgabe);
    ERueckgabeOrdner->setText(f.rueckgabe);
    ESchuelerOrdner->setText(f.schueler);
}

void TFormKonf::setzeMivoProgrammOrdner(const QString &ordner)
{
    aufbauen();
    EMivoProgrammOrdner->setText(ordner);
}

int TFormKonf::bestaetigung() const
{
    if (!aufgebaut) {
        return 0;
    }
    return PGespeichert1->isVisibleTo(this)   ? 1
           : PGespeichert2->isVisibleTo(this) ? 2
           : PGespeichert3->isVisibleTo(this) ? 3
                                              : 0;
}

void TFormKonf::oeffnen()
{
    aufbauen();
    aktivierungErledigt = true;
    if (!isVisible()) {
        show();
        FormShow();
    }
    raise();
    activateWindow();
    FormActivate();
}

void TFormKonf::menueBefehl()
{
    oeffnen();
    if (u.e.ordnerkonfiguration == u"1"_s) {
        BGo1Click();
    }
}

void TFormKonf::zuruecksetzen(QRadioButton *behalten)
{
    for (QPushButton *b : {BGo1, BGo2, BGo3, BMivoProgrammOrdnerAussuchen, BAusgabeOrdnerAussuchen,
                           BAbgabeOrdnerAussuchen, BRueckgabeOrdnerAussuchen}) {
        b->setEnabled(false);
    }
    for (QLineEdit *e :
         {EMivoProgrammOrdner, EAusgabeOrdner, EAbgabeOrdner, ERueckgabeOrdner, ESchuelerOrdner}) {
        e->setEnabled(false);
    }
    bestaetigungZeigen(0);
    gruppe->setExclusive(false);
    for (QRadioButton *r : {RadioButton1, RadioButton2, RadioButton3}) {
        r->setChecked(r == behalten);
    }
    gruppe->setExclusive(true);
}

void TFormKonf::FormShow()
{
    zuruecksetzen(nullptr);
}

void TFormKonf::bestaetigungZeigen(int n)
{
    PGespeichert1->setVisible(n == 1);
    PGespeichert2->setVisible(n == 2);
    PGespeichert3->setVisible(n == 3);
}

void TFormKonf::auswaehlen(int n)
{
    switch (n) {
    case 1:
        RadioButton1->setChecked(true);
        RadioButton1Click(false);
        break;
    case 2:
        RadioButton2->setChecked(true);
        RadioButton2Click(false);
        break;
    case 3:
        RadioButton3->setChecked(true);
        RadioButton3Click(false);
        break;
    default:
        break;
    }
}

void TFormKonf::FormActivate()
{
    const QString lehrerCf = u.e.lehrerCfDatei();
    int n = konfigurationsNummer(u.k.leseAusDateiDenOrdner(lehrerCf, Kopf::ordnerkonfiguration));
    if (n > 0) {
        u.e.ordnerkonfiguration = QString::number(n);
    }
    const QString ordner = u.k.leseAusDateiDenOrdner(lehrerCf, Kopf::programmOrdner);
    EMivoProgrammOrdner->setText(ordner);
    u.e.schuelerCfDatei = ordner;

    bool schonGewaehlt = false;
    if (!istEchterOrdner(ordner)) {
        EMivoProgrammOrdner->setText(u.e.basisOrdner + kSchulserverOrdnerName + kTrenner);
        auswaehlen(1);
        u.e.schulKonfigFehlt = false;
        bestaetigungZeigen(1);
        KonfigFelder f = felder();
        logik.UebergabeOrdnerLesenUndZeigen(f);
        felderSetzen(f);
        if (ordner.isEmpty()) {
            u.r.information(KonfigText::nochKeineKonfiguration());
        } else {
            u.r.warnung(KonfigText::ordnerNichtGefunden());
        }
        n = 1;
        schonGewaehlt = true;
    }
    if (n > 0) {
        if (!schonGewaehlt) {
            auswaehlen(n);
        }
        bestaetigungZeigen(n);
    }
    einrichtungsMarke = true;
    u.e.ordnerkonfiguration = QString::number(n);

    KonfigFelder f = felder();
    logik.UebergabeOrdnerLesenUndZeigen(f);
    felderSetzen(f);
    logik.transferOrdnerErstellen(f);
}

void TFormKonf::RadioButton1Click(bool benutzer)
{
    if (u.e.ordnerkonfiguration == u"1"_s && einrichtungsMarke) {
        return;
    }
    const KonfigFelder f = logik.felderKonfiguration1();
    felderSetzen(f);
    logik.transferOrdnerErstellen(f);
    logik.Konf1oder3Speichern(f, 1);
    zuruecksetzen(RadioButton1);
    BGo1->setEnabled(true);
    if (benutzer) {
        u.r.information(KonfigText::hinweis1());
    }
    BGo1->setFocus();
}

void TFormKonf::RadioButton2Click(bool benutzer)
{
    zuruecksetzen(RadioButton2);
    EMivoProgrammOrdner->setEnabled(true);
    BMivoProgrammOrdnerAussuchen->setEnabled(true);
    // Beim Aktivieren bleibt der gespeicherte (vorhandene) Ordner stehen: die Vorgabe des
    // Administrators wuerde sonst Mivo-cf.txt dort suchen, davor warnen und Durchfuehrung und
    // Rueckgabe sperren, obwohl die Konfiguration in Ordnung ist.
    const QString ordner = benutzer ? kAdminVorgabeOrdner : EMivoProgrammOrdner->text();
    felderSetzen({ordner, {}, {}, {}, {}});
    if (benutzer) {
        u.r.information(KonfigText::hinweis2());
    }
    BGo2->setEnabled(true);
    BGo2->setFocus();
}

void TFormKonf::RadioButton3Click(bool benutzer)
{
    zuruecksetzen(RadioButton3);
    for (QLineEdit *e :
         {EMivoProgrammOrdner, EAusgabeOrdner, EAbgabeOrdner, ERueckgabeOrdner, ESchuelerOrdner}) {
        e->setEnabled(true);
    }
    for (QPushButton *b : {BMivoProgrammOrdnerAussuchen, BAusgabeOrdnerAussuchen,
                           BAbgabeOrdnerAussuchen, BRueckgabeOrdnerAussuchen}) {
        b->setEnabled(true);
    }
    ESchuelerOrdner->setText(kSchuelerLaufwerkVorgabe);
    if (benutzer) {
        u.r.information(KonfigText::hinweis3());
    }
    BGo3->setEnabled(true);
    BGo3->setFocus();
}

void TFormKonf::aussuchen(QLineEdit *feld, bool neuerOrdnerErlaubt)
{
    const QString gewaehlt = u.r.ordnerWaehlen(u"Ordner aussuchen"_s, feld->text());
    if (gewaehlt.isEmpty()) {
        return;
    }
    if (!istEchterOrdner(gewaehlt)) {
        if (!neuerOrdnerErlaubt) {
            u.r.fehler(u"Das Verzeichnis   "_s + gewaehlt + u"   existiert nicht!"_s);
            return;
        }
        if (u.r.frage(Rueckfragen::Art::Frage,
                      u"Der Ordner  "_s + gewaehlt + u"  existiert noch nicht."_s + crlf +
                          u"Soll er angelegt werden?"_s,
                      Rueckfragen::Knoepfe::JaNein) != Rueckfragen::Knopf::Ja) {
            return;
        }
        if (!ordnerAnlegen(gewaehlt)) {
            u.r.fehler(u"Das Verzeichnis  "_s + gewaehlt + u"  kann nicht erstellt werden!"_s);
            return;
        }
    }
    feld->setText(mitTrenner(gewaehlt));
}

void TFormKonf::BGo1Click()
{
    u.e.ordnerkonfiguration = u"1"_s;
    u.e.speicherErfolg = true;
    if (!einrichtungsMarke) {
        logik.Konf1oder3Speichern(felder(), 1);
    }
    if (!u.e.speicherErfolg) {
        u.r.fehler(KonfigText::speicherProbleme);
        return;
    }
    KonfigFelder f = felder();
    logik.UebergabeOrdnerLesenPruefenUndZeigen(f);
    felderSetzen(f);
    logik.BeispielDateienInDenAktSchuljahresOrdnerkopieren(u.uhr.heute());
    u.e.schulKonfigFehlt = false;
    bestaetigungZeigen(1);

    const Rueckfragen::Knopf antwort = u.r.frage(
        Rueckfragen::Art::Frage, KonfigText::probelaufFrage(), Rueckfragen::Knoepfe::JaNeinAbbruch);
    if (antwort == Rueckfragen::Knopf::Ja) {
        const QString anleitung = u.e.programmOrdner + kProbelaufAnleitung;
        if (!istGewoehnlicheDatei(anleitung) || !u.o.oeffnen(anleitung)) {
            u.r.warnung(u"Die Datei  Mivo-Probetestanleitung.pdf  wurde nicht gefunden!"_s);
        }
    }
    if (antwort == Rueckfragen::Knopf::Ja || antwort == Rueckfragen::Knopf::Nein) {
        probelaufStarten();
    }
}

void TFormKonf::probelaufStarten()
{
    const QString mivo = schuelerProgrammDatei(u.e);
    hide();
    emit modusGewuenscht(kModusDurchfuehrung, false);
    if (!istGewoehnlicheDatei(mivo)) {
        u.r.fehler(u"Das Schülertestprogramm  Mivo  wurde nicht gefunden:"_s + crlf + u"     "_s +
                   mivo + crlf + crlf +
                   u"Ohne das Schülerprogramm kann der Probetestlauf nicht stattfinden. Kopieren "_s
                   u"Sie es in den Ordner  "_s +
                   kSchulserverOrdnerName + u"  des Basisordners."_s);
        return;
    }
    u.r.information(KonfigText::probelaufStart());
    // Mivo startet als Symbol; das Lehrerprogramm bleibt vorn.
    QStringList argumente{u"--minimiert"_s};
    // Das mitgelieferte Mivo liegt nicht neben seiner Mivo-cf.txt.
    const QString eigenerOrdner = u.e.programmOrdner + kSchulserverOrdnerName + kTrenner;
    if (!mivo.startsWith(eigenerOrdner)) {
        argumente << u"--ordner"_s << eigenerOrdner;
    }
    if (!u.o.programmStarten(mivo, argumente)) {
        u.r.fehler(u"Das Schülertestprogramm  "_s + mivo + u"  ließ sich nicht starten."_s);
        return;
    }
    QTimer::singleShot(probelaufWartezeitMs, this, [this] {
        QWidget *haupt = parentWidget();
        QWidget *vorn = (haupt && haupt->isVisible()) ? haupt : QApplication::activeWindow();
        if (vorn) {
            vorn->raise();
            vorn->activateWindow();
        }
        u.r.information(KonfigText::probelaufGut());
    });
}

void TFormKonf::BGo2Click()
{
    u.e.ordnerkonfiguration = u"2"_s;
    KonfigFelder f = felder();
    logik.UebergabeOrdnerLesenPruefenUndZeigen(f);
    felderSetzen(f);
    u.e.speicherErfolg = true;
    logik.Konf2Speichern(f);
    if (!u.e.speicherErfolg) {
        u.r.fehler(KonfigText::speicherProbleme);
        return;
    }
    u.e.schulKonfigFehlt = false;
    bestaetigungZeigen(2);
}

void TFormKonf::BGo3Click()
{
    u.e.ordnerkonfiguration = u"3"_s;
    u.e.speicherErfolg = true;
    const KonfigFelder f = felder();
    logik.Konf1oder3Speichern(f, 3);
    if (!u.e.speicherErfolg) {
        u.r.fehler(KonfigText::speicherProbleme);
        return;
    }
    logik.schuelerprogrammInNeuenOrdnerKopieren(f.mivoProgrammOrdner);
    u.e.schuelerCfDatei = mitTrenner(f.mivoProgrammOrdner) + kSchuelerCfName;
    logik.transferOrdnerErstellen(f);
    u.e.schulKonfigFehlt = false;
    bestaetigungZeigen(3);
    u.r.information(KonfigText::installation3Fertig());
}

void TFormKonf::BOKClick()
{
    if (bestaetigung() != 0) {
        hide();
        return;
    }
    if (u.r.frage(Rueckfragen::Art::Frage, KonfigText::okOhneGo(), Rueckfragen::Knoepfe::JaNein) ==
        Rueckfragen::Knopf::Ja) {
        hide();
    }
}

void TFormKonf::keyPressEvent(QKeyEvent *e)
{
    if (!eingabetasteDruecktFokusknopf(this, e)) {
        QDialog::keyPressEvent(e);
    }
}
