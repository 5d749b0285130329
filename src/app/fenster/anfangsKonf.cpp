#include "app/fenster/anfangsKonf.h"

#include "app/fenster/Eingabetaste.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFormAnfangsKonf::TFormAnfangsKonf(Umgebung &umgebung, QWidget *eltern)
    : QDialog(eltern)
    , u(umgebung)
    , logik(umgebung.e, umgebung.k, umgebung.r)
{
    setObjectName(u"FormAnfangsKonf"_s);
    setWindowTitle(u"Mivo-Zuzovuvavev: Grundlegende Konfiguration"_s);
    setModal(false);
}

void TFormAnfangsKonf::setVisible(bool sichtbar)
{
    if (sichtbar) {
        aufbauen();
    }
    QDialog::setVisible(sichtbar);
}

void TFormAnfangsKonf::aufbauen()
{
    // Die Steuerelemente entstehen beim ersten Zeigen, nicht beim Programmstart.
    if (ESchulName) {
        return;
    }
    auto *kopf = new QLabel(u"Mivo-Zuzovuvavev:  Anfangskonfiguration"_s, this);
    kopf->setObjectName(u"LUeberschrift"_s);
    QFont f = font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    kopf->setFont(f);
    kopf->setStyleSheet(u"color: rgb(30, 50, 110);"_s);
    auto *anleitung = new QLabel(
        u"Besonders für die Testfunktionen ist es wichtig, die folgenden Angaben festzu-\n"_s
        u"legen bzw. zu kontrollieren (Der Lehrername darf keine Umlaute enthalten.):"_s,
        this);
    anleitung->setObjectName(u"LAnleitung"_s);

    ESchulName = new QLineEdit(this);
    ESchulName->setObjectName(u"ESchulName"_s);
    ESchulName->setMinimumWidth(380);
    ELehrerName = new QLineEdit(this);
    ELehrerName->setObjectName(u"ELehrerName"_s);
    ELehrerName->setToolTip(
        u"Geben Sie hier Ihren Nachnamen  ein (nur Buchstaben von A-Z und a-z, "_s
        u"also keine Umlaute, usw.)"_s);
    ELehrerName->setToolTipDuration(8000);
    auto *lSchule = new QLabel(u"Name der Schule"_s, this);
    auto *lLehrer = new QLabel(u"Nachname der Lehrkraft"_s, this);
    auto *lErklaerung = new QLabel(u"(wie ihn die Schüler im Testprogramm sehen sollen)"_s, this);
    lErklaerung->setStyleSheet(u"color: rgb(70, 70, 80);"_s);
    QFont fett = font();
    fett.setBold(true);
    lSchule->setFont(fett);
    lLehrer->setFont(fett);
    lSchule->setBuddy(ESchulName);
    lLehrer->setBuddy(ELehrerName);

    auto *felder = new QGridLayout;
    felder->setHorizontalSpacing(12);
    felder->addWidget(lSchule, 0, 0);
    felder->addWidget(ESchulName, 0, 1);
    felder->addWidget(lLehrer, 1, 0);
    felder->addWidget(ELehrerName, 1, 1);
    felder->addWidget(lErklaerung, 2, 1);

    BOK = new QPushButton(u"OK (Speichern)"_s, this);
    BOK->setObjectName(u"BOK"_s);
    BAbbrechen = new QPushButton(u"Abbrechen"_s, this);
    BAbbrechen->setObjectName(u"BAbbrechen"_s);
    for (QPushButton *b : {BOK, BAbbrechen}) {
        b->setAutoDefault(false);
        b->setMinimumHeight(32);
    }
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(BOK);
    knoepfe->addWidget(BAbbrechen);

    auto *gesamt = new QVBoxLayout(this);
    gesamt->setContentsMargins(20, 16, 20, 16);
    gesamt->setSpacing(12);
    gesamt->addWidget(kopf);
    gesamt->addWidget(anleitung);
    gesamt->addSpacing(6);
    gesamt->addLayout(felder);
    gesamt->addSpacing(6);
    gesamt->addLayout(knoepfe);

    connect(ELehrerName, &QLineEdit::editingFinished, this, &TFormAnfangsKonf::ELehrerNameExit);
    connect(BOK, &QPushButton::clicked, this, &TFormAnfangsKonf::BOKClick);
    connect(BAbbrechen, &QPushButton::clicked, this, &QWidget::hide);
}

void TFormAnfangsKonf::oeffnen()
{
    show();
    raise();
    activateWindow();
    const TestKonfiguration::Anfangswerte w = logik.anfangsKonfLaden();
    emit mivoProgrammOrdnerGelesen(w.mivoProgrammOrdner);
    ESchulName->setText(w.schulname);
    ELehrerName->setText(w.lehrername);
}

void TFormAnfangsKonf::ELehrerNameExit()
{
    ELehrerName->setText(lehrernameBereinigen(ELehrerName->text()));
}

void TFormAnfangsKonf::BOKClick()
{
    // Auch ohne Verlassen des Feldes (Tastenkuerzel) gilt die Namensregel.
    ELehrerNameExit();
    const QString schule = ESchulName->text();
    const QString lehrer = ELehrerName->text();
    hide();
    logik.anfangsKonfSpeichern(schule, lehrer);
    emit gespeichert();
}

void TFormAnfangsKonf::keyPressEvent(QKeyEvent *e)
{
    if (!eingabetasteDruecktFokusknopf(this, e)) {
        QDialog::keyPressEvent(e);
    }
}
