#include "classdata/einzelschueler.h"

#include "classdata/klasse.h"
#include "common/rueckfragen.h"

using namespace Qt::StringLiterals;

namespace {

QString ersterGross(QString text)
{
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

} // namespace

QString vornameFeldVerlassen(const QString &text)
{
    return ersterGross(QString(text).remove(u' '));
}

QString nachnameFeldVerlassen(const QString &text)
{
    return ersterGross(text);
}

QString geschlechtFeldVerlassen(const QString &text)
{
    return text == u"m"_s || text == u"w"_s ? text : QString();
}

bool neuenSchuelerPruefen(const SchuelerFelder &felder, Rueckfragen &r)
{
    if (felder.vorname.isEmpty() || felder.nachname.isEmpty() || felder.geschlecht.isEmpty()) {
        r.warnung(u"Vorname, Nachname und die Angabe des Geschlechts dürfen nicht leer bleiben!\r\n"
                  u"Zum Löschen des neuen Schülers den Button \"Schüler löschen\" klicken!"_s);
        return false;
    }
    return true;
}

int neuenSchuelerAnlegen(Klasse &klasse, int nr, const SchuelerFelder &felder,
                         const SortierOptionen &sortierung, Rueckfragen &r)
{
    if (nr >= 1 && nr <= kMaxSchueler) {
        schDatenNachSuk(klasse, nr, felder);
    }
    const int groesse = klassenGroesse(klasse);
    if (groesse >= kMaxSchueler) {
        r.warnung(u"Die Klasse hat bereits 40 Schüler. Mehr Schüler kann eine Klassendatei "
                  u"nicht aufnehmen."_s);
        return 0;
    }
    sortiereSchuelerliste(klasse, sortierung);
    // Der neue Platz wird ganz geleert: Reste hinter der Klassengroesse gehoeren niemandem.
    klasse.schueler(groesse + 1) = Schueler{};
    return groesse + 1;
}

bool schuelerLoeschenNachRueckfrage(Klasse &klasse, int nr, bool neuerSchueler, Rueckfragen &r)
{
    const Schueler &s = klasse.schueler(nr);
    const QString frage =
        neuerSchueler ? u"Neu-Eingabe abbrechen?"_s
                      : u"Soll der Schüler/ die Schülerin:  "_s + s.vorname + u' ' + s.nachname +
                            u"  wirklich mit allen Noten und Daten gelöscht werden?"_s;
    if (r.frage(Rueckfragen::Art::Frage, frage, Rueckfragen::Knoepfe::JaNein) !=
        Rueckfragen::Knopf::Ja) {
        return false;
    }
    loescheEinenSchueler(klasse, nr);
    return true;
}

bool verschiebenMoeglich(bool suchmodus, bool neuerSchueler, const SchuelerFelder &felder,
                         Rueckfragen &r)
{
    if (suchmodus) {
        r.information(u"Das Verschieben von Schülern in eine andere Klasse ist nicht möglich, "
                      u"während der Suchmodus aktiv ist."_s);
        return false;
    }
    return !neuerSchueler || neuenSchuelerPruefen(felder, r);
}
