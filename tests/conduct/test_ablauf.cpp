// Der Weg eines Tests ohne Fenster: austeilen, ausfuellen wie das Schuelerprogramm, einsammeln
// (mit feindlichem Abgabeordner), benoten, Klassenspiegel und Zusammenfassung.
#include "classdata/klassendatei.h"
#include "common/ansitext.h"
#include "common/ordner.h"
#include "conduct/benotung.h"
#include "conduct/einsammeln.h"
#include "conduct/verteilung.h"
#include "settings/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kJahr = u"2024-25"_s;
const QString kCode = u"7xP1Bspl"_s;
// Schluessel des Beispieltests, Gruppe A.
const QString kLoesungA = u"bbbbababbb"_s;
const QString kErgebnisVoll = u"Ergebnis\t2\t1\t1\t2\t2\t1\t2\t3\t1\t2\t17"_s;
const QString kStriche = QString(70, u'-');
const QString kGleich = QString(66, u'=');

QStringList lesen(const QString &pfad)
{
    return ansiZeilenLesen(pfad).zeilen;
}

// Kreuzt je Frage die Antwort mit dem Buchstaben aus loesung an (mit praefix vor der Zeile).
QStringList ankreuzen(QStringList kopie, const QString &loesung, const QString &praefix = u"x"_s)
{
    static const QRegularExpression frage(u"^\\d+\\)"_s);
    int q = 0;
    for (QString &z : kopie) {
        if (frage.match(z).hasMatch()) {
            ++q;
        } else if (q >= 1 && q <= loesung.size() && z.startsWith(u'\t') && z.size() > 2 &&
                   z[1] == loesung[q - 1] && z[2] == u')') {
            z = praefix + z;
        }
    }
    return kopie;
}

} // namespace

class TestAblauf : public QObject
{
    Q_OBJECT
    Testordner t;
    Einstellungen e;
    TestPfade test;
    Klasse klasse;
    FesteUhr uhr{QDateTime(QDate(2024, 11, 5), QTime(9, 30))};

    QString eingang() const { return e.abgabeOrdner + e.lehrername + u"DropBox/"_s; }
    void abgeben(const QString &name, const QStringList &zeilen)
    {
        QVERIFY(ansiZeilenSchreiben(eingang() + name, zeilen).ok());
    }
    QStringList kopie(const QString &name) { return lesen(test.kopienOrdner() + name); }

private slots:
    void initTestCase()
    {
        setzeAbgabeRuhezeitMs(0);
        e.basisOrdner = e.programmOrdner = t.pfad() + u"basis/"_s;
        e.ausgabeOrdner = t.pfad() + u"server/aus/"_s;
        e.abgabeOrdner = t.pfad() + u"server/ab/"_s;
        e.rueckgabeOrdner = t.pfad() + u"server/rueck/"_s;
        e.lehrername = u"Meier/"_s;
        test = {e.basisOrdner, kJahr, kCode};
        QVERIFY(baumKopieren(QStringLiteral(MIVO_QUELLE "/basisordner/2016-17 Beispiele/7xP1Bspl"),
                             test.testOrdner()));
        QVERIFY(dateiKopieren(QStringLiteral(MIVO_BASIS "/2016-17 Beispiele/L-7x-Ph.DTA"),
                              test.schuljahrOrdner() + u"L-7x-Ph.DTA"_s));
    }

