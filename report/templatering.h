#pragma once

// What a full-size template is made from: the ring's inputs as the window or a project file
// gives them, and the saw's kerf. Everything the template shows is worked out from these by the
// same functions as the window's results.

#include "core/cutlist.h"
#include "core/ring.h"

#include <QString>

#include <optional>

namespace orvane {

// The widest kerf a template takes, in inches; wider blades do not cut segments.
inline constexpr double widestKerf = 1;

struct TemplateRing
{
    QString projectName;
    RingInputs inputs;
    std::optional<double> thickness; // the board thickness in inches; none leaves no board feet
    double kerf = defaultKerf; // the saw's kerf in inches, measured square to the blade
};

} // namespace orvane
