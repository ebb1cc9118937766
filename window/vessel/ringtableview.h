#pragma once

// The ring table as a spreadsheet works: typing on a cell starts editing it, Enter takes the value
// and moves to the cell below, Escape leaves the cell as it was. A value that is refused leaves
// the cell where it is, its value unchanged, and its tool tip says why.

#include <QTableView>

namespace orvane {

class RingTableModel;

class RingTableView : public QTableView
{
    Q_OBJECT

public:
    explicit RingTableView(QWidget *parent = nullptr);

    void setRingModel(RingTableModel *model);

    // The ring of the current cell, from 0; -1 when there is none.
    int currentRing() const;
    // Makes a cell of the ring at `row` current, in the column of the current cell.
    void goToRing(int row);
    // A value still being typed into a cell is handed in, as Enter would, and the cell closed.
    void takeOpenEdit();

protected:
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void showRefusal(const QModelIndex &index, const QString &reason);

    bool lastValueRefused = false;
};

} // namespace orvane
