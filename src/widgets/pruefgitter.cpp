#include "widgets/pruefgitter.h"

#include "classdata/klasse.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

class PruefDelegate : public QStyledItemDelegate
{
public:
    explicit PruefDelegate(PruefGitter *gitter)
        : QStyledItemDelegate(gitter)
        , gitter(gitter)
    {}

    QWidget *createEditor(QWidget *eltern, const QStyleOptionViewItem &option,
                          const QModelIndex &) const override
    {
        auto *feld = new QLineEdit(eltern);
        feld->setAlignment(Qt::AlignCenter);
        feld->setFrame(false);
        feld->setMaxLength(kLaengeNote);
        feld->setFont(option.font);
        gitter->offenerEditor = feld;
        connect(feld, &QObject::destroyed, gitter, [g = gitter, feld] {
            if (g->offenerEditor == feld) {
                g->offenerEditor = nullptr;
            }
        });
        return feld;
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override
    {
        const QString text = static_cast<QLineEdit *>(editor)->text();
        if (text == index.data().toString()) {
            gitter->letzteUebernahmeOk = true;
            return;
        }
        if (gitter->uebernehmen) {
            gitter->letzteUebernahmeOk = gitter->uebernehmen(index.row(), index.column(), text);
            return;
        }
        gitter->letzteUebernahmeOk = true;
        model->setData(index, text);
    }

private:
    PruefGitter *gitter;
};

PruefGitter::PruefGitter(int zeilen, int spalten, QWidget *eltern)
    : QTableWidget(zeilen, spalten, eltern)
{
    setItemDelegate(new PruefDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(false);
}

bool PruefGitter::bearbeitungAbschliessen()
{
    if (state() != QAbstractItemView::EditingState || offenerEditor == nullptr) {
        return true;
    }
    QWidget *editor = offenerEditor;
    letzteUebernahmeOk = true;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    return letzteUebernahmeOk;
}

void PruefGitter::zelle(int zeile, int spalte, const QString &text, bool bearbeitbar)
{
    QTableWidgetItem *feld = item(zeile, spalte);
    if (feld == nullptr) {
        feld = new QTableWidgetItem;
        feld->setTextAlignment(Qt::AlignCenter);
        setItem(zeile, spalte, feld);
    }
    feld->setText(text);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (bearbeitbar) {
        flags |= Qt::ItemIsEditable;
    }
    feld->setFlags(flags);
}

QString PruefGitter::text(int zeile, int spalte) const
{
    const QTableWidgetItem *feld = item(zeile, spalte);
    return feld == nullptr ? QString() : feld->text();
}

void PruefGitter::keyPressEvent(QKeyEvent *ereignis)
{
    const QString t = ereignis->text();
    const bool mitSteuerung = ereignis->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (!t.isEmpty() && t[0].isLetter() && !mitSteuerung) {
        emit befehlsTaste(t[0].toLower());
        return;
    }
    const int zeile = currentRow();
    const int spalte = currentColumn();
    if (ereignis->key() == Qt::Key_Delete && zeile >= 0 && spalte >= 0) {
        QTableWidgetItem *feld = item(zeile, spalte);
        if (feld != nullptr && (feld->flags() & Qt::ItemIsEditable) && !feld->text().isEmpty() &&
            uebernehmen) {
            uebernehmen(zeile, spalte, QString());
        }
        return;
    }
    if ((ereignis->key() == Qt::Key_Down || ereignis->key() == Qt::Key_Return ||
         ereignis->key() == Qt::Key_Enter) &&
        zeile == rowCount() - 1) {
        emit amEndeVerlassen();
        return;
    }
    if ((ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) && zeile >= 0) {
        setCurrentCell(zeile + 1, spalte);
        return;
    }
    QTableWidget::keyPressEvent(ereignis);
}

QModelIndex PruefGitter::tabZiel(bool vor) const
{
    const int breite = columnCount();
    const int anzahl = rowCount() * breite;
    const QModelIndex aktuell = currentIndex();
    int i = aktuell.isValid() ? aktuell.row() * breite + aktuell.column() : (vor ? -1 : anzahl);
    for (i += vor ? 1 : -1; i >= 0 && i < anzahl; i += vor ? 1 : -1) {
        const QModelIndex ziel = model()->index(i / breite, i % breite);
        if (ziel.flags() & Qt::ItemIsEditable) {
            return ziel;
        }
    }
    return {};
}

bool PruefGitter::focusNextPrevChild(bool vor)
{
    if (tabZellenweise && hasFocus() && state() != QAbstractItemView::EditingState) {
        const QModelIndex ziel = tabZiel(vor);
        if (ziel.isValid()) {
            setCurrentIndex(ziel);
            return true;
        }
    }
    return QTableWidget::focusNextPrevChild(vor);
}

void PruefGitter::focusInEvent(QFocusEvent *ereignis)
{
    QTableWidget::focusInEvent(ereignis);
    // Mit Tab betreten beginnt das Gitter vorne, mit Shift+Tab hinten.
    const bool vor = ereignis->reason() == Qt::TabFocusReason;
    if (tabZellenweise && (vor || ereignis->reason() == Qt::BacktabFocusReason)) {
        setCurrentIndex({});
        const QModelIndex ziel = tabZiel(vor);
        if (ziel.isValid()) {
            setCurrentIndex(ziel);
        }
    }
}

void PruefGitter::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hinweis)
{
    // Tab im offenen Feld: die Tabelle selbst wuerde am Ende wieder vorne anfangen.
    const bool weiter = hinweis == QAbstractItemDelegate::EditNextItem;
    if (!tabZellenweise || (!weiter && hinweis != QAbstractItemDelegate::EditPreviousItem)) {
        QTableWidget::closeEditor(editor, hinweis);
        return;
    }
    QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (!letzteUebernahmeOk) {
        return; // verweigerter Wert: die Zelle bleibt, wo sie ist
    }
    const QModelIndex ziel = tabZiel(weiter);
    if (ziel.isValid()) {
        setCurrentIndex(ziel);
    } else {
        QWidget::focusNextPrevChild(weiter);
    }
}

void PruefGitter::mousePressEvent(QMouseEvent *ereignis)
{
    if (!bearbeitungAbschliessen()) {
        return;
    }
    QTableWidget::mousePressEvent(ereignis);
}
