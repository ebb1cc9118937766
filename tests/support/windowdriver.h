#pragma once

// Drives the window as a user does and reads what it shows. A test of the window derives from
// WindowDriver, opens a window of its own, shown and active, and works it through these. Controls
// are found by their object names, which the layout table of the window gives; spinners are
// clicked where the style draws their arrows, track and thumb; keys go to a spinner that has the
// focus. A snapshot of everything the window shows tells whether an action changed anything.

#include "core/ring.h"
#include "window/orvane.h"

#include <QImage>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>

class QScrollBar;

// Everything the window shows, by the name of its control, whatever the order the controls are
// stacked in, and the ring its last recalculation computed.
struct WindowState
{
    QMap<QString, QString> texts; // every label's caption and every box's text
    QMap<QString, int> values; // every scroll bar's value
    QMap<QString, QImage> pictures; // what the picture boxes show
    QList<double> ring; // the values of the ring, none when the count makes no ring
    bool operator==(const WindowState &) const = default;
};

class WindowDriver : public QObject
{
    Q_OBJECT

public:
    // The five input boxes and the nine result fields of the window's layout, by object name, in
    // the order the layout lists them.
    static const QStringList &inputBoxes();
    static const QStringList &resultFields();

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
    static QRect partRect(const QScrollBar *spinner, Part part);
    // Clicks the middle of `part`. False, without a click, when the part has no room.
    [[nodiscard]] static bool clickPart(QScrollBar *spinner, Part part);
    // Gives the spinner the focus, as a click on it would, and presses `key`.
    static void pressKey(QScrollBar *spinner, int key);

    // A drag in three steps, for watching what happens before the thumb is let go: press on the
    // thumb (returns the point pressed, or a null point when there is no thumb), move it
    // `fraction` of the way from the top end (0) to the bottom end (1) of its travel (returns
    // where the pointer now is) and let it go there.
    static QPoint grabThumb(QScrollBar *spinner);
    static QPoint moveThumb(QScrollBar *spinner, QPoint grip, double fraction);
    static void releaseThumb(QScrollBar *spinner, QPoint at);
    // Presses on the thumb, drags it `fraction` of the way from the top end (0) to the bottom end
    // (1) of its travel and lets it go there. False when the thumb has no room to move.
    [[nodiscard]] static bool dragThumb(QScrollBar *spinner, double fraction);

    // Presses Tab `presses` times: the names of the controls that had the focus, the first one
    // from before any press.
    static QStringList tabWalk(int presses);

    // A named control of the window, or null.
    template <typename T = QWidget> T *control(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    // A named spinner, and its value as the program counts it (segments or quarter inches).
    QScrollBar *spinner(const QString &name) const;
    int spinnerValue(const QString &name) const;

    // The text of a named label or input box.
    QString text(const QString &name) const;
    // The texts of several named controls, keyed by name.
    QMap<QString, QString> texts(const QStringList &names) const;
    // The texts of the five input boxes and of the nine result fields.
    QMap<QString, QString> inputs() const { return texts(inputBoxes()); }
    QMap<QString, QString> results() const { return texts(resultFields()); }
    // The results the closed forms give for the texts in the input boxes.
    QMap<QString, QString> expectedResults() const;
    // The ring as the program reads it from the boxes: the number each text starts with.
    orvane::RingInputs ringInputs() const;

    // Clicks the named push button.
    void clickButton(const QString &name) const;
    // Clicks `part` of the named spinner `times` times.
    [[nodiscard]] bool clickSpinner(const QString &name, Part part, int times = 1) const;
    // Clicks the named spinner's arrows until its value is `value`, one step a click. False when
    // a click does not take it one step nearer.
    [[nodiscard]] bool stepTo(const QString &name, int value) const;

    // Whether `panel`, or a control on it, is what the user sees at `point` of the window.
    bool isOnTop(QPoint point, const QWidget *panel) const;

    WindowState state() const;

protected:
    // Opens a new window in place of the last one, shown and active; false when it could not be
    // shown.
    [[nodiscard]] bool openWindow();

    std::unique_ptr<Orvane> window;
};
