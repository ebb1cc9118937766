#pragma once

// The selected ring: its name, the ring drawn in plan to fit the view, and one segment in
// detail beside it, drawn by the same drawings as the calculator's views.

#include <QWidget>

class QLabel;

namespace orvane {

class PictureBox;
struct RingResult;

class SelectedRingView : public QWidget
{
    Q_OBJECT

public:
    explicit SelectedRingView(QWidget *parent = nullptr);

    // Draws `ring`, the ring at `place` from the bottom, from 0; nothing when there is none.
    void showRing(const RingResult *ring, std::size_t place);

    PictureBox *planView() const { return plan; }
    PictureBox *detailView() const { return detail; }

private:
    QLabel *title = nullptr;
    PictureBox *plan = nullptr;
    PictureBox *detail = nullptr;
};

} // namespace orvane
