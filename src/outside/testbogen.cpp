#include "outside/testbogen.h"

#include "common/ansitext.h"
#include "outside/schuelerprogramm.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;
namespace sp = schuelerprogramm;

namespace schuelerseite {

namespace {

const QString kBitte = u" Bitte sag deiner Lehrerin oder deinem Lehrer Bescheid."_s;

// Eine Antwortzeile der Kopie ohne Kreuz: Trennzeichen, Buchstabe, ")".
bool istAntwortzeile(const QString &z, QChar buchstabe)
{
    return z.size() >= 3 && z[1] == buchstabe && z[2] == u')' && !sp::istKreuz(z[0]);
}

// Zeilen wie die Einsammlung sie sieht (LF oder CR LF); dazu die Byteposition jeder Zeile.
void zeilenTeilen(const QByteArray &bytes, QStringList &zeilen, QList<qsizetype> *anfaenge)
{
    qsizetype anfang = 0;
    while (anfang < bytes.size()) {
        qsizetype ende = bytes.indexOf('\n', anfang);
        const bool letzte = ende < 0;
        if (letzte) {
            ende = bytes.size();
        }
        qsizetype laenge = ende - anfang;
        if (!letzte && laenge > 0 && bytes[ende - 1] == '\r') {
            --laenge;
        }
        if (anfaenge) {
            anfaenge->append(anfang);
        }
        zeilen << ansiDekodieren(QByteArrayView(bytes).sliced(anfang, laenge));
        anfang = ende + 1;
    }
}

Antwort antwortAus(const QString &z, int zeile)
{
    Antwort a;
    a.zeile = zeile;
    a.buchstabe = z[1];
    a.bildziffer = bildziffer(z);
    QString text = z.mid(3).trimmed();
    if (a.bildziffer >= 0) {
        text = text.mid(1).trimmed();
    }
    a.text = text;
    return a;
}

} // namespace

int bildziffer(const QString &z)
{
    const qsizetype leer = z.indexOf(u' ');
    int stelle = 0;
    if (z.size() > 5 && leer == 4) {
        stelle = 6;
    } else if (z.size() > 4 && leer == 3) {
        stelle = 5;
    }
    const QChar c = zeichenAn(z, stelle);
    return stelle > 0 && c >= u'0' && c <= u'9' ? c.digitValue() : -1;
}

QString bildMuster(int fragenummer, int ziffer)
{
    return QString::number(fragenummer).rightJustified(2, u'0') + u'-' + QString::number(ziffer) +
           u"*.jpg"_s;
}

std::optional<Testbogen> Testbogen::lesen(const QString &pfad, QString &meldung)
{
    const QString name = QFileInfo(pfad).fileName();
    const BytesErgebnis g = bytesLesen(pfad, sp::kGrenzeAbgabe);
    if (g.fehler.art == DateiFehler::Art::Fehlt) {
        meldung = u"Deine Testdatei ("_s + name +
                  u") ist nicht mehr da. Vielleicht hat deine "_s
                  u"Lehrkraft den Test gerade beendet."_s;
        return std::nullopt;
    }
    if (g.fehler.art == DateiFehler::Art::ZuGross) {
        meldung = u"Deine Testdatei ("_s + name + u") ist viel zu groß für einen Test."_s + kBitte;
        return std::nullopt;
    }
    if (!g.ok()) {
        meldung = u"Deine Testdatei ("_s + name + u") lässt sich nicht lesen."_s + kBitte;
        return std::nullopt;
    }
    QString fehler;
    std::optional<Testbogen> b = ausBytes(g.bytes, fehler);
    if (!b) {
        meldung = u"Deine Testdatei ("_s + name + u") "_s + fehler + kBitte;
    }
    return b;
}

std::optional<Testbogen> Testbogen::ausBytes(const QByteArray &bytes, QString &fehler)
{
    if (bytes.contains('\0')) {
        fehler = u"ist keine Textdatei."_s;
        return std::nullopt;
    }
    Testbogen b;
    b.roh = bytes;
    zeilenTeilen(bytes, b.zeilen, &b.zeilenAnfang);
    for (int i = 0; i < b.zeilen.size(); ++i) {
        const QString &z = b.zeilen[i];
        if (!istFragezeile(z)) {
            continue;
        }
        if (b.fragenListe.size() == kMaxFragen) {
            fehler = u"hat mehr als 40 Aufgaben."_s;
            return std::nullopt;
        }
        Frage f;
        f.nummer = int(b.fragenListe.size()) + 1;
        f.zeile = i;
        const qsizetype klammer = z.indexOf(u')');
        if (z.left(klammer).toInt() != f.nummer) {
            fehler = u"ist beschädigt: Die Aufgaben sind nicht richtig nummeriert."_s;
            return std::nullopt;
        }
        f.text = z.mid(klammer + 1).trimmed();
        for (int a = 0; a < 4; ++a) {
            const QString zeile = b.zeilen.value(i + 1 + a);
            if (!istAntwortzeile(zeile, QChar(u'a' + a))) {
                fehler = u"ist beschädigt: Aufgabe "_s + QString::number(f.nummer) +
                         u" hat nicht die vier Antworten a) bis d)."_s;
                return std::nullopt;
            }
            f.antworten[a] = antwortAus(zeile, i + 1 + a);
        }
        // Eine leere d) steht fuer eine Aufgabe mit drei Antworten: nichts zum Ankreuzen.
        if (f.antworten[3].text.isEmpty() && f.antworten[3].bildziffer < 0) {
            f.zahl = 3;
        }
        b.fragenListe << f;
        i += 4;
    }
    if (b.fragenListe.isEmpty()) {
        fehler = u"enthält keine Aufgaben."_s;
        return std::nullopt;
    }
    return b;
}

QStringList Testbogen::kopf() const
{
    QStringList k;
    for (int i = 1; i < 5 && i < zeilen.size(); ++i) {
        const QString z = zeilen[i].trimmed();
        bool linie = !z.isEmpty();
        for (const QChar c : z) {
            linie = linie && (c == u'-' || c == u'=' || c == u'_');
        }
        if (!z.isEmpty() && !linie) {
            k << z;
        }
    }
    return k;
}

bool Testbogen::waehlen(int frage, int antwort)
{
    if (frage < 0 || frage >= fragenListe.size() || antwort < 0 ||
        antwort >= fragenListe[frage].zahl) {
        return false;
    }
    Frage &f = fragenListe[frage];
    f.gewaehlt = f.gewaehlt == antwort ? -1 : antwort;
    return true;
}

void Testbogen::leeren()
{
    for (Frage &f : fragenListe) {
        f.gewaehlt = -1;
    }
}

QList<int> Testbogen::offeneFragen() const
{
    QList<int> offen;
    for (const Frage &f : fragenListe) {
        if (f.gewaehlt < 0) {
            offen << f.nummer;
        }
    }
    return offen;
}

QByteArray Testbogen::ausgefuellt() const
{
    QByteArray aus;
    aus.reserve(roh.size() + fragenListe.size());
    qsizetype bis = 0;
    for (const Frage &f : fragenListe) {
        if (f.gewaehlt < 0) {
            continue;
        }
        const qsizetype stelle = zeilenAnfang[f.antworten[f.gewaehlt].zeile];
        aus += QByteArrayView(roh).sliced(bis, stelle - bis);
        aus += 'x';
        bis = stelle;
    }
    aus += QByteArrayView(roh).sliced(bis);
    return aus;
}

bool Testbogen::kreuzeUebernehmen(const QByteArray &fassung)
{
    if (fassung.contains('\0') || fassung.size() > sp::kGrenzeAbgabe + kMaxFragen) {
        return false;
    }
    QStringList andere;
    zeilenTeilen(fassung, andere, nullptr);
    if (andere.size() != zeilen.size()) {
        return false;
    }
    QList<int> wahl(fragenListe.size(), -1);
    int frage = -1;
    for (int i = 0; i < zeilen.size(); ++i) {
        while (frage + 1 < fragenListe.size() && fragenListe[frage + 1].zeile <= i) {
            ++frage;
        }
        if (andere[i] == zeilen[i]) {
            continue;
        }
        // Sonst nur erlaubt: ein Kreuz vor einer Antwortzeile.
        const int antwort = frage >= 0 ? i - fragenListe[frage].zeile - 1 : -1;
        if (antwort < 0 || antwort > 3 || andere[i].size() != zeilen[i].size() + 1 ||
            !sp::istKreuz(andere[i][0]) || andere[i].mid(1) != zeilen[i]) {
            return false;
        }
        // Ein Kreuz vor einer leeren d) (aeltere Fassung) zaehlt nicht.
        if (antwort < fragenListe[frage].zahl) {
            wahl[frage] = antwort;
        }
    }
    for (int q = 0; q < fragenListe.size(); ++q) {
        fragenListe[q].gewaehlt = wahl[q];
    }
    return true;
}

} // namespace schuelerseite
