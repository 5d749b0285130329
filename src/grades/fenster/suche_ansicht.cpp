#include "grades/fenster/suche_ansicht.h"

#include "classdata/klassensitzung.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "grades/notenmodell.h"
#include "widgets/pruefgitter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SuchAnsicht::SuchAnsicht(Klassensitzung &sitzung, Rueckfragen &rueckfragen)
    : QGroupBox(u"Schülerdaten"_s)
    , s(sitzung)
    , r(rueckfragen)
{
    setObjectName(u"GBSuche"_s);
    auto *senkrecht = new QVBoxLayout(this);

    auto *modus = new QGroupBox(u"Suchmodus"_s, this);
    modus->setObjectName(u"GBSuchmodus"_s);
    auto *modusZeile = new QHBoxLayout(modus);
    auto *zeile = new QLabel(u"Schülersuche in allen Klassen dieses Schuljahres"_s, modus);
    QFont fett = zeile->font();
    fett.setBold(true);
    zeile->setFont(fett);
    RBUnd = new QRadioButton(u"und"_s, modus);
    RBUnd->setObjectName(u"RBUnd"_s);
    RBOder = new QRadioButton(u"oder"_s, modus);
    RBOder->setObjectName(u"RBOder"_s);
    modusZeile->addWidget(zeile);
    modusZeile->addSpacing(30);
    modusZeile->addWidget(RBUnd);
    modusZeile->addWidget(RBOder);
    modusZeile->addStretch(1);
    senkrecht->addWidget(modus);

    auto *person = new QGridLayout;
    const auto feld = [this](const QString &name, int laenge) {
        auto *e = new QLineEdit(this);
        e->setObjectName(name);
        e->setMaxLength(laenge);
        return e;
    };
    EVorname = feld(u"ESucheVorname"_s, kLaengeName);
    ENachname = feld(u"ESucheNachname"_s, kLaengeName);
    EGeschl = feld(u"ESucheGeschl"_s, kLaengeGeschlecht);
    EGeschl->setFixedWidth(30);
    EZusatz = feld(u"ESucheZusatz"_s, kLaengeZusatz);
    person->addWidget(new QLabel(u"Vorname  enthält:"_s, this), 0, 0);
    person->addWidget(new QLabel(u"Nachname  enthält:"_s, this), 0, 1);
    person->addWidget(new QLabel(u"G"_s, this), 0, 2);
    person->addWidget(new QLabel(u"Zusatz"_s, this), 0, 3);
    person->addWidget(EVorname, 1, 0);
    person->addWidget(ENachname, 1, 1);
    person->addWidget(EGeschl, 1, 2);
    person->addWidget(EZusatz, 1, 3);
    person->setColumnStretch(3, 1);
    senkrecht->addLayout(person);

    auto *noten = new QGridLayout;
    for (int art = 1; art <= kNotenarten; ++art) {
        const int zeilen = art == 2 ? 2 : 1;
        auto *g = new PruefGitter(zeilen, 10, this);
        g->setObjectName(u"SGSucheNotenArt%1"_s.arg(art));
        g->setzeTabZellenweise(true);
        for (int s = 0; s < 10; ++s) {
            g->setColumnWidth(s, 34);
        }
        for (int z = 0; z < zeilen; ++z) {
            g->setRowHeight(z, 26);
            for (int s = 0; s < 10; ++s) {
                g->zelle(z, s, QString(), true);
            }
        }
        g->setFixedSize(10 * 34 + 4, zeilen * 26 + 4);
        g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Gesucht wird nach genau gleichen Notentexten; nur gueltige Noten sind Kriterien.
        g->uebernehmen = [g](int zeile, int spalte, const QString &text) {
            if (!text.isEmpty() && !notenEingabeOk(text, NotenAnzeige::Zensuren)) {
                return false;
            }
            g->zelle(zeile, spalte, text, true);
            return true;
        };
        SGNotenArt[art] = g;
        auto *name = new QLabel(u"Notenart %1"_s.arg(art), this);
        name->setObjectName(u"LSucheNotenArt%1"_s.arg(art));
        name->setMinimumWidth(230);
        noten->addWidget(name, art - 1, 0);
        noten->addWidget(g, art - 1, 1);
    }
    noten->setColumnStretch(2, 1);
    senkrecht->addLayout(noten);
    senkrecht->addStretch(1);

    auto *knoepfe = new QHBoxLayout;
    BOKSchueler = new QPushButton(u"Suche starten"_s, this);
    BOKSchueler->setObjectName(u"BSucheStarten"_s);
    BAbbrechenSchueler = new QPushButton(u"Abbrechen"_s, this);
    BAbbrechenSchueler->setObjectName(u"BSucheAbbrechen"_s);
    knoepfe->addStretch(1);
    knoepfe->addWidget(BOKSchueler);
    knoepfe->addWidget(BAbbrechenSchueler);
    senkrecht->addLayout(knoepfe);

    connect(BOKSchueler, &QPushButton::clicked, this, [this] { SchuelerSucheStarten(); });
    connect(BAbbrechenSchueler, &QPushButton::clicked, this, [this] { schuelerSucheBeenden(); });
}

void SuchAnsicht::starten()
{
    if (s.speicherAbfrage() < 0) {
        return;
    }
    for (QLineEdit *e : {EVorname, ENachname, EGeschl, EZusatz}) {
        e->clear();
    }
    for (int art = 1; art <= kNotenarten; ++art) {
        for (int z = 0; z < SGNotenArt[art]->rowCount(); ++z) {
            for (int s = 0; s < 10; ++s) {
                SGNotenArt[art]->zelle(z, s, QString(), true);
            }
        }
    }
    RBOder->setChecked(true);
    suchmodus = true;
    gesucht = false;
    emit anzeigen();
    EVorname->setFocus();
}

SuchKriterien SuchAnsicht::kriterien() const
{
    SuchKriterien k;
    k.muster.vorname = EVorname->text();
    k.muster.nachname = ENachname->text();
    k.muster.geschlecht = EGeschl->text();
    k.muster.zusatz = EZusatz->text();
    for (int art = 1; art <= kNotenarten; ++art) {
        for (int slot = 0; slot <= letzteZenVonArtNr(art); ++slot) {
            k.muster.note(art, slot) = SGNotenArt[art]->text(slot / 10, slot % 10);
        }
    }
    k.und = RBUnd->isChecked();
    return k;
}

void SuchAnsicht::SchuelerSucheStarten()
{
    for (int art = 1; art <= kNotenarten; ++art) {
        if (!SGNotenArt[art]->bearbeitungAbschliessen()) {
            return;
        }
    }
    gesuchtMit = kriterien();
    gesucht = true;
    emit fertig();
    emit klassenlisteGewuenscht();
}

std::optional<QStringList> SuchAnsicht::klassenliste()
{
    if (!suchmodus || !gesucht) {
        return std::nullopt;
    }
    return suchKlassenListe(s.klassenOrdner(), gesuchtMit, r);
}

void SuchAnsicht::schuelerSucheBeenden()
{
    suchmodus = false;
    gesucht = false;
    emit beendet();
}