    void austeilen()
    {
        SkriptRueckfragen r;
        const QString klassenDatei = klassenDateiErmitteln(test, r, true);
        QCOMPARE(klassenDatei, test.schuljahrOrdner() + u"L-7x-Ph.DTA"_s);
        QVERIFY(klasseLadenAusDatei(klassenDatei, klasse, r));
        QCOMPARE(klassenGroesse(klasse), 25);

        r.antworte(Rueckfragen::Knopf::Ok);
        FolgeZufall zufall({1, 2, 0, 0, 3, 1, 1, 0});
        QCOMPARE(kopienAnfertigen(test, klasse, zufall, r), Kopien::Neu);
        QCOMPARE(r.fragen(), QStringList{u"Kopien fertig gestellt (25 Sch.).\r\nZum Starten der "
                                         "Testdurchführung den OK-Button klicken. "_s});
        QCOMPARE(dateienNachMuster(test.kopienOrdner(), u"*"_s).size(), 25);
        QCOMPARE(dateienNachMuster(test.abgabenOrdner(), u"*.?7x"_s).size(), 25);
        QCOMPARE(lesen(test.abgabenOrdner() + u"Albrecht.L7x"_s)[0],
                 u"krank:     Name:  Lena Albrecht"_s);
        QCOMPARE(kopie(u"Bauer.J7x"_s)[2].right(1), u"B"_s);
        const QStringList gruppen = lesen(test.gruppenDatei());
        QCOMPARE(gruppen.size(), 75);
        QCOMPARE(gruppen.mid(0, 6),
                 (QStringList{u"Lena"_s, u"Albrecht"_s, u"A"_s, u"Jonas"_s, u"Bauer"_s, u"B"_s}));
        const QStringList sitzplan = lesen(test.sitzplanDatei());
        QCOMPARE(sitzplan.size(), 2 + 4);
        QCOMPARE(sitzplan[0], u" Sitzplan:  Klasse 7x"_s);
        QCOMPARE(sitzplan[2].split(u'\t').size(), 8);
        QCOMPARE(sitzplan[2].split(u'\t')[0], u"Albrecht, Lena"_s);
        QCOMPARE(sitzplan[5], u"Weiss, Nele"_s);
        const QStringList namen = sitzplanLesen(test);
        QCOMPARE(namen.size(), 25);
        QCOMPARE(namen[8], u"Gruenewald, Sophie"_s);

        const Bereitstellung b = testBereitStellen(test, e, uhr, r);
        QVERIFY(b.ok);
        QCOMPARE(b.zielOrdner, e.ausgabeOrdner + u"Meier/7x/"_s);
        QCOMPARE(b.liste.size(), 25);
        QCOMPARE(b.liste[0], u"Albrecht.L"_s);
        QVERIFY(b.mitBildern);
        QCOMPARE(dateienNachMuster(b.zielOrdner + u"Bilder"_s, u"*.jpg"_s).size(), 4);
        QCOMPARE(lesen(e.ausgabeOrdner + u"7x-Meier-7xP1Bspl.tmp"_s), QStringList{u"2024-11-05"_s});
    }

