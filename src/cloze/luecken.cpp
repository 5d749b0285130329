#include "cloze/luecken.h"

#include <QCollator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>

using namespace Qt::StringLiterals;

QColor lueckenTextfarbe(QChar art)
{
    switch (art.unicode()) {
    case kArtA:
        return QColor(1, 1, 1);
    case kArtF:
        return QColor(2, 1, 1);
    case kArtE:
        return QColor(3, 1, 1);
    default:
        return QColor(0, 0, 0);
    }
}

QColor lueckenHintergrund(QChar art)
{
    switch (art.unicode()) {
    case kArtA:
        return QColor(215, 255, 215);
    case kArtF:
        return QColor(255, 204, 204);
    case kArtE:
        return QColor(204, 255, 255);
    default:
        return QColor(255, 255, 255);
    }
}

QChar artAusFormat(const QTextCharFormat &f)
{
    if (!f.hasProperty(QTextFormat::ForegroundBrush)) {
        return kArtFrei;
    }
    const QBrush b = f.foreground();
    if (b.style() == Qt::NoBrush) {
        return kArtFrei;
    }
    const QColor c = b.color();
    if (c.green() != 1 || c.blue() != 1) {
        return kArtFrei;
    }
    switch (c.red()) {
    case 1:
        return kArtA;
    case 2:
        return kArtF;
    case 3:
        return kArtE;
    default:
        return kArtFrei;
    }
}

QTextCharFormat lueckenFormat(QTextCharFormat basis, QChar art)
{
    basis.setForeground(lueckenTextfarbe(art));
    basis.setBackground(lueckenHintergrund(art));
    return basis;
}

LueckenEintrag &Lueckentabelle::operator[](int n)
{
    if (!gueltig(n)) {
        ersatz = LueckenEintrag{};
        return ersatz;
    }
    return eintraege[size_t(n - 1)];
}

const LueckenEintrag &Lueckentabelle::operator[](int n) const
{
    static const LueckenEintrag leer;
    return gueltig(n) ? eintraege[size_t(n - 1)] : leer;
}

void Lueckentabelle::alleLueckenLeer()
{
    eintraege.fill(LueckenEintrag{});
}

void Lueckentabelle::einfuegen(int k)
{
    if (!gueltig(k)) {
        return;
    }
    std::move_backward(eintraege.begin() + (k - 1), eintraege.end() - 1, eintraege.end());
    eintraege[size_t(k - 1)] = LueckenEintrag{};
}

void Lueckentabelle::entfernen(int k)
{
    if (!gueltig(k)) {
        return;
    }
    std::move(eintraege.begin() + k, eintraege.end(), eintraege.begin() + (k - 1));
    eintraege.back() = LueckenEintrag{};
}

int Lueckentabelle::anzahl() const
{
    int n = 0;
    while (n < kLueckenEintraege && eintraege[size_t(n)].art != kArtFrei) {
        ++n;
    }
    return n;
}

bool Lueckentabelle::wortVergeben(const QString &text, int ausser) const
{
    for (int n = 1; n <= kLueckenEintraege; ++n) {
        const LueckenEintrag &e = eintraege[size_t(n - 1)];
        if (n == ausser || e.art == kArtFrei) {
            continue;
        }
        if (e.wort == text ||
            std::find(e.alternativen.begin(), e.alternativen.end(), text) != e.alternativen.end()) {
            return true;
        }
    }
    return false;
}

QList<LueckenLauf> lueckenLaeufe(const QTextDocument &doc)
{
    QList<LueckenLauf> laeufe;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        bool offen = false;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            const QChar art = artAusFormat(fr.charFormat());
            if (art == kArtFrei) {
                offen = false;
                continue;
            }
            if (offen) {
                laeufe.last().laenge += fr.length();
                laeufe.last().text += fr.text();
            } else {
                laeufe.append({fr.position(), fr.length(), art, fr.text()});
                offen = true;
            }
        }
    }
    return laeufe;
}

int lueckeAnPosition(const QList<LueckenLauf> &laeufe, int pos)
{
    for (qsizetype i = 0; i < laeufe.size(); ++i) {
        if (pos >= laeufe[i].start && pos < laeufe[i].ende()) {
            return int(i + 1);
        }
    }
    return 0;
}

namespace {

void eintragAusLauf(LueckenEintrag &e, const LueckenLauf &l)
{
    e.art = l.art;
    e.start = l.start;
    e.wort = l.text;
}

} // namespace

