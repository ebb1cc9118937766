#include "window/vessel/ringtablemodel.h"

#include "core/angles.h"
#include "core/joints.h"
#include "core/picture.h"
#include "core/reading.h"
#include "drawing/conversions.h"
#include "window/vessel/vesseldocument.h"
#include "window/vessel/vesseltexts.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QStyle>

namespace orvane {

namespace {

// The optional results of a ring, by column.
const std::optional<LengthResult> *lengthOf(const RingResult &ring, int column)
{
    switch (column) {
    case RingTableModel::longSideColumn: return &ring.longSide;
    case RingTableModel::shortSideColumn: return &ring.shortSide;
    case RingTableModel::boardWidthColumn: return &ring.boardWidth;
    case RingTableModel::stripLengthColumn: return &ring.stripLength;
    default: return nullptr;
    }
}

QString title(int column)
{
    switch (column) {
    case RingTableModel::nameColumn: return QObject::tr("Name");
    case RingTableModel::segmentsColumn: return QObject::tr("Segments");
    case RingTableModel::outerColumn: return QObject::tr("Outer");
    case RingTableModel::innerColumn: return QObject::tr("Inner");
    case RingTableModel::fudgeColumn: return QObject::tr("Fudge");
    case RingTableModel::thicknessColumn: return QObject::tr("Thickness");
    case RingTableModel::woodColumn: return QObject::tr("Wood");
    case RingTableModel::rotationColumn: return QObject::tr("Rotation");
    case RingTableModel::sawAngleColumn: return QObject::tr("Saw Angle");
    case RingTableModel::longSideColumn: return QObject::tr("Long Side");
    case RingTableModel::shortSideColumn: return QObject::tr("Short Side");
    case RingTableModel::boardWidthColumn: return QObject::tr("Board Width");
    case RingTableModel::stripLengthColumn: return QObject::tr("Strip Length");
    case RingTableModel::boardFeetColumn: return QObject::tr("Board Feet");
    default: return {};
    }
}

QString explanation(int column)
{
    switch (column) {
    case RingTableModel::nameColumn: return QObject::tr("The ring's name");
    case RingTableModel::segmentsColumn: return QObject::tr("The number of segments, 3 to 100");
    case RingTableModel::outerColumn: return QObject::tr("The finished ring's outer diameter");
    case RingTableModel::innerColumn: return QObject::tr("The finished ring's inner diameter");
    case RingTableModel::fudgeColumn:
        return QObject::tr("The extra wood left inside and outside the finished ring");
    case RingTableModel::thicknessColumn:
        return QObject::tr("The board's thickness: the ring's height");
    case RingTableModel::woodColumn:
        return QObject::tr("The wood the ring is cut from, or its woods from segment 1 joined "
                           "by + (Maple + Walnut)");
    case RingTableModel::rotationColumn:
        return QObject::tr("Degrees counter-clockwise from the +x axis to segment 1's first "
                           "joint, seen from above");
    case RingTableModel::sawAngleColumn: return QObject::tr("Each end cut's angle from square");
    case RingTableModel::longSideColumn: return QObject::tr("The segment's outer side");
    case RingTableModel::shortSideColumn: return QObject::tr("The segment's inner side");
    case RingTableModel::boardWidthColumn:
        return QObject::tr("The width of board the segments take");
    case RingTableModel::stripLengthColumn:
        return QObject::tr("The length of board strip all the segments take, kerf included");
    case RingTableModel::boardFeetColumn: return QObject::tr("The lumber of the ring");
    default: return {};
    }
}

} // namespace

RingTableModel::RingTableModel(VesselDocument &vesselDocument, QObject *parent)
    : QAbstractTableModel(parent)
    , document(vesselDocument)
{
    connectDocument();
}

std::optional<RingField> RingTableModel::field(int column)
{
    switch (column) {
    case nameColumn: return RingField::name;
    case segmentsColumn: return RingField::segments;
    case outerColumn: return RingField::outer;
    case innerColumn: return RingField::inner;
    case fudgeColumn: return RingField::fudge;
    case thicknessColumn: return RingField::thickness;
    case woodColumn: return RingField::wood;
    default: return std::nullopt;
    }
}

int RingTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(document.ringCount());
}

int RingTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : numberOfColumns;
}

QVariant RingTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return displayText(row, column);
    case Qt::ToolTipRole: return toolTip(row, column);
    case Qt::TextAlignmentRole:
        return column == nameColumn || column == woodColumn
            ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
            : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (column == nameColumn && !checksOf(row).isEmpty())
            return QColor(Qt::darkRed);
        if (sourceOf(row, column) == Source::profile || defaultRotation(row, column))
            return QColor(Qt::darkGray);
        return {};
    case Qt::FontRole:
        if (sourceOf(row, column) == Source::profile || defaultRotation(row, column)) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return {};
    case Qt::DecorationRole:
        if (column == nameColumn && !checksOf(row).isEmpty())
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return {};
    default: return {};
    }
}

// A ring the vessel's profile leaves out (it starts at or above the rim) shows its typed values
// and no results.
const RingResult *RingTableModel::resultOf(int row) const
{
    const auto &rings = document.results().rings;
    const auto place = static_cast<std::size_t>(row);
    return place < rings.size() ? &rings[place] : nullptr;
}

QString RingTableModel::displayText(int row, int column) const
{
    const RingResult *ring = resultOf(row);
    const RingDesign &design
        = ring ? ring->design : document.vessel().rings.at(static_cast<std::size_t>(row));
    const Units units = document.vessel().units;
    switch (column) {
    case nameColumn: return shown(design.name);
    case segmentsColumn: return shown(shortestDecimal(design.inputs.segmentCount));
    case outerColumn: return inputText(design.inputs.outerDiameter, units);
    case innerColumn: return inputText(design.inputs.innerDiameter, units);
    case fudgeColumn: return inputText(design.inputs.fudge, units);
    case thicknessColumn: return design.thickness ? inputText(*design.thickness, units) : QString();
    case woodColumn: return shown(woodText(design));
    case rotationColumn:
        if (!ring && !design.rotation)
            return {};
        return QString::number(ring ? ring->rotation : *design.rotation, 'f', 1) + u'°';
    default: break;
    }
    if (!ring)
        return {};
    switch (column) {
    case sawAngleColumn: return shown(angleText(ring->sawAngle, anglePicture));
    case boardFeetColumn: return shown(ring->boardFeetText);
    default: break;
    }
    const std::optional<LengthResult> *length = lengthOf(*ring, column);
    return length && *length ? resultText(**length, units) : QString();
}

QString RingTableModel::toolTip(int row, int column) const
{
    if (refusal && refusal->row == row && refusal->column == column)
        return refusal->reason;
    if (column == nameColumn)
        return checksOf(row);
    const RingResult *ring = resultOf(row);
    if (!ring)
        return tr("This ring starts at or above the rim: it is not part of the vessel");
    if (column == rotationColumn) {
        QStringList lines;
        if (defaultRotation(row, column))
            lines << tr("The default: the joints farthest from those of the ring below");
        if (ring->turn)
            lines << shown(glueUpNote(*ring->turn));
        return lines.join(u'\n');
    }
    switch (sourceOf(row, column)) {
    case Source::profile:
        return column == fudgeColumn ? tr("From the vessel's pad") : tr("From the profile");
    case Source::locked:
        return column == fudgeColumn
            ? tr("The ring's own, rather than the vessel's pad: clear the cell to take the pad")
            : tr("Locked: typed, and kept whatever the profile gives; clear the cell to take "
                 "it from the profile");
    case Source::typed: break;
    }
    const std::optional<LengthResult> *length = lengthOf(*ring, column);
    return length && *length ? resultDetail(**length, document.vessel().units) : QString();
}

