#include "window/vessel/profilepointmodel.h"

#include "drawing/conversions.h"
#include "window/vessel/vesseldocument.h"
#include "window/vessel/vesseltexts.h"

namespace orvane {

ProfilePointModel::ProfilePointModel(VesselDocument &vesselDocument, QObject *parent)
    : QAbstractTableModel(parent)
    , document(vesselDocument)
{
    connectDocument();
}

int ProfilePointModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(document.vessel().profile.size());
}

int ProfilePointModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : numberOfColumns;
}

QString ProfilePointModel::displayText(int row, int column) const
{
    const ProfilePoint &point = document.vessel().profile.at(static_cast<std::size_t>(row));
    const Units units = document.vessel().units;
    switch (column) {
    case rColumn: return inputText(point.r, units);
    case hColumn: return inputText(point.h, units);
    default: return {};
    }
}

QVariant ProfilePointModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return displayText(row, column);
    case Qt::CheckStateRole:
        if (column != cornerColumn)
            return {};
        return document.vessel().profile.at(static_cast<std::size_t>(row)).corner ? Qt::Checked
                                                                                  : Qt::Unchecked;
    case Qt::ToolTipRole:
        if (refusal && refusal->row == row && refusal->column == column)
            return refusal->reason;
        return {};
    case Qt::TextAlignmentRole: return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant ProfilePointModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (role == Qt::DisplayRole) {
        switch (section) {
        case rColumn: return tr("r");
        case hColumn: return tr("h");
        case cornerColumn: return tr("Corner");
        default: return {};
        }
    }
    if (role == Qt::ToolTipRole) {
        switch (section) {
        case rColumn: return tr("The point's radius: its distance from the axis");
        case hColumn: return tr("The point's height above the bottom");
        case cornerColumn:
            return tr("A corner: the outside may turn sharply here; otherwise it passes through "
                      "the point evenly");
        default: return {};
        }
    }
    return {};
}

Qt::ItemFlags ProfilePointModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (!index.isValid())
        return result;
    return result | (index.column() == cornerColumn ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool ProfilePointModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    const auto place = static_cast<std::size_t>(index.row());
    if (index.column() == cornerColumn && role == Qt::CheckStateRole) {
        std::vector<ProfilePoint> points = document.vessel().profile;
        points.at(place).corner = value.value<Qt::CheckState>() == Qt::Checked;
        document.setProfile(points,
            points[place].corner ? tr("Corner at Point %1").arg(place + 1)
                                 : tr("Smooth at Point %1").arg(place + 1));
        return true;
    }
    if (role != Qt::EditRole || index.column() == cornerColumn)
        return false;
    // The editor starts from the cell's rounded text: handed back as it was, it keeps the value.
    if (value.toString() == displayText(index.row(), index.column()))
        return true;
    const std::optional<std::string> problem = document.typeIntoPoint(
        place, index.column() == rColumn ? PointField::r : PointField::h, value.toString());
    if (problem) {
        refusal = Refusal { index.row(), index.column(), shown(*problem) };
        emit dataChanged(index, index, { Qt::ToolTipRole });
        emit editRefused(index, refusal->reason);
        return false;
    }
    return true;
}

void ProfilePointModel::connectDocument()
{
    // Points come and go with a profile edit; a drag moves them and keeps their number.
    connect(&document, &VesselDocument::profileAboutToBeReplaced, this, [this](int points) {
        resetting = points != rowCount();
        if (resetting)
            beginResetModel();
    });
    connect(&document, &VesselDocument::profileReplaced, this, [this] {
        if (resetting)
            endResetModel();
        resetting = false;
    });
    // The units change every length.
    connect(&document, &VesselDocument::recomputed, this, [this] {
        refusal.reset();
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, numberOfColumns - 1));
    });
}

} // namespace orvane
