#include "app/apptesthilfe.h"
#include "settings/konfigtexte.h"
#include "settings/konfiguration.h"
#include "settings/testkonfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate kHeute(2024, 10, 1); // Schuljahr 2024-25

struct Basis
{
    Testordner t;
    Einstellungen e;
    SkriptRueckfragen r;
    Konfiguration k{e, r};
    TestKonfiguration logik{e, k, r};
    Basis()
    {
        basisordnerAnlegen(t.pfad());
        e.programmOrdner = t.pfad();
        e.basisOrdner = t.pfad();
    }
    QString schulserver() const { return t.pfad() + kSchulserverOrdnerName + u"/"_s; }
};

} // namespace

class TestKonfigurationTest : public QObject
{
    Q_OBJECT
private slots:
    void lehrername_data();
    void lehrername();
    void konfigurationsNummer_data();
    void konfigurationsNummer();
    void beispieleZweimal();
    void beispieleFehlen();
    void konfiguration1Speichern();
    void transferOrdner();
    void schuelerprogrammAusDerInstallation();
    void pruefenMeldetFehlendeOrdner();
    void anfangsKonfErsterStart();
    void anfangsKonfBehaeltNeuereKonfiguration();
    void anfangsKonfOhneLehrerKopf();
};

void TestKonfigurationTest::lehrername_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QString>("ergebnis");
    QTest::newRow("Umlaute und Bindestrich") << u"Jörg-Müller"_s << u"Joergmueller"_s;
    QTest::newRow("leer") << QString() << QString();
    QTest::newRow("nur Fremdes") << u"-- 12 --"_s << QString();
    QTest::newRow("grosse Umlaute, ß") << u"ÄÖÜß"_s << u"Aeoeuess"_s;
    QTest::newRow("Semikolon bleibt") << u"Meier;Schulz"_s << u"Meier;schulz"_s;
    QTest::newRow("Semikolon vorn") << u";b"_s << u";b"_s;
    QTest::newRow("erst 20, dann Umlaute")
        << u"Abcdefghijklmnopqrstuvwxyz"_s << u"Abcdefghijklmnopqrst"_s;
    QTest::newRow("Umlaute verlaengern, wieder 20")
        << u"Öäüöäüöäüöäü"_s << u"Oeaeueoeaeueoeaeueoe"_s;
    QTest::newRow("Akzente fallen weg") << u"José Núñez"_s << u"Josnez"_s;
    QTest::newRow("Ziffern und Leerzeichen") << u"Otto 2"_s << u"Otto"_s;
}

void TestKonfigurationTest::lehrername()
{
    QFETCH(QString, eingabe);
    QFETCH(QString, ergebnis);
    QCOMPARE(lehrernameBereinigen(eingabe), ergebnis);
    // Zweimal angewandt aendert nichts mehr.
    QCOMPARE(lehrernameBereinigen(ergebnis), ergebnis);
}

void TestKonfigurationTest::konfigurationsNummer_data()
{
    QTest::addColumn<QString>("wert");
    QTest::addColumn<int>("nummer");
    QTest::newRow("2 mit Trenner") << u"2/"_s << 2;
    QTest::newRow("3") << u"3"_s << 3;
    QTest::newRow("4") << u"4"_s << 0;
    QTest::newRow("0") << u"0"_s << 0;
    QTest::newRow("leer") << QString() << 0;
    QTest::newRow("Text") << u"eins"_s << 0;
}

void TestKonfigurationTest::konfigurationsNummer()
{
    QFETCH(QString, wert);
    QFETCH(int, nummer);
    QCOMPARE(::konfigurationsNummer(wert), nummer);
}

