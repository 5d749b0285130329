#include "authoring/fenster/TestEditor.h"

#include "authoring/fenster/TestSpeicherAbfrage.h"
#include "authoring/formatierung.h"
#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "settings/konfiguration.h"
#include "widgets/Umgebung.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace {

const QString kEnterHinweis =
    u"Die Eingabetaste erzeugt im Dokument einen neuen Absatz. Dies sollte nur in besonderen "
    "Ausnahmefällen erfolgen, wenn im Test z.B. ein Kommentar o. ä. zwischen die einzelnen "
    "Aufgaben geschrieben werden soll (s. Mivo-Bedienungsanleitung).\r\n\r\n"
    "In keinem Fall darf ein zusätzlicher Absatz in der festen Folge einer "
    "Frage-Antwort-Sequenz einer Testaufgabe gesetzt werden. Eine solche irrtümlich "
    "eingefügte Absatzmarke sollten sie mit der Taste <Backspace> gleich wieder löschen. "
    "\r\n\r\n"
    "Eine neue Aufgabe mit der kompletten Frage-Antwort-Absatz-Sequenz wird am besten mit der "
    "Funktionstaste <F8> ein."_s;

// Ein Kopf, mit dem sich ein Test auch ohne Leertestdatei speichern laesst.
const QStringList kErsatzkopf{u"Multiple-Choice-Test"_s,
                              QString(70, u'-'),
                              u"Fach- Test Nr. 1          Kl.: 7x       Gruppe: A"_s,
                              u"Thema: "_s,
                              QString(70, u'-'),
                              QString()};

// Tasten, nach denen sich die Schreibmarke nicht in eine andere Zeile bewegt haben kann.
bool istTippTaste(int taste)
{
    return taste == Qt::Key_Space || (taste >= Qt::Key_Comma && taste <= Qt::Key_Period) ||
           (taste >= Qt::Key_0 && taste <= Qt::Key_Semicolon) || taste == Qt::Key_Question ||
           (taste >= Qt::Key_A && taste <= Qt::Key_Z) || taste == Qt::Key_Adiaeresis ||
           taste == Qt::Key_Odiaeresis || taste == Qt::Key_Udiaeresis || taste == Qt::Key_ssharp ||
           taste == Qt::Key_Exclam;
}

} // namespace

// ---- EditorFeld -------------------------------------------------------------------------------

EditorFeld::EditorFeld(TestEditor &editor, QWidget *eltern)
    : QTextEdit(eltern)
    , editor(editor)
{
    setAcceptRichText(false);
}

void EditorFeld::keyPressEvent(QKeyEvent *e)
{
    if (editor.sondertastensensor(e)) {
        return;
    }
    QTextEdit::keyPressEvent(e);
}

void EditorFeld::keyReleaseEvent(QKeyEvent *e)
{
    QTextEdit::keyReleaseEvent(e);
    editor.tasteLosgelassen(e);
}

void EditorFeld::mousePressEvent(QMouseEvent *e)
{
    QTextEdit::mousePressEvent(e);
    editor.BilderSichtbarMachen();
}

bool EditorFeld::canInsertFromMimeData(const QMimeData *quelle) const
{
    return quelle->hasText();
}

void EditorFeld::insertFromMimeData(const QMimeData *quelle)
{
    // Nur reiner Text; was die Codepage der Testdatei nicht fasst, wird abgewiesen.
    const QString text = quelle->text();
    QString fremd;
    if (!ansiKodieren(text, &fremd)) {
        editor.zeichenAbweisen(fremd);
        return;
    }
    textCursor().insertText(text);
}

// ---- TestEditor -------------------------------------------------------------------------------

