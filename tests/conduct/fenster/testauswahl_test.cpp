// Die Testauswahl im ganzen Programm, so wie eine Lehrkraft sie bedient: Durchfuehrung des
// Beispieltests mit der Beispielklasse, Einsammeln, Benoten, Noten ins Notenfenster, Rueckgabe,
// Druck als PDF und das Schliessen waehrend einer Durchfuehrung.
#include "app/fenster/fenstertesthilfe.h"
#include "authoring/fenster/TestEditor.h"
#include "common/ansitext.h"
#include "common/ordner.h"
#include "conduct/einsammeln.h"
#include "conduct/fenster/SchuelerdatenFormUnit.h"
#include "conduct/fenster/aufgabenanalyse_ansicht.h"
#include "conduct/fenster/schrittrahmen.h"
#include "conduct/testdokument.h"
#include "outside/schuelerprogramm.h"
#include "werkzeug/werkzeug.h"
#include "widgets/Druckhilfe.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

const QString kCode = u"7xP1Bspl"_s;

// Kreuzt je Frage die Antwort aus loesung an ("." laesst die Frage frei), wie Mivo.exe es
// hinterlaesst: ein "x" vor der Antwortzeile.
QStringList ankreuzen(QStringList kopie, const QString &loesung)
{
    static const QRegularExpression frage(u"^\\d+\\)"_s);
    int q = 0;
    for (QString &z : kopie) {
        if (frage.match(z).hasMatch()) {
            ++q;
        } else if (q >= 1 && q <= loesung.size() && z.startsWith(u'\t') && z.size() > 2 &&
                   z[1] == loesung[q - 1] && z[2] == u')') {
            z = u'x' + z;
        }
    }
    return kopie;
}

QString schluessel(const QString &vorlage)
{
    const Loesung l = *loesungAusZeilen(ansiZeilenLesen(vorlage).zeilen);
    QString s;
    for (int q = 1; q <= l.fragen; ++q) {
        s += l.loesung[q];
    }
    return s;
}

QMap<QString, QByteArray> ordnerInhalt(const QString &ordner)
{
    QMap<QString, QByteArray> m;
    for (const QString &n : dateienNachMuster(ordner, u"*"_s)) {
        m.insert(n, dateiInhalt(ordner + n));
    }
    return m;
}

} // namespace

class TestTestauswahl : public QObject
{
    Q_OBJECT
    Lauf l;
    TSchuelerdatenEingabefenster *f = nullptr;
    TestPfade test;

