#include "drawing/picturebox.h"

#include <QEvent>

PictureBox::PictureBox(const QSize &size, QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const qreal ratio = devicePixelRatioF();
    // Without an alpha channel: a picture is opaque, filled with its background before anything is
    // drawn, and an opaque image is copied to the screen as it is instead of blended pixel by
    // pixel.
    image_ = QImage(size * ratio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(palette().color(backgroundRole()));
}

PictureBox::~PictureBox()
{
    finishPainting();
}

void PictureBox::clear()
{
    finishPainting();
    image_.fill(palette().color(backgroundRole()));
    blank_ = true;
    update();
}

const QImage &PictureBox::image()
{
    finishPainting();
    return image_;
}

QPainter &PictureBox::painter()
{
    // One painter serves a whole run of drawing operations; it is ended before the image is shown.
    if (!painter_) {
        // One repaint covers every operation this painter draws: the painter is ended before the
        // box paints itself, so an operation after that begins a new painter and asks again.
        update();
        painter_.emplace(&image_);
        painter_->setRenderHint(QPainter::Antialiasing);
        // One pixel of the window wide, whatever the scale: on a high-resolution screen that is as
        // many device pixels as the screen puts into one.
        QPen pen(palette().color(foregroundRole()), image_.devicePixelRatio());
        pen.setCosmetic(true);
        painter_->setPen(pen);
        painter_->setFont(font());
    }
    return *painter_;
}

QSizeF PictureBox::area() const
{
    return size();
}

void PictureBox::drawn()
{
    blank_ = false;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    finishPainting();
    QPainter screen(this);
    screen.drawImage(QPoint(0, 0), image_);
}

void PictureBox::changeEvent(QEvent *event)
{
    // A new palette or font takes effect with the next drawing operation. A picture with nothing
    // drawn on it yet takes the new background at once.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        finishPainting();
        if (event->type() == QEvent::PaletteChange && blank_) {
            image_.fill(palette().color(backgroundRole()));
            update();
        }
    }
    QWidget::changeEvent(event);
}

void PictureBox::finishPainting()
{
    painter_.reset();
}
