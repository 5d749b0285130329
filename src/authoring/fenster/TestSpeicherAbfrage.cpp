#include "authoring/fenster/TestSpeicherAbfrage.h"

#include "authoring/aufgaben.h"
#include "common/schuljahr.h"
#include "common/uhr.h"
#include "conduct/katalog.h"
#include "conduct/testname.h"
#include "settings/konfiguration.h"
#include "widgets/Umgebung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QComboBox *auswahl(QWidget *eltern, const char *name, bool editierbar)
{
    auto *c = new QComboBox(eltern);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(editierbar);
    if (editierbar) {
        c->setInsertPolicy(QComboBox::NoInsert);
    }
    return c;
}

void waehle(QComboBox *c, const QString &text)
{
    const int i = c->findText(text);
    if (i >= 0) {
        c->setCurrentIndex(i);
    } else if (c->isEditable()) {
        c->setEditText(text);
    } else if (!text.isEmpty()) {
        c->addItem(text);
        c->setCurrentIndex(c->count() - 1);
    }
}

} // namespace

TFTestSpeicherabfrage::TFTestSpeicherabfrage(Umgebung &umgebung, QWidget *eltern)
    : QDialog(eltern)
    , u(umgebung)
{
    setObjectName(u"FTestSpeicherabfrage"_s);
    setWindowTitle(u"Test speichern"_s);
    setModal(false);

    auto *ueberschrift = new QLabel(u"Test speichern mit Festlegung der Angaben"_s, this);
    QFont f = ueberschrift->font();
    f.setPointSizeF(f.pointSizeF() * 1.3);
    f.setBold(true);
    ueberschrift->setFont(f);
    auto *erklaerung = new QLabel(
        u"Die folgenden Angaben sind sehr wichtig:\n"
        "Sie bestimmen zum einen die Angaben im Kopf des Tests \n"
        "und zum anderen die automatische Dateibenennung bzw. den Speicherort.\n\n"
        "Hier können Sie z. B. festlegen, wenn der Test für eine andere Klasse gespeichert "
        "werden soll.\n"
        "In jedem Fall sollte zuerst das gewünschte (in der Regel das aktuelle) Schuljahr "
        "eingestellt werden."_s,
        this);

    CBoxSchuljahrAbf = auswahl(this, "CBoxSchuljahrAbf", false);
    CBoxAktSchuljahrAbf = new QCheckBox(u"Aktuelles Schuljahr"_s, this);
    CBoxAktSchuljahrAbf->setObjectName(u"CBoxAktSchuljahrAbf"_s);
    CBoxAktSchuljahrAbf->setEnabled(false);
    CBoxKlasseAbf = auswahl(this, "CBoxKlasseAbf", true);
    CBoxKlasseAbf->lineEdit()->setMaxLength(10);
    CBoxKlasseAbf->setMaxVisibleItems(40);
    CBoxFachAbf = auswahl(this, "CBoxFachAbf", false);
    CBoxTestNrAbf = auswahl(this, "CBoxTestNrAbf", false);
    CBoxTestNrAbf->addItem(u"..."_s);
    for (const QChar c : u"123456789ABCDEFGH"_s) {
        CBoxTestNrAbf->addItem(QString(c));
    }
    CBoxThemaAbf = auswahl(this, "CBoxThemaAbf", true);
    CBoxThemaAbf->lineEdit()->setMaxLength(63);
    CBoxThemaAbf->setMinimumContentsLength(40);

    PVorhanden = new QFrame(this);
    PVorhanden->setObjectName(u"PVorhanden"_s);
    PVorhanden->setFrameShape(QFrame::StyledPanel);
    Lgefunden = new QLabel(u"0"_s, PVorhanden);
    Lgefunden->setObjectName(u"Lgefunden"_s);
    auto *vorh = new QHBoxLayout(PVorhanden);
    vorh->addWidget(Lgefunden);
    vorh->addWidget(new QLabel(u"vorh."_s, PVorhanden));

    auto *raster = new QGridLayout;
    int zeile = 0;
    const auto feld = [&](const QString &text, QWidget *w, QWidget *rechts = nullptr) {
        raster->addWidget(new QLabel(text, this), zeile, 0);
        raster->addWidget(w, zeile, 1);
        if (rechts) {
            raster->addWidget(rechts, zeile, 2);
        }
        ++zeile;
    };
    feld(u"Schuljahr"_s, CBoxSchuljahrAbf, CBoxAktSchuljahrAbf);
    feld(u"Klasse/ Kurs"_s, CBoxKlasseAbf, new QLabel(u"(Kerngruppe 8.1 als 81 eingeben)"_s, this));
    feld(u"Fach"_s, CBoxFachAbf, PVorhanden);
    feld(u"Test-Nr."_s, CBoxTestNrAbf);
    feld(u"Thema"_s, CBoxThemaAbf);
    raster->addWidget(new QLabel(u"4 Buchstaben Themenkürzel, dann 1 Minus- und 1 Leerzeichen, "
                                 "dann das ausführliche Thema"_s,
                                 this),
                      zeile++, 1, 1, 2);

    auto *vorschau = new QFrame(this);
    vorschau->setObjectName(u"PVorschau"_s);
    vorschau->setStyleSheet(u"#PVorschau { border: 3px solid rgb(245, 200, 200); }"_s);
    LOrdnername = new QLabel(vorschau);
    LOrdnername->setObjectName(u"LOrdnername"_s);
    LTestDateiname = new QLabel(vorschau);
    LTestDateiname->setObjectName(u"LTestDateiname"_s);
    auto *vl = new QGridLayout(vorschau);
    vl->addWidget(new QLabel(u"Testordner:"_s + QString(20, u' ') + u"Datei:"_s, vorschau), 0, 0, 1,
                  2);
    vl->addWidget(LOrdnername, 1, 0);
    vl->addWidget(LTestDateiname, 1, 1);
    vl->addWidget(new QLabel(u"Aus Kompatibilitätsgründen zu früheren Versionen des Programms "
                             "wird beim Speichern \n"
                             "eines Tests aus höheren Jahrgängen (10-13) sowohl der Dateiname "
                             "als auch der Ordner \n"
                             "in der Weise gewählt, dass die führende '1' in der Jahrgangsangabe "
                             "entfällt:\n"
                             "Beispielsweise wird der Test  '10a2Ato1'   gespeichert unter:   "
                             "'0a2Ato1'."_s,
                             vorschau),
                  2, 0, 1, 2);

    BSpeichern = new QPushButton(u"Test &speichern"_s, this);
    BSpeichern->setObjectName(u"BSpeichern"_s);
    BNichtSpeichern = new QPushButton(u"&Nicht speichern"_s, this);
    BNichtSpeichern->setObjectName(u"BNichtSpeichern"_s);
    BAbbrechen = new QPushButton(u"&Abbrechen"_s, this);
    BAbbrechen->setObjectName(u"BAbbrechen"_s);
    for (QPushButton *b : {BSpeichern, BNichtSpeichern, BAbbrechen}) {
        b->setAutoDefault(false);
    }
    BSpeichern->setDefault(true);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(BSpeichern);
    knoepfe->addWidget(BNichtSpeichern);
    knoepfe->addWidget(BAbbrechen);

    auto *gesamt = new QVBoxLayout(this);
    gesamt->addWidget(ueberschrift);
    gesamt->addWidget(erklaerung);
    gesamt->addLayout(raster);
    gesamt->addWidget(vorschau);
    gesamt->addLayout(knoepfe);

    connect(BSpeichern, &QPushButton::clicked, this, &TFTestSpeicherabfrage::speichernClick);
    connect(BNichtSpeichern, &QPushButton::clicked, this, [this] {
        hide();
        emit nichtSpeichern();
    });
    connect(BAbbrechen, &QPushButton::clicked, this, &TFTestSpeicherabfrage::reject);
    for (QComboBox *c : {CBoxSchuljahrAbf, CBoxFachAbf, CBoxTestNrAbf}) {
        connect(c, &QComboBox::currentIndexChanged, this, [this] { DnAnzeigeAktualisieren(); });
    }
    connect(CBoxFachAbf, &QComboBox::currentIndexChanged, this,
            [this] { vorhandeneTestsAnzeigen(); });
    connect(CBoxKlasseAbf, &QComboBox::editTextChanged, this,
            &TFTestSpeicherabfrage::klasseBearbeitet);
    connect(CBoxThemaAbf, &QComboBox::editTextChanged, this, [this] { DnAnzeigeAktualisieren(); });
}

