// The results the command line writes: each ring's numbers against the closed forms of the
// geometry, the window's captions, and the text, csv and json they are written as.

#include "core/csv.h"
#include "core/jsontext.h"
#include "core/results.h"
#include "core/vesselresults.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cmath>
#include <limits>

using namespace orvane;

class TestResults : public QObject
{
    Q_OBJECT

private slots:
    void closedForms_data();
    void closedForms();
    void startRingCaptions();
    void text();
    void csvReadsBack();
    void jsonReadsBack();
    void shortestNumbers_data();
    void shortestNumbers();
    void jsonStrings_data();
    void jsonStrings();
};

namespace {

constexpr double pi = 3.141593; // the program's pi, which every angle uses

RingDesign ringOf(double n, double outer, double inner, double fudge, double thickness = 0.75,
    double kerf = 0.125, const std::string &name = "Ring")
{
    RingDesign ring = orvane::ringOf(RingInputs { n, outer, inner, fudge }, thickness, kerf);
    ring.name = name;
    return ring;
}

RingResult resultsOf(const RingDesign &ring)
{
    const RingResult result = computeRingResult(ring);
    if (!result.sound())
        qFatal("the ring was refused: %s", result.problems.front().message.c_str());
    return result;
}

// The foot of a flat-bottomed cylinder of radius 3: a disc below its floor, stacked from h 0.
RingResult footDisc()
{
    Vessel vessel;
    vessel.profile = { { 0, 0, false }, { 3, 0, true }, { 3, 2, true } };
    RingDesign foot = ringOf(8, 1, 0.5, 0.5, 0.75, 0.125, "Foot");
    foot.ownFudge = true;
    vessel.rings = { foot };
    return computeVessel(vessel).rings.front();
}

bool near(double actual, double expected)
{
    return std::abs(actual - expected) <= 1e-12 * std::max(1.0, std::abs(expected));
}

QByteArray mismatch(double actual, double expected)
{
    return "actual " + QByteArray::number(actual, 'g', 17) + ", expected "
        + QByteArray::number(expected, 'g', 17);
}

QStringList fieldNames()
{
    QStringList names;
    for (const std::string_view field : resultFields)
        names << QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size()));
    return names;
}

} // namespace

void TestResults::closedForms_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("outer");
    QTest::addColumn<double>("inner");
    QTest::addColumn<double>("fudge");
    QTest::addColumn<double>("thickness");
    QTest::addColumn<double>("kerf");

    QTest::newRow("start") << 6.0 << 36.0 << 30.0 << 0.25 << 0.75 << 0.125;
    QTest::newRow("three segments") << 3.0 << 10.0 << 4.0 << 0.0 << 1.0 << 0.0;
    QTest::newRow("thirty segments") << 30.0 << 72.0 << 71.0 << 4.0 << 8.0 << 0.25;
    QTest::newRow("pie wedges") << 8.0 << 6.0 << 0.25 << 0.125 << 0.5 << 0.1;
    QTest::newRow("a hundred segments") << 100.0 << 48.0 << 46.0 << 0.25 << 0.75 << 0.125;
    QTest::newRow("thin ring in mm")
        << 24.0 << 254 / 25.4 << 240 / 25.4 << 0.0625 << 0.75 << 3 / 25.4;
    QTest::newRow("odd count") << 13.0 << 17.5 << 12.25 << 0.5 << 1.25 << 0.09375;
}

