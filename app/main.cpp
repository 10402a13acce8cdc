#include "ui/main/frmSpace.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Run through X11 (XWayland on a Wayland desktop): the renderer draws into
    // a native X window.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    oralis::frmSpace window;
    window.show();
    return app.exec();
}
