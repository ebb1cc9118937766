#pragma once

// The glued-up vessel in 3D, as the blank or as turned, each segment in its wood. Dragging with
// the mouse turns it about its axis and tilts it; a double-click sets it back to the first view.
// It draws the document's results as they are after each change.

#include "drawing/vesselpicture.h"
#include "drawing/vesselscene.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QWidget>

#include <optional>
#include <vector>

class QAction;

namespace orvane {

class VesselDocument;

class VesselPictureView : public QWidget
{
    Q_OBJECT

public:
    enum class Shape
    {
        blank,
        turned
    };

    explicit VesselPictureView(const VesselDocument &vesselDocument, QWidget *parent = nullptr);

    PictureAngle angle() const { return seenFrom; }
    void setAngle(PictureAngle angle);
    Shape shape() const { return shown; }
    void setShape(Shape shape);

    // The commands of the picture, for its context menu and the window's View menu: the blank
    // or the turned piece, and the first view again.
    const QList<QAction *> &actions3d() const { return viewActions; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // The document changed: the scene is built again when next painted.
    void forgetScene();
    void addViewActions();

    const VesselDocument &document;
    PictureAngle seenFrom;
    Shape shown = Shape::blank;
    std::optional<std::vector<SceneTriangle>> scene;
    QImage picture; // the last drawing, kept while nothing changes
    std::optional<QPoint> dragFrom;
    QAction *blankAction = nullptr;
    QAction *turnedAction = nullptr;
    QList<QAction *> viewActions;
};

} // namespace orvane
