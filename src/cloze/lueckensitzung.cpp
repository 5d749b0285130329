#include "cloze/lueckensitzung.h"

#include "authoring/aufgaben.h"
#include "cloze/lueckenbenotung.h"
#include "common/ordner.h"
#include "common/rtf/rtf.h"
#include "common/rueckfragen.h"
#include "conduct/normtabelle.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

Lueckensitzung::Lueckensitzung(Rueckfragen &r, QObject *eltern)
    : QObject(eltern)
    , r(r)
{
    dokumentErsetzen(std::make_unique<QTextDocument>(), nullptr);
}

Lueckensitzung::~Lueckensitzung() = default;

QString Lueckensitzung::ordnerDatei(const QString &name) const
{
    return QFileInfo(urdatei).absolutePath() + u'/' + name;
}

bool Lueckensitzung::urdateiSpeichernMoeglich() const
{
    return !urdatei.isEmpty() && lehrer() && modusWert != Modus::Schuelertest;
}

bool Lueckensitzung::eintraegeSpeichernMoeglich() const
{
    return !urdatei.isEmpty() && !lehrer();
}

bool Lueckensitzung::lueckenBearbeitbar() const
{
    return lehrer() && modusWert == Modus::Luecken;
}

bool Lueckensitzung::textBearbeitbar() const
{
    return lehrer() && modusWert == Modus::Text;
}

bool Lueckensitzung::schuelerKlicks() const
{
    return !lehrer() || modusWert == Modus::Schuelertest;
}

void Lueckensitzung::dokumentErsetzen(std::unique_ptr<QTextDocument> neu,
                                      void (Lueckensitzung::*signal)())
{
    // Das alte Dokument lebt, bis die Ansichten das neue zeigen; der Wechsel ist keine Aenderung.
    const std::unique_ptr<QTextDocument> alt = std::move(arbeit);
    arbeit = std::move(neu);
    arbeit->setUndoRedoEnabled(false);
    connect(arbeit.get(), &QTextDocument::contentsChanged, this,
            &Lueckensitzung::textAenderungMelden);
    if (signal) {
        laedt = true;
        emit(this->*signal)();
        laedt = false;
    }
}

void Lueckensitzung::leeren()
{
    probeText.reset();
    eintraegeOffen = false;
    listen = LueckenListen{};
    schuelerAWoerter.clear();
    textGeaendert = false;
    ansichtWert = Ansicht::Lehrer;
    dokumentErsetzen(std::make_unique<QTextDocument>(), &Lueckensitzung::geleert);
}

void Lueckensitzung::textAenderungMelden()
{
    if (!laedt && lehrer() && modusWert != Modus::Schuelertest) {
        textGeaendert = true;
    }
}

void Lueckensitzung::aenderungMelden()
{
    textGeaendert = true;
}

void Lueckensitzung::eintragMelden()
{
    eintraegeOffen = !lehrer();
}

void Lueckensitzung::lueckenNeuBestimmen()
{
    gezaehlt = lueckenAlleNeuBestimmen(*arbeit, listen.tabelle);
    emit listenNeu();
}

QString Lueckensitzung::markieren(int anfang, int ende, QChar art)
{
    const QString f = lueckeMarkieren(*arbeit, listen.tabelle, anfang, ende, art);
    if (f.isEmpty()) {
        aenderungMelden();
        lueckenNeuBestimmen();
    }
    return f;
}

void Lueckensitzung::entfernen(int n)
{
    lueckenAlleNeuBestimmen(*arbeit, listen.tabelle);
    lueckeEntfernen(*arbeit, listen.tabelle, n);
    aenderungMelden();
    lueckenNeuBestimmen();
}

QString Lueckensitzung::alternativeHinzu(int n, const QString &text)
{
    const QString f = alternativeHinzufuegen(listen.tabelle, n, text);
    if (f.isEmpty()) {
        aenderungMelden();
    }
    return f;
}

bool Lueckensitzung::alternativeWeg(int n, const QString &text)
{
    if (!alternativeEntfernen(listen.tabelle, n, text)) {
        return false;
    }
    aenderungMelden();
    return true;
}

QString Lueckensitzung::eintragen(int n, const QString &wort)
{
    const QString f = schuelerEintragPruefen(listen.tabelle, schuelerAWoerter, n, wort);
    if (!f.isEmpty()) {
        return f;
    }
    lueckeFuellen(*arbeit, listen.tabelle, n, wort);
    eintragMelden();
    return {};
}

int Lueckensitzung::offeneLuecken() const
{
    int offen = 0;
    for (const LueckenLauf &l : lueckenLaeufe(*arbeit)) {
        offen += l.text == kPlatzhalter ? 1 : 0;
    }
    return offen;
}