    void ausfuellenUndEinsammeln()
    {
        const QString loesungB = [this] {
            const Loesung l = *loesungAusZeilen(lesen(test.vorlage(u'B')));
            QString s;
            for (int q = 1; q <= l.fragen; ++q) {
                s += l.loesung[q];
            }
            return s;
        }();
        QVERIFY(loesungB != kLoesungA);
        QDir().mkpath(eingang());
        // 1 alles richtig; 2 (B) alles richtig, Frage 1 mit verrutschtem Kreuz; 3 falsche Gruppe;
        // 4 fehlt; 5 Frage 1 doppelt angekreuzt; 6 (B) gibt zweimal ab; 7 binaer; 8 60 Fragen
        // (nicht dieser Test); 9 zu gross; 10 leer; 10-25 geben nicht ab.
        abgeben(u"Albrecht.L7x"_s, ankreuzen(kopie(u"Albrecht.L7x"_s), kLoesungA));
        QStringList bauer = ankreuzen(kopie(u"Bauer.J7x"_s), loesungB.mid(1));
        {
            QStringList nur1 = ankreuzen(kopie(u"Bauer.J7x"_s), loesungB.left(1), u" x"_s);
            const QStringList rest = ankreuzen(kopie(u"Bauer.J7x"_s), u"."_s + loesungB.mid(1));
            for (qsizetype i = 0; i < nur1.size(); ++i) {
                bauer[i] = nur1[i] != kopie(u"Bauer.J7x"_s)[i] ? nur1[i] : rest[i];
            }
        }
        abgeben(u"Bauer.J7x"_s, bauer);
        QStringList becker = ankreuzen(kopie(u"Becker.M7x"_s), kLoesungA);
        becker[2].back() = u'B';
        abgeben(u"Becker.M7x"_s, becker);
        abgeben(u"Doehring.E7x"_s,
                ankreuzen(ankreuzen(kopie(u"Doehring.E7x"_s), kLoesungA), u"a"_s));
        abgeben(u"Engel.F7x"_s, kopie(u"Engel.F7x"_s));
        dateiSchreiben(eingang() + u"Fischer.H7x"_s, QByteArray("Name\0\0\0binaer", 14));
        QStringList lang = kopie(u"Franke.L7x"_s);
        for (int q = 11; q <= 60; ++q) {
            lang << QString::number(q) + u")\tFrage"_s << u"\ta) A"_s << u"\tb) B"_s << u"\tc) C"_s
                 << u"\td) D"_s;
        }
        abgeben(u"Franke.L7x"_s, lang);
        dateiSchreiben(eingang() + u"Gruenewa.S7x"_s, QByteArray(2 * 1024 * 1024, 'x'));
        dateiSchreiben(eingang() + u"Hartmann.M7x"_s, QByteArray());
        QVERIFY(QFile::link(u"/etc/passwd"_s, eingang() + u"Evil.X7x"_s));
        QDir().mkpath(eingang() + u"Ordner.Y7x"_s);
        dateiSchreiben(eingang() + u"Pri:vat.K7x"_s, "x\r\n");
        dateiSchreiben(eingang() + u"Fremd.K8a"_s, "andere Klasse\r\n");

        SkriptRueckfragen r;
        Einsammlung z;
        QStringList gesammelt;
        for (int schritt = 0; schritt < 20; ++schritt) {
            const Einsammelschritt s = testsMitnehmen(test, e, z, uhr, r);
            if (!s.eingesammelt) {
                break;
            }
            QCOMPARE(s.verschobenNach, test.abgabenOrdner());
            gesammelt << s.name;
        }
        QCOMPARE(gesammelt, (QStringList{u"Albrecht.L7x"_s, u"Bauer.J7x"_s, u"Becker.M7x"_s,
                                         u"Doehring.E7x"_s, u"Engel.F7x"_s}));
        // Jede abgewiesene Abgabe einmal, mit dem Grund; sie bleibt im Abgabeordner liegen.
        const QStringList meldungen = r.meldungen();
        QCOMPARE(meldungen.size(), 7);
        const QList<std::pair<QString, QString>> abgewiesen{
            {u"Evil.X7x"_s, u"ist eine Verknüpfung"_s},
            {u"Gruenewa.S7x"_s, u"ist größer als 1 MiB"_s},
            {u"Ordner.Y7x"_s, u"ist ein Ordner"_s},
            {u"Pri:vat.K7x"_s, u"hat einen Namen"_s},
            {u"Fischer.H7x"_s, u"ist keine Textdatei"_s},
            {u"Franke.L7x"_s, u"gehört nicht zu diesem Test"_s},
            {u"Hartmann.M7x"_s, u"ist leer"_s}};
        for (const auto &[name, grund] : abgewiesen) {
            QVERIFY2(meldungen.filter(eingang() + name + u' ' + grund).size() == 1,
                     qPrintable(name));
            QVERIFY(QFileInfo(eingang() + name).exists() ||
                    QFileInfo(eingang() + name).isSymLink());
        }
        // Ein zweiter Durchlauf meldet nichts mehr; die zweite Abgabe ersetzt die erste.
        abgeben(u"Engel.F7x"_s, ankreuzen(kopie(u"Engel.F7x"_s), loesungB));
        QVERIFY(testsMitnehmen(test, e, z, uhr, r).eingesammelt);
        QVERIFY(!testsMitnehmen(test, e, z, uhr, r).eingesammelt);
        QCOMPARE(r.meldungen().size(), 7);
        QCOMPARE(z.zaehler, 5);
        QCOMPARE(z.abgegeben.size(), 6);
        QCOMPARE(lesen(test.abgabenOrdner() + u"Engel.F7x"_s),
                 ankreuzen(kopie(u"Engel.F7x"_s), loesungB));
        QVERIFY(QFileInfo(eingang() + u"Evil.X7x"_s).isSymLink());
        QVERIFY(QFileInfo::exists(eingang() + u"Fremd.K8a"_s));
        const QStringList protokoll = lesen(test.protokollDatei());
        QCOMPARE(protokoll.size(), 7);
        QCOMPARE(protokoll[0], QString(47, u'-'));
        QCOMPARE(protokoll[1], u"05.11.2024, 09:30 Uhr: Abgabe  1. Sch."_s);
        QCOMPARE(protokoll[6], u"05.11.2024, 09:30 Uhr: Abgabe  5. Sch."_s);
        QCOMPARE(protokollZaehlen(test), std::optional<int>(6));

        // Ist der Abgabeordner selbst eine Verknuepfung, wird nichts eingesammelt.
        Testordner woanders;
        woanders.schreibe(u"Meier.A7x"_s, "fremd\r\n");
        Einstellungen umgelenkt = e;
        umgelenkt.abgabeOrdner = t.pfad() + u"server/ab2/"_s;
        QDir().mkpath(umgelenkt.abgabeOrdner + u"Meier"_s);
        QVERIFY(QFile::link(woanders.pfad(), umgelenkt.abgabeOrdner + u"Meier/DropBox"_s));
        Einsammlung z2;
        r.leeren();
        QVERIFY(!testsMitnehmen(test, umgelenkt, z2, uhr, r).eingesammelt);
        QVERIFY(!testsMitnehmen(test, umgelenkt, z2, uhr, r).eingesammelt);
        QCOMPARE(r.meldungen().size(), 1);
        QVERIFY(QFile::exists(woanders.datei(u"Meier.A7x"_s)));
    }