void TestKonfigurationTest::beispieleZweimal()
{
    Basis b;
    const QString y = b.t.pfad() + u"2024-25/"_s;
    b.logik.BeispielDateienInDenAktSchuljahresOrdnerkopieren(kHeute);
    QCOMPARE(b.r.meldungen(), QStringList());
    const QString quelle = b.t.pfad() + u"2016-17 Beispiele/"_s;
    QCOMPARE(dateiInhalt(y + u"L-7x-Ph.DTA"_s), dateiInhalt(quelle + u"L-7x-Ph.DTA"_s));
    QCOMPARE(dateiInhalt(y + u"L-7x-Ph.DTA"_s).size(), 28408);
    QCOMPARE(dateiInhalt(y + u"K-9-Inx.DTA"_s).size(), 28408);
    QCOMPARE(dateiInhalt(y + u"7xP1Bspl/7xP1Bspl.__A"_s),
             dateiInhalt(quelle + u"7xP1Bspl/7xP1Bspl.__A"_s));
    QCOMPARE(dateienNachMuster(y + u"7xP1Bspl/Bilder"_s, u"*.jpg"_s).size(), 4);

    // Das zweite Mal ersetzt veraenderte Dateien durch frische Kopien.
    dateiSchreiben(y + u"L-7x-Ph.DTA"_s, "verdorben");
    dateiSchreiben(y + u"7xP1Bspl/7xP1Bspl.__A"_s, "verdorben");
    b.logik.BeispielDateienInDenAktSchuljahresOrdnerkopieren(kHeute);
    QCOMPARE(b.r.meldungen(), QStringList());
    QCOMPARE(dateiInhalt(y + u"L-7x-Ph.DTA"_s), dateiInhalt(quelle + u"L-7x-Ph.DTA"_s));
    QCOMPARE(dateiInhalt(y + u"7xP1Bspl/7xP1Bspl.__A"_s),
             dateiInhalt(quelle + u"7xP1Bspl/7xP1Bspl.__A"_s));
}

void TestKonfigurationTest::beispieleFehlen()
{
    Basis b;
    const QString quelle = b.t.pfad() + u"2016-17 Beispiele/"_s;
    QFile::remove(quelle + u"7xP1Bspl/7xP1Bspl.__A"_s);
    QFile::remove(quelle + u"K-9-Inx.DTA"_s);
    dateiSchreiben(quelle + u"7xP1Bspl/Bilder/.versteckt"_s, "x");
    b.logik.BeispielDateienInDenAktSchuljahresOrdnerkopieren(kHeute);
    QCOMPARE(b.r.meldungen(),
             (QStringList{u"Der Beispieltest konnte nicht bereit gestellt werden!"_s,
                          u"Die Beispielklasse 2 konnte nicht bereit gestellt werden!"_s}));
    const QString y = b.t.pfad() + u"2024-25/"_s;
    QVERIFY(QFile::exists(y + u"L-7x-Ph.DTA"_s));
    QVERIFY(!QFile::exists(y + u"7xP1Bspl/Bilder/.versteckt"_s));

    // Ein Schuljahresordner, der eine Datei ist, laesst sich nicht anlegen.
    Basis c;
    dateiSchreiben(c.t.pfad() + u"2024-25"_s, "x");
    c.logik.BeispielDateienInDenAktSchuljahresOrdnerkopieren(kHeute);
    QCOMPARE(c.r.meldungen(),
             QStringList{u"Der Schuljahresordner konnte nicht erstellt werden!"_s});
}

