#include "fenstertesthilfe.h"
#include "settings/konfigtexte.h"
#include "settings/testkonfiguration.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

QLineEdit *feld(QWidget *d, const char *name)
{
    return d->findChild<QLineEdit *>(QString::fromLatin1(name));
}
QRadioButton *radio(QWidget *d, int n)
{
    return d->findChild<QRadioButton *>(u"RadioButton"_s + QString::number(n));
}
QPushButton *knopf(QWidget *d, const char *name)
{
    return d->findChild<QPushButton *>(QString::fromLatin1(name));
}

} // namespace

class KonfigFensterTest : public QObject
{
    Q_OBJECT
private slots:
    void go1StelltBeispieleZweimalBereit();
    void probelaufOhneSchuelerprogramm();
    void probelaufMitSchuelerprogramm();
    void probelaufMitInstalliertemSchuelerprogramm();
    void gespeicherteKonfiguration2();
    void rueckfallAufKonfiguration1();
    void okOhneGo_data();
    void okOhneGo();
    void konfiguration3();
    void anfangskonfiguration();
    void anfangskonfigurationAbbrechen();
    void ordnerAussuchen();
    void enterAufFokusknopf_data();
    void enterAufFokusknopf();
    void bleibtVorDemHauptfenster();
};

void KonfigFensterTest::go1StelltBeispieleZweimalBereit()
{
    Lauf l;
    QVERIFY(l.starten());
    QVERIFY(l.e.schulKonfigFehlt);
    l.r.leeren();
    l.befehl("KonfigurationfrTestfunktionen1")->trigger();

    TFormKonf &k = l.a->konf;
    QVERIFY(k.isVisible());
    // Noch kein Mivo-Programm-Ordner eingetragen: Konfiguration 1 mit Hinweis, ohne von einem
    // anderen Rechner zu sprechen.
    QCOMPARE(l.r.meldungen().constFirst(), KonfigText::nochKeineKonfiguration());
    QVERIFY(!l.r.meldungen().constFirst().contains(u"Rechner"_s));
    QCOMPARE(l.r.fragen(), QStringList{KonfigText::probelaufFrage()});
    QCOMPARE(l.r.gestellteKnoepfe.constFirst(), Rueckfragen::Knoepfe::JaNeinAbbruch);
    QCOMPARE(l.r.meldungen().size(), 1);
    QVERIFY(radio(&k, 1)->isChecked());
    QCOMPARE(k.bestaetigung(), 1);
    QVERIFY(!l.e.schulKonfigFehlt);
    QVERIFY(k.eingerichtet());

    const QString schulserver = l.t.pfad() + kSchulserverOrdnerName;
    QCOMPARE(wertInDatei(l.e.lehrerCfDatei(), Kopf::programmOrdner), schulserver);
    QCOMPARE(wertInDatei(schulserver + u"/Mivo-cf.txt"_s, Kopf::testAbgabe),
             schulserver + u"/Abgabe/"_s);
    for (const char *o : {"Ausgabe", "Abgabe", "Rueckgabe", "Schueler"}) {
        QVERIFY2(istEchterOrdner(schulserver + u"/"_s + QString::fromLatin1(o)), o);
    }
    QCOMPARE(feld(&k, "EAusgabeOrdner")->text(), schulserver + u"/Ausgabe/"_s);
    QVERIFY(!feld(&k, "EAusgabeOrdner")->isEnabled());

    const QString dta = l.jahr() + u"L-7x-Ph.DTA"_s;
    const QByteArray frisch = dateiInhalt(dta);
    QCOMPARE(frisch.size(), 28408);
    QVERIFY(QFile::exists(l.jahr() + u"K-9-Inx.DTA"_s));
    QVERIFY(QFile::exists(l.jahr() + u"7xP1Bspl/7xP1Bspl.__A"_s));
    QCOMPARE(dateienNachMuster(l.jahr() + u"7xP1Bspl/Bilder"_s, u"*"_s).size(), 4);

    // Zweites Oeffnen: Go 1 laeuft wieder und ersetzt die Beispiele, ohne Warnung.
    dateiSchreiben(dta, "veraendert");
    knopf(&k, "BOK")->click();
    QVERIFY(!k.isVisible());
    l.r.leeren();
    l.befehl("KonfigurationfrTestfunktionen1")->trigger();
    QCOMPARE(l.r.meldungen(), QStringList());
    QCOMPARE(l.r.fragen(), QStringList{KonfigText::probelaufFrage()});
    QCOMPARE(dateiInhalt(dta), frisch);
    QCOMPARE(k.bestaetigung(), 1);
}

