#include "window/spinner.h"

// Qt's vertical scroll bar grows downwards. Running it over the negated range keeps every way of
// moving it (arrows, keys, track clicks, the wheel, drags) the right way round.
Spinner::Spinner(int bottom, int top, int value, int trackStep, QWidget *parent)
    : QScrollBar(Qt::Vertical, parent)
{
    setRange(-top, -bottom);
    setSingleStep(1);
    setPageStep(trackStep);
    setValue(-value);
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QScrollBar::valueChanged, this, [this](int v) { emit spinnerChanged(-v); });
}
