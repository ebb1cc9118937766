// The two drawings on the window: drawn before the window is first shown, redrawn when an input
// changes, kept unchanged while covered, and a recalculation that goes through for counts the
// spinner never offers.

#include "drawing/picturebox.h"
#include "tests/support/pixels.h"
#include "window/orvane.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;
const pixels::Scale startScale { 0, 50, 92.7, -92.7 };
constexpr double cx = 46.35; // the ring centre at the start scale
constexpr double cy = 25;

// Where the plan view puts the point `radius` from the ring centre at `degrees`.
QPoint planPixel(const QImage &image, double radius, double degrees)
{
    const double a = degrees * pi / 180;
    return pixels::pixelAt(image,
        pixels::landing(image, startScale, cx + radius * std::cos(a), cy + radius * std::sin(a)));
}

template <typename T> T *child(const QWidget &window, const char *name)
{
    return window.findChild<T *>(QLatin1String(name));
}

// Clicks the up arrow of a spinner, where the style draws it.
void clickUpArrow(QScrollBar *spinner)
{
    QStyleOptionSlider option;
    option.initFrom(spinner);
    option.orientation = spinner->orientation();
    option.minimum = spinner->minimum();
    option.maximum = spinner->maximum();
    option.sliderPosition = spinner->sliderPosition();
    option.sliderValue = spinner->value();
    option.singleStep = spinner->singleStep();
    option.pageStep = spinner->pageStep();
    option.upsideDown = spinner->invertedAppearance();
    const QRect arrow = spinner->style()->subControlRect(
        QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, spinner);
    QTest::mouseClick(spinner, Qt::LeftButton, {}, arrow.center());
}

} // namespace

class TestDrawingWindow : public QObject
{
    Q_OBJECT

private slots:
    void drawnBeforeFirstShown();
    void redrawnWhenAnInputChanges();
    void coveringLeavesTheDrawingsUnchanged();
    void countsBelowThreeKeepTheWindowWorking_data();
    void countsBelowThreeKeepTheWindowWorking();
};

void TestDrawingWindow::drawnBeforeFirstShown()
{
    Orvane window;
    auto *plan = child<PictureBox>(window, "Picture1");
    auto *detail = child<PictureBox>(window, "Picture2");
    QVERIFY(plan && detail);
    QVERIFY(!window.isVisible());

    // The joint at 60 degrees runs from the inner corner (radius 14.75) to the outer one (21.07);
    // between the boundary lines at 0 and 60 degrees, inside the inner circle, there is nothing.
    const QImage &ring = plan->image();
    QVERIFY(pixels::anyNear(ring, planPixel(ring, 20, 60), 1, pixels::isYellowish));
    QVERIFY(pixels::allNear(ring, planPixel(ring, 8, 30), 2, pixels::isTeal));

    // The segment: its first arc, 0.6 of the end cut's lean (3.16 inches) around the left end of
    // the long side at (1, 0.25), from 0 to 60 degrees.
    const QImage &segment = detail->image();
    const double width = 21.073287635 + 2;
    const pixels::Scale detailScale { 0, width / 1.702899, width, -width / 1.702899 };
    const double lean = (21.073287635 - 14.750001475) / 2;
    const QPoint arc = pixels::pixelAt(segment,
        pixels::landing(segment, detailScale, 1 + 0.6 * lean * std::cos(pi / 6),
            0.25 + 0.6 * lean * std::sin(pi / 6)));
    QVERIFY(pixels::anyNear(segment, arc, 1, pixels::isMagentaish));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shown = plan->grab().toImage();
    QVERIFY(pixels::anyNear(shown, planPixel(shown, 20, 60), 1, pixels::isYellowish));
}

void TestDrawingWindow::redrawnWhenAnInputChanges()
{
    Orvane window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *plan = child<PictureBox>(window, "Picture1");
    auto *detail = child<PictureBox>(window, "Picture2");
    auto *count = child<QScrollBar>(window, "VScroll1");
    QVERIFY(plan && detail && count);
    const QImage segmentBefore = detail->grab().toImage();
    QImage ring = plan->grab().toImage();
    QVERIFY(pixels::anyNear(ring, planPixel(ring, 20, 60), 1, pixels::isYellowish));

    clickUpArrow(count);
    clickUpArrow(count);
    QCOMPARE(child<QLineEdit>(window, "numsegs")->text(), QStringLiteral("8"));

    // Eight segments: a joint at 45 degrees, none at 60.
    ring = plan->grab().toImage();
    QVERIFY(pixels::anyNear(ring, planPixel(ring, 19, 45), 1, pixels::isYellowish));
    QVERIFY(pixels::allNear(ring, planPixel(ring, 20, 60), 2, pixels::isTeal));
    QVERIFY(detail->grab().toImage() != segmentBefore);
}

// The help panel covers parts of both drawings; closing it shows them as they were.
void TestDrawingWindow::coveringLeavesTheDrawingsUnchanged()
{
    Orvane window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *plan = child<PictureBox>(window, "Picture1");
    auto *detail = child<PictureBox>(window, "Picture2");
    auto *help = child<QPushButton>(window, "Command9");
    auto *close = child<QPushButton>(window, "Command10");
    QVERIFY(plan && detail && help && close);
    const QImage planBefore = window.grab(plan->geometry()).toImage();
    const QImage detailBefore = window.grab(detail->geometry()).toImage();
    const QImage backingBefore = plan->image();

    QTest::mouseClick(help, Qt::LeftButton);
    QVERIFY(close->isVisible());
    QVERIFY(window.grab(plan->geometry()).toImage() != planBefore);
    QVERIFY(window.grab(detail->geometry()).toImage() != detailBefore);

    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!close->isVisible());
    QCOMPARE(window.grab(plan->geometry()).toImage(), planBefore);
    QCOMPARE(window.grab(detail->geometry()).toImage(), detailBefore);
    QCOMPARE(plan->image(), backingBefore);
}

void TestDrawingWindow::countsBelowThreeKeepTheWindowWorking_data()
{
    QTest::addColumn<QString>("count");
    QTest::newRow("2 segments") << QStringLiteral("2");
    QTest::newRow("1 segment") << QStringLiteral("1");
}

// The spinner offers 4 to 24 segments; a count below three written into the box still runs the
// whole recalculation down to the board feet, and the window comes back whole afterwards.
void TestDrawingWindow::countsBelowThreeKeepTheWindowWorking()
{
    QFETCH(QString, count);
    Orvane window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *plan = child<PictureBox>(window, "Picture1");
    auto *detail = child<PictureBox>(window, "Picture2");
    auto *numsegs = child<QLineEdit>(window, "numsegs");
    auto *boardfeet = child<QLabel>(window, "boardfeet");
    QVERIFY(plan && detail && numsegs && boardfeet);
    const QImage planBefore = plan->image();
    const QImage detailBefore = detail->image();
    const QString feetBefore = boardfeet->text();

    const QString unset = QStringLiteral("unset");
    boardfeet->setText(unset);
    numsegs->setText(count);
    QVERIFY(boardfeet->text() != unset);
    QVERIFY(plan->image() != planBefore);

    numsegs->setText(QStringLiteral("6"));
    QCOMPARE(boardfeet->text(), feetBefore);
    QCOMPARE(plan->image(), planBefore);
    QCOMPARE(detail->image(), detailBefore);
}

QTEST_MAIN(TestDrawingWindow)
#include "tst_drawingwindow.moc"
