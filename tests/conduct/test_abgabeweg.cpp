// Der Weg der Abgaben unter Last und gegen Angriffe: zwei Programme zugleich, eine Verknuepfung,
// die waehrend des Einsammelns eingetauscht wird, Abgaben in der letzten Sekunde, beschaedigte
// Vorlagen und Klassendateien beim Benoten, Platzhalter und Namen mit Fuellpunkt.
#include "authoring/testspeichern.h"
#include "classdata/klassendatei.h"
#include "common/ansitext.h"
#include "common/ordner.h"
#include "conduct/benotung.h"
#include "conduct/einsammeln.h"
#include "conduct/testsperre.h"
#include "conduct/verteilung.h"
#include "outside/schuelerprogramm.h"
#include "settings/konfiguration.h"
#include "unterstuetzung/skriptrueckfragen.h"
#include "unterstuetzung/testumgebung.h"
#include "werkzeug/werkzeug.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <atomic>
#include <sys/stat.h>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;
namespace sp = schuelerprogramm;

namespace {

const QString kJahr = u"2024-25"_s;
const QString kLoesungA = u"bbbbababbb"_s;

QStringList lesen(const QString &pfad)
{
    return ansiZeilenLesen(pfad).zeilen;
}

QString loesungDerVorlage(const QString &pfad)
{
    const Loesung l = *loesungAusZeilen(lesen(pfad));
    QString s;
    for (int q = 1; q <= l.fragen; ++q) {
        s += l.loesung[q];
    }
    return s;
}

// Kreuzt je Frage die Antwort mit dem Buchstaben aus loesung an.
QStringList ankreuzen(QStringList kopie, const QString &loesung)
{
    int q = 0;
    for (QString &z : kopie) {
        if (istFragezeile(z)) {
            ++q;
        } else if (q >= 1 && q <= loesung.size() && z.startsWith(u'\t') && z.size() > 2 &&
                   z[1] == loesung[q - 1] && z[2] == u')') {
            z = u'x' + z;
        }
    }
    return kopie;
}

// Kreuzt je Frage die Antwort an, deren Text dem der Loesungszeile von vorlageA gleicht: richtig
// nach diesem Schluessel, gleich in welcher Reihenfolge die Kopie die Antworten zeigt.
QStringList richtigNachText(QStringList kopie, const QStringList &vorlageA)
{
    QStringList texte;
    for (const QString &z : vorlageA) {
        if (z.size() > 4 && z[0].isDigit() && z[3] == u')') {
            texte << z.mid(4);
        }
    }
    int q = 0;
    for (QString &z : kopie) {
        if (istFragezeile(z)) {
            ++q;
        } else if (q >= 1 && z.startsWith(u'\t') && z.size() > 3 && z[2] == u')' &&
                   z.mid(3) == texte.value(q - 1)) {
            z = u'x' + z;
        }
    }
    return kopie;
}

// Alle Dateien eines Ordnerbaums mit Inhalt, um "nichts veraendert" zu pruefen.
QMap<QString, QByteArray> baum(const QString &ordner)
{
    QMap<QString, QByteArray> m;
    QDirIterator it(ordner, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        m.insert(p, dateiInhalt(p));
    }
    return m;
}

// Ein Basisordner mit Konfiguration, der Beispielklasse und dem Beispieltest, ausgeteilt.
struct Schule
{
    Testordner t;
    QString basis = t.pfad() + u"basis/"_s;
    Einstellungen e;
    TestPfade test;
    Klasse klasse;
    FesteUhr uhr{QDateTime(QDate(2024, 11, 5), QTime(9, 30))};

    explicit Schule(const QString &code = u"7xP1Bspl"_s)
    {
        baumKopieren(QStringLiteral(MIVO_BASIS), basis);
        QDir().mkpath(basis + kJahr);
        dateiKopieren(basis + u"2016-17 Beispiele/L-7x-Ph.DTA"_s,
                      basis + kJahr + u"/L-7x-Ph.DTA"_s);
        const QString ordner = basis + kJahr + u'/' + code;
        baumKopieren(basis + u"2016-17 Beispiele/7xP1Bspl"_s, ordner);
        if (code != u"7xP1Bspl"_s) {
            QFile::rename(ordner + u"/7xP1Bspl.__A"_s, ordner + u'/' + code + u".__A"_s);
        }
        ansiZeilenSchreiben(basis + u"Mivo-Kl-cf.txt"_s,
                            {u"[Mivo-Programm-Ordner]"_s, basis + u"Mivo-Dateien (Schulserver)/"_s,
                             u"[Lehrername]"_s, u"Meier/"_s, u"[Lehrer-Klassen-Ordner]"_s, basis});
        ansiZeilenSchreiben(basis + u"Mivo-Dateien (Schulserver)/Mivo-cf.txt"_s,
                            {u"[Test-Ausgabe]"_s, t.pfad() + u"aus/"_s, u"[Test-Abgabe]"_s,
                             t.pfad() + u"ab/"_s, u"[Test-Rueckgabe]"_s, t.pfad() + u"rueck/"_s});
        SkriptRueckfragen r;
        basisEinstellungenLaden(basis, e, r);
        test = {e.basisOrdner, kJahr, code};
        klasseLadenAusDatei(basis + kJahr + u"/L-7x-Ph.DTA"_s, klasse, r);
    }
    bool austeilen()
    {
        SkriptRueckfragen r;
        r.antworte(Rueckfragen::Knopf::Ok);
        FolgeZufall zufall({1, 2, 0, 0, 3, 1, 1, 0});
        return kopienAnfertigen(test, klasse, zufall, r) == Kopien::Neu &&
               testBereitStellen(test, e, uhr, r).ok;
    }
    QString eingang() const { return sp::abgabeEingang(e.abgabeOrdner, e.lehrername); }
    QString name(int nr) const
    {
        const Schueler &s = klasse.schueler(nr);
        return sp::persoenlicherDateiname(s.vorname, s.nachname, test.klassenkuerzel());
    }
    // Die ausgefuellte Kopie von Platz nr, alles richtig.
    QStringList ausgefuellt(int nr) const
    {
        const QStringList kopie = lesen(test.kopienOrdner() + name(nr));
        return ankreuzen(kopie, loesungDerVorlage(test.vorlage(nr % 2 == 1 ? u'A' : u'B')));
    }
    void abgeben(int nr) const
    {
        QDir().mkpath(eingang());
        ansiZeilenSchreiben(eingang() + name(nr), ausgefuellt(nr));
    }
    int abgabeZeilen() const
    {
        int n = 0;
        for (const QString &z : lesen(test.protokollDatei())) {
            n += z.contains(u": Abgabe  "_s) ? 1 : 0;
        }
        return n;
    }
    QStringList wartend() const
    {
        return QDir(eingang()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
    QProcess *werkzeug(const QStringList &argumente) const
    {
        auto *p = new QProcess;
        p->start(QStringLiteral(MIVO_WERKZEUG),
                 QStringList{argumente[0], u"--basis"_s, basis} + argumente.mid(1));
        return p;
    }
};

} // namespace

class TestAbgabeweg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setzeTestsperreWartezeitMs(3000);
        setzeAbgabeRuhezeitMs(0);
    }

