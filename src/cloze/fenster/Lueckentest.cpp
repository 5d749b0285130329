#include "cloze/fenster/Lueckentest.h"

#include "app/konfiguration.h"
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

TFLueckentest::TFLueckentest(const Einstellungen &e, Rueckfragen &r, QWidget *eltern)
    : QWidget(eltern)
    , e(e)
    , r(r)
{
    setObjectName(u"FLueckentest"_s);
    setWindowTitle(u"Mivo-Zuzovuvavev - Lückentest"_s);
    aufbauen();
    leeren();
    modusSetzen(Modus::Text);
}

void TFLueckentest::aufbauen()
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
        if (ungespeichertesKlaeren(true)) {
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
        if (modusWert == Modus::Schuelertest) {
            wortEinsetzen(i->text());
        } else {
            alternativeKorrigieren(i);
        }
    });
    connect(re1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { kontextmenue(p); });
    re1->mausGedrueckt = [this](QMouseEvent *ev) {
        return ansichtWert == Ansicht::Schueler || modusWert == Modus::Schuelertest
                   ? schuelerMaus(ev)
                   : lehrerMaus(ev);
    };
    re1->taste = [this](QKeyEvent *ev) { return lehrerTaste(ev); };
    re1->hinweis = [this](int pos) { return hinweisAn(pos); };
    re1->einfuegenErlaubt = [this] {
        const QTextCursor c = re1->textCursor();
        return modusWert == Modus::Text && !schutzVerletzt(c.selectionStart(), c.selectionEnd());
    };
    connect(re1, &QTextEdit::textChanged, this, [this] {
        if (!laedt && ansichtWert == Ansicht::Lehrer && modusWert != Modus::Schuelertest) {
            geaendert = true;
        }
    });
    resize(1100, 750);
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
    QString fehler;
    const auto ur = urdateiErzeugen(*re1->document(), listen.tabelle, fehler);
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
    listenFuellen();
    return true;
}

void TFLueckentest::BUrdateiSpeichernClick()
{
    if (ansichtWert != Ansicht::Lehrer || modusWert == Modus::Schuelertest) {
        r.warnung(u"Die Urdatei lässt sich nur in der Lehreransicht speichern, nicht im "
                  "Schülertest: sonst würden die Einträge als richtige Lösungen gespeichert."_s);
        return;
    }
    urdateiSchreiben();
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
    const Normtabelle norm =
        istGewoehnlicheDatei(normPfad) ? normTabelleEinlesen(normPfad, r) : standardNormtabelle();
    const LueckenBenotung b =
        lueckentestBenoten(ur, urdatei, aus, ordnerDatei(kAusgefuelltName), norm);
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
