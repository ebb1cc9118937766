// The full-size template as a PDF read back: the segment measured on the rendered pages at its
// real length, the tiles covering it with their overlap, the calibration squares at their size
// and what every page says.

#include "report/templateoutput.h"
#include "report/templatepages.h"
#include "tests/support/expected.h"
#include "tests/support/pdfpage.h"
#include "tests/support/pdfpages.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

using orvane::makeTemplateRing;
using orvane::RingDesign;
using orvane::ringOf;
using orvane::TemplateLayout;
using orvane::TemplateRing;
using orvane::Tile;
using orvane::TilePlan;

Q_DECLARE_METATYPE(expected::Ring)
Q_DECLARE_METATYPE(orvane::TemplateRing)

namespace {

constexpr double pointsPerInch = 72;
constexpr int dpi = 144;
constexpr double dotsPerPoint = dpi / pointsPerInch;
// How far the end of a line measured on the rendered page may be from the corner it belongs to:
// a point and a half, for the dot it falls on and the ink of the line and of the line that meets
// it there.
constexpr double tolerance = 3.0 / dpi; // inches
// The calibration squares are measured finer: the middles of their sides may be off by the dot
// each falls on.
constexpr int squareDpi = 288;
constexpr double squareTolerance = 1.5 / squareDpi; // inches

TemplateRing templateRing(
    const expected::Ring &ring, const QString &name = QStringLiteral("Walnut bowl"))
{
    return makeTemplateRing(name,
        ringOf({ double(ring.segmentCount), ring.outerDiameter, ring.innerDiameter, ring.fudge },
            ring.thickness, 0.125));
}

// A page in an orientation with the margins of a saved template: a quarter inch.
QPageLayout pageLayout(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation)
{
    return QPageLayout(
        QPageSize(paper), orientation, QMarginsF(18, 18, 18, 18), QPageLayout::Point);
}

QSizeF printable(const QPageLayout &layout)
{
    return layout.paintRect(QPageLayout::Point).size();
}

struct Interval
{
    double from = 0;
    double to = 0;
};

// Intervals joined where they overlap or nearly meet.
QList<Interval> merged(QList<Interval> intervals, double gap)
{
    std::sort(intervals.begin(), intervals.end(),
        [](const Interval &a, const Interval &b) { return a.from < b.from; });
    QList<Interval> joined;
    for (const Interval &next : intervals) {
        if (!joined.isEmpty() && next.from <= joined.last().to + gap)
            joined.last().to = std::max(joined.last().to, next.to);
        else
            joined.append(next);
    }
    return joined;
}

QString describe(const QList<Interval> &intervals)
{
    QStringList parts;
    for (const Interval &i : intervals)
        parts.append(QStringLiteral("%1 to %2").arg(i.from, 0, 'f', 4).arg(i.to, 0, 'f', 4));
    return parts.join(QStringLiteral(", "));
}

// A side of the segment as found on the rendered tiles, in inches of the segment.
struct MeasuredSide
{
    QList<Interval> pieces;
    QList<double> heights;
};

} // namespace

class TestTemplatePdf : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tileNames();
    void tilesCoverTheSegment_data();
    void tilesCoverTheSegment();
    void fewestPages_data();
    void fewestPages();
    void segmentAtFullSize_data();
    void segmentAtFullSize();
    void calibrationSquares_data();
    void calibrationSquares();
    void whatThePagesSay();
    void severalRings();
    void ringThatMakesNoTemplateWritesNothing_data();
    void ringThatMakesNoTemplateWritesNothing();

private:
    QString file(const QString &name) const { return folder->filePath(name); }
    std::unique_ptr<QTemporaryDir> folder;
};

void TestTemplatePdf::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
}

void TestTemplatePdf::cleanup()
{
    folder.reset();
}

