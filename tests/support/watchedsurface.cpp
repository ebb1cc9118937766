#include "tests/support/watchedsurface.h"

#include "drawing/painting.h"

#include <QPaintEngine>
#include <QPainterPath>

#include <numbers>

class WatchingEngine : public QPaintEngine
{
public:
    WatchingEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    { }

    QList<QPointF> points;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &changed) override
    {
        if (changed.state() & QPaintEngine::DirtyTransform)
            transform = changed.transform();
    }

    void drawPath(const QPainterPath &path) override
    {
        for (int i = 0; i < path.elementCount(); ++i)
            note(path.elementAt(i));
    }
    void drawPolygon(const QPointF *polygon, int count, PolygonDrawMode) override
    {
        for (int i = 0; i < count; ++i)
            note(polygon[i]);
    }
    void drawPolygon(const QPoint *polygon, int count, PolygonDrawMode) override
    {
        for (int i = 0; i < count; ++i)
            note(polygon[i]);
    }
    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            note(lines[i].p1());
            note(lines[i].p2());
        }
    }
    void drawLines(const QLine *lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            note(lines[i].p1());
            note(lines[i].p2());
        }
    }
    void drawPoints(const QPointF *dots, int count) override
    {
        for (int i = 0; i < count; ++i)
            note(dots[i]);
    }
    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            noteRect(rects[i]);
    }
    void drawEllipse(const QRectF &rect) override { noteRect(rect); }
    void drawTextItem(const QPointF &at, const QTextItem &) override { note(at); }
    void drawPixmap(const QRectF &rect, const QPixmap &, const QRectF &) override
    {
        noteRect(rect);
    }
    void drawImage(
        const QRectF &rect, const QImage &, const QRectF &, Qt::ImageConversionFlags) override
    {
        noteRect(rect);
    }

private:
    void note(QPointF p) { points.append(transform.map(p)); }
    void noteRect(const QRectF &rect)
    {
        note(rect.topLeft());
        note(rect.bottomRight());
    }

    QTransform transform;
};

class WatchingDevice : public QPaintDevice
{
public:
    explicit WatchingDevice(QSize deviceSize)
        : size(deviceSize)
    { }

    QPaintEngine *paintEngine() const override { return &engine; }

    QSize size;
    mutable WatchingEngine engine;

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return size.width();
        case PdmHeight: return size.height();
        case PdmWidthMM: return size.width() * 254 / 960;
        case PdmHeightMM: return size.height() * 254 / 960;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return QPaintDevice::metric(metric);
        }
    }
};

WatchedSurface::WatchedSurface(QSize pictureSize)
    : size(pictureSize)
    , device(std::make_unique<WatchingDevice>(pictureSize))
{ }

WatchedSurface::~WatchedSurface()
{
    activePainter.reset();
}

void WatchedSurface::clear()
{
    activePainter.reset();
}

void WatchedSurface::drawLine(float x1, float y1, float x2, float y2, std::optional<QRgb> colour)
{
    stroke(mapping().line(x1, y1, x2, y2), colour);
}

void WatchedSurface::circle(float x, float y, float radius)
{
    stroke(mapping().arc(x, y, radius, 0, static_cast<float>(2 * std::numbers::pi)), std::nullopt);
}

void WatchedSurface::arc(float x, float y, float radius, QRgb colour, float start, float end)
{
    stroke(mapping().arc(x, y, radius, start, end), colour);
}

void WatchedSurface::print(const QString &text)
{
    newLine(mapping().print(painter(), text));
}

QList<QPointF> WatchedSurface::points()
{
    activePainter.reset();
    return device->engine.points;
}

orvane::ScaleMapping WatchedSurface::mapping() const
{
    return orvane::ScaleMapping(*this, size);
}

QPainter &WatchedSurface::painter()
{
    if (!activePainter) {
        activePainter.emplace(device.get());
        activePainter->setRenderHint(QPainter::Antialiasing);
        QPen pen(Qt::black, 1);
        pen.setCosmetic(true);
        activePainter->setPen(pen);
    }
    return *activePainter;
}

void WatchedSurface::stroke(const std::optional<QPainterPath> &path, std::optional<QRgb> colour)
{
    if (path)
        orvane::strokeFigure(painter(), *path, colour);
}