TestEditor::TestEditor(Umgebung &umgebung, QWidget *eltern)
    : QWidget(eltern)
    , u(umgebung)
{
    setObjectName(u"TestEditor"_s);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(220, 240, 250));
    setPalette(pal);

    RichEdit1 = new EditorFeld(*this, this);
    RichEdit1->setObjectName(u"RichEdit1"_s);
    RichEdit1->setFont(editorSchrift());
    RichEdit1->setTabStopDistance(40);

    Pabcd = new QWidget(this);
    Pabcd->setObjectName(u"Pabcd"_s);
    for (const QString &t : {u"a)"_s, u"b)"_s, u"c)"_s, u"d)"_s}) {
        auto *l = new QLabel(t, Pabcd);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        beschriftungen << l;
    }
    Pabcd->hide();

    PKnoepfe = new QWidget(this);
    PKnoepfe->setObjectName(u"PEditorKnoepfe"_s);
    const auto knopf = [this](const QString &text, const char *name) {
        auto *b = new QPushButton(text, PKnoepfe);
        b->setObjectName(QString::fromLatin1(name));
        // Die Eingabetaste loest den Knopf mit dem Fokus aus (Tab fuehrt aus dem Text hierher).
        b->setAutoDefault(true);
        return b;
    };
    BZurueck = knopf(u"&Zurück zur Testauswahl / Speichern"_s, "BZurueck");
    BBildLaden = knopf(u"Bild laden [F5]"_s, "BBildLaden");
    BNeueFrage = knopf(u"Neue Frage [F8]"_s, "BNeueFrage");
    BDruck = knopf(u"Druck [F9]"_s, "BDruck");
    BBeenden = knopf(u"Be&enden / Speichern"_s, "BBeenden");
    auto *reihe = new QHBoxLayout(PKnoepfe);
    reihe->addWidget(BZurueck);
    reihe->addStretch(1);
    for (QPushButton *b : {BBildLaden, BNeueFrage, BDruck}) {
        reihe->addWidget(b);
    }
    reihe->addStretch(1);
    reihe->addWidget(BBeenden);

    abfrage = new TFTestSpeicherabfrage(u, this);
    abfrage->setWindowFlag(Qt::Window);
    connect(abfrage, &TFTestSpeicherabfrage::speichern, this,
            [this](const SpeicherAngaben &a) { abfrageBeantwortet(Antwort::Speichern, a); });
    connect(abfrage, &TFTestSpeicherabfrage::nichtSpeichern, this,
            [this] { abfrageBeantwortet(Antwort::NichtSpeichern, {}); });
    connect(abfrage, &TFTestSpeicherabfrage::abgebrochen, this,
            [this] { abfrageBeantwortet(Antwort::Abbrechen, {}); });

    connect(BZurueck, &QPushButton::clicked, this, [this] { verlassen(2); });
    connect(BBeenden, &QPushButton::clicked, this, [this] { verlassen(1); });
    connect(BBildLaden, &QPushButton::clicked, this, &TestEditor::bildLaden);
    connect(BNeueFrage, &QPushButton::clicked, this, &TestEditor::neueFrage);
    connect(BDruck, &QPushButton::clicked, this, &TestEditor::druckAbfrage);
    connect(RichEdit1, &QTextEdit::cursorPositionChanged, this, [this] {
        if (bilderZuSehen) {
            BilderSichtbarMachen();
        }
    });
}

TestEditor::~TestEditor() = default;

// ---- Oeffnen ----------------------------------------------------------------------------------

bool TestEditor::testOeffnen(const QString &pfad, const SpeicherAngaben &a)
{
    geladen = false;
    aktDatei = pfad;
    neueDatei.clear();
    neu = false;
    fuerAndereKlasse = false;
    angaben = a;
    const bool ok = AoeffnenExecute();
    emit modusGewuenscht(kModusEditor);
    caretSetzen(0, 0);
    RichEdit1->setFocus();
    return ok;
}

bool TestEditor::alsVorlageOeffnen(const QString &vorlage, const QString &neuerPfad,
                                   const SpeicherAngaben &a)
{
    const bool ok = testOeffnen(vorlage, a);
    neueDatei = neuerPfad;
    fuerAndereKlasse = true;
    return ok;
}

