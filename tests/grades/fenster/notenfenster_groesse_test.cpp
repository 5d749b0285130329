// Das Notenfenster passt mit jeder Unteransicht und beiden Beispielklassen auf einen Bildschirm
// von 1366 x 768 Pixeln samt Rahmen der Fensterverwaltung: die Inhalte rollen oder brechen um,
// statt eine groessere Mindestgroesse zu erzwingen.
#include "fensterumgebung.h"

#include "settings/skalierung.h"

#include <QLayout>
#include <QMenuBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Auf 1366 x 768 bei 96 dpi skaliert das Notenfenster auf 94 % und bekommt die skalierte
// Entwurfsbreite; die Hoehe ist die des Bildschirms abzueglich eines reichlichen Rahmens
// (Titelleiste 32, unten 8).
const int kProzent = 94;
const QSize kPlatz(1280 * kProzent / 100, 768 - 40);

} // namespace

class NotenfensterGroesseTest : public QObject
{
    Q_OBJECT
private slots:
    void passtMitJederAnsicht_data();
    void passtMitJederAnsicht();
};

void NotenfensterGroesseTest::passtMitJederAnsicht_data()
{
    QTest::addColumn<QString>("klasse");
    QTest::addColumn<QString>("ansicht");
    // Ohne offene Klasse
    for (const QString &ansicht :
         {u"ohne Klasse"_s, u"Klassenliste"_s, u"Neue Klasse"_s, u"Suche"_s}) {
        QTest::addRow("%s", qPrintable(ansicht)) << QString() << ansicht;
    }
    // Mit jeder Beispielklasse: die Tabelle hat viele Spalten, die Unteransichten feste Gitter.
    for (const QString &klasse : {u"L-7x-Ph.DTA"_s, u"K-9-Inx.DTA"_s}) {
        for (const QString &ansicht : {u"Tabelle"_s, u"Berechnungen"_s, u"Einzelliste"_s,
                                       u"Schueler"_s, u"Bezeichnungen"_s, u"Zufallsgruppen"_s}) {
            QTest::addRow("%s %s", qPrintable(klasse), qPrintable(ansicht)) << klasse << ansicht;
        }
    }
}

void NotenfensterGroesseTest::passtMitJederAnsicht()
{
    QFETCH(QString, klasse);
    QFETCH(QString, ansicht);
    Fensterumgebung u;
    QCOMPARE(Bildschirmaufloesung_beliebig(1366, 768, 96, Fensterfamilie::Notenverwaltung),
             kProzent);
    u.f = std::make_unique<TFZensurenbearbeitung>(u.e, u.r, u.uhr);
    u.f->setzeSkalierung(kProzent);
    u.f->show();
    u.f->resize(kPlatz);
    u.warte();
    QWidget *seite = nullptr; // die erwartete Unteransicht
    if (ansicht == u"Klassenliste"_s) {
        u.f->BKlassenwahlClick();
    } else if (!klasse.isEmpty()) {
        u.oeffne(klasse);
        QVERIFY(u.f->sitzung.offen());
        seite = u.f->tabelle;
    }
    if (ansicht == u"Berechnungen"_s) {
        u.klick(u"BDurchschnitte"_s);
    } else if (ansicht == u"Einzelliste"_s) {
        QTest::keyClick(u.f->tabelle, Qt::Key_T);
        u.klick(u"BeinzelListe"_s);
        seite = u.f->einzelliste;
    } else if (ansicht == u"Schueler"_s) {
        u.klick(u"BEinzelSchueler"_s);
        seite = u.f->einzelschueler;
    } else if (ansicht == u"Bezeichnungen"_s) {
        u.klick(u"BBezeichnungenUndGewichtungen"_s);
        seite = u.f->notenarten;
    } else if (ansicht == u"Neue Klasse"_s) {
        u.klick(u"BNeueKlasse"_s);
        seite = u.f->neueKlasseAnsicht;
    } else if (ansicht == u"Suche"_s) {
        u.f->schuelerSuchen();
        seite = u.f->suchAnsicht;
    } else if (ansicht == u"Zufallsgruppen"_s) {
        u.f->zufallsgruppen();
        seite = u.f->zufallsgruppenAnsicht;
    }
    u.warte();
    if (seite != nullptr) {
        QVERIFY2(seite->isVisible(), qPrintable(ansicht));
    }

    const QSize mindestens = u.f->minimumSizeHint().expandedTo(u.f->minimumSize());
    QVERIFY2(
        mindestens.width() <= kPlatz.width() && mindestens.height() <= kPlatz.height(),
        qPrintable(u"Mindestgroesse %1 x %2"_s.arg(mindestens.width()).arg(mindestens.height())));
    // Keine Ansicht vergroessert das Fenster (die Klassenliste neben den Unteransichten tat es).
    QVERIFY2(u.f->width() <= kPlatz.width() && u.f->height() <= kPlatz.height(),
             qPrintable(u"Groesse %1 x %2"_s.arg(u.f->width()).arg(u.f->height())));
    QVERIFY(u.f->menuBar()->isVisible());
}

QTEST_MAIN(NotenfensterGroesseTest)
#include "notenfenster_groesse_test.moc"
