// Die Logik des Schuelerprogramms: Einstellungen, Klasse, bereitgestellte Tests, Namen,
// Testbogen mit Kreuzen, Abgabe, Zwischenstand und Rueckgabe.
#include "common/ordner.h"
#include "conduct/rueckgabe.h"
#include "conduct/testdokument.h"
#include "outside/abgabe.h"
#include "outside/schuelerseite.h"
#include "outside/testbogen.h"
#include "schuelerhilfe.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTest>

#include <cerrno>
#include <functional>

using namespace Qt::StringLiterals;
using namespace schuelerseite;
namespace sp = schuelerprogramm;

namespace {

QByteArray kopieBytes(int fragen = 3)
{
    return ansiZeilenAlsBytes(schuelerhilfe::kopie(u"Lena"_s, u"Albrecht"_s, fragen));
}

// Stellt eine Freigabe nach: die ersten Aufrufe eines Zugriffs scheitern mit einer
// Fehlernummer, und nach dem Umbenennen kann die Lehrkraft dazwischenkommen. Gewartet wird nicht.
class Freigabe final : public Abgabezugriff
{
public:
    QMap<QString, QList<int>> stoerungen; // Zugriff -> Fehlernummern der ersten Aufrufe
    std::function<void()> nachUmbenennen;
    std::function<void()> vorEntfernen; // nur beim Herausnehmen der Abgabe selbst
    QString ziel;
    int gewartet = 0;

    int neuAnlegen(const QString &pfad, const QByteArray &bytes) override
    {
        const int f = stoerung(u"anlegen"_s);
        return f != 0 ? f : Abgabezugriff::neuAnlegen(pfad, bytes);
    }
    int umbenennen(const QString &quelle, const QString &nach) override
    {
        if (const int f = stoerung(u"umbenennen"_s)) {
            return f;
        }
        const int f = Abgabezugriff::umbenennen(quelle, nach);
        if (f == 0 && nachUmbenennen) {
            nachUmbenennen();
        }
        return f;
    }
    int entfernen(const QString &pfad) override
    {
        if (pfad != ziel) {
            return Abgabezugriff::entfernen(pfad);
        }
        if (const int f = stoerung(u"entfernen"_s)) {
            return f;
        }
        if (vorEntfernen) {
            vorEntfernen();
        }
        return Abgabezugriff::entfernen(pfad);
    }
    void warten(int ms) override { gewartet += ms; }

private:
    int stoerung(const QString &zugriff)
    {
        QList<int> &f = stoerungen[zugriff];
        return f.isEmpty() ? 0 : f.takeFirst();
    }
};

} // namespace

