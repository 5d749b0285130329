// Die Klassenverwaltung im Notenfenster, wie eine Lehrkraft sie benutzt: Kurs tippen, Klasse
// importieren, Schueler verschieben, Klasse loeschen, suchen, Zufallsgruppen, Export, Notenliste
// verschieben und der Konzeptdruck als PDF.

#include "common/zufall.h"
#include "fensterumgebung.h"
#include "grades/fenster/klassenwerkzeuge.h"
#include "grades/fenster/neueklasse_ansicht.h"
#include "grades/fenster/sicherung_dialoge.h"
#include "grades/fenster/suche_ansicht.h"
#include "grades/fenster/zufallsgruppen_ansicht.h"
#include "grades/klassenbau.h"
#include "grades/klassenexport.h"
#include "grades/notenmodell.h"
#include "widgets/Druckhilfe.h"

#include <QAction>
#include <QElapsedTimer>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>

#include "listenhilfe.h"

using namespace Qt::StringLiterals;

namespace {

void zeileKlicken(QListWidget *liste, int zeile)
{
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(liste->item(zeile)).center());
    QCoreApplication::processEvents();
}

void menue(Fensterumgebung &u, const QString &name)
{
    QAction *a = u.f->findChild<QAction *>(name);
    QVERIFY2(a != nullptr && a->isEnabled(), qPrintable(name));
    a->trigger();
    QCoreApplication::processEvents();
}

void fachlisteAnlegen(Fensterumgebung &u)
{
    u.ordner.schreibe(u"Mivo-Faecherliste.txt"_s,
                      dateiInhalt(QStringLiteral(MIVO_BASISQUELLE "/Mivo-Faecherliste.txt")));
}

const Schueler *finde(const Klasse &k, const QString &vorname, const QString &nachname)
{
    for (int nr = 1; nr <= klassenGroesse(k); ++nr) {
        if (k.schueler(nr).vorname == vorname && k.schueler(nr).nachname == nachname) {
            return &k.schueler(nr);
        }
    }
    return nullptr;
}

} // namespace

class KlassenwerkzeugeTest : public QObject
{
    Q_OBJECT

private slots:
    void kursDurchTippenAnlegen()
    {
        Fensterumgebung u;
        fachlisteAnlegen(u);
        NeueKlasseAnsicht *n = u.f->neueKlasseAnsicht;
        u.klick(u"BNeueKlasse"_s);
        QVERIFY(n->isVisible());
        QCOMPARE(u.f->LKlasse->text(), u"L-7a-..."_s);
        n->CBKursKlasse->setCurrentText(u"K"_s);
        n->CBJahrgang->setCurrentText(u"9"_s);
        n->CBKlassenBuchstabe->setCurrentText(u"b"_s);
        n->CBFachBuchstabe->setCurrentText(u"I"_s);
        QCOMPARE(u.f->LKlasse->text(), u"K-9-bI"_s);
        QCOMPARE(n->LGewaehltesFach->text(), u"Gewähltes Fach: Informatik (I)"_s);
        u.bild(u"neue_klasse_wahl"_s);
        QVERIFY(!n->SGNamenEingabe->isColumnHidden(4));
        u.klick(u"BKlasseNeuMitEingabe"_s);
        QVERIFY(n->SGNamenEingabe->isVisible());
        const QStringList zeilen[5] = {
            {u"Jürgen"_s, u"Groß"_s, u"m"_s, u"9a"_s},
            {u"eva"_s, u"Schmidt-Lange"_s, u"w"_s, u"9b"_s},
            {u"Ole"_s, u"Ahrens"_s, u"m"_s, u"9c"_s},
            {u"Zoë"_s, u"Yilmaz"_s, u"w"_s, u"9a"_s},
            {u"Anna Lena"_s, u"Berg"_s, u"w"_s, u"9b"_s},
        };
        for (int z = 0; z < 5; ++z) {
            for (int s = 0; s < 4; ++s) {
                zelleTippen(n->SGNamenEingabe, z, s + 1, zeilen[z][s]);
            }
        }
        u.klick(u"BOKNamenEingabe"_s);
        QVERIFY2(u.r.meldungen().isEmpty(), qPrintable(u.r.meldungen().join(u'|')));
        QCOMPARE(klassenGroesse(u.f->sitzung.klasse), 5);
        QVERIFY(u.f->tabelle->isVisible());
        QVERIFY(u.f->sitzung.offen());
        QVERIFY(finde(u.f->sitzung.klasse, u"Juergen"_s, u"Gross"_s) != nullptr);
        QVERIFY(finde(u.f->sitzung.klasse, u"Eva"_s, u"Schmidtlange"_s) != nullptr);
        QVERIFY(finde(u.f->sitzung.klasse, u"Annalena"_s, u"Berg"_s) != nullptr);
        // "ë" wird zum Grundbuchstaben, statt wegzufallen.
        QVERIFY(finde(u.f->sitzung.klasse, u"Zoe"_s, u"Yilmaz"_s) != nullptr);
        QCOMPARE(finde(u.f->sitzung.klasse, u"Ole"_s, u"Ahrens"_s)->klasse, u"9c"_s);
        QVERIFY(u.f->BKlasseSpeichernClick());
        Klasse gespeichert;
        QVERIFY(klassenlisteLesen(u.ordner.datei(u"2016-17/K-9-bI.DTA"_s), gespeichert, u.r));
        QCOMPARE(klassenGroesse(gespeichert), 5);
        u.bild(u"neue_klasse_tabelle"_s);

        // Dieselbe Klasse ein zweites Mal: die Datei gibt es schon.
        u.r.antworte(Rueckfragen::Knopf::Nein);
        u.klick(u"BNeueKlasse"_s);
        n->CBKursKlasse->setCurrentText(u"K"_s);
        n->CBJahrgang->setCurrentText(u"9"_s);
        n->CBKlassenBuchstabe->setCurrentText(u"b"_s);
        n->CBFachBuchstabe->setCurrentText(u"I"_s);
        u.r.leeren();
        u.klick(u"BKlasseNeuMitEingabe"_s);
        QCOMPARE(u.r.meldungen(), QStringList{u"Eine Datei mit diesem Namen existiert bereits!"_s});
        QVERIFY(!n->SGNamenEingabe->isVisible());
    }

