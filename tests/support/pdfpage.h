#pragma once

// One page of a PDF read back with poppler's tools: its text as laid out on the page, and its
// pixels rendered without antialiasing, so that a black line stays black and a grey one grey,
// with the dark lines found on them: where a printed line starts and ends, to measure lengths on
// paper.

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

namespace pdfpage {

// The lines of text of page `page` (from 1) of `fileName`, each with its blanks run together:
// words that stand on one line of the page make one line, however far apart. Empty, with `error`
// set, when pdftotext could not read it.
QStringList textLines(const QString &fileName, int page, QString *error = nullptr);

// Page `page` of `fileName` at `dpi` dots to the inch, in grey; a null image, with `error` set,
// when pdftoppm could not render it.
QImage renderPage(const QString &fileName, int page, int dpi, QString *error = nullptr);
// The same in colour, antialiased as a viewer shows it.
QImage renderPageInColour(const QString &fileName, int page, int dpi, QString *error = nullptr);

// A run of dark pixels along a row or a column of an image: from `first` to `last`, inclusive.
struct Run
{
    int line = 0; // the row of a horizontal run, the column of a vertical one
    int first = 0;
    int last = 0;
    int length() const { return last - first + 1; }
};

// The runs of at least `shortest` pixels darker than `darkest` (0 black, 255 white) on the rows
// of `image` inside `within`.
QList<Run> horizontalRuns(const QImage &image, const QRect &within, int shortest, int darkest = 64);
// The same on its columns.
QList<Run> verticalRuns(const QImage &image, const QRect &within, int shortest, int darkest = 64);

} // namespace pdfpage
