#include "report/cutlistpages.h"

#include "core/vesselresults.h"
#include "drawing/conversions.h"
#include "drawing/stackpainting.h"
#include "report/cutlisttable.h"
#include "report/safesave.h"
#include "report/templatecutlist.h"
#include "report/templateoutput.h"
#include "report/templatepainter.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <algorithm>

namespace orvane {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CutListPages", text);
}

// PDF pages are written at the resolution of a good printer, as the other documents are.
constexpr int pdfResolution = 1200;

// The bands and gaps of the pages, in points.
constexpr double headerHeight = 30;
constexpr double padding = 2.5; // inside a table's cells
constexpr double sectionGap = 14;
constexpr double tablePoints = 8;
constexpr double smallestStack = 90;
constexpr double largestStack = 220;

const QColor ruleColour(150, 150, 150);

// One cell of a table: one line, or two (a fraction over its decimal).
struct Cell
{
    QString first;
    QString second;
};

struct Column
{
    QString heading;
    QString unit; // the heading's second line
    double weight = 1; // its share of the table's width
    bool number = true; // aligned right
};

struct Table
{
    QString title;
    QList<Column> columns;
    QList<QList<Cell>> rows;
    int boldRows = 0; // the last rows, printed bold: the totals
    QString whenEmpty;
};

Cell cell(const QString &text)
{
    return { text, {} };
}

Cell cell(const MeasuredLength &length)
{
    return { length.first, length.second };
}

Table ringTable(const VesselCutList &list)
{
    const QString unit = list.unit;
    Table table;
    table.title = tr("Rings, from the foot up");
    table.columns = { { tr("Ring"), {}, 0.5 }, { tr("Name"), {}, 1.6, false },
        { tr("Wood"), {}, 1.3, false }, { tr("Segments"), {}, 1.1 }, { tr("Outer"), unit, 0.9 },
        { tr("Inner"), unit, 0.9 }, { tr("Saw angle"), tr("from square"), 1.3 },
        { tr("Long side"), unit, 1.2 }, { tr("Short side"), unit, 1.2 },
        { tr("Board width"), unit, 1.3 }, { tr("Thickness"), unit, 1.15 },
        { tr("Strip length"), unit, 1.3 }, { tr("Board feet"), {}, 1.15 } };
    for (const CutListRingRow &ring : list.rings) {
        table.rows.append({ cell(ring.number), cell(ring.name), cell(ring.wood),
            cell(ring.segments), cell(ring.outer), cell(ring.inner), cell(ring.sawAngle),
            cell(ring.longSide), cell(ring.shortSide), cell(ring.boardWidth), cell(ring.thickness),
            cell(ring.stripLength), cell(ring.boardFeet) });
    }
    table.whenEmpty = tr("The vessel has no rings.");
    return table;
}

Table woodTable(const VesselCutList &list)
{
    Table table;
    table.title = tr("Lumber per wood");
    table.columns = { { tr("Wood"), {}, 3, false }, { tr("Rings"), {}, 1 },
        { tr("Board feet"), {}, 1.4 }, { tr("Strip length"), list.unit, 1.6 } };
    const auto row = [](const CutListWoodRow &wood) {
        return QList<Cell> { cell(wood.wood), cell(wood.rings), cell(wood.boardFeet),
            cell(wood.stripLength) };
    };
    for (const CutListWoodRow &wood : list.woods)
        table.rows.append(row(wood));
    table.rows.append(row(list.total));
    table.boldRows = 1;
    return table;
}

// What goes where on the pages: the stack and the tables' parts, each at its height.
struct Placement
{
    enum class Kind
    {
        stack,
        title,
        headings,
        row,
        empty
    };
    Kind kind = Kind::row;
    int table = 0;
    int row = 0;
    double top = 0;
    double height = 0;
    bool continued = false;
    double left = 0; // across the page: from here
    double width = 0; // this far
};
using PagePlan = QList<QList<Placement>>;