bool TestEditor::neuerTest(const QString &neuerPfad, const SpeicherAngaben &a)
{
    geladen = false;
    angaben = a;
    neueDatei = neuerPfad;
    aktDatei = neuerPfad;
    neu = true;
    fuerAndereKlasse = false;
    speicher.bilder_loeschen_und_bildspeicher_freigeben();
    const QString leertest = u.e.basisOrdner + kLeertest;
    QStringList z;
    const ZeilenErgebnis g = ansiZeilenLesen(leertest, 1024 * 1024);
    if (g.ok()) {
        z = g.zeilen;
    } else {
        u.r.fehler(u"Die Leertestdatei  "_s + leertest + u"  wurde nicht gefunden!"_s);
        z = kErsatzkopf;
    }
    kopfzeilenSetzen(z, a);
    if (z.isEmpty() || !z.last().isEmpty()) {
        z << QString();
    }
    geladen = true;
    anzeigen(z, int(z.size()) - 1, 0);
    emit modusGewuenscht(kModusEditor);
    RichEdit1->setFocus();
    return true;
}

bool TestEditor::AoeffnenExecute()
{
    if (geladen) {
        return true;
    }
    speicher.bilder_loeschen_und_bildspeicher_freigeben();
    bilder_unsichtbar();
    RichEdit1->clear();
    if (!QFileInfo::exists(aktDatei)) {
        u.r.fehler(u"Datei  "_s + aktDatei + u"  nicht gefunden"_s);
        return false;
    }
    const ZeilenErgebnis g = ansiZeilenLesen(aktDatei);
    if (!g.ok()) {
        u.r.fehler(u"Die Datei "_s + aktDatei + u" lässt sich nicht öffnen!\r\n"_s +
                   g.fehler.meldung());
        return false;
    }
    anzeigen(g.zeilen, 0, 0);
    // Ein unlesbares Bild wird gemeldet, haelt das Bearbeiten des Tests aber nicht auf.
    bilderAllesLaden();
    geladen = true;
    return true;
}

// ---- Zeilen und Schreibmarke ------------------------------------------------------------------

QStringList TestEditor::zeilen() const
{
    QStringList z;
    const QTextDocument *doc = RichEdit1->document();
    z.reserve(doc->blockCount());
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        z << b.text();
    }
    return z;
}

void TestEditor::anzeigen(const QStringList &z, int zeile, int spalte)
{
    const int oben = RichEdit1->verticalScrollBar()->value();
    RichEdit1->setUpdatesEnabled(false);
    // setPlainText gibt dem ganzen Text das Zeichenformat der Schreibmarke (auf einer Fragezeile
    // unterstrichen): erst zuruecksetzen.
    QTextCursor marke = RichEdit1->textCursor();
    marke.clearSelection();
    RichEdit1->setTextCursor(marke);
    RichEdit1->setCurrentCharFormat(QTextCharFormat());
    RichEdit1->setPlainText(z.join(u'\n'));
    formatieren();
    RichEdit1->setUpdatesEnabled(true);
    caretSetzen(zeile, spalte);
    RichEdit1->verticalScrollBar()->setValue(oben);
    RichEdit1->ensureCursorVisible();
}

