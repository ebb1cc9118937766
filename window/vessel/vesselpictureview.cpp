#include "window/vessel/vesselpictureview.h"

#include "drawing/vesselpictures.h"
#include "window/vessel/vesseldocument.h"

#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace orvane {

namespace {

// Degrees the piece turns for each pixel the mouse is dragged.
constexpr double degreesPerPixel = 0.5;

} // namespace

VesselPictureView::VesselPictureView(const VesselDocument &vesselDocument, QWidget *parent)
    : QWidget(parent)
    , document(vesselDocument)
{
    setObjectName(QStringLiteral("vesselPicture"));
    setAccessibleName(tr("Vessel in 3D"));
    setAccessibleDescription(tr("The glued-up vessel seen from an angle, each segment in its wood; "
                                "drag to turn it, double-click to see it from the start again"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::OpenHandCursor);
    connect(&document, &VesselDocument::recomputed, this, &VesselPictureView::forgetScene);
    addViewActions();
}

void VesselPictureView::setAngle(PictureAngle angle)
{
    angle.tilt = std::clamp(angle.tilt, -steepestTilt, steepestTilt);
    if (angle == seenFrom)
        return;
    seenFrom = angle;
    picture = {};
    update();
}

void VesselPictureView::setShape(Shape shape)
{
    if (shape == shown)
        return;
    shown = shape;
    (shape == Shape::blank ? blankAction : turnedAction)->setChecked(true);
    forgetScene();
}

void VesselPictureView::addViewActions()
{
    auto *shapes = new QActionGroup(this);
    const auto shapeAction = [&](const QString &text, Shape shape) {
        auto *action = new QAction(text, this);
        action->setCheckable(true);
        action->setChecked(shown == shape);
        shapes->addAction(action);
        connect(action, &QAction::triggered, this, [this, shape] { setShape(shape); });
        return action;
    };
    blankAction = shapeAction(tr("Glued-up Blank"), Shape::blank);
    turnedAction = shapeAction(tr("Turned"), Shape::turned);
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    auto *reset = new QAction(tr("Reset 3D View"), this);
    connect(reset, &QAction::triggered, this, [this] { setAngle({}); });
    viewActions = { blankAction, turnedAction, separator, reset };
}

QSize VesselPictureView::sizeHint() const
{
    return { 360, 320 };
}

QSize VesselPictureView::minimumSizeHint() const
{
    return { 160, 140 };
}

void VesselPictureView::forgetScene()
{
    scene.reset();
    picture = {};
    update();
}

void VesselPictureView::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (!scene) {
        const std::vector<Wood> woods = document.woodColours();
        scene = shown == Shape::blank ? blankSceneOf(document.results(), woods)
                                      : turnedSceneOf(document.vessel(), document.results(), woods);
    }
    if (picture.size() != pixels) {
        picture = renderScene(*scene, seenFrom, pixels, palette().color(QPalette::Base));
        picture.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), picture);
}

void VesselPictureView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        dragFrom = event->position().toPoint();
        setCursor(Qt::ClosedHandCursor);
    }
    QWidget::mousePressEvent(event);
}

void VesselPictureView::mouseMoveEvent(QMouseEvent *event)
{
    if (!dragFrom || !(event->buttons() & Qt::LeftButton)) {
        dragFrom.reset();
        setCursor(Qt::OpenHandCursor);
        return;
    }
    const QPoint moved = event->position().toPoint() - *dragFrom;
    dragFrom = event->position().toPoint();
    // Dragging right turns the front to the right; dragging down tilts the top toward the viewer.
    setAngle({ seenFrom.turn - moved.x() * degreesPerPixel,
        seenFrom.tilt + moved.y() * degreesPerPixel });
}

void VesselPictureView::mouseReleaseEvent(QMouseEvent *event)
{
    dragFrom.reset();
    setCursor(Qt::OpenHandCursor);
    QWidget::mouseReleaseEvent(event);
}

void VesselPictureView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setAngle({});
    QWidget::mouseDoubleClickEvent(event);
}

void VesselPictureView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addActions(viewActions);
    menu.exec(event->globalPos());
}

} // namespace orvane
