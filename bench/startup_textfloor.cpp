// A second floor for start-up: the bare window with one line of text on it. The toolkit loads its
// font database and a font the first time it measures or draws text, which the bare window never
// does; this shows what that costs before any of Orvane's own work.

#include "bench/firstshown.h"
#include "window/twips.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Orvane"));
    window.setFixedSize(orvane::pixels(9555), orvane::pixels(8745)); // Orvane's client area
    auto *label = new QLabel(QStringLiteral("# of Segments"), &window);
    label->move(8, 24);
    QuitWhenShown quit(&window);
    window.show();
    return app.exec();
}