void TestEditor::formatieren()
{
    QTextDocument &doc = *RichEdit1->document();
    // Die Anzeigeformate folgen allein dem Zeileninhalt: kein Stil bleibt von vorher stehen.
    QTextCursor alles(&doc);
    alles.select(QTextCursor::Document);
    alles.setCharFormat(QTextCharFormat());
    alles.setBlockCharFormat(QTextCharFormat());
    schriftFormatieren(doc, kKopfgrenzeKonstruktion);
    absatzformatierung(doc);
    RichEdit1->setLineWrapMode(umbruch ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

int TestEditor::caretZeile() const
{
    return RichEdit1->textCursor().blockNumber();
}

void TestEditor::caretSetzen(int zeile, int spalte)
{
    const QTextDocument *doc = RichEdit1->document();
    const QTextBlock b = doc->findBlockByNumber(std::clamp(zeile, 0, doc->blockCount() - 1));
    QTextCursor c(b);
    c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor,
                   std::clamp(spalte, 0, b.length() - 1));
    RichEdit1->setTextCursor(c);
    RichEdit1->ensureCursorVisible();
}

// ---- Tasten -----------------------------------------------------------------------------------

bool TestEditor::sondertastensensor(QKeyEvent *e)
{
    if (!e->text().isEmpty()) {
        QString fremd;
        if (!ansiKodieren(e->text(), &fremd)) {
            zeichenAbweisen(fremd);
            return true;
        }
    }
    const bool strg = e->modifiers() & Qt::ControlModifier;
    if (strg) {
        if (e->key() == Qt::Key_S) {
            speichernWieVorliegend();
            return true;
        }
        return false;
    }
    switch (e->key()) {
    case Qt::Key_F3:
        antwortVerschieben(false);
        return true;
    case Qt::Key_F4:
        antwortVerschieben(true);
        return true;
    case Qt::Key_F5:
        bildLaden();
        return true;
    case Qt::Key_F8:
        neueFrage();
        return true;
    case Qt::Key_F9:
        druckAbfrage();
        return true;
    case Qt::Key_Tab:
        BZurueck->setFocus();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enterHinweis();
        // Der Absatz kommt trotzdem, nach der Meldung.
        RichEdit1->textCursor().insertBlock();
        RichEdit1->ensureCursorVisible();
        return true;
    case Qt::Key_PageUp:
        sechsZeilen(-1);
        return true;
    case Qt::Key_PageDown:
        sechsZeilen(+1);
        return true;
    case Qt::Key_F12:
        umbruchUmschalten();
        return true;
    default:
        return false;
    }
}

void TestEditor::zeichenAbweisen(const QString &zeichen)
{
    u.r.warnung(nichtDarstellbarMeldung(zeichen));
}

void TestEditor::tasteLosgelassen(QKeyEvent *e)
{
    if (speicher.bilderGeladen() && !istTippTaste(e->key())) {
        BilderSichtbarMachen();
    }
}

void TestEditor::enterHinweis()
{
    u.r.information(kEnterHinweis);
}

void TestEditor::sechsZeilen(int richtung)
{
    caretSetzen(caretZeile() + 6 * richtung, 0);
    BilderSichtbarMachen();
}

void TestEditor::umbruchUmschalten()
{
    const int pos = RichEdit1->textCursor().selectionStart();
    umbruch = !umbruch;
    RichEdit1->setLineWrapMode(umbruch ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    QTextCursor c = RichEdit1->textCursor();
    c.setPosition(pos);
    RichEdit1->setTextCursor(c);
}

void TestEditor::neueFrage()
{
    if (!geladen) {
        return;
    }
    QStringList z = zeilen();
    Pruefergebnis e;
    const int frage = neueFrageRan(z, u.r, &e);
    fragen = e.fragenAnzahl + 1;
    punkteFehlenBei = e.punkteFehlenBei;
    // zurNeuenLetztenFrage: hinter das "?" der neuen Fragezeile
    anzeigen(z, frage, int(z[frage].size()));
    RichEdit1->setFocus();
    BilderSichtbarMachen();
}

void TestEditor::antwortVerschieben(bool runter)
{
    if (!geladen) {
        return;
    }
    QStringList z = zeilen();
    const int zeile = caretZeile();
    if (!(runter ? antwort_nach_unten(z, zeile) : antwort_nach_oben(z, zeile))) {
        return;
    }
    anzeigen(z, zeile, 0);
    BilderDieserAufgabeNochmalLaden();
    BilderSichtbarMachen();
}
