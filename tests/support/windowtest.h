#pragma once

// A test of the main window: a test class derives from this, opens a window of its own, shown and
// active, and reads and works it through these short forms of the window driver.

#include "core/reading.h"
#include "core/ring.h"
#include "tests/support/expected.h"
#include "tests/support/windowdriver.h"
#include "window/orvane.h"

#include <QMap>
#include <QObject>
#include <QString>

#include <memory>

class WindowTest : public QObject
{
    Q_OBJECT

protected:
    // Opens a new window in place of the last one; false when it could not be shown.
    [[nodiscard]] bool openWindow()
    {
        window = std::make_unique<Orvane>();
        return windowdriver::show(window.get());
    }

    template <typename T = QWidget> T *control(const QString &name) const
    {
        return windowdriver::control<T>(window.get(), name);
    }
    QScrollBar *spinner(const QString &name) const
    {
        return windowdriver::spinner(window.get(), name);
    }
    int spinnerValue(const QString &name) const
    {
        return windowdriver::spinnerValue(window.get(), name);
    }
    QString text(const QString &name) const { return windowdriver::text(window.get(), name); }

    // The texts of the five input boxes and of the nine result fields, by name.
    QMap<QString, QString> inputs() const
    {
        return windowdriver::texts(window.get(), windowdriver::inputBoxes());
    }
    QMap<QString, QString> results() const
    {
        return windowdriver::texts(window.get(), windowdriver::resultFields());
    }
    // The results the closed forms give for the texts in the input boxes.
    QMap<QString, QString> expectedResults() const { return expected::captionsFor(inputs()); }

    // The ring as the program reads it from the boxes: the number each text starts with.
    orvane::RingInputs ringInputs() const
    {
        const auto number = [this](const char *box) {
            return orvane::leadingNumber(text(QLatin1String(box)).toStdString());
        };
        return { number("numsegs"), number("outerdiam"), number("innerdiam"), number("fudge") };
    }

    void clickButton(const QString &name) const { windowdriver::clickButton(window.get(), name); }
    [[nodiscard]] bool clickSpinner(const QString &name, windowdriver::Part part, int times = 1)
    {
        return windowdriver::click(window.get(), name, part, times);
    }
    [[nodiscard]] bool stepTo(const QString &spinner, int value)
    {
        return windowdriver::stepTo(window.get(), spinner, value);
    }

    bool isOnTop(QPoint point, const QWidget *panel) const
    {
        return windowdriver::isOnTop(window.get(), point, panel);
    }
    windowdriver::WindowState state() const { return windowdriver::windowState(*window); }

    std::unique_ptr<Orvane> window;
};