void KonfigFensterTest::probelaufOhneSchuelerprogramm()
{
    Lauf l;
    QVERIFY(l.starten());
    l.r.antworte(Rueckfragen::Knopf::Nein);
    l.befehl("KonfigurationfrTestfunktionen1")->trigger();
    QVERIFY(!l.a->konf.isVisible());
    QVERIFY(l.o.gestartet.isEmpty());
    const QString meldung = l.r.letzteMeldung();
    QVERIFY(meldung.startsWith(u"Das Schülertestprogramm  Mivo  wurde nicht gefunden:"_s));
    QVERIFY(meldung.contains(l.schulserver() + kSchuelerProgrammName));
    QCOMPARE(l.r.protokoll.last().art, Rueckfragen::Art::Fehler);
}

void KonfigFensterTest::probelaufMitSchuelerprogramm()
{
    Lauf l;
    QVERIFY(l.starten());
    const QString mivo = l.schulserver() + kSchuelerProgrammName;
    dateiSchreiben(mivo, "#!/bin/sh\n");
    l.a->konf.probelaufWartezeitMs = 0;
    l.r.antworte(Rueckfragen::Knopf::Ja);
    l.r.leeren();
    l.befehl("KonfigurationfrTestfunktionen1")->trigger();
    QCOMPARE(l.o.gestartet, QStringList{mivo});
    QVERIFY(l.r.meldungen().contains(
        u"Die Datei  Mivo-Probetestanleitung.pdf  wurde nicht gefunden!"_s));
    QVERIFY(l.r.meldungen().contains(KonfigText::probelaufStart()));
    QTRY_COMPARE(l.r.letzteMeldung(), KonfigText::probelaufGut());
    QVERIFY(KonfigText::probelaufStart().contains(QString(95, u'-')));
}

void KonfigFensterTest::probelaufMitInstalliertemSchuelerprogramm()
{
    // Installiert liegt Mivo nicht im Basisordner, sondern bei den Programmdateien; es bekommt
    // den Ordner seiner Mivo-cf.txt genannt.
    Lauf l;
    const QString installiert = l.t.pfad() + u"usr/lib/mivo-zuzovuvavev/"_s;
    dateiSchreiben(installiert + kSchuelerProgrammName, "#!/bin/sh\n");
    l.e.installierterSchuelerOrdner = installiert;
    QVERIFY(l.starten());
    l.a->konf.probelaufWartezeitMs = 0;
    l.r.antworte(Rueckfragen::Knopf::Nein);
    l.befehl("KonfigurationfrTestfunktionen1")->trigger();
    QCOMPARE(l.o.gestartet, QStringList{installiert + kSchuelerProgrammName});
    QCOMPARE(l.o.startArgumente.constFirst(),
             (QStringList{u"--minimiert"_s, u"--ordner"_s, l.schulserver()}));
    QTRY_COMPARE(l.r.letzteMeldung(), KonfigText::probelaufGut());
}

