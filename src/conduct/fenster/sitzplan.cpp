#include "conduct/fenster/sitzplan.h"

#include "conduct/auswahlregeln.h"

#include <QHeaderView>
#include <QPainter>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

const QColor SGSitzplan::farbeA(220, 240, 250);
const QColor SGSitzplan::farbeB(255, 255, 210);

SGSitzplan::SGSitzplan(QWidget *eltern)
    : QTableWidget(eltern)
{
    setObjectName(u"SGSitzplan"_s);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(NoEditTriggers);
    setSelectionMode(NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(true);
    spaltenZahl = kSitzplanSpaltenVorgabe;
    fuellen();
}

void SGSitzplan::setzeNamen(const QStringList &n)
{
    namen = n.mid(0, 40);
    fuellen();
}

void SGSitzplan::setzeSpalten(int s)
{
    spaltenZahl = std::clamp(s, kSitzplanSpaltenMin, kSitzplanSpaltenMax);
    fuellen();
}

void SGSitzplan::wheelEvent(QWheelEvent *ereignis)
{
    radRest += ereignis->angleDelta().y();
    const int schritte = radRest / 120;
    radRest %= 120;
    if (schritte != 0) {
        setzeSpalten(sitzplanSpalten(spaltenZahl, schritte));
    }
    ereignis->accept();
}

void SGSitzplan::fuellen()
{
    clear();
    const int zeilen = sitzplanZeilen(int(namen.size()), spaltenZahl);
    setColumnCount(spaltenZahl);
    setRowCount(zeilen);
    for (int c = 0; c < spaltenZahl; ++c) {
        auto *kopf = new QTableWidgetItem(c % 2 == 0 ? u"A"_s : u"B"_s);
        kopf->setTextAlignment(Qt::AlignCenter);
        kopf->setBackground(c % 2 == 0 ? farbeA : farbeB);
        setItem(0, c, kopf);
    }
    for (int i = 0; i < namen.size(); ++i) {
        const int r = i / spaltenZahl + 1;
        const int c = i % spaltenZahl;
        const QString nachname = namen[i].section(u", "_s, 0, 0).trimmed();
        const QString vorname = namen[i].section(u", "_s, 1).trimmed();
        auto *zelle = new QTableWidgetItem(sitzplanNameKuerzen(vorname, spaltenZahl) + u'\n' +
                                           sitzplanNameKuerzen(nachname, spaltenZahl));
        zelle->setTextAlignment(Qt::AlignCenter);
        // Ungerade Nummern Gruppe A, gerade Gruppe B.
        zelle->setBackground((i + 1) % 2 == 1 ? farbeA : farbeB);
        zelle->setToolTip(vorname + u' ' + nachname + u"  (Nr. "_s + QString::number(i + 1) + u')');
        setItem(r, c, zelle);
    }
    masseSetzen();
}

void SGSitzplan::masseSetzen()
{
    const int breite = std::max(20, (viewport()->width() + frameWidth() * 2 - 20) / spaltenZahl);
    for (int c = 0; c < columnCount(); ++c) {
        setColumnWidth(c, breite);
    }
    const int zeilen = std::max(1, rowCount());
    const int hoehe = std::max(fontMetrics().height() * 2 + 4,
                               (viewport()->height() + frameWidth() * 2 - 30) / zeilen);
    for (int r = 0; r < rowCount(); ++r) {
        setRowHeight(r, r == 0 ? fontMetrics().height() + 6 : hoehe);
    }
}

void SGSitzplan::resizeEvent(QResizeEvent *ereignis)
{
    QTableWidget::resizeEvent(ereignis);
    masseSetzen();
}

void SGSitzplan::paintEvent(QPaintEvent *ereignis)
{
    QTableWidget::paintEvent(ereignis);
    if (spaltenZahl % 2 != 0) {
        return;
    }
    // Dicke graue Mittellinie bei gerader Spaltenzahl (der Gang im Raum).
    QPainter p(viewport());
    const int x = columnViewportPosition(spaltenZahl / 2);
    p.fillRect(QRect(x - 2, 0, 4, viewport()->height()), QColor(128, 128, 128));
}