class CutListPages
{
public:
    CutListPages(TemplatePainter &painter, const Vessel &vessel)
        : page(painter)
        , source(vessel)
        , results(computeVessel(vessel))
        , list(vesselCutList(vessel, results))
        , tables { ringTable(list), woodTable(list) }
    {
        page.setFont(tablePoints);
        line = page.lineSpacing();
        page.setFont(11, true);
        titleHeight = page.lineSpacing() + 4;
        plan = layOut();
    }

    int pageCount() const { return int(plan.size()); }

    void draw(int number)
    {
        drawHeader(number);
        for (const Placement &placed : plan[number - 1]) {
            switch (placed.kind) {
            case Placement::Kind::stack: drawStack(placed); break;
            case Placement::Kind::title: drawTitle(placed); break;
            case Placement::Kind::headings: drawHeadings(placed); break;
            case Placement::Kind::row: drawRow(placed); break;
            case Placement::Kind::empty: drawEmpty(placed); break;
            }
        }
    }

private:
    TemplatePainter &page;
    const Vessel &source;
    VesselResults results;
    VesselCutList list;
    QList<Table> tables;
    double line = 0;
    double titleHeight = 0;
    PagePlan plan;

    QSizeF size() const { return page.printableSize(); }

    double rowHeight(const QList<Cell> &row) const
    {
        const bool twoLines = std::any_of(
            row.begin(), row.end(), [](const Cell &c) { return !c.second.isEmpty(); });
        return (twoLines ? 2 : 1) * line + 2 * padding;
    }
    double headingsHeight() const { return 2 * line + 2 * padding; }

    // The stack with the lumber per wood beside it, where it fits there, then the rings' table
    // down the pages, its title and headings repeated on every page it continues on; the lumber
    // follows when it did not fit beside the stack.
    PagePlan layOut() const
    {
        PagePlan pages(1);
        const double width = size().width();
        const double bottom = size().height();
        const double stackHeight = std::clamp(size().height() / 3, smallestStack, largestStack);
        double woodsHeight = titleHeight + headingsHeight();
        for (const QList<Cell> &row : tables[1].rows)
            woodsHeight += rowHeight(row);
        const bool beside = woodsHeight <= stackHeight + titleHeight;
        const double stackWidth = beside ? width * 0.56 : width;
        pages.back().append(
            { Placement::Kind::stack, 0, 0, headerHeight, stackHeight, false, 0, stackWidth });

        double y = headerHeight;
        double left = 0;
        double across = width;
        const auto place
            = [&](Placement::Kind kind, int table, int row, double height, bool continued = false) {
                  pages.back().append({ kind, table, row, y, height, continued, left, across });
                  y += height;
              };
        const auto newPage = [&] {
            pages.append(QList<Placement>());
            y = headerHeight;
        };
        const auto flow = [&](int t) {
            const Table &table = tables[t];
            const auto start = [&](bool continued) {
                place(Placement::Kind::title, t, 0, titleHeight, continued);
                place(Placement::Kind::headings, t, 0, headingsHeight());
            };
            const double first = table.rows.isEmpty() ? line : rowHeight(table.rows.front());
            if (y + titleHeight + headingsHeight() + first > bottom)
                newPage();
            start(false);
            if (table.rows.isEmpty())
                place(Placement::Kind::empty, t, 0, line);
            for (int r = 0; r < table.rows.size(); ++r) {
                const double height = rowHeight(table.rows[r]);
                if (y + height > bottom) {
                    newPage();
                    start(true);
                }
                place(Placement::Kind::row, t, r, height);
            }
            y += sectionGap;
        };
        if (beside) {
            left = width * 0.6;
            across = width - left;
            flow(1);
            left = 0;
            across = width;
        }
        // Below the stack and the line under it, in the title's size.
        y = headerHeight + stackHeight + 2 + titleHeight + sectionGap / 2;
        flow(0);
        if (!beside)
            flow(1);
        return pages;
    }