    // Zwei Programme sammeln zugleich ein: keine Abgabe geht verloren, je Abgabe eine
    // Protokollzeile.
    void zweiProgrammeSammelnEin()
    {
        for (int runde = 0; runde < 3; ++runde) {
            Schule s;
            QVERIFY(s.austeilen());
            for (int nr = 1; nr <= 25; ++nr) {
                s.abgeben(nr);
            }
            const QStringList argumente{u"einsammeln"_s, kJahr, u"7xP1Bspl"_s};
            std::unique_ptr<QProcess> a(s.werkzeug(argumente)), b(s.werkzeug(argumente));
            QVERIFY(a->waitForFinished(60000) && b->waitForFinished(60000));
            for (QProcess *p : {a.get(), b.get()}) {
                const QString fehler = QString::fromUtf8(p->readAllStandardError());
                QVERIFY2(p->exitCode() == 0 ||
                             (p->exitCode() == 2 && fehler.contains(u"wird gerade von"_s)),
                         qPrintable(fehler));
            }
            const QStringList ausgaben =
                QString::fromUtf8(a->readAllStandardOutput() + b->readAllStandardOutput())
                    .split(u'\n', Qt::SkipEmptyParts);
            QCOMPARE(ausgaben.size(), 25);
            QVERIFY2(s.wartend().isEmpty(), qPrintable(s.wartend().join(u", "_s)));
            for (int nr = 1; nr <= 25; ++nr) {
                QCOMPARE(lesen(s.test.abgabenOrdner() + s.name(nr)), s.ausgefuellt(nr));
            }
            QCOMPARE(s.abgabeZeilen(), 25);
        }
    }

    // Zwei Programme benoten zugleich: jede benotete Kopie hat ihre Klassenzeilen genau einmal.
    void zweiProgrammeBenoten()
    {
        Schule s;
        QVERIFY(s.austeilen());
        for (int nr = 1; nr <= 25; nr += 2) {
            s.abgeben(nr);
        }
        const QStringList argumente{u"benoten"_s, kJahr, u"7xP1Bspl"_s};
        std::unique_ptr<QProcess> a(s.werkzeug(argumente)), b(s.werkzeug(argumente));
        QVERIFY(a->waitForFinished(60000) && b->waitForFinished(60000));
        const QByteArray ausA = a->readAllStandardOutput(), ausB = b->readAllStandardOutput();
        for (QProcess *p : {a.get(), b.get()}) {
            const QString fehler = QString::fromUtf8(p->readAllStandardError());
            QVERIFY2(p->exitCode() == 0 ||
                         (p->exitCode() == 2 && fehler.contains(u"wird gerade von"_s)),
                     qPrintable(fehler));
        }
        if (a->exitCode() == 0 && b->exitCode() == 0) {
            QCOMPARE(ausA, ausB);
        }
        const QStringList benotet = dateienNachMuster(s.test.benotetOrdner(), u"*.?7x"_s);
        QCOMPARE(benotet.size(), 25);
        for (const QString &n : benotet) {
            QCOMPARE(lesen(s.test.benotetOrdner() + n).filter(u"Kl.-Treffer"_s).size(), 1);
        }
        QCOMPARE(lesen(s.test.benotetOrdner() + s.name(1))[11],
                 u"Dein Testergebnis:      Notenpunkte: 15,         Note (E/G): 1+/1+"_s);
        QVERIFY(QDir(s.test.testOrdner()).entryList({u"*.neu"_s, u"*.alt"_s}).isEmpty());
    }

    // Haelt ein anderes Programm die Testsperre, wartet ein zweiter kurz und wird dann mit
    // einer klaren Meldung abgewiesen; nichts aendert sich.
    void zweiterSchreiberAbgewiesen()
    {
        Schule s;
        QVERIFY(s.austeilen());
        s.abgeben(1);
        const auto vorher = baum(s.t.pfad());
        Testsperre sperre(s.test);
        SkriptRueckfragen r;
        QVERIFY(sperre.sperren(r));
        std::unique_ptr<QProcess> p(s.werkzeug({u"benoten"_s, kJahr, u"7xP1Bspl"_s}));
        QVERIFY(p->waitForFinished(60000));
        QCOMPARE(p->exitCode(), 2);
        QVERIFY(QString::fromUtf8(p->readAllStandardError())
                    .contains(u"Der Test 7xP1Bspl wird gerade von einem anderen Programm"_s));
        const auto ohneSperre = [&](QMap<QString, QByteArray> m) {
            m.removeIf([&](auto it) { return it.key().contains(kTestsperreName); });
            return m;
        };
        QCOMPARE(ohneSperre(baum(s.t.pfad())), ohneSperre(vorher));
        // Im selben Programm ebenso; der Zeitgeberschritt dagegen ohne Meldung und ohne Wirkung.
        s.abgeben(2);
        Einsammlung z;
        const Einsammelschritt schritt = testsMitnehmen(s.test, s.e, z, s.uhr, r);
        QVERIFY(schritt.belegt && !schritt.eingesammelt);
        QVERIFY(r.meldungen().isEmpty());
        setzeTestsperreWartezeitMs(0);
        Testsperre zweite(s.test);
        QVERIFY(!zweite.sperren(r));
        QCOMPARE(r.meldungen().size(), 1);
        setzeTestsperreWartezeitMs(3000);
    }

