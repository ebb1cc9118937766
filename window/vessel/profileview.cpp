#include "window/vessel/profileview.h"

#include "drawing/stackpainting.h"
#include "window/vessel/profileedit.h"
#include "window/vessel/vesseldocument.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

constexpr double handleRadius = 4.5; // pixels
constexpr double reach = 8; // how near a handle or the curve the mouse must be, pixels
constexpr double margin = 14; // room around the picture for the handles, pixels

double distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// The nearest point of the outside to `position`: the piece it lies on, from 0, and its (r, h).
struct CurvePoint
{
    std::size_t piece = 0;
    ProfilePoint point;
    double distance = std::numeric_limits<double>::infinity();
};

CurvePoint nearestOnCurve(
    const std::vector<ProfilePiece> &curve, const ProfileFrame &frame, QPointF position)
{
    const auto at = [](const ProfilePiece &piece, double s) {
        const double h = piece.from.h + s * (piece.to.h - piece.from.h);
        const double r
            = piece.flat() ? piece.from.r + s * (piece.to.r - piece.from.r) : piece.radiusAt(h);
        return ProfilePoint { r, h, false };
    };
    CurvePoint nearest;
    for (std::size_t k = 0; k < curve.size(); ++k) {
        // Coarsely along the piece, then finely around the nearest step.
        constexpr int steps = 64;
        double best = 0;
        double bestDistance = std::numeric_limits<double>::infinity();
        for (int i = 0; i <= steps; ++i) {
            const double s = double(i) / steps;
            const double d = distance(frame.toTarget(at(curve[k], s)), position);
            if (d < bestDistance) {
                bestDistance = d;
                best = s;
            }
        }
        for (int i = -steps; i <= steps; ++i) {
            const double s = std::clamp(best + double(i) / (steps * steps), 0.0, 1.0);
            const ProfilePoint point = at(curve[k], s);
            const double d = distance(frame.toTarget(point), position);
            if (d < nearest.distance)
                nearest = { k, point, d };
        }
    }
    return nearest;
}

} // namespace

ProfileView::ProfileView(VesselDocument &vesselDocument, QWidget *parent)
    : QWidget(parent)
    , document(vesselDocument)
{
    setObjectName(QStringLiteral("profileView"));
    setAccessibleName(tr("Profile"));
    setAccessibleDescription(
        tr("The vessel cut in half through its axis: the outside with a handle on each point of "
           "the profile, the wall and the floor, and the rings' bands. Drag a point, double-click "
           "the outside to add one, Delete removes the selected point, a right click makes it a "
           "corner or smooth, the arrow keys move it a step"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::StrongFocus);

    connect(&document, &VesselDocument::recomputed, this, [this] {
        if (selected >= static_cast<int>(points().size()))
            select(static_cast<int>(points().size()) - 1);
        update();
    });
    // An undo or redo in the middle of a drag ends it where the history puts the profile.
    connect(&document.undoStack(), &QUndoStack::indexChanged, this, [this] { drag.reset(); });
}

const std::vector<ProfilePoint> &ProfileView::points() const
{
    return document.vessel().profile;
}

void ProfileView::setSelectedPoint(int point)
{
    point = std::clamp(point, -1, static_cast<int>(points().size()) - 1);
    if (point == selected)
        return;
    selected = point;
    update();
}

void ProfileView::select(int point)
{
    const int before = selected;
    setSelectedPoint(point);
    if (selected != before)
        emit pointSelected(selected);
}

void ProfileView::setSelectedRing(std::optional<std::size_t> ring)
{
    if (ring == selectedRing)
        return;
    selectedRing = ring;
    update();
}

ProfileFrame ProfileView::frame() const
{
    if (drag)
        return drag->frame;
    // Room beyond the vessel to drag a point outward and up.
    ProfileExtent extent = profileExtent(document.vessel(), document.results());
    extent.radius *= 1.15;
    extent.height *= 1.1;
    return ProfileFrame(QRectF(rect()), extent, margin);
}

QSize ProfileView::sizeHint() const
{
    return { 340, 420 };
}

QSize ProfileView::minimumSizeHint() const
{
    return { 160, 140 };
}

void ProfileView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ProfileFrame view = frame();
    paintProfile(
        painter, view, document.vessel(), document.results(), selectedRing, document.woodColours());
    paintHandles(painter, view);
}

