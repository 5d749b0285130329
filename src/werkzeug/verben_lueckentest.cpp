// Lückentests von der Kommandozeile: Urdatei aus schlichtem Text, Schülerdatei, ausgefüllte
// Datei aus einer Antwortliste und die Benotung; dieselbe Logik wie im Lückentest-Fenster.

#include "cloze/lueckenbenotung.h"
#include "cloze/lueckendateien.h"
#include "cloze/lueckenquelle.h"
#include "common/ansitext.h"
#include "common/rtf/rtf.h"
#include "conduct/normtabelle.h"
#include "werkzeug/werkzeug.h"

#include <QFileInfo>
#include <QTextDocument>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

int abbrechen(WerkzeugKontext &k, const QString &meldung)
{
    k.fehler << meldung << Qt::endl;
    return 2;
}

int speichern(WerkzeugKontext &k, const QString &ziel, const QTextDocument &doc)
{
    const QString f = rtfDateiSpeichern(ziel, doc);
    return f.isEmpty() ? 0 : abbrechen(k, f);
}

std::optional<QString> utf8Lesen(WerkzeugKontext &k, const QString &pfad)
{
    const BytesErgebnis b = bytesLesen(pfad);
    if (!b.ok()) {
        abbrechen(k, b.fehler.meldung());
        return std::nullopt;
    }
    QString text = QString::fromUtf8(b.bytes);
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    return text;
}

int urdatei(WerkzeugKontext &k)
{
    if (k.argumente.size() != 2) {
        return 1;
    }
    const std::optional<QString> quelle = utf8Lesen(k, k.argumente[0]);
    if (!quelle) {
        return 2;
    }
    QTextDocument arbeit;
    Lueckentabelle tab;
    if (const QString f = lueckentextAusQuelle(*quelle, arbeit, tab); !f.isEmpty()) {
        return abbrechen(k, f);
    }
    QString fehler;
    const std::unique_ptr<QTextDocument> ur = urdateiErzeugen(arbeit, tab, fehler);
    if (!ur) {
        return abbrechen(k, fehler);
    }
    return speichern(k, k.argumente[1], *ur);
}

int schuelerdatei(WerkzeugKontext &k)
{
    if (k.argumente.size() != 2) {
        return 1;
    }
    QTextDocument ur;
    if (const QString f = rtfDateiLaden(k.argumente[0], ur); !f.isEmpty()) {
        return abbrechen(k, f);
    }
    QString fehler;
    const std::unique_ptr<QTextDocument> sch = schuelerdateiErzeugen(ur, k.argumente[0], fehler);
    if (!sch) {
        return abbrechen(k, fehler);
    }
    return speichern(k, k.argumente[1], *sch);
}

int ausfuellen(WerkzeugKontext &k)
{
    if (k.argumente.size() != 3) {
        return 1;
    }
    QTextDocument sicht;
    if (const QString f = rtfDateiLaden(k.argumente[0], sicht); !f.isEmpty()) {
        return abbrechen(k, f);
    }
    LueckenListen l;
    if (const QString f = schueleransichtAusSchuelerdatei(sicht, l, k.argumente[0]); !f.isEmpty()) {
        return abbrechen(k, f);
    }
    const std::optional<QString> antworten = utf8Lesen(k, k.argumente[1]);
    if (!antworten) {
        return 2;
    }
    // Der Eintrag bleibt, wie er steht: ein Leerzeichen am Ende gehört dazu (und ist falsch).
    for (const QString &zeile : zeilenAufteilen(*antworten)) {
        if (zeile.trimmed().isEmpty()) {
            continue;
        }
        bool zahl = false;
        const int n = zeile.left(2).toInt(&zahl);
        if (!zahl || zeile.size() < 4 || zeile[2] != u' ' || n < 1 || n > l.anzahl) {
            return abbrechen(k, u"Die Antwortzeile \""_s + zeile +
                                    u"\" hat nicht die Form \"NN Wort\" mit einer Lücke des "
                                    "Tests."_s);
        }
        const QString wort = zeile.mid(3);
        const QString f = schuelerEintragPruefen(l.tabelle, l.allgemeine, n, wort);
        if (!f.isEmpty()) {
            return abbrechen(k, u"Lücke %1: "_s.arg(n) + f);
        }
        lueckeFuellen(sicht, l.tabelle, n, wort);
    }
    const std::unique_ptr<QTextDocument> aus = ausgefuelltErzeugen(sicht, l.tabelle);
    return speichern(k, k.argumente[2], *aus);
}

int benoten(WerkzeugKontext &k)
{
    const std::optional<QString> normPfad = optionNehmen(k.argumente, u"--normtabelle"_s);
    if (k.argumente.size() != 3) {
        return 1;
    }
    Normtabelle norm = standardNormtabelle();
    if (normPfad) {
        const BytesErgebnis b = bytesLesen(*normPfad, kGrenzeFremdeDatei);
        QString grund;
        const std::optional<Normtabelle> gelesen =
            b.ok() ? normTabelleAusBytes(b.bytes, &grund) : std::nullopt;
        if (!gelesen) {
            return abbrechen(k, b.ok() ? grund : b.fehler.meldung());
        }
        norm = *gelesen;
    }
    QTextDocument ur;
    QTextDocument aus;
    if (const QString f = rtfDateiLaden(k.argumente[0], ur); !f.isEmpty()) {
        return abbrechen(k, f);
    }
    if (const QString f = rtfDateiLaden(k.argumente[1], aus); !f.isEmpty()) {
        return abbrechen(k, f);
    }
    const LueckenBenotung b =
        lueckentestBenoten(ur, k.argumente[0], aus, k.argumente[1], norm,
                           normPfad ? QFileInfo(*normPfad).fileName() : QString());
    if (!b.fehler.isEmpty()) {
        return abbrechen(k, b.fehler);
    }
    return speichern(k, k.argumente[2], *b.dokument);
}

const VerbRegistrierung vUrdatei("lueckentest-urdatei",
                                 "lueckentest-urdatei EINGABE.txt ZIEL._LA   Urdatei aus "
                                 "UTF-8-Text mit [A:Wort], [F:Wort], [E:Wort|Falsch|...]",
                                 &urdatei);
const VerbRegistrierung vSchueler("lueckentest-schuelerdatei",
                                  "lueckentest-schuelerdatei URDATEI ZIEL   Schülertestdatei",
                                  &schuelerdatei);
const VerbRegistrierung vAusfuellen("lueckentest-ausfuellen",
                                    "lueckentest-ausfuellen SCHUELERDATEI ANTWORTEN.txt ZIEL   "
                                    "ausgefüllte Datei (je Lücke eine Zeile \"NN Wort\")",
                                    &ausfuellen);
const VerbRegistrierung vBenoten("lueckentest-benoten",
                                 "lueckentest-benoten URDATEI AUSGEFUELLT ZIEL "
                                 "[--normtabelle DATEI]   benotete Datei",
                                 &benoten);

} // namespace