void KonfigFensterTest::gespeicherteKonfiguration2()
{
    Lauf l;
    const QString admin = l.t.pfad() + u"Admin/Mivo/"_s;
    const QString tausch = l.t.pfad() + u"Tausch/"_s;
    ordnerAnlegen(tausch + u"Aus"_s);
    ordnerAnlegen(tausch + u"Ab"_s);
    dateiSchreiben(admin + kSchuelerCfName,
                   "[Test-Ausgabe]\r\n" + (tausch + u"Aus"_s).toUtf8() + "\r\n[Test-Abgabe]\r\n" +
                       (tausch + u"Ab"_s).toUtf8() + "\r\n[Test-Rueckgabe]\r\n" +
                       (tausch + u"Aus"_s).toUtf8() +
                       "\r\n[Schueler]\r\nH:\\\r\n[Schule]\r\nX\\\r\n");
    wertInDateiSetzen(l.e.lehrerCfDatei(), Kopf::programmOrdner, admin);
    wertInDateiSetzen(l.e.lehrerCfDatei(), Kopf::ordnerkonfiguration, u"2"_s);
    QVERIFY(l.starten());
    QVERIFY(!l.e.schulKonfigFehlt);
    l.r.leeren();

    TFormKonf &k = l.a->konf;
    l.befehl("KonfigurationfrTestfunktionen1")->trigger();
    // Beim Aktivieren bleibt der gespeicherte Ordner stehen; von dort kommen die Transferordner,
    // ohne Warnung und ohne die Durchfuehrung zu sperren.
    QVERIFY(radio(&k, 2)->isChecked());
    QCOMPARE(k.bestaetigung(), 2);
    QCOMPARE(feld(&k, "EMivoProgrammOrdner")->text(), admin);
    QCOMPARE(feld(&k, "EAbgabeOrdner")->text(), tausch + u"Ab/"_s);
    QVERIFY(feld(&k, "EMivoProgrammOrdner")->isEnabled());
    QCOMPARE(l.r.meldungen(), QStringList());
    QVERIFY(l.r.fragen().isEmpty());
    QVERIFY(!l.e.schulKonfigFehlt);

    // Ein Klick des Benutzers setzt die Vorgabe des Administrators und zeigt den Hinweis.
    QTest::mouseClick(radio(&k, 2), Qt::LeftButton);
    QCOMPARE(feld(&k, "EMivoProgrammOrdner")->text(), kAdminVorgabeOrdner);
    QCOMPARE(l.r.meldungen(), QStringList{KonfigText::hinweis2()});
    QCOMPARE(k.bestaetigung(), 0);

    feld(&k, "EMivoProgrammOrdner")->setText(admin);
    l.r.leeren();
    QTest::mouseClick(knopf(&k, "BGo2"), Qt::LeftButton);
    QCOMPARE(l.r.meldungen(), QStringList());
    QCOMPARE(feld(&k, "EAbgabeOrdner")->text(), tausch + u"Ab/"_s);
    QCOMPARE(l.e.abgabeOrdner, tausch + u"Ab/"_s);
    QCOMPARE(wertInDatei(l.e.lehrerCfDatei(), Kopf::programmOrdner), admin);
    QCOMPARE(wertInDatei(l.e.lehrerCfDatei(), Kopf::ordnerkonfiguration), u"2"_s);
    QCOMPARE(k.bestaetigung(), 2);
}

void KonfigFensterTest::rueckfallAufKonfiguration1()
{
    Lauf l;
    wertInDateiSetzen(l.e.lehrerCfDatei(), Kopf::programmOrdner,
                      l.t.pfad() + u"anderer Rechner/"_s);
    wertInDateiSetzen(l.e.lehrerCfDatei(), Kopf::ordnerkonfiguration, u"3"_s);
    QVERIFY(l.starten());
    l.r.leeren();
    TFormKonf &k = l.a->konf;
    k.oeffnen();
    QVERIFY(l.r.meldungen().contains(KonfigText::ordnerNichtGefunden()));
    QVERIFY(radio(&k, 1)->isChecked());
    QCOMPARE(k.bestaetigung(), 1);
    QCOMPARE(l.e.ordnerkonfiguration, u"1"_s);
    QCOMPARE(wertInDatei(l.e.lehrerCfDatei(), Kopf::ordnerkonfiguration), u"1"_s);
    QCOMPARE(wertInDatei(l.e.lehrerCfDatei(), Kopf::programmOrdner),
             l.t.pfad() + kSchulserverOrdnerName);
    QVERIFY(!l.e.schulKonfigFehlt);
}

