#include "outside/schuelerprogramm/Mivo.h"

#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rtf/rtf.h"
#include "common/rueckfragen.h"
#include "conduct/testname.h"
#include "outside/schuelerprogramm/Testansicht.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace schuelerseite;

namespace {

const QString crlf = u"\r\n"_s;

QString datumAnzeige(const QString &iso)
{
    const QDate d = QDate::fromString(iso, u"yyyy-MM-dd"_s);
    return d.isValid() ? d.toString(u"dd.MM.yyyy"_s) : u"?"_s;
}

QString angebotText(const Bereitgestellt &b)
{
    QString t = b.thema.isEmpty() ? u"Test "_s + b.testKuerzel : b.thema;
    // Ohne eingetragenen Lehrernamen nur das Datum.
    return t + u"   ("_s +
           (b.lehrer.isEmpty() ? QString() : u"Lehrkraft: "_s + b.lehrer + u", "_s) +
           datumAnzeige(b.datum) + u')';
}

QLabel *ueberschrift(const QString &text, QWidget *eltern)
{
    auto *l = new QLabel(text, eltern);
    QFont f = l->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    l->setFont(f);
    return l;
}

// "Aufgabe 5, Bild 2" aus "05-2 Name.jpg".
QString bildUnterschrift(const QString &datei)
{
    if (datei.size() >= 4 && datei[2] == u'-') {
        return u"Aufgabe "_s + QString::number(datei.left(2).toInt()) + u", Bild "_s + datei[3];
    }
    return datei;
}

} // namespace

TMivo::TMivo(const Konfig &konfig, Rueckfragen &r, QWidget *eltern)
    : QMainWindow(eltern)
    , k(konfig)
    , r(r)
{
    setObjectName(u"Mivo"_s);
    setWindowTitle(k.schule.isEmpty() ? u"Mivo"_s : u"Mivo – "_s + k.schule);
    aufbauen();
    resize(1024, 720);
}

int TMivo::seite() const
{
    return seiten->currentIndex();
}

void TMivo::aufbauen()
{
    seiten = new QStackedWidget(this);
    seiten->addWidget(startSeite());
    seiten->addWidget(auswahlSeite());
    testansicht = new TTestansicht(seiten);
    connect(testansicht, &TTestansicht::geaendert, this, &TMivo::zwischenstandSichern);
    connect(testansicht, &TTestansicht::abgebenGewuenscht, this, &TMivo::abgebenClick);
    connect(testansicht, &TTestansicht::sichernGewuenscht, this, &TMivo::sichernClick);
    seiten->addWidget(testansicht);
    seiten->addWidget(rueckgabeSeite());
    setCentralWidget(seiten);
    zurStartseite();
}

QWidget *TMivo::startSeite()
{
    auto *w = new QWidget(this);
    auto *l = new QVBoxLayout(w);
    l->addStretch(1);
    l->addWidget(ueberschrift(u"Willkommen bei Mivo"_s, w), 0, Qt::AlignHCenter);
    if (!k.schule.isEmpty()) {
        l->addWidget(new QLabel(k.schule, w), 0, Qt::AlignHCenter);
    }
    l->addSpacing(30);
    auto *zeile = new QHBoxLayout;
    auto *lk = new QLabel(u"Deine &Klasse:"_s, w);
    CBoxKlasse = new QComboBox(w);
    CBoxKlasse->setObjectName(u"CBoxKlasse"_s);
    CBoxKlasse->setEditable(true);
    CBoxKlasse->setInsertPolicy(QComboBox::NoInsert);
    CBoxKlasse->setMinimumWidth(120);
    CBoxKlasse->lineEdit()->setPlaceholderText(u"z. B. 7a"_s);
    lk->setBuddy(CBoxKlasse);
    zeile->addStretch(1);
    zeile->addWidget(lk);
    zeile->addWidget(CBoxKlasse);
    zeile->addStretch(1);
    l->addLayout(zeile);
    l->addSpacing(20);
    BTestHolen = new QPushButton(u"&Test holen und bearbeiten"_s, w);
    BTestHolen->setObjectName(u"BTestHolen"_s);
    BTestHolen->setDefault(true);
    BTestHolen->setAutoDefault(true);
    BRueckgabe = new QPushButton(u"&Zurückgegebenen Test ansehen"_s, w);
    BRueckgabe->setObjectName(u"BRueckgabe"_s);
    BRueckgabe->setAutoDefault(true);
    for (QPushButton *b : {BTestHolen, BRueckgabe}) {
        b->setMinimumSize(320, 44);
        l->addWidget(b, 0, Qt::AlignHCenter);
    }
    connect(BTestHolen, &QPushButton::clicked, this, &TMivo::BTestHolenClick);
    connect(BRueckgabe, &QPushButton::clicked, this, &TMivo::BRueckgabeClick);
    connect(CBoxKlasse->lineEdit(), &QLineEdit::returnPressed, this, &TMivo::BTestHolenClick);
    l->addStretch(2);
    return w;
}

