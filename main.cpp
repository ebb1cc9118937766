#include "window/orvane.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Orvane window;
    window.show();
    return app.exec();
}