    void benoten()
    {
        SkriptRueckfragen r;
        Benotungslauf lauf;
        QCOMPARE(testsBenoten(test, klasse, standardNormtabelle(), QDate(2024, 11, 5), lauf, r),
                 Ablauf::Ok);
        QCOMPARE(r.meldungen(),
                 (QStringList{u" Kreuze nicht korrekt positioniert von Schüler Nr.:  2, "_s,
                              u"Guppenzuordnung stimmt nicht bei Schüler Nr.: 3, "_s}));
        QCOMPARE(lauf.thema, u"Beispieltest zur Unfallverhütung"_s);

        const QString treffer = u"Kl.-Treffer\t4\t5\t5\t5\t5\t5\t5\t5\t5\t5"_s;
        const QStringList block{QString(),
                                u" Klassenspiegel:"_s,
                                u" ---------------------"_s,
                                u"Punkte : ab \t15\t13\t11\t8\t3\t0\t"_s,
                                u"Noten  :    \t1\t2\t3\t4\t5\t6\t"_s,
                                u"Durchschnitt (E-Niv.): 0,8"_s,
                                u"Schüler:    \t4\t0\t0\t0\t0\t0\tinsgesamt: 4 Sch."_s,
                                kStriche};

        // Die benotete Kopie von Platz 1, Zeile fuer Zeile.
        const QStringList ausgefuellt = ankreuzen(kopie(u"Albrecht.L7x"_s), kLoesungA);
        QStringList erwartet = ausgefuellt.mid(0, 7);
        erwartet << kErgebnisVoll << treffer << kStriche << kGleich
                 << u"Dein Testergebnis:      Notenpunkte: 15,         Note (E/G): 1+/1+"_s
                 << kGleich << block;
        for (const QString &z : ausgefuellt.mid(7)) {
            erwartet << (z.startsWith(u'x') ? u'=' + z : z);
        }
        QCOMPARE(lesen(test.benotetOrdner() + u"Albrecht.L7x"_s), erwartet);

        const QStringList brandt = lesen(test.benotetOrdner() + u"Brandt.P7x"_s);
        QCOMPARE(brandt[0], u"krank:     Name:  Paul Brandt"_s);
        QCOMPARE(brandt[7], u"Ergebnis\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0"_s);
        QCOMPARE(brandt[11], u"Dein Testergebnis:     Nicht teilgenommen"_s);
        QCOMPARE(lesen(test.benotetOrdner() + u"Doehring.E7x"_s)[11],
                 u"Dein Testergebnis:      Notenpunkte: 13,         Note (E/G): 1-/1+"_s);
        QCOMPARE(lesen(test.benotetOrdner() + u"Becker.M7x"_s)[11],
                 u"Dein Testergebnis:      Notenpunkte: 15,         Note (E/G): GF/1+"_s);
        // Nicht eingesammelt: der Platzhalter gilt.
        QCOMPARE(lesen(test.benotetOrdner() + u"Fischer.H7x"_s)[11],
                 u"Dein Testergebnis:     Nicht teilgenommen"_s);

        // Die Zusammenfassung, Zeile fuer Zeile.
        const QStringList a = lesen(test.vorlage(u'A'));
        QStringList z{QString(),
                      u"Ergebniszusammenfassung vom Test: 2024-25/7xP1Bspl"_s,
                      QString(),
                      kStriche,
                      u"Physik- Test Nr. 1          Kl.: 7x   "_s,
                      a[3],
                      a[4],
                      ausgefuellt[5],
                      ausgefuellt[6],
                      treffer,
                      kStriche};
        z << block << QString() << QString() << u"Nachname\tVorname\tPunkte\tZensur (E)"_s
          << QString();
        const QStringList zeilen{u"Albrecht    \tL.\t17\t1+"_s, u"Bauer       \tJ.\t17\t1+"_s,
                                 u"Becker      \tM.\t17\tGF"_s, u"Brandt      \tP.\t0\t/"_s,
                                 u"Doehring    \tE.\t15\t1-"_s, u"Engel       \tF.\t17\t1+"_s};
        z << zeilen;
        for (int nr = 7; nr <= 25; ++nr) {
            const Schueler &s = klasse.schueler(nr);
            z << s.nachname.left(8) +
                     QString(std::min<qsizetype>(8, 12 - s.nachname.left(8).size()), u' ') + u'\t' +
                     s.vorname.left(1) + u".\t0\t/"_s;
        }
        z << QString();
        QCOMPARE(lesen(test.zusammenfassung()), z);

        // Uebergabe an das Notenbuch: Plaetze 1..25 in sortierter Folge.
        QCOMPARE(lauf.ergebnisse[1].nachname, u"Albrecht"_s);
        QCOMPARE(lauf.ergebnisse[1].noteE, u"1+"_s);
        QCOMPARE(lauf.ergebnisse[7].nachname, u"Fischer"_s);
        QCOMPARE(lauf.ergebnisse[7].noteE, u"/"_s);
    }

