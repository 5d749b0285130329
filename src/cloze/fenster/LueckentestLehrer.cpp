// Lehreransicht: Lücken markieren und entfernen, Alternativen eingeben, Schutz der Lücken beim
// Bearbeiten des Textes, Navigation.

#include "cloze/fenster/LueckenEdit.h"
#include "cloze/fenster/Lueckentest.h"
#include "common/rueckfragen.h"

#include <QAbstractTextDocumentLayout>
#include <QButtonGroup>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Position des Zeichens unter dem Mauszeiger (nicht der nächsten Einfügestelle).
int zeichenUnterMaus(QTextEdit *edit, const QPoint &p)
{
    const QTextCursor c = edit->cursorForPosition(p);
    const int pos = c.position();
    if (pos > 0 && p.x() < edit->cursorRect(c).left()) {
        return pos - 1;
    }
    return pos;
}

QString schlussZeile(QChar art)
{
    if (art == kArtF) {
        return u"als freies Lückenwort registriert werden?"_s;
    }
    if (art == kArtE) {
        return u"als Einzellisten-Lückenwort registriert werden?"_s;
    }
    return u"als Auswahl-Lückenwort registriert werden?"_s;
}

} // namespace

bool TFLueckentest::lehrerMaus(QMouseEvent *ev)
{
    if (!sitz.lueckenBearbeitbar()) {
        auswahlSchliessen();
        return false;
    }
    if (ev->button() != Qt::LeftButton) {
        return false;
    }
    if (ev->modifiers() & Qt::ShiftModifier) {
        return true;
    }
    GBoxAuswahlLW->hide();
    EEinzelListenFenster->hide();
    const int pos = zeichenUnterMaus(re1, ev->position().toPoint());
    const int n = lueckeAnPosition(lueckenLaeufe(*re1->document()), pos);
    if (n > 0) {
        entfernenFragen(n);
        return true;
    }
    const Qt::KeyboardModifiers m = ev->modifiers();
    const QChar art = (m & Qt::ControlModifier) && (m & Qt::AltModifier) ? kArtE
                      : (m & Qt::ControlModifier)                        ? kArtF
                                                                         : kArtA;
    const auto [anfang, ende] = wortUm(*re1->document(), pos);
    registrierenFragen(anfang, ende, art);
    return true;
}

void TFLueckentest::auswahlRegistrieren(QChar art)
{
    if (!sitz.lueckenBearbeitbar()) {
        return;
    }
    const QTextCursor c = re1->textCursor();
    int anfang = c.selectionStart();
    int ende = c.selectionEnd();
    if (!c.hasSelection()) {
        const QTextDocument &doc = *re1->document();
        int pos = c.position();
        if (!istWortzeichen(doc.characterAt(pos)) && pos > 0 &&
            istWortzeichen(doc.characterAt(pos - 1))) {
            --pos;
        }
        std::tie(anfang, ende) = wortUm(doc, pos);
    }
    registrierenFragen(anfang, ende, art);
}

void TFLueckentest::registrierenFragen(int anfang, int ende, QChar art)
{
    QTextDocument &doc = *re1->document();
    if (const QString f = lueckeMarkierenPruefen(doc, sitz.listen.tabelle, anfang, ende);
        !f.isEmpty()) {
        r.warnung(f);
        return;
    }
    QTextCursor c(&doc);
    c.setPosition(anfang);
    c.setPosition(ende, QTextCursor::KeepAnchor);
    const QString wort = c.selectedText();
    // Rot hinterlegt, solange gefragt wird; das Dokument selbst bleibt unberührt.
    QTextEdit::ExtraSelection rot;
    rot.cursor = c;
    rot.format.setBackground(QColor(255, 0, 0));
    re1->setExtraSelections({rot});
    roteLinie(anfang);
    const auto antwort =
        r.frage(Rueckfragen::Art::Frage,
                u"Soll der Textabschnitt: \n\n    "_s + wort + u"\n\n"_s + schlussZeile(art),
                Rueckfragen::Knoepfe::JaNeinAbbruch);
    re1->setExtraSelections({});
    PRoteLinie->hide();
    if (antwort == Rueckfragen::Knopf::Ja) {
        const QString f = sitz.markieren(anfang, ende, art);
        if (!f.isEmpty()) {
            r.warnung(f);
        } else if (art == kArtE) {
            alternativenOeffnen(lueckeAnPosition(lueckenLaeufe(doc), anfang));
        }
    }
    QTextCursor leer(&doc);
    leer.setPosition(ende);
    re1->setTextCursor(leer);
}

