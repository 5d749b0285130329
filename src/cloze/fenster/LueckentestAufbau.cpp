// Aufbau des Lückentest-Fensters: Kopfzeile, Text und Schülertext, Navigationslisten der
// Lückenarten, Sprungnummern, Auswahlkasten und Knopfleiste.
#include "cloze/fenster/LueckenEdit.h"
#include "cloze/fenster/Lueckentest.h"
#include "cloze/lueckendateien.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSplitter>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QPushButton *knopf(QWidget *eltern, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, eltern);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QListWidget *navigationsliste(QWidget *eltern, const char *name)
{
    auto *l = new QListWidget(eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setSortingEnabled(true);
    return l;
}

QLabel *kopf(QWidget *eltern, const QString &text, QChar art)
{
    auto *l = new QLabel(text, eltern);
    l->setAutoFillBackground(true);
    l->setStyleSheet(u"background-color: %1; padding: 2px;"_s.arg(lueckenHintergrund(art).name()));
    return l;
}

} // namespace

void TFLueckentest::oberflaecheAufbauen()
{
    auto *haupt = new QVBoxLayout(this);
    auto *kopfzeile = new QHBoxLayout;
    LTitel = new QLabel(this);
    LTitel->setObjectName(u"LTitel"_s);
    QFont f = LTitel->font();
    f.setPointSize(f.pointSize() + 4);
    f.setBold(true);
    LTitel->setFont(f);
    LModus = new QLabel(this);
    LModus->setObjectName(u"LModus"_s);
    LF1 = new QLabel(u"<F1>"_s, this);
    LF1->setObjectName(u"LF1"_s);
    LF1->setAutoFillBackground(true);
    LModus2 = new QLabel(this);
    LModus2->setObjectName(u"LModus2"_s);
    LNochLueckenOffen = new QLabel(this);
    LNochLueckenOffen->setObjectName(u"LNochLueckenOffen"_s);
    kopfzeile->addWidget(LTitel);
    kopfzeile->addSpacing(20);
    kopfzeile->addWidget(LModus);
    kopfzeile->addWidget(LF1);
    kopfzeile->addWidget(LModus2);
    kopfzeile->addStretch();
    kopfzeile->addWidget(LNochLueckenOffen);
    haupt->addLayout(kopfzeile);

    auto *mitte = new QHBoxLayout;
    auto *texte = new QSplitter(this);
    re1 = new LueckenEdit(texte);
    re1->setObjectName(u"re1"_s);
    re1->setContextMenuPolicy(Qt::CustomContextMenu);
    re2 = new QTextEdit(texte);
    re2->setObjectName(u"re2"_s);
    re2->setReadOnly(true);
    re2->hide();
    mitte->addWidget(texte, 3);

    PListeRechts = new QGroupBox(u"Lückenwörter: Übersicht/ Navigation"_s, this);
    PListeRechts->setObjectName(u"PListeRechts"_s);
    auto *rechts = new QVBoxLayout(PListeRechts);
    RG_LW_Nr = new QGroupBox(PListeRechts);
    RG_LW_Nr->setObjectName(u"RG_LW_Nr"_s);
    sprungRaster = new QGridLayout(RG_LW_Nr);
    sprungRaster->setSpacing(1);
    sprung = new QButtonGroup(this);
    rechts->addWidget(RG_LW_Nr);
    LBoxLWSchAL = navigationsliste(PListeRechts, "LBoxLWSchAL");
    LBoxLWSchEL = navigationsliste(PListeRechts, "LBoxLWSchEL");
    LBoxLWSchFL = navigationsliste(PListeRechts, "LBoxLWSchFL");
    rechts->addWidget(kopf(PListeRechts, u"Allgemeine Lückenwörter"_s, kArtA));
    rechts->addWidget(LBoxLWSchAL);
    rechts->addWidget(kopf(PListeRechts, u"Einzellisten-Lückenwörter"_s, kArtE));
    rechts->addWidget(LBoxLWSchEL);
    rechts->addWidget(kopf(PListeRechts, u"Freie Lückenwörter"_s, kArtF));
    rechts->addWidget(LBoxLWSchFL);
    mitte->addWidget(PListeRechts, 1);
    haupt->addLayout(mitte, 1);

    auto *registrieren = new QHBoxLayout;
    BAuswahlLW = knopf(this, "BAuswahlLW", u"Auswahl-Lückenwort"_s);
    BFreiesLW = knopf(this, "BFreiesLW", u"freies Lückenwort"_s);
    BEinzellistenLW = knopf(this, "BEinzellistenLW", u"Einzellisten-Lückenwort"_s);
    BLueckeEntfernen = knopf(this, "BLueckeEntfernen", u"Lücke entfernen"_s);
    BAuswahlLW->setToolTip(u"Das markierte Wort (oder das Wort am Cursor) als Lücke registrieren; "
                           "wie ein Klick auf das Wort"_s);
    BFreiesLW->setToolTip(u"Wie Strg+Klick auf das Wort"_s);
    BEinzellistenLW->setToolTip(u"Wie Strg+Alt+Klick auf das Wort"_s);
    for (QPushButton *b : {BAuswahlLW, BFreiesLW, BEinzellistenLW, BLueckeEntfernen}) {
        registrieren->addWidget(b);
    }
    registrieren->addStretch();
    haupt->addLayout(registrieren);

    auto *knoepfe = new QHBoxLayout;
    BUrdateiSpeichern = knopf(this, "BUrdateiSpeichern", u"Urdatei speichern"_s);
    BUrdateiLaden = knopf(this, "BUrdateiLaden", u"UrdateiLaden"_s);
    BSchuelerTestDateiErzeugen =
        knopf(this, "BSchuelerTestDateiErzeugen", u"Schülertestdatei erzeugen"_s);
    BSchTestDateiDarstellen = knopf(this, "BSchTestDateiDarstellen", u"SchTestDateiDarstellen"_s);
    BSchuelertestdateiSpeichern =
        knopf(this, "BSchuelertestdateiSpeichern", u"Schuelertestdatei Speichern"_s);
    BSchTestBenoten = knopf(this, "BSchTestBenoten", u"SchTest benoten"_s);
    BZurTestauswahl = knopf(this, "BZurTestauswahl", u"Zurück zur Testauswahl"_s);
    BEnde = knopf(this, "BEnde", u"Ende"_s);
    for (QPushButton *b : {BUrdateiSpeichern, BUrdateiLaden, BSchuelerTestDateiErzeugen,
                           BSchTestDateiDarstellen, BSchuelertestdateiSpeichern, BSchTestBenoten}) {
        knoepfe->addWidget(b);
    }
    knoepfe->addStretch();
    knoepfe->addWidget(BZurTestauswahl);
    knoepfe->addWidget(BEnde);
    haupt->addLayout(knoepfe);

    // Auswahlkasten und Eingabefeld schweben über dem Text.
    GBoxAuswahlLW = new QGroupBox(u"Auswahl eines Lückenwortes"_s, this);
    GBoxAuswahlLW->setObjectName(u"GBoxAuswahlLW"_s);
    GBoxAuswahlLW->setAutoFillBackground(true);
    auto *auswahl = new QVBoxLayout(GBoxAuswahlLW);
    LBSchAuswahl = navigationsliste(GBoxAuswahlLW, "LBSchAuswahl");
    LBSchAuswahlEL = navigationsliste(GBoxAuswahlLW, "LBSchAuswahlEL");
    auswahl->addWidget(LBSchAuswahl);
    auswahl->addWidget(LBSchAuswahlEL);
    GBoxAuswahlLW->resize(220, 200);
    GBoxAuswahlLW->hide();
    EEinzelListenFenster = new QLineEdit(this);
    EEinzelListenFenster->setObjectName(u"EEinzelListenFenster"_s);
    EEinzelListenFenster->setAlignment(Qt::AlignCenter);
    EEinzelListenFenster->installEventFilter(this);
    GBoxAuswahlLW->installEventFilter(this);
    re1->viewport()->installEventFilter(this);
    EEinzelListenFenster->hide();
    PRoteLinie = new QFrame(re1->viewport());
    PRoteLinie->setObjectName(u"PRoteLinie"_s);
    PRoteLinie->setStyleSheet(u"background-color: red;"_s);
    PRoteLinie->hide();

    connect(BUrdateiSpeichern, &QPushButton::clicked, this, [this] { BUrdateiSpeichernClick(); });
    connect(BUrdateiLaden, &QPushButton::clicked, this, [this] { BUrdateiLadenClick(); });
    connect(BSchuelerTestDateiErzeugen, &QPushButton::clicked, this,
            [this] { BSchuelerTestDateiErzeugenClick(); });
    connect(BSchTestDateiDarstellen, &QPushButton::clicked, this,
            [this] { SchTestDateiDarstellenClick(); });
    connect(BSchuelertestdateiSpeichern, &QPushButton::clicked, this,
            [this] { BSchuelertestdateiSpeichernClick(); });
    connect(BSchTestBenoten, &QPushButton::clicked, this, [this] { BSchTestBenotenClick(); });
    connect(BEnde, &QPushButton::clicked, this, [this] { BEndeClick(); });
    connect(BZurTestauswahl, &QPushButton::clicked, this, [this] {
        if (sitz.speicherAbfrage(true)) {
            emit zurTestauswahl();
        }
    });
    connect(BAuswahlLW, &QPushButton::clicked, this, [this] { auswahlRegistrieren(kArtA); });
    connect(BFreiesLW, &QPushButton::clicked, this, [this] { auswahlRegistrieren(kArtF); });
    connect(BEinzellistenLW, &QPushButton::clicked, this, [this] { auswahlRegistrieren(kArtE); });
    connect(BLueckeEntfernen, &QPushButton::clicked, this, [this] { lueckeAmCursorEntfernen(); });
    connect(sprung, &QButtonGroup::idClicked, this, [this](int k) { sprungKlick(k); });
    for (QListWidget *l : {LBoxLWSchAL, LBoxLWSchEL, LBoxLWSchFL}) {
        connect(l, &QListWidget::itemClicked, this,
                [this](QListWidgetItem *i) { navigationsKlick(i); });
    }
    connect(LBSchAuswahl, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *i) { wortEinsetzen(i->text()); });
    connect(LBSchAuswahlEL, &QListWidget::itemClicked, this, [this](QListWidgetItem *i) {
        if (sitz.modus() == Modus::Schuelertest) {
            wortEinsetzen(i->text());
        } else {
            alternativeKorrigieren(i);
        }
    });
    connect(re1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { kontextmenue(p); });
    re1->mausGedrueckt = [this](QMouseEvent *ev) {
        return sitz.schuelerKlicks() ? schuelerMaus(ev) : lehrerMaus(ev);
    };
    re1->taste = [this](QKeyEvent *ev) { return lehrerTaste(ev); };
    re1->hinweis = [this](int pos) { return hinweisAn(pos); };
    re1->einfuegenErlaubt = [this] {
        const QTextCursor c = re1->textCursor();
        return sitz.textBearbeitbar() && !schutzVerletzt(c.selectionStart(), c.selectionEnd());
    };
    resize(1100, 750);
}
