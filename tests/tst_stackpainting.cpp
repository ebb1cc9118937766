// The vessel's stack as it lands in pixels. The picture's scale is read from the image itself (the
// outermost pixels in the rings' tones are the widest blank's edges, the foot and the top), and
// every ring is then looked for where its own numbers put it: its band in its wood's tone (or the
// selection's) on both sides of the axis, its fudge paler around it, hollow inside; the rings of a
// joint too narrow to glue outlined in red, and no others.

#include "core/vesselresults.h"
#include "drawing/stackpainting.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

struct TestRing
{
    double outer;
    double inner;
    double fudge;
    double thickness;
    const char *wood;
};
using TestRings = QList<TestRing>;

constexpr QSize imageSize(600, 400);

QRect boundsOf(const QImage &image, const std::function<bool(QColor)> &test)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QFont pictureFont()
{
    QFont font;
    font.setPixelSize(12);
    return font;
}

} // namespace

class TestStackPainting : public QObject
{
    Q_OBJECT

private slots:
    void ringsStandWhereTheirNumbersPutThem_data();
    void ringsStandWhereTheirNumbersPutThem();
    void nothingToDrawLeavesTheTargetBlank();
};

void TestStackPainting::ringsStandWhereTheirNumbersPutThem_data()
{
    QTest::addColumn<TestRings>("rings");
    QTest::addColumn<int>("selected"); // -1 for none
    // The rings of narrow joints, from the lowest to the highest; -1 for none.
    QTest::addColumn<int>("narrowFrom");
    QTest::addColumn<int>("narrowTo");
    const TestRing foot { 6, 4, 0.25, 0.75, "Maple" };
    const TestRing belly { 9, 5, 0.25, 1, "Walnut" };
    const TestRing lip { 11, 8.5, 0.125, 0.75, "Maple" };
    QTest::newRow("bowl, middle ring selected") << TestRings { foot, belly, lip } << 1 << -1 << -1;
    QTest::newRow("one ring") << TestRings { { 10, 8, 0.25, 0.75, "" } } << -1 << -1 << -1;
    const TestRing cherry { 4, 2.5, 0.25, 2, "Cherry" };
    const TestRing oak { 5, 3, 0.25, 2, "Oak" };
    const TestRing neck { 3.5, 2.5, 0.125, 2, "" };
    QTest::newRow("tall vase, the height sets the scale")
        << TestRings { cherry, oak, cherry, neck } << 3 << -1 << -1;
    // Its inner diameter above its outer one, the middle ring meets neither neighbour.
    const TestRing maple { 8, 6, 0.25, 1, "Maple" };
    const TestRing undrawable { 6, 7, 0.25, 1, "Maple" };
    QTest::newRow("a ring that cannot be drawn keeps its height")
        << TestRings { maple, undrawable, { 8, 6, 0.25, 1, "Ash" } } << -1 << 0 << 2;
    // Glue faces: 5 - 4.8 = 0.2 in is too narrow, 5 - 4.75 = 0.25 in is enough.
    const TestRing base { 10, 6, 0.25, 1, "" };
    QTest::newRow("glue face of 0.2 in")
        << TestRings { base, { 12, 9.6, 0.25, 1, "" } } << -1 << 0 << 1;
    QTest::newRow("glue face of 1/4 in")
        << TestRings { base, { 12, 9.5, 0.25, 1, "" } } << -1 << -1 << -1;
    const TestRing small { 8, 6, 0.25, 1, "" };
    QTest::newRow("rings that do not meet")
        << TestRings { small, small, { 14, 10, 0.25, 1, "" } } << 0 << 1 << 2;
}