    QString dropbox() const { return l.t.pfad() + u"ab/Meier/DropBox/"_s; }
    QFrame *rahmen(const char *name) { return l.finde<QFrame>(f, name); }
    QPushButton *knopf(const char *name) { return l.finde<QPushButton>(f, name); }
    void klick(const char *name)
    {
        QPushButton *b = knopf(name);
        QVERIFY2(b && b->isVisible() && b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Waehlt den Eintrag des Beispieltests in der Liste, wie mit der Maus.
    void beispielWaehlen()
    {
        QListWidget *liste = f->ListBoxThemenMitErklaerung;
        const QList<QListWidgetItem *> treffer = liste->findItems(kCode, Qt::MatchContains);
        QVERIFY(!treffer.isEmpty());
        QListWidgetItem *i = treffer.first();
        const QRect rechts = liste->visualItemRect(i);
        // Rechts im Bereich des Schuljahres: waehlen ohne Vorschau.
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          QPoint(rechts.right() - 5, rechts.center().y()));
        QVERIFY(f->testGewaehlt());
    }
    void bild(const QString &name)
    {
        const QString ordner = qEnvironmentVariable("MIVO_BILDER");
        if (!ordner.isEmpty()) {
            QCoreApplication::processEvents();
            f->grab().save(ordner + u'/' + name + u".png"_s);
        }
    }

private slots:
    void initTestCase()
    {
        setzeAbgabeRuhezeitMs(0);
        const QString b = l.t.pfad();
        QVERIFY(
            ansiZeilenSchreiben(b + u"Mivo-Kl-cf.txt"_s,
                                {u"[Mivo-Programm-Ordner]"_s, l.schulserver(), u"[Lehrername]"_s,
                                 u"Meier/"_s, u"[Lehrer-Klassen-Ordner]"_s, b})
                .ok());
        QVERIFY(ansiZeilenSchreiben(l.schulserver() + u"Mivo-cf.txt"_s,
                                    {u"[Test-Ausgabe]"_s, b + u"aus/"_s, u"[Test-Abgabe]"_s,
                                     b + u"ab/"_s, u"[Test-Rueckgabe]"_s, b + u"rueck/"_s})
                    .ok());
        l.klassenBereitstellen();
        QVERIFY(baumKopieren(b + u"2016-17 Beispiele/"_s + kCode, l.jahr() + kCode));
        // Ein Test eines frueheren Jahres fuer die Filter.
        QVERIFY(baumKopieren(b + u"2016-17 Beispiele/"_s + kCode, b + u"2023-24/7xP2Bspl"_s));
        QFile::rename(b + u"2023-24/7xP2Bspl/7xP1Bspl.__A"_s,
                      b + u"2023-24/7xP2Bspl/7xP2Bspl.__A"_s);
        QVERIFY(l.starten());
        f = &l.a->testauswahl;
        test = {b, u"2024-25"_s, kCode};
        QVERIFY(l.haupt().testauswahlVorhanden());
    }

    void durchfuehrenEinsammelnBenoten()
    {
        l.haupt().TestsBereitStellenHolen();
        QVERIFY2(f->isVisible(), qPrintable(l.r.meldungen().join(u'\n')));
        QVERIFY(!f->konstruktionsModus() && !f->rueckgabeModus());
        QVERIFY(!f->CBoxSchuljahr->isEnabled());
        QCOMPARE(f->CBoxSchuljahr->currentText(), u"2024-25"_s);
        QVERIFY(!knopf("BTestBereitStellen")->isEnabled());
        beispielWaehlen();
        QVERIFY(knopf("BTestBereitStellen")->isEnabled());
        QVERIFY(rahmen("PGruenerRahmenDurchfuehrung")->isVisible());
        QVERIFY(!knopf("BBenoten")->isEnabled());
        QCOMPARE(f->LVorhandeneTests->text(),
                 u"Test/ Klasse auswählen:"_s); // noch nicht festgelegt

        l.r.leeren();
        l.r.antworte(Rueckfragen::Knopf::Ok); // "Kopien fertig gestellt (25 Sch.)."
        klick("BTestBereitStellen");
        QVERIFY(f->durchfuehrungLaeuft());
        QVERIFY(f->TimerTestsMitnehmen.isActive());
        QCOMPARE(f->TimerTestsMitnehmen.interval(), 600);
        QCOMPARE(f->ListBoxBereitgestellt->count(), 25);
        QCOMPARE(f->findChild<QLabel *>(u"LZahlBereitgestellt"_s)->text(), u"25"_s);
        QVERIFY(!f->CBoxKlasse->isEnabled());
        QVERIFY(!f->ListBoxThemenMitErklaerung->isEnabled());
        QVERIFY(f->LVorhandeneTests->text().startsWith(u"Testauswahl:     7xP1Bspl"_s));
        QVERIFY(QFileInfo::exists(l.t.pfad() + u"aus/7x-Meier-7xP1Bspl.tmp"_s));
        bild(u"durchfuehrung_bereitgestellt"_s);

        // 24 Schueler geben ab, wie das Schuelerprogramm: Datei in DropBox.
        const QString a = schluessel(test.vorlage(u'A'));
        const QString bSchl = schluessel(test.vorlage(u'B'));
        QDir().mkpath(dropbox());
        const QStringList kopien = dateienNachMuster(test.kopienOrdner(), u"*"_s);
        QCOMPARE(kopien.size(), 25);
        const QStringList gruppen = ansiZeilenLesen(test.gruppenDatei()).zeilen;
        // Feindliches im Abgabeordner: einmal gemeldet, liegen gelassen, der Takt laeuft weiter.
        QVERIFY(QFile::link(u"/etc/passwd"_s, dropbox() + u"Evil.X7x"_s));
        QDir().mkpath(dropbox() + u"Ordner.Y7x"_s);
        l.r.leeren();
        QStringList namen;
        for (int i = 0; i < 25; ++i) {
            const QString datei = schuelerprogramm::persoenlicherDateiname(
                gruppen[3 * i], gruppen[3 * i + 1], u"7x"_s);
            QString loesung = gruppen[3 * i + 2] == u"A"_s ? a : bSchl;
            // Jeder Schueler laesst i % 7 Fragen frei: verschiedene Noten.
            for (int q = 0; q < i % 7 && q < loesung.size(); ++q) {
                loesung[q] = u'.';
            }
            namen << datei;
            if (i < 24) {
                QVERIFY(ansiZeilenSchreiben(
                            dropbox() + datei,
                            ankreuzen(ansiZeilenLesen(test.kopienOrdner() + datei).zeilen, loesung))
                            .ok());
            } else {
                // Die letzte Abgabe kommt erst im letzten Augenblick.
                for (int takt = 0; takt < 30; ++takt) {
                    f->TestsMitnehmen();
                }
                QCOMPARE(f->ListBoxTestAbgabe->count(), 24);
                QCOMPARE(l.r.meldungen().filter(u"Evil.X7x"_s).size(), 1);
                QCOMPARE(l.r.meldungen().filter(u"Ordner.Y7x"_s).size(), 1);
                QVERIFY(f->TimerTestsMitnehmen.isActive());
                QVERIFY(QFileInfo(dropbox() + u"Evil.X7x"_s).isSymLink());
                QVERIFY(knopf("BBenoten")->isEnabled());
                QVERIFY(rahmen("PGruenerRahmenBenotung")->isVisible());
                bild(u"durchfuehrung_abgegeben"_s);
                QVERIFY(ansiZeilenSchreiben(
                            dropbox() + datei,
                            ankreuzen(ansiZeilenLesen(test.kopienOrdner() + datei).zeilen, loesung))
                            .ok());
            }
        }

        QSignalSpy noten(f, &TSchuelerdatenEingabefenster::testnotenUebernehmen);
        l.r.leeren();
        l.r.antworte(Rueckfragen::Knopf::Ja); // Durchfuehrung beenden
        l.r.dateiAntwort(l.t.pfad() + u"Normtabellen/P-Normtabelle.xls"_s);
        klick("BBenoten");
        QCOMPARE(l.r.fragen().first(), u"Soll die Testdurchführung beendet werden?"_s);
        QVERIFY(!f->durchfuehrungLaeuft());
        QVERIFY(!f->TimerTestsMitnehmen.isActive());
        QVERIFY(dateienNachMuster(dropbox(), u"*"_s).isEmpty()); // auch die letzte genommen
        QVERIFY(!QFileInfo::exists(l.t.pfad() + u"aus/7x-Meier-7xP1Bspl.tmp"_s));
        QCOMPARE(noten.size(), 1);
        QCOMPARE(noten[0][0].toString(), l.jahr() + u"L-7x-Ph.DTA"_s);
        const auto ergebnisse = noten[0][1].value<QList<Benotungsergebnis>>();
        QCOMPARE(ergebnisse.size(), 25);
        for (const Benotungsergebnis &e : ergebnisse) {
            QVERIFY2(e.noteE != u"/"_s && e.punkte >= 0, qPrintable(e.nachname));
        }
        QVERIFY(!f->isVisible());
        // Das Notenfenster steht mit der Klasse im Testnoten-Modus.
        QVERIFY(l.a->notenfenster.isVisible());
        QCOMPARE(l.a->notenfenster.sitzung.name(), u"L-7x-Ph"_s);
        QVERIFY(l.r.meldungen().join(u'\n').contains(u"Notenkategorie"_s));
        // Daneben die Aufgabenanalyse: eine Zeile je Frage des Beispieltests.
        auto *analyse = f->findChild<AufgabenanalyseAnsicht *>(u"FAufgabenanalyse"_s);
        QVERIFY(analyse != nullptr);
        QVERIFY(analyse->isVisible());
        QCOMPARE(analyse->SGAnalyse->rowCount(), 10);
        QVERIFY(analyse->LKopf->text().contains(kCode));

        // Dieselben Abgaben mit mivo-werkzeug benoten: gleiche benotete Kopien, gleiche Noten.
        const QMap<QString, QByteArray> ausFenster = ordnerInhalt(test.benotetOrdner());
        QCOMPARE(ausFenster.size(), 27); // 25 Kopien, Zusammenfassung und Aufgabenanalyse
        QString aus, fehler;
        QTextStream sa(&aus), sf(&fehler);
        QCOMPARE(werkzeugAusfuehren({u"benoten"_s, u"--basis"_s, l.t.pfad(), u"2024-25"_s, kCode,
                                     u"--heute"_s, u"2024-10-01"_s},
                                    sa, sf),
                 0);
        QCOMPARE(ordnerInhalt(test.benotetOrdner()), ausFenster);
        for (const Benotungsergebnis &e : ergebnisse) {
            QVERIFY2(aus.contains(u"\"nachname\": \""_s + e.nachname + u"\", \"note\": \""_s +
                                  e.noteE + u"\", \"punkte\": "_s + QString::number(e.punkte) +
                                  u'}'),
                     qPrintable(aus));
        }
    }

    void rueckgabeUndDruck()
    {
        l.a->notenfenster.hide();
        l.haupt().TestrueckgabeClick();
        QVERIFY(f->isVisible() && f->rueckgabeModus());
        QVERIFY(knopf("BTestRueckgabeNurLesen")->isVisible());
        QVERIFY(!knopf("BBenoten")->isVisible());
        beispielWaehlen();
        const QString rueck = l.t.pfad() + u"rueck/Meier/7x/"_s;
        klick("BTestBereitStellen"); // mit Speichern
        QVERIFY(f->durchfuehrungLaeuft());
        QVERIFY(QFileInfo::exists(rueck + u"sp-ind.txt"_s));
        QCOMPARE(dateienNachMuster(rueck, u"Mivo*"_s).size(), 25);
        f->TestsMitnehmen(); // Takt der Rueckgabe: zurueckgegebene Dokumente
        QCOMPARE(f->ListBoxTestAbgabe->count(), 25);
        bild(u"rueckgabe"_s);
        klick("BBereitgestellteTestsLoeschen");
        QVERIFY(!f->durchfuehrungLaeuft());
        QVERIFY(dateienNachMuster(rueck, u"*"_s).isEmpty());
        // Nichts mehr bereitgestellt: der Knopf sagt es, bis wieder etwas bereitgestellt wird.
        klick("BBereitgestellteTestsLoeschen");
        QCOMPARE(knopf("BBereitgestellteTestsLoeschen")->text(), u"Der Ordner ist leer!"_s);
        klick("BTestRueckgabeNurLesen");
        QCOMPARE(knopf("BBereitgestellteTestsLoeschen")->text(),
                 u"Bereit gestellte Tests löschen"_s);
        QVERIFY(!QFileInfo::exists(rueck + u"sp-ind.txt"_s));
        QCOMPARE(dateienNachMuster(rueck, u"Mivo*"_s).size(), 25);
        klick("BBereitgestellteTestsLoeschen");

        klick("BDrucken");
        QVERIFY(knopf("BAlleDrucken")->isVisible());
        QVERIFY(rahmen("PGruenerRahmenAlleDrucken")->isVisible());
        QCOMPARE(f->ListBoxTestAbgabe->count(), 25);
        const QString pdf = l.t.pfad() + u"alle.pdf"_s;
        druck::setzeDialog([pdf](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        });
        // Ohne Auswahl: keine Seite.
        klick("BEinzelDruck");
        QVERIFY(!QFileInfo::exists(pdf));
        l.r.antworte(Rueckfragen::Knopf::Ja);
        klick("BAlleDrucken");
        druck::setzeDialog({});
        QVERIFY(QFileInfo::exists(pdf));
        QProcess p;
        p.start(u"pdftotext"_s, {pdf, u"-"_s});
        QVERIFY(p.waitForFinished(60000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        const QStringList gruppen = ansiZeilenLesen(test.gruppenDatei()).zeilen;
        for (int i = 0; i < 25; ++i) {
            QVERIFY2(text.contains(gruppen[3 * i] + u' ' + gruppen[3 * i + 1]),
                     qPrintable(gruppen[3 * i + 1]));
        }
        // Jede Kopie beginnt auf einer neuen Seite.
        QVERIFY(text.count(u'\f') >= 25);

        // Zusammenfassung: "Nein" oeffnet sie mit dem zugeordneten Programm, "Ja" druckt.
        l.r.antworte(Rueckfragen::Knopf::Nein);
        klick("BZusammenfassungDrucken");
        QCOMPARE(l.o.geoeffnet.value(0), test.zusammenfassung());
        const QString zpdf = l.t.pfad() + u"zusammenfassung.pdf"_s;
        druck::setzeDialog([zpdf](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(zpdf);
            return true;
        });
        l.r.antworte(Rueckfragen::Knopf::Ja);
        klick("BZusammenfassungDrucken");
        druck::setzeDialog({});
        QProcess z;
        z.start(u"pdftotext"_s, {zpdf, u"-"_s});
        QVERIFY(z.waitForFinished(60000));
        QVERIFY(QString::fromUtf8(z.readAllStandardOutput()).contains(u"Nachname"_s));
    }

    // Klasse "7" (Kuerzel "7."): die benoteten Kopien heissen "NAME.X7_"; Zaehler, Druckliste
    // und Druck finden sie.
    void druckKlasseMitFuellpunkt()
    {
        const QString code = u"7.P3Bspl"_s;
        const TestPfade sieben{l.t.pfad(), u"2024-25"_s, code};
        QVERIFY(ordnerAnlegen(sieben.benotetOrdner()));
        QVERIFY(dateiKopieren(test.vorlage(u'A'), sieben.vorlage(u'A')));
        QVERIFY(dateiKopieren(l.jahr() + u"L-7x-Ph.DTA"_s, l.jahr() + u"L-7-Ph.DTA"_s));
        const QStringList kopien = dateienNachMuster(test.benotetOrdner(), u"*.?7x"_s);
        QCOMPARE(kopien.size(), 25);
        for (const QString &k : kopien) {
            QVERIFY(dateiKopieren(test.benotetOrdner() + k,
                                  sieben.benotetOrdner() + k.chopped(2) + u"7_"_s));
        }
        f->CBoxKlasse->lineEdit()->selectAll();
        QTest::keyClick(f->CBoxKlasse->lineEdit(), '7');
        QCOMPARE(f->CBoxKlasse->currentText(), u"7"_s);
        const QList<QListWidgetItem *> treffer =
            f->ListBoxThemenMitErklaerung->findItems(code, Qt::MatchContains);
        QCOMPARE(treffer.size(), 1);
        f->ListBoxThemenMitErklaerungClick(f->ListBoxThemenMitErklaerung->row(treffer[0]));
        QVERIFY(f->testGewaehlt());
        QCOMPARE(f->LkopiertfuerSchueler->text(), u"Benotete Tests: 25"_s);
        // Der Druck ist vom vorigen Test her eingerichtet: die Liste zeigt schon diesen Test.
        QVERIFY(!knopf("BDrucken")->isVisible());
        QCOMPARE(f->ListBoxTestAbgabe->count(), 25);
        const QString pdf = l.t.pfad() + u"sieben.pdf"_s;
        druck::setzeDialog([pdf](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        });
        l.r.leeren();
        f->ListBoxTestAbgabe->item(0)->setSelected(true);
        l.r.antworte(Rueckfragen::Knopf::Ok);
        klick("BEinzelDruck");
        druck::setzeDialog({});
        QVERIFY2(QFileInfo::exists(pdf), qPrintable(l.r.meldungen().join(u'\n')));
        QVERIFY(l.r.meldungen().filter(u"lässt sich nicht öffnen"_s).isEmpty());
        f->CBoxKlasse->lineEdit()->selectAll();
        QTest::keyClick(f->CBoxKlasse->lineEdit(), Qt::Key_Delete);
    }

    void schliessenWaehrendDerDurchfuehrung()
    {
        l.haupt().TestsBereitStellenHolen();
        beispielWaehlen();
        l.r.antworte(Rueckfragen::Knopf::Ja);   // bearbeitete Tests loeschen? Ja: neue Kopien
        l.r.antworte(Rueckfragen::Knopf::Nein); // Gruppe-B-Vorlage behalten
        l.r.antworte(Rueckfragen::Knopf::Ok);
        klick("BTestBereitStellen");
        QVERIFY(f->durchfuehrungLaeuft());
        l.r.antworte(Rueckfragen::Knopf::Nein);
        QVERIFY(!f->close());
        QVERIFY(f->isVisible());
        QVERIFY(f->durchfuehrungLaeuft());
        QVERIFY(f->TimerTestsMitnehmen.isActive());
        // Esc fragt ebenso; "Abbrechen" bleibt.
        l.r.antworte(Rueckfragen::Knopf::Abbrechen);
        QTest::keyClick(f, Qt::Key_Escape);
        QVERIFY(f->isVisible() && f->durchfuehrungLaeuft());
        l.r.antworte(Rueckfragen::Knopf::Ja);
        QTest::keyClick(f, Qt::Key_Escape);
        QVERIFY(!f->isVisible());
        QVERIFY(!f->durchfuehrungLaeuft());
        QVERIFY(l.haupt().isVisible());
        QVERIFY(!QFileInfo::exists(l.t.pfad() + u"aus/7x-Meier-7xP1Bspl.tmp"_s));
    }

    // Zuletzt: "Test öffnen" bringt den gewaehlten Test in den Editor des Hauptfensters.
    void testOeffnenImEditor()
    {
        // "Testvorlage drucken" im Menue der Testauswahl fuehrt, wie im Hauptfenster ausserhalb
        // des Editors, zur Auswahl in der Konstruktion.
        l.haupt().TestrueckgabeClick();
        QVERIFY(f->isVisible() && f->rueckgabeModus());
        QAction *drucken = l.finde<QAction>(f, "Testvorlagedrucken1");
        QVERIFY(drucken);
        drucken->trigger();
        QVERIFY(f->isVisible() && f->konstruktionsModus());
        l.haupt().TestKonstruierenClick();
        QVERIFY(f->isVisible() && f->konstruktionsModus());
        beispielWaehlen();
        QVERIFY(rahmen("PGruenerRahmenVorhTestOeffnen")->isVisible());
        klick("BVorhandenenTestOeffnen");
        QVERIFY(l.haupt().editor());
        QVERIFY(l.haupt().editor()->testGeladen());
        QVERIFY(l.haupt().isVisible());
        QVERIFY(!f->isVisible());
        QCOMPARE(f->editorAngaben().klasse, u"7x"_s);
        QCOMPARE(f->editorAngaben().nummer, u"1"_s);
        QCOMPARE(f->editorAngaben().schuljahr, u"2024-25"_s);
    }
};

QTEST_MAIN(TestTestauswahl)
#include "testauswahl_test.moc"
