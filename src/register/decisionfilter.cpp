// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/decisionfilter.h"

#include "register/decisionregister.h"

DecisionFilter::DecisionFilter(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
}

void DecisionFilter::setFilterText(const QString &text)
{
    filterText = text.trimmed();
    invalidateFilter();
}

void DecisionFilter::setShowDone(bool show)
{
    showDone = show;
    invalidateFilter();
}

bool DecisionFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const auto *decisions = static_cast<const DecisionRegister *>(sourceModel());
    const qint64 leftDue = decisions->dueOrder(left.row());
    const qint64 rightDue = decisions->dueOrder(right.row());
    if (leftDue != rightDue)
        return leftDue < rightDue;
    return left.row() < right.row();
}

bool DecisionFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const auto *decisions = static_cast<const DecisionRegister *>(sourceModel());
    if (!showDone && decisions->isDone(sourceRow))
        return false;
    if (filterText.isEmpty())
        return true;
    for (int column = 0; column < DecisionRegister::ColumnCount; ++column) {
        if (decisions->text(sourceRow, column).contains(filterText, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
