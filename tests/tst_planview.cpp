// The ring plan view as what it leaves on a surface: the circles, the boundary lines and the
// outline of the glued-up polygon, where they lie and in which colour, whatever the order they are
// drawn in. Expected positions come from the ring's closed forms: the ring's centre lies half the
// scale's width across and half its top up, corner k of the polygon lies at the angle
// k * 360 / n degrees, the outer ones on the radius Ro / cos(180 / n) and the inner ones on Ri,
// and every boundary line reaches 100 units out from the centre.

#include "core/ring.h"
#include "drawing/planview.h"
#include "tests/support/pixels.h"
#include "tests/support/recordingsurface.h"
#include "tests/support/ringrows.h"
#include "tests/support/viewscale.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

using orvane::RingInputs;
using pixels::yellow;

namespace {

constexpr double programPi = 3.141593; // the closed forms take pi as the program does

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

Point from(const Operation &line)
{
    return { line.args[0], line.args[1] };
}
Point to(const Operation &line)
{
    return { line.args[2], line.args[3] };
}

// The plan view of `inputs` drawn on `surface` in the surface's scale, as the recalculation draws
// it: from the ring the inputs make.
void drawRing(RecordingSurface &surface, const RingInputs &inputs)
{
    drawPlanView(surface, inputs, orvane::computeRing(inputs));
}

QList<Operation> drawRing(const RingInputs &inputs, const ViewScale &view)
{
    RecordingSurface surface;
    setScale(surface, view);
    drawRing(surface, inputs);
    return surface.operations;
}

// The ring's centre: half the scale's width across and half its top up, in single precision.
Point centreOf(const ViewScale &view)
{
    return { view.width / 2.0f, view.top / 2.0f };
}

// What the view shows of a ring: its figures after the clear it starts with.
struct PlanFigures
{
    QList<Operation> circles;
    QList<Operation> boundaries; // lines in the foreground colour
    QList<Operation> outline; // yellow lines
    QList<Operation> others;
};

PlanFigures figures(const QList<Operation> &ops)
{
    PlanFigures found;
    for (const Operation &op : shownAfterLastClear(ops)) {
        if (op.kind == Operation::Circle)
            found.circles.append(op);
        else if (op.kind == Operation::Line && !op.colour)
            found.boundaries.append(op);
        else if (op.kind == Operation::Line && op.colour == yellow)
            found.outline.append(op);
        else
            found.others.append(op);
    }
    return found;
}

// Stops the calling check at the first failure of a helper.
#define CHECK(call)                                                                                \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

// The view is cleared first, everything is drawn in the view's own scale, and only circles and
// lines are drawn.
void verifyClearedAndInScale(const QList<Operation> &ops, const ViewScale &view)
{
    QVERIFY(!ops.isEmpty());
    QCOMPARE(ops.first().kind, Operation::Clear);
    for (const Operation &op : ops)
        QVERIFY2(op.scale == view, qPrintable(op.toString() + " in " + describe(op.scale)));
    const PlanFigures found = figures(ops);
    QVERIFY2(found.others.isEmpty(), qPrintable(describe(found.others).join('\n')));
}

// The two circles of the finished ring's diameters, about the centre.
void verifyCircles(const PlanFigures &found, Point c, const RingInputs &in)
{
    QCOMPARE(found.circles.size(), qsizetype(2));
    QList<float> radii;
    for (const Operation &circle : found.circles) {
        QCOMPARE(circle.args[0], float(c.x));
        QCOMPARE(circle.args[1], float(c.y));
        radii.append(circle.args[2]);
    }
    std::sort(radii.begin(), radii.end());
    const float inner = float(std::fabs(in.innerDiameter / 2));
    const float outer = float(std::fabs(in.outerDiameter / 2));
    QCOMPARE(radii, (QList<float> { std::min(inner, outer), std::max(inner, outer) }));
}

// One boundary line for each of the n boundaries, from the centre 100 units out along it.
void verifyBoundaries(const PlanFigures &found, Point c, int n, double tolerance)
{
    QCOMPARE(found.boundaries.size(), qsizetype(n));
    for (int k = 1; k <= n; ++k) {
        const Point end = polar(c, 100, k * 360.0 / n);
        const bool drawn = std::any_of(
            found.boundaries.begin(), found.boundaries.end(), [&](const Operation &line) {
                return distance(from(line), c) <= tolerance && distance(to(line), end) <= tolerance;
            });
        QVERIFY2(drawn,
            qPrintable(QStringLiteral("no boundary line to %1, %2 of %3 segments: ")
                           .arg(end.x)
                           .arg(end.y)
                           .arg(n)
                + describe(found.boundaries).join(", ")));
    }
}

// The outline of the polygon: for each segment k its outer edge from corner k - 1 to corner k, its
// inner edge, and the joint at corner k, each drawn at least once in either direction. A line of
// no length may stand at a corner; nothing else is drawn in yellow.
void verifyOutline(const PlanFigures &found, Point c, const RingInputs &in, double tolerance)
{
    const int n = static_cast<int>(in.segmentCount);
    const double outerCorner = (in.outerDiameter / 2 + in.fudge) / std::cos(programPi / n);
    const double innerCorner = in.innerDiameter / 2 - in.fudge;
    const auto outer = [&](int k) { return polar(c, outerCorner, k * 360.0 / n); };
    const auto inner = [&](int k) { return polar(c, innerCorner, k * 360.0 / n); };

    struct Edge
    {
        Point a;
        Point b;
        QString name;
    };
    QList<Edge> edges;
    QList<Point> corners;
    for (int k = 1; k <= n; ++k) {
        edges.append({ outer(k - 1), outer(k), QStringLiteral("outer edge %1").arg(k) });
        edges.append({ inner(k - 1), inner(k), QStringLiteral("inner edge %1").arg(k) });
        edges.append({ outer(k), inner(k), QStringLiteral("joint %1").arg(k) });
        corners.append(outer(k));
        corners.append(inner(k));
    }
    const auto along = [tolerance](const Operation &line, const Edge &edge) {
        return (distance(from(line), edge.a) <= tolerance
                   && distance(to(line), edge.b) <= tolerance)
            || (distance(from(line), edge.b) <= tolerance
                && distance(to(line), edge.a) <= tolerance);
    };
    for (const Edge &edge : edges) {
        const bool drawn = std::any_of(found.outline.begin(), found.outline.end(),
            [&](const Operation &line) { return along(line, edge); });
        QVERIFY2(drawn, qPrintable(edge.name + QStringLiteral(" of %1 segments missing").arg(n)));
    }
    for (const Operation &line : found.outline) {
        const bool onEdge = std::any_of(
            edges.begin(), edges.end(), [&](const Edge &edge) { return along(line, edge); });
        const bool pointAtCorner = distance(from(line), to(line)) <= tolerance
            && std::any_of(corners.begin(), corners.end(),
                [&](Point p) { return distance(from(line), p) <= tolerance; });
        QVERIFY2(onEdge || pointAtCorner, qPrintable("stray line: " + line.toString()));
    }
}

// The whole plan view of a ring of at least three segments.
void verifyRing(const QList<Operation> &ops, const RingInputs &in, const ViewScale &view)
{
    const Point c = centreOf(view);
    CHECK(verifyClearedAndInScale(ops, view));
    const PlanFigures found = figures(ops);
    CHECK(verifyCircles(found, c, in));
    CHECK(verifyBoundaries(found, c, static_cast<int>(in.segmentCount), 1e-3));
    CHECK(verifyOutline(found, c, in, 2e-4));
}

// A corner on a boundary at 90, 180, 270 or 360 degrees is drawn exactly on the axis through the
// centre, as the surface gets it in single precision. (The far corner of the first segment, worked
// out along its sides, may fall a hair beside it.)
void verifyAxisCorners(const QList<Operation> &ops, const RingInputs &in, const ViewScale &view)
{
    static const int directions[4][2] = { { 0, 1 }, { -1, 0 }, { 0, -1 }, { 1, 0 } };
    const int n = static_cast<int>(in.segmentCount);
    const Point c = centreOf(view);
    const double outerCorner = (in.outerDiameter / 2 + in.fudge) / std::cos(programPi / n);
    const double innerCorner = in.innerDiameter / 2 - in.fudge;
    const QList<Operation> outline = figures(ops).outline;
    for (int i = 1; i <= n; ++i) {
        if ((4 * i) % n != 0)
            continue;
        const int *d = directions[(4 * i) / n - 1];
        for (const double radius : { outerCorner, innerCorner }) {
            const Point corner { c.x + d[0] * radius, c.y + d[1] * radius };
            const double tolerance = 1e-3 + 1e-6 * std::fabs(radius);
            int onAxis = 0;
            for (const Operation &line : outline) {
                for (const Point end : { from(line), to(line) }) {
                    if (distance(end, corner) <= tolerance)
                        onAxis
                            += d[0] == 0 ? float(end.x) == float(c.x) : float(end.y) == float(c.y);
                }
            }
            QVERIFY2(onAxis > 0,
                qPrintable(QStringLiteral("corner %1 of %2 segments at radius %3 not on its axis: ")
                               .arg(i)
                               .arg(n)
                               .arg(radius)
                    + describe(outline).join(", ")));
        }
    }
}

} // namespace

