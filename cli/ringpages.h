#pragma once

// The printed pages of the command line's rings, made from each ring's one result as the window
// makes its own.

#include "core/results.h"
#include "report/reportpage.h"
#include "report/templatering.h"

#include <QList>
#include <QPageSize>
#include <QStringList>

#include <vector>

namespace orvane {

// The report page of a ring: its count and thickness as the window's boxes would show them.
ReportValues reportValues(const RingResult &result);

// The templates of the rings.
QList<TemplateRing> templateRings(const std::vector<RingResult> &rings);

// Why the templates of `rings` cannot be made on `paper`: a message for each ring that cannot be
// drawn, naming its line of `projectFile`; none when all can.
QStringList templateProblems(
    const std::vector<RingResult> &rings, const QString &projectFile, const QPageSize &paper);

} // namespace orvane