int lueckenAlleNeuBestimmen(const QTextDocument &doc, Lueckentabelle &tab)
{
    const QList<LueckenLauf> laeufe = lueckenLaeufe(doc);
    const int anzahl = int(std::min<qsizetype>(laeufe.size(), kLueckenEintraege));
    // Die Alternativen gehoeren zum Wort, nicht zur Nummer: steht an Nummer n ein anderes Wort
    // als bisher, kommen sie von dem Eintrag mit diesem Wort (Woerter sind eindeutig), sonst
    // bleibt die Luecke ohne Alternativen.
    const Lueckentabelle alt = tab;
    for (int n = 1; n <= anzahl; ++n) {
        LueckenEintrag &e = tab[n];
        const QString &wort = laeufe[n - 1].text;
        if (alt[n].wort != wort) {
            e.alternativen = {};
            for (int m = 1; m <= kLueckenEintraege && wort != kPlatzhalter; ++m) {
                if (alt[m].art != kArtFrei && alt[m].wort == wort) {
                    e.alternativen = alt[m].alternativen;
                    break;
                }
            }
        }
        eintragAusLauf(e, laeufe[n - 1]);
    }
    for (int n = anzahl + 1; n <= kLueckenEintraege; ++n) {
        tab[n] = LueckenEintrag{};
    }
    return anzahl;
}

bool lueckeRegistrieren(const QTextDocument &doc, Lueckentabelle &tab, int n)
{
    const QList<LueckenLauf> laeufe = lueckenLaeufe(doc);
    if (n < 1 || n > laeufe.size() || !Lueckentabelle::gueltig(n)) {
        return false;
    }
    eintragAusLauf(tab[n], laeufe[n - 1]);
    return true;
}

bool istWortzeichen(QChar c)
{
    if (c.isLetterOrNumber()) {
        return true;
    }
    return QStringView(u"$%&*+-/<>§").contains(c);
}

std::pair<int, int> wortUm(const QTextDocument &doc, int pos)
{
    const QTextBlock b = doc.findBlock(pos);
    if (!b.isValid()) {
        return {pos, pos};
    }
    const QString t = b.text();
    int i = pos - b.position();
    if (i < 0 || i >= t.size()) {
        return {pos, pos};
    }
    if (!istWortzeichen(t[i])) {
        return {pos, pos + 1};
    }
    int a = i;
    while (a > 0 && istWortzeichen(t[a - 1])) {
        --a;
    }
    int e = i + 1;
    while (e < t.size() && istWortzeichen(t[e])) {
        ++e;
    }
    return {b.position() + a, b.position() + e};
}

QString lueckenTextPruefen(const QString &text)
{
    if (text.contains(u'\n') || text.contains(QChar::ParagraphSeparator) ||
        text.contains(QChar::LineSeparator) || text.contains(u'\t')) {
        return u"Ein Lückenwort muss in einer Zeile stehen und darf keinen Tabulator enthalten."_s;
    }
    if (text.contains(u'<') || text.contains(u'>') || text.contains(u'$') ||
        text.contains(kFreiMarke)) {
        return u"Lückenwörter und Alternativen dürfen weder \"...\" noch die Zeichen <, > und $ "
               "enthalten."_s;
    }
    return {};
}

QString lueckeMarkierenPruefen(const QTextDocument &doc, const Lueckentabelle &tab, int anfang,
                               int ende)
{
    if (anfang > ende) {
        std::swap(anfang, ende);
    }
    QTextCursor c(const_cast<QTextDocument *>(&doc));
    c.setPosition(std::clamp(anfang, 0, doc.characterCount() - 1));
    c.setPosition(std::clamp(ende, 0, doc.characterCount() - 1), QTextCursor::KeepAnchor);
    const QString text = c.selectedText();
    if (!std::any_of(text.begin(), text.end(), [](QChar z) { return z.isLetterOrNumber(); })) {
        return u"Die Auswahl enthält kein Wort und kann nicht als Lücke markiert werden."_s;
    }
    const QList<LueckenLauf> laeufe = lueckenLaeufe(doc);
    for (const LueckenLauf &l : laeufe) {
        // Auch ein Anstoßen zählt: sonst verschmölzen zwei Lücken zu einer.
        if (anfang <= l.ende() && ende >= l.start) {
            return u"Die Auswahl berührt eine vorhandene Lücke und kann nicht als Lücke markiert "
                   "werden."_s;
        }
    }
    if (anfang == 0) {
        return u"Das erste Wort im Text kann nicht als Lückenwort markiert werden."_s;
    }
    if (const QString f = lueckenTextPruefen(text); !f.isEmpty()) {
        return f;
    }
    // Die gespeicherten Anfänge und Wörter können nach einer Textänderung veraltet sein: die
    // Wörter kommen aus dem Text, die Alternativen aus der Tabelle.
    const bool vergeben = std::any_of(laeufe.begin(), laeufe.end(),
                                      [&](const LueckenLauf &l) { return l.text == text; });
    Lueckentabelle nurAlternativen = tab;
    for (int i = 1; i <= kLueckenEintraege; ++i) {
        nurAlternativen[i].wort.clear();
    }
    if (vergeben || nurAlternativen.wortVergeben(text)) {
        return u"Dieses Lückenwort wurde schon gewählt. Eine Doppelauswahl ist nicht möglich."_s;
    }
    if (laeufe.size() >= kMaxLuecken) {
        return u"Ein Lückentest kann höchstens 99 Lücken haben; diese Lücke wird nicht "
               "markiert."_s;
    }
    return {};
}

