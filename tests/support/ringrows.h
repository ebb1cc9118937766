#pragma once

// The rings that the checks over every segment count run with: ordinary ones, the spinners'
// extremes, and the odd ones the closed forms must still describe.

#include "core/ring.h"

#include <QTest>

Q_DECLARE_METATYPE(orvane::RingInputs)

// Adds a column "ring" of ring inputs, their counts left 0 for the test to set.
inline void addRingRows()
{
    using orvane::RingInputs;
    QTest::addColumn<RingInputs>("ring");
    QTest::newRow("36/30/.25") << RingInputs { 0, 36, 30, 0.25 };
    QTest::newRow("10/8/.25") << RingInputs { 0, 10, 8, 0.25 };
    QTest::newRow("12/8/.125") << RingInputs { 0, 12, 8, 0.125 };
    QTest::newRow("no fudge") << RingInputs { 0, 20, 10, 0 };
    QTest::newRow("largest") << RingInputs { 0, 72, 71, 4 };
    QTest::newRow("smallest") << RingInputs { 0, 4, 3, 0 };
    QTest::newRow("inner radius below zero") << RingInputs { 0, 8, 3, 4 };
    QTest::newRow("inner above outer") << RingInputs { 0, 30, 30.25, 0 };
    QTest::newRow("equal diameters") << RingInputs { 0, 30, 30, 0.5 };
}
