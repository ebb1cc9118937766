// Lengths in whole inches and sixteenths, with the mark that tells which way they were rounded,
// and the five-place decimals beside them.

#include "core/fractions.h"
#include "fuzz/fractionreader.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <numeric>

using namespace orvane;

class TestFractions : public QObject
{
    Q_OBJECT

private slots:
    void numberText_data();
    void numberText();
    void fractionText_data();
    void fractionText();
    void everySixteenth_data();
    void everySixteenth();
    void eachLengthConvertedOnItsOwn();
    void decimalText_data();
    void decimalText();
    void sweepReadsBackWithinHalfASixteenth();
};

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

// The text of whole inches and k sixteenths, reduced by the greatest common divisor. A zero
// fraction shows as 0/2; sixteen sixteenths make the next whole inch.
QString expectedText(int whole, int sixteenths, const QString &mark)
{
    const auto number
        = [](int v) { return (v < 0 ? QString() : QStringLiteral(" ")) + QString::number(v); };
    if (sixteenths == 16)
        return number(whole + 1) + " " + mark;
    const int divisor = sixteenths == 0 ? 8 : std::gcd(sixteenths, 16);
    return number(whole) + " " + number(sixteenths / divisor) + "/" + number(16 / divisor) + mark;
}

} // namespace

void TestFractions::numberText_data()
{
    QTest::addColumn<double>("whole");
    QTest::addColumn<QString>("expected");
    QTest::newRow("5") << 5.0 << " 5";
    QTest::newRow("16") << 16.0 << " 16";
    QTest::newRow("0") << 0.0 << " 0";
    QTest::newRow("minus zero") << -0.0 << " 0";
    QTest::newRow("-3") << -3.0 << "-3";
    QTest::newRow("large") << 1e20 << " 100000000000000000000";
    QTest::newRow("large negative") << -1e20 << "-100000000000000000000";
}

void TestFractions::numberText()
{
    QFETCH(double, whole);
    QFETCH(QString, expected);
    QCOMPARE(text(orvane::numberText(whole)), expected);
}

void TestFractions::fractionText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    // Rounded up ("-"), rounded down ("+") and exact.
    QTest::newRow("5.3") << 5.3 << " 5  5/ 16-";
    QTest::newRow("14.130") << 14.130 << " 14  1/ 8+";
    QTest::newRow("half a sixteenth rounds up") << 5.03125 << " 5  1/ 16-";
    QTest::newRow("one and a half sixteenths") << 2.09375 << " 2  1/ 8-";
    QTest::newRow("5/16 exactly") << 5.3125 << " 5  5/ 16";
    QTest::newRow("just below half a sixteenth") << 5.0312 << " 5  0/ 2+";
    QTest::newRow("short side of the first ring") << 14.750001475 << " 14  3/ 4+";
    QTest::newRow("long side of the first ring") << 21.073287635 << " 21  1/ 16+";

    // Reduced fractions.
    QTest::newRow("1/2") << 5.5 << " 5  1/ 2";
    QTest::newRow("1/4") << 5.25 << " 5  1/ 4";
    QTest::newRow("1/8") << 5.125 << " 5  1/ 8";
    QTest::newRow("3/8") << 5.375 << " 5  3/ 8";
    QTest::newRow("3/4") << 5.75 << " 5  3/ 4";
    QTest::newRow("5/8") << 5.625 << " 5  5/ 8";
    QTest::newRow("7/8") << 5.875 << " 5  7/ 8";
    QTest::newRow("whole inches") << 6.0 << " 6  0/ 2";
    QTest::newRow("just above whole") << 6.01 << " 6  0/ 2+";

    // Rounding up to sixteen sixteenths carries into the whole inch.
    QTest::newRow("5.96 stays") << 5.96 << " 5  15/ 16+";
    QTest::newRow("5.97 carries") << 5.97 << " 6 -";
    QTest::newRow("5.99 carries") << 5.99 << " 6 -";
    QTest::newRow("15.97 carries") << 15.97 << " 16 -";
    QTest::newRow("0.97 carries") << 0.97 << " 1 -";

    // Below one inch the whole part stays.
    QTest::newRow("0.3") << 0.3 << " 0  5/ 16-";
    QTest::newRow("0.03125") << 0.03125 << " 0  1/ 16-";
    QTest::newRow("zero") << 0.0 << " 0  0/ 2";

    // Negative lengths: the whole part is the floor and carries the sign.
    QTest::newRow("-2.3") << -2.3 << "-3  11/ 16+";
    QTest::newRow("-0.5") << -0.5 << "-1  1/ 2";
    QTest::newRow("-6") << -6.0 << "-6  0/ 2";
    QTest::newRow("-5.97") << -5.97 << "-6  0/ 2+";
    QTest::newRow("-half a sixteenth carries to zero") << -0.03125 << " 0 -";
    QTest::newRow("tiny negative carries to zero") << -1e-20 << " 0 -";
    QTest::newRow("a hair below zero") << -1e-17 << " 0 -";
    // Just beside -1/16, where 1 + value cannot be held exactly: the mark still tells the truth.
    QTest::newRow("a hair below -1/16") << -std::ldexp(1 + 0x1p-52, -4) << "-1  15/ 16-";
    QTest::newRow("a hair above -1/16") << -std::ldexp(1 - 0x1p-53, -4) << "-1  15/ 16+";
    // ... and the length is rounded to the nearer sixteenth, though 1 + value lands on the half.
    QTest::newRow("a hair below -1/32") << -std::ldexp(1 + 0x1p-52, -5) << "-1  15/ 16+";
    QTest::newRow("a hair above -1/32") << -std::ldexp(1 - 0x1p-53, -5) << " 0 -";
    QTest::newRow("a hair below -31/32") << -std::ldexp(31 + 0x1p-48, -5) << "-1  0/ 2+";
    QTest::newRow("a hair above -1/2") << -std::ldexp(1 - 0x1p-53, -1) << "-1  1/ 2+";

    // Large values keep all their digits.
    QTest::newRow("2^60") << std::ldexp(1, 60) << " 1152921504606846976  0/ 2";
    QTest::newRow("-2^60") << -std::ldexp(1, 60) << "-1152921504606846976  0/ 2";
    QTest::newRow("1e15 and a half") << 1e15 + 0.5 << " 1000000000000000  1/ 2";

    QTest::newRow("NaN") << notANumber << "";
    QTest::newRow("infinity") << infinity << "";
    QTest::newRow("minus infinity") << -infinity << "";
}

