// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ITEMMARGINDELEGATE_H
#define ITEMMARGINDELEGATE_H

#include <QStyledItemDelegate>

// Gives every row of a list view a margin of its own around the text.
class ItemMarginDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    ItemMarginDelegate(int margin, QObject *parent);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int margin;
};

#endif // ITEMMARGINDELEGATE_H
