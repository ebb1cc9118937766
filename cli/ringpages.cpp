#include "cli/ringpages.h"

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

ReportValues reportValues(const RingResult &result)
{
    const RingDesign &ring = result.design;
    ReportValues values;
    values.projectName = shown(ring.name);
    // The input boxes hold the spinners' values in their shortest decimal form.
    values.segmentCount = shown(shortestDecimal(ring.inputs.segmentCount));
    values.boardThickness = shown(shortestDecimal(ring.thickness.value_or(0)));
    values.ring = result;
    return values;
}

QList<TemplateRing> templateRings(const std::vector<RingResult> &rings)
{
    QList<TemplateRing> result;
    result.reserve(static_cast<qsizetype>(rings.size()));
    for (const RingResult &ring : rings) {
        // A disc is a square blank: nothing to cut at a miter, no template.
        if (ring.kind != RingKind::disc)
            result.append(TemplateRing { shown(ring.design.name), ring });
    }
    return result;
}

QStringList templateProblems(
    const std::vector<RingResult> &rings, const QString &projectFile, const QPageSize &paper)
{
    const QList<TemplateRing> templates = templateRings(rings);
    const QSizeF printable
        = templatePdfLayout(paper, templates).paintRect(QPageLayout::Point).size();
    QStringList problems;
    for (const TemplateRing &ring : templates) {
        const LaidOutTemplate laidOut = layOutTemplate(ring, printable);
        if (laidOut.layout)
            continue;
        const int line = ring.ring.design.line;
        const QString where
            = line > 0 ? QStringLiteral("%1:%2: ").arg(projectFile).arg(line) : QString();
        problems << where
                + tr("--template: the ring's template could not be made: %1").arg(laidOut.problem);
    }
    return problems;
}

} // namespace orvane
