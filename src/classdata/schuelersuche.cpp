#include "classdata/schuelersuche.h"

#include "classdata/klassendatei.h"
#include "common/ordner.h"

bool schuelerPasst(const Schueler &s, const SuchKriterien &k)
{
    int kriterien = 0;
    int treffer = 0;
    const auto text = [&](const QString &muster, const QString &feld) {
        if (!muster.isEmpty()) {
            ++kriterien;
            treffer += feld.contains(muster, Qt::CaseSensitive) ? 1 : 0;
        }
    };
    text(k.muster.vorname, s.vorname);
    text(k.muster.nachname, s.nachname);
    text(k.muster.geschlecht, s.geschlecht);
    for (int art = 1; art <= kNotenarten; ++art) {
        const int letzter = letzterSlot(art);
        for (int slot = 0; slot <= letzter; ++slot) {
            const QString &muster = k.muster.note(art, slot);
            if (!muster.isEmpty()) {
                ++kriterien;
                treffer += s.note(art, slot) == muster ? 1 : 0;
            }
        }
    }
    return k.und ? treffer == kriterien : treffer > 0;
}

bool klasseEnthaeltSuchSchueler(const Klasse &klasse, const SuchKriterien &k)
{
    for (int nr = 1; nr <= kMaxSchueler; ++nr) {
        if (schuelerPasst(klasse.schueler(nr), k)) {
            return true;
        }
    }
    return false;
}

bool klasseEnthaeltSuchSchueler(const QString &pfad, const SuchKriterien &k, Rueckfragen &r)
{
    Klasse klasse;
    return klassenlisteLesen(pfad, klasse, r) && klasseEnthaeltSuchSchueler(klasse, k);
}

QStringList suchKlassenListe(const QString &schuljahrOrdner, const SuchKriterien &k, Rueckfragen &r)
{
    const QString ordner = mitTrenner(schuljahrOrdner);
    QStringList gefunden;
    // Eine Klasse fuer alle Dateien: das Lesen setzt jedes Feld, eine unlesbare Datei zaehlt
    // nicht; so wird nicht je Datei eine Klasse von ueber 5000 Texten angelegt und abgebaut.
    Klasse klasse;
    for (const QString &eintrag : klassenDateienAuflisten(ordner)) {
        if (klassenlisteLesen(ordner + eintrag, klasse, r) &&
            klasseEnthaeltSuchSchueler(klasse, k)) {
            gefunden.append(eintrag);
        }
    }
    return gefunden.isEmpty() ? QStringList{kKeinenSchuelerGefunden} : gefunden;
}
