#include "widgets/griddruck.h"

#include "grades/notentabelle.h"
#include "widgets/Druckhilfe.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QTableWidget>

#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

int umrechnen(double laenge, int aufloesung, double skala)
{
    return static_cast<int>(std::lround(laenge * aufloesung / 72.0 * skala));
}

// Eine sichtbare Spalte oder Zeile mit ihrer Laenge in Druckerpixeln.
struct Stueck
{
    int index;
    int laenge;
};
using Stuecke = QList<Stueck>;

int summe(const Stuecke &stuecke)
{
    return std::accumulate(stuecke.begin(), stuecke.end(), 0,
                           [](int s, const Stueck &t) { return s + t.laenge; });
}

// Der Reihe nach in Gruppen, die jeweils in platz passen; jede Gruppe hat mindestens ein Stueck,
// auch wenn es allein schon zu lang ist.
QList<Stuecke> gruppen(const Stuecke &stuecke, double platz)
{
    QList<Stuecke> ergebnis{Stuecke{}};
    double belegt = 0;
    for (const Stueck &s : stuecke) {
        if (!ergebnis.last().isEmpty() && belegt + s.laenge > platz) {
            ergebnis.append(Stuecke{});
            belegt = 0;
        }
        ergebnis.last().append(s);
        belegt += s.laenge;
    }
    return ergebnis;
}

