#include "window/layout.h"

#include "core/ringdesign.h"
#include "window/twips.h"

#include <QCoreApplication>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace orvane::layout {

namespace {

constexpr QRect at(int left, int top, int width, int height)
{
    return { left, top, width, height };
}

// Input boxes, spinners and result fields share their sizes.
constexpr int boxWidth = 975, boxHeight = 405;
constexpr int spinnerWidth = 255, spinnerHeight = 405;
constexpr int fieldWidth = 1335, fieldHeight = 255;

#define TEXT(text) QT_TRANSLATE_NOOP("Orvane", text)

const Control table[] = {
    // The inputs: caption labels, boxes and spinners.
    { "Label1", Kind::CaptionLabel, at(120, 360, 1035, 195), TEXT("# of Segments") },
    { "Label2", Kind::CaptionLabel, at(120, 960, 1320, 195), TEXT("Outer Diameter, in.") },
    { "Label3", Kind::CaptionLabel, at(120, 1800, 1290, 195), TEXT("Inner Diameter, in.") },
    { "Label4", Kind::CaptionLabel, at(120, 2520, 1200, 195), TEXT("Fudge Factor, in."),
        TEXT("Material beyond the cut line") },
    { "Label6", Kind::CaptionLabel, at(360, 7080, 1395, 195), TEXT("Board thickness, in.") },
    { "numsegs", Kind::InputBox, at(1440, 240, boxWidth, boxHeight),
        ringDefaults::segmentCountText.data(), nullptr, nullptr, {}, "Label1" },
    { "outerdiam", Kind::InputBox, at(1440, 840, boxWidth, boxHeight),
        ringDefaults::outerDiameterText.data(), nullptr, nullptr, {}, "Label2" },
    { "innerdiam", Kind::InputBox, at(1440, 1680, boxWidth, boxHeight),
        ringDefaults::innerDiameterText.data(), nullptr, nullptr, {}, "Label3" },
    { "fudge", Kind::InputBox, at(1440, 2400, boxWidth, boxHeight), ringDefaults::fudgeText.data(),
        nullptr, nullptr, {}, "Label4" },
    { "boardthick", Kind::InputBox, at(1800, 6960, boxWidth, boxHeight),
        ringDefaults::thicknessText.data(), nullptr, nullptr, {}, "Label6" },
    { "VScroll1", Kind::Spinner, at(2520, 240, spinnerWidth, spinnerHeight), nullptr, nullptr,
        nullptr, { 4, 24, 6, 1 }, "Label1" },
    { "VScroll2", Kind::Spinner, at(2520, 840, spinnerWidth, spinnerHeight), nullptr, nullptr,
        nullptr, { 16, 288, 144, 5 }, "Label2" },
    { "VScroll3", Kind::Spinner, at(2520, 1680, spinnerWidth, spinnerHeight), nullptr, nullptr,
        nullptr, { 12, 284, 120, 5 }, "Label3" },
    { "VScroll4", Kind::Spinner, at(2520, 2400, spinnerWidth, spinnerHeight), nullptr, nullptr,
        nullptr, { 0, 16, 1, 1 }, "Label4" },
    { "VScroll5", Kind::Spinner, at(2880, 6960, spinnerWidth, spinnerHeight), nullptr, nullptr,
        nullptr, { 1, 32, 3, 1 }, "Label6" },

    // The results: lengths as fractions and decimals, the miter angles and the board feet.
    { "Label18", Kind::CaptionLabel, at(1680, 3240, 1155, 195), TEXT("Approx. Fraction"),
        TEXT("Decimal value to the nearest 1/16\"") },
    { "Label17", Kind::CaptionLabel, at(3120, 3240, 1020, 195), TEXT("Decimal Value"),
        TEXT("Calculated value to 5 places") },
    { "Label8", Kind::CaptionLabel, at(120, 3480, 1485, 195), TEXT("Long side Length, in.") },
    { "longside", Kind::ResultField, at(1680, 3480, fieldWidth, fieldHeight), nullptr,
        TEXT("Long side of segment"), nullptr, {}, "Label8", "Label18" },
    { "longsidedec", Kind::ResultField, at(3120, 3480, fieldWidth, fieldHeight), nullptr,
        TEXT("Long side of segment"), nullptr, {}, "Label8", "Label17" },
    { "Label9", Kind::CaptionLabel, at(120, 3840, 1500, 195), TEXT("Short side Length, in.") },
    { "shortside", Kind::ResultField, at(1680, 3840, fieldWidth, fieldHeight), nullptr,
        TEXT("Short side of segment"), nullptr, {}, "Label9", "Label18" },
    { "shortsidedec", Kind::ResultField, at(3120, 3840, fieldWidth, fieldHeight), nullptr,
        TEXT("Short side of segment"), nullptr, {}, "Label9", "Label17" },
    { "Label10", Kind::CaptionLabel, at(120, 4200, 1095, 195), TEXT("Board width, in.") },
    { "bwidth", Kind::ResultField, at(1680, 4200, fieldWidth, fieldHeight), nullptr,
        TEXT("Width of board"), nullptr, {}, "Label10", "Label18" },
    { "boardwidthdec", Kind::ResultField, at(3120, 4200, fieldWidth, fieldHeight), nullptr,
        TEXT("Width of board"), nullptr, {}, "Label10", "Label17" },
    { "Label20", Kind::CaptionLabel, at(120, 4680, 3375, 195),
        TEXT("Note: + sign means fraction was rounded down ") },
    { "Label21", Kind::CaptionLabel, at(480, 4920, 2640, 195),
        TEXT("- sign means fraction was rounded up") },
    { "Label5", Kind::CaptionLabel, at(1560, 5640, 720, 195), TEXT("Long Side") },
    { "Label19", Kind::CaptionLabel, at(3000, 5640, 735, 195), TEXT("Short Side") },
    { "Label12", Kind::CaptionLabel, at(120, 5880, 885, 195), TEXT("Miter angle,°") },
    { "shortangle", Kind::ResultField, at(1560, 5880, fieldWidth, fieldHeight), nullptr, nullptr,
        nullptr, {}, "Label12", "Label5" },
    { "longangle", Kind::ResultField, at(3000, 5880, fieldWidth, fieldHeight), nullptr, nullptr,
        nullptr, {}, "Label12", "Label19" },
    { "Label7", Kind::CaptionLabel, at(360, 7680, 1425, 195), TEXT("Board feet of lumber") },
    { "boardfeet", Kind::ResultField, at(1800, 7680, fieldWidth, fieldHeight), nullptr, nullptr,
        nullptr, {}, "Label7" },
    { "Label25", Kind::CaptionLabel, at(0, 0, 1755, 195), TEXT("Orvane ring calculator") },

    // The drawings and the buttons that move the plan view.
    { "Picture1", Kind::Picture, at(4560, 360, 4695, 4695) },
    { "Command2", Kind::Button, at(4560, 5040, 2055, 495), TEXT("ZOOM OUT"), TEXT("Zoom out") },
    { "Command8", Kind::Button, at(6600, 5040, 615, 495), TEXT("Center"),
        TEXT("Center image/reset scale") },
    { "Command3", Kind::Button, at(7200, 5040, 2055, 495), TEXT("ZOOM IN"), TEXT("Zoom in") },
    { "Picture2", Kind::Picture, at(4560, 5760, 4700, 2760) },

    // Help, printing and the panels they open.
    { "Command9", Kind::Button, at(240, 8160, 1335, 495), TEXT("Help") },
    { "Command13", Kind::Button, at(1800, 8160, 1575, 495), TEXT("Print") },
    { "Command11", Kind::Button, at(3480, 7440, 1575, 495), TEXT("Print") },
    { "Picture3", Kind::HelpPanel, at(6960, 7680, 5535, 8415) },
    { "Label22", Kind::Answer, at(240, 120, 4500, 1260),
        TEXT("What is Fudge factor?  Fudge is the extra material beyond the cut line.  Its there "
             "for tolerances.  Trying to make your cuts exactly to the line would be difficult."),
        nullptr, "Picture3" },
    { "Label23", Kind::Answer, at(240, 1560, 4815, 3855),
        TEXT("What is this +/- thing all about?  The \"real\" values are calculated in decimal "
             "form, then converted to fractions.  Since most of the calculated values aren't even "
             "fractions, the closest fraction to the decimal value is calculated.  The plus or "
             "minus tells you whether the fraction was rounded up or down.  For example, if the "
             "decimal value is 14.130, the fraction qould be 14 1/8+ meaning that the fraction is "
             "a small amount less than the decimal value.  The software rounds to the nearest "
             "1/16\".  "),
        nullptr, "Picture3" },
    { "Label24", Kind::Answer, at(240, 5400, 4815, 2175),
        TEXT("Why don't the lines meet on the screen?  The picture boxes on the screen are scaled "
             "using integers.  Most of the coordinates are not integers, so there is a small error "
             "depending on the scale values.  The values are based on calculations, however, and "
             "are not affected by the scaling of the pictures."),
        nullptr, "Picture3" },
    { "Command10", Kind::Button, at(4560, 7560, 735, 735), TEXT("Close"), nullptr, "Picture3" },
    { "Frame1", Kind::Prompt, at(2760, 3120, 4095, 2775), TEXT("Project Name") },
    { "Label26", Kind::PromptLabel, at(120, 480, 2025, 300), TEXT("Enter project name"), nullptr,
        "Frame1" },
    { "Text1", Kind::NameBox, at(120, 1080, 3855, 420), ringDefaults::name.data(), nullptr,
        "Frame1" },
    { "Command12", Kind::Button, at(3000, 2160, 735, 495), TEXT("OK"), nullptr, "Frame1" },
};

#undef TEXT

} // namespace

std::span<const Control> controls()
{
    return table;
}

const Control &control(std::string_view name)
{
    const auto found = std::find_if(
        std::begin(table), std::end(table), [name](const Control &c) { return name == c.name; });
    if (found == std::end(table))
        std::abort(); // a name the program itself asks for: a mistake in the program
    return *found;
}

QString text(const Control &control)
{
    return control.text ? QCoreApplication::translate(translationContext, control.text) : QString();
}

QString toolTip(const Control &control)
{
    return control.toolTip ? QCoreApplication::translate(translationContext, control.toolTip)
                           : QString();
}

void place(QWidget *widget, const Control &control)
{
    widget->setObjectName(QLatin1String(control.name));
    const QRect &g = control.twips;
    widget->setGeometry(twipsRect(g.x(), g.y(), g.width(), g.height()));
    if (control.toolTip)
        widget->setToolTip(toolTip(control));
}

} // namespace orvane::layout
