#include "tests/support/modaldriver.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace {

constexpr int pollInterval = 20; // ms
// How long an answered dialog may stay open before it is closed by force.
constexpr int answerGrace = 2000 / pollInterval;

void closeDialog(QWidget *dialog)
{
    if (auto *box = qobject_cast<QDialog *>(dialog))
        box->reject();
    else
        dialog->close();
}

} // namespace

QString describeDialog(QWidget *dialog)
{
    QString text = QString::fromLatin1(dialog->metaObject()->className()) + QStringLiteral(" \"")
        + dialog->windowTitle() + QLatin1Char('"');
    if (auto *box = qobject_cast<QMessageBox *>(dialog))
        text += QStringLiteral(": ") + box->text();
    return text;
}

ModalDriver::ModalDriver()
{
    connect(&timer, &QTimer::timeout, this, &ModalDriver::poll);
    timer.start(pollInterval);
}

void ModalDriver::expect(Answer answer)
{
    answers.push_back(std::move(answer));
}

void ModalDriver::poll()
{
    QWidget *dialog = QApplication::activeModalWidget();
    if (!dialog || !dialog->isVisible())
        return;
    if (dialog == answered) {
        if (++pollsSinceAnswer > answerGrace) {
            unexpected.append(
                QStringLiteral("still open after its answer: ") + describeDialog(dialog));
            closeDialog(dialog);
        }
        return;
    }
    answered = dialog;
    pollsSinceAnswer = 0;
    if (answers.empty()) {
        unexpected.append(describeDialog(dialog));
        closeDialog(dialog);
        return;
    }
    const Answer answer = std::move(answers.front());
    answers.pop_front();
    answer(dialog);
}
