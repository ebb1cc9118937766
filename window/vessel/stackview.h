#pragma once

// The vessel's stack drawn to scale from the side, cut in half, the selected ring highlighted. It
// paints the document's results as they are at each repaint; a click on a ring selects it.

#include <QWidget>

#include <cstddef>
#include <optional>

namespace orvane {

class VesselDocument;

class StackView : public QWidget
{
    Q_OBJECT

public:
    explicit StackView(const VesselDocument &vesselDocument, QWidget *parent = nullptr);

    void setSelectedRing(std::optional<std::size_t> ring);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void ringClicked(std::size_t ring);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const VesselDocument &document;
    std::optional<std::size_t> selectedRing;
};

} // namespace orvane
