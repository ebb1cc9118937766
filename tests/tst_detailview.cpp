// The segment detail view as what it leaves on a surface: the scale it sets, the trapezoid and its
// two height lines, the two angle arcs and the two angle labels, wherever they come in the list of
// operations. The segment's lengths come from the closed forms (long side 2 Ro tan(180 / n), short
// side 2 Ri sin(180 / n), board width Ro - Ri cos(180 / n)); the drawing lays the long side out
// with a unit of margin at each end and a quarter unit below it, the short side centred above it,
// the end cuts leaning in at 90 - 180 / n degrees.

#include "core/ring.h"
#include "drawing/detailview.h"
#include "drawing/picturebox.h"
#include "tests/support/expected.h"
#include "tests/support/pixels.h"
#include "tests/support/recordingsurface.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

using orvane::RingInputs;
using pixels::lightMagenta;

Q_DECLARE_METATYPE(RingInputs)

namespace {

constexpr double programPi = 3.141593;

struct Point
{
    double x;
    double y;
};

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
double direction(Point a, Point b)
{
    return std::atan2(b.y - a.y, b.x - a.x);
}

// What a label reads as a number: "67.5°" reads 67.5.
double labelValue(const QString &label)
{
    return label.chopped(1).toDouble();
}

QList<Operation> drawDetail(const RingInputs &inputs)
{
    RecordingSurface surface;
    drawSegmentDetail(surface, orvane::computeRing(inputs));
    return surface.operations;
}

// The segment as the closed forms give it, laid out as the view lays it out.
struct Segment
{
    double L; // long side
    double S; // short side
    double W; // board width
    double lean; // how far each end cut leans in
    Point longLeft, longRight, shortRight, shortLeft; // the corners
    Point footLeft, footRight; // the feet of the height lines on the long side
};

Segment segmentOf(const RingInputs &in)
{
    const expected::Ring ring { static_cast<int>(in.segmentCount), in.outerDiameter,
        in.innerDiameter, in.fudge };
    Segment s {};
    s.L = expected::longSide(ring);
    s.S = expected::shortSide(ring);
    s.W = expected::boardWidth(ring);
    s.lean = (s.L - s.S) / 2;
    s.longLeft = { 1, 0.25 };
    s.longRight = { s.L + 1, 0.25 };
    s.shortRight = { s.L + 1 - s.lean, s.W + 0.25 };
    s.shortLeft = { s.lean + 1, s.W + 0.25 };
    s.footLeft = { s.lean + 1, 0.25 };
    s.footRight = { s.L + 1 - s.lean, 0.25 };
    return s;
}

// What the view shows: its figures after the clear it starts with.
struct DetailFigures
{
    QList<Operation> lines;
    QList<Operation> arcs;
    QList<Operation> prints;
    QList<Operation> others;
};

DetailFigures figures(const QList<Operation> &ops)
{
    DetailFigures found;
    for (const Operation &op : shownAfterLastClear(ops)) {
        if (op.kind == Operation::Line)
            found.lines.append(op);
        else if (op.kind == Operation::Arc)
            found.arcs.append(op);
        else if (op.kind == Operation::Print)
            found.prints.append(op);
        else
            found.others.append(op);
    }
    return found;
}

// The line drawn between `a` and `b`, in either direction; null when there is none.
const Operation *lineBetween(const DetailFigures &found, Point a, Point b, double tolerance)
{
    for (const Operation &line : found.lines) {
        if ((distance(from(line), a) <= tolerance && distance(to(line), b) <= tolerance)
            || (distance(from(line), b) <= tolerance && distance(to(line), a) <= tolerance))
            return &line;
    }
    return nullptr;
}

// The arc centred on `centre`; null when there is none.
const Operation *arcAt(const DetailFigures &found, Point centre, double tolerance)
{
    for (const Operation &arc : found.arcs) {
        if (distance({ arc.args[0], arc.args[1] }, centre) <= tolerance)
            return &arc;
    }
    return nullptr;
}

void addRings()
{
    QTest::addColumn<RingInputs>("inputs");
    QTest::newRow("6 segments") << RingInputs { 6, 36, 30, .25 };
    QTest::newRow("12 segments") << RingInputs { 12, 10, 8, .25 };
    QTest::newRow("8 segments") << RingInputs { 8, 12, 8, .125 };
    QTest::newRow("7 segments") << RingInputs { 7, 10, 6, .25 };
    QTest::newRow("4 segments, small ring") << RingInputs { 4, 4, 3, 0 };
    QTest::newRow("24 segments, largest ring") << RingInputs { 24, 72, 71, 4 };
}

} // namespace