void TestStackPainting::ringsStandWhereTheirNumbersPutThem()
{
    QFETCH(TestRings, rings);
    QFETCH(int, selected);
    QFETCH(int, narrowFrom);
    QFETCH(int, narrowTo);
    orvane::Vessel vessel;
    double halfWidth = 0;
    double height = 0;
    for (const TestRing &r : rings) {
        orvane::RingDesign design = orvane::defaultRing();
        design.inputs = { 12, r.outer, r.inner, r.fudge };
        design.thickness = r.thickness;
        design.wood = r.wood;
        vessel.rings.push_back(design);
        if (r.outer > r.inner)
            halfWidth = std::max(halfWidth, r.outer / 2 + r.fudge);
        height += r.thickness;
    }
    const orvane::VesselResults results = orvane::computeVessel(vessel);
    QImage image(imageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRectF target(QPointF(0, 0), QSizeF(imageSize));
    {
        QPainter painter(&image);
        painter.setFont(pictureFont());
        orvane::paintStack(painter, target, results,
            selected < 0 ? std::nullopt : std::optional(std::size_t(selected)));
    }

    // Each ring in its wood's colour, the common woods' here.
    const auto toneOf = [](const TestRing &r) { return orvane::woodTone(r.wood, {}); };
    const QRect bounds = boundsOf(image, [&](QColor c) {
        for (const TestRing &r : rings) {
            if (c == toneOf(r) || c == orvane::fudgeTone(toneOf(r)))
                return true;
        }
        return c == orvane::stackColours::selected;
    });
    const double scale = (bounds.width() + 1) / (2 * halfWidth);
    const double axis = bounds.left() + (bounds.width() + 1) / 2.0;
    const auto y = [&](double above) { return bounds.bottom() + 1 - above * scale; };
    // To scale, and as large as the image allows.
    QVERIFY(std::abs(bounds.height() + 1 - height * scale) <= 2.5);
    QVERIFY(bounds.width() > imageSize.width() * 0.7 || bounds.height() > imageSize.height() * 0.7);

    double bottom = 0;
    for (qsizetype i = 0; i < rings.size(); ++i) {
        const TestRing &r = rings[i];
        const double middle = y(bottom + r.thickness / 2);
        bottom += r.thickness;
        if (!(r.outer > r.inner))
            continue;
        const QColor wood = toneOf(r);
        for (const double side : { -1.0, 1.0 }) {
            const auto at
                = [&](double radius) { return QPointF(axis + side * radius * scale, middle); };
            const auto colour = [&](double radius) {
                return image.pixelColor(int(std::floor(at(radius).x())), int(middle));
            };
            QCOMPARE(colour((r.outer + r.inner) / 4),
                i == selected ? orvane::stackColours::selected : wood);
            QCOMPARE(colour(r.outer / 2 + r.fudge / 2), orvane::fudgeTone(wood));
            QCOMPARE(colour(r.inner / 2 - r.fudge / 2), orvane::fudgeTone(wood));
            QCOMPARE(colour((r.inner / 2 - r.fudge) * 0.6), QColor(Qt::white));
            // Clicking there picks the ring.
            QCOMPARE(orvane::stackRingAt(target, results, QFontMetricsF(pictureFont(), &image),
                         at((r.outer + r.inner) / 4)),
                std::optional(std::size_t(i)));
        }
    }

    // The red outlines span exactly the rings of the narrow joints, to their outer edges.
    const QRect red = boundsOf(
        image, [](QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; });
    QCOMPARE(red.isEmpty(), narrowFrom < 0);
    if (narrowFrom >= 0) {
        double below = 0;
        double span = 0;
        double widest = 0;
        for (int i = 0; i <= narrowTo; ++i) {
            (i < narrowFrom ? below : span) += rings[i].thickness;
            if (i >= narrowFrom && rings[i].outer > rings[i].inner)
                widest = std::max(widest, rings[i].outer);
        }
        QVERIFY(std::abs(red.bottom() + 1 - y(below)) <= 3);
        QVERIFY(std::abs(red.top() - y(below + span)) <= 3);
        QVERIFY(std::abs(red.width() - widest * scale) <= 4);
    }
}

void TestStackPainting::nothingToDrawLeavesTheTargetBlank()
{
    QImage blank(imageSize, QImage::Format_RGB32);
    blank.fill(Qt::white);
    QImage image = blank;
    QPainter painter(&image);
    orvane::paintStack(painter, QRectF(0, 0, 600, 400), orvane::computeVessel({}), std::nullopt);
    // A target too small for the dimensions around the picture.
    orvane::Vessel vessel;
    vessel.rings.push_back(orvane::defaultRing());
    orvane::paintStack(painter, QRectF(0, 0, 20, 10), orvane::computeVessel(vessel), 0);
    painter.end();
    QCOMPARE(image, blank);
}

QTEST_MAIN(TestStackPainting)
#include "tst_stackpainting.moc"
