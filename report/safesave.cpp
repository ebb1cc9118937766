#include "report/safesave.h"

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

} // namespace orvane
