// Das Lückentest-Fenster, bedient wie von Lehrkraft und Schüler: markieren mit Klick, Strg+Klick,
// Strg+Alt+Klick und Knöpfen, entfernen, Schutz der Lücken, Speichern und Laden, Schülersicht
// ausfüllen, benoten. Mit MIVO_BILDER entstehen dabei die Bildschirmfotos.

#include "common/rtf/rtf.h"
#include "common/rtf/zeilenmodell.h"
#include "lueckenfensterhilfe.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QString &kText = kBeispieltext;

QStringList dateiZeilen(const QString &pfad)
{
    QTextDocument doc;
    if (!rtfDateiLaden(pfad, doc).isEmpty()) {
        return {};
    }
    return Zeilenmodell(doc).alle();
}

void bild(QWidget &w, const QString &name)
{
    const QString ordner = qEnvironmentVariable("MIVO_BILDER");
    if (!ordner.isEmpty()) {
        w.grab().save(ordner + u'/' + name + u".png"_s);
    }
}

} // namespace

class TestLueckentestFenster : public QObject, public LueckenFensterHilfe
{
    Q_OBJECT

private slots:
    void init() { fensterAnlegen(); }
    void cleanup() { fensterSchliessen(); }

    void markierenUndSpeichern()
    {
        beispielMarkieren();
        QCOMPARE(r.fragen().value(0),
                 u"Soll der Textabschnitt: \n\n    Hund\n\nals Auswahl-Lückenwort registriert "
                 "werden?"_s);
        QVERIFY(r.fragen().value(1).endsWith(u"als freies Lückenwort registriert werden?"_s));
        QVERIFY(r.fragen().value(2).endsWith(u"als Einzellisten-Lückenwort registriert werden?"_s));
        const Lueckentabelle &t = f->tabelle();
        QCOMPARE(t.anzahl(), 3);
        QCOMPARE(t[1].art, QChar(u'A'));
        QCOMPARE(t[2].art, QChar(u'F'));
        QCOMPARE(t[3].art, QChar(u'E'));
        QCOMPARE(falscheAlternativen(t[3]), (QStringList{u"Ratte"_s, u"Laus"_s}));
        QCOMPARE(f->LBoxLWSchAL->count(), 1);
        QCOMPARE(f->LBoxLWSchEL->count(), 3);
        QCOMPARE(f->RG_LW_Nr->findChildren<QRadioButton *>().size(), 3);
        // Hinweis über einer Einzellisten-Lücke, sonst keiner
        QCOMPARE(f->re1->hinweis(stelle(u"Maus"_s) + 1),
                 u"Einzellisten-Lückenwort mit Antwortalternativen:\n- Ratte\n- Laus\n"_s);
        QCOMPARE(f->re1->hinweis(stelle(u"Hund"_s) + 1), QString());
        bild(*f, u"lueckentest_lehreransicht"_s);
        QVERIFY(f->ungespeichert());
        f->BUrdateiSpeichern->click();
        QVERIFY(!f->ungespeichert());
        const QStringList z = dateiZeilen(urdatei);
        QCOMPARE(z.value(0), u"Der <$01> jagt die <$02>. Die <$03> schläft."_s);
        QCOMPARE(z.mid(10, 4), (QStringList{u"03 Maus"_s, u"03 Ratte"_s, u"03 Laus"_s, QString()}));
        // Laden und unverändert speichern gibt dieselben Bytes.
        const QByteArray bytes = dateiInhalt(urdatei);
        QVERIFY(f->testOeffnen(urdatei));
        QCOMPARE(f->re1->toPlainText(), kText);
        QCOMPARE(f->tabelle().anzahl(), 3);
        f->BUrdateiSpeichern->click();
        QCOMPARE(dateiInhalt(urdatei), bytes);
    }

