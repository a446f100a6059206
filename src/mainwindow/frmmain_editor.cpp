// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>

#include "app/personlist.h"
#include "app/trace.h"
#include "mainwindow/duedateedit.h"
#include "model/personrow.h"
#include "wizard/frmpeople.h"

Meeting *frmMain::editedMeeting() const
{
    return editorShowsRecord ? meetings->value(currentMeeting) : nullptr;
}

Problem *frmMain::editedProblem(const Meeting *meeting) const
{
    return currentProblem == -1 ? nullptr : meeting->problems->value(currentProblem);
}

// An untracked change is the editor being filled, not an edit.
frmMain::EditTarget frmMain::editTarget(bool tracked) const
{
    Meeting *meeting = tracked ? editedMeeting() : nullptr;
    if (!meeting)
        return {};
    if (currentProblem == -1)
        return {meeting, nullptr};
    Problem *problem = editedProblem(meeting);
    return problem ? EditTarget {meeting, problem} : EditTarget {};
}

void frmMain::recordEdited(const EditTarget &target)
{
    target.meeting->markModified();
    journalEdited(target.meeting);
    if (target.problem)
        emit problemEdited(target.problem);
}

void frmMain::txtDecision_textChanged()
{
    const EditTarget target = editTarget(trackDecision);
    if (!target.meeting)
        return;
    QString &text = target.problem ? target.problem->decision->text : target.meeting->decisionText;
    text = txtDecision->toPlainText();
    recordEdited(target);
}

void frmMain::txtNotes_textChanged()
{
    const EditTarget target = editTarget(trackNotes);
    if (!target.meeting)
        return;
    QString &notes = target.problem ? target.problem->notes : target.meeting->notes;
    notes = txtNotes->toPlainText();
    recordEdited(target);
}

// Marks the meeting also when the value was already the same.
void frmMain::dtDue_valueChanged(const QDateTime &dt)
{
    const EditTarget target = editTarget(trackDue);
    if (!target.meeting)
        return;
    QDateTime &date = target.problem ? target.problem->decision->due : target.meeting->date;
    date = DueDateEdit::due(dt);
    recordEdited(target);
}

void frmMain::markDone(Meeting *meeting, Problem *problem, bool done)
{
    if (!meeting || !problem || problem->decision->isDone() == done)
        return;
    problem->decision->done = done ? wholeSecondsNow() : QDateTime();
    recordEdited({meeting, problem});
    if (editedMeeting() == meeting && editedProblem(meeting) == problem)
        showDoneMark(problem);
}

// Shows the mark without taking the showing for an edit; a meeting has none.
void frmMain::showDoneMark(const Problem *problem)
{
    const QSignalBlocker quiet(chkDone);
    chkDone->setChecked(problem && problem->decision->isDone());
}

void frmMain::chkDone_toggled(bool done)
{
    const EditTarget target = editTarget(true);
    markDone(target.meeting, target.problem, done);
}

// The list that lvResp shows: the meeting's participants in meeting mode, the problem's
// responsibles in problem mode; null when there is no such record.
QList<Participant *> *frmMain::personList(Meeting *meeting) const
{
    if (!meeting)
        return nullptr;
    if (currentProblem == -1)
        return meeting->participants;
    Problem *problem = editedProblem(meeting);
    return problem ? problem->responsibles : nullptr;
}

void frmMain::btAddResp_clicked()
{
    if (currentProblem == -1)
        trace(QStringLiteral("No problem selected"));
    else
        trace(QLatin1String("Problem N: ") + QString::number(currentProblem));

    Meeting *meeting = editedMeeting();
    // A responsible is most often one of the meeting's participants.
    const QList<Participant *> suggestions
        = meeting && currentProblem != -1 ? *meeting->participants : QList<Participant *>();
    Participant *person = frmPeople::askNew(this, tr("Adding new person"),
                                            meeting ? meeting->records : slotRecords, suggestions);
    if (!person)
        return;
    QList<Participant *> *persons = personList(meeting);
    if (!persons) {
        trace(QStringLiteral("Error 100"));
        return;
    }
    lvResp->setSortingEnabled(false);
    lvResp->addTopLevelItem(new QTreeWidgetItem(PersonRow::columns(*person)));
    persons->append(person);
    recordEdited({meeting, editedProblem(meeting)});
}

void frmMain::btEditResp_clicked()
{
    QTreeWidgetItem *row = lvResp->selectedItems().value(0);
    Meeting *meeting = editedMeeting();
    QList<Participant *> *persons = personList(meeting);
    if (!row || !persons) {
        trace(QStringLiteral("Is 0"));
        return;
    }
    Participant *person = persons->value(lvResp->indexOfTopLevelItem(row));
    if (!person) {
        trace(QStringLiteral("p=0"));
        return;
    }
    if (!frmPeople::askEdit(this, person))
        return;
    PersonList::showRow(row, *person);
    recordEdited({meeting, editedProblem(meeting)});
}

void frmMain::btDeleteResp_clicked()
{
    QTreeWidgetItem *row = lvResp->selectedItems().value(0);
    if (!row) {
        trace(QStringLiteral("No selection"));
        return;
    }
    Meeting *meeting = editedMeeting();
    QList<Participant *> *persons = personList(meeting);
    if (!persons) {
        trace(QStringLiteral("Error 102"));
        return;
    }
    const int index = lvResp->indexOfTopLevelItem(row);
    if (index >= persons->size())
        return;
    persons->removeAt(index); // unlinked only: the record stays valid
    recordEdited({meeting, editedProblem(meeting)});
    delete row;
    // The view moves the selection to the next row; a second click must not delete that one.
    lvResp->setCurrentItem(nullptr);
    lvResp->clearSelection();
}

void frmMain::lvResp_selectionChanged(QTreeWidgetItem *li)
{
    btEditResp->setEnabled(li != nullptr);
    btDeleteResp->setEnabled(li != nullptr);
}

void frmMain::lvResp_doubleClicked(QTreeWidgetItem *li)
{
    if (li)
        btEditResp_clicked();
}

void frmMain::lvResp_clicked(QTreeWidgetItem *li)
{
    lvResp_selectionChanged(li);
}
