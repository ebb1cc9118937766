// The printed report as what lands on a page that records instead of printing: every line of text
// where it stands on the page, in the 12-point font; the border and the drawing of the segment in
// the 5-dot pen; the document ended once, after everything. Places are measured in inches from
// the top-left corner of the printable area, whatever scale the report sets to reach them: the
// header stands at the top left, the drawing about the centre of the page, the note at the bottom
// left.

#include "core/reading.h"
#include "report/reportpage.h"
#include "tests/support/recordingpagesurface.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using orvane::calculatorLargestCount;
using orvane::computeRingResult;
using orvane::leadingNumber;
using orvane::lengthResult;
using orvane::ReportValues;
using orvane::RingDesign;

namespace {

// How far a printed line moves the text down the recording page, in inches.
constexpr float lineHeight = 0.25f;
constexpr double tolerance = 1e-5;

// A point on the page, in inches from the left edge and down from the top edge of the printable
// area.
struct OnPage
{
    double x;
    double down;
};

bool near(OnPage a, OnPage b)
{
    return std::hypot(a.x - b.x, a.down - b.down) <= tolerance;
}

// Where the point (x, y) of `op` lands on a printable area of `width` by `height` inches.
OnPage landing(const Operation &op, double x, double y, double width, double height)
{
    const QPointF fraction = op.landing(x, y);
    return { fraction.x() * width, fraction.y() * height };
}

QString describe(OnPage p)
{
    return QStringLiteral("%1, %2 down").arg(p.x).arg(p.down);
}

// The page a report was drawn on.
struct Page
{
    RecordingPageSurface surface;
    double width;
    double height;

    Page(double w, double h)
        : surface(static_cast<float>(w), static_cast<float>(h))
        , width(w)
        , height(h)
    {
        surface.lineHeight = lineHeight;
    }