void zellTextZeichnen(QPainter &maler, const QRect &rechteck, QString text, int einzug)
{
    const QFontMetrics masse = maler.fontMetrics();
    const QRect innen = rechteck.adjusted(einzug, 0, -1, 0);
    // Zeilenumbrueche nur, wenn die Zeilen uebereinander Platz haben.
    if ((text.count(u'\n') + 1) * masse.height() > innen.height()) {
        text.replace(u'\n', u' ');
    }
    maler.save();
    maler.setClipRect(rechteck);
    const bool hochkant = !text.contains(u'\n') && masse.horizontalAdvance(text) > innen.width() &&
                          rechteck.height() > 2 * rechteck.width();
    if (hochkant) {
        // Erlaeuterungen ueber schmalen Notenspalten: gedreht wie auf dem Bildschirm.
        maler.translate(rechteck.left(), rechteck.bottom());
        maler.rotate(-90);
        maler.drawText(QRect(einzug, 0, rechteck.height() - einzug, rechteck.width()),
                       Qt::AlignLeft | Qt::AlignVCenter, text);
    } else {
        maler.drawText(innen, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    maler.restore();
}

void seiteZeichnen(QPainter &maler, const QTableWidget &gitter, const Stuecke &spalten,
                   const Stuecke &zeilen, int links, int oben, int einzug, bool mitLinien)
{
    const QColor stift(0x33, 0x33, 0x33);
    const QColor fest = QApplication::palette().color(QPalette::ToolTipBase);
    int x = links;
    for (const Stueck &spalte : spalten) {
        int y = oben;
        for (const Stueck &zeile : zeilen) {
            const QRect rechteck(x, y, spalte.laenge, zeile.laenge);
            const bool festeZelle = zeile.index < kFesteZeilen || spalte.index < kFesteSpalten;
            maler.setBrush(festeZelle ? fest : QColor(Qt::white));
            maler.setPen(mitLinien ? QPen(stift, 1, Qt::SolidLine) : QPen(Qt::NoPen));
            maler.drawRect(rechteck.adjusted(0, 0, -1, -1));
            const QTableWidgetItem *feld = gitter.item(zeile.index, spalte.index);
            if (feld != nullptr && !feld->text().isEmpty()) {
                maler.setPen(stift);
                zellTextZeichnen(maler, rechteck, feld->text(), einzug);
            }
            y += zeile.laenge;
        }
        x += spalte.laenge;
    }
}

} // namespace

bool GridDruck(const QTableWidget &gitter, QPainter &maler, QPrinter &drucker, int linkerRand,
               double skala, int obererRand, bool mitLinien)
{
    const int rx = drucker.logicalDpiX();
    const int ry = drucker.logicalDpiY();
    Stuecke festeSpalten, spalten, kopfZeilen, zeilen;
    for (int spalte = 0; spalte < gitter.columnCount(); ++spalte) {
        if (!gitter.isColumnHidden(spalte) && gitter.columnWidth(spalte) > 0) {
            (spalte < kFesteSpalten ? festeSpalten : spalten)
                .append({spalte, umrechnen(gitter.columnWidth(spalte) + 1, rx, skala)});
        }
    }
    for (int zeile = 0; zeile < gitter.rowCount(); ++zeile) {
        if (!gitter.isRowHidden(zeile)) {
            (zeile < kFesteZeilen ? kopfZeilen : zeilen)
                .append({zeile, umrechnen(gitter.rowHeight(zeile) + 1, ry, skala)});
        }
    }
    const int links = umrechnen(linkerRand, rx, skala) + 1;
    const int oben = umrechnen(obererRand, ry, skala) + 1;
    // Der bedruckbare Bereich; der Maler beginnt an seiner linken oberen Ecke.
    const QRectF seite = drucker.pageRect(QPrinter::DevicePixel);
    const double platzBreite = seite.width() - links;
    const int breite = summe(festeSpalten) + summe(spalten);
    double massstab = breite > 0 ? std::min(1.0, platzBreite / breite) : 1.0;
    QList<Stuecke> streifen{spalten};
    if (massstab < kKleinsterDruckMassstab) {
        massstab = kKleinsterDruckMassstab;
        streifen = gruppen(spalten, platzBreite / massstab - summe(festeSpalten));
    }
    const QList<Stuecke> seitenZeilen =
        gruppen(zeilen, seite.height() / massstab - oben - summe(kopfZeilen));

    QFont schrift = gitter.font();
    const double punkte =
        schrift.pointSizeF() > 0 ? schrift.pointSizeF() : schrift.pixelSize() * 0.75;
    schrift.setPointSize(std::max(1, static_cast<int>(std::lround(punkte / 0.72 * skala))));
    maler.setFont(schrift);
    bool ersteSeite = true;
    for (const Stuecke &spaltenTeil : streifen) {
        for (const Stuecke &zeilenTeil : seitenZeilen) {
            if (!ersteSeite && !drucker.newPage()) {
                return false;
            }
            ersteSeite = false;
            maler.save();
            maler.scale(massstab, massstab);
            seiteZeichnen(maler, gitter, festeSpalten + spaltenTeil, kopfZeilen + zeilenTeil, links,
                          oben, umrechnen(3, rx, skala), mitLinien);
            maler.restore();
        }
    }
    return true;
}

bool tabelleDrucken(QTableWidget &tabelle, Rueckfragen &r)
{
    int breite = 0;
    int hoehe = 0;
    for (int spalte = 0; spalte < tabelle.columnCount(); ++spalte) {
        breite += tabelle.isColumnHidden(spalte) ? 0 : tabelle.columnWidth(spalte);
    }
    for (int zeile = 0; zeile < tabelle.rowCount(); ++zeile) {
        hoehe += tabelle.isRowHidden(zeile) ? 0 : tabelle.rowHeight(zeile);
    }
    druck::Auftrag auftrag;
    auftrag.titel = u"Grid-Druck"_s;
    auftrag.wartetext =
        u"Bitte warten:  Der der Ausdruck der Tabelle kann einige Sekunden dauern."_s;
    auftrag.querformat = breite > hoehe;
    auftrag.hinweisNachlaufMs = 3000;
    return druck::drucken(
        &tabelle, auftrag,
        [&tabelle](QPainter &maler, QPrinter &drucker) {
            return GridDruck(tabelle, maler, drucker, 20, 0.7, 50);
        },
        r);
}
