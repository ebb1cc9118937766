#pragma once

// What a full-size template is made from: the ring's one result, the same the window, the report
// and the command line show.

#include "core/ringresult.h"

#include <QString>

namespace orvane {

// The widest kerf a template takes, in inches; wider blades do not cut segments.
inline constexpr double widestKerf = 1;

// A ring's template: the project name it is printed under and the ring's one result, computed
// with the saw's kerf.
struct TemplateRing
{
    QString projectName;
    RingResult ring;
};

// The template of `design` under `projectName`.
inline TemplateRing makeTemplateRing(const QString &projectName, const RingDesign &design)
{
    return TemplateRing { projectName, computeRingResult(design) };
}

} // namespace orvane
