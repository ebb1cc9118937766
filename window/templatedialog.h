#pragma once

// The dialog "Full-Size Template…": the project name, the saw's kerf and the paper, and the
// buttons that print the template or save it as a PDF. A kerf that is not a length, or a ring
// that makes no template, is refused in the dialog itself: both buttons stay off and a line
// under the kerf says why. A template that did not get where it was sent is reported, and the
// dialog stays open; one that did closes it.
//
// The window opens it with the text of the project name prompt's box and its ring:
//     TemplateDialog dialog(nameBox->text(), ring, this);
//     dialog.exec();

#include "core/ring.h"
#include "report/templatering.h"

#include <QDialog>
#include <QPageSize>

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvane {

class PageDialogs;

class TemplateDialog : public QDialog
{
    Q_OBJECT

public:
    TemplateDialog(
        const QString &projectName, const RingDesign &ringDesign, QWidget *parent = nullptr);
    ~TemplateDialog() override;

    // What the dialog asks through the system's dialogs; those of the system unless replaced.
    void setDialogs(std::unique_ptr<PageDialogs> dialogs);

    // The template as the dialog stands, or the reason there is none (a kerf that is not a
    // length, a ring that makes no template).
    struct Template
    {
        std::optional<TemplateRing> ring;
        QString problem;
    };
    Template currentTemplate() const;

    // The paper a PDF is saved on.
    QPageSize pdfPaper() const;

    // The buttons' actions: each does nothing while the dialog refuses its inputs.
    void print();
    void saveAsPdf();

private:
    void buildControls(const QString &projectName);
    void showProblem();

    RingDesign ring; // the kerf is the dialog's
    QPageSize printerPaper; // the default printer's, invalid when there is none
    QLineEdit *projectBox = nullptr;
    QLineEdit *kerfBox = nullptr;
    QLabel *problemLine = nullptr;
    QComboBox *paperBox = nullptr;
    QPushButton *printButton = nullptr;
    QPushButton *pdfButton = nullptr;
    QPushButton *cancelButton = nullptr;
    std::unique_ptr<PageDialogs> dialogs;
};

} // namespace orvane
