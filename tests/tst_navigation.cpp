// Zooming and centring the ring plan view: the scale values each button sets, in single precision
// and in order, first on a recording surface and then through the window's own buttons, where each
// click ends in a full recalculation. ZOOM IN stops before a span would reach zero.

#include "drawing/navigation.h"
#include "drawing/picturebox.h"
#include "tests/support/pixels.h"
#include "tests/support/recordingsurface.h"
#include "tests/support/viewscale.h"
#include "window/orvane.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cmath>

class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
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
    struct Window
    {
        Orvane window;
        PictureBox *picture = nullptr;
        QPushButton *zoomOut = nullptr;
        QPushButton *zoomIn = nullptr;
        QPushButton *center = nullptr;
    };
    static bool open(Window &w);
    static void click(Window &w, const QString &buttons);
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

// Shows the window and finds the plan view and its buttons.
bool TestNavigation::open(Window &w)
{
    w.picture = w.window.findChild<PictureBox *>(QStringLiteral("Picture1"));
    w.zoomOut = w.window.findChild<QPushButton *>(QStringLiteral("Command2"));
    w.zoomIn = w.window.findChild<QPushButton *>(QStringLiteral("Command3"));
    w.center = w.window.findChild<QPushButton *>(QStringLiteral("Command8"));
    if (!w.picture || !w.zoomOut || !w.zoomIn || !w.center)
        return false;
    w.window.show();
    return QTest::qWaitForWindowExposed(&w.window);
}

// Clicks the view buttons in turn: O for ZOOM OUT, I for ZOOM IN, C for Center.
void TestNavigation::click(Window &w, const QString &buttons)
{
    for (const QChar button : buttons) {
        QPushButton *target = button == u'O' ? w.zoomOut : button == u'I' ? w.zoomIn : w.center;
        QTest::mouseClick(target, Qt::LeftButton);
    }
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
    QTest::newRow("zooms, then center") << QStringLiteral("OOIIIOIC") << centredScale << QPointF(42, 42);
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
    Window w;
    QVERIFY(open(w));
    click(w, clicks);
    QCOMPARE(w.picture->scaleLeft(), scale.left);
    QCOMPARE(w.picture->scaleTop(), scale.top);
    QCOMPARE(w.picture->scaleWidth(), scale.width);
    QCOMPARE(w.picture->scaleHeight(), scale.height);
    QCOMPARE(w.window.formState().centerx, float(centre.x()));
    QCOMPARE(w.window.formState().centery, float(centre.y()));
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
    Window w;
    QVERIFY(open(w));
    auto *longangle = w.window.findChild<QLabel *>(QStringLiteral("longangle"));
    auto *boardfeet = w.window.findChild<QLabel *>(QStringLiteral("boardfeet"));
    QVERIFY(longangle && boardfeet);
    const QString feet = boardfeet->text();
    longangle->clear();
    boardfeet->clear();

    click(w, clicks);
    QCOMPARE(longangle->text(), QStringLiteral("30.0°"));
    QCOMPARE(boardfeet->text(), feet);

    // The top edge of the ring's polygon, 18.25 inches above the centre (the outer radius grown
    // by the fudge factor), five inches right of it, is yellow; between two boundary lines inside
    // the inner circle there is nothing.
    const pixels::Scale scale { w.picture->scaleLeft(), w.picture->scaleTop(),
        w.picture->scaleWidth(), w.picture->scaleHeight() };
    const double cx = scale.width / 2;
    const double cy = scale.top / 2;
    const QImage image = w.picture->grab().toImage();
    const QPoint edge = pixels::pixelAt(image, pixels::landing(image, scale, cx + 5, cy + 18.25));
    QVERIFY(pixels::anyNear(image, edge, 1, pixels::isYellowish));
    const QPoint inside = pixels::pixelAt(image, pixels::landing(image, scale, cx + 6, cy + 3.5));
    QVERIFY(pixels::allNear(image, inside, 2, pixels::isTeal));
}

void TestNavigation::zoomInGreysBeforeTheViewTurnsInsideOut()
{
    Window w;
    QVERIFY(open(w));
    click(w, QStringLiteral("C"));
    for (int i = 1; i <= 15; ++i) {
        click(w, QStringLiteral("I"));
        QVERIFY2(w.zoomIn->isEnabled(), qPrintable(QString::number(i)));
    }
    click(w, QStringLiteral("I"));
    QCOMPARE(w.picture->scaleWidth(), 4.0f);
    QCOMPARE(w.picture->scaleHeight(), -4.0f);
    QCOMPARE(w.picture->scaleTop(), 4.0f);
    QVERIFY(!w.zoomIn->isEnabled());

    // A seventeenth click finds the button greyed and changes nothing.
    click(w, QStringLiteral("I"));
    QCOMPARE(w.picture->scaleWidth(), 4.0f);
    QCOMPARE(w.picture->scaleHeight(), -4.0f);

    click(w, QStringLiteral("O"));
    QVERIFY(w.zoomIn->isEnabled());
    QCOMPARE(w.picture->scaleWidth(), 9.0f);
    click(w, QStringLiteral("I"));
    QVERIFY(!w.zoomIn->isEnabled());
    click(w, QStringLiteral("C"));
    QVERIFY(w.zoomIn->isEnabled());
    QCOMPARE(w.picture->scaleWidth(), 84.0f);
}

void TestNavigation::zoomInGreysFromTheStartScale()
{
    Window w;
    QVERIFY(open(w));
    int clicks = 0;
    while (w.zoomIn->isEnabled() && clicks < 100) {
        click(w, QStringLiteral("I"));
        ++clicks;
    }
    QCOMPARE(clicks, 18);
    QVERIFY(std::fabs(w.picture->scaleWidth() - 2.7f) < 1e-4);
    QVERIFY(std::fabs(w.picture->scaleHeight() + 2.7f) < 1e-4);
    QCOMPARE(w.picture->scaleTop(), -40.0f);
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