    void drawHeader(int number)
    {
        const double width = size().width();
        const QString project
            = source.name.empty() ? tr("Vessel") : shown(source.name).simplified();
        page.setPen(Qt::black, 0.5);
        page.setFont(11, true);
        page.text(QPointF(0, 0), Qt::AlignLeft | Qt::AlignTop, page.elided(project, width * 0.4));
        page.setFont(10);
        page.text(QPointF(width, 0), Qt::AlignRight | Qt::AlignTop,
            tr("Page %1 of %2").arg(number).arg(pageCount()));
        page.setFont(14, true);
        page.text(QPointF(width / 2, 0), Qt::AlignHCenter | Qt::AlignTop, tr("Cut List"));
        page.setPen(ruleColour, 0.35);
        page.painter().drawLine(QLineF(0, headerHeight - 6, width, headerHeight - 6));
    }

    void drawStack(const Placement &placed)
    {
        QPainter &painter = page.painter();
        painter.save();
        QFont font;
        font.setPointSizeF(tablePoints);
        font.setStyleStrategy(QFont::PreferNoShaping);
        painter.setFont(font);
        paintStack(painter, QRectF(placed.left, placed.top, placed.width, placed.height), results,
            std::nullopt, source.units);
        painter.restore();
        page.setPen(Qt::black, 0.5);
        page.setFont(10);
        page.text(QPointF(placed.left + placed.width / 2, placed.top + placed.height + 2),
            Qt::AlignHCenter | Qt::AlignTop,
            tr("Rings: %1    Height: %2    Widest diameter: %3")
                .arg(list.rings.size())
                .arg(list.height, list.widestDiameter));
    }

    void drawTitle(const Placement &placed)
    {
        const Table &table = tables[placed.table];
        page.setPen(Qt::black, 0.5);
        page.setFont(11, true);
        page.text(QPointF(placed.left, placed.top), Qt::AlignLeft | Qt::AlignTop,
            placed.continued ? tr("%1 (continued)").arg(table.title) : table.title);
    }

    // The left edges of a table's columns and its right edge, across its place.
    static QList<double> edges(const Table &table, const Placement &placed)
    {
        double total = 0;
        for (const Column &column : table.columns)
            total += column.weight;
        QList<double> result { placed.left };
        for (const Column &column : table.columns)
            result.append(result.back() + column.weight / total * placed.width);
        return result;
    }

    void drawCells(const Table &table, const Placement &placed, const QList<Cell> &cells, bool bold)
    {
        const QList<double> x = edges(table, placed);
        const double top = placed.top;
        page.setPen(Qt::black, 0.5);
        page.setFont(tablePoints, bold);
        for (qsizetype c = 0; c < cells.size() && c < table.columns.size(); ++c) {
            const bool right = table.columns[c].number;
            const double room = x[c + 1] - x[c] - 2 * padding;
            const QPointF anchor(right ? x[c + 1] - padding : x[c] + padding, top + padding);
            const Qt::Alignment alignment = (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
            page.text(anchor, alignment, page.elided(cells[c].first, room));
            if (!cells[c].second.isEmpty()) {
                page.text(anchor + QPointF(0, line), alignment, page.elided(cells[c].second, room));
            }
        }
    }

    void drawHeadings(const Placement &placed)
    {
        const Table &table = tables[placed.table];
        QList<Cell> headings;
        for (const Column &column : table.columns)
            headings.append({ column.heading, column.unit });
        drawCells(table, placed, headings, true);
        page.setPen(Qt::black, 0.6);
        const double y = placed.top + placed.height;
        page.painter().drawLine(QLineF(placed.left, y, placed.left + placed.width, y));
    }

    void drawRow(const Placement &placed)
    {
        const Table &table = tables[placed.table];
        const bool bold = placed.row >= table.rows.size() - table.boldRows;
        drawCells(table, placed, table.rows[placed.row], bold);
        page.setPen(ruleColour, 0.3);
        const double y = placed.top + placed.height;
        page.painter().drawLine(QLineF(placed.left, y, placed.left + placed.width, y));
    }

    void drawEmpty(const Placement &placed)
    {
        page.setPen(Qt::black, 0.5);
        page.setFont(tablePoints);
        page.text(QPointF(placed.left + padding, placed.top), Qt::AlignLeft | Qt::AlignTop,
            tables[placed.table].whenEmpty);
    }
};

enum class Failure
{
    none,
    start,
    newPage,
    finish
};

Failure drawOn(QPagedPaintDevice &device, const Vessel &vessel)
{
    QPainter painter;
    if (!painter.begin(&device))
        return Failure::start;
    TemplatePainter page(painter);
    CutListPages pages(page, vessel);
    bool added = true;
    for (int number = 1; number <= pages.pageCount() && added; ++number) {
        if (number > 1)
            added = device.newPage();
        if (added)
            pages.draw(number);
    }
    if (!painter.end())
        return Failure::finish;
    return added ? Failure::none : Failure::newPage;
}

QString cutListTitle(const Vessel &vessel)
{
    const QString name = shown(vessel.name).simplified();
    return name.isEmpty() ? tr("Cut list") : tr("%1: cut list").arg(name);
}

} // namespace

