// Orvane started as a user starts it, ending once its window is first shown.

#include "bench/firstshown.h"
#include "window/applicationicon.h"
#include "window/orvane.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    orvane::setApplicationIcon();
    Orvane window;
    QuitWhenShown quit(&window);
    window.show();
    return app.exec();
}
