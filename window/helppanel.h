#pragma once

// The help panel: three fixed answers on the window, hidden until "Help" is pressed and hidden
// again by its own "Close" button.

#include <QWidget>

class QPushButton;

namespace orvane {

class HelpPanel : public QWidget
{
    Q_OBJECT

public:
    explicit HelpPanel(QWidget *parent = nullptr);

    QPushButton *closeButton() const { return closeAnswers; }

private:
    QPushButton *closeAnswers = nullptr;
};

} // namespace orvane
