#include "window/vessel/selectedringview.h"

#include "core/ringresult.h"
#include "drawing/conversions.h"
#include "drawing/detailview.h"
#include "drawing/picturebox.h"
#include "window/looks.h"
#include "window/vessel/ringplanview.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

constexpr int planSide = 190;

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

} // namespace

SelectedRingView::SelectedRingView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("selectedRing"));
    title = new QLabel(this);
    title->setObjectName(QStringLiteral("selectedRingTitle"));
    plan = new RingPlanView(this);
    segmentWood = new QComboBox(this);
    segmentWood->setObjectName(QStringLiteral("segmentWood"));
    segmentWood->setAccessibleName(tr("Wood of a clicked segment"));
    segmentWood->setToolTip(tr("The wood a segment clicked in the plan takes"));
    connect(plan, &RingPlanView::segmentClicked, this, [this](std::size_t segment) {
        if (!segmentWood->currentText().isEmpty())
            emit segmentWoodChosen(shownPlace, segment, segmentWood->currentText());
    });
    const int detailHeight = static_cast<int>(std::lround(planSide / detailAspect));
    detail = makeView(QSize(planSide, detailHeight), "segmentDetailView",
        tr("Segment of the selected ring"),
        tr("One segment of the selected ring as laid out on the board, with its angles"), this);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title, 0, 0, 1, 2);
    layout->addWidget(plan, 1, 0);
    layout->addWidget(detail, 1, 1, Qt::AlignTop);
    layout->addWidget(segmentWood, 2, 0);
}

void SelectedRingView::showRing(
    const RingResult *ring, std::size_t place, const std::vector<Wood> &colours)
{
    offerWoods(colours);
    shownPlace = place;
    if (ring == nullptr) {
        title->setText(tr("No ring selected"));
        plan->showRing(std::nullopt, colours);
        detail->clear();
        return;
    }
    title->setText(tr("Ring %1: %2").arg(place + 1).arg(shown(ring->design.name)));
    plan->showRing(*ring, colours);
    drawSegmentDetail(*detail, ring->geometry);
}

void SelectedRingView::offerWoods(const std::vector<Wood> &colours)
{
    QStringList names;
    for (const Wood &wood : colours) {
        const QString name = shown(wood.name);
        if (!names.contains(name))
            names << name;
    }
    QStringList offered;
    for (int i = 0; i < segmentWood->count(); ++i)
        offered << segmentWood->itemText(i);
    if (offered == names)
        return;
    const QString chosen = segmentWood->currentText();
    segmentWood->clear();
    segmentWood->addItems(names);
    segmentWood->setCurrentIndex(std::max(0, int(names.indexOf(chosen))));
}

} // namespace orvane
