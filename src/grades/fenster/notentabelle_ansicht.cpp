#include "grades/fenster/notentabelle_ansicht.h"

#include "classdata/klasse.h"
#include "common/uhr.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyleHints>
#include <QStyledItemDelegate>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QColor kDunkelrot(155, 0, 0);
const QColor kRose(240, 230, 230);
const QColor kKopfGruen(240, 245, 240);
constexpr int kSchuelerZeilenHoehe = 22;

// Zeichnet die Zellen wie die Tabelle sie zeigt und prueft getippte Werte beim Uebernehmen.
class NotenZellenZeichner : public QStyledItemDelegate
{
public:
    explicit NotenZellenZeichner(ZenListeGesamt *tabelle)
        : QStyledItemDelegate(tabelle)
        , tabelle(tabelle)
    {}

    QPointer<QWidget> offenerEditor;
    bool letzteUebernahmeOk = true;

    QWidget *createEditor(QWidget *eltern, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        auto *feld = new QLineEdit(eltern);
        feld->setAlignment(Qt::AlignCenter);
        feld->setFrame(false);
        feld->setMaxLength(kLaengeNote);
        feld->setFont(option.font);
        const_cast<NotenZellenZeichner *>(this)->offenerEditor = feld;
        Q_UNUSED(index);
        return feld;
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override
    {
        const QString text = static_cast<QLineEdit *>(editor)->text();
        auto *selbst = const_cast<NotenZellenZeichner *>(this);
        if (text == index.data().toString()) {
            selbst->letzteUebernahmeOk = true;
            return;
        }
        if (tabelle->uebernehmen) {
            selbst->letzteUebernahmeOk = tabelle->uebernehmen(index.column(), index.row(), text);
            return;
        }
        model->setData(index, text);
    }

    void paint(QPainter *maler, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const int zeile = index.row();
        const int spalte = index.column();
        const QString text = index.data().toString();
        const bool fest = zeile < kFesteZeilen || spalte < kFesteSpalten;
        const SpaltenInfo info = spaltenInfo(spalte);
        const bool notenOderSchnitt =
            info.typ == SpaltenInfo::Typ::Note || info.typ == SpaltenInfo::Typ::Durchschnitt;
        const bool schnittSpalte = info.typ == SpaltenInfo::Typ::Durchschnitt;

        maler->save();
        QColor grund = fest ? QApplication::palette().color(QPalette::ToolTipBase) : Qt::white;
        if (zeile == 1) {
            grund = kKopfGruen;
        }
        if (!fest && index == tabelle->currentIndex()) {
            grund = kRose;
        }
        maler->fillRect(option.rect, grund);
        maler->setPen(QColor(200, 200, 200));
        maler->drawLine(option.rect.topRight(), option.rect.bottomRight());
        maler->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());

        QFont schrift = option.font;
        if (zeile == 0 && notenOderSchnitt) {
            // Erlaeuterungen um 90 Grad gedreht, von unten links nach oben lesend.
            QFont gedreht(u"Arial"_s);
            gedreht.setPixelSize(std::min(12, option.rect.width()));
            maler->setFont(gedreht);
            maler->setPen(schnittSpalte ? kDunkelrot : QColor(Qt::blue));
            maler->translate(option.rect.left(), option.rect.bottom());
            maler->rotate(-90);
            const QRect gedrehtesRechteck(2, 0, option.rect.height() - 4, option.rect.width());
            maler->drawText(gedrehtesRechteck, Qt::AlignLeft | Qt::AlignVCenter, text);
            maler->restore();
            return;
        }
        QColor farbe = Qt::black;
        Qt::Alignment ausrichtung = Qt::AlignCenter;
        if (zeile == 1) {
            schrift.setBold(true);
            schrift.setPointSize(10);
            const int sortSpalte = tabelle->vornamenSortierung ? 1 : 2;
            schrift.setUnderline(spalte == sortSpalte);
        } else if (zeile == 2) {
            schrift.setPointSize(10);
        } else if (spalte == 1 || spalte == 2) {
            schrift.setBold((spalte == 1) == tabelle->vornamenSortierung);
            ausrichtung = Qt::AlignLeft | Qt::AlignVCenter;
        }
        if (schnittSpalte) {
            farbe = kDunkelrot;
        }
        maler->setFont(schrift);
        maler->setPen(farbe);
        maler->drawText(option.rect.adjusted(3, 0, -2, 0), ausrichtung, text);
        maler->restore();
    }

private:
    ZenListeGesamt *tabelle;
};