    void fehlendesFachPieptUndMeldet()
    {
        Fensterumgebung u;
        u.klick(u"BNeueKlasse"_s);
        u.klick(u"BKlasseNeuMitEingabe"_s);
        QCOMPARE(u.r.meldungen(), QStringList{u"Es fehlt die Angabe eines Fachbuchstabens."_s});
        QCOMPARE(u.r.pieptoene, 1);
        QTest::keyClick(u.f->neueKlasseAnsicht->CBKursKlasse, Qt::Key_Escape);
        QVERIFY(!u.f->PAnsichten->isVisible());
        QVERIFY(u.f->LKlasse->text().isEmpty());
    }

    void klasseImportieren()
    {
        Fensterumgebung u;
        fachlisteAnlegen(u);
        const QString datei = u.ordner.datei(u"namen.csv"_s);
        dateiSchreiben(datei, QByteArray("Mueller-Luedenscheidt;Hans Peter;m;b\r\n"
                                         "\xd6Z T\xdcRK;ali;m;a\r\n"
                                         "\r\n"
                                         "Wei\xdf;J\xf6rg;m;c\r\n"
                                         "Sch\xf6n;Mara;w;a\r\n"));
        NeueKlasseAnsicht *n = u.f->neueKlasseAnsicht;
        u.klick(u"BNeueKlasse"_s);
        QVERIFY(n->BKlasseNeuMitImport->toolTip().startsWith(
            u"Importieren einer Klasse aus einer externen Datei: \n\nDie externe Datei"_s));
        n->CBJahrgang->setCurrentText(u"5"_s);
        n->CBKlassenBuchstabe->setCurrentText(u"2"_s);
        n->CBFachBuchstabe->setCurrentText(u"D"_s);
        QCOMPARE(u.f->LKlasse->text(), u"L-52-D"_s);
        QVERIFY(n->SGNamenEingabe->isColumnHidden(4));
        u.r.dateiAntwort(datei);
        u.klick(u"BKlasseNeuMitImport"_s);
        const QList<NamensZeile> gezeigt = n->namensZeilen().mid(0, 5);
        QCOMPARE(gezeigt[0],
                 (NamensZeile{u"Hanspeter"_s, u"Muellerluedenscheidt"_s, u"m"_s, u"b"_s}));
        // Grosse Umlaute werden ersetzt, bevor alles ausser Buchstaben gestrichen wird.
        QCOMPARE(gezeigt[1], (NamensZeile{u"Ali"_s, u"Oeztuerk"_s, u"m"_s, u"a"_s}));
        QCOMPARE(gezeigt[2], (NamensZeile{u"Joerg"_s, u"Weiss"_s, u"m"_s, u"c"_s}));
        QCOMPARE(gezeigt[3], (NamensZeile{u"Mara"_s, u"Schoen"_s, u"w"_s, u"a"_s}));
        QCOMPARE(gezeigt[4], NamensZeile{});
        u.bild(u"neue_klasse_import"_s);
        u.klick(u"BOKNamenEingabe"_s);
        QCOMPARE(klassenGroesse(u.f->sitzung.klasse), 4);
        QVERIFY(finde(u.f->sitzung.klasse, u"Hanspeter"_s, u"Muellerluedenscheidt"_s) != nullptr);
        // In einer Klasse (nicht Kurs) wird der Klassenbuchstabe nicht gespeichert.
        QCOMPARE(finde(u.f->sitzung.klasse, u"Joerg"_s, u"Weiss"_s)->klasse, QString());
        QCOMPARE(u.f->sitzung.pfad(), u.ordner.datei(u"2016-17/L-52-D.DTA"_s));

        // Noch einmal importieren: die vorhandene Datei wird nur nach "Ja" geloescht.
        QVERIFY(u.f->BKlasseSpeichernClick());
        u.r.antworte(Rueckfragen::Knopf::Nein); // Speicherabfrage
        u.klick(u"BNeueKlasse"_s);
        n->CBJahrgang->setCurrentText(u"5"_s);
        n->CBKlassenBuchstabe->setCurrentText(u"2"_s);
        n->CBFachBuchstabe->setCurrentText(u"D"_s);
        u.r.leeren();
        u.r.antworte(Rueckfragen::Knopf::Abbrechen);
        u.klick(u"BKlasseNeuMitImport"_s);
        QCOMPARE(u.r.fragen().size(), 1);
        QVERIFY(
            u.r.fragen().first().startsWith(u"Achtung!  Es droht der Verlust wichtiger Daten!"_s));
        QVERIFY(QFile::exists(u.ordner.datei(u"2016-17/L-52-D.DTA"_s)));
    }

