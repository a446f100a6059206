// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/personlist.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>

#include "app/itemmargindelegate.h"
#include "model/personrow.h"

PersonList::PersonList(const QStringList &columns, const QPixmap &nameIcon, QWidget *parent)
    : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setHeaderLabels(columns);
    headerItem()->setIcon(0, nameIcon);
    setItemDelegate(new ItemMarginDelegate(2, this));
    header()->setStretchLastSection(false);
    connect(model(), &QAbstractItemModel::rowsInserted, this, &PersonList::fitColumns);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, &PersonList::fitColumns);
    connect(model(), &QAbstractItemModel::dataChanged, this, &PersonList::fitColumns);
}

// Each column gets its contents' width and an equal share of what is left. When the contents are
// wider than the list, every column keeps at least its title and the rest of the width is
// shared out in proportion to what each column lacks; longer texts are then elided.
void PersonList::fitColumns()
{
    const int count = columnCount();
    QList<int> titles(count);
    QList<int> contents(count);
    int titlesWidth = 0;
    int contentsWidth = 0;
    for (int column = 0; column < count; ++column) {
        titles[column] = header()->sectionSizeHint(column);
        contents[column] = qMax(titles[column], sizeHintForColumn(column));
        titlesWidth += titles[column];
        contentsWidth += contents[column];
    }
    const int available = viewport()->width();
    for (int column = 0; column < count; ++column) {
        int width = contents[column];
        if (available >= contentsWidth)
            width += (available - contentsWidth) / count;
        else if (available > titlesWidth)
            width = titles[column]
                + int(qint64(contents[column] - titles[column]) * (available - titlesWidth)
                      / (contentsWidth - titlesWidth));
        else
            width = titles[column];
        header()->resizeSection(column, width);
    }
}

void PersonList::resizeEvent(QResizeEvent *event)
{
    QTreeWidget::resizeEvent(event);
    fitColumns();
}

// A text cut short to fit its column shows whole in a tool tip.
bool PersonList::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QTreeWidget::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex index = indexAt(help->pos());
    const QRect cell = visualRect(index);
    if (index.isValid() && cell.width() < sizeHintForIndex(index).width())
        QToolTip::showText(help->globalPos(), index.data().toString(), viewport(), cell);
    else
        QToolTip::hideText();
    return true;
}

void PersonList::showRow(QTreeWidgetItem *row, const Participant &person)
{
    const QStringList columns = PersonRow::columns(person);
    for (int column = 0; column < columns.size(); ++column)
        row->setText(column, columns.at(column));
}
