// The window's recalculation: from the input boxes to every caption and drawing.

#include "drawing/conversions.h"
#include "drawing/detailview.h"
#include "drawing/navigation.h"
#include "drawing/picturebox.h"
#include "drawing/planview.h"
#include "window/orvane.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvane {

namespace {

void showLength(const std::optional<LengthResult> &length, QLabel *fraction, QLabel *decimal)
{
    fraction->setText(length ? shown(length->fraction) : QString());
    decimal->setText(length ? shown(length->decimal) : QString());
}

} // namespace

void Orvane::recalculate()
{
    result = computeRingResult(readRing(), calculatorLargestCount);
    drawPlanView(*planView, result.design.inputs, result.geometry);
    showMiterAngles();
    showLengths();
    drawSegmentDetail(*detailView, result.geometry);
    showBoardFeet();
}

void Orvane::showMiterAngles()
{
    longSideAngle->setText(shown(result.longSideAngleText));
    shortSideAngle->setText(shown(result.shortSideAngleText));
}

void Orvane::showLengths()
{
    showLength(result.longSide, longSideFraction, longSideDecimal);
    showLength(result.shortSide, shortSideFraction, shortSideDecimal);
    showLength(result.boardWidth, boardWidthFraction, boardWidthDecimal);
}

void Orvane::showBoardFeet()
{
    boardFeetField->setText(shown(result.boardFeetText));
}

// The board thickness enters only the board feet: the ring is computed again at the thickness in
// its box now, and only its board feet are shown.
void Orvane::thicknessChanged()
{
    result = computeRingResult(readRing(), calculatorLargestCount);
    showBoardFeet();
}

void Orvane::zoomOut()
{
    navigation::zoomOut(*planView);
    updateZoomIn();
    recalculate();
}

void Orvane::zoomIn()
{
    if (!navigation::zoomIn(*planView))
        return;
    updateZoomIn();
    recalculate();
}

void Orvane::center()
{
    navigation::center(*planView);
    updateZoomIn();
    recalculate();
}

// ZOOM IN is greyed where one more step would turn the view inside out.
void Orvane::updateZoomIn()
{
    zoomInButton->setEnabled(navigation::canZoomIn(*planView));
}

} // namespace orvane