    void doppelterNameImGitter()
    {
        Fensterumgebung u;
        NeueKlasseAnsicht *n = u.f->neueKlasseAnsicht;
        u.klick(u"BNeueKlasse"_s);
        n->CBFachBuchstabe->setCurrentText(u"M"_s);
        u.klick(u"BKlasseNeuMitEingabe"_s);
        n->namensZeilenZeigen(
            {{u"Tim"_s, u"Sand"_s, u"m"_s, {}}, {u"Tim"_s, u"Sand"_s, u"m"_s, {}}});
        u.klick(u"BOKNamenEingabe"_s);
        QCOMPARE(u.r.meldungen().size(), 1);
        QVERIFY(u.r.letzteMeldung().startsWith(u"Der Name Sand ist doppelt vorhanden!"_s));
        QVERIFY(n->isVisible());
        u.klick(u"BNamenslisteLoeschen"_s);
        QCOMPARE(n->namensZeilen().first(), NamensZeile{});
    }

    void schuelerMitNotenVerschieben()
    {
        Fensterumgebung u;
        u.oeffne(u"L-7x-Ph.DTA"_s);
        u.f->einzelschueler->BEinzelschuelerClick(1);
        QCOMPARE(u.f->einzelschueler->ENachname->text(), u"Albrecht"_s);
        const Schueler lena = u.f->sitzung.klasse.schueler(1);
        u.klick(u"BSchuelerVerschieben"_s);
        QCOMPARE(u.f->einzelschueler->BSchuelerVerschieben->text(),
                 u"Bitte oben das Ziel\nder Verschiebung\nauswählen.\n\nZum Abbrechen\nnochmal "
                 u"hier\nklicken"_s);
        QVERIFY(u.f->LBoxKlassen->isVisible());
        u.bild(u"schueler_verschieben"_s);
        // Die Pfeiltasten laden im Zielmodus keine andere Klasse.
        QTest::keyClick(u.f->LBoxKlassen, Qt::Key_Down);
        QCOMPARE(u.f->sitzung.name(), u"L-7x-Ph"_s);
        u.r.antworte(Rueckfragen::Knopf::Ja);
        eintragKlicken(u.f->LBoxKlassen, u"K-9-Inx.DTA"_s);
        QCOMPARE(u.r.fragen(), QStringList{u"Soll der Schüler/ die Schülerin: Lena Albrecht\r\n "
                                           u"wirklich verschoben werden?"_s});
        QCOMPARE(u.r.meldungen(), QStringList{u"Der Schüler/ die Schülerin ist erfolgreich in die "
                                              u"Zielklasse verschoben worden."_s});
        QCOMPARE(u.f->einzelschueler->BSchuelerVerschieben->text(), u"Schüler verschieben"_s);
        QVERIFY(!u.f->LBoxKlassen->isVisible());
        QCOMPARE(klassenGroesse(u.f->sitzung.klasse), 24);
        QCOMPARE(u.f->einzelschueler->ENachname->text(), u"Bauer"_s);
        Klasse ziel;
        QVERIFY(klassenlisteLesen(u.ordner.datei(u"2016-17/K-9-Inx.DTA"_s), ziel, u.r));
        QCOMPARE(klassenGroesse(ziel), 19);
        const Schueler &angekommen = ziel.schueler(19);
        QCOMPARE(angekommen.nachname, u"Albrecht"_s);
        for (int art = 1; art <= kNotenarten; ++art) {
            for (int slot = 0; slot <= letzteZenVonArtNr(art); ++slot) {
                QCOMPARE(angekommen.note(art, slot), lena.note(art, slot));
            }
        }
        // Die Quelle ist mit dem Ziel gespeichert: ein "Nein" beim naechsten Speichern laesst
        // den Schueler nicht in beiden Klassen.
        Klasse quelle;
        QVERIFY(klassenlisteLesen(u.ordner.datei(u"2016-17/L-7x-Ph.DTA"_s), quelle, u.r));
        QCOMPARE(klassenGroesse(quelle), 24);
        QVERIFY(finde(quelle, u"Lena"_s, u"Albrecht"_s) == nullptr);
        QCOMPARE(quelle.schueler(1).nachname, u"Bauer"_s);

        // Zweiter Klick auf den Knopf beendet den Zielmodus ohne Verschieben.
        u.klick(u"BSchuelerVerschieben"_s);
        u.klick(u"BSchuelerVerschieben"_s);
        QVERIFY(!u.f->LBoxKlassen->isVisible());
        QCOMPARE(klassenGroesse(u.f->sitzung.klasse), 24);

        // Esc beendet den Zielmodus auch aus einem Namensfeld.
        u.klick(u"BSchuelerVerschieben"_s);
        QVERIFY(u.f->einzelschueler->zielmodus());
        u.f->einzelschueler->EVorname->setFocus();
        QTest::keyClick(u.f->einzelschueler->EVorname, Qt::Key_Escape);
        QVERIFY(!u.f->LBoxKlassen->isVisible());
        QVERIFY(!u.f->einzelschueler->zielmodus());
        QCOMPARE(u.f->einzelschueler->BSchuelerVerschieben->text(), u"Schüler verschieben"_s);
    }

