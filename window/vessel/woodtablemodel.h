#pragma once

// The user's woods as a table to edit: a row per wood, its name and its colour, each typed in
// its cell (a colour as "#rrggbb") and shown beside a swatch of the colour.

#include "core/woods.h"

#include <QAbstractTableModel>

#include <vector>

namespace orvane {

class WoodTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        nameColumn,
        colourColumn,
        columns
    };

    explicit WoodTableModel(std::vector<Wood> woods, QObject *parent = nullptr);

    const std::vector<Wood> &woods() const { return list; }
    // A new wood under a name no other wood has, at the end; gives its row.
    int addWood();
    void removeWood(int row);
    // False when `colour` is not a colour as "#rrggbb".
    bool setColour(int row, const QString &colour);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A name is taken when it may name a wood and no other wood has it.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    bool nameTaken(const std::string &name, int exceptRow) const;

    std::vector<Wood> list;
};

} // namespace orvane
