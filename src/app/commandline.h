// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QString>
#include <QStringList>

#include "library/decisionlist.h"

// What the program's command line asks for. The decision list and the calendar need no window
// and no display; everything else starts the window.
struct CommandLine
{
    enum class Mode { Window, ListDecisions, ExportDueDates, Help, Version, Error };

    Mode mode = Mode::Window;
    QStringList paths; // meeting files to open, or files and folders to list or export
    DecisionList::Show show = DecisionList::Show::Open;
    QString calendarFile;
    bool debug = false; // the program's traces on standard error
    QString text; // the help, the version, or what is wrong with the command line

    static CommandLine parse(const QStringList &arguments);
    // Lists or exports, printing on standard output and error; the exit status.
    int runWithoutWindow() const;
};

#endif // COMMANDLINE_H
