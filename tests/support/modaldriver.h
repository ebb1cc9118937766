#pragma once

// Answers the modal dialogs a test expects, in the order they open, and closes any other one, so
// that a dialog can never leave a test waiting for a click.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class QWidget;

class ModalDriver : public QObject
{
public:
    // Handed the dialog; expected to answer it, which closes it.
    using Answer = std::function<void(QWidget *dialog)>;

    ModalDriver();

    void expect(Answer answer);
    // Answers still waiting for their dialog.
    int pending() const { return int(answers.size()); }
    // The dialogs that opened with no answer waiting, or stayed open after theirs; each was
    // closed.
    QStringList unexpected;

private:
    void poll();

    QTimer timer;
    std::deque<Answer> answers;
    QPointer<QWidget> answered;
    int pollsSinceAnswer = 0;
};

// What a dialog says, for failure messages: its class, title and text.
QString describeDialog(QWidget *dialog);