QPageLayout cutListPdfLayout(const QPageSize &paper)
{
    return QPageLayout(
        paper, QPageLayout::Landscape, QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
}

std::optional<QString> saveCutListAsPdf(
    const QString &fileName, const Vessel &vessel, const QPageSize &paper)
{
    if (!paper.isValid())
        return tr("the paper size is not known");
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    Failure failure = Failure::none;
    {
        QPdfWriter writer(&file);
        writer.setResolution(pdfResolution);
        writer.setPageLayout(cutListPdfLayout(paper));
        writer.setTitle(cutListTitle(vessel));
        writer.setCreator(QStringLiteral("Orvane"));
        failure = drawOn(writer, vessel);
    }
    switch (failure) {
    case Failure::none: return commitSafely(file);
    case Failure::start: file.cancelWriting(); return tr("the PDF could not be started");
    case Failure::newPage: file.cancelWriting(); return tr("a page of the PDF could not be added");
    case Failure::finish: break;
    }
    file.cancelWriting();
    return tr("the PDF could not be finished");
}

std::optional<QString> printCutList(QPrinter &printer, const Vessel &vessel)
{
    if (!printer.isValid())
        return tr("the printer is no longer available");
    if (printer.outputFormat() == QPrinter::NativeFormat && printer.printerName().isEmpty())
        return tr("no printer was chosen");
    printer.setFullPage(false);
    printer.setDocName(cutListTitle(vessel));
    printer.setCreator(QStringLiteral("Orvane"));
    switch (drawOn(printer, vessel)) {
    case Failure::none: break;
    case Failure::start: return tr("the printer could not be started");
    case Failure::newPage: return tr("the printer could not start a new page");
    case Failure::finish: return tr("the printer could not finish the document");
    }
    if (printer.printerState() == QPrinter::Error)
        return tr("the printer reported an error");
    return std::nullopt;
}

QList<TemplateRing> vesselTemplateRings(const Vessel &vessel)
{
    const QString project = shown(vessel.name).simplified();
    QList<TemplateRing> rings;
    for (RingResult &result : computeVessel(vessel).rings) {
        const QString ring = shown(result.spec.name).simplified();
        const QString title = project.isEmpty() ? ring
            : ring.isEmpty()                    ? project
                                                : tr("%1 – %2").arg(project, ring);
        rings.append(TemplateRing { title, std::move(result) });
    }
    return rings;
}

std::optional<QString> saveVesselTemplatesAsPdf(
    const QString &fileName, const Vessel &vessel, const QPageSize &paper)
{
    const QList<TemplateRing> rings = vesselTemplateRings(vessel);
    for (qsizetype i = 0; i < rings.size(); ++i) {
        if (const auto problem = templateProblem(rings[i])) {
            return tr("the template of ring %1 (%2) could not be made: %3")
                .arg(i + 1)
                .arg(shown(rings[i].ring.spec.name), *problem);
        }
    }
    return saveTemplateAsPdf(fileName, rings, paper);
}

} // namespace orvane