QString TFTestSpeicherabfrage::aktuellesSchuljahr() const
{
    return ::aktuellesSchuljahr(u.uhr.heute());
}

void TFTestSpeicherabfrage::vorbelegen(const SpeicherAngaben &a)
{
    fuellen = true;
    CBoxSchuljahrAbf->clear();
    CBoxSchuljahrAbf->addItems(schuljahrListe());
    SammelRueckfragen still;
    CBoxFachAbf->clear();
    QStringList faecher = faecherLesen(u.e.basisOrdner, u.r);
    if (faecher.isEmpty()) {
        faecher << u"..."_s;
    }
    CBoxFachAbf->addItems(faecher);
    themen = themenLesen(u.e.basisOrdner, u.r);
    CBoxThemaAbf->clear();
    QStringList sortiert = themen;
    sortiert.sort(Qt::CaseInsensitive);
    CBoxThemaAbf->addItems(sortiert);
    CBoxKlasseAbf->clear();
    CBoxKlasseAbf->addItems(klassenAuswahl());

    waehle(CBoxSchuljahrAbf,
           istSchuljahrOrdnerName(a.schuljahr) ? a.schuljahr : aktuellesSchuljahr());
    waehle(CBoxKlasseAbf, a.klasse);
    waehle(CBoxFachAbf, a.fach);
    waehle(CBoxTestNrAbf, a.nummer);
    waehle(CBoxThemaAbf, a.thema.trimmed());
    fuellen = false;
    DnAnzeigeAktualisieren();
    vorhandeneTestsAnzeigen();
    BSpeichern->setFocus();
}

