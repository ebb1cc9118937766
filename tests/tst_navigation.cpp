// Zooming and centring the ring plan view: the scale each button leaves, in single precision, first
// on a recording surface and then through the window's own buttons, where each click ends in a full
// recalculation that draws the ring about the middle of the new scale. ZOOM IN stops, and greys,
// before a span would reach zero.

#include "drawing/navigation.h"
#include "drawing/picturebox.h"
#include "tests/support/pixels.h"
#include "tests/support/recordingsurface.h"
#include "tests/support/viewscale.h"
#include "tests/support/windowdriver.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <numbers>

using orvane::PictureBox;

class TestNavigation : public WindowDriver
{
    Q_OBJECT

private slots:
    void cleanup() { window.reset(); }

    // On a recording surface.
    void steps_data();
    void steps();
    void zoomOutThenInRestoresTheScale_data();
    void zoomOutThenInRestoresTheScale();
    void canZoomIn_data();
    void canZoomIn();
    void refusedZoomInChangesNothing();

    // Through the window's buttons.
    void buttons_data();
    void buttons();
    void buttonsRecalculateEverything_data();
    void buttonsRecalculateEverything();
    void zoomInGreysBeforeTheViewTurnsInsideOut_data();
    void zoomInGreysBeforeTheViewTurnsInsideOut();

private:
    // Opens a window; false when it, its plan view or a view button is missing.
    bool open();
    PictureBox *picture() const { return control<PictureBox>("Picture1"); }
    QPushButton *zoomInButton() const { return control<QPushButton>("Command3"); }
    void click(const QString &buttons);
};

// Each step leaves the scale it names, and the zoom steps clear the view for the drawing that
// follows; Center sets the standard scale without a clear of its own.
void TestNavigation::steps_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<ViewScale>("from");
    QTest::addColumn<ViewScale>("to");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("zoom out from the start")
        << "out" << startScale << ViewScale { 0, 55, 92.7f + 5.0f, -92.7f - 5.0f } << true;
    QTest::newRow("zoom in from the start")
        << "in" << startScale << ViewScale { 0, 45, 87.7f, -87.7f } << true;
    QTest::newRow("zoom in keeps the left edge") << "in" << ViewScale { 3.25f, 50, 92.7f, -92.7f }
                                                 << ViewScale { 3.25f, 45, 87.7f, -87.7f } << true;
    QTest::newRow("center from anywhere")
        << "center" << ViewScale { 12, -3, 7.5f, 2 } << centredScale << false;
}

void TestNavigation::steps()
{
    QFETCH(QString, step);
    QFETCH(ViewScale, from);
    QFETCH(ViewScale, to);
    QFETCH(bool, cleared);
    RecordingSurface view;
    setScale(view, from);
    if (step == QLatin1String("out"))
        orvane::navigation::zoomOut(view);
    else if (step == QLatin1String("in"))
        QVERIFY(orvane::navigation::zoomIn(view));
    else
        orvane::navigation::center(view);
    QVERIFY2(scaleOf(view) == to, describe(scaleOf(view)));
    // A step draws nothing but, for the zoom steps, the clear.
    QCOMPARE(view.log(), cleared ? QStringList { "clear" } : QStringList {});
}

void TestNavigation::zoomOutThenInRestoresTheScale_data()
{
    QTest::addColumn<ViewScale>("scale");
    QTest::newRow("start") << startScale;
    QTest::newRow("centred") << centredScale;
    QTest::newRow("zoomed out") << ViewScale { 0, 75, 117.7f, -117.7f };
    QTest::newRow("zoomed in") << ViewScale { 0, 20, 57.7f, -57.7f };
    QTest::newRow("moved sideways") << ViewScale { 3.25f, 50, 92.7f, -92.7f };
}

void TestNavigation::zoomOutThenInRestoresTheScale()
{
    QFETCH(ViewScale, scale);
    RecordingSurface view;
    setScale(view, scale);
    orvane::navigation::zoomOut(view);
    QVERIFY(orvane::navigation::zoomIn(view));
    QVERIFY2(scaleOf(view) == scale, describe(scaleOf(view)));
}

