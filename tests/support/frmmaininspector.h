// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FRMMAININSPECTOR_H
#define FRMMAININSPECTOR_H

#include <QTreeWidget>

#include "app/frmmain.h"

// The tests' view of the main window's private state.
class frmMainInspector
{
public:
    explicit frmMainInspector(frmMain &window)
        : window(window)
    { }

    QList<Meeting *> *meetings() const { return window.meetings; }
    int currentMeeting() const { return window.currentMeeting; }
    int currentProblem() const { return window.currentProblem; }
    QStringList *tempFiles() const { return window.tempFiles; }

    // One field of every loaded meeting, in list order.
    template<typename T> QList<T> each(T Meeting::*field) const
    {
        QList<T> values;
        for (const Meeting *meeting : std::as_const(*window.meetings))
            values << meeting->*field;
        return values;
    }
    // The texts of the tree's meeting entries, top to bottom.
    QStringList treeEntries() const
    {
        QStringList texts;
        for (int i = 0; i < window.lvProblems->topLevelItemCount(); ++i)
            texts << window.lvProblems->topLevelItem(i)->text(0);
        return texts;
    }

    // Rebuilds the tree the way New, Open and Add problem do.
    void rebuildTree()
    {
        window.clearGUI();
        window.fillGUI();
    }
    // Meetings already loaded, shown in the tree.
    void load(const QList<Meeting *> &loaded)
    {
        window.meetings->append(loaded);
        rebuildTree();
    }
    // Selects a meeting's entry, or one of its problem entries. A problem entry is reached by
    // opening its meeting, which puts the problems in the order shown.
    void select(int meeting, int problem = -1)
    {
        QTreeWidgetItem *entry = window.lvProblems->topLevelItem(meeting);
        if (problem != -1)
            window.lvProblems->expandItem(entry);
        window.lvProblems->setCurrentItem(problem == -1 ? entry : entry->child(problem));
    }
    void saveMeeting() { window.saveMeeting(); }
    // The meeting context menu's commands, on the current meeting.
    void delMeeting() { window.delMeeting(); }
    void addProblem() { window.addProblem(); }
    void sendNotification() { window.sendNotification(); }
    // Open without the file dialog: read, parse, build the records and the tree.
    void openFile(const QString &fileName) { window.openFile(fileName); }
    // As Replace does: the meetings go, and the next open asks nothing.
    void forgetMeetings() { window.startNewMeetingsList(); }

    QString buildEmailBody(int index) const { return window.buildEmailBody(index); }

private:
    frmMain &window;
};

#endif // FRMMAININSPECTOR_H
