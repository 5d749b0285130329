#include "grades/notenarten.h"

#include "classdata/klasse.h"
#include "common/rueckfragen.h"

using namespace Qt::StringLiterals;

NotenartenFelder bezeichnungenUndGewichteFuellen(const Klasse &klasse)
{
    NotenartenFelder felder;
    for (int art = 1; art <= kNotenarten; ++art) {
        const Notenart &n = klasse.notenart(art);
        felder[art - 1] = {n.langname, n.kurzform, QString::number(klasse.gewicht(art))};
    }
    return felder;
}

NotenartenFelder standardFelder()
{
    NotenartenFelder felder;
    for (int art = 1; art <= kNotenarten; ++art) {
        const Notenart n = standardNotenart(art);
        felder[art - 1] = {n.langname, n.kurzform, QString::number(standardGewicht(art))};
    }
    return felder;
}

QString kurzformBuchstabe(const QString &kurzform)
{
    const qsizetype p = kurzform.indexOf(u'&');
    if (p < 0 || p + 1 >= kurzform.size()) {
        return {};
    }
    return kurzform.mid(p + 1, 1).toUpper();
}

QString restlicheZuweisungsbuchstabenBerechnen(const NotenartenFelder &felder)
{
    QString frei = QString::fromUtf16(kZuweisbareBuchstaben);
    for (const NotenartFelder &f : felder) {
        // Jedes "&" zaehlt, nicht nur das erste.
        const QString &k = f.kurzform;
        for (qsizetype p = k.indexOf(u'&'); p >= 0 && p + 1 < k.size();
             p = k.indexOf(u'&', p + 1)) {
            frei.remove(k[p + 1].toUpper());
        }
    }
    return frei;
}

QString kurzformAusLangname(const QString &langname)
{
    return langname.left(10);
}

QString tastenAnzeigeAusLangname(const QString &langname)
{
    return langname.left(1);
}

QChar tasteAusKurzform(const QString &kurzform)
{
    if (kurzform.startsWith(u'&')) {
        return kurzform.size() >= 2 ? kurzform[1] : QChar(u' ');
    }
    return kurzform.isEmpty() ? QChar(u' ') : kurzform[0];
}

void msgBuchstabeSchonVergeben(const QString &buchstabe, Rueckfragen &r)
{
    r.information(
        u"Der Buchstabe  '"_s + buchstabe +
        u"'  ist als Navigationstaste schon vergeben.\r\n\r\n"_s
        u"Eine Übersicht über die noch zur Verfügung stehenden Buchstaben erhalten Sie, "_s
        u"wenn Sie mit der Maus über das Feld einer Kurzform fahren."_s);
}

QString kurzformGeaendert(const QString &kurzform, const QString &eigenerBuchstabe,
                          const QString &freieBuchstaben, Rueckfragen &r, QString *tastenAnzeige)
{
    QString ergebnis = kurzform;
    const qsizetype p = ergebnis.indexOf(u'&');
    // Ein "&" am Ende wartet noch auf seinen Buchstaben.
    if (p >= 0 && p + 1 < ergebnis.size()) {
        const QString buchstabe = ergebnis.mid(p + 1, 1).toUpper();
        const bool frei = buchstabe.size() == 1 && buchstabe[0] >= u'A' && buchstabe[0] <= u'Z' &&
                          freieBuchstaben.contains(buchstabe);
        const bool eigener = buchstabe == eigenerBuchstabe &&
                             QString::fromUtf16(kZuweisbareBuchstaben).contains(buchstabe);
        if (!frei && !eigener) {
            ergebnis.remove(p, 1);
            msgBuchstabeSchonVergeben(buchstabe, r);
        }
    }
    if (tastenAnzeige && (ergebnis.isEmpty() || ergebnis.startsWith(u'&'))) {
        *tastenAnzeige = ergebnis.size() >= 2 ? ergebnis.mid(1, 1) : QString();
    }
    return ergebnis;
}