QWidget *TMivo::auswahlSeite()
{
    auto *w = new QWidget(this);
    auto *l = new QVBoxLayout(w);
    LAuswahl = ueberschrift(QString(), w);
    l->addWidget(LAuswahl);
    auto *lt = new QLabel(u"1. Welcher &Test?"_s, w);
    LBoxTests = new QListWidget(w);
    LBoxTests->setObjectName(u"LBoxTests"_s);
    LBoxTests->setMaximumHeight(140);
    lt->setBuddy(LBoxTests);
    auto *ln = new QLabel(u"2. Wer &bist du?"_s, w);
    LBoxNamen = new QListWidget(w);
    LBoxNamen->setObjectName(u"LBoxNamen"_s);
    ln->setBuddy(LBoxNamen);
    l->addWidget(lt);
    l->addWidget(LBoxTests);
    l->addWidget(ln);
    l->addWidget(LBoxNamen, 1);
    auto *unten = new QHBoxLayout;
    BZurueck = new QPushButton(u"◀ Z&urück"_s, w);
    BZurueck->setObjectName(u"BZurueck"_s);
    BWeiter = new QPushButton(u"Das bin ich – &weiter ▶"_s, w);
    BWeiter->setObjectName(u"BWeiter"_s);
    // Enter auf einem Knopf mit Fokus drueckt ihn, auch ausserhalb eines Dialogs.
    BZurueck->setAutoDefault(true);
    BWeiter->setAutoDefault(true);
    unten->addWidget(BZurueck);
    unten->addStretch(1);
    unten->addWidget(BWeiter);
    l->addLayout(unten);
    connect(LBoxTests, &QListWidget::currentRowChanged, this, &TMivo::testGewaehlt);
    connect(LBoxTests, &QListWidget::itemActivated, this, [this] { LBoxNamen->setFocus(); });
    // Ein Name gilt erst, wenn der Schueler ihn gewaehlt hat (Pfeiltaste oder Klick): der Zeiger,
    // den die Liste beim Hineinspringen setzt, waehlt niemanden.
    connect(LBoxNamen, &QListWidget::itemActivated, this, &TMivo::BWeiterClick);
    connect(LBoxNamen, &QListWidget::itemSelectionChanged, this,
            [this] { BWeiter->setEnabled(!LBoxNamen->selectedItems().isEmpty()); });
    connect(BWeiter, &QPushButton::clicked, this, &TMivo::BWeiterClick);
    connect(BZurueck, &QPushButton::clicked, this, [this] { zurStartseite(); });
    return w;
}

