#pragma once

// The selected ring seen from above, its segments in their woods and turned to its rotation.
// Clicking a segment says which; a disc or a ring with problems has no segments to click.

#include "core/ringresult.h"
#include "core/woods.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace orvane {

class RingPlanView : public QWidget
{
    Q_OBJECT

public:
    explicit RingPlanView(QWidget *parent = nullptr);

    // Draws `ring` in `colours`; nothing when there is no ring.
    void showRing(std::optional<RingResult> ring, std::vector<Wood> colours);

    QSize sizeHint() const override;

signals:
    // Segment 1 is 0.
    void segmentClicked(std::size_t segment);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::optional<RingResult> shown;
    std::vector<Wood> woods;
};

} // namespace orvane
