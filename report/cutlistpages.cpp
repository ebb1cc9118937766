#include "report/cutlistpages.h"

#include "core/vesselresults.h"
#include "drawing/conversions.h"
#include "drawing/profilepainting.h"
#include "drawing/stackpainting.h"
#include "drawing/vesselpicture.h"
#include "drawing/vesselpictures.h"
#include "report/cutlisttable.h"
#include "report/pagefailure.h"
#include "report/pagetable.h"
#include "report/pdfformat.h"
#include "report/safesave.h"
#include "report/templatecutlist.h"
#include "report/templateoutput.h"
#include "report/templatepainter.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CutListPages", text);
}

// The bands and gaps of the pages, in points.
constexpr double headerHeight = 30;
constexpr double sectionGap = 14;
constexpr double stackPoints = 8; // the stack's dimensions
constexpr double smallestStack = 90;
constexpr double largestStack = 220;
constexpr double profileMargin = 4;
// The lumber beside the stack and the 3D picture, where it fits there: their share of the width.
constexpr double stackShare = 0.56;
constexpr double woodsShare = 0.4;
// The 3D picture, a square beside the stack: at most this share of the width they have.
constexpr double pictureShare = 0.45;
// The picture's pixels to the inch on paper: finer is not seen, and only makes the file larger.
constexpr double pictureDotsPerInch = 300;

const QColor ruleColour(150, 150, 150);

PageCell cell(const QString &text)
{
    return { text, {} };
}

PageCell cell(const MeasuredLength &length)
{
    return { length.first, length.second };
}

PageTable ringTable(const VesselCutList &list)
{
    const QString unit = list.unit;
    PageTable table;
    table.title = tr("Rings, from the foot up");
    table.columns = { { tr("Ring"), {} }, { tr("Name"), {}, false }, { tr("Wood"), {}, false },
        { tr("Segments"), {} }, { tr("Outer"), unit }, { tr("Inner"), unit },
        { tr("Saw angle"), tr("from square") }, { tr("Long side"), unit },
        { tr("Short side"), unit }, { tr("Board width"), unit }, { tr("Thickness"), unit },
        { tr("Strip length"), unit }, { tr("Board feet"), {} }, { tr("Glue-up"), {}, false } };
    for (const CutListRingRow &ring : list.rings) {
        table.rows.append({ cell(ring.number), cell(ring.name), cell(ring.wood),
            cell(ring.segments), cell(ring.outer), cell(ring.inner), cell(ring.sawAngle),
            cell(ring.longSide), cell(ring.shortSide), cell(ring.boardWidth), cell(ring.thickness),
            cell(ring.stripLength), cell(ring.boardFeet), cell(ring.glueUp) });
    }
    table.whenEmpty = tr("The vessel has no rings.");
    return table;
}

PageTable woodTable(const VesselCutList &list)
{
    PageTable table;
    table.title = tr("Lumber per wood");
    table.columns = { { tr("Wood"), {}, false }, { tr("Rings"), {} }, { tr("Segments"), {} },
        { tr("Board feet"), {} }, { tr("Strip length"), list.unit } };
    const auto row = [](const CutListWoodRow &wood) {
        return QList<PageCell> { cell(wood.wood), cell(wood.rings), cell(wood.segments),
            cell(wood.boardFeet), cell(wood.stripLength) };
    };
    for (const CutListWoodRow &wood : list.woods)
        table.rows.append(row(wood));
    table.rows.append(row(list.total));
    table.boldRows = 1;
    return table;
}

// What the woodworker buys: each wood in each board thickness.
PageTable boardTable(const VesselCutList &list)
{
    PageTable table;
    table.title = tr("Lumber per wood and board");
    table.columns = { { tr("Wood"), {}, false }, { tr("Thickness"), list.unit },
        { tr("Segments"), {} }, { tr("Board feet"), {} }, { tr("Strip length"), list.unit } };
    for (const CutListWoodRow &board : list.boards) {
        table.rows.append({ cell(board.wood), cell(board.thickness), cell(board.segments),
            cell(board.boardFeet), cell(board.stripLength) });
    }
    return table;
}

// What goes where on the pages: the stack and the tables' parts, each at its place.
struct Placement
{
    enum class Kind
    {
        stack,
        picture,
        caption,
        title,
        headings,
        row,
        empty
    };
    Kind kind = Kind::row;
    int table = 0;
    int row = 0;
    QRectF place;
    bool continued = false;
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
        , tables { ringTable(list), woodTable(list), boardTable(list) }
    {
        page.setFont(11, true);
        titleHeight = page.lineSpacing() + 4;
        plan = layOut();
    }

