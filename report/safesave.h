#pragma once

// Finishing a file written through QSaveFile, so that a file already there is replaced only by a
// complete new one.

#include <QString>

#include <optional>

class QSaveFile;

namespace orvane {

// Writes out what `file` still buffers and, when all of it reached the disk, puts the new file in
// place of the old one. Otherwise the new file is dropped, the old one kept, and the cause given
// back.
std::optional<QString> commitSafely(QSaveFile &file);

} // namespace orvane
