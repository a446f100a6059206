#include "app/frmmain.h"

#include <QDateTimeEdit>
#include <QTextEdit>
#include <QTreeWidget>

Meeting *frmMain::editedMeeting() const
{
    // After a rebuild the editor is blank and nothing is selected, while the current indices
    // may still name a record: an edit typed then must not replace text it never showed.
    if (lvProblems->selectedItems().isEmpty())
        return nullptr;
    return meetings->value(currentMeeting);
}

Problem *frmMain::editedProblem(const Meeting *meeting) const
{
    return currentProblem == -1 ? nullptr : meeting->problems->value(currentProblem);
}

static void markModified(Meeting *meeting)
{
    meeting->modified = true;
    meeting->saved = false;
}

void frmMain::txtDecision_textChanged()
{
    if (!trackDecision)
        return;
    Meeting *meeting = editedMeeting();
    if (!meeting)
        return;
    if (currentProblem == -1) {
        meeting->decisionText = txtDecision->toPlainText();
    } else if (Problem *problem = editedProblem(meeting)) {
        problem->decision->text = txtDecision->toPlainText();
    } else {
        return;
    }
    markModified(meeting);
}

void frmMain::txtNotes_textChanged()
{
    if (!trackNotes)
        return;
    Meeting *meeting = editedMeeting();
    if (!meeting)
        return;
    if (currentProblem == -1) {
        meeting->notes = txtNotes->toPlainText();
    } else if (Problem *problem = editedProblem(meeting)) {
        problem->notes = txtNotes->toPlainText();
    } else {
        return;
    }
    markModified(meeting);
}

// Marks the meeting also when the value was already the same.
void frmMain::dtDue_valueChanged(const QDateTime &dt)
{
    if (!trackDue)
        return;
    Meeting *meeting = editedMeeting();
    if (!meeting)
        return;
    if (currentProblem == -1) {
        meeting->date = dt;
    } else if (Problem *problem = editedProblem(meeting)) {
        problem->decision->due = dt;
    } else {
        return;
    }
    markModified(meeting);
}

void frmMain::btAddResp_clicked()
{ }

void frmMain::lvResp_selectionChanged(QTreeWidgetItem *)
{ }

void frmMain::btEditResp_clicked()
{ }

void frmMain::btDeleteResp_clicked()
{ }

void frmMain::lvResp_doubleClicked(QTreeWidgetItem *)
{ }

void frmMain::lvResp_clicked(QTreeWidgetItem *)
{ }
