#include "window/projectprompt.h"

#include "window/layout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvane {

ProjectPrompt::ProjectPrompt(QWidget *parent)
    : QGroupBox(layout::text(layout::control("Frame1")), parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);

    const layout::Control &labelControl = layout::control("Label26");
    auto *label = new QLabel(layout::text(labelControl), this);
    layout::place(label, labelControl);
    label->resize(label->sizeHint().width(), label->height()); // as wide as its caption

    const layout::Control &nameControl = layout::control("Text1");
    projectName = new QLineEdit(layout::text(nameControl), this);
    layout::place(projectName, nameControl);

    const layout::Control &okControl = layout::control("Command12");
    ok = new QPushButton(layout::text(okControl), this);
    layout::place(ok, okControl);
    connect(ok, &QPushButton::clicked, this, [this] {
        hide();
        emit accepted();
    });
}

} // namespace orvane
