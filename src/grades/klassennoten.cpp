#include "grades/klassennoten.h"

#include "classdata/klasse.h"
#include "common/ansitext.h"
#include "common/rueckfragen.h"
#include "grades/notentabelle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

bool istAltesWordformat(const QByteArray &daten)
{
    return daten.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
}

bool endetAuf(const QString &pfad, const QString &endung)
{
    return pfad.endsWith(u'.' + endung, Qt::CaseInsensitive);
}

constexpr int kUmwandlungMs = 120 * 1000;

} // namespace

Zellenquelle druckform(const Klasse &klasse, NotenAnzeige anzeige)
{
    // Die Klasse muss leben, solange die Quelle benutzt wird.
    const int zeilen = klassenGroesse(klasse) + 4;
    return [&klasse, anzeige, zeilen](int spalte, int zeile) -> std::optional<QString> {
        if (spalte < 0 || spalte >= kTabellenSpalten || zeile < 0 || zeile >= zeilen) {
            return std::nullopt;
        }
        if (zeile == 1) {
            return kopfText(klasse, spalte);
        }
        if (zeile == 2) {
            return gewichtText(klasse, spalte);
        }
        if (zeile > 2 && spalte < kFesteSpalten) {
            return namensText(klasse, spalte, zeile);
        }
        return zellText(klasse, spalte, zeile, anzeige);
    };
}

QString klasseKursText(const QString &klassenname)
{
    return (klassenname.startsWith(u'L') ? u"Klasse: "_s : u"Kurs: "_s) + klassenname;
}

QString ausgabeEndung(const QString &vorlage)
{
    return endetAuf(vorlage, u"odt"_s) ? u"odt"_s : u"docx"_s;
}

QString ausgabeVorschlag(const QString &klassenPfad, const QString &vorlage)
{
    const QString stamm = endetAuf(klassenPfad, u"DTA"_s) ? klassenPfad.chopped(4) : klassenPfad;
    return stamm + u'.' + ausgabeEndung(vorlage);
}

bool zielIstVorlage(const KlassennotenWahl &wahl, Rueckfragen &r)
{
    const QFileInfo vorlage(wahl.vorlage), ziel(wahl.ziel);
    if (vorlage.absoluteFilePath().compare(ziel.absoluteFilePath(), Qt::CaseInsensitive) != 0 &&
        !(ziel.exists() && vorlage.canonicalFilePath() == ziel.canonicalFilePath())) {
        return false;
    }
    r.fehler(u"Die Klassennotendatei darf nicht die Vorlage selbst sein:\r\n"_s + wahl.ziel +
             u"\r\nBitte einen anderen Dateinamen wählen. Die Vorlage bleibt unverändert."_s);
    return true;
}

std::optional<KlassennotenWahl> klassennotenDialoge(const QString &programmOrdner,
                                                    const QString &klassenPfad, Rueckfragen &r)
{
    KlassennotenWahl w;
    w.vorlage = r.dateiZumOeffnen(
        u"Auswahl der Vorlage für die Ausgabe der Klassennoten"_s, programmOrdner,
        u"Vorlage für Klassennotendatei (Klassennoten*.docx Klassennoten*.odt Klassennoten*.doc "
        "*vorlage*.docx *vorlage*.odt *vorlage*.doc *Vorlage*.docx *Vorlage*.odt "
        "*Vorlage*.doc)"_s);
    if (w.vorlage.isEmpty()) {
        return std::nullopt;
    }
    if (!QFileInfo(w.vorlage).isFile()) {
        r.fehler(u"Specified Document not found."_s);
        return std::nullopt;
    }
    const QString endung = ausgabeEndung(w.vorlage);
    w.ziel = r.dateiZumSpeichern(u"Auswahl des Dateinamens für die Klassennotendatei"_s,
                                 ausgabeVorschlag(klassenPfad, w.vorlage),
                                 u"Alle Klassendruckdateien (*.docx *.odt)"_s, endung);
    if (w.ziel.isEmpty()) {
        return std::nullopt;
    }
    // Das Dokument ist immer .docx oder .odt, gleich welche Endung eingetippt wurde.
    if (!endetAuf(w.ziel, endung)) {
        w.ziel += u'.' + endung;
    }
    if (zielIstVorlage(w, r)) {
        return std::nullopt;
    }
    return w;
}