QWidget *TMivo::rueckgabeSeite()
{
    auto *w = new QWidget(this);
    auto *l = new QVBoxLayout(w);
    auto *mitte = new QHBoxLayout;
    RERueckgabe = new QTextBrowser(w);
    RERueckgabe->setObjectName(u"RERueckgabe"_s);
    RERueckgabe->setReadOnly(true);
    RERueckgabe->setOpenLinks(false);
    RERueckgabe->setLineWrapMode(QTextEdit::NoWrap);
    LBoxBilder = new QListWidget(w);
    LBoxBilder->setObjectName(u"LBoxBilder"_s);
    LBoxBilder->setViewMode(QListView::IconMode);
    LBoxBilder->setIconSize(QSize(160, 110));
    LBoxBilder->setFlow(QListView::TopToBottom);
    LBoxBilder->setWrapping(false);
    LBoxBilder->setFixedWidth(200);
    mitte->addWidget(RERueckgabe, 1);
    mitte->addWidget(LBoxBilder);
    l->addLayout(mitte, 1);
    auto *unten = new QHBoxLayout;
    LRueckgabeHinweis = new QLabel(w);
    LRueckgabeHinweis->setObjectName(u"LRueckgabeHinweis"_s);
    BSpeichern = new QPushButton(u"&Speichern"_s, w);
    BSpeichern->setObjectName(u"BSpeichern"_s);
    BFertig = new QPushButton(u"&Fertig"_s, w);
    BFertig->setObjectName(u"BFertig"_s);
    BSpeichern->setAutoDefault(true);
    BFertig->setAutoDefault(true);
    // Die Zeichen der benoteten Kopie am Anfang der Antwortzeilen.
    LLegende = new QLabel(u"Zeichen vor den Antworten:   =x  richtig angekreuzt   ·   =  richtige "
                          "Antwort (nicht angekreuzt)   ·   x  angekreuzt, aber falsch"_s,
                          w);
    LLegende->setObjectName(u"LLegende"_s);
    LLegende->setWordWrap(true);
    l->addWidget(LLegende);
    unten->addWidget(LRueckgabeHinweis, 1);
    unten->addWidget(BSpeichern);
    unten->addWidget(BFertig);
    l->addLayout(unten);
    connect(BFertig, &QPushButton::clicked, this, [this] { zurStartseite(); });
    connect(BSpeichern, &QPushButton::clicked, this, [this] {
        QString ziel;
        const QString fehler = dokument ? rueckgabeSpeichern(k, *dokument, &ziel) : QString();
        if (!fehler.isEmpty()) {
            r.fehler(fehler);
        } else if (dokument) {
            r.information(u"Dein Test ist gespeichert:"_s + crlf + ziel);
        }
    });
    return w;
}

void TMivo::zurStartseite(bool klasseLeeren)
{
    if (klasseLeeren) {
        CBoxKlasse->setEditText(QString());
    }
    bogenOffen.reset();
    dokument.reset();
    gewaehlt.reset();
    schueler.reset();
    abgegeben = false;
    klassenAnbieten();
    seiten->setCurrentIndex(Start);
    CBoxKlasse->setFocus();
    CBoxKlasse->lineEdit()->selectAll();
}

void TMivo::klassenAnbieten()
{
    const QString getippt = CBoxKlasse->currentText();
    CBoxKlasse->clear();
    QStringList klassen = klassenMitSignal(k.ausgabeOrdner);
    if (!k.rueckgabeOrdner.isEmpty() && k.rueckgabeOrdner != k.ausgabeOrdner) {
        for (const QString &c : klassenMitSignal(k.rueckgabeOrdner)) {
            if (!klassen.contains(c)) {
                klassen << c;
            }
        }
    }
    for (const QString &c : std::as_const(klassen)) {
        CBoxKlasse->addItem(klasseAnzeige(c).replace(u'.', QString()));
    }
    CBoxKlasse->setEditText(getippt);
}

void TMivo::BTestHolenClick()
{
    klasseSuchen(Art::Test);
}

void TMivo::BRueckgabeClick()
{
    klasseSuchen(Art::Rueckgabe);
}

