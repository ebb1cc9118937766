#include "cli/ringpages.h"

#include "core/boardfeet.h"
#include "core/fractions.h"
#include "core/reading.h"
#include "drawing/conversions.h"
#include "report/templatecutlist.h"
#include "report/templateoutput.h"
#include "report/templatepages.h"

#include <QCoreApplication>

namespace orvane {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}

} // namespace

ReportValues reportValues(const RingResults &results)
{
    const RingSpec &ring = results.ring;
    ReportValues values;
    values.projectName = shown(ring.name);
    // The input boxes hold the spinners' values in their shortest decimal form.
    values.segmentCount = shown(shortestDecimal(ring.inputs.segmentCount));
    values.boardThickness = shown(shortestDecimal(ring.thickness));
    values.boardWidth = shown(fractionText(results.boardWidth.inches));
    values.boardWidthInches = results.boardWidth.inches;
    values.boardFeet = shown(boardFeetCaption(results.boardFeet));
    values.shortSide = shown(fractionText(results.shortSide.inches));
    values.shortSideInches = results.shortSide.inches;
    values.longSide = shown(fractionText(results.longSide.inches));
    values.longSideInches = results.longSide.inches;
    return values;
}

TemplateRing templateRing(const RingSpec &ring)
{
    TemplateRing result;
    result.projectName = shown(ring.name);
    result.inputs = ring.inputs;
    result.thickness = ring.thickness;
    result.kerf = ring.kerf;
    return result;
}

QList<TemplateRing> templateRings(const std::vector<RingSpec> &rings)
{
    QList<TemplateRing> result;
    result.reserve(static_cast<qsizetype>(rings.size()));
    for (const RingSpec &ring : rings)
        result.append(templateRing(ring));
    return result;
}

QStringList templateProblems(
    const std::vector<RingSpec> &rings, const QString &projectFile, const QPageSize &paper)
{
    const QList<TemplateRing> templates = templateRings(rings);
    const QSizeF printable
        = templatePdfLayout(paper, templates).paintRect(QPageLayout::Point).size();
    QStringList problems;
    for (std::size_t i = 0; i < rings.size(); ++i) {
        const LaidOutTemplate laidOut
            = layOutTemplate(templates[static_cast<qsizetype>(i)], printable);
        if (laidOut.layout)
            continue;
        const QString where = rings[i].line > 0
            ? QStringLiteral("%1:%2: ").arg(projectFile).arg(rings[i].line)
            : QString();
        problems << where
                + tr("--template: the ring's template could not be made: %1").arg(laidOut.problem);
    }
    return problems;
}

} // namespace orvane