    void klasseLoeschen()
    {
        Fensterumgebung u;
        menue(u, u"Klasselschen1"_s);
        QCOMPARE(u.r.meldungen(),
                 QStringList{u"Zum Löschen einer Klasse bitte zunächst die Klasse auswählen, \r\n"
                             u"dann die Daten überprüfen und \r\nerst danach nochmals den Befehl "
                             u"zum Löschen aufrufen."_s});
        QVERIFY(u.f->LBoxKlassen->isVisible());
        u.oeffne(u"K-9-Inx.DTA"_s);
        u.r.leeren();
        u.r.antworte(Rueckfragen::Knopf::Nein);
        menue(u, u"Klasselschen1"_s);
        QVERIFY(QFile::exists(u.ordner.datei(u"2016-17/K-9-Inx.DTA"_s)));
        u.r.antworte(Rueckfragen::Knopf::Ja);
        menue(u, u"Klasselschen1"_s);
        QVERIFY(!QFile::exists(u.ordner.datei(u"2016-17/K-9-Inx.DTA"_s)));
        QCOMPARE(u.r.letzteMeldung(), u"Die Klassendatei wurde gelöscht!"_s);
        QVERIFY(!u.f->PAnsichten->isVisible());
        QVERIFY(!u.f->sitzung.offen());
    }

