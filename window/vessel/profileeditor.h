#pragma once

// The profile editor, in the stack's place in the vessel window while the vessel has a profile:
// the half-section to drag the points in, the point table for exact values, and the wall
// thickness, floor, pad and flattening that go with the profile. Every change is an edit of the
// document, one step of its undo history; the editor shows the document as it is after each.

#include <QWidget>

#include <array>
#include <cstddef>
#include <optional>

class QLineEdit;
class QTableView;

namespace orvane {

class ProfilePointModel;
class ProfileView;
class VesselDocument;
enum class VesselLength;

class ProfileEditor : public QWidget
{
    Q_OBJECT

public:
    explicit ProfileEditor(VesselDocument &vesselDocument, QWidget *parent = nullptr);

    ProfileView *view() const { return profileView; }
    QTableView *pointTable() const { return table; }
    void setSelectedRing(std::optional<std::size_t> ring);
    // A value still being typed, in a cell or a field, is taken, as Enter would.
    void takePendingEdits();

signals:
    void ringClicked(std::size_t ring);
    // What the status bar says: why a value or a change was not taken.
    void message(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildLengths();
    void takeLength(std::size_t field);
    void showLengths();
    void selectRow(int point);

    VesselDocument &document;
    ProfileView *profileView = nullptr;
    ProfilePointModel *model = nullptr;
    QTableView *table = nullptr;
    std::array<QLineEdit *, 4> lengths {}; // wall, floor, pad, flattening
};

} // namespace orvane
