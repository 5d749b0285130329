#include "app/fenster/MainFrm.h"

#include "app/fenster/Willkommensbild.h"
#include "authoring/fenster/TestEditor.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/uhr.h"
#include "settings/konfiguration.h"
#include "settings/uebersicht.h"
#include "widgets/ColorButton.h"
#include "widgets/Einpassung.h"
#include "widgets/Skalierung.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kEntwurfBreiteUebersicht = 1000;
const QString &kNichtEnthalten = kFensterFehlt;

QFont vergroessert(QFont f, qreal faktor, bool fett)
{
    f.setPointSizeF(f.pointSizeF() * faktor);
    f.setBold(fett);
    return f;
}

} // namespace

TMainForm::TMainForm(Umgebung &umgebung, QWidget *eltern)
    : QMainWindow(eltern)
    , u(umgebung)
{
    setObjectName(u"MainForm"_s);
    setAttribute(Qt::WA_QuitOnClose, false);
    uebersichtAufbauen();
    menueAufbauen();
    arbeitsflaecheAufbauen();

    // FormCreate
    prozent = fensterSkalierung(this, Fensterfamilie::Standard);
    fensterSkalieren(this, prozent);
    setWindowTitle(fensterTitel());
    LVersion->setText(u"Version "_s + versionsSchild());
    buttonFarbenFestlegen();
    if (u.e.programmOrdner.isEmpty()) {
        u.e.programmOrdner = mitTrenner(QCoreApplication::applicationDirPath());
    }
    TimerAfterShowMain.setObjectName(u"TimerAfterShowMain"_s);
    TimerAfterShowMain.setSingleShot(true);
    TimerAfterShowMain.setInterval(10);
    connect(&TimerAfterShowMain, &QTimer::timeout, this, &TMainForm::TimerAfterShowMainTimer);
    TimerAfterShowMain.start();

    if (const QScreen *s = screen()) {
        const QRect frei = s->availableGeometry();
        setGeometry(frei.left() + (frei.width() - uebersichtsBreite()) / 2, frei.top(),
                    uebersichtsBreite(), frei.height());
    }
    for (QWidget *w : findChildren<QWidget *>()) {
        if (!w->toolTip().isEmpty()) {
            w->setToolTipDuration(8000);
        }
    }
    BProgrammende->setToolTip(programmendeHinweis());
    BProgrammende->setToolTipDuration(8000);

    auto *altF4 = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    altF4->setContext(Qt::WindowShortcut);
    connect(altF4, &QShortcut::activated, this, &TMainForm::programmBeenden);

    verfuegbarkeitAktualisieren();
    imFormShow = true; // gezeigt wird erst, wenn alle Fenster erzeugt sind
    FormEinstellung(kModusUebersicht);
    imFormShow = false;
}

int TMainForm::uebersichtsBreite() const
{
    const int entwurf = kEntwurfBreiteUebersicht * prozent / 100;
    return screen() ? std::min(entwurf, screen()->availableGeometry().width()) : entwurf;
}

