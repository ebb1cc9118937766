#pragma once

// Drives the window as a user does and reads what it shows. Controls are found by their object
// names; spinners are clicked where the style draws their arrows, track and thumb; keys go to a
// spinner that has the focus. A snapshot of everything the window shows tells whether an action
// changed anything.

#include <QImage>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

class Orvane;
class QScrollBar;

namespace windowdriver {

// Shows `window`, waits until it is exposed and makes it the active window.
[[nodiscard]] bool show(QWidget *window);

// A named control of `window`, or null.
template <typename T = QWidget> T *control(const QWidget *window, const QString &name)
{
    return window->findChild<T *>(name);
}

// The five input boxes and the nine result fields, by object name.
const QStringList &inputBoxes();
const QStringList &resultFields();

// A named spinner, and its value as the program counts it (segments or quarter inches).
QScrollBar *spinner(const QWidget *window, const QString &name);
int spinnerValue(const QWidget *window, const QString &name);

// The text of a named label or input box.
QString text(const QWidget *window, const QString &name);
// The texts of several named controls, keyed by name.
QMap<QString, QString> texts(const QWidget *window, const QStringList &names);

// Clicks the named push button.
void clickButton(const QWidget *window, const QString &name);

// The parts of a spinner a user can click.
enum class Part
{
    UpArrow,
    DownArrow,
    TrackAbove,
    TrackBelow,
    Thumb
};

// Where the style draws `part`, in the spinner's coordinates; empty when the part has no room.
QRect partRect(const QScrollBar *spinner, Part part);

// Clicks the middle of `part`. False, without a click, when the part has no room.
[[nodiscard]] bool click(QScrollBar *spinner, Part part);
// Clicks `part` of the named spinner `times` times.
[[nodiscard]] bool click(const QWidget *window, const QString &name, Part part, int times = 1);

// Gives the spinner the focus, as a click on it would, and presses `key`.
void pressKey(QScrollBar *spinner, int key);

// A drag in three steps, for watching what happens before the thumb is let go: press on the
// thumb (returns the point pressed, or a null point when there is no thumb), move it `fraction` of
// the way from the top end (0) to the bottom end (1) of its travel (returns where the pointer now
// is) and let it go there.
QPoint grabThumb(QScrollBar *spinner);
QPoint moveThumb(QScrollBar *spinner, QPoint grip, double fraction);
void releaseThumb(QScrollBar *spinner, QPoint at);

// Presses on the thumb, drags it `fraction` of the way from the top end (0) to the bottom end (1)
// of its travel and lets it go there. False when the thumb has no room to move.
[[nodiscard]] bool dragThumb(QScrollBar *spinner, double fraction);

// Clicks the named spinner's arrows until its value is `value`, one step a click. False when a
// click does not take it one step nearer.
[[nodiscard]] bool stepTo(const QWidget *window, const QString &name, int value);

// Presses Tab `presses` times: the names of the controls that had the focus, the first one from
// before any press.
QStringList tabWalk(int presses);

// Whether `panel`, or a control on it, is what the user sees at `point` of the window.
bool isOnTop(const QWidget *window, QPoint point, const QWidget *panel);

// Everything the window shows, by the name of its control, whatever the order the controls are
// stacked in.
struct WindowState
{
    QMap<QString, QString> texts; // every label's caption and every box's text
    QMap<QString, int> values; // every scroll bar's value
    QMap<QString, QImage> pictures; // what the picture boxes show
    QList<double> record; // the lengths and angles of the form state record
    bool operator==(const WindowState &) const = default;
};

WindowState windowState(const Orvane &window);

} // namespace windowdriver
