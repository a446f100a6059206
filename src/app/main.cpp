#include <QApplication>

#include "app/frmmain.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    frmMain window;
    window.show();
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    return app.exec();
}
