// The board feet of lumber a ring takes, and its caption.

#include "core/boardfeet.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace orvane;

Q_DECLARE_METATYPE(SegmentLengths)
Q_DECLARE_METATYPE(std::optional<double>)

class TestBoardFeet : public QObject
{
    Q_OBJECT

private slots:
    void estimate_data();
    void estimate();
    void caption_data();
    void caption();
    void doublingThicknessDoublesTheEstimate();
    void noEstimate_data();
    void noEstimate();
};

namespace {
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();
const SegmentLengths example { 2.5, 2.0, 1.5 }; // long side, short side, board width
} // namespace

void TestBoardFeet::estimate_data()
{
    QTest::addColumn<SegmentLengths>("segment");
    QTest::addColumn<double>("numsegs");
    QTest::addColumn<double>("thickness");
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("caption");

    // Face (2.5 + 2) / 2 * 1.5 = 3.375 square inches, 2.53125 cubic inches a blank, 12 blanks.
    QTest::newRow("worked example") << example << 12.0 << 0.75 << 0.2109375 << ".2109";
    // Face (5 + 3) / 2 * 9 = 36, 12 blanks an inch thick: 432 / 144.
    QTest::newRow("whole estimate") << SegmentLengths { 5, 3, 9 } << 12.0 << 1.0 << 3.0 << "3.";
    // Face 2 * 15.18912 = 30.37824 square inches, one blank: 0.21096 board feet.
    QTest::newRow("rounded, not truncated")
        << SegmentLengths { 2, 2, 15.18912 } << 1.0 << 1.0 << 0.21096 << ".211";
    // Face (21.5 + 14.5) / 2 * 8 = 144: one board foot per inch of thickness and blank.
    QTest::newRow("24 blanks") << SegmentLengths { 21.5, 14.5, 8 } << 24.0 << 8.0 << 192.0
                               << "192.";
    // Face (4 + 2) / 2 * 1 = 3 square inches, a quarter inch thick, 6 blanks: 4.5 / 144.
    QTest::newRow("thinnest board")
        << SegmentLengths { 4, 2, 1 } << 6.0 << 0.25 << 0.03125 << ".0313";
}

void TestBoardFeet::estimate()
{
    QFETCH(SegmentLengths, segment);
    QFETCH(double, numsegs);
    QFETCH(double, thickness);
    QFETCH(double, expected);
    QFETCH(QString, caption);
    const std::optional<double> feet = boardFeet(segment, numsegs, thickness);
    QVERIFY(feet.has_value());
    QVERIFY2(std::fabs(*feet - expected) <= 1e-12, QByteArray::number(*feet, 'g', 17));
    QCOMPARE(QString::fromStdString(boardFeetCaption(feet)), caption);
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
    const SegmentLengths ring { 21.073287635, 14.750001475, 5.476125720 };
    for (const double thickness : { 0.25, 0.75, 1.0, 2.5, 4.0 }) {
        const auto single = boardFeet(ring, 6, thickness);
        const auto doubled = boardFeet(ring, 6, 2 * thickness);
        QVERIFY(single && doubled);
        QCOMPARE(*doubled, 2 * *single);
    }
}

void TestBoardFeet::noEstimate_data()
{
    QTest::addColumn<SegmentLengths>("segment");
    QTest::addColumn<double>("numsegs");
    QTest::addColumn<std::optional<double>>("thickness");

    const std::optional<double> inch(1.0);
    QTest::newRow("thickness not a number") << example << 12.0 << std::optional<double>();
    QTest::newRow("negative thickness") << example << 12.0 << std::optional(-0.25);
    QTest::newRow("infinite thickness") << example << 12.0 << std::optional(infinity);
    QTest::newRow("NaN thickness") << example << 12.0 << std::optional(notANumber);
    QTest::newRow("no segments") << example << 0.0 << inch;
    QTest::newRow("negative count") << example << -6.0 << inch;
    QTest::newRow("count above 30") << example << 31.0 << inch;
    QTest::newRow("NaN count") << example << notANumber << inch;
    QTest::newRow("infinite count") << example << infinity << inch;
    QTest::newRow("lengths not computed")
        << SegmentLengths { notANumber, notANumber, notANumber } << 6.0 << inch;
    QTest::newRow("infinite lengths") << SegmentLengths { infinity, 1, 1 } << 6.0 << inch;
}

// Where no estimate can be made the caption is blank rather than showing a value for other inputs.
void TestBoardFeet::noEstimate()
{
    QFETCH(SegmentLengths, segment);
    QFETCH(double, numsegs);
    QFETCH(std::optional<double>, thickness);
    const std::optional<double> feet = boardFeet(segment, numsegs, thickness);
    QVERIFY2(!feet.has_value(), QByteArray::number(feet.value_or(0), 'g', 17));
    QCOMPARE(QString::fromStdString(boardFeetCaption(feet)), QString());
}

QTEST_APPLESS_MAIN(TestBoardFeet)
#include "tst_boardfeet.moc"
