// Der Versetzungsdialog, wie eine Lehrkraft ihn bedient: Klassen anklicken, alle versetzen,
// im Folgejahr loeschen, Schuljahr wechseln, Beenden.

#include "classdata/fenster/Versetzung.h"
#include "classdata/klassendatei.h"
#include "common/ordner.h"
#include "grades/notenmodell.h"
#include "settings/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "listenhilfe.h"

using namespace Qt::StringLiterals;

namespace {

int notenZahl(const Klasse &k)
{
    int zahl = 0;
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        for (int art = 1; art <= kNotenarten; ++art) {
            for (int slot = 0; slot < kSlotsJeArt; ++slot) {
                zahl += k.schueler(nr).note(art, slot).isEmpty() ? 0 : 1;
            }
        }
    }
    return zahl;
}

} // namespace

class VersetzungTest : public QObject
{
    Q_OBJECT

    struct Umgebung
    {
        Testordner ordner;
        Einstellungen e;
        SkriptRueckfragen r;
        FesteUhr uhr{QDateTime(QDate(2017, 2, 10), QTime(10, 0))};

        Umgebung()
        {
            e.basisOrdner = ordner.pfad();
            e.programmOrdner = ordner.pfad();
            ordnerAnlegen(ordner.datei(u"2016-17"_s));
            for (const QString &name : {u"L-7x-Ph.DTA"_s, u"K-9-Inx.DTA"_s}) {
                ordner.schreibe(u"2016-17/"_s + name,
                                dateiInhalt(QStringLiteral(MIVO_BEISPIELE "/") + name));
            }
        }
        Klasse lies(const QString &relativ)
        {
            Klasse k;
            if (!klassenlisteLesen(ordner.datei(relativ), k, r)) {
                qWarning("nicht lesbar: %s", qPrintable(relativ));
            }
            return k;
        }
    };

private slots:
    void startZeigtAktuellesJahrUndBeideListen()
    {
        Umgebung u;
        TFVersetzung d(u.e, u.r, u.uhr);
        QCOMPARE(d.windowTitle(), u"Versetzung in das Folgeschuljahr"_s);
        QCOMPARE(d.CBoxSchuljahr->currentText(), u"2016-17"_s);
        QVERIFY(d.CBoxAktSchuljahr->isChecked());
        QCOMPARE(d.EFolgeSchuljahr->text(), u"2017-18"_s);
        QCOMPARE(eintraege(d.LBKlassenAJ), (QStringList{u"K-9-Inx.DTA"_s, u"L-7x-Ph.DTA"_s}));
        QCOMPARE(eintraege(d.LBKlassenFJ), QStringList{u"Keine Klasse"_s});
        QCOMPARE(d.folgeOrdner(), u.ordner.datei(u"2017-18/"_s));
    }

    void schuljahrWechseltAmErstenAugust_data()
    {
        QTest::addColumn<QDate>("heute");
        QTest::addColumn<QString>("jahr");
        QTest::addColumn<QString>("folge");
        QTest::newRow("31. Juli") << QDate(2017, 7, 31) << u"2016-17"_s << u"2017-18"_s;
        QTest::newRow("1. August") << QDate(2017, 8, 1) << u"2017-18"_s << u"2018-19"_s;
        QTest::newRow("Silvester 2099") << QDate(2099, 12, 31) << u"2099-00"_s << u"2100-01"_s;
    }
    void schuljahrWechseltAmErstenAugust()
    {
        QFETCH(QDate, heute);
        QFETCH(QString, jahr);
        QFETCH(QString, folge);
        Umgebung u;
        u.uhr.zeit = QDateTime(heute, QTime(23, 59));
        TFVersetzung d(u.e, u.r, u.uhr);
        QCOMPARE(d.CBoxSchuljahr->currentText(), jahr);
        QCOMPARE(d.EFolgeSchuljahr->text(), folge);
    }