class TestSchuelerseite : public QObject
{
    Q_OBJECT
private slots:
    // %O steht fuer den Testordner (ohne Trenner am Ende), %D fuer die gelesene Datei.
    void konfig_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("ausgabe"); // leer: nicht eingerichtet
        QTest::addColumn<QString>("rueckgabe");
        QTest::addColumn<QString>("schule");
        // Anfang der Meldung einer unbrauchbaren Ordnerangabe (ohne Konfig in e.meldung, sonst
        // in rueckgabeFehler oder schuelerFehler); leer: keine.
        QTest::addColumn<QString>("fehler");
        const QByteArray voll = "[Test-Ausgabe]\r\n%O/aus\r\n[Test-Abgabe]\r\n%O/ab/\r\n"
                                "[Test-Rueckgabe]\r\n%O/rueck\r\n[Schueler]\r\n%O/ich\\\r\n"
                                "[Schule]\r\nGesamtschule S\xfc"
                                "d\\\r\n";
        QTest::newRow("vollstaendig")
            << voll << u"%O/aus/"_s << u"%O/rueck/"_s << u"Gesamtschule Süd"_s << QString();
        QTest::newRow("letzter nicht leerer Wert gewinnt")
            << QByteArray(
                   "[Test-Ausgabe]\r\n%O/a\r\n[Test-Ausgabe]\r\n\r\n[Test-Abgabe]\r\n%O/b\r\n")
            << u"%O/a/"_s << u"%O/a/"_s << QString() << QString();
        QTest::newRow("Wert sieht aus wie Kopf")
            << QByteArray("[Test-Ausgabe]\r\n[Test-Abgabe]\r\n/x\r\n") << QString() << QString()
            << QString()
            << u"Mivo kann seine Einstellungen nicht benutzen: In der Datei %D, Zeile 2, steht "
               "unter [Test-Ausgabe] keine brauchbare Ordnerangabe („[Test-Abgabe]“): sie ist "
               "kein vollständiger Pfad."_s;
        QTest::newRow("Kopf in der letzten Zeile")
            << QByteArray("[Test-Abgabe]\n/b\n[Test-Ausgabe]") << QString() << QString()
            << QString() << QString();
        QTest::newRow("leere Vorlage") << QByteArray("[Test-Ausgabe]\r\n\r\n[Test-Abgabe]\r\n\r\n")
                                       << QString() << QString() << QString() << QString();
        QTest::newRow("binaer") << QByteArray("[Test-Ausgabe]\r\n\0\0", 20) << QString()
                                << QString() << QString() << QString();
        QTest::newRow("riesig") << QByteArray(200 * 1024, 'x') << QString() << QString()
                                << QString() << QString();
        const QByteArray ab = "[Test-Abgabe]\r\n%O/ab\r\n";
        QTest::newRow("Ausgabe relativ")
            << QByteArray("[Test-Ausgabe]\r\nAusgabe\r\n" + ab) << QString() << QString()
            << QString()
            << u"Mivo kann seine Einstellungen nicht benutzen: In der Datei %D, Zeile 2, steht "
               "unter [Test-Ausgabe] keine brauchbare Ordnerangabe („Ausgabe“): sie ist kein "
               "vollständiger Pfad."_s;
        QTest::newRow("Abgabe mit Steuerzeichen")
            << QByteArray("[Test-Ausgabe]\r\n%O/aus\r\n[Test-Abgabe]\r\n%O/a\tb\r\n") << QString()
            << QString() << QString()
            << u"Mivo kann seine Einstellungen nicht benutzen: In der Datei %D, Zeile 4, steht "
               "unter [Test-Abgabe] keine brauchbare Ordnerangabe („%O/a\\x09b“): sie enthält "
               "Steuerzeichen oder nicht druckbare Zeichen."_s;
        QTest::newRow("Abgabe ohne Elternordner")
            << QByteArray("[Test-Ausgabe]\r\n%O/aus\r\n[Test-Abgabe]\r\n%O/x/y/ab\r\n") << QString()
            << QString() << QString()
            << u"Mivo kann seine Einstellungen nicht benutzen: In der Datei %D, Zeile 4, steht "
               "unter [Test-Abgabe] keine brauchbare Ordnerangabe („%O/x/y/ab“): weder der Ordner "
               "noch der Ordner darüber existiert."_s;
        // Ein unbrauchbarer Rueckgabeordner ist nicht der Ausgabeordner: Tests gehen, Rueckgaben
        // nicht.
        QTest::newRow("Rueckgabe nur Backslash")
            << QByteArray("[Test-Ausgabe]\r\n%O/aus\r\n" + ab + "[Test-Rueckgabe]\r\n\\\r\n")
            << u"%O/aus/"_s << QString() << QString()
            << u"In der Datei %D, Zeile 6, steht unter [Test-Rueckgabe] keine brauchbare "
               "Ordnerangabe („\\“): sie ist kein vollständiger Pfad."_s;
        QTest::newRow("eigener Ordner als Laufwerk")
            << QByteArray("[Test-Ausgabe]\r\n%O/aus\r\n" + ab + "[Schueler]\r\nH:\\\r\n")
            << u"%O/aus/"_s << u"%O/aus/"_s << QString()
            << u"In der Datei %D, Zeile 6, steht unter [Schueler] keine brauchbare "
               "Ordnerangabe („H:\\“): sie ist kein vollständiger Pfad."_s;
    }
    void konfig()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, ausgabe);
        QFETCH(QString, rueckgabe);
        QFETCH(QString, fehler);
        Testordner t;
        const QString o = t.pfad().chopped(1);
        const QString d = t.datei(u"Mivo-cf.txt"_s);
        t.schreibe(u"Mivo-cf.txt"_s, inhalt.replace("%O", QFile::encodeName(o)));
        fehler.replace(u"%O"_s, o).replace(u"%D"_s, d);
        const KonfigErgebnis e = konfigLesen(d);
        if (ausgabe.isEmpty()) {
            QVERIFY(!e.konfig);
            QVERIFY(e.meldung.contains(d));
            QVERIFY2(e.meldung.startsWith(fehler), qPrintable(e.meldung));
            return;
        }
        QVERIFY2(e.konfig, qPrintable(e.meldung));
        QCOMPARE(e.konfig->ausgabeOrdner, ausgabe.replace(u"%O"_s, o));
        QCOMPARE(e.konfig->rueckgabeOrdner, rueckgabe.replace(u"%O"_s, o));
        QTEST(e.konfig->schule, "schule");
        const QString gemeldet = e.konfig->rueckgabeFehler + e.konfig->schuelerFehler;
        QVERIFY2(fehler.isEmpty() ? gemeldet.isEmpty() : gemeldet.startsWith(fehler),
                 qPrintable(gemeldet));
        if (!e.konfig->schuelerFehler.isEmpty()) {
            QVERIFY(rueckgabeSpeichern(*e.konfig, RueckgabeDokument{{}, {}, {}, true})
                        .contains(fehler));
        }
    }

    void konfigFehlt()
    {
        Testordner t;
        const KonfigErgebnis e = konfigLesen(t.datei(u"Mivo-cf.txt"_s));
        QVERIFY(!e.konfig);
        QVERIFY(e.meldung.startsWith(u"Mivo findet seine Einstellungen nicht"_s));
    }

    void klasse_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("kuerzel");
        QTest::newRow("7x") << u"7x"_s << u"7x"_s;
        QTest::newRow("10a") << u"10a"_s << u"0a"_s;
        QTest::newRow("12b mit Leerzeichen") << u" 12b "_s << u"2b"_s;
        QTest::newRow("7") << u"7"_s << u"7."_s;
        QTest::newRow("10") << u"10"_s << u"0."_s;
        QTest::newRow("leer") << QString() << QString();
        QTest::newRow("Pfad") << u"../"_s << QString();
        QTest::newRow("Punkt") << u"7."_s << QString();
        QTest::newRow("zu lang") << u"7abc"_s << QString();
    }
    void klasse()
    {
        QFETCH(QString, eingabe);
        QTEST(klassenkuerzelAusEingabe(eingabe), "kuerzel");
    }

    // Nur Signaldateien mit passendem Ordnerinhalt zaehlen; die Art entscheidet der Inhalt.
    void bereitgestellteTests()
    {
        schuelerhilfe::Server s;
        s.bereitstellen({{u"Lena"_s, u"Albrecht"_s}, {u"Jonas"_s, u"Bauer"_s}});
        s.bereitstellen({{u"Paul"_s, u"Weiss"_s}}, u"7xM2Bruc"_s, u"Schulz"_s, u"2024-11-07"_s);
        s.bereitstellen({{u"Ida"_s, u"Kern"_s}}, u"8aP1Sich"_s);
        // Signaldatei ohne Ordner, fremde und kaputte Namen.
        dateiSchreiben(s.k.ausgabeOrdner + u"7x-Lange-7xD1Gedi.tmp"_s, "2024-11-06\r\n");
        dateiSchreiben(s.k.ausgabeOrdner + u"7x-Meier.tmp"_s, "x");
        dateiSchreiben(s.k.ausgabeOrdner + u"7x--7xP1Sich.tmp"_s, "x"); // ohne Lehrer, ohne Ordner
        dateiSchreiben(s.k.ausgabeOrdner + u"notiz.txt"_s, "x");

        QCOMPARE(klassenMitSignal(s.k.ausgabeOrdner), (QStringList{u"7x"_s, u"8a"_s}));
        const Suche su = bereitgestellteSuchen(s.k.ausgabeOrdner, u"7x"_s, Art::Test);
        QCOMPARE(su.gefunden.size(), 2);
        QCOMPARE(su.ohneOrdner, 2);
        QCOMPARE(su.gefunden[0].lehrer, u"Schulz"_s); // neuestes zuerst
        QCOMPARE(su.gefunden[1].testKuerzel, u"7xP1Sich"_s);
        QCOMPARE(su.gefunden[1].datum, u"2024-11-05"_s);
        QCOMPARE(su.gefunden[1].thema, u"Sicherheit im Fachraum"_s);
        QCOMPARE(su.gefunden[1].ordner, s.ausgabeKlasse());
        QVERIFY(
            bereitgestellteSuchen(s.k.ausgabeOrdner, u"7x"_s, Art::Rueckgabe).gefunden.isEmpty());
        QVERIFY(bereitgestellteSuchen(s.k.ausgabeOrdner, u"7y"_s, Art::Test).gefunden.isEmpty());

        // Zurueckgezogen: die Signaldatei fehlt, der Test gilt nicht mehr.
        QVERIFY(nochBereitgestellt(su.gefunden[1]));
        QVERIFY(QFile::remove(su.gefunden[1].signalDatei));
        QVERIFY(!nochBereitgestellt(su.gefunden[1]));
        QCOMPARE(bereitgestellteSuchen(s.k.ausgabeOrdner, u"7x"_s, Art::Test).gefunden.size(), 1);
    }

    // Ohne Lehrernamen in der Konfiguration (Probelauf am heimischen PC) heisst die Signaldatei
    // "7x--CODE.tmp" und der Ordner "Ausgabe/" + "/" + "7x/"; der Test muss trotzdem erscheinen.
    void ohneLehrername()
    {
        schuelerhilfe::Server s;
        s.bereitstellen({{u"Lena"_s, u"Albrecht"_s}}, u"7xP1Sich"_s, QString());
        const Suche su = bereitgestellteSuchen(s.k.ausgabeOrdner, u"7x"_s, Art::Test);
        QCOMPARE(su.gefunden.size(), 1);
        QCOMPARE(su.gefunden[0].lehrer, QString());
        QCOMPARE(su.gefunden[0].testKuerzel, u"7xP1Sich"_s);
        QVERIFY(nochBereitgestellt(su.gefunden[0]));
    }

    void namenSortiert()
    {
        schuelerhilfe::Server s;
        s.bereitstellen({{u"Jonas"_s, u"Bauer"_s},
                         {u"Anna Maria"_s, u"von Albrecht"_s},
                         {u"Özlem"_s, u"Schmidtbauer"_s},
                         {u"Lena"_s, u"Albrecht"_s}});
        dateiSchreiben(s.ausgabeKlasse() + u"Kaputt.K7x"_s, QByteArray("Name\0", 5));
        dateiSchreiben(s.ausgabeKlasse() + u"Riesig.R7x"_s, QByteArray(2 * 1024 * 1024, 'x'));
        const EintragsListe l = kopienAuflisten(s.test());
        QStringList anzeige;
        for (const Eintrag &e : l.eintraege) {
            anzeige << e.anzeige() + u" = "_s + e.datei;
        }
        QCOMPARE(anzeige,
                 (QStringList{u"Albrecht, Lena = Albrecht.L7x"_s, u"Bauer, Jonas = Bauer.J7x"_s,
                              u"Schmidtbauer, Özlem = Schmidtb.Ö7x"_s,
                              u"von Albrecht, Anna Maria = von Albr.A7x"_s}));
        QCOMPARE(l.unlesbar, (QStringList{u"Kaputt.K7x"_s, u"Riesig.R7x"_s}));
    }

    void bogenFehler_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fehler");
        QByteArray zuViele = kopieBytes(3);
        for (int q = 4; q <= 41; ++q) {
            zuViele += QByteArray::number(q) + ")\tF\r\n\ta) A\r\n\tb) B\r\n\tc) C\r\n\td) D\r\n";
        }
        QTest::newRow("41 Aufgaben") << zuViele << u"hat mehr als 40 Aufgaben."_s;
        QTest::newRow("binaer") << QByteArray("1)\tF\0", 5) << u"ist keine Textdatei."_s;
        QTest::newRow("keine Aufgaben")
            << QByteArray("Name\r\nnichts\r\n") << u"enthält keine Aufgaben."_s;
        QByteArray ohneD = kopieBytes(3);
        ohneD.replace("\td) Antwort D\r\n", "\r\n");
        QTest::newRow("Antwort fehlt")
            << ohneD << u"ist beschädigt: Aufgabe 1 hat nicht die vier Antworten a) bis d)."_s;
        QByteArray nummer = kopieBytes(3);
        nummer.replace("2)\t", "5)\t");
        QTest::newRow("Nummerierung")
            << nummer << u"ist beschädigt: Die Aufgaben sind nicht richtig nummeriert."_s;
    }
    void bogenFehler()
    {
        QFETCH(QByteArray, bytes);
        QString fehler;
        QVERIFY(!Testbogen::ausBytes(bytes, fehler));
        QTEST(fehler, "fehler");
    }

    // Die ausgefuellte Kopie ist die Kopie mit "x" vor jeder gewaehlten Antwortzeile, Byte fuer
    // Byte; die Einsammlung liest genau diese Kreuze.
    void kreuzen()
    {
        const QByteArray roh = kopieBytes(40);
        QString fehler;
        std::optional<Testbogen> b = Testbogen::ausBytes(roh, fehler);
        QVERIFY2(b, qPrintable(fehler));
        QCOMPARE(b->anzahl(), 40);
        QCOMPARE(b->ausgefuellt(), roh);
        QVERIFY(b->waehlen(0, 1));
        QVERIFY(b->waehlen(0, 3)); // eine andere Antwort verschiebt das Kreuz
        QVERIFY(b->waehlen(1, 0));
        QVERIFY(b->waehlen(39, 2));
        QVERIFY(b->waehlen(2, 2));
        QVERIFY(b->waehlen(2, 2)); // dieselbe noch einmal: Kreuz weg
        QVERIFY(!b->waehlen(40, 0));
        QVERIFY(!b->waehlen(0, 4));
        QCOMPARE(b->offeneFragen().size(), 37);
        QCOMPARE(b->offeneFragen().first(), 3);

        const QByteArray aus = b->ausgefuellt();
        QCOMPARE(aus.size(), roh.size() + 3);
        QCOMPARE(aus.count("\r\n"), roh.count("\r\n"));
        QVERIFY(aus.contains("\r\nx\td) Antwort D\r\n"));
        QVERIFY(aus.contains("\r\nx\ta) 1 Bild eins\r\n"));
        const Kreuze k = kreuzeEinlesen(zeilenAufteilen(ansiDekodieren(aus)));
        QCOMPARE(k.antwort[1], u"d"_s);
        QCOMPARE(k.antwort[2], u"a"_s);
        QCOMPARE(k.antwort[3], QString());
        QCOMPARE(k.antwort[40], u"c"_s);
        QCOMPARE(k.kreuzAnzahl[1], qint16(1));
        QVERIFY(!k.falschPositioniert);

        // Der Zwischenstand bringt dieselben Kreuze zurueck; ein fremder wird abgelehnt.
        std::optional<Testbogen> neu = Testbogen::ausBytes(roh, fehler);
        QVERIFY(neu->kreuzeUebernehmen(aus));
        QCOMPARE(neu->ausgefuellt(), aus);
        QByteArray fremd = aus;
        fremd.replace("Frage Nummer 7", "Frage Nummer 8");
        std::optional<Testbogen> dritter = Testbogen::ausBytes(roh, fehler);
        QVERIFY(!dritter->kreuzeUebernehmen(fremd));
        QVERIFY(!dritter->kreuzeUebernehmen(kopieBytes(3)));
        QCOMPARE(dritter->ausgefuellt(), roh);
    }

    // Jede Zeilenform bleibt erhalten; der Zwischenstand findet seine Kreuze wieder.
    void rundreise_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray crlf = kopieBytes(3);
        QByteArray lf = crlf;
        lf.replace("\r\n", "\n");
        QTest::newRow("CR LF") << crlf;
        QTest::newRow("LF") << lf;
        QTest::newRow("ohne letztes Zeilenende") << crlf.chopped(2);
        QTest::newRow("CR am Ende") << crlf.chopped(1);
    }
    void rundreise()
    {
        QFETCH(QByteArray, bytes);
        QString fehler;
        std::optional<Testbogen> b = Testbogen::ausBytes(bytes, fehler);
        QVERIFY2(b, qPrintable(fehler));
        QVERIFY(b->waehlen(0, 0));
        QVERIFY(b->waehlen(2, 3));
        const QByteArray aus = b->ausgefuellt();
        QCOMPARE(aus.size(), bytes.size() + 2);
        QCOMPARE(aus.count('\n'), bytes.count('\n'));
        b->leeren();
        QVERIFY(b->kreuzeUebernehmen(aus));
        QCOMPARE(b->ausgefuellt(), aus);
    }

    void bilder_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<int>("ziffer");
        QTest::addColumn<QString>("text");
        QTest::newRow("Bild") << u"\tb) 2 Mond"_s << 2 << u"Mond"_s;
        QTest::newRow("nur Bild") << u"\tc) 3"_s << 3 << QString();
        QTest::newRow("ohne Bild") << u"\ta) Antwort A"_s << -1 << u"Antwort A"_s;
        QTest::newRow("Zahl im Text") << u"\ta) 12 Volt"_s << 1 << u"2 Volt"_s;
    }
    void bilder()
    {
        QFETCH(QString, zeile);
        QFETCH(int, ziffer);
        QCOMPARE(bildziffer(zeile), ziffer);
        QString fehler;
        const auto b = Testbogen::ausBytes(
            ansiZeilenAlsBytes({u"1)\tF"_s, zeile.left(1) + u"a"_s + zeile.mid(2), u"\tb) B"_s,
                                u"\tc) C"_s, u"\td) D"_s}),
            fehler);
        QVERIFY2(b, qPrintable(fehler));
        QCOMPARE(b->fragen()[0].antworten[0].bildziffer, ziffer);
        QTEST(b->fragen()[0].antworten[0].text, "text");
        QCOMPARE(bildMuster(5, 2), u"05-2*.jpg"_s);
    }

    // Der Zwischenname trifft nie das Einsammelmuster, der persoenliche Name immer.
    void zwischenname_data()
    {
        QTest::addColumn<QString>("kuerzel");
        QTest::newRow("7x") << u"7x"_s;
        QTest::newRow("0a") << u"0a"_s;
        QTest::newRow("7.") << u"7."_s;
        QTest::newRow("Kurs") << u"9I"_s;
    }
    void zwischenname()
    {
        QFETCH(QString, kuerzel);
        const QString name = sp::persoenlicherDateiname(u"Karl"_s, u"Schmidtbauer"_s, kuerzel);
        const QStringList muster{sp::abgabeMuster(kuerzel)};
        QVERIFY(QDir::match(muster, name));
        QVERIFY(!QDir::match(muster, abgabeZwischenname(name)));
    }

    void abgebenUndErsetzen()
    {
        schuelerhilfe::Server s;
        s.bereitstellen({{u"Lena"_s, u"Albrecht"_s}});
        const Bereitgestellt t = s.test();
        AbgabeErgebnis e = abgeben(s.k, t, u"Albrecht.L7x"_s, "erste\r\n");
        QCOMPARE(e.art, AbgabeErgebnis::Art::Abgegeben);
        QCOMPARE(e.ziel, s.eingang() + u"Albrecht.L7x"_s);
        e = abgeben(s.k, t, u"Albrecht.L7x"_s, "zweite\r\n");
        QCOMPARE(e.art, AbgabeErgebnis::Art::Abgegeben);
        QCOMPARE(dateiInhalt(e.ziel), QByteArray("zweite\r\n"));
        QCOMPARE(QDir(s.eingang()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"Albrecht.L7x"_s});
        // Schreibt nie in den Ausgabeordner.
        QCOMPARE(dateiInhalt(s.ausgabeKlasse() + u"Albrecht.L7x"_s),
                 ansiZeilenAlsBytes(schuelerhilfe::kopie(u"Lena"_s, u"Albrecht"_s)));
    }

    // Abgabe unmoeglich: beendeter Test, fehlender, umgelenkter oder verstellter Abgabeordner.
    // Es bleibt nichts Halbes liegen.
    void abgabeUnmoeglich_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<int>("art");
        QTest::newRow("Test beendet") << u"beendet"_s << int(AbgabeErgebnis::Art::TestBeendet);
        QTest::newRow("Abgabeordner fehlt")
            << u"fehlt"_s << int(AbgabeErgebnis::Art::NichtMoeglich);
        QTest::newRow("DropBox ist Verknuepfung")
            << u"verknuepfung"_s << int(AbgabeErgebnis::Art::NichtMoeglich);
        QTest::newRow("DropBox ist Datei") << u"datei"_s << int(AbgabeErgebnis::Art::NichtMoeglich);
        QTest::newRow("Ziel ist Ordner")
            << u"zielordner"_s << int(AbgabeErgebnis::Art::NichtMoeglich);
    }
    void abgabeUnmoeglich()
    {
        QFETCH(QString, fall);
        schuelerhilfe::Server s;
        s.bereitstellen({{u"Lena"_s, u"Albrecht"_s}});
        const Bereitgestellt t = s.test();
        Testordner woanders;
        QDir().mkpath(s.k.abgabeOrdner + u"Meier"_s);
        if (fall == u"beendet"_s) {
            QVERIFY(QFile::remove(t.signalDatei));
        } else if (fall == u"fehlt"_s) {
            QVERIFY(QDir(s.k.abgabeOrdner).removeRecursively());
        } else if (fall == u"verknuepfung"_s) {
            QVERIFY(QFile::link(woanders.pfad(), s.eingang().chopped(1)));
        } else if (fall == u"datei"_s) {
            dateiSchreiben(s.eingang().chopped(1), "x");
        } else {
            QDir().mkpath(s.eingang() + u"Albrecht.L7x"_s);
        }
        const AbgabeErgebnis e = abgeben(s.k, t, u"Albrecht.L7x"_s, "kreuze\r\n");
        QFETCH(int, art);
        QCOMPARE(int(e.art), art);
        QVERIFY(!e.meldung.isEmpty());
        QVERIFY(QDir(woanders.pfad()).isEmpty());
        QVERIFY(!QFile::exists(s.eingang() + abgabeZwischenname(u"Albrecht.L7x"_s)));
    }

    // Eine belegte Datei (die Einsammlung liest gerade die vorige Abgabe) wird bis zu 5 s
    // abgewartet; dann gibt es eine Meldung, und die fruehere Abgabe ist unversehrt. Nach dem
    // Umbenennen laeutet die Glocke: ist der Test inzwischen beendet, nimmt die Abgabe sich wieder
    // heraus und sagt es, es sei denn, die Einsammlung hat sie schon genommen.
    void abgabeAufDerFreigabe_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QList<int>>("anlegen");
        QTest::addColumn<QList<int>>("umbenennen");
        QTest::addColumn<QList<int>>("entfernen");
        QTest::addColumn<int>("art");
        QTest::addColumn<QByteArray>("liegt"); // Inhalt unter dem persoenlichen Namen danach
        QTest::addColumn<int>("gewartet");
        const QList<int> keine;
        const int ab = int(AbgabeErgebnis::Art::Abgegeben);
        const int beendet = int(AbgabeErgebnis::Art::TestBeendet);
        const int nicht = int(AbgabeErgebnis::Art::NichtMoeglich);
        QTest::newRow("Umbenennen kurz belegt")
            << QString() << keine << QList<int>{EACCES, EBUSY, EPERM} << keine << ab
            << QByteArray("neu") << 50 + 100 + 200;
        QTest::newRow("Anlegen kurz belegt") << QString() << QList<int>{EEXIST, EBUSY} << keine
                                             << keine << ab << QByteArray("neu") << 50 + 100;
        QTest::newRow("Umbenennen bleibt belegt")
            << QString() << keine << QList<int>(40, EBUSY) << keine << nicht << QByteArray("alt")
            << kAbgabeWartezeitMs;
        QTest::newRow("Platte voll")
            << QString() << QList<int>{ENOSPC} << keine << keine << nicht << QByteArray("alt") << 0;
        QTest::newRow("Test beendet beim Umbenennen")
            << u"beendet"_s << keine << keine << keine << beendet << QByteArray() << 0;
        QTest::newRow("beendet, Abgabe kurz belegt")
            << u"beendet"_s << keine << keine << QList<int>{EBUSY} << beendet << QByteArray() << 50;
        QTest::newRow("eingesammelt, dann beendet")
            << u"eingesammelt"_s << keine << keine << keine << ab << QByteArray() << 0;
        QTest::newRow("beendet, beim Herausnehmen eingesammelt")
            << u"beimEntfernenEingesammelt"_s << keine << keine << QList<int>{EACCES} << ab
            << QByteArray() << 50;
    }
    void abgabeAufDerFreigabe()
    {
        QFETCH(QString, fall);
        schuelerhilfe::Server s;
        s.bereitstellen({{u"Lena"_s, u"Albrecht"_s}});
        const Bereitgestellt t = s.test();
        QCOMPARE(abgeben(s.k, t, u"Albrecht.L7x"_s, "alt").art, AbgabeErgebnis::Art::Abgegeben);
        const QString ziel = s.eingang() + u"Albrecht.L7x"_s;
        const QString eingesammelt = s.t.datei(u"T2-Ausge.Albrecht.L7x"_s);
        Freigabe f;
        f.ziel = ziel;
        QFETCH(QList<int>, anlegen);
        QFETCH(QList<int>, umbenennen);
        QFETCH(QList<int>, entfernen);
        f.stoerungen = {
            {u"anlegen"_s, anlegen}, {u"umbenennen"_s, umbenennen}, {u"entfernen"_s, entfernen}};
        const auto einsammeln = [&] { QVERIFY(QFile::rename(ziel, eingesammelt)); };
        if (!fall.isEmpty()) {
            f.nachUmbenennen = [&] {
                if (fall == u"eingesammelt"_s) {
                    einsammeln();
                }
                QVERIFY(QFile::remove(t.signalDatei));
            };
        }
        if (fall == u"beimEntfernenEingesammelt"_s) {
            f.vorEntfernen = einsammeln;
        }
        const AbgabeErgebnis e = abgeben(s.k, t, u"Albrecht.L7x"_s, "neu", f);
        QTEST(int(e.art), "art");
        QTEST(f.gewartet, "gewartet");
        QTEST(QFile::exists(ziel) ? dateiInhalt(ziel) : QByteArray(), "liegt");
        QVERIFY(!QFile::exists(s.eingang() + abgabeZwischenname(u"Albrecht.L7x"_s)));
        if (fall.startsWith(u"eingesammelt"_s) || fall == u"beimEntfernenEingesammelt"_s) {
            QCOMPARE(dateiInhalt(eingesammelt), QByteArray("neu"));
        }
        switch (e.art) {
        case AbgabeErgebnis::Art::Abgegeben:
            QCOMPARE(e.meldung, u"Dein Test ist abgegeben. Du kannst Mivo jetzt schließen."_s);
            break;
        case AbgabeErgebnis::Art::TestBeendet:
            QVERIFY2(e.meldung.startsWith(u"Deine Abgabe kam zu spät: Deine Lehrkraft hat den "
                                          "Test gerade beendet. Diese Abgabe wurde NICHT "
                                          "angenommen"_s),
                     qPrintable(e.meldung));
            break;
        case AbgabeErgebnis::Art::NichtMoeglich:
            QVERIFY(e.meldung.startsWith(u"Dein Test konnte nicht abgegeben werden"_s));
            break;
        }
    }

    void eigenerOrdnerUndRueckgabe()
    {
        schuelerhilfe::Server s;
        s.bereitstellen({{u"Lena"_s, u"Albrecht"_s}});
        const Bereitgestellt t = s.test();
        const QString stand = zwischenstandPfad(s.k, t, u"Albrecht.L7x"_s);
        QCOMPARE(stand,
                 s.k.schuelerOrdner + u"Mivo-Zwischenstand Meier-7xP1Sich Albrecht.L7x.txt"_s);
        QCOMPARE(imEigenenOrdnerSichern(stand, "a"), QString());
        // Eine Verknuepfung im eigenen Ordner wird ersetzt, ihr Ziel nie beschrieben.
        Testordner woanders;
        woanders.schreibe(u"ziel"_s, "bleibt");
        QVERIFY(QFile::remove(stand));
        QVERIFY(QFile::link(woanders.datei(u"ziel"_s), stand));
        QCOMPARE(imEigenenOrdnerSichern(stand, "neu"), QString());
        QCOMPARE(woanders.lies(u"ziel"_s), QByteArray("bleibt"));
        QCOMPARE(dateiInhalt(stand), QByteArray("neu"));
        Konfig ohne = s.k;
        ohne.schuelerOrdner = u"H:\\"_s;
        QCOMPARE(zwischenstandPfad(ohne, t, u"Albrecht.L7x"_s), QString());
    }

    // Rueckgaben; im selben Ordner wie die Tests entscheidet der Inhalt, was was ist.
    void rueckgabe_data()
    {
        QTest::addColumn<bool>("gleicherOrdner");
        QTest::newRow("eigener Rueckgabeordner") << false;
        QTest::newRow("Rueckgabe = Ausgabe") << true;
    }
    void rueckgabe()
    {
        QFETCH(bool, gleicherOrdner);
        schuelerhilfe::Server s;
        if (gleicherOrdner) {
            s.k.rueckgabeOrdner = s.k.ausgabeOrdner;
        }
        s.bereitstellen({{u"Lena"_s, u"Albrecht"_s}}, u"7xP2Elek"_s);
        Testordner benotet;
        ansiZeilenSchreiben(benotet.datei(u"Albrecht.L7x"_s),
                            schuelerhilfe::kopie(u"Lena"_s, u"Albrecht"_s));
        const QString klasse =
            sp::rueckgabeKlassenOrdner(s.k.rueckgabeOrdner, u"Meier/"_s, u"7x"_s);
        // Die Rueckgabe leert den Klassenordner zuerst: nur die Dokumente liegen dann dort.
        if (gleicherOrdner) {
            QVERIFY(QDir(klasse).removeRecursively());
        }
        QDir().mkpath(klasse);
        const QString doc =
            rueckgabeDokumentName(QDate(2024, 11, 20), u"7xP1Sich"_s, u"Albrecht.L7x"_s);
        QCOMPARE(benoteteKopieUmwandeln(benotet.datei(u"Albrecht.L7x"_s), klasse + doc), QString());
        dateiSchreiben(klasse + u"Mivo-Test kaputt 7xP1Sich- Bauer.J- benotet.Doc"_s, "kein RTF");
        dateiSchreiben(s.k.rueckgabeOrdner +
                           sp::signalDateiname(u"7x"_s, u"Meier/"_s, u"7xP1Sich"_s),
                       "2024-11-20\r\n");

        const Suche su = bereitgestellteSuchen(s.k.rueckgabeOrdner, u"7x"_s, Art::Rueckgabe);
        QCOMPARE(su.gefunden.size(), 1);
        QCOMPARE(su.gefunden[0].testKuerzel, u"7xP1Sich"_s);
        QCOMPARE(bereitgestellteSuchen(s.k.ausgabeOrdner, u"7x"_s, Art::Test).gefunden.size(),
                 gleicherOrdner ? 0 : 1);
        const EintragsListe l = rueckgabenAuflisten(su.gefunden[0]);
        QCOMPARE(l.eintraege.size(), 1);
        QCOMPARE(l.eintraege[0].anzeige(), u"Albrecht, Lena"_s);
        QCOMPARE(l.eintraege[0].datei, doc);

        RueckgabeDokument d = rueckgabeDokument(su.gefunden[0], l.eintraege[0]);
        QVERIFY(!d.speichernErlaubt);
        QVERIFY(!rueckgabeSpeichern(s.k, d).isEmpty());
        QVERIFY(!QFile::exists(s.k.schuelerOrdner + doc));
        dateiSchreiben(klasse + sp::kSpeicherIndikator, QByteArray());
        d = rueckgabeDokument(su.gefunden[0], l.eintraege[0]);
        QVERIFY(d.speichernErlaubt);
        QString ziel;
        QCOMPARE(rueckgabeSpeichern(s.k, d, &ziel), QString());
        QCOMPARE(ziel, s.k.schuelerOrdner + doc);
        QCOMPARE(dateiInhalt(ziel), dateiInhalt(klasse + doc));
    }

    // Die Bilder kommen mit, in einen Ordner je Dokument: nur gewoehnliche Dateien, begrenzt;
    // eine Verknuepfung am Ziel wird ersetzt, ihr Ziel nie beschrieben.
    void rueckgabeMitBildern()
    {
        schuelerhilfe::Server s;
        const QString klasse =
            sp::rueckgabeKlassenOrdner(s.k.rueckgabeOrdner, u"Meier/"_s, u"7x"_s);
        const QString bilder = klasse + u"Bilder/"_s;
        QDir().mkpath(bilder);
        const QString doc = u"Mivo-Test 2024-11-20 7xP1Sich- Albrecht.L- benotet.Doc"_s;
        dateiSchreiben(klasse + doc, "{\\rtf1 x}");
        dateiSchreiben(klasse + sp::kSpeicherIndikator, QByteArray());
        dateiSchreiben(bilder + u"02-1 Gruen.jpg"_s, "gruen");
        dateiSchreiben(bilder + u"03-1 Gross.jpg"_s, QByteArray(kGrenzeFremdeDatei + 1, 'g'));
        Testordner woanders;
        woanders.schreibe(u"geheim.jpg"_s, "geheim");
        QVERIFY(QFile::link(woanders.datei(u"geheim.jpg"_s), bilder + u"04-1 Link.jpg"_s));
        const QString ziel =
            rueckgabeBilderOrdner(s.k.schuelerOrdner, RueckgabeDokument{{}, doc, {}, false});
        QCOMPARE(ziel, s.k.schuelerOrdner +
                           u"Mivo-Test 2024-11-20 7xP1Sich- Albrecht.L- benotet Bilder/"_s);
        QDir().mkpath(ziel);
        QVERIFY(QFile::link(woanders.datei(u"geheim.jpg"_s), ziel + u"02-1 Gruen.jpg"_s));

        Bereitgestellt r;
        r.ordner = klasse;
        const RueckgabeDokument d = rueckgabeDokument(r, Eintrag{doc, {}, {}});
        QCOMPARE(d.bilderOrdner, bilder);
        // Das zu grosse Bild fehlt: die Meldung sagt es, Dokument und kleines Bild sind da.
        QVERIFY(rueckgabeSpeichern(s.k, d).contains(u"Bilder aber nicht vollständig"_s));
        QCOMPARE(dateiInhalt(s.k.schuelerOrdner + doc), dateiInhalt(klasse + doc));
        QCOMPARE(dateiInhalt(ziel + u"02-1 Gruen.jpg"_s), QByteArray("gruen"));
        QVERIFY(!istVerknuepfung(ziel + u"02-1 Gruen.jpg"_s));
        QCOMPARE(woanders.lies(u"geheim.jpg"_s), QByteArray("geheim"));
        QCOMPARE(QDir(ziel).entryList(QDir::Files | QDir::System),
                 QStringList{u"02-1 Gruen.jpg"_s});

        QVERIFY(QFile::remove(bilder + u"03-1 Gross.jpg"_s));
        QCOMPARE(rueckgabeSpeichern(s.k, d), QString());
    }
};

QTEST_GUILESS_MAIN(TestSchuelerseite)
#include "test_schuelerseite.moc"