void TestTemplatePdf::tileNames()
{
    QCOMPARE(orvane::tileName(0, 0), QStringLiteral("A1"));
    QCOMPARE(orvane::tileName(0, 1), QStringLiteral("A2"));
    QCOMPARE(orvane::tileName(1, 2), QStringLiteral("B3"));
    QCOMPARE(orvane::tileName(25, 0), QStringLiteral("Z1"));
    QCOMPARE(orvane::tileName(26, 9), QStringLiteral("AA10"));
    QCOMPARE(orvane::tileName(52, 0), QStringLiteral("BA1"));
}

void TestTemplatePdf::tilesCoverTheSegment_data()
{
    QTest::addColumn<expected::Ring>("ring");
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("tiled"); // whether it must take more than one page
    const QList<std::pair<const char *, expected::Ring>> rings {
        { "6 segments 36/30", { 6, 36, 30, 0.25, 0.75 } },
        { "24 segments 72/71", { 24, 72, 71, 0.25, 0.75 } },
        { "24 segments 72/71 fudge 4", { 24, 72, 71, 4, 8 } },
        { "4 segments 72/60 fudge 4", { 4, 72, 60, 4, 8 } },
        { "12 segments 10/7", { 12, 10, 7, 0.25, 0.75 } },
    };
    for (const auto &[name, ring] : rings) {
        for (const int paper : { int(QPageSize::Letter), int(QPageSize::A4) }) {
            for (const int orientation :
                { int(QPageLayout::Portrait), int(QPageLayout::Landscape) }) {
                QTest::addRow("%s, %s, %s", name, paper == QPageSize::A4 ? "A4" : "Letter",
                    orientation == QPageLayout::Portrait ? "portrait" : "landscape")
                    << ring << paper << orientation << (ring.outerDiameter > 30);
            }
        }
    }
}

// The tiles are the page's drawing area, all of them one grid that covers the drawing and the
// segment in it, neighbours overlapping by half an inch, and no more of them than it takes.
void TestTemplatePdf::tilesCoverTheSegment()
{
    QFETCH(expected::Ring, ring);
    QFETCH(int, paper);
    QFETCH(int, orientation);
    QFETCH(bool, tiled);
    const QSizeF page = printable(
        pageLayout(QPageSize::PageSizeId(paper), QPageLayout::Orientation(orientation)));
    const auto laid = orvane::layOutTemplate(templateRing(ring), page);
    QVERIFY2(laid.layout, qPrintable(laid.problem));
    const TemplateLayout &layout = *laid.layout;
    const TilePlan &plan = layout.tiles;

    const QRectF area = orvane::tileArea(page);
    QVERIFY(QRectF(QPointF(0, 0), page).contains(area));
    const QSizeF tile = area.size() / pointsPerInch;
    QVERIFY(tile.width() > 1 && tile.height() > 1);

    // The segment lies in the drawing: long side from (0, W) to (L, W), short side at y = 0.
    const double L = expected::longSide(ring);
    const double W = expected::boardWidth(ring);
    QVERIFY(layout.drawing.contains(QRectF(0, 0, L, W)));
    QCOMPARE(plan.tiles.size(), qsizetype(plan.rows) * plan.columns);
    QCOMPARE(plan.tiles.size() > 1, tiled);

    QRectF covered;
    for (qsizetype i = 0; i < plan.tiles.size(); ++i) {
        const Tile &t = plan.tiles[i];
        QCOMPARE(t.row, int(i / plan.columns));
        QCOMPARE(t.column, int(i % plan.columns));
        QVERIFY(qFuzzyCompare(t.window.width(), tile.width()));
        QVERIFY(qFuzzyCompare(t.window.height(), tile.height()));
        covered = covered.united(t.window);
        if (t.column + 1 < plan.columns) {
            const QRectF &right = plan.tiles[i + 1].window;
            QVERIFY(qFuzzyCompare(right.top(), t.window.top()));
            QVERIFY2(std::abs(t.window.right() - right.left() - 0.5) < 1e-9,
                qPrintable(QString::number(t.window.right() - right.left())));
        }
        if (t.row + 1 < plan.rows) {
            const QRectF &below = plan.tiles[i + plan.columns].window;
            QVERIFY(qFuzzyCompare(below.left(), t.window.left()));
            QVERIFY2(std::abs(t.window.bottom() - below.top() - 0.5) < 1e-9,
                qPrintable(QString::number(t.window.bottom() - below.top())));
        }
    }
    QVERIFY(covered.contains(layout.drawing));
    // One column or row fewer would leave part of the drawing off the pages.
    const auto reach = [](int count, double size) { return count * (size - 0.5) + 0.5; };
    if (plan.columns > 1)
        QVERIFY(reach(plan.columns - 1, tile.width()) < layout.drawing.width());
    if (plan.rows > 1)
        QVERIFY(reach(plan.rows - 1, tile.height()) < layout.drawing.height());
}

