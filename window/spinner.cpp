#include "window/spinner.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

#include <algorithm>

namespace orvane {

namespace {

// The styles give each arrow of a scroll bar up to its breadth in length and the thumb a sizeable
// minimum, which on the window's short spinners leaves no track and no thumb at all: the arrows
// meet in the middle. This style keeps each arrow under a third of the spinner's length and lets
// the thumb be small, so that a click in the track and a drag of the thumb stay possible.
class SpinnerStyle : public QProxyStyle
{
public:
    SpinnerStyle()
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
    { }

    int pixelMetric(
        PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int metricValue = QProxyStyle::pixelMetric(metric, option, widget);
        const auto *spinner = qobject_cast<const Spinner *>(widget);
        if (!spinner)
            return metricValue;
        const int length = spinner->height();
        if (metric == PM_ScrollBarExtent)
            return std::min(metricValue, length * 3 / 10);
        if (metric == PM_ScrollBarSliderMin)
            return std::min(metricValue, std::max(3, length / 9));
        return metricValue;
    }
};

// One style serves every spinner; the application owns it.
QStyle *spinnerStyle()
{
    static QPointer<SpinnerStyle> style;
    if (!style) {
        style = new SpinnerStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace

// Qt's vertical scroll bar grows downwards. Running it over the negated range keeps every way of
// moving it (arrows, keys, track clicks, the wheel, drags) the right way round.
Spinner::Spinner(int bottom, int top, int value, int trackStep, QWidget *parent)
    : QScrollBar(Qt::Vertical, parent)
{
    setStyle(spinnerStyle());
    setRange(-top, -bottom);
    setSingleStep(1);
    setPageStep(trackStep);
    setValue(-value);
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QScrollBar::valueChanged, this, [this](int v) { emit spinnerChanged(-v); });
}

} // namespace orvane