// A corner's handle is a square, a smooth point's a circle; the selected one is larger and
// filled, with the focus's dotted ring around it while the view has the keys.
void ProfileView::paintHandles(QPainter &painter, const ProfileFrame &view) const
{
    for (std::size_t i = 0; i < points().size(); ++i) {
        const bool isSelected = static_cast<int>(i) == selected;
        const double radius = isSelected ? handleRadius + 1.5 : handleRadius;
        const QPointF centre = view.toTarget(points()[i]);
        const QRectF box(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
        painter.setPen(QPen(stackColours::ink, 1.2));
        painter.setBrush(isSelected ? stackColours::selected : QColor(Qt::white));
        if (points()[i].corner)
            painter.drawRect(box);
        else
            painter.drawEllipse(box);
        if (isSelected && hasFocus()) {
            painter.setPen(QPen(stackColours::ink, 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(centre, radius + 4, radius + 4);
        }
    }
}

std::optional<std::size_t> ProfileView::pointAt(QPointF position) const
{
    const ProfileFrame view = frame();
    std::optional<std::size_t> nearest;
    double nearestDistance = reach;
    for (std::size_t i = 0; i < points().size(); ++i) {
        const double d = distance(view.toTarget(points()[i]), position);
        if (d <= nearestDistance) {
            nearest = i;
            nearestDistance = d;
        }
    }
    return nearest;
}

void ProfileView::mousePressEvent(QMouseEvent *event)
{
    const QPointF position = event->position();
    const std::optional<std::size_t> point = pointAt(position);
    if (event->button() == Qt::RightButton && point) {
        select(static_cast<int>(*point));
        toggleCorner(*point);
        return;
    }
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (point) {
        select(static_cast<int>(*point));
        const ProfileFrame view = frame();
        drag
            = Drag { *point, points(), view, view.toTarget(points()[*point]) - position, position };
        return;
    }
    select(-1);
    if (const auto ring = profileRingAt(frame(), document.results(), position))
        emit ringClicked(*ring);
}

void ProfileView::mouseMoveEvent(QMouseEvent *event)
{
    if (!drag || !(event->buttons() & Qt::LeftButton))
        return;
    // A click that only shakes the mouse leaves the point where it is.
    if (!drag->moving
        && (event->position() - drag->pressedAt).manhattanLength()
            < QApplication::startDragDistance())
        return;
    drag->moving = true;
    dragTo(event->position(), event->modifiers());
}

void ProfileView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!drag || event->button() != Qt::LeftButton)
        return;
    const Drag ended = std::move(*drag);
    drag.reset();
    if (ended.moving)
        document.finishPreview(ended.before, tr("Move Point %1").arg(ended.point + 1));
    update(); // the picture takes its own scale again
}

void ProfileView::dragTo(QPointF position, Qt::KeyboardModifiers modifiers)
{
    const QPointF inches = drag->frame.toInches(position + drag->grab);
    double r = inches.x();
    double h = inches.y();
    if (!(modifiers & Qt::ShiftModifier)) {
        r = snapped(r, document.vessel().units);
        h = snapped(h, document.vessel().units);
    }
    // A move the profile cannot take leaves the point where it was last.
    if (const auto moved = movePoint(drag->before, drag->point, r, h))
        document.previewProfile(*moved);
}

void ProfileView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || pointAt(event->position())
        || !profileProblems(points()).empty())
        return;
    addPointNear(event->position(), event->modifiers());
}

void ProfileView::addPointNear(QPointF position, Qt::KeyboardModifiers modifiers)
{
    const CurvePoint nearest = nearestOnCurve(outsideCurve(points()), frame(), position);
    if (nearest.distance > reach)
        return;
    const std::size_t place = nearest.piece + 1;
    ProfileEdit edit = addPoint(points(), place, nearest.point);
    if (!(modifiers & Qt::ShiftModifier)) {
        // On the grid where the grid leaves the profile a profile; otherwise right on the curve.
        const Units units = document.vessel().units;
        const ProfilePoint onGrid { snapped(nearest.point.r, units),
            snapped(nearest.point.h, units), false };
        if (ProfileEdit snappedEdit = addPoint(points(), place, onGrid);
            snappedEdit.problem.empty())
            edit = std::move(snappedEdit);
    }
    if (!edit.problem.empty()) {
        emit refused(tr("No point added: %1").arg(QString::fromStdString(edit.problem)));
        return;
    }
    document.setProfile(edit.points, tr("Add Point"));
    select(static_cast<int>(place));
}

void ProfileView::removeSelectedPoint()
{
    if (selected < 0)
        return;
    const auto place = static_cast<std::size_t>(selected);
    const ProfileEdit edit = removePoint(points(), place);
    if (!edit.problem.empty()) {
        emit refused(tr("Point %1 not removed: %2")
                         .arg(place + 1)
                         .arg(QString::fromStdString(edit.problem)));
        return;
    }
    document.setProfile(edit.points, tr("Remove Point %1").arg(place + 1));
    select(std::min(selected, static_cast<int>(points().size()) - 1));
}

void ProfileView::toggleCorner(std::size_t point)
{
    std::vector<ProfilePoint> toggled = points();
    toggled.at(point).corner = !toggled[point].corner;
    document.setProfile(toggled,
        toggled[point].corner ? tr("Corner at Point %1").arg(point + 1)
                              : tr("Smooth at Point %1").arg(point + 1));
}

// One step of the grid across (r) or up (h), to the next line of the grid.
void ProfileView::nudge(int across, int up)
{
    if (selected < 0)
        return;
    const auto place = static_cast<std::size_t>(selected);
    const Units units = document.vessel().units;
    const double step = snapStep(units);
    const ProfilePoint &point = points()[place];
    const double r = across == 0 ? point.r : snapped(point.r + across * step, units);
    const double h = up == 0 ? point.h : snapped(point.h + up * step, units);
    const auto moved = movePoint(points(), place, r, h);
    if (!moved) {
        emit refused(tr("Point %1 cannot go further that way").arg(place + 1));
        return;
    }
    document.setProfile(*moved, tr("Move Point %1").arg(place + 1));
}

void ProfileView::keyPressEvent(QKeyEvent *event)
{
    if (drag && event->key() == Qt::Key_Escape) {
        // The drag given up: the point goes back to where it was.
        const Drag cancelled = std::move(*drag);
        drag.reset();
        document.previewProfile(cancelled.before);
        return;
    }
    if (event->matches(QKeySequence::Delete)) {
        removeSelectedPoint();
        return;
    }
    if (selected >= 0 && !drag && event->modifiers() == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Left: nudge(-1, 0); return;
        case Qt::Key_Right: nudge(1, 0); return;
        case Qt::Key_Up: nudge(0, 1); return;
        case Qt::Key_Down: nudge(0, -1); return;
        default: break;
        }
    }
    QWidget::keyPressEvent(event);
}

} // namespace orvane
