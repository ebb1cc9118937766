#include "window/helppanel.h"

#include "window/layout.h"

#include <QLabel>
#include <QPushButton>

namespace orvane {

HelpPanel::HelpPanel(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setFocusPolicy(Qt::StrongFocus);

    for (const layout::Control &control : layout::controls()) {
        if (control.parent == nullptr || std::string_view(control.parent) != "Picture3")
            continue;
        if (control.kind == layout::Kind::Answer) {
            auto *answer = new QLabel(layout::text(control), this);
            layout::place(answer, control);
            answer->setWordWrap(true);
            answer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        } else if (control.kind == layout::Kind::Button) {
            closeAnswers = new QPushButton(layout::text(control), this);
            layout::place(closeAnswers, control);
        }
    }
    connect(closeAnswers, &QPushButton::clicked, this, &QWidget::hide);
}

} // namespace orvane
