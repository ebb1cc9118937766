// The segment detail view as a list of drawing operations: its scale, the trapezoid and its two
// height lines, the two angle arcs and the two angle labels, in that order. The checks read the
// geometry back from what was drawn: the long side with a unit of margin at each end, the short
// side centred above it, the end cuts leaning in at 90 - 180 / n degrees.

#include "core/formstate.h"
#include "core/ring.h"
#include "drawing/detailview.h"
#include "drawing/picturebox.h"
#include "tests/support/pixels.h"
#include "tests/support/recordingsurface.h"

#include <QTest>

#include <cmath>
#include <numbers>

using orvane::FormState;
using orvane::RingInputs;
using pixels::lightMagenta;

Q_DECLARE_METATYPE(RingInputs)

namespace {

constexpr double pi = std::numbers::pi;

struct Point
{
    double x;
    double y;
};

FormState ringState(const RingInputs &inputs)
{
    FormState state;
    orvane::computeRing(state, inputs, 92.7f, 50);
    return state;
}

QList<Operation> drawDetail(FormState &state)
{
    RecordingSurface surface;
    drawSegmentDetail(surface, state);
    return surface.operations;
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

const QList<Operation::Kind> detailKinds {
    Operation::Clear,
    Operation::ScaleLeft,
    Operation::ScaleHeight,
    Operation::ScaleTop,
    Operation::ScaleWidth,
    Operation::Line,
    Operation::Line,
    Operation::Line,
    Operation::Line,
    Operation::Line,
    Operation::Line,
    Operation::Arc,
    Operation::Arc,
    Operation::CurrentX,
    Operation::CurrentY,
    Operation::Print,
    Operation::CurrentX,
    Operation::CurrentY,
    Operation::Print,
};

QList<Operation::Kind> kindsOf(const QList<Operation> &ops)
{
    QList<Operation::Kind> kinds;
    for (const Operation &op : ops)
        kinds.append(op.kind);
    return kinds;
}

} // namespace

class TestDetailView : public QObject
{
    Q_OBJECT

private slots:
    void operationOrder_data() { addRings(); }
    void operationOrder();
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
    void noCountLeavesTheViewEmpty();
};

void TestDetailView::operationOrder()
{
    QFETCH(RingInputs, inputs);
    FormState state = ringState(inputs);
    QCOMPARE(kindsOf(drawDetail(state)), detailKinds);
}

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
// a picture 4700 by 2760 twips; y = 0 is the bottom edge. Set in the order left, height, top,
// width.
void TestDetailView::scale()
{
    QFETCH(RingInputs, inputs);
    QFETCH(double, longSide);
    FormState state = ringState(inputs);
    const QList<Operation> ops = drawDetail(state);
    const double width = longSide + 2;
    const double height = width * 2760 / 4700;
    QCOMPARE(ops[1].args[0], 0.0f);
    QVERIFY(std::fabs(ops[2].args[0] + height) < 1e-5 * height);
    QVERIFY(std::fabs(ops[3].args[0] - height) < 1e-5 * height);
    QCOMPARE(ops[4].args[0], float(width));
    // The top and the height are the same value, so the bottom edge is exactly y = 0.
    QCOMPARE(ops[2].args[0], -ops[3].args[0]);
}

void TestDetailView::outline()
{
    QFETCH(RingInputs, inputs);
    FormState state = ringState(inputs);
    const QList<Operation> ops = drawDetail(state);
    const double L = state.longsidelen;
    const double S = state.shortsidelen;
    const double W = state.boardwidthlen;
    const int n = static_cast<int>(inputs.numsegs);
    constexpr double tolerance = 1e-5;
    const Operation &longSide = ops[5];
    const Operation &rightCut = ops[6];
    const Operation &shortSide = ops[7];
    const Operation &leftCut = ops[8];
    const Operation &leftHeight = ops[9];
    const Operation &rightHeight = ops[10];
    for (const Operation &line : ops.mid(5, 6))
        QVERIFY2(!line.colour, qPrintable(line.toString()));

    // The long side along the bottom, a unit in from each edge.
    QCOMPARE(longSide.args, (QList<float> { 1, 0.25f, float(L + 1), 0.25f }));
    // The short side a board width above it, S long and centred over it.
    QVERIFY(std::fabs(shortSide.args[1] - (W + 0.25)) < tolerance);
    QCOMPARE(shortSide.args[1], shortSide.args[3]);
    QVERIFY(std::fabs((shortSide.args[0] - shortSide.args[2]) - S) < tolerance);
    QVERIFY(std::fabs((shortSide.args[0] + shortSide.args[2]) / 2 - (L + 2) / 2) < tolerance);

    // The trapezoid is closed: long side, right cut, short side, left cut, corner to corner.
    QCOMPARE(to(longSide).x, from(rightCut).x);
    QCOMPARE(to(rightCut).x, from(shortSide).x);
    QCOMPARE(to(shortSide).x, from(leftCut).x);
    QCOMPARE(to(leftCut).x, from(longSide).x);
    QCOMPARE(to(leftCut).y, from(longSide).y);

    // Each end cut leans in at 90 - 180 / n degrees to the long side.
    const double cutAngle = 90 - 180.0 / n;
    QVERIFY(std::fabs(direction(to(leftCut), from(leftCut)) * 180 / pi - cutAngle) < 1e-4);
    QVERIFY(std::fabs(180 - direction(from(rightCut), to(rightCut)) * 180 / pi - cutAngle) < 1e-4);

    // The height lines stand upright from the long side to the inner corners.
    for (const Operation *height : { &leftHeight, &rightHeight }) {
        QVERIFY(std::fabs(height->args[0] - height->args[2]) < tolerance);
        QCOMPARE(height->args[1], 0.25f);
    }
    QCOMPARE(to(leftHeight).y, from(leftCut).y);
    QVERIFY(std::fabs(to(leftHeight).x - from(leftCut).x) < tolerance);
    QCOMPARE(to(rightHeight).y, from(shortSide).y);
    QVERIFY(std::fabs(to(rightHeight).x - from(shortSide).x) < tolerance);
}

// The first arc marks the angle between the long side and the left end cut, at the left end of
// the long side; the second the angle between the right height line and the right end cut, at the
// right end of the short side. Both run counter-clockwise from their start to their end.
void TestDetailView::arcs()
{
    QFETCH(RingInputs, inputs);
    FormState state = ringState(inputs);
    const QList<Operation> ops = drawDetail(state);
    const Operation &longSide = ops[5];
    const Operation &rightCut = ops[6];
    const Operation &shortSide = ops[7];
    const Operation &leftCut = ops[8];
    const Operation &leftHeight = ops[9];
    const Operation &rightHeight = ops[10];
    const Operation &first = ops[11];
    const Operation &second = ops[12];
    constexpr double tolerance = 1e-5;

    QCOMPARE(first.colour, std::optional<QRgb>(lightMagenta));
    QCOMPARE(first.args[0], from(longSide).x);
    QCOMPARE(first.args[1], from(longSide).y);
    const double lean = leftHeight.args[0] - longSide.args[0];
    QVERIFY(std::fabs(first.args[2] - 0.6 * lean) < tolerance);
    QCOMPARE(first.args[3], 0.0f);
    QVERIFY(std::fabs(first.args[4] - direction(to(leftCut), from(leftCut))) < tolerance);

    QCOMPARE(second.colour, std::optional<QRgb>(lightMagenta));
    QCOMPARE(second.args[0], from(shortSide).x);
    QCOMPARE(second.args[1], from(shortSide).y);
    const double boardWidth = rightHeight.args[3] - rightHeight.args[1];
    QVERIFY(std::fabs(second.args[2] - 0.6 * boardWidth) < tolerance);
    QVERIFY(std::fabs(second.args[3] - 3 * pi / 2) < tolerance); // straight down
    QVERIFY(
        std::fabs(second.args[4] - (direction(to(rightCut), from(rightCut)) + 2 * pi)) < tolerance);
    QVERIFY(second.args[3] < second.args[4]);
}

void TestDetailView::labels_data()
{
    QTest::addColumn<RingInputs>("inputs");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
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

void TestDetailView::labels()
{
    QFETCH(RingInputs, inputs);
    QFETCH(QString, first);
    QFETCH(QString, second);
    FormState state = ringState(inputs);
    const QList<Operation> prints = [&state] {
        RecordingSurface surface;
        drawSegmentDetail(surface, state);
        return surface.ofKind(Operation::Print);
    }();
    QCOMPARE(prints.size(), qsizetype(2));
    QCOMPARE(prints[0].text, first);
    QCOMPARE(prints[1].text, second);
    QVERIFY(std::fabs(labelValue(prints[0].text) + labelValue(prints[1].text) - 90) < 1e-3);
}

// Each label's top-left corner: the first inside the left corner, the second under the right end
// of the short side.
void TestDetailView::labelPositions()
{
    QFETCH(RingInputs, inputs);
    FormState state = ringState(inputs);
    const QList<Operation> ops = drawDetail(state);
    const double lean = (state.longsidelen - state.shortsidelen) / 2;
    const double W = state.boardwidthlen;
    const Point corner = from(ops[7]); // right end of the short side
    const double diagonal = std::sqrt(0.5);
    const Point expected[] = {
        { 1 + 0.8 * lean * diagonal, 0.25 + 0.9 * lean * diagonal + 1 },
        { corner.x - 1, corner.y - 0.9 * W * diagonal },
    };
    for (int label = 0; label < 2; ++label) {
        const qsizetype at = 13 + 3 * label;
        const Operation &x = ops[at];
        const Operation &y = ops[at + 1];
        const Operation &print = ops[at + 2];
        QVERIFY2(std::fabs(x.args[0] - expected[label].x) < 1e-5, qPrintable(x.toString()));
        QVERIFY2(std::fabs(y.args[0] - expected[label].y) < 1e-5, qPrintable(y.toString()));
        QCOMPARE(print.args, (QList<float> { x.args[0], y.args[0] }));
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
    FormState state = ringState(RingInputs { count, 36, 30, .25 });
    const QList<Operation> ops = drawDetail(state);
    QCOMPARE(kindsOf(ops), detailKinds);
    for (const Operation &op : ops) {
        for (const float value : op.args)
            QVERIFY2(std::isfinite(value), qPrintable(op.toString()));
    }

    PictureBox box(QSize(313, 184));
    drawSegmentDetail(box, state);
    QVERIFY(!box.image().isNull());
}

// A count that makes no ring leaves the view cleared and nothing else.
void TestDetailView::noCountLeavesTheViewEmpty()
{
    FormState state = ringState(RingInputs { 0, 36, 30, .25 });
    QCOMPARE(kindsOf(drawDetail(state)), QList<Operation::Kind> { Operation::Clear });
}

QTEST_MAIN(TestDetailView)
#include "tst_detailview.moc"
