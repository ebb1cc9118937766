#pragma once

// A picture box of the window: a drawing surface that keeps what was drawn on it in a backing
// image. Covering and uncovering it shows the same picture; nothing but a drawing operation
// changes it.

#include "drawing/surface.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <optional>

class QPainterPath;

namespace orvane {

class ScaleMapping;

class PictureBox : public QWidget, public DrawingSurface
{
    Q_OBJECT

public:
    // `size` is the box's fixed size; the backing image is made for it at once, so that drawing
    // works before the box is first shown.
    PictureBox(const QSize &size, QWidget *parent = nullptr);
    ~PictureBox() override;

    void clear() override;
    void circle(float x, float y, float radius) override;
    void arc(float x, float y, float radius, QRgb colour, float start, float end) override;
    void print(const QString &text) override;

    // What has been drawn so far, at the screen's resolution.
    const QImage &image();

protected:
    void drawLine(float x1, float y1, float x2, float y2, std::optional<QRgb> colour) override;

    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    ScaleMapping mapping() const;
    QPainter &painter();
    void stroke(const QPainterPath &path, std::optional<QRgb> colour);
    void finishPainting();

    QImage backingImage;
    std::optional<QPainter> activePainter;
    bool blank = true; // nothing drawn since the image was last filled
};

} // namespace orvane