class TestDetailView : public QObject
{
    Q_OBJECT

private slots:
    void scale_data();
    void scale();
    void outline_data() { addRings(); }
    void outline();
    void arcs_data() { addRings(); }
    void arcs();
    void labels_data();
    void labels();
    void labelPositions_data() { addRings(); }
    void labelPositions();
    void fewerThanThreeSegments_data();
    void fewerThanThreeSegments();
    void nothingToDrawLeavesTheViewEmpty_data();
    void nothingToDrawLeavesTheViewEmpty();
};

void TestDetailView::scale_data()
{
    QTest::addColumn<RingInputs>("inputs");
    QTest::addColumn<double>("longSide");
    QTest::newRow("6 segments") << RingInputs { 6, 36, 30, .25 } << 21.073287635;
    QTest::newRow("12 segments") << RingInputs { 12, 10, 8, .25 } << 2.813466845;
    QTest::newRow("8 segments") << RingInputs { 8, 12, 8, .125 } << 5.074116761;
    QTest::newRow("7 segments") << RingInputs { 7, 10, 6, .25 } << 5.056534138;
}

// The long side plus a unit at each end fills the width, and the height keeps the units square on
// a picture 4700 by 2760 twips; y = 0 is the bottom edge, y growing up. Everything the view shows
// is drawn in that scale.
void TestDetailView::scale()
{
    QFETCH(RingInputs, inputs);
    QFETCH(double, longSide);
    RecordingSurface surface;
    drawSegmentDetail(surface, orvane::computeRing(inputs));
    const ViewScale shown = scaleOf(surface);
    const double width = longSide + 2;
    const double height = width * 2760 / 4700;
    QCOMPARE(shown.left, 0.0f);
    QVERIFY2(std::fabs(shown.width - width) < 1e-5 * width, describe(shown));
    QVERIFY2(std::fabs(shown.height + height) < 1e-5 * height, describe(shown));
    // The top and the height are the same value, so the bottom edge is exactly y = 0.
    QCOMPARE(shown.top, -shown.height);

    const QList<Operation> drawn = shownAfterLastClear(surface.operations);
    QVERIFY(!drawn.isEmpty());
    for (const Operation &op : drawn)
        QVERIFY2(op.scale == shown, qPrintable(op.toString() + " in " + describe(op.scale)));
}

// The trapezoid and the two height lines from the ends of the short side down to the long side,
// in the foreground colour, and nothing else.
void TestDetailView::outline()
{
    QFETCH(RingInputs, inputs);
    const Segment s = segmentOf(inputs);
    const DetailFigures found = figures(drawDetail(inputs));
    QVERIFY2(found.others.isEmpty(), qPrintable(describe(found.others).join('\n')));
    QCOMPARE(found.lines.size(), qsizetype(6));
    for (const Operation &line : found.lines)
        QVERIFY2(!line.colour, qPrintable(line.toString()));

    const double tolerance = 1e-5 * (1 + s.L);
    const Operation *longSide = lineBetween(found, s.longLeft, s.longRight, tolerance);
    const Operation *rightCut = lineBetween(found, s.longRight, s.shortRight, tolerance);
    const Operation *shortSide = lineBetween(found, s.shortRight, s.shortLeft, tolerance);
    const Operation *leftCut = lineBetween(found, s.shortLeft, s.longLeft, tolerance);
    const Operation *leftHeight = lineBetween(found, s.footLeft, s.shortLeft, tolerance);
    const Operation *rightHeight = lineBetween(found, s.footRight, s.shortRight, tolerance);
    QVERIFY2(longSide && rightCut && shortSide && leftCut && leftHeight && rightHeight,
        qPrintable(describe(found.lines).join('\n')));

    // The long side lies level a quarter unit above the bottom edge.
    QCOMPARE(longSide->args[1], 0.25f);
    QCOMPARE(longSide->args[3], 0.25f);
    // Each end cut leans in at 90 - 180 / n degrees to the long side.
    const int n = static_cast<int>(inputs.segmentCount);
    const double cutAngle = 90 - 180.0 / n;
    for (const Operation *cut : { leftCut, rightCut }) {
        const Point low = from(*cut).y < to(*cut).y ? from(*cut) : to(*cut);
        const Point high = from(*cut).y < to(*cut).y ? to(*cut) : from(*cut);
        const double degrees = direction(low, high) * 180 / std::numbers::pi;
        const double lean = cut == leftCut ? degrees : 180 - degrees;
        QVERIFY2(std::fabs(lean - cutAngle) < 1e-4, qPrintable(cut->toString()));
    }
    // The height lines stand upright.
    for (const Operation *height : { leftHeight, rightHeight })
        QVERIFY2(std::fabs(height->args[0] - height->args[2]) < tolerance,
            qPrintable(height->toString()));
}