    OnPage at(const Operation &op, int point = 0) const
    {
        return landing(op, op.args[2 * point], op.args[2 * point + 1], width, height);
    }
    // A radius measured in the x units of `op`, in inches.
    double inches(const Operation &op, double radius) const
    {
        return std::fabs(radius / op.scale.width) * width;
    }
};

// A ring of 6 segments, 36 inches outside and 30 inside, with a quarter inch of fudge, as the
// window shows it.
// The count's text is read as the window reads its box.
ReportValues ringOf(const QString &segmentCount)
{
    ReportValues v;
    v.projectName = QStringLiteral("Segmented Circle ");
    v.segmentCount = segmentCount;
    v.boardThickness = QStringLiteral("0.75");
    RingDesign design = orvane::defaultRing();
    design.inputs.segmentCount = leadingNumber(segmentCount.toStdString());
    v.ring = computeRingResult(design, calculatorLargestCount);
    return v;
}

ReportValues defaultRing()
{
    return ringOf(QStringLiteral("6"));
}

struct Line
{
    QString text;
    OnPage at; // its top-left corner
};

// Every text printed on the page and where it stands, matched with `expected` in any order; what
// is missing and what is left over is reported.
void verifyTexts(const Page &page, const QList<Line> &expected)
{
    QList<Operation> printed = page.surface.ofKind(Operation::Print);
    QStringList missing;
    for (const Line &line : expected) {
        const auto found = std::find_if(printed.begin(), printed.end(), [&](const Operation &op) {
            return op.text == line.text && near(page.at(op), line.at);
        });
        if (found == printed.end())
            missing.append(QStringLiteral("\"%1\" at %2").arg(line.text, describe(line.at)));
        else
            printed.erase(found);
    }
    QStringList extra;
    for (const Operation &op : printed)
        extra.append(QStringLiteral("\"%1\" at %2").arg(op.text, describe(page.at(op))));
    QVERIFY2(missing.isEmpty() && extra.isEmpty(),
        qPrintable(QStringLiteral("missing:\n  %1\nprinted besides:\n  %2")
                       .arg(missing.join("\n  "), extra.join("\n  "))));
}

// The border a twentieth of an inch inside the printable area, the segment's trapezoid with its
// reference line, and the two arcs that mark its angles; the same for every ring.
void verifyDrawing(const Page &page)
{
    const double W = page.width;
    const double H = page.height;
    const double cx = W / 2;
    const double middle = H / 2; // down from the top
    const auto point = [&](double dx, double up) { return OnPage { cx + dx, middle - up }; };
    constexpr double pi = 3.141593; // the program's value, which the arcs' angles are taken with

    const QList<Operation> rectangles = page.surface.ofKind(Operation::Rectangle);
    QCOMPARE(rectangles.size(), qsizetype(1));
    const OnPage first = page.at(rectangles[0], 0);
    const OnPage second = page.at(rectangles[0], 1);
    const OnPage topLeft { std::min(first.x, second.x), std::min(first.down, second.down) };
    const OnPage bottomRight { std::max(first.x, second.x), std::max(first.down, second.down) };
    QVERIFY2(near(topLeft, { 0.05, 0.05 }) && near(bottomRight, { W - 0.05, H - 0.05 }),
        qPrintable(describe(first) + " to " + describe(second)));

    // The long side on the left, 8 inches, the short side on the right, 4.6 inches, 3 inches
    // apart; a reference line an inch long at the foot of the short side.
    struct Edge
    {
        OnPage a;
        OnPage b;
        const char *name;
    };
    const Edge edges[] = {
        { point(-1.5, -4), point(1.5, -2.3), "lower slanted edge" },
        { point(1.5, -2.3), point(1.5, 2.3), "short side" },
        { point(1.5, 2.3), point(-1.5, 4), "upper slanted edge" },
        { point(-1.5, 4), point(-1.5, -4), "long side" },
        { point(-1, -2.3), point(0, -2.3), "reference line" },
    };
    QList<Operation> lines = page.surface.ofKind(Operation::Line);
    for (const Edge &edge : edges) {
        const auto found = std::find_if(lines.begin(), lines.end(), [&](const Operation &line) {
            const OnPage a = page.at(line, 0);
            const OnPage b = page.at(line, 1);
            return (near(a, edge.a) && near(b, edge.b)) || (near(a, edge.b) && near(b, edge.a));
        });
        QVERIFY2(found != lines.end(), edge.name);
        QVERIFY2(!found->colour, edge.name);
        lines.erase(found);
    }
    QVERIFY2(lines.isEmpty(), qPrintable(describe(lines).join('\n')));

    // 60 degrees at the top of the long side, from straight down; 30 degrees at the foot of the
    // short side, from the left. Angles counter-clockwise as seen on the page.
    struct Mark
    {
        OnPage centre;
        double radius;
        double start;
        double end;
        const char *name;
    };
    const Mark marks[] = {
        { point(-1.5, 4), 1.2, 3 * pi / 2, 3 * pi / 2 + pi / 3, "arc at the top of the long side" },
        { point(1.5, -2.3), 2, pi, pi + pi / 6, "arc at the foot of the short side" },
    };
    QList<Operation> arcs = page.surface.ofKind(Operation::Arc);
    for (const Mark &mark : marks) {
        const auto found = std::find_if(arcs.begin(), arcs.end(), [&](const Operation &arc) {
            return near(page.at(arc), mark.centre)
                && std::fabs(page.inches(arc, arc.args[2]) - mark.radius) <= tolerance
                && std::fabs(arc.args[3] - mark.start) <= tolerance
                && std::fabs(arc.args[4] - mark.end) <= tolerance;
        });
        QVERIFY2(found != arcs.end(), qPrintable(mark.name + (": " + describe(arcs).join(", "))));
        QVERIFY2(!found->colour, mark.name);
        arcs.erase(found);
    }
    QVERIFY2(arcs.isEmpty(), qPrintable(describe(arcs).join('\n')));
    QCOMPARE(page.surface.ofKind(Operation::Circle).size(), qsizetype(0));
}

} // namespace

class TestReportPage : public QObject
{
    Q_OBJECT

private slots:
    void wholeReport_data();
    void wholeReport();
    void penAndFont();
    void pageAndDocument();
};

void TestReportPage::wholeReport_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<QString>("projectName");
    QTest::addColumn<QString>("segmentCount");
    QTest::addColumn<double>("boardWidthInches");
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
    QTest::newRow("4 segments: the same angle twice")
        << 8.0 << 10.5 << defaultName << "4" << 5.476125720 << "Project Name: Segmented Circle "
        << "5.47613" << QStringLiteral("45.°") << QStringLiteral("45.°");
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

