#pragma once

// The ring table's model: one row per ring, the bottom ring first; the ring's inputs, editable in
// place, then its results, read-only, all taken from the document's one result of each ring.

#include "core/ringdesign.h"

#include <QAbstractTableModel>

#include <optional>

namespace orvane {

struct RingResult;
class VesselDocument;

class RingTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        nameColumn,
        segmentsColumn,
        outerColumn,
        innerColumn,
        fudgeColumn,
        thicknessColumn,
        woodColumn,
        rotationColumn,
        sawAngleColumn,
        longSideColumn,
        shortSideColumn,
        boardWidthColumn,
        stripLengthColumn,
        boardFeetColumn,
        numberOfColumns
    };

    explicit RingTableModel(VesselDocument &vesselDocument, QObject *parent = nullptr);

    // The ring's field a column edits; none for a result.
    static std::optional<RingField> field(int column);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Takes a typed text when the ring reader and the ring's rules allow it; otherwise the cell
    // keeps its value, its tool tip says why until the next change, and editRefused() is raised.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    void editRefused(const QModelIndex &index, const QString &reason);

private:
    const RingResult *resultOf(int row) const;
    QString displayText(int row, int column) const;
    QString toolTip(int row, int column) const;
    // The checks' messages about the ring, one a line; empty when none fires.
    QString checksOf(int row) const;
    // Where a diameter or the fudge of a stacked ring comes from in a vessel with a profile.
    enum class Source
    {
        typed, // the ring's own: no profile, or not a diameter or the fudge
        profile, // the profile's, or the vessel's pad
        locked // typed, and kept whatever the profile gives
    };
    Source sourceOf(int row, int column) const;
    // Whether the cell is a rotation the ring takes by default, not one typed.
    bool defaultRotation(int row, int column) const;
    void clearRefusal();
    void connectDocument();

    VesselDocument &document;
    // The last value refused, shown in its cell's tool tip.
    struct Refusal
    {
        int row = 0;
        int column = 0;
        QString reason;
    };
    std::optional<Refusal> refusal;
};

} // namespace orvane
