// The printed report, operation by operation, on a page that records instead of printing.

#include "report/reportpage.h"
#include "tests/support/recordingpagesurface.h"

#include <QTest>

#include <cmath>

namespace {

constexpr double programPi = 3.141593;
// How far a printed line moves the text down the recording page, in inches.
constexpr float lineHeight = 0.25f;

Operation op(Operation::Kind kind, QList<double> args = {}, const QString &text = {})
{
    Operation operation { kind, {}, std::nullopt, text };
    for (const double value : args)
        operation.args.append(static_cast<float>(value));
    return operation;
}

// The report as it must come out on a page of W by H printable inches, each position worked out
// from the layout of the page: the drawing about the centre, the header at the top left, the
// note at the bottom left.
QList<Operation> expectedReport(double W, double H, const QStringList &lines)
{
    const double cx = W / 2;
    const double cy = H / 2;
    const double pi = programPi;
    const double lh = lineHeight;
    QList<Operation> ops {
        op(Operation::ScaleUnitInches),
        op(Operation::PrintableHeight, { H }),
        op(Operation::ScaleHeight, { -H }),
        op(Operation::ScaleTop, { H }),
        op(Operation::PrintableWidth, { W }),
        op(Operation::FontSize, { 12 }),
        op(Operation::PenWidth, { 5 }),
        op(Operation::Rectangle, { 0.05, 0.05, W - 0.05, H - 0.05 }),
        op(Operation::Line, { cx - 1.5, cy - 4, cx + 1.5, cy - 2.3 }),
        op(Operation::Line, { cx + 1.5, cy - 2.3, cx + 1.5, cy + 2.3 }),
        op(Operation::Line, { cx + 1.5, cy + 2.3, cx - 1.5, cy + 4 }),
        op(Operation::Line, { cx - 1.5, cy + 4, cx - 1.5, cy - 4 }),
        op(Operation::Line, { cx - 1, cy - 2.3, cx, cy - 2.3 }),
        op(Operation::Arc, { cx - 1.5, cy + 4, 1.2, 3 * pi / 2, 3 * pi / 2 + pi / 3 }),
        op(Operation::Arc, { cx + 1.5, cy - 2.3, 2, pi, pi + pi / 6 }),
        // The header: each line after the first is set in by 0.1 from the left edge the last
        // print returned to.
        op(Operation::CurrentX, { 0.1 }),
        op(Operation::CurrentY, { H - 0.2 }),
        op(Operation::Print, { 0.1, H - 0.2 }, lines[0]),
        op(Operation::CurrentX, { 0.1 }),
        op(Operation::Print, { 0.1, H - 0.2 - lh }, lines[1]),
        op(Operation::CurrentX, { 0.1 }),
        op(Operation::Print, { 0.1, H - 0.2 - 2 * lh }, lines[2]),
        op(Operation::CurrentX, { 0.1 }),
        op(Operation::Print, { 0.1, H - 0.2 - 3 * lh }, lines[3]),
        op(Operation::CurrentX, { 0.1 }),
        op(Operation::Print, { 0.1, H - 0.2 - 4 * lh }, lines[4]),
        // Short side, then long side, each from mid-height down.
        op(Operation::CurrentX, { cx + 1.6 }),
        op(Operation::CurrentY, { cy }),
        op(Operation::Print, { cx + 1.6, cy }, lines[5]),
        op(Operation::CurrentX, { cx + 1.6 }),
        op(Operation::Print, { cx + 1.6, cy - lh }, lines[6]),
        op(Operation::CurrentX, { cx - 2.5 }),
        op(Operation::CurrentY, { cy }),
        op(Operation::Print, { cx - 2.5, cy }, lines[7]),
        op(Operation::CurrentX, { cx - 2.5 }),
        op(Operation::Print, { cx - 2.5, cy - lh }, lines[8]),
        // The angles inside their arcs.
        op(Operation::CurrentX, { cx - 1.4 }),
        op(Operation::CurrentY, { cy + 3.3 }),
        op(Operation::Print, { cx - 1.4, cy + 3.3 }, lines[9]),
        op(Operation::CurrentX, { cx - 0.1 }),
        op(Operation::CurrentY, { cy - 2.6 }),
        op(Operation::Print, { cx - 0.1, cy - 2.6 }, lines[10]),
        // The note; its second line starts at the left edge.
        op(Operation::CurrentX, { 0.2 }),
        op(Operation::CurrentY, { 0.5 }),
        op(Operation::Print, { 0.2, 0.5 }, lines[11]),
        op(Operation::Print, { 0, 0.5 - lh }, lines[12]),
        op(Operation::EndDocument),
    };
    return ops;
}

bool same(const Operation &actual, const Operation &expected)
{
    if (actual.kind != expected.kind || actual.args.size() != expected.args.size()
        || actual.colour != expected.colour || actual.text != expected.text)
        return false;
    for (qsizetype i = 0; i < actual.args.size(); ++i) {
        if (std::fabs(actual.args[i] - expected.args[i]) > 1e-5f)
            return false;
    }
    return true;
}

void compareOperations(const RecordingPageSurface &page, const QList<Operation> &expected)
{
    const QList<Operation> &actual = page.operations;
    for (qsizetype i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        if (!same(actual[i], expected[i])) {
            QFAIL(qPrintable(
                QStringLiteral("operation %1 is\n  %2\nexpected\n  %3\nwhole report:\n%4")
                    .arg(i + 1)
                    .arg(actual[i].toString(), expected[i].toString(),
                        page.log().join(QLatin1Char('\n')))));
        }
    }
    QCOMPARE(actual.size(), expected.size());
}

// A ring of 6 segments, 36 inches outside and 30 inside, with a quarter inch of fudge, as the
// window shows it.
ReportValues defaultRing()
{
    ReportValues v;
    v.projectName = QStringLiteral("Segmented Circle ");
    v.numsegs = QStringLiteral("6");
    v.boardWidth = QStringLiteral(" 5  1/ 2-");
    v.boardwidthlen = 5.476125720;
    v.boardThickness = QStringLiteral("0.75");
    v.boardFeet = QStringLiteral("3.5108");
    v.shortSide = QStringLiteral(" 14  3/ 4+");
    v.shortsidelen = 14.750001475;
    v.longSide = QStringLiteral(" 21  1/ 16+");
    v.longsidelen = 21.073287635;
    v.pi = programPi;
    return v;
}

} // namespace