    // Eine abgewiesene Abgabe wird einmal gemeldet; ersetzt der Schueler sie durch eine taugliche
    // Datei gleichen Namens, wird diese beim naechsten Schritt eingesammelt.
    void abgewieseneAbgabeErsetzt_data()
    {
        QTest::addColumn<QString>("art");
        QTest::newRow("zu gross") << u"gross"_s;
        QTest::newRow("Ordner") << u"ordner"_s;
        QTest::newRow("Verknuepfung") << u"verknuepfung"_s;
    }
    void abgewieseneAbgabeErsetzt()
    {
        QFETCH(QString, art);
        Testordner o;
        Einstellungen e2;
        e2.basisOrdner = e2.programmOrdner = o.pfad() + u"basis/"_s;
        e2.abgabeOrdner = o.pfad() + u"ab/"_s;
        e2.lehrername = u"Meier/"_s;
        const TestPfade t2{e2.basisOrdner, kJahr, kCode};
        QDir().mkpath(t2.testOrdner());
        QVERIFY(dateiKopieren(test.vorlage(u'A'), t2.vorlage(u'A')));
        const QString ein = e2.abgabeOrdner + u"Meier/DropBox/"_s;
        QDir().mkpath(ein);
        const QString name = u"Albrecht.L7x"_s;
        if (art == u"gross"_s) {
            dateiSchreiben(ein + name, QByteArray(2 * 1024 * 1024, 'x'));
        } else if (art == u"ordner"_s) {
            QDir().mkpath(ein + name);
        } else {
            o.schreibe(u"fremd.txt"_s, "fremd\r\n");
            QVERIFY(QFile::link(o.pfad() + u"fremd.txt"_s, ein + name));
        }
        SkriptRueckfragen r;
        Einsammlung z;
        QVERIFY(!testsMitnehmen(t2, e2, z, uhr, r).eingesammelt);
        QVERIFY(!testsMitnehmen(t2, e2, z, uhr, r).eingesammelt);
        QCOMPARE(r.meldungen().size(), 1);

        QVERIFY(QFile::remove(ein + name) || QDir(ein + name).removeRecursively());
        QVERIFY(ansiZeilenSchreiben(ein + name, kopie(name)).ok());
        const Einsammelschritt s = testsMitnehmen(t2, e2, z, uhr, r);
        QVERIFY(s.eingesammelt);
        QCOMPARE(s.name, name);
        QCOMPARE(lesen(t2.abgabenOrdner() + name), kopie(name));
        QCOMPARE(r.meldungen().size(), 1);
    }

