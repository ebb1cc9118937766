#pragma once

// A table printed on a page: a heading of two lines over each column (a name and its unit), rows
// of one or two lines, each column as wide as its widest text. A table that would not fit its
// width is printed in a smaller font rather than with its texts cut short.

#include "report/templatepainter.h"

#include <QList>
#include <QPointF>
#include <QString>

namespace orvane {

// One cell: one line, or two (a fraction over its decimal).
struct PageCell
{
    QString first;
    QString second;
};

struct PageColumn
{
    QString heading;
    QString unit; // the heading's second line
    bool number = true; // aligned right
};

class PageTable
{
public:
    QString title;
    QList<PageColumn> columns;
    QList<QList<PageCell>> rows;
    int boldRows = 0; // the last rows, printed bold: the totals
    QString whenEmpty; // printed in place of the rows when there are none

    // Sizes the columns and the font for a table `width` points wide on `page`.
    void fit(TemplatePainter &page, double width);

    // Heights in points, once fitted.
    double headingsHeight() const;
    double rowHeight(qsizetype row) const;
    double emptyHeight() const { return line; }

    // Draws a part of the table with its top-left corner at `at`, `width` points wide.
    void drawHeadings(TemplatePainter &page, QPointF at, double width) const;
    void drawRow(TemplatePainter &page, qsizetype row, QPointF at, double width) const;
    void drawEmpty(TemplatePainter &page, QPointF at) const;

private:
    void drawCells(TemplatePainter &page, const QList<PageCell> &cells, QPointF at, double width,
        bool bold) const;

    QList<double> shares; // of the width, column by column
    double points = 8;
    double line = 0;
};

} // namespace orvane
