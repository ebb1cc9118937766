#pragma once

// A picture box of the window: a drawing surface that keeps what was drawn on it in a backing
// image. Covering and uncovering it shows the same picture; nothing but a drawing operation
// changes it.

#include "drawing/paintersurface.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <optional>

class PictureBox : public QWidget, public PainterSurface
{
    Q_OBJECT

public:
    // `size` is the box's fixed size; the backing image is made for it at once, so that drawing
    // works before the box is first shown.
    PictureBox(const QSize &size, QWidget *parent = nullptr);
    ~PictureBox() override;

    void clear() override;

    // What has been drawn so far, at the screen's resolution.
    const QImage &image();

protected:
    QPainter &painter() override;
    QSizeF area() const override;
    void drawn() override;

    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void finishPainting();

    QImage image_;
    std::optional<QPainter> painter_;
    bool blank_ = true; // nothing drawn since the image was last filled
};
