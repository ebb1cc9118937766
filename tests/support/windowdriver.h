#pragma once

// Drives the window as a user does and reads what it shows. Spinners are clicked where the style
// draws their arrows, track and thumb; keys go to a spinner that has the focus; captions and box
// texts are found by the controls' object names.

#include <QMap>
#include <QRect>
#include <QString>
#include <QStringList>

class QScrollBar;
class QWidget;

namespace windowdriver {

// Shows `window`, waits until it is exposed and makes it the active window.
[[nodiscard]] bool show(QWidget *window);

// A named spinner, and its value as the program counts it (segments or quarter inches).
QScrollBar *spinner(const QWidget *window, const QString &name);
int spinnerValue(const QWidget *window, const QString &name);

// The text of a named label or input box.
QString text(const QWidget *window, const QString &name);
// The texts of several named controls, keyed by name.
QMap<QString, QString> texts(const QWidget *window, const QStringList &names);

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

} // namespace windowdriver