QString tabellenTastenHinweis(const NotenartenFelder &felder)
{
    QStringList betroffen;
    for (const NotenartFelder &f : felder) {
        const QString b = kurzformBuchstabe(f.kurzform);
        if (!b.isEmpty() && QString::fromUtf16(kTabellenTasten).contains(b)) {
            betroffen << u"  "_s + f.kurzform + u"  ('"_s + b + u"')"_s;
        }
    }
    if (betroffen.isEmpty()) {
        return {};
    }
    return u"Folgende Kurzformen beanspruchen einen Buchstaben, der in der Notentabelle schon "
           u"eine Befehlstaste ist (C, G, K, L, S):\r\n"_s +
           betroffen.join(u"\r\n"_s) +
           u"\r\nDiese Taste wählt die Notenkategorie nicht. Bitte das  &  vor einen der "
           u"freien Buchstaben setzen (s. Hinweis beim Feld der Kurzform)."_s;
}

QString kurzformHinweis(const QString &freieBuchstaben)
{
    QStringList zeilen{
        u"Wenn Sie diese Notenkategorie später mit einem einzigen Tastendruck "_s,
        u"anwählen möchten, so können Sie in diese Kurzform das Zeichen für das "_s,
        u"(kaufmännische) 'und'  vor den entsprechenden Buchstaben setzen."_s,
        u"Als Befehlstasten zum Aufruf von Notenkategorien in der Zensurenübersicht "_s,
        u"stehen allerdings nur noch folgende Buchstaben zur Verfügung: "_s,
        QString(),
    };
    QString sortiert = freieBuchstaben;
    std::sort(sortiert.begin(), sortiert.end());
    for (QChar b : sortiert) {
        zeilen.append(u"      "_s + b);
    }
    zeilen << QString() << u"Vom Programm fest vergeben sind folgende Navigationstasten: "_s
           << QString(80, u'-') << u"  A - zeigt alle Noten in der Tabelle."_s
           << u"  B - zeigt alle Berechnungen in der Tabelle."_s
           << u"  D - führt zum Drucken der Tabelle."_s
           << u"  E - zeigt die Einzellisten-Zoomansicht der Notentabelle."_s
           << u"  I - öffnet die Einstellung von Bezeichnungen und Gewichtungen."_s
           << u"  N - führt zur Eröffnung einer neuen Klasse."_s
           << u"  P - wechselt zwischen der Ansicht von Zensuren und Punkten."_s
           << u"  U - zeigt bzw. verbirgt die Spalten mit den Durchschnittsberechnungen."_s
           << u"  V - wechselt zwischen der Sortierung nach Vornamen bzw. Nachnamen."_s
           << u"  W - führt zur Auswahl (zum Öffnen) einer Klasse."_s
           << u"  Z - führt zurück zur Übersicht des Programms."_s;
    return zeilen.join(u'\n');
}

ProzentAnzeige prozentSumme(const NotenartenFelder &felder)
{
    ProzentAnzeige a;
    qint64 summe = 0;
    for (const NotenartFelder &f : felder) {
        bool ok = false;
        const int w = f.gewicht.toInt(&ok);
        // Leer, keine ganze Zahl oder negativ (ergaebe eine unsinnige Gesamtzensur): keine Summe.
        if (!ok || w < 0 || w > 32767) {
            return a;
        }
        summe += w;
    }
    a.summe = QString::number(summe);
    if (summe < 100) {
        a.hinweis = u"Es fehlen:"_s;
        a.rest = QString::number(100 - summe) + u" %"_s;
        a.farbe = ProzentAnzeige::Farbe::Blau;
    } else if (summe > 100) {
        a.hinweis = u"zu viel:"_s;
        a.rest = QString::number(summe - 100) + u" %"_s;
        a.farbe = ProzentAnzeige::Farbe::Rot;
    }
    return a;
}

bool bezeichnungenUndGewichteNach_suk(Klasse &klasse, const NotenartenFelder &felder,
                                      Rueckfragen &r)
{
    if (prozentSumme(felder).summe != u"100"_s) {
        r.piep();
        return false;
    }
    for (int art = 1; art <= kNotenarten; ++art) {
        const NotenartFelder &f = felder[art - 1];
        Notenart &n = klasse.notenart(art);
        n.langname = f.langname.left(kLaengeLangname);
        n.kurzform = f.kurzform.left(kLaengeKurzform);
        n.taste = tasteAusKurzform(n.kurzform);
        klasse.gewicht(art) = static_cast<qint16>(f.gewicht.toInt());
    }
    return true;
}

QString ohneErstesKaufmannsUnd(const QString &beschriftung)
{
    QString t = beschriftung;
    const qsizetype p = t.indexOf(u'&');
    if (p >= 0) {
        t.remove(p, 1);
    }
    return t;
}