// One arc marks the angle between the long side and the left end cut, at the left end of the long
// side; the other the angle between the right height line and the right end cut, at the right end
// of the short side. Both run counter-clockwise from their start to their end, in light magenta.
void TestDetailView::arcs()
{
    QFETCH(RingInputs, inputs);
    const Segment s = segmentOf(inputs);
    const DetailFigures found = figures(drawDetail(inputs));
    QCOMPARE(found.arcs.size(), qsizetype(2));
    const double tolerance = 1e-5 * (1 + s.L);
    const double half = programPi / inputs.segmentCount;

    const Operation *atLongSide = arcAt(found, s.longLeft, tolerance);
    QVERIFY(atLongSide);
    QCOMPARE(atLongSide->colour, std::optional<QRgb>(lightMagenta));
    QVERIFY(std::fabs(atLongSide->args[2] - 0.6 * s.lean) < tolerance);
    QCOMPARE(atLongSide->args[3], 0.0f); // along the long side
    QVERIFY(std::fabs(atLongSide->args[4] - (programPi / 2 - half)) < 1e-5); // along the cut

    const Operation *atShortSide = arcAt(found, s.shortRight, tolerance);
    QVERIFY(atShortSide);
    QCOMPARE(atShortSide->colour, std::optional<QRgb>(lightMagenta));
    QVERIFY(std::fabs(atShortSide->args[2] - 0.6 * s.W) < tolerance);
    QVERIFY(std::fabs(atShortSide->args[3] - 3 * programPi / 2) < 1e-5); // straight down
    QVERIFY(std::fabs(atShortSide->args[4] - (3 * programPi / 2 + half)) < 1e-5); // along the cut
    QVERIFY(atShortSide->args[3] < atShortSide->args[4]);
}

void TestDetailView::labels_data()
{
    QTest::addColumn<RingInputs>("inputs");
    QTest::addColumn<QString>("atLongSide");
    QTest::addColumn<QString>("atShortSide");
    QTest::newRow("12 segments") << RingInputs { 12, 10, 8, .25 } << QStringLiteral("75.°")
                                 << QStringLiteral("15.°");
    QTest::newRow("8 segments") << RingInputs { 8, 12, 8, .125 } << QStringLiteral("67.5°")
                                << QStringLiteral("22.5°");
    QTest::newRow("7 segments") << RingInputs { 7, 10, 6, .25 } << QStringLiteral("64.2857°")
                                << QStringLiteral("25.7143°");
    QTest::newRow("6 segments") << RingInputs { 6, 36, 30, .25 } << QStringLiteral("60.°")
                                << QStringLiteral("30.°");
    QTest::newRow("5 segments") << RingInputs { 5, 20, 10, 1 } << QStringLiteral("54.°")
                                << QStringLiteral("36.°");
    QTest::newRow("13 segments") << RingInputs { 13, 30, 20, .5 } << QStringLiteral("76.1538°")
                                 << QStringLiteral("13.8462°");
    QTest::newRow("16 segments") << RingInputs { 16, 20, 10, 1 } << QStringLiteral("78.75°")
                                 << QStringLiteral("11.25°");
    QTest::newRow("22 segments") << RingInputs { 22, 50, 40, .25 } << QStringLiteral("81.8182°")
                                 << QStringLiteral("8.1818°");
    QTest::newRow("24 segments") << RingInputs { 24, 72, 71, 4 } << QStringLiteral("82.5°")
                                 << QStringLiteral("7.5°");
}

