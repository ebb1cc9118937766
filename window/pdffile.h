#pragma once

// Where a PDF the user saves goes: the name suggested, the standard dialog that asks, and the
// name of where the print dialog sent the pages.

#include <QString>

class QPrinter;
class QWidget;

namespace orvane {

// A file name for a PDF titled `title` in the user's documents, or at home where there is no such
// folder: the title with the characters that file systems refuse taken out, and ".pdf".
QString suggestedPdfPath(const QString &title);

// The standard save dialog titled `title`, for a PDF file, starting from `suggested`; the file
// chosen, or the empty text when the user cancels.
QString askForPdfFile(QWidget *parent, const QString &title, const QString &suggested);

// Where the print dialog sent `printer`, as a message names it: its PDF file, or its printer.
QString destinationName(const QPrinter &printer);

} // namespace orvane
