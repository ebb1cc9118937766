// The profile gauge as a PDF read back: the outside curve found on the rendered tiles where the
// profile puts it, at full size, on both sides of a seam between tiles; the tiles covering the
// drawing with no more pages than it takes; what every page says; and the vessels that make no
// gauge.

#include "core/profile.h"
#include "core/vessel.h"
#include "report/profilegauge.h"
#include "report/tiledpages.h"
#include "tests/support/pdfpage.h"
#include "tests/support/pdfpages.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <functional>
#include <memory>

using orvane::ProfilePoint;
using orvane::Tile;
using orvane::Units;
using orvane::Vessel;

using Radius = std::function<double(double)>;
Q_DECLARE_METATYPE(orvane::Vessel)
Q_DECLARE_METATYPE(Radius)

namespace {

constexpr double pointsPerInch = 72;
constexpr int dpi = 144;
constexpr double dotsPerPoint = dpi / pointsPerInch;
// How far the curve found on the rendered page may be from where the profile puts it: the dot it
// falls on and the width of the line, a point and a half.
constexpr double tolerance = 3.0 / dpi; // inches

orvane::RingDesign ring(const char *name, double thickness)
{
    orvane::RingDesign design = orvane::defaultRing();
    design.name = name;
    design.inputs.segmentCount = 12;
    design.thickness = thickness;
    return design;
}

Vessel vessel(
    const char *name, std::vector<ProfilePoint> profile, int rings = 0, Units units = Units::inches)
{
    Vessel made { name, units, 0.125, {} };
    made.profile = std::move(profile);
    for (int i = 0; i < rings; ++i)
        made.rings.push_back(ring(i % 2 ? "Walnut band" : "Maple band", 0.75));
    return made;
}

// Straight between corners: r at h by the closed form of each line.
Radius between(const std::vector<ProfilePoint> &corners)
{
    return [corners](double h) {
        for (std::size_t i = 1; i < corners.size(); ++i) {
            const ProfilePoint &a = corners[i - 1];
            const ProfilePoint &b = corners[i];
            if (h <= b.h)
                return a.r + (b.r - a.r) * (h - a.h) / (b.h - a.h);
        }
        return corners.back().r;
    };
}

// A tall vase of corners: a foot, a belly, a neck and a flaring lip, 14 inches high.
const std::vector<ProfilePoint> tallVase { { 2, 0, true }, { 5, 5, true }, { 5.5, 7, true },
    { 2.5, 12, true }, { 3.5, 14, true } };
// A bowl of smooth points: the shape-preserving cubic through them.
const std::vector<ProfilePoint> smoothBowl { { 1.5, 0, true }, { 3, 0.75 }, { 4.2, 2 },
    { 4.8, 3.5, true } };

// The vessels' rings meet at every 3/4 inch: heights near a joint show its tick.
bool nearJoint(double h)
{
    const double fromJoint = std::fmod(h, 0.75);
    return fromJoint < 0.05 || fromJoint > 0.7;
}

QPageLayout savedLayout(const Vessel &gauge, QPageSize::PageSizeId paper)
{
    return orvane::gaugePdfLayout(QPageSize(paper), gauge);
}

QSizeF printable(const QPageLayout &layout)
{
    return layout.paintRect(QPageLayout::Point).size();
}

} // namespace

class TestProfileGauge : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void curveAtFullSize_data();
    void curveAtFullSize();
    void whatThePagesSay();
    void vesselsThatMakeNoGauge_data();
    void vesselsThatMakeNoGauge();

private:
    QString file(const QString &name) const { return folder->filePath(name); }
    std::unique_ptr<QTemporaryDir> folder;
};

void TestProfileGauge::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
}

void TestProfileGauge::curveAtFullSize_data()
{
    QTest::addColumn<Vessel>("gauge");
    QTest::addColumn<Radius>("radius");
    QTest::addColumn<int>("paper");
    QTest::addColumn<bool>("tiled");
    QTest::newRow("tall vase of corners on Letter")
        << vessel("Vase", tallVase, 19) << between(tallVase) << int(QPageSize::Letter) << true;
    QTest::newRow("tall vase of corners on A4")
        << vessel("Vase", tallVase, 19) << between(tallVase) << int(QPageSize::A4) << true;
    const std::vector<ProfilePoint> column { { 1.5, 0, true }, { 1.5, 40, true } };
    QTest::newRow("column 40 in high on A4") << vessel("Column", column, 0, Units::millimetres)
                                             << between(column) << int(QPageSize::A4) << true;
    const std::vector<orvane::ProfilePiece> curve = orvane::outsideCurve(smoothBowl);
    QTest::newRow("smooth bowl on Letter")
        << vessel("Bowl", smoothBowl, 5)
        << Radius([curve](double h) { return orvane::outsideRadius(curve, h); })
        << int(QPageSize::Letter) << false;
}

