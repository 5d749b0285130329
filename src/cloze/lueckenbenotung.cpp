#include "cloze/lueckenbenotung.h"

#include "cloze/lueckendateien.h"
#include "common/rtf/rtf.h"
#include "common/rtf/zeilenmodell.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

int nummerAus(const QString &zeile)
{
    if (zeile.size() < 2 || zeile[0] < u'0' || zeile[0] > u'9' || zeile[1] < u'0' ||
        zeile[1] > u'9') {
        return 0;
    }
    return zeile[0].digitValue() * 10 + zeile[1].digitValue();
}

} // namespace

std::optional<RichtigeWoerter> richtigeLWzaehlen(const QStringList &urZeilen)
{
    const qsizetype kopf = urZeilen.lastIndexOf(kKopfAllgemein);
    if (kopf < 0 || urZeilen.isEmpty() || urZeilen.last() != kSchlusszeile) {
        return std::nullopt;
    }
    RichtigeWoerter r;
    for (qsizetype i = kopf + 1; i < urZeilen.size(); ++i) {
        const QString &z = urZeilen[i];
        if (z.isEmpty() || z == kKopfEinzel) {
            break;
        }
        const int n = nummerAus(z);
        if (n >= 1 && n <= kMaxLuecken) {
            if (r.wort.contains(n)) {
                return std::nullopt; // Nummer doppelt
            }
            r.wort.insert(n, z.mid(3, kMaxListenzeichen));
            r.gesamt = n;
        }
    }
    // Jede Nummer bis zur letzten muss ein Wort haben.
    if (r.wort.size() != r.gesamt) {
        return std::nullopt;
    }
    return r;
}

int schAntwortenChecken(QTextDocument &doc, const RichtigeWoerter &r, int *eintraege)
{
    Zeilenmodell zm(doc);
    const QStringList zeilen = zm.alle();
    const qsizetype kopf = zeilen.lastIndexOf(kKopfAusgefuellt);
    if (kopf < 0) {
        return -1;
    }
    int richtig = 0;
    int gelesen = 0;
    for (qsizetype i = kopf + 1; i < zeilen.size(); ++i) {
        const QString &z = zeilen[i];
        if (z.isEmpty() || z == kSchlusszeile) {
            break;
        }
        const int n = nummerAus(z);
        if (n < 1 || n > kMaxLuecken) {
            continue;
        }
        ++gelesen;
        const QString eintrag = z.mid(3, kMaxListenzeichen);
        if (r.wort.contains(n) && eintrag == r.wort.value(n)) {
            ++richtig;
            zm.ersetzen(int(i), z + u"\t="_s);
        } else {
            zm.ersetzen(int(i), z + u"\t\t>   "_s + r.wort.value(n));
        }
    }
    if (eintraege) {
        *eintraege = gelesen;
    }
    return richtig;
}

int richtigeLWInSchDateiEintragen(QTextDocument &doc, const RichtigeWoerter &r)
{
    // Nur im Text vor der Eintragsliste; Einträge enthalten weder "<", ">" noch "$".
    static const QRegularExpression muster(u"<[^<>$]* \\$(\\d\\d)>"_s);
    const QStringList zeilen = Zeilenmodell(doc).alle();
    const qsizetype kopf = zeilen.lastIndexOf(kKopfAusgefuellt);
    const int textEnde = kopf < 0 ? int(zeilen.size()) : int(kopf);
    struct Stelle
    {
        int pos;
        int n;
    };
    QList<Stelle> stellen;
    QTextBlock b = doc.begin();
    for (int i = 0; b.isValid() && i < textEnde; b = b.next(), ++i) {
        auto it = muster.globalMatch(b.text());
        while (it.hasNext()) {
            const auto m = it.next();
            stellen.append({b.position() + int(m.capturedEnd()) - 1, m.captured(1).toInt()});
        }
    }
    QTextCursor c(&doc);
    c.beginEditBlock();
    for (qsizetype i = stellen.size() - 1; i >= 0; --i) {
        c.setPosition(stellen[i].pos + 1);
        c.setPosition(stellen[i].pos, QTextCursor::KeepAnchor);
        const QTextCharFormat f = c.charFormat();
        c.setPosition(stellen[i].pos);
        c.insertText(u"= "_s + r.wort.value(stellen[i].n), f);
    }
    c.endEditBlock();
    return int(stellen.size());
}