class TestReportPage : public QObject
{
    Q_OBJECT

private slots:
    void wholeReport_data();
    void wholeReport();
};

void TestReportPage::wholeReport_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<QString>("projectName");
    QTest::addColumn<QString>("numsegs");
    QTest::addColumn<double>("boardwidthlen");
    QTest::addColumn<QString>("nameLine");
    QTest::addColumn<QString>("widthDecimal");
    QTest::addColumn<QString>("longSideAngle");
    QTest::addColumn<QString>("shortSideAngle");

    const QString defaultName = QStringLiteral("Segmented Circle ");
    QTest::newRow("6 segments, default name, letter page")
        << 8.0 << 10.5 << defaultName << "6" << 5.476125720 << "Project Name: Segmented Circle "
        << "5.47613" << QStringLiteral("30.°") << QStringLiteral("60.°");
    QTest::newRow("7 segments, A4 page")
        << 7.7677 << 11.1929 << defaultName << "7" << 5.476125720
        << "Project Name: Segmented Circle "
        << "5.47613" << QStringLiteral("25.71429°") << QStringLiteral("64.28571°");
    QTest::newRow("8 segments") << 8.0 << 10.5 << defaultName << "8" << 5.476125720
                                << "Project Name: Segmented Circle "
                                << "5.47613" << QStringLiteral("22.5°") << QStringLiteral("67.5°");
    QTest::newRow("empty name") << 8.0 << 10.5 << QString() << "6" << 5.476125720
                                << "Project Name: "
                                << "5.47613" << QStringLiteral("30.°") << QStringLiteral("60.°");
    QTest::newRow("board width below an inch")
        << 8.0 << 10.5 << defaultName << "24" << 0.75 << "Project Name: Segmented Circle "
        << ".75000" << QStringLiteral("7.5°") << QStringLiteral("82.5°");
    QTest::newRow("board width with trailing zeros")
        << 8.0 << 10.5 << defaultName << "12" << 2.5 << "Project Name: Segmented Circle "
        << "2.50000" << QStringLiteral("15.°") << QStringLiteral("75.°");
    const QString longName = QStringLiteral("Walnut and maple ring ").repeated(12);
    QTest::newRow("long name on one line")
        << 8.0 << 10.5 << longName << "6" << 5.476125720 << "Project Name: " + longName << "5.47613"
        << QStringLiteral("30.°") << QStringLiteral("60.°");
    QTest::newRow("count reading 0 leaves the angles blank")
        << 8.0 << 10.5 << defaultName << "0" << 5.476125720 << "Project Name: Segmented Circle "
        << "5.47613" << QString() << QString();
    QTest::newRow("count with no number leaves the angles blank")
        << 8.0 << 10.5 << defaultName << "" << 5.476125720 << "Project Name: Segmented Circle "
        << "5.47613" << QString() << QString();
    QTest::newRow("count beyond any ring leaves the angles blank")
        << 8.0 << 10.5 << defaultName << "1e400" << 5.476125720 << "Project Name: Segmented Circle "
        << "5.47613" << QString() << QString();
}

// Every operation of the report in order: the page set-up, the border, the segment drawing and
// its two arcs, and the 13 lines of text, each at its place.
void TestReportPage::wholeReport()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(QString, projectName);
    QFETCH(QString, numsegs);
    QFETCH(double, boardwidthlen);
    QFETCH(QString, nameLine);
    QFETCH(QString, widthDecimal);
    QFETCH(QString, longSideAngle);
    QFETCH(QString, shortSideAngle);

    ReportValues values = defaultRing();
    values.projectName = projectName;
    values.numsegs = numsegs;
    values.boardwidthlen = boardwidthlen;

    RecordingPageSurface page(static_cast<float>(width), static_cast<float>(height));
    page.lineHeight = lineHeight;
    drawReport(page, values);

    const QStringList lines {
        nameLine,
        QStringLiteral("# of Segments: ") + numsegs,
        QStringLiteral("Board width:  5  1/ 2-  (") + widthDecimal + QStringLiteral(")"),
        QStringLiteral("Board thickness: 0.75"),
        QStringLiteral("Board feet (total): 3.5108"),
        QStringLiteral(" 14  3/ 4+"),
        QStringLiteral("(14.75000)"),
        QStringLiteral(" 21  1/ 16+"),
        QStringLiteral("(21.07329)"),
        longSideAngle,
        shortSideAngle,
        QStringLiteral("Note: Not to scale or proportion!"),
        QStringLiteral("      All linear dimensions are inches"),
    };
    compareOperations(page, expectedReport(width, height, lines));
}

QTEST_APPLESS_MAIN(TestReportPage)
#include "tst_reportpage.moc"