void TestTemplatePdf::fewestPages_data()
{
    QTest::addColumn<expected::Ring>("ring");
    QTest::addColumn<int>("paper");
    QTest::newRow("6 segments 36/30 on Letter") << expected::Ring {} << int(QPageSize::Letter);
    QTest::newRow("6 segments 36/30 on A4") << expected::Ring {} << int(QPageSize::A4);
    QTest::newRow("24 segments 72/71 on Letter")
        << expected::Ring { 24, 72, 71, 4, 8 } << int(QPageSize::Letter);
    QTest::newRow("12 segments 10/7 on A4")
        << expected::Ring { 12, 10, 7, 0.25, 0.75 } << int(QPageSize::A4);
}

// A saved template is turned the way it takes fewer pages, landscape when both take as many.
void TestTemplatePdf::fewestPages()
{
    QFETCH(expected::Ring, ring);
    QFETCH(int, paper);
    const QList<TemplateRing> rings { templateRing(ring) };
    const auto pages = [&](QPageLayout::Orientation orientation) {
        return orvane::layOutTemplates(
            rings, printable(pageLayout(QPageSize::PageSizeId(paper), orientation)))
            .pageCount;
    };
    const int portrait = pages(QPageLayout::Portrait);
    const int landscape = pages(QPageLayout::Landscape);
    QVERIFY(portrait > 1 && landscape > 1);
    const QPageLayout chosen
        = orvane::templatePdfLayout(QPageSize(QPageSize::PageSizeId(paper)), rings);
    QCOMPARE(chosen.orientation(),
        portrait < landscape ? QPageLayout::Portrait : QPageLayout::Landscape);
    QCOMPARE(chosen.margins(QPageLayout::Inch), QMarginsF(0.25, 0.25, 0.25, 0.25));

    const QString pdf = file(QStringLiteral("turned.pdf"));
    QVERIFY(!orvane::saveTemplateAsPdf(pdf, rings, QPageSize(QPageSize::PageSizeId(paper))));
    const PdfContents contents = readPdf(pdf);
    QVERIFY2(contents.error.isEmpty(), qPrintable(contents.error));
    QCOMPARE(contents.pages, std::min(portrait, landscape));
    QCOMPARE(contents.pageSize, QSizeF(chosen.fullRectPoints().size()));
}

void TestTemplatePdf::segmentAtFullSize_data()
{
    QTest::addColumn<expected::Ring>("ring");
    QTest::addColumn<int>("paper");
    QTest::newRow("12 segments 10/7 on Letter, one tile")
        << expected::Ring { 12, 10, 7, 0.25, 0.75 } << int(QPageSize::Letter);
    QTest::newRow("6 segments 36/30 on Letter") << expected::Ring {} << int(QPageSize::Letter);
    QTest::newRow("6 segments 36/30 on A4") << expected::Ring {} << int(QPageSize::A4);
    QTest::newRow("24 segments 72/71 on A4")
        << expected::Ring { 24, 72, 71, 4, 8 } << int(QPageSize::A4);
}

