#pragma once

// The project name prompt: a frame on the window that asks for the name the report carries.
// Its OK button hides it and then asks for the report to be printed.

#include <QGroupBox>

class QLineEdit;
class QPushButton;

namespace orvane {

class ProjectPrompt : public QGroupBox
{
    Q_OBJECT

public:
    explicit ProjectPrompt(QWidget *parent = nullptr);

    QLineEdit *nameBox() const { return projectName; }
    QPushButton *okButton() const { return ok; }

signals:
    // OK was pressed; the prompt is already hidden.
    void accepted();

private:
    QLineEdit *projectName = nullptr;
    QPushButton *ok = nullptr;
};

} // namespace orvane
