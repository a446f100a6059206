// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/itemmargindelegate.h"

ItemMarginDelegate::ItemMarginDelegate(int margin, QObject *parent)
    : QStyledItemDelegate(parent)
    , margin(margin)
{ }

QSize ItemMarginDelegate::sizeHint(const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    return QStyledItemDelegate::sizeHint(option, index)
        .grownBy(QMargins(margin, margin, margin, margin));
}