void TFLueckentest::lueckeAmCursorEntfernen()
{
    if (!sitz.lueckenBearbeitbar()) {
        return;
    }
    const QList<LueckenLauf> laeufe = lueckenLaeufe(*re1->document());
    const QTextCursor c = re1->textCursor();
    int n = lueckeAnPosition(laeufe, c.selectionStart());
    if (n == 0 && c.position() > 0) {
        n = lueckeAnPosition(laeufe, c.position() - 1);
    }
    if (n == 0) {
        r.information(u"Am Cursor steht keine Lücke."_s);
        return;
    }
    entfernenFragen(n);
}

void TFLueckentest::entfernenFragen(int n)
{
    const QList<LueckenLauf> laeufe = lueckenLaeufe(*re1->document());
    if (n < 1 || n > laeufe.size()) {
        return;
    }
    lueckeZeigen(laeufe[n - 1].start, laeufe[n - 1].laenge);
    if (laeufe[n - 1].art == kArtE) {
        alternativenOeffnen(n);
    }
    const auto antwort =
        r.frage(Rueckfragen::Art::Frage, u"Soll diese Lückenwortmarkierung entfernt werden?\n"_s,
                Rueckfragen::Knoepfe::JaNeinAbbruch);
    auswahlSchliessen();
    if (antwort == Rueckfragen::Knopf::Ja) {
        sitz.entfernen(n);
    }
    QTextCursor c = re1->textCursor();
    c.clearSelection();
    re1->setTextCursor(c);
}

void TFLueckentest::alternativenOeffnen(int n)
{
    if (n < 1) {
        return;
    }
    alternativenLuecke = n;
    LBSchAuswahl->hide();
    LBSchAuswahlEL->show();
    LBSchAuswahlEL->clear();
    LBSchAuswahlEL->addItems(falscheAlternativen(sitz.listen.tabelle[n]));
    const QRect ort = re1->cursorRect();
    const QPoint p = re1->viewport()->mapTo(this, ort.bottomLeft());
    GBoxAuswahlLW->move(std::clamp(p.x() - GBoxAuswahlLW->width() / 2, 0,
                                   std::max(0, width() - GBoxAuswahlLW->width())),
                        std::clamp(p.y() + 10, 0, std::max(0, height() - 240)));
    GBoxAuswahlLW->show();
    GBoxAuswahlLW->raise();
    const int breite =
        std::max(10 * int(kAlternativenAufforderung.size()) + 20, GBoxAuswahlLW->width());
    EEinzelListenFenster->setGeometry(
        std::clamp(GBoxAuswahlLW->x(), 0, std::max(0, width() - breite)),
        GBoxAuswahlLW->geometry().bottom() + 2, breite, EEinzelListenFenster->sizeHint().height());
    EEinzelListenFenster->setText(kAlternativenAufforderung);
    EEinzelListenFenster->selectAll();
    EEinzelListenFenster->show();
    EEinzelListenFenster->raise();
    EEinzelListenFenster->setFocus();
}

void TFLueckentest::alternativeEingabe()
{
    const QString text = EEinzelListenFenster->text();
    if (text.isEmpty() || text == kAlternativenAufforderung) {
        // Ohne falsche Alternative ließe sich keine Schülertestdatei erzeugen: gleich erinnern.
        const LueckenEintrag &eintrag = sitz.listen.tabelle[alternativenLuecke];
        const bool ohne = eintrag.art == kArtE && falscheAlternativen(eintrag).isEmpty();
        auswahlSchliessen();
        re1->setFocus();
        if (ohne) {
            r.warnung(u"Für das Lückenwort  "_s + eintrag.wort +
                      u"  wurden keine falschen Antwort-Alternativen angegeben. Bitte unbedingt "
                      "ergänzen!"_s);
        }
        return;
    }
    const QString f = sitz.alternativeHinzu(alternativenLuecke, text);
    if (!f.isEmpty()) {
        r.warnung(f);
        return;
    }
    LBSchAuswahlEL->addItem(text);
    LBoxLWSchEL->addItem(text);
    EEinzelListenFenster->clear();
}

