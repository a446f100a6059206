// SPDX-License-Identifier: GPL-3.0-or-later
// A running program for the crash test: it keeps a recovery journal, opens the meeting file,
// appends the text to its first problem's decision as typing does, and waits to be killed.
// Usage: journal_child <journal folder> <meeting file> <text>
#include <QApplication>
#include <QTextEdit>
#include <QTreeWidget>

#include "app/frmmain.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4)
        return 2;
    frmMain window;
    window.show();
    window.keepRecoveryJournal(arguments.at(1));
    if (!window.addFile(arguments.at(2)))
        return 1;
    QTreeWidgetItem *meeting = window.lvProblems->topLevelItem(0);
    window.lvProblems->expandItem(meeting);
    window.lvProblems->setCurrentItem(meeting->child(0));
    window.txtDecision->moveCursor(QTextCursor::End);
    window.txtDecision->insertPlainText(arguments.at(3));
    return app.exec();
}