void TestKonfigurationTest::konfiguration1Speichern()
{
    Basis b;
    const KonfigFelder f = b.logik.felderKonfiguration1();
    QCOMPARE(f.mivoProgrammOrdner, b.t.pfad() + kSchulserverOrdnerName);
    QCOMPARE(f.ausgabe, b.schulserver() + u"Ausgabe/"_s);
    QCOMPARE(f.schueler, b.schulserver() + u"Schueler/"_s);
    b.e.speicherErfolg = true;
    b.logik.Konf1oder3Speichern(f, 1);
    QVERIFY(b.e.speicherErfolg);
    const QString klCf = b.e.lehrerCfDatei();
    const QString cf = b.schulserver() + kSchuelerCfName;
    QCOMPARE(wertInDatei(klCf, Kopf::programmOrdner), f.mivoProgrammOrdner);
    QCOMPARE(wertInDatei(klCf, Kopf::ordnerkonfiguration), u"1"_s);
    QCOMPARE(wertInDatei(cf, Kopf::testAusgabe), f.ausgabe);
    QCOMPARE(wertInDatei(cf, Kopf::testAbgabe), f.abgabe);
    QCOMPARE(wertInDatei(cf, Kopf::testRueckgabe), f.rueckgabe);
    QCOMPARE(wertInDatei(cf, Kopf::schueler), f.schueler);
    QCOMPARE(b.e.abgabeOrdner, f.abgabe);

    // Ohne lokale Mivo-cf.txt: Warnung, nichts angelegt, Speichern gescheitert.
    QFile::remove(cf);
    b.logik.Konf1oder3Speichern(f, 3);
    QVERIFY(!b.e.speicherErfolg);
    QVERIFY(!QFile::exists(cf));
    QVERIFY(b.r.letzteMeldung().startsWith(u"Die Datei "_s + cf + u" wurde nicht gefunden!"_s));
}

