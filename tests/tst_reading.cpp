// Reading the input boxes: the leading number of a text, a whole text as one number, and the
// decimal form the spinners write.

#include "core/reading.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace orvane;

class TestReading : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void wholeNumber_data();
    void wholeNumber();
    void shortestDecimal_data();
    void shortestDecimal();
    void quarterValuesReadBack();
};

namespace {
constexpr double infinity = std::numeric_limits<double>::infinity();

// Exact comparison: QCOMPARE on doubles would let anything within 1e-12 pass for an expected 0.
QByteArray mismatch(double actual, double expected)
{
    return "actual " + QByteArray::number(actual, 'g', 17) + ", expected "
        + QByteArray::number(expected, 'g', 17);
}
} // namespace

void TestReading::leadingNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("whole number") << QByteArray("36") << 36.0;
    QTest::newRow("trailing letters") << QByteArray("12abc") << 12.0;
    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("only blanks") << QByteArray("  \t ") << 0.0;
    QTest::newRow("letters only") << QByteArray("abc") << 0.0;
    QTest::newRow("no digit before the point") << QByteArray(".25") << 0.25;
    QTest::newRow("point without decimals") << QByteArray("5.") << 5.0;
    QTest::newRow("second point ends it") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("lone point") << QByteArray(".") << 0.0;
    QTest::newRow("lone minus") << QByteArray("-") << 0.0;
    QTest::newRow("lone plus") << QByteArray("+") << 0.0;
    QTest::newRow("leading blanks") << QByteArray("   30.25") << 30.25;
    QTest::newRow("tab and line feed") << QByteArray("\t7\n") << 7.0;
    QTest::newRow("blank between digits") << QByteArray(" 1 2") << 12.0;
    QTest::newRow("blanks everywhere") << QByteArray(" - 1 2 . 5 e 1") << -125.0;
    QTest::newRow("plus sign") << QByteArray("+5") << 5.0;
    QTest::newRow("minus sign") << QByteArray("-3.5") << -3.5;
    QTest::newRow("negative fraction") << QByteArray("-.5") << -0.5;
    QTest::newRow("two signs") << QByteArray("--1") << 0.0;
    QTest::newRow("sign after digits ends it") << QByteArray("1-2") << 1.0;
    QTest::newRow("comma ends it") << QByteArray("1,5") << 1.0;
    QTest::newRow("leading zeros") << QByteArray("00012") << 12.0;
    QTest::newRow("exponent") << QByteArray("1e3") << 1000.0;
    QTest::newRow("capital exponent with sign") << QByteArray("1E+2") << 100.0;
    QTest::newRow("exponent after point") << QByteArray("1.e2") << 100.0;
    QTest::newRow("negative exponent, then junk") << QByteArray("2.5E-1x") << 0.25;
    QTest::newRow("exponent without digits") << QByteArray("1e") << 1.0;
    QTest::newRow("exponent sign without digits") << QByteArray("1e+") << 1.0;
    QTest::newRow("exponent without mantissa") << QByteArray("e5") << 0.0;
    QTest::newRow("point then exponent") << QByteArray(".e5") << 0.0;
    QTest::newRow("second exponent ends it") << QByteArray("1e2e3") << 100.0;
    QTest::newRow("hexadecimal is not read") << QByteArray("0x10") << 0.0;
    QTest::newRow("words are not read") << QByteArray("inf") << 0.0;

    // Beyond the range of a double: too large gives an infinity, too small gives zero.
    QTest::newRow("overflow") << QByteArray("1e400") << infinity;
    QTest::newRow("negative overflow") << QByteArray("-1e400") << -infinity;
    QTest::newRow("huge exponent") << QByteArray("1e999999999999") << infinity;
    QTest::newRow("overflow by digits") << QByteArray("100000e304") << infinity;
    QTest::newRow("overflow behind zeros") << QByteArray("000.5e309") << infinity;
    QTest::newRow("largest decade still fits") << QByteArray("000.1e309") << 1e308;
    QTest::newRow("underflow") << QByteArray("1e-400") << 0.0;
    QTest::newRow("underflow behind zeros") << QByteArray("0.00001e-319") << 0.0;
    QTest::newRow("zero with huge exponent") << QByteArray("0e999999") << 0.0;
    QTest::newRow("small but normal") << QByteArray("1000e-310") << 1e-307;
}

