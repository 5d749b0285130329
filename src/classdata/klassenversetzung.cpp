#include "classdata/klassenversetzung.h"

#include "classdata/klasse.h"
#include "classdata/klassendatei.h"
#include "classdata/klassensperre.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "common/schuljahr.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QString folgeSchuljahr(const QString &schuljahr)
{
    bool ok = false;
    const int start = schuljahr.left(4).toInt(&ok);
    if (!ok || !istSchuljahrOrdnerName(schuljahr) || start < kErstesSchuljahr ||
        start >= kLetztesSchuljahr) {
        return {};
    }
    return schuljahrText(start + 1);
}

QString versetzterName(const QString &dateiname)
{
    if (dateiname.size() < 3) {
        return dateiname;
    }
    QString neu = dateiname;
    if (neu[2] == u'1' && neu.size() > 3 && neu[3] >= u'0' && neu[3] <= u'8') {
        neu[3] = QChar(neu[3].unicode() + 1);
    } else if (neu[2] == u'9') {
        // Der ganze Rest bleibt: nur die ersten vier Zeichen zu nehmen, schnitte laengere
        // Faecher ab ("L-9b-Bio") und liesse verschiedene Klassen zusammenfallen.
        neu = neu.left(2) + u"10"_s + neu.mid(3);
    } else {
        neu[2] = QChar(neu[2].unicode() + 1);
    }
    return neu;
}

void notenLoeschen(Klasse &klasse)
{
    for (int art = 1; art <= kNotenarten; ++art) {
        for (int slot = 0; slot <= letzterSlot(art); ++slot) {
            klasse.datum(art, slot).clear();
            klasse.erlaeuterung(art, slot).clear();
            for (int nr = 1; nr <= kMaxSchueler; ++nr) {
                klasse.schueler(nr).note(art, slot).clear();
            }
        }
    }
}

QStringList versetzungsListe(const QString &schuljahrOrdner)
{
    const QStringList eintraege = klassenDateienAuflisten(schuljahrOrdner);
    return eintraege.isEmpty() ? QStringList{kKeineKlasse} : eintraege;
}

QString klasseVersetzen(const QString &quellPfad, const QString &zielOrdner, Klasse &klasse,
                        Rueckfragen &r, Klassensperre *sperre)
{
    if (!klassenlisteLesen(quellPfad, klasse, r)) {
        return {};
    }
    notenLoeschen(klasse);
    const QString ordner = mitTrenner(zielOrdner);
    const QString neuerName = versetzterName(QFileInfo(quellPfad).fileName());
    QString ziel = ordner + neuerName;
    if (!ordnerAnlegen(ordner)) {
        r.fehler(u"Die Datei "_s + ziel + u"  kann nicht geschrieben werden!"_s);
        return {};
    }
    // Wie unter Windows: eine vorhandene Datei gleichen Namens in anderer Schreibweise ist
    // dieselbe.
    const QStringList vorhanden = dateienNachMuster(ordner, neuerName);
    if (!vorhanden.isEmpty() || QFileInfo::exists(ziel)) {
        if (!vorhanden.isEmpty()) {
            ziel = ordner + vorhanden.first();
        }
        const auto antwort =
            r.frage(Rueckfragen::Art::Warnung,
                    u"Die Klassendatei existiert schon im Ordner des folgenden Schuljahres!\r\n"
                    u"Soll diese überschrieben werden?"_s,
                    Rueckfragen::Knoepfe::JaNeinAbbruch);
        if (antwort != Rueckfragen::Knopf::Ja) {
            return {};
        }
    }
    if (sperre) {
        return sperre->alleinOeffnen(ziel, r) && sperre->speichern(klasse, r) ? ziel : QString();
    }
    return klassenlisteSchreiben(ziel, klasse, r) ? ziel : QString();
}

QStringList alleKlassenVersetzen(const QString &endOrdner, const QString &folgeOrdner,
                                 Klasse &klasse, Rueckfragen &r)
{
    QStringList geschrieben;
    for (const QString &eintrag : versetzungsListe(endOrdner)) {
        const QString pfad =
            klasseVersetzen(mitTrenner(endOrdner) + eintrag, folgeOrdner, klasse, r);
        if (!pfad.isEmpty()) {
            geschrieben.append(pfad);
        }
    }
    return geschrieben;
}

bool klasseImFolgejahrLoeschen(const QString &folgeOrdner, const QString &eintrag)
{
    if (eintrag == kKeineKlasse || eintrag.isEmpty() || eintrag.contains(kTrenner)) {
        return false;
    }
    return dateiLoeschen(mitTrenner(folgeOrdner) + eintrag);
}

bool klasseImFolgejahrLoeschenNachFrage(const QString &folgeOrdner, const QString &folgeSchuljahr,
                                        const QString &eintrag, Rueckfragen &r)
{
    if (eintrag == kKeineKlasse || eintrag.isEmpty()) {
        return false;
    }
    const auto antwort = r.frage(Rueckfragen::Art::Warnung,
                                 u"Soll die Klasse "_s + klassennameAusEintrag(eintrag) +
                                     u" im Schuljahr "_s + folgeSchuljahr + u" gelöscht werden?"_s,
                                 Rueckfragen::Knoepfe::JaNein);
    return antwort == Rueckfragen::Knopf::Ja && klasseImFolgejahrLoeschen(folgeOrdner, eintrag);
}

int alleKlassenImFolgejahrLoeschen(const QString &folgeOrdner, const QString &folgeSchuljahr,
                                   Rueckfragen &r)
{
    const QStringList eintraege = klassenDateienAuflisten(mitTrenner(folgeOrdner));
    if (eintraege.isEmpty()) {
        return 0;
    }
    QStringList namen;
    for (const QString &e : eintraege) {
        namen.append(klassennameAusEintrag(e));
    }
    const auto antwort =
        r.frage(Rueckfragen::Art::Warnung,
                u"Sollen alle Klassen im Schuljahr "_s + folgeSchuljahr + u" gelöscht werden?"_s +
                    u"\r\n("_s + namen.join(u", "_s) + u")"_s,
                Rueckfragen::Knoepfe::JaNein);
    if (antwort != Rueckfragen::Knopf::Ja) {
        return 0;
    }
    int geloescht = 0;
    for (qsizetype i = eintraege.size() - 1; i >= 0; --i) {
        geloescht += klasseImFolgejahrLoeschen(folgeOrdner, eintraege[i]) ? 1 : 0;
    }
    return geloescht;
}