    // Verlauf (gespeicherte und ungespeicherte Aenderungen, neueste zuerst, je Schueler, als
    // Druck) und Wiederherstellen einer gespeicherten Fassung, wie die Lehrkraft sie bedient.
    void verlaufUndSicherung()
    {
        Fensterumgebung u;
        u.oeffne(u"L-7x-Ph.DTA"_s);
        const QString vorher = u.f->sitzung.klasse.schueler(1).note(5, 0);
        const Schueler erster = u.f->sitzung.klasse.schueler(1);
        zelleTippen(u.f->tabelle, 3, 4, u"1"_s);
        zelleKlicken(u.f->tabelle, 4, 4);
        u.klick(u"BKlasseSpeichern"_s);
        const QString zweite = vorher == u"5-"_s ? u"6"_s : u"5-"_s;
        zelleTippen(u.f->tabelle, 3, 4, zweite);
        zelleKlicken(u.f->tabelle, 4, 4);
        QCOMPARE(u.f->sitzung.klasse.schueler(1).note(5, 0), zweite);

        const QString pdf = u.ordner.datei(u"verlauf.pdf"_s);
        druck::setzeDialog([pdf](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        });
        const auto dialogZurueck = qScopeGuard([] { druck::setzeDialog({}); });
        bool gesehen = false;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<VerlaufDialog *>(QApplication::activeModalWidget());
            QVERIFY(d != nullptr);
            const auto verlaufBeenden = qScopeGuard([d] { d->reject(); });
            QCOMPARE(d->CBVerlaufAuswahl->currentText(), u"Ganze Klasse"_s);
            QCOMPARE(d->SGVerlauf->rowCount(), 2);
            QCOMPARE(d->SGVerlauf->item(0, 6)->text(), u"1"_s); // alt
            QCOMPARE(d->SGVerlauf->item(0, 7)->text(), zweite); // neu
            QCOMPARE(d->SGVerlauf->item(1, 6)->text(), vorher);
            QCOMPARE(d->SGVerlauf->item(1, 2)->text(), erster.vorname + u' ' + erster.nachname);
            d->CBVerlaufAuswahl->setCurrentIndex(2); // der zweite Schueler: nichts geaendert
            QCOMPARE(d->SGVerlauf->rowCount(), 0);
            d->CBVerlaufAuswahl->setCurrentIndex(1);
            QCOMPARE(d->SGVerlauf->rowCount(), 2);
            u.bild(u"verlauf"_s);
            if (qEnvironmentVariableIsSet("MIVO_BILDER")) {
                d->grab().save(mitTrenner(qEnvironmentVariable("MIVO_BILDER")) +
                               u"verlauf-dialog.png"_s);
            }
            QTest::mouseClick(d->findChild<QPushButton *>(u"BVerlaufDrucken"_s), Qt::LeftButton);
            QVERIFY(QFile::exists(pdf));
            gesehen = true;
        });
        menue(u, u"Verlauf1"_s);
        QVERIFY(gesehen);

        gesehen = false;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<SicherungsDialog *>(QApplication::activeModalWidget());
            QVERIFY(d != nullptr);
            auto beenden = qScopeGuard([d] { d->reject(); });
            QCOMPARE(d->LBSicherungen->count(), 1);
            QVERIFY2(d->LBSicherungen->item(0)->text().endsWith(
                         u"1 Note anders als die geöffnete Klasse"_s),
                     qPrintable(d->LBSicherungen->item(0)->text()));
            if (qEnvironmentVariableIsSet("MIVO_BILDER")) {
                d->grab().save(mitTrenner(qEnvironmentVariable("MIVO_BILDER")) +
                               u"sicherung-dialog.png"_s);
            }
            beenden.dismiss();
            d->accept();
            gesehen = true;
        });
        menue(u, u"KlasseausSicherung1"_s);
        QVERIFY(gesehen);
        QCOMPARE(u.f->sitzung.klasse.schueler(1).note(5, 0), vorher);
        QVERIFY(u.f->sitzung.geaendert());
        QCOMPARE(zellText(u.f->tabelle, 3, 4), vorher);
        QVERIFY(u.r.meldungen().isEmpty());
    }

    void suchen_data()
    {
        QTest::addColumn<QString>("vorname");
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("und");
        QTest::addColumn<QStringList>("liste");
        QTest::newRow("oder an") << u"an"_s << QString() << false
                                 << QStringList{u"K-9-Inx.DTA"_s, u"L-7x-Ph.DTA"_s};
        QTest::newRow("oder ik") << u"ik"_s << QString() << false << QStringList{u"K-9-Inx.DTA"_s};
        QTest::newRow("gross An") << u"An"_s << QString() << false << QStringList{u"L-7x-Ph.DTA"_s};
        QTest::newRow("niemand") << u"xyz"_s << QString() << false
                                 << QStringList{u"Keinen Schüler gef."_s};
        QTest::newRow("und Note 1") << QString() << u"1"_s << true << QStringList{u"K-9-Inx.DTA"_s};
        QTest::newRow("und Note 1-")
            << QString() << u"1-"_s << true << QStringList{u"L-7x-Ph.DTA"_s};
        QTest::newRow("und ohne alles")
            << QString() << QString() << true << QStringList{u"K-9-Inx.DTA"_s, u"L-7x-Ph.DTA"_s};
    }
    void suchen()
    {
        QFETCH(QString, vorname);
        QFETCH(QString, note);
        QFETCH(bool, und);
        QFETCH(QStringList, liste);
        Fensterumgebung u;
        menue(u, u"Schlersuchen1"_s);
        SuchAnsicht *s = u.f->suchAnsicht;
        QVERIFY(s->isVisible());
        QVERIFY(s->RBOder->isChecked());
        QCOMPARE(s->BOKSchueler->text(), u"Suche starten"_s);
        s->EVorname->setFocus();
        Fensterumgebung::tippe(s->EVorname, vorname);
        if (!note.isEmpty()) {
            zelleTippen(s->SGNotenArt[5], 0, 0, note);
        }
        if (und) {
            QTest::mouseClick(s->RBUnd, Qt::LeftButton);
        }
        if (QTest::currentDataTag() == QByteArrayView("oder an")) {
            u.bild(u"suche_formular"_s);
        }
        QTest::mouseClick(s->BOKSchueler, Qt::LeftButton);
        QCOMPARE(eintraege(u.f->LBoxKlassen), liste);
        if (QTest::currentDataTag() == QByteArrayView("und Note 1")) {
            u.bild(u"suche_ergebnis"_s);
        }
        QCOMPARE(u.f->BKlassenwahl->text(), u"Schülersuche/\nweiter suchen"_s);
        QCOMPARE(u.f->findChild<QAction *>(u"Schlersuchen1"_s)->text(), u"Schülersuche beenden"_s);
        if (liste.first().endsWith(u".DTA"_s)) {
            // Ein gefundener Eintrag oeffnet die Klasse; die Liste bleibt gefiltert.
            eintragKlicken(u.f->LBoxKlassen, liste.first());
            QCOMPARE(u.f->sitzung.name() + u".DTA"_s, liste.first());
            u.r.antworte(Rueckfragen::Knopf::Nein);
            u.klick(u"BKlassenwahl"_s);
            QCOMPARE(eintraege(u.f->LBoxKlassen), liste);
        }
        // Der Menuepunkt beendet die Suche wieder.
        menue(u, u"Schlersuchen1"_s);
        QVERIFY(!s->aktiv());
        QCOMPARE(u.f->BKlassenwahl->text(), u"Aus&wahl Klasse/ Kurs"_s);
        u.klick(u"BKlassenwahl"_s);
        QCOMPARE(u.f->LBoxKlassen->count(), 2);
    }

    // Beim Suchen wird der erste Knopf zweizeilig; die Knoepfe daneben und darunter bleiben,
    // wo sie waren, auch mit offener Klasse und in der Einzelschueleransicht.
    void knoepfeBleibenStehen()
    {
        Fensterumgebung u;
        const auto orte = [&u] {
            QList<QRect> r;
            for (const char *name : {"BKlassenwahl", "BNeueKlasse", "BZenKat1", "BEinzelSchueler",
                                     "CHBDurchschnitte"}) {
                QWidget *w = u.f->findChild<QWidget *>(QString::fromLatin1(name));
                r << QRect(w->mapTo(u.f.get(), QPoint()), w->size());
            }
            r.first().setHeight(0); // nur er darf hoeher werden
            r.first().moveTop(0);
            return r;
        };
        const QList<QRect> vorher = orte();
        menue(u, u"Schlersuchen1"_s);
        QVERIFY(u.f->suchAnsicht->aktiv());
        u.warte();
        QCOMPARE(orte(), vorher);
        menue(u, u"Schlersuchen1"_s);
        u.oeffne(u"L-7x-Ph.DTA"_s);
        u.warte();
        QCOMPARE(orte(), vorher);
        u.klick(u"BEinzelSchueler"_s);
        u.warte();
        QCOMPARE(orte(), vorher);
    }

    void escBeendetDieSuche()
    {
        Fensterumgebung u;
        int uebersicht = 0;
        QObject::connect(u.f.get(), &TFZensurenbearbeitung::modusGewuenscht, [&] { ++uebersicht; });
        menue(u, u"Schlersuchen1"_s);
        QTest::keyClick(u.f->suchAnsicht->EVorname, Qt::Key_Escape);
        QVERIFY(!u.f->suchAnsicht->aktiv());
        QVERIFY(!u.f->suchAnsicht->isVisible());
        QCOMPARE(uebersicht, 0);
    }

    void suchmodusVerbietetVerschieben()
    {
        Fensterumgebung u;
        menue(u, u"Schlersuchen1"_s);
        Fensterumgebung::tippe(u.f->suchAnsicht->EVorname, u"Lena"_s);
        QTest::mouseClick(u.f->suchAnsicht->BOKSchueler, Qt::LeftButton);
        eintragKlicken(u.f->LBoxKlassen, u"L-7x-Ph.DTA"_s);
        u.f->einzelschueler->BEinzelschuelerClick(1);
        u.r.leeren();
        u.klick(u"BSchuelerVerschieben"_s);
        QCOMPARE(
            u.r.meldungen(),
            QStringList{u"Das Verschieben von Schülern in eine andere Klasse ist nicht möglich, "
                        u"während der Suchmodus aktiv ist."_s});
        QVERIFY(!u.f->einzelschueler->zielmodus());
    }

    void zufallsgruppen_data()
    {
        QTest::addColumn<bool>("trennung");
        QTest::addColumn<int>("gruppen");
        QTest::newRow("gemischt") << false << 7;
        QTest::newRow("Ju/Mä getrennt") << true << 7;
    }
    void zufallsgruppen()
    {
        QFETCH(bool, trennung);
        QFETCH(int, gruppen);
        Fensterumgebung u;
        ZufallsgruppenAnsicht *z = u.f->zufallsgruppenAnsicht;
        // Ohne Klasse oeffnet der Menuepunkt erst die Klassenliste.
        menue(u, u"Zufallsgruppen1"_s);
        QVERIFY(u.f->LBoxKlassen->isVisible());
        QVERIFY(!z->isVisible());
        u.oeffne(u"L-7x-Ph.DTA"_s);
        QVERIFY(z->isVisible());
        QCOMPARE(z->CBoxGruppengroesse->currentText(), u"4"_s);
        QCOMPARE(z->CBoxJMTrennung->currentText(), u"Nein"_s);
        z->zufallsquelle = [] { return std::make_unique<StdZufall>(7); };
        z->CBoxJMTrennung->setCurrentText(trennung ? u"Ja"_s : u"Nein"_s);
        QElapsedTimer uhr;
        uhr.start();
        u.klick(u"BGruppeNeuLosen"_s);
        // 25 Namen, je 50 ms
        QVERIFY(uhr.elapsed() >= 25 * 50);
        QListWidget *liste = z->ListBoxZufallsGruppen;
        const QStringList erste = eintraege(liste);
        QCOMPARE(erste.count(u"______________"_s), gruppen - 1 + (trennung ? 1 : 0));
        QStringList namen;
        int gruppe = 0;
        QList<bool> geschlechter; // je Gruppe die Geschlechter ihrer Mitglieder
        QSet<bool> inGruppe;
        for (int i = 0; i < liste->count(); ++i) {
            const QString text = liste->item(i)->text();
            if (text.endsWith(u"  "_s) && text.trimmed().contains(u' ')) {
                namen.append(text.trimmed());
                const bool weiblich = liste->item(i)->data(Qt::UserRole + 1).toBool();
                const Schueler *s = finde(u.f->sitzung.klasse, text.trimmed().section(u' ', 0, 0),
                                          text.trimmed().section(u' ', 1));
                QVERIFY2(s != nullptr, qPrintable(text));
                QCOMPARE(weiblich, s->geschlecht == u"w"_s);
                inGruppe.insert(weiblich);
            } else if (text.startsWith(u'_')) {
                if (trennung) {
                    QCOMPARE(inGruppe.size(), 1); // nie gemischt
                }
                inGruppe.clear();
                ++gruppe;
            }
        }
        QCOMPARE(namen.size(), 25);
        QCOMPARE(QSet<QString>(namen.begin(), namen.end()).size(), 25);
        QVERIFY(erste.contains(QString::number(gruppen)));
        QVERIFY(!erste.contains(QString::number(gruppen + 1)));
        u.bild(trennung ? u"zufallsgruppen_getrennt"_s : u"zufallsgruppen"_s);
        // Spalte fuer Spalte: 16 Eintraege je Spalte.
        QCOMPARE(liste->visualItemRect(liste->item(15)).left(), 0);
        QVERIFY(liste->visualItemRect(liste->item(16)).left() > 0);
        QCOMPARE(liste->visualItemRect(liste->item(16)).top(), 0);
        // Gleiche Saat, gleiche Gruppen: die Anzeige zeigt genau die Losung.
        z->pauseMs = 0;
        u.klick(u"BGruppeNeuLosen"_s);
        QCOMPARE(eintraege(liste), erste);
        u.klick(u"BGruppeLoeschen"_s);
        QCOMPARE(liste->count(), 0);
        QCOMPARE(klassenGroesse(u.f->sitzung.klasse), 25); // die Gruppen aendern nichts
        if (trennung) {
            QTest::keyClick(z->CBoxGruppengroesse, Qt::Key_Escape);
        } else {
            u.klick(u"BZufallsgruppenBeenden"_s);
        }
        QVERIFY(!z->isVisible());
        // Ohne Klasse verlangt: "Beenden" fuehrt zurueck zur Klassenliste, ohne Speicherabfrage.
        QVERIFY(u.f->LBoxKlassen->isVisible());
        QVERIFY(!u.f->sitzung.offen());
        QCOMPARE(u.r.fragen().size(), 0);
    }

    void exportieren()
    {
        Fensterumgebung u;
        menue(u, u"Klassendatenexportieren1"_s);
        QCOMPARE(u.r.meldungen(),
                 QStringList{u"Bitte zuerst eine Klasse laden:\r\n(Notenverwaltung "
                             u"> Klasse auswählen)"_s});
        u.oeffne(u"L-7x-Ph.DTA"_s);
        u.r.leeren();
        u.r.dateiAntwort(QString());
        menue(u, u"Klassendatenexportieren1"_s);
        QCOMPARE(u.r.meldungen(), QStringList{u"Der Datenexport wurde abgebrochen!"_s});
        const QString ziel = u.ordner.datei(u"L-7x-Ph- Export.csv"_s);
        u.r.leeren();
        u.r.dateiAntwort(ziel);
        menue(u, u"Klassendatenexportieren1"_s);
        QCOMPARE(u.r.dateiDialogTitel.last(), u"Export der Klassendaten"_s);
        QCOMPARE(u.r.meldungen(), QStringList{u"File : "_s + ziel + u"  wurde gespeichert."_s});
        const QByteArray inhalt = dateiInhalt(ziel);
        QCOMPARE(inhalt, exportBytes(u.f->sitzung.klasse).value());
        QVERIFY(inhalt.startsWith("Nachname;Vorname;Klasse;H0;"));
        QCOMPARE(inhalt.count("\r\n"), 26);

        // Eine geladene Klasse ohne Schueler: nur die Kopfzeile.
        klasseAblegen(u, u"L-5a-Mu.DTA"_s, standardKlasse());
        u.r.antworte(Rueckfragen::Knopf::Nein);
        u.oeffne(u"L-5a-Mu.DTA"_s);
        QVERIFY(u.f->sitzung.offen());
        QCOMPARE(u.f->sitzung.name(), u"L-5a-Mu"_s);
        const QString leer = u.ordner.datei(u"L-5a-Mu- Export.csv"_s);
        u.r.leeren();
        u.r.dateiAntwort(leer);
        menue(u, u"Klassendatenexportieren1"_s);
        QCOMPARE(u.r.meldungen(), QStringList{u"File : "_s + leer + u"  wurde gespeichert."_s});
        QCOMPARE(dateiInhalt(leer).count("\r\n"), 1);
        QVERIFY(dateiInhalt(leer).startsWith("Nachname;Vorname;Klasse;H0;"));
    }

    void notenlisteVerschieben()
    {
        Fensterumgebung u;
        u.oeffne(u"L-7x-Ph.DTA"_s);
        Klasse &k = u.f->sitzung.klasse;
        const int hVorher = vorhandeneNoten(k, 1);
        const int tVorher = vorhandeneNoten(k, 5);
        QStringList tNoten;
        for (int nr = 1; nr <= klassenGroesse(k); ++nr) {
            tNoten.append(k.schueler(nr).note(5, 0));
        }
        const QString tDatum = k.datum(5, 0);
        const QString tErlaeuterung = k.erlaeuterung(5, 0);

        // Ohne offene Einzelliste erklaert der Menuepunkt nur.
        menue(u, u"NotenverschiebenineandereKategorie1"_s);
        QCOMPARE(u.r.letzteMeldung(), verschiebenHinweis());

        u.f->einzelliste->oeffnenMitListe(5, 0);
        u.klick(u"BNotenlisteVerschieben"_s);
        QCOMPARE(u.knopf(u"BNotenlisteVerschieben"_s)->text(),
                 u"Bitte oben das Ziel\nder Verschiebung\nauswählen.\n(Notenart und Nr.)\n\nZum "
                 u"Abbrechen\nnochmal hier\nklicken"_s);
        QCOMPARE(u.f->einzelliste->Label3->text(), u"Zielnummer für das Verschieben angeben:"_s);
        QTest::mouseClick(u.f->BZenKat[1], Qt::LeftButton);
        QVERIFY(u.f->einzelliste->LBZenHinweise->isVisible());
        u.bild(u"notenliste_verschieben"_s);
        u.r.leeren();
        zeileKlicken(u.f->einzelliste->LBZenHinweise, 0);
        QCOMPARE(u.r.meldungen(),
                 QStringList{u"Die Einzelliste ist erfolgreich verschoben worden."_s});
        QCOMPARE(vorhandeneNoten(k, 1), hVorher + 1);
        QCOMPARE(vorhandeneNoten(k, 5), tVorher - 1);
        QCOMPARE(k.datum(1, 0), tDatum);
        QCOMPARE(k.erlaeuterung(1, 0), tErlaeuterung);
        for (int nr = 1; nr <= klassenGroesse(k); ++nr) {
            QCOMPARE(k.schueler(nr).note(1, 0), tNoten[nr - 1]);
        }
        // Die verschobene Liste ist jetzt offen.
        QCOMPARE(u.f->einzelliste->liste->art, 1);
        QCOMPARE(u.f->einzelliste->liste->slot, 0);
        QCOMPARE(u.knopf(u"BNotenlisteVerschieben"_s)->text(), u"Notenliste verschieben"_s);

        // In eine volle fremde Notenart geht es nicht.
        for (int slot = 0; slot <= letzteZenVonArtNr(4); ++slot) {
            k.schueler(1).note(4, slot) = u"3"_s;
        }
        u.klick(u"BNotenlisteVerschieben"_s);
        u.r.leeren();
        QTest::mouseClick(u.f->BZenKat[4], Qt::LeftButton);
        QCOMPARE(u.r.meldungen(),
                 QStringList{u"Ein Verschieben in diese Notenart ist nicht möglich, "
                             u"weil alle Spalten voll sind!"_s});
        QVERIFY(!u.f->einzelliste->verschiebungLaeuft());
        QCOMPARE(u.f->einzelliste->art, 1);

        // Ein zweiter Klick bricht ab, ein spaeterer Listenklick waehlt nur.
        u.klick(u"BNotenlisteVerschieben"_s);
        u.klick(u"BNotenlisteVerschieben"_s);
        QVERIFY(!u.f->einzelliste->verschiebungLaeuft());
        QCOMPARE(vorhandeneNoten(k, 1), hVorher + 1);
    }

    void konzeptdruckAlsPdf_data()
    {
        QTest::addColumn<bool>("leerspalten");
        QTest::addColumn<int>("seiten");
        QTest::newRow("benutzte Spalten") << false << 1;
        // Alle 73 Spalten: Streifen von Spalten, jeder mit den Namen.
        QTest::newRow("alle Spalten") << true << 2;
    }
    void konzeptdruckAlsPdf()
    {
        QFETCH(bool, leerspalten);
        QFETCH(int, seiten);
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty()) {
            QSKIP("pdftotext fehlt");
        }
        Fensterumgebung u;
        u.oeffne(u"L-7x-Ph.DTA"_s);
        u.f->ChBLeerspaltenZeigen->setChecked(leerspalten);
        const QString pdf = u.ordner.datei(u"druck.pdf"_s);
        bool querformat = false;
        druck::setzeDialog([pdf, &querformat](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            p.setPageSize(QPageSize(QPageSize::A4));
            querformat = p.pageLayout().orientation() == QPageLayout::Landscape;
            return true;
        });
        const auto dialogZurueck = qScopeGuard([] { druck::setzeDialog({}); });
        // Abbrechen: nichts; Ja: Auswahl der Vorlage fuer das Textprogramm (hier abgebrochen).
        u.r.antworte(Rueckfragen::Knopf::Abbrechen).antworte(Rueckfragen::Knopf::Ja);
        QTest::keyClicks(u.f->tabelle, u"dd"_s);
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(u.r.fragen().size(), 2);
        QVERIFY(u.r.fragen().first().startsWith(u"Drucken der Klassendatei:\n  Ja: Drucken"_s));
        QCOMPARE(u.r.dateiDialogTitel,
                 QStringList{u"Auswahl der Vorlage für die Ausgabe der Klassennoten"_s});
        QVERIFY(u.r.meldungen().isEmpty());
        u.r.antworte(Rueckfragen::Knopf::Nein);
        QTest::keyClicks(u.f->tabelle, u"d"_s);
        QVERIFY(QFile::exists(pdf));
        QVERIFY(querformat); // die Tabelle ist breiter als hoch
        if (qEnvironmentVariableIsSet("MIVO_BILDER") && !leerspalten) {
            QFile::remove(mitTrenner(qEnvironmentVariable("MIVO_BILDER")) + u"konzeptdruck.pdf"_s);
            QFile::copy(pdf,
                        mitTrenner(qEnvironmentVariable("MIVO_BILDER")) + u"konzeptdruck.pdf"_s);
        }
        QVERIFY(u.f->findChild<QLabel *>(u"PWartehinweis"_s) != nullptr);
        QProcess p;
        p.start(pdftotext, {u"-layout"_s, pdf, u"-"_s});
        QVERIFY(p.waitForFinished(20000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        const QStringList seitenTexte = text.split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(seitenTexte.size(), seiten);
        for (const QString &seite : seitenTexte) {
            // Jede Seite hat Kopf und Namen; Datum und Klasse stehen in der obersten Zeile ueber
            // den Namensspalten, "Nr." bleibt in ihrer Spalte.
            const QStringList zeilen = seite.split(u'\n');
            const auto datumZeile =
                std::find_if(zeilen.begin(), zeilen.end(),
                             [](const QString &z) { return z.contains(u"10.02.2017"_s); });
            QVERIFY2(datumZeile != zeilen.end(), qPrintable(seite));
            QVERIFY2(datumZeile->contains(u"L-7x-Ph"_s), qPrintable(*datumZeile));
            QVERIFY(!datumZeile->contains(u"Nachname"_s));
            for (const QString &erwartet :
                 {u"Nr."_s, u"Vorname"_s, u"Nachname"_s, u"Albrecht"_s, u"Weiss"_s, u"Nele"_s}) {
                QVERIFY2(seite.contains(erwartet),
                         qPrintable(erwartet + u" fehlt in:\n"_s + seite));
            }
        }
        // Alle sichtbaren Spalten bis zu den Endnoten sind auf dem Papier.
        for (const QString &erwartet :
             {u"Gesamt"_s, u"Notenpunkte"_s, u"(von 15)"_s, u"E-Note"_s, u"G-Note"_s}) {
            QVERIFY2(text.contains(erwartet), qPrintable(erwartet + u" fehlt in:\n"_s + text));
        }
        // Danach zeigt die Tabelle wieder die Bildschirmform.
        QCOMPARE(zellText(u.f->tabelle, 1, 0), u"Nr."_s);
        QCOMPARE(zellText(u.f->tabelle, 0, 1), QString());
    }

    void konzeptdruckMeldetDruckerfehler()
    {
        Fensterumgebung u;
        u.oeffne(u"L-7x-Ph.DTA"_s);
        const QString unmoeglich = u.ordner.datei(u"fehlt/gibt/es/nicht.pdf"_s);
        druck::setzeDialog([unmoeglich](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(unmoeglich);
            return true;
        });
        const auto dialogZurueck = qScopeGuard([] { druck::setzeDialog({}); });
        u.r.antworte(Rueckfragen::Knopf::Nein);
        QTest::keyClicks(u.f->tabelle, u"d"_s);
        QCOMPARE(u.r.meldungen().size(), 1);
        QVERIFY(u.r.letzteMeldung().startsWith(u"Der Ausdruck ist fehlgeschlagen"_s));
    }
};

QTEST_MAIN(KlassenwerkzeugeTest)
#include "klassenwerkzeuge_test.moc"
