// Thousands of random user actions on the real window, from fixed seeds: arrow and track clicks on
// every spinner, arrow and page keys, drags of the thumbs, the view buttons, "Help" and "Close",
// and "Print" left without OK. Each click lands on whatever lies on top where it is made, as a
// real one would: while the help panel covers the spinners, clicks there go to the panel.
//
// After every action: the spinners hold what the action and the diameter coupling must leave,
// the outer diameter is never below the inner one, every box shows its spinner's value, every
// caption is what the calculation gives for the boxes (and what the closed forms give), no
// caption shows a number that is not one, and the plan view keeps a proper, unreversed span.

#include "core/angles.h"
#include "core/boardfeet.h"
#include "core/fractions.h"
#include "core/picture.h"
#include "core/reading.h"
#include "core/ring.h"
#include "drawing/picturebox.h"
#include "tests/support/expected.h"
#include "tests/support/viewscale.h"
#include "tests/support/windowdriver.h"
#include "window/spinner.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
#include <random>

using Part = WindowDriver::Part;

namespace {

// The five spinners, in the order of the array that models them.
constexpr const auto &ranges = expected::spinners;
constexpr int outerSpinner = 1;
constexpr int innerSpinner = 2;
constexpr int fudgeSpinner = 3;

enum class Action
{
    UpArrow,
    DownArrow,
    TrackAbove,
    TrackBelow,
    UpKey,
    DownKey,
    PageUpKey,
    PageDownKey,
    Drag,
    ZoomOut,
    ZoomIn,
    Center,
    Help,
    Close,
    Print,
};
constexpr int actionKinds = int(Action::Print) + 1;

const char *actionName(Action action)
{
    static const char *const names[] = { "up arrow", "down arrow", "track above", "track below",
        "Up key", "Down key", "Page Up key", "Page Down key", "drag", "ZOOM OUT", "ZOOM IN",
        "Center", "Help", "Close", "Print" };
    return names[int(action)];
}

// How often each action is drawn. The spinners get most; "Help" is rarer than "Close" so that the
// panel does not cover the spinners much of the time, and "Print" is rare because nothing but its
// OK button takes the prompt away again.
constexpr std::array<int, actionKinds> weights { 10, 10, 5, 5, 4, 4, 2, 2, 4, 3, 3, 1, 1, 4, 0 };
constexpr int printOneIn = 1500;

// The end state of the diameters after the user moved one of them from (outer, inner) to
// `value`: the outer diameter is never left below the inner one.
void coupleDiameters(std::array<int, 5> &v, int moved, int value)
{
    const int outer = v[outerSpinner];
    const int inner = v[innerSpinner];
    if (moved == outerSpinner) {
        if (value > inner) {
            v[outerSpinner] = value;
        } else if (value == inner - 1) {
            v[outerSpinner] = v[innerSpinner] = inner - 1;
        } else {
            v[outerSpinner] = inner;
            v[innerSpinner] = inner - 1;
        }
    } else {
        v[innerSpinner] = value;
        if (value > outer)
            v[outerSpinner] = value + 1;
    }
}

} // namespace

class TestRandomUse : public WindowDriver
{
    Q_OBJECT

    std::mt19937 random;

    // The model of the window: what each action must leave.
    std::array<int, 5> values {};
    bool fudgeMoved = false;
    bool helpShown = false;
    bool promptShown = false;
    ViewScale scale = startScale;
    int landedElsewhere = 0; // clicks that went to a control covering the one aimed at

    // The first new value of each spinner during the current action.
    std::array<std::optional<int>, 5> firstChange;

    int pick(int count) { return int(random() % unsigned(count)); }

    orvane::Spinner *spinner(int index) const
    {
        return control<orvane::Spinner>(ranges[index].name);
    }

    // Clicks the window where `widget` shows the point `at`. The click goes to whatever lies on
    // top there; true when that is `widget` itself and it takes clicks.
    bool clickWhere(QWidget *widget, QPoint at)
    {
        const QPoint inWindow = widget->mapTo(window.get(), at);
        QWidget *top = window->childAt(inWindow);
        if (!top)
            top = window.get();
        const bool takesIt = top == widget && widget->isEnabled();
        QTest::mouseClick(top, Qt::LeftButton, {}, top->mapFrom(window.get(), inWindow));
        landedElsewhere += top != widget;
        return takesIt;
    }
    bool clickButton(const char *name)
    {
        auto *button = control<QPushButton>(name);
        return button->isVisible() && clickWhere(button, button->rect().center());
    }

    // Whether the middle of `part` of the spinner is on top where it is drawn.
    bool reachable(orvane::Spinner *bar, Part part) const
    {
        const QRect area = partRect(bar, part);
        return !area.isEmpty() && window->childAt(bar->mapTo(window.get(), area.center())) == bar;
    }

