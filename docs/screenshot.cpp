// Renders the Orvane window as it first appears into a PNG file, for the documentation:
//
//     orvane_screenshot docs/orvane.png
//
// It needs no display: without a platform chosen it renders offscreen.

#include "window/orvane.h"

#include <QApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: orvane_screenshot <file.png>\n");
        return 2;
    }

    Orvane window;
    window.show();
    const QImage image = window.grab().toImage();
    if (!image.save(arguments[1], "PNG")) {
        std::fprintf(stderr, "orvane_screenshot: cannot write %s\n", qPrintable(arguments[1]));
        return 1;
    }
    return 0;
}
