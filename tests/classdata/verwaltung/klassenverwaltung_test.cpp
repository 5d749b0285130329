#include "classdata/klassendatei.h"
#include "classdata/klassenverwaltung.h"
#include "classdata/namenszeichen.h"
#include "common/ansitext.h"
#include "grades/klassenbau.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString namenListe(const Klasse &k)
{
    QStringList namen;
    for (int i = 1; i <= klassenGroesse(k); ++i) {
        const Schueler &s = k.schueler(i);
        namen.append(s.klasse + u':' + s.geschlecht + u':' + s.nachname + u',' + s.vorname);
    }
    return namen.join(u' ');
}

void speichern(const QString &pfad, const Klasse &k)
{
    SkriptRueckfragen r;
    QVERIFY(klassenlisteSchreiben(pfad, k, r));
}

Klasse laden(const QString &pfad)
{
    Klasse k;
    SkriptRueckfragen r;
    if (!klassenlisteLesen(pfad, k, r)) {
        qWarning("nicht lesbar");
    }
    return k;
}

} // namespace

class KlassenverwaltungTest : public QObject
{
    Q_OBJECT

private slots:
    void namenUndPruefung_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("jahrgang");
        QTest::addColumn<QString>("buchstabe");
        QTest::addColumn<QString>("fach");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("fehler");
        QTest::addColumn<QStringList>("meldungen");
        const auto keine = QStringList{};
        QTest::newRow("Klasse") << u"L"_s << u"7"_s << u"x"_s << u"Ph"_s << u"L-7x-Ph"_s
                                << int(WahlFehler::Keiner) << keine;
        QTest::newRow("Kurs") << u"K"_s << u"9"_s << u"a"_s << u"In"_s << u"K-9-aIn"_s
                              << int(WahlFehler::Keiner) << keine;
        QTest::newRow("Jahrgang 3 erlaubt") << u"L"_s << u"3"_s << u"1"_s << u"D"_s << u"L-31-D"_s
                                            << int(WahlFehler::Keiner) << keine;
        QTest::newRow("Jahrgang 14") << u"L"_s << u"14"_s << u"a"_s << u"D"_s << u"L-14a-D"_s
                                     << int(WahlFehler::Jahrgang) << keine;
        QTest::newRow("Jahrgang kein Wert") << u"L"_s << u"x"_s << u"a"_s << u"D"_s << u"L-xa-D"_s
                                            << int(WahlFehler::Jahrgang) << keine;
        QTest::newRow("kein Fach")
            << u"L"_s << u"7"_s << u"a"_s << u"..."_s << u"L-7a-..."_s << int(WahlFehler::Fach)
            << QStringList{u"Es fehlt die Angabe eines Fachbuchstabens."_s};
        QTest::newRow("Fach mit Pfadzeichen")
            << u"L"_s << u"7"_s << u"a"_s << u"/x"_s << u"L-7a-/x"_s << int(WahlFehler::Fach)
            << QStringList{u"Es fehlt die Angabe eines Fachbuchstabens."_s};
        QTest::newRow("kein Buchstabe und kein Fach")
            << u"L"_s << u"7"_s << u"."_s << u"..."_s << u"L-7.-..."_s << int(WahlFehler::Buchstabe)
            << QStringList{u"Es fehlt die Angabe eines Fachbuchstabens."_s,
                           u"Es fehlt die Angabe eines Klassen-/Kursbuchstabens."_s};
        QTest::newRow("Art M") << u"M"_s << u"7"_s << u"a"_s << u"D"_s << u"L-7a-D"_s
                               << int(WahlFehler::Art) << keine;
    }
    void namenUndPruefung()
    {
        QFETCH(QString, art);
        QFETCH(QString, jahrgang);
        QFETCH(QString, buchstabe);
        QFETCH(QString, fach);
        QFETCH(QString, name);
        QFETCH(int, fehler);
        QFETCH(QStringList, meldungen);
        const KlassenWahl wahl{art, jahrgang, buchstabe, fach};
        QCOMPARE(klassenName(wahl), name);
        SkriptRueckfragen r;
        QCOMPARE(int(klassenDatenOK(wahl, r)), fehler);
        QCOMPARE(r.meldungen(), meldungen);
    }

    void normalisierung_data()
    {
        QTest::addColumn<QString>("ein");
        QTest::addColumn<QString>("nurBuchstaben");
        QTest::addColumn<QString>("umlauteErsetzt");
        QTest::newRow("Bindestrich und Blank")
            << u"Mueller-Luedenscheidt;Hans Peter"_s << u"Muellerluedenscheidt;hanspeter"_s
            << u"Mueller-Luedenscheid"_s;
        QTest::newRow("grosse Umlaute fallen weg")
            << u"Ö Z T Ü R K"_s << u"Ztrk"_s << u"Oe Z T Ue R K"_s;
        QTest::newRow("kleine Umlaute bleiben")
            << u"Jürgen Groß"_s << u"Jürgengroß"_s << u"Juergen Gross"_s;
        QTest::newRow("Ziffern, Apostroph") << u"O'Neill 2"_s << u"Oneill"_s << u"O'Neill 2"_s;
        QTest::newRow("erstes Zeichen Umlaut bleibt klein")
            << u"ärger"_s << u"ärger"_s << u"aerger"_s;
        QTest::newRow("leer") << u""_s << u""_s << u""_s;
        QTest::newRow("auf 20 gekuerzt")
            << u"Äöüäöüäöüäöü"_s << u"öüäöüäöüäöü"_s << u"Aeoeueaeoeueaeoeueae"_s;
    }
    void normalisierung()
    {
        QFETCH(QString, ein);
        QFETCH(QString, nurBuchstaben);
        QFETCH(QString, umlauteErsetzt);
        QCOMPARE(loescheAlleZeichenAusser_normaleBuchstaben_und_semikolon(ein), nurBuchstaben);
        QCOMPARE(umlauteErsetzen(ein), umlauteErsetzt);
    }

    void buchstabenVereinfacht_data()
    {
        QTest::addColumn<QString>("ein");
        QTest::addColumn<QString>("aus");
        QTest::addColumn<QString>("normalisiert");
        QTest::newRow("Grossbuchstaben mit Umlaut")
            << u"ÖZTÜRK"_s << u"OeZTUeRK"_s << u"Oeztuerk"_s;
        QTest::newRow("Akzent vorn") << u"Émile"_s << u"Emile"_s << u"Emile"_s;
        QTest::newRow("Trema") << u"Zoë"_s << u"Zoe"_s << u"Zoe"_s;
        QTest::newRow("ß und Strich") << u"Łukasz Groß"_s << u"Lukasz Gross"_s << u"Lukaszgross"_s;
        QTest::newRow("osteuropaeisch")
            << u"Şahin Kőrösi Nováček"_s << u"Sahin Koroesi Novacek"_s << u"Sahinkoroesinovacek"_s;
        QTest::newRow("Ligaturen, Thorn")
            << u"Œdipe Ærø Þór"_s << u"Oedipe Aero Thor"_s << u"Oedipeaerothor"_s;
        QTest::newRow("anderes bleibt") << u"O'Neill-2 Ж"_s << u"O'Neill-2 Ж"_s << u"Oneill"_s;
        QTest::newRow("auf 20 gekuerzt")
            << u"Ääääääääää"_s << u"Aeaeaeaeaeaeaeaeaeae"_s << u"Aeaeaeaeaeaeaeaeaeae"_s;
    }
    void buchstabenVereinfacht()
    {
        QFETCH(QString, ein);
        QTEST(buchstabenVereinfachen(ein), "aus");
        QTEST(nameNormalisieren(ein), "normalisiert");
    }

    void nichtSpeicherbareNamenszeichen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("ANSI-Zeichen") << u"Željko Šimon-Œ €"_s << QString();
        QTest::newRow("Strich-L mit Vorschlag")
            << u"Łukasz"_s
            << u"Das Zeichen \"Ł\" im Namen \"Łukasz\" lässt sich in der Klassendatei nicht "
               u"speichern. Bitte schreiben Sie stattdessen \"L\"."_s;
        QTest::newRow("erstes fremdes Zeichen")
            << u"Kőrösi Ђ"_s
            << u"Das Zeichen \"ő\" im Namen \"Kőrösi Ђ\" lässt sich in der Klassendatei nicht "
               u"speichern. Bitte schreiben Sie stattdessen \"o\"."_s;
        QTest::newRow("ohne Ersatz")
            << u"Иван"_s
            << u"Das Zeichen \"И\" im Namen \"Иван\" lässt sich in der Klassendatei nicht "
               u"speichern. Bitte schreiben Sie den Namen ohne dieses Zeichen."_s;
        QTest::newRow("Zeichen ausserhalb der Grundebene")
            << u"Anna\U0001F600"_s
            << u"Das Zeichen \"\U0001F600\" im Namen \"Anna\U0001F600\" lässt sich in der "
               u"Klassendatei nicht speichern. Bitte schreiben Sie den Namen ohne dieses Zeichen."_s;
    }
    void nichtSpeicherbareNamenszeichen()
    {
        QFETCH(QString, name);
        QTEST(namenszeichenFehler(name), "meldung");
    }

    void umlauteDerDosCodeseite()
    {
        // Ä Ö Ü ä ö ü ß in Codeseite 850, als ANSI-Text eingelesen.
        const QString dos = ansiDekodieren("\x8E\x99\x9A\x84\x94\x81\xE1");
        QCOMPARE(umlauteErsetzen(dos), u"AeOeUeaeoeuess"_s);
        QCOMPARE(umlauteErsetzen(ansiDekodieren("M\x81ller")), u"Mueller"_s);
    }

    void importZeilen_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<bool>("schueler");
        QTest::addColumn<QString>("nachname");
        QTest::addColumn<QString>("vorname");
        QTest::addColumn<QString>("geschlecht");
        QTest::addColumn<QString>("klasse");
        QTest::newRow("Beispiel") << u"Mueller-Luedenscheidt;Hans Peter;m;b"_s << true
                                  << u"Muellerluedenscheidt"_s << u"Hanspeter"_s << u"m"_s
                                  << u"b"_s;
        // Umlaute werden vor dem Streichen ersetzt: grosse Umlaute und Akzente gehen nicht
        // verloren.
        QTest::newRow("grosse Umlaute")
            << u"Ö Z T Ü R K;ali;m;a"_s << true << u"Oeztuerk"_s << u"Ali"_s << u"m"_s << u"a"_s;
        QTest::newRow("Umlaut am Anfang")
            << u"ÄNNE;Änne;w;a"_s << true << u"Aenne"_s << u"Aenne"_s << u"w"_s << u"a"_s;
        QTest::newRow("Akzente") << u"Dupré;Émile;m;a"_s << true << u"Dupre"_s << u"Emile"_s
                                 << u"m"_s << u"a"_s;
        QTest::newRow("Trema, Cedille, Ligatur")
            << u"Çelik-Brontë;Zoë Æsa;w;a"_s << true << u"Celikbronte"_s << u"Zoeaesa"_s << u"w"_s
            << u"a"_s;
        QTest::newRow("Vorname bis Zeichen 40 nach dem Ersetzen")
            << u"ÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖ;Hannelore;w;a"_s << true << u"Oeoeoeoeoeoeoeoeoeoe"_s
            << u"Han"_s << u"w"_s << u"a"_s;
        QTest::newRow("kleine Umlaute")
            << u"Müller;jürgen;w;c"_s << true << u"Mueller"_s << u"Juergen"_s << u"w"_s << u"c"_s;
        QTest::newRow("Grossbuchstaben M und B")
            << u"MEIER;ANNA;W;B"_s << true << u"Meier"_s << u"Anna"_s << u"w"_s << u"b"_s;
        QTest::newRow("Geschlecht x, Klasse Ziffer")
            << u"Meier;Anna;x;9"_s << true << u"Meier"_s << u"Anna"_s << u""_s << u""_s;
        QTest::newRow("Klasse 9b ergibt b")
            << u"Meier;Anna;w;9b"_s << true << u"Meier"_s << u"Anna"_s << u"w"_s << u"b"_s;
        QTest::newRow("nur Nachname")
            << u"Meier"_s << true << u"Meier"_s << u""_s << u""_s << u""_s;
        QTest::newRow("Vorname nur bis Zeichen 40")
            << u"Abcdefghijabcdefghijabcdefghijabcdefg;Hannelore;w;a"_s << true
            << u"Abcdefghijabcdefghij"_s << u"Ha"_s << u"w"_s << u"a"_s;
        QTest::newRow("Vorname auf 20") << u"Li;Abcdefghijabcdefghijklm;m;a"_s << true << u"Li"_s
                                        << u"Abcdefghijabcdefghij"_s << u"m"_s << u"a"_s;
        QTest::newRow("leere Tabellenzeile")
            << u";;;"_s << false << u""_s << u""_s << u""_s << u""_s;
        QTest::newRow("leer") << u"  - 12"_s << false << u""_s << u""_s << u""_s << u""_s;
    }
    void importZeilen()
    {
        QFETCH(QString, zeile);
        QFETCH(bool, schueler);
        const auto z = importZeileZerlegen(zeile);
        QCOMPARE(z.has_value(), schueler);
        if (!z) {
            return;
        }
        QTEST(z->nachname, "nachname");
        QTEST(z->vorname, "vorname");
        QTEST(z->geschlecht, "geschlecht");
        QTEST(z->klasse, "klasse");
    }

    void importdateien()
    {
        Testordner t;
        SkriptRueckfragen r;
        t.schreibe(u"gut.csv"_s, "Abel;Anna;w;a\r\n\r\n;;;\r\nB\xF6hm;Bernd;m;b\r\n");
        const auto gut = importdateiLesen(t.datei(u"gut.csv"_s), r);
        QVERIFY(gut);
        QCOMPARE(gut->size(), 2);
        QCOMPARE(gut->at(1).nachname, u"Boehm"_s);
        QVERIFY(r.protokoll.isEmpty());

        QByteArray vierzig, einundvierzig;
        for (int i = 0; i < 40; ++i) {
            vierzig += "Name" + QByteArray(1, char('a' + i % 26)) + QByteArray(i / 26 + 1, 'x') +
                       ";Vor;m;a\r\n";
        }
        einundvierzig = vierzig + "Letzter;Vor;m;a\r\n";
        t.schreibe(u"40.csv"_s, vierzig);
        t.schreibe(u"41.csv"_s, einundvierzig);
        QCOMPARE(importdateiLesen(t.datei(u"40.csv"_s), r)->size(), 40);
        QVERIFY(r.protokoll.isEmpty());
        QVERIFY(!importdateiLesen(t.datei(u"41.csv"_s), r));
        QCOMPARE(r.letzteMeldung(), u"Die Importdatei \""_s + t.datei(u"41.csv"_s) +
                                        u"\" enthält 41 Schülerzeilen.\r\n"
                                        u"Eine Klasse oder ein Kurs kann höchstens 40 Schüler "
                                        u"aufnehmen.\r\nDer Import wurde nicht ausgeführt."_s);

        t.schreibe(u"binaer.csv"_s, QByteArray("Abel;Anna\0\x01\x02", 12));
        r.leeren();
        QVERIFY(!importdateiLesen(t.datei(u"binaer.csv"_s), r));
        QCOMPARE(r.meldungen(), QStringList{u"Fehler beim Lesen der Importdatei \""_s +
                                            t.datei(u"binaer.csv"_s) + u"\"!"_s});
        r.leeren();
        QVERIFY(!importdateiLesen(t.datei(u"fehlt.csv"_s), r));
        QCOMPARE(r.meldungen().size(), 1);

        // UTF-8 (mit und ohne BOM) wird erkannt; ein Name, der nicht in die Klassendatei passt,
        // verhindert den ganzen Import.
        t.schreibe(u"utf8.csv"_s, "\xEF\xBB\xBFM\xC3\xBCller;\xC5\x81ukasz;m;a\r\n");
        t.schreibe(u"utf8ohne.csv"_s, "\xC3\x89mile;Zo\xC3\xAB;w;a\r\n");
        t.schreibe(u"kyrillisch.csv"_s, "Abel;Anna;w;a\r\n\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD;"
                                        "Petrow;m;a\r\n");
        r.leeren();
        QCOMPARE(importdateiLesen(t.datei(u"utf8.csv"_s), r)->value(0),
                 (NamensZeile{u"Lukasz"_s, u"Mueller"_s, u"m"_s, u"a"_s}));
        QCOMPARE(importdateiLesen(t.datei(u"utf8ohne.csv"_s), r)->value(0),
                 (NamensZeile{u"Zoe"_s, u"Emile"_s, u"w"_s, u"a"_s}));
        QVERIFY(r.protokoll.isEmpty());
        QVERIFY(!importdateiLesen(t.datei(u"kyrillisch.csv"_s), r));
        QCOMPARE(r.meldungen(),
                 QStringList{u"Die Importdatei \""_s + t.datei(u"kyrillisch.csv"_s) +
                             u"\" kann nicht übernommen werden:\r\nDas Zeichen \"И\" im Namen "
                             u"\"Иван\" lässt sich in der Klassendatei nicht speichern. Bitte "
                             u"schreiben Sie den Namen ohne dieses Zeichen.\r\nDer Import wurde "
                             u"nicht ausgeführt."_s});

        t.schreibe(u"semikolons.csv"_s, QByteArray(";\r\n").repeated(500));
        r.leeren();
        const auto leer = importdateiLesen(t.datei(u"semikolons.csv"_s), r);
        QVERIFY(leer);
        QVERIFY(leer->isEmpty());
    }

    void importAblauf()
    {
        Testordner t;
        const KlassenWahl wahl{u"L"_s, u"7"_s, u"x"_s, u"Ph"_s};
        t.schreibe(u"l-7x-ph.dta"_s, QByteArray(kKlassenDateiGroesse, '\0'));
        t.schreibe(u"namen.txt"_s, "Abel;Anna;w;a\r\n");

        // Nein zur Loeschfrage: nichts geschieht.
        SkriptRueckfragen nein;
        nein.antworte(Rueckfragen::Knopf::Nein);
        QVERIFY(!klasseImportieren(wahl, t.pfad(), nein));
        QVERIFY(QFile::exists(t.datei(u"l-7x-ph.dta"_s)));
        QCOMPARE(
            nein.fragen(),
            QStringList{
                u"Achtung!  Es droht der Verlust wichtiger Daten!\r\nEine Datei  \""_s +
                t.datei(u"l-7x-ph.dta"_s) +
                u"\"  existiert bereits!\r\nSoll diese vor der Neueröffnung gelöscht werden?"_s});

        // Ja: geloescht, Hinweis, dann die Importdatei.
        SkriptRueckfragen ja;
        ja.antworte(Rueckfragen::Knopf::Ja).dateiAntwort(t.datei(u"namen.txt"_s));
        const auto zeilen = klasseImportieren(wahl, t.pfad(), ja);
        QVERIFY(zeilen);
        QCOMPARE(zeilen->size(), 1);
        QVERIFY(!QFile::exists(t.datei(u"l-7x-ph.dta"_s)));
        QCOMPARE(ja.meldungen(),
                 QStringList{u"Die Datei "_s + t.datei(u"l-7x-ph.dta"_s) +
                             u" wurde gelöscht. Sie können jetzt mit der Eröffnung der "
                             u"gleichnamigen neuen Klassen/Kursgruppe fort fahren."_s});

        // Ungueltige Angaben piepen, Abbruch im Dateidialog liefert nichts.
        SkriptRueckfragen r;
        QVERIFY(!klasseImportieren(KlassenWahl{u"L"_s, u"7"_s, u"x"_s, u"..."_s}, t.pfad(), r));
        QCOMPARE(r.pieptoene, 1);
        QVERIFY(!klasseImportieren(wahl, t.pfad(), r));
        QCOMPARE(r.dateiDialogTitel.size(), 1);

        // Eingabe von Hand: vorhandene Datei wird gemeldet.
        t.schreibe(u"L-7x-Ph.DTA"_s, QByteArray(kKlassenDateiGroesse, '\0'));
        r.leeren();
        QVERIFY(!klasseNeuMitEingabeMoeglich(wahl, t.pfad(), r));
        QCOMPARE(r.letzteMeldung(), u"Eine Datei mit diesem Namen existiert bereits!"_s);
        QVERIFY(
            klasseNeuMitEingabeMoeglich(KlassenWahl{u"K"_s, u"9"_s, u"a"_s, u"In"_s}, t.pfad(), r));
    }

    void klasseAnlegen_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QList<NamensZeile>>("zeilen");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("namen");
        QTest::newRow("Klasse, Namen normalisiert")
            << u"L"_s
            << QList<NamensZeile>{{u"Hans Peter"_s, u"Groß-Müller"_s, u"m"_s, u"b"_s},
                                  {u"ali"_s, u"Öztürk"_s, u"mann"_s, u""_s}}
            << QString() << u":m:Grossmueller,Hanspeter :m:Oeztuerk,Ali"_s;
        QTest::newRow("Kurs mit Klassenspalte")
            << u"K"_s << QList<NamensZeile>{{u"Anna"_s, u"Abel"_s, u"w"_s, u"9b"_s}} << QString()
            << u"9b:w:Abel,Anna"_s;
        QTest::newRow("doppelt")
            << u"L"_s
            << QList<NamensZeile>{{u"Anna"_s, u"Abel"_s, u"w"_s, u""_s},
                                  {u"Bert"_s, u"Berg"_s, u"m"_s, u""_s},
                                  {u"Anna"_s, u"Abel"_s, u"w"_s, u""_s}}
            << u"Der Name Abel ist doppelt vorhanden!\r\nDer Import sollte zunächst abgebrochen "
               u"werden.\r\nDann sollte die Dopplung aus der Quelldatei gelöscht\r\nund erst "
               u"danach "
               u"der Import durch geführt werden."_s
            << QString();
        QTest::newRow("doppelt erst nach dem Normalisieren")
            << u"L"_s
            << QList<NamensZeile>{{u"Zoë"_s, u"Yilmaz"_s, u"w"_s, u""_s},
                                  {u"Zoe"_s, u"Yil-maz"_s, u"w"_s, u""_s}}
            << u"Der Name Yilmaz ist doppelt vorhanden!\r\nDer Import sollte zunächst abgebrochen "
               u"werden.\r\nDann sollte die Dopplung aus der Quelldatei gelöscht\r\nund erst "
               u"danach der Import durch geführt werden."_s
            << QString();
        QTest::newRow("Geschlecht fehlt")
            << u"L"_s << QList<NamensZeile>{{u"Anna"_s, u"Abel"_s, u""_s, u""_s}}
            << u"Die Angaben (Vorname, Nachname oder Geschlecht) sind nicht vollständig!"_s
            << QString();
        QTest::newRow("Geschlecht x")
            << u"L"_s << QList<NamensZeile>{{u"Anna"_s, u"Abel"_s, u"x"_s, u""_s}}
            << u"Für die Angabe des Geschlechts ist nur \"m\" oder \"w\" vorgesehen!"_s
            << QString();
        QTest::newRow("Luecke vor weiteren Namen")
            << u"L"_s
            << QList<NamensZeile>{{u"Anna"_s, u"Abel"_s, u"w"_s, u""_s},
                                  {u""_s, u"Berg"_s, u"m"_s, u""_s},
                                  {u"Carl"_s, u"Cohn"_s, u"m"_s, u""_s}}
            << u"Die Angaben (Vorname, Nachname oder Geschlecht) sind nicht vollständig!"_s
            << QString();
        QTest::newRow("leeres Gitter") << u"L"_s << QList<NamensZeile>(40) << QString() << u""_s;
    }
    void klasseAnlegen()
    {
        QFETCH(QString, art);
        QFETCH(QList<NamensZeile>, zeilen);
        QFETCH(QString, meldung);
        QFETCH(QString, namen);
        SkriptRueckfragen r;
        const auto k = klasseAusNamenszeilen(KlassenWahl{art, u"9"_s, u"a"_s, u"In"_s}, zeilen, r);
        QCOMPARE(k.has_value(), meldung.isEmpty());
        if (!meldung.isEmpty()) {
            QCOMPARE(r.meldungen(), QStringList{meldung});
            return;
        }
        QCOMPARE(namenListe(*k), namen);
        QCOMPARE(k->notenart(1).langname, u"Hausarbeiten"_s);
        QCOMPARE(k->gewicht(5), qint16(45));
    }

    void namensPruefungEinzeln()
    {
        Klasse k;
        schuelerAnhaengen(k, u"Anna"_s, u"Abel"_s, u"w"_s);
        schuelerAnhaengen(k, u"Bert"_s, u"Berg"_s);
        SkriptRueckfragen r;
        QVERIFY(!nameVorhanden(k, 1, u"Anna"_s, u"Abel"_s, false, r)); // sich selbst
        QVERIFY(nameVorhanden(k, 2, u"Anna"_s, u"Abel"_s, false, r));
        QVERIFY(nameVorhanden(k, 3, u"Bert"_s, u"Berg"_s, true, r));
        QCOMPARE(r.meldungen(), QStringList(2, u"Dieser Name ist schon vorhanden!"_s));
    }

    void sortierung_data()
    {
        QTest::addColumn<bool>("vornamen");
        QTest::addColumn<bool>("kurs");
        QTest::addColumn<int>("ordnung");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Ju/Mae") << false << false << 0
                                << u"b:m:Abel,Zeno a:m:Zorn,Bert b:w:Berg,Ute a:w:Brand,Anna"_s;
        QTest::newRow("Mae/Ju") << false << false << 1
                                << u"b:w:Berg,Ute a:w:Brand,Anna b:m:Abel,Zeno a:m:Zorn,Bert"_s;
        QTest::newRow("Mix") << false << false << 2
                             << u"b:m:Abel,Zeno b:w:Berg,Ute a:w:Brand,Anna a:m:Zorn,Bert"_s;
        QTest::newRow("Vornamen Mix")
            << true << false << 2 << u"a:w:Brand,Anna a:m:Zorn,Bert b:w:Berg,Ute b:m:Abel,Zeno"_s;
        QTest::newRow("Kurs, Ju/Mae")
            << false << true << 0 << u"a:m:Zorn,Bert a:w:Brand,Anna b:m:Abel,Zeno b:w:Berg,Ute"_s;
    }
    void sortierung()
    {
        QFETCH(bool, vornamen);
        QFETCH(bool, kurs);
        QFETCH(int, ordnung);
        QFETCH(QString, erwartet);
        Klasse k;
        schuelerAnhaengen(k, u"Anna"_s, u"Brand"_s, u"w"_s, u"a"_s);
        schuelerAnhaengen(k, u"Zeno"_s, u"Abel"_s, u"m"_s, u"b"_s);
        schuelerAnhaengen(k, u"Ute"_s, u"Berg"_s, u"w"_s, u"b"_s);
        schuelerAnhaengen(k, u"Bert"_s, u"Zorn"_s, u"m"_s, u"a"_s);
        for (int nr = 1; nr <= 4; ++nr) {
            k.schueler(nr).note(2, 19) = k.schueler(nr).vorname.left(1);
        }
        sortiereSchuelerliste(k, SortierOptionen{vornamen, kurs, ordnung});
        QCOMPARE(namenListe(k), erwartet);
        for (int nr = 1; nr <= 4; ++nr) {
            QCOMPARE(k.schueler(nr).note(2, 19), k.schueler(nr).vorname.left(1));
        }
    }

    void sortierungBytegenauUndLangeNamen()
    {
        Klasse k;
        schuelerAnhaengen(k, u"Anna"_s, u"abel"_s, u"m"_s);
        schuelerAnhaengen(k, u"Anna"_s, u"Zorn"_s, u"m"_s);
        schuelerAnhaengen(k, u"Abcdefghijabcdefghij"_s, u"Abcdefghijabcdefghij"_s, u"m"_s, u"z"_s);
        sortiereSchuelerliste(k, SortierOptionen{false, true, 0});
        // Grossbuchstaben vor Kleinbuchstaben; lange Namen bleiben ganz.
        QCOMPARE(namenListe(k),
                 u":m:Zorn,Anna :m:abel,Anna z:m:Abcdefghijabcdefghij,Abcdefghijabcdefghij"_s);
    }

    void schuelerLoeschen()
    {
        Klasse k;
        for (int i = 1; i <= kMaxSchueler; ++i) {
            schuelerAnhaengen(k, u"V"_s + QString::number(i), u"N"_s, u"m"_s);
            k.schueler(i).note(1, 0) = u"2"_s;
            k.schueler(i).reserviert = 7;
        }
        loescheEinenSchueler(k, 2);
        QCOMPARE(klassenGroesse(k), 39);
        QCOMPARE(k.schueler(2).vorname, u"V3"_s);
        QCOMPARE(k.schueler(39).vorname, u"V40"_s);
        QCOMPARE(k.schueler(40).note(1, 0), QString());
        QCOMPARE(k.schueler(40).reserviert, qint16(0));
        loescheEinenSchueler(k, 39);
        QCOMPARE(klassenGroesse(k), 38);
        QVERIFY_THROWS_EXCEPTION(Indexfehler, loescheEinenSchueler(k, 41));
    }

    void verschieben()
    {
        Testordner t;
        Klasse quelle = standardKlasse();
        schuelerAnhaengen(quelle, u"Anna"_s, u"Abel"_s, u"w"_s, u"9b"_s);
        schuelerAnhaengen(quelle, u"Bert"_s, u"Berg"_s);
        quelle.schueler(1).note(5, 3) = u"2-"_s;
        quelle.schueler(1).zusatz = u"Sport"_s;
        Klasse ziel;
        schuelerAnhaengen(ziel, u"Carl"_s, u"Cohn"_s);
        ziel.notenart(1).langname = u"Eigene"_s;
        speichern(t.datei(u"Q.DTA"_s), quelle);
        speichern(t.datei(u"Z.DTA"_s), ziel);

        SkriptRueckfragen r;
        r.antworte(Rueckfragen::Knopf::Ja);
        QVERIFY(schuelerVerschieben(quelle, 1, t.datei(u"Q.DTA"_s), t.datei(u"Z.DTA"_s), r));
        QCOMPARE(
            r.fragen(),
            QStringList{
                u"Soll der Schüler/ die Schülerin: Anna Abel\r\n wirklich verschoben werden?"_s});
        QCOMPARE(
            r.letzteMeldung(),
            u"Der Schüler/ die Schülerin ist erfolgreich in die Zielklasse verschoben worden."_s);
        QCOMPARE(namenListe(quelle), u":m:Berg,Bert"_s);
        const Klasse neu = laden(t.datei(u"Z.DTA"_s));
        QCOMPARE(namenListe(neu), u":m:Cohn,Carl 9b:w:Abel,Anna"_s);
        QCOMPARE(neu.schueler(2).note(5, 3), u"2-"_s);
        QCOMPARE(neu.schueler(2).zusatz, u"Sport"_s);
        QCOMPARE(neu.notenart(1).langname, u"Eigene"_s);

        const QString fehlschlag = u"Der Schüler/ die Schülerin konnte nicht verschoben werden!"_s;
        const QByteArray zielVorher = t.lies(u"Z.DTA"_s);
        // Gleicher Name im Ziel
        Klasse zweite = standardKlasse();
        schuelerAnhaengen(zweite, u"Carl"_s, u"Cohn"_s);
        r.leeren();
        r.antworte(Rueckfragen::Knopf::Ja);
        QVERIFY(!schuelerVerschieben(zweite, 1, t.datei(u"X.DTA"_s), t.datei(u"Z.DTA"_s), r));
        QCOMPARE(r.letzteMeldung(), fehlschlag);
        QCOMPARE(klassenGroesse(zweite), 1);
        QCOMPARE(t.lies(u"Z.DTA"_s), zielVorher);
        // In die eigene Datei (der neue Schueler steht dort noch nicht)
        schuelerAnhaengen(quelle, u"Dora"_s, u"Dorn"_s, u"w"_s);
        r.antworte(Rueckfragen::Knopf::Ja);
        QVERIFY(!schuelerVerschieben(quelle, 2, t.datei(u"Q.DTA"_s), t.datei(u"Q.DTA"_s), r));
        QCOMPARE(klassenGroesse(quelle), 2);
        QCOMPARE(r.letzteMeldung(), fehlschlag);
        // Unlesbares Ziel: Lesefehler und Fehlschlag
        t.schreibe(u"kurz.DTA"_s, "xx");
        r.leeren();
        r.antworte(Rueckfragen::Knopf::Ja);
        QVERIFY(!schuelerVerschieben(quelle, 1, t.datei(u"Q.DTA"_s), t.datei(u"kurz.DTA"_s), r));
        QCOMPARE(r.meldungen(), (QStringList{u"Die Datei "_s + t.datei(u"kurz.DTA"_s) +
                                                 u"  kann nicht gelesen werden!"_s,
                                             fehlschlag}));
        // Volles Ziel
        Klasse voll;
        for (int i = 1; i <= kMaxSchueler; ++i) {
            schuelerAnhaengen(voll, u"V"_s + QString::number(i), u"N"_s);
        }
        speichern(t.datei(u"voll.DTA"_s), voll);
        r.antworte(Rueckfragen::Knopf::Ja);
        QVERIFY(!schuelerVerschieben(quelle, 1, t.datei(u"Q.DTA"_s), t.datei(u"voll.DTA"_s), r));
        QCOMPARE(r.letzteMeldung(), fehlschlag);
        QCOMPARE(klassenGroesse(laden(t.datei(u"voll.DTA"_s))), 40);
        // Nein
        r.antworte(Rueckfragen::Knopf::Nein);
        QVERIFY(!schuelerVerschieben(quelle, 1, t.datei(u"Q.DTA"_s), t.datei(u"Z.DTA"_s), r));
        QCOMPARE(klassenGroesse(quelle), 2);
        // Die Quelle laesst sich nicht speichern: das Ziel bleibt, wie es war, der Schueler in
        // der Quelle.
        int gespeichert = 0;
        r.leeren();
        r.antworte(Rueckfragen::Knopf::Ja);
        QVERIFY(!schuelerVerschieben(quelle, 1, t.datei(u"Q.DTA"_s), t.datei(u"Z.DTA"_s), r, [&] {
            ++gespeichert;
            return false;
        }));
        QCOMPARE(gespeichert, 1);
        QCOMPARE(r.letzteMeldung(), fehlschlag);
        QCOMPARE(klassenGroesse(quelle), 2);
        QCOMPARE(namenListe(laden(t.datei(u"Z.DTA"_s))), u":m:Cohn,Carl 9b:w:Abel,Anna"_s);
    }

    void klasseLoeschen()
    {
        Testordner t;
        t.schreibe(u"L-7x-Ph.DTA"_s, QByteArray(kKlassenDateiGroesse, '\0'));
        Klasse k;
        schuelerAnhaengen(k, u"Anna"_s, u"Abel"_s, u"w"_s);
        SkriptRueckfragen r;
        QVERIFY(!klassendateiLoeschen(k, false, t.datei(u"L-7x-Ph.DTA"_s), r));
        QCOMPARE(
            r.letzteMeldung(),
            u"Zum Löschen einer Klasse bitte zunächst die Klasse auswählen, \r\ndann die Daten "
            u"überprüfen und \r\nerst danach nochmals den Befehl zum Löschen aufrufen."_s);
        r.antworte(Rueckfragen::Knopf::Nein);
        QVERIFY(!klassendateiLoeschen(k, true, t.datei(u"L-7x-Ph.DTA"_s), r));
        QVERIFY(QFile::exists(t.datei(u"L-7x-Ph.DTA"_s)));
        QCOMPARE(klassenGroesse(k), 1);
        r.antworte(Rueckfragen::Knopf::Ja);
        QVERIFY(klassendateiLoeschen(k, true, t.datei(u"L-7x-Ph.DTA"_s), r));
        QVERIFY(!QFile::exists(t.datei(u"L-7x-Ph.DTA"_s)));
        QCOMPARE(klassenGroesse(k), 0);
        QCOMPARE(r.letzteMeldung(), u"Die Klassendatei wurde gelöscht!"_s);
        QCOMPARE(
            r.fragen().last(),
            u"Soll diese Klassendatei mit allen Daten unwiderruflich von der Festplatte "
            u"gelöscht werden?\r\n(Denken Sie an regelmäßige Sicherheitskopien wichtiger Daten!)"_s);
    }
};

QTEST_GUILESS_MAIN(KlassenverwaltungTest)
#include "klassenverwaltung_test.moc"