void TMivo::klasseSuchen(Art a)
{
    art = a;
    const QString eingabe = CBoxKlasse->currentText().trimmed();
    const QString kuerzel = klassenkuerzelAusEingabe(eingabe);
    if (kuerzel.isEmpty()) {
        r.warnung(eingabe.isEmpty()
                      ? u"Bitte gib zuerst deine Klasse ein, zum Beispiel 7a oder 10b."_s
                      : u"\""_s + eingabe +
                            u"\" ist keine Klasse. Gib deine Klasse so ein, wie sie im "_s
                            u"Stundenplan steht, zum Beispiel 7a oder 10b."_s);
        CBoxKlasse->setFocus();
        return;
    }
    const QString ordner = a == Art::Test ? k.ausgabeOrdner : k.rueckgabeOrdner;
    if (ordner.isEmpty() && a == Art::Rueckgabe && !k.rueckgabeFehler.isEmpty()) {
        r.fehler(k.rueckgabeFehler);
        return;
    }
    if (!echterOrdner(ordner)) {
        r.fehler(u"Mivo erreicht den Ordner auf dem Schulserver nicht ("_s + ordner +
                 u"). Bitte sag deiner Lehrerin oder deinem Lehrer Bescheid."_s);
        return;
    }
    const Suche s = bereitgestellteSuchen(ordner, kuerzel, a);
    if (s.gefunden.isEmpty()) {
        QString text =
            a == Art::Test
                ? u"Für die Klasse "_s + eingabe + u" ist gerade kein Test bereitgestellt."_s
                : u"Für die Klasse "_s + eingabe + u" ist gerade kein Test zurückgegeben."_s;
        text += u" Stimmt die Klasse? Wenn ja, warte bitte, bis deine Lehrkraft den Test "_s
                u"freigibt, und versuche es dann noch einmal."_s;
        if (s.ohneOrdner > 0) {
            text += crlf + crlf + u"(Ein Test wird gerade noch bereitgestellt.)"_s;
        }
        r.information(text);
        CBoxKlasse->setFocus();
        return;
    }
    angebote = s.gefunden;
    LAuswahl->setText((a == Art::Test ? u"Test holen – Klasse "_s : u"Rückgabe – Klasse "_s) +
                      eingabe);
    LBoxTests->clear();
    for (const Bereitgestellt &b : std::as_const(angebote)) {
        LBoxTests->addItem(angebotText(b));
    }
    seiten->setCurrentIndex(Auswahl);
    LBoxTests->setCurrentRow(0);
    (angebote.size() == 1 ? static_cast<QWidget *>(LBoxNamen) : LBoxTests)->setFocus();
}

void TMivo::testGewaehlt()
{
    LBoxNamen->clear();
    namen.clear();
    BWeiter->setEnabled(false);
    const int i = LBoxTests->currentRow();
    if (i < 0 || i >= angebote.size()) {
        return;
    }
    const EintragsListe l =
        art == Art::Test ? kopienAuflisten(angebote[i]) : rueckgabenAuflisten(angebote[i]);
    namen = l.eintraege;
    for (const Eintrag &e : std::as_const(namen)) {
        LBoxNamen->addItem(e.anzeige());
    }
    if (!l.unlesbar.isEmpty()) {
        r.warnung(u"Einige Dateien dieses Tests lassen sich nicht lesen: "_s +
                  l.unlesbar.join(u", "_s) +
                  u". Fehlt dein Name, sag bitte deiner Lehrkraft Bescheid."_s);
    }
    // Niemand ist vorgewaehlt, auch nicht beim Hineinspringen in die Liste.
    LBoxNamen->setCurrentIndex(QModelIndex());
}

void TMivo::BWeiterClick()
{
    const int t = LBoxTests->currentRow();
    const int n = LBoxNamen->currentRow();
    if (t < 0 || t >= angebote.size() || n < 0 || n >= namen.size() ||
        !LBoxNamen->item(n)->isSelected()) {
        return;
    }
    if (!nochBereitgestellt(angebote[t])) {
        r.information(u"Dieser Test ist nicht mehr bereitgestellt."_s);
        klasseSuchen(art);
        return;
    }
    if (art == Art::Test && (hierAbgegeben(k, angebote[t], namen[n].datei) ||
                             abgegebenHier.contains(angebote[t].signalDatei + namen[n].datei))) {
        const QString wer = namen[n].vorname.isEmpty()
                                ? namen[n].nachname
                                : namen[n].vorname + u' ' + namen[n].nachname;
        if (r.frage(Rueckfragen::Art::Warnung,
                    wer + u" hat diesen Test an diesem Rechner schon abgegeben."_s + crlf + crlf +
                        u"Möchtest du einen anderen Namen wählen?"_s + crlf + crlf +
                        u"Nur wenn du selbst "_s + wer +
                        u" bist und den Test noch einmal abgeben willst, wähle „Nein“. Deine "_s
                        u"neue Abgabe ersetzt dann die alte."_s,
                    Rueckfragen::Knoepfe::JaNein) != Rueckfragen::Knopf::Nein) {
            LBoxNamen->setCurrentIndex(QModelIndex());
            LBoxNamen->clearSelection();
            LBoxNamen->setFocus();
            return;
        }
    }
    gewaehlt = angebote[t];
    if (art == Art::Test) {
        testOeffnen(namen[n]);
    } else {
        rueckgabeOeffnen(namen[n]);
    }
}

