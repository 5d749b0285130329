#include "settings/konfiguration.h"

#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString crlf = u"\r\n"_s;

// Konfigurationsdateien sind klein; alles darueber ist keine Konfiguration.
constexpr qint64 kGrenzeKonfiguration = 1024 * 1024;

// Die Koepfe, deren Wert ein Ordner ist, in dem dieses Programm anlegt, liest oder loescht.
// [Lehrer-Klassen-Ordner] nicht: jeder Start ersetzt ihn durch den Programmordner. [Schueler]
// nicht: nur das Schuelerprogramm benutzt ihn (und prueft ihn dort).
bool istOrdnerKopf(const QString &kopf)
{
    return kopf == Kopf::programmOrdner || kopf == Kopf::testAusgabe || kopf == Kopf::testAbgabe ||
           kopf == Kopf::testRueckgabe;
}

QString lesefehlerText(const QString &datei)
{
    return u"Die Datei "_s + datei + u" existiert, aber sie lässt sich nicht lesen!"_s;
}

} // namespace

QList<qsizetype> kopfZeilen(const QStringList &zeilen, const QString &kopf)
{
    static const QStringList bekannt{
        Kopf::programmOrdner,
        Kopf::lehrername,
        Kopf::lehrerKlassenOrdner,
        Kopf::ordnerkonfiguration,
        Kopf::jungenMaedchen,
        Kopf::durchschnitte,
        Kopf::leerspalten,
        Kopf::keineAenderung,
        Kopf::vornamensortierung,
        Kopf::punktedarstellung,
        Kopf::gesamtberechnung,
        Kopf::testAusgabe,
        Kopf::testAbgabe,
        Kopf::testRueckgabe,
        Kopf::schueler,
        Kopf::schule,
    };
    QList<qsizetype> positionen;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (zeilen[i] == kopf) {
            positionen.append(i);
        } else if (!bekannt.contains(zeilen[i])) {
            continue;
        }
        ++i; // die Zeile unter einem Kopf ist dessen Wert, was immer sie enthaelt
    }
    return positionen;
}

bool wertNachKopfSetzen(QStringList &zeilen, const QString &kopf, const QString &wert)
{
    const QList<qsizetype> positionen = kopfZeilen(zeilen, kopf);
    for (qsizetype i : positionen) {
        if (i + 1 < zeilen.size()) {
            zeilen[i + 1] = wert;
        } else {
            zeilen.append(wert);
        }
    }
    return !positionen.isEmpty();
}

std::optional<QString> wertNachKopf(const QStringList &zeilen, const QString &kopf)
{
    std::optional<QString> wert;
    for (qsizetype i : kopfZeilen(zeilen, kopf)) {
        if (i + 1 < zeilen.size()) {
            wert = zeilen[i + 1];
        }
    }
    return wert;
}

Konfiguration::Konfiguration(Einstellungen &einstellungen, Rueckfragen &rueckfragen)
    : e(einstellungen)
    , r(rueckfragen)
{}