    void klickVersetztOhneNoten()
    {
        Umgebung u;
        TFVersetzung d(u.e, u.r, u.uhr);
        d.show();
        const Klasse vorher = u.lies(u"2016-17/L-7x-Ph.DTA"_s);
        QVERIFY(notenZahl(vorher) > 0);
        eintragKlicken(d.LBKlassenAJ, u"L-7x-Ph.DTA"_s);
        eintragKlicken(d.LBKlassenAJ, u"K-9-Inx.DTA"_s);
        QCOMPARE(eintraege(d.LBKlassenFJ), (QStringList{u"K-10-Inx.DTA"_s, u"L-8x-Ph.DTA"_s}));
        const Klasse nachher = u.lies(u"2017-18/L-8x-Ph.DTA"_s);
        QCOMPARE(klassenGroesse(nachher), klassenGroesse(vorher));
        for (int nr = 1; nr <= klassenGroesse(vorher); ++nr) {
            QCOMPARE(nachher.schueler(nr).nachname, vorher.schueler(nr).nachname);
            QCOMPARE(nachher.schueler(nr).vorname, vorher.schueler(nr).vorname);
            QCOMPARE(nachher.schueler(nr).geschlecht, vorher.schueler(nr).geschlecht);
        }
        QCOMPARE(notenZahl(nachher), 0);
        QCOMPARE(nachher.datum(5, 0), QString());
        QVERIFY(u.r.protokoll.isEmpty());
        // Die Quelle bleibt, wie sie war.
        QCOMPARE(notenZahl(u.lies(u"2016-17/L-7x-Ph.DTA"_s)), notenZahl(vorher));
    }

    void alleVersetzenFragtVorUeberschreiben()
    {
        Umgebung u;
        TFVersetzung d(u.e, u.r, u.uhr);
        d.show();
        QTest::mouseClick(d.BAlleVersetzen, Qt::LeftButton);
        QCOMPARE(eintraege(d.LBKlassenFJ), (QStringList{u"K-10-Inx.DTA"_s, u"L-8x-Ph.DTA"_s}));
        // Die versetzte Klasse wird im neuen Jahr bearbeitet ...
        Klasse bearbeitet = u.lies(u"2017-18/L-8x-Ph.DTA"_s);
        bearbeitet.schueler(1).note(5, 0) = u"2+"_s;
        QVERIFY(klassenlisteSchreiben(u.ordner.datei(u"2017-18/L-8x-Ph.DTA"_s), bearbeitet, u.r));
        // ... und ein zweites Versetzen fragt je Datei; "Nein" laesst die bearbeitete stehen.
        u.r.antworte(Rueckfragen::Knopf::Ja).antworte(Rueckfragen::Knopf::Nein);
        QTest::mouseClick(d.BAlleVersetzen, Qt::LeftButton);
        QCOMPARE(u.r.fragen(),
                 QStringList(2, u"Die Klassendatei existiert schon im Ordner des folgenden "
                                u"Schuljahres!\r\nSoll diese überschrieben werden?"_s));
        QCOMPARE(u.lies(u"2017-18/L-8x-Ph.DTA"_s).schueler(1).note(5, 0), u"2+"_s);
    }