void TMivo::testOeffnen(const Eintrag &e)
{
    QString meldung;
    std::optional<Testbogen> b = Testbogen::lesen(gewaehlt->ordner + e.datei, meldung);
    if (!b) {
        r.fehler(meldung);
        return;
    }
    schueler = e;
    bogenOffen = std::move(b);
    abgegeben = false;
    const QString stand = zwischenstandPfad(k, *gewaehlt, e.datei);
    if (!stand.isEmpty() && istGewoehnlicheDatei(stand)) {
        const BytesErgebnis alt = bytesLesen(stand, kGrenzeFremdeDatei);
        if (alt.ok() &&
            r.frage(Rueckfragen::Art::Frage,
                    u"Du hast diesen Test schon einmal bearbeitet. Möchtest du mit deinen "_s
                    u"bisherigen Antworten weitermachen?"_s,
                    Rueckfragen::Knoepfe::JaNein) == Rueckfragen::Knopf::Ja &&
            !bogenOffen->kreuzeUebernehmen(alt.bytes)) {
            r.warnung(u"Deine bisherigen Antworten passen nicht zu diesem Test. Du beginnst "_s
                      u"von vorn."_s);
        }
    }
    const QString bilder = gewaehlt->ordner + u"Bilder"_s + kTrenner;
    testansicht->zeigen(&*bogenOffen, u"Name: "_s + e.vorname + u' ' + e.nachname,
                        echterOrdner(bilder) ? bilder : QString());
    seiten->setCurrentIndex(Test);
    testansicht->setFocus();
    if (eigenerOrdner(k).isEmpty()) {
        r.warnung(u"Dein eigener Ordner ist nicht erreichbar. Deine Antworten werden bis zum "_s
                  u"Abgeben nur hier im Fenster gehalten: Schließe Mivo nicht vorher."_s +
                  (k.schuelerFehler.isEmpty() ? QString() : crlf + crlf + k.schuelerFehler));
    }
}

void TMivo::zwischenstandSichern()
{
    if (!bogenOffen || !gewaehlt || !schueler) {
        return;
    }
    const QString pfad = zwischenstandPfad(k, *gewaehlt, schueler->datei);
    if (pfad.isEmpty()) {
        return;
    }
    const QString fehler = imEigenenOrdnerSichern(pfad, bogenOffen->ausgefuellt());
    if (!fehler.isEmpty() && !ordnerWarnungGezeigt) {
        ordnerWarnungGezeigt = true;
        r.warnung(fehler + u" Deine Antworten werden bis zum Abgeben nur hier im Fenster "_s
                           u"gehalten."_s);
    }
}

void TMivo::abgebenClick()
{
    if (!bogenOffen || !gewaehlt || !schueler) {
        return;
    }
    const QList<int> offen = bogenOffen->offeneFragen();
    QString text = u"Willst du deinen Test jetzt abgeben?"_s;
    if (!offen.isEmpty()) {
        QStringList nummern;
        for (int n : offen) {
            nummern << QString::number(n);
        }
        text += crlf + crlf +
                (offen.size() == 1 ? u"Noch nicht beantwortet ist Aufgabe "_s
                                   : u"Noch nicht beantwortet sind die Aufgaben "_s) +
                nummern.join(u", "_s) + u'.';
    } else {
        text += crlf + crlf + u"Du hast alle Aufgaben beantwortet."_s;
    }
    if (r.frage(Rueckfragen::Art::Frage, text, Rueckfragen::Knoepfe::JaNein) !=
        Rueckfragen::Knopf::Ja) {
        testansicht->setFocus();
        return;
    }
    const QByteArray bytes = bogenOffen->ausgefuellt();
    zwischenstandSichern();
    const AbgabeErgebnis e = abgeben(k, *gewaehlt, schueler->datei, bytes);
    if (e.art == AbgabeErgebnis::Art::Abgegeben) {
        // Die Kopie im eigenen Ordner ist eine Zugabe; die Abgabe zaehlt auch ohne sie.
        imEigenenOrdnerSichern(abgabeKopiePfad(k, *gewaehlt, schueler->datei), bytes);
        abgabeVermerken(k, *gewaehlt, schueler->datei);
        abgegebenHier.insert(gewaehlt->signalDatei + schueler->datei);
        abgegeben = true;
        r.information(e.meldung);
        // Der Naechste am Rechner beginnt von vorn: keine Klasse, kein Name.
        zurStartseite(true);
        return;
    }
    if (e.art == AbgabeErgebnis::Art::TestBeendet) {
        r.warnung(e.meldung);
    } else {
        r.fehler(e.meldung);
    }
    testansicht->setFocus();
}