NotenZellenZeichner *zeichnerVon(QAbstractItemView *sicht)
{
    return static_cast<NotenZellenZeichner *>(sicht->itemDelegate());
}

} // namespace

ZenListeGesamt::ZenListeGesamt(QWidget *eltern)
    : QTableWidget(0, kTabellenSpalten, eltern)
{
    setObjectName(u"ZenListeGesamt"_s);
    QFont schrift(u"Arial Narrow"_s);
    schrift.setPixelSize(18);
    schrift.setPointSize(11);
    setFont(schrift);
    setItemDelegate(new NotenZellenZeichner(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::EditKeyPressed);
    setMouseTracking(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setShowGrid(false);
    setTabKeyNavigation(false);

    festeZeilen = neueFesteAnsicht();
    festeSpalten = neueFesteAnsicht();
    festeEcke = neueFesteAnsicht();
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, festeZeilen->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, festeSpalten->verticalScrollBar(),
            &QScrollBar::setValue);
}

QTableView *ZenListeGesamt::neueFesteAnsicht()
{
    auto *ansicht = new QTableView(this);
    ansicht->setModel(model());
    ansicht->setSelectionModel(selectionModel());
    ansicht->setItemDelegate(itemDelegate());
    ansicht->setFocusPolicy(Qt::NoFocus);
    ansicht->horizontalHeader()->hide();
    ansicht->verticalHeader()->hide();
    ansicht->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ansicht->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ansicht->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    ansicht->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    ansicht->setFrameStyle(QFrame::NoFrame);
    ansicht->setShowGrid(false);
    ansicht->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ansicht->setFont(font());
    ansicht->setMouseTracking(true);
    ansicht->viewport()->installEventFilter(this);
    ansicht->show();
    return ansicht;
}

int ZenListeGesamt::festeBreite() const
{
    int breite = 0;
    for (int spalte = 0; spalte < kFesteSpalten; ++spalte) {
        breite += isColumnHidden(spalte) ? 0 : columnWidth(spalte);
    }
    return breite;
}

int ZenListeGesamt::festeHoehe() const
{
    int hoehe = 0;
    for (int zeile = 0; zeile < std::min(kFesteZeilen, rowCount()); ++zeile) {
        hoehe += rowHeight(zeile);
    }
    return hoehe;
}

void ZenListeGesamt::festeAnsichtenAnpassen()
{
    for (QTableView *ansicht : {festeZeilen, festeSpalten, festeEcke}) {
        const bool nurFesteSpalten = ansicht != festeZeilen;
        const bool nurFesteZeilen = ansicht != festeSpalten;
        for (int spalte = 0; spalte < kTabellenSpalten; ++spalte) {
            const bool verborgen =
                isColumnHidden(spalte) || (nurFesteSpalten && spalte >= kFesteSpalten);
            if (ansicht->isColumnHidden(spalte) != verborgen) {
                ansicht->setColumnHidden(spalte, verborgen);
            }
            if (!verborgen && ansicht->columnWidth(spalte) != columnWidth(spalte)) {
                ansicht->setColumnWidth(spalte, columnWidth(spalte));
            }
        }
        for (int zeile = 0; zeile < rowCount(); ++zeile) {
            const bool verborgen = nurFesteZeilen && zeile >= kFesteZeilen;
            if (ansicht->isRowHidden(zeile) != verborgen) {
                ansicht->setRowHidden(zeile, verborgen);
            }
            if (!verborgen && ansicht->rowHeight(zeile) != rowHeight(zeile)) {
                ansicht->setRowHeight(zeile, rowHeight(zeile));
            }
        }
    }
    const QRect feld = viewport()->geometry();
    const int breite = std::min(festeBreite(), feld.width());
    const int hoehe = std::min(festeHoehe(), feld.height());
    festeZeilen->setGeometry(feld.x(), feld.y(), feld.width(), hoehe);
    festeSpalten->setGeometry(feld.x(), feld.y(), breite, feld.height());
    festeEcke->setGeometry(feld.x(), feld.y(), breite, hoehe);
    festeZeilen->raise();
    festeSpalten->raise();
    festeEcke->raise();
    festeZeilen->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    festeSpalten->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

void ZenListeGesamt::resizeEvent(QResizeEvent *ereignis)
{
    QTableWidget::resizeEvent(ereignis);
    festeAnsichtenAnpassen();
}

void ZenListeGesamt::scrollTo(const QModelIndex &index, ScrollHint hinweis)
{
    if (!index.isValid()) {
        return;
    }
    QScrollBar *waagerecht = horizontalScrollBar();
    QScrollBar *senkrecht = verticalScrollBar();
    const int altWaagerecht = waagerecht->value();
    const int altSenkrecht = senkrecht->value();
    QTableWidget::scrollTo(index, hinweis);
    // Feste Zeilen und Spalten rollen nie; bewegliche Zellen nicht unter die festen.
    if (index.column() < kFesteSpalten) {
        waagerecht->setValue(altWaagerecht);
    } else {
        const int x = columnViewportPosition(index.column());
        if (x < festeBreite()) {
            waagerecht->setValue(waagerecht->value() - (festeBreite() - x));
        }
    }
    if (index.row() < kFesteZeilen) {
        senkrecht->setValue(altSenkrecht);
    } else {
        const int y = rowViewportPosition(index.row());
        if (y < festeHoehe()) {
            senkrecht->setValue(senkrecht->value() - (festeHoehe() - y));
        }
    }
}

bool ZenListeGesamt::eventFilter(QObject *objekt, QEvent *ereignis)
{
    QTableView *ansicht = nullptr;
    for (QTableView *fest : {festeZeilen, festeSpalten, festeEcke}) {
        if (fest != nullptr && objekt == fest->viewport()) {
            ansicht = fest;
        }
    }
    if (ansicht == nullptr) {
        return QTableWidget::eventFilter(objekt, ereignis);
    }
    if (ereignis->type() == QEvent::MouseButtonDblClick && zweiterKlickGesperrt()) {
        return true;
    }
    switch (ereignis->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *maus = static_cast<QMouseEvent *>(ereignis);
        const QModelIndex index = ansicht->indexAt(maus->position().toPoint());
        if (index.isValid() && maus->button() == Qt::LeftButton && bearbeitungAbschliessen()) {
            if (index.row() < kFesteZeilen) {
                emit kopfZelleGeklickt(index.column());
            } else {
                emit namensZelleGeklickt(index.row());
            }
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        return true;
    case QEvent::MouseMove: {
        auto *maus = static_cast<QMouseEvent *>(ereignis);
        hinweisZeigen(ansicht->indexAt(maus->position().toPoint()));
        return false;
    }
    case QEvent::Wheel:
        wheelEvent(static_cast<QWheelEvent *>(ereignis));
        return true;
    default:
        return false;
    }
}

QDate ZenListeGesamt::heute() const
{
    return uhr != nullptr ? uhr->heute() : QDate::currentDate();
}

void ZenListeGesamt::setzeKlasse(const Klasse *k, const QString &name)
{
    klasse = k;
    klassenname = name;
}

void ZenListeGesamt::zelleSetzen(int zeile, int spalte, const QString &text, bool bearbeitbar)
{
    QTableWidgetItem *feld = item(zeile, spalte);
    if (feld == nullptr) {
        feld = new QTableWidgetItem;
        setItem(zeile, spalte, feld);
    }
    // Nur Geaendertes setzen: jede Aenderung zeichnet die Zelle neu.
    if (feld->text() != text) {
        feld->setText(text);
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (bearbeitbar) {
        flags |= Qt::ItemIsEditable;
    }
    if (feld->flags() != flags) {
        feld->setFlags(flags);
    }
}

void ZenListeGesamt::hinweisSetzen(int zeile, int spalte, const QString &text)
{
    QTableWidgetItem *feld = item(zeile, spalte);
    if (feld->toolTip() != text) {
        feld->setToolTip(text);
    }
}

void ZenListeGesamt::fuellen()
{
    if (klasse == nullptr) {
        leeren();
        return;
    }
    const int groesse = klassenGroesse(*klasse);
    const int zeilen = groesse + 4;
    setUpdatesEnabled(false);
    if (rowCount() != zeilen) {
        setRowCount(zeilen);
    }
    int vorhanden[kNotenarten + 1] = {};
    for (int art = 1; art <= kNotenarten; ++art) {
        vorhanden[art] = vorhandeneNoten(*klasse, art);
    }
    for (int spalte = 0; spalte < kTabellenSpalten; ++spalte) {
        const SpaltenInfo info = spaltenInfo(spalte);
        const bool slotFrei =
            info.typ == SpaltenInfo::Typ::Note && info.slot <= vorhanden[info.art];
        const KopfHinweis kopf = kopfHinweis(*klasse, spalte, heute());
        const QString kopfTip =
            kopf.datum.isEmpty() ? kopf.erlaeuterung : kopf.erlaeuterung + u'\n' + kopf.datum;
        for (int zeile = 0; zeile < zeilen; ++zeile) {
            QString text;
            if (zeile == 1) {
                text = kopfText(*klasse, spalte);
            } else if (zeile == 2) {
                text = gewichtText(*klasse, spalte);
            } else if (zeile > 2 && spalte < kFesteSpalten) {
                text = namensText(*klasse, spalte, zeile);
            } else {
                text = zellText(*klasse, spalte, zeile, anzeige);
            }
            const bool schueler = zeile > 2 && zeile - 2 <= groesse;
            zelleSetzen(zeile, spalte, text, schueler && slotFrei && !keineAenderung);
            if (zeile < kFesteZeilen) {
                hinweisSetzen(zeile, spalte, kopfTip);
            } else if (spalte < kFesteSpalten) {
                hinweisSetzen(zeile, spalte, namensHinweis(*klasse, zeile));
            }
        }
    }
    setUpdatesEnabled(true);
    festeAnsichtenAnpassen();
}

void ZenListeGesamt::leeren()
{
    setRowCount(0);
}

void ZenListeGesamt::spaltenbreite()
{
    if (klasse == nullptr) {
        return;
    }
    const auto breiten = spaltenBreiten(*klasse, klassenname, ansicht, ansichtArt, optionen);
    for (int spalte = 0; spalte < kTabellenSpalten; ++spalte) {
        const bool verborgen = breiten[spalte] == 0;
        if (isColumnHidden(spalte) != verborgen) {
            setColumnHidden(spalte, verborgen);
        }
        if (!verborgen && columnWidth(spalte) != breiten[spalte]) {
            setColumnWidth(spalte, breiten[spalte]);
        }
    }
    constexpr int hoehen[kFesteZeilen] = {60, 45, 17};
    for (int zeile = 0; zeile < rowCount(); ++zeile) {
        const int hoehe = zeile < kFesteZeilen ? hoehen[zeile] : kSchuelerZeilenHoehe;
        if (rowHeight(zeile) != hoehe) {
            setRowHeight(zeile, hoehe);
        }
    }
    festeAnsichtenAnpassen();
}

bool ZenListeGesamt::bearbeitungAbschliessen()
{
    auto *zeichner = zeichnerVon(this);
    QWidget *editor = zeichner->offenerEditor;
    if (state() != QAbstractItemView::EditingState || editor == nullptr) {
        return true;
    }
    zeichner->letzteUebernahmeOk = true;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    return zeichner->letzteUebernahmeOk;
}

void ZenListeGesamt::keyPressEvent(QKeyEvent *ereignis)
{
    const int spalte = currentColumn();
    const int zeile = currentRow();
    if (ereignis->key() == Qt::Key_Escape) {
        emit escGedrueckt();
        return;
    }
    const QString text = ereignis->text();
    const bool mitSteuerung = ereignis->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (!text.isEmpty() && text[0].isLetter() && !mitSteuerung) {
        emit befehlsTaste(text[0].toLower());
        return;
    }
    const bool navigation = ereignis->key() == Qt::Key_Left || ereignis->key() == Qt::Key_Right ||
                            ereignis->key() == Qt::Key_Up || ereignis->key() == Qt::Key_Down ||
                            ereignis->key() == Qt::Key_Home || ereignis->key() == Qt::Key_End ||
                            ereignis->key() == Qt::Key_PageUp ||
                            ereignis->key() == Qt::Key_PageDown;
    if (spalte >= 0 && spaltenInfo(spalte).typ == SpaltenInfo::Typ::Durchschnitt && !navigation) {
        return;
    }
    if (ereignis->key() == Qt::Key_Delete && spalte >= 0 && zeile >= 0) {
        QTableWidgetItem *feld = item(zeile, spalte);
        if (feld != nullptr && (feld->flags() & Qt::ItemIsEditable) && !feld->text().isEmpty() &&
            uebernehmen) {
            uebernehmen(spalte, zeile, QString());
        }
        return;
    }
    if (ereignis->key() == Qt::Key_Right) {
        int naechste = spalte + 1;
        if (naechste >= kTabellenSpalten || spalteVerborgen(naechste)) {
            return;
        }
    }
    QTableWidget::keyPressEvent(ereignis);
}

void ZenListeGesamt::mousePressEvent(QMouseEvent *ereignis)
{
    const QModelIndex index = indexAt(ereignis->position().toPoint());
    // Jeder Klick in die Tabelle prueft zuerst die zuletzt bearbeitete Zelle.
    if (!bearbeitungAbschliessen()) {
        return;
    }
    if (!index.isValid() || ereignis->button() != Qt::LeftButton) {
        QTableWidget::mousePressEvent(ereignis);
        return;
    }
    const int zeile = index.row();
    const int spalte = index.column();
    if (zeile < kFesteZeilen) {
        emit kopfZelleGeklickt(spalte);
        return;
    }
    if (spalte < kFesteSpalten) {
        emit namensZelleGeklickt(zeile);
        return;
    }
    const SpaltenInfo info = spaltenInfo(spalte);
    if (info.typ == SpaltenInfo::Typ::Durchschnitt) {
        setCurrentCell(zeile, startSpalte(info.art));
        return;
    }
    if (spalte >= kSpalteGesamt) {
        setCurrentCell(zeile, kFesteSpalten);
        return;
    }
    QTableWidget::mousePressEvent(ereignis);
}

void ZenListeGesamt::mouseMoveEvent(QMouseEvent *ereignis)
{
    hinweisZeigen(indexAt(ereignis->position().toPoint()));
    QTableWidget::mouseMoveEvent(ereignis);
}

void ZenListeGesamt::hinweisZeigen(const QModelIndex &index)
{
    if (klasse != nullptr && index.isValid()) {
        if (index.row() < kFesteZeilen) {
            const KopfHinweis kopf = kopfHinweis(*klasse, index.column(), heute());
            if (!kopf.erlaeuterung.isEmpty()) {
                emit hinweis(kopf.erlaeuterung, kopf.datum);
            }
        } else if (index.column() < kFesteSpalten) {
            const QString name = namensHinweis(*klasse, index.row());
            if (!name.isEmpty()) {
                emit hinweis(name, QString());
            }
        }
    }
}

void ZenListeGesamt::wheelEvent(QWheelEvent *ereignis)
{
    QScrollBar *leiste = verticalScrollBar();
    if (leiste->maximum() <= 0) {
        ereignis->accept();
        return;
    }
    // Eine Zeile je Rastung.
    const int delta = ereignis->angleDelta().y();
    const int schritte = delta == 0 ? 0 : (delta > 0 ? -1 : 1) * std::max(1, std::abs(delta) / 120);
    leiste->setValue(leiste->value() + schritte * kSchuelerZeilenHoehe);
    auswahlInSichtbareZeilen();
    ereignis->accept();
}

void ZenListeGesamt::auswahlInSichtbareZeilen()
{
    const int spalte = currentColumn();
    const int zeile = currentRow();
    if (spalte < 0 || zeile < 0) {
        return;
    }
    // Sichtbar sind die Schuelerzeilen unter den festen Zeilen, die ganz zu sehen sind.
    int oben = rowAt(festeHoehe());
    if (oben >= 0 && rowViewportPosition(oben) < festeHoehe()) {
        ++oben;
    }
    oben = std::max(oben, kFesteZeilen);
    int unten = rowAt(viewport()->height() - 1);
    if (unten < 0) {
        unten = rowCount() - 1;
    }
    if (zeile < oben) {
        setCurrentCell(oben, spalte);
    } else if (zeile > unten) {
        setCurrentCell(unten, spalte);
    }
}

bool ZenListeGesamt::zweiterKlickGesperrt() const
{
    return klickSperre.isValid() &&
           klickSperre.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

void ZenListeGesamt::mouseDoubleClickEvent(QMouseEvent *ereignis)
{
    if (!zweiterKlickGesperrt()) {
        QTableWidget::mouseDoubleClickEvent(ereignis);
    }
}
