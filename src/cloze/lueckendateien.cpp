#include "cloze/lueckendateien.h"

#include "common/rtf/zeilenmodell.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

QStringList zeilenVon(const QTextDocument &doc)
{
    // Zeilenmodell liest hier nur.
    return Zeilenmodell(const_cast<QTextDocument &>(doc)).alle();
}

QString nummerZweistellig(int n)
{
    return u"%1"_s.arg(n, 2, 10, QChar(u'0'));
}

QString lueckenMarke(int n)
{
    return u"<$"_s + nummerZweistellig(n) + u'>';
}

QString keineLueckentestDatei(const QString &datei)
{
    return u"Die Datei "_s + datei + u" ist keine gültige Lückentest-Datei."_s;
}

namespace {

// Nummer einer Listenzeile: die ersten zwei Zeichen als Ziffern; 0, wenn keine.
int listenNummer(const QString &zeile)
{
    if (zeile.size() < 2 || !zeile[0].isDigit() || !zeile[1].isDigit() ||
        zeile[0].unicode() > 127 || zeile[1].unicode() > 127) {
        return 0;
    }
    return zeile[0].digitValue() * 10 + zeile[1].digitValue();
}

QString listenText(const QString &zeile)
{
    return zeile.mid(3, kMaxListenzeichen);
}

// Die Kopfzeilen einer Lückentest-Datei: allgemeiner Kopf (der letzte), Einzellisten danach,
// Schlusszeile am Ende. -1, wenn etwas fehlt.
struct Abschnitte
{
    int allgemein = -1;
    int einzel = -1;
    bool ok() const { return allgemein >= 0 && einzel > allgemein; }
};

Abschnitte abschnitteFinden(const QStringList &zeilen)
{
    Abschnitte a;
    if (zeilen.isEmpty() || zeilen.last() != kSchlusszeile) {
        return a;
    }
    a.allgemein = int(zeilen.lastIndexOf(kKopfAllgemein));
    if (a.allgemein >= 0) {
        a.einzel = int(zeilen.indexOf(kKopfEinzel, a.allgemein + 1));
    }
    return a;
}

// Beginn der Lehrer-Anhänge: Trennlinie und Leerzeile vor dem Kopf gehören dazu.
int textEndeLehrer(const QStringList &zeilen, int kopf)
{
    if (kopf >= 2 && zeilen[kopf - 1].isEmpty() && zeilen[kopf - 2] == kUrTrennlinie) {
        return kopf - 2;
    }
    return kopf;
}

QTextCharFormat schlicht()
{
    // Feste Größe: sonst hinge sie von der Grundschrift des jeweiligen Dokuments ab, und
    // Laden und Speichern gäben andere Bytes.
    QTextCharFormat f;
    f.setForeground(QColor(0, 0, 0));
    f.setFontPointSize(12);
    return f;
}

void zeilenAnhaengen(QTextDocument &doc, const QStringList &zeilen)
{
    QTextCursor c(&doc);
    c.movePosition(QTextCursor::End);
    c.beginEditBlock();
    const QTextCharFormat f = schlicht();
    for (const QString &z : zeilen) {
        c.insertBlock(QTextBlockFormat(), f);
        c.insertText(z, f);
    }
    c.endEditBlock();
}

// Entfernt alle Zeilen ab Zeile n (samt der Absatzmarke davor).
void abZeileLoeschen(QTextDocument &doc, int n)
{
    QTextCursor c(&doc);
    if (n <= 0) {
        c.select(QTextCursor::Document);
    } else {
        const QTextBlock vor = doc.findBlockByNumber(n - 1);
        if (!vor.isValid() || !vor.next().isValid()) {
            return;
        }
        c.setPosition(vor.position() + vor.length() - 1);
        c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    }
    c.removeSelectedText();
}

struct Marke
{
    int pos = 0;
    int nummer = 0;
};

// Alle "<$NN>" im Text vor Zeile textEnde, in Textreihenfolge.
QList<Marke> markenFinden(const QTextDocument &doc, int textEnde)
{
    static const QRegularExpression muster(u"<\\$(\\d\\d)>"_s);
    QList<Marke> marken;
    QTextBlock b = doc.begin();
    for (int i = 0; b.isValid() && i < textEnde; b = b.next(), ++i) {
        auto it = muster.globalMatch(b.text());
        while (it.hasNext()) {
            const auto m = it.next();
            marken.append({b.position() + int(m.capturedStart()), m.captured(1).toInt()});
        }
    }
    return marken;
}

// Jede Nummer 1..anzahl genau einmal, keine fremde, keine zwei Marken direkt nebeneinander
// (sie verschmölzen zu einer Lücke), und keine Lückenfarbe schon im Text.
bool markenGueltig(const QTextDocument &doc, const QList<Marke> &marken, int anzahl)
{
    if (marken.size() != anzahl || !lueckenLaeufe(doc).isEmpty()) {
        return false;
    }
    QList<bool> gesehen(anzahl + 1, false);
    for (qsizetype i = 0; i < marken.size(); ++i) {
        const int n = marken[i].nummer;
        if (n < 1 || n > anzahl || gesehen[n]) {
            return false;
        }
        gesehen[n] = true;
        if (i > 0 && marken[i - 1].pos + 5 == marken[i].pos) {
            return false;
        }
    }
    return true;
}

} // namespace