    void loeschenImFolgejahr()
    {
        Umgebung u;
        TFVersetzung d(u.e, u.r, u.uhr);
        d.show();
        QTest::mouseClick(d.BAlleVersetzen, Qt::LeftButton);
        // Ein Klick allein loescht nichts: erst die Rueckfrage, nur "Ja" loescht.
        u.r.leeren();
        u.r.antworte(Rueckfragen::Knopf::Nein);
        eintragKlicken(d.LBKlassenFJ, u"L-8x-Ph.DTA"_s);
        QCOMPARE(u.r.fragen(),
                 QStringList{u"Soll die Klasse L-8x-Ph im Schuljahr 2017-18 gelöscht werden?"_s});
        QVERIFY(QFile::exists(u.ordner.datei(u"2017-18/L-8x-Ph.DTA"_s)));
        u.r.antworte(Rueckfragen::Knopf::Ja);
        eintragKlicken(d.LBKlassenFJ, u"L-8x-Ph.DTA"_s);
        QVERIFY(!QFile::exists(u.ordner.datei(u"2017-18/L-8x-Ph.DTA"_s)));
        QCOMPARE(eintraege(d.LBKlassenFJ), QStringList{u"K-10-Inx.DTA"_s});

        // "Alle Klassen löschen" fragt einmal fuer alle.
        QTest::mouseClick(d.BAlleVersetzen, Qt::LeftButton);
        u.r.leeren();
        u.r.antworte(Rueckfragen::Knopf::Nein);
        QTest::mouseClick(d.BAlleLoeschen, Qt::LeftButton);
        QCOMPARE(eintraege(d.LBKlassenFJ), (QStringList{u"K-10-Inx.DTA"_s, u"L-8x-Ph.DTA"_s}));
        u.r.antworte(Rueckfragen::Knopf::Ja);
        QTest::mouseClick(d.BAlleLoeschen, Qt::LeftButton);
        QCOMPARE(u.r.fragen(),
                 QStringList(2, u"Sollen alle Klassen im Schuljahr 2017-18 gelöscht werden?\r\n"
                                u"(K-10-Inx, L-8x-Ph)"_s));
        QCOMPARE(eintraege(d.LBKlassenFJ), QStringList{u"Keine Klasse"_s});
        QCOMPARE(dateienNachMuster(u.ordner.datei(u"2017-18"_s), u"*"_s), QStringList());
        // "Keine Klasse" fragt nicht; die Klassen des endenden Jahres bleiben.
        u.r.leeren();
        eintragKlicken(d.LBKlassenFJ, u"Keine Klasse"_s);
        QTest::mouseClick(d.BAlleLoeschen, Qt::LeftButton);
        QVERIFY(u.r.protokoll.isEmpty());
        QCOMPARE(d.LBKlassenAJ->count(), 2);
    }

    void leeresJahrMeldetUndSchreibtNichts()
    {
        Umgebung u;
        TFVersetzung d(u.e, u.r, u.uhr);
        d.CBoxSchuljahr->setCurrentText(u"2015-16"_s);
        d.CBoxSchuljahrClick();
        QCOMPARE(d.EFolgeSchuljahr->text(), u"2016-17"_s);
        QCOMPARE(eintraege(d.LBKlassenAJ), QStringList{u"Keine Klasse"_s});
        QTest::mouseClick(d.BAlleVersetzen, Qt::LeftButton);
        QCOMPARE(u.r.meldungen(), QStringList{u"Die Datei "_s + u.ordner.datei(u"2015-16/"_s) +
                                              u"Keine Klasse  kann nicht gelesen werden!"_s});
        QCOMPARE(eintraege(d.LBKlassenFJ), (QStringList{u"K-9-Inx.DTA"_s, u"L-7x-Ph.DTA"_s}));
    }

    void getipptesJahrGiltErstVollstaendig()
    {
        Umgebung u;
        TFVersetzung d(u.e, u.r, u.uhr);
        d.CBoxSchuljahrChange(u"2015"_s);
        QVERIFY(!d.CBoxAktSchuljahr->isChecked());
        QCOMPARE(d.EFolgeSchuljahr->text(), u"2017-18"_s); // noch unveraendert
        d.CBoxSchuljahrChange(u"2015-16"_s);
        QCOMPARE(d.EFolgeSchuljahr->text(), u"2016-17"_s);
        QCOMPARE(d.endOrdner(), u.ordner.datei(u"2015-16/"_s));
        d.CBoxSchuljahrChange(u"2016-17"_s);
        QVERIFY(d.CBoxAktSchuljahr->isChecked());
    }

