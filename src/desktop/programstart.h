// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PROGRAMSTART_H
#define PROGRAMSTART_H

#include <QString>
#include <QStringList>

class frmMain;

// What the program does around its window, apart from the window's own code: a window built by
// other code (tests, tools) does none of it.
namespace ProgramStart {

// The window's traces are for developers: off unless asked for. The user's own
// QT_LOGGING_RULES still win.
void setTraces(bool debug);

// Remembered folders and places, meeting files dropped on the window, the window shown, the
// command line's files opened in order as Open with Add does (one that cannot be opened is told
// in the usual box), and the recovery journal in the folder.
void startWindow(frmMain &window, const QStringList &files, const QString &journalFolder);

// Keeps the window's place for the next run.
void endWindow(const frmMain &window);

} // namespace ProgramStart

#endif // PROGRAMSTART_H