void TestReading::leadingNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    const double value = orvane::leadingNumber(text.toStdString());
    // The decimal literals above are read by the compiler into the same nearest double.
    QVERIFY2(value == expected, mismatch(value, expected));
}

void TestReading::wholeNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << QByteArray("") << false << 0.0;
    QTest::newRow("blanks") << QByteArray("   ") << false << 0.0;
    QTest::newRow("letter") << QByteArray("x") << false << 0.0;
    QTest::newRow("lone point") << QByteArray(".") << false << 0.0;
    QTest::newRow("lone minus") << QByteArray("-") << false << 0.0;
    QTest::newRow("trailing letter") << QByteArray("1x") << false << 0.0;
    QTest::newRow("blank inside") << QByteArray("1 2") << false << 0.0;
    QTest::newRow("unfinished exponent") << QByteArray("1e") << false << 0.0;
    QTest::newRow("two points") << QByteArray("1.2.") << false << 0.0;
    QTest::newRow("blanks around") << QByteArray(" 0.75 ") << true << 0.75;
    QTest::newRow("quarter") << QByteArray("0.25") << true << 0.25;
    QTest::newRow("whole") << QByteArray("8") << true << 8.0;
    QTest::newRow("no leading zero") << QByteArray(".25") << true << 0.25;
    QTest::newRow("negative") << QByteArray("-1") << true << -1.0;
    QTest::newRow("plus sign") << QByteArray("+.5") << true << 0.5;
    QTest::newRow("exponent") << QByteArray("1e3") << true << 1000.0;
    QTest::newRow("overflow") << QByteArray("1e400") << true << infinity;
}

void TestReading::wholeNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, isNumber);
    QFETCH(double, expected);
    const std::optional<double> value = orvane::wholeNumber(text.toStdString());
    QCOMPARE(value.has_value(), isNumber);
    if (isNumber)
        QVERIFY2(*value == expected, mismatch(*value, expected));
}

void TestReading::shortestDecimal_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    // Spinner values divided by four.
    QTest::newRow("144") << 144 / 4.0 << "36";
    QTest::newRow("121") << 121 / 4.0 << "30.25";
    QTest::newRow("1") << 1 / 4.0 << "0.25";
    QTest::newRow("2") << 2 / 4.0 << "0.5";
    QTest::newRow("3") << 3 / 4.0 << "0.75";
    QTest::newRow("0") << 0 / 4.0 << "0";
    QTest::newRow("288") << 288 / 4.0 << "72";
    QTest::newRow("119") << 119 / 4.0 << "29.75";
    QTest::newRow("32") << 32 / 4.0 << "8";
}

void TestReading::shortestDecimal()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(orvane::shortestDecimal(value)), expected);
}

// Every value a quarter-inch spinner can hold is written as whole inches and ".25", ".5" or ".75",
// and reads back as the same number.
void TestReading::quarterValuesReadBack()
{
    static const char *const quarters[] = { "", ".25", ".5", ".75" };
    for (int quarter = 0; quarter <= 4 * 72; ++quarter) {
        const double value = quarter / 4.0;
        const std::string text = orvane::shortestDecimal(value);
        QCOMPARE(QString::fromStdString(text),
            QString::number(quarter / 4) + QLatin1String(quarters[quarter % 4]));
        QCOMPARE(orvane::leadingNumber(text), value);
        QCOMPARE(orvane::wholeNumber(text).value_or(-1), value);
    }
}

QTEST_APPLESS_MAIN(TestReading)
#include "tst_reading.moc"
