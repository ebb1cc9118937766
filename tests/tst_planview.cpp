// The ring plan view as a list of drawing operations: what is drawn, in which order, where and in
// which colour. Expected positions come from the ring's closed forms: corner k of the glued-up
// polygon lies at the angle k * 360 / n degrees, the outer ones on the radius Ro / cos(180 / n)
// and the inner ones on Ri, every boundary line reaches 100 units out from the centre.

#include "core/formstate.h"
#include "core/ring.h"
#include "drawing/planview.h"
#include "tests/support/pixels.h"
#include "tests/support/recordingsurface.h"
#include "tests/support/viewscale.h"

#include <QTest>

#include <cmath>
#include <numbers>

using orvane::FormState;
using orvane::RingInputs;
using pixels::yellow;

namespace {

struct Point
{
    double x;
    double y;
};

Point polar(Point centre, double radius, double degrees)
{
    const double a = degrees * std::numbers::pi / 180;
    return { centre.x + radius * std::cos(a), centre.y + radius * std::sin(a) };
}

double distance(Point a, Point b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

} // namespace

Q_DECLARE_METATYPE(RingInputs)

namespace {

// Runs the recalculation's plan view steps: the ring computed from the view's scale, then drawn.
QList<Operation> drawRing(FormState &state, const RingInputs &inputs, const ViewScale &view)
{
    RecordingSurface surface;
    setScale(surface, view);
    surface.operations.clear();
    orvane::computeRing(state, inputs, surface.scaleWidth(), surface.scaleTop());
    drawPlanView(surface, state, inputs);
    return surface.operations;
}

QList<Operation> drawRing(const RingInputs &inputs, const ViewScale &view)
{
    FormState state;
    return drawRing(state, inputs, view);
}

// Checks one operation against a line from `a` to `b`, within `tolerance` units.
void verifyLine(const Operation &op, Point a, Point b, std::optional<QRgb> colour, double tolerance,
    const char *what)
{
    const QByteArray message = QByteArray(what) + ": " + op.toString().toUtf8();
    QVERIFY2(op.kind == Operation::Line, message);
    QVERIFY2(op.colour == colour, message);
    QVERIFY2(distance({ op.args[0], op.args[1] }, a) <= tolerance, message);
    QVERIFY2(distance({ op.args[2], op.args[3] }, b) <= tolerance, message);
}

// Stops the calling check at the first line that is wrong.
#define VERIFY_LINE(...)                                                                           \
    do {                                                                                           \
        verifyLine(__VA_ARGS__);                                                                   \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

// Checks the whole plan view of a ring of at least three segments against the closed forms.
void verifyRing(const QList<Operation> &ops, const RingInputs &in, const ViewScale &view)
{
    const int n = static_cast<int>(in.numsegs);
    // The centre is half the scale's width across and half its top up, in single precision.
    const Point c { view.width / 2.0f, view.top / 2.0f };
    const double outerCorner = (in.outerdiam / 2 + in.fudge) / std::cos(std::numbers::pi / n);
    const double innerCorner = in.innerdiam / 2 - in.fudge;
    const double step = 360.0 / n;
    const auto outer = [&](int k) { return polar(c, outerCorner, k * step); };
    const auto inner = [&](int k) { return polar(c, innerCorner, k * step); };
    constexpr double tolerance = 2e-4;

    // Clear; two circles; n boundary lines; the first segment's four sides; two marks at the first
    // boundary; three edges for each further segment.
    QCOMPARE(ops.size(), qsizetype(1 + 2 + n + 4 + 2 + 3 * (n - 1)));
    QCOMPARE(ops[0].kind, Operation::Clear);
    QCOMPARE(ops[1].kind, Operation::Circle);
    QCOMPARE(ops[1].args, (QList<float> { float(c.x), float(c.y), float(in.innerdiam / 2) }));
    QCOMPARE(ops[2].kind, Operation::Circle);
    QCOMPARE(ops[2].args, (QList<float> { float(c.x), float(c.y), float(in.outerdiam / 2) }));

    qsizetype i = 3;
    for (int k = 1; k <= n; ++k)
        VERIFY_LINE(ops[i++], c, polar(c, 100, k * step), std::nullopt, 1e-3, "boundary line");

    VERIFY_LINE(ops[i++], outer(0), outer(1), yellow, tolerance, "long side");
    VERIFY_LINE(ops[i++], inner(0), inner(1), yellow, tolerance, "short side");
    VERIFY_LINE(ops[i++], outer(0), inner(0), yellow, tolerance, "end at angle 0");
    VERIFY_LINE(ops[i++], inner(1), outer(1), yellow, tolerance, "end at the first boundary");

    VERIFY_LINE(
        ops[i++], outer(1), outer(1), yellow, tolerance, "outer mark at the first boundary");
    VERIFY_LINE(
        ops[i++], inner(1), inner(1), yellow, tolerance, "inner mark at the first boundary");
    for (int k = 2; k <= n; ++k) {
        VERIFY_LINE(ops[i++], outer(k - 1), outer(k), yellow, tolerance, "outer edge");
        VERIFY_LINE(ops[i++], inner(k - 1), inner(k), yellow, tolerance, "inner edge");
        VERIFY_LINE(ops[i++], outer(k), inner(k), yellow, tolerance, "joint");
    }
}

} // namespace

class TestPlanView : public QObject
{
    Q_OBJECT

private slots:
    void ring_data();
    void ring();
    void startWindow();
    void axisBoundariesWithTablesLeftByOtherCounts_data();
    void axisBoundariesWithTablesLeftByOtherCounts();
    void fourSegmentsWriteNoQuadrant();
    void countsBelowThreeDrawFiniteFigures_data();
    void countsBelowThreeDrawFiniteFigures();
    void countsThatMakeNoRingDrawOnlyTheCircles_data();
    void countsThatMakeNoRingDrawOnlyTheCircles();
};

void TestPlanView::ring_data()
{
    QTest::addColumn<RingInputs>("inputs");
    QTest::addColumn<ViewScale>("view");

    QTest::newRow("start window") << RingInputs { 6, 36, 30, .25 } << startScale;
    QTest::newRow("4 segments, all boundaries on the axes")
        << RingInputs { 4, 36, 30, .25 } << startScale;
    QTest::newRow("3 segments") << RingInputs { 3, 20, 12, .5 } << startScale;
    QTest::newRow("7 segments, zoomed out")
        << RingInputs { 7, 10, 6, .25 } << ViewScale { 0, 60, 102.7f, -102.7f };
    QTest::newRow("8 segments after Center") << RingInputs { 8, 12, 8, .125 } << centredScale;
    QTest::newRow("12 segments, zoomed in")
        << RingInputs { 12, 10, 8, .25 } << ViewScale { 0, 45, 87.7f, -87.7f };
    QTest::newRow("24 segments, largest ring, no fudge")
        << RingInputs { 24, 72, 71, 0 } << startScale;
    QTest::newRow("30 segments") << RingInputs { 30, 40, 30, 1 } << startScale;
    QTest::newRow("scale moved sideways")
        << RingInputs { 5, 20, 10, 1 } << ViewScale { 10, 50, 92.7f, -92.7f };
    // The boundary lines keep pointing outwards when the centre lies above y = 100.
    QTest::newRow("4 segments, zoomed far out")
        << RingInputs { 4, 36, 30, .25 } << ViewScale { 0, 250, 292.7f, -292.7f };
    QTest::newRow("6 segments, zoomed far out")
        << RingInputs { 6, 36, 30, .25 } << ViewScale { 0, 250, 292.7f, -292.7f };
}

void TestPlanView::ring()
{
    QFETCH(RingInputs, inputs);
    QFETCH(ViewScale, view);
    verifyRing(drawRing(inputs, view), inputs, view);
}

// The initial window, with the numbers as a user would check them on the drawing.
void TestPlanView::startWindow()
{
    const QList<Operation> ops = drawRing(RingInputs { 6, 36, 30, .25 }, startScale);
    const QList<Operation> circles = [&ops] {
        QList<Operation> found;
        for (const Operation &op : ops) {
            if (op.kind == Operation::Circle)
                found.append(op);
        }
        return found;
    }();
    QCOMPARE(circles.size(), qsizetype(2));
    QCOMPARE(circles[0].args[0], 46.35f);
    QCOMPARE(circles[0].args[1], 25.0f);
    QCOMPARE(circles[0].args[2], 15.0f);
    QCOMPARE(circles[1].args[2], 18.0f);

    // Six boundary lines from the centre; the one at 180 degrees ends 100 units to its left.
    QList<Operation> boundaries;
    QList<Operation> outline;
    for (const Operation &op : ops) {
        if (op.kind == Operation::Line)
            (op.colour ? outline : boundaries).append(op);
    }
    QCOMPARE(boundaries.size(), qsizetype(6));
    QCOMPARE(boundaries[2].args[2], 46.35f - 100);
    QCOMPARE(boundaries[2].args[3], 25.0f);
    for (const Operation &line : boundaries) {
        QCOMPARE(line.args[0], 46.35f);
        QCOMPARE(line.args[1], 25.0f);
    }

    // Every end of the outline lies on the circle of the outer corners or of the inner ones.
    QCOMPARE(outline.size(), qsizetype(4 + 2 + 3 * 5));
    for (const Operation &line : outline) {
        for (const int end : { 0, 2 }) {
            const double r = distance({ line.args[end], line.args[end + 1] }, { 46.35, 25 });
            QVERIFY2(std::fabs(r - 21.07329) < 5e-5 || std::fabs(r - 14.75) < 5e-5,
                qPrintable(line.toString()));
        }
    }
}

void TestPlanView::axisBoundariesWithTablesLeftByOtherCounts_data()
{
    QTest::addColumn<int>("count");
    for (int n = 3; n <= 30; ++n)
        QTest::addRow("%d segments", n) << n;
}

// The per-boundary tables keep what earlier counts left in them. Boundaries on the axes still get
// their corners on the axes, whatever an earlier run left in the quadrant table.
void TestPlanView::axisBoundariesWithTablesLeftByOtherCounts()
{
    QFETCH(int, count);
    FormState state;
    for (int earlier = 30; earlier >= 1; --earlier)
        drawRing(state, RingInputs { double(earlier), 36, 30, .25 }, centredScale);
    const RingInputs inputs { double(count), 36, 30, .25 };
    verifyRing(drawRing(state, inputs, centredScale), inputs, centredScale);
}

void TestPlanView::fourSegmentsWriteNoQuadrant()
{
    FormState state;
    state.quadrant.fill(9);
    drawRing(state, RingInputs { 4, 36, 30, .25 }, startScale);
    for (int i = 1; i <= 4; ++i)
        QCOMPARE(int(state.quadrant[i]), 9);
}

void TestPlanView::countsBelowThreeDrawFiniteFigures_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("1 segment") << 1;
    QTest::newRow("2 segments") << 2;
}

// One or two segments make no polygon, but the drawing still goes through, with numbers a surface
// can take.
void TestPlanView::countsBelowThreeDrawFiniteFigures()
{
    QFETCH(int, count);
    const QList<Operation> ops = drawRing(RingInputs { double(count), 36, 30, .25 }, startScale);
    QCOMPARE(ops.size(), qsizetype(1 + 2 + count + 4 + 2 + 3 * (count - 1)));
    for (const Operation &op : ops) {
        for (const float value : op.args)
            QVERIFY2(std::isfinite(value), qPrintable(op.toString()));
    }
    // The last boundary lies on the x axis, 100 units to the right of the centre.
    const Operation &last = ops[2 + count];
    QCOMPARE(last.args, (QList<float> { 46.35f, 25, 146.35f, 25 }));
}

void TestPlanView::countsThatMakeNoRingDrawOnlyTheCircles_data()
{
    QTest::addColumn<double>("count");
    QTest::newRow("no count") << 0.0;
    QTest::newRow("negative") << -4.0;
    QTest::newRow("above the tables") << 31.0;
}

void TestPlanView::countsThatMakeNoRingDrawOnlyTheCircles()
{
    QFETCH(double, count);
    const QList<Operation> ops = drawRing(RingInputs { count, 36, 30, .25 }, startScale);
    QCOMPARE(ops.size(), qsizetype(3));
    QCOMPARE(ops[0].kind, Operation::Clear);
    QCOMPARE(ops[1].args, (QList<float> { 46.35f, 25, 15 }));
    QCOMPARE(ops[2].args, (QList<float> { 46.35f, 25, 18 }));
}

QTEST_APPLESS_MAIN(TestPlanView)
#include "tst_planview.moc"