void TMainForm::uebersichtAufbauen()
{
    PUebersicht = new QWidget(this);
    PUebersicht->setObjectName(u"PUebersicht"_s);
    PUebersicht->setAutoFillBackground(true);
    QPalette weiss = PUebersicht->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    PUebersicht->setPalette(weiss);

    LTitel = new QLabel(kUeberschrift, PUebersicht);
    LTitel->setObjectName(u"LTitel"_s);
    LTitel->setFont(vergroessert(font(), 2.0, true));
    LTitel->setStyleSheet(u"color: rgb(30, 50, 110);"_s);
    LVersion = new QLabel(PUebersicht);
    LVersion->setObjectName(u"LVersion"_s);
    LVersion->setStyleSheet(u"color: rgb(110, 110, 120);"_s);
    LVersion->setAlignment(Qt::AlignRight | Qt::AlignTop);
    LSchulname = new QLabel(PUebersicht);
    LSchulname->setObjectName(u"LSchulname"_s);
    LSchulname->setFont(vergroessert(font(), 1.45, false));
    LSchulname->setStyleSheet(u"color: rgb(155, 0, 0);"_s);

    ImageWillkommen = new Willkommensbild(PUebersicht);
    ImageWillkommen->setObjectName(u"ImageWillkommen"_s);

    PButtonleiste = new QWidget(PUebersicht);
    PButtonleiste->setObjectName(u"PButtonleiste"_s);
    PButtonleiste->setAutoFillBackground(true);
    PButtonleiste->setMouseTracking(true);
    PButtonleiste->installEventFilter(this);
    PUebersicht->installEventFilter(this);

    const auto modusKnopf = [this](const QString &text, const char *name) {
        auto *b = new TColorButton(text, PButtonleiste);
        b->setObjectName(QString::fromLatin1(name));
        b->setMinimumSize(300, 64);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setHoverColor(Qt::white);
        return b;
    };
    BNotenverwaltung = modusKnopf(u"&Notenverwaltung"_s, "BNotenverwaltung");
    BTestKonstruieren = modusKnopf(u"Test konstruieren bzw. &bearbeiten"_s, "BTestKonstruieren");
    BTestDurchfuehrung = modusKnopf(u"Test&durchführung u. Benotung"_s, "BTestDurchfuehrung");
    BTestRueckgabe = modusKnopf(u"Test&rückgabe"_s, "BTestRueckgabe");
    BInfo = new QPushButton(u"&Info"_s, PButtonleiste);
    BInfo->setObjectName(u"BInfo"_s);
    BProgrammende = new QPushButton(u"Programm&ende"_s, PButtonleiste);
    BProgrammende->setObjectName(u"BProgrammende"_s);
    for (QPushButton *b : {BInfo, BProgrammende}) {
        b->setMinimumSize(140, 40);
        b->setAutoDefault(false);
    }

    connect(BNotenverwaltung, &QPushButton::clicked, this, &TMainForm::NotenverwaltungClick);
    connect(BTestKonstruieren, &QPushButton::clicked, this, &TMainForm::TestKonstruierenClick);
    connect(BTestDurchfuehrung, &QPushButton::clicked, this, &TMainForm::TestsBereitStellenHolen);
    connect(BTestRueckgabe, &QPushButton::clicked, this, &TMainForm::TestrueckgabeClick);
    connect(BInfo, &QPushButton::clicked, this, &TMainForm::InfoClick);
    connect(BProgrammende, &QPushButton::clicked, this, &TMainForm::programmBeenden);

    auto *leiste = new QVBoxLayout(PButtonleiste);
    leiste->setContentsMargins(16, 16, 16, 16);
    leiste->setSpacing(14);
    auto *hinweis = new QLabel(u"Arbeitsbereich wählen:"_s, PButtonleiste);
    hinweis->setObjectName(u"LArbeitsbereich"_s);
    hinweis->setStyleSheet(u"color: rgb(90, 90, 100);"_s);
    leiste->addWidget(hinweis);
    for (TColorButton *b :
         {BNotenverwaltung, BTestKonstruieren, BTestDurchfuehrung, BTestRueckgabe}) {
        leiste->addWidget(b);
    }
    leiste->addStretch(1);
    auto *unten = new QHBoxLayout;
    unten->addWidget(BInfo);
    unten->addStretch(1);
    unten->addWidget(BProgrammende);
    leiste->addLayout(unten);

    auto *kopf = new QGridLayout;
    kopf->addWidget(LTitel, 0, 0);
    kopf->addWidget(LVersion, 0, 1);
    kopf->addWidget(LSchulname, 1, 0, 1, 2);
    kopf->setColumnStretch(0, 1);

    auto *mitte = new QHBoxLayout;
    mitte->setSpacing(18);
    mitte->addWidget(ImageWillkommen, 3);
    mitte->addWidget(PButtonleiste, 2);

    auto *gesamt = new QVBoxLayout(PUebersicht);
    gesamt->setContentsMargins(24, 18, 24, 18);
    gesamt->setSpacing(12);
    gesamt->addLayout(kopf);
    gesamt->addLayout(mitte, 1);
    setCentralWidget(PUebersicht);
}

void TMainForm::setzeTestauswahl(Testauswahl *fenster)
{
    testauswahl = fenster;
    verfuegbarkeitAktualisieren();
    emit testauswahlGemeldet(fenster != nullptr);
}

void TMainForm::setzeNotenverwaltung(Notenverwaltung *fenster)
{
    notenverwaltung = fenster;
    verfuegbarkeitAktualisieren();
    if (!fenster) {
        return;
    }
    // In der Uebersicht ist keine Klasse geladen: diese Befehle fuehren zur Klassenwahl
    // des Notenfensters.
    for (const char *name :
         {"Klasseffnen1", "NotenbearbeitungKlasseauswhlen1", "Nameneingabe1", "Namenlschen1",
          "Namennderung1", "Schlerverschieben1", "ZurKlassenverwaltungwechseln1"}) {
        befehlAnbinden(name, [this] {
            NotenverwaltungClick();
            if (notenverwaltung->fenster()->isVisible()) {
                notenverwaltung->klassenwahlZeigen();
            }
        });
    }
}

