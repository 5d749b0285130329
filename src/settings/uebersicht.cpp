#include "settings/uebersicht.h"

#include "common/ansitext.h"
#include "common/oeffner.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"
#include "settings/konfiguration.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
const QString crlf = u"\r\n"_s;
}

QString programmVersion()
{
    return QStringLiteral(MIVO_VERSION).trimmed();
}

QString fensterTitel()
{
    return programmVersion() + u"  "_s + kAnwendungsTitel;
}

QString versionsSchild()
{
    return programmVersion().left(3);
}

QString infoText()
{
    return kAnwendungsTitel + crlf + u"Version "_s + programmVersion() + crlf + crlf +
           u"Notenverwaltung für Klassen, Kurse und Lerngruppen,"_s + crlf +
           u"Multiple-Choice-Tests im Schulnetz und Lückentests."_s;
}

QString anfangsMeldungText()
{
    return u"Um die Programmfunktionen zu initialisieren muss zuerst der Menübefehl "_s + crlf +
           crlf + QString(13, u' ') + u"Optionen  >  2) Konfiguration für Testfunktionen "_s +
           crlf + crlf +
           u"aufgerufen werden. Damit werden automatisch 2 Beispielklassen und 1 Beispieltest bereit gestellt,"_s +
           crlf + u"auch wenn Sie dabei den Probetestlauf nicht durchführen."_s;
}

bool anfangsMsgGezeigt(const QString &basisOrdner, const QDate &heute, Rueckfragen &r)
{
    const QString ordner = schuljahrOrdner(basisOrdner, aktuellesSchuljahr(heute));
    if (!dateienNachMuster(ordner, u"*.DTA"_s).isEmpty()) {
        return false;
    }
    r.information(anfangsMeldungText());
    return true;
}

QString programmendeHinweis()
{
    return u"Schneller als über diesen Button:"_s + crlf + u"Einfach die Taste  <e>  drücken!"_s +
           crlf + crlf + u"Fast alle Buttons in diesem Programm "_s + crlf +
           u"haben diese praktische Schnelltastenzuweisung "_s + crlf +
           u"(jeweils der Buchstabe, der in der "_s + crlf +
           u"Buttonbezeichnung unterstrichen ist)."_s;
}

QString bedienungsanleitungSuchen(const QString &programmOrdner)
{
    const QStringList treffer = dateienNachMuster(programmOrdner, kAnleitungMuster);
    return treffer.isEmpty() ? QString() : programmOrdner + treffer.constFirst();
}

bool dateiAnzeigen(const QString &pfad, Rueckfragen &r, Oeffner &o)
{
    if (!istGewoehnlicheDatei(pfad)) {
        r.warnung(u"Die Datei  "_s + pfad + u"  wurde nicht gefunden!"_s);
        return false;
    }
    if (!o.oeffnen(pfad)) {
        r.fehler(u"Die Datei  "_s + pfad + u"  konnte nicht geöffnet werden."_s + crlf +
                 u"Ist ein passendes Programm zum Anzeigen installiert?"_s);
        return false;
    }
    return true;
}

void schuelerCfEinsehen(const Einstellungen &e, Konfiguration &k, Rueckfragen &r, Oeffner &o)
{
    const QString ordner = k.leseAusDateiDenOrdner(e.lehrerCfDatei(), Kopf::programmOrdner);
    // Der Hinweis gilt dem eingetragenen Wert, auch wo er kein brauchbarer Ordner ist.
    const QString eingetragen =
        wertNachKopf(ansiZeilenLesen(e.lehrerCfDatei()).zeilen, Kopf::programmOrdner)
            .value_or(QString());
    if (eingetragen.startsWith(u"C:"_s, Qt::CaseInsensitive)) {
        r.fehler(
            u"Die Konfigurationsdatei  Mivo-cf.txt  für das Schülertestprogramm liegt auf dem "_s
            u"geschützten System-Laufwerk C: und kann daher nur vom Systemadministrator "_s
            u"verändert werden (s. Bedienungsanleitung)."_s);
    }
    // Ohne (brauchbaren) Ordner nie eine Mivo-cf.txt im Arbeitsordner zeigen.
    if (ordner.isEmpty()) {
        r.warnung(u"Die Datei  "_s + kSchuelerCfName + u"  wurde nicht gefunden!"_s);
        return;
    }
    dateiAnzeigen(ordner + kSchuelerCfName, r, o);
}
