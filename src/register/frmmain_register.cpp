// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include <QDir>
#include <QMessageBox>
#include <QStatusBar>
#include <QTreeWidget>

#include "app/statustimeouts.h"
#include "register/duedatecalendar.h"
#include "register/frmdecisions.h"

// One register window, made on first use. While it is open it follows the records; once closed it
// is left alone, and made anew from the records, with fresh overdue marks, when asked for again.
void frmMain::decisionsOpen()
{
    if (!decisionsWindow) {
        decisionsWindow = new frmDecisions(this);
        connect(this, &frmMain::meetingsChanged, decisionsWindow,
                [this](const QList<Meeting *> &list) {
                    // Closed, it keeps no rows: the meetings they point at may go next.
                    decisionsWindow->showMeetings(
                        decisionsWindow->isVisible() ? list : QList<Meeting *>());
                });
        connect(this, &frmMain::problemEdited, decisionsWindow, [this](const Problem *problem) {
            if (decisionsWindow->isVisible())
                decisionsWindow->problemEdited(problem);
        });
        connect(decisionsWindow, &frmDecisions::problemActivated, this, &frmMain::showDecision);
        connect(decisionsWindow, &frmDecisions::doneRequested, this, &frmMain::markDone);
        connect(decisionsWindow, &frmDecisions::fileActivated, this, &frmMain::openFileProblem);
        connect(decisionsWindow, &frmDecisions::fileDoneRequested, this,
                &frmMain::markFileProblemDone);
        if (library)
            decisionsWindow->setLibrary(library);
        restoreRegisterPlace();
    }
    decisionsWindow->showMeetings(*meetings);
    decisionsWindow->show();
    decisionsWindow->raise();
    decisionsWindow->activateWindow();
}

static int problemsWithDueDate(const QList<Meeting *> &meetings)
{
    int count = 0;
    for (const Meeting *meeting : meetings) {
        for (const Problem *problem : std::as_const(*meeting->problems))
            count += problem->decision->due.isValid() ? 1 : 0;
    }
    return count;
}

void frmMain::decisionsExport()
{
    if (problemsWithDueDate(*meetings) == 0) {
        QMessageBox::information(this, tr("Export due dates"),
                                 tr("No problem of the loaded meetings has a due date."));
        return;
    }
    const QString fileName = askSaveFileName(tr("Export due dates"), tr("decisions.ics"));
    if (fileName.isEmpty())
        return;
    int todoCount = 0;
    const QByteArray calendar
        = DueDateCalendar::text(*meetings, QDateTime::currentDateTime(), todoCount);
    if (calendar.isEmpty())
        return showSaveFailure(fileName, tr("The calendar could not be made."));
    if (!writeWholeFile(fileName, calendar))
        return;
    // The to-dos written, not the problems with a due date: one the calendar cannot hold is left
    // out.
    statusBar()->showMessage(
        tr("%1 due dates exported to %2").arg(todoCount).arg(QDir::toNativeSeparators(fileName)),
        StatusTimeout::readable);
}

// Opens the meeting's entry, which brings its problems into the order of the entries, and
// selects the problem's entry, so the detail editor shows it.
void frmMain::showDecision(Meeting *meeting, Problem *problem)
{
    const int meetingIndex = int(meetings->indexOf(meeting));
    QTreeWidgetItem *entry = lvProblems->topLevelItem(meetingIndex);
    if (meetingIndex == -1 || !entry)
        return;
    lvProblems->expandItem(entry);
    QTreeWidgetItem *problemEntry = entry->child(int(meeting->problems->indexOf(problem)));
    if (!problemEntry)
        return;
    lvProblems->setCurrentItem(problemEntry);
    lvProblems->scrollToItem(problemEntry);
    raise();
    activateWindow();
}