    int pageCount() const { return int(plan.size()); }

    void draw(int number)
    {
        drawHeader(number);
        for (const Placement &placed : plan[number - 1]) {
            const PageTable &table = tables[placed.table];
            const QPointF at = placed.place.topLeft();
            switch (placed.kind) {
            case Placement::Kind::stack: drawStack(placed.place); break;
            case Placement::Kind::picture: drawPicture(placed.place); break;
            case Placement::Kind::caption: drawCaption(placed.place); break;
            case Placement::Kind::title:
                page.setPen(Qt::black, 0.5);
                page.setFont(11, true);
                page.text(at, Qt::AlignLeft | Qt::AlignTop,
                    placed.continued ? tr("%1 (continued)").arg(table.title) : table.title);
                break;
            case Placement::Kind::headings:
                table.drawHeadings(page, at, placed.place.width());
                break;
            case Placement::Kind::row:
                table.drawRow(page, placed.row, at, placed.place.width());
                break;
            case Placement::Kind::empty: table.drawEmpty(page, at); break;
            }
        }
    }

private:
    TemplatePainter &page;
    const Vessel &source;
    VesselResults results;
    VesselCutList list;
    QList<PageTable> tables;
    double titleHeight = 0;
    PagePlan plan;

    QSizeF size() const { return page.printableSize(); }

    double height(const PageTable &table) const
    {
        double total = titleHeight + table.headingsHeight();
        for (qsizetype r = 0; r < table.rows.size(); ++r)
            total += table.rowHeight(r);
        return total;
    }

