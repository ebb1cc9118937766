#pragma once

// Where a PDF the user saves goes: the name suggested, and the standard dialog that asks.

#include <QString>

class QWidget;

namespace orvane {

// A file name for a PDF titled `title` in the user's documents, or at home where there is no such
// folder: the title with the characters that file systems refuse taken out, and ".pdf".
QString suggestedPdfPath(const QString &title);

// The standard save dialog titled `title`, for a PDF file, starting from `suggested`; the file
// chosen, or the empty text when the user cancels.
QString askForPdfFile(QWidget *parent, const QString &title, const QString &suggested);

} // namespace orvane
