#pragma once

// The point table's model: one row per point of the vessel's profile, from the bottom to the rim:
// its r and h in the project's units, typed in place, and whether it is a corner, a check box.

#include <QAbstractTableModel>

#include <optional>

namespace orvane {

class VesselDocument;

class ProfilePointModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        rColumn,
        hColumn,
        cornerColumn,
        numberOfColumns
    };

    explicit ProfilePointModel(VesselDocument &vesselDocument, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Takes a typed length when the profile stays a profile; otherwise the cell keeps its value,
    // its tool tip says why until the next change, and editRefused() is raised.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    void editRefused(const QModelIndex &index, const QString &reason);

private:
    QString displayText(int row, int column) const;
    void connectDocument();

    VesselDocument &document;
    struct Refusal
    {
        int row = 0;
        int column = 0;
        QString reason;
    };
    std::optional<Refusal> refusal;
    bool resetting = false;
};

} // namespace orvane
