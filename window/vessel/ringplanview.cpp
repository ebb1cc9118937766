#include "window/vessel/ringplanview.h"

#include "drawing/woodplan.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvane {

RingPlanView::RingPlanView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ringPlanView"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setAccessibleName(tr("Selected ring in plan"));
    setAccessibleDescription(tr("The selected ring seen from above, each segment in its wood; "
                                "click a segment to give it the wood chosen below"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedSize(sizeHint());
}

QSize RingPlanView::sizeHint() const
{
    return { 190, 190 };
}

void RingPlanView::showRing(std::optional<RingResult> ring, std::vector<Wood> colours)
{
    shown = std::move(ring);
    woods = std::move(colours);
    const bool clickable = shown && !segmentOutlines(*shown).empty();
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

void RingPlanView::paintEvent(QPaintEvent *)
{
    if (!shown)
        return;
    QPainter painter(this);
    paintWoodPlan(painter, QRectF(rect()), *shown, woods);
}

void RingPlanView::mousePressEvent(QMouseEvent *event)
{
    if (!shown || event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    if (const auto segment = woodPlanSegmentAt(QRectF(rect()), *shown, event->position()))
        emit segmentClicked(*segment);
}

} // namespace orvane
