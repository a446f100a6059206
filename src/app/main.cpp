// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "app/commandline.h"
#include "app/frmmain.h"
#include "desktop/programstart.h"
#include "recovery/recoveryjournal.h"

static QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The command line is read before any application object: what needs no window starts none, so
// it runs without a display.
int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("mootrak"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOOTRAK_VERSION));
    QCoreApplication::setOrganizationDomain(QStringLiteral("mootrak.org"));
    const CommandLine command = CommandLine::parse(argumentsOf(argc, argv));
    ProgramStart::setTraces(command.debug);
    if (command.mode != CommandLine::Mode::Window) {
        QCoreApplication app(argc, argv); // read again: the help names the program as it was run
        return CommandLine::parse(QCoreApplication::arguments()).runWithoutWindow();
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.mootrak.Mootrak"));
    frmMain window;
    ProgramStart::startWindow(window, command.paths, RecoveryJournal::defaultFolder());
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    const int status = app.exec();
    ProgramStart::endWindow(window);
    return status;
}
