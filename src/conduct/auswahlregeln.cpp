#include "conduct/auswahlregeln.h"

#include "common/ordner.h"
#include "conduct/testname.h"
#include "conduct/verteilung.h"
#include "settings/skalierung.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

bool ziffer1bis9(QChar c)
{
    return c >= u'1' && c <= u'9';
}

bool kleinbuchstabe(QChar c)
{
    return c >= u'a' && c <= u'z';
}

} // namespace

std::optional<QString> klassentextPruefen(const QString &vorher, const QString &neu)
{
    QString t = neu;
    if (vorher == u"..."_s && t.size() == 4 && ziffer1bis9(t.back()) && t.startsWith(vorher)) {
        t = t.right(1);
    } else if (vorher == u"..."_s && t.size() == 4 && ziffer1bis9(t.front()) &&
               t.endsWith(vorher)) {
        t = t.left(1);
    }
    if (t.isEmpty() || t.contains(u'.')) {
        return u"..."_s;
    }
    const QChar a = t[0];
    if (!(a == u'1' || (a >= u'4' && a <= u'9'))) {
        // Auch "2", "3" und Buchstaben: sie koennen keine Klasse beginnen.
        return t.size() == 1 && (a == u'2' || a == u'3' || kleinbuchstabe(a))
                   ? std::nullopt
                   : std::optional<QString>(u"..."_s);
    }
    if (t.size() > 3) {
        return std::nullopt;
    }
    if (t.size() == 2 && a != u'1' && !ziffer1bis9(t[1]) && !kleinbuchstabe(t[1])) {
        return std::nullopt;
    }
    if (t.size() == 2 && a == u'1' && !(t[1] >= u'0' && t[1] <= u'3')) {
        return std::nullopt;
    }
    if (t.size() == 3 && a == u'1' && !ziffer1bis9(t[2]) && !kleinbuchstabe(t[2])) {
        return std::nullopt;
    }
    if (t.size() == 3 && a != u'1') {
        // Klassen 4 bis 9 haben hoechstens zwei Zeichen ("7a", "81").
        return std::nullopt;
    }
    return t;
}

QString testlistenUeberschrift(bool festgelegt, const QString &testKuerzel, const QString &klasse,
                               const QString &geladen)
{
    // Ein Kuerzel mit Platzhaltern (etwa nach dem Speichern im Editor, wenn die Felder wieder
    // leer sind) benennt keinen Test.
    if (!festgelegt || !kuerzelVollstaendig(testKuerzel)) {
        return u"Test/ Klasse auswählen:"_s;
    }
    QString s = u"Testauswahl:    "_s + klassenPraefix(testKuerzel) + testKuerzel;
    if (klasse.startsWith(u'L')) {
        s += u"    (Klasse  "_s + klasse + u')';
    } else if (klasse.startsWith(u'K')) {
        s += u"    (Kurs   "_s + klasse + u')';
    } else if (klasse.startsWith(u'-')) {
        s += u"    (Klasse/Kurs: ?)"_s;
    } else if (!geladen.isEmpty() && geladen != klasse) {
        s += u"    ("_s + geladen + u')';
    }
    return s;
}

int sitzplanSpalten(int spalten, int radSchritte)
{
    return std::clamp(spalten + radSchritte, kSitzplanSpaltenMin, kSitzplanSpaltenMax);
}

QString sitzplanNameKuerzen(const QString &name, int spalten)
{
    const int laenge = int(rundeGerade(50, std::max(spalten, 1)));
    return name.size() > laenge ? name.left(laenge) + u'.' : name;
}

int sitzplanZeilen(int schueler, int spalten)
{
    return schueler / std::max(spalten, 1) + 2;
}

QString Klassenwahl::ermitteln(const TestPfade &test, Rueckfragen &r, bool melden)
{
    const QString schluessel = test.schuljahr + u'/' + test.testKuerzel;
    const QString bekannt = gewaehlt.value(schluessel);
    if (!bekannt.isEmpty() && istGewoehnlicheDatei(bekannt)) {
        return bekannt;
    }
    const QString pfad = klassenDateiErmitteln(test, r, melden);
    if (!pfad.isEmpty() &&
        dateienNachMuster(test.schuljahrOrdner(), klassenMuster(test.testKuerzel) + u"*.DTA"_s)
                .size() > 1) {
        gewaehlt.insert(schluessel, pfad);
    }
    return pfad;
}