    void warnungenBeimJahreswechsel_data()
    {
        QTest::addColumn<bool>("ueberKasten");
        QTest::addColumn<int>("antwort");
        QTest::addColumn<QString>("jahrDanach");
        QTest::newRow("Jahresfeld, Nein") << false << int(Rueckfragen::Knopf::Nein) << u"2016-17"_s;
        QTest::newRow("Jahresfeld, Ja") << false << int(Rueckfragen::Knopf::Ja) << u"2014-15"_s;
        QTest::newRow("Haken, Abbruch")
            << true << int(Rueckfragen::Knopf::Abbrechen) << u"2016-17"_s;
        QTest::newRow("Haken, Ja") << true << int(Rueckfragen::Knopf::Ja) << u"2016-17"_s;
    }
    void warnungenBeimJahreswechsel()
    {
        QFETCH(bool, ueberKasten);
        QFETCH(int, antwort);
        QFETCH(QString, jahrDanach);
        Umgebung u;
        TFVersetzung d(u.e, u.r, u.uhr);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        u.r.antworte(static_cast<Rueckfragen::Knopf>(antwort));
        if (ueberKasten) {
            d.CBoxSchuljahr->setCurrentText(u"2014-15"_s);
            d.CBoxSchuljahrClick();
            u.r.leeren();
            u.r.antworte(static_cast<Rueckfragen::Knopf>(antwort));
            QTest::mouseClick(d.CBoxAktSchuljahr, Qt::LeftButton);
            QCOMPARE(u.r.fragen(),
                     QStringList{u"Achtung:  Das Einstellen früherer Schuljahre als endendes "
                                 u"Schuljahr kann zum Verlust von wervollen Daten führen, wenn "
                                 u"die Klasse bereits versetzt und dann schon bearbeitet wurde!"
                                 u"\r\nMöchten Sie trotzdem fortfahren?"_s});
        } else {
            d.LBKlassenAJ->setFocus();
            d.CBoxSchuljahr->setFocus(Qt::MouseFocusReason);
            QCOMPARE(u.r.fragen(),
                     QStringList{u"Achtung:  Das Einstellen früherer Schuljahre als endendes "
                                 u"Schuljahr kann zum Verlust von wervollen Daten führen!\r\n"
                                 u"Möchten Sie trotzdem fortfahren?"_s});
            if (antwort == int(Rueckfragen::Knopf::Ja)) {
                d.CBoxSchuljahr->setCurrentText(u"2014-15"_s);
                d.CBoxSchuljahrClick();
            }
        }
        QCOMPARE(d.CBoxSchuljahr->currentText(), jahrDanach);
        QCOMPARE(d.CBoxAktSchuljahr->isChecked(), jahrDanach == u"2016-17"_s);
    }

    void beendenUndEscFuehrenZurUebersicht()
    {
        Umgebung u;
        TFVersetzung d(u.e, u.r, u.uhr);
        QSignalSpy zurueck(&d, &TFVersetzung::zurUebersicht);
        d.show();
        QTest::mouseClick(d.BVersetzenBeenden, Qt::LeftButton);
        QVERIFY(!d.isVisible());
        d.show();
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(zurueck.count(), 2);
    }

    void bild()
    {
        const QString ordner = qEnvironmentVariable("MIVO_BILDER");
        if (ordner.isEmpty()) {
            QSKIP("MIVO_BILDER nicht gesetzt");
        }
        Umgebung u;
        TFVersetzung d(u.e, u.r, u.uhr);
        d.resize(640, 560);
        d.show();
        eintragKlicken(d.LBKlassenAJ, u"L-7x-Ph.DTA"_s);
        QCoreApplication::processEvents();
        d.grab().save(mitTrenner(ordner) + u"versetzung.png"_s);
    }
};

QTEST_MAIN(VersetzungTest)
#include "versetzung_test.moc"
