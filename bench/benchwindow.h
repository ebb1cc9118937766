#pragma once

// The real window, shown on the current platform, and what the window benchmarks do to it.

#include "window/orvane.h"
#include "window/spinner.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

class BenchWindow : public QObject
{
public:
    // The start inputs and the largest ring the spinners allow, as spinner values: segments, then
    // the outer and inner diameter in quarter inches.
    struct Ring
    {
        int segments;
        int outerQuarters;
        int innerQuarters;
    };
    static constexpr Ring startRing { 6, 144, 120 };
    static constexpr Ring largestRing { 24, 288, 284 };

    BenchWindow()
    {
        window.show();
        repaint();
        for (const char *name : { "longside", "longsidedec", "shortside", "shortsidedec", "bwidth",
                 "boardwidthdec", "shortangle", "longangle", "boardfeet" })
            results.append(window.findChild<QLabel *>(QLatin1String(name)));
        for (const char *name : { "Picture1", "Picture2" })
            window.findChild<QWidget *>(QLatin1String(name))->installEventFilter(this);
    }

    Orvane window;

    orvane::Spinner *spinner(const char *name) const
    {
        return window.findChild<orvane::Spinner *>(QLatin1String(name));
    }

    void setRing(Ring ring)
    {
        spinner("VScroll1")->setSpinnerValue(ring.segments);
        spinner("VScroll2")->setSpinnerValue(ring.outerQuarters);
        spinner("VScroll3")->setSpinnerValue(ring.innerQuarters);
    }

    // The event loop's turn after an action: whatever the action changed is painted and handed to
    // the platform.
    static void repaint() { QApplication::processEvents(); }

    // Blanks the captions a recalculation writes and repaints them, so that the next recalculation
    // changes every one of them, as moving an input does.
    void blankResults()
    {
        for (QLabel *caption : std::as_const(results))
            caption->setText(QString());
        repaint();
    }

    // Whether both pictures were painted since the last call.
    bool picturesRepainted()
    {
        const bool both = picturePaints >= 2;
        picturePaints = 0;
        return both;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++picturePaints;
        return false;
    }

private:
    QList<QLabel *> results;
    int picturePaints = 0;
};