QString lueckeMarkieren(QTextDocument &doc, Lueckentabelle &tab, int anfang, int ende, QChar art)
{
    if (anfang > ende) {
        std::swap(anfang, ende);
    }
    if (const QString f = lueckeMarkierenPruefen(doc, tab, anfang, ende); !f.isEmpty()) {
        return f;
    }
    QTextCursor c(&doc);
    c.setPosition(anfang);
    c.setPosition(ende, QTextCursor::KeepAnchor);
    const QString text = c.selectedText();
    const QList<LueckenLauf> laeufe = lueckenLaeufe(doc);
    int n = 1;
    for (const LueckenLauf &l : laeufe) {
        if (l.start < anfang) {
            ++n;
        }
    }
    // Jedes Fragment der Auswahl behält seine übrigen Merkmale (Schrift, Fett ...).
    QTextCharFormat farben;
    farben.setForeground(lueckenTextfarbe(art));
    farben.setBackground(lueckenHintergrund(art));
    c.mergeCharFormat(farben);
    tab.einfuegen(n);
    LueckenEintrag &e = tab[n];
    e.art = art;
    e.wort = text;
    e.start = anfang;
    lueckenAlleNeuBestimmen(doc, tab);
    return {};
}

bool lueckeEntfernen(QTextDocument &doc, Lueckentabelle &tab, int n)
{
    const QList<LueckenLauf> laeufe = lueckenLaeufe(doc);
    if (n < 1 || n > laeufe.size()) {
        return false;
    }
    QTextCursor c(&doc);
    c.setPosition(laeufe[n - 1].start);
    c.setPosition(laeufe[n - 1].ende(), QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setForeground(QColor(0, 0, 0));
    f.setBackground(QColor(255, 255, 255));
    c.mergeCharFormat(f);
    tab.entfernen(n);
    lueckenAlleNeuBestimmen(doc, tab);
    return true;
}

QStringList falscheAlternativen(const LueckenEintrag &e)
{
    QStringList l;
    for (const QString &a : e.alternativen) {
        if (a.isEmpty()) {
            break;
        }
        if (a != e.wort) {
            l << a;
        }
    }
    return l;
}

QString alternativeHinzufuegen(Lueckentabelle &tab, int n, const QString &text)
{
    if (!Lueckentabelle::gueltig(n) || tab[n].art != kArtE) {
        return u"Alternativen gibt es nur für Einzellisten-Lückenwörter."_s;
    }
    if (text.isEmpty() || text == kAlternativenAufforderung) {
        return u"Bitte eine falsche Alternative eingeben."_s;
    }
    if (const QString f = lueckenTextPruefen(text); !f.isEmpty()) {
        return f;
    }
    if (tab.wortVergeben(text)) {
        return u"Dieses Lückenwort wurde schon einmal eingegeben. Eine Doppeleingabe ist leider "
               "nicht möglich."_s;
    }
    LueckenEintrag &e = tab[n];
    const auto frei = std::find(e.alternativen.begin(), e.alternativen.end(), QString());
    if (falscheAlternativen(e).size() >= kMaxFalscheAlternativen || frei == e.alternativen.end()) {
        return u"Eine Einzelliste kann höchstens 9 falsche Alternativen haben."_s;
    }
    *frei = text;
    return {};
}

bool alternativeEntfernen(Lueckentabelle &tab, int n, const QString &text)
{
    auto &alt = tab[n].alternativen;
    const auto it = std::find(alt.begin(), alt.end(), text);
    if (text.isEmpty() || it == alt.end()) {
        return false;
    }
    std::move(it + 1, alt.end(), it);
    alt.back().clear();
    return true;
}

bool bereichBeruehrtLuecke(const QList<LueckenLauf> &laeufe, int anfang, int ende)
{
    if (anfang > ende) {
        std::swap(anfang, ende);
    }
    return std::any_of(laeufe.begin(), laeufe.end(),
                       [&](const LueckenLauf &l) { return l.start < ende && l.ende() >= anfang; });
}

bool lueckeFuellen(QTextDocument &doc, Lueckentabelle &tab, int n, const QString &wort)
{
    const QList<LueckenLauf> laeufe = lueckenLaeufe(doc);
    if (n < 1 || n > laeufe.size() || wort.isEmpty()) {
        return false;
    }
    const LueckenLauf &l = laeufe[n - 1];
    QTextCursor c(&doc);
    c.setPosition(l.start);
    c.setPosition(l.start + 1, QTextCursor::KeepAnchor);
    const QTextCharFormat f = c.charFormat();
    c.setPosition(l.start);
    c.setPosition(l.ende(), QTextCursor::KeepAnchor);
    c.insertText(wort, f);
    tab[n].wort = wort;
    for (int i = 1; i <= int(laeufe.size()); ++i) {
        tab[i].start = laeufe[i - 1].start + (i > n ? int(wort.size()) - l.laenge : 0);
    }
    return true;
}

void lueckenwoerterSortieren(QList<std::pair<QString, int>> &woerter)
{
    QCollator k{QLocale(QLocale::German, QLocale::Germany)};
    k.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(woerter.begin(), woerter.end(), [&k](const auto &a, const auto &b) {
        const int v = k.compare(a.first, b.first);
        return v != 0 ? v < 0 : a.second < b.second;
    });
}