    // The stack (or the profile) and the 3D picture beside it across the top of the first page,
    // the lumber per wood and per board beside them where it fits there; then the rings' table
    // down the pages, its title and headings repeated on every page it continues on. The lumber
    // follows the rings when it did not fit beside the pictures.
    PagePlan layOut()
    {
        PagePlan pages(1);
        const double width = size().width();
        const double bottom = size().height();
        const double stackHeight = std::clamp(size().height() / 3, smallestStack, largestStack);
        tables[0].fit(page, width);
        for (const int lumber : { 1, 2 })
            tables[lumber].fit(page, width * woodsShare);
        const double lumberHeight = height(tables[1]) + sectionGap + height(tables[2]);
        // Beside the pictures, the lumber may reach down to half the page.
        const bool beside
            = lumberHeight <= std::max(stackHeight + titleHeight, (bottom - headerHeight) / 2);
        if (!beside) {
            for (const int lumber : { 1, 2 })
                tables[lumber].fit(page, width);
        }
        const double band = beside ? width * stackShare : width;
        const double side = std::min(stackHeight, band * pictureShare);
        pages.back().append({ Placement::Kind::stack, 0, 0,
            QRectF(0, headerHeight, band - side - sectionGap, stackHeight) });
        pages.back().append({ Placement::Kind::picture, 0, 0,
            QRectF(band - side, headerHeight + (stackHeight - side) / 2, side, side) });
        pages.back().append({ Placement::Kind::caption, 0, 0,
            QRectF(0, headerHeight + stackHeight + 2, band, titleHeight) });

        double y = headerHeight;
        double left = 0;
        const auto place
            = [&](Placement::Kind kind, int table, int row, double height, bool continued = false) {
                  pages.back().append(
                      { kind, table, row, QRectF(left, y, width - left, height), continued });
                  y += height;
              };
        const auto flow = [&](int t) {
            const PageTable &table = tables[t];
            const auto start = [&](bool continued) {
                place(Placement::Kind::title, t, 0, titleHeight, continued);
                place(Placement::Kind::headings, t, 0, table.headingsHeight());
            };
            const double first = table.rows.isEmpty() ? table.emptyHeight() : table.rowHeight(0);
            const auto newPage = [&] {
                pages.append(QList<Placement>());
                y = headerHeight;
            };
            if (y + titleHeight + table.headingsHeight() + first > bottom)
                newPage();
            start(false);
            if (table.rows.isEmpty())
                place(Placement::Kind::empty, t, 0, table.emptyHeight());
            for (int r = 0; r < table.rows.size(); ++r) {
                if (y + table.rowHeight(r) > bottom) {
                    newPage();
                    start(true);
                }
                place(Placement::Kind::row, t, r, table.rowHeight(r));
            }
            y += sectionGap;
        };
        if (beside) {
            left = width * (1 - woodsShare);
            flow(1);
            flow(2);
            left = 0;
        }
        // Below the pictures and the line under them, in the title's size, and below the lumber.
        y = std::max(
            headerHeight + stackHeight + 2 + titleHeight + sectionGap / 2, beside ? y : 0.0);
        flow(0);
        if (!beside) {
            flow(1);
            flow(2);
        }
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

    void drawStack(const QRectF &place)
    {
        QPainter &painter = page.painter();
        painter.save();
        QFont font;
        font.setPointSizeF(stackPoints);
        font.setStyleStrategy(QFont::PreferNoShaping);
        painter.setFont(font);
        // A vessel drawn as a profile shows it, its rings' bands over the wall they are turned
        // to; the others their stack of rings.
        if (!source.profile.empty() && results.profileProblems.empty())
            paintProfile(painter, fitProfile(place, source, results, profileMargin), source,
                results, std::nullopt, source.woods);
        else
            paintStack(painter, place, results, std::nullopt, source.units, source.woods);
        painter.restore();
    }

    // The glued-up blank in 3D, each segment in its wood, drawn finely enough for the paper.
    void drawPicture(const QRectF &place)
    {
        const std::vector<SceneTriangle> scene = blankSceneOf(results, source.woods);
        if (scene.empty())
            return;
        QPainter &painter = page.painter();
        const double dotsPerInch
            = std::min(double(painter.device()->logicalDpiX()), pictureDotsPerInch);
        const int pixels = int(std::lround(place.width() / pointsPerInch * dotsPerInch));
        const QImage picture
            = renderScene(scene, PictureAngle {}, QSize(pixels, pixels), QColor(Qt::white));
        painter.drawImage(place, picture);
    }

    void drawCaption(const QRectF &place)
    {
        page.setPen(Qt::black, 0.5);
        page.setFont(10);
        page.text(QPointF(place.center().x(), place.top()), Qt::AlignHCenter | Qt::AlignTop,
            tr("Rings: %1    Height: %2    Widest diameter: %3")
                .arg(list.rings.size())
                .arg(list.height, list.widestDiameter));
    }
};

PageFailure drawOn(QPagedPaintDevice &device, const Vessel &vessel)
{
    QPainter painter;
    if (!painter.begin(&device))
        return PageFailure::start;
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
        return PageFailure::finish;
    return added ? PageFailure::none : PageFailure::newPage;
}

QString cutListTitle(const Vessel &vessel)
{
    const QString name = shown(vessel.name).simplified();
    return name.isEmpty() ? tr("Cut list") : tr("%1: cut list").arg(name);
}

// Writes the cut list into the PDF file `fileName` on pages laid out as `layout`, replacing a file
// already there only once the new one is complete.
std::optional<QString> writeCutListPdf(
    const QString &fileName, const Vessel &vessel, const QPageLayout &layout)
{
    return writePdfSafely(fileName, layout, cutListTitle(vessel),
        [&vessel](QPdfWriter &writer) -> std::optional<QString> {
            const PageFailure failure = drawOn(writer, vessel);
            if (failure == PageFailure::none)
                return std::nullopt;
            return pdfFailure(failure);
        });
}

} // namespace

std::optional<QString> saveCutListAsPdf(
    const QString &fileName, const Vessel &vessel, const QPageSize &paper)
{
    if (!paper.isValid())
        return tr("the paper size is not known");
    // Landscape: the table of rings is wide.
    return writeCutListPdf(fileName, vessel, pdfLayout(paper, QPageLayout::Landscape));
}

std::optional<QString> printCutList(QPrinter &printer, const Vessel &vessel)
{
    if (printsToPdfFile(printer))
        return writeCutListPdf(printer.outputFileName(), vessel, pdfLayout(printer));
    if (const auto refusal = printerRefusal(printer))
        return refusal;
    printer.setFullPage(false);
    printer.setDocName(cutListTitle(vessel));
    printer.setCreator(QStringLiteral("Orvane"));
    return printerFailure(drawOn(printer, vessel), printer);
}

QList<TemplateRing> vesselTemplateRings(const Vessel &vessel)
{
    const QString project = shown(vessel.name).simplified();
    QList<TemplateRing> rings;
    for (RingResult &result : computeVessel(vessel).rings) {
        // A disc is a square blank: nothing to cut at a miter, no template.
        if (result.kind == RingKind::disc)
            continue;
        const QString ring = shown(result.design.name).simplified();
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
                .arg(shown(rings[i].ring.design.name), *problem);
        }
    }
    return saveTemplateAsPdf(fileName, rings, paper);
}

} // namespace orvane