void KonfigFensterTest::okOhneGo_data()
{
    QTest::addColumn<bool>("ja");
    QTest::newRow("Ja schliesst") << true;
    QTest::newRow("Nein bleibt") << false;
}

void KonfigFensterTest::okOhneGo()
{
    QFETCH(bool, ja);
    Lauf l;
    QVERIFY(l.starten());
    TFormKonf &k = l.a->konf;
    k.oeffnen();
    QCOMPARE(k.bestaetigung(), 1);
    l.r.leeren();
    QTest::mouseClick(radio(&k, 3), Qt::LeftButton);
    QCOMPARE(l.r.meldungen(), QStringList{KonfigText::hinweis3()});
    QCOMPARE(k.bestaetigung(), 0);
    QVERIFY(radio(&k, 3)->isChecked());
    l.r.antworte(ja ? Rueckfragen::Knopf::Ja : Rueckfragen::Knopf::Nein);
    QTest::mouseClick(knopf(&k, "BOK"), Qt::LeftButton);
    QCOMPARE(l.r.fragen(), QStringList{KonfigText::okOhneGo()});
    QCOMPARE(k.isVisible(), !ja);
}

void KonfigFensterTest::konfiguration3()
{
    Lauf l;
    QVERIFY(l.starten());
    TFormKonf &k = l.a->konf;
    k.oeffnen();
    QTest::mouseClick(radio(&k, 3), Qt::LeftButton);
    for (const char *name : {"EMivoProgrammOrdner", "EAusgabeOrdner", "EAbgabeOrdner",
                             "ERueckgabeOrdner", "ESchuelerOrdner"}) {
        QVERIFY2(feld(&k, name)->isEnabled(), name);
    }
    QCOMPARE(feld(&k, "ESchuelerOrdner")->text(), u"H:\\"_s);
    QVERIFY(knopf(&k, "BGo3")->isEnabled());
    QVERIFY(!knopf(&k, "BGo1")->isEnabled());

    const QString netz = l.t.pfad() + u"Netz/"_s;
    feld(&k, "EMivoProgrammOrdner")->setText(netz + u"Mivo"_s);
    feld(&k, "EAusgabeOrdner")->clear();
    QTest::keyClicks(feld(&k, "EAusgabeOrdner"), netz + u"Tausch/"_s);
    // Das Tippen in den Ausgabe-Ordner fuellt den Rueckgabe-Ordner.
    QCOMPARE(feld(&k, "ERueckgabeOrdner")->text(), netz + u"Tausch/"_s);
    feld(&k, "EAbgabeOrdner")->setText(netz + u"Abgabe"_s);
    l.r.leeren();
    QTest::mouseClick(knopf(&k, "BGo3"), Qt::LeftButton);

    QCOMPARE(wertInDatei(l.e.lehrerCfDatei(), Kopf::ordnerkonfiguration), u"3"_s);
    QCOMPARE(wertInDatei(l.e.lehrerCfDatei(), Kopf::programmOrdner), netz + u"Mivo"_s);
    QCOMPARE(wertInDatei(netz + u"Mivo/Mivo-cf.txt"_s, Kopf::testAbgabe), netz + u"Abgabe"_s);
    QVERIFY(istEchterOrdner(netz + u"Tausch"_s));
    QVERIFY(istEchterOrdner(netz + u"Abgabe"_s));
    QCOMPARE(l.e.abgabeOrdner, netz + u"Abgabe/"_s);
    QCOMPARE(l.e.schuelerCfDatei, netz + u"Mivo/Mivo-cf.txt"_s);
    QCOMPARE(k.bestaetigung(), 3);
    // Das Schuelerprogramm fehlt im Schulserver-Ordner: gesagt, nicht verschwiegen.
    const QStringList m = l.r.meldungen();
    QCOMPARE(m.size(), 2);
    QVERIFY(m[0].contains(kSchuelerProgrammName) && m[0].contains(u"konnte nicht"_s));
    QCOMPARE(m[1], KonfigText::installation3Fertig());
}

