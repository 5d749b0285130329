#include "authoring/testbilder.h"

#include "common/ordner.h"
#include "common/rueckfragen.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QString zweistellig(int n)
{
    return n < 10 ? u'0' + QString::number(n) : QString::number(n);
}

bool istZiffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Halbe Werte zur geraden Zahl, wie die Rechnung der Rahmenlage es verlangt.
int runden(double x)
{
    return int(std::nearbyint(x));
}

} // namespace

QChar bildzifferBeimLaden(const QString &zeile)
{
    const qsizetype blank = zeile.indexOf(u' ');
    if (zeile.size() > 5 && blank == 4) {
        return zeile[5];
    }
    if (zeile.size() > 4 && blank == 3) {
        return zeile[4];
    }
    return QChar();
}

int fragezeileSuchen(const QStringList &zeilen, int n, int ab)
{
    const QString kopf = QString::number(n) + u')';
    for (int i = std::max(ab, 0); i < zeilen.size(); ++i) {
        const QString &z = zeilen[i];
        if (z.startsWith(kopf) || (n < 10 && z.startsWith(u'0' + kopf))) {
            return i;
        }
    }
    return -1;
}

QString bildMuster(int frage, QChar ziffer)
{
    return zweistellig(frage) + u'-' + ziffer + u"*.jpg"_s;
}

BildDateien bilderDerFrage(const QStringList &zeilen, int fragezeile, const QString &bilderOrdner)
{
    BildDateien d;
    if (fragezeile < 0 || fragezeile >= zeilen.size()) {
        return d;
    }
    const QString &fz = zeilen[fragezeile];
    const int frage = fz.left(fz.indexOf(u')')).toInt();
    for (int p = 0; p < 4; ++p) {
        const int i = fragezeile + 1 + p;
        const QChar ziffer = i < zeilen.size() ? bildzifferBeimLaden(zeilen[i]) : QChar();
        if (!istZiffer(ziffer)) {
            continue;
        }
        const QStringList treffer = dateienNachMuster(bilderOrdner, bildMuster(frage, ziffer));
        if (!treffer.isEmpty()) {
            d[p] = bilderOrdner + treffer.first();
        }
    }
    return d;
}

std::array<BildDateien, kBilderFragen + 1> bilderSuchen(const QStringList &zeilen,
                                                        const QString &bilderOrdner)
{
    std::array<BildDateien, kBilderFragen + 1> alle{};
    if (!istEchterOrdner(bilderOrdner)) {
        return alle;
    }
    int ab = 0;
    for (int n = 1; n <= kBilderFragen; ++n) {
        const int i = fragezeileSuchen(zeilen, n, ab);
        if (i < 0) {
            break;
        }
        alle[n] = bilderDerFrage(zeilen, i, bilderOrdner);
        ab = i + 1;
    }
    return alle;
}

std::optional<QImage> bildLesen(const QString &pfad)
{
    if (!istGewoehnlicheDatei(pfad)) {
        return std::nullopt;
    }
    QImageReader leser(pfad);
    leser.setAutoTransform(true);
    QImage bild = leser.read();
    if (bild.isNull()) {
        return std::nullopt;
    }
    return bild;
}

QString bildFehlerMeldung(const QString &datei)
{
    return u"Die Datei "_s + datei + u" kann nicht geöffnet werden!"_s;
}

const Bildspeicher::Platz &Bildspeicher::platz(int frage, int p) const
{
    static const Platz leer;
    if (frage < 1 || frage > kBilderFragen || p < 0 || p > 3) {
        return leer;
    }
    return plaetze[frage][p];
}

bool Bildspeicher::frageHatBilder(int frage) const
{
    for (int p = 0; p < 4; ++p) {
        if (platz(frage, p).geladen) {
            return true;
        }
    }
    return false;
}

void Bildspeicher::frageLeeren(int frage)
{
    if (frage >= 1 && frage <= kBilderFragen) {
        plaetze[frage].fill(Platz{});
    }
}

void Bildspeicher::setze(int frage, int p, const QImage &bild, const QString &datei)
{
    if (frage < 1 || frage > kBilderFragen || p < 0 || p > 3) {
        return;
    }
    plaetze[frage][p] = Platz{true, bild, datei};
    geladen = true;
}