// The tiles are one grid covering the drawing, which holds the half-section, with no row or
// column more than it takes, the paper turned the way that takes fewer pages. Every 1/8 inch of
// height the curve is found on the rendered tiles within a point and a half of where the profile
// puts it, on every tile that shows it, so a seam shows it on both of its tiles.
void TestProfileGauge::curveAtFullSize()
{
    QFETCH(Vessel, gauge);
    QFETCH(Radius, radius);
    QFETCH(int, paper);
    QFETCH(bool, tiled);
    const QString pdf = file(QStringLiteral("gauge.pdf"));
    const auto failure
        = orvane::saveProfileGaugeAsPdf(pdf, gauge, QPageSize(QPageSize::PageSizeId(paper)));
    QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
    const QPageLayout page = savedLayout(gauge, QPageSize::PageSizeId(paper));
    const auto laidOut = orvane::layOutGauge(gauge, printable(page));
    QVERIFY(laidOut.layout);
    const orvane::TilePlan &plan = laidOut.layout->tiles;
    const QList<Tile> &tiles = plan.tiles;
    QCOMPARE(tiles.size() > 1, tiled);
    QCOMPARE(tiles.size(), qsizetype(plan.rows) * plan.columns);
    QCOMPARE(readPdf(pdf).pages, 1 + int(tiles.size()));
    const double rim = gauge.profile.back().h;
    const QRectF drawing = laidOut.layout->drawing;
    QRectF covered;
    for (const Tile &tile : tiles)
        covered |= tile.window;
    QVERIFY(covered.contains(drawing) && drawing.left() < 0);
    for (const ProfilePoint &point : gauge.profile)
        QVERIFY(drawing.contains(QPointF(point.r, -point.h)));
    const QSizeF size = orvane::tileSize(printable(page));
    const auto reach = [](int count, double length) { return count * (length - 0.5) + 0.5; };
    QVERIFY(plan.rows == 1 || reach(plan.rows - 1, size.height()) < drawing.height());
    QVERIFY(plan.columns == 1 || reach(plan.columns - 1, size.width()) < drawing.width());
    QPageLayout turned = page;
    turned.setOrientation(page.orientation() == QPageLayout::Portrait ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
    const auto other = orvane::layOutGauge(gauge, printable(turned));
    QVERIFY(other.layout && other.layout->pageCount() >= laidOut.layout->pageCount());

    const QPointF origin = page.paintRect(QPageLayout::Point).topLeft();
    const QRectF area = orvane::tileArea(printable(page)).translated(origin); // points
    QList<int> foundOn(int(std::floor(rim * 8)), 0); // each height's tiles
    for (qsizetype i = 0; i < tiles.size(); ++i) {
        const Tile &tile = tiles[i];
        QString error;
        const QImage image = pdfpage::renderPage(pdf, int(i) + 2, dpi, &error);
        QVERIFY2(!image.isNull(), qPrintable(error));
        // The drawing's inches (r, -h) to the page's dots and back, by the tile's place.
        const auto dotX = [&](double r) {
            return (area.left() + (r - tile.window.left()) * pointsPerInch) * dotsPerPoint;
        };
        const auto dotY = [&](double h) {
            return (area.top() + (-h - tile.window.top()) * pointsPerInch) * dotsPerPoint;
        };
        const auto heightAt = [&](double row) {
            return -(tile.window.top() + (row / dotsPerPoint - area.top()) / pointsPerInch);
        };
        const QRect inside = QRectF(area.topLeft() * dotsPerPoint, area.size() * dotsPerPoint)
                                 .toAlignedRect()
                                 .adjusted(4, 4, -4, -4);
        for (int step = 1; step < int(foundOn.size()); ++step) {
            const int row = int(std::floor(dotY(step / 8.0)));
            const double h = heightAt(row + 0.5); // the middle of the row of dots
            const double expected = dotX(radius(h));
            if (nearJoint(h) || !inside.contains(QPoint(int(expected), row)))
                continue;
            // The middle of the dark run on that row nearest to where the curve should be.
            const QRect near(int(expected) - dpi / 8, row, dpi / 4, 1);
            double best = 1e9;
            for (const pdfpage::Run &run :
                pdfpage::horizontalRuns(image, near.intersected(inside), 1)) {
                const double middle = (run.first + run.last + 1) / 2.0;
                if (std::abs(middle - expected) < std::abs(best - expected))
                    best = middle;
            }
            const double off = (best - expected) / dpi;
            QVERIFY2(std::abs(off) <= tolerance,
                qPrintable(QStringLiteral("tile %1, h %2: the curve %3 in from r %4")
                               .arg(orvane::tileName(tile.row, tile.column))
                               .arg(h)
                               .arg(off)
                               .arg(radius(h))));
            ++foundOn[step];
        }
    }
    int onTwoTiles = 0;
    for (int step = 1; step < int(foundOn.size()); ++step) {
        QVERIFY2(foundOn[step] > 0 || nearJoint(step / 8.0),
            qPrintable(QStringLiteral("h %1 is on no tile").arg(step / 8.0)));
        onTwoTiles += foundOn[step] > 1 ? 1 : 0;
    }
    QCOMPARE(onTwoTiles > 0, tiled);
}

// Every page names the project and its units, counts the pages and carries the calibration
// squares; the first describes the vessel and its joints, the tiles label the joints and the rim.
void TestProfileGauge::whatThePagesSay()
{
    Vessel bowl = vessel("Salad bowl", smoothBowl, 5, Units::millimetres);
    bowl.rings[1].name = "Feature";
    bowl.rings[4].name.clear(); // named by its place
    const QString pdf = file(QStringLiteral("bowl.pdf"));
    QVERIFY(!orvane::saveProfileGaugeAsPdf(pdf, bowl, QPageSize(QPageSize::A4)));
    const int pages = readPdf(pdf).pages;
    QCOMPARE(pages, 2);

    const QStringList first = pdfpage::textLines(pdf, 1);
    QCOMPARE(first.value(0), QStringLiteral("Salad bowl Profile Gauge Page 1 of 2"));
    const QString summary = first.join(' ');
    for (const char *text :
        { "Project Name: Salad bowl", "Height to the rim: 88.9 mm", "Foot diameter: 76.2 mm",
            "Widest diameter: 243.8 mm", "Rim diameter: 243.8 mm", "The gauge at full size: page 2",
            "5 rings, from the foot up, joined at the heights 19.0 mm, 38.1 mm, 57.1 mm, 76.2 "
            "mm." })
        QVERIFY2(summary.contains(QLatin1String(text)), qPrintable(summary));

    const QStringList tile = pdfpage::textLines(pdf, 2);
    QCOMPARE(tile.value(0), QStringLiteral("Salad bowl A1 Page 2 of 2"));
    for (const char *label :
        { "Axis", "Rim: h 88.9 mm, r 121.9 mm", "Ring 5", "h 76.2 mm, r 119.0 mm", "Feature",
            "h 19.0 mm, r 76.2 mm", "Maple band", "Base: h 0, r 38.1 mm" })
        QVERIFY2(tile.contains(QLatin1String(label)), label);
    for (const QStringList &lines : { first, tile }) {
        const QString footer = lines.mid(lines.size() - 3).join(u' ');
        QVERIFY2(footer.contains("1 in 25 mm")
                && footer.contains("Lengths in millimetres. Print "
                                   "at 100 % (no fit to page)."),
            qPrintable(footer));
    }
}

void TestProfileGauge::vesselsThatMakeNoGauge_data()
{
    QTest::addColumn<Vessel>("gauge");
    QTest::addColumn<QString>("cause");
    QTest::newRow("no profile") << vessel("Rings only", {}, 3)
                                << "the vessel has no profile, the outside the gauge is drawn from";
    QTest::newRow("a profile that cannot be used")
        << vessel("Bad", { { 2, 0 }, { 3, 2 }, { 3, 1 } })
        << "the vessel's profile cannot be used: point 3: h 1 is below the height of the point "
           "before it (2)";
    QTest::newRow("too tall for a hundred pages")
        << vessel("Tower", { { 1, 0, true }, { 1, 2000, true } }) << "the gauge would take";
}

// A vessel that makes no gauge gives the reason and leaves the file there as it was.
void TestProfileGauge::vesselsThatMakeNoGauge()
{
    QFETCH(Vessel, gauge);
    QFETCH(QString, cause);
    const QString pdf = file(QStringLiteral("kept.pdf"));
    QFile kept(pdf);
    QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("kept") == 4);
    kept.close();
    const auto failure = orvane::saveProfileGaugeAsPdf(pdf, gauge, QPageSize(QPageSize::Letter));
    QVERIFY2(failure && failure->startsWith(cause), qPrintable(failure.value_or("written")));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("kept"));
}

QTEST_MAIN(TestProfileGauge)
#include "tst_profilegauge.moc"
