#include "window/vessel/woodtablemodel.h"

#include <QColor>

namespace orvane {

WoodTableModel::WoodTableModel(std::vector<Wood> woods, QObject *parent)
    : QAbstractTableModel(parent)
    , list(std::move(woods))
{ }

int WoodTableModel::addWood()
{
    std::string name = tr("New wood").toStdString();
    for (int n = 2; nameTaken(name, -1); ++n)
        name = tr("New wood %1").arg(n).toStdString();
    const int row = rowCount();
    beginInsertRows({}, row, row);
    list.push_back({ name, woodColour(name, {}) });
    endInsertRows();
    return row;
}

void WoodTableModel::removeWood(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    list.erase(list.begin() + row);
    endRemoveRows();
}

bool WoodTableModel::setColour(int row, const QString &colour)
{
    const std::optional<Rgb> value = colourValue(colour.trimmed().toStdString());
    if (!value || row < 0 || row >= rowCount())
        return false;
    list[std::size_t(row)].colour = colourText(*value);
    emit dataChanged(index(row, colourColumn), index(row, colourColumn));
    return true;
}

int WoodTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(list.size());
}

int WoodTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Column::columns;
}

QVariant WoodTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Wood &wood = list[std::size_t(index.row())];
    const bool name = index.column() == nameColumn;
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return QString::fromStdString(name ? wood.name : wood.colour);
    if (role == Qt::DecorationRole && !name)
        return QColor(QString::fromStdString(wood.colour));
    return {};
}

QVariant WoodTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == nameColumn ? tr("Wood") : tr("Colour");
}

Qt::ItemFlags WoodTableModel::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool WoodTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= rowCount())
        return false;
    if (index.column() == colourColumn)
        return setColour(index.row(), value.toString());
    const std::string name = value.toString().trimmed().toStdString();
    if (!isWoodName(name) || nameTaken(name, index.row()))
        return false;
    list[std::size_t(index.row())].name = name;
    emit dataChanged(index, index);
    return true;
}

bool WoodTableModel::nameTaken(const std::string &name, int exceptRow) const
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (int(i) != exceptRow && list[i].name == name)
            return true;
    }
    return false;
}

} // namespace orvane