    // Ein Schueler tauscht seine Abgabe immer wieder gegen eine Verknuepfung auf eine Datei des
    // Lehrers: nie gelangt eine Verknuepfung nach "T2-Ausge", nie wird die Lehrerdatei
    // beschrieben, auch nicht beim naechsten Austeilen.
    void verknuepfungWaehrendDesEinsammelns()
    {
        Schule s;
        QVERIFY(s.austeilen());
        const QString lehrer = s.t.pfad() + u"lehrer.txt"_s;
        // Die Lehrerdatei sieht wie eine gueltige Abgabe aus: nur ein Verfolgen der Verknuepfung
        // koennte sie einsammeln.
        QVERIFY(ansiZeilenSchreiben(lehrer, s.ausgefuellt(1)).ok());
        const QByteArray lehrerInhalt = dateiInhalt(lehrer);
        QDir().mkpath(s.eingang());
        const QByteArray ziel = QFile::encodeName(s.eingang() + s.name(1));
        const QByteArray datei = QFile::encodeName(s.eingang() + u"a.swp"_s);
        const QByteArray link = QFile::encodeName(s.eingang() + u"l.swp"_s);
        const QByteArray gut = ansiZeilenAlsBytes(s.ausgefuellt(1));
        std::atomic<bool> halt{false};
        std::thread schueler([&] {
            while (!halt) {
                QFile f(QString::fromLocal8Bit(datei));
                if (f.open(QIODevice::WriteOnly)) {
                    f.write(gut);
                    f.close();
                    ::rename(datei.constData(), ziel.constData());
                }
                ::unlink(link.constData());
                if (::symlink(QFile::encodeName(lehrer).constData(), link.constData()) == 0) {
                    ::rename(link.constData(), ziel.constData());
                }
            }
        });
        SkriptRueckfragen r;
        Einsammlung z;
        for (int i = 0; i < 300; ++i) {
            testsMitnehmen(s.test, s.e, z, s.uhr, r);
        }
        halt = true;
        schueler.join();
        for (const QFileInfo &i : QDir(s.test.abgabenOrdner())
                                      .entryInfoList(QDir::AllEntries | QDir::System |
                                                     QDir::Hidden | QDir::NoDotAndDotDot)) {
            QVERIFY2(!i.isSymLink(), qPrintable(i.fileName()));
        }
        const QStringList abgabe = lesen(s.test.abgabenOrdner() + s.name(1));
        QVERIFY(abgabe == s.ausgefuellt(1) || abgabe[0].startsWith(u"krank:"_s));
        QCOMPARE(dateiInhalt(lehrer), lehrerInhalt);
        // Keine beiseite genommene Abgabe bleibt im Abgabeordner zurueck.
        QVERIFY(s.wartend().filter(u"wird-eingesammelt"_s).isEmpty());
        // Die Frage nach schon bearbeiteten Tests kommt nur, wenn das Rennen eine Abgabe
        // eingesammelt hat.
        if (protokollZaehlen(s.test)) {
            r.antworte(Rueckfragen::Knopf::Ja);
        }
        r.antworte(Rueckfragen::Knopf::Nein).antworte(Rueckfragen::Knopf::Ok);
        FolgeZufall zufall({});
        QCOMPARE(kopienAnfertigen(s.test, s.klasse, zufall, r), Kopien::Neu);
        QCOMPARE(dateiInhalt(lehrer), lehrerInhalt);
    }

    // Eine Verknuepfung, die schon in "T2-Ausge" liegt: das Austeilen ersetzt den ganzen Ordner
    // und schreibt den Platzhalter nie durch sie hindurch.
    void platzhalterNieDurchVerknuepfung()
    {
        Schule s;
        const QString lehrer = s.t.pfad() + u"lehrer.txt"_s;
        dateiSchreiben(lehrer, "Noten des Lehrers\r\n");
        QDir().mkpath(s.test.abgabenOrdner());
        QVERIFY(QFile::link(lehrer, s.test.abgabenOrdner() + s.name(3)));
        SkriptRueckfragen r;
        r.antworte(Rueckfragen::Knopf::Ok);
        FolgeZufall zufall({});
        QCOMPARE(kopienAnfertigen(s.test, s.klasse, zufall, r), Kopien::Neu);
        QCOMPARE(dateiInhalt(lehrer), QByteArray("Noten des Lehrers\r\n"));
        QVERIFY(!QFileInfo(s.test.abgabenOrdner() + s.name(3)).isSymLink());
        QVERIFY(lesen(s.test.abgabenOrdner() + s.name(3))[0].startsWith(u"krank:"_s));
    }

    // Eine Kopie, die sich nicht bereitstellen laesst, wird mit Namen gemeldet; die anderen
    // Schueler bekommen ihren Test trotzdem.
    void bereitstellenMeldetKopie()
    {
        Schule s;
        QVERIFY(s.austeilen());
        const QString kaputt = u"Zander.Z7x"_s;
        QVERIFY(::mkfifo(QFile::encodeName(s.test.kopienOrdner() + kaputt).constData(), 0600) == 0);
        SkriptRueckfragen r;
        const Bereitstellung b = testBereitStellen(s.test, s.e, s.uhr, r);
        QCOMPARE(b.nichtKopiert, QStringList{kaputt});
        QCOMPARE(r.meldungen().size(), 1);
        QVERIFY(r.meldungen()[0].contains(u": "_s + kaputt + u". Diese Schüler"_s));
        QCOMPARE(QDir(b.zielOrdner).entryList(QDir::Files).size(), 25);
    }

    // 25 Abgaben kommen in der letzten Sekunde: "Tests benoten" sammelt sie alle noch ein,
    // bevor es zurueckzieht und benotet.
    void abgabenAmKlingeln()
    {
        Schule s;
        QVERIFY(s.austeilen());
        for (int nr = 1; nr <= 25; ++nr) {
            s.abgeben(nr);
        }
        SkriptRueckfragen r;
        Einsammlung z;
        Benotungslauf lauf;
        QCOMPARE(benotungStarten(s.test, s.e, s.klasse, std::nullopt, s.uhr, z, lauf, r),
                 Ablauf::Ok);
        QVERIFY(s.wartend().isEmpty());
        QCOMPARE(z.zaehler, 25);
        QCOMPARE(s.abgabeZeilen(), 25);
        for (int nr = 1; nr <= 25; ++nr) {
            QCOMPARE(lauf.ergebnisse[nr].noteE, u"1+"_s);
        }
        QVERIFY(!QFile::exists(s.e.ausgabeOrdner + u"7x-Meier-7xP1Bspl.tmp"_s));
    }

    // Eine Abgabe, die das Schuelerprogramm eben noch schreibt, wird nicht als fremd gemeldet;
    // "Tests benoten" wartet kurz auf sie und sammelt sie vollstaendig ein.
    void abgabeWirdNochGeschrieben()
    {
        setzeAbgabeRuhezeitMs(2000);
        Schule s;
        QVERIFY(s.austeilen());
        const QStringList voll = s.ausgefuellt(1);
        QDir().mkpath(s.eingang());
        QVERIFY(ansiZeilenSchreiben(s.eingang() + s.name(1), voll.mid(0, 12)).ok());
        SkriptRueckfragen r;
        Einsammlung z;
        QVERIFY(!testsMitnehmen(s.test, s.e, z, s.uhr, r).eingesammelt);
        QVERIFY(r.meldungen().isEmpty());
        std::thread schueler([&] {
            QThread::msleep(300);
            ansiZeilenSchreiben(s.eingang() + s.name(1), voll);
        });
        const Leerung l = alleAbgabenEinsammeln(s.test, s.e, z, s.uhr, r);
        schueler.join();
        setzeAbgabeRuhezeitMs(0);
        QCOMPARE(l.namen, QStringList{s.name(1)});
        QVERIFY(r.meldungen().isEmpty());
        QCOMPARE(lesen(s.test.abgabenOrdner() + s.name(1)), voll);
    }

