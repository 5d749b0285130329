#include "grades/fenster/griddruck.h"

#include "common/rueckfragen.h"
#include "grades/notentabelle.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTableWidget>
#include <QTimer>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

int umrechnen(double laenge, int aufloesung, double skala)
{
    return static_cast<int>(std::lround(laenge * aufloesung / 72.0 * skala));
}

} // namespace

bool GridDruck(const QTableWidget &gitter, QPrinter &drucker, int linkerRand, double skala,
               int obererRand, bool mitLinien)
{
    drucker.setDocName(u"Grid-Druck"_s);
    drucker.setFullPage(false); // Ursprung am bedruckbaren Bereich: die physischen Raender
    const int rx = drucker.logicalDpiX();
    const int ry = drucker.logicalDpiY();
    QPainter maler;
    if (!maler.begin(&drucker)) {
        return false;
    }
    QFont schrift = gitter.font();
    const double punkte =
        schrift.pointSizeF() > 0 ? schrift.pointSizeF() : schrift.pixelSize() * 0.75;
    schrift.setPointSize(std::max(1, static_cast<int>(std::lround(punkte / 0.72 * skala))));
    maler.setFont(schrift);
    const QColor stift(0x33, 0x33, 0x33);
    const QColor fest = QApplication::palette().color(QPalette::ToolTipBase);
    const int zeilenHoehe = maler.fontMetrics().height();

    int links = umrechnen(linkerRand, rx, skala) + 1;
    for (int spalte = 0; spalte < gitter.columnCount(); ++spalte) {
        if (gitter.isColumnHidden(spalte) || gitter.columnWidth(spalte) <= 0) {
            continue;
        }
        const int rechts = links + umrechnen(gitter.columnWidth(spalte) + 1, rx, skala);
        int oben = umrechnen(obererRand, ry, skala) + 1;
        for (int zeile = 0; zeile < gitter.rowCount(); ++zeile) {
            if (gitter.isRowHidden(zeile)) {
                continue;
            }
            const int unten = oben + umrechnen(gitter.rowHeight(zeile) + 1, ry, skala);
            const QRect rechteck(QPoint(links, oben), QPoint(rechts - 1, unten - 1));
            const bool festeZelle = zeile < kFesteZeilen || spalte < kFesteSpalten;
            maler.setBrush(festeZelle ? fest : QColor(Qt::white));
            if (mitLinien) {
                maler.setPen(QPen(stift, 1, Qt::SolidLine));
            } else {
                maler.setPen(Qt::NoPen);
            }
            maler.drawRect(rechteck);
            const QTableWidgetItem *feld = gitter.item(zeile, spalte);
            if (feld != nullptr && !feld->text().isEmpty()) {
                maler.setPen(stift);
                QString text = feld->text();
                text.replace(u'\n', u' ');
                maler.drawText(rechteck.adjusted(umrechnen(3, rx, skala), 0, 0, 0),
                               Qt::AlignLeft | Qt::AlignVCenter, text);
            }
            oben = unten;
        }
        maler.setPen(Qt::NoPen);
        maler.setBrush(Qt::white);
        maler.drawRect(QRect(links, oben, rechts - links, zeilenHoehe));
        links = rechts;
    }
    return maler.end();
}

bool tabelleDrucken(QTableWidget &tabelle, const std::function<bool(QPrinter &)> &dialog,
                    Rueckfragen &r)
{
    QPrinter drucker(QPrinter::HighResolution);
    bool gewaehlt = false;
    if (dialog) {
        gewaehlt = dialog(drucker);
    } else {
        QPrintDialog d(&drucker, tabelle.window());
        gewaehlt = d.exec() == QDialog::Accepted;
    }
    if (!gewaehlt) {
        return false;
    }
    QWidget *fenster = tabelle.window();
    auto *PWartehinweis = new QLabel(fenster);
    PWartehinweis->setObjectName(u"PWartehinweis"_s);
    PWartehinweis->setText(
        u"Bitte warten:  Der der Ausdruck der Tabelle kann einige Sekunden dauern."_s);
    PWartehinweis->setStyleSheet(
        u"QLabel { background: rgb(255,255,225); border: 2px solid rgb(155,0,0); padding: 12px; "
        u"font-weight: bold; }"_s);
    PWartehinweis->adjustSize();
    PWartehinweis->move((fenster->width() - PWartehinweis->width()) / 2,
                        (fenster->height() - PWartehinweis->height()) / 3);
    PWartehinweis->show();
    PWartehinweis->repaint();
    const bool ok = GridDruck(tabelle, drucker, 20, 0.7, 50);
    QTimer::singleShot(3000, PWartehinweis, &QObject::deleteLater);
    if (!ok) {
        const QString ziel =
            drucker.outputFileName().isEmpty() ? drucker.printerName() : drucker.outputFileName();
        r.fehler(u"Der Ausdruck ist fehlgeschlagen: \""_s + ziel + u"\" ist nicht bereit."_s);
    }
    return ok;
}
