// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PERSONLIST_H
#define PERSONLIST_H

#include <QTreeWidget>

#include "model/meeting.h"

// A flat list of persons whose columns fit their contents and share out the width left over,
// so that all columns show without scrolling sideways whenever they fit, at any window size.
class PersonList : public QTreeWidget
{
    Q_OBJECT

public:
    PersonList(const QStringList &columns, const QPixmap &nameIcon, QWidget *parent);

    void fitColumns();
    // Shows the person's texts in a row of the list, in PersonRow's column order.
    static void showRow(QTreeWidgetItem *row, const Participant &person);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool viewportEvent(QEvent *event) override;
};

#endif // PERSONLIST_H