QString Konfiguration::leseAusDateiDenOrdner(const QString &datei, const QString &kopf)
{
    QString ergebnis;
    e.ordnerFehler.remove(kopf);
    const QFileInfo info(datei);
    if (!datei.isEmpty() && (info.exists() || info.isSymLink())) {
        const ZeilenErgebnis gelesen = ansiZeilenLesen(datei, kGrenzeKonfiguration);
        if (!gelesen.ok()) {
            r.fehler(lesefehlerText(datei));
        } else {
            // Die letzte nicht leere Wertzeile gewinnt.
            const QStringList &z = gelesen.zeilen;
            qsizetype wertZeile = -1;
            for (qsizetype i : kopfZeilen(z, kopf)) {
                if (i + 1 < z.size() && !z[i + 1].isEmpty()) {
                    ergebnis = mitTrenner(z[i + 1]);
                    wertZeile = i + 1;
                }
            }
            if (wertZeile >= 0 && istOrdnerKopf(kopf)) {
                ergebnis = ordnerAusAngabe(z[wertZeile]);
                const QString fehler = ordnerAngabeFehler(z[wertZeile], datei, wertZeile + 1, kopf);
                if (!fehler.isEmpty()) {
                    e.ordnerFehler.insert(kopf, fehler);
                    r.fehler(fehler + crlf +
                             u"Bitte tragen Sie die Ordner über 'Optionen  >  2. Konfiguration "_s
                             u"für Testfunktionen' neu ein."_s);
                    ergebnis.clear();
                }
            }
        }
    } else if (kopf == Kopf::testAusgabe) {
        e.schulKonfigFehlt = true;
        r.warnung(
            u"Der Pfad zum Schülertestmodul (Datei  Mivo-cf.txt) wurde nicht gefunden:"_s + crlf +
            u"     "_s +
            (!datei.isEmpty() ? datei
             : e.ordnerFehler.contains(Kopf::programmOrdner)
                 ? u"(Der Mivo-Programm-Ordner in Mivo-Kl-cf.txt ist unbrauchbar.)"_s
                 : u"(In Mivo-Kl-cf.txt ist noch kein Mivo-Programm-Ordner eingetragen.)"_s) +
            crlf + crlf +
            u"In diesem Zustand sind nur die Notenverwaltung und die Testkonstruktion "_s
            u"möglich; ein Test kann nicht durchgeführt werden."_s +
            crlf + crlf +
            u"Auch wenn Sie den gesamten Basisordner verschoben haben, rufen Sie bitte "_s
            u"zuerst den Menüpunkt  'Optionen  >   2. Konfiguration für Testfunktionen'  auf."_s +
            crlf + crlf + u"Weitere Hinweise finden Sie in der Bedienungsanleitung."_s);
    } else if (kopf == Kopf::programmOrdner) {
        r.fehler(
            u"Die Datei  Mivo-Kl-cf.txt  wurde nicht gefunden. Diese Konfigurationsdatei "_s
            u"sollte sich aber immer in dem Ordner befinden, in dem auch das Hauptprogramm und "_s
            u"die anderen Dateien des Basisordners liegen (s. Bedienungsanleitung), und sollte "_s
            u"die wichtigsten Angaben enthalten."_s +
            crlf +
            u"Das Programm sollte ohne die dazugehörige Konfigurationsdatei nicht verwendet werden "_s +
            crlf + u"und wird daher beendet."_s);
        e.programmEndet = true;
        return ergebnis;
    }

    if (ergebnis.isEmpty() && kopf == Kopf::lehrerKlassenOrdner) {
        r.information(willkommenstext(e.programmOrdner));
        exe_pfad_in_cf_schreiben(Kopf::lehrerKlassenOrdner);
    }
    return ergebnis;
}

QString Konfiguration::willkommenstext(const QString &programmOrdner)
{
    return u"Willkommen beim Mivo-Zuzovuvavev!  "_s + crlf + u"==============================="_s +
           crlf + crlf +
           u"Als Basisordner von Programm und sämtlichen Daten [Lehrer-Klassen-Ordner] wird in der "_s
           u"Konfiguration vorerst der aktuelle Pfad des Programms eingetragen (Standardvorgabe): "_s +
           crlf + u"     "_s + programmOrdner + u"."_s + crlf +
           u"Sämtliche Daten liegen in Unterordnern des Programmordners. Es wird empfohlen, diese "_s
           u"Konstellation so zu belassen. "_s +
           crlf + crlf +
           u"Sollten Sie irgendwann den Basisordner mit Programm und Daten verschieben (oder in die "_s
           u"Schule 'mitnehmen'), denken Sie daran, über den Hauptmenübefehl   'Optionen'    die "_s
           u"Konfiguration (1 und 2) durchzuführen. "_s +
           crlf + crlf +
           u"Um in der Schule mit dem Programm zu arbeiten, kopieren Sie den gesamten Klassenordner "_s
           u"auf Ihren Account auf den Schulserver. "_s +
           crlf + crlf + crlf +
           u"Auf Ihren PC sollten aber möglichst MS-Office und ein Programm zum Lesen von pdf-Dateien "_s
           u"installiert sein."_s +
           crlf + crlf +
           u"Um die Programmfunktionen zu initialisieren, rufen Sie über das Hauptmenü am besten "_s
           u"gleich die beiden Konfigurationsroutinen auf:"_s +
           crlf + u"\tOptionen  >  2. Konfiguration für Testfunktionen,"_s + crlf +
           u"\tOptionen  >  1. Anfangskonfiguration."_s;
}