int Lueckensitzung::sprungZiel(int k) const
{
    const QList<LueckenLauf> laeufe = lueckenLaeufe(*arbeit);
    if (!schuelerKlicks()) {
        return k >= 0 && k < laeufe.size() ? k : -1;
    }
    int zaehler = 0;
    for (qsizetype i = 0; i < laeufe.size(); ++i) {
        if (laeufe[i].text == kPlatzhalter && zaehler++ == k) {
            return int(i);
        }
    }
    return -1;
}

void Lueckensitzung::modusSetzen(Modus m)
{
    // Nach der Textbearbeitung stehen die Luecken woanders: Tabelle und Listen neu.
    if (m == Modus::Luecken && modusWert == Modus::Text && lehrer()) {
        modusWert = m;
        lueckenNeuBestimmen();
    }
    modusWert = m;
    emit modusGewechselt();
}

void Lueckensitzung::f1()
{
    if (lehrer() && modusWert == Modus::Schuelertest && probeText) {
        // Zurueck aus der Probe: der Lehrertext, wie er vor F4 war.
        dokumentErsetzen(std::move(probeText), &Lueckensitzung::dokumentGewechselt);
        listen = std::move(probeListen);
        lueckenNeuBestimmen();
        modusSetzen(Modus::Luecken);
    } else if (lehrer() && modusWert != Modus::Schuelertest) {
        modusSetzen(modusWert == Modus::Luecken ? Modus::Text : Modus::Luecken);
    }
}

void Lueckensitzung::f4()
{
    if (lehrer() && modusWert != Modus::Schuelertest) {
        probeText.reset(arbeit->clone());
        probeListen = listen;
        schuelerAWoerter.clear();
        for (int n = 1; n <= listen.tabelle.anzahl(); ++n) {
            if (listen.tabelle[n].art == kArtA) {
                schuelerAWoerter << listen.tabelle[n].wort;
            }
        }
    }
    modusSetzen(Modus::Schuelertest);
}