    // Performs `action` on spinner `index` (for the spinner actions), and updates the model.
    // False when the action cannot be made now, as a click in a track that has no room.
    bool perform(Action action, int index)
    {
        orvane::Spinner *bar = spinner(index);
        const expected::SpinnerRange &range = ranges[index];
        std::optional<int> userValue; // where the action must take the spinner, when it does
        const auto step = [&](int by) {
            const int target = std::clamp(values[index] + by, range.bottom, range.top);
            if (target != values[index])
                userValue = target;
        };
        const auto clickPart = [&](Part part, int by) {
            const QRect area = partRect(bar, part);
            if (area.isEmpty())
                return false;
            if (clickWhere(bar, area.center()))
                step(by);
            return true;
        };
        const auto key = [&](int qtKey, int by) {
            pressKey(bar, qtKey);
            step(by);
            return true;
        };

        bool made = true;
        switch (action) {
        case Action::UpArrow: made = clickPart(Part::UpArrow, 1); break;
        case Action::DownArrow: made = clickPart(Part::DownArrow, -1); break;
        case Action::TrackAbove: made = clickPart(Part::TrackAbove, range.trackStep); break;
        case Action::TrackBelow: made = clickPart(Part::TrackBelow, -range.trackStep); break;
        case Action::UpKey: made = key(Qt::Key_Up, 1); break;
        case Action::DownKey: made = key(Qt::Key_Down, -1); break;
        case Action::PageUpKey: made = key(Qt::Key_PageUp, range.trackStep); break;
        case Action::PageDownKey: made = key(Qt::Key_PageDown, -range.trackStep); break;
        case Action::Drag:
            if (!reachable(bar, Part::Thumb)) {
                made = clickPart(Part::Thumb, 0); // lands on what covers the thumb
                break;
            }
            // Where the thumb is let go is the user's choice; the spinner says what it makes
            // of it, and the coupling goes on from there.
            made = dragThumb(bar, pick(1001) / 1000.0);
            userValue = firstChange[index];
            break;
        case Action::ZoomOut:
            if (clickButton("Command2")) {
                scale.top += 5;
                scale.height -= 5;
                scale.width += 5;
            }
            break;
        case Action::ZoomIn:
            if (clickButton("Command3") && scale.width - 5 > 0 && scale.height + 5 < 0) {
                scale.top -= 5;
                scale.height += 5;
                scale.width -= 5;
            }
            break;
        case Action::Center:
            if (clickButton("Command8"))
                scale = centredScale;
            break;
        case Action::Help:
            if (clickButton("Command9"))
                helpShown = true;
            break;
        case Action::Close:
            if (clickButton("Command10"))
                helpShown = false;
            break;
        case Action::Print:
            if (clickButton("Command13"))
                promptShown = true;
            break;
        }
        if (!made)
            return false;

        if (userValue) {
            if (index == outerSpinner || index == innerSpinner)
                coupleDiameters(values, index, *userValue);
            else
                values[index] = *userValue;
            if (index == fudgeSpinner)
                fudgeMoved = true;
        }
        return true;
    }

    // The nine captions the calculation gives for the texts in the boxes.
    QMap<QString, QString> calculatedCaptions() const
    {
        const orvane::RingInputs inputs = ringInputs();
        const std::optional<orvane::Ring> ring = orvane::computeRing(inputs);
        const auto shown = [](const std::string &text) { return QString::fromStdString(text); };
        const auto length = [&](double orvane::Ring::*side, bool fraction) {
            if (!ring)
                return QString();
            const double inches = *ring.*side;
            return shown(fraction ? orvane::fractionText(inches) : orvane::decimalText(inches));
        };
        const auto angles = orvane::miterAngles(inputs.segmentCount);
        const auto angle = [&](double orvane::MiterAngles::*which) {
            return shown(orvane::angleText(
                angles ? std::optional(*angles.*which) : std::nullopt, orvane::anglePicture));
        };
        const auto thickness = orvane::wholeNumber(text("boardthick").toStdString());
        return {
            { "longside", length(&orvane::Ring::longSide, true) },
            { "longsidedec", length(&orvane::Ring::longSide, false) },
            { "shortside", length(&orvane::Ring::shortSide, true) },
            { "shortsidedec", length(&orvane::Ring::shortSide, false) },
            { "bwidth", length(&orvane::Ring::boardWidth, true) },
            { "boardwidthdec", length(&orvane::Ring::boardWidth, false) },
            { "shortangle", angle(&orvane::MiterAngles::longSide) },
            { "longangle", angle(&orvane::MiterAngles::shortSide) },
            { "boardfeet",
                shown(orvane::boardFeetCaption(
                    ring ? orvane::boardFeet(*ring, thickness) : std::nullopt)) },
        };
    }

