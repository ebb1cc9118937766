#include "report/templateoutput.h"

#include "report/pagefailure.h"
#include "report/pdfformat.h"
#include "report/safesave.h"
#include "report/templatepages.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <limits>

namespace orvane {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TemplateOutput", text);
}

// Lays the templates out for the printable area of `device`, not yet begun, and draws them.
PageFailure drawOn(QPagedPaintDevice &device, const LaidOutTemplates &templates)
{
    QPainter painter;
    if (!painter.begin(&device))
        return PageFailure::start;
    const bool drawn = !drawTemplates(painter, device, templates);
    if (!painter.end())
        return PageFailure::finish;
    return drawn ? PageFailure::none : PageFailure::newPage;
}

// Writes the templates of `rings` into the PDF file `fileName` on pages laid out as `layout`.
std::optional<QString> writeTemplatePdf(
    const QString &fileName, const QList<TemplateRing> &rings, const QPageLayout &layout)
{
    // Rings that cannot be drawn leave the file as it is.
    const LaidOutTemplates planned
        = layOutTemplates(rings, layout.paintRect(QPageLayout::Point).size());
    if (!planned.problem.isEmpty())
        return planned.problem;

    return writePdfSafely(fileName, layout, templateTitle(rings),
        [&rings](QPdfWriter &writer) -> std::optional<QString> {
            // Laid out again on the writer's own printable area, to the dot.
            const LaidOutTemplates templates = layOutTemplates(rings, printableSize(writer));
            if (!templates.problem.isEmpty())
                return templates.problem;
            const PageFailure drawing = drawOn(writer, templates);
            if (drawing != PageFailure::none)
                return pdfFailure(drawing);
            return std::nullopt;
        });
}

} // namespace

QPageLayout::Orientation templateOrientation(
    const QPageLayout &layout, const QList<TemplateRing> &rings)
{
    const auto pages = [&](QPageLayout::Orientation orientation) {
        QPageLayout turned = layout;
        turned.setOrientation(orientation);
        const LaidOutTemplates templates
            = layOutTemplates(rings, turned.paintRect(QPageLayout::Point).size());
        return templates.problem.isEmpty() ? templates.pageCount : std::numeric_limits<int>::max();
    };
    return pages(QPageLayout::Portrait) < pages(QPageLayout::Landscape) ? QPageLayout::Portrait
                                                                        : QPageLayout::Landscape;
}

QPageLayout templatePdfLayout(const QPageSize &paper, const QList<TemplateRing> &rings)
{
    QPageLayout layout = pdfLayout(paper, QPageLayout::Landscape);
    layout.setOrientation(templateOrientation(layout, rings));
    return layout;
}

std::optional<QString> saveTemplateAsPdf(
    const QString &fileName, const QList<TemplateRing> &rings, const QPageSize &paper)
{
    if (!paper.isValid())
        return tr("the paper size is not known");
    return writeTemplatePdf(fileName, rings, templatePdfLayout(paper, rings));
}

std::optional<QString> printTemplate(QPrinter &printer, const QList<TemplateRing> &rings)
{
    if (printsToPdfFile(printer))
        return writeTemplatePdf(printer.outputFileName(), rings, pdfLayout(printer));
    if (const auto refusal = printerRefusal(printer))
        return refusal;
    // Full size: the pages are drawn within the margins the printer reports, at its resolution.
    printer.setFullPage(false);
    const LaidOutTemplates templates = layOutTemplates(rings, printableSize(printer));
    if (!templates.problem.isEmpty())
        return templates.problem;
    printer.setDocName(templateTitle(rings));
    printer.setCreator(QStringLiteral("Orvane"));
    return printerFailure(drawOn(printer, templates), printer);
}

} // namespace orvane