// The long and the short side measured on the rendered pages, tile by tile and put together by
// the tiles' places: each as long as the closed form says, level, and the board width apart.
void TestTemplatePdf::segmentAtFullSize()
{
    QFETCH(expected::Ring, ring);
    QFETCH(int, paper);
    const QList<TemplateRing> rings { templateRing(ring) };
    const QString pdf = file(QStringLiteral("segment.pdf"));
    const auto failure
        = orvane::saveTemplateAsPdf(pdf, rings, QPageSize(QPageSize::PageSizeId(paper)));
    QVERIFY2(!failure, qPrintable(failure.value_or(QString())));

    const QPageLayout page
        = orvane::templatePdfLayout(QPageSize(QPageSize::PageSizeId(paper)), rings);
    const PdfContents contents = readPdf(pdf);
    QVERIFY2(contents.error.isEmpty(), qPrintable(contents.error));
    QCOMPARE(contents.pageSize, QSizeF(page.fullRectPoints().size()));
    const auto laid = orvane::layOutTemplate(rings.constFirst(), printable(page));
    QVERIFY(laid.layout);
    const TilePlan &plan = laid.layout->tiles;
    QCOMPARE(contents.pages, 1 + int(plan.tiles.size()));

    const double L = expected::longSide(ring);
    const double S = expected::shortSide(ring);
    const double W = expected::boardWidth(ring);
    const QPointF origin = page.paintRect(QPageLayout::Point).topLeft();
    const QRectF area = orvane::tileArea(printable(page)).translated(origin); // points

    MeasuredSide longSide;
    MeasuredSide shortSide;
    for (qsizetype i = 0; i < plan.tiles.size(); ++i) {
        const Tile &tile = plan.tiles[i];
        QString error;
        const QImage image = pdfpage::renderPage(pdf, int(i) + 2, dpi, &error);
        QVERIFY2(!image.isNull(), qPrintable(error));
        // Inches of the segment and dots of the rendered page, by the tile's place.
        const auto dotOf = [&](double y) {
            return (area.top() + (y - tile.window.top()) * pointsPerInch) * dotsPerPoint;
        };
        const auto inchesX = [&](double dot) {
            return tile.window.left() + (dot / dotsPerPoint - area.left()) / pointsPerInch;
        };
        const auto inchesY = [&](double dot) {
            return tile.window.top() + (dot / dotsPerPoint - area.top()) / pointsPerInch;
        };
        const QRect inside = QRectF(area.topLeft() * dotsPerPoint, area.size() * dotsPerPoint)
                                 .toAlignedRect()
                                 .adjusted(2, 2, -2, -2);
        const auto measure = [&](double y, MeasuredSide &side) {
            // Black lines a quarter inch long or more, within a sixteenth of where the side is.
            const int row = int(std::floor(dotOf(y)));
            const QRect band
                = QRect(inside.left(), row - 9, inside.width(), 19).intersected(inside);
            if (band.isEmpty())
                return;
            for (const pdfpage::Run &run : pdfpage::horizontalRuns(image, band, dpi / 4)) {
                side.pieces.append({ inchesX(run.first), inchesX(run.last + 1) });
                side.heights.append(inchesY(run.line + 0.5));
            }
        };
        measure(W, longSide);
        measure(0, shortSide);
    }

    const auto check
        = [&](const char *name, const MeasuredSide &side, double from, double to, double y) {
              const QList<Interval> pieces = merged(side.pieces, tolerance);
              const QString seen = QStringLiteral("%1: %2 instead of %3 to %4")
                                       .arg(QLatin1String(name), describe(pieces))
                                       .arg(from, 0, 'f', 4)
                                       .arg(to, 0, 'f', 4);
              QVERIFY2(pieces.size() == 1, qPrintable(seen));
              QVERIFY2(std::abs(pieces.first().from - from) <= tolerance, qPrintable(seen));
              QVERIFY2(std::abs(pieces.first().to - to) <= tolerance, qPrintable(seen));
              for (const double height : side.heights) {
                  QVERIFY2(std::abs(height - y) <= tolerance,
                      qPrintable(QStringLiteral("%1 at %2 instead of %3")
                                     .arg(QLatin1String(name))
                                     .arg(height)
                                     .arg(y)));
              }
          };
    check("long side", longSide, 0, L, W);
    check("short side", shortSide, (L - S) / 2, (L + S) / 2, 0);
}

