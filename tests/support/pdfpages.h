#pragma once

// Reads back what a PDF shows, with the tools of poppler: the text line by line with its place on
// the page, the page count, and the pages rendered to pixels.

#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

struct PdfLine
{
    QString text; // its words, one blank between two
    QPointF topLeft; // in points from the top-left corner of the page
};

struct PdfContents
{
    QString error; // set when the file could not be read
    QString title;
    int pages = 0;
    QSizeF pageSize; // of the first page, in points
    QList<PdfLine> lines; // of every page, in the order the tool reads them
    QStringList texts() const;
};

PdfContents readPdf(const QString &fileName);

// The pages as a grey-scale image file at `dpi` dots to the inch; empty when that failed.
QByteArray renderPdf(const QString &fileName, int dpi);
