// Renders the vessel window with a project file open into a PNG file, for the documentation:
//
//     orvane_vessel_screenshot docs/examples/vase.orvane docs/vessel-window.png
//     orvane_vessel_screenshot docs/examples/vase-two-woods.orvane docs/vessel-3d.png 3d
//
// The ring in the middle of the vessel is selected, and in a vessel with a profile the point in the
// middle of the profile too; with "3d" the vessel is shown in 3D rather than in section. It needs
// no display: without a platform chosen it renders offscreen.

#include "window/vessel/ringtableview.h"
#include "window/vessel/vesselfile.h"
#include "window/vessel/vesselwindow.h"

#include <QApplication>
#include <QImage>
#include <QTabWidget>
#include <QTableView>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const bool inThreeD = arguments.size() == 4 && arguments[3] == QLatin1String("3d");
    if (arguments.size() != 3 && !inThreeD) {
        std::fprintf(stderr, "usage: orvane_vessel_screenshot <project file> <file.png> [3d]\n");
        return 2;
    }
    orvane::VesselFileReading reading
        = orvane::readVesselFile(arguments[1], orvane::Units::inches, orvane::defaultKerf);
    if (!reading.vessel) {
        std::fprintf(stderr, "orvane_vessel_screenshot: %s\n",
            qPrintable(reading.problems.join(QLatin1Char('\n'))));
        return 2;
    }
    const auto middle = static_cast<int>(reading.vessel->rings.size() / 2);
    const auto middlePoint = static_cast<int>(reading.vessel->profile.size() / 2);
    orvane::VesselWindow window(std::move(*reading.vessel), arguments[1]);
    window.resize(1360, 760); // the same picture on every screen
    window.show();
    if (middlePoint > 0)
        window.findChild<QTableView *>(QStringLiteral("profilePoints"))->selectRow(middlePoint);
    window.ringTable()->goToRing(middle);
    if (inThreeD) {
        auto *views = window.findChild<QTabWidget *>(QStringLiteral("vesselViews"));
        views->setCurrentWidget(window.findChild<QWidget *>(QStringLiteral("vesselPicture")));
    }
    QApplication::processEvents();
    const QImage image = window.grab().toImage();
    if (!image.save(arguments[2], "PNG")) {
        std::fprintf(
            stderr, "orvane_vessel_screenshot: cannot write %s\n", qPrintable(arguments[2]));
        return 1;
    }
    return 0;
}
