#include "grades/fenster/einzelschueler_ansicht.h"

#include "classdata/einzelschueler.h"
#include "classdata/klassensitzung.h"
#include "classdata/klassenverwaltung.h"
#include "classdata/namenszeichen.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "conduct/testhinweis.h"
#include "grades/fenster/notentabelle_ansicht.h"
#include "grades/notenmodell.h"
#include "widgets/pruefgitter.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const char16_t *const kGitterNamen[6] = {u"",
                                         u"SGNotenArt1Hausarb",
                                         u"SGNotenArt2Muendl",
                                         u"SGNotenArt3Ordner",
                                         u"SGNotenArt4Prot",
                                         u"SGNotenArt5Tests"};
const char16_t *const kNamensEndung[6] = {u"",        u"1Hausarb", u"2Muendl",
                                          u"3Ordner", u"4Prot",    u"5Tests"};
const char16_t *const kGewichtNamen[6] = {u"",           u"LGewHA",   u"LGewMuendl",
                                          u"LGewOrdner", u"LGewProt", u"LGewTests"};

// Ein Langname ueber 30 Zeichen wird nach dem 30. Zeichen umbrochen.
QString umbrochen(const QString &name)
{
    return name.size() > 30 ? name.left(30) + u'\n' + name.mid(30) : name;
}

} // namespace

