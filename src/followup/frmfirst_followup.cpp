#include "wizard/frmfirst.h"

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTreeWidget>

#include "followup/followup.h"
#include "model/personrow.h"
#include "wizard/wizardpage.h"

// The date box keeps the date within its range, as it does for a date typed in.
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
