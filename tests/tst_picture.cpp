// Format pictures: every number on the window and on the report goes through one of them.

#include "core/picture.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace orvane;

class TestPicture : public QObject
{
    Q_OBJECT

private slots:
    void formatPicture_data();
    void formatPicture();
    void notFinite_data();
    void notFinite();
    void manyDecimals_data();
    void manyDecimals();
    void fifteenDigits_data();
    void fifteenDigits();
};

namespace {

QString fromPicture(std::string_view picture)
{
    return QString::fromUtf8(picture.data(), static_cast<qsizetype>(picture.size()));
}

void addRow(const char *name, double value, std::string_view picture, const char *expected)
{
    QTest::newRow(name) << value << fromPicture(picture) << QString::fromUtf8(expected);
}

} // namespace

void TestPicture::formatPicture_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("expected");

    // Miter angles: at least one decimal, at most five.
    addRow("angle 30", 30, anglePicture, "30.0°");
    addRow("angle 60", 60, anglePicture, "60.0°");
    addRow("angle 11.25", 11.25, anglePicture, "11.25°");
    addRow("angle 180/7", 180.0 / 7, anglePicture, "25.71429°");
    addRow("angle 90 - 180/7", 90 - 180.0 / 7, anglePicture, "64.28571°");
    addRow("angle 0.5", 0.5, anglePicture, ".5°");
    addRow("angle 0", 0, anglePicture, ".0°");
    addRow("angle rounds to zero", 0.000004, anglePicture, ".0°");
    addRow("angle smallest step", 0.0000051, anglePicture, ".00001°");
    addRow("angle half step rounds up", 1.0 / 64, anglePicture, ".01563°"); // 0.015625
    addRow("angle carries past the #s", 99.999999, anglePicture, "100.0°");
    addRow("angle negative", -0.5, anglePicture, "-.5°");
    addRow("angle negative half step", -1.0 / 64, anglePicture, "-.01563°");

    // Lengths: always five decimals.
    addRow("decimal 5.3", 5.3, decimalPicture, "5.30000");
    addRow("decimal 0.3", 0.3, decimalPicture, ".30000");
    addRow("decimal 1234.5", 1234.5, decimalPicture, "1234.50000");
    addRow("decimal 0", 0, decimalPicture, ".00000");
    addRow("decimal 5.97", 5.97, decimalPicture, "5.97000");
    addRow("decimal exact five places", 5.03125, decimalPicture, "5.03125");
    addRow("decimal rounds up", 21.073287635, decimalPicture, "21.07329");
    addRow("decimal rounds down", 14.750001475, decimalPicture, "14.75000");
    addRow("decimal half rounds up", 1.0 / 64, decimalPicture, ".01563");
    addRow("decimal carries into the point", 0.999996, decimalPicture, "1.00000");
    addRow("decimal carries over nines", 999.999996, decimalPicture, "1000.00000");
    addRow("decimal negative", -2.3, decimalPicture, "-2.30000");
    addRow("decimal large", 1e15, decimalPicture, "1000000000000000.00000");

    // Board feet: up to four decimals, the point always shown.
    addRow("feet below one", 0.2109375, boardFeetPicture, ".2109");
    addRow("feet trailing zero dropped", 0.21096, boardFeetPicture, ".211");
    addRow("feet whole", 3, boardFeetPicture, "3.");
    addRow("feet carries to whole", 9.99999, boardFeetPicture, "10.");
    addRow("feet below one carries", 0.99999, boardFeetPicture, "1.");
    addRow("feet half rounds up", 1.0 / 32, boardFeetPicture, ".0313"); // 0.03125
    addRow("feet below half rounds down", 0.0312499, boardFeetPicture, ".0312");
    addRow("feet negative half", -1.0 / 32, boardFeetPicture, "-.0313");
    addRow("feet negative carries", -9.99999, boardFeetPicture, "-10.");
    addRow("feet four places", 1234.56789, boardFeetPicture, "1234.5679");
    addRow("feet more digits than #s", 123456.7, boardFeetPicture, "123456.7");
    addRow("feet large", 1e20, boardFeetPicture, "100000000000000000000.");
    addRow("feet zero", 0, boardFeetPicture, ".");

    // Angles of the detail view and the report.
    addRow("detail 30", 30, detailAnglePicture, "30.°");
    addRow("detail 22.5", 22.5, detailAnglePicture, "22.5°");
    addRow("detail 180/7", 180.0 / 7, detailAnglePicture, "25.7143°");
    addRow("detail 0.5", 0.5, detailAnglePicture, ".5°");
    addRow("detail carries", 59.99996, detailAnglePicture, "60.°");
    addRow("report 30", 30, reportAnglePicture, "30.°");
    addRow("report 180/7", 180.0 / 7, reportAnglePicture, "25.71429°");
    addRow("report 90 - 180/7", 90 - 180.0 / 7, reportAnglePicture, "64.28571°");
    addRow("report 67.5", 67.5, reportAnglePicture, "67.5°");
}

void TestPicture::formatPicture()
{
    QFETCH(double, value);
    QFETCH(QString, picture);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(orvane::formatPicture(value, picture.toStdString())), expected);
}

void TestPicture::notFinite_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity();
}

void TestPicture::notFinite()
{
    QFETCH(double, value);
    for (const std::string_view picture :
        { anglePicture, decimalPicture, boardFeetPicture, detailAnglePicture, reportAnglePicture })
        QCOMPARE(QString::fromStdString(orvane::formatPicture(value, picture)), QString());
}

void TestPicture::manyDecimals_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << 1300;
    QTest::newRow("1e300") << 1e300 << 2000;
    QTest::newRow("half") << 0.5 << 5000;
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min() << 1200;
}

// A picture with more decimals than a double has digits shows the number's whole decimal
// expansion, padded with zeros: it reads back as the same number.
void TestPicture::manyDecimals()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    const std::string picture = "#." + std::string(std::size_t(decimals), '0');
    const QString text = QString::fromStdString(orvane::formatPicture(value, picture));
    const qsizetype point = text.indexOf(u'.');
    QVERIFY(point >= 0);
    QCOMPARE(text.size() - point - 1, qsizetype(decimals));
    QCOMPARE(text.toDouble(), value);
    QVERIFY(text.endsWith(u'0'));
}

void TestPicture::fifteenDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("exact stays") << 3.375 << 3.375;
    QTest::newRow("third") << 1.0 / 3 << 0.333333333333333;
    QTest::newRow("two thirds rounds up") << 2.0 / 3 << 0.666666666666667;
    QTest::newRow("negative third") << -1.0 / 3 << -0.333333333333333;
    QTest::newRow("sum error goes") << 0.1 + 0.2 << 0.3;
    QTest::newRow("large") << 123456789.123456789 << 123456789.123457;
    QTest::newRow("small") << 1.0 / 3e10 << 3.33333333333333e-11;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity()
                              << std::numeric_limits<double>::infinity();
}

void TestPicture::fifteenDigits()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    const double carried = orvane::fifteenDigits(value);
    QVERIFY2(carried == expected, QByteArray::number(carried, 'g', 17));
}

QTEST_APPLESS_MAIN(TestPicture)
#include "tst_picture.moc"