bool Lueckensitzung::speicherAbfrage(bool speichernAnbieten)
{
    if (!lehrer()) {
        if (!eintraegeOffen) {
            return true;
        }
        const auto k = r.frage(Rueckfragen::Art::Frage,
                               u"Die Einträge des Schülertests sind noch nicht gespeichert.\n"
                               "Sollen sie jetzt gespeichert werden?"_s,
                               Rueckfragen::Knoepfe::JaNeinAbbruch);
        if (k == Rueckfragen::Knopf::Ja) {
            return eintraegeSpeichern();
        }
        return k == Rueckfragen::Knopf::Nein;
    }
    if (!textGeaendert) {
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

bool Lueckensitzung::neuerTest(const QString &urdateiPfad)
{
    if (!speicherAbfrage(true)) {
        return false;
    }
    leeren();
    urdatei = urdateiPfad;
    urdateiBekannt = false;
    modusSetzen(Modus::Text);
    return true;
}

bool Lueckensitzung::testOeffnen(const QString &urdateiPfad)
{
    if (!speicherAbfrage(true)) {
        return false;
    }
    // Beantwortet ist beantwortet: das Laden fragt nicht noch einmal nach Text oder Eintraegen.
    urdatei = urdateiPfad;
    textGeaendert = false;
    eintraegeOffen = false;
    urdateiLaden();
    return true;
}

bool Lueckensitzung::urdateiSchreiben()
{
    // In der Probe (F4) stehen Probeeintraege im Arbeitstext: gespeichert wird der Lehrertext,
    // wie er vor F4 war, nie ein Eintrag als richtige Loesung.
    const bool probe = probeText != nullptr;
    LueckenListen &quelle = probe ? probeListen : listen;
    QString fehler;
    const auto ur = urdateiErzeugen(probe ? *probeText : *arbeit, quelle.tabelle, fehler);
    if (!ur) {
        r.fehler(fehler);
        return false;
    }
    // Ein neuer Test ueberschreibt keine vorhandene Urdatei ohne Rueckfrage.
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
    textGeaendert = false;
    urdateiBekannt = true;
    if (!probe) {
        lueckenNeuBestimmen();
    }
    return true;
}

bool Lueckensitzung::urdateiSpeichern()
{
    if (!lehrer() || modusWert == Modus::Schuelertest) {
        r.warnung(u"Die Urdatei lässt sich nur in der Lehreransicht speichern, nicht im "
                  "Schülertest: sonst würden die Einträge als richtige Lösungen gespeichert."_s);
        return false;
    }
    // Gespeichert zeigt die Sitzung die Urdatei, wie sie jetzt liegt: Lueckenbearbeitung.
    if (!urdateiSchreiben()) {
        return false;
    }
    urdateiLaden();
    return true;
}

bool Lueckensitzung::dateiDarstellen(const QString &datei, Auswertung auswerten)
{
    leeren();
    auto geladen = std::make_unique<QTextDocument>();
    QString fehler = rtfDateiLaden(datei, *geladen);
    LueckenListen neu;
    if (fehler.isEmpty()) {
        fehler = auswerten(*geladen, neu, datei);
    }
    if (!fehler.isEmpty()) {
        r.fehler(fehler);
        modusSetzen(Modus::Text);
        return false;
    }
    dokumentErsetzen(std::move(geladen), &Lueckensitzung::dokumentGewechselt);
    listen = std::move(neu);
    return true;
}

bool Lueckensitzung::urdateiLaden()
{
    if (!speicherAbfrage(false)) {
        return false;
    }
    if (!dateiDarstellen(urdatei, &lehreransichtAusUrdatei)) {
        return false;
    }
    ansichtWert = Ansicht::Lehrer;
    textGeaendert = false;
    urdateiBekannt = true;
    lueckenNeuBestimmen();
    modusSetzen(Modus::Luecken);
    return true;
}

bool Lueckensitzung::schuelerdateiLaden()
{
    if (!speicherAbfrage(true)) {
        return false;
    }
    if (!dateiDarstellen(ordnerDatei(kSchuelerdateiName), &schueleransichtAusSchuelerdatei)) {
        return false;
    }
    schuelerAWoerter = listen.allgemeine;
    ansichtWert = Ansicht::Schueler;
    emit listenNeu();
    modusSetzen(Modus::Schuelertest);
    return true;
}

bool Lueckensitzung::eintraegeSpeichern()
{
    if (lehrer()) {
        r.warnung(u"Es ist kein Schülertest geöffnet: erst \"SchTestDateiDarstellen\" wählen."_s);
        return false;
    }
    const auto aus = ausgefuelltErzeugen(*arbeit, listen.tabelle);
    const QString fehler = rtfDateiSpeichern(ordnerDatei(kAusgefuelltName), *aus);
    if (!fehler.isEmpty()) {
        r.fehler(fehler);
        return false;
    }
    eintraegeOffen = false;
    return true;
}

bool Lueckensitzung::schuelerdateiErzeugen()
{
    if (!speicherAbfrage(true)) {
        return false;
    }
    QTextDocument ur;
    QString fehler = rtfDateiLaden(urdatei, ur);
    std::unique_ptr<QTextDocument> sch;
    if (fehler.isEmpty()) {
        sch = ::schuelerdateiErzeugen(ur, urdatei, fehler);
    }
    if (sch) {
        fehler = rtfDateiSpeichern(ordnerDatei(kSchuelerdateiName), *sch);
    }
    if (!fehler.isEmpty()) {
        r.fehler(fehler);
        return false;
    }
    r.information(u"Die Schülertestdatei "_s + ordnerDatei(kSchuelerdateiName) +
                  u" wurde erzeugt."_s);
    return true;
}

std::unique_ptr<QTextDocument> Lueckensitzung::benoten(const QString &programmOrdner)
{
    if (!speicherAbfrage(true)) {
        return nullptr;
    }
    QTextDocument ur;
    QTextDocument aus;
    QString fehler = rtfDateiLaden(urdatei, ur);
    if (fehler.isEmpty()) {
        fehler = rtfDateiLaden(ordnerDatei(kAusgefuelltName), aus);
    }
    if (!fehler.isEmpty()) {
        r.fehler(fehler);
        return nullptr;
    }
    // Die Normtabelle des Fachs, sonst die Standardanteile.
    const QString kuerzel = QFileInfo(urdatei).fileName();
    const QString normPfad =
        kuerzel.size() > 2 ? normtabelleVorschlag(programmOrdner, kuerzel[2]) : QString();
    // Die Notenzeile nennt die Tabelle, nach der wirklich benotet wurde.
    Normtabelle norm = standardNormtabelle();
    QString tabelle;
    if (istGewoehnlicheDatei(normPfad)) {
        SammelRueckfragen gelesen;
        norm = normTabelleEinlesen(normPfad, gelesen);
        for (const QString &t : gelesen.texte) {
            r.warnung(t);
        }
        if (gelesen.texte.isEmpty()) {
            tabelle = QFileInfo(normPfad).fileName();
        }
    }
    LueckenBenotung b =
        lueckentestBenoten(ur, urdatei, aus, ordnerDatei(kAusgefuelltName), norm, tabelle);
    if (!b.fehler.isEmpty()) {
        r.fehler(b.fehler);
        return nullptr;
    }
    fehler = rtfDateiSpeichern(ordnerDatei(kBenotetName), *b.dokument);
    if (!fehler.isEmpty()) {
        r.fehler(fehler);
        return nullptr;
    }
    if (!lehrer()) {
        ansichtWert = Ansicht::Lehrer;
        urdateiLaden();
    }
    return std::move(b.dokument);
}
