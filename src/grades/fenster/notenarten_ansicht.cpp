#include "grades/fenster/notenarten_ansicht.h"

#include "classdata/klassensitzung.h"
#include "common/rueckfragen.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "grades/notenmodell.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

NotenartenAnsicht::NotenartenAnsicht(Klassensitzung &sitzung, Rueckfragen &rueckfragen)
    : QGroupBox(u"Bezeichnungen und Gewichtungen"_s)
    , s(sitzung)
    , r(rueckfragen)
{
    setObjectName(u"GBBezeichnungenUndGewichtungen"_s);
    auto *senkrecht = new QVBoxLayout(this);
    auto *raster = new QGridLayout;
    const QString kopf[5] = {u"Erlaeuterung der Notenart"_s, u"Kurzform (10 Z.)"_s, u"Abk."_s,
                             u"Gewicht"_s, u"vorh. Noten"_s};
    for (int s = 0; s < 5; ++s) {
        auto *l = new QLabel(kopf[s], this);
        QFont fett = l->font();
        fett.setBold(true);
        l->setFont(fett);
        raster->addWidget(l, 0, s + 1);
    }
    for (int art = 1; art <= kNotenarten; ++art) {
        const int nummer = 3 * (art - 1) + 1;
        langname[art] = new QLineEdit(this);
        langname[art]->setObjectName(u"Edit%1"_s.arg(nummer));
        langname[art]->setMaxLength(kLaengeLangname);
        langname[art]->setMinimumWidth(320);
        kurzform[art] = new QLineEdit(this);
        kurzform[art]->setObjectName(u"Edit%1"_s.arg(nummer + 1));
        kurzform[art]->setMaxLength(kLaengeKurzform);
        gewicht[art] = new QLineEdit(this);
        gewicht[art]->setObjectName(u"Edit%1"_s.arg(nummer + 2));
        gewicht[art]->setFixedWidth(60);
        LAbkArt[art] = new QLabel(this);
        LAbkArt[art]->setObjectName(u"LAbkArt%1"_s.arg(art));
        LVorhNotenArt[art] = new QLabel(this);
        LVorhNotenArt[art]->setObjectName(u"LVorhNotenArt%1"_s.arg(art));
        raster->addWidget(new QLabel(QString::number(art) + u'.', this), art, 0);
        raster->addWidget(langname[art], art, 1);
        raster->addWidget(kurzform[art], art, 2);
        raster->addWidget(LAbkArt[art], art, 3);
        raster->addWidget(gewicht[art], art, 4);
        raster->addWidget(LVorhNotenArt[art], art, 5);
        langname[art]->installEventFilter(this);
        kurzform[art]->installEventFilter(this);
        connect(langname[art], &QLineEdit::textEdited, this,
                [this, art] { langnameGeaendert(art); });
        connect(kurzform[art], &QLineEdit::textEdited, this,
                [this, art] { kurzformGeaendertImFeld(art); });
        connect(gewicht[art], &QLineEdit::textChanged, this, [this] { prozentSummeZeigen(); });
    }
    LSumme = new QLabel(this);
    LSumme->setObjectName(u"LSumme"_s);
    LEsFehlenProzent = new QLabel(this);
    LEsFehlenProzent->setObjectName(u"LEsFehlenProzent"_s);
    LProzentRest = new QLabel(this);
    LProzentRest->setObjectName(u"LProzentRest"_s);
    raster->addWidget(new QLabel(u"Summe:"_s, this), 6, 3);
    raster->addWidget(LSumme, 6, 4);
    raster->addWidget(LEsFehlenProzent, 7, 3);
    raster->addWidget(LProzentRest, 7, 4);
    raster->setColumnStretch(6, 1);
    senkrecht->addLayout(raster);
    senkrecht->addStretch(1);

    auto *knoepfe = new QHBoxLayout;
    auto *standard = new QPushButton(u"Standardwerte laden"_s, this);
    standard->setObjectName(u"BStandardwerteLaden"_s);
    auto *okKnopf = new QPushButton(u"OK"_s, this);
    okKnopf->setObjectName(u"BOKBezUndGewichte"_s);
    auto *abbrechenKnopf = new QPushButton(u"Abbrechen"_s, this);
    abbrechenKnopf->setObjectName(u"BAbbrechenBezUndGewichte"_s);
    knoepfe->addWidget(standard);
    knoepfe->addStretch(1);
    knoepfe->addWidget(okKnopf);
    knoepfe->addWidget(abbrechenKnopf);
    senkrecht->addLayout(knoepfe);
    connect(standard, &QPushButton::clicked, this, [this] { standardwerteLaden(); });
    connect(okKnopf, &QPushButton::clicked, this, [this] { ok(); });
    connect(abbrechenKnopf, &QPushButton::clicked, this, [this] { abbrechen(); });
}

bool NotenartenAnsicht::offen() const
{
    return isVisibleTo(parentWidget());
}

void NotenartenAnsicht::umschalten()
{
    if (offen()) {
        abbrechen();
        return;
    }
    oeffnen();
}

