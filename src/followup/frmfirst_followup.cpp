// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/frmfirst.h"

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTreeWidget>

#include "followup/followup.h"
#include "model/personrow.h"
#include "wizard/wizardpage.h"

// The date box shows now when it opens; it keeps a later date within its range.
void frmFirst::fillFollowUp(const Meeting &meeting)
{
    txtTema->setText(meeting.subject);
    txtPlace->setText(meeting.place);
    dteDate->setDateTime(FollowUp::nextDate(meeting.date, dteDate->dateTime()));
    for (Participant *person : FollowUp::participantCopies(meeting, store)) {
        new QTreeWidgetItem(lbPart, PersonRow::columns(*person));
        participants->append(person);
    }
    for (Problem *problem : FollowUp::openProblemCopies(meeting, store)) {
        new QTreeWidgetItem(lvProblems, {problem->shortDescription});
        problems->append(problem);
    }
    applyFinishRule();
}
