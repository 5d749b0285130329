// Dateischicht der RTF-Dokumente: Groessengrenze beim Lesen, atomares Schreiben.

#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rtf/rtf.h"

#include <QTextDocument>

using namespace Qt::StringLiterals;

QString rtfDateiLaden(const QString &pfad, QTextDocument &doc, QString *hinweis)
{
    if (istVerknuepfung(pfad)) {
        return u"Die Datei "_s + pfad + u" ist eine Verknüpfung und wird nicht gelesen!"_s;
    }
    const BytesErgebnis b = bytesLesen(pfad, kRtfMaxBytes);
    if (!b.ok()) {
        return b.fehler.meldung();
    }
    const RtfLeseErgebnis e = rtfLesen(b.bytes, doc);
    if (!e.ok()) {
        return u"Die Datei "_s + pfad + u" lässt sich nicht als RTF-Dokument lesen: "_s + e.fehler;
    }
    if (hinweis) {
        *hinweis = e.hinweis.isEmpty() ? QString() : u"Die Datei "_s + pfad + u": "_s + e.hinweis;
    }
    return {};
}

QString rtfDateiSpeichern(const QString &pfad, const QTextDocument &doc)
{
    const DateiFehler f = atomarSchreiben(pfad, rtfSchreiben(doc));
    return f.ok() ? QString() : f.meldung();
}
