#include "window/applicationicon.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>

namespace orvane {

void setApplicationIcon()
{
    // Every size the build put into the resources. Only the sizes are read now; each picture is
    // read when a window first needs it.
    QIcon icon;
    const QDir folder(QStringLiteral(":/icons"));
    for (const QString &name : folder.entryList({ QStringLiteral("orvane-*.png") }, QDir::Files)) {
        const QString file = folder.filePath(name);
        icon.addFile(file, QImageReader(file).size());
    }
    QApplication::setWindowIcon(icon);
}

} // namespace orvane
