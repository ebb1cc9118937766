// The recalculation chain of the window: calcs -> fractions -> segdrawing -> calcfeet.

#include "core/boardfeet.h"
#include "core/fractions.h"
#include "core/reading.h"
#include "drawing/detailview.h"
#include "drawing/navigation.h"
#include "drawing/picturebox.h"
#include "drawing/planview.h"
#include "window/orvane.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QString shown(const std::string &text)
{
    return QString::fromStdString(text);
}
} // namespace

void Orvane::calcs()
{
    const orvane::RingInputs inputs = ringInputs();
    orvane::computeRing(state, inputs, Picture1->scaleWidth(), Picture1->scaleTop());
    drawPlanView(*Picture1, state, inputs);
    shortangle->setText(shown(orvane::shortAngleCaption(inputs.numsegs)));
    longangle->setText(shown(orvane::longAngleCaption(inputs.numsegs)));
    fractions();
}

void Orvane::fractions()
{
    showLength(state.longsidelen, longside, longsidedec);
    showLength(state.shortsidelen, shortside, shortsidedec);
    showLength(state.boardwidthlen, bwidth, boardwidthdec);
    segdrawing();
}

void Orvane::showLength(double value, QLabel *fraction, QLabel *decimal)
{
    fraction->setText(shown(orvane::fractionText(value, state)));
    decimal->setText(shown(orvane::decimalText(value)));
}

void Orvane::segdrawing()
{
    drawSegmentDetail(*Picture2, state);
    calcfeet();
}

void Orvane::calcfeet()
{
    const orvane::SegmentLengths segment { state.longsidelen, state.shortsidelen,
        state.boardwidthlen };
    const auto estimate
        = orvane::boardFeet(segment, orvane::leadingNumber(numsegs->text().toStdString()),
            orvane::wholeNumber(boardthick->text().toStdString()));
    boardfeet->setText(shown(orvane::boardFeetCaption(estimate)));
}

void Orvane::zoomOut()
{
    navigation::zoomOut(*Picture1);
    updateZoomIn();
    calcs();
}

void Orvane::zoomIn()
{
    if (!navigation::zoomIn(*Picture1))
        return;
    updateZoomIn();
    calcs();
}

void Orvane::center()
{
    navigation::center(*Picture1);
    updateZoomIn();
    calcs();
}

// ZOOM IN is greyed where one more step would turn the view inside out.
void Orvane::updateZoomIn()
{
    Command3->setEnabled(navigation::canZoomIn(*Picture1));
}
