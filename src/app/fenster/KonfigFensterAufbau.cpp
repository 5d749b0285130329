// Aufbau des Dialogs "Konfiguration fuer Testfunktionen".
#include "app/fenster/KonfigFenster.h"
#include "settings/konfigtexte.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel *beschriftung(const QString &text, QWidget *eltern, bool umbrechen = true)
{
    auto *l = new QLabel(text, eltern);
    l->setWordWrap(umbrechen);
    return l;
}

QFont fett(QFont f, qreal faktor = 1.0)
{
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * faktor);
    return f;
}

} // namespace

void TFormKonf::oberflaecheAufbauen()
{
    auto *kopf = beschriftung(
        u"Konfiguration für die Testfunktionen: Durchführung, Benotung, Rückgabe"_s, this);
    kopf->setObjectName(u"LUeberschrift"_s);
    kopf->setFont(fett(font(), 1.35));
    kopf->setStyleSheet(u"color: rgb(30, 50, 110);"_s);
    auto *anleitung = beschriftung(u"1.  Den gewünschten runden Knopf anklicken,      2.  Ordner "_s
                                   u"festlegen,  dann       3.  \"Go\" anklicken."_s,
                                   this);
    anleitung->setObjectName(u"LAnleitung"_s);

    gruppe = new QButtonGroup(this);
    auto *konfigurationen = new QGridLayout;
    konfigurationen->setHorizontalSpacing(12);
    konfigurationen->setVerticalSpacing(8);
    const QString koepfe[3] = {u"Testfunktionen am heimischen PC ausprobieren"_s,
                               u"Konfiguration des Systemadministrators in der Schule nutzen"_s,
                               u"Selbstständige Mivo-Installation in der Schule:"_s};
    const QString erklaerungen[3] = {
        u"Ich möchte am heimischen PC parallel am Lehrer- und am Schüler-Programm arbeiten."_s,
        u"Der Systemadministrator hat  Mivo  für Schüler schon installiert. Mein Zuzovuvavev soll "_s
        u"mit diesem kommunizieren."_s,
        u"Ich möchte mein  Mivo-Programmpaket für Testfunktionen ohne Vorarbeit durch den "_s
        u"Systemadministrator einrichten."_s};
    const QString hinweise[3] = {KonfigText::hinweis1(), KonfigText::hinweis2(),
                                 KonfigText::hinweis3()};
    const QColor farben[3] = {QColor(240, 245, 240), QColor(220, 240, 250), QColor(255, 245, 230)};
    QRadioButton **radios[3] = {&RadioButton1, &RadioButton2, &RadioButton3};
    QPushButton **gos[3] = {&BGo1, &BGo2, &BGo3};
    QLabel **gespeichert[3] = {&PGespeichert1, &PGespeichert2, &PGespeichert3};
    for (int i = 0; i < 3; ++i) {
        const QString nr = QString::number(i + 1);
        auto *radio = new QRadioButton(this);
        radio->setObjectName(u"RadioButton"_s + nr);
        gruppe->addButton(radio, i + 1);
        *radios[i] = radio;

        auto *panel = new QFrame(this);
        panel->setObjectName(u"PKonf"_s + nr);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setAutoFillBackground(true);
        QPalette pal = panel->palette();
        pal.setColor(QPalette::Window, farben[i]);
        panel->setPalette(pal);
        panel->setToolTip(QString(hinweise[i]).replace(u"\r\n"_s, u"\n"_s));
        auto *panelLayout = new QVBoxLayout(panel);
        panelLayout->setContentsMargins(10, 6, 10, 6);
        auto *ueber = beschriftung(nr + u")  "_s + koepfe[i], panel);
        ueber->setFont(fett(font()));
        panelLayout->addWidget(ueber);
        panelLayout->addWidget(beschriftung(erklaerungen[i], panel));

        auto *go = new QPushButton(u"Go"_s, this);
        go->setObjectName(u"BGo"_s + nr);
        go->setMinimumSize(70, 40);
        go->setAutoDefault(false);
        *gos[i] = go;

        auto *ok = new QLabel(u"Konfiguration\ngespeichert!"_s, this);
        ok->setObjectName(u"PGespeichert"_s + nr);
        ok->setAlignment(Qt::AlignCenter);
        ok->setMinimumWidth(120);
        ok->setStyleSheet(u"QLabel { background: rgb(120, 200, 120); color: white; "_s
                          u"font-weight: bold; border-radius: 6px; padding: 4px; }"_s);
        QSizePolicy sp = ok->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        ok->setSizePolicy(sp);
        *gespeichert[i] = ok;

        konfigurationen->addWidget(radio, i, 0);
        konfigurationen->addWidget(panel, i, 1);
        konfigurationen->addWidget(go, i, 2);
        konfigurationen->addWidget(ok, i, 3);
    }
    konfigurationen->setColumnStretch(1, 1);

    auto *ordnerBox = new QGroupBox(u"Ordner"_s, this);
    ordnerBox->setObjectName(u"GBOrdner"_s);
    auto *ordner = new QGridLayout(ordnerBox);
    ordner->setHorizontalSpacing(8);
    struct Zeile
    {
        QLineEdit **feld;
        QPushButton **knopf;
        const char *feldName;
        const char *knopfName;
        QString label;
        QString bedeutung;
    };
    const Zeile zeilen[] = {
        {&EMivoProgrammOrdner, &BMivoProgrammOrdnerAussuchen, "EMivoProgrammOrdner",
         "BMivoProgrammOrdnerAussuchen", u"Mivo-Programm-Ordner:"_s,
         u"Hier liegt das Schülertestprogramm  Mivo.exe , das die Schüler bei Testbeginn aufrufen."_s},
        {&EAusgabeOrdner, &BAusgabeOrdnerAussuchen, "EAusgabeOrdner", "BAusgabeOrdnerAussuchen",
         u"Ausgabe-Ordner:"_s,
         u"Hier holt sich bei Testbeginn  Mivo   die Testkopie für den angemeldeten Schüler."_s},
        {&EAbgabeOrdner, &BAbgabeOrdnerAussuchen, "EAbgabeOrdner", "BAbgabeOrdnerAussuchen",
         u"Abgabe-Ordner:"_s,
         u"Hier landen die fertig ausgefüllten Tests bei der Abgabe.   "_s
         u"(benötigt Schreibrechte für Schüler !)"_s},
        {&ERueckgabeOrdner, &BRueckgabeOrdnerAussuchen, "ERueckgabeOrdner",
         "BRueckgabeOrdnerAussuchen", u"Rueckgabe-Ordner:"_s,
         u"Hier holt sich bei der Testrückgabe   Mivo  den benoteten Test für den angemeldeten Schüler."_s},
        {&ESchuelerOrdner, nullptr, "ESchuelerOrdner", nullptr, u"Schueler-Ordner:"_s,
         u"Das persönliche Laufwerk des Schülers für den benoteten Test  (für Lehrer in der "_s
         u"Ordnerstruktur nicht sichtbar)"_s},
    };
    const QString transfer = QString(KonfigText::transferHinweis()).replace(u"\r\n"_s, u"\n"_s);
    int z = 0;
    for (const Zeile &zeile : zeilen) {
        auto *l = beschriftung(zeile.label, ordnerBox, false);
        l->setFont(fett(font()));
        auto *feld = new QLineEdit(ordnerBox);
        feld->setObjectName(QString::fromLatin1(zeile.feldName));
        feld->setMinimumWidth(480);
        *zeile.feld = feld;
        l->setBuddy(feld);
        ordner->addWidget(l, z, 0);
        ordner->addWidget(feld, z, 1);
        if (zeile.knopf) {
            auto *b = new QPushButton(u"aussuchen"_s, ordnerBox);
            b->setObjectName(QString::fromLatin1(zeile.knopfName));
            b->setAutoDefault(false);
            *zeile.knopf = b;
            ordner->addWidget(b, z, 2);
        }
        // Die Bedeutung klein unter dem Feld.
        auto *bedeutung = beschriftung(zeile.bedeutung, ordnerBox, false);
        QFont klein = font();
        klein.setPointSizeF(klein.pointSizeF() * 0.9);
        bedeutung->setFont(klein);
        bedeutung->setStyleSheet(u"color: rgb(80, 80, 95);"_s);
        bedeutung->setContentsMargins(0, 0, 0, 8);
        ordner->addWidget(bedeutung, z + 1, 1, 1, 2);
        if (feld == EAusgabeOrdner || feld == EAbgabeOrdner || feld == ERueckgabeOrdner) {
            feld->setToolTip(transfer);
        }
        z += 2;
    }
    ordner->setColumnStretch(1, 1);
    ordner->setVerticalSpacing(2);

    BOK = new QPushButton(u"OK  (Konfiguration beenden)"_s, this);
    BOK->setObjectName(u"BOK"_s);
    BAbbrechen = new QPushButton(u"Abbrechen"_s, this);
    BAbbrechen->setObjectName(u"BAbbrechen"_s);
    for (QPushButton *b : {BOK, BAbbrechen}) {
        b->setAutoDefault(false);
        b->setMinimumHeight(34);
    }
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(BOK);
    knoepfe->addWidget(BAbbrechen);

    auto *gesamt = new QVBoxLayout(this);
    gesamt->setContentsMargins(18, 14, 18, 14);
    gesamt->setSpacing(10);
    gesamt->addWidget(kopf);
    gesamt->addWidget(anleitung);
    gesamt->addLayout(konfigurationen);
    gesamt->addWidget(ordnerBox);
    gesamt->addLayout(knoepfe);

    // Hinweise bleiben 100 Sekunden stehen.
    for (QWidget *w : findChildren<QWidget *>()) {
        if (!w->toolTip().isEmpty()) {
            w->setToolTipDuration(100000);
        }
    }
}
