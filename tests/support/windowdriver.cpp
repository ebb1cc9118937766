#include "tests/support/windowdriver.h"

#include "drawing/picturebox.h"
#include "window/orvane.h"
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

namespace windowdriver {

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

} // namespace

bool show(QWidget *window)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

const QStringList &inputBoxes()
{
    static const QStringList names { QStringLiteral("numsegs"), QStringLiteral("outerdiam"),
        QStringLiteral("innerdiam"), QStringLiteral("fudge"), QStringLiteral("boardthick") };
    return names;
}

const QStringList &resultFields()
{
    static const QStringList names {
        QStringLiteral("longside"),
        QStringLiteral("longsidedec"),
        QStringLiteral("shortside"),
        QStringLiteral("shortsidedec"),
        QStringLiteral("bwidth"),
        QStringLiteral("boardwidthdec"),
        QStringLiteral("shortangle"),
        QStringLiteral("longangle"),
        QStringLiteral("boardfeet"),
    };
    return names;
}

QScrollBar *spinner(const QWidget *window, const QString &name)
{
    return window->findChild<QScrollBar *>(name);
}

int spinnerValue(const QWidget *window, const QString &name)
{
    const auto *bar = window->findChild<Spinner *>(name);
    return bar ? bar->spinnerValue() : -1;
}

QString text(const QWidget *window, const QString &name)
{
    if (const auto *label = window->findChild<QLabel *>(name))
        return label->text();
    if (const auto *box = window->findChild<QLineEdit *>(name))
        return box->text();
    return QStringLiteral("<no control %1>").arg(name);
}

QMap<QString, QString> texts(const QWidget *window, const QStringList &names)
{
    QMap<QString, QString> found;
    for (const QString &name : names)
        found.insert(name, text(window, name));
    return found;
}

void clickButton(const QWidget *window, const QString &name)
{
    QTest::mouseClick(control<QPushButton>(window, name), Qt::LeftButton);
}

QRect partRect(const QScrollBar *bar, Part part)
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

bool click(QScrollBar *bar, Part part)
{
    if (!bar)
        return false;
    const QRect area = partRect(bar, part);
    if (area.isEmpty())
        return false;
    QTest::mouseClick(bar, Qt::LeftButton, {}, area.center());
    return true;
}

bool click(const QWidget *window, const QString &name, Part part, int times)
{
    QScrollBar *bar = spinner(window, name);
    for (int i = 0; i < times; ++i) {
        if (!click(bar, part))
            return false;
    }
    return bar != nullptr;
}

void pressKey(QScrollBar *bar, int key)
{
    bar->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(bar, static_cast<Qt::Key>(key));
}

QPoint grabThumb(QScrollBar *bar)
{
    const QRect thumb = partRect(bar, Part::Thumb);
    if (thumb.isEmpty())
        return {};
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
    return thumb.center();
}

QPoint moveThumb(QScrollBar *bar, QPoint grip, double fraction)
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

void releaseThumb(QScrollBar *bar, QPoint at)
{
    QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
}

bool dragThumb(QScrollBar *bar, double fraction)
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

bool stepTo(const QWidget *window, const QString &name, int value)
{
    QScrollBar *bar = spinner(window, name);
    if (!bar)
        return false;
    while (spinnerValue(window, name) != value) {
        const int before = spinnerValue(window, name);
        const bool up = value > before;
        if (!click(bar, up ? Part::UpArrow : Part::DownArrow))
            return false;
        if (spinnerValue(window, name) != before + (up ? 1 : -1))
            return false;
    }
    return true;
}

QStringList tabWalk(int presses)
{
    QStringList visited { QApplication::focusWidget()->objectName() };
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    return visited;
}

bool isOnTop(const QWidget *window, QPoint point, const QWidget *panel)
{
    for (const QWidget *seen = window->childAt(point); seen; seen = seen->parentWidget()) {
        if (seen == panel)
            return true;
    }
    return false;
}

WindowState windowState(const Orvane &window)
{
    WindowState state;
    for (const QLabel *label : window.findChildren<QLabel *>())
        state.texts.insert(label->objectName(), label->text());
    for (const QLineEdit *box : window.findChildren<QLineEdit *>())
        state.texts.insert(box->objectName(), box->text());
    for (const QScrollBar *bar : window.findChildren<QScrollBar *>())
        state.values.insert(bar->objectName(), bar->value());
    for (PictureBox *picture : window.findChildren<PictureBox *>())
        state.pictures.insert(picture->objectName(), picture->image());
    const orvane::FormState &record = window.formState();
    state.record = { record.longsidelen, record.shortsidelen, record.boardwidthlen,
        record.centralangle, record.pi };
    return state;
}

} // namespace windowdriver
