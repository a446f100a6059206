// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include <QSettings>

#include "library/frmfolders.h"
#include "library/meetinglibrary.h"
#include "register/frmdecisions.h"

static const QString foldersKey = QStringLiteral("meetingFolders");

MeetingLibrary *frmMain::meetingLibrary()
{
    if (!library) {
        library = new MeetingLibrary(this);
        if (decisionsWindow)
            decisionsWindow->setLibrary(library);
    }
    return library;
}

void frmMain::rememberMeetingFolders()
{
    foldersRemembered = true;
    const QStringList folders = QSettings().value(foldersKey).toStringList();
    if (!folders.isEmpty())
        meetingLibrary()->setFolders(folders);
}

void frmMain::decisionsFolders()
{
    frmFolders dialog(library ? library->folders() : QStringList(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    meetingLibrary()->setFolders(dialog.folders());
    if (foldersRemembered)
        QSettings().setValue(foldersKey, dialog.folders());
}

// The problem is taken before the meeting's entry is opened, which reorders its problems.
void frmMain::openFileProblem(const QString &file, int problem)
{
    if (Meeting *meeting = addFile(file))
        showDecision(meeting, meeting->problems->value(problem));
}

// The change goes into the meeting as loaded, so it is saved the way every edit is.
void frmMain::markFileProblemDone(const QString &file, int problem, bool done)
{
    Meeting *meeting = addFile(file);
    if (!meeting)
        return;
    Problem *marked = meeting->problems->value(problem);
    markDone(meeting, marked, done);
    showDecision(meeting, marked);
}
