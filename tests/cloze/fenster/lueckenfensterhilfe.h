#pragma once
// Das Lückentest-Fenster im Test: Fenster, Skript-Rückfragen, Testordner und die Handgriffe
// einer Lehrkraft (Klick auf ein Zeichen, Tasten, Beispieltext markieren).

#include "cloze/fenster/LueckenEdit.h"
#include "cloze/fenster/Lueckentest.h"
#include "settings/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

inline const QString kBeispieltext = u"Der Hund jagt die Katze. Die Maus schläft."_s;

class LueckenFensterHilfe
{
protected:
    using Knopf = Rueckfragen::Knopf;
    Einstellungen e;
    SkriptRueckfragen r;
    std::unique_ptr<Testordner> ordner;
    std::unique_ptr<TFLueckentest> f;
    QString urdatei;

    // Klick auf das Zeichen an der Textposition (Mitte des Zeichens).
    void klick(int pos, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTextCursor c(f->re1->document());
        c.setPosition(pos);
        const QRect links = f->re1->cursorRect(c);
        c.setPosition(pos + 1);
        const QRect rechts = f->re1->cursorRect(c);
        const QPoint p((links.left() + rechts.left()) / 2, links.center().y());
        QTest::mouseClick(f->re1->viewport(), Qt::LeftButton, m, p);
    }
    int stelle(const QString &wort) const
    {
        return int(f->re1->document()->toPlainText().indexOf(wort));
    }
    void taste(Qt::Key k, const QString &text = {}, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::sendKeyEvent(QTest::KeyAction::Click, f->re1, k, text, m);
    }
    // Der Beispieltext mit Hund (A), Katze (F), Maus (E: Ratte, Laus), in Lückenbearbeitung.
    void beispielMarkieren()
    {
        f->neuerTest(urdatei);
        f->re1->setPlainText(kBeispieltext);
        taste(Qt::Key_F1);
        QCOMPARE(f->modus(), TFLueckentest::Modus::Luecken);
        r.antworte(Knopf::Ja).antworte(Knopf::Ja).antworte(Knopf::Ja);
        klick(stelle(u"Hund"_s) + 1);
        klick(stelle(u"Katze"_s) + 2, Qt::ControlModifier);
        klick(stelle(u"Maus"_s) + 1, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(f->EEinzelListenFenster->isVisible());
        QCOMPARE(f->EEinzelListenFenster->text(), kAlternativenAufforderung);
        for (const QString &alt : {u"Ratte"_s, u"Laus"_s}) {
            QTest::keyClicks(f->EEinzelListenFenster, alt);
            QTest::keyClick(f->EEinzelListenFenster, Qt::Key_Return);
        }
        QTest::keyClick(f->EEinzelListenFenster, Qt::Key_Return);
        QVERIFY(!f->EEinzelListenFenster->isVisible());
    }

    void fensterAnlegen()
    {
        ordner = std::make_unique<Testordner>();
        urdatei = ordner->datei(u"2016-17/7xD1Tier/7xD1Tier._LA"_s);
        e.programmOrdner = ordner->pfad();
        r = SkriptRueckfragen{};
        f = std::make_unique<TFLueckentest>(e, r);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    void fensterSchliessen()
    {
        QCOMPARE(r.unbeantwortet, 0);
        f.reset();
    }
};