void TMainForm::befehlAnbinden(const char *name, const std::function<void()> &wirkung)
{
    auto *a = findChild<QAction *>(QString::fromLatin1(name));
    if (!a) {
        return;
    }
    a->setProperty("nichtVerfuegbar", false);
    a->setToolTip(QString());
    aktivieren(a, true);
    connect(a, &QAction::triggered, this, wirkung);
}

void TMainForm::setzeKonfigDialogeVorhanden(bool da)
{
    konfigDialogeDa = da;
    verfuegbarkeitAktualisieren();
}

void TMainForm::verfuegbarkeitAktualisieren()
{
    const auto setze = [](QWidget *w, bool da) {
        w->setEnabled(da);
        w->setToolTip(da ? QString() : kNichtEnthalten);
    };
    setze(BNotenverwaltung, notenverwaltung != nullptr);
    setze(BTestKonstruieren, testauswahl != nullptr);
    setze(BTestDurchfuehrung, testauswahl != nullptr);
    setze(BTestRueckgabe, testauswahl != nullptr);
    for (QAction *a : {Testkonstruieren1, Testdurchfuehrung1, Testrueckgabe1}) {
        a->setProperty("nichtVerfuegbar", testauswahl == nullptr);
        a->setToolTip(testauswahl ? QString() : kNichtEnthalten);
        aktivieren(a, true);
    }
    for (QAction *a : {AnfangsKonfiguration1, KonfigurationfrTestfunktionen1}) {
        a->setProperty("nichtVerfuegbar", !konfigDialogeDa);
        aktivieren(a, !editorSichtbar);
    }
}

void TMainForm::buttonFarbenFestlegen()
{
    BNotenverwaltung->setBackColor(Farbe::notenverwaltung);
    BTestKonstruieren->setBackColor(Farbe::konstruktion);
    BTestDurchfuehrung->setBackColor(Farbe::durchfuehrung);
    BTestRueckgabe->setBackColor(Farbe::rueckgabe);
}

void TMainForm::schulnameZeigen()
{
    LSchulname->setText(u.e.schulnameAnzeige());
}

void TMainForm::leisteEinstellen(int punkte, const QColor &hintergrund)
{
    QFont f = PButtonleiste->font();
    f.setPointSize(punkte);
    PButtonleiste->setFont(f);
    QPalette pal = PButtonleiste->palette();
    pal.setColor(QPalette::Window, hintergrund);
    PButtonleiste->setPalette(pal);
}