void TestFractions::fractionText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(text(orvane::fractionText(value)), expected);
}

void TestFractions::everySixteenth_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    for (int k = 0; k < 16; ++k) {
        const QByteArray name = QByteArray::number(k) + "/16";
        QTest::newRow(name + " exact") << 3 + k / 16.0 << expectedText(3, k, "");
        QTest::newRow(name + " and a quarter") << 3 + (k + 0.25) / 16 << expectedText(3, k, "+");
        QTest::newRow(name + " and a half") << 3 + (k + 0.5) / 16 << expectedText(3, k + 1, "-");
        QTest::newRow(name + " below -2") << -2 - (16 - k) / 16.0 << expectedText(-3, k, "");
    }
}

void TestFractions::everySixteenth()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(text(orvane::fractionText(value)), expected);
}

// The window converts the three lengths one after the other: a carry of one must not reach the
// next, whatever came before.
void TestFractions::eachLengthConvertedOnItsOwn()
{
    QCOMPARE(text(orvane::fractionText(5.97)), QString(" 6 -"));
    QCOMPARE(text(orvane::fractionText(14.75)), QString(" 14  3/ 4"));
    QCOMPARE(text(orvane::fractionText(0.97)), QString(" 1 -"));
    QCOMPARE(text(orvane::fractionText(5.3)), QString(" 5  5/ 16-"));
    QCOMPARE(text(orvane::fractionText(notANumber)), QString());
    QCOMPARE(text(orvane::fractionText(6.0)), QString(" 6  0/ 2"));
}

void TestFractions::decimalText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("5.3") << 5.3 << "5.30000";
    QTest::newRow("0.3") << 0.3 << ".30000";
    QTest::newRow("1234.5") << 1234.5 << "1234.50000";
    QTest::newRow("unrounded beside a carry") << 5.97 << "5.97000";
    QTest::newRow("5.03125") << 5.03125 << "5.03125";
    QTest::newRow("zero") << 0.0 << ".00000";
    QTest::newRow("negative") << -2.3 << "-2.30000";
    QTest::newRow("NaN") << notANumber << "";
}

void TestFractions::decimalText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(text(orvane::decimalText(value)), expected);
}

// Over a dense sweep of lengths, negative ones included: the fraction text read back is a reduced
// fraction within half a sixteenth of the length, its mark says on which side the length lies (a
// whole inch alone only when rounding up carried into it), and the decimal text reads back within
// half of its last place.
void TestFractions::sweepReadsBackWithinHalfASixteenth()
{
    for (int step = 0; step <= 60000; ++step) {
        const double value = -30 + step * 0.0011;
        const std::string shown = orvane::fractionText(value);
        const auto read = fractionreader::readFraction(shown);
        QVERIFY2(read.has_value(), shown.c_str());
        if (shown.find('/') == std::string::npos)
            QVERIFY2(read->mark == "-", shown.c_str());
        QVERIFY2(std::fabs(read->shown - value) <= 1.0 / 32, shown.c_str());
        const std::string mark = read->shown > value ? "-" : read->shown < value ? "+" : "";
        QVERIFY2(read->mark == mark,
            qPrintable(text(shown) + " for " + QString::number(value, 'g', 17)));

        const double decimal = text(orvane::decimalText(value)).toDouble();
        QVERIFY(std::fabs(decimal - value) <= 0.5e-5 + 1e-12);
    }
}

QTEST_APPLESS_MAIN(TestFractions)
#include "tst_fractions.moc"
