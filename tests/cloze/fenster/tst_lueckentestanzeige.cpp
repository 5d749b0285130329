// Die Anzeige des Lückentest-Fensters: Kontextmenü, rote Linie, zeilenweises Rollen, Mausrad,
// Ziehen des Auswahlkastens, Sprung zur leeren Lücke.

#include "lueckenfensterhilfe.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWheelEvent>

class TestLueckentestAnzeige : public QObject, public LueckenFensterHilfe
{
    Q_OBJECT

private slots:
    void init() { fensterAnlegen(); }
    void cleanup() { fensterSchliessen(); }

    // Das Kontextmenü je Modus; seine Einträge tun, was Knöpfe und Tasten tun.
    void kontextmenue_data()
    {
        QTest::addColumn<int>("modus");
        QTest::addColumn<QStringList>("eintraege");
        QTest::newRow("Lückenbearbeitung")
            << int(TFLueckentest::Modus::Luecken)
            << QStringList{u"Als Auswahl-Lückenwort registrieren"_s,
                           u"Als freies Lückenwort registrieren"_s,
                           u"Als Einzellisten-Lückenwort registrieren"_s, QString(),
                           u"Lückenwortmarkierung entfernen"_s};
        QTest::newRow("Textbearbeitung")
            << int(TFLueckentest::Modus::Text)
            << QStringList{u"Ausschneiden (Strg-X)"_s, u"Kopieren (Strg-C)"_s,
                           u"Einfügen (Strg-V)"_s};
        QTest::newRow("Schülertest (F4)")
            << int(TFLueckentest::Modus::Schuelertest) << QStringList();
    }
    void kontextmenue()
    {
        QFETCH(int, modus);
        QFETCH(QStringList, eintraege);
        f->neuerTest(urdatei);
        f->re1->setPlainText(kBeispieltext);
        taste(modus == int(TFLueckentest::Modus::Luecken) ? Qt::Key_F1
              : modus == int(TFLueckentest::Modus::Text)  ? Qt::Key_Shift
                                                          : Qt::Key_F4);
        QCOMPARE(int(f->modus()), modus);
        const std::unique_ptr<QMenu> m(f->kontextmenueBauen(QPoint(5, 5)));
        QStringList texte;
        for (const QAction *a : m ? m->actions() : QList<QAction *>()) {
            texte << a->text();
        }
        QCOMPARE(texte, eintraege);
    }

    void kontextmenueAktionen()
    {
        f->neuerTest(urdatei);
        f->re1->setPlainText(kBeispieltext);
        taste(Qt::Key_F1);
        auto ausloesen = [this](const QPoint &p, const QString &text) {
            const std::unique_ptr<QMenu> m(f->kontextmenueBauen(p));
            QVERIFY(m);
            for (QAction *a : m->actions()) {
                if (a->text() == text) {
                    a->trigger();
                    return;
                }
            }
            QFAIL(qPrintable(text));
        };
        // Ohne Auswahl gilt das Wort unter der Maus.
        QTextCursor c(f->re1->document());
        c.setPosition(stelle(u"Katze"_s) + 2);
        const QPoint katze = f->re1->cursorRect(c).center();
        r.antworte(Knopf::Ja);
        ausloesen(katze, u"Als freies Lückenwort registrieren"_s);
        QCOMPARE(f->tabelle().anzahl(), 1);
        QCOMPARE(f->tabelle()[1].art, QChar(u'F'));
        QCOMPARE(f->tabelle()[1].wort, u"Katze"_s);
        r.antworte(Knopf::Ja);
        ausloesen(katze, u"Lückenwortmarkierung entfernen"_s);
        QCOMPARE(f->tabelle().anzahl(), 0);
        r.antworte(Knopf::Ja);
        ausloesen(katze, u"Als Auswahl-Lückenwort registrieren"_s);
        QCOMPARE(f->tabelle()[1].art, QChar(u'A'));

        // Textbearbeitung: eine Auswahl, die die Lücke berührt, wird abgewiesen.
        taste(Qt::Key_F1);
        QGuiApplication::clipboard()->setText(u"vorher"_s);
        auto auswaehlen = [this](int von, int bis) {
            QTextCursor a(f->re1->document());
            a.setPosition(von);
            a.setPosition(bis, QTextCursor::KeepAnchor);
            f->re1->setTextCursor(a);
        };
        r.leeren();
        auswaehlen(stelle(u"die Katze"_s), stelle(u"Katze"_s) + 2);
        ausloesen({}, u"Kopieren (Strg-C)"_s);
        ausloesen({}, u"Ausschneiden (Strg-X)"_s);
        ausloesen({}, u"Einfügen (Strg-V)"_s);
        QCOMPARE(r.meldungen(), QStringList(3, kLueckenSchutzMeldung));
        QCOMPARE(QGuiApplication::clipboard()->text(), u"vorher"_s);
        QCOMPARE(f->re1->toPlainText(), kBeispieltext);
        // Abseits der Lücke: ausschneiden und wieder einfügen, schlichter Text.
        auswaehlen(stelle(u"jagt"_s), stelle(u"jagt"_s) + 4);
        ausloesen({}, u"Ausschneiden (Strg-X)"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"jagt"_s);
        QCOMPARE(f->re1->toPlainText(), u"Der Hund  die Katze. Die Maus schläft."_s);
        ausloesen({}, u"Einfügen (Strg-V)"_s);
        QCOMPARE(f->re1->toPlainText(), kBeispieltext);
        QCOMPARE(r.meldungen().size(), 3);
        QCOMPARE(lueckenLaeufe(*f->re1->document()).value(0).text, u"Katze"_s);
    }