void TFLueckentest::alternativeKorrigieren(QListWidgetItem *item)
{
    if (alternativenLuecke < 1 || !item) {
        return;
    }
    const QString text = item->text();
    if (sitz.alternativeWeg(alternativenLuecke, text)) {
        delete LBSchAuswahlEL->takeItem(LBSchAuswahlEL->row(item));
        const auto treffer = LBoxLWSchEL->findItems(text, Qt::MatchExactly);
        if (!treffer.isEmpty()) {
            delete treffer.first();
        }
        EEinzelListenFenster->setText(text);
        EEinzelListenFenster->setFocus();
    }
}

bool TFLueckentest::schutzVerletzt(int anfang, int ende)
{
    if (!bereichBeruehrtLuecke(lueckenLaeufe(*re1->document()), anfang, ende)) {
        return false;
    }
    r.warnung(kLueckenSchutzMeldung);
    return true;
}

bool TFLueckentest::lehrerTaste(QKeyEvent *ev)
{
    switch (ev->key()) {
    case Qt::Key_F1:
        sitz.f1();
        return true;
    case Qt::Key_F4:
        sitz.f4();
        return true;
    case Qt::Key_Escape:
        auswahlSchliessen();
        re1->setFocus();
        return true;
    default:
        break;
    }
    if (!sitz.textBearbeitbar()) {
        return true; // der Text ändert sich nur in der Textbearbeitung
    }
    const QTextCursor c = re1->textCursor();
    const bool zwischenablage = ev->matches(QKeySequence::Copy) || ev->matches(QKeySequence::Cut) ||
                                ev->matches(QKeySequence::Paste);
    // Ohne Auswahl zaehlt, was die Taste loeschen wuerde: auch das Zeichen vor der Schreibmarke
    // (Rueckschritt am Anfang einer Luecke nimmt sonst den Leerraum zur vorigen und verschmilzt
    // beide Luecken).
    QTextCursor weg = c;
    if (!c.hasSelection()) {
        if (ev->matches(QKeySequence::DeleteStartOfWord)) {
            weg.movePosition(QTextCursor::PreviousWord, QTextCursor::KeepAnchor);
        } else if (ev->matches(QKeySequence::DeleteEndOfWord)) {
            weg.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor);
        } else if (ev->matches(QKeySequence::DeleteEndOfLine)) {
            weg.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            if (!weg.hasSelection()) {
                weg.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
            }
        } else if (ev->key() == Qt::Key_Backspace) {
            weg.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
        } else if (ev->key() == Qt::Key_Delete) {
            weg.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        }
    }
    const bool aendert = zwischenablage || ev->key() == Qt::Key_Backspace ||
                         ev->key() == Qt::Key_Delete || !ev->text().isEmpty();
    if (!aendert || ev->text() == u"\x1b"_s) {
        return false;
    }
    if (schutzVerletzt(weg.selectionStart(), weg.selectionEnd())) {
        return true;
    }
    // Getippter Text ist nie Lueckentext: am Absatzanfang vor einer Luecke truege er sonst ihr
    // Format und verlaengerte sie.
    const QString text = ev->text();
    if (!zwischenablage && !text.isEmpty() && (text.front().isPrint() || text.front() == u'\t')) {
        QTextCursor neu = re1->textCursor();
        neu.beginEditBlock();
        neu.removeSelectedText();
        QTextCharFormat f = neu.charFormat();
        if (artAusFormat(f) != kArtFrei) {
            f = lueckenFormat(f, kArtFrei);
        }
        neu.insertText(text, f);
        neu.endEditBlock();
        re1->setTextCursor(neu);
        return true;
    }
    return false;
}