EinzelschuelerAnsicht::EinzelschuelerAnsicht(Klassensitzung &sitzung, Rueckfragen &rueckfragen)
    : QGroupBox(u"Schülerdaten"_s)
    , s(sitzung)
    , r(rueckfragen)
{
    setObjectName(u"GBEinzelschueler"_s);
    auto *senkrecht = new QVBoxLayout(this);

    auto *person = new QGridLayout;
    const auto feld = [this](const QString &name, int laenge) {
        auto *e = new QLineEdit(this);
        e->setObjectName(name);
        e->setMaxLength(laenge);
        e->installEventFilter(this);
        return e;
    };
    LSchNr = new QLabel(this);
    LSchNr->setObjectName(u"LSchNr"_s);
    LNeuerSchueler = new QLabel(u"Neuer Schüler"_s, this);
    LNeuerSchueler->setObjectName(u"LNeuerSchueler"_s);
    LNeuerSchueler->setStyleSheet(u"color: rgb(0,0,160); font-weight: bold;"_s);
    LNeuerSchueler->hide();
    EVorname = feld(u"EVorname"_s, kLaengeName);
    ENachname = feld(u"ENachname"_s, kLaengeName);
    EKlasse = feld(u"EKlasse"_s, kLaengeKlasse);
    // Die Tab-Reihenfolge folgt der Erzeugung: wie die Felder nebeneinander stehen.
    EGeschl = feld(u"EGeschl"_s, kLaengeGeschlecht);
    EZusatz = feld(u"EZusatz"_s, kLaengeZusatz);
    EGeschl->setFixedWidth(30);
    EKlasse->setFixedWidth(60);
    person->addWidget(LSchNr, 0, 0);
    person->addWidget(new QLabel(u"Vorname"_s, this), 0, 1);
    person->addWidget(new QLabel(u"Nachname"_s, this), 0, 2);
    person->addWidget(new QLabel(u"Kl."_s, this), 0, 3);
    person->addWidget(new QLabel(u"G"_s, this), 0, 4);
    person->addWidget(new QLabel(u"Zusatz"_s, this), 0, 5);
    person->addWidget(LNeuerSchueler, 1, 0);
    person->addWidget(EVorname, 1, 1);
    person->addWidget(ENachname, 1, 2);
    person->addWidget(EKlasse, 1, 3);
    person->addWidget(EGeschl, 1, 4);
    person->addWidget(EZusatz, 1, 5);
    person->setColumnStretch(5, 1);
    senkrecht->addLayout(person);

    auto *noten = new QGridLayout;
    noten->setHorizontalSpacing(10);
    for (int art = 1; art <= kNotenarten; ++art) {
        const int zeilen = art == 2 ? 2 : 1;
        auto *g = new PruefGitter(zeilen, 10, this);
        g->setObjectName(QString::fromUtf16(kGitterNamen[art]));
        g->setzeTabZellenweise(true);
        for (int s = 0; s < 10; ++s) {
            g->setColumnWidth(s, 34);
        }
        for (int z = 0; z < zeilen; ++z) {
            g->setRowHeight(z, 26);
        }
        g->setFixedSize(10 * 34 + 4, zeilen * 26 + 4);
        g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->uebernehmen = [this, art](int zeile, int spalte, const QString &text) {
            return noteUebernehmen(art, zeile, spalte, text);
        };
        SGNotenArt[art] = g;
        LNotenArt[art] = new QLabel(this);
        LNotenArt[art]->setObjectName(u"LNotenArt"_s + QString::fromUtf16(kNamensEndung[art]));
        LNotenArt[art]->setMinimumWidth(230);
        LNotenSchnitt[art] = new QLabel(this);
        LNotenSchnitt[art]->setObjectName(u"LNotenSchnittart"_s +
                                          QString::fromUtf16(kNamensEndung[art]));
        LNotenSchnitt[art]->setStyleSheet(u"color: rgb(155,0,0); font-weight: bold;"_s);
        LNotenSchnitt[art]->setMinimumWidth(40);
        LGew[art] = new QLabel(this);
        LGew[art]->setObjectName(QString::fromUtf16(kGewichtNamen[art]));
        const int zeile = art - 1;
        noten->addWidget(LNotenArt[art], zeile, 0);
        noten->addWidget(g, zeile, 1);
        noten->addWidget(LNotenSchnitt[art], zeile, 2);
        noten->addWidget(LGew[art], zeile, 3);
    }
    noten->setColumnStretch(4, 1);
    senkrecht->addLayout(noten);

    SGSchGesamtNoten = new PruefGitter(2, 4, this);
    SGSchGesamtNoten->setObjectName(u"SGSchGesamtNoten"_s);
    SGSchGesamtNoten->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const QString kopf[4] = {u"Ges."_s, u"Pu"_s, u"N(E)"_s, u"N(G)"_s};
    for (int s = 0; s < 4; ++s) {
        SGSchGesamtNoten->zelle(0, s, kopf[s]);
        SGSchGesamtNoten->setColumnWidth(s, 60);
    }
    SGSchGesamtNoten->setFixedSize(4 * 60 + 4, 2 * 30 + 4);
    SGSchGesamtNoten->setFocusPolicy(Qt::NoFocus);
    auto *gesamt = new QHBoxLayout;
    gesamt->addWidget(new QLabel(u"Gesamtnoten:"_s, this));
    gesamt->addWidget(SGSchGesamtNoten);
    gesamt->addStretch(1);
    senkrecht->addLayout(gesamt);
    senkrecht->addStretch(1);

    auto *knoepfe = new QHBoxLayout;
    const auto knopf = [this, knoepfe](const QString &name, const QString &text, auto aktion) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, aktion);
        knoepfe->addWidget(b);
        return b;
    };
    knopf(u"BVorherigerSchueler"_s, u"Vorheriger Schüler"_s,
          [this] { BVorherigerSchuelerClick(); });
    knopf(u"BNaechsterSchueler"_s, u"Nächster Schüler"_s, [this] { BNaechsterSchuelerClick(); });
    knopf(u"BNeuenSchueler"_s, u"Neuer Schüler"_s, [this] { BNeuenSchuelerClick(); });
    knopf(u"BSchuelerLoeschen"_s, u"Schüler löschen"_s, [this] { BSchuelerLoeschenClick(); });
    BSchuelerVerschieben = knopf(u"BSchuelerVerschieben"_s, u"Schüler verschieben"_s,
                                 [this] { BSchuelerVerschiebenClick(); });
    knoepfe->addStretch(1);
    knopf(u"BOKSchueler"_s, u"Ok (Einzelschüleransicht beenden)"_s, [this] { BOKSchuelerClick(); });
    knopf(u"BAbbrechenSchueler"_s, u"Abbrechen"_s, [this] { BAbbrechenSchuelerClick(); });
    senkrecht->addLayout(knoepfe);
    // Getippte Personendaten kommen erst beim Weiterschalten in die Klasse; das Journal haelt sie
    // schon beim Verlassen eines Feldes fest (nur dann: sonst zeigen die Felder mitunter noch
    // einen Schueler, der eben geloescht oder verschoben wurde).
    s.offeneEingabenSetzen(this, [this](Klasse &k) {
        if (feldVerlassen && s.schuelerNr >= 1 && s.schuelerNr <= kMaxSchueler) {
            schDatenNachSuk(k, s.schuelerNr, felder());
        }
    });
}

bool EinzelschuelerAnsicht::offen() const
{
    return isVisibleTo(parentWidget());
}

