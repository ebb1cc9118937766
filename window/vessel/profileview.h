#pragma once

// The profile editor's drawing: the vessel's half-section with a handle on every point of its
// profile. A point is dragged with the mouse, snapping to 1/16 inch or 1 mm (Shift for free); a
// double-click on the outside adds a point there, Delete removes the selected one, a right click
// turns a point from smooth to corner and back, and the arrow keys nudge the selected point a step.
// A click on a ring's band selects that ring.

#include "core/profile.h"
#include "drawing/profilepainting.h"

#include <QWidget>

#include <cstddef>
#include <optional>
#include <vector>

namespace orvane {

class VesselDocument;

class ProfileView : public QWidget
{
    Q_OBJECT

public:
    explicit ProfileView(VesselDocument &vesselDocument, QWidget *parent = nullptr);

    // The selected point, from 0 at the bottom; -1 for none.
    int selectedPoint() const { return selected; }
    void setSelectedPoint(int point);
    void setSelectedRing(std::optional<std::size_t> ring);
    // Where the view draws the vessel now: the mapping from inches to the widget and back.
    ProfileFrame frame() const;
    void removeSelectedPoint();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void pointSelected(int point);
    void ringClicked(std::size_t ring);
    // Why a change asked for was not made.
    void refused(const QString &reason);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    const std::vector<ProfilePoint> &points() const;
    std::optional<std::size_t> pointAt(QPointF position) const;
    void select(int point);
    void dragTo(QPointF position, Qt::KeyboardModifiers modifiers);
    void addPointNear(QPointF position, Qt::KeyboardModifiers modifiers);
    void toggleCorner(std::size_t point);
    void nudge(int across, int up);
    void paintHandles(QPainter &painter, const ProfileFrame &frame) const;

    VesselDocument &document;
    int selected = -1;
    std::optional<std::size_t> selectedRing;

    // A point held by the mouse: the profile as the drag found it, the frame it started in (the
    // picture keeps its scale while the point moves), and where the mouse holds the handle.
    struct Drag
    {
        std::size_t point = 0;
        std::vector<ProfilePoint> before;
        ProfileFrame frame;
        QPointF grab; // from the mouse to the point, in the widget's coordinates
        QPointF pressedAt;
        bool moving = false;
    };
    std::optional<Drag> drag;
};

} // namespace orvane