class TestPlanView : public QObject
{
    Q_OBJECT

private slots:
    void ring_data();
    void ring();
    void everyCount_data();
    void everyCount();
    void startWindow();
    void boundaryLines_data();
    void boundaryLines();
    void everyCountAfterOtherCounts_data();
    void everyCountAfterOtherCounts();
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
    // The centre stays at half the scale's width, wherever its left edge lies.
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

void TestPlanView::everyCount_data()
{
    addRingRows();
}

// Every count the program computes, for rings of every kind: small and large, without fudge,
// with an inner radius below zero, the inner diameter above or equal to the outer one.
void TestPlanView::everyCount()
{
    QFETCH(RingInputs, ring);
    for (int n = 3; n <= orvane::largestSegmentCount; ++n) {
        ring.segmentCount = n;
        CHECK(verifyRing(drawRing(ring, startScale), ring, startScale));
        CHECK(verifyAxisCorners(drawRing(ring, startScale), ring, startScale));
    }
}

// The initial window, with the numbers as a user would check them on the drawing.
void TestPlanView::startWindow()
{
    const PlanFigures found = figures(drawRing(RingInputs { 6, 36, 30, .25 }, startScale));
    QCOMPARE(found.circles.size(), qsizetype(2));
    for (const Operation &circle : found.circles) {
        QCOMPARE(circle.args[0], 46.35f);
        QCOMPARE(circle.args[1], 25.0f);
        QVERIFY2(circle.args[2] == 15.0f || circle.args[2] == 18.0f, qPrintable(circle.toString()));
    }
    QVERIFY(found.circles[0].args[2] != found.circles[1].args[2]);

    // Six boundary lines from the centre; the one at 180 degrees ends 100 units to its left.
    QCOMPARE(found.boundaries.size(), qsizetype(6));
    for (const Operation &line : found.boundaries) {
        QCOMPARE(line.args[0], 46.35f);
        QCOMPARE(line.args[1], 25.0f);
    }
    QVERIFY(std::any_of(found.boundaries.begin(), found.boundaries.end(),
        [](const Operation &line) { return line.args[2] == 46.35f - 100 && line.args[3] == 25; }));

    // Every end of the outline lies on the circle of the outer corners or of the inner ones.
    QVERIFY(!found.outline.isEmpty());
    for (const Operation &line : found.outline) {
        for (const Point end : { from(line), to(line) }) {
            const double r = distance(end, { 46.35, 25 });
            QVERIFY2(std::fabs(r - 21.07329) < 5e-5 || std::fabs(r - 14.75) < 5e-5,
                qPrintable(line.toString()));
        }
    }
}

void TestPlanView::boundaryLines_data()
{
    QTest::addColumn<ViewScale>("view");
    QTest::addColumn<QPointF>("centre");
    QTest::newRow("start") << startScale << QPointF(46.35f, 25);
    QTest::newRow("centred") << centredScale << QPointF(42, 42);
    QTest::newRow("zoomed out") << ViewScale { 0, 100, 185.4f, -185.4f } << QPointF(92.7f, 50);
    QTest::newRow("zoomed in") << ViewScale { 0, 25, 46.35f, -46.35f } << QPointF(23.175f, 12.5);
    QTest::newRow("top below zero") << ViewScale { 0, -60, 300, -300 } << QPointF(150, -30);
}

// Each boundary line runs from the centre 100 units out along its own boundary, for every count,
// also where the centre has moved away from the origin.
void TestPlanView::boundaryLines()
{
    QFETCH(ViewScale, view);
    QFETCH(QPointF, centre);
    QCOMPARE(float(centreOf(view).x), float(centre.x()));
    QCOMPARE(float(centreOf(view).y), float(centre.y()));
    for (int n = 1; n <= orvane::largestSegmentCount; ++n) {
        const PlanFigures found = figures(drawRing(RingInputs { double(n), 36, 30, 0.25 }, view));
        CHECK(verifyBoundaries(found, { centre.x(), centre.y() }, n, 1e-4));
    }
}

void TestPlanView::everyCountAfterOtherCounts_data()
{
    QTest::addColumn<int>("count");
    for (int n = 1; n <= orvane::largestSegmentCount; ++n)
        QTest::addRow("%d segments", n) << n;
}

// A count drawn after every other count, the larger ones first, leaves what it leaves on a new
// surface: the same figures, and on a picture box the same pixels. Corners on the axes stay
// exactly on them.
void TestPlanView::everyCountAfterOtherCounts()
{
    QFETCH(int, count);
    const RingInputs inputs { double(count), 36, 30, .25 };
    RecordingSurface surface;
    setScale(surface, centredScale);
    auto box = pixels::tealBox(QSize(313, 313), centredScale);
    for (int earlier = orvane::largestSegmentCount; earlier >= 1; --earlier) {
        drawRing(surface, RingInputs { double(earlier), 36, 30, .25 });
        drawPlanView(*box, inputs, orvane::computeRing({ double(earlier), 36, 30, .25 }));
    }
    drawRing(surface, inputs);
    drawPlanView(*box, inputs, orvane::computeRing(inputs));

    const QList<Operation> fresh = drawRing(inputs, centredScale);
    QCOMPARE(
        describe(shownAfterLastClear(surface.operations)), describe(shownAfterLastClear(fresh)));
    auto freshBox = pixels::tealBox(QSize(313, 313), centredScale);
    drawPlanView(*freshBox, inputs, orvane::computeRing(inputs));
    QVERIFY(box->image() == freshBox->image());

    if (count >= 3)
        verifyRing(fresh, inputs, centredScale);
    verifyAxisCorners(shownAfterLastClear(surface.operations), inputs, centredScale);
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
    CHECK(verifyClearedAndInScale(ops, startScale));
    const PlanFigures found = figures(ops);
    QVERIFY(!found.outline.isEmpty());
    for (const Operation &op : ops) {
        for (const float value : op.args)
            QVERIFY2(std::isfinite(value), qPrintable(op.toString()));
    }
    // The last boundary lies on the x axis, 100 units to the right of the centre.
    QCOMPARE(found.boundaries.size(), qsizetype(count));
    QVERIFY(
        std::any_of(found.boundaries.begin(), found.boundaries.end(), [](const Operation &line) {
            return line.args == QList<float> { 46.35f, 25, 146.35f, 25 };
        }));
}

void TestPlanView::countsThatMakeNoRingDrawOnlyTheCircles_data()
{
    QTest::addColumn<double>("count");
    QTest::newRow("no count") << 0.0;
    QTest::newRow("negative") << -4.0;
    QTest::newRow("above the largest") << 101.0;
    QTest::newRow("far above") << 1e9;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity();
}

// Drawn over the start ring, a count that makes no ring leaves the two circles of its diameters
// and nothing of the ring before.
void TestPlanView::countsThatMakeNoRingDrawOnlyTheCircles()
{
    QFETCH(double, count);
    RecordingSurface surface;
    setScale(surface, startScale);
    drawRing(surface, RingInputs { 6, 36, 30, .25 });
    drawRing(surface, RingInputs { count, 36, 30, .25 });
    QStringList shown = describe(shownAfterLastClear(surface.operations));
    shown.sort();
    QCOMPARE(shown, (QStringList { "circle 46.3499985 25 15", "circle 46.3499985 25 18" }));
}

QTEST_MAIN(TestPlanView)
#include "tst_planview.moc"
