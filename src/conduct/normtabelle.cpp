#include "conduct/normtabelle.h"

#include "common/ansitext.h"
#include "common/ordner.h"
#include "common/rueckfragen.h"
#include "conduct/tabellenleser.h"

#include <QLocale>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

Normtabelle standardNormtabelle()
{
    return {{
        {u"1+"_s, u"1+"_s, 15, 0.98},
        {u"1"_s, u"1+"_s, 14, 0.94},
        {u"1-"_s, u"1+"_s, 13, 0.90},
        {u"2+"_s, u"1+"_s, 12, 0.85},
        {u"2"_s, u"1"_s, 11, 0.80},
        {u"2-"_s, u"1-"_s, 10, 0.75},
        {u"3+"_s, u"2+"_s, 9, 0.70},
        {u"3"_s, u"2"_s, 8, 0.66},
        {u"3-"_s, u"2-"_s, 7, 0.62},
        {u"4+"_s, u"3+"_s, 6, 0.58},
        {u"4"_s, u"3"_s, 5, 0.54},
        {u"4-"_s, u"4+"_s, 4, 0.50},
        {u"5+"_s, u"4"_s, 3, 0.40},
        {u"5"_s, u"5+"_s, 2, 0.30},
        {u"5-"_s, u"5"_s, 1, 0.15},
        {u"6"_s, u"6"_s, 0, 0.00},
        {u"6"_s, u"6"_s, 0, 0.00},
        {u"6"_s, u"6"_s, 0, 0.00},
    }};
}

int schwelle(int punkteMax, double anteil)
{
    if (!std::isfinite(anteil)) {
        return anteil > 0 ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
    }
    if (std::fabs(anteil) > 1e6) {
        return anteil > 0 ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
    }
    if (std::fabs(anteil) < 1e-12) {
        return 0;
    }
    // Kuerzeste Dezimaldarstellung in Ziffern und Exponent zerlegen: wert = m x 10^-k.
    const QString text = QString::number(anteil, 'e', QLocale::FloatingPointShortest);
    const qsizetype e = text.indexOf(u'e');
    QString mantisse = text.left(e);
    const int exponent = text.mid(e + 1).toInt();
    const bool negativ = mantisse.startsWith(u'-');
    if (negativ) {
        mantisse.remove(0, 1);
    }
    const qsizetype punkt = mantisse.indexOf(u'.');
    int nachkomma = 0;
    if (punkt >= 0) {
        nachkomma = int(mantisse.size() - punkt - 1);
        mantisse.remove(punkt, 1);
    }
    __int128 m = 0;
    for (const QChar c : mantisse) {
        m = m * 10 + c.digitValue();
    }
    int k = nachkomma - exponent;
    __int128 zaehler = m * punkteMax;
    while (k < 0) {
        zaehler *= 10;
        ++k;
    }
    if (k > 30) {
        return 0; // |Produkt| < 10^-12
    }
    __int128 nenner = 1;
    for (int i = 0; i < k; ++i) {
        nenner *= 10;
    }
    __int128 ganz = zaehler / nenner;
    const __int128 rest2 = 2 * (zaehler % nenner);
    if (rest2 > nenner || (rest2 == nenner && (ganz % 2) != 0)) {
        ++ganz;
    }
    const __int128 grenze = std::numeric_limits<int>::max();
    if (ganz > grenze) {
        ganz = grenze;
    }
    return negativ ? -int(ganz) : int(ganz);
}

int notenwertDrittel(const QString &noteE)
{
    if (noteE.isEmpty() || noteE.size() > 2 || noteE[0] < u'1' || noteE[0] > u'6') {
        return -1;
    }
    const int basis = 3 * noteE[0].digitValue();
    if (noteE.size() == 1) {
        return basis;
    }
    if (noteE[1] == u'+') {
        return basis - 1;
    }
    if (noteE[1] == u'-') {
        return basis + 1;
    }
    return -1;
}

QString normtabellenOrdner(const QString &programmOrdner)
{
    return programmOrdner + u"Normtabellen"_s + kTrenner;
}

QString normtabelleVorschlag(const QString &programmOrdner, QChar fach)
{
    return normtabellenOrdner(programmOrdner) + fach + u"-Normtabelle.xls"_s;
}

QString normtabelleWaehlen(const QString &programmOrdner, QChar fach, Rueckfragen &r)
{
    // Vorgeschlagen (im Dialog gewaehlt) ist die Tabelle des Faches, wenn es sie gibt.
    const QString vorschlag = normtabelleVorschlag(programmOrdner, fach);
    const QString pfad = r.dateiZumOeffnen(
        u"Auswahl der Normtabelle für die Benotung des Tests"_s,
        istGewoehnlicheDatei(vorschlag) ? vorschlag : normtabellenOrdner(programmOrdner),
        u"Normtabellen (*Normtabelle.xls *Normtabelle.xlsx *Normtabelle.ods)|"
        "*Normtabelle.xls;*Normtabelle.xlsx;*Normtabelle.ods"_s);
    if (pfad.isEmpty()) {
        r.warnung(u"Die Datei  \r\n"_s + vorschlag +
                  u"\r\nkann nicht geöffnet werden. Es werden die Standardwerte geladen."_s);
    }
    return pfad;
}

std::optional<Normtabelle> normTabelleAusBytes(const QByteArray &bytes, QString *grund)
{
    const SpaltenWerte s = spalteLesen(bytes, kNormBlatt, 4, 4, 21);
    if (!s.fehler.isEmpty()) {
        if (grund) {
            *grund = s.fehler;
        }
        return std::nullopt;
    }
    Normtabelle t = standardNormtabelle();
    for (int i = 0; i < kNormZeilen; ++i) {
        if (!s.werte[size_t(i)]) {
            if (grund) {
                *grund = u"Zelle D"_s + QString::number(i + 4) + u" ist keine Zahl"_s;
            }
            return std::nullopt;
        }
        t[size_t(i)].anteil = *s.werte[size_t(i)];
    }
    return t;
}

Normtabelle normTabelleEinlesen(const QString &pfad, Rueckfragen &r)
{
    const BytesErgebnis datei = bytesLesen(pfad, kGrenzeTabelle);
    std::optional<Normtabelle> t;
    if (datei.ok()) {
        t = normTabelleAusBytes(datei.bytes);
    }
    if (!t) {
        r.warnung(u"Die Normtabelle:  "_s + pfad +
                  u"\r\nkonnte nicht gelesen werden! Es werden die Standardwerte geladen."_s);
        return standardNormtabelle();
    }
    return *t;
}
