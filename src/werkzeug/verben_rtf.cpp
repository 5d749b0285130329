// rtf-text: der Text eines RTF-Dokuments, ein Absatz je Zeile, oder seine Laeufe als JSON.

#include "common/rtf/rtf.h"
#include "common/rtf/zeilenmodell.h"
#include "werkzeug/json.h"
#include "werkzeug/werkzeug.h"

#include <QTextDocument>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

void farbeSchreiben(JsonSchreiber &j, const QColor &c)
{
    j.feldAnfang();
    j.wert(qint64(c.red())).wert(qint64(c.green())).wert(qint64(c.blue()));
    j.feldEnde();
}

QString laeufeAlsJson(const QTextDocument &doc)
{
    JsonSchreiber j;
    j.feldAnfang();
    for (const RtfLauf &l : rtfLaeufe(doc)) {
        j.objektAnfang();
        j.schluessel(u"absatz"_s).wert(qint64(l.absatz));
        j.schluessel(u"text"_s).wert(l.text);
        j.schluessel(u"farbe"_s);
        // Die automatische Textfarbe erscheint als Schwarz.
        farbeSchreiben(j, l.farbe.isValid() ? l.farbe : QColor(0, 0, 0));
        j.schluessel(u"hintergrund"_s);
        if (l.hintergrund) {
            farbeSchreiben(j, *l.hintergrund);
        } else {
            j.wertNull();
        }
        j.schluessel(u"fett"_s).roh(l.fett ? u"true"_s : u"false"_s);
        j.schluessel(u"kursiv"_s).roh(l.kursiv ? u"true"_s : u"false"_s);
        j.schluessel(u"unterstrichen"_s).roh(l.unterstrichen ? u"true"_s : u"false"_s);
        j.schluessel(u"groesse"_s).wert(l.groesse);
        j.objektEnde();
    }
    j.feldEnde();
    return j.text();
}

int rtfText(WerkzeugKontext &k)
{
    const bool laeufe = schalterNehmen(k.argumente, u"--laeufe"_s);
    if (k.argumente.size() != 1) {
        return 1;
    }
    QTextDocument doc;
    QString hinweis;
    const QString fehler = rtfDateiLaden(k.argumente[0], doc, &hinweis);
    if (!fehler.isEmpty()) {
        k.fehler << fehler << Qt::endl;
        return 2;
    }
    if (!hinweis.isEmpty()) {
        k.fehler << hinweis << Qt::endl;
    }
    if (laeufe) {
        k.aus << laeufeAlsJson(doc) << Qt::endl;
    } else {
        for (const QString &z : Zeilenmodell(doc).alle()) {
            k.aus << z << u'\n';
        }
        k.aus.flush();
    }
    return 0;
}

const VerbRegistrierung
    text("rtf-text",
         "rtf-text DATEI [--laeufe]          Text eines RTF-Dokuments (je Absatz "
         "eine Zeile) bzw. seine Laeufe als JSON",
         &rtfText);

} // namespace
