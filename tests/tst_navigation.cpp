// Zooming and centring the ring plan view: the scale values each button sets, in single precision
// and in order, first on a recording surface and then through the window's own buttons, where each
// click ends in a full recalculation. ZOOM IN stops before a span would reach zero.

#include "drawing/navigation.h"
#include "drawing/picturebox.h"
#include "tests/support/pixels.h"
#include "tests/support/recordingsurface.h"
#include "tests/support/viewscale.h"
#include "tests/support/windowtest.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cmath>

class TestNavigation : public WindowTest
{
    Q_OBJECT

private slots:
    void cleanup() { window.reset(); }

    // On a recording surface.
    void zoomOut();
    void zoomIn();
    void center();
    void zoomOutThenInRestoresTheScale_data();
    void zoomOutThenInRestoresTheScale();
    void canZoomIn_data();
    void canZoomIn();
    void refusedZoomInChangesNothing();
    void zoomInStopsBeforeAZeroSpan_data();
    void zoomInStopsBeforeAZeroSpan();

    // Through the window's buttons.
    void buttons_data();
    void buttons();
    void buttonsRecalculateEverything_data();
    void buttonsRecalculateEverything();
    void zoomInGreysBeforeTheViewTurnsInsideOut();
    void zoomInGreysFromTheStartScale();

private:
    // Opens a window; false when it, its plan view or a view button is missing.
    bool open();
    PictureBox *picture() const { return control<PictureBox>("Picture1"); }
    QPushButton *zoomInButton() const { return control<QPushButton>("Command3"); }
    void click(const QString &buttons);
};

void TestNavigation::zoomOut()
{
    RecordingSurface view;
    setScale(view, startScale);
    view.operations.clear();
    navigation::zoomOut(view);
    QCOMPARE(view.log(),
        (QStringList {
            "clear", "scaleTop 55", "scaleHeight -97.6999969", "scaleWidth 97.6999969" }));
    QCOMPARE(view.scaleHeight(), -92.7f - 5.0f);
    QCOMPARE(view.scaleWidth(), 92.7f + 5.0f);
}

void TestNavigation::zoomIn()
{
    RecordingSurface view;
    setScale(view, startScale);
    view.operations.clear();
    navigation::zoomIn(view);
    QCOMPARE(view.log(),
        (QStringList {
            "clear", "scaleTop 45", "scaleHeight -87.6999969", "scaleWidth 87.6999969" }));
    QCOMPARE(view.scaleLeft(), 0.0f);
    QCOMPARE(view.scaleTop(), 45.0f);
    QCOMPARE(view.scaleWidth(), 87.7f);
    QCOMPARE(view.scaleHeight(), -87.7f);
}

// Center sets the standard scale in one go, without a clear of its own.
void TestNavigation::center()
{
    RecordingSurface view;
    setScale(view, ViewScale { 12, -3, 7.5f, 2 });
    view.operations.clear();
    navigation::center(view);
    QCOMPARE(view.log(),
        (QStringList { "scaleTop 84", "scaleHeight -84", "scaleWidth 84", "scaleLeft 0" }));
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
    navigation::zoomOut(view);
    navigation::zoomIn(view);
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
    QCOMPARE(navigation::canZoomIn(view), allowed);
}

void TestNavigation::refusedZoomInChangesNothing()
{
    const ViewScale last { 0, 4, 4, -4 };
    RecordingSurface view;
    setScale(view, last);
    view.operations.clear();
    navigation::zoomIn(view);
    QCOMPARE(view.log(), QStringList {});
    QVERIFY(scaleOf(view) == last);
}

void TestNavigation::zoomInStopsBeforeAZeroSpan_data()
{
    QTest::addColumn<ViewScale>("scale");
    QTest::addColumn<int>("steps");
    QTest::addColumn<float>("lastWidth");
    QTest::newRow("from the start") << startScale << 18 << 2.7f;
    QTest::newRow("from Center") << centredScale << 16 << 4.0f;
}

void TestNavigation::zoomInStopsBeforeAZeroSpan()
{
    QFETCH(ViewScale, scale);
    QFETCH(int, steps);
    QFETCH(float, lastWidth);
    RecordingSurface view;
    setScale(view, scale);
    int taken = 0;
    while (navigation::canZoomIn(view) && taken < 100) {
        navigation::zoomIn(view);
        ++taken;
    }
    QCOMPARE(taken, steps);
    QVERIFY(std::fabs(view.scaleWidth() - lastWidth) < 1e-4);
    QVERIFY(std::fabs(view.scaleHeight() + lastWidth) < 1e-4);
    navigation::zoomIn(view);
    QVERIFY(view.scaleWidth() > 0 && view.scaleHeight() < 0);
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

void TestNavigation::buttons()
{
    QFETCH(QString, clicks);
    QFETCH(ViewScale, scale);
    QFETCH(QPointF, centre);
    QVERIFY(open());
    click(clicks);
    QCOMPARE(picture()->scaleLeft(), scale.left);
    QCOMPARE(picture()->scaleTop(), scale.top);
    QCOMPARE(picture()->scaleWidth(), scale.width);
    QCOMPARE(picture()->scaleHeight(), scale.height);
    QCOMPARE(window->formState().centerx, float(centre.x()));
    QCOMPARE(window->formState().centery, float(centre.y()));
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
    auto *longangle = control<QLabel>("longangle");
    auto *boardfeet = control<QLabel>("boardfeet");
    QVERIFY(longangle && boardfeet);
    const QString feet = boardfeet->text();
    longangle->clear();
    boardfeet->clear();

    click(clicks);
    QCOMPARE(longangle->text(), QStringLiteral("30.0°"));
    QCOMPARE(boardfeet->text(), feet);

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

void TestNavigation::zoomInGreysBeforeTheViewTurnsInsideOut()
{
    QVERIFY(open());
    click(QStringLiteral("C"));
    for (int i = 1; i <= 15; ++i) {
        click(QStringLiteral("I"));
        QVERIFY2(zoomInButton()->isEnabled(), qPrintable(QString::number(i)));
    }
    click(QStringLiteral("I"));
    QCOMPARE(picture()->scaleWidth(), 4.0f);
    QCOMPARE(picture()->scaleHeight(), -4.0f);
    QCOMPARE(picture()->scaleTop(), 4.0f);
    QVERIFY(!zoomInButton()->isEnabled());

    // A seventeenth click finds the button greyed and changes nothing.
    click(QStringLiteral("I"));
    QCOMPARE(picture()->scaleWidth(), 4.0f);
    QCOMPARE(picture()->scaleHeight(), -4.0f);

    click(QStringLiteral("O"));
    QVERIFY(zoomInButton()->isEnabled());
    QCOMPARE(picture()->scaleWidth(), 9.0f);
    click(QStringLiteral("I"));
    QVERIFY(!zoomInButton()->isEnabled());
    click(QStringLiteral("C"));
    QVERIFY(zoomInButton()->isEnabled());
    QCOMPARE(picture()->scaleWidth(), 84.0f);
}

void TestNavigation::zoomInGreysFromTheStartScale()
{
    QVERIFY(open());
    int clicks = 0;
    while (zoomInButton()->isEnabled() && clicks < 100) {
        click(QStringLiteral("I"));
        ++clicks;
    }
    QCOMPARE(clicks, 18);
    QVERIFY(std::fabs(picture()->scaleWidth() - 2.7f) < 1e-4);
    QVERIFY(std::fabs(picture()->scaleHeight() + 2.7f) < 1e-4);
    QCOMPARE(picture()->scaleTop(), -40.0f);
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
