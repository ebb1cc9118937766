#include "window/vessel/ringtableview.h"

#include "window/vessel/ringtablemodel.h"

#include <QHeaderView>
#include <QToolTip>

namespace orvane {

RingTableView::RingTableView(QWidget *parent)
    : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
        | QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(true);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(true);
}

void RingTableView::setRingModel(RingTableModel *model)
{
    setModel(model);
    connect(model, &RingTableModel::editRefused, this, &RingTableView::showRefusal);
}

int RingTableView::currentRing() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void RingTableView::goToRing(int row)
{
    if (row < 0 || row >= model()->rowCount())
        return;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    setCurrentIndex(model()->index(row, column));
}

void RingTableView::takeOpenEdit()
{
    QWidget *editor = window()->focusWidget(); // the editor keeps the focus while it is open
    if (state() != QAbstractItemView::EditingState || editor == nullptr
        || !viewport()->isAncestorOf(editor))
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void RingTableView::commitData(QWidget *editor)
{
    lastValueRefused = false;
    QTableView::commitData(editor);
}

void RingTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Enter submits the value; a value taken moves on to the ring above it in the vessel, the
    // next row, as a spreadsheet does. A refused one stays, to be typed again.
    const bool moveDown = hint == QAbstractItemDelegate::SubmitModelCache && !lastValueRefused;
    QTableView::closeEditor(editor, hint);
    if (moveDown && currentIndex().row() + 1 < model()->rowCount())
        setCurrentIndex(currentIndex().siblingAtRow(currentIndex().row() + 1));
}

void RingTableView::showRefusal(const QModelIndex &index, const QString &reason)
{
    lastValueRefused = true;
    const QRect cell = visualRect(index);
    QToolTip::showText(viewport()->mapToGlobal(cell.bottomLeft()), reason, viewport(), cell);
}

} // namespace orvane
