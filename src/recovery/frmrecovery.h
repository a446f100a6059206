// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FRMRECOVERY_H
#define FRMRECOVERY_H

#include <QDialog>
#include <QList>

#include "recovery/recoveryjournal.h"

class QPushButton;
class QTreeWidget;

// Offers the meetings an ended program left unsaved, without standing in the way: the window is
// not modal, and what is neither recovered nor discarded is offered again at the next start.
class frmRecovery : public QDialog
{
    Q_OBJECT

public:
    explicit frmRecovery(const QList<JournalEntry> &entries, QWidget *parent = nullptr);

    QTreeWidget *lvEntries;
    QPushButton *btRecover;
    QPushButton *btDiscard;

signals:
    void recoverRequested(const JournalEntry &entry);
    void discardRequested(const JournalEntry &entry);

private:
    void takeSelected(bool recover);
    void updateButtons();

    QList<JournalEntry> entries; // in the rows' order
};

#endif // FRMRECOVERY_H