    // Beenden der Durchfuehrung ("Bereit gestellte Tests loeschen") sammelt vorher ein; eine
    // Abgabe eines anderen Tests der Klasse bleibt liegen und wird einmal gemeldet.
    void beendenSammeltEin()
    {
        Schule s;
        QVERIFY(s.austeilen());
        s.abgeben(1);
        s.abgeben(2);
        QStringList fremd = lesen(s.test.kopienOrdner() + s.name(4));
        fremd[12] = u"3)\t[1 P] Eine ganz andere Frage?"_s;
        QVERIFY(ansiZeilenSchreiben(s.eingang() + s.name(4), fremd).ok());
        // Reste eines abgebrochenen Einsammelns werden zuerst eingesammelt.
        QVERIFY(ansiZeilenSchreiben(s.eingang() + u'.' + s.name(5) + u".wird-eingesammelt"_s,
                                    s.ausgefuellt(5))
                    .ok());
        // Was ein anderer in den Ausgabeordner der Klasse legte, bleibt beim Zurueckziehen.
        const QString fremdeDatei = s.e.ausgabeOrdner + u"Meier/7x/Stundenplan.txt"_s;
        dateiSchreiben(fremdeDatei, "gehoert nicht zum Test");
        SkriptRueckfragen r;
        Einsammlung z;
        const Beendigung b = durchfuehrungBeenden(s.test, s.e, z, s.uhr, r);
        QVERIFY(b.ok);
        QCOMPARE(dateiInhalt(fremdeDatei), QByteArray("gehoert nicht zum Test"));
        QVERIFY(dateienNachMuster(s.e.ausgabeOrdner + u"Meier/7x/"_s, u"*.?7x"_s).isEmpty());
        QCOMPARE(b.eingesammelt, (QStringList{s.name(5), s.name(1), s.name(2)}));
        QCOMPARE(s.wartend(), QStringList{s.name(4)});
        QCOMPARE(r.meldungen().size(), 1);
        QVERIFY(r.meldungen()[0].contains(s.name(4) + u" gehört nicht zu diesem Test"_s));
        QVERIFY(!QFile::exists(s.e.ausgabeOrdner + u"7x-Meier-7xP1Bspl.tmp"_s));
    }