void TestNavigation::canZoomIn_data()
{
    QTest::addColumn<ViewScale>("scale");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("start") << startScale << true;
    QTest::newRow("centred") << centredScale << true;
    QTest::newRow("a step above 5") << ViewScale { 0, 10, 5.5f, -5.5f } << true;
    QTest::newRow("just above 5") << ViewScale { 0, 10, 5.0001f, -5.0001f } << true;
    QTest::newRow("exactly 5: next step reaches zero") << ViewScale { 0, 10, 5, -5 } << false;
    QTest::newRow("4: next step turns negative") << ViewScale { 0, 10, 4, -4 } << false;
    QTest::newRow("2.7") << ViewScale { 0, -40, 2.7f, -2.7f } << false;
    QTest::newRow("wide but flat") << ViewScale { 0, 10, 50, -5 } << false;
    QTest::newRow("tall but narrow") << ViewScale { 0, 10, 5, -50 } << false;
}

void TestNavigation::canZoomIn()
{
    QFETCH(ViewScale, scale);
    QFETCH(bool, allowed);
    RecordingSurface view;
    setScale(view, scale);
    QCOMPARE(orvane::navigation::canZoomIn(view), allowed);
}

void TestNavigation::refusedZoomInChangesNothing()
{
    const ViewScale last { 0, 4, 4, -4 };
    RecordingSurface view;
    setScale(view, last);
    QVERIFY(!orvane::navigation::zoomIn(view));
    QCOMPARE(view.log(), QStringList {});
    QVERIFY(scaleOf(view) == last);
}

bool TestNavigation::open()
{
    return openWindow() && picture() && control("Command2") && zoomInButton()
        && control("Command8");
}

// Clicks the view buttons in turn: O for ZOOM OUT, I for ZOOM IN, C for Center.
void TestNavigation::click(const QString &buttons)
{
    for (const QChar button : buttons)
        clickButton(button == u'O' ? "Command2" : button == u'I' ? "Command3" : "Command8");
}

void TestNavigation::buttons_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<ViewScale>("scale");
    QTest::addColumn<QPointF>("centre");
    QTest::newRow("none") << QStringLiteral("") << startScale << QPointF(46.35, 25);
    QTest::newRow("zoom in") << QStringLiteral("I") << ViewScale { 0, 45, 87.7f, -87.7f }
                             << QPointF(43.85, 22.5);
    QTest::newRow("zoom out") << QStringLiteral("O") << ViewScale { 0, 55, 97.7f, -97.7f }
                              << QPointF(48.85, 27.5);
    QTest::newRow("out, in") << QStringLiteral("OI") << startScale << QPointF(46.35, 25);
    QTest::newRow("in, in, out") << QStringLiteral("IIO") << ViewScale { 0, 45, 87.7f, -87.7f }
                                 << QPointF(43.85, 22.5);
    QTest::newRow("center") << QStringLiteral("C") << centredScale << QPointF(42, 42);
    QTest::newRow("zooms, then center")
        << QStringLiteral("OOIIIOIC") << centredScale << QPointF(42, 42);
    QTest::newRow("center, zoom in")
        << QStringLiteral("CI") << ViewScale { 0, 79, 79, -79 } << QPointF(39.5, 39.5);
    QTest::newRow("center, zoom out twice")
        << QStringLiteral("COO") << ViewScale { 0, 94, 94, -94 } << QPointF(47, 47);
}

// The scale each run of clicks leaves, and the ring drawn about the middle of it: the boundary
// lines at 0 and 180 degrees run level through `centre`, those at 60 and 120 degrees meet there,
// and the top edge of the polygon lies 18.25 inches above it.
void TestNavigation::buttons()
{
    QFETCH(QString, clicks);
    QFETCH(ViewScale, scale);
    QFETCH(QPointF, centre);
    QVERIFY(open());
    click(clicks);
    QVERIFY2(scaleOf(*picture()) == scale, describe(scaleOf(*picture())));

    const QImage &image = picture()->image();
    const pixels::Scale shown { scale.left, scale.top, scale.width, scale.height };
    const auto at = [&](double dx, double dy) {
        return pixels::pixelAt(
            image, pixels::landing(image, shown, centre.x() + dx, centre.y() + dy));
    };
    const auto drawn = [](QRgb c) { return !pixels::isTeal(c); };
    const double across = 5 / std::tan(60 * std::numbers::pi / 180); // at 5 above the centre
    QVERIFY(pixels::anyNear(image, at(-6, 0), 1, drawn));
    QVERIFY(pixels::anyNear(image, at(6, 0), 1, drawn));
    QVERIFY(pixels::anyNear(image, at(across, 5), 1, drawn));
    QVERIFY(pixels::anyNear(image, at(-across, 5), 1, drawn));
    QVERIFY(pixels::allNear(image, at(0, 5), 2, pixels::isTeal));
    QVERIFY(pixels::anyNear(image, at(0, 18.25), 1, pixels::isYellowish));
}