void EinzelschuelerAnsicht::BEinzelschuelerClick(int nr)
{
    if (offen()) {
        BOKSchuelerClick();
        return;
    }
    const int groesse = klassenGroesse(s.klasse);
    if (groesse == 0) {
        r.information(u"Bitte erst eine(n) Klasse/Kurs wählen oder neu eröffnen!"_s);
        return;
    }
    if (!testWarnungGezeigt &&
        bearbeiteteTestsVorhanden(s.pfad().left(s.pfad().lastIndexOf(kTrenner) + 1), s.kuerzel())) {
        testWarnungGezeigt = true;
        r.warnung(bearbeiteteTestsWarnung());
    }
    s.eingabenAbschliessen();
    emit anzeigen();
    if (nr > groesse) {
        s.schuelerNr = groesse;
        ladeSchueler(groesse);
        ladeNoten(groesse);
        BNeuenSchuelerClick();
        return;
    }
    s.schuelerNr = std::clamp(nr, 1, groesse);
    ladeSchueler(s.schuelerNr);
    ladeNoten(s.schuelerNr);
    EVorname->setFocus();
}

void EinzelschuelerAnsicht::ladeSchueler(int nr)
{
    const Schueler &sch = s.klasse.schueler(nr);
    EVorname->setText(sch.vorname);
    ENachname->setText(sch.nachname);
    EKlasse->setText(sch.klasse);
    EZusatz->setText(sch.zusatz);
    EGeschl->setText(sch.geschlecht);
    LSchNr->setText(QString::number(nr) + u')');
    LNeuerSchueler->setVisible(neuerSchueler);
    emit schuelerGezeigt(neuerSchueler ? u"Neue(r) Schüler(in)"_s
                                       : sch.vorname + u' ' + sch.nachname);
}

void EinzelschuelerAnsicht::ladeNoten(int nr)
{
    const Schueler &sch = s.klasse.schueler(nr);
    for (int art = 1; art <= kNotenarten; ++art) {
        LNotenArt[art]->setText(umbrochen(s.klasse.notenart(art).langname));
        for (int slot = 0; slot <= letzteZenVonArtNr(art); ++slot) {
            const int zeile = slot / 10;
            const int spalte = slot % 10;
            SGNotenArt[art]->zelle(zeile, spalte, sch.note(art, slot), true);
            const QString datum = s.klasse.datum(art, slot);
            const QString erlaeuterung = s.klasse.erlaeuterung(art, slot);
            SGNotenArt[art]
                ->item(zeile, spalte)
                ->setToolTip(datum.isEmpty() && erlaeuterung.isEmpty()
                                 ? QString()
                                 : datum + u"  "_s + erlaeuterung);
        }
        LGew[art]->setText(u"("_s + QString::number(s.klasse.gewicht(art)) + u"% Gewicht)"_s);
    }
    SGSchGesamtNotenFuellen();
}

void EinzelschuelerAnsicht::SGSchGesamtNotenFuellen()
{
    const int nr = s.schuelerNr;
    for (int art = 1; art <= kNotenarten; ++art) {
        const qint64 a = schnitt(s.klasse, nr, art);
        LNotenSchnitt[art]->setText(a > 0 ? schnittText(a) : QString());
    }
    const float g = gesamtZensur(s.klasse, nr);
    SGSchGesamtNoten->zelle(1, 0, g == 0.0f ? QString() : gesamtText(g));
    SGSchGesamtNoten->zelle(1, 1, notenPunkte(s.klasse, nr));
    SGSchGesamtNoten->zelle(1, 2, E_Note(s.klasse, nr));
    SGSchGesamtNoten->zelle(1, 3, G_Note(s.klasse, nr));
}

bool EinzelschuelerAnsicht::noteUebernehmen(int art, int zeile, int spalte, const QString &text)
{
    const int slot = zeile * 10 + spalte;
    if (ENachname->text().isEmpty() || slot > letzteZenVonArtNr(art) ||
        !notenEingabeOk(text, NotenAnzeige::Zensuren)) {
        r.piep();
        return false;
    }
    felderSpeichern();
    s.klasse.schueler(s.schuelerNr).note(art, slot) = text;
    SGNotenArt[art]->zelle(zeile, spalte, text, true);
    s.geaendertMelden();
    SGSchGesamtNotenFuellen();
    return true;
}