bool einzelLWAusRE(const QStringList &zeilen, LueckenListen &l)
{
    for (int n = 1; n <= kLueckenEintraege; ++n) {
        l.tabelle[n].alternativen.fill(QString());
    }
    l.eMenge.clear();
    l.fMenge.clear();
    l.eWoerter.clear();
    const Abschnitte a = abschnitteFinden(zeilen);
    if (!a.ok()) {
        return false;
    }
    int letzteE = 0;
    int zaehler = 0;
    for (int i = a.einzel + 1; i < zeilen.size() - 1; ++i) {
        const int nn = listenNummer(zeilen[i]);
        if (nn == 0) {
            continue;
        }
        const QString rest = listenText(zeilen[i]);
        if (rest == kFreiMarke && zeilen[i].size() == 6) {
            if (l.fMenge.contains(nn) || l.eMenge.contains(nn)) {
                return false;
            }
            l.tabelle[nn].art = kArtF;
            l.fMenge.insert(nn);
            ++l.anzahl;
            continue;
        }
        if (nn > letzteE) {
            if (l.fMenge.contains(nn)) {
                return false;
            }
            ++l.anzahl;
            zaehler = 0;
            letzteE = nn;
        } else if (nn < letzteE) {
            return false; // Nummer doppelt oder außer der Reihe
        }
        if (zaehler >= kMaxAlternativen || rest.isEmpty()) {
            return false;
        }
        l.tabelle[nn].art = kArtE;
        l.tabelle[nn].alternativen[size_t(zaehler++)] = rest;
        l.eMenge.insert(nn);
        l.eWoerter << rest;
    }
    return true;
}

bool allgLWAusRE(const QStringList &zeilen, bool schuelersicht, LueckenListen &l)
{
    l.allgemeine.clear();
    l.fWoerter.clear();
    const Abschnitte a = abschnitteFinden(zeilen);
    if (!a.ok()) {
        return false;
    }
    const int einzelGezaehlt = l.anzahl;
    int gelesen = 0;
    for (int i = a.allgemein + 1; i < zeilen.size() - 1 && !zeilen[i].isEmpty(); ++i) {
        if (zeilen[i] == kKopfEinzel) {
            break;
        }
        ++gelesen;
        if (schuelersicht) {
            if (lueckenTextPruefen(zeilen[i]).size() > 0 || gelesen > kMaxLuecken) {
                return false;
            }
            l.allgemeine << zeilen[i].left(kMaxListenzeichen);
            ++l.anzahl;
            continue;
        }
        // Lehrersicht: jede Lücke in Nummernfolge, auch E und F.
        const int nn = listenNummer(zeilen[i]);
        const QString wort = listenText(zeilen[i]);
        if (nn != gelesen || wort.isEmpty() || !lueckenTextPruefen(wort).isEmpty()) {
            return false;
        }
        LueckenEintrag &e = l.tabelle[nn];
        e.wort = wort;
        if (e.art == kArtF) {
            l.fWoerter << wort;
        } else if (e.art != kArtE) {
            e.art = kArtA;
            l.allgemeine << zeilen[i].left(3 + kMaxListenzeichen);
            ++l.anzahl;
        }
    }
    if (schuelersicht) {
        // Die übrigen Nummern sind die A-Lücken; ihre Zahl muss zu den Wörtern passen.
        for (int n = 1; n <= l.anzahl; ++n) {
            if (!l.eMenge.contains(n) && !l.fMenge.contains(n)) {
                l.tabelle[n].art = kArtA;
            }
        }
        return l.anzahl <= kMaxLuecken &&
               std::all_of(l.eMenge.begin(), l.eMenge.end(),
                           [&](int n) { return n <= l.anzahl; }) &&
               std::all_of(l.fMenge.begin(), l.fMenge.end(), [&](int n) { return n <= l.anzahl; });
    }
    // Jede E- und F-Lücke muss auch in der allgemeinen Liste stehen.
    return l.anzahl == gelesen && gelesen - einzelGezaehlt >= 0 &&
           std::all_of(l.eMenge.begin(), l.eMenge.end(), [&](int n) { return n <= gelesen; }) &&
           std::all_of(l.fMenge.begin(), l.fMenge.end(), [&](int n) { return n <= gelesen; });
}

