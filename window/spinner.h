#pragma once

// A spinner: a vertical scroll bar whose top end holds the larger value, so that the up arrow,
// the Up key and a click in the track above the thumb raise it.

#include <QScrollBar>

namespace orvane {

class Spinner : public QScrollBar
{
    Q_OBJECT

public:
    // `bottom` and `top` are the values at the two ends; the arrows step by one, a click in the
    // track by `trackStep`. A drag of the thumb changes the value once, when it is released.
    Spinner(int bottom, int top, int value, int trackStep, QWidget *parent = nullptr);

    int spinnerValue() const { return -value(); }
    // Raises `spinnerChanged` before it returns when the value changes.
    void setSpinnerValue(int value) { setValue(-value); }

signals:
    void spinnerChanged(int value);
};

} // namespace orvane