int Bildspeicher::laden(int frage, const BildDateien &dateien, Rueckfragen &r)
{
    int fehler = 0;
    for (int p = 0; p < 4; ++p) {
        if (dateien[p].isEmpty()) {
            continue;
        }
        const std::optional<QImage> bild = bildLesen(dateien[p]);
        if (!bild) {
            r.fehler(bildFehlerMeldung(dateien[p]));
            ++fehler;
            continue;
        }
        setze(frage, p, *bild, dateien[p]);
    }
    return fehler;
}

int Bildspeicher::allesLaden(const QStringList &zeilen, const QString &bilderOrdner, Rueckfragen &r)
{
    bilder_loeschen_und_bildspeicher_freigeben();
    const auto alle = bilderSuchen(zeilen, bilderOrdner);
    int fehler = 0;
    for (int n = 1; n <= kBilderFragen; ++n) {
        fehler += laden(n, alle[n], r);
    }
    return fehler;
}

int Bildspeicher::frageNeuLaden(const QStringList &zeilen, int fragezeile,
                                const QString &bilderOrdner, Rueckfragen &r)
{
    if (fragezeile < 0 || fragezeile >= zeilen.size()) {
        return 0;
    }
    const int frage = zeilen[fragezeile].left(zeilen[fragezeile].indexOf(u')')).toInt();
    if (frage < 1 || frage > kBilderFragen) {
        return 0;
    }
    return laden(frage, bilderDerFrage(zeilen, fragezeile, bilderOrdner), r);
}

void Bildspeicher::bilder_loeschen_und_bildspeicher_freigeben()
{
    for (auto &frage : plaetze) {
        for (Platz &p : frage) {
            p = Platz{};
        }
    }
    geladen = false;
}

std::optional<EingefuegtesBild> bildEinfuegen(const QString &quelle, const QString &bilderOrdner,
                                              int frage, QChar ziffer, Rueckfragen &r)
{
    const std::optional<QImage> bild = bildLesen(quelle);
    if (!bild) {
        r.fehler(bildFehlerMeldung(quelle));
        return std::nullopt;
    }
    // Immer als JPEG mit der Endung ".jpg": nur so findet die Suche das Bild wieder.
    const QString name = zweistellig(frage) + u'-' + ziffer + u' ' +
                         QFileInfo(quelle).completeBaseName() + u".jpg"_s;
    const QString ziel = bilderOrdner + name;
    if (!ordnerAnlegen(bilderOrdner)) {
        r.fehler(u"Der Ordner  "_s + bilderOrdner + u"  kann nicht angelegt werden!"_s);
        return std::nullopt;
    }
    const QStringList vorhanden = dateienNachMuster(bilderOrdner, bildMuster(frage, ziffer));
    if (!vorhanden.isEmpty() &&
        r.frage(Rueckfragen::Art::Frage,
                u"Es existiert im Testordner bereits ein Bild an dieser Stelle! - "
                "Soll es mit dem neuen Bild überschrieben werden?"_s,
                Rueckfragen::Knoepfe::JaNein) != Rueckfragen::Knopf::Ja) {
        return std::nullopt;
    }
    QSaveFile datei(ziel);
    bool ok = datei.open(QIODevice::WriteOnly);
    if (ok) {
        QImageWriter schreiber(&datei, "jpg");
        schreiber.setQuality(92);
        ok = schreiber.write(*bild);
    }
    if (!ok || !datei.commit()) {
        r.fehler(u"Das Bild  "_s + ziel + u"  konnte nicht gespeichert werden!"_s);
        return std::nullopt;
    }
    // Andere Dateien dieses Platzes wuerden sonst vor dem neuen Bild gefunden.
    for (const QString &alt : vorhanden) {
        if (alt.compare(name, Qt::CaseInsensitive) != 0) {
            dateiLoeschen(bilderOrdner + alt);
        }
    }
    return EingefuegtesBild{*bild, ziel};
}

Bildgeometrie bildgeometrie(int wf, int hf, int hs)
{
    Bildgeometrie g;
    g.links = runden(wf * 0.74);
    g.rechts = runden(wf * 0.96);
    g.hoehe = runden(hf * 0.19);
    g.panelLinks = runden(wf * 0.708);
    const int schritt = runden(g.hoehe * 1.12);
    g.oben[0] = runden(-150.0 * hs / 1024.0) + schritt;
    for (int p = 1; p < 4; ++p) {
        g.oben[p] = g.oben[p - 1] + schritt;
    }
    for (int p = 0; p < 4; ++p) {
        g.beschriftungOben[p] = g.oben[p] - 40;
    }
    return g;
}