void TMivo::sichernClick()
{
    if (!bogenOffen || !gewaehlt || !schueler) {
        return;
    }
    const QString pfad = abgabeKopiePfad(k, *gewaehlt, schueler->datei);
    const QString fehler = imEigenenOrdnerSichern(pfad, bogenOffen->ausgefuellt());
    if (fehler.isEmpty()) {
        r.information(u"Deine Antworten sind in deinem Ordner gespeichert:"_s + crlf + pfad);
    } else {
        r.fehler(fehler);
    }
    testansicht->setFocus();
}

void TMivo::rueckgabeOeffnen(const Eintrag &e)
{
    const RueckgabeDokument d = rueckgabeDokument(*gewaehlt, e);
    const BytesErgebnis g = bytesLesen(d.pfad, kGrenzeFremdeDatei);
    RtfLeseErgebnis gelesen;
    if (g.ok()) {
        gelesen = rtfLesen(g.bytes, *RERueckgabe->document());
    }
    if (!g.ok() || !gelesen.ok()) {
        r.fehler(u"Dein zurückgegebener Test lässt sich nicht öffnen. Bitte sag deiner Lehrerin "_s
                 u"oder deinem Lehrer Bescheid."_s);
        return;
    }
    dokument = d;
    schueler = e;
    LBoxBilder->clear();
    if (!d.bilderOrdner.isEmpty()) {
        for (const QString &datei : dateienNachMuster(d.bilderOrdner, u"*.jpg"_s)) {
            const QString pfad = d.bilderOrdner + datei;
            if (QFileInfo(pfad).size() > kGrenzeFremdeDatei) {
                continue;
            }
            QImageReader leser(pfad);
            const QImage bild = leser.read();
            if (!bild.isNull()) {
                LBoxBilder->addItem(new QListWidgetItem(
                    QIcon(QPixmap::fromImage(
                        bild.scaled(160, 110, Qt::KeepAspectRatio, Qt::SmoothTransformation))),
                    bildUnterschrift(datei)));
            }
        }
    }
    LBoxBilder->setVisible(LBoxBilder->count() > 0);
    BSpeichern->setVisible(d.speichernErlaubt);
    LRueckgabeHinweis->setText(d.speichernErlaubt
                                   ? u"Du darfst diesen Test in deinem Ordner speichern."_s
                                   : u"Diesen Test darfst du nur ansehen."_s);
    seiten->setCurrentIndex(Rueckgabe);
    RERueckgabe->moveCursor(QTextCursor::Start);
    RERueckgabe->setFocus();
}

void TMivo::closeEvent(QCloseEvent *ereignis)
{
    if (seiten->currentIndex() == Test && bogenOffen && !abgegeben &&
        r.frage(Rueckfragen::Art::Frage,
                u"Du hast deinen Test noch nicht abgegeben. Möchtest du Mivo trotzdem beenden?"_s +
                    (eigenerOrdner(k).isEmpty()
                         ? u" Deine Antworten gehen dann verloren."_s
                         : u" Deine Antworten bleiben in deinem Ordner gespeichert."_s),
                Rueckfragen::Knoepfe::JaNein) != Rueckfragen::Knopf::Ja) {
        ereignis->ignore();
        return;
    }
    ereignis->accept();
}