SpeicherAngaben TFTestSpeicherabfrage::angaben() const
{
    SpeicherAngaben a;
    a.schuljahr = CBoxSchuljahrAbf->currentText();
    a.klasse = CBoxKlasseAbf->currentText().trimmed();
    a.fach = CBoxFachAbf->currentText();
    a.nummer = CBoxTestNrAbf->currentText();
    a.thema = CBoxThemaAbf->currentText().trimmed();
    return a;
}

void TFTestSpeicherabfrage::klasseBearbeitet(const QString &text)
{
    if (fuellen) {
        return;
    }
    // "..." verschwindet beim ersten Zeichen; eine Klasse beginnt mit 1 oder 4-9.
    QString t = text;
    if (t.startsWith(u"..."_s) && t.size() > 3) {
        t = t.mid(3);
    }
    if (!t.isEmpty() && t[0] != u'.' && t[0] != u'1' && !(t[0] >= u'4' && t[0] <= u'9')) {
        t.clear();
    }
    if (t != text) {
        const QSignalBlocker sperre(CBoxKlasseAbf);
        CBoxKlasseAbf->setEditText(t);
    }
    DnAnzeigeAktualisieren();
    vorhandeneTestsAnzeigen();
}

void TFTestSpeicherabfrage::DnAnzeigeAktualisieren()
{
    if (fuellen) {
        return;
    }
    const SpeicherAngaben a = angaben();
    const bool aktuell = a.schuljahr == aktuellesSchuljahr();
    CBoxAktSchuljahrAbf->setChecked(aktuell);
    PVorhanden->setVisible(aktuell);
    const QString kuerzel = a.testKuerzel();
    LOrdnername->setText(u"...\\"_s + a.schuljahr + u'\\' + kuerzel);
    LTestDateiname->setText(kuerzel + u".__A"_s);
}

void TFTestSpeicherabfrage::vorhandeneTestsAnzeigen()
{
    if (fuellen) {
        return;
    }
    const SpeicherAngaben a = angaben();
    const QChar fach = a.fach.size() >= 2 ? fachBuchstabe(a.fach) : u'.';
    const QString filter = klassenCode(a.klasse) + fach + u"....."_s;
    QStringList liste;
    if (!filter.startsWith(u".."_s) && fach != u'.') {
        SammelRueckfragen still;
        QStringList themenKopie = themen;
        liste = vorhandeneTestsEinlesen(u.e.basisOrdner, aktuellesSchuljahr(), filter,
                                        TestArt::Alle, themenKopie, still)
                    .zeilen;
    }
    vorhandene = int(liste.size());
    Lgefunden->setText(QString::number(vorhandene));
    if (liste.isEmpty()) {
        liste << u"Im aktuellen Schuljahr liegt noch kein Test der Klasse "_s + a.klasse +
                     u" im Fach "_s + a.fach + u" vor."_s;
    }
    PVorhanden->setToolTip(u"<pre>"_s + liste.join(u'\n').toHtmlEscaped() + u"</pre>"_s);
}

QString TFTestSpeicherabfrage::vorhandeneListe() const
{
    return PVorhanden->toolTip();
}

void TFTestSpeicherabfrage::speichernClick()
{
    const SpeicherAngaben a = angaben();
    QString feld;
    if (const QString fehler = angabenFehler(a, &feld); !fehler.isEmpty()) {
        u.r.information(fehler);
        QWidget *ziel = feld == u"fach"_s     ? static_cast<QWidget *>(CBoxFachAbf)
                        : feld == u"nummer"_s ? CBoxTestNrAbf
                        : feld == u"klasse"_s ? CBoxKlasseAbf
                        : feld == u"thema"_s  ? CBoxThemaAbf
                                              : CBoxSchuljahrAbf;
        ziel->setFocus();
        return;
    }
    // Ein neues Thema wird ueber die Themenliste verfuegbar.
    if (!themen.contains(a.thema) && neuThemenEintragOK(a.thema)) {
        themaUebernehmen(u.e.basisOrdner, themen, a.thema, u.r);
    }
    hide();
    emit speichern(a);
}

void TFTestSpeicherabfrage::reject()
{
    hide();
    emit abgebrochen();
}