void LWEinsetzen(QTextDocument &doc, int textEnde, bool schuelersicht, LueckenListen &l)
{
    const QList<Marke> marken = markenFinden(doc, textEnde);
    QTextCursor c(&doc);
    c.beginEditBlock();
    for (qsizetype i = marken.size() - 1; i >= 0; --i) {
        const int n = marken[i].nummer;
        LueckenEintrag &e = l.tabelle[n];
        e.art = l.eMenge.contains(n) ? kArtE : l.fMenge.contains(n) ? kArtF : kArtA;
        if (schuelersicht) {
            e.wort = kPlatzhalter;
        }
        c.setPosition(marken[i].pos);
        c.setPosition(marken[i].pos + 1, QTextCursor::KeepAnchor);
        const QTextCharFormat f = c.charFormat();
        c.setPosition(marken[i].pos + 5, QTextCursor::KeepAnchor);
        c.insertText(e.wort, lueckenFormat(f, e.art));
    }
    c.endEditBlock();
}

void dateiAnhangLoeschen(QTextDocument &doc, bool mitTrennlinie)
{
    const QStringList zeilen = Zeilenmodell(doc).alle();
    const int kopf = int(zeilen.lastIndexOf(kKopfAllgemein));
    if (kopf < 0) {
        return;
    }
    abZeileLoeschen(doc, mitTrennlinie ? textEndeLehrer(zeilen, kopf) : kopf);
}

std::unique_ptr<QTextDocument> urdateiErzeugen(const QTextDocument &arbeit, Lueckentabelle &tab,
                                               QString &fehler)
{
    const QList<LueckenLauf> laeufe = lueckenLaeufe(arbeit);
    if (laeufe.size() > kMaxLuecken) {
        fehler =
            u"Der Text hat %1 Lücken; ein Lückentest kann höchstens 99 haben."_s.arg(laeufe.size());
        return nullptr;
    }
    for (qsizetype i = 0; i < laeufe.size(); ++i) {
        if (const QString f = lueckenTextPruefen(laeufe[i].text); !f.isEmpty()) {
            fehler = u"Lücke %1 (%2): "_s.arg(i + 1).arg(laeufe[i].text) + f;
            return nullptr;
        }
    }
    static const QRegularExpression markenMuster(u"<\\$\\d\\d>"_s);
    if (arbeit.toPlainText().contains(markenMuster)) {
        fehler = u"Der Text enthält eine Zeichenfolge wie <$01>; sie ist den Lückenmarken "
                 "vorbehalten. Bitte ändern."_s;
        return nullptr;
    }
    lueckenAlleNeuBestimmen(arbeit, tab);
    std::unique_ptr<QTextDocument> ziel(arbeit.clone());
    ziel->setParent(nullptr);
    ziel->setUndoRedoEnabled(false);
    QTextCursor c(ziel.get());
    c.beginEditBlock();
    for (qsizetype i = laeufe.size() - 1; i >= 0; --i) {
        c.setPosition(laeufe[i].start);
        c.setPosition(laeufe[i].start + 1, QTextCursor::KeepAnchor);
        const QTextCharFormat f = lueckenFormat(c.charFormat(), kArtFrei);
        c.setPosition(laeufe[i].ende(), QTextCursor::KeepAnchor);
        c.insertText(lueckenMarke(int(i + 1)), f);
    }
    c.endEditBlock();

    const int anzahl = int(laeufe.size());
    QStringList anhang{kUrTrennlinie, QString(), kKopfAllgemein};
    for (int n = 1; n <= anzahl; ++n) {
        anhang << nummerZweistellig(n) + u' ' + tab[n].wort;
    }
    anhang << QString() << kKopfEinzel;
    for (int n = 1; n <= anzahl; ++n) {
        const LueckenEintrag &e = tab[n];
        if (e.art == kArtF) {
            anhang << nummerZweistellig(n) + u" ..."_s;
        } else if (e.art == kArtE) {
            anhang << nummerZweistellig(n) + u' ' + e.wort;
            for (const QString &alt : falscheAlternativen(e)) {
                anhang << nummerZweistellig(n) + u' ' + alt;
            }
        }
    }
    anhang << QString() << kSchlusszeile;
    zeilenAnhaengen(*ziel, anhang);
    return ziel;
}

