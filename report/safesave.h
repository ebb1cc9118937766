#pragma once

// Finishing a file written through QSaveFile, so that a file already there is replaced only by a
// complete new one.

#include <QString>

#include <functional>
#include <optional>

class QPageLayout;
class QPdfWriter;
class QSaveFile;

namespace orvane {

// Writes out what `file` still buffers and, when all of it reached the disk, puts the new file in
// place of the old one. Otherwise the new file is dropped, the old one kept, and the cause given
// back.
std::optional<QString> commitSafely(QSaveFile &file);

// Writes a PDF into `fileName` the same way: `drawPages` draws the document on a writer set up
// with `layout` and `title`, giving the reason when it could not. The reason something failed, or
// nothing once the new file is in place.
std::optional<QString> writePdfSafely(const QString &fileName, const QPageLayout &layout,
    const QString &title, const std::function<std::optional<QString>(QPdfWriter &)> &drawPages);

} // namespace orvane