void TestKonfigurationTest::schuelerprogrammAusDerInstallation()
{
    // Konfiguration 3 beim installierten Programm: Mivo kommt von den Programmdateien, die
    // Mivo-cf.txt aus dem Basisordner; beide liegen danach ausfuehrbar bzw. lesbar auf der
    // Freigabe.
    Basis b;
    const QString installiert = b.t.pfad() + u"usr/lib/mivo-zuzovuvavev/"_s;
    dateiSchreiben(installiert + kSchuelerProgrammName, "#!/bin/sh\n");
    QFile::setPermissions(installiert + kSchuelerProgrammName,
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    b.e.installierterSchuelerOrdner = installiert;
    const QString freigabe = b.t.pfad() + u"freigabe/Mivo/"_s;
    b.logik.schuelerprogrammInNeuenOrdnerKopieren(freigabe);
    QCOMPARE(b.r.meldungen(), QStringList());
    QCOMPARE(dateiInhalt(freigabe + kSchuelerProgrammName), QByteArray("#!/bin/sh\n"));
    QVERIFY(QFileInfo(freigabe + kSchuelerProgrammName).isExecutable());
    QCOMPARE(dateiInhalt(freigabe + kSchuelerCfName),
             dateiInhalt(b.schulserver() + kSchuelerCfName));
}

void TestKonfigurationTest::transferOrdner()
{
    Basis b;
    const QString neu = b.t.pfad() + u"Tausch/tief/Ausgabe/"_s;
    KonfigFelder f{QString(), neu, u"H:\\Abgabe\\"_s, QString(), b.t.pfad() + u"Schueler/"_s};
    b.logik.transferOrdnerErstellen(f);
    QVERIFY(istEchterOrdner(neu));
    // Relative Angaben landen nicht im Arbeitsordner; Schuelerordner nur im Schulserver-Ordner.
    QVERIFY(!QDir(u"H:\\Abgabe\\"_s).exists());
    QVERIFY(!istEchterOrdner(b.t.pfad() + u"Schueler/"_s));
    QCOMPARE(b.r.meldungen(),
             QStringList{u"Das Verzeichnis  H:\\Abgabe\\  kann nicht erstellt werden!"_s});

    f.schueler = b.schulserver() + u"Schueler/"_s;
    b.logik.transferOrdnerErstellen(f);
    QVERIFY(istEchterOrdner(f.schueler));
}

void TestKonfigurationTest::pruefenMeldetFehlendeOrdner()
{
    Basis b;
    const QString admin = b.t.pfad() + u"Admin/"_s;
    ordnerAnlegen(admin + u"Aus"_s);
    dateiSchreiben(admin + kSchuelerCfName,
                   "[Test-Ausgabe]\r\n" + (admin + u"Aus"_s).toUtf8() + "\r\n[Test-Abgabe]\r\n" +
                       (admin + u"Ab"_s).toUtf8() + "\r\n[Test-Rueckgabe]\r\n" +
                       (admin + u"Aus"_s).toUtf8() + "\r\n[Schueler]\r\nH:\\\r\n");
    KonfigFelder f;
    f.mivoProgrammOrdner = b.t.pfad() + u"Admin"_s;
    b.logik.UebergabeOrdnerLesenPruefenUndZeigen(f);
    QCOMPARE(b.e.schuelerCfDatei, admin + kSchuelerCfName);
    QCOMPARE(f.ausgabe, admin + u"Aus/"_s);
    QCOMPARE(f.schueler, u"H:\\/"_s);
    QCOMPARE(
        b.r.meldungen(),
        QStringList{u"Das Verzeichnis   "_s + admin +
                    u"Ab/   existiert nicht!\r\n"_s
                    u"Wenden Sie sich an den Administrator. Er sollte den Ordner erstellen."_s});
}

void TestKonfigurationTest::anfangsKonfErsterStart()
{
    Basis b;
    // Erster Start: kein Mivo-Programm-Ordner eingetragen, also Konfiguration 1.
    const TestKonfiguration::Anfangswerte w = b.logik.anfangsKonfLaden();
    QCOMPARE(b.e.ordnerkonfiguration, u"1"_s);
    QCOMPARE(w.mivoProgrammOrdner, b.schulserver());
    QCOMPARE(wertInDatei(b.e.lehrerCfDatei(), Kopf::programmOrdner), b.schulserver());
    QCOMPARE(w.lehrername, QString());

    QVERIFY(b.logik.anfangsKonfSpeichern(u"Gesamtschule Köln-Süd"_s, u"Jörg-Müller"_s));
    QCOMPARE(b.r.meldungen(), QStringList{KonfigText::anfangsKonfGespeichert()});
    QCOMPARE(wertInDatei(b.e.lehrerCfDatei(), Kopf::lehrername), u"Joergmueller"_s);
    QCOMPARE(wertInDatei(b.schulserver() + kSchuelerCfName, Kopf::schule),
             u"Gesamtschule Köln-Süd/"_s);
    QCOMPARE(b.e.lehrername, u"Joergmueller/"_s);
    QCOMPARE(b.e.schulnameAnzeige(), u"Gesamtschule Köln-Süd"_s);

    // Beim naechsten Oeffnen stehen die Werte wieder da.
    const TestKonfiguration::Anfangswerte wieder = b.logik.anfangsKonfLaden();
    QCOMPARE(wieder.schulname, u"Gesamtschule Köln-Süd"_s);
    QCOMPARE(wieder.lehrername, u"Joergmueller"_s);
}

void TestKonfigurationTest::anfangsKonfBehaeltNeuereKonfiguration()
{
    Basis b;
    b.logik.anfangsKonfLaden();
    // Waehrend der Dialog offen ist, speichert die Testkonfiguration eine andere Wahl.
    wertInDateiSetzen(b.e.lehrerCfDatei(), Kopf::ordnerkonfiguration, u"3"_s);
    b.logik.anfangsKonfSpeichern(u"Schule"_s, u"Meier"_s);
    QCOMPARE(wertInDatei(b.e.lehrerCfDatei(), Kopf::ordnerkonfiguration), u"3"_s);
    QCOMPARE(wertInDatei(b.e.lehrerCfDatei(), Kopf::lehrername), u"Meier"_s);
}

void TestKonfigurationTest::anfangsKonfOhneLehrerKopf()
{
    Basis b;
    b.logik.anfangsKonfLaden();
    QStringList zeilen = ansiZeilenLesen(b.e.lehrerCfDatei()).zeilen;
    zeilen.removeAt(zeilen.indexOf(Kopf::lehrername));
    ansiZeilenSchreiben(b.e.lehrerCfDatei(), zeilen);
    QVERIFY(!b.logik.anfangsKonfSpeichern(u"Schule"_s, u"Meier"_s));
    QVERIFY(!b.r.meldungen().contains(KonfigText::anfangsKonfGespeichert()));
    QVERIFY(b.r.meldungen().constFirst().contains(Kopf::lehrername));
}

QTEST_GUILESS_MAIN(TestKonfigurationTest)
#include "testkonfiguration_test.moc"