void zeilenFormatieren(QTextDocument &doc)
{
    Zeilenmodell zm(doc);
    const QStringList zeilen = zm.alle();
    const qsizetype kopf = zeilen.lastIndexOf(kKopfAusgefuellt);
    if (kopf < 0) {
        return;
    }
    zm.ersetzen(int(kopf), kBenotetKopfAusgefuellt);
    const QList<QTextOption::Tab> tabs{
        QTextOption::Tab(punktZuPixel(200), QTextOption::LeftTab),
        QTextOption::Tab(punktZuPixel(240), QTextOption::LeftTab),
    };
    // Der Kopf bekommt die Tabstopps mit, damit seine Spalte über den Einträgen steht.
    for (qsizetype i = kopf; i < zeilen.size(); ++i) {
        if (i > kopf && (zeilen[i].isEmpty() || zeilen[i] == kSchlusszeile)) {
            break;
        }
        QTextCursor c(doc.findBlockByNumber(int(i)));
        QTextBlockFormat bf = c.blockFormat();
        bf.setTabPositions(tabs);
        c.setBlockFormat(bf);
    }
}

QString lueckentestNote(int richtig, int gesamt, const Normtabelle &norm)
{
    QString e = u"6"_s;
    QString g = u"6"_s;
    for (int zeile = kNormZeilen - 1; zeile >= 1; --zeile) {
        const NormZeile &n = norm[size_t(zeile - 1)];
        if (richtig >= schwelle(gesamt, n.anteil)) {
            e = n.noteE;
            g = n.noteG;
        }
    }
    return u"E-Niveau "_s + e + u",  G-Niveau "_s + g;
}

LueckenBenotung lueckentestBenoten(const QTextDocument &urdatei, const QString &urName,
                                   const QTextDocument &ausgefuellt, const QString &ausName,
                                   const Normtabelle &norm, const QString &tabelle)
{
    LueckenBenotung b;
    const std::optional<RichtigeWoerter> r = richtigeLWzaehlen(zeilenVon(urdatei));
    if (!r) {
        b.fehler = keineLueckentestDatei(urName);
        return b;
    }
    if (r->gesamt == 0) {
        b.fehler =
            u"Die Urdatei "_s + urName + u" enthält keine Lücken; es gibt nichts zu benoten."_s;
        return b;
    }
    std::unique_ptr<QTextDocument> doc(ausgefuellt.clone());
    doc->setParent(nullptr);
    doc->setUndoRedoEnabled(false);
    const QStringList ausZeilen = Zeilenmodell(*doc).alle();
    if (ausZeilen.isEmpty() || ausZeilen.last() != kSchlusszeile ||
        !ausZeilen.contains(kKopfAusgefuellt)) {
        b.fehler = keineLueckentestDatei(ausName);
        return b;
    }
    int eintraege = 0;
    const int richtig = schAntwortenChecken(*doc, *r, &eintraege);
    if (richtig < 0) {
        b.fehler = keineLueckentestDatei(ausName);
        return b;
    }
    const int imText = richtigeLWInSchDateiEintragen(*doc, *r);
    if (eintraege != r->gesamt || imText != r->gesamt) {
        b.fehler = u"Die ausgefüllte Datei "_s + ausName + u" hat "_s +
                   QString::number(std::max(eintraege, imText)) + u" Lücken, die Urdatei "_s +
                   urName + u" aber "_s + QString::number(r->gesamt) +
                   u". Die Dateien gehören nicht zusammen; es wird nichts benotet."_s;
        return b;
    }
    b.gesamt = r->gesamt;
    b.richtig = richtig;
    const QLocale de(QLocale::German);
    const QStringList kopf{
        kBenotetUeberschrift,
        QString(37, u'='),
        QString(),
        u"Von  %1  Lücken wurden  %2  richtig ausgefüllt."_s.arg(b.gesamt).arg(b.richtig),
        QString(),
        u"Das entspricht einem Trefferquotienten von  "_s +
            de.toString(double(b.richtig) / b.gesamt, 'f', 2) + u" ."_s,
        QString(),
        u"Erreichte Note:  "_s + lueckentestNote(b.richtig, b.gesamt, norm) +
            (tabelle.isEmpty() ? u"   (nach den Standardanteilen)"_s
                               : u"   (nach "_s + tabelle + u')'),
        QString(),
        QString(68, u'-'),
        QString(),
    };
    Zeilenmodell zm(*doc);
    for (qsizetype i = 0; i < kopf.size(); ++i) {
        zm.einfuegen(int(i), kopf[i]);
    }
    // Der Kopf steht schlicht schwarz auf weiß, auch wenn der Text mit einer Lücke beginnt.
    QTextCursor c(doc.get());
    c.setPosition(0);
    c.setPosition(doc->findBlockByNumber(int(kopf.size())).position(), QTextCursor::KeepAnchor);
    QTextCharFormat kopfFormat = lueckenFormat(QTextCharFormat(), kArtFrei);
    kopfFormat.setFontPointSize(12);
    c.setCharFormat(kopfFormat);
    zeilenFormatieren(*doc);
    b.dokument = std::move(doc);
    return b;
}
