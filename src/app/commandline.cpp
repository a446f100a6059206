// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>

#include <cstdio>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}

struct Options
{
    QCommandLineOption help {{"h", "help"}, tr("Shows this help.")};
    QCommandLineOption version {{"v", "version"}, tr("Shows the version.")};
    QCommandLineOption list {"list-decisions",
                             tr("Prints the open decisions of the meeting files and folders given, "
                                "one per line, tab-separated: due date, state, meeting, problem, "
                                "decision, responsibles, file. Needs no display.")};
    QCommandLineOption all {"all", tr("With --list-decisions: the done decisions too.")};
    QCommandLineOption overdue {"overdue", tr("With --list-decisions: only the overdue ones.")};
    QCommandLineOption exportDue {"export-due-dates",
                                  tr("Writes the due dates of the meeting files and folders given "
                                     "to an iCalendar file. Needs no display."),
                                  tr("file.ics")};
    QCommandLineOption debug {"debug", tr("Prints the program's traces on standard error.")};
};

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    Options options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Mootrak records meetings and tracks the decisions taken at them.\n"
           "Exit status of --list-decisions and --export-due-dates: 0, or 2 when some file "
           "could not be read (named on standard error), 1 on other failures."));
    parser.addOptions({options.help, options.version, options.list, options.all, options.overdue,
                       options.exportDue, options.debug});
    parser.addPositionalArgument(tr("paths"),
                                 tr("Meeting files to open, or files and folders "
                                    "to list or export."),
                                 tr("[paths...]"));
    CommandLine command;
    if (!parser.parse(arguments)) {
        command.mode = Mode::Error;
        command.text = parser.errorText();
        return command;
    }
    command.paths = parser.positionalArguments();
    command.debug = parser.isSet(options.debug);
    command.show = parser.isSet(options.all) ? DecisionList::Show::All
        : parser.isSet(options.overdue)      ? DecisionList::Show::Overdue
                                             : DecisionList::Show::Open;
    if (parser.isSet(options.help)) {
        command.mode = Mode::Help;
        command.text = parser.helpText();
    } else if (parser.isSet(options.version)) {
        command.mode = Mode::Version;
        command.text = QCoreApplication::applicationName() + u' '
            + QCoreApplication::applicationVersion() + u'\n';
    } else if (parser.isSet(options.list) || parser.isSet(options.exportDue)) {
        command.mode = parser.isSet(options.list) ? Mode::ListDecisions : Mode::ExportDueDates;
        command.calendarFile = parser.value(options.exportDue);
        if (command.paths.isEmpty()) {
            command.mode = Mode::Error;
            command.text = tr("Name at least one meeting file or folder.");
        }
    }
    return command;
}

int CommandLine::runWithoutWindow() const
{
    QTextStream out(stdout);
    QTextStream errors(stderr);
    switch (mode) {
    case Mode::Help:
    case Mode::Version:
        out << text;
        return 0;
    case Mode::Error:
        errors << text << '\n' << tr("Try --help.") << Qt::endl;
        return 1;
    case Mode::ListDecisions:
        return DecisionList::print(paths, show, QDateTime::currentDateTime(), out, errors);
    case Mode::ExportDueDates:
        return DecisionList::exportDueDates(calendarFile, paths, QDateTime::currentDateTime(),
                                            errors);
    case Mode::Window:
        break;
    }
    return 0;
}