void TestTemplatePdf::calibrationSquares_data()
{
    QTest::addColumn<int>("paper");
    QTest::newRow("Letter") << int(QPageSize::Letter);
    QTest::newRow("A4") << int(QPageSize::A4);
}

// On the first page and on the last tile: a square of 1 inch and one of 25 mm, as measured
// between their edges on the rendered page.
void TestTemplatePdf::calibrationSquares()
{
    QFETCH(int, paper);
    const QList<TemplateRing> rings { templateRing({}) };
    const QString pdf = file(QStringLiteral("squares.pdf"));
    QVERIFY(!orvane::saveTemplateAsPdf(pdf, rings, QPageSize(QPageSize::PageSizeId(paper))));
    const QPageLayout page
        = orvane::templatePdfLayout(QPageSize(QPageSize::PageSizeId(paper)), rings);
    const QRectF paint = page.paintRect(QPageLayout::Point);
    const int pages = readPdf(pdf).pages;
    QVERIFY(pages > 2);

    for (const int number : { 1, pages }) {
        QString error;
        const QImage image = pdfpage::renderPage(pdf, number, squareDpi, &error);
        QVERIFY2(!image.isNull(), qPrintable(error));
        // The bottom left of the printable area, where the squares stand.
        const QRect corner
            = QRectF(QPointF(paint.left(), paint.bottom() - 80) * (squareDpi / pointsPerInch),
                QSizeF(250, 80) * (squareDpi / pointsPerInch))
                  .toAlignedRect();
        // Their sides: columns of black dots, adjacent columns taken as one side.
        QList<QPair<double, int>> sides; // middle column, height
        QList<pdfpage::Run> runs = pdfpage::verticalRuns(image, corner, squareDpi / 2);
        std::sort(runs.begin(), runs.end(),
            [](const pdfpage::Run &a, const pdfpage::Run &b) { return a.line < b.line; });
        int first = -10;
        int last = -10;
        int height = 0;
        const auto close = [&]() {
            if (first >= 0)
                sides.append({ (first + last + 1) / 2.0, height });
        };
        for (const pdfpage::Run &run : runs) {
            if (run.line > last + 1) {
                close();
                first = run.line;
                height = 0;
            }
            last = run.line;
            height = std::max(height, run.length());
        }
        close();
        QCOMPARE(sides.size(), 4);
        const double inch = (sides[1].first - sides[0].first) / squareDpi;
        const double millimetres = (sides[3].first - sides[2].first) / squareDpi * 25.4;
        const QString seen = QStringLiteral("page %1: %2 in and %3 mm")
                                 .arg(number)
                                 .arg(inch, 0, 'f', 4)
                                 .arg(millimetres, 0, 'f', 3);
        QVERIFY2(std::abs(inch - 1) <= squareTolerance, qPrintable(seen));
        QVERIFY2(std::abs(millimetres - 25) <= squareTolerance * 25.4, qPrintable(seen));
        // As high as wide, give or take the line's width.
        QVERIFY2(std::abs(sides[0].second - squareDpi) <= 4, qPrintable(seen));
        QVERIFY2(std::abs(sides[2].second - 25 / 25.4 * squareDpi) <= 4, qPrintable(seen));
    }
}

