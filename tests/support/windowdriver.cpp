#include "tests/support/windowdriver.h"

#include "core/reading.h"
#include "drawing/picturebox.h"
#include "tests/support/expected.h"
#include "window/layout.h"
#include "window/spinner.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <cmath>

namespace {

// The style option a scroll bar paints and hit-tests with, from its public state.
QStyleOptionSlider styleOption(const QScrollBar *bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_None;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return option;
}

QRect subControl(const QScrollBar *bar, QStyle::SubControl part)
{
    const QStyleOptionSlider option = styleOption(bar);
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

// The object names of the layout's controls of one kind, in the order of the table.
QStringList namesOfKind(orvane::layout::Kind kind)
{
    QStringList names;
    for (const orvane::layout::Control &control : orvane::layout::controls()) {
        if (control.kind == kind)
            names.append(QLatin1String(control.name));
    }
    return names;
}

// Shows `window`, waits until it is exposed and makes it the active window.
bool show(QWidget *window)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

} // namespace

const QStringList &WindowDriver::inputBoxes()
{
    static const QStringList names = namesOfKind(orvane::layout::Kind::InputBox);
    return names;
}

const QStringList &WindowDriver::resultFields()
{
    static const QStringList names = namesOfKind(orvane::layout::Kind::ResultField);
    return names;
}

bool WindowDriver::openWindow()
{
    window = std::make_unique<Orvane>();
    return show(window.get());
}

QRect WindowDriver::partRect(const QScrollBar *bar, Part part)
{
    // The style's sub-line arrow sits at the top of a vertical bar, the sub-page track between it
    // and the thumb.
    switch (part) {
    case Part::UpArrow: return subControl(bar, QStyle::SC_ScrollBarSubLine);
    case Part::DownArrow: return subControl(bar, QStyle::SC_ScrollBarAddLine);
    case Part::TrackAbove: return subControl(bar, QStyle::SC_ScrollBarSubPage);
    case Part::TrackBelow: return subControl(bar, QStyle::SC_ScrollBarAddPage);
    case Part::Thumb: return subControl(bar, QStyle::SC_ScrollBarSlider);
    }
    return {};
}

bool WindowDriver::clickPart(QScrollBar *bar, Part part)
{
    if (!bar)
        return false;
    const QRect area = partRect(bar, part);
    if (area.isEmpty())
        return false;
    QTest::mouseClick(bar, Qt::LeftButton, {}, area.center());
    return true;
}

void WindowDriver::pressKey(QScrollBar *bar, int key)
{
    bar->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(bar, static_cast<Qt::Key>(key));
}

QPoint WindowDriver::grabThumb(QScrollBar *bar)
{
    const QRect thumb = partRect(bar, Part::Thumb);
    if (thumb.isEmpty())
        return {};
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
    return thumb.center();
}

QPoint WindowDriver::moveThumb(QScrollBar *bar, QPoint grip, double fraction)
{
    // Where the thumb's top must go, measured against where the grip is now.
    const QRect groove = subControl(bar, QStyle::SC_ScrollBarGroove);
    const QRect thumb = partRect(bar, Part::Thumb);
    const int travel = groove.height() - thumb.height();
    const int top = groove.top() + static_cast<int>(std::lround(fraction * travel));
    const QPoint target = grip + QPoint(0, top - thumb.top());
    // Through every pixel on the way, as a hand moves.
    const int direction = target.y() > grip.y() ? 1 : -1;
    for (int y = grip.y(); y != target.y(); y += direction)
        QTest::mouseMove(bar, QPoint(grip.x(), y + direction));
    return target;
}

void WindowDriver::releaseThumb(QScrollBar *bar, QPoint at)
{
    QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
}

bool WindowDriver::dragThumb(QScrollBar *bar, double fraction)
{
    const QRect groove = subControl(bar, QStyle::SC_ScrollBarGroove);
    if (groove.height() - partRect(bar, Part::Thumb).height() <= 0)
        return false;
    const QPoint grip = grabThumb(bar);
    if (grip.isNull())
        return false;
    releaseThumb(bar, moveThumb(bar, grip, fraction));
    return true;
}

QStringList WindowDriver::tabWalk(int presses)
{
    QStringList visited { QApplication::focusWidget()->objectName() };
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    return visited;
}

QScrollBar *WindowDriver::spinner(const QString &name) const
{
    return control<QScrollBar>(name);
}

int WindowDriver::spinnerValue(const QString &name) const
{
    const auto *bar = control<orvane::Spinner>(name);
    return bar ? bar->spinnerValue() : -1;
}

QString WindowDriver::text(const QString &name) const
{
    if (const auto *label = control<QLabel>(name))
        return label->text();
    if (const auto *box = control<QLineEdit>(name))
        return box->text();
    return QStringLiteral("<no control %1>").arg(name);
}

QMap<QString, QString> WindowDriver::texts(const QStringList &names) const
{
    QMap<QString, QString> found;
    for (const QString &name : names)
        found.insert(name, text(name));
    return found;
}

QMap<QString, QString> WindowDriver::expectedResults() const
{
    return expected::captionsFor(inputs());
}

orvane::RingInputs WindowDriver::ringInputs() const
{
    const auto number = [this](const char *box) {
        return orvane::leadingNumber(text(QLatin1String(box)).toStdString());
    };
    return { number("numsegs"), number("outerdiam"), number("innerdiam"), number("fudge") };
}

void WindowDriver::clickButton(const QString &name) const
{
    QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
}

bool WindowDriver::clickSpinner(const QString &name, Part part, int times) const
{
    QScrollBar *bar = spinner(name);
    for (int i = 0; i < times; ++i) {
        if (!clickPart(bar, part))
            return false;
    }
    return bar != nullptr;
}

bool WindowDriver::stepTo(const QString &name, int value) const
{
    QScrollBar *bar = spinner(name);
    if (!bar)
        return false;
    while (spinnerValue(name) != value) {
        const int before = spinnerValue(name);
        const bool up = value > before;
        if (!clickPart(bar, up ? Part::UpArrow : Part::DownArrow))
            return false;
        if (spinnerValue(name) != before + (up ? 1 : -1))
            return false;
    }
    return true;
}

bool WindowDriver::isOnTop(QPoint point, const QWidget *panel) const
{
    for (const QWidget *seen = window->childAt(point); seen; seen = seen->parentWidget()) {
        if (seen == panel)
            return true;
    }
    return false;
}

WindowState WindowDriver::state() const
{
    WindowState state;
    for (const QLabel *label : window->findChildren<QLabel *>())
        state.texts.insert(label->objectName(), label->text());
    for (const QLineEdit *box : window->findChildren<QLineEdit *>())
        state.texts.insert(box->objectName(), box->text());
    for (const QScrollBar *bar : window->findChildren<QScrollBar *>())
        state.values.insert(bar->objectName(), bar->value());
    for (orvane::PictureBox *picture : window->findChildren<orvane::PictureBox *>())
        state.pictures.insert(picture->objectName(), picture->image());
    if (const std::optional<orvane::Ring> &ring = window->ring()) {
        state.ring = { ring->segmentCount, ring->centralAngle, ring->halfAngle, ring->outerRadius,
            ring->innerRadius, ring->longSide, ring->shortSide, ring->boardWidth,
            ring->cornerRadius };
    }
    return state;
}
