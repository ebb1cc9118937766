#include "tests/support/printers.h"

#include <QDir>
#include <QPrinterInfo>
#include <QTemporaryDir>

bool hideAllPrinters()
{
    static QTemporaryDir nowhere;
    qputenv(
        "CUPS_SERVER", QDir(nowhere.path()).filePath(QStringLiteral("no-server")).toLocal8Bit());
    // Nor may a printer be named through the environment.
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    return QPrinterInfo::defaultPrinter().isNull();
}
