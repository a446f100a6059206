#include <QApplication>
#include <QLoggingCategory>

#include "app/commandline.h"
#include "app/frmmain.h"
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
    // The window's traces are for developers; the user's own QT_LOGGING_RULES still win.
    if (!command.debug)
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    if (command.mode != CommandLine::Mode::Window) {
        QCoreApplication app(argc, argv); // read again: the help names the program as it was run
        return CommandLine::parse(QCoreApplication::arguments()).runWithoutWindow();
    }

    QApplication app(argc, argv);
    frmMain window;
    window.rememberMeetingFolders();
    window.show();
    for (const QString &file : command.paths)
        window.addFile(file);
    window.keepRecoveryJournal(RecoveryJournal::defaultFolder());
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    return app.exec();
}