// Page 1 holds the project, the ring's inputs and the cut list as the window shows its values;
// every page the project name, its label and the calibration squares' words; the tiles together
// the dimensions and angles.
void TestTemplatePdf::whatThePagesSay()
{
    const expected::Ring ring {};
    const QList<TemplateRing> rings { templateRing(ring) };
    const QString pdf = file(QStringLiteral("texts.pdf"));
    QVERIFY(!orvane::saveTemplateAsPdf(pdf, rings, QPageSize(QPageSize::Letter)));
    const QPageLayout page = orvane::templatePdfLayout(QPageSize(QPageSize::Letter), rings);
    const TilePlan plan = orvane::layOutTemplate(rings.constFirst(), printable(page)).layout->tiles;
    const int pages = 1 + int(plan.tiles.size());
    QCOMPARE(readPdf(pdf).pages, pages);

    const QMap<QString, QString> captions = expected::captions(ring);
    const auto row
        = [](const QString &name, double inches, const QString &fraction, const QString &decimal) {
              return QStringList { name, fraction.simplified(), decimal,
                  QString::number(inches * 25.4, 'f', 1), QStringLiteral("mm") }
                  .join(QLatin1Char(' '));
          };
    const double L = expected::longSide(ring);
    const double S = expected::shortSide(ring);
    const double W = expected::boardWidth(ring);
    const double strip = 6 * (L + S) / 2 + (L - S) / 2 + 5 * 0.125 / std::cos(3.141593 / 6);
    QStringList firstPage {
        QStringLiteral("Walnut bowl Cut List Page 1 of %1").arg(pages),
        QStringLiteral("Project Name: Walnut bowl"),
        QStringLiteral("Number of segments: 6"),
        QStringLiteral("Outer diameter: 36 in"),
        QStringLiteral("Inner diameter: 30 in"),
        QStringLiteral("Fudge factor: 0.25 in"),
        QStringLiteral("Board thickness: 0.75 in"),
        QStringLiteral("Saw angle from square: 30.0°"),
        QStringLiteral("Miter angles: Long Side 60.0°, Short Side 30.0°"),
        row(QStringLiteral("Long side"), L, captions[QStringLiteral("longside")],
            captions[QStringLiteral("longsidedec")]),
        row(QStringLiteral("Short side"), S, captions[QStringLiteral("shortside")],
            captions[QStringLiteral("shortsidedec")]),
        row(QStringLiteral("Board width"), W, captions[QStringLiteral("bwidth")],
            captions[QStringLiteral("boardwidthdec")]),
        row(QStringLiteral("Kerf"), 0.125, QStringLiteral("0 1/ 8"), QStringLiteral(".12500")),
        row(QStringLiteral("Strip length"), strip, expected::sixteenths(strip),
            expected::fiveDecimals(strip)),
        QStringLiteral("Board feet (total): ") + captions[QStringLiteral("boardfeet")],
    };
    QString error;
    const QStringList first = pdfpage::textLines(pdf, 1, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    for (const QString &line : firstPage)
        QVERIFY2(first.contains(line),
            qPrintable(line + QStringLiteral("\nnot in\n") + first.join('\n')));
    QVERIFY(first.join(' ').contains(QStringLiteral("The strip length assumes")));

    const QString advice
        = QStringLiteral("Print at 100 % (no fit to page). Check these squares before cutting.");
    QStringList onTiles;
    for (int number = 1; number <= pages; ++number) {
        const QStringList lines = pdfpage::textLines(pdf, number, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY2(lines.constLast() == QStringLiteral("1 in 25 mm ") + advice,
            qPrintable(lines.constLast()));
        if (number > 1) {
            const Tile &tile = plan.tiles[number - 2];
            QCOMPARE(lines.constFirst(),
                QStringLiteral("Walnut bowl %1 Page %2 of %3")
                    .arg(orvane::tileName(tile.row, tile.column))
                    .arg(number)
                    .arg(pages));
            onTiles += lines;
        }
    }
    const QString tiles = onTiles.join(QLatin1Char('\n'));
    for (const QString &label : { captions[QStringLiteral("longside")].simplified(),
             captions[QStringLiteral("shortside")].simplified(),
             captions[QStringLiteral("bwidth")].simplified(), QStringLiteral("60.0°"),
             QStringLiteral("30.0°") })
        QVERIFY2(tiles.contains(label), qPrintable(label));
}

// Several rings go into one document one after another, each with its cut list and tiles.
void TestTemplatePdf::severalRings()
{
    const QList<TemplateRing> rings { templateRing({}, QStringLiteral("Bowl")),
        templateRing({ 12, 10, 7, 0.25, 0.75 }, QStringLiteral("Lid")),
        templateRing({ 24, 72, 71, 4, 8 }, QStringLiteral("Platter")) };
    const QString pdf = file(QStringLiteral("rings.pdf"));
    QVERIFY(!orvane::saveTemplateAsPdf(pdf, rings, QPageSize(QPageSize::A4)));
    const QPageLayout page = orvane::templatePdfLayout(QPageSize(QPageSize::A4), rings);
    QList<int> firstPages;
    int pages = 0;
    for (const TemplateRing &ring : rings) {
        firstPages.append(pages + 1);
        pages += 1 + int(orvane::layOutTemplate(ring, printable(page)).layout->tiles.tiles.size());
    }
    QCOMPARE(readPdf(pdf).pages, pages);
    for (int r = 0; r < rings.size(); ++r) {
        const QStringList lines = pdfpage::textLines(pdf, firstPages[r]);
        QCOMPARE(lines.value(0),
            QStringLiteral("%1 Cut List Ring %2 of 3, Page %3 of %4")
                .arg(rings[r].projectName)
                .arg(r + 1)
                .arg(firstPages[r])
                .arg(pages));
        QVERIFY(lines.contains(QStringLiteral("Project Name: ") + rings[r].projectName));
    }
}

void TestTemplatePdf::ringThatMakesNoTemplateWritesNothing_data()
{
    QTest::addColumn<QList<TemplateRing>>("rings");
    QTest::addColumn<QString>("cause");
    const auto ring = [](double n, double D, double d, double f) {
        return makeTemplateRing(QStringLiteral("Bad"), ringOf({ n, D, d, f }, 0.75, 0.125));
    };
    QTest::newRow("no ring at all") << QList<TemplateRing> {} << "no ring";
    QTest::newRow("count 0") << QList<TemplateRing> { ring(0, 36, 30, 0.25) } << "count";
    QTest::newRow("inner larger than outer")
        << QList<TemplateRing> { ring(6, 10, 12, 0) } << "inner diameter";
    // Three segments of a ring 25 feet across: a long side of about 43 feet.
    QTest::newRow("too many pages") << QList<TemplateRing> { ring(3, 300, 290, 0.25) } << "pages";
    QTest::newRow("the second ring")
        << QList<TemplateRing> { ring(6, 36, 30, 0.25), ring(0, 36, 30, 0.25) } << "count";
}

// An existing file stays as it was when the template cannot be made.
void TestTemplatePdf::ringThatMakesNoTemplateWritesNothing()
{
    QFETCH(QList<TemplateRing>, rings);
    QFETCH(QString, cause);
    const QString pdf = file(QStringLiteral("kept.pdf"));
    QFile old(pdf);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older file");
    old.close();
    const auto failure = orvane::saveTemplateAsPdf(pdf, rings, QPageSize(QPageSize::Letter));
    QVERIFY(failure);
    QVERIFY2(failure->contains(cause), qPrintable(*failure));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("an older file"));
    QCOMPARE(
        QDir(folder->path()).entryList(QDir::Files), QStringList { QStringLiteral("kept.pdf") });
}

QTEST_MAIN(TestTemplatePdf)
#include "tst_templatepdf.moc"