// Every line of text at its place, and the drawing, which is the same for every ring: the header
// at the top left, one line below the other; the short side's length right of the drawing and the
// long side's left of it, each from mid-height down; the angles inside the corners their arcs mark;
// the note at the bottom left, its second line from the left edge.
void TestReportPage::wholeReport()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(QString, projectName);
    QFETCH(QString, segmentCount);
    QFETCH(double, boardWidthInches);
    QFETCH(QString, nameLine);
    QFETCH(QString, widthDecimal);
    QFETCH(QString, longSideAngle);
    QFETCH(QString, shortSideAngle);

    // The lengths of the start ring; the angles of the count, as the window computes them.
    ReportValues values = defaultRing();
    values.projectName = projectName;
    values.segmentCount = segmentCount;
    values.ring.sawAngle = ringOf(segmentCount).ring.sawAngle;
    values.ring.boardWidth->decimal = lengthResult(boardWidthInches).decimal;

    Page page(width, height);
    drawReport(page.surface, values);

    const double cx = width / 2;
    const double middle = height / 2;
    const double lh = lineHeight;
    const QList<Line> expected {
        { nameLine, { 0.1, 0.2 } },
        { QStringLiteral("# of Segments: ") + segmentCount, { 0.1, 0.2 + lh } },
        { QStringLiteral("Board width:  5  1/ 2-  (") + widthDecimal + QStringLiteral(")"),
            { 0.1, 0.2 + 2 * lh } },
        { QStringLiteral("Board thickness: 0.75"), { 0.1, 0.2 + 3 * lh } },
        { QStringLiteral("Board feet (total): 3.0652"), { 0.1, 0.2 + 4 * lh } },
        { QStringLiteral(" 14  3/ 4+"), { cx + 1.6, middle } },
        { QStringLiteral("(14.75000)"), { cx + 1.6, middle + lh } },
        { QStringLiteral(" 21  1/ 16+"), { cx - 2.5, middle } },
        { QStringLiteral("(21.07329)"), { cx - 2.5, middle + lh } },
        { longSideAngle, { cx - 1.4, middle - 3.3 } },
        { shortSideAngle, { cx - 0.1, middle + 2.6 } },
        { QStringLiteral("Note: Not to scale or proportion!"), { 0.2, height - 0.5 } },
        { QStringLiteral("      All linear dimensions are inches"), { 0, height - 0.5 + lh } },
    };
    verifyTexts(page, expected);
    if (QTest::currentTestFailed())
        return;
    verifyDrawing(page);
}

// Every text in the 12-point font and every figure in the 5-dot pen.
void TestReportPage::penAndFont()
{
    Page page(8, 10.5);
    drawReport(page.surface, defaultRing());
    int figures = 0;
    int texts = 0;
    for (const Operation &op : page.surface.operations) {
        if (op.kind == Operation::Print) {
            ++texts;
            QVERIFY2(op.fontSize == 12, qPrintable(op.toString()));
        } else if (op.kind == Operation::Line || op.kind == Operation::Arc
            || op.kind == Operation::Rectangle) {
            ++figures;
            QVERIFY2(op.penWidth == 5, qPrintable(op.toString()));
        }
    }
    QCOMPARE(texts, 13);
    QCOMPARE(figures, 8);
}

// A page leaves the document open for more; the report ends it once, after everything else, and
// starts no second page. A ring that makes none prints its blank captions and empty lengths.
void TestReportPage::pageAndDocument()
{
    Page open(8, 10.5);
    drawReportPage(open.surface, defaultRing());
    QCOMPARE(open.surface.ofKind(Operation::EndDocument).size(), qsizetype(0));
    QCOMPARE(open.surface.ofKind(Operation::NewPage).size(), qsizetype(0));

    const ReportValues none = ringOf(QStringLiteral("0"));
    Page page(8, 10.5);
    drawReport(page.surface, none);
    const QList<Operation> &ops = page.surface.operations;
    QVERIFY(!ops.isEmpty());
    QCOMPARE(ops.last().kind, Operation::EndDocument);
    QCOMPARE(page.surface.ofKind(Operation::EndDocument).size(), qsizetype(1));
    QCOMPARE(page.surface.ofKind(Operation::NewPage).size(), qsizetype(0));
    QCOMPARE(page.surface.ofKind(Operation::Clear).size(), qsizetype(0));

    const double lh = lineHeight;
    verifyTexts(page,
        {
            { QStringLiteral("Project Name: Segmented Circle "), { 0.1, 0.2 } },
            { QStringLiteral("# of Segments: 0"), { 0.1, 0.2 + lh } },
            { QStringLiteral("Board width:   ()"), { 0.1, 0.2 + 2 * lh } },
            { QStringLiteral("Board thickness: 0.75"), { 0.1, 0.2 + 3 * lh } },
            { QStringLiteral("Board feet (total): "), { 0.1, 0.2 + 4 * lh } },
            { QString(), { 4 + 1.6, 5.25 } },
            { QStringLiteral("()"), { 4 + 1.6, 5.25 + lh } },
            { QString(), { 4 - 2.5, 5.25 } },
            { QStringLiteral("()"), { 4 - 2.5, 5.25 + lh } },
            { QString(), { 4 - 1.4, 5.25 - 3.3 } },
            { QString(), { 4 - 0.1, 5.25 + 2.6 } },
            { QStringLiteral("Note: Not to scale or proportion!"), { 0.2, 10 } },
            { QStringLiteral("      All linear dimensions are inches"), { 0, 10 + lh } },
        });
    verifyDrawing(page);
}

QTEST_APPLESS_MAIN(TestReportPage)
#include "tst_reportpage.moc"
