#pragma once

// Reaching into the real window as a user would: its controls by name, the spinners' arrows,
// what lies on top at a point, and everything it shows, to see that an action changed nothing.

#include <QImage>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QStringList>
#include <QWidget>

class Orvane;
class QScrollBar;

template <typename T> T *control(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

// A click on the spinner's upper arrow, where the style draws it.
void clickUpArrow(QScrollBar *spinner);

// Whether `panel`, or a control on it, is what the user sees at `point` of the window.
bool isOnTop(QWidget *window, QPoint point, QWidget *panel);

// Everything by the name of its control, whatever the order the controls are stacked in.
struct WindowState
{
    QMap<QString, QString> texts; // every label's caption and every box's text
    QMap<QString, int> values; // every scroll bar's value
    QMap<QString, QImage> pictures; // what the picture boxes show
    QList<double> record; // the lengths and angles of the form state record
    bool operator==(const WindowState &) const = default;
};

WindowState windowState(Orvane &window);
