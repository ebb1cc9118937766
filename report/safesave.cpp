#include "report/safesave.h"

#include "report/pdfformat.h"

#include <QPdfWriter>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace orvane {

std::optional<QString> commitSafely(QSaveFile &file)
{
    // The last part of the file waits in a buffer, and a failure to write it (a full disk, a file
    // size limit) would not stop commit() from renaming the short file into place.
    errno = 0;
    if (!file.flush()) {
        const int cause = errno;
        file.cancelWriting();
        return cause != 0 ? QString::fromLocal8Bit(std::strerror(cause)) : file.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

std::optional<QString> writePdfSafely(const QString &fileName, const QPageLayout &layout,
    const QString &title, const std::function<std::optional<QString>(QPdfWriter &)> &drawPages)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    std::optional<QString> failure;
    {
        // The writer finishes the document when it goes, before the file is committed.
        QPdfWriter writer(&file);
        setUpPdfWriter(writer, layout, title);
        failure = drawPages(writer);
    }
    if (failure) {
        file.cancelWriting();
        return failure;
    }
    return commitSafely(file);
}

} // namespace orvane