void TMainForm::FormEinstellung(int modus)
{
    if (!modusGueltig(modus)) {
        u.r.fehler(kFormeinstellungFehler);
        return;
    }
    const QSize bildschirm = screen() ? screen()->geometry().size() : QSize(1280, 1024);
    switch (modus) {
    case kModusUebersicht:
        if (!ersterLayoutDurchgang && (bildschirm.height() > 1023 || bildschirm.width() > 1280)) {
            // Auf den Inhalt der Uebersicht und die Bildschirmhoehe bringen.
            if (screen()) {
                const QRect frei = screen()->availableGeometry();
                fensterEinpassen(
                    this, QRect(geometry().x(), frei.top(), uebersichtsBreite(), frei.height()));
            }
        }
        editorSichtbar = false;
        for (QAction *a : {Testvorlagedrucken1, Testspeichernwievorliegend1, Testspeichernunter1}) {
            a->setVisible(false);
        }
        // Die Schrift der Leiste vor dem Zeigen: sonst misst das Layout die Knoepfe erst in der
        // alten Schrift.
        leisteEinstellen(bildschirm.width() >= 1200 ? 12 : 7, Qt::white);
        PUebersicht->setVisible(true);
        if (testEditor) {
            testEditor->setVisible(false);
        }
        Beenden1->setEnabled(false);
        aktivieren(AnfangsKonfiguration1, true);
        aktivieren(KonfigurationfrTestfunktionen1, true);
        if (!imFormShow) {
            show();
        }
        klassenMenueEinstellen(false);
        break;
    case kModusKonstruktionsauswahl:
        if (!testauswahl) {
            u.r.fehler(kNichtEnthalten);
            return;
        }
        testauswahl->modusZeigen(Testauswahl::Layout::Konstruktion, true);
        hide();
        break;
    case kModusEditor:
        // Zeigen laeuft ueber FormShow (Uebersicht); der Editor wird danach eingestellt.
        if (!imFormShow && !isVisible()) {
            show();
        }
        if (!ersterLayoutDurchgang && testauswahl) {
            testauswahl->fenster()->hide();
        }
        editorSichtbar = true;
        aktivieren(AnfangsKonfiguration1, false);
        aktivieren(KonfigurationfrTestfunktionen1, false);
        PUebersicht->setVisible(false);
        // Der Durchgang beim Zeigen kehrt gleich zur Uebersicht zurueck: dafuer wird der Editor
        // nicht gebaut.
        if (testEditor || !imFormShow) {
            editor()->setVisible(true);
        }
        Beenden1->setEnabled(true);
        for (QAction *a : {Testvorlagedrucken1, Testspeichernwievorliegend1, Testspeichernunter1}) {
            a->setVisible(true);
        }
        leisteEinstellen(bildschirm.width() >= 1200 ? 10 : 6, Farbe::konstruktion);
        klassenMenueEinstellen(true);
        break;
    case kModusDurchfuehrung:
        if (!testauswahl) {
            u.r.fehler(kNichtEnthalten);
            return;
        }
        hide();
        if (notenverwaltung) {
            notenverwaltung->fenster()->hide();
        }
        testauswahl->modusZeigen(
            rueckgabe ? Testauswahl::Layout::Rueckgabe : Testauswahl::Layout::Durchfuehrung, false);
        break;
    case kModusNotenverwaltung:
        if (!notenverwaltung) {
            u.r.fehler(kNichtEnthalten);
            return;
        }
        notenverwaltung->notenverwaltungZeigen();
        break;
    }
}

void TMainForm::showEvent(QShowEvent *ereignis)
{
    QMainWindow::showEvent(ereignis);
    if (!imFormShow) {
        FormShow();
    }
}

void TMainForm::FormShow()
{
    imFormShow = true;
    FormEinstellung(kModusUebersicht);
    FormEinstellung(kModusEditor);
    ImageWillkommen->setVisible(true);
    FormEinstellung(kModusUebersicht);
    imFormShow = false;
    ersterLayoutDurchgang = false;
}

void TMainForm::hideEvent(QHideEvent *ereignis)
{
    QMainWindow::hideEvent(ereignis);
    if (u.e.programmEndet) {
        return;
    }
    // Die anderen Hauptfenster uebernehmen die Position.
    if (testauswahl) {
        testauswahl->fenster()->move(pos());
    }
    if (notenverwaltung) {
        notenverwaltung->fenster()->move(pos());
    }
}

void TMainForm::TimerAfterShowMainTimer()
{
    TimerAfterShowMain.stop();
    if (!isVisible()) {
        return;
    }
    // Erst wenn die Uebersicht wirklich auf dem Bildschirm steht (unter X11 kommt das Zeichnen
    // oft nach den ersten 10 ms), damit das Fenster nicht auf das Laden wartet und die Meldungen
    // darueber erscheinen. Hoechstens eine Sekunde lang.
    if (!uebersichtGezeichnet && ++warteTakte < 100) {
        TimerAfterShowMain.start();
        return;
    }
    if (!u.k.einstellungenLaden() || u.e.programmEndet) {
        programmBeenden();
        return;
    }
    schulnameZeigen();
}

bool TMainForm::anfangsMsgGezeigt()
{
    return ::anfangsMsgGezeigt(u.e.basisOrdner, u.uhr.heute(), u.r);
}

void TMainForm::NotenverwaltungClick()
{
    if (editorAbfrage(6)) {
        return;
    }
    if (anfangsMsgGezeigt()) {
        return;
    }
    FormEinstellung(kModusNotenverwaltung);
    if (notenverwaltung) {
        hide();
    }
}

void TMainForm::TestKonstruierenClick()
{
    if (editorAbfrage(2)) {
        return;
    }
    if (anfangsMsgGezeigt()) {
        return;
    }
    FormEinstellung(kModusKonstruktionsauswahl);
}

void TMainForm::TestsBereitStellenHolen()
{
    if (editorAbfrage(4)) {
        return;
    }
    if (anfangsMsgGezeigt() || u.e.schulKonfigFehlt) {
        return;
    }
    rueckgabe = false;
    FormEinstellung(kModusDurchfuehrung);
}

