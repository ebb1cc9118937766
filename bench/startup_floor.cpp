// The floor for start-up: a bare Qt window of Orvane's size, ending once it is first shown.

#include "bench/firstshown.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Orvane"));
    window.setFixedSize(637, 583);
    QuitWhenShown quit(&window);
    window.show();
    return app.exec();
}
