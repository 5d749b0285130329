#include "grades/klassenexport.h"

#include "classdata/klasse.h"
#include "common/ansitext.h"
#include "common/rueckfragen.h"
#include "grades/notenmodell.h"

using namespace Qt::StringLiterals;

namespace {

QString zeile(const QStringList &felder)
{
    QString z;
    for (const QString &f : felder) {
        z += f + u';';
    }
    return z;
}

} // namespace

QStringList exportZeilen(const Klasse &klasse)
{
    QStringList kopf{u"Nachname"_s, u"Vorname"_s, u"Klasse"_s};
    for (int art = 1; art <= kNotenarten; ++art) {
        const QChar t = klasse.notenart(art).taste;
        const QString taste = t.isNull() ? QString() : QString(t);
        for (int slot = 0; slot <= letzteZenVonArtNr(art); ++slot) {
            kopf.append(taste + QString::number(slot));
        }
        kopf.append(taste + u"-DS"_s);
    }
    QStringList zeilen{zeile(kopf)};
    const int groesse = klassenGroesse(klasse);
    for (int nr = 1; nr <= groesse; ++nr) {
        const Schueler &s = klasse.schueler(nr);
        QStringList felder{s.nachname, s.vorname, s.klasse};
        for (int art = 1; art <= kNotenarten; ++art) {
            for (int slot = 0; slot <= letzteZenVonArtNr(art); ++slot) {
                felder.append(s.note(art, slot));
            }
            felder.append(deutscheZahl(static_cast<double>(schnitt(klasse, nr, art)) / 10000.0));
        }
        zeilen.append(zeile(felder));
    }
    return zeilen;
}

std::optional<QByteArray> exportBytes(const Klasse &klasse)
{
    DateiFehler fehler;
    QByteArray bytes = ansiZeilenAlsBytes(exportZeilen(klasse), &fehler);
    if (!fehler.ok()) {
        return std::nullopt;
    }
    return bytes;
}

bool exportSchreiben(const Klasse &klasse, const QString &pfad, Rueckfragen &r)
{
    const DateiFehler fehler = ansiZeilenSchreiben(pfad, exportZeilen(klasse));
    if (!fehler.ok()) {
        r.fehler(fehler.meldung());
        return false;
    }
    return true;
}

bool klassendatenExportieren(const Klasse &klasse, bool klasseGeladen, const QString &klassenPfad,
                             Rueckfragen &r)
{
    if (!klasseGeladen) {
        r.information(u"Bitte zuerst eine Klasse laden:\r\n(Notenverwaltung > Klasse auswählen)"_s);
        return false;
    }
    const QString vorschlag = klassenPfad.left(klassenPfad.size() - 4) + u"- Export"_s;
    const QString pfad = r.dateiZumSpeichern(u"Export der Klassendaten"_s, vorschlag,
                                             u"txt-Datei (*.txt);;csv-Datei (*.csv)"_s, u"csv"_s);
    if (pfad.isEmpty()) {
        r.information(u"Der Datenexport wurde abgebrochen!"_s);
        return false;
    }
    if (!exportSchreiben(klasse, pfad, r)) {
        return false;
    }
    r.information(u"File : "_s + pfad + u"  wurde gespeichert."_s);
    return true;
}
