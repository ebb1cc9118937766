#pragma once

// The printed pages of the command line's rings, filled from the core exactly as the window fills
// them: the report from its captions, the template from its inputs.

#include "core/results.h"
#include "report/reportpage.h"
#include "report/templatering.h"

#include <QList>
#include <QPageSize>
#include <QStringList>

#include <vector>

namespace orvane {

// The report page of a ring: its texts as the window's boxes and captions would show them.
ReportValues reportValues(const RingResults &results);

// The template of a ring.
TemplateRing templateRing(const RingSpec &ring);
QList<TemplateRing> templateRings(const std::vector<RingSpec> &rings);

// Why the templates of `rings` cannot be made on `paper`: a message for each ring that cannot be
// drawn, naming its line of `projectFile`; none when all can.
QStringList templateProblems(
    const std::vector<RingSpec> &rings, const QString &projectFile, const QPageSize &paper);

} // namespace orvane