void KonfigFensterTest::anfangskonfiguration()
{
    Lauf l;
    QVERIFY(l.starten());
    l.r.leeren();
    l.befehl("AnfangsKonfiguration1")->trigger();
    TFormAnfangsKonf &d = l.a->anfangsKonf;
    QVERIFY(d.isVisible());
    QCOMPARE(d.windowTitle(), u"Mivo-Zuzovuvavev: Grundlegende Konfiguration"_s);
    QLineEdit *schule = feld(&d, "ESchulName");
    QLineEdit *lehrer = feld(&d, "ELehrerName");
    QCOMPARE(lehrer->text(), QString());
    schule->setText(u"Gesamtschule Köln-Süd"_s);
    lehrer->setText(u"Jörg-Müller"_s);
    lehrer->setFocus();
    Q_EMIT lehrer->editingFinished();
    QCOMPARE(lehrer->text(), u"Joergmueller"_s);
    QTest::mouseClick(knopf(&d, "BOK"), Qt::LeftButton);

    QVERIFY(!d.isVisible());
    QCOMPARE(l.r.meldungen(), QStringList{KonfigText::anfangsKonfGespeichert()});
    QCOMPARE(wertInDatei(l.e.lehrerCfDatei(), Kopf::lehrername), u"Joergmueller"_s);
    QCOMPARE(wertInDatei(l.schulserver() + kSchuelerCfName, Kopf::schule),
             u"Gesamtschule Köln-Süd/"_s);
    QCOMPARE(l.haupt().findChild<QLabel *>(u"LSchulname"_s)->text(), u"Gesamtschule Köln-Süd"_s);
    // Das Feld des Testfunktionen-Dialogs zeigt den Schulserver-Ordner.
    QCOMPARE(feld(&l.a->konf, "EMivoProgrammOrdner")->text(), l.schulserver());
}

