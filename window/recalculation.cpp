// The window's recalculation: from the input boxes to every caption and drawing.

#include "core/angles.h"
#include "core/boardfeet.h"
#include "core/fractions.h"
#include "core/picture.h"
#include "core/reading.h"
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

void showLength(std::optional<double> inches, QLabel *fraction, QLabel *decimal)
{
    fraction->setText(inches ? shown(fractionText(*inches)) : QString());
    decimal->setText(inches ? shown(decimalText(*inches)) : QString());
}

} // namespace

void Orvane::recalculate()
{
    const RingInputs inputs = readRingInputs();
    currentRing = computeRing(inputs);
    drawPlanView(*planView, inputs, currentRing);
    showMiterAngles(inputs.segmentCount);
    showLengths();
    drawSegmentDetail(*detailView, currentRing);
    showBoardFeet();
}

void Orvane::showMiterAngles(double segmentCount)
{
    const auto angles = miterAngles(segmentCount);
    longSideAngle->setText(
        shown(angleText(angles ? std::optional(angles->longSide) : std::nullopt, anglePicture)));
    shortSideAngle->setText(
        shown(angleText(angles ? std::optional(angles->shortSide) : std::nullopt, anglePicture)));
}

void Orvane::showLengths()
{
    showLength(currentLength(&Ring::longSide), longSideFraction, longSideDecimal);
    showLength(currentLength(&Ring::shortSide), shortSideFraction, shortSideDecimal);
    showLength(currentLength(&Ring::boardWidth), boardWidthFraction, boardWidthDecimal);
}

std::optional<double> Orvane::currentLength(double Ring::*length) const
{
    return currentRing ? std::optional((*currentRing).*length) : std::nullopt;
}

// The board feet of the last ring computed, at the thickness in its box now.
void Orvane::showBoardFeet()
{
    const auto thickness = wholeNumber(thicknessBox->text().toStdString());
    const auto estimate = currentRing ? boardFeet(*currentRing, thickness) : std::nullopt;
    boardFeetField->setText(shown(boardFeetCaption(estimate)));
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