namespace {

// Liest und prüft die Listen einer Urdatei samt ihren Marken; false bei jedem Schaden.
bool urdateiLesen(const QTextDocument &doc, const QStringList &zeilen, LueckenListen &l)
{
    l = LueckenListen{};
    if (!einzelLWAusRE(zeilen, l) || !allgLWAusRE(zeilen, false, l) || l.anzahl > kMaxLuecken) {
        return false;
    }
    const int kopf = abschnitteFinden(zeilen).allgemein;
    return markenGueltig(doc, markenFinden(doc, kopf), l.anzahl);
}

} // namespace

QString lehreransichtAusUrdatei(QTextDocument &doc, LueckenListen &l, const QString &datei)
{
    const QStringList zeilen = Zeilenmodell(doc).alle();
    LueckenListen neu;
    if (!urdateiLesen(doc, zeilen, neu)) {
        return keineLueckentestDatei(datei);
    }
    const int kopf = abschnitteFinden(zeilen).allgemein;
    doc.setUndoRedoEnabled(false);
    LWEinsetzen(doc, kopf, false, neu);
    dateiAnhangLoeschen(doc, true);
    lueckenAlleNeuBestimmen(doc, neu.tabelle);
    l = std::move(neu);
    return {};
}

std::unique_ptr<QTextDocument> schuelerdateiErzeugen(const QTextDocument &urdatei,
                                                     const QString &datei, QString &fehler)
{
    const QStringList zeilen = zeilenVon(urdatei);
    LueckenListen l;
    if (!urdateiLesen(urdatei, zeilen, l)) {
        fehler = keineLueckentestDatei(datei);
        return nullptr;
    }
    if (l.anzahl == 0) {
        fehler = u"Die Urdatei enthält keine Lücken; eine Schülertestdatei wäre leer."_s;
        return nullptr;
    }
    for (int n = l.anzahl; n >= 1; --n) {
        const LueckenEintrag &e = l.tabelle[n];
        if (e.art == kArtE && falscheAlternativen(e).isEmpty()) {
            fehler = u"Die Einzelliste von Lücke Nr. "_s + QString::number(n) +
                     u" hat keine Alternativen."_s;
            return nullptr;
        }
    }
    std::unique_ptr<QTextDocument> ziel(urdatei.clone());
    ziel->setParent(nullptr);
    ziel->setUndoRedoEnabled(false);
    abZeileLoeschen(*ziel, abschnitteFinden(zeilen).allgemein + 1);

    QList<std::pair<QString, int>> aWoerter;
    for (int n = 1; n <= l.anzahl; ++n) {
        if (l.tabelle[n].art == kArtA) {
            aWoerter.append({l.tabelle[n].wort, n});
        }
    }
    lueckenwoerterSortieren(aWoerter);
    QStringList anhang;
    for (const auto &[wort, n] : aWoerter) {
        anhang << wort;
    }
    anhang << QString() << kKopfEinzel;
    for (int n = 1; n <= l.anzahl; ++n) {
        const LueckenEintrag &e = l.tabelle[n];
        if (e.art == kArtF) {
            anhang << nummerZweistellig(n) + u" ..."_s;
        } else if (e.art == kArtE) {
            for (const QString &alt : e.alternativen) {
                if (!alt.isEmpty()) {
                    anhang << nummerZweistellig(n) + u' ' + alt;
                }
            }
        }
    }
    anhang << QString() << kSchlusszeile;
    zeilenAnhaengen(*ziel, anhang);
    return ziel;
}

