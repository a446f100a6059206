// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include <QAction>
#include <QTreeWidget>

// The follow-up of the meeting whose entry, or one of whose problems, is selected. Finish adds
// it to the list unsaved, as New with Add does; Cancel changes nothing.
void frmMain::decisionsFollowUp()
{
    const Meeting *followed = meetings->value(currentMeeting);
    if (!followed || lvProblems->selectedItems().isEmpty())
        return;
    Meeting *meeting = meetingFromWizard(followed);
    if (!meeting)
        return;
    meetings->append(meeting);
    clearGUI();
    fillGUI();
}

void frmMain::updateFollowUpAction()
{
    decisionsFollowUpAction->setEnabled(!lvProblems->selectedItems().isEmpty());
}
