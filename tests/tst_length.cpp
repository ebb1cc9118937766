// Lengths as the command line and project files take them: units, fractions, decimal commas, and
// every text that is not a length.

#include "core/length.h"

#include <QTest>

#include <string>

using namespace orvane;

class TestLength : public QObject
{
    Q_OBJECT

private slots:
    void lengths_data();
    void lengths();
    void notLengths_data();
    void notLengths();
    void decimalMarks_data();
    void decimalMarks();
    void metricIsTheSameRing();
};

namespace {
QByteArray mismatch(double actual, double expected)
{
    return "actual " + QByteArray::number(actual, 'g', 17) + ", expected "
        + QByteArray::number(expected, 'g', 17);
}
} // namespace

void TestLength::lengths_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("inches");

    QTest::newRow("whole inches") << QByteArray("36") << 36.0;
    QTest::newRow("decimal") << QByteArray("30.25") << 30.25;
    QTest::newRow("no digit before the point") << QByteArray(".25") << 0.25;
    QTest::newRow("leading zero") << QByteArray("0.25") << 0.25;
    QTest::newRow("point without decimals") << QByteArray("5.") << 5.0;
    QTest::newRow("zero") << QByteArray("0") << 0.0;
    QTest::newRow("blanks around") << QByteArray("  \t12 \t") << 12.0;
    QTest::newRow("in") << QByteArray("12in") << 12.0;
    QTest::newRow("blank before in") << QByteArray("12 in") << 12.0;
    QTest::newRow("IN") << QByteArray("12 IN") << 12.0;
    QTest::newRow("inch mark") << QByteArray("12\"") << 12.0;
    QTest::newRow("blank before inch mark") << QByteArray("12 \"") << 12.0;
    QTest::newRow("mm") << QByteArray("254mm") << 10.0;
    QTest::newRow("MM with a blank") << QByteArray("12.7 MM") << 0.5;
    QTest::newRow("Mm") << QByteArray("25.4Mm") << 1.0;
    QTest::newRow("mm not a whole number of inches") << QByteArray("100mm") << 100 / 25.4;
    QTest::newRow("mm of a quarter inch") << QByteArray("19.05mm") << 0.75;
    QTest::newRow("mm with trailing zeros") << QByteArray("19.0500 mm") << 0.75;
    QTest::newRow("mm with leading zeros") << QByteArray("0019.05mm") << 0.75;
    QTest::newRow("mm, many digits")
        << QByteArray("25.40000000000000000000000000000000001mm") << 1.0;
    QTest::newRow("zero mm") << QByteArray("0mm") << 0.0;
    QTest::newRow("cm") << QByteArray("2.54cm") << 1.0;
    QTest::newRow("whole cm") << QByteArray("254cm") << 100.0;
    QTest::newRow("cm with a blank") << QByteArray("91.44 cm") << 36.0;
    // 3.5 cm is 35 mm: the point moves, and only the division by 25.4 rounds.
    QTest::newRow("cm is ten mm") << QByteArray("3.5cm") << 35 / 25.4;
    QTest::newRow("fraction") << QByteArray("3/4") << 0.75;
    QTest::newRow("fraction in inches") << QByteArray("3/4in") << 0.75;
    QTest::newRow("fraction with inch mark") << QByteArray("3/4\"") << 0.75;
    QTest::newRow("improper fraction") << QByteArray("21/4") << 5.25;
    QTest::newRow("third") << QByteArray("1/3") << 1.0 / 3;
    QTest::newRow("whole and fraction") << QByteArray("10 1/2") << 10.5;
    QTest::newRow("whole and fraction, blanks") << QByteArray("10   1/2  in") << 10.5;
    QTest::newRow("whole, tab and fraction") << QByteArray("10\t1/2") << 10.5;
    QTest::newRow("whole-fraction") << QByteArray("10-1/2") << 10.5;
    QTest::newRow("whole-fraction, inch mark") << QByteArray("10-3/16\"") << 10.1875;
    QTest::newRow("negative") << QByteArray("-3.5") << -3.5;
    QTest::newRow("negative fraction") << QByteArray("-3/4") << -0.75;
    QTest::newRow("negative whole and fraction") << QByteArray("-10 1/2") << -10.5;
    QTest::newRow("negative whole-fraction") << QByteArray("-10-1/2") << -10.5;
    QTest::newRow("negative mm") << QByteArray("-25.4mm") << -1.0;
    QTest::newRow("plus sign") << QByteArray("+7") << 7.0;
    QTest::newRow("leading zeros") << QByteArray("007") << 7.0;
    QTest::newRow("long decimal") << QByteArray("0.1000000000000000055511151231257827") << 0.1;
}

void TestLength::lengths()
{
    QFETCH(QByteArray, text);
    QFETCH(double, inches);
    const auto length = readLength(text.toStdString());
    QVERIFY2(length.has_value(), text);
    QVERIFY2(*length == inches, mismatch(*length, inches));
}