SchuelerFelder EinzelschuelerAnsicht::felder() const
{
    SchuelerFelder felder;
    felder.vorname = EVorname->text();
    felder.nachname = ENachname->text();
    felder.klasse = EKlasse->text();
    felder.zusatz = EZusatz->text();
    felder.geschlecht = EGeschl->text();
    return felder;
}

void EinzelschuelerAnsicht::felderSpeichern()
{
    schDatenNachSuk(s.klasse, s.schuelerNr, felder());
}

void EinzelschuelerAnsicht::feldUebernehmen()
{
    if (!offen()) {
        return;
    }
    for (int art = 1; art <= kNotenarten; ++art) {
        SGNotenArt[art]->bearbeitungAbschliessen();
    }
    felderSpeichern();
}

bool EinzelschuelerAnsicht::neuerSchuelerUnvollstaendig()
{
    if (!neuerSchueler || neuenSchuelerPruefen(felder(), r)) {
        return false;
    }
    EVorname->setFocus();
    return true;
}

bool EinzelschuelerAnsicht::BNaechsterSchuelerClick()
{
    feldUebernehmen();
    if (neuerSchuelerUnvollstaendig()) {
        return false;
    }
    neuerSchueler = false;
    s.sortieren();
    if (s.schuelerNr < klassenGroesse(s.klasse)) {
        ++s.schuelerNr;
    }
    ladeSchueler(s.schuelerNr);
    ladeNoten(s.schuelerNr);
    return true;
}

bool EinzelschuelerAnsicht::BVorherigerSchuelerClick()
{
    feldUebernehmen();
    if (neuerSchuelerUnvollstaendig()) {
        return false;
    }
    neuerSchueler = false;
    s.sortieren();
    if (s.schuelerNr > 1) {
        --s.schuelerNr;
    }
    ladeSchueler(s.schuelerNr);
    ladeNoten(s.schuelerNr);
    return true;
}

bool EinzelschuelerAnsicht::BOKSchuelerClick()
{
    feldUebernehmen();
    if (neuerSchuelerUnvollstaendig()) {
        return false;
    }
    neuerSchueler = false;
    schliessen();
    return true;
}

void EinzelschuelerAnsicht::BAbbrechenSchuelerClick()
{
    if (neuerSchueler) {
        loescheEinenSchueler(s.klasse, s.schuelerNr);
        neuerSchueler = false;
    }
    schliessen();
}

void EinzelschuelerAnsicht::schliessen()
{
    s.schuelerNr = std::clamp(s.schuelerNr, 1, std::max(1, klassenGroesse(s.klasse)));
    emit fertig();
}

bool EinzelschuelerAnsicht::BNeuenSchuelerClick()
{
    if (neuerSchuelerUnvollstaendig()) {
        return false;
    }
    for (int art = 1; art <= kNotenarten; ++art) {
        SGNotenArt[art]->bearbeitungAbschliessen();
    }
    // Gezeigt ist auch ein neuer Schueler, dessen Namen erst getippt sind: er zaehlt noch nicht
    // zur Klassengroesse, sein Platz ist der hinter dem letzten Schueler.
    const int groesse = klassenGroesse(s.klasse);
    const bool gezeigt =
        offen() && s.schuelerNr >= 1 &&
        (s.schuelerNr <= groesse || (neuerSchueler && s.schuelerNr == groesse + 1));
    const int neu =
        neuenSchuelerAnlegen(s.klasse, gezeigt ? s.schuelerNr : 0, felder(), s.sortierung(), r);
    if (neu == 0) {
        return false;
    }
    neuerSchueler = true;
    s.schuelerNr = neu;
    ladeSchueler(s.schuelerNr);
    ladeNoten(s.schuelerNr);
    s.geaendertMelden();
    EVorname->setFocus();
    return true;
}

void EinzelschuelerAnsicht::BSchuelerLoeschenClick()
{
    const int nr = s.schuelerNr;
    if (!schuelerLoeschenNachRueckfrage(s.klasse, nr, neuerSchueler, r)) {
        return;
    }
    neuerSchueler = false;
    s.geaendertMelden();
    const int groesse = klassenGroesse(s.klasse);
    if (groesse == 0) {
        schliessen();
        return;
    }
    s.schuelerNr = std::min(nr, groesse);
    ladeSchueler(s.schuelerNr);
    ladeNoten(s.schuelerNr);
}

void EinzelschuelerAnsicht::feldImJournal()
{
    feldVerlassen = true;
    s.geaendertMelden();
    feldVerlassen = false;
}