// The numbers against the closed forms: short side 2 Ri sin(t/2), long side 2 Ro tan(t/2), board
// width Ro - Ri cos(t/2), t = 360° / n with pi = 3.141593.
void TestResults::closedForms()
{
    QFETCH(double, n);
    QFETCH(double, outer);
    QFETCH(double, inner);
    QFETCH(double, fudge);
    QFETCH(double, thickness);
    QFETCH(double, kerf);
    const RingResult results = resultsOf(ringOf(n, outer, inner, fudge, thickness, kerf));

    const double half = 360 / n * pi / 180 / 2;
    const double ro = outer / 2 + fudge;
    const double ri = inner / 2 - fudge;
    const double shortSide = 2 * ri * std::sin(half);
    const double longSide = 2 * ro * std::tan(half);
    const double width = ro - ri * std::cos(half);
    const double feet = n * (longSide + shortSide) / 2 * width * thickness / 144;
    const double strip = n * (longSide + shortSide) / 2 + (longSide - shortSide) / 2
        + (n - 1) * kerf / std::cos(half);

    QVERIFY2(
        near(results.longSide->inches, longSide), mismatch(results.longSide->inches, longSide));
    QVERIFY2(
        near(results.shortSide->inches, shortSide), mismatch(results.shortSide->inches, shortSide));
    QVERIFY2(near(results.boardWidth->inches, width), mismatch(results.boardWidth->inches, width));
    QVERIFY2(near(*results.boardFeet, feet), mismatch(*results.boardFeet, feet));
    QVERIFY2(
        near(results.stripLength->inches, strip), mismatch(results.stripLength->inches, strip));
    // Millimetres in the records are inches times 25.4, nothing else.
    const auto values = resultValues(results);
    QCOMPARE(std::get<double>(values[11]), results.longSide->inches * 25.4);
    QCOMPARE(std::get<double>(values[14]), results.shortSide->inches * 25.4);
    QCOMPARE(std::get<double>(values[17]), results.boardWidth->inches * 25.4);
    QCOMPARE(std::get<double>(values[21]), results.stripLength->inches * 25.4);
    // The miter angles are worked out from the count alone, in degrees.
    QCOMPARE(results.miters->shortSide, 180 / n);
    QCOMPARE(results.miters->longSide, 90 - 180 / n);
}

// The ring the window starts with: long side 21.073287635, short side 14.750001475 (a little
// above 14 3/4 because of the program's pi), board width 5.476125720, board feet 3.0652005.
void TestResults::startRingCaptions()
{
    const RingResult results = resultsOf(defaultRing());
    QCOMPARE(results.design.name, std::string("Segmented Circle "));
    QCOMPARE(results.longSide->fraction, std::string(" 21  1/ 16+"));
    QCOMPARE(results.shortSide->fraction, std::string(" 14  3/ 4+"));
    QCOMPARE(results.boardWidth->fraction, std::string(" 5  1/ 2-"));
    // 111.3532 inches: 0.3532 * 16 = 5.65 sixteenths, up to 3/8.
    QCOMPARE(results.stripLength->fraction, std::string(" 111  3/ 8-"));
    QCOMPARE(results.stripLength->millimetres, std::string("2828.4"));
    QCOMPARE(std::get<std::string>(resultValues(results)[10]), std::string("21  1/ 16+"));
}

void TestResults::text()
{
    const std::string text = resultsText(
        { resultsOf(defaultRing()), resultsOf(ringOf(12, 10, 8, 0, 1, 0, "Rim")), footDisc() });
    const QString shown = QString::fromStdString(text);
    // The window's captions of the start ring.
    for (const char *caption : { "Project Name: Segmented Circle \n", " 21  1/ 16+", "21.07329",
             " 14  3/ 4+", "14.75000", " 5  1/ 2-", "5.47613", "30.0°", "60.0°", "3.0652" }) {
        QVERIFY2(shown.contains(QString::fromUtf8(caption)), caption);
    }
    // The second ring: 12 segments, miter angles 75 and 15 degrees.
    QVERIFY(shown.contains(QStringLiteral("Project Name: Rim\n")));
    QVERIFY(shown.contains(QString::fromUtf8("75.0°")));
    QVERIFY(shown.contains(QString::fromUtf8("15.0°")));
    QVERIFY(shown.contains(QStringLiteral("Board feet of all rings")));
    // The disc: its square blank, 7 inches, and no segments.
    const QString disc = shown.section(QStringLiteral("Project Name: Foot\n"), 1);
    QVERIFY(disc.contains(QStringLiteral("Disc blank, square, in.")));
    QVERIFY(disc.contains(QStringLiteral("7.00000")));
    QVERIFY(disc.contains(QStringLiteral(".2552")));
    QVERIFY(!disc.contains(QStringLiteral("# of Segments")));
    // The lumber per wood ends the text: the rings without a wood together, 6 + 12 segments, and
    // the disc, all the board feet there are.
    const QStringList lines = shown.split('\n');
    QCOMPARE(lines.mid(lines.size() - 4),
        QStringList(
            { "", "Lumber per wood                 Segments  Strip length, in.   Board feet",
                lines.value(lines.size() - 2), "" }));
    const QString allFeet
        = shown.section(QStringLiteral("Board feet of all rings"), 1).section('\n', 0, 0);
    QVERIFY(lines.value(lines.size() - 2)
                .startsWith(QStringLiteral("(no wood given)                 18        ")));
    QVERIFY(lines.value(lines.size() - 2).endsWith(allFeet.trimmed()));
}

