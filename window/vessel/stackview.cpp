#include "window/vessel/stackview.h"

#include "drawing/stackpainting.h"
#include "window/vessel/vesseldocument.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvane {

StackView::StackView(const VesselDocument &vesselDocument, QWidget *parent)
    : QWidget(parent)
    , document(vesselDocument)
{
    setObjectName(QStringLiteral("stackView"));
    setAccessibleName(tr("Stack of rings"));
    setAccessibleDescription(
        tr("The vessel cut in half, seen from the side: each ring drawn to scale from its inner "
           "to its outer diameter, the selected ring highlighted"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void StackView::setSelectedRing(std::optional<std::size_t> ring)
{
    if (ring == selectedRing)
        return;
    selectedRing = ring;
    update();
}

QSize StackView::sizeHint() const
{
    return { 360, 320 };
}

QSize StackView::minimumSizeHint() const
{
    return { 160, 140 };
}

void StackView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintStack(painter, QRectF(rect()), document.results(), selectedRing, document.vessel().units,
        document.woodColours());
}

void StackView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        if (const auto ring = stackRingAt(QRectF(rect()), document.results(),
                QFontMetricsF(fontMetrics()), event->position()))
            emit ringClicked(*ring);
    }
    QWidget::mousePressEvent(event);
}

} // namespace orvane