    void abweisungen_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("erstes Wort") << u"Der"_s << u"Das erste Wort im Text"_s;
        QTest::newRow("doppelt") << u"Hund!"_s << u"Doppelauswahl"_s;
        QTest::newRow("Satzzeichen") << u"."_s << u"kein Wort"_s;
    }
    void abweisungen()
    {
        QFETCH(QString, wort);
        QFETCH(QString, meldung);
        f->neuerTest(urdatei);
        f->re1->setPlainText(u"Der Hund und der Hund! Ende."_s);
        taste(Qt::Key_F1);
        r.antworte(Knopf::Ja);
        klick(stelle(u"Hund"_s) + 1);
        QCOMPARE(f->tabelle().anzahl(), 1);
        r.leeren();
        klick(int(f->re1->toPlainText().lastIndexOf(wort)));
        QVERIFY2(r.letzteMeldung().contains(meldung), qPrintable(r.letzteMeldung()));
        QVERIFY(r.fragen().isEmpty());
        QCOMPARE(lueckenLaeufe(*f->re1->document()).size(), 1);
    }

    void knoepfeUndEntfernen()
    {
        f->neuerTest(urdatei);
        f->re1->setPlainText(u"Eins zwei drei vier fünf sechs"_s);
        taste(Qt::Key_F1);
        // Registrieren über Knöpfe für das ausgewählte bzw. das Wort am Cursor
        for (const QString &w : {u"zwei"_s, u"vier"_s, u"sechs"_s, u"drei"_s}) {
            QTextCursor c(f->re1->document());
            c.setPosition(stelle(w) + 1);
            f->re1->setTextCursor(c);
            r.antworte(Knopf::Ja);
            (w == u"vier"_s ? f->BFreiesLW : f->BAuswahlLW)->click();
        }
        QCOMPARE(f->tabelle()[3].wort, u"vier"_s);
        QCOMPARE(f->tabelle()[2].wort, u"drei"_s); // vor vorhandenen eingereiht
        // Entfernen von Lücke 2 per Klick: die späteren rücken nach
        r.antworte(Knopf::Ja);
        klick(stelle(u"drei"_s));
        QCOMPARE(r.fragen().last(), u"Soll diese Lückenwortmarkierung entfernt werden?\n"_s);
        QCOMPARE(f->tabelle().anzahl(), 3);
        QCOMPARE(f->tabelle()[2].wort, u"vier"_s);
        QCOMPARE(f->tabelle()[2].art, QChar(u'F'));
        QCOMPARE(f->RG_LW_Nr->findChildren<QRadioButton *>().size(), 3);
        // Nein lässt die Lücke stehen
        r.antworte(Knopf::Nein);
        klick(stelle(u"vier"_s));
        QCOMPARE(f->tabelle().anzahl(), 3);
    }

    void schutzImTextmodus_data()
    {
        QTest::addColumn<QString>("inhalt");
        QTest::addColumn<QList<int>>("luecken"); // angeklickte Stellen in der Lückenbearbeitung
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("taste");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("abgewiesen");
        // Hund steht bei 4..8, jagt bei 9..13
        const QList<int> hund{5};
        QTest::newRow("tippen am Lückenende")
            << kText << hund << 8 << int(Qt::Key_X) << u"x"_s << true;
        QTest::newRow("tippen in der Lücke")
            << kText << hund << 6 << int(Qt::Key_X) << u"x"_s << true;
        QTest::newRow("Rückschritt am Ende")
            << kText << hund << 8 << int(Qt::Key_Backspace) << QString() << true;
        QTest::newRow("Entfernen davor")
            << kText << hund << 4 << int(Qt::Key_Delete) << QString() << true;
        QTest::newRow("tippen davor") << kText << hund << 4 << int(Qt::Key_X) << u"x"_s << false;
        QTest::newRow("weit weg") << kText << hund << 20 << int(Qt::Key_X) << u"x"_s << false;
        // Der Leerraum zwischen zwei Lücken trennt sie: Rückschritt am Anfang der zweiten
        // würde beide zu einer verschmelzen.
        QTest::newRow("Rückschritt zwischen zwei Lücken")
            << kText << QList<int>{5, 10} << 9 << int(Qt::Key_Backspace) << QString() << true;
        QTest::newRow("Strg+Rückschritt zwischen zwei Lücken")
            << kText << QList<int>{5, 10} << 9 << int(Qt::Key_Backspace) << QString() << true;
        // Am Absatzanfang vor einer Lücke getippt, verlängert das Zeichen die Lücke nicht.
        QTest::newRow("tippen am Absatzanfang vor der Lücke")
            << u"Der Hund jagt.\nKatzen schlafen."_s << QList<int>{16} << 15 << int(Qt::Key_X)
            << u"X"_s << false;
    }
    void schutzImTextmodus()
    {
        QFETCH(QString, inhalt);
        QFETCH(QList<int>, luecken);
        QFETCH(int, cursor);
        QFETCH(int, taste);
        QFETCH(QString, text);
        QFETCH(bool, abgewiesen);
        f->neuerTest(urdatei);
        f->re1->setPlainText(inhalt);
        this->taste(Qt::Key_F1);
        for (const int stelle : luecken) {
            r.antworte(Knopf::Ja);
            klick(stelle);
        }
        QCOMPARE(f->tabelle().anzahl(), luecken.size());
        this->taste(Qt::Key_F1);
        QCOMPARE(f->modus(), TFLueckentest::Modus::Text);
        QStringList vorher;
        for (const LueckenLauf &l : lueckenLaeufe(*f->re1->document())) {
            vorher << l.text;
        }
        r.leeren();
        QTextCursor c(f->re1->document());
        c.setPosition(cursor);
        f->re1->setTextCursor(c);
        const bool strg = QString::fromLatin1(QTest::currentDataTag()).startsWith(u"Strg"_s);
        this->taste(Qt::Key(taste), text, strg ? Qt::ControlModifier : Qt::NoModifier);
        QCOMPARE(r.meldungen().contains(kLueckenSchutzMeldung), abgewiesen);
        QCOMPARE(f->re1->toPlainText() == inhalt, abgewiesen);
        QStringList nachher;
        for (const LueckenLauf &l : lueckenLaeufe(*f->re1->document())) {
            nachher << l.text;
        }
        QCOMPARE(nachher, vorher);
        // Zurück in der Lückenbearbeitung gehört jede Lücke noch zu ihrem Wort.
        this->taste(Qt::Key_F1);
        QCOMPARE(f->tabelle().anzahl(), luecken.size());
        QCOMPARE(f->tabelle()[1].wort, vorher.value(0));
    }

    void schuelerFuelltAusUndBenoten()
    {
        beispielMarkieren();
        f->BUrdateiSpeichern->click();
        f->BSchuelerTestDateiErzeugen->click();
        QVERIFY(r.letzteMeldung().contains(u"SchTestDatei.rtf"_s));
        f->BSchTestDateiDarstellen->click();
        QCOMPARE(f->ansicht(), TFLueckentest::Ansicht::Schueler);
        QCOMPARE(f->LTitel->text(), u"Testdurchführung: Lückentext"_s);
        QCOMPARE(f->LNochLueckenOffen->text(), u"Noch 3  Lücken offen!"_s);
        // Tasten ändern den Text nicht
        const QString vorher = f->re1->toPlainText();
        taste(Qt::Key_X, u"x"_s);
        taste(Qt::Key_Delete);
        QCOMPARE(f->re1->toPlainText(), vorher);
        // Lücke 1 (A): Auswahlliste mit Hund und dem Platzhalter
        klick(stelle(kPlatzhalter) + 3);
        QVERIFY(f->GBoxAuswahlLW->isVisible());
        QVERIFY(f->LBSchAuswahl->isVisible());
        QCOMPARE(f->LBSchAuswahl->count(), 2);
        bild(*f, u"lueckentest_schueleransicht"_s);
        const auto hund = f->LBSchAuswahl->findItems(u"Hund"_s, Qt::MatchExactly);
        QCOMPARE(hund.size(), 1);
        f->LBSchAuswahl->itemClicked(hund.first());
        QCOMPARE(f->LNochLueckenOffen->text(), u"Noch 2  Lücken offen!"_s);
        // Lücke 2 (F): Eingabefeld; eine Marke wird abgewiesen
        klick(stelle(kPlatzhalter) + 3);
        QVERIFY(f->EEinzelListenFenster->isVisible());
        f->EEinzelListenFenster->setText(u"x $03>"_s);
        QTest::keyClick(f->EEinzelListenFenster, Qt::Key_Return);
        QVERIFY(r.letzteMeldung().contains(u"<, > und $"_s));
        f->EEinzelListenFenster->setText(u"Katze"_s);
        QTest::keyClick(f->EEinzelListenFenster, Qt::Key_Return);
        // Lücke 3 (E): die Einzelliste
        klick(stelle(kPlatzhalter) + 3);
        QVERIFY(f->LBSchAuswahlEL->isVisible());
        QCOMPARE(f->LBSchAuswahlEL->count(), 4);
        f->LBSchAuswahlEL->itemClicked(
            f->LBSchAuswahlEL->findItems(u"Ratte"_s, Qt::MatchExactly).first());
        QCOMPARE(f->LNochLueckenOffen->text(), u"Geschafft: Alle Lücken gefüllt!"_s);
        QCOMPARE(f->re1->toPlainText().left(42), u"Der Hund jagt die Katze. Die Ratte schläft"_s);
        // Zweimal speichern: dieselbe Datei
        f->BSchuelertestdateiSpeichern->click();
        const QString aus = f->ordnerDatei(kAusgefuelltName);
        const QByteArray erste = dateiInhalt(aus);
        f->BSchuelertestdateiSpeichern->click();
        QCOMPARE(dateiInhalt(aus), erste);
        // Platzhalter wählen öffnet die Lücke wieder
        klick(stelle(u"Hund"_s) + 1);
        f->LBSchAuswahl->itemClicked(
            f->LBSchAuswahl->findItems(kPlatzhalter, Qt::MatchExactly).first());
        QCOMPARE(f->LNochLueckenOffen->text(), u"Noch 1  Lücken offen!"_s);
        // Benoten aus den gespeicherten Dateien; die ungespeicherte Änderung wird erst
        // gespeichert (Ja) - so liest die Benotung, was auf dem Schirm steht.
        r.antworte(Knopf::Abbruch);
        f->BSchTestBenoten->click();
        QCOMPARE(f->ansicht(), TFLueckentest::Ansicht::Schueler);
        QVERIFY(r.fragen().last().startsWith(u"Die Einträge des Schülertests"_s));
        r.antworte(Knopf::Ja);
        f->BSchTestBenoten->click();
        QVERIFY(f->re2->isVisible());
        QVERIFY(f->re2->toPlainText().contains(u"Von  3  Lücken wurden  1  richtig ausgefüllt."_s));
        // Die Notenzeile nennt die Tabelle, nach der benotet wurde (hier keine des Fachs).
        QVERIFY(f->re2->toPlainText().contains(u"   (nach den Standardanteilen)"_s));
        QCOMPARE(f->ansicht(), TFLueckentest::Ansicht::Lehrer);
        const QStringList b = dateiZeilen(f->ordnerDatei(kBenotetName));
        QVERIFY(b.contains(u"Der <"_s + kPlatzhalter +
                           u" $01= Hund> jagt die <Katze $02= Katze>. Die <Ratte $03= Maus> "
                           "schläft."_s));
        bild(*f, u"lueckentest_benotet"_s);
    }

    void alternativeKorrigierenUndErinnern()
    {
        f->neuerTest(urdatei);
        f->re1->setPlainText(kText);
        taste(Qt::Key_F1);
        r.antworte(Knopf::Ja);
        klick(stelle(u"Maus"_s) + 1, Qt::ControlModifier | Qt::AltModifier);
        QTest::keyClicks(f->EEinzelListenFenster, u"Ratte"_s);
        QTest::keyClick(f->EEinzelListenFenster, Qt::Key_Return);
        QCOMPARE(falscheAlternativen(f->tabelle()[1]), QStringList{u"Ratte"_s});
        // Ein Klick auf die Alternative holt sie zur Korrektur ins Feld zurück.
        f->LBSchAuswahlEL->itemClicked(f->LBSchAuswahlEL->item(0));
        QCOMPARE(f->EEinzelListenFenster->text(), u"Ratte"_s);
        QVERIFY(falscheAlternativen(f->tabelle()[1]).isEmpty());
        f->EEinzelListenFenster->clear();
        QTest::keyClick(f->EEinzelListenFenster, Qt::Key_Return);
        QCOMPARE(r.letzteMeldung(), u"Für das Lückenwort  Maus  wurden keine falschen "
                                    "Antwort-Alternativen angegeben. Bitte unbedingt ergänzen!"_s);
    }

    void ungespeichertNichtVerwerfen()
    {
        beispielMarkieren();
        f->BUrdateiSpeichern->click();
        r.antworte(Knopf::Ja);
        klick(stelle(u"jagt"_s) + 1);
        QVERIFY(f->ungespeichert());
        r.antworte(Knopf::Abbruch);
        f->BSchTestDateiDarstellen->click();
        QCOMPARE(f->ansicht(), TFLueckentest::Ansicht::Lehrer);
        QCOMPARE(f->tabelle().anzahl(), 4);
        // F4: Schülertest zur Probe; die Urdatei lässt sich dann nicht speichern
        const QByteArray bytes = dateiInhalt(urdatei);
        taste(Qt::Key_F4);
        QCOMPARE(f->modus(), TFLueckentest::Modus::Schuelertest);
        QVERIFY(!f->BUrdateiSpeichern->isEnabled());
        f->BUrdateiSpeichernClick();
        QVERIFY(r.letzteMeldung().contains(u"nur in der Lehreransicht"_s));
        QCOMPARE(dateiInhalt(urdatei), bytes);
        // Eine Probe-Eingabe leert Lücke 1; F1 führt zum Lehrertext vor F4 zurück.
        klick(stelle(u"Hund"_s) + 1);
        QVERIFY(f->LBSchAuswahl->isVisible());
        f->LBSchAuswahl->itemClicked(
            f->LBSchAuswahl->findItems(kPlatzhalter, Qt::MatchExactly).first());
        QVERIFY(f->re1->toPlainText().startsWith(u"Der "_s + kPlatzhalter));
        taste(Qt::Key_F1);
        QCOMPARE(f->modus(), TFLueckentest::Modus::Luecken);
        QCOMPARE(f->re1->toPlainText(), kText);
        QCOMPARE(f->tabelle().anzahl(), 4);
        QCOMPARE(f->tabelle()[1].wort, u"Hund"_s);
        QVERIFY(f->ungespeichert());
        f->BUrdateiSpeichern->click();
        QVERIFY(dateiZeilen(urdatei).contains(u"02 jagt"_s));
    }

    // Jeder Weg, der nach einer ungespeicherten Änderung die Urdatei speichern lässt, speichert
    // aus der Probe (F4) den Lehrertext, nie die Probeeinträge.
    void probeWirdNieUrdatei_data()
    {
        QTest::addColumn<QString>("knopf"); // leer: Fenster schließen
        QTest::newRow("Zurück zur Testauswahl") << u"BZurTestauswahl"_s;
        QTest::newRow("Ende") << u"BEnde"_s;
        QTest::newRow("Schließen") << QString();
        QTest::newRow("Schülertestdatei erzeugen") << u"BSchuelerTestDateiErzeugen"_s;
        QTest::newRow("SchTestDateiDarstellen") << u"BSchTestDateiDarstellen"_s;
        QTest::newRow("SchTest benoten") << u"BSchTestBenoten"_s;
    }
    void probeWirdNieUrdatei()
    {
        QFETCH(QString, knopf);
        beispielMarkieren();
        f->BUrdateiSpeichern->click();
        r.antworte(Knopf::Ja);
        klick(stelle(u"jagt"_s) + 1);
        QVERIFY(f->ungespeichert());
        taste(Qt::Key_F4);
        klick(stelle(u"Maus"_s) + 1);
        QVERIFY(f->LBSchAuswahlEL->isVisible());
        f->LBSchAuswahlEL->itemClicked(
            f->LBSchAuswahlEL->findItems(u"Ratte"_s, Qt::MatchExactly).first());
        QVERIFY(f->re1->toPlainText().contains(u"Die Ratte"_s));
        r.antworte(Knopf::Ja);
        if (knopf.isEmpty()) {
            f->close();
        } else {
            f->findChild<QPushButton *>(knopf)->click();
        }
        QVERIFY(r.fragen().last().endsWith(u"Soll die Urdatei jetzt gespeichert werden?"_s));
        const QStringList z = dateiZeilen(urdatei);
        QCOMPARE(z.value(0), u"Der <$01> <$02> die <$03>. Die <$04> schläft."_s);
        QVERIFY(z.contains(u"02 jagt"_s));
        QCOMPARE(z.filter(u"04 "_s),
                 (QStringList{u"04 Maus"_s, u"04 Maus"_s, u"04 Ratte"_s, u"04 Laus"_s}));
    }

    void neuerTestUeberschreibtNichtStillschweigend()
    {
        ordner->schreibe(u"2016-17/7xD1Tier/7xD1Tier._LA"_s, "alt");
        f->neuerTest(urdatei);
        f->re1->setPlainText(kText);
        r.antworte(Knopf::Nein);
        f->BUrdateiSpeichern->click();
        QVERIFY(r.fragen().last().contains(u"gibt es schon"_s));
        QCOMPARE(dateiInhalt(urdatei), QByteArray("alt"));
        QVERIFY(f->ungespeichert());
        r.antworte(Knopf::Ja);
        f->BUrdateiSpeichern->click();
        QCOMPARE(dateiZeilen(urdatei).value(0), kText);
        // Gespeichert wird die Urdatei neu geladen: Lehreransicht, Lückenbearbeitung.
        QCOMPARE(f->modus(), TFLueckentest::Modus::Luecken);
        QCOMPARE(f->LModus->text(), u"Modus:  Lückenbearbeitung;"_s);
        QVERIFY(!f->ungespeichert());
        f->BUrdateiSpeichern->click(); // jetzt ohne Frage
    }

    void kaputteUrdatei_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("kein RTF") << QByteArray("Hallo") << u"als RTF-Dokument lesen"_s;
        QTest::newRow("ohne Listen")
            << QByteArray("{\\rtf1 Der <$01> jagt.\\par}") << u"keine gültige Lückentest-Datei"_s;
    }
    void kaputteUrdatei()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        ordner->schreibe(u"K._LA"_s, inhalt);
        QVERIFY(f->testOeffnen(ordner->datei(u"K._LA"_s)));
        QVERIFY2(r.letzteMeldung().contains(meldung), qPrintable(r.letzteMeldung()));
        QVERIFY(f->re1->toPlainText().isEmpty());
        QCOMPARE(f->tabelle().anzahl(), 0);
        QCOMPARE(dateiInhalt(ordner->datei(u"K._LA"_s)), inhalt);
        // Das Fenster bleibt benutzbar: ein neuer Text lässt sich markieren.
        f->re1->setPlainText(u"Ein Wort"_s);
        taste(Qt::Key_F1);
        r.antworte(Knopf::Ja);
        klick(5);
        QCOMPARE(f->tabelle().anzahl(), 1);
    }
};

QTEST_MAIN(TestLueckentestFenster)
#include "tst_lueckentestfenster.moc"