    void klassenMusterUndNamen_data()
    {
        QTest::addColumn<QString>("kuerzel");
        QTest::addColumn<QString>("muster");
        QTest::newRow("Klasse") << u"7xP1Bspl"_s << u"L-7x-P"_s;
        QTest::newRow("Klasse 10") << u"0aM2Bruc"_s << u"L-10a-M"_s;
        QTest::newRow("Kurs") << u"9IK1Algo"_s << u"K-9-I"_s;
        QTest::newRow("Kurs 11") << u"1IK1Algo"_s << u"K-11-I"_s;
        QTest::newRow("Klasse 7") << u"7.P1Mech"_s << u"L-7-P"_s;
        QTest::newRow("Klasse 10 ohne Zug") << u"0.M1Bruc"_s << u"L-10-M"_s;
    }
    void klassenMusterUndNamen()
    {
        QFETCH(QString, kuerzel);
        QTEST(klassenMuster(kuerzel), "muster");
    }

    void klassendateiSuchen()
    {
        Testordner o;
        const TestPfade p{o.pfad(), kJahr, u"7xP1Bspl"_s};
        SkriptRueckfragen r;
        QCOMPARE(klassenDateiErmitteln(p, r, true), QString());
        QCOMPARE(r.meldungen(), QStringList{u"Achtung: Es wurde keine Klasse (L-7x-P...) gefunden! "
                                            "Die Testdurchführung ist nicht möglich."_s});
        o.schreibe(kJahr + u"/L-7x-Ph.DTA"_s, "x");
        o.schreibe(kJahr + u"/l-7x-phk.dta"_s, "x");
        o.schreibe(kJahr + u"/L-7y-Ph.DTA"_s, "x");
        r.leeren();
        r.dateiAntwort(p.schuljahrOrdner() + u"l-7x-phk.dta"_s);
        QCOMPARE(klassenDateiErmitteln(p, r, true), p.schuljahrOrdner() + u"l-7x-phk.dta"_s);
        QCOMPARE(r.dateiDialogTitel,
                 QStringList{u"Auswahl der Klassendatei für die Testdurchführung"_s});
        QVERIFY(r.meldungen().isEmpty());
    }

    void gleicheDateinamen()
    {
        // Zwei Schueler mit denselben 8 Buchstaben und derselben Initiale: nichts wird geschrieben.
        Klasse k = klasse;
        k.schueler(7).nachname = u"Schmidtbauer"_s;
        k.schueler(7).vorname = u"Kurt"_s;
        Testordner leer;
        const TestPfade neu{leer.pfad(), kJahr, kCode};
        QVERIFY(baumKopieren(test.testOrdner(), neu.testOrdner()));
        QVERIFY(dateiLoeschen(neu.protokollDatei()));
        QVERIFY(dateiLoeschen(neu.vorlage(u'B')));
        SkriptRueckfragen r;
        FolgeZufall zufall({});
        QCOMPARE(kopienAnfertigen(neu, k, zufall, r), Kopien::Abgebrochen);
        QCOMPARE(r.meldungen(),
                 QStringList{u"Die Schüler Nr. 7 (Kurt Schmidtbauer) und Nr. 22 (Karl "
                             "Schmidtbauer) erhielten dieselbe Testdatei \"Schmidtb.K7x\" und "
                             "würden sich gegenseitig überschreiben. Bitte einen der Namen in der "
                             "Klassendatei unterscheidbar machen. Die Testdurchführung wird "
                             "abgebrochen."_s});
        QVERIFY(!QFile::exists(neu.vorlage(u'B')));
    }

