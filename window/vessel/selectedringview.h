#pragma once

// The selected ring: its name, the ring drawn in plan in its woods to fit the view, with the wood
// a click on a segment gives it, and one segment in detail beside it, drawn by the same drawing
// as the calculator's detail view.

#include "core/woods.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;

namespace orvane {

class PictureBox;
class RingPlanView;
struct RingResult;

class SelectedRingView : public QWidget
{
    Q_OBJECT

public:
    explicit SelectedRingView(QWidget *parent = nullptr);

    // Draws `ring`, the ring at `place` from the bottom, from 0, in `colours`; nothing when there
    // is none. The woods to choose from are those of `colours`, each once.
    void showRing(const RingResult *ring, std::size_t place, const std::vector<Wood> &colours);

    RingPlanView *planView() const { return plan; }
    PictureBox *detailView() const { return detail; }

signals:
    // A segment of the ring at `place` was clicked to be of `wood`; segment 1 is 0.
    void segmentWoodChosen(std::size_t place, std::size_t segment, const QString &wood);

private:
    void offerWoods(const std::vector<Wood> &colours);

    QLabel *title = nullptr;
    RingPlanView *plan = nullptr;
    QComboBox *segmentWood = nullptr;
    std::size_t shownPlace = 0;
    PictureBox *detail = nullptr;
};

} // namespace orvane
