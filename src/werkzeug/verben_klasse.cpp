#include "werkzeug/klassen_json.h"

#include "classdata/klassendatei.h"
#include "classdata/klassensperre.h"
#include "common/ansitext.h"
#include "grades/notenmodell.h"
#include "werkzeug/json.h"
#include "werkzeug/werkzeug.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

int klasseZeigen(WerkzeugKontext &k)
{
    if (k.argumente.size() != 1) {
        return 1;
    }
    Klasse klasse;
    if (!klasseLadenAusDatei(k.argumente[0], klasse, k.r)) {
        return 2;
    }
    k.aus << klasseAlsJson(klasse, QFileInfo(k.argumente[0]).completeBaseName()) << Qt::endl;
    return 0;
}

int klasseSchreiben(WerkzeugKontext &k)
{
    if (k.argumente.size() != 2) {
        return 1;
    }
    const BytesErgebnis quelle = bytesLesen(k.argumente[0]);
    if (!quelle.ok()) {
        k.fehler << quelle.fehler.meldung() << Qt::endl;
        return 2;
    }
    Klasse klasse;
    QString text;
    if (!klasseAusJson(quelle.bytes, klasse, &text)) {
        k.fehler << k.argumente[0] << u": "_s << text << Qt::endl;
        return 2;
    }
    // Was das Programm nicht wieder lesen wuerde, wird gar nicht erst geschrieben.
    if (text = unplausiblesFeld(klasse); !text.isEmpty()) {
        k.fehler << k.argumente[0] << u": keine Klasse ("_s << text << u")"_s << Qt::endl;
        return 2;
    }
    // Nie eine Klasse ueberschreiben, die ein anderes Programm offen haelt.
    Klassensperre sperre;
    if (!sperre.alleinOeffnen(k.argumente[1], k.r)) {
        return 2;
    }
    return sperre.speichern(klasse, k.r) ? 0 : 2;
}

const VerbRegistrierung
    zeigen("klasse", "klasse DATEI.DTA                  Klasse als JSON ausgeben", &klasseZeigen);
const VerbRegistrierung
    schreiben("klasse-schreiben",
              "klasse-schreiben QUELLE.json ZIEL.DTA  Klassendatei aus JSON erzeugen",
              &klasseSchreiben);

} // namespace

QString klasseAlsJson(const Klasse &k, const QString &name)
{
    const int groesse = klassenGroesse(k);
    JsonSchreiber j;
    j.objektAnfang();
    j.schluessel(u"name"_s).wert(name);
    j.schluessel(u"groesse"_s).wert(qint64(groesse));
    j.schluessel(u"kategorien"_s).feldAnfang();
    for (int art = 1; art <= kNotenarten; ++art) {
        const Notenart &n = k.notenart(art);
        j.objektAnfang();
        j.schluessel(u"nr"_s).wert(qint64(art));
        j.schluessel(u"langname"_s).wert(n.langname);
        j.schluessel(u"kurzform"_s).wert(n.kurzform);
        j.schluessel(u"taste"_s).wert(n.taste.isNull() ? QString() : QString(n.taste));
        j.schluessel(u"gewicht"_s).wert(qint64(k.gewicht(art)));
        j.objektEnde();
    }
    j.feldEnde();
    j.schluessel(u"listen"_s).feldAnfang();
    for (int art = 1; art <= kNotenarten; ++art) {
        for (int slot = 0; slot <= letzterSlot(art); ++slot) {
            if (k.datum(art, slot).isEmpty() && k.erlaeuterung(art, slot).isEmpty()) {
                continue;
            }
            j.objektAnfang();
            j.schluessel(u"kategorie"_s).wert(qint64(art));
            j.schluessel(u"slot"_s).wert(qint64(slot));
            j.schluessel(u"datum"_s).wert(k.datum(art, slot));
            j.schluessel(u"erlaeuterung"_s).wert(k.erlaeuterung(art, slot));
            j.objektEnde();
        }
    }
    j.feldEnde();
    j.schluessel(u"schueler"_s).feldAnfang();
    for (int nr = 1; nr <= groesse; ++nr) {
        const Schueler &s = k.schueler(nr);
        j.objektAnfang();
        j.schluessel(u"nr"_s).wert(qint64(nr));
        j.schluessel(u"klasse"_s).wert(s.klasse);
        j.schluessel(u"nachname"_s).wert(s.nachname);
        j.schluessel(u"vorname"_s).wert(s.vorname);
        j.schluessel(u"geschlecht"_s).wert(s.geschlecht);
        j.schluessel(u"zusatz"_s).wert(s.zusatz);
        j.schluessel(u"noten"_s).objektAnfang();
        for (int art = 1; art <= kNotenarten; ++art) {
            j.schluessel(QString::number(art)).feldAnfang();
            for (int slot = 0; slot <= letzterSlot(art); ++slot) {
                j.wert(s.note(art, slot));
            }
            j.feldEnde();
        }
        j.objektEnde();
        // Berechnete Werte wie in der Notentabelle; leer, wenn es keinen gibt.
        j.schluessel(u"schnitt"_s).objektAnfang();
        for (int art = 1; art <= kNotenarten; ++art) {
            const qint64 a = schnitt(k, nr, art);
            j.schluessel(QString::number(art)).wert(a == 0 ? QString() : schnittText(a));
        }
        j.objektEnde();
        const float g = gesamtZensur(k, nr);
        j.schluessel(u"gesamt"_s).wert(g == 0.0f ? QString() : gesamtText(g));
        j.schluessel(u"punkte"_s).wert(punkteAusGesamt(g));
        j.schluessel(u"eNote"_s).wert(eNoteAusGesamt(g));
        j.schluessel(u"gNote"_s).wert(gNoteAusGesamt(g));
        j.objektEnde();
    }
    j.feldEnde();
    j.objektEnde();
    return j.text();
}

