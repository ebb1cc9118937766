#pragma once

// Opens the 3D tab of a shown vessel window as a user does, with a click on its tab.

#include "window/vessel/vesselpictureview.h"
#include "window/vessel/vesselwindow.h"

#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

namespace orvane {

// The window's 3D picture, its tab clicked; nothing when the window has no such tab.
inline VesselPictureView *openPictureTab(VesselWindow &window)
{
    auto *views = window.findChild<QTabWidget *>(QStringLiteral("vesselViews"));
    auto *picture = window.findChild<VesselPictureView *>(QStringLiteral("vesselPicture"));
    if (!views || !picture)
        return nullptr;
    QTabBar *tabs = views->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(views->indexOf(picture)).center());
    return picture->isVisible() ? picture : nullptr;
}

} // namespace orvane