QString RingTableModel::checksOf(int row) const
{
    QStringList messages;
    const auto place = static_cast<std::size_t>(row);
    for (const VesselCheck &check : document.checks()) {
        if (check.place == place || check.neighbour == place)
            messages << shown(check.message);
    }
    return messages.join(u'\n');
}

bool RingTableModel::defaultRotation(int row, int column) const
{
    const auto place = static_cast<std::size_t>(row);
    return column == rotationColumn && place < document.vessel().rings.size()
        && !document.vessel().rings[place].rotation;
}

RingTableModel::Source RingTableModel::sourceOf(int row, int column) const
{
    const VesselResults &results = document.results();
    const auto place = static_cast<std::size_t>(row);
    if (place >= results.stacked.size() || document.vessel().profile.empty()
        || !results.profileProblems.empty())
        return Source::typed;
    const RingDesign &ring = document.vessel().rings.at(place);
    switch (column) {
    case outerColumn: return ring.outerLocked ? Source::locked : Source::profile;
    case innerColumn: return ring.innerLocked ? Source::locked : Source::profile;
    case fudgeColumn: return ring.ownFudge ? Source::locked : Source::profile;
    default: return Source::typed;
    }
}

QVariant RingTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        // Rings are numbered from the foot, as the cut list numbers them.
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    }
    if (role == Qt::DisplayRole)
        return title(section);
    if (role == Qt::ToolTipRole)
        return explanation(section);
    return {};
}

Qt::ItemFlags RingTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && (field(index.column()) || index.column() == rotationColumn))
        result |= Qt::ItemIsEditable;
    return result;
}

bool RingTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const std::optional<RingField> edited = field(index.column());
    const bool rotation = index.column() == rotationColumn;
    if (role != Qt::EditRole || !(edited || rotation)
        || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    // The editor starts from the cell's text, which is rounded: handed back as it was, it keeps
    // the value as it is.
    if (value.toString() == displayText(index.row(), index.column())) {
        clearRefusal();
        return true;
    }
    const auto place = static_cast<std::size_t>(index.row());
    const std::optional<std::string> problem = rotation
        ? document.typeRotation(place, value.toString())
        : document.typeIntoRing(place, *edited, value.toString());
    if (problem) {
        refusal = Refusal { index.row(), index.column(), shown(*problem) };
        emit dataChanged(index, index, { Qt::ToolTipRole });
        emit editRefused(index, refusal->reason);
        return false;
    }
    clearRefusal();
    return true;
}

void RingTableModel::clearRefusal()
{
    if (!refusal)
        return;
    const QModelIndex cell = index(refusal->row, refusal->column);
    refusal.reset();
    emit dataChanged(cell, cell, { Qt::ToolTipRole });
}

void RingTableModel::connectDocument()
{
    connect(&document, &VesselDocument::ringAboutToBeInserted, this,
        [this](int place) { beginInsertRows({}, place, place); });
    connect(&document, &VesselDocument::ringInserted, this, [this] { endInsertRows(); });
    connect(&document, &VesselDocument::ringAboutToBeRemoved, this,
        [this](int place) { beginRemoveRows({}, place, place); });
    connect(&document, &VesselDocument::ringRemoved, this, [this] { endRemoveRows(); });
    connect(&document, &VesselDocument::ringAboutToBeMoved, this,
        [this](int from, int to) { beginMoveRows({}, from, from, {}, to > from ? to + 1 : to); });
    connect(&document, &VesselDocument::ringMoved, this, [this] { endMoveRows(); });
    // Every cell may change with any edit: the units change every length, a ring's diameters the
    // glue faces of its neighbours.
    connect(&document, &VesselDocument::recomputed, this, [this] {
        refusal.reset();
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, numberOfColumns - 1));
    });
}

} // namespace orvane