bool klasseAusJson(const QByteArray &json, Klasse &k, QString *fehler)
{
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &pe);
    if (!doc.isObject()) {
        *fehler = u"kein JSON-Objekt: "_s + pe.errorString();
        return false;
    }
    const QJsonObject o = doc.object();
    try {
        for (const QJsonValue &v : o.value(u"kategorien"_s).toArray()) {
            const QJsonObject kat = v.toObject();
            const int art = pruefeIndex(kat.value(u"nr"_s).toInt(), 1, kNotenarten, "Notenart");
            Notenart &n = k.notenart(art);
            n.langname = kat.value(u"langname"_s).toString();
            n.kurzform = kat.value(u"kurzform"_s).toString();
            const QString taste = kat.value(u"taste"_s).toString();
            n.taste = taste.isEmpty() ? QChar() : taste.at(0);
            k.gewicht(art) = static_cast<qint16>(kat.value(u"gewicht"_s).toInt());
        }
        for (const QJsonValue &v : o.value(u"listen"_s).toArray()) {
            const QJsonObject l = v.toObject();
            const int art = l.value(u"kategorie"_s).toInt();
            const int slot = l.value(u"slot"_s).toInt();
            k.datum(art, slot) = l.value(u"datum"_s).toString();
            k.erlaeuterung(art, slot) = l.value(u"erlaeuterung"_s).toString();
        }
        int nr = 0;
        for (const QJsonValue &v : o.value(u"schueler"_s).toArray()) {
            const QJsonObject so = v.toObject();
            Schueler &s = k.schueler(++nr);
            s.klasse = so.value(u"klasse"_s).toString();
            s.nachname = so.value(u"nachname"_s).toString();
            s.vorname = so.value(u"vorname"_s).toString();
            s.geschlecht = so.value(u"geschlecht"_s).toString();
            s.zusatz = so.value(u"zusatz"_s).toString();
            const QJsonObject noten = so.value(u"noten"_s).toObject();
            for (int art = 1; art <= kNotenarten; ++art) {
                const QJsonArray liste = noten.value(QString::number(art)).toArray();
                for (int slot = 0; slot < liste.size(); ++slot) {
                    s.note(art, pruefeIndex(slot, 0, letzterSlot(art), "Notenslot")) =
                        liste[slot].toString();
                }
            }
        }
    } catch (const Indexfehler &ix) {
        *fehler = QString::fromUtf8(ix.what());
        return false;
    }
    return true;
}
