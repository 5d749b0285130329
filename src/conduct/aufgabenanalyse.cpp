#include "conduct/aufgabenanalyse.h"

#include "common/ansitext.h"
#include "common/rueckfragen.h"
#include "conduct/testname.h"

#include <QLocale>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Buchstabe 0..3 einer Antwortzeile und ihr Text; -1 fuer andere Zeilen. Antwortzeilen tragen
// den Buchstaben an Stelle 2 (" a)") oder als Loesungszeile an Stelle 3 ("2 a)").
struct Antwortzeile
{
    int buchstabe = -1;
    QString text;
};

Antwortzeile antwortzeile(const QString &z)
{
    for (int p = 2; p <= 3; ++p) {
        const QChar c = zeichenAn(z, p);
        if (c >= u'a' && c <= u'd' && zeichenAn(z, p + 1) == u')') {
            return {c.unicode() - u'a', z.mid(p + 1).trimmed()};
        }
    }
    return {};
}

// Antworttexte je Frage 1..40 und Buchstabe.
using Antworttexte = std::array<std::array<QString, 4>, kMaxFragen + 1>;

Antworttexte antworttexte(const QStringList &vorlage)
{
    Antworttexte t{};
    int q = 0;
    for (const QString &z : vorlage) {
        if (istFragezeile(z)) {
            if (++q > kMaxFragen) {
                break;
            }
            continue;
        }
        if (q >= 1) {
            const Antwortzeile a = antwortzeile(z);
            if (a.buchstabe >= 0) {
                t[q][a.buchstabe] = a.text;
            }
        }
    }
    return t;
}

qint8 buchstabenIndex(const QString &antwort)
{
    if (antwort.size() == 1 && antwort[0] >= u'a' && antwort[0] <= u'd') {
        return qint8(antwort[0].unicode() - u'a');
    }
    return kAntwortKeine;
}

} // namespace

Buchstabenzuordnung gruppeBZuordnung(const QStringList &vorlageA, const QStringList &vorlageB)
{
    Buchstabenzuordnung z = gleicheBuchstaben();
    const Antworttexte a = antworttexte(vorlageA);
    const Antworttexte b = antworttexte(vorlageB);
    for (int q = 1; q <= kMaxFragen; ++q) {
        // Gleiche Texte in einer Frage: jede A-Antwort wird hoechstens einmal vergeben.
        std::array<bool, 4> vergeben{};
        for (int ib = 0; ib < 4; ++ib) {
            for (int ia = 0; ia < 4; ++ia) {
                if (!vergeben[ia] && !b[q][ib].isEmpty() && b[q][ib] == a[q][ia]) {
                    z[q][ib] = qint8(ia);
                    vergeben[ia] = true;
                    break;
                }
            }
        }
    }
    return z;
}

AnalyseVorlagen analyseVorlagenLesen(const TestPfade &test)
{
    AnalyseVorlagen v;
    v.zuordnungB = gleicheBuchstaben();
    const ZeilenErgebnis a = ansiZeilenLesen(test.vorlage(u'A'));
    const ZeilenErgebnis b = ansiZeilenLesen(test.vorlage(u'B'));
    if (!a.ok()) {
        return v;
    }
    const std::optional<Loesung> l = loesungAusZeilen(a.zeilen);
    if (!l) {
        return v;
    }
    v.schluesselA = *l;
    v.ok = true;
    if (b.ok()) {
        v.zuordnungB = gruppeBZuordnung(a.zeilen, b.zeilen);
    }
    return v;
}

Antwortbogen antwortbogen(const Kreuze &kreuze, const Einzelergebnis &ergebnis, int fragen,
                          const Buchstabenzuordnung *zuordnung)
{
    Antwortbogen bogen;
    for (int q = 1; q <= std::min(fragen, kMaxFragen); ++q) {
        qint8 w = kreuze.kreuzAnzahl[q] == 1 ? buchstabenIndex(kreuze.antwort[q]) : kAntwortKeine;
        if (zuordnung != nullptr && w != kAntwortKeine) {
            w = (*zuordnung)[q][w];
        }
        bogen.wahl[q] = w;
        bogen.geloest[q] = ergebnis.punkte[q] > 0;
    }
    return bogen;
}

