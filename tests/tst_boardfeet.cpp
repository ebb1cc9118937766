// The board feet of lumber a ring takes, and its caption.

#include "core/boardfeet.h"
#include "core/ring.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace orvane;

Q_DECLARE_METATYPE(Ring)
Q_DECLARE_METATYPE(std::optional<double>)

class TestBoardFeet : public QObject
{
    Q_OBJECT

private slots:
    void estimate_data();
    void estimate();
    void computedRing_data();
    void computedRing();
    void caption_data();
    void caption();
    void doublingThicknessDoublesTheEstimate();
    void noEstimate_data();
    void noEstimate();
};

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

// A ring of `count` segments with the given sides and board width; the estimate reads nothing else.
Ring segments(double count, double longSide, double shortSide, double boardWidth)
{
    Ring ring;
    ring.segmentCount = count;
    ring.longSide = longSide;
    ring.shortSide = shortSide;
    ring.boardWidth = boardWidth;
    return ring;
}

const Ring example = segments(12, 2.5, 2.0, 1.5);

} // namespace

void TestBoardFeet::estimate_data()
{
    QTest::addColumn<Ring>("ring");
    QTest::addColumn<double>("thickness");
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("caption");

    // Face (2.5 + 2) / 2 * 1.5 = 3.375 square inches, 2.53125 cubic inches a blank, 12 blanks.
    QTest::newRow("worked example") << example << 0.75 << 0.2109375 << ".2109";
    // Face (5 + 3) / 2 * 9 = 36, 12 blanks an inch thick: 432 / 144.
    QTest::newRow("whole estimate") << segments(12, 5, 3, 9) << 1.0 << 3.0 << "3.";
    // Face 2 * 15.18912 = 30.37824 square inches, one blank: 0.21096 board feet.
    QTest::newRow("rounded, not truncated")
        << segments(1, 2, 2, 15.18912) << 1.0 << 0.21096 << ".211";
    // Face (21.5 + 14.5) / 2 * 8 = 144: one board foot per inch of thickness and blank.
    QTest::newRow("24 blanks") << segments(24, 21.5, 14.5, 8) << 8.0 << 192.0 << "192.";
    // Face (4 + 2) / 2 * 1 = 3 square inches, a quarter inch thick, 6 blanks: 4.5 / 144.
    QTest::newRow("thinnest board") << segments(6, 4, 2, 1) << 0.25 << 0.03125 << ".0313";
}

void TestBoardFeet::estimate()
{
    QFETCH(Ring, ring);
    QFETCH(double, thickness);
    QFETCH(double, expected);
    QFETCH(QString, caption);
    const std::optional<double> feet = boardFeet(ring, thickness);
    QVERIFY(feet.has_value());
    QVERIFY2(std::fabs(*feet - expected) <= 1e-12, QByteArray::number(*feet, 'g', 17));
    QCOMPARE(QString::fromStdString(boardFeetCaption(feet)), caption);
}

void TestBoardFeet::computedRing_data()
{
    QTest::addColumn<double>("segmentCount");
    QTest::addColumn<double>("outerDiameter");
    QTest::addColumn<double>("innerDiameter");
    QTest::addColumn<double>("fudge");
    QTest::addColumn<double>("thickness");

    QTest::newRow("start inputs") << 6.0 << 36.0 << 30.0 << 0.25 << 0.75;
    QTest::newRow("12 segments") << 12.0 << 10.0 << 8.0 << 0.25 << 1.0;
    QTest::newRow("largest ring") << 24.0 << 72.0 << 71.0 << 4.0 << 8.0;
}

// The estimate of a ring as the calculation works it out: n blanks of the trapezoid between the
// two sides, with the sides and the board width from their closed forms (pi being the program's
// 3.141593).
void TestBoardFeet::computedRing()
{
    QFETCH(double, segmentCount);
    QFETCH(double, outerDiameter);
    QFETCH(double, innerDiameter);
    QFETCH(double, fudge);
    QFETCH(double, thickness);
    const auto ring = computeRing({ segmentCount, outerDiameter, innerDiameter, fudge });
    QVERIFY(ring.has_value());

    const double half = 3.141593 / segmentCount;
    const double ro = outerDiameter / 2 + fudge;
    const double ri = innerDiameter / 2 - fudge;
    const double face
        = (2 * ri * std::sin(half) + 2 * ro * std::tan(half)) / 2 * (ro - ri * std::cos(half));
    const double expected = segmentCount * face * thickness / 144;
    const auto feet = boardFeet(*ring, thickness);
    QVERIFY(feet.has_value());
    QVERIFY2(std::fabs(*feet - expected) <= 1e-9 * expected, QByteArray::number(*feet, 'g', 17));
}

void TestBoardFeet::caption_data()
{
    QTest::addColumn<std::optional<double>>("estimate");
    QTest::addColumn<QString>("expected");
    QTest::newRow("below one") << std::optional(0.2109375) << ".2109";
    QTest::newRow("trailing zero dropped") << std::optional(0.21096) << ".211";
    QTest::newRow("whole") << std::optional(3.0) << "3.";
    QTest::newRow("four places") << std::optional(12.34567) << "12.3457";
    QTest::newRow("carries") << std::optional(9.99996) << "10.";
    QTest::newRow("none") << std::optional<double>() << "";
}

void TestBoardFeet::caption()
{
    QFETCH(std::optional<double>, estimate);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(boardFeetCaption(estimate)), expected);
}

void TestBoardFeet::doublingThicknessDoublesTheEstimate()
{
    const Ring ring = segments(6, 21.073287635, 14.750001475, 5.476125720);
    for (const double thickness : { 0.25, 0.75, 1.0, 2.5, 4.0 }) {
        const auto thin = boardFeet(ring, thickness);
        const auto doubled = boardFeet(ring, 2 * thickness);
        QVERIFY(thin && doubled);
        QCOMPARE(*doubled, 2 * *thin);
    }
}

void TestBoardFeet::noEstimate_data()
{
    QTest::addColumn<Ring>("ring");
    QTest::addColumn<std::optional<double>>("thickness");

    // A count that makes no ring (0, negative, above 30) gives no ring to estimate at all: see
    // the ring's tests. A ring whose numbers are not finite gives no estimate either.
    const std::optional<double> inch(1.0);
    QTest::newRow("thickness not a number") << example << std::optional<double>();
    QTest::newRow("negative thickness") << example << std::optional(-0.25);
    QTest::newRow("infinite thickness") << example << std::optional(infinity);
    QTest::newRow("NaN thickness") << example << std::optional(notANumber);
    QTest::newRow("NaN count") << segments(notANumber, 2.5, 2.0, 1.5) << inch;
    QTest::newRow("infinite count") << segments(infinity, 2.5, 2.0, 1.5) << inch;
    QTest::newRow("lengths not computed")
        << segments(6, notANumber, notANumber, notANumber) << inch;
    QTest::newRow("infinite lengths") << segments(6, infinity, 1, 1) << inch;
}

// Where no estimate can be made the caption is blank rather than showing a value for other inputs.
void TestBoardFeet::noEstimate()
{
    QFETCH(Ring, ring);
    QFETCH(std::optional<double>, thickness);
    const std::optional<double> feet = boardFeet(ring, thickness);
    QVERIFY2(!feet.has_value(), QByteArray::number(feet.value_or(0), 'g', 17));
    QCOMPARE(QString::fromStdString(boardFeetCaption(feet)), QString());
}

QTEST_APPLESS_MAIN(TestBoardFeet)
#include "tst_boardfeet.moc"