void TFLueckentest::kontextmenue(const QPoint &p)
{
    const std::unique_ptr<QMenu> menue(kontextmenueBauen(p));
    if (menue) {
        menue->exec(re1->viewport()->mapToGlobal(p));
    }
}

QMenu *TFLueckentest::kontextmenueBauen(const QPoint &p)
{
    if (sitz.schuelerKlicks()) {
        return nullptr;
    }
    auto *menue = new QMenu(this);
    if (sitz.modus() == Modus::Luecken) {
        if (!re1->textCursor().hasSelection()) {
            QTextCursor c(re1->document());
            c.setPosition(zeichenUnterMaus(re1, p));
            re1->setTextCursor(c);
        }
        menue->addAction(u"Als Auswahl-Lückenwort registrieren"_s, this,
                         [this] { auswahlRegistrieren(kArtA); });
        menue->addAction(u"Als freies Lückenwort registrieren"_s, this,
                         [this] { auswahlRegistrieren(kArtF); });
        menue->addAction(u"Als Einzellisten-Lückenwort registrieren"_s, this,
                         [this] { auswahlRegistrieren(kArtE); });
        menue->addSeparator();
        menue->addAction(u"Lückenwortmarkierung entfernen"_s, this,
                         [this] { lueckeAmCursorEntfernen(); });
    } else {
        auto geschuetzt = [this](void (QTextEdit::*aktion)()) {
            const QTextCursor c = re1->textCursor();
            if (!schutzVerletzt(c.selectionStart(), c.selectionEnd())) {
                (re1->*aktion)();
            }
        };
        menue->addAction(u"Ausschneiden (Strg-X)"_s, this, [=] { geschuetzt(&QTextEdit::cut); });
        menue->addAction(u"Kopieren (Strg-C)"_s, this, [=] { geschuetzt(&QTextEdit::copy); });
        menue->addAction(u"Einfügen (Strg-V)"_s, this, [=] { geschuetzt(&QTextEdit::paste); });
    }
    return menue;
}

void TFLueckentest::navigationsKlick(QListWidgetItem *item)
{
    if (!item) {
        return;
    }
    for (const LueckenLauf &l : lueckenLaeufe(*re1->document())) {
        if (l.text == item->text()) {
            lueckeZeigen(l.start, l.laenge);
            QTimer::singleShot(600, this, [this] {
                QTextCursor c = re1->textCursor();
                c.clearSelection();
                re1->setTextCursor(c);
            });
            return;
        }
    }
}

void TFLueckentest::sprungKlick(int k)
{
    const int gefunden = sitz.sprungZiel(k);
    if (gefunden < 0) {
        return;
    }
    const QList<LueckenLauf> laeufe = lueckenLaeufe(*re1->document());
    lueckeZeigen(laeufe[gefunden].start, laeufe[gefunden].laenge);
    const bool schueler = sitz.schuelerKlicks();
    QTimer::singleShot(600, this, [this, schueler] {
        QTextCursor c = re1->textCursor();
        c.clearSelection();
        re1->setTextCursor(c);
        // Im Schülertest zeigt die Einfügestelle nach dem Sprung rot auf gelb.
        if (schueler) {
            QTextCharFormat f;
            f.setForeground(QColor(255, 0, 0));
            f.setBackground(QColor(255, 255, 0));
            re1->setCurrentCharFormat(f);
        }
    });
}

QString TFLueckentest::hinweisAn(int position) const
{
    const QList<LueckenLauf> laeufe = lueckenLaeufe(*re1->document());
    const int n = lueckeAnPosition(laeufe, position);
    if (n == 0 || laeufe[n - 1].art != kArtE) {
        return {};
    }
    QString t = u"Einzellisten-Lückenwort mit Antwortalternativen:\n"_s;
    for (const QString &a : sitz.listen.tabelle[n].alternativen) {
        if (!a.isEmpty()) {
            t += u"- "_s + a + u'\n';
        }
    }
    return t;
}