void NotenartenAnsicht::oeffnen()
{
    if (!s.offen() || klassenGroesse(s.klasse) == 0) {
        return;
    }
    s.eingabenAbschliessen();
    emit anzeigen();
    felderSetzen(bezeichnungenUndGewichteFuellen(s.klasse));
    for (int art = 1; art <= kNotenarten; ++art) {
        kopieren[art] = true;
        LVorhNotenArt[art]->setText(QString::number(vorhandeneNoten(s.klasse, art)));
        LAbkArt[art]->setText(QString(s.klasse.notenart(art).taste));
    }
    freieBuchstabenNeu();
    gewicht[5]->setFocus();
    if (const QString hinweis = tabellenTastenHinweis(felder()); !hinweis.isEmpty()) {
        r.information(hinweis);
    }
}

NotenartenFelder NotenartenAnsicht::felder() const
{
    NotenartenFelder werte;
    for (int art = 1; art <= kNotenarten; ++art) {
        werte[static_cast<std::size_t>(art - 1)] = {langname[art]->text(), kurzform[art]->text(),
                                                    gewicht[art]->text()};
    }
    return werte;
}

void NotenartenAnsicht::felderSetzen(const NotenartenFelder &werte)
{
    for (int art = 1; art <= kNotenarten; ++art) {
        const NotenartFelder &w = werte[static_cast<std::size_t>(art - 1)];
        langname[art]->setText(w.langname);
        kurzform[art]->setText(w.kurzform);
        gewicht[art]->setText(w.gewicht);
        LAbkArt[art]->setText(QString(tasteAusKurzform(w.kurzform)));
    }
    prozentSummeZeigen();
}

void NotenartenAnsicht::prozentSummeZeigen()
{
    const ProzentAnzeige anzeige = prozentSumme(felder());
    LSumme->setText(anzeige.summe);
    const bool sichtbar = !anzeige.hinweis.isEmpty();
    LEsFehlenProzent->setVisible(sichtbar);
    LProzentRest->setVisible(sichtbar);
    LEsFehlenProzent->setText(anzeige.hinweis);
    LProzentRest->setText(anzeige.rest);
    const QString farbe = anzeige.farbe == ProzentAnzeige::Farbe::Rot    ? u"color: red;"_s
                          : anzeige.farbe == ProzentAnzeige::Farbe::Blau ? u"color: blue;"_s
                                                                         : QString();
    LProzentRest->setStyleSheet(farbe);
}

void NotenartenAnsicht::freieBuchstabenNeu()
{
    freieBuchstaben = restlicheZuweisungsbuchstabenBerechnen(felder());
    const QString hinweis = kurzformHinweis(freieBuchstaben);
    for (int art = 1; art <= kNotenarten; ++art) {
        kurzform[art]->setToolTip(hinweis);
    }
}

void NotenartenAnsicht::langnameGeaendert(int art)
{
    const QString name = langname[art]->text();
    if (name.isEmpty()) {
        kurzform[art]->clear();
        LAbkArt[art]->clear();
        kopieren[art] = true;
        return;
    }
    if (kopieren[art]) {
        kurzform[art]->setText(kurzformAusLangname(name));
        LAbkArt[art]->setText(tastenAnzeigeAusLangname(name));
    }
}

void NotenartenAnsicht::kurzformGeaendertImFeld(int art)
{
    QString tastenAnzeige = LAbkArt[art]->text();
    const QString alt = kurzform[art]->text();
    const QString neu =
        kurzformGeaendert(alt, eigenerBuchstabe[art], freieBuchstaben, r, &tastenAnzeige);
    if (neu != alt) {
        kurzform[art]->setText(neu);
    }
    freieBuchstabenNeu();
    LAbkArt[art]->setText(tastenAnzeige);
}

bool NotenartenAnsicht::ok()
{
    if (!bezeichnungenUndGewichteNach_suk(s.klasse, felder(), r)) {
        gewicht[5]->setFocus();
        return false;
    }
    s.geaendertMelden();
    schliessen();
    return true;
}

void NotenartenAnsicht::abbrechen()
{
    schliessen();
}

void NotenartenAnsicht::standardwerteLaden()
{
    felderSetzen(standardFelder());
    freieBuchstabenNeu();
}

void NotenartenAnsicht::schliessen()
{
    emit fertig();
}

bool NotenartenAnsicht::eventFilter(QObject *objekt, QEvent *ereignis)
{
    for (int art = 1; art <= kNotenarten; ++art) {
        if (objekt == langname[art] && ereignis->type() == QEvent::FocusOut) {
            kopieren[art] = langname[art]->text().isEmpty();
        } else if (objekt == kurzform[art] && ereignis->type() == QEvent::FocusIn) {
            eigenerBuchstabe[art] = kurzformBuchstabe(kurzform[art]->text());
        } else if (objekt == kurzform[art] && ereignis->type() == QEvent::FocusOut) {
            freieBuchstabenNeu();
        }
    }
    return QGroupBox::eventFilter(objekt, ereignis);
}
