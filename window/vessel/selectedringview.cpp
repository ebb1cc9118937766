#include "window/vessel/selectedringview.h"

#include "core/ringresult.h"
#include "drawing/conversions.h"
#include "drawing/detailview.h"
#include "drawing/picturebox.h"
#include "drawing/planview.h"
#include "window/looks.h"

#include <QGridLayout>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

constexpr int planSide = 190;
// Room around the ring in the plan view, as a share of its widest extent.
constexpr double planMargin = 1.12;

PictureBox *makeView(const QSize &size, const char *name, const QString &accessibleName,
    const QString &description, QWidget *parent)
{
    auto *view = new PictureBox(size, parent);
    view->setObjectName(QLatin1String(name));
    looks::makePicture(view);
    view->setFocusPolicy(Qt::NoFocus); // the keys stay with the ring table
    view->setAccessibleName(accessibleName);
    view->setAccessibleDescription(description);
    return view;
}

// The plan view puts the ring's centre at half its scale's width and half its top: with the
// scale's top at its span, that is the middle of the square view.
void fitPlan(PictureBox &plan, const RingResult &ring)
{
    const double extent = ring.geometry
        ? 2 * std::max(ring.geometry->cornerRadius, ring.geometry->outerRadius)
        : ring.design.inputs.outerDiameter + 2 * ring.design.inputs.fudge;
    const float span = single(std::isfinite(extent) && extent > 0 ? extent * planMargin : 1.0);
    plan.setScaleLeft(0);
    plan.setScaleTop(span);
    plan.setScaleWidth(span);
    plan.setScaleHeight(-span);
}

} // namespace

SelectedRingView::SelectedRingView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("selectedRing"));
    title = new QLabel(this);
    title->setObjectName(QStringLiteral("selectedRingTitle"));
    plan = makeView(QSize(planSide, planSide), "ringPlanView", tr("Selected ring in plan"),
        tr("The selected ring drawn to scale from above, with its segments"), this);
    const int detailHeight = static_cast<int>(std::lround(planSide / detailAspect));
    detail = makeView(QSize(planSide, detailHeight), "segmentDetailView",
        tr("Segment of the selected ring"),
        tr("One segment of the selected ring as laid out on the board, with its angles"), this);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title, 0, 0, 1, 2);
    layout->addWidget(plan, 1, 0);
    layout->addWidget(detail, 1, 1, Qt::AlignTop);
}

void SelectedRingView::showRing(const RingResult *ring, std::size_t place)
{
    if (ring == nullptr) {
        title->setText(tr("No ring selected"));
        plan->clear();
        detail->clear();
        return;
    }
    title->setText(tr("Ring %1: %2").arg(place + 1).arg(shown(ring->design.name)));
    fitPlan(*plan, *ring);
    drawPlanView(*plan, ring->design.inputs, ring->geometry);
    drawSegmentDetail(*detail, ring->geometry);
}

} // namespace orvane
