#include "report/pagetable.h"

#include <QColor>
#include <QLineF>

#include <algorithm>

namespace orvane {

namespace {

constexpr double largestPoints = 8;
constexpr double smallestPoints = 4.5; // still read on paper; smaller texts are cut short
constexpr double padding = 2.5; // inside a cell, on each side
constexpr double columnGap = 4;

const QColor ruleColour(150, 150, 150);

} // namespace

void PageTable::fit(TemplatePainter &page, double width)
{
    // Each column's widest text in the largest font, then one scale for all of them.
    QList<double> natural;
    for (qsizetype c = 0; c < columns.size(); ++c) {
        page.setFont(largestPoints, true);
        double widest = std::max(
            page.measure(columns[c].heading).width(), page.measure(columns[c].unit).width());
        for (qsizetype r = 0; r < rows.size(); ++r) {
            page.setFont(largestPoints, r >= rows.size() - boldRows);
            if (c < rows[r].size()) {
                widest = std::max({ widest, page.measure(rows[r][c].first).width(),
                    page.measure(rows[r][c].second).width() });
            }
        }
        natural.append(widest + 2 * padding + columnGap);
    }
    double total = 0;
    for (const double w : natural)
        total += w;
    points = std::max(smallestPoints, largestPoints * std::min(1.0, width / total));
    shares.clear();
    for (const double w : natural)
        shares.append(w / total);
    page.setFont(points);
    line = page.lineSpacing();
}

double PageTable::headingsHeight() const
{
    return 2 * line + 2 * padding;
}

double PageTable::rowHeight(qsizetype row) const
{
    const QList<PageCell> &cells = rows[row];
    const bool twoLines = std::any_of(
        cells.begin(), cells.end(), [](const PageCell &c) { return !c.second.isEmpty(); });
    return (twoLines ? 2 : 1) * line + 2 * padding;
}

void PageTable::drawCells(
    TemplatePainter &page, const QList<PageCell> &cells, QPointF at, double width, bool bold) const
{
    page.setPen(Qt::black, 0.5);
    page.setFont(points, bold);
    double left = at.x();
    for (qsizetype c = 0; c < cells.size() && c < columns.size(); ++c) {
        const double right = left + shares[c] * width;
        const bool number = columns[c].number;
        const QPointF anchor(number ? right - padding : left + padding, at.y() + padding);
        const Qt::Alignment alignment = (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
        const double room = right - left - 2 * padding;
        page.text(anchor, alignment, page.elided(cells[c].first, room));
        if (!cells[c].second.isEmpty())
            page.text(anchor + QPointF(0, line), alignment, page.elided(cells[c].second, room));
        left = right;
    }
}

void PageTable::drawHeadings(TemplatePainter &page, QPointF at, double width) const
{
    QList<PageCell> headings;
    for (const PageColumn &column : columns)
        headings.append({ column.heading, column.unit });
    drawCells(page, headings, at, width, true);
    page.setPen(Qt::black, 0.6);
    const double y = at.y() + headingsHeight();
    page.painter().drawLine(QLineF(at.x(), y, at.x() + width, y));
}

void PageTable::drawRow(TemplatePainter &page, qsizetype row, QPointF at, double width) const
{
    drawCells(page, rows[row], at, width, row >= rows.size() - boldRows);
    page.setPen(ruleColour, 0.3);
    const double y = at.y() + rowHeight(row);
    page.painter().drawLine(QLineF(at.x(), y, at.x() + width, y));
}

void PageTable::drawEmpty(TemplatePainter &page, QPointF at) const
{
    page.setPen(Qt::black, 0.5);
    page.setFont(points);
    page.text(at + QPointF(padding, 0), Qt::AlignLeft | Qt::AlignTop, whenEmpty);
}

} // namespace orvane