    // Everything that must hold after each action; the failure names the action.
    void checkWindow(const QByteArray &what)
    {
        for (int i = 0; i < 5; ++i) {
            const int shown = spinner(i)->spinnerValue();
            QVERIFY2(shown == values[i],
                what + ": " + ranges[i].name + " at " + QByteArray::number(shown) + ", expected "
                    + QByteArray::number(values[i]));
        }
        QVERIFY2(values[outerSpinner] >= values[innerSpinner], what);
        for (int i = 0; i < 5; ++i)
            QVERIFY2(values[i] >= ranges[i].bottom && values[i] <= ranges[i].top, what);

        for (int i = 0; i < 5; ++i) {
            QString written = expected::boxText(ranges[i].name, values[i]);
            if (i == fudgeSpinner && !fudgeMoved)
                written = QStringLiteral(".25"); // the text the box starts with
            const QString box = text(ranges[i].box);
            QVERIFY2(box == written, what + ": " + ranges[i].box + " shows " + box.toUtf8());
        }

        const QMap<QString, QString> captions = results();
        const QString nonsense = expected::nonsense(captions);
        QVERIFY2(nonsense.isEmpty(), what + ": " + nonsense.toUtf8());
        QVERIFY2(captions == calculatedCaptions(), what);
        QVERIFY2(captions == expectedResults(), what);

        const ViewScale shown = scaleOf(*control<orvane::PictureBox>("Picture1"));
        QVERIFY2(shown.width > 0 && shown.height < 0, what);
        QVERIFY2(
            shown == scale, what + " scale " + describe(shown) + ", expected " + describe(scale));

        QVERIFY2(control<QWidget>("Picture3")->isVisible() == helpShown, what);
        QVERIFY2(control<QWidget>("Frame1")->isVisible() == promptShown, what);
    }

private slots:
    void init()
    {
        QVERIFY(openWindow());
        for (int i = 0; i < 5; ++i) {
            values[i] = ranges[i].start;
            connect(spinner(i), &orvane::Spinner::spinnerChanged, this, [this, i](int value) {
                if (!firstChange[i])
                    firstChange[i] = value;
            });
        }
        fudgeMoved = helpShown = promptShown = false;
        scale = startScale;
        landedElsewhere = 0;
    }
    void cleanup() { window.reset(); }

    void randomUse_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("actions");
        for (unsigned seed = 1; seed <= 8; ++seed)
            QTest::addRow("seed %u", seed) << seed << 2000;
    }
    void randomUse()
    {
        QFETCH(unsigned, seed);
        QFETCH(int, actions);
        random.seed(seed);
        QElapsedTimer clock;
        clock.start();

        const int totalWeight = std::accumulate(weights.begin(), weights.end(), 0);
        std::array<int, actionKinds> performed {};
        std::array<int, 5> moved {};
        checkWindow("at start");
        for (int made = 0; made < actions;) {
            Action action = Action::Print;
            if (pick(printOneIn) != 0) {
                int draw = pick(totalWeight);
                int kind = 0;
                while (draw >= weights[kind])
                    draw -= weights[kind++];
                action = Action(kind);
            }
            const int index = pick(5);
            const std::array<int, 5> before = values;
            firstChange.fill(std::nullopt);
            if (!perform(action, index))
                continue;
            ++made;
            ++performed[int(action)];
            for (int i = 0; i < 5; ++i)
                moved[i] += values[i] != before[i];

            const QByteArray what = "action " + QByteArray::number(made) + " (" + actionName(action)
                + (action <= Action::Drag ? QByteArray(" on ") + ranges[index].name : "") + ")";
            checkWindow(what);
            if (QTest::currentTestFailed())
                return;
        }

        QString counts;
        for (int kind = 0; kind < actionKinds; ++kind)
            counts += QStringLiteral(" %1 %2,").arg(actionName(Action(kind))).arg(performed[kind]);
        qInfo("%d actions in %.1f s, %d clicks on a covering control:%s", actions,
            static_cast<double>(clock.elapsed()) / 1000, landedElsewhere, qPrintable(counts));
        // The walk went everywhere it should: every action was made, every spinner moved.
        for (int kind = 0; kind < int(Action::Print); ++kind)
            QVERIFY2(performed[kind] > 0, actionName(Action(kind)));
        for (int i = 0; i < 5; ++i)
            QVERIFY2(moved[i] > 0, ranges[i].name);
    }
};

QTEST_MAIN(TestRandomUse)
#include "tst_randomuse.moc"
