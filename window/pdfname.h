#pragma once

// Where a PDF the user saves is suggested to go.

#include <QString>

namespace orvane {

// A file name for a PDF titled `title` in the user's documents, or at home where there is no such
// folder: the title with the characters that file systems refuse taken out, and ".pdf".
QString suggestedPdfPath(const QString &title);

} // namespace orvane
