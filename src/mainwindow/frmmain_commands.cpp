// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include <QDateTimeEdit>
#include <QDebug>
#include <QFile>
#include <QMessageBox>
#include <QTreeWidget>

#include "app/trace.h"
#include "wizard/frmfirst.h"

// The list changes only once the wizard is finished: a cancelled New leaves every meeting loaded.
void frmMain::fileNew()
{
    if (meetings->isEmpty()) {
        addMeeting();
        fillGUI();
        return;
    }
    switch (askAddOrReplace()) {
    case AddOrReplace::Add:
        addMeeting();
        break;
    case AddOrReplace::Replace: {
        Meeting *meeting = meetingFromWizard();
        if (!meeting)
            return;
        startNewMeetingsList();
        meetings->append(meeting);
        break;
    }
    case AddOrReplace::Cancel:
        return;
    }
    clearGUI();
    fillGUI();
}

// The wizard lives for one run. The meeting takes over its two lists with the store that holds
// them and their records; a cancelled run frees what it made.
Meeting *frmMain::meetingFromWizard(const Meeting *followed)
{
    frmFirst wizard;
    if (followed)
        wizard.fillFollowUp(*followed);
    if (wizard.exec() != QDialog::Accepted) {
        trace(QStringLiteral("Rejected"));
        return nullptr;
    }
    auto *meeting = new Meeting(wizard.getParticipants(), wizard.getProblems());
    meeting->records.adopt(wizard.records());
    meeting->subject = wizard.getTema();
    meeting->place = wizard.getPlace();
    meeting->date = wizard.dteDate->dateTime();
    return meeting;
}

void frmMain::addMeeting()
{
    if (Meeting *meeting = meetingFromWizard())
        meetings->append(meeting);
}

// Takes the whole meeting out of the list, whichever of its entries was clicked; its file stays.
void frmMain::delMeeting()
{
    if (!lvProblems->currentItem() || currentMeeting < 0 || currentMeeting >= meetings->size())
        return;
    QMessageBox question(QMessageBox::NoIcon, QStringLiteral("Mootrak warning"),
                         QStringLiteral("Are you sure you want\nto delete this meeting?\n"
                                        "It will not delete meeting file."),
                         QMessageBox::Yes | QMessageBox::No);
    question.setDefaultButton(QMessageBox::Yes);
    question.setEscapeButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;

    // The entry at the meeting's own index, so the tree and the list keep in step. With no
    // current entry, the tree selects no neighbour in its place.
    const int index = currentMeeting;
    clearEditor();
    lvProblems->setCurrentItem(nullptr);
    delete lvProblems->topLevelItem(index);
    Meeting *meeting = meetings->takeAt(index);
    journalForget(meeting);
    currentMeeting = -1;
    currentProblem = -1;
    emit meetingsChanged(*meetings);
    delete meeting; // nothing shows it any more
}

// New problems are an edit of the meeting: until it is saved again, its file lacks them.
void frmMain::addProblem()
{
    Meeting *meeting = meetings->value(currentMeeting);
    if (!meeting)
        return;
    frmFirst wizard;
    wizard.setStartId(1);
    if (wizard.exec() != QDialog::Accepted) {
        trace(QStringLiteral("Rejected"));
        return;
    }
    meeting->problems->append(*wizard.getProblems());
    meeting->records.adopt(wizard.records());
    meeting->markModified();
    journalEdited(meeting);
    clearGUI();
    fillGUI();
}

// A file that cannot be removed is passed over; the list keeps every name.
void frmMain::delFile()
{
    for (const QString &name : std::as_const(*tempFiles)) {
        qDebug().noquote() << "Del File: " + name;
        QFile::remove(name);
    }
}
