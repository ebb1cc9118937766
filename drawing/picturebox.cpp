#include "drawing/picturebox.h"

#include "drawing/painting.h"

#include <QEvent>

#include <numbers>

namespace orvane {

PictureBox::PictureBox(const QSize &size, QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const qreal ratio = devicePixelRatioF();
    // Without an alpha channel: a picture is opaque, filled with its background before anything is
    // drawn, and an opaque image is copied to the screen as it is instead of blended pixel by
    // pixel.
    backingImage = QImage(size * ratio, QImage::Format_RGB32);
    backingImage.setDevicePixelRatio(ratio);
    backingImage.fill(palette().color(backgroundRole()));
}

PictureBox::~PictureBox()
{
    finishPainting();
}

void PictureBox::clear()
{
    finishPainting();
    backingImage.fill(palette().color(backgroundRole()));
    blank = true;
    update();
}

void PictureBox::drawLine(float x1, float y1, float x2, float y2, std::optional<QRgb> colour)
{
    if (const auto path = mapping().line(x1, y1, x2, y2))
        stroke(*path, colour);
}

void PictureBox::circle(float x, float y, float radius)
{
    const QRgb foreground = painter().pen().color().rgba();
    if (const auto path = mapping().arc(x, y, radius, 0, static_cast<float>(2 * std::numbers::pi)))
        stroke(*path, foreground);
}

void PictureBox::arc(float x, float y, float radius, QRgb colour, float start, float end)
{
    // Coloured arcs mark angles in a thin line on the teal ground: smoothed, their pixels would
    // blend into a dim mix of the two colours, so they are drawn in their pure colour.
    if (const auto path = mapping().arc(x, y, radius, start, end)) {
        QPainter &p = painter();
        p.setRenderHint(QPainter::Antialiasing, false);
        stroke(*path, colour);
        p.setRenderHint(QPainter::Antialiasing, true);
    }
}

void PictureBox::print(const QString &text)
{
    newLine(mapping().print(painter(), text));
    blank = false;
}

const QImage &PictureBox::image()
{
    finishPainting();
    return backingImage;
}

ScaleMapping PictureBox::mapping() const
{
    return ScaleMapping(*this, size());
}

QPainter &PictureBox::painter()
{
    // One painter serves a whole run of drawing operations; it is ended before the image is shown.
    if (!activePainter) {
        // One repaint covers every operation this painter draws: the painter is ended before the
        // box paints itself, so an operation after that begins a new painter and asks again.
        update();
        activePainter.emplace(&backingImage);
        activePainter->setRenderHint(QPainter::Antialiasing);
        // One pixel of the window wide, whatever the scale: on a high-resolution screen that is as
        // many device pixels as the screen puts into one.
        QPen pen(palette().color(foregroundRole()), backingImage.devicePixelRatio());
        pen.setCosmetic(true);
        activePainter->setPen(pen);
        activePainter->setFont(font());
    }
    return *activePainter;
}

void PictureBox::stroke(const QPainterPath &path, std::optional<QRgb> colour)
{
    strokeFigure(painter(), path, colour);
    blank = false;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    finishPainting();
    QPainter screen(this);
    screen.drawImage(QPoint(0, 0), backingImage);
}

void PictureBox::changeEvent(QEvent *event)
{
    // A new palette or font takes effect with the next drawing operation. A picture with nothing
    // drawn on it yet takes the new background at once.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        finishPainting();
        if (event->type() == QEvent::PaletteChange && blank) {
            backingImage.fill(palette().color(backgroundRole()));
            update();
        }
    }
    QWidget::changeEvent(event);
}

void PictureBox::finishPainting()
{
    activePainter.reset();
}

} // namespace orvane