void TestResults::csvReadsBack()
{
    const std::string awkward = "Rim, \"top\"\nsecond line";
    const std::vector<RingResult> rings { resultsOf(defaultRing()),
        resultsOf(ringOf(7, 254 / 25.4, 3, 1.0 / 3, 1, 0.1, awkward)), footDisc() };
    const CsvText csv = readCsv(resultsCsv(rings));
    QVERIFY(!csv.problem);
    QCOMPARE(csv.records.size(), 4u);

    QStringList header;
    for (const std::string &field : csv.records[0].fields)
        header << QString::fromStdString(field);
    QCOMPARE(header,
        QStringList({ "name", "segments", "outer_in", "inner_in", "fudge_in", "thickness_in",
            "kerf_in", "long_side_angle_deg", "short_side_angle_deg", "long_side_in",
            "long_side_fraction", "long_side_mm", "short_side_in", "short_side_fraction",
            "short_side_mm", "board_width_in", "board_width_fraction", "board_width_mm",
            "board_feet", "strip_length_in", "strip_length_fraction", "strip_length_mm", "wood",
            "kind", "bottom_in", "top_in", "blank_side_in", "rotation_deg" }));

    for (std::size_t r = 0; r < rings.size(); ++r) {
        const CsvRecord &record = csv.records[r + 1];
        QCOMPARE(record.fields.size(), resultFields.size());
        const auto values = resultValues(rings[r]);
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (const auto *text = std::get_if<std::string>(&values[i])) {
                QCOMPARE(record.fields[i], *text);
            } else if (std::holds_alternative<std::monostate>(values[i])) {
                QCOMPARE(record.fields[i], std::string());
            } else {
                // Every number reads back as the very same double.
                bool ok = false;
                const double back = QByteArray::fromStdString(record.fields[i]).toDouble(&ok);
                QVERIFY2(ok, record.fields[i].c_str());
                QVERIFY2(back == std::get<double>(values[i]),
                    mismatch(back, std::get<double>(values[i])));
            }
        }
    }
    QCOMPARE(csv.records[2].fields[0], awkward);
    // A ring stands where the stack puts it, and has no square blank; a disc has no segments.
    QCOMPARE(csv.records[1].fields[23], std::string("ring"));
    QCOMPARE(csv.records[1].fields[26], std::string());
    const std::vector<std::string> &disc = csv.records[3].fields;
    QCOMPARE(QList<std::string>(disc.begin() + 23, disc.end()),
        QList<std::string>({ "disc", "0", "0.75", "7", "" }));
    QCOMPARE(QList<std::string>(disc.begin(), disc.begin() + 10),
        QList<std::string>({ "Foot", "", "6", "0", "0.5", "0.75", "0.125", "", "", "" }));
    QCOMPARE(disc[18], std::string("0.2552083333333333")); // 7 x 7 x 0.75 / 144
    QCOMPARE(disc[21], std::string());
    QCOMPARE(csv.records[1].fields[0], std::string("Segmented Circle "));
}