Aufgabenanalyse aufgabenanalyseBerechnen(const Loesung &schluessel,
                                         const QList<Antwortbogen> &boegen)
{
    Aufgabenanalyse a;
    const int k = std::clamp(schluessel.fragen, 0, kMaxFragen);
    const qint64 n = boegen.size();
    a.schueler = int(n);
    a.fragen.reserve(k);

    // Geloeste Fragen je Schueler; alle Summen ganzzahlig, erst die Quotienten sind double.
    QList<qint64> gesamt(n, 0);
    for (qint64 s = 0; s < n; ++s) {
        for (int q = 1; q <= k; ++q) {
            gesamt[s] += boegen[s].geloest[q] ? 1 : 0;
        }
    }
    qint64 summeX = 0, summeX2 = 0;
    for (const qint64 x : gesamt) {
        summeX += x;
        summeX2 += x * x;
    }

    double summePQ = 0.0;
    for (int q = 1; q <= k; ++q) {
        Fragenanalyse f;
        f.nr = schluessel.aufgabenNr[q];
        if (schluessel.loesung[q].size() == 1) {
            f.loesung = schluessel.loesung[q][0];
        }
        std::array<qint64, 5> zaehler{};
        qint64 sx = 0, sy = 0, sxy = 0, syy = 0;
        for (qint64 s = 0; s < n; ++s) {
            const qint64 x = boegen[s].geloest[q] ? 1 : 0;
            const qint64 y = gesamt[s] - x; // die uebrigen Fragen
            sx += x;
            sy += y;
            sxy += x * y;
            syy += y * y;
            ++zaehler[size_t(std::clamp<int>(boegen[s].wahl[q], 0, kAntwortKeine))];
        }
        if (n > 0) {
            const double p = double(sx) / double(n);
            f.loesungsquote = p;
            summePQ += p * (1.0 - p);
            for (size_t i = 0; i < zaehler.size(); ++i) {
                f.antworten[i] = double(zaehler[i]) / double(n);
            }
            // Mit x*x = x: n*Sxx - Sx^2 = n*Sx - Sx^2.
            const qint64 varX = n * sx - sx * sx;
            const qint64 varY = n * syy - sy * sy;
            if (varX > 0 && varY > 0) {
                f.trennschaerfe =
                    double(n * sxy - sx * sy) / std::sqrt(double(varX) * double(varY));
            }
        }
        a.fragen << f;
    }
    if (n > 0 && k >= 2) {
        // Var(X) = (n*SXX - SX^2) / n^2, ganzzahlig auf Streuung geprueft.
        const qint64 nVar = n * summeX2 - summeX * summeX;
        if (nVar > 0) {
            const double var = double(nVar) / (double(n) * double(n));
            a.kr20 = double(k) / double(k - 1) * (1.0 - summePQ / var);
        }
    }
    return a;
}

QString prozentText(const std::optional<double> &anteil)
{
    if (!anteil) {
        return {};
    }
    return QLocale(QLocale::German).toString(*anteil * 100.0, 'f', 0) + u" %"_s;
}

QString kennzahlText(const std::optional<double> &wert)
{
    if (!wert) {
        return {};
    }
    return QLocale(QLocale::German).toString(*wert, 'f', 2);
}

QStringList aufgabenanalyseZeilen(const Aufgabenanalyse &a, const QString &testname)
{
    QStringList z{QString(),
                  u"Aufgabenanalyse vom Test: "_s + testname,
                  u"(nur für die Lehrkraft, wird nicht an die Schüler zurückgegeben)"_s,
                  QString(),
                  u"Gewertete Schüler: "_s + QString::number(a.schueler),
                  u"Zuverlässigkeit (KR-20): "_s +
                      (a.kr20 ? kennzahlText(a.kr20) : u"nicht bestimmbar"_s),
                  QString(),
                  u"Aufgabe\tLösung\tLösungsquote\tTrennschärfe\ta)\tb)\tc)\td)\tkeine"_s,
                  QString(72, u'-')};
    for (const Fragenanalyse &f : a.fragen) {
        QString zeile = f.nr + u'\t' + (f.loesung.isNull() ? QString() : QString(f.loesung)) +
                        u'\t' + prozentText(f.loesungsquote) + u'\t' +
                        kennzahlText(f.trennschaerfe);
        for (const std::optional<double> &anteil : f.antworten) {
            zeile += u'\t' + prozentText(anteil);
        }
        z << zeile;
    }
    z << QString(72, u'-') << QString() << u"Lösungsquote: über 80 % leicht, unter 30 % schwer."_s
      << u"Trennschärfe: unter 0,20 trennt die Frage kaum zwischen stärkeren und schwächeren "
         u"Schülern;"_s
      << u"  negativ: stärkere Schüler lösen sie seltener (Lösung oder Fragetext prüfen)."_s
      << u"KR-20: ab etwa 0,70 misst der Test verlässlich; leer, wenn nicht berechenbar."_s
      << u"Antworten a) bis d) in den Buchstaben der Gruppe A; \"keine\": kein oder mehr als ein "
         u"Kreuz."_s
      << QString();
    return z;
}

QString aufgabenanalysePfad(const TestPfade &test)
{
    return test.benotetOrdner() + u"Aufgabenanalyse.Doc"_s;
}

QString aufgabenanalyseTitel(const TestPfade &test)
{
    QString ordner = test.testOrdner();
    ordner.chop(1);
    return ordner.right(16);
}