void Konfiguration::schreibeInDateiDenOrdner(const QString &datei, const QString &wert,
                                             const QString &kopf)
{
    const QFileInfo info(datei);
    if (datei.isEmpty() || (!info.exists() && !info.isSymLink())) {
        e.speicherErfolg = false;
        r.warnung(u"Die Datei "_s + datei + u" wurde nicht gefunden!"_s + crlf +
                  u"Es sollte versucht werden die 2. Konfiguration zuerst durchzuführen."_s);
        return;
    }
    ZeilenErgebnis gelesen = ansiZeilenLesen(datei, kGrenzeKonfiguration);
    if (!gelesen.ok()) {
        // Eine Datei, die nicht gelesen werden kann, wird auch nicht ueberschrieben.
        e.speicherErfolg = false;
        r.fehler(lesefehlerText(datei));
        return;
    }
    const QStringList vorher = gelesen.zeilen;
    wertNachKopfSetzen(gelesen.zeilen, kopf, wert);
    // Unveraendert: nicht neu schreiben (jeder Start schreibt den Basisordner).
    if (gelesen.zeilen == vorher) {
        return;
    }

    pauseVorNeuschreiben();
    const DateiFehler f = ansiZeilenSchreiben(datei, gelesen.zeilen);
    if (f.ok()) {
        return;
    }
    e.speicherErfolg = false;
    QString text = u"Die Datei "_s + datei + u" konnte nicht geschrieben werden!"_s;
    if (f.art == DateiFehler::Art::NichtDarstellbar) {
        text += crlf + u"Das Zeichen \""_s + f.zeichen +
                u"\" lässt sich in dieser Datei nicht speichern."_s;
    } else if (datei.startsWith(u'C')) {
        text +=
            crlf + crlf +
            u"Dies liegt vermutlich daran, dass Sie das Programm nicht als Administrator ausführen. "_s
            u"In der Schule hat nur der Systemadministrator die Admin-Rechte. Zu Hause können Sie "_s
            u"sich selbst die Admin-Rechte zuschreiben, indem Sie das Programm nicht mit der linken "_s
            u"Maustaste starten, sondern mit der rechten Maustaste aufrufen und dann die Option "_s
            u"wählen: 'Als Administrator ausführen'."_s +
            crlf +
            u"Wenn Sie (am heimischen PC) den Schulnamen verändern möchten, müssen Sie außerdem vorher "_s
            u"im Menü-Punkt  'Optionen > 2) Konfiguration für Testfunktionen'  die erste "_s
            u"Option 'Testfunktionen ausprobieren' wählen."_s +
            crlf + crlf +
            u"Ein Problem liegt jetzt also nur vor, wenn Sie momentan in der Schule als System-Admin "_s
            u"angemeldet sind. Dann sollten Sie die Ursache für die Fehlermeldung sorgfältig ergründen."_s;
    }
    r.fehler(text);
}

void Konfiguration::exe_pfad_in_cf_schreiben(const QString &kopf)
{
    schreibeInDateiDenOrdner(e.lehrerCfDatei(), e.programmOrdner, kopf);
}

bool Konfiguration::leseOptionen()
{
    optionenPuffer.clear();
    const ZeilenErgebnis gelesen = ansiZeilenLesen(e.lehrerCfDatei(), kGrenzeKonfiguration);
    if (!gelesen.ok()) {
        r.fehler(u"Fataler Fehler: Die Datei "_s + e.lehrerCfDatei() +
                 u" fehlt oder lässt sich nicht lesen!"_s);
        return false;
    }
    optionenPuffer = gelesen.zeilen;
    return true;
}

void Konfiguration::speichereOptionen()
{
    const DateiFehler f = ansiZeilenSchreiben(e.lehrerCfDatei(), optionenPuffer);
    if (!f.ok()) {
        e.speicherErfolg = false;
        r.fehler(u"Die Datei "_s + e.lehrerCfDatei() + u" lässt sich nicht neu schreiben!"_s);
    }
}

TabellenOptionen Konfiguration::einstellenOptionen()
{
    TabellenOptionen o;
    if (!leseOptionen()) {
        return o;
    }
    const auto an = [this](const QString &kopf) {
        return wertNachKopf(optionenPuffer, kopf).value_or(QString()) == u"X"_s;
    };
    bool zahl = false;
    const int sortierung =
        wertNachKopf(optionenPuffer, Kopf::jungenMaedchen).value_or(QString()).toInt(&zahl);
    o.jungenMaedchenSortierung = (zahl && sortierung >= 0 && sortierung <= 2) ? sortierung : 2;
    o.durchschnitte = an(Kopf::durchschnitte);
    o.leerspalten = an(Kopf::leerspalten);
    o.keineAenderung = an(Kopf::keineAenderung);
    o.vornamensortierung = an(Kopf::vornamensortierung);
    o.punktedarstellung = an(Kopf::punktedarstellung);
    o.gesamtberechnung = an(Kopf::gesamtberechnung);
    return o;
}

