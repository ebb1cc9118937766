#include "cli/commandline.h"
#include "window/applicationicon.h"
#include "window/orvane.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (orvane::wantsCommandLine(argc, argv)) {
        // No window is shown, so none of the desktop is needed: without a platform of the
        // user's choosing the command line runs offscreen, over ssh and in scripts alike. The
        // PDF files still need a Gui application for their fonts.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // The toolkit's own notes (no runtime folder, fonts looked up) would clutter a terminal
        // and a script's error output; the command line reports its own problems.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "orvane: %s\n", qPrintable(text));
        });
        QGuiApplication app(argc, argv);
        return orvane::runCommandLine(QCoreApplication::arguments());
    }

    QApplication app(argc, argv);
    orvane::setApplicationIcon();
    orvane::Orvane window;
    window.show();
    return app.exec();
}