bool EinzelschuelerAnsicht::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (ereignis->type() != QEvent::FocusOut || !offen()) {
        return QGroupBox::eventFilter(objekt, ereignis);
    }
    if (objekt == EVorname || objekt == ENachname) {
        auto *feld = static_cast<QLineEdit *>(objekt);
        const QString text = objekt == EVorname ? vornameFeldVerlassen(feld->text())
                                                : nachnameFeldVerlassen(feld->text());
        if (text != feld->text()) {
            feld->setText(text);
        }
        // Ein Zeichen, das die Klassendatei nicht speichern kann, wird gleich hier abgewiesen,
        // nicht erst beim naechsten Speichern der ganzen Klasse.
        if (const QString fehler = namenszeichenFehler(feld->text()); !fehler.isEmpty()) {
            r.fehler(fehler);
            const Schueler &gespeichert = s.klasse.schueler(s.schuelerNr);
            feld->setText(objekt == EVorname ? gespeichert.vorname : gespeichert.nachname);
            QTimer::singleShot(0, feld, [feld] { feld->setFocus(); });
            return QGroupBox::eventFilter(objekt, ereignis);
        }
        // Ist der neue Schueler schon in der Klasse gespeichert, zaehlt er nicht gegen sich selbst.
        const bool nochNichtGespeichert = neuerSchueler && s.schuelerNr > klassenGroesse(s.klasse);
        if (nameVorhanden(s.klasse, s.schuelerNr, EVorname->text(), ENachname->text(),
                          nochNichtGespeichert, r)) {
            QTimer::singleShot(0, feld, [feld] { feld->setFocus(); });
        } else {
            feldImJournal();
        }
    } else if (objekt == EGeschl) {
        EGeschl->setText(geschlechtFeldVerlassen(EGeschl->text()));
        feldImJournal();
    } else if (objekt == EKlasse || objekt == EZusatz) {
        feldImJournal();
    }
    return QGroupBox::eventFilter(objekt, ereignis);
}

// --- Schueler in eine andere Klasse verschieben ---------------------------------------------

namespace {
const QString kZielAufforderung = u"Bitte oben das Ziel\nder Verschiebung\nauswählen.\n\nZum "
                                  u"Abbrechen\nnochmal hier\nklicken"_s;
} // namespace

void EinzelschuelerAnsicht::BSchuelerVerschiebenClick()
{
    if (imZielmodus) {
        zielmodusBeenden();
        return;
    }
    feldUebernehmen();
    if (!verschiebenMoeglich(suchmodus, neuerSchueler, felder(), r)) {
        if (neuerSchueler) {
            EVorname->setFocus();
        }
        return;
    }
    imZielmodus = true;
    BSchuelerVerschieben->setText(kZielAufforderung);
    emit zielmodusGeaendert(true);
}

void EinzelschuelerAnsicht::zielmodusBeenden()
{
    if (!imZielmodus) {
        return;
    }
    imZielmodus = false;
    BSchuelerVerschieben->setText(u"Schüler verschieben"_s);
    emit zielmodusGeaendert(false);
}

void EinzelschuelerAnsicht::zielKlasseGewaehlt(const QString &zielPfad)
{
    if (!imZielmodus) {
        return;
    }
    // Was im Zielmodus getippt wurde, zieht mit um.
    feldUebernehmen();
    const int nr = s.schuelerNr;
    // Die Quelle wird gleich mit dem Ziel gespeichert. Die Felder zeigen vorher schon den
    // naechsten Schueler: das Speichern uebernimmt die Felder in die Klasse.
    const auto quelleSpeichern = [this, nr] {
        s.geaendertMelden();
        const int groesse = klassenGroesse(s.klasse);
        s.schuelerNr = std::clamp(nr, 1, std::max(1, groesse));
        if (groesse == 0) {
            for (QLineEdit *e : {EVorname, ENachname, EKlasse, EZusatz, EGeschl}) {
                e->clear();
            }
        } else {
            ladeSchueler(s.schuelerNr);
            ladeNoten(s.schuelerNr);
        }
        return s.speichern();
    };
    const bool verschoben =
        schuelerVerschieben(s.klasse, nr, s.pfad(), zielPfad, r, quelleSpeichern);
    if (!verschoben && klassenGroesse(s.klasse) >= nr) {
        s.schuelerNr = nr;
        ladeSchueler(nr);
        ladeNoten(nr);
    }
    zielmodusBeenden();
    if (verschoben && klassenGroesse(s.klasse) == 0) {
        BAbbrechenSchuelerClick();
    }
}