    // Die rote Linie steht 20 Pixel mal Zoom unter dem Zeilenanfang.
    void roteLinie_data()
    {
        QTest::addColumn<double>("schrift");
        QTest::newRow("Zoom 1") << 12.0;
        QTest::newRow("Zoom 1,5") << 18.0;
    }
    void roteLinie()
    {
        QFETCH(double, schrift);
        beispielMarkieren();
        QFont fs = f->re1->font();
        fs.setPointSizeF(schrift);
        f->re1->setFont(fs);
        f->LBoxLWSchFL->itemClicked(f->LBoxLWSchFL->item(0));
        QVERIFY(f->PRoteLinie->isVisible());
        QTextCursor c(f->re1->document());
        c.setPosition(stelle(u"Katze"_s));
        c.movePosition(QTextCursor::StartOfLine);
        QCOMPARE(f->PRoteLinie->y(), f->re1->cursorRect(c).top() + qRound(20 * schrift / 12));
        QCOMPARE(f->PRoteLinie->height(), 4);
    }

    // Springen rollt zeilenweise: von unten eine Zeile weiter als nötig, nach oben bis die
    // Zeile am unteren Rand steht.
    void springenRolltZeilenweise()
    {
        f->neuerTest(urdatei);
        QStringList zeilen;
        for (int i = 0; i < 200; ++i) {
            zeilen << u"Zeile "_s + QString::number(i) + u" Wort"_s + QString::number(i);
        }
        f->re1->setPlainText(zeilen.join(u'\n'));
        taste(Qt::Key_F1);
        for (const QString &wort : {u"Wort60"_s, u"Wort100"_s}) {
            QTextCursor c(f->re1->document());
            c.setPosition(stelle(wort) + 1);
            f->re1->setTextCursor(c);
            r.antworte(Knopf::Ja);
            f->BAuswahlLW->click();
        }
        QCOMPARE(f->tabelle().anzahl(), 2);
        auto *rollen = f->re1->verticalScrollBar();
        const int sicht = f->re1->viewport()->height();
        auto zeile = [this](const QString &wort) {
            QTextCursor c(f->re1->document());
            c.setPosition(stelle(wort));
            return f->re1->cursorRect(c);
        };
        rollen->setValue(0);
        f->RG_LW_Nr->findChildren<QRadioButton *>()[1]->click();
        QRect z = zeile(u"Wort100"_s);
        QCOMPARE(z.bottom() + 1, sicht - z.height());
        rollen->setValue(rollen->maximum());
        f->RG_LW_Nr->findChildren<QRadioButton *>()[0]->click();
        z = zeile(u"Wort60"_s);
        QCOMPARE(z.bottom() + 1, sicht);
        QVERIFY(f->PRoteLinie->isVisible());
        // Eine sichtbare Zeile rollt nicht.
        const int wert = rollen->value();
        f->LBoxLWSchAL->itemClicked(f->LBoxLWSchAL->findItems(u"Wort60"_s, Qt::MatchExactly)[0]);
        QCOMPARE(rollen->value(), wert);

        // Mausrad: eine offene Auswahlliste rollt statt des Textes ...
        f->LBSchAuswahlEL->hide();
        f->LBSchAuswahl->show();
        for (int i = 0; i < 60; ++i) {
            f->LBSchAuswahl->addItem(u"w"_s + QString::number(i));
        }
        f->GBoxAuswahlLW->show();
        auto rad = [this] {
            const QPoint p(20, 20);
            QWheelEvent w(p, f->re1->viewport()->mapToGlobal(p), {}, QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(f->re1->viewport(), &w);
        };
        rollen->setValue(0);
        rad();
        QVERIFY(f->LBSchAuswahl->verticalScrollBar()->value() > 0);
        QCOMPARE(rollen->value(), 0);
        // ... ohne Auswahlkasten rollt der Text, rote Linie und Eingabefeld verschwinden.
        f->GBoxAuswahlLW->hide();
        f->PRoteLinie->show();
        f->EEinzelListenFenster->show();
        rad();
        QVERIFY(rollen->value() > 0);
        QVERIFY(!f->PRoteLinie->isVisible());
        QVERIFY(!f->EEinzelListenFenster->isVisible());
    }

    // Der Auswahlkasten folgt der Maus mit gedrückter linker Taste; die rechte Taste über dem
    // Eingabefeld blendet es aus.
    void ziehenUndAusblenden()
    {
        auto maus = [](QWidget *w, QEvent::Type typ, const QPoint &p, Qt::MouseButton knopf,
                       Qt::MouseButtons gedrueckt) {
            QMouseEvent m(typ, QPointF(p), QPointF(w->mapToGlobal(p)), knopf, gedrueckt,
                          Qt::NoModifier);
            QApplication::sendEvent(w, &m);
        };
        QGroupBox *kasten = f->GBoxAuswahlLW;
        kasten->move(100, 100);
        kasten->show();
        maus(kasten, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(kasten->isVisible());
        maus(kasten, QEvent::MouseMove, {35, 25}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(kasten->pos(), QPoint(130, 120));
        maus(kasten, QEvent::MouseMove, {25, 25}, Qt::NoButton, Qt::NoButton);
        QCOMPARE(kasten->pos(), QPoint(130, 120));

        f->EEinzelListenFenster->show();
        maus(f->EEinzelListenFenster, QEvent::MouseMove, {5, 5}, Qt::NoButton, Qt::NoButton);
        QVERIFY(f->EEinzelListenFenster->isVisible());
        maus(f->EEinzelListenFenster, QEvent::MouseMove, {8, 5}, Qt::NoButton, Qt::RightButton);
        QVERIFY(!f->EEinzelListenFenster->isVisible());
    }

    // Nach dem Sprung zu einer offenen Lücke schreibt die Einfügestelle rot auf gelb.
    void sprungZurLeerenLuecke()
    {
        beispielMarkieren();
        f->BUrdateiSpeichern->click();
        f->BSchuelerTestDateiErzeugen->click();
        f->BSchTestDateiDarstellen->click();
        QCOMPARE(f->ansicht(), TFLueckentest::Ansicht::Schueler);
        f->RG_LW_Nr->findChildren<QRadioButton *>()[1]->click();
        QCOMPARE(f->re1->textCursor().selectedText(), kPlatzhalter);
        const int zweite =
            int(f->re1->toPlainText().indexOf(kPlatzhalter, stelle(kPlatzhalter) + 1));
        QCOMPARE(f->re1->textCursor().selectionStart(), zweite);
        QTRY_VERIFY(!f->re1->textCursor().hasSelection());
        QCOMPARE(f->re1->currentCharFormat().foreground().color(), QColor(255, 0, 0));
        QCOMPARE(f->re1->currentCharFormat().background().color(), QColor(255, 255, 0));
    }
};

QTEST_MAIN(TestLueckentestAnzeige)
#include "tst_lueckentestanzeige.moc"