void KonfigFensterTest::anfangskonfigurationAbbrechen()
{
    Lauf l;
    QVERIFY(l.starten());
    l.befehl("AnfangsKonfiguration1")->trigger();
    const QByteArray vorher = dateiInhalt(l.e.lehrerCfDatei());
    TFormAnfangsKonf &d = l.a->anfangsKonf;
    feld(&d, "ELehrerName")->setText(u"Neu"_s);
    l.r.leeren();
    QTest::mouseClick(knopf(&d, "BAbbrechen"), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(dateiInhalt(l.e.lehrerCfDatei()), vorher);
    QCOMPARE(l.r.meldungen(), QStringList());
}

void KonfigFensterTest::ordnerAussuchen()
{
    Lauf l;
    QVERIFY(l.starten());
    TFormKonf &k = l.a->konf;
    k.oeffnen();
    QTest::mouseClick(radio(&k, 3), Qt::LeftButton);
    const QString da = l.t.pfad() + u"Tausch"_s;
    const QString neu = l.t.pfad() + u"Netz/Mivo"_s;
    ordnerAnlegen(da);
    l.r.leeren();

    // Vorhandener Ordner: wird mit Trenner eingetragen, Rueckgabe folgt der Ausgabe.
    l.r.dateiAntwort(da);
    knopf(&k, "BAusgabeOrdnerAussuchen")->click();
    QCOMPARE(feld(&k, "EAusgabeOrdner")->text(), da + u"/"_s);
    QCOMPARE(feld(&k, "ERueckgabeOrdner")->text(), da + u"/"_s);
    // Abgabe nimmt nur vorhandene Ordner.
    l.r.dateiAntwort(neu);
    const QString vorher = feld(&k, "EAbgabeOrdner")->text();
    knopf(&k, "BAbgabeOrdnerAussuchen")->click();
    QCOMPARE(feld(&k, "EAbgabeOrdner")->text(), vorher);
    QCOMPARE(l.r.letzteMeldung(), u"Das Verzeichnis   "_s + neu + u"   existiert nicht!"_s);
    QVERIFY(!istEchterOrdner(neu));
    // Der Mivo-Programm-Ordner darf neu sein: nach Rueckfrage angelegt.
    l.r.dateiAntwort(neu).antworte(Rueckfragen::Knopf::Nein);
    knopf(&k, "BMivoProgrammOrdnerAussuchen")->click();
    QVERIFY(!istEchterOrdner(neu));
    l.r.dateiAntwort(neu).antworte(Rueckfragen::Knopf::Ja);
    knopf(&k, "BMivoProgrammOrdnerAussuchen")->click();
    QVERIFY(istEchterOrdner(neu));
    QCOMPARE(feld(&k, "EMivoProgrammOrdner")->text(), neu + u"/"_s);
    // Abgebrochen: nichts aendert sich.
    knopf(&k, "BMivoProgrammOrdnerAussuchen")->click();
    QCOMPARE(feld(&k, "EMivoProgrammOrdner")->text(), neu + u"/"_s);
}

// Enter auf dem Knopf mit Fokus loest ihn aus; Enter in einem Feld nicht.
void KonfigFensterTest::enterAufFokusknopf_data()
{
    QTest::addColumn<QString>("fokus");
    QTest::addColumn<bool>("gespeichert");
    QTest::newRow("OK") << u"BOK"_s << true;
    QTest::newRow("Abbrechen") << u"BAbbrechen"_s << false;
    QTest::newRow("Feld") << u"ELehrerName"_s << false;
}

void KonfigFensterTest::enterAufFokusknopf()
{
    QFETCH(QString, fokus);
    QFETCH(bool, gespeichert);
    Lauf l;
    QVERIFY(l.starten());
    l.befehl("AnfangsKonfiguration1")->trigger();
    TFormAnfangsKonf &d = l.a->anfangsKonf;
    feld(&d, "ELehrerName")->setText(u"Neumann"_s);
    l.r.leeren();
    QWidget *ziel = d.findChild<QWidget *>(fokus);
    ziel->setFocus();
    QTest::keyClick(ziel, Qt::Key_Return);
    QCOMPARE(d.isVisible(), fokus == u"ELehrerName"_s);
    QCOMPARE(wertInDatei(l.e.lehrerCfDatei(), Kopf::lehrername) == u"Neumann"_s, gespeichert);
}

// Beide Konfigurationsdialoge gehoeren zum Hauptfenster: der Fenstermanager haelt sie davor,
// auch nachdem eine Rueckfrage das Hauptfenster aktiviert hat.
void KonfigFensterTest::bleibtVorDemHauptfenster()
{
    Lauf l;
    QVERIFY(l.starten());
    l.befehl("AnfangsKonfiguration1")->trigger();
    l.a->konf.oeffnen();
    for (QWidget *d :
         {static_cast<QWidget *>(&l.a->anfangsKonf), static_cast<QWidget *>(&l.a->konf)}) {
        QVERIFY(d->isVisible());
        QCOMPARE(d->windowHandle()->transientParent(), l.haupt().windowHandle());
        // Nur Dialogfenster meldet Qt dem Fenstermanager als abhaengig (WM_TRANSIENT_FOR).
        QCOMPARE(d->windowType(), Qt::Dialog);
    }
}

QTEST_MAIN(KonfigFensterTest)
#include "konfigfenster_test.moc"