void Konfiguration::schreibeOptionen(const TabellenOptionen &o)
{
    // Ohne gelesenen Puffer wuerde das Schreiben die Datei leeren.
    if (!leseOptionen()) {
        e.speicherErfolg = false;
        return;
    }
    const auto x = [](bool an) { return an ? u"X"_s : QString(); };
    wertNachKopfSetzen(optionenPuffer, Kopf::jungenMaedchen,
                       QString::number(o.jungenMaedchenSortierung));
    wertNachKopfSetzen(optionenPuffer, Kopf::durchschnitte, x(o.durchschnitte));
    wertNachKopfSetzen(optionenPuffer, Kopf::leerspalten, x(o.leerspalten));
    wertNachKopfSetzen(optionenPuffer, Kopf::keineAenderung, x(o.keineAenderung));
    wertNachKopfSetzen(optionenPuffer, Kopf::vornamensortierung, x(o.vornamensortierung));
    wertNachKopfSetzen(optionenPuffer, Kopf::punktedarstellung, x(o.punktedarstellung));
    wertNachKopfSetzen(optionenPuffer, Kopf::gesamtberechnung, x(o.gesamtberechnung));
    pauseVorNeuschreiben();
    speichereOptionen();
}

bool Konfiguration::einstellungenLaden()
{
    const QString lehrerCf = e.lehrerCfDatei();
    const QString schuelerProgrammOrdner = leseAusDateiDenOrdner(lehrerCf, Kopf::programmOrdner);
    if (e.programmEndet) {
        return false;
    }

    e.lehrername = leseAusDateiDenOrdner(lehrerCf, Kopf::lehrername);
    if (e.lehrername.isEmpty()) {
        e.lehrername = QString(kTrenner);
    }

    e.basisOrdner = leseAusDateiDenOrdner(lehrerCf, Kopf::lehrerKlassenOrdner);
    if (e.basisOrdner.isEmpty()) {
        e.basisOrdner = e.programmOrdner;
    }

    e.ordnerkonfiguration = leseAusDateiDenOrdner(lehrerCf, Kopf::ordnerkonfiguration).left(1);

    if (e.basisOrdner != e.programmOrdner) {
        r.warnung(
            u"In der Konfigurationsdatei  Mivo-Kl-cf.txt  ist als Basisordner für alle Daten dieses "_s
            u"Programms (Klassen, Tests usw.) momentan nicht der aktuelle Programmordner angegeben. "_s
            u"Eventuell haben Sie den gesamten Programmordner (...\\Klassen) mitsamt Programm und Daten "_s
            u"auf eine andere Festplatte kopiert. "_s +
            crlf + crlf +
            u"Die Konfiguration des Programms wird deshalb so angepasst, dass als Basisordner der "_s
            u"Ordner eingetragen wird, in dem sich jetzt die Programmdatei  Mivo-Zuzovuvavev.exe  "_s
            u"befindet (Standardeinstellung). "_s);
        e.basisOrdner = e.programmOrdner;
    }

    schreibeInDateiDenOrdner(lehrerCf, e.basisOrdner, Kopf::lehrerKlassenOrdner);

    // Ohne eingetragenen Schuelerprogramm-Ordner gilt Mivo-cf.txt als nicht gefunden.
    e.schuelerCfDatei =
        schuelerProgrammOrdner.isEmpty() ? QString() : schuelerProgrammOrdner + kSchuelerCfName;
    e.ausgabeOrdner = leseAusDateiDenOrdner(e.schuelerCfDatei, Kopf::testAusgabe);
    e.abgabeOrdner = leseAusDateiDenOrdner(e.schuelerCfDatei, Kopf::testAbgabe);
    e.rueckgabeOrdner = leseAusDateiDenOrdner(e.schuelerCfDatei, Kopf::testRueckgabe);
    e.schulname = leseAusDateiDenOrdner(e.schuelerCfDatei, Kopf::schule);
    return true;
}