// The angle at the long side, 90 - 180 / n, stands inside the left corner; the miter angle,
// 180 / n, under the right end of the short side.
void TestDetailView::labels()
{
    QFETCH(RingInputs, inputs);
    QFETCH(QString, atLongSide);
    QFETCH(QString, atShortSide);
    const DetailFigures found = figures(drawDetail(inputs));
    QCOMPARE(found.prints.size(), qsizetype(2));
    const auto leftOf
        = [](const Operation &a, const Operation &b) { return a.args[0] < b.args[0]; };
    const Operation &left = std::min(found.prints[0], found.prints[1], leftOf);
    const Operation &right = std::max(found.prints[0], found.prints[1], leftOf);
    QVERIFY(left.args[0] < right.args[0]);
    QCOMPARE(left.text, atLongSide);
    QCOMPARE(right.text, atShortSide);
    QVERIFY(std::fabs(labelValue(left.text) + labelValue(right.text) - 90) < 1e-3);
}

// Each label's top-left corner: the first inside the left corner, the second under the right end
// of the short side.
void TestDetailView::labelPositions()
{
    QFETCH(RingInputs, inputs);
    const Segment s = segmentOf(inputs);
    const DetailFigures found = figures(drawDetail(inputs));
    QCOMPARE(found.prints.size(), qsizetype(2));
    const double diagonal = std::sqrt(0.5);
    const Point expected[] = {
        { 1 + 0.8 * s.lean * diagonal, 0.25 + 0.9 * s.lean * diagonal + 1 },
        { s.shortRight.x - 1, s.shortRight.y - 0.9 * s.W * diagonal },
    };
    for (const Point place : expected) {
        const bool printed
            = std::any_of(found.prints.begin(), found.prints.end(), [&](const Operation &print) {
                  return distance({ print.args[0], print.args[1] }, place) < 1e-5 * (1 + s.L);
              });
        QVERIFY2(printed,
            qPrintable(QStringLiteral("no label at %1, %2: ").arg(place.x).arg(place.y)
                + describe(found.prints).join(", ")));
    }
}

void TestDetailView::fewerThanThreeSegments_data()
{
    QTest::addColumn<double>("count");
    QTest::newRow("1 segment") << 1.0;
    QTest::newRow("2 segments") << 2.0;
}

// Below three segments the arcs' end angles leave 0 to 2 pi; the view still draws all it draws for
// a real ring, with numbers a surface can take, and a picture box takes them.
void TestDetailView::fewerThanThreeSegments()
{
    QFETCH(double, count);
    const RingInputs inputs { count, 36, 30, .25 };
    const QList<Operation> ops = drawDetail(inputs);
    const DetailFigures found = figures(ops);
    QCOMPARE(found.lines.size(), qsizetype(6));
    QCOMPARE(found.arcs.size(), qsizetype(2));
    QCOMPARE(found.prints.size(), qsizetype(2));
    QVERIFY(found.others.isEmpty());
    for (const Operation &op : ops) {
        for (const float value : op.args)
            QVERIFY2(std::isfinite(value), qPrintable(op.toString()));
    }

    orvane::PictureBox box(QSize(313, 184));
    drawSegmentDetail(box, orvane::computeRing(inputs));
    QVERIFY(!box.image().isNull());
}

void TestDetailView::nothingToDrawLeavesTheViewEmpty_data()
{
    QTest::addColumn<RingInputs>("inputs");
    QTest::newRow("no count") << RingInputs { 0, 36, 30, .25 };
    QTest::newRow("count above the largest") << RingInputs { 101, 36, 30, .25 };
    QTest::newRow("lengths beyond any number")
        << RingInputs { 6, std::numeric_limits<double>::infinity(), 30, .25 };
}

// A count that makes no ring, or lengths that are no numbers, leave the view cleared of the segment
// drawn before and nothing else.
void TestDetailView::nothingToDrawLeavesTheViewEmpty()
{
    QFETCH(RingInputs, inputs);
    RecordingSurface surface;
    drawSegmentDetail(surface, orvane::computeRing(RingInputs { 6, 36, 30, .25 }));
    QVERIFY(!shownAfterLastClear(surface.operations).isEmpty());
    drawSegmentDetail(surface, orvane::computeRing(inputs));
    QCOMPARE(surface.operations.last().kind, Operation::Clear);
}

QTEST_MAIN(TestDetailView)
#include "tst_detailview.moc"