void TestResults::jsonReadsBack()
{
    const std::string awkward = std::string("a \"b\" \\c\td\x01\x1f\ne\xc3\xa9", 16);
    const std::vector<RingResult> rings { resultsOf(defaultRing()),
        resultsOf(ringOf(30, 72, 71, 4, 8, 0.25, awkward)),
        resultsOf(ringOf(5, 20, 1.5, 0.1, 2, 0)), footDisc() };
    QJsonParseError error;
    const QJsonDocument document
        = QJsonDocument::fromJson(QByteArray::fromStdString(resultsJson(rings)), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject root = document.object();
    QCOMPARE(root.keys(),
        QStringList({ "rings", "total_board_feet", "total_strip_length_in", "woods" }));
    const QJsonArray array = root.value("rings").toArray();
    QCOMPARE(array.size(), 4);

    QStringList expectedKeys = fieldNames();
    expectedKeys.sort();
    double feet = 0;
    double strip = 0;
    for (std::size_t r = 0; r < rings.size(); ++r) {
        const QJsonObject ring = array[static_cast<qsizetype>(r)].toObject();
        QCOMPARE(ring.keys(), expectedKeys);
        const auto values = resultValues(rings[r]);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const QJsonValue value = ring.value(fieldNames()[static_cast<qsizetype>(i)]);
            if (const auto *text = std::get_if<std::string>(&values[i])) {
                QCOMPARE(value.toString(), QString::fromStdString(*text));
            } else if (std::holds_alternative<std::monostate>(values[i])) {
                QVERIFY(value.isNull());
            } else {
                QVERIFY(value.isDouble());
                QVERIFY2(value.toDouble() == std::get<double>(values[i]),
                    mismatch(value.toDouble(), std::get<double>(values[i])));
            }
        }
        feet += *rings[r].boardFeet;
        strip += rings[r].stripLength ? rings[r].stripLength->inches : 0;
    }
    QCOMPARE(array[1].toObject().value("name").toString(), QString::fromStdString(awkward));
    QCOMPARE(array[3].toObject().value("segments").isNull(), true);
    QCOMPARE(array[3].toObject().value("blank_side_in").toDouble(), 7.0);
    QCOMPARE(root.value("total_board_feet").toDouble(), feet);
    QCOMPARE(root.value("total_strip_length_in").toDouble(), strip);
}

void TestResults::shortestNumbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("whole") << 36.0 << QByteArray("36");
    QTest::newRow("quarter") << 0.25 << QByteArray("0.25");
    QTest::newRow("tenth") << 0.1 << QByteArray("0.1");
    QTest::newRow("negative") << -2.5 << QByteArray("-2.5");
    QTest::newRow("zero") << 0.0 << QByteArray("0");
    QTest::newRow("third") << 1.0 / 3 << QByteArray("0.3333333333333333");
    QTest::newRow("tiny") << 1e-5 << QByteArray("1e-05");
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << QByteArray();
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << QByteArray();
}

void TestResults::shortestNumbers()
{
    QFETCH(double, value);
    QFETCH(QByteArray, text);
    QCOMPARE(QByteArray::fromStdString(shortestNumber(value)), text);
}

void TestResults::jsonStrings_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("json");

    QTest::newRow("plain") << QByteArray("Rim") << QByteArray("\"Rim\"");
    QTest::newRow("empty") << QByteArray("") << QByteArray("\"\"");
    QTest::newRow("quote and backslash") << QByteArray("a\"b\\c") << QByteArray(R"("a\"b\\c")");
    QTest::newRow("named controls") << QByteArray("\b\f\n\r\t") << QByteArray(R"("\b\f\n\r\t")");
    QTest::newRow("other controls")
        << QByteArray("\x01\x1f\x7f", 3) << QByteArray("\"\\u0001\\u001f\x7f\"");
    QTest::newRow("nul") << QByteArray("a\0b", 3) << QByteArray(R"("a\u0000b")");
    QTest::newRow("two-byte character")
        << QByteArray("caf\xc3\xa9") << QByteArray("\"caf\xc3\xa9\"");
    QTest::newRow("four-byte character")
        << QByteArray("\xf0\x9f\x8c\xb2") << QByteArray("\"\xf0\x9f\x8c\xb2\"");
    QTest::newRow("Latin-1 byte") << QByteArray("K\xfc") << QByteArray(R"("K\ufffd")");
    QTest::newRow("lone continuation byte") << QByteArray("a\x80z") << QByteArray(R"("a\ufffdz")");
    QTest::newRow("cut-off character")
        << QByteArray("a\xe2\x82") << QByteArray(R"("a\ufffd\ufffd")");
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << QByteArray(R"("\ufffd\ufffd")");
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80")
                               << QByteArray(R"("\ufffd\ufffd\ufffd")");
    QTest::newRow("beyond U+10FFFF")
        << QByteArray("\xf4\x90\x80\x80") << QByteArray(R"("\ufffd\ufffd\ufffd\ufffd")");
}

void TestResults::jsonStrings()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, json);
    QCOMPARE(QByteArray::fromStdString(jsonString(text.toStdString())), json);
}

QTEST_APPLESS_MAIN(TestResults)
#include "tst_results.moc"
