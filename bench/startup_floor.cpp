// The floor for start-up: a bare Qt window of Orvane's size, ending once it is first shown.

#include "bench/firstshown.h"
#include "window/twips.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Orvane"));
    window.setFixedSize(orvane::pixels(9555), orvane::pixels(8745)); // Orvane's client area
    QuitWhenShown quit(&window);
    window.show();
    return app.exec();
}