void TestNavigation::buttonsRecalculateEverything_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::newRow("zoom out") << QStringLiteral("O");
    QTest::newRow("zoom in") << QStringLiteral("I");
    QTest::newRow("center") << QStringLiteral("C");
}

// A view button runs the whole recalculation: the captions are written again and the ring is
// drawn at the new scale.
void TestNavigation::buttonsRecalculateEverything()
{
    QFETCH(QString, clicks);
    QVERIFY(open());
    auto *shortSideAngle = control<QLabel>("longangle"); // under the heading "Short Side"
    auto *boardFeet = control<QLabel>("boardfeet");
    QVERIFY(shortSideAngle && boardFeet);
    const QString feet = boardFeet->text();
    shortSideAngle->clear();
    boardFeet->clear();

    click(clicks);
    QCOMPARE(shortSideAngle->text(), QStringLiteral("30.0°"));
    QCOMPARE(boardFeet->text(), feet);

    // The top edge of the ring's polygon, 18.25 inches above the centre (the outer radius grown
    // by the fudge factor), five inches right of it, is yellow; between two boundary lines inside
    // the inner circle there is nothing.
    const pixels::Scale scale { picture()->scaleLeft(), picture()->scaleTop(),
        picture()->scaleWidth(), picture()->scaleHeight() };
    const double cx = scale.width / 2;
    const double cy = scale.top / 2;
    const QImage image = picture()->grab().toImage();
    const QPoint edge = pixels::pixelAt(image, pixels::landing(image, scale, cx + 5, cy + 18.25));
    QVERIFY(pixels::anyNear(image, edge, 1, pixels::isYellowish));
    const QPoint inside = pixels::pixelAt(image, pixels::landing(image, scale, cx + 6, cy + 3.5));
    QVERIFY(pixels::allNear(image, inside, 2, pixels::isTeal));
}

void TestNavigation::zoomInGreysBeforeTheViewTurnsInsideOut_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("steps");
    QTest::addColumn<float>("lastSpan");
    QTest::addColumn<float>("lastTop");
    // 92.7 - 18 * 5 = 2.7 across and down, the top 50 - 18 * 5.
    QTest::newRow("from the start") << QString() << 18 << 2.7f << -40.0f;
    // 84 - 16 * 5 = 4, and the top with it.
    QTest::newRow("from Center") << QStringLiteral("C") << 16 << 4.0f << 4.0f;
}

// ZOOM IN works until the next step would take a span to zero, then greys; a click on it greyed
// changes nothing. ZOOM OUT and Center make it work again.
void TestNavigation::zoomInGreysBeforeTheViewTurnsInsideOut()
{
    QFETCH(QString, first);
    QFETCH(int, steps);
    QFETCH(float, lastSpan);
    QFETCH(float, lastTop);
    QVERIFY(open());
    click(first);
    for (int i = 1; i < steps; ++i) {
        click(QStringLiteral("I"));
        QVERIFY2(zoomInButton()->isEnabled(), qPrintable(QString::number(i)));
    }
    click(QStringLiteral("I"));
    QVERIFY(!zoomInButton()->isEnabled());
    const ViewScale last = scaleOf(*picture());
    QVERIFY2(std::fabs(last.width - lastSpan) < 1e-4, describe(last));
    QVERIFY2(std::fabs(last.height + lastSpan) < 1e-4, describe(last));
    QVERIFY2(std::fabs(last.top - lastTop) < 1e-4, describe(last));

    click(QStringLiteral("I"));
    QVERIFY(scaleOf(*picture()) == last);
    QVERIFY(picture()->scaleWidth() > 0 && picture()->scaleHeight() < 0);

    click(QStringLiteral("O"));
    QVERIFY(zoomInButton()->isEnabled());
    QVERIFY(std::fabs(picture()->scaleWidth() - (lastSpan + 5)) < 1e-4);
    click(QStringLiteral("I"));
    QVERIFY(!zoomInButton()->isEnabled());
    click(QStringLiteral("C"));
    QVERIFY(zoomInButton()->isEnabled());
    QVERIFY(scaleOf(*picture()) == centredScale);
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