void TMainForm::TestrueckgabeClick()
{
    if (editorAbfrage(5)) {
        return;
    }
    if (anfangsMsgGezeigt() || u.e.schulKonfigFehlt) {
        return;
    }
    rueckgabe = true;
    FormEinstellung(kModusDurchfuehrung);
}

void TMainForm::InfoClick()
{
    u.r.information(infoText());
}

void TMainForm::programmBeenden()
{
    u.e.programmEndet = true;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != this && w->isVisible()) {
            w->hide();
        }
    }
    hide();
    QCoreApplication::quit();
}

void TMainForm::closeEvent(QCloseEvent *ereignis)
{
    // Im Editor fuehrt das Schliessen ueber die Speicherabfrage; ohne Editor endet das Programm.
    if (editorAbfrage(1)) {
        ereignis->ignore();
        return;
    }
    ereignis->accept();
    programmBeenden();
}

QAbstractButton *TMainForm::uebersichtsKnopf(const QKeyEvent *ereignis) const
{
    // In der Uebersicht genuegt der unterstrichene Buchstabe allein oder mit Alt.
    const Qt::KeyboardModifiers mod = ereignis->modifiers() & ~Qt::KeypadModifier;
    if (!PUebersicht->isVisible() ||
        !(mod == Qt::NoModifier || mod == Qt::ShiftModifier || mod == Qt::AltModifier)) {
        return nullptr;
    }
    QString taste = ereignis->text().toLower();
    if (ereignis->key() >= Qt::Key_A && ereignis->key() <= Qt::Key_Z) {
        taste = QChar(u'a' + (ereignis->key() - Qt::Key_A));
    }
    if (taste.isEmpty()) {
        return nullptr;
    }
    for (QAbstractButton *b : PUebersicht->findChildren<QAbstractButton *>()) {
        const qsizetype amp = b->text().indexOf(u'&');
        if (amp >= 0 && amp + 1 < b->text().size() && b->isVisible() && b->isEnabled() &&
            b->text().mid(amp + 1, 1).toLower() == taste) {
            return b;
        }
    }
    return nullptr;
}

bool TMainForm::event(QEvent *ereignis)
{
    // Alt+Buchstabe der Uebersichtsknoepfe geht vor gleichlautende Menuebuchstaben
    // ("Programm&ende" und "Be&enden").
    if (ereignis->type() == QEvent::ShortcutOverride &&
        uebersichtsKnopf(static_cast<QKeyEvent *>(ereignis))) {
        ereignis->accept();
        return true;
    }
    return QMainWindow::event(ereignis);
}

void TMainForm::keyPressEvent(QKeyEvent *ereignis)
{
    if (QAbstractButton *b = uebersichtsKnopf(ereignis)) {
        b->animateClick();
        return;
    }
    QMainWindow::keyPressEvent(ereignis);
}

bool TMainForm::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == PButtonleiste && ereignis->type() == QEvent::MouseMove) {
        buttonFarbenFestlegen();
    } else if (objekt == PUebersicht && ereignis->type() == QEvent::Paint) {
        // Die Einstellungen gleich nach diesem Zeichnen laden, nicht erst beim naechsten Takt.
        if (!uebersichtGezeichnet && TimerAfterShowMain.isActive()) {
            TimerAfterShowMain.start(0);
        }
        uebersichtGezeichnet = true;
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

void TMainForm::modusWechseln(Modus modus, bool rueckgabeGewuenscht)
{
    switch (modus) {
    case kModusUebersicht:
        FormEinstellung(kModusUebersicht);
        show();
        break;
    case kModusKonstruktionsauswahl:
        TestKonstruierenClick();
        break;
    case kModusEditor:
        FormEinstellung(kModusEditor);
        break;
    case kModusDurchfuehrung:
        if (rueckgabeGewuenscht) {
            TestrueckgabeClick();
        } else {
            TestsBereitStellenHolen();
        }
        break;
    case kModusNotenverwaltung:
        NotenverwaltungClick();
        break;
    }
}

void TMainForm::hauptbefehl(Hauptbefehl befehl)
{
    QAction *a = hauptbefehle.at(static_cast<std::size_t>(befehl));
    if (a == nullptr || !a->isEnabled()) {
        return;
    }
    a->trigger(); // die Konfiguration fuehrt selbst zur Uebersicht zurueck
}