void TestLength::notLengths_data()
{
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("blanks") << QByteArray("   ");
    QTest::newRow("word") << QByteArray("abc");
    QTest::newRow("unit alone") << QByteArray("mm");
    QTest::newRow("lone point") << QByteArray(".");
    QTest::newRow("lone minus") << QByteArray("-");
    QTest::newRow("two signs") << QByteArray("--1");
    QTest::newRow("blank after the sign") << QByteArray("- 1");
    QTest::newRow("trailing garbage") << QByteArray("12abc");
    QTest::newRow("garbage after the unit") << QByteArray("12 mm x");
    QTest::newRow("two units") << QByteArray("12 in mm");
    QTest::newRow("unknown unit") << QByteArray("12 ft");
    QTest::newRow("longer unit") << QByteArray("12 mmm");
    QTest::newRow("unit, then number") << QByteArray("10in10");
    QTest::newRow("two numbers") << QByteArray("1 2");
    QTest::newRow("decimal comma") << QByteArray("1,5");
    QTest::newRow("two points") << QByteArray("1.2.3");
    QTest::newRow("exponent") << QByteArray("1e3");
    QTest::newRow("exponent too large") << QByteArray("1e400");
    QTest::newRow("too large for a double") << QByteArray(std::string(400, '9').c_str());
    QTest::newRow("too large in mm") << QByteArray((std::string(400, '9') + "mm").c_str());
    QTest::newRow("fraction too large") << QByteArray((std::string(400, '9') + "/2").c_str());
    QTest::newRow("infinity") << QByteArray("inf");
    QTest::newRow("NaN") << QByteArray("nan");
    QTest::newRow("hexadecimal") << QByteArray("0x10");
    QTest::newRow("zero denominator") << QByteArray("3/0");
    QTest::newRow("zero denominator after a whole") << QByteArray("10 1/0");
    QTest::newRow("zero over zero") << QByteArray("0/0");
    QTest::newRow("no denominator") << QByteArray("3/");
    QTest::newRow("no numerator") << QByteArray("/4");
    QTest::newRow("two slashes") << QByteArray("1/2/3");
    QTest::newRow("decimal numerator") << QByteArray("1.5/2");
    QTest::newRow("decimal whole before a fraction") << QByteArray("10.5 1/2");
    QTest::newRow("blanks around the hyphen") << QByteArray("10 - 1/2");
    QTest::newRow("hyphen and blank") << QByteArray("10- 1/2");
    QTest::newRow("blank before the slash") << QByteArray("10 1 /2");
    QTest::newRow("fraction of millimetres") << QByteArray("1/2mm");
    QTest::newRow("whole and fraction of centimetres") << QByteArray("10 1/2 cm");
    QTest::newRow("fraction, then garbage") << QByteArray("3/4x");
    QTest::newRow("unit before the number") << QByteArray("in 12");
}

void TestLength::notLengths()
{
    QFETCH(QByteArray, text);
    const auto length = readLength(text.toStdString());
    QVERIFY2(!length.has_value(), QByteArray::number(length.value_or(0), 'g', 17));
}

void TestLength::decimalMarks_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("withComma"); // the length in inches, or why it is not one
    QTest::addColumn<QString>("withPoint");
    const auto inches = [](double value) { return QString::number(value, 'g', 17); };
    const QString forms = QString::fromUtf8(lengthForms);
    const QString twoMarks = QString::fromUtf8(oneDecimalMark);
    const auto row = [](const char *text, const QString &withComma, const QString &withPoint) {
        QTest::newRow(text) << QByteArray(text) << withComma << withPoint;
    };

    row("10,5", inches(10.5), forms);
    row("10,5mm", inches(105.0 / 254), forms);
    row("19,05 mm", inches(0.75), forms);
    row("-2,54cm", inches(-1), forms);
    row(" 12,5\" ", inches(12.5), forms);
    row(",25", inches(0.25), forms);
    row("10.5", inches(10.5), inches(10.5));
    row("10 1/2", inches(10.5), inches(10.5));
    row("1,000.5", twoMarks, forms);
    row("1.000,5 mm", twoMarks, forms);
    row("1,2,3", forms, forms);
    row("10,5 1/2", forms, forms);
}

// A comma is a decimal mark only where it may be one; a text with both marks is refused, and the
// message says why.
void TestLength::decimalMarks()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, withComma);
    QFETCH(QString, withPoint);
    const auto read = [&](DecimalMark mark) {
        const auto length = readLength(text.toStdString(), mark);
        return length ? QString::number(*length, 'g', 17)
                      : QString::fromUtf8(whyNotALength(text.toStdString(), mark));
    };
    QCOMPARE(read(DecimalMark::comma), withComma);
    QCOMPARE(read(DecimalMark::point), withPoint);
}

// The same diameter written in inches, millimetres and centimetres must give the very same
// double, or the command line would compute slightly different rings for them: every quarter
// inch the spinners reach, and far beyond.
void TestLength::metricIsTheSameRing()
{
    for (int quarters = 1; quarters <= 4000; ++quarters) {
        const double inches = quarters / 4.0;
        // quarters * 6.35 mm, written out exactly: 6.35 = 635 / 100.
        const std::string mm = std::to_string(quarters * 635 / 100) + "."
            + QByteArray::number(quarters * 635 % 100).rightJustified(2, '0').toStdString();
        const std::string cm = std::to_string(quarters * 635 / 1000) + "."
            + QByteArray::number(quarters * 635 % 1000).rightJustified(3, '0').toStdString();
        const auto fromMm = readLength(mm + "mm");
        const auto fromCm = readLength(cm + " cm");
        QVERIFY2(fromMm && fromCm, (mm + " / " + cm).c_str());
        QVERIFY2(*fromMm == *fromCm, (mm + " / " + cm).c_str());
        QVERIFY2(
            *fromMm == inches, QByteArray::fromStdString(mm) + ": " + mismatch(*fromMm, inches));
    }
}

QTEST_APPLESS_MAIN(TestLength)
#include "tst_length.moc"