    // Was ein abgebrochenes Einsammeln beiseite gelegt hat, wird aufgenommen; eine spaetere
    // Abgabe desselben Schuelers gewinnt; ein dort gepflanzter Eintrag versperrt nichts.
    void liegengeblieben_data()
    {
        QTest::addColumn<QString>("beiseite"); // Name des Rests, %1 = Abgabename
        QTest::addColumn<QString>("art");      // alt (aeltere Abgabe), ordner, verknuepfung
        QTest::addColumn<bool>("neuere");      // unter dem Abgabenamen liegt eine neuere Abgabe
        QTest::newRow("alte Form, neuere Abgabe") << u".%1.wird-eingesammelt"_s << u"alt"_s << true;
        QTest::newRow("neue Form, allein")
            << u".%1.Ab12Cd.wird-eingesammelt"_s << u"alt"_s << false;
        QTest::newRow("neue Form, neuere Abgabe")
            << u".%1.Ab12Cd.wird-eingesammelt"_s << u"alt"_s << true;
        QTest::newRow("gepflanzter Ordner") << u".%1.wird-eingesammelt"_s << u"ordner"_s << true;
        QTest::newRow("gepflanzte Verknuepfung")
            << u".%1.wird-eingesammelt"_s << u"verknuepfung"_s << true;
    }
    void liegengeblieben()
    {
        QFETCH(QString, beiseite);
        QFETCH(QString, art);
        QFETCH(bool, neuere);
        Schule s;
        QVERIFY(s.austeilen());
        QDir().mkpath(s.eingang());
        const QString rest = s.eingang() + beiseite.arg(s.name(1));
        const QStringList aelter = ankreuzen(lesen(s.test.kopienOrdner() + s.name(1)), u"aaaa"_s);
        if (art == u"alt"_s) {
            QVERIFY(ansiZeilenSchreiben(rest, aelter).ok());
            QFile f(rest);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                  QFileDevice::FileModificationTime));
        } else if (art == u"ordner"_s) {
            QVERIFY(QDir().mkpath(rest));
        } else {
            QVERIFY(QFile::link(s.t.pfad() + u"lehrer.txt"_s, rest));
        }
        if (neuere) {
            s.abgeben(1);
        }
        SkriptRueckfragen r;
        Einsammlung z;
        const Leerung l = alleAbgabenEinsammeln(s.test, s.e, z, s.uhr, r);
        QVERIFY2(l.offen.isEmpty(), qPrintable(l.offen));
        QCOMPARE(lesen(s.test.abgabenOrdner() + s.name(1)), neuere ? s.ausgefuellt(1) : aelter);
        QVERIFY(!QFile::exists(s.eingang() + s.name(1)));
        // Eine gepflanzte Verknuepfung wird entfernt (ihr Ziel nie beruehrt), ein Ordner bleibt.
        QCOMPARE(QFileInfo::exists(rest) || QFileInfo(rest).isSymLink(), art == u"ordner"_s);
    }

    // Eine Abgabe, die sich nicht nach "T2-Ausge" schreiben laesst: "Tests benoten" nennt den
    // Schueler, benotet niemanden als fehlend und schreibt nichts; die Abgabe bleibt erhalten.
    // Danach (Ursache behoben) gelingt alles.
    void liegengebliebeneAbgabeHaeltBenotenAuf()
    {
        Schule s;
        QVERIFY(s.austeilen());
        s.abgeben(1);
        s.abgeben(2);
        QVERIFY(QFile::remove(s.test.abgabenOrdner() + s.name(2)));
        QVERIFY(QDir().mkpath(s.test.abgabenOrdner() + s.name(2)));
        const auto vorher = baum(s.test.benotetOrdner());
        SkriptRueckfragen r;
        Einsammlung z;
        Benotungslauf lauf;
        QCOMPARE(benotungStarten(s.test, s.e, s.klasse, std::nullopt, s.uhr, z, lauf, r),
                 Ablauf::Abgebrochen);
        QVERIFY2(r.meldungen().filter(s.name(2) + u" ("_s).size() == 1,
                 qPrintable(r.meldungen().join(u'\n')));
        QVERIFY(r.meldungen().last().contains(u"Es wurde nichts benotet."_s));
        QCOMPARE(baum(s.test.benotetOrdner()), vorher);
        const QStringList rest = s.wartend();
        QCOMPARE(rest.size(), 1);
        QCOMPARE(lesen(s.eingang() + rest[0]), s.ausgefuellt(2));
        // Das Werkzeug endet ebenso mit einem Fehler.
        std::unique_ptr<QProcess> p(s.werkzeug({u"einsammeln"_s, kJahr, u"7xP1Bspl"_s}));
        QVERIFY(p->waitForFinished(60000));
        QCOMPARE(p->exitCode(), 2);
        QVERIFY(QDir(s.test.abgabenOrdner()).rmdir(s.name(2)));
        r.leeren();
        QCOMPARE(benotungStarten(s.test, s.e, s.klasse, std::nullopt, s.uhr, z, lauf, r),
                 Ablauf::Ok);
        QCOMPARE(lauf.ergebnisse[2].noteE, u"1+"_s);
        QVERIFY(s.wartend().isEmpty());
    }

    // Das Einsammeln wird an zufaelligen Stellen hart beendet, waehrend die Schueler immer
    // wieder neu abgeben: keine Abgabe geht verloren, keine blockiert die naechste, und am Ende
    // liegt von jedem Schueler die letzte Abgabe in "T2-Ausge".
    void einsammelnUnterKills()
    {
        Schule s;
        QVERIFY(s.austeilen());
        constexpr int kSchueler = 12;
        constexpr int kRunden = 120;
        const QStringList argumente{u"einsammeln"_s, kJahr, u"7xP1Bspl"_s};
        std::array<QByteArray, kSchueler + 1> letzte{};
        const QString varianten[] = {u"bbbbababbb"_s, u"aaaaaaaaaa"_s, u"cbcbcbcbcb"_s,
                                     u"dddddddddd"_s};
        QRandomGenerator zufall(4711);
        const auto abgeben = [&](int nr, int runde) {
            const QStringList kopie =
                ankreuzen(lesen(s.test.kopienOrdner() + s.name(nr)), varianten[(runde + nr) % 4]);
            letzte[size_t(nr)] = ansiZeilenAlsBytes(kopie);
            // Wie das Schuelerprogramm: unter einem Zwischennamen schreiben, dann umbenennen.
            const QString zwischen = s.eingang() + u'~' + s.name(nr) + u".teil~"_s;
            dateiSchreiben(zwischen, letzte[size_t(nr)]);
            QVERIFY(QFile::rename(zwischen, s.eingang() + s.name(nr)) ||
                    (QFile::remove(s.eingang() + s.name(nr)) &&
                     QFile::rename(zwischen, s.eingang() + s.name(nr))));
        };
        QDir().mkpath(s.eingang());
        for (int runde = 0; runde < kRunden; ++runde) {
            for (int nr = 1; nr <= kSchueler; ++nr) {
                if (zufall.bounded(3) == 0 || runde == 0) {
                    abgeben(nr, runde);
                }
            }
            std::unique_ptr<QProcess> p(s.werkzeug(argumente));
            QVERIFY(p->waitForStarted());
            QThread::usleep(zufall.bounded(1000, 60000));
            p->kill();
            QVERIFY(p->waitForFinished(10000));
            // Jede letzte Abgabe liegt noch im Abgabeordner (auch beiseite) oder in "T2-Ausge".
            const QStringList wartend = s.wartend();
            for (int nr = 1; nr <= kSchueler; ++nr) {
                bool da = dateiInhalt(s.test.abgabenOrdner() + s.name(nr)) == letzte[size_t(nr)];
                for (const QString &w : wartend) {
                    da = da || (w.contains(s.name(nr)) && !w.startsWith(u'~') &&
                                dateiInhalt(s.eingang() + w) == letzte[size_t(nr)]);
                }
                QVERIFY2(da, qPrintable(u"Runde %1, Platz %2: %3"_s.arg(runde).arg(nr).arg(
                                 wartend.join(u", "_s))));
            }
        }
        std::unique_ptr<QProcess> p(s.werkzeug(argumente));
        QVERIFY(p->waitForFinished(60000));
        QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        QVERIFY2(s.wartend().isEmpty(), qPrintable(s.wartend().join(u", "_s)));
        for (int nr = 1; nr <= kSchueler; ++nr) {
            QCOMPARE(dateiInhalt(s.test.abgabenOrdner() + s.name(nr)), letzte[size_t(nr)]);
        }
        QVERIFY(QDir(s.test.abgabenOrdner())
                    .entryList(QDir::Files | QDir::Hidden)
                    .filter(QRegularExpression(u"\\.[A-Za-z0-9]{6}$"_s))
                    .isEmpty());

        // Ebenso Benoten und Zurueckgeben: nach jedem Abbruch gelingt der naechste Lauf ganz, ohne
        // Reste und ohne eine Sperre, die wartet; eine Datei der Lehrkraft in "T3-Benot" bleibt
        // bei jedem Abbruch erhalten.
        {
            std::unique_ptr<QProcess> k(s.werkzeug({u"benoten"_s, kJahr, u"7xP1Bspl"_s}));
            QVERIFY(k->waitForFinished(60000));
            QVERIFY2(k->exitCode() == 0, k->readAllStandardError().constData());
        }
        const QString eigene = s.test.benotetOrdner() + u"Zusammenfassung bearbeitet.odt"_s;
        QVERIFY(ansiZeilenSchreiben(eigene, {u"meins"_s}).ok());
        for (const QString &verb : {u"benoten"_s, u"zurueckgeben"_s}) {
            for (int runde = 0; runde < 15; ++runde) {
                std::unique_ptr<QProcess> k(s.werkzeug({verb, kJahr, u"7xP1Bspl"_s}));
                QVERIFY(k->waitForStarted());
                QThread::usleep(zufall.bounded(1000, 80000));
                k->kill();
                QVERIFY(k->waitForFinished(10000));
            }
            std::unique_ptr<QProcess> k(s.werkzeug({verb, kJahr, u"7xP1Bspl"_s}));
            QVERIFY(k->waitForFinished(60000));
            QVERIFY2(k->exitCode() == 0, k->readAllStandardError().constData());
        }
        QCOMPARE(dateienNachMuster(s.test.benotetOrdner(), u"*.?7x"_s).size(), 25);
        QCOMPARE(lesen(eigene), QStringList{u"meins"_s});
        QVERIFY(QDir(s.test.testOrdner()).entryList({u"*.neu"_s, u"*.alt"_s}).isEmpty());
        const QString rueck = s.e.rueckgabeOrdner + u"Meier/7x/"_s;
        QCOMPARE(QDir(rueck).entryList({u"Mivo-Test*"_s}, QDir::Files).size(), 25);
        QVERIFY(QDir(rueck)
                    .entryList(QDir::Files | QDir::Hidden)
                    .filter(QRegularExpression(u"\\.[A-Za-z0-9]{6}$"_s))
                    .isEmpty());
    }

    // Die Glocke: Schuelerprogramme geben ab, waehrend "Tests benoten" beginnt. Wem
    // "abgegeben" gesagt wurde (Ende 0), der ist mit dieser Abgabe benotet; wer nicht mehr
    // angenommen wurde, ist als fehlend benotet und hat es erfahren.
    void glocke()
    {
        setzeAbgabeRuhezeitMs(2000);
        for (int runde = 0; runde < 3; ++runde) {
            Schule s;
            QVERIFY(s.austeilen());
            const QString cf = s.basis + u"Mivo-Dateien (Schulserver)/Mivo-cf.txt"_s;
            QDir().mkpath(s.eingang());
            std::vector<std::unique_ptr<QProcess>> schueler;
            for (int nr = 1; nr <= 25; ++nr) {
                auto p = std::make_unique<QProcess>();
                const QString warten = QString::number(0.05 * ((nr * 7 + runde * 3) % 25), 'f', 2);
                p->start(u"sh"_s, {u"-c"_s, u"sleep "_s + warten + u"; exec \"$0\" \"$@\""_s,
                                   QStringLiteral(MIVO_WERKZEUG), u"schueler-abgeben"_s, u"--cf"_s,
                                   cf, u"--klasse"_s, u"7x"_s, u"--test"_s, u"7xP1Bspl"_s,
                                   u"--datei"_s, s.name(nr), u"--kreuze"_s, u"1b"_s});
                schueler.push_back(std::move(p));
            }
            // Die Glocke laeutet, wenn die ersten abgegeben haben (auch auf einer langsamen
            // Maschine), waehrend die anderen noch schreiben.
            for (int i = 0; i < 300; ++i) {
                int fertig = 0;
                for (const auto &p : schueler) {
                    p->waitForFinished(0);
                    fertig += p->state() == QProcess::NotRunning && p->exitCode() == 0;
                }
                if (fertig >= 3) {
                    break;
                }
                QThread::msleep(50);
            }
            SkriptRueckfragen r;
            Einsammlung z;
            Benotungslauf lauf;
            QCOMPARE(benotungStarten(s.test, s.e, s.klasse, std::nullopt, s.uhr, z, lauf, r),
                     Ablauf::Ok);
            int angenommen = 0;
            QString ersterFehler;
            for (int nr = 1; nr <= 25; ++nr) {
                QProcess &p = *schueler[size_t(nr - 1)];
                QVERIFY(p.state() == QProcess::NotRunning || p.waitForFinished(30000));
                const bool abgegeben = p.exitCode() == 0;
                angenommen += abgegeben;
                const QString fehler = QString::fromUtf8(p.readAllStandardError());
                if (!abgegeben && ersterFehler.isEmpty()) {
                    ersterFehler = fehler;
                }
                QVERIFY2(abgegeben == (lauf.ergebnisse[nr].noteE != u"/"_s),
                         qPrintable(u"Runde %1, Platz %2: Ende %3, Note %4, %5"_s.arg(runde)
                                        .arg(nr)
                                        .arg(p.exitCode())
                                        .arg(lauf.ergebnisse[nr].noteE, fehler)));
            }
            // Nichts bleibt im Abgabeordner liegen (auch keine zurueckgenommene Abgabe).
            QVERIFY2(s.wartend().filter(QRegularExpression(u"^[^~]"_s)).isEmpty(),
                     qPrintable(s.wartend().join(u", "_s)));
            QVERIFY2(angenommen > 0, qPrintable(ersterFehler));
        }
        setzeAbgabeRuhezeitMs(0);
    }

    // Eine beschaedigte Vorlage beim Benoten: klare Meldung, nichts geschrieben.
    void beschaedigteVorlage_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("leer") << u"leer"_s << u"enthält keine Aufgaben"_s;
        QTest::newRow("nur Kopf") << u"kopf"_s << u"enthält keine Aufgaben"_s;
        QTest::newRow("ohne Loesungszeile") << u"ohneLoesung"_s << u"fehlt bei Aufgabe 3"_s;
        QTest::newRow("gekuerzt") << u"gekuerzt"_s << u"die Testvorlage hat jetzt 9 Aufgaben"_s;
        QTest::newRow("fehlt") << u"fehlt"_s << u"wurde nicht gefunden"_s;
    }
    void beschaedigteVorlage()
    {
        QFETCH(QString, art);
        QFETCH(QString, meldung);
        Schule s;
        QVERIFY(s.austeilen());
        s.abgeben(1);
        s.abgeben(2);
        SkriptRueckfragen r;
        Einsammlung z;
        Benotungslauf lauf;
        QCOMPARE(benotungStarten(s.test, s.e, s.klasse, std::nullopt, s.uhr, z, lauf, r),
                 Ablauf::Ok);
        const auto vorher = baum(s.test.benotetOrdner());
        QStringList a = lesen(s.test.vorlage(u'A'));
        QStringList b = lesen(s.test.vorlage(u'B'));
        if (art == u"leer"_s) {
            a.clear();
        } else if (art == u"kopf"_s) {
            a = a.mid(0, 5);
        } else if (art == u"ohneLoesung"_s) {
            for (QStringList *v : {&a, &b}) {
                const qsizetype frage = v->indexOf(fragezeilen(*v)[2]);
                for (qsizetype i = frage + 1; i <= frage + 4; ++i) {
                    if ((*v)[i][0].isDigit()) {
                        (*v)[i].remove(0, 1);
                    }
                }
            }
        } else if (art == u"gekuerzt"_s) {
            for (QStringList *v : {&a, &b}) {
                *v = v->mid(0, v->indexOf(fragezeilen(*v).last()));
            }
        }
        if (art == u"fehlt"_s) {
            QVERIFY(QFile::remove(s.test.vorlage(u'A')));
        } else {
            QVERIFY(ansiZeilenSchreiben(s.test.vorlage(u'A'), a).ok());
            QVERIFY(ansiZeilenSchreiben(s.test.vorlage(u'B'), b).ok());
        }
        r.leeren();
        QCOMPARE(testsBenoten(s.test, s.klasse, standardNormtabelle(), QDate(2024, 11, 6), lauf, r),
                 Ablauf::Abgebrochen);
        QVERIFY2(r.meldungen().filter(meldung).size() == 1, qPrintable(r.meldungen().join(u'\n')));
        QCOMPARE(baum(s.test.benotetOrdner()), vorher);
        // "Tests benoten" prueft die Vorlage, bevor es den Test zurueckzieht: wer noch schreibt,
        // kann weiter abgeben.
        if (art != u"gekuerzt"_s) {
            const Bereitstellung b = testBereitStellen(s.test, s.e, s.uhr, r);
            QVERIFY(QFile::exists(b.signalDatei));
            r.leeren();
            QCOMPARE(benotungStarten(s.test, s.e, s.klasse, std::nullopt, s.uhr, z, lauf, r),
                     Ablauf::Abgebrochen);
            QVERIFY(QFile::exists(b.signalDatei));
            QCOMPARE(QDir(b.zielOrdner).entryList(QDir::Files).size(), 25);
            QCOMPARE(baum(s.test.benotetOrdner()), vorher);
        }
    }

    // Eine unlesbare Klassendatei (zufaellige Bytes) haelt das Benoten an, bevor etwas
    // geschrieben wird; ebenso eine Kopie eines anderen Tests, die genannt wird.
    void falscheKlasseUndFremdeKopie()
    {
        Schule s;
        QVERIFY(s.austeilen());
        s.abgeben(1);
        SkriptRueckfragen r;
        Einsammlung z;
        Benotungslauf lauf;
        QCOMPARE(benotungStarten(s.test, s.e, s.klasse, std::nullopt, s.uhr, z, lauf, r),
                 Ablauf::Ok);
        const auto vorher = baum(s.test.benotetOrdner());
        QByteArray zufall(kKlassenDateiGroesse, '\0');
        for (qsizetype i = 0; i < zufall.size(); ++i) {
            zufall[i] = char((i * 7919 + 13) % 251);
        }
        r.leeren();
        QCOMPARE(testsBenoten(s.test, *klasseAusBytes(zufall), standardNormtabelle(),
                              QDate(2024, 11, 6), lauf, r),
                 Ablauf::Abgebrochen);
        QVERIFY(r.meldungen().last().startsWith(u"Für keinen Schüler der Klasse"_s));
        QCOMPARE(baum(s.test.benotetOrdner()), vorher);

        // Platz 2 legt eine Kopie mit anderer Aufgabenzahl direkt in "T2-Ausge".
        QStringList fremd = s.ausgefuellt(2);
        fremd = fremd.mid(0, fremd.indexOf(fragezeilen(fremd).last()));
        QVERIFY(ansiZeilenSchreiben(s.test.abgabenOrdner() + s.name(2), fremd).ok());
        r.leeren();
        QCOMPARE(testsBenoten(s.test, s.klasse, standardNormtabelle(), QDate(2024, 11, 6), lauf, r),
                 Ablauf::Abgebrochen);
        QCOMPARE(r.meldungen().size(), 1);
        QVERIFY2(r.meldungen()[0].startsWith(u"Jonas Bauer ("_s + s.name(2) +
                                             u") wurde nicht benotet: die abgegebene Kopie "
                                             "gehört zu einer früheren Austeilung oder zu einem "
                                             "anderen Test"_s),
                 qPrintable(r.meldungen()[0]));
        QCOMPARE(baum(s.test.benotetOrdner()), vorher);
    }

    // Was nach dem Austeilen geschieht, aendert nie still eine Note: jede Kopie wird mit dem
    // Schluessel der aktuellen Vorlage A in der Antwortfolge benotet, die der Schueler bekam (seine
    // Kopie in "T1-Kopie"); die Vorlage B folgt jeder Aenderung von A in ihrer Reihenfolge. Eine
    // Kopie einer frueheren Austeilung wird genannt, und es wird nichts geschrieben.
    void nachDemAusteilen_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<bool>("benotet");
        QTest::newRow("Frage, Antwort und Schluessel in A berichtigt") << u"berichtigt"_s << true;
        QTest::newRow("B neu gemischt, Kopien nicht neu") << u"neuGemischt"_s << true;
        QTest::newRow("Kopie einer frueheren Austeilung") << u"alteKopie"_s << false;
    }
    void nachDemAusteilen()
    {
        QFETCH(QString, art);
        QFETCH(bool, benotet);
        Schule s;
        QVERIFY(s.austeilen());
        SkriptRueckfragen r;
        auto abgeben = [&](int nr, const QStringList &zeilen) {
            return ansiZeilenSchreiben(s.test.abgabenOrdner() + s.name(nr), zeilen).ok();
        };
        auto kopie = [&](int nr) { return lesen(s.test.kopienOrdner() + s.name(nr)); };
        const QStringList altB = lesen(s.test.vorlage(u'B'));
        QStringList erwartetB = altB;
        QStringList alt;
        if (art == u"berichtigt"_s) {
            // Tippfehler in Frage 1 und in einer ihrer Antworten; Schluessel von Frage 2 war
            // falsch.
            auto berichtigen = [](QStringList v) {
                for (QString &z : v) {
                    z.replace(u"1)\tWas tust du zuerst,"_s, u"1)\tWas tust du als Erstes,"_s);
                    z.replace(u") Ich packe in Ruhe"_s, u") Ich packe in aller Ruhe"_s);
                    if (z.endsWith(u") Am Lehrerpult und an den Ausgängen"_s) && z[0] == u'1') {
                        z.remove(0, 1);
                    }
                    if (z.endsWith(u") Im Sicherungskasten im Keller"_s)) {
                        z.prepend(u'1');
                    }
                }
                return v;
            };
            const QStringList neuA = berichtigen(lesen(s.test.vorlage(u'A')));
            erwartetB = berichtigen(altB);
            // Platz 1 (A) und 2 (B) kreuzen an, was nach dem berichtigten Schluessel richtig ist.
            QVERIFY(abgeben(1, richtigNachText(kopie(1), neuA)));
            QVERIFY(abgeben(2, richtigNachText(kopie(2), neuA)));
            QVERIFY(Test_speichern(neuA, s.test.vorlage(u'A'), r));
            QVERIFY2(r.meldungen().isEmpty(), qPrintable(r.meldungen().join(u'\n')));
        } else if (art == u"neuGemischt"_s) {
            // Ein abgebrochenes zweites Austeilen: B neu gemischt, die Kopien noch die alten.
            QVERIFY(abgeben(1, s.ausgefuellt(1)));
            QVERIFY(abgeben(2, s.ausgefuellt(2)));
            r.antworte(Rueckfragen::Knopf::Ja);
            FolgeZufall zufall({});
            QCOMPARE(gruppeBVorlageErzeugen(s.test, zufall, r), Ablauf::Ok);
            erwartetB = lesen(s.test.vorlage(u'B'));
            QVERIFY(erwartetB != altB);
        } else {
            // Platz 2 arbeitet noch an seiner ersten Kopie, als neu ausgeteilt wird.
            alt = s.ausgefuellt(2);
            r.antworte(Rueckfragen::Knopf::Ja).antworte(Rueckfragen::Knopf::Ok);
            FolgeZufall zufall({});
            QCOMPARE(kopienAnfertigen(s.test, s.klasse, zufall, r), Kopien::Neu);
            erwartetB = lesen(s.test.vorlage(u'B'));
            QVERIFY(erwartetB != altB);
            QVERIFY(abgeben(1, s.ausgefuellt(1)));
        }
        r.leeren();
        Benotungslauf lauf;
        QCOMPARE(testsBenoten(s.test, s.klasse, standardNormtabelle(), QDate(2024, 11, 6), lauf, r),
                 Ablauf::Ok);
        if (!benotet) {
            const auto vorher = baum(s.test.benotetOrdner());
            QVERIFY(abgeben(2, alt));
            r.leeren();
            QCOMPARE(
                testsBenoten(s.test, s.klasse, standardNormtabelle(), QDate(2024, 11, 6), lauf, r),
                Ablauf::Abgebrochen);
            QCOMPARE(r.meldungen().size(), 1);
            const Schueler &b = s.klasse.schueler(2);
            QVERIFY2(r.meldungen()[0].contains(b.vorname + u' ' + b.nachname + u" ("_s) &&
                         r.meldungen()[0].contains(u"früheren Austeilung"_s),
                     qPrintable(r.meldungen()[0]));
            QCOMPARE(baum(s.test.benotetOrdner()), vorher);
            return;
        }
        QVERIFY2(r.meldungen().isEmpty(), qPrintable(r.meldungen().join(u'\n')));
        for (int nr = 1; nr <= 25; ++nr) {
            QVERIFY2(lauf.benotet[nr], qPrintable(s.name(nr)));
        }
        for (int nr = 1; nr <= 2; ++nr) {
            const QString nachname = s.klasse.schueler(nr).nachname.left(8);
            bool gefunden = false;
            for (const Benotungsergebnis &e : lauf.ergebnisse) {
                if (e.nachname == nachname) {
                    QCOMPARE(e.punkte, qint16(17));
                    QCOMPARE(e.noteE, u"1+"_s);
                    gefunden = true;
                }
            }
            QVERIFY(gefunden);
        }
        QCOMPARE(lesen(s.test.vorlage(u'B')), erwartetB);
    }

    // Abwesend ist nur der Platzhalter ("krank:" am Anfang von Zeile 1), nicht ein Name.
    void platzhalterUndNamen_data()
    {
        QTest::addColumn<QString>("nachname");
        QTest::addColumn<QString>("zeile1");
        QTest::addColumn<QString>("note");
        QTest::newRow("Krankl") << u"Krankl"_s << QString() << u"1+"_s;
        QTest::newRow("Krankenhagen") << u"Krankenhagen"_s << QString() << u"1+"_s;
        QTest::newRow("Krank") << u"Krank"_s << QString() << u"1+"_s;
        QTest::newRow("Platzhalter") << u"Albrecht"_s << u"krank:    "_s << u"/"_s;
        QTest::newRow("Platzhalter gross") << u"Albrecht"_s << u"KRANK:    "_s << u"/"_s;
        QTest::newRow("krank im Namen, Zeile 1") << u"Albrecht"_s << u"Name krank: "_s << u"1+"_s;
    }
    void platzhalterUndNamen()
    {
        QFETCH(QString, nachname);
        QFETCH(QString, zeile1);
        Schule s;
        s.klasse.schueler(1).nachname = nachname;
        QVERIFY(s.austeilen());
        QStringList kopie = s.ausgefuellt(1);
        kopie[0] = zeile1 + kopie[0];
        QVERIFY(ansiZeilenSchreiben(s.test.abgabenOrdner() + s.name(1), kopie).ok());
        SkriptRueckfragen r;
        Benotungslauf lauf;
        QCOMPARE(testsBenoten(s.test, s.klasse, standardNormtabelle(), QDate(2024, 11, 5), lauf, r),
                 Ablauf::Ok);
        bool gefunden = false;
        for (int nr = 1; nr <= lauf.klassenGroesse; ++nr) {
            if (lauf.ergebnisse[nr].nachname == nachname.left(8)) {
                QTEST(lauf.ergebnisse[nr].noteE, "note");
                gefunden = true;
            }
        }
        QVERIFY(gefunden);
    }

    // Klasse "7" mit Fuellpunkt: Kopien, Abgaben und benotete Kopien heissen "....7_" auf
    // allen Seiten, das Testkuerzel bleibt "7.P1Bspl".
    void klasseMitFuellpunkt()
    {
        Schule s(u"7.P1Bspl"_s);
        QVERIFY(s.austeilen());
        QCOMPARE(s.name(1), u"Albrecht.L7_"_s);
        QVERIFY(QFile::exists(s.test.kopienOrdner() + u"Albrecht.L7_"_s));
        QVERIFY(QFile::exists(s.e.ausgabeOrdner + u"Meier/7./Albrecht.L7_"_s));
        s.abgeben(1);
        SkriptRueckfragen r;
        Einsammlung z;
        Benotungslauf lauf;
        QCOMPARE(benotungStarten(s.test, s.e, s.klasse, std::nullopt, s.uhr, z, lauf, r),
                 Ablauf::Ok);
        QCOMPARE(z.gesammelt, QStringList{u"Albrecht.L7_"_s});
        QCOMPARE(lesen(s.test.benotetOrdner() + u"Albrecht.L7_"_s)[11],
                 u"Dein Testergebnis:      Notenpunkte: 15,         Note (E/G): 1+/1+"_s);
        // Das Werkzeug nimmt jedes Kuerzel, das das Programm bildet, auch mit Fuellpunkt.
        const QString klassendatei = s.basis + kJahr + u"/L-7x-Ph.DTA"_s;
        for (const QString &verb : {u"benoten"_s, u"durchfuehren"_s}) {
            std::unique_ptr<QProcess> p(
                s.werkzeug({verb, kJahr, u"7.P1Bspl"_s, u"--klasse"_s, klassendatei}));
            QVERIFY(p->waitForFinished(60000));
            QVERIFY2(p->exitCode() == 0,
                     qPrintable(verb + u": "_s + QString::fromUtf8(p->readAllStandardError())));
        }
    }

    // Nochmals benoten ersetzt, was die Benotung schreibt, und laesst der Lehrkraft ihre eigenen
    // Dateien im Ordner (eine bearbeitete Zusammenfassung, einen Unterordner).
    void wiederBenotenBehaeltEigeneDateien()
    {
        Schule s;
        QVERIFY(s.austeilen());
        s.abgeben(1);
        s.abgeben(2);
        SkriptRueckfragen r;
        Einsammlung z;
        Benotungslauf lauf;
        QCOMPARE(benotungStarten(s.test, s.e, s.klasse, std::nullopt, s.uhr, z, lauf, r),
                 Ablauf::Ok);
        const QString t3 = s.test.benotetOrdner();
        QVERIFY(ansiZeilenSchreiben(t3 + u"Zusammenfassung bearbeitet.odt"_s, {u"meins"_s}).ok());
        QVERIFY(QDir().mkpath(t3 + u"Notizen"_s));
        QVERIFY(ansiZeilenSchreiben(t3 + u"Notizen/Elterngespräch.txt"_s, {u"Ö"_s}).ok());
        QVERIFY(ansiZeilenSchreiben(t3 + u"Zusammenfassung.Doc"_s, {u"alt"_s}).ok());
        QVERIFY(ansiZeilenSchreiben(t3 + u"Weg.Z7x"_s, {u"alt"_s}).ok()); // frueherer Lauf
        QVERIFY(QFile::remove(s.test.abgabenOrdner() + s.name(2)));
        r.leeren();
        QCOMPARE(testsBenoten(s.test, s.klasse, standardNormtabelle(), QDate(2024, 11, 6), lauf, r),
                 Ablauf::Ok);
        QCOMPARE(lesen(t3 + u"Zusammenfassung bearbeitet.odt"_s), QStringList{u"meins"_s});
        QCOMPARE(lesen(t3 + u"Notizen/Elterngespräch.txt"_s), QStringList{u"Ö"_s});
        QVERIFY(lesen(t3 + u"Zusammenfassung.Doc"_s).size() > 1);
        // Benotete Kopien gehoeren der Benotung: eine ohne Abgabe verschwindet.
        QVERIFY(QFile::exists(t3 + s.name(1)));
        QVERIFY(!QFile::exists(t3 + s.name(2)));
        QVERIFY(!QFile::exists(t3 + u"Weg.Z7x"_s));
        QVERIFY(QDir(s.test.testOrdner()).entryList({u"*.neu"_s, u"*.alt"_s}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAbgabeweg)
#include "test_abgabeweg.moc"
