#include "window/vessel/rimbar.h"

#include "core/vesselchecks.h"
#include "window/vessel/vesseldocument.h"
#include "window/vessel/vesseltexts.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace orvane {

RimBar::RimBar(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("rimBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    message = new QLabel;
    message->setObjectName(QStringLiteral("rimMessage"));
    message->setWordWrap(true);
    buttons = new QHBoxLayout;
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(message, 1);
    layout->addLayout(buttons);
    hide();
}

void RimBar::offer(QAction *action)
{
    auto *button = new QToolButton;
    button->setDefaultAction(action);
    button->setVisible(action->isEnabled());
    connect(action, &QAction::changed, button,
        [button, action] { button->setVisible(action->isEnabled()); });
    buttons->addWidget(button);
}

void RimBar::showRim(const VesselDocument &document)
{
    const VesselResults &results = document.results();
    const Vessel &vessel = document.vessel();
    QString text;
    if (const std::size_t above = results.aboveRim.size(); above == 1) {
        text = tr("Ring %1 starts at or above the rim: it is not part of the vessel.")
                   .arg(results.aboveRim.front() + 1);
    } else if (above > 1) {
        text = tr("Rings %1 to %2 start at or above the rim: they are not part of the vessel.")
                   .arg(results.aboveRim.front() + 1)
                   .arg(results.aboveRim.back() + 1);
    } else if (stackBelowRim(vessel, results)) {
        const double gap = vessel.profile.back().h - results.stacked.back().top;
        text = tr("The rings stop %1 below the rim.").arg(sizeText(gap, vessel.units));
    }
    message->setText(text);
    setVisible(!text.isEmpty());
}

} // namespace orvane