std::optional<QByteArray> docUmwandeln(const QString &pfad, Rueckfragen &r, const QString &programm)
{
    QString lo = programm;
    for (const QString &name : {u"soffice"_s, u"libreoffice"_s}) {
        if (lo.isEmpty()) {
            lo = QStandardPaths::findExecutable(name);
        }
    }
    if (lo.isEmpty()) {
        r.fehler(u"Die Vorlage\r\n"_s + pfad +
                 u"\r\nist im alten Word-Format (.doc). Solche Vorlagen wandelt das Programm mit "
                 u"LibreOffice um, das auf diesem Rechner nicht installiert ist.\r\nBitte die "
                 u"Vorlage im Textprogramm als .docx oder .odt speichern und diese Datei "
                 u"wählen."_s);
        return std::nullopt;
    }
    const QString misslungen = u"Die Vorlage\r\n"_s + pfad +
                               u"\r\nkonnte nicht mit LibreOffice nach .docx umgewandelt werden. "
                               u"Bitte die Vorlage im Textprogramm als .docx oder .odt speichern "
                               u"und diese Datei wählen."_s;
    QTemporaryDir ordner;
    const QString quelle = ordner.filePath(u"vorlage.doc"_s);
    if (!ordner.isValid() || !QFile::copy(pfad, quelle)) {
        r.fehler(misslungen);
        return std::nullopt;
    }
    // Ein eigenes Benutzerprofil: ein schon laufendes LibreOffice wuerde den Auftrag sonst
    // stillschweigend uebernehmen oder verweigern.
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(lo, {u"-env:UserInstallation="_s +
                     QUrl::fromLocalFile(ordner.filePath(u"profil"_s)).toString(),
                 u"--headless"_s, u"--norestore"_s, u"--convert-to"_s, u"docx"_s, u"--outdir"_s,
                 ordner.path(), quelle});
    if (!p.waitForStarted() || !p.waitForFinished(kUmwandlungMs)) {
        p.kill();
        p.waitForFinished(5000);
        r.fehler(misslungen);
        return std::nullopt;
    }
    const BytesErgebnis b = bytesLesen(ordner.filePath(u"vorlage.docx"_s), kGrenzeVorlage);
    if (p.exitStatus() != QProcess::NormalExit || !b.ok()) {
        r.fehler(misslungen);
        return std::nullopt;
    }
    return b.bytes;
}

bool klassennotenSchreiben(const KlassennotenWahl &wahl, const Klasse &klasse,
                           const QString &klassenname, NotenAnzeige anzeige, const QDate &heute,
                           Rueckfragen &r)
{
    if (zielIstVorlage(wahl, r)) {
        return false;
    }
    const BytesErgebnis gelesen = bytesLesen(wahl.vorlage, kGrenzeVorlage);
    if (!gelesen.ok()) {
        r.fehler(gelesen.fehler.art == DateiFehler::Art::Fehlt ? u"Specified Document not found."_s
                                                               : gelesen.fehler.meldung());
        return false;
    }
    QByteArray vorlage = gelesen.bytes;
    if (istAltesWordformat(vorlage)) {
        std::optional<QByteArray> umgewandelt = docUmwandeln(wahl.vorlage, r);
        if (!umgewandelt) {
            return false;
        }
        vorlage = *umgewandelt;
    }
    const Vorlagenfuellung fuellung{heute.toString(u"dd.MM.yyyy"_s), klasseKursText(klassenname),
                                    klassenGroesse(klasse), druckform(klasse, anzeige)};
    const Fuellergebnis e = vorlageFuellen(vorlage, fuellung);
    if (!e.ok()) {
        r.fehler(u"Die Klassennoten wurden nicht ausgegeben, es wurde nichts gespeichert.\r\n"
                 u"Vorlage: "_s +
                 wahl.vorlage + u"\r\n"_s + e.fehler);
        return false;
    }
    const DateiFehler f = atomarSchreiben(wahl.ziel, e.dokument);
    if (!f.ok()) {
        r.fehler(f.meldung());
        return false;
    }
    return true;
}
