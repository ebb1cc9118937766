#include "tests/support/watchedsurface.h"

#include <QPaintEngine>
#include <QPainterPath>

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

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & QPaintEngine::DirtyTransform)
            transform = state.transform();
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
    explicit WatchingDevice(QSize size)
        : size(size)
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

WatchedSurface::WatchedSurface(QSize size)
    : size_(size)
    , device_(std::make_unique<WatchingDevice>(size))
{ }

WatchedSurface::~WatchedSurface()
{
    painter_.reset();
}

void WatchedSurface::clear()
{
    painter_.reset();
}

QList<QPointF> WatchedSurface::points()
{
    painter_.reset();
    return device_->engine.points;
}

QPainter &WatchedSurface::painter()
{
    if (!painter_) {
        painter_.emplace(device_.get());
        painter_->setRenderHint(QPainter::Antialiasing);
        QPen pen(Qt::black, 1);
        pen.setCosmetic(true);
        painter_->setPen(pen);
    }
    return *painter_;
}

QSizeF WatchedSurface::area() const
{
    return size_;
}
