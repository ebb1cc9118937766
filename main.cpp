#include "cli/commandline.h"
#include "window/applicationicon.h"
#include "window/orvane.h"
#include "window/vessel/vesselopening.h"

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

    // Files given with no option open in vessel windows, one each; when any of them cannot be
    // opened, none is. (Read before the application takes its own options out of argv.)
    const QStringList vesselFiles = orvane::vesselFileArguments(argc, argv);
    QApplication app(argc, argv);
    orvane::setApplicationIcon();
    if (!vesselFiles.isEmpty()) {
        const QStringList problems = orvane::openVesselFiles(vesselFiles);
        for (const QString &problem : problems)
            std::fprintf(stderr, "orvane: %s\n", problem.toLocal8Bit().constData());
        return problems.isEmpty() ? app.exec() : 2;
    }
    orvane::Orvane window;
    window.show();
    return app.exec();
}