    void nochmalBenoten()
    {
        // Ein zweiter Lauf schreibt alle benoteten Kopien und die Zusammenfassung gleich neu.
        const QByteArray vorher = dateiInhalt(test.benotetOrdner() + u"Albrecht.L7x"_s);
        const QByteArray zusammen = dateiInhalt(test.zusammenfassung());
        SkriptRueckfragen r;
        Benotungslauf lauf;
        QCOMPARE(benotungStarten(test, e, klasse, std::nullopt, QDate(2024, 11, 5), lauf, r),
                 Ablauf::Ok);
        // Dialog abgebrochen: Standardanteile mit Hinweis.
        QCOMPARE(r.meldungen().first(),
                 u"Die Datei  \r\n"_s + e.programmOrdner +
                     u"Normtabellen/P-Normtabelle.xls\r\nkann nicht geöffnet werden. Es werden "
                     "die Standardwerte geladen."_s);
        QCOMPARE(dateiInhalt(test.benotetOrdner() + u"Albrecht.L7x"_s), vorher);
        QCOMPARE(dateiInhalt(test.zusammenfassung()), zusammen);
        // Benoten zieht die bereitgestellten Tests zurueck.
        QVERIFY(!QFile::exists(e.ausgabeOrdner + u"7x-Meier-7xP1Bspl.tmp"_s));
    }

    void nochmalAusteilen()
    {
        // Nach Abgaben fragt das Austeilen; "Nein" laesst alles im Testordner, wie es ist.
        SkriptRueckfragen r;
        r.antworte(Rueckfragen::Knopf::Nein);
        FolgeZufall zufall({});
        const QByteArray abgabe = dateiInhalt(test.abgabenOrdner() + u"Albrecht.L7x"_s);
        QCOMPARE(kopienAnfertigen(test, klasse, zufall, r), Kopien::Vorhanden);
        QVERIFY(r.fragen()[0].startsWith(
            u"Dieser Test (7xP1Bspl) wurde bereits von 6 Schülern bearbeitet!\r\n"_s));
        QCOMPARE(dateiInhalt(test.abgabenOrdner() + u"Albrecht.L7x"_s), abgabe);
        // Die vorhandenen Kopien werden wieder bereitgestellt.
        QVERIFY(testBereitStellen(test, e, uhr, r).ok);
        QCOMPARE(dateiInhalt(e.ausgabeOrdner + u"Meier/7x/Albrecht.L7x"_s),
                 dateiInhalt(test.kopienOrdner() + u"Albrecht.L7x"_s));
        // Zurueckziehen leert den Ausgabeordner und loescht die Signaldatei.
        QVERIFY(!bereitgestellteTestsLoeschen(test, e));
        QVERIFY(dateienNachMuster(e.ausgabeOrdner + u"Meier/7x/"_s, u"*"_s).isEmpty());
        QVERIFY(!QFile::exists(e.ausgabeOrdner + u"7x-Meier-7xP1Bspl.tmp"_s));
        QVERIFY(bereitgestellteTestsLoeschen(test, e));

        // "Ja" auf beide Fragen: Gruppe B neu (die alte gesichert), Platzhalter ersetzen Abgaben.
        const QByteArray altB = dateiInhalt(test.vorlage(u'B'));
        r.leeren();
        r.antworte(Rueckfragen::Knopf::Ja)
            .antworte(Rueckfragen::Knopf::Ja)
            .antworte(Rueckfragen::Knopf::Ok);
        FolgeZufall andere({0, 0, 0, 0});
        QCOMPARE(kopienAnfertigen(test, klasse, andere, r), Kopien::Neu);
        QCOMPARE(r.fragen().size(), 3);
        QVERIFY(r.fragen()[1].startsWith(u"Die Testdatei-Vorlage für Gruppe B existiert schon."_s));
        QVERIFY(r.fragen()[1].endsWith(test.sicherungB() + u"   gesichert.)"_s));
        QCOMPARE(dateiInhalt(test.sicherungB()), altB);
        QVERIFY(dateiInhalt(test.vorlage(u'B')) != altB);
        QCOMPARE(lesen(test.abgabenOrdner() + u"Albrecht.L7x"_s)[0],
                 u"krank:     Name:  Lena Albrecht"_s);
        QVERIFY(!protokollZaehlen(test));
    }
};

QTEST_GUILESS_MAIN(TestAblauf)
#include "test_ablauf.moc"
