#include "report/projectprompt.h"

#include "drawing/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ProjectPrompt::ProjectPrompt(QWidget *parent)
    : QGroupBox(QStringLiteral("Project Name"), parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);

    auto *label = new QLabel(QStringLiteral("Enter project name"), this);
    label->setObjectName(QStringLiteral("Label26"));
    label->setGeometry(twipsRect(120, 480, 2025, 300));
    label->resize(label->sizeHint().width(), label->height()); // as wide as its caption

    Text1 = new QLineEdit(QStringLiteral("Segmented Circle "), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(120, 1080, 3855, 420));

    Command12 = new QPushButton(QStringLiteral("OK"), this);
    Command12->setObjectName(QStringLiteral("Command12"));
    Command12->setGeometry(twipsRect(3000, 2160, 735, 495));
    connect(Command12, &QPushButton::clicked, this, [this] {
        hide();
        emit accepted();
    });
}
