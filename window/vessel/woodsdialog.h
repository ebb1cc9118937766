#pragma once

// The user's woods to edit: a table of names and colours, with the commands that add a wood,
// remove one and choose a wood's colour from the system's colour dialog.

#include "core/woods.h"

#include <QDialog>

#include <vector>

class QTableView;

namespace orvane {

class WoodTableModel;

class WoodsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit WoodsDialog(std::vector<Wood> woods, QWidget *parent = nullptr);

    const std::vector<Wood> &woods() const;
    QTableView *table() const { return view; }

private:
    void chooseColour();

    WoodTableModel *model = nullptr;
    QTableView *view = nullptr;
};

} // namespace orvane