QString schueleransichtAusSchuelerdatei(QTextDocument &doc, LueckenListen &l, const QString &datei)
{
    const QStringList zeilen = Zeilenmodell(doc).alle();
    LueckenListen neu;
    if (!einzelLWAusRE(zeilen, neu) || !allgLWAusRE(zeilen, true, neu)) {
        return keineLueckentestDatei(datei);
    }
    const int kopf = abschnitteFinden(zeilen).allgemein;
    if (neu.anzahl == 0 || !markenGueltig(doc, markenFinden(doc, kopf), neu.anzahl)) {
        return keineLueckentestDatei(datei);
    }
    doc.setUndoRedoEnabled(false);
    LWEinsetzen(doc, kopf, true, neu);
    dateiAnhangLoeschen(doc, false);
    lueckenAlleNeuBestimmen(doc, neu.tabelle);
    l = std::move(neu);
    return {};
}

std::unique_ptr<QTextDocument> ausgefuelltErzeugen(const QTextDocument &sicht,
                                                   const Lueckentabelle &tab)
{
    Q_UNUSED(tab);
    std::unique_ptr<QTextDocument> ziel(sicht.clone());
    ziel->setParent(nullptr);
    ziel->setUndoRedoEnabled(false);
    const QList<LueckenLauf> laeufe = lueckenLaeufe(*ziel);
    const int anzahl = int(std::min<qsizetype>(laeufe.size(), kMaxLuecken));
    QTextCursor c(ziel.get());
    c.beginEditBlock();
    for (int i = anzahl - 1; i >= 0; --i) {
        const LueckenLauf &l = laeufe[i];
        c.setPosition(l.start);
        c.setPosition(l.start + 1, QTextCursor::KeepAnchor);
        const QTextCharFormat f = lueckenFormat(c.charFormat(), kArtFrei);
        c.setPosition(l.ende());
        c.insertText(u" $"_s + nummerZweistellig(i + 1) + u'>', f);
        c.setPosition(l.start);
        c.insertText(u"<"_s, f);
    }
    c.endEditBlock();
    // Die Einträge kommen aus dem Text selbst: Liste und Text können nicht auseinanderlaufen.
    QStringList anhang{QString(), kAusgefuelltTrennlinie, kKopfAusgefuellt};
    for (int i = 0; i < anzahl; ++i) {
        anhang << nummerZweistellig(i + 1) + u' ' + laeufe[i].text;
    }
    anhang << QString() << kSchlusszeile;
    zeilenAnhaengen(*ziel, anhang);
    return ziel;
}

QString schuelerEintragPruefen(const Lueckentabelle &tab, const QStringList &aWoerter, int n,
                               const QString &wort)
{
    if (!Lueckentabelle::gueltig(n) || tab[n].art == kArtFrei) {
        return u"Diese Lücke gibt es nicht."_s;
    }
    if (wort == kPlatzhalter) {
        return {};
    }
    if (wort.trimmed().isEmpty()) {
        return u"Bitte ein Wort eingeben."_s;
    }
    if (const QString f = lueckenTextPruefen(wort); !f.isEmpty()) {
        return f;
    }
    const LueckenEintrag &e = tab[n];
    if (e.art == kArtA) {
        if (!aWoerter.contains(wort)) {
            return u"Das Wort \""_s + wort + u"\" steht nicht in der Liste der Lückenwörter."_s;
        }
        for (int m = 1; m <= kLueckenEintraege; ++m) {
            if (m != n && tab[m].art == kArtA && tab[m].wort == wort) {
                return u"Das Wort \""_s + wort + u"\" steht schon in Lücke "_s +
                       QString::number(m) + u'.';
            }
        }
    } else if (e.art == kArtE) {
        if (std::find(e.alternativen.begin(), e.alternativen.end(), wort) == e.alternativen.end()) {
            return u"Das Wort \""_s + wort + u"\" steht nicht in der Auswahlliste von Lücke "_s +
                   QString::number(n) + u'.';
        }
    }
    return {};
}

QStringList freieAWoerter(const Lueckentabelle &tab, const QStringList &aWoerter)
{
    QList<std::pair<QString, int>> frei;
    for (qsizetype i = 0; i < aWoerter.size(); ++i) {
        bool benutzt = false;
        for (int m = 1; m <= kLueckenEintraege && !benutzt; ++m) {
            benutzt = tab[m].art == kArtA && tab[m].wort == aWoerter[i];
        }
        if (!benutzt) {
            frei.append({aWoerter[i], int(i)});
        }
    }
    lueckenwoerterSortieren(frei);
    QStringList l;
    for (const auto &w : frei) {
        l << w.first;
    }
    return l;
}
